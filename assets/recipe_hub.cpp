// The hub's backdrop: the team's home field after dark, seen through the
// netting, the floodlights on the far side lighting the bunkers in the
// middle. The hub's central panel grows over that lit middle as it opens;
// afterwards only the margins show: night haze, the netting, the beams of
// the near floodlights and old paint on the boards. They stay dim and blue
// so that the hub's own lettering reads over them.

#include <algorithm>
#include <cmath>

#include "assets/art.hpp"
#include "assets/kit_image.hpp"
#include "assets/kit_splats.hpp"
#include "assets/paint.hpp"
#include "assets/recipes.hpp"

namespace vantoro::art {

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

// Night sky and haze: a deep indigo wash, lighter where the floodlights
// light the mist, with slow fractal clouds. The haze is soft, so it is
// worked out on a quarter-size grid and sampled.
void DrawHaze(Image& image) {
  const Gradient night{{0.00f, Rgb(0x070920)},
                       {0.20f, Rgb(0x0C1034)},
                       {0.55f, Rgb(0x0A0C2A)},
                       {0.85f, Rgb(0x070818)},
                       {1.00f, Rgb(0x04050F)}};
  const Noise clouds(0x4B1);
  const Field mist = FieldEach(kWidth / 4 + 2, kHeight / 4 + 2, [&](int x, int y) {
    const float fx = static_cast<float>(4 * x), fy = static_cast<float>(4 * y);
    const float warp = clouds.Fbm(fx / 300.0f + 7.0f, fy / 300.0f, 2);
    return clouds.Fbm(fx / 210.0f + warp * 1.5f, fy / 120.0f, 4);
  });
  const ColorF lit = ToF(Rgb(0x2A3A86));
  FillEach(image, [&](float fx, float fy) {
    // Two floodlight pools high in the corners, washing down the sides.
    const float flood = Falloff(fx, fy, 40.0f, -30.0f, 300.0f, 260.0f, 1.6f) +
                        Falloff(fx, fy, 760.0f, -30.0f, 300.0f, 260.0f, 1.6f);
    const float m = SmoothStep(0.35f, 0.8f, mist.Sample(fx * 0.25f, fy * 0.25f));
    return night.SampleF(fy / kHeight) * (0.85f + 0.35f * m) + lit * (flood * (0.25f + 0.45f * m));
  });
}

constexpr float kFarSide = 236.0f;  // where the field meets the far fence

// Where the far floodlights put their light on the turf.
float Pool(float x, float y) { return Falloff(x, y, 400.0f, 392.0f, 330.0f, 175.0f, 1.3f); }

// The field: turf running away to the far fence, mown in bands that narrow
// with distance, bright in the floodlights' pool and black at the edges.
void DrawField(Image& image) {
  const Noise grain(0x4B5);
  const ColorF dark = ToF(Rgb(0x05070F)), lit = ToF(Rgb(0x32689A));
  BlendEach(image, static_cast<int>(kFarSide), [&](int x, int y) {
    const float fx = static_cast<float>(x) + 0.5f, fy = static_cast<float>(y) + 0.5f;
    const float depth = fy - kFarSide;
    const float distance = 900.0f / (depth + 8.0f);
    const float band = std::sin(distance * 1.7f) > 0.0f ? 1.07f : 0.93f;
    const float n = grain.Value((fx - 400.0f) * distance / 900.0f * 3.0f, distance * 2.0f);
    const ColorF c = Lerp(dark, lit, Pool(fx, fy)) * (band * (0.85f + 0.3f * n));
    return Wash{c, SmoothStep(0.0f, 6.0f, depth)};
  });
}

// The far side: a dark fence line under two floodlight towers whose lamps
// blaze through the mist.
void DrawFarSide(Image& image) {
  Field fence = BigShapes{}.Box(image, 0.0f, kFarSide - 26.0f, kWidth, kFarSide + 2.0f);
  for (float x = 40.0f; x < kWidth; x += 90.0f) ThickLine(fence, x, kFarSide - 34.0f, x, kFarSide, 3.0f);
  Field lamps(kWidth, kHeight);
  for (const float tx : {190.0f, 610.0f}) {
    ThickLine(fence, tx, kFarSide - 24.0f, tx, 120.0f, 5.0f);
    ThickLine(fence, tx - 26.0f, 112.0f, tx + 26.0f, 112.0f, 3.0f);
    // Two rows of five lamps.
    for (int i = 0; i < 10; ++i) {
      const float lx = tx - 22.0f + 11.0f * static_cast<float>(i % 5);
      const float ly = 100.0f + 9.0f * static_cast<float>(i / 5);
      FillCircle(fence, lx, ly, 4.5f);
      FillCircle(lamps, lx, ly - 0.5f, 3.2f);
    }
  }
  Paint(image, fence, Rgb(0x03040A));
  Glow(image, lamps, Rgb(0x3A5AE0), 40, 1.4f);
  GlowingCore(image, lamps, Rgb(0x9AB0FF), 10, 1.2f, Rgb(0xF2F6FF));
}

// Inflatable bunkers out on the field, lit from the far side, their shadows
// thrown towards the viewer. `Hit` is the radius of the splat a ball left on
// one (none when 0).
void DrawBunkers(Image& image, Random& rng) {
  struct Bunker {
    Cover Shape;
    float Hit = 0.0f;
  };
  const Bunker bunkers[] = {
      {{CoverShape::Can, 294.5f, 282.0f, 11.0f, 30.0f, Rgb(0x243A7A), 2.9f}},
      {{CoverShape::Dorito, 455.6f, 276.0f, 28.8f, 19.2f, Rgb(0x6A1A2A), 2.7f}, 4.0f},
      {{CoverShape::Cake, 539.6f, 318.0f, 40.8f, 21.8f, Rgb(0x243A7A), 3.8f}},
      {{CoverShape::Dorito, 226.0f, 352.0f, 48.0f, 32.0f, Rgb(0x243A7A), 4.4f}, 4.8f},
      {{CoverShape::Snake, 347.0f, 372.0f, 126.0f, 14.0f, Rgb(0x1E5A4A), 7.8f}, 8.4f},
      {{CoverShape::Can, 597.4f, 440.0f, 25.2f, 69.6f, Rgb(0x6A1A2A), 6.7f}, 7.2f},
      {{CoverShape::Cake, 290.4f, 470.0f, 79.2f, 42.2f, Rgb(0x243A7A), 7.3f}},
  };
  const Color paint[] = {Rgb(0xD81E7A), Rgb(0xE8C21E), Rgb(0x1EB8E8)};
  for (const Bunker& b : bunkers) {
    Cover c = b.Shape;
    const float cx = c.X + c.Width * 0.5f;
    const float light = 0.35f + 0.75f * Pool(cx, c.Base);
    c.Colour = ToColor(ToF(c.Colour) * light);
    // The floodlights behind throw a long shadow towards us, darker in
    // their pool.
    const float size = (c.Width + c.Height) * 0.6f;
    GroundShadow(image, cx, c.Base + size * 0.12f, size * 0.75f, size * 0.16f,
                 std::max(2, static_cast<int>(size / 12.0f)), 0.6f * (0.3f + Pool(cx, c.Base)));
    DrawCover(image, c, 1.0f, 0);
    const Field mask = c.Mask(1.0f, kWidth, kHeight);
    // Lit from behind: a cold rim along the top.
    AddLight(image, Multiplied(Rim(mask, 0, -2), mask), Rgb(0x7A9AFF), 0.5f * light);
    if (b.Hit > 0.0f) {
      Field splat(kWidth, kHeight);
      Splat(splat, rng, cx + c.Width * 0.05f, c.Base - c.Height * 0.5f,
            {.Radius = b.Hit, .Arms = 7, .Droplets = 6, .Drips = 1});
      WetPaint(image, Multiplied(splat, mask), ToColor(ToF(paint[rng.Below(3)]) * light), 2, 0.7f);
    }
  }
}

// The diamond mesh of the netting round the field, fading in and out of
// the mist.
void DrawNetting(Image& image) {
  constexpr float kMesh = 22.0f;
  const Noise fade(0x4B2);
  const ColorF strand = ToF(Rgb(0x3A4A9A));
  BlendEach(image, 0, [&](int x, int y) {
    const float fx = static_cast<float>(x) + 0.5f, fy = static_cast<float>(y) + 0.5f;
    // The net sags a little between its posts.
    const float sag = 6.0f * std::sin(fx / kWidth * kTau * 3.0f);
    const float u = (fx + fy + sag) / kMesh, v = (fx - fy - sag) / kMesh;
    const float du = std::fabs(u - std::round(u)) * kMesh, dv = std::fabs(v - std::round(v)) * kMesh;
    const float line = std::max(Clamp01(1.0f - du / 0.9f), Clamp01(1.0f - dv / 0.9f));
    if (line <= 0.0f) return Wash{};
    return Wash{strand, line * SmoothStep(0.4f, 0.75f, fade.Fbm(fx / 160.0f, fy / 160.0f, 3)) * 0.28f};
  });
  // The net's posts and top cable.
  Field posts(kWidth, kHeight);
  for (float x = 4.0f; x < kWidth; x += 132.0f) ThickLine(posts, x, 0.0f, x, kHeight, 3.0f);
  ThickLine(posts, 0.0f, 74.0f, kWidth, 74.0f, 1.5f);
  Paint(image, posts, Rgb(0x04050E), 0.55f);
}

// Beams of the floodlights slanting down through the mist from the top
// corners; they are what lights the margins the hub leaves open.
void DrawBeams(Image& image) {
  const Noise dust(0x4B3);
  // Where each beam starts, its angle and its half-width in radians.
  constexpr float kBeams[][4] = {{-20.0f, -20.0f, 0.95f, 0.10f},
                                 {-20.0f, -20.0f, 0.62f, 0.07f},
                                 {820.0f, -20.0f, 2.19f, 0.10f},
                                 {820.0f, -20.0f, 2.52f, 0.07f}};
  // Beams are soft: worked out on a half-size grid and sampled.
  const Field half = FieldEach(kWidth / 2 + 1, kHeight / 2 + 1, [&](int x, int y) {
    const float fx = static_cast<float>(2 * x) + 0.5f, fy = static_cast<float>(2 * y) + 0.5f;
    float sum = 0.0f;
    for (const auto& [bx, by, angle, spread] : kBeams) {
      const float dx = fx - bx, dy = fy - by;
      const float d = std::sqrt(dx * dx + dy * dy);
      const float off = std::fabs(std::atan2(dy, dx) - angle);
      sum += SmoothStep(spread, spread * 0.3f, off) * SmoothStep(900.0f, 100.0f, d);
    }
    return sum <= 0.0f ? 0.0f : sum * (0.45f + 0.8f * dust.Fbm(fx / 90.0f, fy / 40.0f, 3));
  });
  AddLight(image, Enlarged(half, 2.0f, kWidth, kHeight), Rgb(0x3048A8), 0.19f);
}

}  // namespace

Image DrawHubBackground(FontLibrary& /*fonts*/) {
  Image image(kWidth, kHeight);
  Random rng(0x4B0B);
  DrawHaze(image);
  DrawFarSide(image);
  DrawField(image);
  DrawBunkers(image, rng);
  DrawBeams(image);
  DrawNetting(image);
  // Old paint on the boards: faded splats in the margins that the hub leaves
  // uncovered, dark enough to sit behind the lettering.
  const ThrownSplat old[] = {
      {58.0f, 578.0f, 22.0f, Rgb(0x6A1A52), 0.4f, 0},    // under the section column
      {786.0f, 150.0f, 16.0f, Rgb(0x145A78), 3.0f, 2},   // right margin
      {784.0f, 420.0f, 13.0f, Rgb(0x3E6A16), 2.6f, 1},   // right margin, lower
      {330.0f, 588.0f, 17.0f, Rgb(0x7A4A12), -1.2f, 0},  // along the bottom
      {520.0f, 77.0f, 12.0f, Rgb(0x5A1A6A), 0.9f, 0},    // under the banner
      {112.0f, 74.0f, 14.0f, Rgb(0x145A78), 2.2f, 1},    // by the first section
      {4.0f, 300.0f, 12.0f, Rgb(0x7A1A2A), 0.0f, 2},     // left edge
  };
  ScatterSplats(image, rng, old,
                {.Shape = {.Arms = 9, .Droplets = 12, .Bias = 0.4f}, .Fade = 0.6f, .Gloss = 0.25f});
  Vignette(image, 0.45f);
  return image;
}

}  // namespace vantoro::art
