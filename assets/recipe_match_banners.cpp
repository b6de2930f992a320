// The big words of a tournament game: the banner over the pre-game screen,
// "GAME ENDS" and the verdict over the result screen, and the penalty
// call. Each sits on black, lit from behind by a glow of its own colour
// that fades out well before the edges, so it sits seamlessly on the
// screen.

#include <string_view>
#include <vector>

#include "assets/art.hpp"
#include "assets/kit_image.hpp"
#include "assets/kit_lettering.hpp"
#include "assets/kit_splats.hpp"
#include "assets/lettering.hpp"
#include "assets/recipes.hpp"

namespace vantoro::art {

namespace {

// Lettering is drawn this many times larger and shrunk: banners this low
// leave only a few pixels for each outline ring.
constexpr int kScale = 3;

// The words, the banner's size, how the words lean, space out and glow, the
// letters' face and the paint behind them.
struct Banner {
  std::string_view Text;
  int Width, Height;
  float Shear;  // italic slant; 0 upright
  int Tracking;
  std::uint64_t Seed;
  Color Glow, Backlight;
  Gradient Face;
  std::vector<ThrownSplat> Splats;  // thrown behind the letters, in banner pixels
};

Image DrawBanner(FontLibrary& fonts, const Banner& banner) {
  return Supersampled(banner.Width, banner.Height, kScale, [&](Image& image) {
    // A faint pool of the banner's colour behind the words.
    const ColorF backlight = ToF(banner.Backlight);
    const float w = static_cast<float>(image.Width), h = static_cast<float>(image.Height);
    FillEach(image, [&](int x, int y) {
      const float fx = static_cast<float>(x) + 0.5f, fy = static_cast<float>(y) + 0.5f;
      return backlight * (0.22f * Falloff(fx, fy, w * 0.5f, h * 0.5f, w * 0.42f, h * 0.42f, 2.5f));
    });
    Random rng(banner.Seed);
    std::vector<ThrownSplat> splats;
    for (const ThrownSplat& s : banner.Splats)
      splats.push_back({s.X * kScale, s.Y * kScale, s.Radius * kScale, s.Colour, s.Direction, s.Drips});
    ScatterSplats(image, rng, splats,
                  {.Shape = {.Arms = 9, .Droplets = 9, .Bias = 0.5f}, .Fade = 0.8f, .Bevel = 2 * kScale});

    // The words fill 86% of the width, their capitals at most 74% of the height.
    const int tall = banner.Height * kScale, tracking = banner.Tracking * kScale;
    const int capRoom = tall * 74 / 100;
    const Font& font =
        FittingFont(fonts, banner.Text, tracking, banner.Width * kScale * 86 / 100, capRoom * 14 / 10);
    const Field placed =
        PlacedText(image.Width, image.Height, banner.Text, font, tracking, image.Width * 0.5f, 0);
    // Centre the ink whatever the face's own line height.
    const Rect ink = InkBounds(placed);
    const Field mask = Shifted(placed, 0, (tall - (ink.Bottom - ink.Top)) / 2 - ink.Top);
    const int o = kScale;
    BannerStyle style = BannerStyle::Fine(o);
    style.ShadowSpread = style.ShadowDx = 2 * o;
    style.Glow = banner.Glow;
    style.GlowRadius = 5 * o;
    style.GlowStrength = 0.7f;
    const Rect box = PaintSlantedWords(image, mask, banner.Shear, rng, {}, {}, banner.Face, style);
    const float span = static_cast<float>(box.Right - box.Left);
    Glint(image, static_cast<float>(box.Left) + span * 0.1f, static_cast<float>(box.Top) + 2.0f * o, 5.0f * o,
          {.Width = 0.9f * o, .Core = 0.8f * o});
  });
}

// The banners, in the order of their pictures.
// clang-format off
const Banner kBanners[] = {
    {"The Tournament", 533, 58, 0.12f, 2, 0x70A1, Rgb(0xFF6A1A), Rgb(0xFF7A2A),
     {{0.0f, Rgb(0xFFFCE0)}, {0.3f, Rgb(0xFFD860)}, {0.52f, Rgb(0xE08A10)}, {0.55f, Rgb(0x8A4208)},
      {1.0f, Rgb(0xFFC040)}},
     {{40.0f, 30.0f, 12.0f, Rgb(0x22C8FF), 0.2f, 0}, {494.0f, 26.0f, 11.0f, Rgb(0xFF2A86), 3.0f, 0}}},
    {"GAME ENDS", 520, 60, 0.1f, 5, 0x70A2, Rgb(0x2A8AFF), Rgb(0x2A6AFF),
     {{0.0f, Rgb(0xFFFFFF)}, {0.45f, Rgb(0xC8ECFF)}, {0.5f, Rgb(0x3A7ACA)}, {1.0f, Rgb(0x9AD8FF)}},
     {}},
    {"PENALTY!", 300, 50, 0.14f, 2, 0x70A3, Rgb(0xFF3010), Rgb(0xFF4010),
     {{0.0f, Rgb(0xFFFFC0)}, {0.45f, Rgb(0xFFE020)}, {0.5f, Rgb(0xC88A00)}, {1.0f, Rgb(0xFFD030)}},
     {}},
    {"YOU WIN!", 300, 90, 0.12f, 2, 0x70B1, Rgb(0x40FF60), Rgb(0x30D050),
     {{0.0f, Rgb(0xFFFCE0)}, {0.3f, Rgb(0xFFE070)}, {0.5f, Rgb(0xF0A018)}, {0.53f, Rgb(0x8A4208)},
      {1.0f, Rgb(0xFFD870)}},
     {{24.0f, 24.0f, 11.0f, Rgb(0x8CF01E), 0.4f, 0}, {278.0f, 60.0f, 10.0f, Rgb(0xFFD81E), 3.4f, 0}}},
    {"YOU LOSE!", 300, 90, 0.0f, 1, 0x70B2, Rgb(0xA01018), Rgb(0x901018),
     {{0.0f, Rgb(0xFFC8B8)}, {0.4f, Rgb(0xE83A2A)}, {0.5f, Rgb(0x7A0A10)}, {1.0f, Rgb(0xC8202A)}},
     {{276.0f, 22.0f, 10.0f, Rgb(0xFF2A86), 2.8f, 0}}},
    {"DRAW", 300, 90, 0.08f, 8, 0x70B3, Rgb(0x5A7AFF), Rgb(0x4A5AB0),
     {{0.0f, Rgb(0xF4F8FF)}, {0.45f, Rgb(0xA8B4C8)}, {0.5f, Rgb(0x4A5468)}, {1.0f, Rgb(0xB8C4D8)}},
     {}},
};
// clang-format on

}  // namespace

Image DrawTournamentBanner(FontLibrary& fonts) { return DrawBanner(fonts, kBanners[0]); }
Image DrawGameEndsBanner(FontLibrary& fonts) { return DrawBanner(fonts, kBanners[1]); }
Image DrawPenaltyBanner(FontLibrary& fonts) { return DrawBanner(fonts, kBanners[2]); }

// 1 win, 2 loss, 3 draw.
Image DrawResultBanner(FontLibrary& fonts, int result) {
  return DrawBanner(fonts, kBanners[result == 1 ? 3 : result == 2 ? 4 : 5]);
}

}  // namespace vantoro::art
