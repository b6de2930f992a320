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

Field Cover::Mask(float kS, int width, int height) const {
  Field f(width, height);
  const float l = X * kS, r = (X + Width) * kS, b = Base * kS, t = (Base - Height) * kS;
  const float w = r - l, h = b - t;
  switch (Kind) {
    case CoverShape::Can:
    case CoverShape::Barrel:
    case CoverShape::Cake: {
      const Point body[] = {{l, t + w * 0.12f}, {r, t + w * 0.12f}, {r, b}, {l, b}};
      FillPolygon(f, body);
      FillEllipse(f, (l + r) * 0.5f, t + w * 0.12f, w * 0.5f, w * 0.12f);
      break;
    }
    case CoverShape::Dorito: {
      const Point body[] = {{l, b},
                            {(l + r) * 0.5f - w * 0.08f, t + h * 0.06f},
                            {(l + r) * 0.5f + w * 0.08f, t + h * 0.06f},
                            {r, b}};
      FillPolygon(f, body);
      break;
    }
    case CoverShape::Snake:
    case CoverShape::Log: {
      const float rr = h * 0.5f;
      ThickLine(f, l + rr, t + rr, r - rr, t + rr, h);
      break;
    }
    case CoverShape::Trunk: {
      const Point body[] = {{l - w * 0.3f, b},       {l + w * 0.1f, b - h * 0.1f}, {l + w * 0.15f, -10.0f},
                            {r - w * 0.15f, -10.0f}, {r - w * 0.1f, b - h * 0.1f}, {r + w * 0.3f, b}};
      FillPolygon(f, body);
      break;
    }
  }
  BoxBlur(f, 1, 2);
  return f;
}

void Cover::Shadow(Image& image, float kS) const {
  Field shadow(image.Width, image.Height);
  FillEllipse(shadow, (X + Width * 0.55f) * kS, Base * kS, Width * 0.6f * kS, 3.0f * kS);
  BoxBlur(shadow, 3);
  Paint(image, shadow, Rgb(0x000000), 0.5f);
}

void GroundShadow(Image& image, float x, float y, float rx, float ry, int blur, float opacity, Color colour,
                  int passes) {
  Field shadow(image.Width, image.Height);
  FillEllipse(shadow, x, y, rx, ry);
  BoxBlur(shadow, blur, passes);
  Paint(image, shadow, colour, opacity);
}

void DropShadow(Image& image, const Field& mask, int spread, int dx, int dy, int blur, float opacity) {
  Field shadow = Shifted(Dilated(mask, spread), dx, dy);
  BoxBlur(shadow, blur);
  Paint(image, shadow, Rgb(0x000000), opacity);
}

void Overcast(Image& image, float amount) {
  const ColorF tint = ToF(Rgb(0x8A98A8));
  for (std::uint32_t& p : image.Pixels) {
    const ColorF c = Unpack(p);
    const float luma = 0.299f * c.R + 0.587f * c.G + 0.114f * c.B;
    p = Pack(Lerp(c, tint * (luma * 1.3f), amount));
  }
}

void PaintRounded(Image& image, const Field& mask, Color colour, int radius, const LightDir& light,
                  float strength) {
  Paint(image, mask, colour);
  ApplyLight(image, Bevel(mask, radius, light.X, light.Y, light.Z, light.Depth), mask, strength);
}

void PaintOutlined(Image& image, const Field& mask, Color colour, Color ink, int width) {
  Paint(image, Dilated(mask, width), ink);
  Paint(image, mask, colour);
}

void Sheet::Poly(Field& f, std::span<const Point> points, float value) const {
  std::vector<Point> big;
  for (const Point& p : points) big.push_back({BX(p.X), BY(p.Y)});
  FillPolygon(f, big, value);
}

void Sheet::Curve(Field& f, std::span<const Point> pts, float w0, float w1, float value) const {
  if (pts.size() < 2) return;
  const int segments = static_cast<int>(pts.size()) - 1;
  constexpr int kSteps = 8;
  Point prev = pts.front();
  for (int i = 0; i < segments; ++i) {
    const Point p0 = pts[static_cast<std::size_t>(std::max(i - 1, 0))];
    const Point p1 = pts[static_cast<std::size_t>(i)];
    const Point p2 = pts[static_cast<std::size_t>(i + 1)];
    const Point p3 = pts[static_cast<std::size_t>(std::min(i + 2, segments))];
    for (int k = 1; k <= kSteps; ++k) {
      const float t = static_cast<float>(k) / kSteps;
      const Point p{CatmullRom(p0.X, p1.X, p2.X, p3.X, t), CatmullRom(p0.Y, p1.Y, p2.Y, p3.Y, t)};
      const float u0 = (static_cast<float>(i) + static_cast<float>(k - 1) / kSteps) / segments;
      const float u1 = (static_cast<float>(i) + t) / segments;
      Taper(f, prev.X, prev.Y, p.X, p.Y, w0 + (w1 - w0) * u0, w0 + (w1 - w0) * u1, value);
      prev = p;
    }
  }
}

Field Soft(Field f, int radius) {
  BoxBlur(f, radius, 2);
  return f;
}

float CatmullRom(float a, float b, float c, float d, float t) {
  const float t2 = t * t, t3 = t2 * t;
  return 0.5f * (2.0f * b + (c - a) * t + (2.0f * a - 5.0f * b + 4.0f * c - d) * t2 +
                 (3.0f * b - a - 3.0f * c + d) * t3);
}

}  // namespace vantoro::art
