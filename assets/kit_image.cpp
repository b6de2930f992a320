#include "assets/kit_image.hpp"

#include <algorithm>
#include <cmath>

namespace vantoro::art {

Region Crop(const Image& image, float left, float top, float right, float bottom) {
  const int x0 = std::clamp(static_cast<int>(std::floor(left)), 0, image.Width - 1);
  const int y0 = std::clamp(static_cast<int>(std::floor(top)), 0, image.Height - 1);
  const int x1 = std::clamp(static_cast<int>(std::ceil(right)), x0 + 1, image.Width);
  const int y1 = std::clamp(static_cast<int>(std::ceil(bottom)), y0 + 1, image.Height);
  Region r{x0, y0, Image(x1 - x0, y1 - y0)};
  for (int y = 0; y < r.Pixels.Height; ++y) {
    std::copy_n(&image.Pixels[image.Index(x0, y0 + y)], r.Pixels.Width,
                &r.Pixels.Pixels[r.Pixels.Index(0, y)]);
  }
  return r;
}

void Paste(Image& image, const Region& r) {
  for (int y = 0; y < r.Pixels.Height; ++y) {
    std::copy_n(&r.Pixels.Pixels[r.Pixels.Index(0, y)], r.Pixels.Width,
                &image.Pixels[image.Index(r.X, r.Y + y)]);
  }
}

void Glint(Image& image, float x, float y, float size, const GlintStyle& style) {
  // Only the box round the star is worked on.
  const float reach = size + 3.0f * 3.0f + 2.0f;
  Region r = Crop(image, x - reach, y - reach, x + reach, y + reach);
  const float cx = x - static_cast<float>(r.X), cy = y - static_cast<float>(r.Y);
  Field star(r.Pixels.Width, r.Pixels.Height);
  TaperedLine(star, cx - size, cy, cx, cy, 0.2f, style.Width);
  TaperedLine(star, cx, cy, cx + size, cy, style.Width, 0.2f);
  TaperedLine(star, cx, cy - size, cx, cy, 0.2f, style.Width);
  TaperedLine(star, cx, cy, cx, cy + size, style.Width, 0.2f);
  FillCircle(star, cx, cy, style.Core);
  Glow(r.Pixels, star, style.Halo, 3, style.HaloStrength);
  if (style.Additive) {
    AddLight(r.Pixels, star, style.Light, 1.0f);
  } else {
    Paint(r.Pixels, star, style.Light);
  }
  Paste(image, r);
}

Image Supersampled(int width, int height, int factor, const std::function<void(Image& big)>& draw) {
  Image big(width * factor, height * factor);
  draw(big);
  return Downsampled(big, factor);
}

}  // namespace vantoro::art
