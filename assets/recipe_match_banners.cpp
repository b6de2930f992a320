// The big words of a tournament game: the banner over the pre-game screen,
// "GAME ENDS" and the verdict over the result screen, and the penalty
// call. Each sits on black, lit from behind by a glow of its own colour
// that fades out well before the edges, so it sits seamlessly on the
// screen.

#include <cmath>
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

struct BannerLook {
  std::string_view Text;
  int Width, Height;
  Gradient Face;
  Color Glow;
  Color Backlight;
  float Shear;  // italic slant; 0 upright
  int Tracking;
  std::uint64_t Seed;
  std::vector<ThrownSplat> Splats;  // thrown behind the letters, in banner pixels
};

// A faint pool of the banner's colour behind the words.
void Backlight(Image& image, Color colour) {
  const ColorF c = ToF(colour);
  const float w = static_cast<float>(image.Width), h = static_cast<float>(image.Height);
  for (int y = 0; y < image.Height; ++y) {
    for (int x = 0; x < image.Width; ++x) {
      const float dx = (static_cast<float>(x) + 0.5f - w * 0.5f) / (w * 0.42f);
      const float dy = (static_cast<float>(y) + 0.5f - h * 0.5f) / (h * 0.42f);
      image.Pixels[image.Index(x, y)] = Pack(c * (0.22f * std::exp(-(dx * dx + dy * dy) * 2.5f)));
    }
  }
}

Image DrawBanner(FontLibrary& fonts, const BannerLook& look) {
  return Supersampled(look.Width, look.Height, kScale, [&](Image& image) {
    Backlight(image, look.Backlight);
    Random rng(look.Seed);
    std::vector<ThrownSplat> splats = look.Splats;
    for (ThrownSplat& s : splats) {
      s.X *= kScale;
      s.Y *= kScale;
      s.Radius *= kScale;
    }
    ScatterStyle scatter;
    scatter.Shape.Arms = 9;
    scatter.Shape.Droplets = 9;
    scatter.Shape.Bias = 0.5f;
    scatter.Fade = 0.8f;
    scatter.Bevel = 2 * kScale;
    ScatterSplats(image, rng, splats, scatter);

    const int tall = look.Height * kScale;
    const int room = look.Width * kScale * 86 / 100;
    const int capRoom = tall * 74 / 100;
    const Font& font = FittingFont(fonts, look.Text, look.Tracking * kScale, room, capRoom * 14 / 10);
    Field mask = PlacedText(image.Width, image.Height, look.Text, font, look.Tracking * kScale,
                            static_cast<float>(image.Width) * 0.5f, 0);
    // Centre the ink whatever the face's own line height.
    const Rect placed = InkBounds(mask);
    const int inkHeight = placed.Bottom - placed.Top;
    const int top = (tall - inkHeight) / 2;
    mask = Shifted(mask, 0, top - placed.Top);
    const Rect box = InkBounds(mask);
    if (look.Shear != 0.0f) mask = Sheared(mask, look.Shear, static_cast<float>(box.Top + box.Bottom) * 0.5f);
    const int o = kScale;
    BannerStyle style = BannerStyle::Fine(o);
    style.ShadowSpread = style.ShadowDx = 2 * o;
    style.Glow = look.Glow;
    style.GlowRadius = 5 * o;
    style.GlowStrength = 0.7f;
    PaintBannerLetters(image, mask, static_cast<float>(box.Top), static_cast<float>(box.Bottom), look.Face,
                       style);
    const float w = static_cast<float>(box.Right - box.Left);
    Glint(image, static_cast<float>(box.Left) + w * 0.1f, static_cast<float>(box.Top) + 2.0f * o, 5.0f * o,
          {.Width = 0.9f * o, .Core = 0.8f * o});
  });
}

}  // namespace

Image DrawTournamentBanner(FontLibrary& fonts) {
  return DrawBanner(fonts, {.Text = "The Tournament",
                            .Width = 533,
                            .Height = 58,
                            .Face = Gradient{{0.0f, Rgb(0xFFFCE0)},
                                             {0.3f, Rgb(0xFFD860)},
                                             {0.52f, Rgb(0xE08A10)},
                                             {0.55f, Rgb(0x8A4208)},
                                             {1.0f, Rgb(0xFFC040)}},
                            .Glow = Rgb(0xFF6A1A),
                            .Backlight = Rgb(0xFF7A2A),
                            .Shear = 0.12f,
                            .Tracking = 2,
                            .Seed = 0x70A1,
                            .Splats = {{40.0f, 30.0f, 12.0f, Rgb(0x22C8FF), 0.2f, 0},
                                       {494.0f, 26.0f, 11.0f, Rgb(0xFF2A86), 3.0f, 0}}});
}

Image DrawGameEndsBanner(FontLibrary& fonts) {
  return DrawBanner(fonts, {.Text = "GAME ENDS",
                            .Width = 520,
                            .Height = 60,
                            .Face = Gradient{{0.0f, Rgb(0xFFFFFF)},
                                             {0.45f, Rgb(0xC8ECFF)},
                                             {0.5f, Rgb(0x3A7ACA)},
                                             {1.0f, Rgb(0x9AD8FF)}},
                            .Glow = Rgb(0x2A8AFF),
                            .Backlight = Rgb(0x2A6AFF),
                            .Shear = 0.1f,
                            .Tracking = 5,
                            .Seed = 0x70A2,
                            .Splats = {}});
}

Image DrawPenaltyBanner(FontLibrary& fonts) {
  return DrawBanner(fonts, {.Text = "PENALTY!",
                            .Width = 300,
                            .Height = 50,
                            .Face = Gradient{{0.0f, Rgb(0xFFFFC0)},
                                             {0.45f, Rgb(0xFFE020)},
                                             {0.5f, Rgb(0xC88A00)},
                                             {1.0f, Rgb(0xFFD030)}},
                            .Glow = Rgb(0xFF3010),
                            .Backlight = Rgb(0xFF4010),
                            .Shear = 0.14f,
                            .Tracking = 2,
                            .Seed = 0x70A3,
                            .Splats = {}});
}

// 1 win, 2 loss, 3 draw.
Image DrawResultBanner(FontLibrary& fonts, int result) {
  switch (result) {
    case 1:
      return DrawBanner(fonts, {.Text = "YOU WIN!",
                                .Width = 300,
                                .Height = 90,
                                .Face = Gradient{{0.0f, Rgb(0xFFFCE0)},
                                                 {0.3f, Rgb(0xFFE070)},
                                                 {0.5f, Rgb(0xF0A018)},
                                                 {0.53f, Rgb(0x8A4208)},
                                                 {1.0f, Rgb(0xFFD870)}},
                                .Glow = Rgb(0x40FF60),
                                .Backlight = Rgb(0x30D050),
                                .Shear = 0.12f,
                                .Tracking = 2,
                                .Seed = 0x70B1,
                                .Splats = {{24.0f, 24.0f, 11.0f, Rgb(0x8CF01E), 0.4f, 0},
                                           {278.0f, 60.0f, 10.0f, Rgb(0xFFD81E), 3.4f, 0}}});
    case 2:
      return DrawBanner(fonts, {.Text = "YOU LOSE!",
                                .Width = 300,
                                .Height = 90,
                                .Face = Gradient{{0.0f, Rgb(0xFFC8B8)},
                                                 {0.4f, Rgb(0xE83A2A)},
                                                 {0.5f, Rgb(0x7A0A10)},
                                                 {1.0f, Rgb(0xC8202A)}},
                                .Glow = Rgb(0xA01018),
                                .Backlight = Rgb(0x901018),
                                .Shear = 0.0f,
                                .Tracking = 1,
                                .Seed = 0x70B2,
                                .Splats = {{276.0f, 22.0f, 10.0f, Rgb(0xFF2A86), 2.8f, 0}}});
    default:
      return DrawBanner(fonts, {.Text = "DRAW",
                                .Width = 300,
                                .Height = 90,
                                .Face = Gradient{{0.0f, Rgb(0xF4F8FF)},
                                                 {0.45f, Rgb(0xA8B4C8)},
                                                 {0.5f, Rgb(0x4A5468)},
                                                 {1.0f, Rgb(0xB8C4D8)}},
                                .Glow = Rgb(0x5A7AFF),
                                .Backlight = Rgb(0x4A5AB0),
                                .Shear = 0.08f,
                                .Tracking = 8,
                                .Seed = 0x70B3,
                                .Splats = {}});
  }
}

}  // namespace vantoro::art
