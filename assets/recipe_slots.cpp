// The slot machine's reels: each symbol painted on the light band of a
// reel, which curves away from the window at the top and bottom and so
// falls into shade there, and the blur of a spinning reel, the symbols'
// colours smeared into vertical streaks.

#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "assets/art.hpp"
#include "assets/kit_image.hpp"
#include "assets/kit_lettering.hpp"
#include "assets/lettering.hpp"
#include "assets/paint.hpp"
#include "assets/recipes.hpp"

namespace vantoro::art {

namespace {

constexpr int kWidth = 105;
constexpr int kHeight = 57;
// Symbols are drawn this many times larger and shrunk; the blur's band
// is smeared anyway and is drawn at its own size.
constexpr int kScale = 3;
constexpr Color kReel = Rgb(0xFBF5E4);

// Shades the reel's band: full light in the middle of the window, dimmer
// where the drum turns away.
Image Shaded(Image image) {
  PaintEach(image, Field(kWidth, kHeight, 1.0f), [&](int x, int y) {
    const float a = (static_cast<float>(y) + 0.5f) / static_cast<float>(kHeight) * kPi;
    return Unpack(image.Pixels[image.Index(x, y)]) * (0.42f + 0.58f * std::pow(std::sin(a), 0.8f));
  });
  return image;
}

// Centres the text's ink on (cx, cy).
Field CentredText(const Image& image, std::string_view text, const Font& font, int tracking, float cx,
                  float cy) {
  Field mask = PlacedText(image.Width, image.Height, text, font, tracking, cx, 0);
  const Rect box = InkBounds(mask);
  return Shifted(mask, static_cast<int>(cx) - (box.Left + box.Right) / 2,
                 static_cast<int>(cy) - (box.Top + box.Bottom) / 2);
}

void NumberedBall(Image& image, FontLibrary& fonts, int n, int scale) {
  const float s = static_cast<float>(scale);
  constexpr Color kBalls[] = {Rgb(0xFFC81E), Rgb(0xFF2A86), Rgb(0x32C83E), Rgb(0x2A9AFF)};
  const float cx = kWidth * 0.5f * s, cy = 28.0f * s, r = 23.0f * s;
  GroundShadow(image, cx + 3.0f * s, cy + 4.0f * s, r, r * 0.9f, 3 * scale, 0.35f, Rgb(0x3A2A10), 2);
  Paintball(image, cx, cy, r, kBalls[n - 1]);
  const Font& font = fonts.Get("Arial", FontSize::Pixels(36 * scale), true);
  PaintOutlined(image, CentredText(image, std::to_string(n), font, 0, cx, cy + s), Rgb(0xFFFFFF),
                Rgb(0x1A1420), 2 * scale);
}

// A word on the reel, its face like polished metal: pale at the top, the
// colour, a dark band across the middle and the colour again below.
struct Word {
  std::string_view Text;
  std::array<std::uint32_t, 4> Face;  // top, above the band, the band, bottom
  Color Outline;
};

void Lettering(Image& image, FontLibrary& fonts, const Word& word, int scale) {
  const Font& font = FittingFont(fonts, word.Text, scale, 90 * scale, 44 * scale);
  const float s = static_cast<float>(scale);
  const Field mask = CentredText(image, word.Text, font, scale, kWidth * 0.5f * s, kHeight * 0.5f * s);
  const Rect box = InkBounds(mask);
  BannerStyle style = BannerStyle::Fine(scale);
  style.ShadowSpread = style.ShadowDx = scale;
  style.ShadowOpacity = 0.35f;
  style.GlowStrength = 0.0f;
  style.Outline = word.Outline;
  style.Inline = Rgb(0xFFFFFF);
  const Gradient face{{0.0f, Rgb(word.Face[0])},
                      {0.45f, Rgb(word.Face[1])},
                      {0.5f, Rgb(word.Face[2])},
                      {1.0f, Rgb(word.Face[3])}};
  PaintBannerLetters(image, mask, static_cast<float>(box.Top), static_cast<float>(box.Bottom), face, style);
}

constexpr Word kWords[] = {
    {"$$$", {0xFFF8C0, 0xFFC820, 0xB87800, 0xFFD040}, Rgb(0x4A2A00)},
    {"BONUS", {0xFFD8C0, 0xFF4A2A, 0xB0101A, 0xFF5A30}, Rgb(0x3A0408)},
    {"CREDIT", {0xE0F4FF, 0x3A9AFF, 0x1A4AB0, 0x50A8FF}, Rgb(0x0A1440)},
    {"$100", {0xE8FFD8, 0x50D04A, 0x14802A, 0x60E050}, Rgb(0x06300E)},
};

// The symbol on the reel's band, before the drum's shading.
Image Face(FontLibrary& fonts, int n, int scale) {
  return Supersampled(kWidth, kHeight, scale, [&](Image& image) {
    for (std::uint32_t& p : image.Pixels) p = kReel.Packed();
    if (n <= 4) {
      NumberedBall(image, fonts, n, scale);
    } else if (n <= 8) {
      Lettering(image, fonts, kWords[n - 5], scale);
    }
  });
}

}  // namespace

// 1..4 balls, 5 "$$$", 6 "BONUS", 7 "CREDIT", 8 "$100", 9 blank.
Image DrawSlotSymbol(FontLibrary& fonts, int n) { return Shaded(Face(fonts, n, kScale)); }

// The reel's band runs past the window far faster than a tick: each row
// shows the average of the stretch of band that passed it.
Image DrawSlotBlur(FontLibrary& fonts, int frame) {
  constexpr std::array<int, 8> kBand = {1, 6, 2, 5, 3, 8, 4, 7};
  constexpr int kBandHeight = kHeight * static_cast<int>(kBand.size());
  constexpr int kSmear = 40;
  Image band(kWidth, kBandHeight);
  for (int i = 0; i < static_cast<int>(kBand.size()); ++i)
    Paste(band, {0, i * kHeight, Face(fonts, kBand[i], 1)});
  const int offset = (frame - 1) * kBandHeight / 5 + 23;
  const ColorF reel = ToF(kReel);
  Image blur(kWidth, kHeight);
  FillEach(blur, [&](int x, int y) {
    ColorF sum;
    for (int k = 0; k < kSmear; ++k)
      sum = sum + Unpack(band.Pixels[band.Index(x, (offset + y + k) % kBandHeight)]);
    // Deepened, as the eye follows the colour more than the light band.
    return reel + (sum * (1.0f / kSmear) + reel * -1.0f) * 1.5f;
  });
  return Shaded(blur);
}

}  // namespace vantoro::art
