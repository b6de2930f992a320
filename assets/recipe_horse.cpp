// The runner of the horse race: a bay racehorse and its jockey in the
// club's pink and yellow silks, side-on and facing right, on the black of
// the race track's lane. It waits at the start standing, and gallops in
// two phases, legs gathered under the belly and legs stretched out, which
// the race shows one after the other every tick.

#include <array>

#include "assets/art.hpp"
#include "assets/kit_image.hpp"
#include "assets/kit_person.hpp"
#include "assets/recipes.hpp"

namespace vantoro::art {

namespace {

constexpr int kScale = 4;
constexpr float kS = static_cast<float>(kScale);

// A leg from the body down: the top (inside the body), the knee or hock,
// the fetlock and the hoof.
using Leg = std::array<Point, 4>;

// The jockey, from the stirrup up.
struct Rider {
  Point Foot, Knee, Seat, Shoulder, Head, Hands;
};

// Everything in the final picture's pixels.
struct HorsePose {
  int Width;
  Point Barrel, Rump, Chest;  // the body: an ellipse between two rounded ends
  Point Withers, Poll, Muzzle;
  Point TailRoot, TailTip;
  Leg FarFore, FarHind, NearFore, NearHind;
  Rider Jockey;
};

// clang-format off
constexpr HorsePose kStanding = {
    .Width = 49, .Barrel = {24, 22}, .Rump = {14, 21}, .Chest = {33, 22},
    .Withers = {31, 16}, .Poll = {39, 8}, .Muzzle = {45, 14}, .TailRoot = {9, 17}, .TailTip = {5, 31},
    .FarFore = {{{33, 24}, {33.5f, 31}, {33, 37}, {33.5f, 39}}},
    .FarHind = {{{13, 23}, {15, 31}, {13.5f, 37}, {14, 39}}},
    .NearFore = {{{35, 24}, {36, 31}, {36, 37}, {36.5f, 39}}},
    .NearHind = {{{16, 23}, {18, 31}, {16.5f, 37}, {17, 39}}},
    .Jockey = {{27, 24}, {29, 18}, {23, 14}, {26, 6.5f}, {27, 3.5f}, {33, 13}},
};

constexpr HorsePose kGathered = {
    .Width = 57, .Barrel = {27, 21}, .Rump = {17, 20}, .Chest = {37, 21},
    .Withers = {35, 15}, .Poll = {46, 9}, .Muzzle = {53, 15}, .TailRoot = {12, 16}, .TailTip = {3, 21},
    .FarFore = {{{36, 23}, {39, 30}, {35, 34}, {33, 35}}},
    .FarHind = {{{18, 23}, {24, 29}, {25, 35}, {27, 37}}},
    .NearFore = {{{38, 23}, {40, 31}, {38, 37}, {37, 39}}},
    .NearHind = {{{20, 23}, {26, 28}, {28, 34}, {30, 35}}},
    .Jockey = {{32, 22}, {35, 16}, {28, 12}, {36, 8}, {39.5f, 5.5f}, {43, 12}},
};

constexpr HorsePose kStretched = {
    .Width = 57, .Barrel = {27, 22}, .Rump = {17, 21}, .Chest = {37, 22},
    .Withers = {35, 16}, .Poll = {47, 11}, .Muzzle = {54, 17}, .TailRoot = {12, 17}, .TailTip = {2, 19},
    .FarFore = {{{36, 24}, {42, 29}, {47, 32}, {49, 33}}},
    .FarHind = {{{18, 24}, {13, 31}, {9, 35}, {7, 36}}},
    .NearFore = {{{38, 24}, {44, 30}, {49, 35}, {51, 36}}},
    .NearHind = {{{20, 24}, {15, 32}, {10, 37}, {7, 39}}},
    .Jockey = {{32, 23}, {35, 17}, {28, 13}, {36, 9}, {39.5f, 6.5f}, {44, 13}},
};
// clang-format on

constexpr Color kCoat = Rgb(0x9A5426);
constexpr Color kCoatFar = Rgb(0x5E3016);
constexpr Color kPoints = Rgb(0x4A2A16);  // mane, tail and lower legs: dark, yet clear of the black lane
constexpr Color kSilk = Rgb(0xFF2A86);
constexpr Color kSilkTrim = Rgb(0xFFD81E);

// Shapes are placed in the final picture's pixels.
constexpr Placement kAt{{0.0f, 0.0f}, kS, 1.0f};
constexpr BigShapes kBig{kS};

// Shaded as a rounded form lit from above and in front.
void Solid(Image& image, const Field& mask, Color colour, float strength = 0.6f) {
  PaintRounded(image, mask, colour, 2 * kScale, {0.4f, -0.8f, 0.5f, 3.0f}, strength);
}

void DrawLeg(Image& image, const Leg& leg, Color coat) {
  Solid(image, Stroked(image, kAt, leg[0], leg[1], 4.2f, 2.6f), coat);
  const Field lower = Limb(image, kAt, leg[1], leg[2], leg[3], {2.0f, 1.6f, 1.8f, 1.8f});
  Solid(image, lower, Lerp(kPoints, coat, 0.55f), 0.4f);
  Paint(image, Oval(image, kAt, leg[3], 1.3f, 1.1f), Rgb(0x1A1412));
}

void PaintHorse(Image& image, const HorsePose& p) {
  for (const Leg* leg : {&p.FarFore, &p.FarHind}) DrawLeg(image, *leg, kCoatFar);
  const Point tailMid{(p.TailRoot.X + p.TailTip.X) * 0.5f - 0.5f, (p.TailRoot.Y + p.TailTip.Y) * 0.5f - 1.0f};
  Solid(image, Limb(image, kAt, p.TailRoot, tailMid, p.TailTip, {2.6f, 3.2f, 3.2f, 1.0f}), kPoints, 0.6f);

  // The barrel, rump and chest, the neck, the head and an ear.
  Field body = Oval(image, kAt, p.Barrel, 11.5f, 5.8f);
  Blob(body, kAt, p.Rump, 6.2f, 6.0f);
  Blob(body, kAt, p.Chest, 5.6f, 5.6f);
  const Point throat{p.Poll.X + 1.5f, p.Poll.Y + 4.0f};
  Stroke(body, kAt, {p.Withers.X - 1.0f, p.Withers.Y + 3.5f}, {p.Poll.X + 0.5f, p.Poll.Y + 1.8f}, 8.0f, 4.2f);
  Stroke(body, kAt, {p.Chest.X + 1.0f, p.Chest.Y}, throat, 5.0f, 3.4f);
  Stroke(body, kAt, {p.Poll.X + 0.5f, p.Poll.Y + 1.5f}, p.Muzzle, 4.6f, 3.0f);
  Stroke(body, kAt, {p.Poll.X, p.Poll.Y + 0.5f}, {p.Poll.X - 1.0f, p.Poll.Y - 2.4f}, 1.6f, 0.6f);
  Solid(image, body, kCoat);

  const Point mane[] = {{p.Withers.X - 1.5f, p.Withers.Y + 0.5f}, {p.Poll.X - 0.5f, p.Poll.Y + 0.5f}};
  Solid(image, Stroked(image, kAt, mane[0], mane[1], 2.2f, 1.4f), kPoints, 0.5f);
  Paint(image, Oval(image, kAt, {p.Poll.X + 1.8f, p.Poll.Y + 2.4f}, 0.7f, 0.7f), Rgb(0x080604));
  Paint(image, Oval(image, kAt, {p.Muzzle.X - 0.6f, p.Muzzle.Y - 0.4f}, 0.5f, 0.5f), Rgb(0x2A140A), 0.8f);

  for (const Leg* leg : {&p.NearFore, &p.NearHind}) DrawLeg(image, *leg, kCoat);
}

void DrawJockey(Image& image, const Rider& p, Point muzzle) {
  // A saddle cloth under the seat, then the rider: boots, breeches, silks.
  const float cx = p.Seat.X - 0.5f, top = p.Seat.Y + 3.0f, bottom = p.Seat.Y + 7.5f;
  const Field cloth =
      kBig.Polygon(image, {{cx - 3.0f, top}, {cx + 3.0f, top}, {cx + 2.0f, bottom}, {cx - 3.0f, bottom}});
  Solid(image, cloth, Rgb(0xF4F2EA), 0.3f);

  Paint(image, Stroked(image, kAt, p.Hands, {muzzle.X - 2.0f, muzzle.Y - 0.5f}, 0.5f, 0.5f), Rgb(0x1A0E08));
  const Field silks = Stroked(image, kAt, p.Seat, p.Shoulder, 4.2f, 4.6f);
  const Point elbow{(p.Shoulder.X + p.Hands.X) * 0.5f + 0.5f, (p.Shoulder.Y + p.Hands.Y) * 0.5f + 1.5f};
  const Field trim = Limb(image, kAt, p.Shoulder, elbow, p.Hands, {2.2f, 2.0f, 2.0f, 1.6f});
  Solid(image, Stroked(image, kAt, p.Knee, p.Foot, 2.4f, 2.0f), Rgb(0x141010), 0.5f);
  Solid(image, Stroked(image, kAt, p.Seat, p.Knee, 3.6f, 2.8f), Rgb(0xF0EEE6), 0.5f);
  Solid(image, silks, kSilk);
  const Field sash = Stroked(image, kAt, {p.Seat.X + 0.5f, p.Seat.Y - 1.0f},
                             {p.Shoulder.X - 0.5f, p.Shoulder.Y + 1.0f}, 1.4f, 1.4f);
  Paint(image, Multiplied(sash, silks), kSilkTrim);
  Solid(image, trim, kSilkTrim, 0.5f);
  // The helmet with its cap's peak to the front.
  const Point h = p.Head;
  Paint(image, Oval(image, kAt, {h.X + 0.6f, h.Y + 0.8f}, 1.7f, 1.8f), Rgb(0xE8B890));
  Solid(image, Oval(image, kAt, {h.X - 0.2f, h.Y - 0.3f}, 2.3f, 2.0f), kSilkTrim, 0.5f);
  Paint(image, Stroked(image, kAt, {h.X + 0.5f, h.Y - 0.2f}, {h.X + 3.2f, h.Y + 0.1f}, 1.1f, 0.7f), kSilk);
}

}  // namespace

// 1 standing, 2 legs gathered, 3 legs stretched.
Image DrawHorse(FontLibrary& /*fonts*/, int phase) {
  const HorsePose& pose = phase == 1 ? kStanding : phase == 2 ? kGathered : kStretched;
  return Supersampled(pose.Width, 41, kScale, [&](Image& image) {
    PaintHorse(image, pose);
    DrawJockey(image, pose.Jockey, pose.Muzzle);
  });
}

}  // namespace vantoro::art
