// The match fields from above: the Airball field's turf with its inflatables,
// the same field soaked and churned to mud in the rain, and the woods with
// log piles and barrels on pallets. The bunkers come from the game's own
// table, each filling exactly the rectangle that blocks a shot, and nothing
// else on the field stands up like cover: a player sees what stops a ball.

#include <algorithm>
#include <cmath>
#include <vector>

#include "assets/art.hpp"
#include "assets/kit_image.hpp"
#include "assets/paint.hpp"
#include "assets/recipes.hpp"
#include "sim/field_geometry.hpp"

namespace vantoro::art {

namespace {

constexpr int kWidth = 700;
constexpr int kHeight = 372;
// Drawn twice as large and shrunk, for clean bunker edges.
constexpr int kScale = 2;
constexpr float kS = static_cast<float>(kScale);
// Shapes given in the final picture's pixels.
constexpr BigShapes kBig{kS};

constexpr CellXY kOwnStation = kCellPoints[3];
constexpr CellXY kTheirStation = kCellPoints[59];
constexpr CellXY kCentre = kCellPoints[31];

enum class Ground { Turf, Mud, Woods };

// The middle of a cell, in the final picture's pixels.
Point At(CellXY c) { return {static_cast<float>(c.X), static_cast<float>(c.Y)}; }

// The pixels a bunker blocks, in the large picture: the points strictly
// inside its rectangle are the whole pixels from XLow + 1 up to XHigh - 1.
struct Box {
  float Left, Top, Right, Bottom;
  float Width() const { return Right - Left; }
  float Height() const { return Bottom - Top; }
  bool Long() const { return std::max(Width(), Height()) > 1.5f * std::min(Width(), Height()); }
};

Box BoxOf(const Bunker& b) {
  return {static_cast<float>(b.XLow + 1) * kS, static_cast<float>(b.YLow + 1) * kS,
          static_cast<float>(b.XHigh) * kS, static_cast<float>(b.YHigh) * kS};
}

// ---------------------------------------------------------------- ground

void FillGround(Image& image, Ground g) {
  const Noise coarse(g == Ground::Woods ? 0xF1E1 : 0xF1E0), fine(0xF1E2), light(0xF1E3);
  FillEach(image, [&](float x, float y) {
    const float n = coarse.Fbm(x / 90.0f, y / 90.0f, 4), grain = fine.Value(x / 1.6f, y / 1.6f);
    // Mowing stripes across the field.
    const bool mown = std::fmod(x / (38.0f * kS), 2.0f) < 1.0f;
    switch (g) {
      case Ground::Turf:
        return ToF(Rgb(0x3FA83A)) * ((mown ? 1.0f : 0.9f) * (0.88f + 0.2f * n + 0.08f * grain));
      case Ground::Mud: {
        const ColorF grass = ToF(Rgb(0x2E6A2A)) * ((mown ? 1.0f : 0.92f) * (0.85f + 0.2f * grain));
        const ColorF mud = ToF(Rgb(0x4A3620)) * (0.8f + 0.35f * grain);
        // Dimmed by the low cloud.
        return Lerp(grass, mud, SmoothStep(0.42f, 0.62f, n)) * 0.85f;
      }
      case Ground::Woods: {
        const ColorF dirt = ToF(Rgb(0x4A3820)), litter = ToF(Rgb(0x7A5226)), moss = ToF(Rgb(0x3E4A20));
        ColorF c =
            Lerp(dirt, litter, 0.3f + 0.5f * SmoothStep(0.35f, 0.65f, fine.Fbm(x / 6.0f, y / 6.0f, 3)));
        c = Lerp(c, moss, SmoothStep(0.5f, 0.8f, n) * 0.6f) * (0.85f + 0.25f * grain);
        // Sun through the canopy.
        return c * (0.7f + 0.55f * SmoothStep(0.45f, 0.7f, light.Fbm(x / 70.0f, y / 70.0f, 3)));
      }
    }
    return ColorF{};
  });
}

// Fallen leaves and twigs: flat on the ground, too small to hide behind.
void Litter(Image& image, Random& rng) {
  Field leaves(image.Width, image.Height), twigs(image.Width, image.Height);
  for (int i = 0; i < 1400; ++i) {
    const float x = rng.Range(0.0f, kWidth * kS), y = rng.Range(0.0f, kHeight * kS);
    const float a = rng.Range(0.0f, kPi);
    const float r = rng.Range(1.5f, 3.2f) * kS;
    const float c = std::cos(a) * r, s = std::sin(a) * r;
    const Point leaf[] = {
        {x - c, y - s}, {x - s * 0.4f, y + c * 0.4f}, {x + c, y + s}, {x + s * 0.4f, y - c * 0.4f}};
    FillPolygon(leaves, leaf, rng.Range(0.4f, 0.9f));
  }
  for (int i = 0; i < 90; ++i) {
    const float x = rng.Range(0.0f, kWidth * kS), y = rng.Range(0.0f, kHeight * kS);
    const float a = rng.Range(0.0f, kPi), len = rng.Range(4.0f, 10.0f) * kS;
    ThickLine(twigs, x, y, x + std::cos(a) * len, y + std::sin(a) * len, 0.8f * kS, 0.8f);
  }
  Paint(image, leaves, Rgb(0xB0702A), 0.7f);
  Paint(image, twigs, Rgb(0x3A2814), 0.8f);
}

// Puddles lying in the low parts of the mud, grey with the sky.
void Puddles(Image& image) {
  const Noise low(0xF1E0);
  const Field water = FieldEach(image.Width, image.Height, [&](float x, float y) {
    return SmoothStep(0.7f, 0.73f, low.Fbm(x / 90.0f, y / 90.0f, 4));
  });
  Paint(image, water, Rgb(0x3A3A30), 0.7f);
  AddLight(image, Multiplied(Rim(water, 0, static_cast<int>(2 * kS)), water), Rgb(0x8A949E), 0.35f);
}

// Rain striking the ground: small rings and drops everywhere.
void Rain(Image& image, Random& rng) {
  Field drops(image.Width, image.Height);
  for (int i = 0; i < 700; ++i) {
    const float x = rng.Range(0.0f, kWidth * kS), y = rng.Range(0.0f, kHeight * kS);
    FillCircle(drops, x, y, rng.Range(0.6f, 1.3f) * kS, rng.Range(0.3f, 0.7f));
  }
  AddLight(image, drops, Rgb(0xB8C4D0), 0.45f);
}

// ---------------------------------------------------------------- markings

void Markings(Image& image, Ground g) {
  if (g == Ground::Woods) return;
  // The boundary, then the centre line, dashed.
  const float right = kWidth - 3.0f, bottom = kHeight - 3.0f, cx = static_cast<float>(kCentre.X);
  Field lines(image.Width, image.Height);
  for (const float y : {3.0f, bottom}) kBig.Line(lines, {3.0f, y}, {right, y}, 1.2f);
  for (const float x : {3.0f, right}) kBig.Line(lines, {x, 3.0f}, {x, bottom}, 1.2f);
  for (float y = 6.0f; y < kHeight; y += 16.0f) kBig.Line(lines, {cx, y}, {cx, y + 8.0f}, 1.2f);
  Paint(image, lines, Rgb(0xF4F4EC), g == Ground::Mud ? 0.45f : 0.85f);
}

// A station a team hangs the flag on: a ring painted round a post with a
// pennant in the team's colour.
void Station(Image& image, CellXY cell, Color colour, float side) {
  const Point p = At(cell);
  const Field hole = kBig.Ellipse(image, p, 8.0f, 8.0f);
  Paint(image, Subtracted(kBig.Ellipse(image, p, 10.0f, 10.0f), hole), colour, 0.9f);
  Paint(image, hole, colour, 0.25f);
  Paint(image, kBig.Polygon(image, {{p.X, p.Y - 1.5f}, {p.X + side * 9, p.Y - 4}, {p.X, p.Y - 7}}), colour);
  Paint(image, kBig.Ellipse(image, p, 1.8f, 1.8f), Rgb(0x202020));
}

// Where the flag starts: a white ring with a cross, and the flag waiting in it.
void CentreMark(Image& image, Ground g) {
  const Point c = At(kCentre);
  const auto at = [&c](float dx, float dy) { return Point{c.X + dx, c.Y + dy}; };
  Field mark = Subtracted(kBig.Ellipse(image, c, 9.0f, 9.0f), kBig.Ellipse(image, c, 7.5f, 7.5f));
  kBig.Line(mark, at(-5, 0), at(5, 0), 1.2f);
  kBig.Line(mark, at(0, -5), at(0, 5), 1.2f);
  Paint(image, mark, g == Ground::Woods ? Rgb(0xFFE040) : Rgb(0xF4F4EC), 0.9f);
  Paint(image, kBig.Polygon(image, {at(1, -6), at(7, -5), at(6, -1), at(1, -2)}), Rgb(0xFFD81E));
}

// ---------------------------------------------------------------- bunkers

// Position across the box, 0..1 along both axes.
struct Uv {
  float U, V;
};
Uv UvOf(const Region& r, const Box& b, int x, int y) {
  return {(static_cast<float>(x + r.X) + 0.5f - b.Left) / b.Width(),
          (static_cast<float>(y + r.Y) + 0.5f - b.Top) / b.Height()};
}

Color AirColour(const Bunker& b) {
  const int d = std::abs((b.XLow + b.XHigh) / 2 - kCentre.X);
  return d < 40 || d >= 220 ? Rgb(0xE0302A) : d < 100 ? Rgb(0xFFB81E) : Rgb(0x1E6AE0);
}

// A bunker's body: its rounded box over the shadow it throws down and to
// the right, each pixel the colour `shade` gives for (x, y) and its place
// across the box, and a dark welt round the edge. Returns the box's mask.
template <typename Shade>
Field Body(Region& r, const Box& b, float corner, float shadow, Color welt, float weltOpacity,
           Shade&& shade) {
  const Field mask = RoundedBox(r.Pixels.Width, r.Pixels.Height,
                                {b.Left - r.Origin().X, b.Top - r.Origin().Y}, b.Width(), b.Height(), corner);
  DropShadow(r.Pixels, mask, kScale, 3 * kScale, 4 * kScale, 2 * kScale, shadow);
  PaintEach(r.Pixels, mask, [&](int x, int y) { return shade(x, y, UvOf(r, b, x, y)); });
  Paint(r.Pixels, Subtracted(mask, Eroded(mask, kScale)), welt, weltOpacity);
  return mask;
}

// An inflatable: a tube in segments when long, a pyramid when square, its
// nylon shaded by the light from the upper left.
Field Inflatable(Region& r, const Box& b, Color colour, bool wet) {
  const bool along = b.Width() > b.Height();
  const ColorF base = ToF(colour);
  return Body(r, b, 4.0f * kS, wet ? 0.35f : 0.5f, Rgb(0x101014), 0.6f, [&](int, int, Uv uv) {
    float k;
    if (b.Long()) {
      const float across = along ? uv.V : uv.U, length = along ? b.Width() : b.Height();
      const float pos = (along ? uv.U : uv.V) * length;
      const float count = std::max(std::round(length / (14.0f * kS)), 1.0f);
      const float s = std::fmod(pos / (length / count), 1.0f);
      const float round = std::sin(kPi * Clamp01(across));
      k = 0.55f + 0.5f * round + 0.35f * std::exp(-(across - 0.3f) * (across - 0.3f) * 40.0f);
      k *= 0.75f + 0.25f * std::sin(kPi * s);
    } else {
      // Which face of the pyramid: the one whose edge is nearest.
      const float du = uv.U - 0.5f, dv = uv.V - 0.5f;
      const bool vertical = std::fabs(du) > std::fabs(dv);
      k = vertical ? (du < 0.0f ? 1.05f : 0.72f) : (dv < 0.0f ? 1.2f : 0.6f);
      const float seam = std::fabs(std::fabs(du) - std::fabs(dv));
      k *= 0.8f + 0.2f * SmoothStep(0.0f, 0.05f, seam);
      k *= 0.85f + 0.15f * SmoothStep(0.5f, 0.35f, std::max(std::fabs(du), std::fabs(dv)));
    }
    const ColorF c = base * k;
    return wet ? Lerp(c, ToF(Rgb(0x4A3620)), 0.35f * SmoothStep(0.55f, 1.0f, uv.V)) : c;
  });
}

// Logs side by side along the box's long side, their cut ends showing.
void LogPile(Region& r, const Box& b, std::uint32_t seed) {
  // Square piles are short logs laid across the field.
  const bool along = b.Long() ? b.Width() >= b.Height() : b.Width() < b.Height();
  const float count = std::max(std::round((along ? b.Height() : b.Width()) / (13.0f * kS)), 1.0f);
  const Noise bark(seed);
  Body(r, b, 2.0f * kS, 0.6f, Rgb(0x1A1008), 0.7f, [&](int x, int y, Uv uv) {
    const float across = (along ? uv.V : uv.U) * count, length = along ? uv.U : uv.V;
    const float log = std::floor(across), w = across - log;
    const float round = std::sin(kPi * Clamp01(w));
    const float grain = bark.Fbm((along ? static_cast<float>(x) : static_cast<float>(y)) / (9.0f * kS),
                                 log * 3.0f + w * 4.0f, 3);
    // The pale sawn ends.
    const float ends = std::min(length, 1.0f - length) * (along ? b.Width() : b.Height());
    if (ends < 3.0f * kS) return ToF(Rgb(0xC8A070)) * (0.6f + 0.5f * round);
    return ToF(Rgb(0x9A7C58)) * (0.4f + 0.7f * round * (0.7f + 0.5f * grain));
  });
}

// Steel drums stood on a wooden pallet that fills the box.
void BarrelPallet(Region& r, const Box& b, Random& rng) {
  Body(r, b, 1.0f * kS, 0.6f, Rgb(0x2A1A08), 0.8f, [&](int, int, Uv uv) {
    const float plank = std::fmod(uv.U * b.Width() / (6.0f * kS), 1.0f);
    return ToF(Rgb(0xA07A48)) * (plank < 0.15f ? 0.45f : 0.9f + 0.1f * std::sin(uv.V * 20.0f));
  });
  const Color drums[] = {Rgb(0x2A5A9A), Rgb(0x8A3A1E), Rgb(0x4A5A2A), Rgb(0x2A2A2E)};
  const int across = std::max(static_cast<int>(std::round(b.Width() / (22.0f * kS))), 1);
  const int down = std::max(static_cast<int>(std::round(b.Height() / (22.0f * kS))), 1);
  const float cw = b.Width() / static_cast<float>(across), ch = b.Height() / static_cast<float>(down);
  const float radius = std::min(cw, ch) * 0.47f;
  for (int j = 0; j < down; ++j) {
    for (int i = 0; i < across; ++i) {
      const float cx = b.Left + cw * (static_cast<float>(i) + 0.5f) - static_cast<float>(r.X);
      const float cy = b.Top + ch * (static_cast<float>(j) + 0.5f) - static_cast<float>(r.Y);
      const Field drum = BigShapes{}.Ellipse(r.Pixels, {cx, cy}, radius, radius);
      const Field lid = BigShapes{}.Ellipse(r.Pixels, {cx, cy}, radius * 0.8f, radius * 0.8f);
      const Color colour = drums[rng.Below(4)];
      Paint(r.Pixels, Dilated(drum, 1), Rgb(0x101010), 0.8f);
      Paint(r.Pixels, drum, Lerp(colour, kWhite, 0.15f));
      Paint(r.Pixels, lid, colour);
      ApplyLight(r.Pixels, Bevel(drum, static_cast<int>(2 * kS), -0.5f, -0.7f, 0.5f, 3.0f), drum, 0.5f);
      const Point bung{cx + radius * 0.4f, cy - radius * 0.35f};
      Paint(r.Pixels, BigShapes{}.Ellipse(r.Pixels, bung, radius * 0.12f, radius * 0.12f), Rgb(0x101010));
    }
  }
}

void DrawBunker(Image& image, const Bunker& bunker, Ground g, Random& rng) {
  const Box b = BoxOf(bunker);
  const float margin = 10.0f * kS;
  Region r = Crop(image, b.Left - margin, b.Top - margin, b.Right + margin, b.Bottom + margin);
  if (g == Ground::Woods) {
    if (std::min(b.Width(), b.Height()) >= 40.0f * kS)
      BarrelPallet(r, b, rng);
    else
      LogPile(r, b, rng.Next());
  } else {
    const Field mask = Inflatable(r, b, AirColour(bunker), g == Ground::Mud);
    ApplyLight(r.Pixels, Bevel(mask, static_cast<int>(3 * kS), -0.5f, -0.7f, 0.5f, 3.0f), mask, 0.4f);
  }
  Paste(image, r);
}

// Dried paint on the ground and bunkers, the marks of earlier games.
void OldPaint(Image& image, Random& rng, float opacity) {
  const Color colours[] = {Rgb(0xFFD81E), Rgb(0xFF2A86), Rgb(0x22C8FF), Rgb(0xFF8A1A)};
  std::vector<Field> marks(4, Field(image.Width, image.Height));
  SplatStyle style{.Arms = 7, .Droplets = 5, .Bias = 0.5f};
  for (int i = 0; i < 60; ++i) {
    style.Radius = rng.Range(1.5f, 3.0f) * kS;
    style.Direction = rng.Range(0.0f, 2.0f * kPi);
    Splat(marks[rng.Below(4)], rng, rng.Range(0.0f, kWidth * kS), rng.Range(0.0f, kHeight * kS), style);
  }
  for (int i = 0; i < 4; ++i) Paint(image, marks[i], colours[i], opacity);
}

Image DrawField(Ground g) {
  return Supersampled(kWidth, kHeight, kScale, [g](Image& image) {
    Random rng(0xF1E5 + static_cast<std::uint64_t>(g));
    FillGround(image, g);
    if (g == Ground::Woods) Litter(image, rng);
    if (g == Ground::Mud) Puddles(image);
    Markings(image, g);
    OldPaint(image, rng, g == Ground::Mud ? 0.35f : 0.6f);
    Station(image, kOwnStation, Rgb(0x1E5AE0), 1.0f);
    Station(image, kTheirStation, Rgb(0xE0302A), -1.0f);
    CentreMark(image, g);
    for (const Bunker& b : kBunkers) DrawBunker(image, b, g, rng);
    if (g == Ground::Mud) Rain(image, rng);
    Vignette(image, 0.2f);
  });
}

}  // namespace

// 1 Airball, 2 Airball in the rain, 3 woods.
Image DrawField(FontLibrary& /*fonts*/, int field) {
  return DrawField(field == 1 ? Ground::Turf : field == 2 ? Ground::Mud : Ground::Woods);
}

}  // namespace vantoro::art
