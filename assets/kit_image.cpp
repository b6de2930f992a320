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

Field BigShapes::RoundedBox(const Image& big, Point origin, float w, float h, float r, float angle) const {
  return art::RoundedBox(big.Width, big.Height, Big(origin), w * Factor, h * Factor, r * Factor, angle);
}

Field BigShapes::Text(const Image& big, Point at, std::string_view cp1252, const Font& font) const {
  return TextMask(big.Width, big.Height, static_cast<int>(at.X * Factor), static_cast<int>(at.Y * Factor),
                  cp1252, font);
}

void BigShapes::Shadow(Image& big, const Field& mask, float opacity, float blur, Point offset) const {
  SoftShadow(big, mask, static_cast<int>(blur * Factor), opacity, static_cast<int>(offset.X * Factor),
             static_cast<int>(offset.Y * Factor));
}

void BigShapes::GroundShadow(Image& big, Point centre, float rx, float ry, float blur, float opacity) const {
  art::GroundShadow(big, centre.X * Factor, centre.Y * Factor, rx * Factor, ry * Factor,
                    static_cast<int>(blur * Factor), opacity);
}

void BigShapes::Shaded(Image& big, const Field& mask, Color colour, float strength, int bevel) const {
  PaintRounded(big, mask, colour, bevel * static_cast<int>(Factor), {-0.5f, -0.75f, 0.5f, 4.0f}, strength);
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

Field RoundedBox(int width, int height, Point origin, float w, float h, float r, float angle) {
  Field f(width, height);
  const float c = std::cos(angle), s = std::sin(angle);
  // Only the pixels round the turned box are visited.
  float left = origin.X, right = origin.X, top = origin.Y, bottom = origin.Y;
  for (const Point corner : {Point{w, 0.0f}, Point{0.0f, h}, Point{w, h}}) {
    left = std::min(left, origin.X + corner.X * c - corner.Y * s);
    right = std::max(right, origin.X + corner.X * c - corner.Y * s);
    top = std::min(top, origin.Y + corner.X * s + corner.Y * c);
    bottom = std::max(bottom, origin.Y + corner.X * s + corner.Y * c);
  }
  for (int y = std::max(static_cast<int>(top) - 1, 0); y < std::min(static_cast<int>(bottom) + 2, height);
       ++y) {
    for (int x = std::max(static_cast<int>(left) - 1, 0); x < std::min(static_cast<int>(right) + 2, width);
         ++x) {
      const float dx = static_cast<float>(x) + 0.5f - origin.X, dy = static_cast<float>(y) + 0.5f - origin.Y;
      // The pixel's place in the box's own axes, and how far it lies from
      // the box's straight edges and from the centres of its corners.
      const float u = dx * c + dy * s, v = dy * c - dx * s;
      const float qx = std::max({r - u, u - (w - r), 0.0f}), qy = std::max({r - v, v - (h - r), 0.0f});
      const float inside = std::min({u, w - u, v, h - v});
      f(x, y) =
          qx > 0.0f && qy > 0.0f ? Clamp01(r - std::sqrt(qx * qx + qy * qy) + 0.5f) : Clamp01(inside + 0.5f);
    }
  }
  return f;
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
    case CoverShape::Dorito:
    case CoverShape::Temple: {
      // A dorito narrows almost to a point; a temple keeps a broad top.
      const bool dorito = Kind == CoverShape::Dorito;
      const float half = dorito ? w * 0.08f : w * 0.34f, top = dorito ? t + h * 0.06f : t;
      const Point body[] = {{l, b}, {(l + r) * 0.5f - half, top}, {(l + r) * 0.5f + half, top}, {r, b}};
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
  GroundShadow(image, (X + Width * 0.55f) * kS, Base * kS, Width * 0.6f * kS, 3.0f * kS, 3, 0.5f);
}

void GroundShadow(Image& image, float x, float y, float rx, float ry, int blur, float opacity, Color colour,
                  int passes) {
  Field shadow(image.Width, image.Height);
  FillEllipse(shadow, x, y, rx, ry);
  BoxBlur(shadow, blur, passes);
  Paint(image, shadow, colour, opacity);
}

void DropShadow(Image& image, const Field& mask, int spread, int dx, int dy, int blur, float opacity) {
  SoftShadow(image, Shifted(Dilated(mask, spread), dx, dy), blur, opacity);
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
  // The ends repeat, so that the curve runs through the first and last points.
  const auto at = [&](int k) { return pts[static_cast<std::size_t>(std::clamp(k, 0, segments))]; };
  Point prev = pts.front();
  for (int i = 0; i < segments; ++i) {
    const Point p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
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

void SoftShadow(Image& image, Field mask, int blur, float opacity, int dx, int dy, int passes) {
  BoxBlur(mask, blur, passes);
  Paint(image, mask, Rgb(0x000000), opacity, dx, dy);
}

void SplatCoat(Image& image, Random& rng, std::span<const Point> at, Color colour, const CoatStyle& style,
               const Field* onto) {
  Field f(image.Width, image.Height);
  for (const Point& p : at) Splat(f, rng, p.X * style.Scale, p.Y * style.Scale, style.Shape);
  if (onto != nullptr) f = Multiplied(f, *onto);
  WetPaint(image, f, colour, style.Bevel, style.Gloss);
}

void FlyingBall(Image& image, Point from, Point to, float k, Color colour, float radius, float streak) {
  const auto along = [&](float t) {
    return Point{from.X + (to.X - from.X) * t, from.Y + (to.Y - from.Y) * t};
  };
  // The streak reaches back a tenth of the way.
  const Point at = along(k), tail = along(std::max(k - 0.1f, 0.0f));
  Field trail(image.Width, image.Height);
  TaperedLine(trail, tail.X, tail.Y, at.X, at.Y, 0.5f, streak);
  Paint(image, trail, colour, 0.4f);
  Paintball(image, at.X, at.Y, radius, colour);
}

void DrawCover(Image& image, const Cover& c, float big, std::uint32_t seed) {
  const Field mask = c.Mask(big, image.Width, image.Height);
  c.Shadow(image, big);
  const bool log = c.Kind == CoverShape::Log;
  if (log || c.Kind == CoverShape::Trunk) {
    const Noise bark(seed);
    Paint(image, mask, c.Colour);
    // The grain runs along a log and up a trunk.
    const float gx = log ? 14.0f : 2.0f, gy = log ? 2.0f : 16.0f;
    for (int y = 0; y < image.Height; ++y) {
      for (int x = 0; x < image.Width; ++x) {
        if (mask(x, y) <= 0.0f) continue;
        const float g = bark.Fbm(static_cast<float>(x) / gx, static_cast<float>(y) / gy, 3);
        std::uint32_t& p = image.Pixels[image.Index(x, y)];
        p = Pack(Unpack(p) * (0.6f + 0.7f * g));
      }
    }
    ApplyLight(image, Bevel(mask, static_cast<int>(4 * big), -0.6f, -0.6f, 0.5f, 4.0f), mask, 0.7f);
    if (log) {
      // The sawn end facing us.
      Field end(image.Width, image.Height), ring(image.Width, image.Height);
      const float r = c.Height * 0.5f * big, ex = (c.X + c.Width) * big - r,
                  ey = (c.Base - c.Height * 0.5f) * big;
      FillEllipse(end, ex, ey, r * 0.55f, r * 0.95f);
      for (float k = 0.25f; k < 1.0f; k += 0.25f) {
        Field inner(image.Width, image.Height);
        FillEllipse(inner, ex, ey, r * 0.55f * k, r * 0.95f * k);
        Maximize(ring, Subtracted(Dilated(inner, 1), inner));
      }
      Paint(image, end, Rgb(0xC8A070));
      Paint(image, Multiplied(ring, end), Rgb(0x8A6A40), 0.8f);
    }
  } else {
    WetPaint(image, mask, c.Colour, static_cast<int>(c.Bevel * big), 0.6f);
    Field seams(image.Width, image.Height);
    if (c.Kind == CoverShape::Barrel) {
      for (const float k : {0.3f, 0.7f})
        ThickLine(seams, c.X * big, (c.Base - c.Height * k) * big, (c.X + c.Width) * big,
                  (c.Base - c.Height * k) * big, 1.5f * big);
    } else if (c.Kind == CoverShape::Snake) {
      for (float x = c.X + 12.0f; x < c.X + c.Width - 6.0f; x += 12.0f)
        ThickLine(seams, x * big, (c.Base - c.Height) * big, x * big, c.Base * big, 0.8f * big);
    }
    Paint(image, Multiplied(seams, mask), Rgb(0x000000), 0.35f);
    // The underside in shade.
    const float top = (c.Base - c.Height * 0.4f) * big;
    const Field low = FieldEach(image.Width, image.Height, [&](int x, int y) {
      return mask(x, y) * (SmoothStep(top, c.Base * big, static_cast<float>(y)) * 0.45f);
    });
    Paint(image, low, Rgb(0x05050A));
  }
}

Field CentredText(int width, int height, int centreX, int y, std::string_view cp1252, const Font& font,
                  int tracking) {
  return TextMask(width, height, centreX - TrackedWidth(cp1252, font, tracking) / 2, y, cp1252, font,
                  tracking);
}

void MownTurf(Image& image, float top, const Noise& noise, const TurfStyle& style) {
  const float w = static_cast<float>(image.Width), h = static_cast<float>(image.Height);
  for (int y = static_cast<int>(top); y < image.Height; ++y) {
    const float t = (static_cast<float>(y) - top) / (h - top);
    for (int x = 0; x < image.Width; ++x) {
      const float u = (static_cast<float>(x) - w * 0.5f) / (style.Converge + t);
      const bool dark = style.Stripe > 0.0f && std::fmod(std::fabs(u) / style.Stripe, 2.0f) >= 1.0f;
      const float g = noise.Value(static_cast<float>(x) / style.Grain,
                                  static_cast<float>(y) / (1.0f + style.Stretch * t));
      const ColorF c =
          ToF(style.Grass) * ((dark ? 0.9f : 1.0f) * (style.Far + style.Rise * t) * (0.9f + 0.15f * g));
      image.Pixels[image.Index(x, y)] = Pack(c);
    }
  }
}

// ---------------------------------------------------------------- scenery the recipes share

Field TreeLine(int width, int height, const Noise& noise, float base, float lift, float wiggle, float period,
               int octaves) {
  std::vector<Point> band{{0.0f, base}};
  for (int x = 0; x <= width; x += 4) {
    const float fx = static_cast<float>(x);
    band.push_back({fx, base - lift - wiggle * noise.Fbm(fx / period, 0.5f, octaves)});
  }
  band.push_back({static_cast<float>(width), base});
  Field trees(width, height);
  FillPolygon(trees, band);
  return trees;
}

void CrossedNet(Field& f, float top, float bottom, float mesh, float strand, float value) {
  for (float x = 0.0f; x < static_cast<float>(f.Width); x += mesh) {
    ThickLine(f, x, top, x + mesh, bottom, strand, value);
    ThickLine(f, x + mesh, top, x, bottom, strand, value);
  }
}

void GlowingCore(Image& image, const Field& mask, Color halo, int radius, float strength, Color core,
                 float opacity) {
  Glow(image, mask, halo, radius, strength);
  Paint(image, mask, core, opacity);
}

Field Enlarged(const Field& f, float k, int width, int height) {
  return FieldEach(width, height, [&](int x, int y) {
    return f.Sample(static_cast<float>(x) / k, static_cast<float>(y) / k);
  });
}

// ---------------------------------------------------------------- washes

float Falloff(float x, float y, float cx, float cy, float rx, float ry, float k) {
  const float dx = (x - cx) / rx, dy = (y - cy) / ry;
  return std::exp(-(dx * dx + dy * dy) * k);
}

}  // namespace vantoro::art
