#include "assets/kit_image.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

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

Field BigShapes::Polygon(int width, int height, std::span<const Point> points) const {
  Field f(width, height);
  std::vector<Point> big;
  for (const Point& p : points) big.push_back(Big(p));
  FillPolygon(f, big);
  return f;
}

Field BigShapes::Polygon(const Image& big, std::span<const Point> points) const {
  return Polygon(big.Width, big.Height, points);
}

Field BigShapes::Box(const Image& big, float left, float top, float right, float bottom) const {
  const Point corners[] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
  return Polygon(big, corners);
}

void BigShapes::Line(Field& f, Point a, Point b, float width) const {
  ThickLine(f, a.X * Factor, a.Y * Factor, b.X * Factor, b.Y * Factor, width * Factor);
}

Field BigShapes::Line(const Image& big, Point a, Point b, float width) const {
  Field f(big.Width, big.Height);
  Line(f, a, b, width);
  return f;
}

Field BigShapes::Ellipse(const Image& big, Point centre, float rx, float ry) const {
  Field f(big.Width, big.Height);
  FillEllipse(f, centre.X * Factor, centre.Y * Factor, rx * Factor, ry * Factor);
  return f;
}

void BigShapes::Shaded(Image& big, const Field& mask, Color colour, float strength, int bevel) const {
  Paint(big, mask, colour);
  ApplyLight(big, Bevel(mask, bevel * static_cast<int>(Factor), -0.5f, -0.75f, 0.5f, 4.0f), mask, strength);
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
