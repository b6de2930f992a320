// The window icon: one bold splat of paint on a dark disc. Drawn four times
// larger and shrunk, so that its edges stay clean at 64 x 64.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "assets/art.hpp"
#include "assets/kit_image.hpp"
#include "assets/paint.hpp"
#include "assets/recipes.hpp"

namespace vantoro::art {

namespace {

constexpr int kSize = 64;
constexpr int kScale = 4;

}  // namespace

Image DrawIconAt(int size) {
  const int big = size * kScale;
  const float centre = static_cast<float>(big) * 0.5f;
  // Lengths below were set at 64 x 64; they grow with the size.
  const float k = static_cast<float>(size) / kSize;
  const auto steps = [k](int v) {
    return std::max(1, static_cast<int>(std::lround(static_cast<float>(v) * k)));
  };
  return Supersampled(size, size, kScale, [&](Image& image) {
    const float b = static_cast<float>(big);
    FillRadial(image, centre, centre * 0.85f, b * 0.75f, b * 0.75f,
               Gradient{{0.0f, Rgb(0x2A3060)}, {0.6f, Rgb(0x12142C)}, {1.0f, Rgb(0x06070F)}});

    Random rng(0x1C0);
    Field splat(big, big);
    Splat(splat, rng, centre * 0.92f, centre * 1.1f,
          {.Radius = b * 0.25f, .Arms = 12, .Reach = 1.75f, .Droplets = 6, .Spread = 1.75f});

    // A dark halo lifts the splat off the background at small size.
    SoftShadow(image, Dilated(splat, steps(5)), steps(6), 0.7f, steps(4), steps(6));
    Glow(image, splat, Rgb(0xFF2080), steps(14), 0.5f);
    WetPaint(image, splat, Rgb(0xFF2A86), steps(10));

    // The next ball on its way in, trailing a faint streak.
    Field trail(big, big);
    for (int i = 1; i <= 8; ++i) {
      const float t = static_cast<float>(i) / 8.0f;
      FillCircle(trail, b * (0.77f + 0.3f * t), b * (0.22f - 0.3f * t), 24.0f * k * (1.0f - 0.5f * t),
                 1.0f - t);
    }
    BoxBlur(trail, steps(3));
    Paint(image, trail, Rgb(0xFFE23A), 0.45f);
    GroundShadow(image, b * 0.77f, b * 0.26f, 30.0f * k, 30.0f * k, steps(6), 0.6f);
    Paintball(image, b * 0.75f, b * 0.23f, 26.0f * k, Rgb(0xFFD81E));
  });
}

std::vector<std::uint8_t> IconOpacity(int size) {
  // The round badge: opaque inside a circle that just fits, its rim
  // smoothed over 4 x 4 samples per pixel.
  std::vector<std::uint8_t> alpha(static_cast<std::size_t>(size) * static_cast<std::size_t>(size));
  const float r = static_cast<float>(size) * 0.5f, c = r;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      int inside = 0;
      for (int sy = 0; sy < 4; ++sy) {
        for (int sx = 0; sx < 4; ++sx) {
          const float dx = static_cast<float>(x) + (static_cast<float>(sx) + 0.5f) / 4.0f - c;
          const float dy = static_cast<float>(y) + (static_cast<float>(sy) + 0.5f) / 4.0f - c;
          if (dx * dx + dy * dy <= r * r) ++inside;
        }
      }
      alpha[static_cast<std::size_t>(y * size + x)] = static_cast<std::uint8_t>((inside * 255 + 8) / 16);
    }
  }
  return alpha;
}

Image DrawIcon(FontLibrary& /*fonts*/) { return DrawIconAt(kSize); }

}  // namespace vantoro::art
