// The store's marker catalogue: each of the ten markers on its own on a dark
// card, lit from above, with the fittings a buyer looks for drawn over the
// kit's outline (trigger guard, pump, powerlets or bottle, ported barrel,
// the electro's eye, the assisted loader's motor). And a player with no
// marker at all, shrugging.

#include <cmath>

#include "assets/art.hpp"
#include "assets/kit_image.hpp"
#include "assets/kit_marker.hpp"
#include "assets/kit_person.hpp"
#include "assets/recipes.hpp"

namespace vantoro::art {

namespace {

constexpr int kScale = 3;
constexpr float kS = static_cast<float>(kScale);

constexpr int kCardWidth = 270, kCardHeight = 185;

// The store writes over the card in two places: along the top the marker's
// condition, or the catalogue's Prev and Next buttons; at the left the
// price; along the bottom the name, the release status or the marker's
// customisation. The marker keeps to the band between, clear of them all,
// and the light stays inside it too, so the text always stands on the
// card's flat dark.
constexpr float kBandTop = 32.0f, kBandBottom = 152.0f, kBandLeft = 18.0f, kBandRight = 264.0f;

// How many rows the light takes to fade out towards a plain edge.
constexpr float kLightFade = 14.0f;

// A card of one flat colour, with a pool of light from above that gathers
// only between rows `top` and `bottom` (in final pixels).
void DrawCard(Image& image, float top, float bottom, Point spot, float spotRx, float spotRy) {
  const ColorF flat = ToF(Rgb(0x0C0E14)), lit = ToF(Rgb(0x3A4460));
  const float ramp = kLightFade * kS, from = top * kS, to = bottom * kS;
  FillEach(image, [&](int x, int y) {
    const float fy = static_cast<float>(y);
    const float inside = SmoothStep(from, from + ramp, fy) * (1.0f - SmoothStep(to - ramp, to, fy));
    return flat + lit * (Falloff(static_cast<float>(x), fy, spot.X, spot.Y, spotRx, spotRy, 1.4f) * inside);
  });
}

struct Tool {
  const MarkerFrame& At;
  float K;  // pixels per figure unit
  void Line(Field& f, float a0, float u0, float a1, float u1, float w) const {
    const Point p = At.At(a0, u0), q = At.At(a1, u1);
    ThickLine(f, p.X, p.Y, q.X, q.Y, w * K);
  }
  void Dot(Field& f, float a, float u, float r) const {
    const Point p = At.At(a, u);
    FillCircle(f, p.X, p.Y, r * K);
  }
};

void DrawTrigger(Image& image, const Tool& t, bool pistol) {
  Field guard(image.Width, image.Height), trigger(image.Width, image.Height);
  const float top = pistol ? -0.6f : 1.5f;
  t.Line(guard, 1.4f, top - 3.4f, 5.0f, top - 3.4f, 0.4f);
  t.Line(guard, 5.0f, top - 3.4f, 5.6f, top, 0.4f);
  t.Line(trigger, 3.2f, top, 3.0f, top - 1.6f, 0.6f);
  t.Line(trigger, 3.0f, top - 1.6f, 3.5f, top - 2.4f, 0.5f);
  Paint(image, guard, Rgb(0x17181C));
  Paint(image, trigger, Rgb(0xB8BCC4));
}

// Ribs across the pump handle and the rod that runs back to the bolt.
void DrawPump(Image& image, const Tool& t, int item) {
  Field ribs(image.Width, image.Height), rod(image.Width, image.Height);
  // The stock-class pump slides a sleeve along the barrel itself.
  const bool sleeve = item == 4;
  const float u = sleeve ? 4.0f : item == 3 ? 0.2f : 0.5f;
  const float a0 = item == 3 || sleeve ? 13.0f : 14.0f;
  if (sleeve) {
    Field handle(image.Width, image.Height);
    t.Line(handle, a0 - 0.6f, u, a0 + 5.4f, u, 3.0f);
    PaintRounded(image, handle, Rgb(0x2A2C32), 4, {-0.5f, -0.7f, 0.5f, 4.0f}, 0.55f);
  }
  for (int i = 0; i < 5; ++i) {
    const float a = a0 + 1.2f * static_cast<float>(i);
    t.Line(ribs, a, u - 1.1f, a, u + 1.1f, 0.35f);
  }
  t.Line(rod, 7.0f, u + 0.4f, a0, u + 0.4f, 0.5f);
  Paint(image, rod, Rgb(0x9A9EA8));
  Paint(image, ribs, Rgb(0x0A0A0C), 0.8f);
}

// Twelve-gram powerlets: a short silver cylinder under the body.
void DrawPowerlet(Image& image, const Tool& t) {
  Field can(image.Width, image.Height), shine(image.Width, image.Height), cap(image.Width, image.Height);
  t.Line(can, 0.5f, -3.0f, 8.8f, -3.0f, 2.6f);
  t.Line(shine, 1.0f, -2.4f, 8.0f, -2.4f, 0.5f);
  PaintRounded(image, can, Rgb(0x8C9098), 4, {0.0f, -0.9f, 0.4f, 4.0f}, 0.6f);
  AddLight(image, shine, Rgb(0xFFFFFF), 0.5f);
  t.Dot(cap, 9.2f, -3.0f, 1.1f);
  Paint(image, cap, Rgb(0xC8A040));
}

// A highlight down the bottle and a valve ring where it meets the marker.
void DrawBottle(Image& image, const Tool& t, int item) {
  Field shine(image.Width, image.Height), ring(image.Width, image.Height);
  if (item == 3 || item == 5) {  // the bottle forward, under the barrel
    const float a0 = item == 3 ? 7.5f : 4.5f, a1 = item == 3 ? 20.5f : 19.5f;
    const float u = item == 3 ? -3.4f : -4.0f;
    t.Line(shine, a0 + 1.0f, u + 1.0f, a1 - 1.0f, u + 1.0f, 0.6f);
    t.Line(ring, a0 - 0.2f, u - 1.6f, a0 - 0.2f, u + 1.6f, 0.8f);
  } else {
    const float a1 = -4.0f - static_cast<float>(item - 5) * 1.0f - 9.0f;
    t.Line(shine, -5.0f, 4.6f, a1 + 1.0f, 4.0f, 0.7f);
    t.Line(ring, -4.0f, 5.0f, -4.0f, 0.8f, 1.0f);
  }
  AddLight(image, shine, Rgb(0xFFFFFF), 0.35f);
  Paint(image, ring, Rgb(0xA8ACB4));
}

void DrawPorts(Image& image, const Tool& t, int item) {
  Field holes(image.Width, image.Height);
  const float end = item == 10 ? 33.0f : item == 9 ? 31.0f : 27.0f;
  for (int i = 0; i < 6; ++i) t.Dot(holes, end - 1.2f - 1.3f * static_cast<float>(i), 4.5f, 0.42f);
  Paint(image, holes, Rgb(0x020203));
}

// Milled slots along the body, and screws.
void DrawMilling(Image& image, const Tool& t) {
  Field slots(image.Width, image.Height), lips(image.Width, image.Height);
  t.Line(slots, 0.5f, 4.3f, 6.0f, 4.3f, 0.6f);
  t.Line(slots, 0.5f, 3.0f, 4.5f, 3.0f, 0.5f);
  t.Line(lips, 0.5f, 3.9f, 6.0f, 3.9f, 0.25f);
  Paint(image, slots, Rgb(0x000000), 0.55f);
  AddLight(image, lips, Rgb(0xFFFFFF), 0.25f);
}

void DrawEye(Image& image, const Tool& t) {
  Field eye(image.Width, image.Height);
  t.Dot(eye, 7.6f, 4.6f, 0.45f);
  GlowingCore(image, eye, Rgb(0x30FF60), 4, 1.0f, Rgb(0xC8FFD0));
}

// The assisted loader's motor: a bulge at the back with a lit switch.
void DrawMotor(Image& image, const Tool& t, int item) {
  Field bulge(image.Width, image.Height), led(image.Width, image.Height);
  const float cu = item == 10 ? 13.5f : 12.0f;
  t.Dot(bulge, item == 10 ? -4.4f : -3.6f, cu - 1.2f, 2.0f);
  PaintRounded(image, bulge, Rgb(0x101014), 4, {-0.5f, -0.7f, 0.5f, 4.0f}, 0.5f);
  t.Dot(led, item == 10 ? -4.4f : -3.6f, cu - 1.0f, 0.4f);
  GlowingCore(image, led, Rgb(0x40A0FF), 4, 1.0f, Rgb(0xE0F0FF));
}

void DrawMarkerCard(Image& image, int item) {
  const Rect box{static_cast<int>(kBandLeft * kS), static_cast<int>(kBandTop * kS),
                 static_cast<int>(kBandRight * kS), static_cast<int>(kBandBottom * kS)};
  const float middle = (kBandLeft + kBandRight) * 0.5f;
  DrawCard(image, kBandTop, kBandBottom, {middle * kS, 110.0f * kS}, 116.0f * kS, 50.0f * kS);
  const MarkerFrame at = MarkerItemFrame(box, item);
  const Tool t{at, std::hypot(at.Along.X, at.Along.Y)};
  // A soft shadow on the card under the marker.
  GroundShadow(image, middle * kS, static_cast<float>(box.Bottom) - 3.0f * kS, 100.0f * kS, 3.0f * kS,
               4 * kScale, 0.7f);

  DrawMarker(image, at, item, {.Rim = Rgb(0xC0D4FF)});
  // Items 1 to 4 are pumps, 3 gravity-fed with its bottle forward and the
  // rest on powerlets; 5 is the first semi, ported; 6 and 7 milled semis; 8
  // the first electro; 9 and 10 electros, ported, with a motor in the loader.
  if (item <= 4 && item != 3) DrawPowerlet(image, t);
  if (item >= 5 || item == 3) DrawBottle(image, t, item);
  DrawTrigger(image, t, item <= 3);
  if (item <= 4) DrawPump(image, t, item);
  if (item == 5 || item >= 9) DrawPorts(image, t, item);
  if (item >= 6) DrawMilling(image, t);
  if (item >= 8) DrawEye(image, t);
  if (item >= 9) DrawMotor(image, t, item);
  const Point glint = at.At(-2.0f, 3.8f);
  Glint(image, glint.X, glint.Y, 1.6f * t.K, {.Width = 0.3f * t.K, .Core = 0.3f * t.K, .HaloStrength = 0.3f});
}

// ---------------------------------------------------------------- no marker

void DrawShrug(Image& image, int gender) {
  const bool female = gender == 2;
  // No text is written over this card: the light may reach every row.
  DrawCard(image, -kLightFade, kCardHeight + kLightFade, {135.0f * kS, 174.0f * kS}, 120.0f * kS, 44.0f * kS);
  Pose p = Standing();
  Mirrored(p.Shoulder, {female ? 0.125f : 0.15f, -0.78f});
  p.Tilt = female ? -0.18f : 0.16f;
  // Elbows low at the sides, open hands turned up at shoulder height.
  Mirrored(p.Elbow, {0.21f, -0.59f});
  Mirrored(p.Hand, {0.37f, -0.63f});
  Mirrored(p.Foot, {0.11f, 0.0f});
  const Kit kit = female ? Kit{.Jersey = Rgb(0xE0507A), .Trim = Rgb(0xF4F4F0), .Pants = Rgb(0x24262E)}
                         : Kit{.Jersey = Rgb(0x2A7AD0), .Trim = Rgb(0xFFD81E), .Pants = Rgb(0x22262E)};
  const float height = (female ? 152.0f : 160.0f) * kS;
  const Person person{.Feet = {135.0f * kS, 176.0f * kS}, .Height = height, .Body = p, .Colours = kit};
  GroundShadow(image, person.Feet.X + 4.0f * kS, person.Feet.Y, 34.0f * kS, 4.0f * kS, 3 * kScale, 0.8f);
  if (female) {
    Field tail(image.Width, image.Height);
    const Point c = Placed(person.Feet, p.Head, height);
    TaperedLine(tail, c.X - 0.05f * height, c.Y - 0.05f * height, c.X - 0.15f * height, c.Y + 0.13f * height,
                0.06f * height, 0.02f * height);
    Paint(image, Dilated(tail, 3), Rgb(0x0A0A10));
    PaintRounded(image, tail, Rgb(0x5A3018), 6, {-0.5f, -0.7f, 0.6f, 3.0f}, 0.5f);
  }
  DrawPlayer(image, person);
}

}  // namespace

Image DrawMarkerCatalogue(FontLibrary& /*fonts*/, int item) {
  return Supersampled(kCardWidth, kCardHeight, kScale, [&](Image& image) { DrawMarkerCard(image, item); });
}

Image DrawNoMarker(FontLibrary& /*fonts*/, int gender) {
  return Supersampled(kCardWidth, kCardHeight, kScale, [&](Image& image) { DrawShrug(image, gender); });
}

}  // namespace vantoro::art
