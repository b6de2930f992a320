#pragma once
// The painter's toolbox every picture recipe shares: float fields for masks,
// height maps and noise; colour gradients; value noise and fractal noise;
// light over a height field; blur, outlines, glow and compositing; and
// anti-aliased shapes. Everything is deterministic: randomness comes only
// from the small seeded generator below, so a picture is the same on every
// build and every machine.

#include <cstdint>
#include <initializer_list>
#include <numbers>
#include <span>
#include <string_view>
#include <vector>

#include "ui/font.hpp"
#include "ui/image.hpp"

namespace vantoro::art {

inline constexpr float kPi = std::numbers::pi_v<float>;
inline constexpr float kTau = 2.0f * kPi;

// ---------------------------------------------------------------- colour

// A colour with float channels in 0..1, for blending without rounding at
// every step.
struct ColorF {
  float R = 0, G = 0, B = 0;
};

ColorF ToF(Color c);
// Clamps to 0..1 and rounds.
Color ToColor(ColorF c);
inline ColorF Unpack(std::uint32_t packed) { return ToF(Color::FromPacked(packed)); }
inline std::uint32_t Pack(ColorF c) { return ToColor(c).Packed(); }

ColorF Lerp(ColorF a, ColorF b, float t);
Color Lerp(Color a, Color b, float t);
inline ColorF operator+(ColorF a, ColorF b) { return {a.R + b.R, a.G + b.G, a.B + b.B}; }
inline ColorF operator*(ColorF a, float k) { return {a.R * k, a.G * k, a.B * k}; }
inline ColorF operator*(ColorF a, ColorF b) { return {a.R * b.R, a.G * b.G, a.B * b.B}; }
// Screen blend: brightens without ever passing white.
ColorF Screen(ColorF a, ColorF b);

float Clamp01(float v);
float SmoothStep(float edge0, float edge1, float v);

// ---------------------------------------------------------------- random

// xorshift64*: small, fast and the same everywhere. Each recipe owns its own
// generator with a fixed seed.
class Random {
 public:
  explicit Random(std::uint64_t seed);
  std::uint32_t Next();
  // Uniform in [0, 1).
  float Unit();
  float Range(float lo, float hi);
  // Uniform in 0..n-1; 0 when n <= 0.
  int Below(int n);

 private:
  std::uint64_t state_;
};

// ---------------------------------------------------------------- fields

// One float per pixel: coverage masks (0..1), height maps, noise, heat.
struct Field {
  int Width = 0;
  int Height = 0;
  std::vector<float> Values;

  Field() = default;
  Field(int width, int height, float fill = 0.0f);

  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < Width && y < Height; }
  float& operator()(int x, int y) { return Values[Index(x, y)]; }
  float operator()(int x, int y) const { return Values[Index(x, y)]; }
  // Outside the field reads the nearest edge value.
  float Clamped(int x, int y) const;
  // Bilinear, clamped at the edges.
  float Sample(float x, float y) const;
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) + static_cast<std::size_t>(x);
  }
};

// Each of these returns a new field of the same size.
Field Shifted(const Field& f, int dx, int dy);  // contents moved by (dx, dy)
Field Dilated(const Field& f, int radius);      // max over a disc: fattens a mask
Field Eroded(const Field& f, int radius);       // min over a disc
Field Multiplied(const Field& a, const Field& b);
// max(a - b, 0): e.g. a ring is Dilated(mask) minus mask.
Field Subtracted(const Field& a, const Field& b);
// Slanted like italics: row y moves right by k x (pivotY - y).
Field Sheared(const Field& f, float k, float pivotY);
// The edge of a mask facing the offset (dx, dy): where the mask is set but
// its neighbour that far away is not. Rim light from a light behind a shape.
Field Rim(const Field& mask, int dx, int dy);
void Maximize(Field& into, const Field& other);  // per-pixel max
// The smallest box (right and bottom exclusive) holding every value above
// the threshold; all zero when there is none.
struct Rect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};
Rect InkBounds(const Field& f, float threshold = 0.5f);
void Scale(Field& f, float k);

// Box blur with `passes` passes (three approximate a Gaussian); edges clamp.
void BoxBlur(Field& f, int radius, int passes = 3);
void BoxBlur(Image& image, int radius, int passes = 3);

// ---------------------------------------------------------------- gradients

struct Stop {
  float At;  // 0..1, ascending
  Color Colour;
};

class Gradient {
 public:
  Gradient(std::initializer_list<Stop> stops);
  ColorF SampleF(float t) const;
  Color Sample(float t) const { return ToColor(SampleF(t)); }

 private:
  std::vector<Stop> stops_;
  std::vector<ColorF> colours_;
};

// Fills the whole picture: t runs 0..1 from (x0, y0) to (x1, y1).
void FillLinear(Image& image, float x0, float y0, float x1, float y1, const Gradient& g);
// t runs 0..1 from the centre out to the ellipse of radii (rx, ry).
void FillRadial(Image& image, float cx, float cy, float rx, float ry, const Gradient& g);
// Every pixel takes the gradient at its field value.
void FillFromField(Image& image, const Field& t, const Gradient& g);
// Every pixel set to colour(x, y), a ColorF worked out from its column and
// row: skies, backdrops and the ground under everything else.
template <typename ColourAt>
void FillEach(Image& image, ColourAt&& colour) {
  for (int y = 0; y < image.Height; ++y) {
    for (int x = 0; x < image.Width; ++x) image.Pixels[image.Index(x, y)] = Pack(colour(x, y));
  }
}
// The same for a field: every value set to value(x, y).
template <typename ValueAt>
void FillEach(Field& f, ValueAt&& value) {
  for (int y = 0; y < f.Height; ++y) {
    for (int x = 0; x < f.Width; ++x) f(x, y) = value(x, y);
  }
}

// A new width x height field filled as FillEach does.
template <typename ValueAt>
Field FieldEach(int width, int height, ValueAt&& value) {
  Field f(width, height);
  FillEach(f, value);
  return f;
}

// ---------------------------------------------------------------- noise

// Smooth value noise on an integer lattice, 0..1.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : seed_(seed) {}
  float Value(float x, float y) const;
  // Fractal sum of `octaves` layers, each `lacunarity` times finer and `gain`
  // times weaker; normalised to 0..1.
  float Fbm(float x, float y, int octaves, float lacunarity = 2.0f, float gain = 0.5f) const;
  // Sharp creases where the noise crosses its middle: flames, veins, cracks.
  float Ridged(float x, float y, int octaves) const;

 private:
  float Lattice(int x, int y) const;
  std::uint32_t seed_;
};

// A whole field of fractal noise; `scale` is the size in pixels of the
// coarsest feature.
Field NoiseField(int width, int height, float scale, int octaves, std::uint32_t seed);

// ---------------------------------------------------------------- light

// Lambert light on a height field (heights in pixels times `depth`), light
// coming from the direction (lx, ly, lz) (screen x right, y down, z out of
// the picture). 0 is unlit, a flat surface gives lz / |l|.
Field Lighting(const Field& height, float lx, float ly, float lz, float depth);
// Soft rounded bevel for a mask: the mask blurred by `radius` used as heights.
Field Bevel(const Field& mask, int radius, float lx, float ly, float lz, float depth);

// ---------------------------------------------------------------- compositing

// Paints `colour` through the mask (offset by (dx, dy)) at the given opacity.
void Paint(Image& image, const Field& alpha, Color colour, float opacity = 1.0f, int dx = 0, int dy = 0);
// Paints the gradient, sampled vertically between rows y0 and y1, through
// the mask: filled text and shapes.
void PaintVertical(Image& image, const Field& alpha, const Gradient& g, float y0, float y1);
// Adds light: colour x amount, clamped at white.
void AddLight(Image& image, const Field& amount, Color colour, float strength = 1.0f);
// A soft halo: the mask blurred by `radius`, added as light.
void Glow(Image& image, const Field& mask, Color colour, int radius, float strength = 1.0f);
// Brightens where light > 0.5 and darkens below (a light map from Lighting),
// only inside the mask.
void ApplyLight(Image& image, const Field& light, const Field& mask, float strength = 1.0f);
// Composites src over image through the mask.
void Blend(Image& image, const Image& src, const Field& alpha);
// Everything brighter than `threshold` bleeds a blurred halo around itself.
void Bloom(Image& image, float threshold, int radius, float strength);
// Darkens towards the corners; strength 0..1.
void Vignette(Image& image, float strength);
// Averages each factor x factor block: draw large, shrink for clean edges.
Image Downsampled(const Image& image, int factor);

// ---------------------------------------------------------------- shapes

// Anti-aliased coverage written into a mask, keeping the larger of the old
// and new value, so shapes of one colour union cleanly.
struct Point {
  float X = 0, Y = 0;
};
void FillCircle(Field& f, float cx, float cy, float r, float value = 1.0f);
void FillEllipse(Field& f, float cx, float cy, float rx, float ry, float value = 1.0f);
// A stroke with round ends.
void ThickLine(Field& f, float x0, float y0, float x1, float y1, float width, float value = 1.0f);
// A stroke whose width changes linearly from w0 to w1: streaks and flames.
void TaperedLine(Field& f, float x0, float y0, float x1, float y1, float w0, float w1, float value = 1.0f);
// Even-odd fill with 4 sub-scanlines per row and exact horizontal coverage.
void FillPolygon(Field& f, std::span<const Point> points, float value = 1.0f);

// ---------------------------------------------------------------- text

// The coverage of a Windows-1252 text drawn with its cell's top-left at
// (x, y), in a field of the given size; `tracking` adds pixels between
// letters.
Field TextMask(int width, int height, int x, int y, std::string_view cp1252, const Font& font,
               int tracking = 0);
// The width TextMask gives the same text.
int TrackedWidth(std::string_view cp1252, const Font& font, int tracking);

}  // namespace vantoro::art
