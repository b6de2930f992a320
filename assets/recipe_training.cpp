// The training page's drills, each on the team's practice field behind the
// clubhouse: laps round the field, target practice at boards, moving from
// bunker to bunker, and sprints between cones.

#include <algorithm>
#include <cstdint>
#include <span>

#include "assets/art.hpp"
#include "assets/kit_image.hpp"
#include "assets/kit_person.hpp"
#include "assets/paint.hpp"
#include "assets/recipes.hpp"

namespace vantoro::art {

namespace {

constexpr int kWidth = 270;
constexpr int kHeight = 200;
// Drawn twice as large and shrunk: the players' masks are small.
constexpr float kS = 2.0f;
constexpr BigShapes kBig{kS};

// Practice tops: what the squad wears when the good jerseys stay in the bag.
constexpr Kit kBib{
    .Jersey = Rgb(0xE8E4DA), .Trim = Rgb(0x1E5AE0), .Pants = Rgb(0x2A2E38), .Wrap = Rgb(0x1E5AE0)};
constexpr Kit kGrey{
    .Jersey = Rgb(0x5A6270), .Trim = Rgb(0xFF8A1A), .Pants = Rgb(0x22242A), .Wrap = Rgb(0xFF8A1A)};

// ---------------------------------------------------------------- poses

// Figure pixels of a player 75 pixels tall, feet at 0 (see SideOn).
// The other stride: far leg planted, near leg swinging through.
const Pose kRunOther =
    SideOn({0, -36}, {8, -58}, {13, -65}, {10, -21}, {6, 0}, {-8, -19}, {-20, -10}, {11, -46}, -0.35f);
// Set for the sprint: low, weight on the front foot, the back leg long.
const Pose kSprintSet =
    SideOn({-6, -22}, {10, -36}, {16, -41}, {-16, -9}, {-28, 0}, {9, -15}, {7, 0}, {14, -24}, 0.55f);
// Flat out: leaning into it, the near knee driving up.
const Pose kDash =
    SideOn({0, -36}, {11, -57}, {17, -63}, {-12, -22}, {-28, -16}, {16, -30}, {14, -10}, {10, -44}, -0.5f);

Point Draw(Image& image, const Actor& a) {
  GroundShadow(image, (a.Feet.X - 2.0f * a.Facing * a.Scale) * kS, a.Feet.Y * kS, 20.0f * a.Scale * kS,
               3.0f * a.Scale * kS, static_cast<int>(2 * kS), 0.35f);
  return DrawPlayer(image, a.Drawn(kS));
}

// ---------------------------------------------------------------- the field

// Sky, the tree line and the fence's netting, then mown turf with the
// field's white lines running away from us.
void PracticeField(Image& image, float horizon, std::uint32_t seed) {
  FillLinear(image, 0.0f, 0.0f, 0.0f, horizon * kS, Gradient{{0.0f, Rgb(0x4A94E4)}, {1.0f, Rgb(0xD4ECFF)}});
  const Noise n(seed);
  const float w = static_cast<float>(image.Width), h = static_cast<float>(image.Height);
  const Field trees = TreeLine(image.Width, image.Height, n, horizon * kS, 8.0f * kS, 14.0f * kS, 50.0f);
  Paint(image, trees, Rgb(0x3E6E3A));
  ApplyLight(image, Lighting(NoiseField(image.Width, image.Height, 18.0f, 2, seed), -0.5f, -0.6f, 0.6f, 8.0f),
             trees, 0.35f);
  Field net(image.Width, image.Height);
  const float top = (horizon - 16.0f) * kS;
  CrossedNet(net, top, horizon * kS, 7.0f * kS, 0.6f, 0.4f);
  for (float x = 10.0f * kS; x < w; x += 60.0f * kS)
    ThickLine(net, x, top - 4.0f * kS, x, horizon * kS, 1.2f * kS);
  ThickLine(net, 0.0f, top, w, top, 1.0f * kS);
  Paint(image, net, Rgb(0x22282E), 0.7f);
  const float y0 = horizon * kS;
  MownTurf(image, y0, n, {.Grass = Rgb(0x4CAE42), .Far = 0.78f, .Stripe = 70.0f, .Converge = 0.25f});
  // The side lines and the centre line, worn thin where the squad runs.
  Field lines(image.Width, image.Height);
  const float vanish = w * 0.5f;
  for (const float foot : {-0.9f, 1.9f})
    ThickLine(lines, vanish + (foot - 0.5f) * w * 0.12f, y0 + 2.0f * kS, foot * w, h, 1.6f * kS);
  ThickLine(lines, 0.0f, y0 + 22.0f * kS, w, y0 + 22.0f * kS, 1.4f * kS);
  Paint(image, lines, Rgb(0xF4F4EC), 0.7f);
}

void Cone(Image& image, float x, float base, float size) {
  Field body(image.Width, image.Height), band(image.Width, image.Height), foot(image.Width, image.Height);
  const float s = size * kS, cx = x * kS, b = base * kS;
  FillEllipse(foot, cx, b, s * 0.75f, s * 0.22f);
  const Point tri[] = {
      {cx - s * 0.5f, b}, {cx - s * 0.08f, b - s * 1.4f}, {cx + s * 0.08f, b - s * 1.4f}, {cx + s * 0.5f, b}};
  FillPolygon(body, tri);
  ThickLine(band, cx - s, b - s * 0.7f, cx + s, b - s * 0.7f, s * 0.22f);
  SoftShadow(image, foot, 2, 0.4f, static_cast<int>(s * 0.3f), static_cast<int>(s * 0.1f));
  Paint(image, foot, Rgb(0xD05A10));
  Paint(image, body, Rgb(0xFF7A1A));
  Paint(image, Multiplied(band, body), Rgb(0xF8F4EC));
  ApplyLight(image, Bevel(body, static_cast<int>(s * 0.2f) + 1, -0.6f, -0.4f, 0.5f, 3.0f), body, 0.6f);
}

// Streaks of speed left behind a runner.
void SpeedLines(Image& image, Point from, float length, std::initializer_list<float> rows) {
  Field f(image.Width, image.Height);
  for (const float dy : rows)
    TaperedLine(f, from.X * kS, (from.Y + dy) * kS, (from.X - length) * kS, (from.Y + dy) * kS, 1.6f * kS,
                0.2f);
  Paint(image, f, Rgb(0xFFFFFF), 0.55f);
}

// ---------------------------------------------------------------- the drills

// Laps: the squad strung out along the cones that mark the track.
void Laps(Image& image) {
  PracticeField(image, 70.0f, 0x7A01);
  for (int i = 0; i < 7; ++i) Cone(image, 20.0f + 40.0f * static_cast<float>(i), 98.0f, 3.2f);
  Draw(image, {kRunOther, {214.0f, 110.0f}, 0.62f, 1.0f, &kGrey, 3});
  Draw(image, {Running(), {172.0f, 130.0f}, 0.85f, 1.0f, &kBib, 5});
  Draw(image, {kRunOther, {116.0f, 158.0f}, 1.1f, 1.0f, &kClubKit, 7});
  Draw(image, {Running(), {50.0f, 192.0f}, 1.35f, 1.0f, &kBib, 6});
  for (int i = 0; i < 5; ++i) Cone(image, 8.0f + 62.0f * static_cast<float>(i), 198.0f, 6.0f);
}

// A board on two legs, face on; `rings` paints a target, otherwise a
// plain pop-up board.
Field Board(Image& image, float cx, float base, float w, float h, bool rings) {
  Field legs(image.Width, image.Height);
  for (const float side : {-0.35f, 0.35f})
    ThickLine(legs, (cx + side * w) * kS, (base - h) * kS, (cx + side * w * 1.2f) * kS, base * kS, 1.8f * kS);
  GroundShadow(image, (cx + 4.0f) * kS, base * kS, w * 0.7f * kS, 2.5f * kS, 3, 0.4f);
  Paint(image, legs, Rgb(0x6A4A2A));
  const float top = base - h - w * 1.1f;
  Field board = kBig.Box(image, cx - w * 0.5f, top, cx + w * 0.5f, top + w * 1.1f);
  PaintOutlined(image, board, rings ? Rgb(0xF4F0E4) : Rgb(0xC89A5A), Rgb(0x2A2018), static_cast<int>(kS));
  const Point centre = kBig.Big({cx, top + w * 0.55f});
  if (rings) {
    for (int i = 4; i >= 1; --i) {
      Field ring(image.Width, image.Height);
      FillCircle(ring, centre.X, centre.Y, w * 0.11f * static_cast<float>(i) * kS);
      Paint(image, ring, i % 2 == 0 ? Rgb(0xD8262E) : Rgb(0xF4F0E4));
    }
  } else {
    // A player's outline to shoot at.
    Field man = kBig.Polygon(image, {{cx - w * 0.32f, top + w * 1.05f},
                                     {cx - w * 0.2f, top + w * 0.5f},
                                     {cx + w * 0.2f, top + w * 0.5f},
                                     {cx + w * 0.32f, top + w * 1.05f}});
    FillCircle(man, centre.X, centre.Y - w * 0.26f * kS, w * 0.13f * kS);
    Paint(image, man, Rgb(0x2A2A30));
  }
  ApplyLight(image, Bevel(board, static_cast<int>(2 * kS), -0.6f, -0.6f, 0.6f, 3.0f), board, 0.4f);
  return board;
}

// The squad's paint on a board, only over the board and its edge.
void Splats(Image& image, Random& rng, const Field& onto, std::span<const Point> hits, float radius) {
  const Field board = Dilated(onto, static_cast<int>(kS));
  const CoatStyle style{
      .Shape = {.Radius = radius * kS, .Arms = 8, .Droplets = 8, .Spread = 2.0f, .Drips = 2},
      .Bevel = static_cast<int>(2 * kS),
      .Scale = kS};
  SplatCoat(image, rng, hits, kClubPaint, style, &board);
}

// Target practice: boards down the range, splattered, and a shooter on the line.
void Targets(Image& image) {
  PracticeField(image, 72.0f, 0x7A02);
  Random rng(0x7A12);
  const Field far = Board(image, 234.0f, 112.0f, 26.0f, 10.0f, false);
  const Point farHits[] = {{230.0f, 82.0f}, {240.0f, 92.0f}};
  Splats(image, rng, far, farHits, 4.0f);
  const Field near = Board(image, 172.0f, 142.0f, 48.0f, 16.0f, true);
  const Point nearHits[] = {{168.0f, 102.0f}, {184.0f, 92.0f}, {160.0f, 84.0f}};
  Splats(image, rng, near, nearHits, 6.0f);
  const Point muzzle = Draw(image, {StandingAim(), {46.0f, 192.0f}, 1.45f, 1.0f, &kClubKit, 8});
  for (const float k : {0.3f, 0.6f, 0.85f})
    FlyingBall(image, muzzle, kBig.Big({170.0f, 100.0f}), k, kClubPaint, 2.0f * kS, 2.0f * kS);
  // Spent paint and a pod on the shooting line.
  for (const float x : {96.0f, 104.0f, 112.0f}) Paintball(image, x * kS, 194.0f * kS, 2.2f * kS, kClubPaint);
}

// Use of cover: one player tucked in behind a snake, another dashing for
// the next bunker.
void CoverDrill(Image& image) {
  PracticeField(image, 66.0f, 0x7A03);
  DrawCover(image, {CoverShape::Can, 36.0f, 104.0f, 24.0f, 38.0f, Rgb(0xE0302A)}, kS, 0);
  DrawCover(image, {CoverShape::Dorito, 196.0f, 112.0f, 44.0f, 42.0f, Rgb(0x1E6AE0)}, kS, 0);
  Draw(image, {Running(), {138.0f, 130.0f}, 0.95f, 1.0f, &kBib, 6});
  SpeedLines(image, {112.0f, 96.0f}, 34.0f, {0.0f, 8.0f, 16.0f});
  Draw(image, {Squatting(), {92.0f, 186.0f}, 1.35f, 1.0f, &kClubKit, 7});
  DrawCover(image, {CoverShape::Snake, 30.0f, 196.0f, 150.0f, 36.0f, Rgb(0xFFB81E)}, kS, 0);
  DrawCover(image, {CoverShape::Can, 222.0f, 194.0f, 40.0f, 62.0f, Rgb(0xE0302A)}, kS, 0);
}

// Sprints: one player set at the start cone, another flat out for the far one.
void Sprints(Image& image) {
  PracticeField(image, 68.0f, 0x7A04);
  // The start line across the turf, and the finish by the far cones.
  Field lines(image.Width, image.Height);
  ThickLine(lines, 0.0f, 192.0f * kS, 150.0f * kS, 186.0f * kS, 2.0f * kS);
  ThickLine(lines, 110.0f * kS, 105.0f * kS, 270.0f * kS, 103.0f * kS, 1.2f * kS);
  Paint(image, lines, Rgb(0xF4F4EC), 0.8f);
  for (int i = 0; i < 4; ++i) Cone(image, 120.0f + 44.0f * static_cast<float>(i), 104.0f, 3.6f);
  Draw(image, {kDash, {176.0f, 150.0f}, 1.05f, 1.0f, &kGrey, 5});
  SpeedLines(image, {150.0f, 112.0f}, 44.0f, {0.0f, 10.0f, 20.0f, 30.0f});
  Cone(image, 250.0f, 160.0f, 5.4f);
  Draw(image, {kSprintSet, {62.0f, 190.0f}, 1.4f, 1.0f, &kClubKit, 4});
  Cone(image, 24.0f, 194.0f, 6.4f);
  Cone(image, 110.0f, 196.0f, 6.4f);
}

using Drill = void (*)(Image& image);
constexpr Drill kDrills[] = {Laps, Targets, CoverDrill, Sprints};

}  // namespace

Image DrawTraining(FontLibrary& /*fonts*/, int drill) {
  return Supersampled(kWidth, kHeight, static_cast<int>(kS), [&](Image& image) {
    kDrills[std::clamp(drill, 1, 4) - 1](image);
    Vignette(image, 0.3f);
  });
}

}  // namespace vantoro::art
