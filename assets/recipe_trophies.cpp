// The four trophies a team can bring home, each standing on the black of
// the trophy cabinet: a bronze medal on its ribbon, a silver cup, a lidded
// gold cup and the grand championship trophy crowned with a paintball.
// Metal is drawn as a relief (how far each pixel stands out) that mirrors
// a studio: bright lamps above and at the sides, a dark floor below. That
// reflection, not the colour, is what makes the metal read as metal.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

#include "assets/art.hpp"
#include "assets/kit_image.hpp"
#include "assets/paint.hpp"
#include "assets/recipes.hpp"

namespace vantoro::art {

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 170;
constexpr float kCentre = 80.0f;
constexpr BigShapes kFlat{1.0f};  // the kit's shapes, drawn at the picture's own size

// ---------------------------------------------------------------- relief

// One part of a trophy in one material.
struct Relief {
  Field Height{kWidth, kHeight};
  Field Cover{kWidth, kHeight};
};

void Put(Relief& r, int x, int y, float height, float cover) {
  if (!r.Cover.Contains(x, y) || cover <= 0.0f) return;
  r.Height(x, y) = std::max(r.Height(x, y), height);
  r.Cover(x, y) = std::max(r.Cover(x, y), Clamp01(cover));
}

// Catmull-Rom through the radii of a profile, for rows between its points:
// smooth curves without the flat bands a straight-segment profile shows.
float ProfileRadius(std::span<const Point> p, float y) {
  if (y <= p.front().Y) return p.front().X;
  if (y >= p.back().Y) return p.back().X;
  std::size_t i = 0;
  while (i + 2 < p.size() && y > p[i + 1].Y) ++i;
  const float t = (y - p[i].Y) / std::max(p[i + 1].Y - p[i].Y, 1e-3f);
  const float r0 = p[i > 0 ? i - 1 : i].X, r1 = p[i].X, r2 = p[i + 1].X;
  const float r3 = p[i + 2 < p.size() ? i + 2 : i + 1].X;
  return std::max(CatmullRom(r0, r1, r2, r3, t), 0.0f);
}

// A body turned on a lathe round the upright through cx: the profile's X is
// the radius at row Y, top to bottom.
void Revolve(Relief& r, float cx, std::span<const Point> profile) {
  const int y0 = static_cast<int>(std::floor(profile.front().Y));
  const int y1 = static_cast<int>(std::ceil(profile.back().Y));
  for (int y = std::max(y0, 0); y < std::min(y1, kHeight); ++y) {
    const float fy = static_cast<float>(y) + 0.5f;
    if (fy < profile.front().Y || fy > profile.back().Y) continue;
    const float radius = ProfileRadius(profile, fy);
    if (radius <= 0.0f) continue;
    for (int x = static_cast<int>(cx - radius) - 1; x <= static_cast<int>(cx + radius) + 1; ++x) {
      const float d = std::fabs(static_cast<float>(x) + 0.5f - cx);
      const float h = std::sqrt(std::max(radius * radius - d * d, 0.0f));
      Put(r, x, y, h, radius - d + 0.5f);
    }
  }
}

// A round bar along a polyline: handles, rings, laurel stems.
void Tube(Relief& r, std::span<const Point> line, float radius, float lift = 0.0f) {
  for (std::size_t i = 0; i + 1 < line.size(); ++i) {
    const Point a = line[i], b = line[i + 1];
    const int x0 = static_cast<int>(std::min(a.X, b.X) - radius) - 1;
    const int x1 = static_cast<int>(std::max(a.X, b.X) + radius) + 1;
    const int y0 = static_cast<int>(std::min(a.Y, b.Y) - radius) - 1;
    const int y1 = static_cast<int>(std::max(a.Y, b.Y) + radius) + 1;
    const float dx = b.X - a.X, dy = b.Y - a.Y, len2 = std::max(dx * dx + dy * dy, 1e-6f);
    for (int y = y0; y <= y1; ++y) {
      for (int x = x0; x <= x1; ++x) {
        const float px = static_cast<float>(x) + 0.5f - a.X, py = static_cast<float>(y) + 0.5f - a.Y;
        const float t = Clamp01((px * dx + py * dy) / len2);
        const float ex = px - t * dx, ey = py - t * dy;
        const float d = std::sqrt(ex * ex + ey * ey);
        Put(r, x, y, std::sqrt(std::max(radius * radius - d * d, 0.0f)) + lift, radius - d + 0.5f);
      }
    }
  }
}

// Points along a cubic Bezier curve on one side of the upright (side -1
// left, 1 right); its control points give their distance out from the
// centre and their row, so one set draws both of a mirrored pair.
std::vector<Point> Bezier(float side, Point a, Point b, Point c, Point d, int steps = 24) {
  for (Point* p : {&a, &b, &c, &d}) p->X = kCentre + side * p->X;
  std::vector<Point> out;
  for (int i = 0; i <= steps; ++i) {
    const float t = static_cast<float>(i) / static_cast<float>(steps), u = 1.0f - t;
    const float k0 = u * u * u, k1 = 3.0f * u * u * t, k2 = 3.0f * u * t * t, k3 = t * t * t;
    out.push_back({k0 * a.X + k1 * b.X + k2 * c.X + k3 * d.X, k0 * a.Y + k1 * b.Y + k2 * c.Y + k3 * d.Y});
  }
  return out;
}

// A block with rounded edges `bevel` pixels wide: plinths and plates.
void Block(Relief& r, float left, float top, float right, float bottom, float bevel) {
  for (int y = static_cast<int>(top); y <= static_cast<int>(bottom); ++y) {
    for (int x = static_cast<int>(left); x <= static_cast<int>(right); ++x) {
      const float fx = static_cast<float>(x) + 0.5f, fy = static_cast<float>(y) + 0.5f;
      const float d = std::min({fx - left, right - fx, fy - top, bottom - fy});
      if (d <= -0.5f) continue;
      const float e = std::min(std::max(d, 0.0f), bevel);
      Put(r, x, y, std::sqrt(std::max(bevel * bevel - (bevel - e) * (bevel - e), 0.0f)), d + 0.5f);
    }
  }
}

// ---------------------------------------------------------------- shading

// A material is the light it reflects, 0..1, from dark to bright.
using Material = Gradient;

// What a mirror-like surface facing the normal sees of the studio: the
// picture is lit by a soft box high on the left, two upright strip lights
// at the sides and a bright ceiling over a dark floor.
float Studio(float nx, float ny, float nz) {
  const float rx = 2.0f * nz * nx, ry = 2.0f * nz * ny, rz = 2.0f * nz * nz - 1.0f;
  const float up = -ry;
  float light = 0.16f + 0.5f * SmoothStep(-0.2f, 0.3f, up);
  const float kx = -0.48f, ky = -0.62f, kz = 0.62f;
  const float key = std::max(rx * kx + ry * ky + rz * kz, 0.0f);
  light += 0.85f * std::pow(key, 28.0f) + 0.22f * std::pow(key, 4.0f);
  const float sr = (rx - 0.8f) / 0.11f, sl = (rx + 0.66f) / 0.12f;
  light += 0.42f * std::exp(-sr * sr) + 0.22f * std::exp(-sl * sl);
  light -= 0.1f * SmoothStep(0.4f, 0.9f, ry);
  return light;
}

void Shade(Image& image, const Relief& r, const Material& m) {
  PaintEach(image, r.Cover, [&](int x, int y) {
    const float gx = (r.Height.Clamped(x + 1, y) - r.Height.Clamped(x - 1, y)) * 0.5f;
    const float gy = (r.Height.Clamped(x, y + 1) - r.Height.Clamped(x, y - 1)) * 0.5f;
    const float inv = 1.0f / std::sqrt(gx * gx + gy * gy + 1.0f);
    return m.SampleF(Studio(-gx * inv, -gy * inv, inv));
  });
}

// The metals share where their tones fall, from the deep shadow through the
// body colour to the lamps' highlights; only the tones differ.
Material Metal(const std::array<std::uint32_t, 6>& tone) {
  return {{0.00f, Rgb(tone[0])}, {0.25f, Rgb(tone[1])}, {0.50f, Rgb(tone[2])},
          {0.72f, Rgb(tone[3])}, {0.90f, Rgb(tone[4])}, {1.00f, Rgb(tone[5])}};
}

const Material kGold = Metal({0x1E0E00, 0x6A3E06, 0xC08A1E, 0xF2C84A, 0xFFEFA8, 0xFFFFF0});
const Material kSilver = Metal({0x101216, 0x434852, 0x8E95A2, 0xC9CFD9, 0xF0F3F8, 0xFFFFFF});
const Material kBronze = Metal({0x1A0A04, 0x5C2C12, 0xA55F2C, 0xDB955A, 0xFFD0A0, 0xFFF4E6});

// Black lacquered wood for the plinths: only the lamps show in it.
const Material kLacquer{
    {0.00f, Rgb(0x000000)}, {0.45f, Rgb(0x0C0B10)}, {0.70f, Rgb(0x24222C)},
    {0.90f, Rgb(0x6A6878)}, {1.00f, Rgb(0xC8C6D4)},
};

// Blocks with rounded edges in one material: plinths, bands and plates.
struct Slab {
  float Left, Top, Right, Bottom, Bevel;
};
void Slabs(Image& image, std::initializer_list<Slab> slabs, const Material& m) {
  Relief r;
  for (const Slab& b : slabs) Block(r, b.Left, b.Top, b.Right, b.Bottom, b.Bevel);
  Shade(image, r, m);
}

// A part turned on the lathe round the trophy's upright, in one material.
void Turned(Image& image, std::span<const Point> profile, const Material& m) {
  Relief r;
  Revolve(r, kCentre, profile);
  Shade(image, r, m);
}

// ---------------------------------------------------------------- pieces

// The black of the cabinet and, under a trophy that stands (poolRx > 0),
// the pool of light round its foot at row poolY.
Image Cabinet(float poolY = 0.0f, float poolRx = 0.0f) {
  Image image(kWidth, kHeight);
  FillRadial(image, kCentre, 80.0f, 100.0f, 110.0f,
             Gradient{{0.0f, Rgb(0x15151D)}, {0.55f, Rgb(0x08080B)}, {1.0f, Rgb(0x000000)}});
  if (poolRx > 0.0f) Glow(image, kFlat.Ellipse(image, {kCentre, poolY}, poolRx, 5.0f), Rgb(0x2A2A34), 4);
  return image;
}

// A glint where a lamp catches an edge: finer than the lettering's, and
// opaque, so that it reads on bright metal.
constexpr GlintStyle kLampGlint{.Width = 1.6f,
                                .Core = 1.3f,
                                .Halo = Rgb(0xFFE9B0),
                                .HaloStrength = 0.9f,
                                .Light = Rgb(0xFFFFF4),
                                .Additive = false};

// The points round the ellipse about the upright at row y, from angle 0 to
// `to` in `steps` steps: a ring, or part of one.
std::vector<Point> Arc(float y, float rx, float ry, float to, int steps) {
  std::vector<Point> ring;
  for (int i = 0; i <= steps; ++i) {
    const float a = to * static_cast<float>(i) / static_cast<float>(steps);
    ring.push_back({kCentre + std::cos(a) * rx, y + std::sin(a) * ry});
  }
  return ring;
}

// The rolled edge of a cup's mouth, round to angle `to` (the front is the
// lower half, angles 0 to pi).
void Lip(Image& image, float y, float rx, float ry, const Material& m, float to) {
  Relief lip;
  Tube(lip, Arc(y, rx, ry, to, 48), 1.6f);
  Shade(image, lip, m);
}

// The inside of a cup seen over its rim: the far wall, in shadow.
void Mouth(Image& image, float y, float rx, float ry, const Material& m) {
  const Field inside = kFlat.Ellipse(image, {kCentre, y}, rx - 1.5f, ry - 0.8f);
  PaintEach(image, inside, [&](int /*x*/, int row) {
    return m.SampleF(0.12f + 0.3f * Clamp01((static_cast<float>(row) - (y - ry)) / (2.0f * ry)));
  });
  Lip(image, y, rx, ry, m, kTau);
}

// A plate on a plinth with a line of engraving.
void Plate(Image& image, FontLibrary& fonts, float left, float top, float right, float bottom,
           const Material& m, std::string_view text) {
  Slabs(image, {{left, top, right, bottom, 1.5f}}, m);
  if (text.empty()) return;
  const Font& font = fonts.Get("Arial", FontSize::Pixels(8), true);
  const Field letters = TextMask(kWidth, kHeight, 0, 0, text, font);
  const Rect ink = InkBounds(letters, 0.3f);
  const int tx = static_cast<int>((left + right) * 0.5f) - font.TextWidth(text) / 2;
  const int ty = static_cast<int>((top + bottom) * 0.5f) - (ink.Bottom - ink.Top) / 2 - ink.Top;
  Paint(image, Shifted(letters, tx, ty), Rgb(0x000000), 0.75f);
}

// ---------------------------------------------------------------- 1: bronze medal

// A striped ribbon strap from `a` down to `b`.
void Strap(Image& image, Point a, Point b, float width, std::span<const Color> stripes) {
  const float dx = b.X - a.X, dy = b.Y - a.Y, len = std::sqrt(dx * dx + dy * dy);
  const float ux = dx / len, uy = dy / len;
  const float half = width * 0.5f;
  BlendEach(image, 0, [&](int x, int y) {
    const float px = static_cast<float>(x) + 0.5f - a.X, py = static_cast<float>(y) + 0.5f - a.Y;
    const float along = px * ux + py * uy, across = -px * uy + py * ux;
    const float cover =
        Clamp01(half - std::fabs(across) + 0.5f) * Clamp01(len - along + 0.5f) * Clamp01(along + 0.5f);
    if (cover <= 0.0f) return Wash{};
    const float s = Clamp01((across + half) / width);
    const auto band =
        std::min(static_cast<std::size_t>(s * static_cast<float>(stripes.size())), stripes.size() - 1);
    // Satin: a sheen down one side of the fold, darker where the strap
    // goes behind the medal.
    const float sheen = 0.82f + 0.3f * std::exp(-((s - 0.3f) / 0.22f) * ((s - 0.3f) / 0.22f));
    const float depth = 1.0f - 0.45f * SmoothStep(len * 0.6f, len, along);
    return Wash{ToF(stripes[band]) * (sheen * depth), cover};
  });
}

Image Medal() {
  Image image = Cabinet();
  const Color stripes[] = {Rgb(0x9A1420), Rgb(0xE8E4DA), Rgb(0x1A3A8A), Rgb(0xE8E4DA), Rgb(0x9A1420)};
  Strap(image, {34.0f, -6.0f}, {86.0f, 70.0f}, 30.0f, stripes);
  Strap(image, {126.0f, -6.0f}, {74.0f, 70.0f}, 30.0f, stripes);
  // A soft shadow the medal throws on the ribbon.
  GroundShadow(image, kCentre + 3.0f, 114.0f, 46.0f, 46.0f, 4, 0.6f);

  constexpr float kCy = 112.0f, kR = 45.0f;
  // The hanging loop.
  Relief loop;
  Tube(loop, Arc(64.0f, 7.0f, 6.0f, kTau, 32), 2.4f);
  Block(loop, kCentre - 6.0f, 66.0f, kCentre + 6.0f, 74.0f, 3.0f);
  Shade(image, loop, kBronze);

  // The face: a raised rim, a field with a ring of beads and, struck in
  // the middle, a star.
  std::vector<Point> star;
  for (int i = 0; i < 10; ++i) {
    const float a = -0.5f * kPi + kPi * static_cast<float>(i) / 5.0f;
    const float rr = i % 2 == 0 ? 21.0f : 8.5f;
    star.push_back({kCentre + std::cos(a) * rr, kCy + 2.0f + std::sin(a) * rr});
  }
  Field emboss = kFlat.Polygon(kWidth, kHeight, star);
  for (const Point p : Arc(kCy, kR - 11.0f, kR - 11.0f, kTau, 24)) FillCircle(emboss, p.X, p.Y, 1.7f);
  BoxBlur(emboss, 1, 1);
  Relief face;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const float dx = static_cast<float>(x) + 0.5f - kCentre, dy = static_cast<float>(y) + 0.5f - kCy;
      const float d = std::sqrt(dx * dx + dy * dy);
      const float h =
          d > kR - 7.0f ? 2.0f + 4.0f * std::sin(kPi * Clamp01((d - (kR - 7.0f)) / 7.5f) * 0.5f + 0.5f * kPi)
                        : 2.0f + 3.0f * emboss(x, y);
      Put(face, x, y, h + 3.0f * std::sqrt(Clamp01(1.0f - d / (kR + 0.5f))), kR - d + 0.5f);
    }
  }
  Shade(image, face, kBronze);
  Glint(image, kCentre - 27.0f, kCy - 24.0f, 6.0f, kLampGlint);
  return image;
}

// ---------------------------------------------------------------- 2: silver cup

Image SilverCup(FontLibrary& fonts) {
  Image image = Cabinet(160.0f, 60.0f);

  Slabs(image, {{34.0f, 128.0f, 126.0f, 160.0f, 3.0f}, {40.0f, 122.0f, 120.0f, 130.0f, 2.0f}}, kLacquer);
  Plate(image, fonts, 52.0f, 137.0f, 108.0f, 152.0f, kSilver, "RUNNER-UP");

  Relief handles;
  for (const float side : {-1.0f, 1.0f})
    Tube(handles, Bezier(side, {34, 36}, {66, 30}, {62, 72}, {20, 80}), 3.6f);
  Shade(image, handles, kSilver);

  const Point body[] = {{40, 26},   {40.5f, 32}, {38.5f, 46}, {33, 60}, {24, 72},  {13, 80},  {6.5f, 86},
                        {5.5f, 92}, {9, 96},     {5, 100},    {6, 108}, {13, 114}, {24, 119}, {27, 122}};
  Turned(image, body, kSilver);
  Mouth(image, 26.0f, 40.0f, 7.0f, kSilver);
  Glint(image, 58.0f, 44.0f, 7.0f, kLampGlint);
  return image;
}

// ---------------------------------------------------------------- 3: gold cup

Image GoldCup(FontLibrary& fonts) {
  Image image = Cabinet(164.0f, 66.0f);

  Slabs(image, {{26.0f, 142.0f, 134.0f, 166.0f, 3.0f}, {36.0f, 128.0f, 124.0f, 144.0f, 3.0f}}, kLacquer);
  Slabs(image, {{26.0f, 141.0f, 134.0f, 144.0f, 1.2f}}, kGold);
  Plate(image, fonts, 50.0f, 148.0f, 110.0f, 161.0f, kGold, "WINNERS");

  // Scrolled handles, each with a curl at its top.
  Relief handles;
  for (const float side : {-1.0f, 1.0f}) {
    Tube(handles, Bezier(side, {40, 48}, {74, 40}, {70, 92}, {20, 98}), 3.8f);
    Tube(handles, Bezier(side, {52, 44.5f}, {60, 34}, {70, 42}, {64, 50}, 12), 2.6f);
  }
  Shade(image, handles, kGold);

  // With a bead moulding round the waist of the bowl.
  const Point body[] = {{44, 44}, {45, 50},  {43.5f, 62}, {41, 68}, {42.5f, 70.5f}, {39, 73},
                        {36, 80}, {25, 92},  {13, 99},    {7, 104}, {10, 108},      {6, 112},
                        {7, 118}, {16, 123}, {27, 126},   {30, 129}};
  Turned(image, body, kGold);

  // The lid, a dome with a finial.
  const Point lid[] = {{2, 14}, {5, 16}, {3, 20}, {8, 25}, {22, 30}, {36, 36}, {44, 41}, {46, 44}, {44, 46}};
  Turned(image, lid, kGold);
  const Point finial[] = {{0.5f, 4}, {5.5f, 6}, {7, 10}, {5.5f, 14}, {2, 16}};
  Turned(image, finial, kGold);

  Glint(image, 56.0f, 58.0f, 8.0f, kLampGlint);
  Glint(image, 66.0f, 32.0f, 5.0f, kLampGlint);
  return image;
}

// ---------------------------------------------------------------- 4: grand trophy

// A laurel branch: leaves along a curve, each leaf a raised almond.
void Laurel(Relief& r, std::span<const Point> stem, float side) {
  Tube(r, stem, 1.3f, 6.0f);
  for (std::size_t i = 1; i + 1 < stem.size(); ++i) {
    const Point p = stem[i], q = stem[i + 1];
    const float dx = q.X - p.X, dy = q.Y - p.Y, len = std::max(std::sqrt(dx * dx + dy * dy), 1e-3f);
    const float ux = dx / len, uy = dy / len;
    for (const float out : {1.0f, -1.0f}) {
      // Leaves point up the stem and away from it.
      const float lx = ux * 0.7f + (-uy) * out * 0.7f * side, ly = uy * 0.7f + ux * out * 0.7f * side;
      const float size = 10.0f - 3.0f * static_cast<float>(i) / static_cast<float>(stem.size());
      const float w = size * 0.34f;
      const Point leaf[] = {{p.X, p.Y},
                            {p.X + lx * size * 0.5f + ly * w, p.Y + ly * size * 0.5f - lx * w},
                            {p.X + lx * size, p.Y + ly * size},
                            {p.X + lx * size * 0.5f - ly * w, p.Y + ly * size * 0.5f + lx * w}};
      const Field m = kFlat.Polygon(kWidth, kHeight, leaf);
      for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
          if (m(x, y) > 0.0f) Put(r, x, y, 6.0f + 1.8f * m(x, y), m(x, y));
    }
  }
}

Image GrandTrophy(FontLibrary& fonts) {
  Image image = Cabinet(165.0f, 74.0f);

  Slabs(image, {{14.0f, 146.0f, 146.0f, 167.0f, 3.0f}, {30.0f, 124.0f, 130.0f, 148.0f, 3.0f}}, kLacquer);
  Slabs(image, {{14.0f, 145.0f, 146.0f, 148.0f, 1.2f}, {30.0f, 123.0f, 130.0f, 126.0f, 1.2f}}, kGold);
  Plate(image, fonts, 44.0f, 150.0f, 116.0f, 163.0f, kGold, "CHAMPIONS");
  Plate(image, fonts, 60.0f, 130.0f, 100.0f, 142.0f, kGold, "");

  // Column: a fluted upright on a stepped foot, with collars.
  const Point column[] = {{16, 56},  {9, 60},  {7, 64},   {11, 68},  {7.5f, 72}, {7.5f, 96},
                          {11, 100}, {8, 104}, {10, 108}, {18, 114}, {27, 118},  {30, 122}};
  Relief stand;
  Revolve(stand, kCentre, column);
  // Flutes: grooves down the shaft.
  for (int y = 73; y < 96; ++y)
    for (int x = 72; x < 89; ++x) {
      const float d = (static_cast<float>(x) + 0.5f - kCentre) / 7.5f;
      if (std::fabs(d) < 1.0f) stand.Height(x, y) -= 0.9f * (0.5f + 0.5f * std::cos(std::asin(d) * 9.0f));
    }
  Shade(image, stand, kGold);

  // Laurel branches rising either side of the column.
  Relief laurel;
  for (const float side : {-1.0f, 1.0f})
    Laurel(laurel, Bezier(side, {4, 114}, {40, 110}, {44, 76}, {24, 58}, 14), side);
  Shade(image, laurel, kGold);

  // The cup that holds the ball.
  const Point holder[] = {{20, 38}, {20.5f, 41}, {17, 48}, {11, 53}, {15, 56}};
  Turned(image, holder, kGold);
  Mouth(image, 38.0f, 20.0f, 4.0f, kGold);

  // The paintball, the one splash of colour, sitting proud in its cup.
  Glow(image, kFlat.Ellipse(image, {kCentre, 24.0f}, 16.0f, 16.0f), Rgb(0x1A50FF), 8, 0.35f);
  Paintball(image, kCentre, 24.0f, 16.0f, Rgb(0x2A78FF));
  Lip(image, 38.0f, 20.0f, 4.0f, kGold, kPi);

  for (const auto [x, y, size] :
       {std::array{70.0f, 112.0f, 6.0f}, {93.0f, 14.0f, 6.0f}, {48.0f, 86.0f, 4.0f}})
    Glint(image, x, y, size, kLampGlint);
  return image;
}

}  // namespace

Image DrawTrophy(FontLibrary& fonts, int kind) {
  switch (kind) {
    case 1: return Medal();
    case 2: return SilverCup(fonts);
    case 3: return GoldCup(fonts);
    default: return GrandTrophy(fonts);
  }
}

}  // namespace vantoro::art
