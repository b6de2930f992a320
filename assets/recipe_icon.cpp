// The window icon: one bold splat of paint on a dark disc. Drawn four times
// larger and shrunk, so that its edges stay clean at 64 x 64.

#include "assets/art.hpp"
#include "assets/kit_image.hpp"
#include "assets/paint.hpp"
#include "assets/recipes.hpp"

namespace vantoro::art {

namespace {

constexpr int kSize = 64;
constexpr int kScale = 4;

}  // namespace

Image DrawIcon(FontLibrary& /*fonts*/) {
  constexpr int big = kSize * kScale;
  constexpr float centre = big * 0.5f;
  return Supersampled(kSize, kSize, kScale, [&](Image& image) {
    FillRadial(image, centre, centre * 0.85f, big * 0.75f, big * 0.75f,
               Gradient{{0.0f, Rgb(0x2A3060)}, {0.6f, Rgb(0x12142C)}, {1.0f, Rgb(0x06070F)}});

    Random rng(0x1C0);
    Field splat(big, big);
    SplatStyle style;
    style.Radius = big * 0.25f;
    style.Arms = 12;
    style.Reach = 1.75f;
    style.Droplets = 6;
    style.Spread = 1.75f;
    Splat(splat, rng, centre * 0.92f, centre * 1.1f, style);

    // A dark halo lifts the splat off the background at small size.
    Field shadow = Dilated(splat, 5);
    BoxBlur(shadow, 6);
    Paint(image, shadow, Rgb(0x000000), 0.7f, 4, 6);
    Glow(image, splat, Rgb(0xFF2080), 14, 0.5f);
    WetPaint(image, splat, Rgb(0xFF2A86), 10);

    // The next ball on its way in, trailing a faint streak.
    Field trail(big, big);
    for (int k = 1; k <= 8; ++k) {
      const float t = static_cast<float>(k) / 8.0f;
      FillCircle(trail, big * (0.77f + 0.3f * t), big * (0.22f - 0.3f * t), 24.0f * (1.0f - 0.5f * t),
                 1.0f - t);
    }
    BoxBlur(trail, 3);
    Paint(image, trail, Rgb(0xFFE23A), 0.45f);
    Field ballShadow(big, big);
    FillCircle(ballShadow, big * 0.77f, big * 0.26f, 30.0f);
    BoxBlur(ballShadow, 6);
    Paint(image, ballShadow, Rgb(0x000000), 0.6f);
    Paintball(image, big * 0.75f, big * 0.23f, 26.0f, Rgb(0xFFD81E));
  });
}

}  // namespace vantoro::art
