#include "assets/paint.hpp"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vantoro::art {

namespace {

// An angle drawn round the circle, pulled towards `direction` by `bias`.
float Heading(Random& rng, float direction, float bias) {
  const float spread = kTau * 0.5f * (1.0f - 0.8f * bias);
  return rng.Unit() < bias ? direction + rng.Range(-spread, spread) * 0.6f : rng.Range(0.0f, kTau);
}

}  // namespace

void Splat(Field& mask, Random& rng, float cx, float cy, const SplatStyle& style) {
  const float r = style.Radius;
  const Noise noise(rng.Next());
  // The blob: a ring of points whose radius follows noise sampled round a
  // circle, so the outline closes without a seam.
  std::vector<Point> blob;
  constexpr int kSides = 120;
  for (int i = 0; i < kSides; ++i) {
    const float a = kTau * static_cast<float>(i) / kSides;
    const float n = noise.Fbm(std::cos(a) * 2.4f + 10.0f, std::sin(a) * 2.4f + 10.0f, 5);
    const float rr = r * (0.62f + 0.7f * n);
    blob.push_back({cx + std::cos(a) * rr, cy + std::sin(a) * rr});
  }
  FillPolygon(mask, blob);
  for (int i = 0; i < style.Arms; ++i) {
    const float a = Heading(rng, style.Direction, style.Bias);
    const float length = r * rng.Range(0.9f, style.Reach);
    const float w0 = r * rng.Range(0.16f, 0.38f);
    const float w1 = std::max(w0 * rng.Range(0.1f, 0.35f), 1.2f);
    const float ex = cx + std::cos(a) * length, ey = cy + std::sin(a) * length;
    TaperedLine(mask, cx + std::cos(a) * r * 0.5f, cy + std::sin(a) * r * 0.5f, ex, ey, w0, w1);
    if (rng.Unit() < 0.6f) FillCircle(mask, ex, ey, w1 * rng.Range(0.7f, 1.3f));
  }
  for (int i = 0; i < style.Droplets; ++i) {
    const float a = Heading(rng, style.Direction, style.Bias);
    const float d = r * rng.Range(1.1f, style.Spread);
    // Drops that flew further are smaller.
    const float size = r * rng.Range(0.04f, 0.16f) * (style.Spread + 0.4f - d / r) / style.Spread;
    FillCircle(mask, cx + std::cos(a) * d, cy + std::sin(a) * d, std::max(size, 0.8f));
  }
  for (int i = 0; i < style.Drips; ++i) {
    const float x = cx + rng.Range(-0.7f, 0.7f) * r;
    const float top = cy + r * 0.3f;
    const float length = r * rng.Range(0.6f, 2.2f);
    const float w = r * rng.Range(0.1f, 0.2f);
    TaperedLine(mask, x, top, x + rng.Range(-1.0f, 1.0f), top + length, w, w * 0.7f);
    FillCircle(mask, x, top + length, w * 0.6f);
  }
}

void WetPaint(Image& image, const Field& mask, Color colour, int radius, float gloss) {
  Field height = mask;
  BoxBlur(height, radius, 2);
  const Field light = Lighting(height, -0.55f, -0.75f, 0.5f, static_cast<float>(radius) * 6.0f);
  const ColorF base = ToF(colour);
  const ColorF deep = base * 0.55f;
  for (std::size_t i = 0; i < image.Pixels.size(); ++i) {
    const float a = Clamp01(mask.Values[i]);
    if (a <= 0.0f) continue;
    const float l = light.Values[i];
    // Thin paint at the edges lets the pooled, darker colour show.
    const ColorF c = Lerp(deep, base, SmoothStep(0.05f, 0.6f, height.Values[i])) * (0.7f + 0.45f * l);
    const float specular = std::pow(Clamp01((l - 0.72f) / 0.28f), 3.0f) * gloss;
    image.Pixels[i] = Pack(Lerp(Unpack(image.Pixels[i]), Lerp(c, ColorF{1, 1, 1}, specular * 0.85f), a));
  }
}

void Paintball(Image& image, float cx, float cy, float r, Color colour) {
  const ColorF base = ToF(colour);
  const auto from = [r](float c) { return std::max(0, static_cast<int>(c - r) - 2); };
  const auto to = [r](float c, int size) { return std::min(size, static_cast<int>(c + r) + 3); };
  for (int y = from(cy); y < to(cy, image.Height); ++y) {
    for (int x = from(cx); x < to(cx, image.Width); ++x) {
      const float dx = static_cast<float>(x) + 0.5f - cx, dy = static_cast<float>(y) + 0.5f - cy;
      const float a = Clamp01(r - std::sqrt(dx * dx + dy * dy) + 0.5f);
      if (a <= 0.0f) continue;
      const float nx = dx / r, ny = dy / r;
      const float nz = std::sqrt(std::max(1.0f - nx * nx - ny * ny, 0.0f));
      const float diffuse = std::max(-0.5f * nx - 0.6f * ny + 0.62f * nz, 0.0f);
      // The shine sits where the surface faces half-way between light and eye.
      const float hx = nx + 0.28f, hy = ny + 0.36f;
      const float specular = std::pow(Clamp01(1.0f - std::sqrt(hx * hx + hy * hy) * 2.4f), 2.0f);
      const ColorF c = Lerp(base * (0.3f + 0.85f * diffuse), ColorF{1, 1, 1}, specular);
      std::uint32_t& p = image.Pixels[image.Index(x, y)];
      p = Pack(Lerp(Unpack(p), c, a));
    }
  }
}

}  // namespace vantoro::art
