#include "assets/art.hpp"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "ui/canvas.hpp"

namespace vantoro::art {

// ---------------------------------------------------------------- colour

ColorF ToF(Color c) { return {c.R / 255.0f, c.G / 255.0f, c.B / 255.0f}; }

namespace {

// Like std::clamp, but NaN gives lo: a stray NaN must never reach a cast to
// an integer.
float ClampF(float v, float lo, float hi) { return v > lo ? (v < hi ? v : hi) : lo; }

std::uint8_t Channel(float v) { return static_cast<std::uint8_t>(ClampF(v, 0.0f, 1.0f) * 255.0f + 0.5f); }

// Where a pixel's centre lies along one axis, measured from `origin`.
float Centre(int i, float origin) { return static_cast<float>(i) + 0.5f - origin; }

}  // namespace

float Clamp01(float v) { return ClampF(v, 0.0f, 1.0f); }

Color ToColor(ColorF c) { return Color{Channel(c.R), Channel(c.G), Channel(c.B)}; }

ColorF Lerp(ColorF a, ColorF b, float t) {
  return {a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t};
}

Color Lerp(Color a, Color b, float t) { return ToColor(Lerp(ToF(a), ToF(b), Clamp01(t))); }

ColorF Screen(ColorF a, ColorF b) {
  const auto screen = [](float u, float v) { return 1.0f - (1.0f - u) * (1.0f - v); };
  return {screen(a.R, b.R), screen(a.G, b.G), screen(a.B, b.B)};
}

float SmoothStep(float edge0, float edge1, float v) {
  const float t = Clamp01((v - edge0) / (edge1 - edge0));
  return t * t * (3.0f - 2.0f * t);
}

// ---------------------------------------------------------------- random

Random::Random(std::uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ULL + 0x2545F4914F6CDD1DULL) {
  if (state_ == 0) state_ = 0x2545F4914F6CDD1DULL;  // the one state xorshift never leaves
}

std::uint32_t Random::Next() {
  state_ ^= state_ >> 12;
  state_ ^= state_ << 25;
  state_ ^= state_ >> 27;
  return static_cast<std::uint32_t>((state_ * 0x2545F4914F6CDD1DULL) >> 32);
}

float Random::Unit() { return static_cast<float>(Next() >> 8) / 16777216.0f; }

float Random::Range(float lo, float hi) { return lo + (hi - lo) * Unit(); }

int Random::Below(int n) {
  return n <= 0 ? 0 : static_cast<int>((std::uint64_t{Next()} * static_cast<std::uint64_t>(n)) >> 32);
}

// ---------------------------------------------------------------- fields

Field::Field(int width, int height, float fill)
    : Width(std::max(width, 0)),
      Height(std::max(height, 0)),
      Values(static_cast<std::size_t>(Width) * static_cast<std::size_t>(Height), fill) {}

float Field::Clamped(int x, int y) const {
  return Values.empty() ? 0.0f : (*this)(std::clamp(x, 0, Width - 1), std::clamp(y, 0, Height - 1));
}

float Field::Sample(float x, float y) const {
  if (Values.empty()) return 0.0f;
  x = ClampF(x, 0.0f, static_cast<float>(Width - 1));
  y = ClampF(y, 0.0f, static_cast<float>(Height - 1));
  const int x0 = static_cast<int>(x), y0 = static_cast<int>(y);
  const int x1 = std::min(x0 + 1, Width - 1), y1 = std::min(y0 + 1, Height - 1);
  const float fx = x - static_cast<float>(x0), fy = y - static_cast<float>(y0);
  const float top = (*this)(x0, y0) + ((*this)(x1, y0) - (*this)(x0, y0)) * fx;
  const float bottom = (*this)(x0, y1) + ((*this)(x1, y1) - (*this)(x0, y1)) * fx;
  return top + (bottom - top) * fy;
}

Field Shifted(const Field& f, int dx, int dy) {
  // Clamped so that x - dx cannot overflow.
  dx = std::clamp(dx, -f.Width, f.Width);
  dy = std::clamp(dy, -f.Height, f.Height);
  return FieldEach(f.Width, f.Height,
                   [&](int x, int y) { return f.Contains(x - dx, y - dy) ? f(x - dx, y - dy) : 0.0f; });
}

namespace {

// The box around every value that is `inked`, grown by `margin` and
// clipped to the field; empty when there is none.
template <typename Inked>
Rect BoundsOf(const Field& f, int margin, Inked inked) {
  Rect r{f.Width, f.Height, 0, 0};
  for (int y = 0; y < f.Height; ++y) {
    const float* row = &f.Values[f.Index(0, y)];
    int first = -1, last = -1;
    for (int x = 0; x < f.Width; ++x) {
      if (inked(row[x])) {
        if (first < 0) first = x;
        last = x;
      }
    }
    if (first < 0) continue;
    r.Left = std::min(r.Left, first);
    r.Right = std::max(r.Right, last + 1);
    r.Top = std::min(r.Top, y);
    r.Bottom = y + 1;
  }
  if (r.Right <= r.Left) return Rect{};
  return {std::max(r.Left - margin, 0), std::max(r.Top - margin, 0), std::min(r.Right + margin, f.Width),
          std::min(r.Bottom + margin, f.Height)};
}

// The box around every non-zero value (heights below zero too). Most masks
// cover a small part of the picture, and the costly operations only need to
// visit this box.
Rect Support(const Field& f, int margin) {
  return BoundsOf(f, margin, [](float v) { return v != 0.0f; });
}

}  // namespace

// Max over a disc, built from horizontal maxima of growing half-widths:
// the maximum over [x - w, x + w] is the larger of the maxima over
// [x - w, x + w - 2] and [x - w + 2, x + w], so each width costs one pass.
Field Dilated(const Field& f, int radius) {
  if (radius <= 0 || f.Values.empty()) return f;
  const Rect box = Support(f, radius + 1);
  if (box.Right <= box.Left) return f;
  const int w = box.Right - box.Left, h = box.Bottom - box.Top;
  // rows[k] holds, for every row of the box, the maximum over half-width k.
  std::vector<Field> rows(static_cast<std::size_t>(radius + 1));
  rows[0] = FieldEach(w, h, [&](int x, int y) { return f(box.Left + x, box.Top + y); });
  for (std::size_t k = 1; k < rows.size(); ++k) {
    const Field& prev = rows[k - 1];
    rows[k] = FieldEach(w, h, [&](int x, int y) {
      return std::max({prev(x, y), prev.Clamped(x - 1, y), prev.Clamped(x + 1, y)});
    });
  }
  Field out = f;
  for (int y = 0; y < h; ++y) {
    float* o = &out.Values[out.Index(box.Left, box.Top + y)];
    for (int dy = -radius; dy <= radius; ++dy) {
      const int sy = y + dy;
      if (sy < 0 || sy >= h) continue;
      // The disc's half-width on this row.
      const double span =
          std::sqrt(static_cast<double>(radius) * radius - static_cast<double>(dy) * dy + 0.5);
      const Field& src = rows[static_cast<std::size_t>(span)];
      const float* in = &src.Values[src.Index(0, sy)];
      for (int x = 0; x < w; ++x) o[x] = std::max(o[x], in[x]);
    }
  }
  return out;
}

// The dilation of the mask's complement, complemented.
Field Eroded(const Field& f, int radius) {
  Field out = f;
  for (float& v : out.Values) v = 1.0f - v;
  out = Dilated(out, radius);
  for (float& v : out.Values) v = 1.0f - v;
  return out;
}

Field Sheared(const Field& f, float k, float pivotY) {
  return FieldEach(f.Width, f.Height, [&](int x, int y) {
    const float sx = static_cast<float>(x) - k * (pivotY - static_cast<float>(y));
    return sx > -1.0f && sx < static_cast<float>(f.Width) ? f.Sample(sx, static_cast<float>(y)) : 0.0f;
  });
}

Field Rim(const Field& mask, int dx, int dy) { return Subtracted(mask, Shifted(mask, -dx, -dy)); }

Field Multiplied(const Field& a, const Field& b) {
  assert(a.Width == b.Width && a.Height == b.Height);
  Field out = a;
  for (std::size_t i = 0; i < out.Values.size(); ++i) out.Values[i] *= b.Values[i];
  return out;
}

Field Subtracted(const Field& a, const Field& b) {
  assert(a.Width == b.Width && a.Height == b.Height);
  Field out = a;
  for (std::size_t i = 0; i < out.Values.size(); ++i)
    out.Values[i] = std::max(out.Values[i] - b.Values[i], 0.0f);
  return out;
}

void Maximize(Field& into, const Field& other) {
  assert(into.Width == other.Width && into.Height == other.Height);
  for (std::size_t i = 0; i < into.Values.size(); ++i)
    into.Values[i] = std::max(into.Values[i], other.Values[i]);
}

Rect InkBounds(const Field& f, float threshold) {
  return BoundsOf(f, 0, [threshold](float v) { return v > threshold; });
}

void Scale(Field& f, float k) {
  for (float& v : f.Values) v *= k;
}

namespace {

// One running-sum pass along a line of n values `stride` apart (a row or
// a column), writing positions lo..hi-1; reads clamp to the line's ends.
void BlurLine(float* line, int stride, int n, int lo, int hi, int radius, std::vector<float>& scratch) {
  const auto at = [&](int i) -> float& {
    return line[static_cast<std::ptrdiff_t>(std::clamp(i, 0, n - 1)) * stride];
  };
  float sum = 0.0f;
  for (int i = lo - radius; i <= lo + radius; ++i) sum += at(i);
  const float norm = 1.0f / static_cast<float>(2 * radius + 1);
  scratch.resize(static_cast<std::size_t>(hi - lo));
  for (int i = lo; i < hi; ++i) {
    scratch[static_cast<std::size_t>(i - lo)] = sum * norm;
    sum += at(i + radius + 1) - at(i - radius);
  }
  for (int i = lo; i < hi; ++i) at(i) = scratch[static_cast<std::size_t>(i - lo)];
}

}  // namespace

void BoxBlur(Field& f, int radius, int passes) {
  if (radius <= 0 || passes <= 0 || f.Values.empty()) return;
  // Outside this box everything is zero before and after: the blur cannot
  // spread further than radius x passes.
  const Rect box = Support(f, radius * passes + 1);
  if (box.Right <= box.Left) return;
  std::vector<float> scratch;
  for (int p = 0; p < passes; ++p) {
    for (int y = box.Top; y < box.Bottom; ++y)
      BlurLine(&f.Values[f.Index(0, y)], 1, f.Width, box.Left, box.Right, radius, scratch);
    for (int x = box.Left; x < box.Right; ++x)
      BlurLine(&f.Values[f.Index(x, 0)], f.Width, f.Height, box.Top, box.Bottom, radius, scratch);
  }
}

namespace {

// A picture split into one field per channel.
struct Channels {
  Field R, G, B;
  explicit Channels(const Image& image) : R(image.Width, image.Height), G(R), B(R) {
    for (std::size_t i = 0; i < image.Pixels.size(); ++i) Set(i, Unpack(image.Pixels[i]));
  }
  void Blur(int radius, int passes) {
    for (Field* f : {&R, &G, &B}) BoxBlur(*f, radius, passes);
  }
  ColorF At(std::size_t i) const { return {R.Values[i], G.Values[i], B.Values[i]}; }
  void Set(std::size_t i, ColorF c) {
    R.Values[i] = c.R;
    G.Values[i] = c.G;
    B.Values[i] = c.B;
  }
};

}  // namespace

void BoxBlur(Image& image, int radius, int passes) {
  Channels c(image);
  c.Blur(radius, passes);
  for (std::size_t i = 0; i < image.Pixels.size(); ++i) image.Pixels[i] = Pack(c.At(i));
}

// ---------------------------------------------------------------- gradients

Gradient::Gradient(std::initializer_list<Stop> stops) : stops_(stops) {
  assert(!stops_.empty());
  for (const Stop& stop : stops_) colours_.push_back(ToF(stop.Colour));
}

ColorF Gradient::SampleF(float t) const {
  if (!(t > stops_.front().At)) return colours_.front();  // also catches NaN
  for (std::size_t i = 1; i < stops_.size(); ++i) {
    if (t > stops_[i].At) continue;
    const float span = stops_[i].At - stops_[i - 1].At;
    return Lerp(colours_[i - 1], colours_[i], span > 0.0f ? (t - stops_[i - 1].At) / span : 1.0f);
  }
  return colours_.back();
}

void FillLinear(Image& image, float x0, float y0, float x1, float y1, const Gradient& g) {
  const float dx = x1 - x0, dy = y1 - y0;
  const float len2 = std::max(dx * dx + dy * dy, 1e-6f);
  FillEach(image, [&](int x, int y) { return g.SampleF((Centre(x, x0) * dx + Centre(y, y0) * dy) / len2); });
}

void FillRadial(Image& image, float cx, float cy, float rx, float ry, const Gradient& g) {
  rx = std::max(rx, 1e-3f);
  ry = std::max(ry, 1e-3f);
  FillEach(image, [&](int x, int y) {
    const float u = Centre(x, cx) / rx, v = Centre(y, cy) / ry;
    return g.SampleF(std::sqrt(u * u + v * v));
  });
}

void FillFromField(Image& image, const Field& t, const Gradient& g) {
  assert(image.Width == t.Width && image.Height == t.Height);
  for (std::size_t i = 0; i < image.Pixels.size(); ++i) image.Pixels[i] = Pack(g.SampleF(t.Values[i]));
}

// ---------------------------------------------------------------- noise

float Noise::Lattice(int x, int y) const {
  std::uint32_t h =
      seed_ ^ (static_cast<std::uint32_t>(x) * 0x27D4EB2Du) ^ (static_cast<std::uint32_t>(y) * 0x165667B1u);
  h ^= h >> 15;
  h *= 0x85EBCA6Bu;
  h ^= h >> 13;
  h *= 0xC2B2AE35u;
  h ^= h >> 16;
  return static_cast<float>(h & 0xFFFFFFu) / 16777215.0f;
}

float Noise::Value(float x, float y) const {
  // Far coordinates would not fit the lattice's integers.
  x = ClampF(x, -1e6f, 1e6f);
  y = ClampF(y, -1e6f, 1e6f);
  const float fx = std::floor(x), fy = std::floor(y);
  const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
  const float tx = x - fx, ty = y - fy;
  // Quintic easing keeps the slope continuous across cells: no grid lines
  // when the noise is lit as a height field.
  const float ux = tx * tx * tx * (tx * (tx * 6.0f - 15.0f) + 10.0f);
  const float uy = ty * ty * ty * (ty * (ty * 6.0f - 15.0f) + 10.0f);
  const float a = Lattice(ix, iy), b = Lattice(ix + 1, iy);
  const float c = Lattice(ix, iy + 1), d = Lattice(ix + 1, iy + 1);
  const float top = a + (b - a) * ux, bottom = c + (d - c) * ux;
  return top + (bottom - top) * uy;
}

float Noise::Fbm(float x, float y, int octaves, float lacunarity, float gain) const {
  float sum = 0.0f, amplitude = 1.0f, total = 0.0f;
  for (int o = 0; o < octaves; ++o) {
    // Each octave is offset so that the lattices' origins do not line up.
    sum += amplitude * Value(x + static_cast<float>(o) * 31.7f, y - static_cast<float>(o) * 17.3f);
    total += amplitude;
    x *= lacunarity;
    y *= lacunarity;
    amplitude *= gain;
  }
  return total > 0.0f ? sum / total : 0.0f;
}

float Noise::Ridged(float x, float y, int octaves) const {
  float sum = 0.0f, amplitude = 1.0f, total = 0.0f;
  for (int o = 0; o < octaves; ++o) {
    const float r =
        1.0f -
        std::fabs(2.0f * Value(x + static_cast<float>(o) * 11.1f, y + static_cast<float>(o) * 23.9f) - 1.0f);
    sum += amplitude * r * r;
    total += amplitude;
    x *= 2.0f;
    y *= 2.0f;
    amplitude *= 0.5f;
  }
  return total > 0.0f ? sum / total : 0.0f;
}

Field NoiseField(int width, int height, float scale, int octaves, std::uint32_t seed) {
  const Noise noise(seed);
  const float inv = 1.0f / std::max(scale, 1e-3f);
  return FieldEach(width, height, [&](int x, int y) {
    return noise.Fbm(static_cast<float>(x) * inv, static_cast<float>(y) * inv, octaves);
  });
}

// ---------------------------------------------------------------- light

Field Lighting(const Field& height, float lx, float ly, float lz, float depth) {
  const float len = std::sqrt(lx * lx + ly * ly + lz * lz);
  if (len > 0.0f) {
    lx /= len;
    ly /= len;
    lz /= len;
  }
  // Where the heights are all zero the surface is flat.
  Field out(height.Width, height.Height, std::max(lz, 0.0f));
  const Rect box = Support(height, 1);
  for (int y = box.Top; y < box.Bottom; ++y) {
    for (int x = box.Left; x < box.Right; ++x) {
      const float nx = -(height.Clamped(x + 1, y) - height.Clamped(x - 1, y)) * 0.5f * depth;
      const float ny = -(height.Clamped(x, y + 1) - height.Clamped(x, y - 1)) * 0.5f * depth;
      const float inv = 1.0f / std::sqrt(nx * nx + ny * ny + 1.0f);
      out(x, y) = std::max((nx * lx + ny * ly + lz) * inv, 0.0f);
    }
  }
  return out;
}

Field Bevel(const Field& mask, int radius, float lx, float ly, float lz, float depth) {
  Field h = mask;
  BoxBlur(h, radius, 2);
  return Lighting(h, lx, ly, lz, depth);
}

// ---------------------------------------------------------------- compositing

void Paint(Image& image, const Field& alpha, Color colour, float opacity, int dx, int dy) {
  const ColorF c = ToF(colour);
  dx = std::clamp(dx, -alpha.Width, image.Width);
  dy = std::clamp(dy, -alpha.Height, image.Height);
  for (int y = std::max(dy, 0); y < std::min(image.Height, alpha.Height + dy); ++y) {
    for (int x = std::max(dx, 0); x < std::min(image.Width, alpha.Width + dx); ++x) {
      const float a = Clamp01(alpha(x - dx, y - dy) * opacity);
      if (a <= 0.0f) continue;
      std::uint32_t& p = image.Pixels[image.Index(x, y)];
      p = Pack(Lerp(Unpack(p), c, a));
    }
  }
}

void PaintVertical(Image& image, const Field& alpha, const Gradient& g, float y0, float y1) {
  assert(image.Width == alpha.Width && image.Height == alpha.Height);
  const float span = std::fabs(y1 - y0) > 1e-3f ? y1 - y0 : 1.0f;
  for (int y = 0; y < image.Height; ++y) {
    const ColorF c = g.SampleF((static_cast<float>(y) - y0) / span);
    for (int x = 0; x < image.Width; ++x) {
      const float a = Clamp01(alpha(x, y));
      if (a <= 0.0f) continue;
      std::uint32_t& p = image.Pixels[image.Index(x, y)];
      p = Pack(Lerp(Unpack(p), c, a));
    }
  }
}

void AddLight(Image& image, const Field& amount, Color colour, float strength) {
  assert(image.Width == amount.Width && image.Height == amount.Height);
  const ColorF c = ToF(colour) * strength;
  for (std::size_t i = 0; i < image.Pixels.size(); ++i) {
    const float a = amount.Values[i];
    if (a <= 0.0f) continue;
    image.Pixels[i] = Pack(Unpack(image.Pixels[i]) + c * a);
  }
}

void Glow(Image& image, const Field& mask, Color colour, int radius, float strength) {
  if (strength == 0.0f) return;  // it would add nothing: spare the blur
  Field halo = mask;
  BoxBlur(halo, radius, 3);
  AddLight(image, halo, colour, strength);
}

void ApplyLight(Image& image, const Field& light, const Field& mask, float strength) {
  assert(image.Width == light.Width && image.Height == light.Height);
  assert(image.Width == mask.Width && image.Height == mask.Height);
  for (std::size_t i = 0; i < image.Pixels.size(); ++i) {
    const float m = mask.Values[i];
    if (m <= 0.0f) continue;
    const float k = (light.Values[i] - 0.5f) * 2.0f * strength * m;
    const ColorF p = Unpack(image.Pixels[i]);
    // Towards white above the middle, towards black below.
    image.Pixels[i] =
        Pack(k >= 0.0f ? Lerp(p, ColorF{1, 1, 1}, std::min(k, 1.0f)) : p * (1.0f + std::max(k, -1.0f)));
  }
}

void Blend(Image& image, const Image& src, const Field& alpha) {
  assert(image.Width == src.Width && image.Height == src.Height);
  assert(image.Width == alpha.Width && image.Height == alpha.Height);
  for (std::size_t i = 0; i < image.Pixels.size(); ++i) {
    const float a = Clamp01(alpha.Values[i]);
    if (a <= 0.0f) continue;
    image.Pixels[i] = Pack(Lerp(Unpack(image.Pixels[i]), Unpack(src.Pixels[i]), a));
  }
}

void Bloom(Image& image, float threshold, int radius, float strength) {
  // Only what is brighter than the threshold, by how much brighter.
  Channels bright(image);
  const float range = std::max(1.0f - threshold, 1e-3f);
  for (std::size_t i = 0; i < image.Pixels.size(); ++i) {
    const ColorF p = bright.At(i);
    const float k = std::max(0.299f * p.R + 0.587f * p.G + 0.114f * p.B - threshold, 0.0f) / range;
    bright.Set(i, p * k);
  }
  bright.Blur(radius, 3);
  for (std::size_t i = 0; i < image.Pixels.size(); ++i)
    image.Pixels[i] = Pack(Screen(Unpack(image.Pixels[i]), bright.At(i) * strength));
}

void Vignette(Image& image, float strength) {
  const float cx = static_cast<float>(image.Width) * 0.5f, cy = static_cast<float>(image.Height) * 0.5f;
  const float inv = 1.0f / std::max(std::sqrt(cx * cx + cy * cy), 1.0f);
  FillEach(image, [&](int x, int y) {
    const float dx = Centre(x, cx), dy = Centre(y, cy);
    const float d = std::sqrt(dx * dx + dy * dy) * inv;
    return Unpack(image.Pixels[image.Index(x, y)]) * (1.0f - strength * SmoothStep(0.45f, 1.0f, d));
  });
}

Image Downsampled(const Image& image, int factor) {
  if (factor <= 1) return image;
  Image out(image.Width / factor, image.Height / factor);
  const float norm = 1.0f / static_cast<float>(factor * factor);
  FillEach(out, [&](int x, int y) {
    ColorF sum;
    for (int sy = 0; sy < factor; ++sy) {
      for (int sx = 0; sx < factor; ++sx)
        sum = sum + Unpack(image.Pixels[image.Index(x * factor + sx, y * factor + sy)]);
    }
    return sum * norm;
  });
  return out;
}

// ---------------------------------------------------------------- shapes

namespace {

// The pixels of the field under the box [left, right) x [top, bottom).
Rect Bounds(const Field& f, float left, float top, float right, float bottom) {
  const auto clip = [](float v, int limit) {
    return static_cast<int>(ClampF(v, 0.0f, static_cast<float>(limit)));
  };
  return {clip(std::floor(left), f.Width), clip(std::floor(top), f.Height), clip(std::ceil(right), f.Width),
          clip(std::ceil(bottom), f.Height)};
}

void Put(Field& f, int x, int y, float coverage, float value) {
  if (coverage <= 0.0f) return;
  float& v = f(x, y);
  v = std::max(v, Clamp01(coverage) * value);
}

}  // namespace

void FillCircle(Field& f, float cx, float cy, float r, float value) { FillEllipse(f, cx, cy, r, r, value); }

void FillEllipse(Field& f, float cx, float cy, float rx, float ry, float value) {
  if (rx <= 0.0f || ry <= 0.0f) return;
  const Rect b = Bounds(f, cx - rx - 1.0f, cy - ry - 1.0f, cx + rx + 1.0f, cy + ry + 1.0f);
  const float irx2 = 1.0f / (rx * rx), iry2 = 1.0f / (ry * ry);
  for (int y = b.Top; y < b.Bottom; ++y) {
    const float dy = static_cast<float>(y) + 0.5f - cy;
    for (int x = b.Left; x < b.Right; ++x) {
      const float dx = static_cast<float>(x) + 0.5f - cx;
      // The implicit function over its gradient's length approximates the
      // distance to the rim: one pixel of soft edge at any size.
      const float g = dx * dx * irx2 + dy * dy * iry2 - 1.0f;
      const float gx = 2.0f * dx * irx2, gy = 2.0f * dy * iry2;
      const float glen = std::sqrt(gx * gx + gy * gy);
      const float dist = glen > 1e-6f ? g / glen : -1.0f;
      Put(f, x, y, 0.5f - dist, value);
    }
  }
}

void ThickLine(Field& f, float x0, float y0, float x1, float y1, float width, float value) {
  TaperedLine(f, x0, y0, x1, y1, width, width, value);
}

void TaperedLine(Field& f, float x0, float y0, float x1, float y1, float w0, float w1, float value) {
  const float reach = std::max(w0, w1) * 0.5f + 1.0f;
  const Rect b = Bounds(f, std::min(x0, x1) - reach, std::min(y0, y1) - reach, std::max(x0, x1) + reach,
                        std::max(y0, y1) + reach);
  const float dx = x1 - x0, dy = y1 - y0;
  const float len2 = dx * dx + dy * dy;
  for (int y = b.Top; y < b.Bottom; ++y) {
    const float py = static_cast<float>(y) + 0.5f - y0;
    for (int x = b.Left; x < b.Right; ++x) {
      const float px = static_cast<float>(x) + 0.5f - x0;
      const float t = len2 > 0.0f ? Clamp01((px * dx + py * dy) / len2) : 0.0f;
      const float ex = px - t * dx, ey = py - t * dy;
      const float half = (w0 + (w1 - w0) * t) * 0.5f;
      Put(f, x, y, half - std::sqrt(ex * ex + ey * ey) + 0.5f, value);
    }
  }
}

void FillPolygon(Field& f, std::span<const Point> points, float value) {
  if (points.size() < 3 || f.Values.empty()) return;
  const auto [top, bottom] =
      std::minmax_element(points.begin(), points.end(), [](Point a, Point c) { return a.Y < c.Y; });
  const Rect b = Bounds(f, 0.0f, top->Y, static_cast<float>(f.Width), bottom->Y + 1.0f);
  constexpr int kSub = 4;
  std::vector<float> row(static_cast<std::size_t>(f.Width));
  std::vector<float> crossings;
  for (int y = b.Top; y < b.Bottom; ++y) {
    std::fill(row.begin(), row.end(), 0.0f);
    for (int s = 0; s < kSub; ++s) {
      const float sy = static_cast<float>(y) + (static_cast<float>(s) + 0.5f) / kSub;
      crossings.clear();
      for (std::size_t i = 0; i < points.size(); ++i) {
        const Point& a = points[i];
        const Point& c = points[(i + 1) % points.size()];
        if ((a.Y <= sy) == (c.Y <= sy)) continue;
        crossings.push_back(a.X + (sy - a.Y) / (c.Y - a.Y) * (c.X - a.X));
      }
      std::sort(crossings.begin(), crossings.end());
      for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
        const float xa = ClampF(crossings[i], 0.0f, static_cast<float>(f.Width));
        const float xb = ClampF(crossings[i + 1], 0.0f, static_cast<float>(f.Width));
        if (xb <= xa) continue;
        const int ia = static_cast<int>(xa), ib = std::min(static_cast<int>(xb), f.Width - 1);
        for (int x = ia; x <= ib; ++x) {
          const float cover = std::min(xb, static_cast<float>(x + 1)) - std::max(xa, static_cast<float>(x));
          if (cover > 0.0f) row[static_cast<std::size_t>(x)] += cover / kSub;
        }
      }
    }
    for (int x = 0; x < f.Width; ++x) Put(f, x, y, row[static_cast<std::size_t>(x)], value);
  }
}

// ---------------------------------------------------------------- text

int TrackedWidth(std::string_view cp1252, const Font& font, int tracking) {
  if (tracking == 0) return font.TextWidth(cp1252);
  int width = 0;
  for (std::size_t i = 0; i < cp1252.size(); ++i) width += font.TextWidth(cp1252.substr(i, 1)) + tracking;
  return cp1252.empty() ? 0 : width - tracking;
}

Field TextMask(int width, int height, int x, int y, std::string_view cp1252, const Font& font, int tracking) {
  Canvas canvas(std::max(width, 0), std::max(height, 0));
  if (tracking == 0) {
    canvas.Text(x, y, cp1252, font, kWhite);
  } else {
    // Letter by letter, so that the gaps can be opened up.
    for (std::size_t i = 0; i < cp1252.size(); ++i)
      x += canvas.Text(x, y, cp1252.substr(i, 1), font, kWhite) + tracking;
  }
  const Image& pixels = canvas.Pixels();
  return FieldEach(canvas.Width(), canvas.Height(), [&](int col, int row) {
    return static_cast<float>((pixels.Pixels[pixels.Index(col, row)] >> 8) & 0xFF) / 255.0f;
  });
}

}  // namespace vantoro::art
