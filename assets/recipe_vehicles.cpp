// The four vehicles the team can own, each in profile in a dark showroom:
// the little Usari hatchback, the round Beadle, the low Mashurati saloon
// and the big Fjord van that carries the whole squad's gear. The outline
// alone tells them apart, so each is drawn from its own silhouette; paint,
// glass, lamps and wheels are shared. Drawn at twice the size and shrunk,
// which keeps door gaps, spokes and trim clean.

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

#include "assets/art.hpp"
#include "assets/kit_image.hpp"
#include "assets/paint.hpp"
#include "assets/recipes.hpp"

namespace vantoro::art {

namespace {

constexpr int kWidth = 247;
constexpr int kHeight = 185;
constexpr int kScale = 2;
constexpr int kBigW = kWidth * kScale;
constexpr int kBigH = kHeight * kScale;
constexpr float kS = static_cast<float>(kScale);
constexpr BigShapes kBig{kS};
constexpr float kGround = 154.0f;  // where the tyres touch the floor

// Every coordinate below is given in the final picture's pixels.

// Tightens every corner of a polygon to about `radius`: each corner gives
// way to two points on its edges, so the curve through them turns quickly.
std::vector<Point> Tightened(std::span<const Point> corners, float radius) {
  std::vector<Point> out;
  const std::size_t n = corners.size();
  for (std::size_t i = 0; i < n; ++i) {
    const Point prev = corners[(i + n - 1) % n], at = corners[i], next = corners[(i + 1) % n];
    const auto toward = [&](Point to) {
      const float dx = to.X - at.X, dy = to.Y - at.Y;
      const float len = std::max(std::sqrt(dx * dx + dy * dy), 1e-3f);
      const float k = std::min(radius, len * 0.4f) / len;
      return Point{at.X + dx * k, at.Y + dy * k};
    };
    out.insert(out.end(), {toward(prev), toward(next)});
  }
  return out;
}

// The mask inside a closed curve through the control points: body outlines
// and windows with rounded corners where the points are sparse and crisp ones
// where they crowd together. The centripetal Catmull-Rom form never
// overshoots at a corner between a long and a short edge.
Field Shape(std::span<const Point> ctrl, int steps = 8) {
  std::vector<Point> out;
  const std::size_t n = ctrl.size();
  const auto knot = [](Point a, Point b) {
    const float dx = b.X - a.X, dy = b.Y - a.Y;
    return std::max(std::sqrt(std::sqrt(dx * dx + dy * dy)), 1e-3f);
  };
  const auto mix = [](Point a, Point b, float ta, float tb, float t) {
    const float k = (t - ta) / (tb - ta);
    return Point{a.X + (b.X - a.X) * k, a.Y + (b.Y - a.Y) * k};
  };
  for (std::size_t i = 0; i < n; ++i) {
    const Point p0 = ctrl[(i + n - 1) % n], p1 = ctrl[i], p2 = ctrl[(i + 1) % n], p3 = ctrl[(i + 2) % n];
    const float t0 = 0.0f, t1 = t0 + knot(p0, p1), t2 = t1 + knot(p1, p2), t3 = t2 + knot(p2, p3);
    for (int s = 0; s < steps; ++s) {
      const float t = t1 + (t2 - t1) * static_cast<float>(s) / static_cast<float>(steps);
      const Point a1 = mix(p0, p1, t0, t1, t), a2 = mix(p1, p2, t1, t2, t), a3 = mix(p2, p3, t2, t3, t);
      const Point b1 = mix(a1, a2, t0, t2, t), b2 = mix(a2, a3, t1, t3, t);
      out.push_back(mix(b1, b2, t1, t2, t));
    }
  }
  return kBig.Polygon(kBigW, kBigH, out);
}

// ---------------------------------------------------------------- the vehicles

// A wheel's rim: the share of the wheel it fills, its spokes (or the holes
// of a pressed steel wheel) and the metal, from shadow to lit.
struct Rim {
  float Size;
  int Spokes;
  float HoleIn, HoleOut;  // where along the rim's radius the holes run
  float Wave;             // a hole where cos(angle x spokes) passes this...
  bool Above;             // ...going up, or going down
  Color Dark, Lit;
};

struct Vehicle {
  std::vector<Point> Body;                // the side outline, round the car
  std::vector<std::vector<Point>> Glass;  // side windows
  std::vector<float> Pillars;             // x of the upright posts between windows
  float PillarWidth;
  float GlassCorners = 0.0f;  // > 0: windows are rectangles with corners this round
  std::vector<float> Axles;   // x of each wheel
  float WheelR;
  Rim Rims;
  // The body's lines, from the top down: under the windows, the shoulder
  // that catches the light, and the bottom of the doors.
  float Belt, Crease, Sill;
  Color Paint;
  std::vector<std::vector<Point>> Doors;  // panel gaps
  std::vector<Point> Handles;
  std::vector<Point> Headlamp, Taillamp;
  std::vector<Point> FrontBumper, RearBumper;
  bool BlackTrim;  // plastic bumpers and strips instead of chrome
  Point Mirror;
  // Set by Fitted: the livery, drawn in the outline's own coordinates, is
  // moved the same way.
  float FitScale = 1.0f, FitFromX = 0.0f, FitToX = 0.0f;
  Point Map(Point p) const {
    return {FitToX + (p.X - FitFromX) * FitScale, kGround - (kGround - p.Y) * FitScale};
  }
};

// The picture leaves this much showroom either side of a vehicle.
constexpr float kMargin = 18.0f;

// A vehicle too long for the picture, shrunk about the floor under its
// middle until it clears both edges by the margin; one that fits is only
// centred if it would touch the margin.
Vehicle Fitted(Vehicle v) {
  float left = v.Body.front().X, right = left;
  for (const auto* outline : {&v.Body, &v.FrontBumper, &v.RearBumper, &v.Headlamp, &v.Taillamp})
    for (const Point& p : *outline) {
      left = std::min(left, p.X);
      right = std::max(right, p.X);
    }
  if (left >= kMargin && right <= kWidth - kMargin) return v;
  v.FitScale = std::min((kWidth - 2.0f * kMargin) / (right - left), 1.0f);
  v.FitFromX = (left + right) * 0.5f;
  v.FitToX = kWidth * 0.5f;
  for (auto* points : {&v.Body, &v.Handles, &v.Headlamp, &v.Taillamp, &v.FrontBumper, &v.RearBumper})
    for (Point& p : *points) p = v.Map(p);
  for (auto* outlines : {&v.Glass, &v.Doors})
    for (auto& points : *outlines)
      for (Point& p : points) p = v.Map(p);
  v.Mirror = v.Map(v.Mirror);
  for (float& x : v.Pillars) x = v.Map({x, 0.0f}).X;
  for (float& x : v.Axles) x = v.Map({x, 0.0f}).X;
  for (float* size : {&v.PillarWidth, &v.GlassCorners, &v.WheelR}) *size *= v.FitScale;
  for (float* y : {&v.Belt, &v.Crease, &v.Sill}) *y = v.Map({0.0f, *y}).Y;
  return v;
}

// Item 1 first: the Usari on pressed steel wheels and black plastic trim,
// the Beadle on classic spokes, the Mashurati on wide sport spokes and the
// Fjord van, its glass in rounded rectangles.
// clang-format off
const Vehicle kVehicles[] = {
    {.Body = {{48, 147}, {45, 140},  {45, 128},  {47, 121},  {52, 118},  {70, 116},
              {92, 113}, {104, 97},  {110, 91},  {118, 89},  {164, 88},  {176, 89},
              {184, 93}, {190, 104}, {194, 114}, {197, 124}, {197, 140}, {194, 147}},
     .Glass = {{{96, 112}, {108, 95}, {114, 92}, {136, 91}, {136, 112}},
               {{141, 112}, {141, 91}, {163, 91}, {174, 93}, {181, 104}, {184, 112}}},
     .Pillars = {138.5f}, .PillarWidth = 4.5f, .Axles = {72.0f, 170.0f}, .WheelR = 15.0f,
     .Rims = {0.58f, 5, 0.45f, 0.7f, 0.75f, true, Rgb(0x2A2C30), Rgb(0x8A8C92)},
     .Belt = 113.0f, .Crease = 119.0f, .Sill = 144.0f, .Paint = Rgb(0xA7A27A),
     .Doors = {{{95, 113}, {93, 128}, {95, 143}}, {{139, 113}, {139, 143}}, {{186, 96}, {193, 123}}},
     .Handles = {{127, 118}},
     .Headlamp = {{45, 121}, {53, 120}, {53, 126}, {45, 127}},
     .Taillamp = {{190, 104}, {195, 112}, {196, 122}, {191, 122}},
     .FrontBumper = {{44, 129}, {58, 129}, {58, 134}, {44, 135}},
     .RearBumper = {{184, 128}, {198, 128}, {198, 134}, {184, 134}},
     .BlackTrim = true, .Mirror = {97, 112}},
    {.Body = {{42, 147}, {38, 140},  {38, 127},  {42, 120},  {52, 115},  {80, 111},
              {96, 108}, {108, 92},  {118, 84},  {132, 81},  {156, 81},  {172, 85},
              {186, 96}, {196, 108}, {202, 117}, {204, 128}, {203, 141}, {198, 147}},
     .Glass = {{{101, 108}, {112, 93}, {121, 87}, {132, 85}, {147, 85}, {147, 108}},
               {{152, 108}, {152, 85}, {158, 85}, {170, 89}, {180, 98}, {187, 108}}},
     .Pillars = {149.5f}, .PillarWidth = 4.0f, .Axles = {68.0f, 174.0f}, .WheelR = 16.0f,
     .Rims = {0.64f, 8, 0.5f, 0.76f, 0.55f, true, Rgb(0x5A5E68), Rgb(0xE4E8EE)},
     .Belt = 109.0f, .Crease = 116.0f, .Sill = 144.0f, .Paint = Rgb(0x2F7FCC),
     .Doors = {{{99, 109}, {97, 126}, {99, 143}}, {{150, 109}, {151, 127}, {149, 143}}},
     .Handles = {{140, 115}},
     .Headlamp = {{38, 118}, {44, 116}, {47, 120}, {45, 126}, {39, 126}},
     .Taillamp = {{197, 110}, {202, 116}, {203, 123}, {198, 122}},
     .FrontBumper = {{36, 131}, {56, 131}, {56, 135}, {36, 135}},
     .RearBumper = {{188, 131}, {205, 131}, {205, 135}, {188, 135}},
     .BlackTrim = false, .Mirror = {102, 107}},
    {.Body = {{20, 146},  {15, 139},  {14, 131},  {16, 125},  {26, 120},  {60, 115},
              {96, 112},  {116, 101}, {132, 95},  {146, 93},  {166, 93},  {184, 98},
              {204, 106}, {222, 109}, {229, 110}, {231, 118}, {232, 134}, {228, 145}},
     .Glass = {{{102, 111}, {118, 101}, {132, 97}, {150, 96}, {150, 111}},
               {{155, 111}, {155, 96}, {167, 96}, {183, 100}, {196, 107}, {199, 111}}},
     .Pillars = {152.5f}, .PillarWidth = 4.0f, .Axles = {53.0f, 192.0f}, .WheelR = 17.5f,
     .Rims = {0.74f, 5, 0.3f, 0.9f, 0.2f, false, Rgb(0x5A5E68), Rgb(0xE4E8EE)},
     .Belt = 112.0f, .Crease = 118.0f, .Sill = 143.0f, .Paint = Rgb(0xC41C26),
     .Doors = {{{99, 112}, {97, 128}, {99, 141}}, {{153, 112}, {153, 141}},
               {{199, 112}, {197, 125}, {189, 131}}},
     .Handles = {{140, 117}, {188, 116}},
     .Headlamp = {{15, 124}, {26, 120}, {38, 119}, {36, 123}, {20, 127}},
     .Taillamp = {{220, 110}, {230, 111}, {231, 117}, {222, 116}},
     .FrontBumper = {{13, 136}, {30, 137}, {30, 139}, {14, 139}},
     .RearBumper = {{216, 136}, {232, 135}, {231, 138}, {216, 139}},
     .BlackTrim = false, .Mirror = {106, 109}},
    {.Body = {{14, 147}, {9, 140}, {9, 124},  {11, 114}, {18, 109}, {46, 103},  {58, 88},   {68, 70},
              {74, 62},  {84, 57}, {222, 56}, {231, 58}, {235, 66}, {236, 100}, {236, 140}, {232, 147}},
     .Glass = {{{64, 102}, {74, 81}, {82, 67}, {88, 63}, {112, 63}, {112, 102}},
               {{119, 63}, {164, 63}, {164, 98}, {119, 98}},
               {{171, 63}, {226, 63}, {230, 68}, {230, 98}, {171, 98}}},
     .Pillars = {115.5f, 167.5f}, .PillarWidth = 6.0f, .GlassCorners = 3.0f,
     .Axles = {50.0f, 192.0f}, .WheelR = 17.0f,
     .Rims = {0.64f, 6, 0.35f, 0.82f, -0.2f, false, Rgb(0x5A5E68), Rgb(0xE4E8EE)},
     .Belt = 103.0f, .Crease = 110.0f, .Sill = 143.0f, .Paint = Rgb(0xD4D8DE),
     .Doors = {{{62, 104}, {62, 142}}, {{116, 62}, {116, 142}}, {{168, 62}, {168, 142}},
               {{120, 101}, {166, 101}}},
     .Handles = {{106, 109}, {122, 109}},
     .Headlamp = {{9, 112}, {18, 109}, {28, 108}, {26, 115}, {10, 118}},
     .Taillamp = {{231, 76}, {235, 76}, {235, 104}, {231, 104}},
     .FrontBumper = {{8, 128}, {30, 128}, {30, 134}, {8, 135}},
     .RearBumper = {{220, 130}, {237, 130}, {237, 137}, {220, 137}},
     .BlackTrim = true, .Mirror = {66, 100}},
};
// clang-format on

// ---------------------------------------------------------------- showroom

void DrawShowroom(Image& image) {
  // A back wall in shadow and a floor that catches a spotlight.
  const float floorTop = 118.0f * kS;
  FillEach(image, [&](int x, int y) {
    const float fx = static_cast<float>(x), fy = static_cast<float>(y);
    const float spot = Falloff(fx, fy, 122.0f * kS, 120.0f * kS, 150.0f * kS, 110.0f * kS, 1.6f);
    const ColorF c = fy < floorTop
                         ? Lerp(ToF(Rgb(0x07080D)), ToF(Rgb(0x161A26)), fy / floorTop)
                         : Lerp(ToF(Rgb(0x1A1D28)), ToF(Rgb(0x08090D)), (fy - floorTop) / (kBigH - floorTop));
    return c + ToF(Rgb(0x262C40)) * spot * 0.7f;
  });
}

// ---------------------------------------------------------------- wheels

void DrawWheel(Image& image, float cx, float cy, float r, const Rim& rims) {
  const float bx = cx * kS, by = cy * kS, br = r * kS;
  const float rim = br * rims.Size;
  BlendEach(image, 0, [&](int x, int y) {
    const float dx = static_cast<float>(x) + 0.5f - bx, dy = static_cast<float>(y) + 0.5f - by;
    const float d = std::sqrt(dx * dx + dy * dy);
    // Rubber: dark, with a soft sheen on the upper shoulder of the tyre.
    const float s = (d - br * 0.86f) / (br * 0.08f), shoulder = std::exp(-s * s);
    ColorF c = ToF(Rgb(0x131316)) + ToF(Rgb(0x2A2A30)) * (shoulder * Clamp01(-dy / br + 0.3f));
    if (d < rim) {
      const float u = d / rim;
      // Light falls from the upper left onto the dished rim.
      const float lit = Clamp01(0.55f - 0.35f * (dx + dy) / (rim * 1.4f));
      ColorF metal = Lerp(ToF(rims.Dark), ToF(rims.Lit), lit);
      // Spokes (or the holes of a pressed steel wheel) by angle.
      const float wave = std::cos(std::atan2(dy, dx) * static_cast<float>(rims.Spokes));
      if (u > rims.HoleIn && u < rims.HoleOut && (rims.Above ? wave > rims.Wave : wave < rims.Wave))
        metal = ToF(Rgb(0x0A0A0C)) + ToF(Rgb(0x3A2418)) * 0.3f * Clamp01(1.0f - u);
      // A bright lip round the rim and a hub cap in the middle.
      if (u > 0.9f) metal = metal * 0.75f + ToF(Rgb(0xC8CCD4)) * (0.35f * lit);
      if (u < 0.22f) metal = Lerp(ToF(Rgb(0x6A6E78)), ToF(Rgb(0xF0F2F6)), Clamp01(lit + 0.1f));
      c = Lerp(c, metal, Clamp01(rim - d + 0.5f));
    }
    return Wash{c, Clamp01(br - d + 0.5f)};
  });
}

// ---------------------------------------------------------------- body

void DrawBody(Image& image, const Vehicle& v) {
  Field body = Shape(v.Body);
  // Wheel arches cut out of the body, with the dark well behind the tyre.
  Field arches(kBigW, kBigH), wells(kBigW, kBigH);
  for (const float wx : v.Axles) {
    FillCircle(arches, wx * kS, (kGround - v.WheelR) * kS, (v.WheelR + 3.0f) * kS);
    FillCircle(wells, wx * kS, (kGround - v.WheelR) * kS, (v.WheelR + 2.2f) * kS);
  }
  Paint(image, Multiplied(wells, body), Rgb(0x050506));
  body = Subtracted(body, arches);
  for (const float wx : v.Axles) DrawWheel(image, wx, kGround - v.WheelR, v.WheelR, v.Rims);

  // The paint: light above the shoulder, falling off towards the sills,
  // with a crisp bright line where the shoulder turns.
  const ColorF paint = ToF(v.Paint);
  const float belt = v.Belt * kS, crease = v.Crease * kS, sill = v.Sill * kS;
  PaintEach(image, body, [&](int /*x*/, int y) {
    const float fy = static_cast<float>(y) + 0.5f;
    const float k = fy < belt     ? 1.12f
                    : fy < crease ? 1.2f - 0.1f * (fy - belt) / std::max(crease - belt, 1.0f)
                                  : 0.98f - 0.45f * SmoothStep(crease, sill + 4.0f * kS, fy);
    const float line = (fy - crease) / (1.2f * kS);
    return paint * k + ColorF{1, 1, 1} * (0.28f * std::exp(-line * line));
  });
  // Rounded panels: the silhouette's edges turn away from the light.
  ApplyLight(image, Bevel(body, 7 * kScale, -0.4f, -0.8f, 0.45f, 3.0f), body, 0.55f);
  // A soft spotlight streak along the flank.
  const float mid = (v.Body.front().X + v.Body.back().X) * 0.5f;
  Field streak = kBig.Ellipse(image, {mid - 10.0f, v.Crease + 7.0f}, 50.0f, 3.0f);
  BoxBlur(streak, 4 * kScale);
  AddLight(image, Multiplied(streak, body), Rgb(0xFFFFFF), 0.35f);

  // Bumpers and trim.
  const Color trim = v.BlackTrim ? Rgb(0x1A1B1F) : Rgb(0xB8BCC6);
  const Field fuller = Dilated(body, kScale);
  for (const auto* b : {&v.FrontBumper, &v.RearBumper})
    PaintRounded(image, Multiplied(Shape(*b, 4), fuller), trim, kScale, {-0.3f, -0.9f, 0.4f, 3.0f}, 0.5f);

  // Glass with its black rubber surround, the pillars between the windows
  // and a pale slash of reflected sky.
  Field glass(kBigW, kBigH);
  for (const auto& pane : v.Glass)
    Maximize(glass, v.GlassCorners > 0.0f ? Shape(Tightened(pane, v.GlassCorners), 4) : Shape(pane, 4));
  const Field surround = Dilated(glass, 3 * kScale / 2);
  Paint(image, surround, Rgb(0x0C0D10));
  PaintVertical(image, glass, Gradient{{0.0f, Rgb(0x5A6A80)}, {0.5f, Rgb(0x26303E)}, {1.0f, Rgb(0x12161E)}},
                static_cast<float>(InkBounds(glass).Top), v.Belt * kS);
  // Both are bands down to the belt line from `top` above it, their
  // corners that far either side of x, clockwise from the top left.
  const auto band = [&](Field& f, float top, float x, float a, float b, float c, float d) {
    const float high = v.Belt - top, low = v.Belt;
    Maximize(f, kBig.Polygon(image, {{x + a, high}, {x + b, high}, {x + c, low}, {x + d, low}}));
  };
  Field sky(kBigW, kBigH), pillars(kBigW, kBigH);
  for (const auto& pane : v.Glass) band(sky, 40.0f, pane[1].X + 6.0f, 0.0f, 16.0f, 2.0f, -14.0f);
  Paint(image, Multiplied(sky, glass), Rgb(0xA8B8D0), 0.22f);
  const float half = v.PillarWidth * 0.5f;
  for (const float px : v.Pillars) band(pillars, 60.0f, px, -half, half, half, -half);
  Paint(image, Multiplied(pillars, surround), Rgb(0x0A0A0D));

  // Panel gaps: a dark cut with a lit edge beside it.
  Field gaps(kBigW, kBigH), edges(kBigW, kBigH);
  for (const auto& door : v.Doors) {
    for (std::size_t i = 0; i + 1 < door.size(); ++i) {
      kBig.Line(gaps, door[i], door[i + 1], 0.7f);
      kBig.Line(edges, {door[i].X + 0.7f, door[i].Y}, {door[i + 1].X + 0.7f, door[i + 1].Y}, 0.5f);
    }
  }
  Paint(image, Multiplied(Subtracted(edges, gaps), body), Rgb(0xFFFFFF), 0.2f);
  Paint(image, Multiplied(gaps, body), Rgb(0x000000), 0.6f);
  Field handles(kBigW, kBigH);
  for (const Point& h : v.Handles) kBig.Line(handles, {h.X - 4.0f, h.Y}, {h.X + 4.0f, h.Y}, 1.8f);
  Paint(image, handles, v.BlackTrim ? Rgb(0x222328) : Rgb(0xD0D4DC));
  const Field mirror = kBig.Ellipse(image, {v.Mirror.X + 2.0f, v.Mirror.Y - 2.0f}, 4.0f, 2.6f);
  PaintRounded(image, mirror, v.Paint, kScale * 2, {-0.4f, -0.8f, 0.45f, 3.0f}, 0.6f);

  // Lamps, lit.
  const Field head = Shape(v.Headlamp, 4);
  PaintVertical(image, head, Gradient{{0.0f, Rgb(0xFFFFFF)}, {1.0f, Rgb(0xB8C4D4)}},
                static_cast<float>(InkBounds(head).Top), static_cast<float>(InkBounds(head).Bottom));
  Glow(image, head, Rgb(0xBFD8FF), 5 * kScale, 0.5f);
  // A lamp is set into the body, so where the body's corner rounds off
  // the lamp's outline is cut back to it rather than standing proud.
  const Field tail = Multiplied(Shape(v.Taillamp, 4), Eroded(body, 1));
  Paint(image, tail, Rgb(0xC0101A));
  Glow(image, tail, Rgb(0xFF2020), 4 * kScale, 0.45f);
}

// The team's livery on the van's flank: a stripe and a splat of paint.
void DrawLivery(Image& image, const Vehicle& v) {
  Random rng(0xF70D);
  const Field body = Shape(v.Body);
  const Field stripe =
      kBig.Polygon(image, {v.Map({9, 113}), v.Map({236, 113}), v.Map({236, 118}), v.Map({9, 118})});
  Paint(image, Multiplied(stripe, body), Rgb(0x1E4AB0));
  Field splat(kBigW, kBigH);
  const Point at = v.Map({142.0f, 126.0f});
  Splat(splat, rng, at.X * kS, at.Y * kS,
        {.Radius = 11.0f * kS * v.FitScale, .Arms = 10, .Droplets = 10, .Direction = 3.1f, .Bias = 0.6f});
  WetPaint(image, Multiplied(splat, Eroded(body, kScale)), Rgb(0xFF2A86), 2 * kScale, 0.6f);
}

// The car mirrored in the polished floor, fading with distance.
void Reflect(Image& image, const Field& carMask) {
  const Image car = image;
  const int ground = static_cast<int>(kGround * kS);
  BlendEach(image, ground, [&](int x, int y) {
    const int src = 2 * ground - y - 1;
    const float fade = 0.22f * (1.0f - static_cast<float>(y - ground) / (34.0f * kS));
    return Wash{Unpack(car.Pixels[car.Index(x, src)]), carMask(x, src) * fade};
  });
}

}  // namespace

Image DrawVehicle(FontLibrary& /*fonts*/, int vehicle) {
  const Vehicle v = Fitted(kVehicles[vehicle >= 1 && vehicle <= 3 ? vehicle - 1 : 3]);
  return Supersampled(kWidth, kHeight, kScale, [&](Image& image) {
    DrawShowroom(image);
    // The shadow on the floor, darkest under the tyres.
    const float front = v.Body.front().X, back = v.Body.back().X;
    Field shadow = kBig.Ellipse(image, {(front + back) * 0.5f, kGround}, (back - front) * 0.55f, 6.0f);
    for (const float wx : v.Axles)
      Maximize(shadow, kBig.Ellipse(image, {wx, kGround}, v.WheelR * 0.8f, 2.0f));
    SoftShadow(image, shadow, 3 * kScale, 0.85f);

    DrawBody(image, v);
    if (vehicle == 4) DrawLivery(image, v);
    Field mask = Shape(v.Body);
    for (const float wx : v.Axles) FillCircle(mask, wx * kS, (kGround - v.WheelR) * kS, v.WheelR * kS);
    Reflect(image, mask);
  });
}

}  // namespace vantoro::art
