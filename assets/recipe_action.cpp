// Moments of a tournament game, shown beside the field as play goes on:
// nine on the bright Airball field among the inflatables and five in the
// woods among logs, barrels and trunks. Each is one moment: a dive into
// cover, a snap shot, a player tagged, the flag carried home, the referee's
// call. And the marker that breaks in the middle of it all.

#include <algorithm>
#include <cmath>
#include <span>
#include <string_view>

#include "assets/art.hpp"
#include "assets/kit_image.hpp"
#include "assets/kit_lettering.hpp"
#include "assets/kit_marker.hpp"
#include "assets/kit_person.hpp"
#include "assets/lettering.hpp"
#include "assets/paint.hpp"
#include "assets/recipes.hpp"

namespace vantoro::art {

namespace {

constexpr int kWidth = 238;
constexpr int kHeight = 178;
// Drawn twice as large and shrunk: the players' masks are small.
constexpr float kS = 2.0f;

constexpr Color kTheirPaint = Rgb(0xFF2A86);

constexpr Kit kTheirs{
    .Jersey = Rgb(0xD8262E), .Trim = Rgb(0x1A1A1A), .Pants = Rgb(0x2A2226), .Wrap = Rgb(0x1A1A1A)};
constexpr Kit kOursWoods{
    .Jersey = Rgb(0x4A6A2A), .Trim = Rgb(0x1A2A10), .Pants = Rgb(0x3A3A26), .Wrap = Rgb(0x2A3A1A)};
constexpr Kit kTheirsWoods{
    .Jersey = Rgb(0x6A5030), .Trim = Rgb(0xD8262E), .Pants = Rgb(0x2A2A22), .Wrap = Rgb(0xD8262E)};
constexpr Kit kReferee{
    .Jersey = Rgb(0xFF8A10), .Trim = Rgb(0x101010), .Pants = Rgb(0x1A1A1E), .Lens = Rgb(0xE0E0E0)};

Point P(float x, float y) { return {x * kS, y * kS}; }

// ---------------------------------------------------------------- poses

// Figure pixels of a player 75 pixels tall, feet at 0 (see SideOn).
const Pose kLeanOut =
    SideOn({-4, -20}, {8, -40}, {14, -46}, {-14, -5}, {-25, 0}, {8, -19}, {9, 0}, {17, -36}, 0.0f);
const Pose kDive =
    SideOn({-8, -24}, {14, -30}, {22, -33}, {-21, -29}, {-33, -36}, {-20, -22}, {-33, -27}, {27, -30}, 0.05f);
const Pose kSlide =
    SideOn({-6, -7}, {15, -14}, {22, -17}, {-18, -5}, {-30, -2}, {-16, -3}, {-29, -1}, {18, -12}, -0.05f);
// Running, the marker in one hand, the other free to carry the flag.
const Pose kRunCarry = SideOn({0, -35}, {8, -57}, {13, -64}, {-10, -20}, {-22, -12}, {13, -22}, {9, 0},
                              {4, -42}, 0.9f, {21, -48}, 0.0f);
// Out: walking off, barrel up and a hand raised.
const Pose kWalkOff = SideOn({0, -34}, {2, -57}, {5, -65}, {-5, -17}, {-9, 0}, {6, -17}, {8, 0}, {8, -62},
                             -1.45f, {4, -86}, 0.0f);

// Draws the player; returns the muzzle in the large picture.
Point Draw(Image& image, const Actor& a) { return DrawPlayer(image, a.Drawn(kS)); }

// ---------------------------------------------------------------- scenery

void Sky(Image& image, float horizon, Color top, Color low) {
  FillLinear(image, 0.0f, 0.0f, 0.0f, horizon * kS, Gradient{{0.0f, top}, {1.0f, low}});
}

// The Airball field in daylight: sky, trees and netting far off, bright turf.
void AirballScene(Image& image, float horizon, std::uint32_t seed) {
  Sky(image, horizon, Rgb(0x3A8AE0), Rgb(0xC8E8FF));
  const Noise n(seed);
  Paint(image, TreeLine(image.Width, image.Height, n, horizon * kS, 6.0f * kS, 9.0f * kS, 40.0f),
        Rgb(0x3A6A3A));
  Field net(image.Width, image.Height);
  const float top = (horizon - 20.0f) * kS;
  CrossedNet(net, top, horizon * kS, 8.0f, 0.6f, 0.35f);
  ThickLine(net, 0.0f, top, static_cast<float>(image.Width), top, 1.5f);
  Paint(image, net, Rgb(0x202830), 0.7f);
  MownTurf(image, horizon * kS, n, {.Grass = Rgb(0x48B040), .Stripe = 60.0f});
}

// The woods: trunks standing back into green shade over a leafy floor.
void WoodsScene(Image& image, float horizon, std::uint32_t seed) {
  Sky(image, horizon + 20.0f, Rgb(0x1A3A1E), Rgb(0x6A8A4A));
  Random rng(seed);
  const Noise n(seed);
  const float ground = horizon * kS, depth = static_cast<float>(image.Height) - horizon * kS;
  BlendEach(image, static_cast<int>(ground), [&](int x, int y) {
    const float t = (static_cast<float>(y) - ground) / depth;
    const float g =
        n.Fbm(static_cast<float>(x) / (8.0f + 30.0f * t), static_cast<float>(y) / (3.0f + 12.0f * t), 3);
    return Wash{Lerp(ToF(Rgb(0x3A2C16)), ToF(Rgb(0x6A4C22)), g) * (0.65f + 0.45f * t), 1.0f};
  });
  // Fallen leaves, larger towards us and flattened by the view along the ground.
  Field leaves[2] = {Field(image.Width, image.Height), Field(image.Width, image.Height)};
  for (int i = 0; i < 700; ++i) {
    const float t = std::sqrt(rng.Unit());
    const float y = ground + t * depth;
    const float r = (0.8f + 3.2f * t) * kS;
    FillEllipse(leaves[i % 2], rng.Range(0.0f, static_cast<float>(image.Width)), y, r, r * 0.4f,
                rng.Range(0.5f, 1.0f));
  }
  Paint(image, leaves[0], Rgb(0x9A6A2A), 0.8f);
  Paint(image, leaves[1], Rgb(0x6A3A18), 0.8f);
  // Far trunks first, paler in the haze, then nearer ones.
  for (int layer = 0; layer < 2; ++layer) {
    Field trunks(image.Width, image.Height);
    for (int i = 0; i < 9 - layer * 4; ++i) {
      const float x = rng.Range(0.0f, static_cast<float>(image.Width)),
                  w = rng.Range(3.0f, 6.0f) * kS * (1.0f + layer);
      const float base = (horizon + 4.0f + 10.0f * static_cast<float>(layer)) * kS;
      ThickLine(trunks, x, -10.0f, x + rng.Range(-4.0f, 4.0f), base, w);
    }
    PaintRounded(image, trunks, layer == 0 ? Rgb(0x4A5A3A) : Rgb(0x2A2418), 4, {-0.7f, -0.3f, 0.5f, 3.0f},
                 0.5f);
  }
  // Leaves overhead.
  const Field canopy = FieldEach(image.Width, image.Height, [&](int x, int y) {
    const float v = n.Fbm(static_cast<float>(x) / 6.0f, static_cast<float>(y) / 6.0f, 3);
    return SmoothStep(0.4f, 0.5f, v) * SmoothStep(ground * 0.6f, ground * 0.15f, static_cast<float>(y));
  });
  Paint(image, canopy, Rgb(0x12280E), 0.85f);
}

// ---------------------------------------------------------------- paint in the air

// A stream of balls leaving the muzzle, `at` the fractions of the way to the target.
void Stream(Image& image, Point muzzle, Point target, Color colour, std::initializer_list<float> at) {
  for (const float k : at) FlyingBall(image, muzzle, target, k, colour, 2.0f * kS, 3.2f * kS * 0.6f);
}

// A ball breaking: paint flung out round the point, only over the cover it
// hit when given.
void Burst(Image& image, Random& rng, Point at, float radius, Color colour, const Cover* on = nullptr) {
  const CoatStyle style{.Shape = {.Radius = radius * kS, .Arms = 9, .Droplets = 10, .Spread = 2.2f},
                        .Bevel = static_cast<int>(kS),
                        .Gloss = 0.9f};
  const Field onto = on != nullptr ? on->Mask(kS, image.Width, image.Height) : Field();
  SplatCoat(image, rng, std::span(&at, 1), colour, style, on != nullptr ? &onto : nullptr);
}

void Puff(Image& image, Point muzzle) { MuzzlePuff(image, muzzle, kS, 3.0f, 2, Rgb(0xF0F0F4)); }

// Our own shots: the stream and the puff of air that sent it.
void Shoot(Image& image, Point muzzle, Point target, Color colour, std::initializer_list<float> at) {
  Stream(image, muzzle, target, colour, at);
  Puff(image, muzzle);
}

// A runner carrying the flag home, held high in the free hand.
void CarryFlag(Image& image, const Actor& runner) {
  Draw(image, runner);
  const Point hand = runner.Joint({21, -48}, kS);
  const float facing = runner.Facing;
  Field pole(image.Width, image.Height), cloth(image.Width, image.Height);
  const Point top{hand.X + facing * 3.0f * kS, hand.Y - 50.0f * kS};
  ThickLine(pole, hand.X - facing * 0.5f * kS, hand.Y + 8.0f * kS, top.X, top.Y - 2.0f * kS, 1.4f * kS);
  // Streaming back in the wind of the run.
  const auto behind = [&](float x, float y) { return Point{top.X - facing * x * kS, top.Y + y * kS}; };
  const Point c[] = {behind(0.0f, 0.0f),   behind(14.0f, 3.0f),  behind(30.0f, -1.0f),
                     behind(28.0f, 16.0f), behind(13.0f, 19.0f), behind(-0.5f, 17.0f)};
  FillPolygon(cloth, c);
  Paint(image, pole, Rgb(0x3A3A40));
  Paint(image, Dilated(cloth, 1), Rgb(0x101010));
  PaintRounded(image, cloth, Rgb(0xFFD81E), 3, {-0.5f, -0.7f, 0.5f, 3.0f}, 0.5f);
}

// A player facing us, tagged: the paint broken over the mask and chest.
void Tagged(Image& image, Random& rng, const Person& player, std::span<const Point> hits, Color colour) {
  DrawPlayer(image, player);
  const CoatStyle style{.Shape = {.Radius = 4.5f * kS, .Arms = 8, .Droplets = 8, .Spread = 2.0f, .Drips = 2},
                        .Bevel = static_cast<int>(2 * kS),
                        .Scale = kS};
  SplatCoat(image, rng, hits, colour, style);
}

// Standing, facing us, the head tilted and bowed and the arms set by their
// elbows and hands.
Person FrontOn(Point feet, float height, const Kit& kit, int marker, float tilt, float bow,
               const Point (&elbow)[2], const Point (&hand)[2], float aim = 0.0f) {
  Pose p = Standing();
  p.Tilt = tilt;
  p.Bow = bow;
  std::copy_n(elbow, 2, p.Elbow);
  std::copy_n(hand, 2, p.Hand);
  p.Aim = aim;
  return {.Feet = P(feet.X, feet.Y),
          .Height = height * kS,
          .Body = p,
          .Colours = kit,
          .Marker = marker,
          .GripHand = 1};
}

// ---------------------------------------------------------------- Airball moments

void AirDive(Image& image, Random& rng) {
  AirballScene(image, 62.0f, 0xAC01);
  DrawCover(image, {CoverShape::Dorito, 176.0f, 88.0f, 34.0f, 30.0f, Rgb(0xE0302A)}, kS, 1);
  GroundShadow(image, 96.0f * kS, 168.0f * kS, 40.0f * kS, 4.0f * kS, 4, 0.35f);
  Draw(image, {kDive, {90.0f, 164.0f}, 1.3f, 1.0f, &kClubKit, 7});
  DrawCover(image, {CoverShape::Snake, 40.0f, 178.0f, 170.0f, 26.0f, Rgb(0x1E6AE0)}, kS, 2);
  // Incoming fire just over his back.
  Stream(image, P(238.0f, 70.0f), P(20.0f, 110.0f), kTheirPaint, {0.35f, 0.6f, 0.85f});
  Burst(image, rng, P(170.0f, 158.0f), 4.0f, kTheirPaint);
}

void AirSnap(Image& image, Random& rng) {
  AirballScene(image, 60.0f, 0xAC02);
  const Cover cake{CoverShape::Cake, 190.0f, 86.0f, 30.0f, 14.0f, Rgb(0xFFB81E)};
  DrawCover(image, cake, kS, 3);
  const Point muzzle = Draw(image, {kLeanOut, {58.0f, 168.0f}, 1.45f, 1.0f, &kClubKit, 8});
  DrawCover(image, {CoverShape::Can, 10.0f, 172.0f, 58.0f, 110.0f, Rgb(0xE0302A)}, kS, 4);
  Shoot(image, muzzle, P(205.0f, 76.0f), kClubPaint, {0.18f, 0.45f, 0.72f});
  Burst(image, rng, P(203.0f, 78.0f), 3.0f, kClubPaint, &cake);
}

void AirTagged(Image& image, Random& rng) {
  AirballScene(image, 70.0f, 0xAC03);
  DrawCover(image, {CoverShape::Dorito, 20.0f, 100.0f, 40.0f, 36.0f, Rgb(0x1E6AE0)}, kS, 5);
  DrawCover(image, {CoverShape::Can, 180.0f, 96.0f, 24.0f, 36.0f, Rgb(0xFFB81E)}, kS, 6);
  // Hit: one hand flung up, the marker dropping from the other.
  const Person hit = FrontOn({120.0f, 174.0f}, 134.0f, kClubKit, 6, -0.12f, 0.0f,
                             {{-0.24f, -0.95f}, {0.2f, -0.6f}}, {{-0.22f, -1.15f}, {0.21f, -0.46f}}, 1.35f);
  const Point hits[] = {{119.0f, 54.0f}, {128.0f, 84.0f}};
  Tagged(image, rng, hit, hits, kTheirPaint);
}

void AirFlagRun(Image& image, Random& rng) {
  AirballScene(image, 64.0f, 0xAC04);
  DrawCover(image, {CoverShape::Can, 200.0f, 92.0f, 20.0f, 32.0f, Rgb(0xE0302A)}, kS, 7);
  DrawCover(image, {CoverShape::Snake, 10.0f, 96.0f, 70.0f, 14.0f, Rgb(0x1E6AE0)}, kS, 8);
  CarryFlag(image, {kRunCarry, {110.0f, 172.0f}, 1.45f, 1.0f, &kClubKit, 7});
  Stream(image, P(0.0f, 100.0f), P(238.0f, 118.0f), kTheirPaint, {0.55f, 0.8f});
  Burst(image, rng, P(40.0f, 168.0f), 3.0f, kTheirPaint);
}

void AirReferee(Image& image, Random& rng) {
  AirballScene(image, 66.0f, 0xAC05);
  DrawCover(image, {CoverShape::Dorito, 150.0f, 100.0f, 44.0f, 40.0f, Rgb(0x1E6AE0)}, kS, 9);
  // Called out: a player behind walks off, barrel up.
  Draw(image, {kWalkOff, {200.0f, 110.0f}, 0.75f, -1.0f, &kTheirs, 7, kTheirPaint});
  DrawPlayer(image, FrontOn({80.0f, 176.0f}, 138.0f, kReferee, 0, 0.1f, 0.0f,
                            {{-0.2f, -0.62f}, {0.26f, -0.86f}}, {{-0.2f, -0.47f}, {0.36f, -1.02f}}));
  // The paint check the call was made on.
  Burst(image, rng, P(205.0f, 78.0f), 2.0f, kClubPaint);
}

void AirCrossfire(Image& image, Random& rng) {
  AirballScene(image, 56.0f, 0xAC06);
  const Cover far{CoverShape::Can, 172.0f, 96.0f, 26.0f, 40.0f, Rgb(0xE0302A)};
  const Point theirMuzzle =
      Draw(image, {KneelingAim(), {186.0f, 96.0f}, 0.75f, -1.0f, &kTheirs, 9, kTheirPaint});
  DrawCover(image, far, kS, 10);
  const Point ourMuzzle = Draw(image, {KneelingAim(), {50.0f, 168.0f}, 1.35f, 1.0f, &kClubKit, 7});
  const Cover near{CoverShape::Dorito, 66.0f, 172.0f, 58.0f, 56.0f, Rgb(0xFFB81E)};
  DrawCover(image, near, kS, 11);
  Stream(image, theirMuzzle, P(80.0f, 120.0f), kTheirPaint, {0.4f, 0.75f});
  Shoot(image, ourMuzzle, P(178.0f, 62.0f), kClubPaint, {0.3f, 0.62f});
  Burst(image, rng, P(176.0f, 66.0f), 3.0f, kClubPaint, &far);
  Burst(image, rng, P(94.0f, 126.0f), 4.0f, kTheirPaint, &near);
}

void AirSlide(Image& image, Random& rng) {
  AirballScene(image, 58.0f, 0xAC07);
  DrawCover(image, {CoverShape::Can, 30.0f, 84.0f, 18.0f, 28.0f, Rgb(0xFFB81E)}, kS, 12);
  DrawCover(image, {CoverShape::Dorito, 196.0f, 90.0f, 30.0f, 28.0f, Rgb(0xE0302A)}, kS, 13);
  // Turf kicked up behind the slide.
  Field spray(image.Width, image.Height);
  for (int i = 0; i < 30; ++i)
    FillCircle(spray, rng.Range(20.0f, 60.0f) * kS, rng.Range(150.0f, 168.0f) * kS,
               rng.Range(0.6f, 1.5f) * kS);
  Paint(image, spray, Rgb(0x3A8A30));
  const Point muzzle = Draw(image, {kSlide, {80.0f, 166.0f}, 1.35f, 1.0f, &kClubKit, 8});
  DrawCover(image, {CoverShape::Snake, 150.0f, 172.0f, 88.0f, 28.0f, Rgb(0x1E6AE0)}, kS, 14);
  Puff(image, muzzle);
}

void AirPushUp(Image& image, Random& /*rng*/) {
  AirballScene(image, 60.0f, 0xAC08);
  DrawCover(image, {CoverShape::Dorito, 150.0f, 92.0f, 36.0f, 32.0f, Rgb(0xE0302A)}, kS, 15);
  const Point muzzle = Draw(image, {StandingAim(), {34.0f, 132.0f}, 1.0f, 1.0f, &kClubKit, 6});
  Draw(image, {Running(), {120.0f, 174.0f}, 1.4f, 1.0f, &kClubKit, 7});
  // Cover fire for the runner.
  Shoot(image, muzzle, P(162.0f, 66.0f), kClubPaint, {0.3f, 0.55f, 0.8f});
  DrawCover(image, {CoverShape::Cake, 186.0f, 176.0f, 52.0f, 24.0f, Rgb(0xFFB81E)}, kS, 16);
}

void AirWalkOff(Image& image, Random& rng) {
  AirballScene(image, 62.0f, 0xAC09);
  DrawCover(image, {CoverShape::Can, 30.0f, 104.0f, 28.0f, 44.0f, Rgb(0x1E6AE0)}, kS, 17);
  DrawCover(image, {CoverShape::Snake, 150.0f, 96.0f, 80.0f, 16.0f, Rgb(0xFFB81E)}, kS, 18);
  const Actor out{kWalkOff, {130.0f, 172.0f}, 1.45f, -1.0f, &kClubKit, 7};
  Draw(image, out);
  // The hit he was called on, on his back.
  const Point back = out.Joint({-4, -46}, kS);
  SplatCoat(image, rng, std::span(&back, 1), kTheirPaint,
            {.Shape = {.Radius = 5.0f * kS, .Drips = 2}, .Bevel = static_cast<int>(2 * kS)});
}

// ---------------------------------------------------------------- woods moments

void WoodsTree(Image& image, Random& rng) {
  WoodsScene(image, 70.0f, 0xB001);
  const Point muzzle = Draw(image, {KneelingAim(), {64.0f, 168.0f}, 1.4f, 1.0f, &kOursWoods, 4});
  const Cover trunk{CoverShape::Trunk, 30.0f, 172.0f, 40.0f, 170.0f, Rgb(0x4A3A28)};
  DrawCover(image, trunk, kS, 19);
  Shoot(image, muzzle, P(226.0f, 98.0f), kClubPaint, {0.2f, 0.5f});
  DrawCover(image, {CoverShape::Log, 176.0f, 104.0f, 60.0f, 14.0f, Rgb(0x5A3A1E)}, kS, 20);
  Burst(image, rng, P(50.0f, 90.0f), 4.0f, kTheirPaint, &trunk);
}

void WoodsLogs(Image& image, Random& rng) {
  WoodsScene(image, 66.0f, 0xB002);
  Draw(image, {Squatting(), {100.0f, 160.0f}, 1.35f, 1.0f, &kOursWoods, 5});
  const Cover top{CoverShape::Log, 50.0f, 146.0f, 150.0f, 22.0f, Rgb(0x5A3A1E)};
  DrawCover(image, top, kS, 21);
  DrawCover(image, {CoverShape::Log, 40.0f, 170.0f, 168.0f, 25.0f, Rgb(0x4A3018)}, kS, 22);
  // Paint breaking on the top log, inches from his mask.
  Burst(image, rng, P(150.0f, 130.0f), 4.0f, kTheirPaint, &top);
  Burst(image, rng, P(176.0f, 136.0f), 3.0f, kTheirPaint, &top);
  Stream(image, P(238.0f, 60.0f), P(130.0f, 100.0f), kTheirPaint, {0.4f, 0.75f});
}

void WoodsTagged(Image& image, Random& rng) {
  WoodsScene(image, 76.0f, 0xB003);
  const Person hit = FrontOn({124.0f, 174.0f}, 134.0f, kTheirsWoods, 2, 0.12f, 0.2f,
                             {{-0.26f, -0.95f}, {0.2f, -0.6f}}, {{-0.24f, -1.14f}, {0.21f, -0.46f}}, 1.3f);
  const Point hits[] = {{127.0f, 54.0f}, {114.0f, 92.0f}, {136.0f, 104.0f}};
  Tagged(image, rng, hit, hits, kClubPaint);
}

void WoodsFlagRun(Image& image, Random& rng) {
  WoodsScene(image, 72.0f, 0xB004);
  DrawCover(image, {CoverShape::Barrel, 190.0f, 110.0f, 22.0f, 30.0f, Rgb(0x2A5A9A)}, kS, 23);
  CarryFlag(image, {kRunCarry, {104.0f, 172.0f}, 1.45f, 1.0f, &kOursWoods, 4});
  Stream(image, P(0.0f, 90.0f), P(238.0f, 130.0f), kTheirPaint, {0.6f, 0.85f});
  Burst(image, rng, P(30.0f, 166.0f), 3.0f, kTheirPaint);
}

void WoodsBarrels(Image& image, Random& rng) {
  WoodsScene(image, 68.0f, 0xB005);
  Draw(image, {Signalling(), {50.0f, 166.0f}, 1.25f, 1.0f, &kOursWoods, 3});
  const Point muzzle = Draw(image, {StandingAim(), {150.0f, 150.0f}, 1.15f, 1.0f, &kOursWoods, 5});
  for (const float x : {70.0f, 104.0f, 138.0f, 172.0f}) {
    const Color colour = x < 120.0f ? Rgb(0x2A5A9A) : Rgb(0x8A3A1E);
    DrawCover(image, {CoverShape::Barrel, x, 174.0f, 32.0f, 46.0f, colour}, kS,
              static_cast<std::uint32_t>(x));
  }
  Shoot(image, muzzle, P(238.0f, 86.0f), kClubPaint, {0.25f, 0.55f});
  Burst(image, rng, P(96.0f, 140.0f), 3.0f, kTheirPaint);
}

// ---------------------------------------------------------------- broken marker

// The parts of a jammed marker scattered on the turf: the marker, its
// spring, a bolt, broken paint oozing out of the breech, and the word.
void MarkerFailure(Image& image, FontLibrary& fonts) {
  FillRadial(image, image.Width * 0.5f, image.Height * 0.45f, image.Width * 0.7f, image.Height * 0.8f,
             Gradient{{0.0f, Rgb(0x3A4A3A)}, {0.6f, Rgb(0x1A221A)}, {1.0f, Rgb(0x080A08)}});
  const Rect box{static_cast<int>(30 * kS), static_cast<int>(44 * kS), static_cast<int>(200 * kS),
                 static_cast<int>(120 * kS)};
  DrawMarkerItem(image, box, 7, {.Paint = kClubPaint});
  // The spring, sprung out of the body.
  Field spring(image.Width, image.Height);
  Point last = P(120.0f, 120.0f);
  for (int i = 1; i <= 60; ++i) {
    const float t = static_cast<float>(i) / 60.0f;
    const Point next{(120.0f + 70.0f * t) * kS, (124.0f + 12.0f * t + 6.0f * std::sin(t * 16.0f * kPi)) * kS};
    ThickLine(spring, last.X, last.Y, next.X, next.Y, 1.2f * kS);
    last = next;
  }
  Paint(image, Dilated(spring, 1), Rgb(0x101010));
  PaintRounded(image, spring, Rgb(0xC8CCD4), 2, {-0.5f, -0.7f, 0.5f, 3.0f}, 0.6f);
  // A bolt and a loose screw.
  Field bolt(image.Width, image.Height);
  ThickLine(bolt, 40.0f * kS, 136.0f * kS, 70.0f * kS, 130.0f * kS, 6.0f * kS);
  FillCircle(bolt, 96.0f * kS, 148.0f * kS, 3.0f * kS);
  Paint(image, Dilated(bolt, 1), Rgb(0x101010));
  PaintRounded(image, bolt, Rgb(0x8A8E98), 3, {-0.5f, -0.7f, 0.5f, 3.0f}, 0.6f);
  // Broken paint fouling the breech and dripping.
  const Point breech = P(92.0f, 74.0f);
  Random rng(0xFA11);
  SplatCoat(image, rng, std::span(&breech, 1), kClubPaint,
            {.Shape = {.Radius = 7.0f * kS, .Arms = 8, .Droplets = 10, .Drips = 3},
             .Bevel = static_cast<int>(2 * kS)});
  Paintball(image, 150.0f * kS, 140.0f * kS, 3.0f * kS, kClubPaint);
  Paintball(image, 28.0f * kS, 116.0f * kS, 3.0f * kS, kClubPaint);

  constexpr std::string_view kText = "MALFUNCTION!";
  const Font& font = FittingFont(fonts, kText, 2, static_cast<int>(220 * kS), static_cast<int>(40 * kS));
  const Field mask =
      PlacedText(image.Width, image.Height, kText, font, 2, image.Width * 0.5f, static_cast<int>(10 * kS));
  PaintSlantedWords(
      image, mask, 0.15f, rng, {}, {},
      Gradient{{0.0f, Rgb(0xFFF0C0)}, {0.45f, Rgb(0xFF8A1A)}, {0.5f, Rgb(0xB02A08)}, {1.0f, Rgb(0xFF5A1A)}},
      {.ShadowSpread = 3,
       .ShadowDx = 3,
       .ShadowDy = 4,
       .ShadowBlur = 3,
       .Glow = Rgb(0xFF2A10),
       .GlowRadius = 10,
       .OutlineWidth = 4,
       .InlineWidth = 2,
       .Bevel = 2,
       .BevelDepth = 4.0f});
}

using Moment = void (*)(Image& image, Random& rng);
constexpr Moment kAirballMoments[] = {AirDive,      AirSnap,  AirTagged, AirFlagRun, AirReferee,
                                      AirCrossfire, AirSlide, AirPushUp, AirWalkOff};
constexpr Moment kWoodsMoments[] = {WoodsTree, WoodsLogs, WoodsTagged, WoodsFlagRun, WoodsBarrels};

// Moment n of the family, over its own seed.
Image DrawMoment(std::span<const Moment> family, std::uint64_t seed, int n) {
  return Supersampled(kWidth, kHeight, static_cast<int>(kS), [&](Image& image) {
    Random rng(seed + static_cast<std::uint64_t>(n));
    const int last = static_cast<int>(family.size());
    family[static_cast<std::size_t>(std::clamp(n, 1, last) - 1)](image, rng);
    Vignette(image, 0.3f);
  });
}

}  // namespace

Image DrawActionAirball(FontLibrary& /*fonts*/, int moment) {
  return DrawMoment(kAirballMoments, 0xA110, moment);
}

Image DrawActionWoods(FontLibrary& /*fonts*/, int moment) {
  return DrawMoment(kWoodsMoments, 0xB110, moment);
}

Image DrawMarkerFailure(FontLibrary& fonts) {
  return Supersampled(kWidth, kHeight, static_cast<int>(kS),
                      [&](Image& image) { MarkerFailure(image, fonts); });
}

}  // namespace vantoro::art
