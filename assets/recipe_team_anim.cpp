// The squad at work, twenty frames that loop: in the evening light the
// team holds a bunker line. The point man stands up behind the big bunker,
// fires three balls over it and ducks; the opponent behind the far can
// peeks out and shoots back, and his ball breaks on the big bunker just
// after our man has ducked; the back man rises behind his wedge and drives
// him back in with two more. The captain points the way forward all the
// while, and the team flag flies over the back line.
//
// Everything moves by a periodic clock: frame 20 runs on into frame 1.

#include <algorithm>
#include <cmath>
#include <span>

#include "assets/art.hpp"
#include "assets/kit_image.hpp"
#include "assets/kit_person.hpp"
#include "assets/paint.hpp"
#include "assets/recipes.hpp"
#include "assets/resize.hpp"

namespace vantoro::art {

namespace {

constexpr int kWidth = 270;
constexpr int kHeight = 200;
constexpr int kFrames = 20;
constexpr float kHorizon = 84.0f;

// The loop's clock: 0 at frame 1, just short of 1 at frame 20.
float Clock(int frame) { return static_cast<float>((frame - 1) % kFrames) / kFrames; }

// Frames since frame index `start` (0..19) on the looping clock.
int Since(int index, int start) { return ((index - start) % kFrames + kFrames) % kFrames; }

// Rises over [a, b] and falls over [c, d].
float Pulse(float t, float a, float b, float c, float d) { return SmoothStep(a, b, t) * SmoothStep(d, c, t); }

// ---------------------------------------------------------------- scenery

// The field at dusk: sky, the tree line, the netting and the turf. The same
// in every frame.
void DrawScenery(Image& image) {
  const Gradient sky{{0.00f, Rgb(0x0C1034)},
                     {0.45f, Rgb(0x2C2358)},
                     {0.75f, Rgb(0x74345E)},
                     {0.92f, Rgb(0xD0604A)},
                     {1.00f, Rgb(0xF49A5A)}};
  const Gradient turf{{0.0f, Rgb(0x3A2038)}, {0.2f, Rgb(0x22162C)}, {1.0f, Rgb(0x0A0810)}};
  const Noise grain(0x7EA);
  FillEach(image, [&](int x, int y) {
    const float fx = static_cast<float>(x) + 0.5f, fy = static_cast<float>(y) + 0.5f;
    ColorF c;
    if (fy < kHorizon) {
      c = sky.SampleF(fy / kHorizon);
    } else {
      const float t = (fy - kHorizon) / (kHeight - kHorizon);
      // The turf's grain grows towards the viewer.
      const float scale = 2.0f + 14.0f * t;
      c = turf.SampleF(t) * (0.8f + 0.4f * grain.Value(fx / (scale * 2.5f), fy / scale));
    }
    // The setting sun behind the opponents' end.
    return c + ColorF{1.0f, 0.5f, 0.25f} * (0.32f * Falloff(fx, fy, 205.0f, kHorizon, 110.0f, 38.0f));
  });
  // The tree line: a ragged canopy with the odd pine standing out of it.
  const Noise ragged(0x7EB);
  Field trees = TreeLine(kWidth, kHeight, ragged, kHorizon + 3.0f, 6.0f, 12.0f, 26.0f);
  Random rng(0x7EC);
  for (int i = 0; i < 28; ++i) {
    const float x = rng.Range(0.0f, kWidth), h = rng.Range(7.0f, 15.0f);
    const float base = kHorizon - 3.0f - 8.0f * ragged.Fbm(x / 26.0f, 0.5f, 4);
    const Point pine[] = {{x - h * 0.25f, base}, {x, base - h}, {x + h * 0.25f, base}};
    FillPolygon(trees, pine);
  }
  Paint(image, trees, Rgb(0x1A0E22));
  AddLight(image, Multiplied(Rim(trees, 0, -1), trees), Rgb(0xFF7A50), 0.25f);
  // The netting along the back of the field.
  Field net(image.Width, image.Height);
  CrossedNet(net, kHorizon - 26.0f, kHorizon + 1.0f, 6.0f, 0.5f, 0.35f);
  ThickLine(net, 0.0f, kHorizon - 26.0f, kWidth, kHorizon - 26.0f, 1.0f);
  for (float x = 20.0f; x < kWidth; x += 60.0f) ThickLine(net, x, kHorizon - 29.0f, x, kHorizon + 1.0f, 1.5f);
  Paint(image, net, Rgb(0x120A18), 0.75f);
}

// ---------------------------------------------------------------- bunkers

constexpr Cover kCan{CoverShape::Can, 237.0f, 112.0f, 16.0f, 27.0f, Rgb(0x8A1E2C)};
constexpr Cover kCake{CoverShape::Cake, 154.0f, 104.0f, 25.0f, 10.0f, Rgb(0x2A3A6A)};
constexpr Cover kSnake{CoverShape::Snake, 198.0f, 132.0f, 48.0f, 8.0f, Rgb(0x2A5A2A)};
constexpr Cover kWedge{CoverShape::Dorito, 52.0f, 150.0f, 46.0f, 32.0f, Rgb(0x1E4A9A)};
constexpr Cover kTemple{CoverShape::Temple, 150.0f, 197.0f, 68.0f, 51.0f, Rgb(0x1E4A9A)};

// Old paint on a bunker, the marks of earlier hits.
struct Mark {
  Point At;
  float Radius;
  Color Colour;
  int Drips;
};

// Draws a bunker with its old paint and its shadow in the box round it,
// that box drawn twice as large and shrunk back, which keeps so small an
// outline crisp.
void PlaceBunker(Image& image, const Cover& c, std::span<const Mark> marks, std::uint64_t seed) {
  constexpr int kBig = 2;
  constexpr float kB = static_cast<float>(kBig);
  Region r = Crop(image, c.X - c.Width * 0.05f - 12.0f, c.Base - c.Height - 8.0f,
                  c.X + c.Width * 1.15f + 12.0f, c.Base + 12.0f);
  Image big = AreaResized(r.Pixels, r.Pixels.Width * kBig, r.Pixels.Height * kBig);
  const Cover local{c.Kind, c.X - r.Origin().X, c.Base - r.Origin().Y, c.Width, c.Height, c.Colour, c.Bevel};
  DrawCover(big, local, kB, 0);
  const Field mask = local.Mask(kB, big.Width, big.Height);
  // A warm rim where the sunset catches it.
  AddLight(big, Multiplied(Rim(mask, 2 * kBig, -kBig), mask), Rgb(0xFF8A5A), 0.5f);
  Random rng(seed);
  for (const Mark& m : marks) {
    Field f(big.Width, big.Height);
    Splat(
        f, rng, (m.At.X - r.Origin().X) * kB, (m.At.Y - r.Origin().Y) * kB,
        {.Radius = m.Radius * kB, .Arms = 7, .Reach = 1.6f, .Droplets = 5, .Spread = 2.0f, .Drips = m.Drips});
    WetPaint(big, Multiplied(f, mask), m.Colour, 2 * kBig, 0.8f);
  }
  r.Pixels = Downsampled(big, kBig);
  Paste(image, r);
}

// ---------------------------------------------------------------- players

const Pose kStandAim = StandingAim(-0.12f);
const Pose kSquat = Squatting();
const Pose kKneelAim = KneelingAim(-0.15f);
// On one knee, leaning back into cover with the barrel raised.
const Pose kKneelCover = SideOn({-4.0f, -20.0f}, {-3.0f, -43.0f}, {0.0f, -51.0f}, {-14.0f, -5.0f},
                                {-25.0f, 0.0f}, {8.0f, -19.0f}, {9.0f, 0.0f}, {5.0f, -34.0f}, -1.1f);

constexpr Kit kOurs{
    .Jersey = Rgb(0xEBA820), .Trim = Rgb(0x1B3C8E), .Pants = Rgb(0x232838), .Wrap = Rgb(0x1B3C8E)};
constexpr Kit kTheirs{
    .Jersey = Rgb(0xC42A2A), .Trim = Rgb(0x1A1A1A), .Pants = Rgb(0x2A2226), .Wrap = Rgb(0x1A1A1A)};

// The team's electros, the paint in them showing through the loaders.
constexpr int kTeamMarker = 7;

// ---------------------------------------------------------------- the flag

// Drawn in the box round it, which keeps the passes over its masks small.
void DrawFlag(Image& picture, float t) {
  Region r = Crop(picture, 0.0f, 16.0f, 70.0f, 136.0f);
  Image& image = r.Pixels;
  const float kPoleX = 12.0f - r.Origin().X, kTop = 30.0f - r.Origin().Y, kBase = 134.0f - r.Origin().Y;
  Field pole(image.Width, image.Height);
  ThickLine(pole, kPoleX, kTop - 2.0f, kPoleX, kBase, 2.0f);
  FillCircle(pole, kPoleX, kTop - 3.0f, 2.0f);
  Shade(image, pole, Rgb(0x8A8C96), 1.0f);
  // A cloth whose ripples travel out along it; the waves complete whole
  // cycles in one loop, so the last frame meets the first.
  constexpr float kLength = 44.0f, kDepth = 26.0f;
  Field cloth(image.Width, image.Height), emblem(image.Width, image.Height), shade(image.Width, image.Height);
  for (int y = 0; y < image.Height; ++y) {
    for (int x = 0; x < image.Width; ++x) {
      const float u = (static_cast<float>(x) + 0.5f - kPoleX) / kLength;
      if (u < 0.0f || u > 1.0f) continue;
      const float phase = kTau * (u * 1.3f - 2.0f * t);
      const float lift = std::sin(phase) * 3.5f * u + u * 4.0f;
      const float top = kTop + lift, bottom = kTop + kDepth + lift - u * 3.0f;
      const float fy = static_cast<float>(y) + 0.5f;
      const float cover = Clamp01(fy - top + 0.5f) * Clamp01(bottom - fy + 0.5f) *
                          Clamp01((kPoleX + kLength - static_cast<float>(x)) + 0.5f);
      if (cover <= 0.0f) continue;
      cloth(x, y) = cover;
      shade(x, y) = 0.5f + 0.5f * std::cos(phase);
      // The emblem: a ball breaking, in the middle of the flag.
      const float v = (fy - top) / (bottom - top);
      const float ex = (u - 0.5f) * kLength / 7.0f, ey = (v - 0.5f) * kDepth / 7.0f;
      emblem(x, y) = cover * Clamp01((1.0f - std::sqrt(ex * ex + ey * ey)) * 3.0f);
    }
  }
  Paint(image, cloth, Rgb(0x1B3C8E));
  Paint(image, emblem, Rgb(0xEBA820));
  // Folds: darker in the troughs, brighter on the crests.
  PaintEach(image, cloth, [&](int x, int y) {
    return Unpack(image.Pixels[image.Index(x, y)]) * (0.65f + 0.55f * shade(x, y));
  });
  Paste(picture, r);
}

// ---------------------------------------------------------------- shots

struct Shot {
  int Fired;   // frame index 0..19
  int Flight;  // frames in the air
  Point Target;
  float Arc;  // how high it rises over its flight
  Color Colour;
};

// Draws a ball in flight, if it is in the air, with a streak behind it.
void DrawBall(Image& image, const Shot& s, Point muzzle, int index) {
  const int age = Since(index, s.Fired);
  if (age <= 0 || age >= s.Flight) return;
  const auto where = [&](float k) {
    const Point p = Mix(muzzle, s.Target, k);
    return Point{p.X, p.Y - s.Arc * 4.0f * k * (1.0f - k)};
  };
  const float k = static_cast<float>(age) / static_cast<float>(s.Flight);
  const Point at = where(k), behind = where(std::max(k - 0.12f, 0.0f));
  const float r = 2.4f - 0.8f * k;
  Field trail(image.Width, image.Height);
  TaperedLine(trail, behind.X, behind.Y, at.X, at.Y, 0.4f, r * 1.6f);
  Paint(image, trail, s.Colour, 0.35f);
  Paintball(image, at.X, at.Y, r, s.Colour);
}

// The burst of a ball breaking: a spray that flies out and fades.
void DrawBurst(Image& image, const Shot& s, int index, const Field* onto) {
  const int age = Since(index, s.Fired + s.Flight);
  constexpr int kLife = 2;
  if (age >= kLife) return;
  const float k = static_cast<float>(age) / kLife;
  Random rng(static_cast<std::uint64_t>(s.Target.X * 131.0f + s.Target.Y));
  Field spray(image.Width, image.Height);
  FillCircle(spray, s.Target.X, s.Target.Y, 3.0f + 2.5f * k);
  for (int i = 0; i < 12; ++i) {
    const float a = rng.Range(0.0f, kTau), d = rng.Range(4.0f, 11.0f) * (0.5f + k);
    FillCircle(spray, s.Target.X + std::cos(a) * d, s.Target.Y + std::sin(a) * d * 0.8f,
               rng.Range(0.7f, 1.6f));
  }
  if (onto != nullptr) spray = Multiplied(spray, *onto);
  Glow(image, spray, s.Colour, 3, 0.6f * (1.0f - k));
  Paint(image, spray, s.Colour, 1.0f - 0.6f * k);
}

constexpr Color kTheirPaint = Rgb(0xFF2A86);

// Broken paint on the turf in front, flattened by the view along the
// ground, and a few spilled balls.
void DrawGroundPaint(Image& image) {
  Region r = Crop(image, 214.0f, 166.0f, 270.0f, 200.0f);
  Random rng(0x7F2);
  constexpr float kSquash = 3.0f;
  Field round(r.Pixels.Width, static_cast<int>(static_cast<float>(r.Pixels.Height) * kSquash));
  Splat(round, rng, 26.0f, 18.0f * kSquash, {.Radius = 7.0f, .Arms = 8, .Droplets = 8, .Bias = 0.3f});
  const Field flat = FieldEach(r.Pixels.Width, r.Pixels.Height, [&](int x, int y) {
    return round.Sample(static_cast<float>(x), static_cast<float>(y) * kSquash);
  });
  WetPaint(r.Pixels, flat, Tone(kTheirPaint, 0.7f), 1, 0.5f);
  Paste(image, r);
  Paintball(image, 250.0f, 191.0f, 2.2f, kClubPaint);
  Paintball(image, 256.0f, 188.0f, 2.0f, kClubPaint);
  Paintball(image, 232.0f, 194.0f, 2.3f, kTheirPaint);
}

// ---------------------------------------------------------------- the stage

Person Posed(const Pose& p, const Placement& at, const Kit& kit) {
  return Actor{p, at.At, at.Scale, at.Facing, &kit, kTeamMarker, Rgb(0xC8A81E)}.Drawn(1.0f);
}

Point Player(Image& image, const Pose& p, const Placement& at, const Kit& kit) {
  return DrawPlayer(image, Posed(p, at, kit));
}

// Where a ball leaves the barrel of a player posed so.
Point MuzzleOf(const Pose& p, const Placement& at) { return PlayerMuzzle(Posed(p, at, kOurs)); }

// The opponent peeks out from his can while the point man is down.
float Peek(float t) { return Pulse(t, 0.38f, 0.46f, 0.7f, 0.78f); }
Pose OpponentPose(float t) { return Mixed(kKneelCover, kKneelAim, Peek(t)); }
Placement OpponentAt(float t) { return {{246.0f - 10.0f * Peek(t), 112.0f}, 0.5f, -1.0f}; }
// The point man stands to fire over the big bunker.
Pose PointPose(float t) { return Mixed(kSquat, kStandAim, Pulse(t, 0.02f, 0.1f, 0.36f, 0.46f)); }
constexpr Placement kPointAt{{131.0f, 197.0f}, 1.2f, 1.0f};
// The back man rises over his wedge.
Pose BackPose(float t) { return Mixed(kKneelCover, kKneelAim, Pulse(t, 0.55f, 0.64f, 0.86f, 0.94f)); }
constexpr Placement kBackAt{{44.0f, 150.0f}, 0.85f, 1.0f};
constexpr Placement kCaptainAt{{70.0f, 199.0f}, 1.15f, 1.0f};

}  // namespace

Image DrawTeamAnimFrame(FontLibrary& /*fonts*/, int frame) {
  const float t = Clock(frame);
  const int index = (frame - 1) % kFrames;
  Image image(kWidth, kHeight);
  DrawScenery(image);
  DrawGroundPaint(image);

  // The far end: the opponent and his can.
  Player(image, OpponentPose(t), OpponentAt(t), kTheirs);
  const Mark canMarks[] = {{{241.0f, 95.0f}, 2.0f, kClubPaint, 1}, {{248.0f, 103.0f}, 1.8f, kClubPaint, 0}};
  PlaceBunker(image, kCan, canMarks, 0x7ED);

  // Mid-field cover, empty for now.
  PlaceBunker(image, kCake, {}, 0x7F0);
  PlaceBunker(image, kSnake, {}, 0x7F1);

  DrawFlag(image, t);

  // The back man behind his wedge.
  const Point backMuzzle = Player(image, BackPose(t), kBackAt, kOurs);
  PlaceBunker(image, kWedge, {}, 0x7EE);

  // The captain in front, pointing the way on.
  Pose captain = Signalling();
  captain.Hand[1] = {25.0f / 75.0f, (-50.0f + 4.0f * std::sin(kTau * 2.0f * t)) / 75.0f};
  Player(image, captain, kCaptainAt, kOurs);

  // The point man and the big bunker.
  const Point pointMuzzle = Player(image, PointPose(t), kPointAt, kOurs);
  const Mark templeMarks[] = {{{174.0f, 155.0f}, 4.0f, kTheirPaint, 2}};
  PlaceBunker(image, kTemple, templeMarks, 0x7EF);

  // The volleys. Each ball leaves from wherever its shooter's muzzle was
  // in the frame it was fired.
  const Shot ours[] = {{2, 3, {241.0f, 95.0f}, 6.0f, kClubPaint},
                       {4, 3, {248.0f, 103.0f}, 6.0f, kClubPaint},
                       {6, 3, {241.0f, 95.0f}, 7.0f, kClubPaint}};
  const Shot back[] = {{14, 3, {248.0f, 103.0f}, 14.0f, kClubPaint},
                       {16, 3, {241.0f, 95.0f}, 14.0f, kClubPaint}};
  const Shot theirs{11, 3, {174.0f, 155.0f}, 10.0f, kTheirPaint};
  const auto firedAt = [](const Shot& s) { return Clock(s.Fired + 1); };
  const Field canMask = kCan.Mask(1.0f, kWidth, kHeight);
  const Field templeMask = kTemple.Mask(1.0f, kWidth, kHeight);
  const auto volley = [&](std::span<const Shot> shots, Pose (*pose)(float), Placement at, Point muzzle) {
    for (const Shot& s : shots) {
      DrawBall(image, s, MuzzleOf(pose(firedAt(s)), at), index);
      DrawBurst(image, s, index, &canMask);
      // Air and paint mist at the muzzle as the ball leaves.
      if (Since(index, s.Fired) == 0) MuzzlePuff(image, muzzle, 1.0f, 2.0f, 1, Rgb(0xE8E4F0));
    }
  };
  volley(ours, PointPose, kPointAt, pointMuzzle);
  volley(back, BackPose, kBackAt, backMuzzle);
  DrawBall(image, theirs, MuzzleOf(OpponentPose(firedAt(theirs)), OpponentAt(firedAt(theirs))), index);
  DrawBurst(image, theirs, index, &templeMask);
  Vignette(image, 0.35f);
  return image;
}

}  // namespace vantoro::art
