// Player portraits: sixteen head-and-shoulders paintings, eight men and
// eight women, each a different person down to the face's shape, the hair,
// the kit and whether they have come straight off the field with a mask
// pushed up or a band round the head. Faces are height fields lit softly
// from the upper left, so that cheekbones, noses and chins take the light
// the way they would under a lamp; eyes, brows and lips are painted over
// the lit skin. Everything is drawn at twice the size and shrunk, for
// clean edges on small features.

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "assets/art.hpp"
#include "assets/kit_image.hpp"
#include "assets/kit_person.hpp"
#include "assets/paint.hpp"
#include "assets/recipes.hpp"

namespace vantoro::art {

namespace {

constexpr int kFactor = 2;
constexpr int kFinalWidth = 201;
constexpr int kFinalHeight = 150;
constexpr int kWidth = kFinalWidth * kFactor;
constexpr int kHeight = kFinalHeight * kFactor;
constexpr float kPi = std::numbers::pi_v<float>;

// The key light comes from the upper left and a little in front.
constexpr float kLightX = -0.55f, kLightY = -0.7f, kLightZ = 1.0f;

enum class Hair { Crop, Buzz, Spiky, Curls, Swept, Long, Ponytail, Bob, Bun, Braids, Puff, Shoulder };
enum class Beard { None, Stubble, Goatee, Full, Moustache };
enum class Gear { None, Goggles, Headband, Bandana };

struct Look {
  Color Skin, HairColour, Iris, Backdrop;
  Hair Style;
  Beard Facial;
  Gear Kit;
  Color Jersey, Trim, KitColour;  // KitColour: the band, bandana or mask frame
  float Size;                     // head half-width in pixels (at the working size)
  float Jaw;                      // jaw width relative to the cheeks
  float ChinY;                    // chin below the eye line, in head half-widths
  float Brow;                     // eyebrow weight
  float Lips;                     // lip fullness
  float Smile;                    // -1 stern .. 1 grin
  float Nose;                     // nose size
  float Turn;                     // -1 .. 1: the head turned towards the picture's left/right
  std::uint32_t Seed;
};

// clang-format off
const Look kMen[8] = {
    // Fair, side-parted brown hair, mask pushed up after a game.
    {Rgb(0xE4B594), Rgb(0x5A3A22), Rgb(0x4C78A8), Rgb(0x14243A), Hair::Swept, Beard::None, Gear::Goggles,
     Rgb(0x1F4FA8), Rgb(0xE8E8F0), Rgb(0x202226), 54, 0.80f, 1.50f, 1.0f, 0.9f, 0.35f, 1.0f, 0.2f, 11},
    // Deep brown skin, buzz cut, short beard, red team jersey.
    {Rgb(0x6A4028), Rgb(0x141010), Rgb(0x3A2416), Rgb(0x2A1414), Hair::Buzz, Beard::Full, Gear::None,
     Rgb(0xB02028), Rgb(0x181818), Rgb(0x000000), 55, 0.86f, 1.54f, 1.2f, 1.15f, 0.1f, 1.1f, -0.15f, 12},
    // Tan, black curls, goatee and a headband.
    {Rgb(0xA8704A), Rgb(0x16110E), Rgb(0x3A2416), Rgb(0x10261E), Hair::Curls, Beard::Goatee, Gear::Headband,
     Rgb(0x1E6A3A), Rgb(0x101010), Rgb(0xE8E8E8), 55, 0.84f, 1.52f, 1.1f, 1.1f, 0.5f, 1.05f, 0.1f, 13},
    // Pale and freckled under a bandana, ginger stubble.
    {Rgb(0xEEC2A2), Rgb(0xB0552A), Rgb(0x5A7A4A), Rgb(0x261A30), Hair::Crop, Beard::Stubble, Gear::Bandana,
     Rgb(0xE0702A), Rgb(0x202020), Rgb(0x2A3C8A), 53, 0.78f, 1.50f, 0.8f, 0.85f, 0.2f, 0.95f, -0.25f, 14},
    // Light tan, black hair standing up, mask up.
    {Rgb(0xD9AD85), Rgb(0x121214), Rgb(0x2C1C12), Rgb(0x1A2226), Hair::Spiky, Beard::None, Gear::Goggles,
     Rgb(0xE8C020), Rgb(0x202020), Rgb(0xC02020), 53, 0.78f, 1.46f, 0.9f, 0.9f, 0.6f, 0.9f, 0.15f, 15},
    // Olive skin, dark hair, full beard, no gear.
    {Rgb(0xC28C64), Rgb(0x2E2420), Rgb(0x4A2E1C), Rgb(0x222222), Hair::Crop, Beard::Full, Gear::None,
     Rgb(0x4A4E56), Rgb(0xD0A020), Rgb(0x000000), 56, 0.88f, 1.55f, 1.3f, 0.9f, -0.1f, 1.15f, -0.1f, 16},
    // Fair, blond spikes, green jersey, headband.
    {Rgb(0xE8B896), Rgb(0xC9A060), Rgb(0x4C78A8), Rgb(0x182A16), Hair::Spiky, Beard::None, Gear::Headband,
     Rgb(0x2E8A2E), Rgb(0xF0F0F0), Rgb(0x1A1A1A), 53, 0.80f, 1.50f, 0.9f, 0.9f, 0.75f, 1.0f, -0.2f, 17},
    // Brown skin, black hair, moustache, purple jersey, mask up.
    {Rgb(0x94603C), Rgb(0x0E0C0C), Rgb(0x2A1A10), Rgb(0x221430), Hair::Crop, Beard::Moustache, Gear::Goggles,
     Rgb(0x6A2A9A), Rgb(0xE0E0E0), Rgb(0x2A6AD0), 55, 0.84f, 1.52f, 1.15f, 0.95f, 0.25f, 1.05f, 0.25f, 18},
};

const Look kWomen[8] = {
    // Fair, long blonde hair, blue jersey, mask pushed up.
    {Rgb(0xEEC4A6), Rgb(0xC8A060), Rgb(0x4C78A8), Rgb(0x141E34), Hair::Long, Beard::None, Gear::Goggles,
     Rgb(0x2050B0), Rgb(0xF0F0F0), Rgb(0xE03030), 51, 0.72f, 1.44f, 0.65f, 1.15f, 0.55f, 0.85f, 0.15f, 21},
    // Dark skin, natural curls in a puff, red jersey, headband.
    {Rgb(0x6E4430), Rgb(0x18120E), Rgb(0x3A2416), Rgb(0x2A1616), Hair::Puff, Beard::None, Gear::Headband,
     Rgb(0xC02A30), Rgb(0x1A1A1A), Rgb(0xF2C020), 51, 0.74f, 1.46f, 0.75f, 1.3f, 0.6f, 0.9f, -0.15f, 22},
    // Tan, black ponytail, green jersey.
    {Rgb(0xB47A52), Rgb(0x17120F), Rgb(0x3A2416), Rgb(0x12261E), Hair::Ponytail, Beard::None, Gear::None,
     Rgb(0x1E7A4A), Rgb(0xF0F0F0), Rgb(0x000000), 50, 0.72f, 1.44f, 0.7f, 1.2f, 0.3f, 0.85f, 0.25f, 23},
    // Pale, red bob, purple jersey, bandana.
    {Rgb(0xF0C8AC), Rgb(0x9A3A1C), Rgb(0x5A7A4A), Rgb(0x201830), Hair::Bob, Beard::None, Gear::Bandana,
     Rgb(0x7A3AA8), Rgb(0x181818), Rgb(0xB0202A), 51, 0.74f, 1.44f, 0.6f, 1.1f, 0.45f, 0.8f, -0.2f, 24},
    // Light tan, long straight black hair with a fringe, mask up.
    {Rgb(0xE0B690), Rgb(0x0E0C0E), Rgb(0x2A1A10), Rgb(0x1C1C28), Hair::Long, Beard::None, Gear::Goggles,
     Rgb(0x202024), Rgb(0xE8E8E8), Rgb(0xF0F0F0), 50, 0.72f, 1.42f, 0.6f, 1.1f, 0.4f, 0.8f, -0.1f, 25},
    // Brown skin, long braids, orange jersey.
    {Rgb(0x8C5A3A), Rgb(0x1C1410), Rgb(0x3A2416), Rgb(0x2A1A10), Hair::Braids, Beard::None, Gear::None,
     Rgb(0xE0702A), Rgb(0x1A1A1A), Rgb(0x000000), 51, 0.74f, 1.46f, 0.75f, 1.3f, 0.65f, 0.9f, 0.1f, 26},
    // Fair, brown hair in a bun, teal jersey, headband.
    {Rgb(0xE6B898), Rgb(0x5C3A22), Rgb(0x6A7A84), Rgb(0x102428), Hair::Bun, Beard::None, Gear::Headband,
     Rgb(0x1A8A8A), Rgb(0xF0F0F0), Rgb(0x1A8A8A), 50, 0.72f, 1.43f, 0.7f, 1.1f, 0.2f, 0.8f, 0.2f, 27},
    // Olive, dark hair to the shoulders, yellow jersey.
    {Rgb(0xC8966C), Rgb(0x2A1A12), Rgb(0x7A5A30), Rgb(0x261E12), Hair::Shoulder, Beard::None, Gear::None,
     Rgb(0xE8B820), Rgb(0x1A1A1A), Rgb(0x000000), 51, 0.74f, 1.45f, 0.75f, 1.2f, 0.5f, 0.85f, -0.25f, 28},
};
// clang-format on

float Gauss(float dx, float dy, float sx, float sy) {
  return std::exp(-(dx * dx) / (sx * sx) - (dy * dy) / (sy * sy));
}

// ---------------------------------------------------------------- the head's frame

// Head units: x across from the face's middle, y down from the eye line,
// both in head half-widths.
struct Frame {
  float CentreX, EyeY, Unit, Turn;
  float X(float xu) const { return CentreX + xu * Unit; }
  float Y(float yu) const { return EyeY + yu * Unit; }
  // Features nearer the viewer move further when the head turns.
  float Fx(float xu, float depth) const { return CentreX + (xu + Turn * 0.12f * depth) * Unit; }
};

// Half the head's width at height yu: a rounded skull, the temples, the
// cheekbones, then the jaw narrowing to a rounded chin. Control points in
// head units, joined by a Catmull-Rom curve; the lower face stretches with
// the chin's depth.
float HalfWidth(const Look& look, float yu) {
  const float chin = look.ChinY;
  const float lower = chin / 1.5f;
  const float ys[] = {-1.66f,       -1.5f,        -1.2f,        -0.8f,        -0.3f, 0.2f,
                      0.6f * lower, 1.0f * lower, 1.3f * lower, chin - 0.06f, chin};
  const float ws[] = {0.0f,  0.55f, 0.85f, 0.97f, 1.0f, 0.96f, 0.9f, look.Jaw, (look.Jaw + 0.36f) * 0.58f,
                      0.32f, 0.0f};
  constexpr int kCount = 11;
  if (yu <= ys[0] || yu >= ys[kCount - 1]) return 0.0f;
  // The top and bottom round off like circles rather than points.
  if (yu < ys[1]) return ws[1] * std::sqrt(Clamp01((yu - ys[0]) / (ys[1] - ys[0])));
  if (yu > ys[kCount - 2])
    return ws[kCount - 2] * std::sqrt(Clamp01((ys[kCount - 1] - yu) / (ys[kCount - 1] - ys[kCount - 2])));
  int i = 1;
  while (yu > ys[i + 1]) ++i;
  const float t = (yu - ys[i]) / (ys[i + 1] - ys[i]);
  const float p0 = ws[i - 1], p1 = ws[i], p2 = ws[i + 1], p3 = ws[std::min(i + 2, kCount - 1)];
  const float t2 = t * t, t3 = t2 * t;
  return 0.5f * (2.0f * p1 + (p2 - p0) * t + (2.0f * p0 - 5.0f * p1 + 4.0f * p2 - p3) * t2 +
                 (3.0f * p1 - p0 - 3.0f * p2 + p3) * t3);
}

// ---------------------------------------------------------------- background

void DrawBackdrop(Image& image, const Look& look, Random& rng) {
  const ColorF base = ToF(look.Backdrop);
  const Gradient glow{
      {0.0f, ToColor(base * 2.2f)}, {0.55f, ToColor(base * 1.1f)}, {1.0f, ToColor(base * 0.35f)}};
  FillRadial(image, kWidth * 0.42f, kHeight * 0.38f, kWidth * 0.75f, kHeight * 0.9f, glow);
  // Out-of-focus splats on the wall behind.
  Field splats(kWidth, kHeight);
  for (int i = 0; i < 3; ++i) {
    SplatStyle style;
    style.Radius = rng.Range(14.0f, 26.0f);
    style.Arms = 7;
    style.Droplets = 6;
    const float x = rng.Unit() < 0.5f ? rng.Range(10.0f, 90.0f) : rng.Range(310.0f, 392.0f);
    Splat(splats, rng, x, rng.Range(20.0f, 170.0f), style);
  }
  BoxBlur(splats, 6);
  Paint(image, splats, ToColor(base * 2.8f + ToF(look.Jersey) * 0.15f), 0.35f);
}

// ---------------------------------------------------------------- hair masks

struct HairMasks {
  Field Back;   // behind the head and shoulders
  Field Front;  // over the head
  Point Crown;  // where the strands start
  bool Curly = false;
  bool Short = false;
  bool Braided = false;
};

// An ellipse whose outline wanders with noise: hair never has a ruled edge.
void RaggedEllipse(Field& f, const Noise& noise, float cx, float cy, float rx, float ry, float rag) {
  const int x0 = std::max(static_cast<int>(cx - rx * (1 + rag)) - 2, 0);
  const int x1 = std::min(static_cast<int>(cx + rx * (1 + rag)) + 2, f.Width - 1);
  const int y0 = std::max(static_cast<int>(cy - ry * (1 + rag)) - 2, 0);
  const int y1 = std::min(static_cast<int>(cy + ry * (1 + rag)) + 2, f.Height - 1);
  // The wobble depends on the angle only: a table round the circle.
  constexpr int kSteps = 256;
  float wobbles[kSteps + 1];
  for (int i = 0; i <= kSteps; ++i) {
    const float a = 2.0f * kPi * static_cast<float>(i) / kSteps - kPi;
    wobbles[i] =
        1.0f + rag * (noise.Fbm(std::cos(a) * 3.0f + 7.0f, std::sin(a) * 3.0f + 7.0f, 3) - 0.5f) * 2.0f;
  }
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const float dx = (static_cast<float>(x) - cx) / rx, dy = (static_cast<float>(y) - cy) / ry;
      const float a = std::atan2(dy, dx);
      const float wobble =
          wobbles[std::clamp(static_cast<int>((a + kPi) / (2.0f * kPi) * kSteps + 0.5f), 0, kSteps)];
      const float d = std::sqrt(dx * dx + dy * dy);
      const float v = Clamp01((wobble - d) * std::min(rx, ry) + 0.5f);
      f(x, y) = std::max(f(x, y), v);
    }
  }
}

// A lock of hair: a tapering stroke along a quadratic curve.
void Lock(Field& f, Point a, Point control, Point b, float w0, float w1) {
  constexpr int kSteps = 12;
  Point prev = a;
  for (int i = 1; i <= kSteps; ++i) {
    const float t = static_cast<float>(i) / kSteps, s = 1.0f - t;
    const Point p{s * s * a.X + 2 * s * t * control.X + t * t * b.X,
                  s * s * a.Y + 2 * s * t * control.Y + t * t * b.Y};
    const float t0 = static_cast<float>(i - 1) / kSteps;
    TaperedLine(f, prev.X, prev.Y, p.X, p.Y, w0 + (w1 - w0) * t0, w0 + (w1 - w0) * t);
    prev = p;
  }
}

// Clears the face from the hair below the hairline. The hairline sits at
// `middle` over the forehead and curves down to `temple` at the sides;
// hair at the face's very edge stays down to `sideburn`.
void CutFace(Field& hair, const Look& look, const Frame& fr, float middle, float temple, float sideburn) {
  for (int y = 0; y < hair.Height; ++y) {
    const float yu = (static_cast<float>(y) - fr.EyeY) / fr.Unit;
    if (yu < middle - 0.1f) continue;
    const float half = HalfWidth(look, yu);
    for (int x = 0; x < hair.Width; ++x) {
      const float xu = (static_cast<float>(x) - fr.CentreX) / fr.Unit;
      const float side = std::fabs(xu);
      const float line = middle + (temple - middle) * SmoothStep(0.15f, 0.8f, side);
      if (side > half + 0.02f) continue;
      const float below = Clamp01((yu - line) * fr.Unit * 0.35f + 0.5f);
      // Towards the edge the hair stays (sideburns, hair over the temples).
      const float edge = yu < sideburn ? SmoothStep(half - 0.2f, half - 0.04f, side) : 0.0f;
      hair(x, y) *= 1.0f - below * (1.0f - edge);
    }
  }
}

HairMasks ShapeHair(const Look& look, const Frame& fr) {
  HairMasks h{Field(kWidth, kHeight), Field(kWidth, kHeight), {fr.X(0.0f), fr.Y(-1.75f)}};
  const Noise noise(look.Seed * 31u + 5u);
  Random rng(look.Seed * 977u);
  const float u = fr.Unit;
  auto at = [&](float xu, float yu) { return Point{fr.X(xu), fr.Y(yu)}; };
  switch (look.Style) {
    case Hair::Buzz:
      RaggedEllipse(h.Front, noise, fr.X(0.0f), fr.Y(-0.5f), u * 1.02f, u * 1.18f, 0.01f);
      CutFace(h.Front, look, fr, -0.95f, -0.6f, 0.1f);
      h.Short = true;
      break;
    case Hair::Crop:
      RaggedEllipse(h.Front, noise, fr.X(0.0f), fr.Y(-0.55f), u * 1.08f, u * 1.25f, 0.04f);
      CutFace(h.Front, look, fr, -0.9f, -0.55f, 0.2f);
      h.Crown = at(0.3f, -1.7f);
      break;
    case Hair::Swept:
      RaggedEllipse(h.Front, noise, fr.X(-0.02f), fr.Y(-0.55f), u * 1.1f, u * 1.26f, 0.04f);
      // A quiff lifted over the side part.
      RaggedEllipse(h.Front, noise, fr.X(-0.25f), fr.Y(-1.55f), u * 0.8f, u * 0.4f, 0.06f);
      CutFace(h.Front, look, fr, -0.92f, -0.55f, 0.2f);
      h.Crown = at(0.45f, -1.6f);
      break;
    case Hair::Spiky:
      RaggedEllipse(h.Front, noise, fr.X(0.0f), fr.Y(-0.55f), u * 1.07f, u * 1.22f, 0.03f);
      for (int i = 0; i < 15; ++i) {
        const float a = kPi * (1.06f + 0.88f * static_cast<float>(i) / 14.0f) + rng.Range(-0.05f, 0.05f);
        const float bx = fr.X(0.0f) + std::cos(a) * u * 0.9f, by = fr.Y(-0.6f) + std::sin(a) * u * 1.05f;
        const float len = u * rng.Range(0.28f, 0.45f);
        TaperedLine(h.Front, bx, by, bx + std::cos(a) * len, by + std::sin(a) * len - u * 0.12f, u * 0.3f,
                    1.5f);
      }
      CutFace(h.Front, look, fr, -0.9f, -0.6f, 0.1f);
      h.Crown = at(0.0f, -1.1f);
      break;
    case Hair::Curls:
      RaggedEllipse(h.Front, noise, fr.X(0.0f), fr.Y(-0.72f), u * 1.2f, u * 1.2f, 0.1f);
      CutFace(h.Front, look, fr, -0.85f, -0.55f, 0.1f);
      h.Curly = true;
      break;
    case Hair::Puff:
      RaggedEllipse(h.Back, noise, fr.X(0.0f), fr.Y(-1.3f), u * 1.5f, u * 1.0f, 0.08f);
      RaggedEllipse(h.Front, noise, fr.X(0.0f), fr.Y(-0.6f), u * 1.05f, u * 1.18f, 0.02f);
      CutFace(h.Front, look, fr, -0.92f, -0.55f, 0.0f);
      h.Curly = true;
      break;
    case Hair::Long:
    case Hair::Shoulder: {
      const bool shoulder = look.Style == Hair::Shoulder;
      const bool fringe = look.Seed % 2 == 1;
      const float len = shoulder ? 2.3f : 3.0f;
      const std::vector<Point> back{at(-1.1f, -0.9f),      at(-1.3f, 0.4f), at(-1.42f, len - 0.2f),
                                    at(1.42f, len - 0.2f), at(1.3f, 0.4f),  at(1.1f, -0.9f)};
      FillPolygon(h.Back, back);
      RaggedEllipse(h.Back, noise, fr.X(0.0f), fr.Y(-0.6f), u * 1.18f, u * 1.28f, 0.03f);
      RaggedEllipse(h.Front, noise, fr.X(0.0f), fr.Y(-0.6f), u * 1.14f, u * 1.25f, 0.03f);
      // Locks falling either side of the face, in front of the shoulders,
      // with ragged ends.
      for (const float side : {-1.0f, 1.0f}) {
        for (int k = 0; k < 6; ++k) {
          const float kf = static_cast<float>(k) / 5.0f;
          const float sway = shoulder ? rng.Range(-0.2f, 0.2f) : rng.Range(-0.05f, 0.05f);
          const Point start = at(side * (0.35f + 0.5f * kf), -1.55f + 0.3f * kf);
          const Point bend = at(side * (1.25f + 0.1f * kf + sway), -0.2f + 0.3f * kf);
          const Point end = at(side * (0.95f + 0.42f * kf + sway), len * rng.Range(0.78f, 0.92f));
          Lock(h.Front, start, bend, end, u * 0.34f, u * 0.06f);
        }
        for (int k = 0; k < 5; ++k) {
          const float x = side * rng.Range(0.3f, 1.4f);
          Lock(h.Back, at(x, len - 0.5f), at(x, len - 0.1f),
               at(x + rng.Range(-0.1f, 0.1f), len + rng.Range(0.0f, 0.25f)), u * 0.3f, u * 0.04f);
        }
      }
      CutFace(h.Front, look, fr, fringe ? -0.42f : -0.9f, fringe ? -0.35f : -0.55f, 1.2f);
      h.Crown = at(fringe ? 0.0f : 0.3f, -1.7f);
      break;
    }
    case Hair::Ponytail:
    case Hair::Bun:
      RaggedEllipse(h.Front, noise, fr.X(0.0f), fr.Y(-0.55f), u * 1.06f, u * 1.22f, 0.015f);
      CutFace(h.Front, look, fr, -0.92f, -0.58f, 0.2f);
      if (look.Style == Hair::Bun) {
        RaggedEllipse(h.Front, noise, fr.X(0.08f), fr.Y(-1.85f), u * 0.5f, u * 0.36f, 0.05f);
      } else {
        // The tail brought forward over one shoulder.
        Lock(h.Back, at(0.85f, 0.1f), at(1.25f, 0.9f), at(1.3f, 2.7f), u * 0.5f, u * 0.2f);
        Lock(h.Front, at(1.0f, 1.1f), at(1.35f, 1.7f), at(1.35f, 2.9f), u * 0.42f, u * 0.1f);
      }
      h.Crown = at(0.0f, -1.9f);
      break;
    case Hair::Bob:
      RaggedEllipse(h.Front, noise, fr.X(0.0f), fr.Y(-0.4f), u * 1.25f, u * 1.45f, 0.03f);
      // Cut straight just below the jaw.
      for (int y = static_cast<int>(fr.Y(1.05f)); y < kHeight; ++y) {
        const float keep = Clamp01(fr.Y(1.05f) - static_cast<float>(y) + 1.0f);
        for (int x = 0; x < kWidth; ++x) h.Front(x, y) *= keep;
      }
      CutFace(h.Front, look, fr, -0.5f, -0.4f, 1.2f);
      h.Crown = at(0.0f, -1.75f);
      break;
    case Hair::Braids:
      RaggedEllipse(h.Front, noise, fr.X(0.0f), fr.Y(-0.55f), u * 1.08f, u * 1.24f, 0.015f);
      CutFace(h.Front, look, fr, -0.92f, -0.55f, 0.2f);
      for (int i = 0; i < 8; ++i) {
        const float side = i < 4 ? -1.0f : 1.0f;
        const float k = static_cast<float>(i % 4);
        Field& layer = i % 2 == 0 ? h.Front : h.Back;
        Lock(layer, at(side * (0.55f + 0.14f * k), -1.0f + 0.2f * k), at(side * (1.12f + 0.05f * k), 0.2f),
             at(side * (1.0f + 0.16f * k), 2.5f + 0.1f * k), u * 0.2f, u * 0.11f);
      }
      h.Crown = at(0.0f, -1.7f);
      h.Braided = true;
      break;
  }
  const bool longHair = look.Style == Hair::Long || look.Style == Hair::Shoulder || look.Style == Hair::Bun ||
                        look.Style == Hair::Ponytail || look.Style == Hair::Bob;
  if (longHair && look.Kit != Gear::Bandana) {
    // A few loose hairs standing off the crown.
    for (int i = 0; i < 12; ++i) {
      const float a = kPi * rng.Range(1.1f, 1.9f);
      const Point from{fr.X(std::cos(a) * 1.05f), fr.Y(-0.6f + std::sin(a) * 1.2f)};
      const float turn = a + kPi * 0.5f * (rng.Unit() < 0.5f ? -1.0f : 1.0f) * rng.Range(0.3f, 0.8f);
      const float len = u * rng.Range(0.12f, 0.3f);
      Lock(h.Front, from, {from.X + std::cos(a) * len, from.Y + std::sin(a) * len},
           {from.X + std::cos(turn) * len * 1.4f, from.Y + std::sin(turn) * len * 1.4f}, 1.6f, 0.6f);
    }
  }
  return h;
}

// The light on hair: volume from a soft bevel, strands running out from
// the crown with a sheen on the lit side, or small lit curls.
HairLight HairLightFor(const Field& mask, const HairMasks& h, const Look& look, const Frame& fr) {
  const Noise strands(look.Seed * 7u + 1u), curls(look.Seed * 7u + 2u);
  const Field volume = Bevel(mask, static_cast<int>(fr.Unit * 0.2f), kLightX, kLightY, kLightZ, 8.0f);
  Field curlLight;
  if (h.Curly) {
    Field curlHeight(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x)
        if (mask(x, y) > 0.0f)
          curlHeight(x, y) = curls.Fbm(static_cast<float>(x) / 3.5f, static_cast<float>(y) / 3.5f, 3) * 7.0f;
    curlLight = Lighting(curlHeight, kLightX, kLightY, kLightZ, 1.0f);
  }
  const ColorF base = ToF(look.HairColour);
  HairLight light;
  light.Shine = Lerp(base, ColorF{1.0f, 0.95f, 0.85f}, 0.3f) + ColorF{0.07f, 0.07f, 0.07f};
  light.Opacity = h.Short ? 0.9f : 1.0f;
  light.Lit = Field(kWidth, kHeight);
  light.Texture = Field(kWidth, kHeight);
  light.Sheen = Field(kWidth, kHeight);
  const float flat = kLightZ / std::sqrt(kLightX * kLightX + kLightY * kLightY + kLightZ * kLightZ);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if (mask(x, y) <= 0.0f) continue;
      const float dx = static_cast<float>(x) - h.Crown.X, dy = static_cast<float>(y) - h.Crown.Y;
      const float r = std::sqrt(dx * dx + dy * dy);
      const float angle = std::atan2(dx, dy);
      const float lit = volume(x, y) / flat;
      float texture = 1.0f, sheen = 0.0f;
      if (h.Curly) {
        texture = 0.45f + 0.7f * curlLight(x, y) / flat;
        sheen = std::pow(Clamp01(curlLight(x, y)), 10.0f) * 0.4f;
      } else {
        const float s = strands.Fbm(angle * (h.Short ? 120.0f : 60.0f), r / 40.0f, 2);
        texture = 0.65f + 0.7f * s;
        if (h.Braided) texture *= 0.65f + 0.35f * std::fabs(std::sin(r / 3.2f + angle * 4.0f));
        // The sheen runs round the head as a band on the lit side.
        const float band = std::exp(-std::pow((r - fr.Unit * 0.85f) / (fr.Unit * 0.3f), 2.0f));
        sheen = band * s * s * Clamp01(lit - 0.55f) * (h.Short ? 0.5f : 1.3f);
      }
      light.Lit(x, y) = lit;
      light.Texture(x, y) = texture;
      light.Sheen(x, y) = sheen;
    }
  }
  return light;
}

// ---------------------------------------------------------------- body

void DrawBody(Image& image, const Look& look, const Frame& fr, const Field& face, bool man) {
  const float u = fr.Unit;
  const float neckHalf = man ? 0.5f : 0.43f;
  const float baseY = 1.75f;  // the neck's root, in head units
  // Neck: a lit cylinder in the shadow of the jaw.
  Field neck(kWidth, kHeight);
  const Point neckShape[] = {{fr.X(-neckHalf), fr.Y(0.8f)},
                             {fr.X(neckHalf), fr.Y(0.8f)},
                             {fr.X(neckHalf + 0.1f), fr.Y(baseY + 0.3f)},
                             {fr.X(-neckHalf - 0.1f), fr.Y(baseY + 0.3f)}};
  FillPolygon(neck, neckShape);
  Field jawShadow = Shifted(face, static_cast<int>(u * 0.06f), static_cast<int>(u * 0.2f));
  BoxBlur(jawShadow, static_cast<int>(u * 0.1f));
  const ColorF skin = ToF(look.Skin);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const float a = neck(x, y);
      if (a <= 0.0f) continue;
      const float xu = (static_cast<float>(x) - fr.CentreX) / (u * neckHalf);
      const float round = 0.5f + 0.5f * std::sqrt(Clamp01(1.0f - xu * xu)) - 0.22f * Clamp01(xu);
      ColorF c = skin * ColorF{0.98f, 0.88f, 0.84f} * (round * (0.92f - 0.4f * jawShadow(x, y)));
      std::uint32_t& p = image.Pixels[image.Index(x, y)];
      p = Pack(Lerp(Unpack(p), c, a));
    }
  }

  // Shoulders in the team jersey, sloping from the neck.
  Field shirt(kWidth, kHeight);
  const float w = man ? 1.0f : 0.88f;
  const float bottom = static_cast<float>(kHeight + 10);
  const Point torso[] = {{fr.X(-neckHalf - 0.05f), fr.Y(baseY - 0.1f)},
                         {fr.X(-1.3f * w), fr.Y(baseY + 0.2f)},
                         {fr.X(-2.2f * w), fr.Y(baseY + 0.45f)},
                         {fr.X(-2.75f * w), fr.Y(baseY + 0.85f)},
                         {fr.X(-3.0f * w), bottom},
                         {fr.X(3.0f * w), bottom},
                         {fr.X(2.75f * w), fr.Y(baseY + 0.85f)},
                         {fr.X(2.2f * w), fr.Y(baseY + 0.45f)},
                         {fr.X(1.3f * w), fr.Y(baseY + 0.2f)},
                         {fr.X(neckHalf + 0.05f), fr.Y(baseY - 0.1f)}};
  FillPolygon(shirt, torso);
  const Noise folds(look.Seed * 13u + 3u);
  Field height = shirt;
  BoxBlur(height, static_cast<int>(u * 0.4f), 2);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (shirt(x, y) > 0.0f)
        height(x, y) +=
            (folds.Fbm(static_cast<float>(x) / 70.0f, static_cast<float>(y) / 30.0f, 2) - 0.5f) * 0.35f;
  const Field light = Lighting(height, kLightX, kLightY, kLightZ, 16.0f);
  Image cloth(kWidth, kHeight, look.Jersey);
  // Raglan panels in the trim colour from the collar over the shoulders.
  Field panels(kWidth, kHeight);
  for (const float side : {-1.0f, 1.0f}) {
    Lock(panels, {fr.X(side * (neckHalf + 0.3f)), fr.Y(baseY + 0.05f)},
         {fr.X(side * 1.7f * w), fr.Y(baseY + 0.2f)}, {fr.X(side * 3.0f * w), fr.Y(baseY + 1.3f)}, u * 0.14f,
         u * 0.3f);
  }
  Paint(cloth, panels, look.Trim);
  // A splat badge on the chest.
  Field badge(kWidth, kHeight);
  Random rng(look.Seed * 3u + 1u);
  SplatStyle style;
  style.Radius = u * 0.11f;
  style.Arms = 6;
  style.Droplets = 3;
  style.Reach = 1.6f;
  Splat(badge, rng, fr.X(man ? 1.2f : 1.05f), fr.Y(baseY + 0.75f), style);
  Paint(cloth, badge, look.Trim, 0.9f);
  const float flat = kLightZ / std::sqrt(kLightX * kLightX + kLightY * kLightY + kLightZ * kLightZ);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const float a = shirt(x, y);
      if (a <= 0.0f) continue;
      const float l = light(x, y) / flat;
      const ColorF c = Unpack(cloth.Pixels[cloth.Index(x, y)]) * (0.28f + 0.72f * l);
      std::uint32_t& p = image.Pixels[image.Index(x, y)];
      p = Pack(Lerp(Unpack(p), c, a));
    }
  }
  // The collar: a ribbed band round the root of the neck.
  Field collar(kWidth, kHeight);
  constexpr int kSteps = 24;
  const float rx = (neckHalf + 0.12f) * u, ry = u * 0.3f, cy = fr.Y(baseY - 0.12f);
  for (int i = 0; i < kSteps; ++i) {
    const float a0 = kPi * (0.02f + 0.96f * static_cast<float>(i) / kSteps);
    const float a1 = kPi * (0.02f + 0.96f * static_cast<float>(i + 1) / kSteps);
    ThickLine(collar, fr.X(0.0f) + std::cos(a0) * rx, cy + std::sin(a0) * ry, fr.X(0.0f) + std::cos(a1) * rx,
              cy + std::sin(a1) * ry, u * 0.12f);
  }
  Paint(image, collar, look.Trim);
  ApplyLight(image, Bevel(collar, 3, kLightX, kLightY, kLightZ, 3.0f), collar, 0.8f);
}

// ---------------------------------------------------------------- face

// Where the features sit, in head units below the eye line.
float NoseY(const Look& look) { return look.ChinY * 0.5f; }
float MouthY(const Look& look) { return NoseY(look) + (look.ChinY - NoseY(look)) * 0.36f; }

Point EarCentre(const Frame& fr, float side) {
  return {fr.X(side * 0.97f) - fr.Turn * side * fr.Unit * 0.04f, fr.Y(0.3f)};
}

struct FaceMasks {
  Field Skin;    // face and ears
  Field Height;  // in pixels
};

FaceMasks ShapeFace(const Look& look, const Frame& fr) {
  const float u = fr.Unit;
  const float nose = look.Nose;
  const float noseY = NoseY(look), mouthY = MouthY(look);
  FaceMasks face{Field(kWidth, kHeight), Field(kWidth, kHeight)};
  // Ears first, so that the face's edge covers their roots.
  for (const float side : {-1.0f, 1.0f}) {
    const Point ear = EarCentre(fr, side);
    const float ex = ear.X, ey = ear.Y;
    const float erx = u * 0.14f, ery = u * 0.36f;
    FillEllipse(face.Skin, ex, ey, erx, ery);
    for (int y = static_cast<int>(ey - ery) - 1; y <= static_cast<int>(ey + ery) + 1; ++y) {
      for (int x = static_cast<int>(ex - erx) - 1; x <= static_cast<int>(ex + erx) + 1; ++x) {
        if (!face.Height.Contains(x, y)) continue;
        const float dx = (static_cast<float>(x) - ex) / erx, dy = (static_cast<float>(y) - ey) / ery;
        const float d = dx * dx + dy * dy;
        if (d >= 1.0f) continue;
        // A rim round a hollow.
        const float rim =
            std::sqrt(1.0f - d) * 0.14f - Gauss(dx + side * 0.25f, dy + 0.1f, 0.45f, 0.5f) * 0.07f;
        face.Height(x, y) = std::max(face.Height(x, y), rim * u);
      }
    }
  }
  const float t = fr.Turn * 0.12f;  // the turn in head units at the nose tip
  for (int y = 0; y < kHeight; ++y) {
    const float yu = (static_cast<float>(y) - fr.EyeY) / u;
    const float half = HalfWidth(look, yu);
    if (half <= 0.0f) continue;
    for (int x = 0; x < kWidth; ++x) {
      const float xu = (static_cast<float>(x) - fr.CentreX) / u;
      const float cover = Clamp01((half - std::fabs(xu)) * u + 0.5f);
      if (cover <= 0.0f) continue;
      face.Skin(x, y) = std::max(face.Skin(x, y), cover);
      const float nx = std::min(std::fabs(xu) / half, 1.0f);
      const float dome = std::sqrt(1.0f - nx * nx);
      // The jaw turns under towards the neck.
      const float under =
          std::sqrt(Clamp01(1.0f - std::pow(Clamp01((yu - 0.4f) / (look.ChinY - 0.4f)), 4.0f)));
      const float fx = xu - t * 0.5f;  // the plane of the eyes and cheeks
      const float nxu = xu - t;        // the nose
      const float mx = xu - t * 0.6f;  // the mouth
      float h = 0.7f * dome * under;
      for (const float side : {-1.0f, 1.0f}) {
        h += 0.05f * Gauss(fx - side * 0.42f, yu + 0.28f, 0.3f, 0.09f);   // brow ridge
        h -= 0.11f * Gauss(fx - side * 0.42f, yu + 0.02f, 0.2f, 0.13f);   // eye socket
        h += 0.02f * Gauss(fx - side * 0.42f, yu - 0.0f, 0.14f, 0.06f);   // the eyeball under the lids
        h += 0.07f * Gauss(fx - side * 0.58f, yu - 0.38f, 0.22f, 0.2f);   // cheekbone
        h -= 0.03f * Gauss(fx - side * 0.75f, yu + 0.55f, 0.15f, 0.25f);  // temple
        h -= 0.015f * Gauss(mx - side * 0.42f, yu - mouthY + 0.15f, 0.1f, 0.2f);  // beside the mouth
        h += 0.04f * nose *
             Gauss(nxu - side * 0.13f * nose, yu - noseY + 0.01f, 0.07f, 0.07f);  // nostril wings
      }
      // The nose: a soft ridge from between the eyes to a rounded tip.
      if (yu > -0.2f && yu < noseY + 0.1f) {
        const float along = Clamp01((yu + 0.05f) / (noseY + 0.05f));
        const float width = (0.11f + 0.04f * along) * nose;
        const float ridge = (0.025f + 0.07f * along) * nose;
        h += ridge * Gauss(nxu, 0.0f, width, 1.0f) * SmoothStep(noseY + 0.08f, noseY - 0.08f, yu) *
             SmoothStep(-0.2f, 0.0f, yu);
      }
      h += 0.075f * nose * Gauss(nxu, yu - noseY + 0.05f, 0.12f * nose, 0.1f);
      // Lips, the dip under them, and the chin.
      h += 0.035f * look.Lips * Gauss(mx, yu - mouthY + 0.05f, 0.26f, 0.05f);
      h += 0.045f * look.Lips * Gauss(mx, yu - mouthY - 0.06f, 0.22f, 0.06f);
      h -= 0.02f * Gauss(mx, yu - mouthY - 0.2f, 0.2f, 0.06f);
      h += 0.06f * Gauss(mx, yu - (look.ChinY - 0.2f), 0.25f, 0.13f);
      face.Height(x, y) = std::max(face.Height(x, y), h * u);
    }
  }
  return face;
}

// The skin's own colours before the light: colour in the cheeks and nose,
// the lips, mottling, and shaved shadow or a beard.
Image SkinAlbedo(const Look& look, const Frame& fr, bool man, Field& lips) {
  Image albedo(kWidth, kHeight, look.Skin);
  const float u = fr.Unit;
  const float mx = fr.Fx(0.0f, 0.6f);
  const float noseY = NoseY(look), mouthY = MouthY(look);
  const ColorF skin = ToF(look.Skin);
  const Noise mottle(look.Seed * 19u + 4u);
  const int left = std::max(static_cast<int>(fr.X(-1.3f)), 0),
            right = std::min(static_cast<int>(fr.X(1.3f)), kWidth);
  const int top = std::max(static_cast<int>(fr.Y(-1.8f)), 0),
            bottom = std::min(static_cast<int>(fr.Y(2.2f)), kHeight);
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) {
      const float n = mottle.Fbm(static_cast<float>(x) / 9.0f, static_cast<float>(y) / 9.0f, 3) - 0.5f;
      albedo.Pixels[albedo.Index(x, y)] =
          Pack(skin * ColorF{1.0f + n * 0.08f, 1.0f + n * 0.1f, 1.0f + n * 0.1f});
    }
  Field warm(kWidth, kHeight);
  FillEllipse(warm, fr.Fx(-0.52f, 0.4f), fr.Y(0.4f), u * 0.26f, u * 0.17f);
  FillEllipse(warm, fr.Fx(0.52f, 0.4f), fr.Y(0.4f), u * 0.26f, u * 0.17f);
  FillEllipse(warm, fr.Fx(0.0f, 1.0f), fr.Y(noseY - 0.05f), u * 0.1f, u * 0.12f);
  BoxBlur(warm, static_cast<int>(u * 0.14f));
  Paint(albedo, warm, ToColor(skin * ColorF{1.04f, 0.78f, 0.76f}), man ? 0.3f : 0.5f);
  // The ears sit back from the face, in its shade.
  Field ears(kWidth, kHeight);
  for (const float side : {-1.0f, 1.0f}) {
    const Point ear = EarCentre(fr, side);
    FillEllipse(ears, ear.X + side * u * 0.03f, ear.Y, u * 0.16f, u * 0.4f);
  }
  Paint(albedo, ears, ToColor(skin * ColorF{0.85f, 0.68f, 0.64f}), 0.7f);
  // A little shadow under the eyes.
  Field under(kWidth, kHeight);
  FillEllipse(under, fr.Fx(-0.42f, 0.5f), fr.Y(0.11f), u * 0.16f, u * 0.05f);
  FillEllipse(under, fr.Fx(0.42f, 0.5f), fr.Y(0.11f), u * 0.16f, u * 0.05f);
  BoxBlur(under, 2);
  Paint(albedo, under, ToColor(skin * ColorF{0.82f, 0.74f, 0.78f}), 0.4f);

  // Lips: a bow on top, a fuller lower lip; the corners lift with a smile.
  const float lipW = u * (man ? 0.3f : 0.31f);
  const float lipY = fr.Y(mouthY);
  const float lift = look.Smile * u * 0.08f;
  lips = Field(kWidth, kHeight);
  std::vector<Point> upper, lower;
  constexpr int kSteps = 16;
  for (int i = 0; i <= kSteps; ++i) {
    const float s = static_cast<float>(i) / kSteps * 2.0f - 1.0f;
    // Thin at the corners, two soft peaks either side of a dip.
    const float bow =
        u * (0.03f * look.Lips * std::pow(Clamp01(1.0f - s * s), 0.6f) +
             0.012f * Gauss(std::fabs(s) - 0.28f, 0.0f, 0.16f, 1.0f) - 0.008f * Gauss(s, 0.0f, 0.1f, 1.0f));
    upper.push_back({mx + s * lipW, lipY - bow - lift * s * s});
  }
  for (int i = kSteps; i >= 0; --i) {
    const float s = static_cast<float>(i) / kSteps * 2.0f - 1.0f;
    upper.push_back({mx + s * lipW, lipY - lift * s * s + u * 0.008f});
  }
  for (int i = 0; i <= kSteps; ++i) {
    const float s = static_cast<float>(i) / kSteps * 2.0f - 1.0f;
    lower.push_back({mx + s * lipW * 0.95f, lipY - lift * s * s});
  }
  for (int i = kSteps; i >= 0; --i) {
    const float s = static_cast<float>(i) / kSteps * 2.0f - 1.0f;
    // The lower lip's edge bends up less than the line: a smile widens it.
    const float full = u * 0.07f * look.Lips * std::pow(Clamp01(1.0f - s * s), 0.6f);
    lower.push_back({mx + s * lipW * 0.95f, lipY + full - lift * s * s * 0.6f});
  }
  FillPolygon(lips, upper);
  FillPolygon(lips, lower);
  BoxBlur(lips, 1, 1);
  const ColorF lipColour = man ? skin * ColorF{0.86f, 0.6f, 0.58f} : skin * ColorF{0.9f, 0.48f, 0.5f};
  Paint(albedo, lips, ToColor(lipColour), man ? 0.75f : 0.9f);

  if (look.Facial != Beard::None) {
    const Noise grain(look.Seed * 17u + 9u);
    Field beard(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
      const float yu = (static_cast<float>(y) - fr.EyeY) / u;
      if (yu < 0.2f) continue;
      for (int x = 0; x < kWidth; ++x) {
        const float side = std::fabs((static_cast<float>(x) - mx) / u);
        const float tache = SmoothStep(noseY + 0.07f, noseY + 0.13f, yu) * SmoothStep(0.4f, 0.3f, side);
        float v = 0.0f;
        switch (look.Facial) {
          case Beard::Full:
          case Beard::Stubble: {
            // Down the cheeks from the sideburns, round the jaw and chin.
            const float edge = noseY + 0.1f - (noseY - 0.25f) * SmoothStep(0.35f, 0.85f, side);
            v = std::max(SmoothStep(edge, edge + 0.08f, yu), tache);
            break;
          }
          case Beard::Goatee: {
            const float chin = SmoothStep(mouthY + 0.14f, mouthY + 0.2f, yu) * SmoothStep(0.34f, 0.26f, side);
            const float joins = SmoothStep(0.36f, 0.3f, side) * SmoothStep(0.2f, 0.27f, side) *
                                SmoothStep(noseY + 0.1f, noseY + 0.15f, yu);
            v = std::max({chin, tache, joins});
            break;
          }
          case Beard::Moustache: v = tache * SmoothStep(mouthY + 0.02f, mouthY - 0.05f, yu); break;
          case Beard::None: break;
        }
        if (v <= 0.0f) continue;
        const float g = grain.Fbm(static_cast<float>(x) / 1.6f, static_cast<float>(y) / 1.6f, 2);
        beard(x, y) = v * (0.55f + 0.6f * g);
      }
    }
    // The lips stay clear.
    const Field clear = Dilated(lips, 1);
    for (std::size_t i = 0; i < beard.Values.size(); ++i) beard.Values[i] *= 1.0f - clear.Values[i];
    const ColorF hair = ToF(look.HairColour);
    if (look.Facial == Beard::Stubble) {
      Paint(albedo, beard, ToColor(Lerp(skin * 0.8f, hair * 0.8f, 0.45f)), 0.38f);
    } else {
      BoxBlur(beard, 1, 1);
      Paint(albedo, beard, ToColor(hair * 1.2f + ColorF{0.02f, 0.02f, 0.02f}), 0.95f);
    }
  } else if (man) {
    // Even a clean shave leaves a faint shadow on the jaw.
    Field shave(kWidth, kHeight);
    FillEllipse(shave, mx, fr.Y(look.ChinY - 0.35f), u * 0.6f, u * 0.32f);
    BoxBlur(shave, static_cast<int>(u * 0.12f));
    Paint(albedo, shave, ToColor(skin * ColorF{0.84f, 0.84f, 0.9f}), 0.3f);
  }
  return albedo;
}

// The light on the face: a key from the upper left on a softened surface
// (skin scatters light), a weak fill from the right, darker in the hollows
// and towards the outline, and a soft sheen where the key meets it head on.
SkinLight FaceLight(const FaceMasks& face, const Look& look) {
  Field soft = face.Height;
  BoxBlur(soft, 2, 2);
  const Field key = Lighting(soft, kLightX, kLightY, kLightZ, 1.0f);
  SkinLight light;
  light.Fill = Lighting(soft, 0.9f, -0.1f, 0.8f, 1.0f);
  Field cavity = face.Height;
  BoxBlur(cavity, 5, 2);
  Field edge = face.Skin;
  BoxBlur(edge, 5, 2);
  const float flat = kLightZ / std::sqrt(kLightX * kLightX + kLightY * kLightY + kLightZ * kLightZ);
  const float dark = 1.0f - (0.299f * look.Skin.R + 0.587f * look.Skin.G + 0.114f * look.Skin.B) / 255.0f;
  light.Key = Field(kWidth, kHeight);
  light.Exposure = Field(kWidth, kHeight);
  Field specular(kWidth, kHeight);
  for (std::size_t i = 0; i < key.Values.size(); ++i) {
    if (face.Skin.Values[i] <= 0.0f) continue;
    light.Key.Values[i] = key.Values[i] / flat;
    const float occlusion = Clamp01((cavity.Values[i] - face.Height.Values[i]) * 0.18f);
    const float rim = 0.75f + 0.25f * SmoothStep(0.45f, 0.9f, edge.Values[i]);
    light.Exposure.Values[i] = (1.0f - occlusion) * rim;
    specular.Values[i] = std::pow(Clamp01(key.Values[i]), 12.0f) * (0.06f + 0.16f * dark);
  }
  light.Added = {{std::move(specular), {1.0f, 0.92f, 0.85f}}};
  return light;
}

// ---------------------------------------------------------------- features

// The opening of one eye: an upper lid arched higher towards the nose and a
// flatter lower lid. `side` -1 is the eye on the picture's left; t runs from
// the inner corner (-1) to the outer (1).
std::vector<Point> EyeOutline(float cx, float cy, float w, float h, float side, float tilt) {
  std::vector<Point> pts;
  constexpr int kSteps = 14;
  for (int i = 0; i <= kSteps; ++i) {
    const float t = static_cast<float>(i) / kSteps * 2.0f - 1.0f;
    const float peak = std::pow(Clamp01(1.0f - t * t), 0.7f) * (1.0f - 0.12f * t);
    pts.push_back({cx + side * t * w, cy - h * peak - tilt * t * h});
  }
  for (int i = kSteps; i >= 0; --i) {
    const float t = static_cast<float>(i) / kSteps * 2.0f - 1.0f;
    const float sag = std::pow(Clamp01(1.0f - t * t), 0.9f) * (1.0f + 0.15f * t);
    pts.push_back({cx + side * t * w, cy + h * 0.6f * sag - tilt * t * h});
  }
  return pts;
}

void DrawEyes(Image& image, const Look& look, const Frame& fr, bool man) {
  const float u = fr.Unit;
  const ColorF skin = ToF(look.Skin);
  for (const float side : {-1.0f, 1.0f}) {
    // The eye on the side the head turns away from looks narrower.
    const float squeeze = 1.0f + 0.15f * fr.Turn * side;
    const float cx = fr.Fx(side * 0.42f, 0.5f), cy = fr.Y(0.0f);
    const float w = u * (man ? 0.19f : 0.2f) * squeeze;
    const float h = u * (man ? 0.085f : 0.095f);
    const float tilt = man ? 0.05f : 0.15f;
    const std::vector<Point> outline = EyeOutline(cx, cy, w, h, side, tilt);
    Field eye(kWidth, kHeight);
    FillPolygon(eye, outline);

    Image ball(kWidth, kHeight);
    const float gazeX = cx + fr.Turn * u * 0.025f;
    const float gazeY = cy - h * 0.1f;
    const float irisR = u * 0.086f, pupilR = u * 0.033f;
    const ColorF iris = ToF(look.Iris);
    for (int y = static_cast<int>(cy - h * 2); y <= static_cast<int>(cy + h * 2); ++y) {
      for (int x = static_cast<int>(cx - w - 2); x <= static_cast<int>(cx + w + 2); ++x) {
        if (!image.Contains(x, y)) continue;
        const float px = static_cast<float>(x), py = static_cast<float>(y);
        // The white is never white: tinted, and shaded towards the corners.
        const float corner = std::fabs(px - cx) / w;
        ColorF c = Lerp(ColorF{0.86f, 0.83f, 0.8f}, skin * 0.7f, SmoothStep(0.35f, 1.0f, corner) * 0.7f);
        const float dx = px - gazeX, dy = py - gazeY;
        const float r = std::sqrt(dx * dx + dy * dy);
        if (r < irisR + 0.8f) {
          const float t = r / irisR;
          ColorF ic = iris * (0.7f + 0.55f * SmoothStep(1.0f, 0.3f, t));
          ic = Lerp(ic, iris * 0.3f, SmoothStep(0.75f, 1.0f, t));
          ic = Lerp(ic, ColorF{0.03f, 0.02f, 0.02f},
                    SmoothStep(pupilR / irisR + 0.08f, pupilR / irisR - 0.08f, t));
          c = Lerp(c, ic, Clamp01(irisR + 0.5f - r));
        }
        // The upper lid and lashes shade the top of the eye.
        c = c * (1.0f - 0.42f * SmoothStep(cy + h * 0.2f, cy - h * 1.0f, py));
        ball.Pixels[ball.Index(x, y)] = Pack(c);
      }
    }
    Blend(image, ball, eye);
    Field glint(kWidth, kHeight);
    FillCircle(glint, gazeX - irisR * 0.35f, gazeY - irisR * 0.35f, u * 0.022f);
    Paint(image, Multiplied(glint, eye), Rgb(0xFFFFFF), 0.85f);

    // Lash line along the upper lid, heavier towards the outer corner; the
    // lid's crease above; a soft lower lid.
    Field lash(kWidth, kHeight), crease(kWidth, kHeight), lower(kWidth, kHeight);
    constexpr int kUpper = 14;
    for (int i = 0; i < kUpper; ++i) {
      const Point a = outline[static_cast<std::size_t>(i)], b = outline[static_cast<std::size_t>(i + 1)];
      const float t = static_cast<float>(i) / kUpper;
      const float width = u * (man ? 0.016f + 0.02f * t : 0.02f + 0.035f * t);
      ThickLine(lash, a.X, a.Y, b.X, b.Y, width);
      const float lift = h * (0.9f + 0.25f * (1.0f - std::fabs(t * 2.0f - 1.0f)));
      ThickLine(crease, a.X, a.Y - lift, b.X, b.Y - lift, u * 0.022f, 0.8f);
    }
    if (!man) {
      const Point o = outline[kUpper];
      TaperedLine(lash, o.X - side * u * 0.04f, o.Y + u * 0.005f, o.X + side * u * 0.05f, o.Y - u * 0.035f,
                  u * 0.03f, 1.0f);
    }
    for (std::size_t i = kUpper + 3; i + 3 < outline.size(); ++i) {
      const Point a = outline[i], b = outline[i + 1];
      ThickLine(lower, a.X, a.Y + 0.8f, b.X, b.Y + 0.8f, u * 0.02f, 0.7f);
    }
    BoxBlur(crease, 1, 2);
    Paint(image, crease, ToColor(skin * ColorF{0.55f, 0.4f, 0.36f}), 0.3f);
    BoxBlur(lower, 1, 1);
    Paint(image, lower, ToColor(skin * ColorF{0.62f, 0.46f, 0.42f}), 0.5f);
    Paint(image, lash, ToColor(ToF(look.HairColour) * 0.35f + ColorF{0.03f, 0.02f, 0.015f}), 0.95f);
  }
}

void DrawBrows(Image& image, const Look& look, const Frame& fr, bool man) {
  const float u = fr.Unit;
  Field brows(kWidth, kHeight);
  for (const float side : {-1.0f, 1.0f}) {
    auto at = [&](float t) {
      const float xu = side * (0.17f + 0.52f * t);
      const float arch = (man ? 0.05f : 0.09f) * std::sin(kPi * std::min(t * 1.3f, 1.0f));
      return Point{fr.Fx(xu, 0.55f), fr.Y(-0.25f - arch + 0.06f * t * t + 0.02f * (1.0f - look.Smile))};
    };
    constexpr int kSteps = 10;
    for (int i = 0; i < kSteps; ++i) {
      const float t0 = static_cast<float>(i) / kSteps, t1 = static_cast<float>(i + 1) / kSteps;
      const Point a = at(t0), b = at(t1);
      const float thick = u * look.Brow * (man ? 0.08f : 0.052f);
      ThickLine(brows, a.X, a.Y, b.X, b.Y, thick * (1.0f - 0.55f * t0));
    }
  }
  BoxBlur(brows, 1, 1);
  const Noise hairs(look.Seed * 5u + 7u);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (brows(x, y) > 0.0f)
        brows(x, y) *= 0.6f + 0.5f * hairs.Fbm(static_cast<float>(x) / 1.5f, static_cast<float>(y) / 5.0f, 2);
  const float lightness = (look.HairColour.R + look.HairColour.G + look.HairColour.B) / 765.0f;
  Paint(image, brows, ToColor(ToF(look.HairColour) * (lightness > 0.4f ? 0.7f : 0.9f)), 0.9f);
}

void DrawNoseAndMouth(Image& image, const Look& look, const Frame& fr, const Field& lips) {
  const float u = fr.Unit;
  const ColorF skin = ToF(look.Skin);
  const float noseY = NoseY(look), mouthY = MouthY(look);
  // The nose's shadow falls down and away from the light.
  Field nose(kWidth, kHeight);
  FillEllipse(nose, fr.Fx(0.0f, 1.0f), fr.Y(noseY - 0.04f), u * 0.12f * look.Nose, u * 0.09f);
  ThickLine(nose, fr.Fx(0.0f, 0.6f), fr.Y(0.1f), fr.Fx(0.0f, 1.0f), fr.Y(noseY - 0.05f),
            u * 0.12f * look.Nose);
  Field cast = Subtracted(Shifted(nose, static_cast<int>(u * 0.07f), static_cast<int>(u * 0.08f)), nose);
  BoxBlur(cast, 3, 2);
  Paint(image, cast, ToColor(skin * ColorF{0.5f, 0.34f, 0.3f}), 0.35f);
  Field nostrils(kWidth, kHeight);
  for (const float side : {-1.0f, 1.0f}) {
    FillEllipse(nostrils, fr.Fx(side * 0.085f * look.Nose, 1.0f), fr.Y(noseY + 0.035f),
                u * 0.045f * look.Nose, u * 0.022f);
  }
  BoxBlur(nostrils, 1, 2);
  Paint(image, nostrils, ToColor(skin * ColorF{0.35f, 0.22f, 0.2f}), 0.7f);

  // The line where the lips meet, curving up at the corners with a smile.
  const float mx = fr.Fx(0.0f, 0.6f);
  const float lipW = u * 0.31f;
  const float lift = look.Smile * u * 0.08f;
  Field line(kWidth, kHeight);
  constexpr int kSteps = 12;
  for (int i = 0; i < kSteps; ++i) {
    const float t0 = static_cast<float>(i) / kSteps * 2.0f - 1.0f;
    const float t1 = static_cast<float>(i + 1) / kSteps * 2.0f - 1.0f;
    const float width = u * (0.012f + 0.012f * (1.0f - std::fabs(t0)));
    ThickLine(line, mx + t0 * lipW, fr.Y(mouthY) - lift * t0 * t0, mx + t1 * lipW,
              fr.Y(mouthY) - lift * t1 * t1, width);
  }
  for (const float side : {-1.0f, 1.0f})
    FillCircle(line, mx + side * lipW, fr.Y(mouthY) - lift, u * 0.017f, 0.7f);
  BoxBlur(line, 1, 1);
  Paint(image, line, ToColor(skin * ColorF{0.28f, 0.15f, 0.14f}), 0.8f);
  if (look.Smile > 0.55f) {
    // A broad smile parts the lips over the teeth.
    Field teeth(kWidth, kHeight);
    std::vector<Point> gap;
    for (int i = 0; i <= kSteps; ++i) {
      const float t = static_cast<float>(i) / kSteps * 1.6f - 0.8f;
      gap.push_back({mx + t * lipW, fr.Y(mouthY) - lift * t * t - u * 0.012f});
    }
    for (int i = kSteps; i >= 0; --i) {
      const float t = static_cast<float>(i) / kSteps * 1.6f - 0.8f;
      const float open = u * 0.035f * (look.Smile - 0.4f) * std::sqrt(Clamp01(1.0f - t * t / 0.64f));
      gap.push_back({mx + t * lipW, fr.Y(mouthY) - lift * t * t + open});
    }
    FillPolygon(teeth, gap);
    const Gradient shade{{0.0f, Rgb(0xE8E0D6)}, {1.0f, Rgb(0x9A8C84)}};
    PaintVertical(image, teeth, shade, fr.Y(mouthY) - u * 0.03f, fr.Y(mouthY) + u * 0.04f);
  }
  // A highlight on the lower lip.
  Field gloss(kWidth, kHeight);
  FillEllipse(gloss, mx - lipW * 0.2f, fr.Y(mouthY + 0.055f * look.Lips), lipW * 0.28f, u * 0.016f);
  BoxBlur(gloss, 2, 2);
  Paint(image, Multiplied(gloss, lips), Rgb(0xFFE8E0), 0.35f);
}

// ---------------------------------------------------------------- gear

// Points along the curve of a band round the head at height `yu` in the
// middle, dropping by `droop` at the sides.
Point Band(const Frame& fr, float s, float yu, float droop, float reach) {
  return {fr.X(s * reach), fr.Y(yu + droop * s * s)};
}

void DrawGear(Image& image, const Look& look, const Frame& fr) {
  const float u = fr.Unit;
  switch (look.Kit) {
    case Gear::None: return;
    case Gear::Headband:
    case Gear::Bandana: {
      const bool bandana = look.Kit == Gear::Bandana;
      Field band(kWidth, kHeight);
      std::vector<Point> shape;
      constexpr int kSteps = 24;
      const float lowerY = bandana ? -0.8f : -0.72f, droop = bandana ? 0.45f : 0.3f;
      for (int i = 0; i <= kSteps; ++i) {
        const float s = static_cast<float>(i) / kSteps * 2.0f - 1.0f;
        shape.push_back(bandana ? Point{fr.X(s * 1.14f), fr.Y(-2.0f + 1.2f * s * s)}
                                : Band(fr, s, -0.98f, 0.3f, 1.13f));
      }
      for (int i = kSteps; i >= 0; --i) {
        const float s = static_cast<float>(i) / kSteps * 2.0f - 1.0f;
        shape.push_back(Band(fr, s, lowerY, droop, 1.13f));
      }
      FillPolygon(band, shape);
      Field head(kWidth, kHeight);
      FillEllipse(head, fr.X(0.0f), fr.Y(-0.5f), u * 1.13f, u * 1.32f);
      band = Multiplied(band, head);
      Image cloth(kWidth, kHeight, look.KitColour);
      if (bandana) {
        // A print of small white dots.
        Field print(kWidth, kHeight);
        int row = 0;
        for (float y = fr.Y(-1.9f); y < fr.Y(-0.3f); y += u * 0.16f, ++row)
          for (float x = fr.X(-1.2f) + static_cast<float>(row % 2) * u * 0.14f; x < fr.X(1.2f);
               x += u * 0.28f)
            FillCircle(print, x, y, u * 0.028f);
        Paint(cloth, print, Rgb(0xF0F0F0), 0.85f);
        // The knot's tails behind one ear.
        Field tails(kWidth, kHeight);
        Lock(tails, {fr.X(1.05f), fr.Y(-0.5f)}, {fr.X(1.3f), fr.Y(-0.2f)}, {fr.X(1.35f), fr.Y(0.35f)},
             u * 0.2f, u * 0.08f);
        Lock(tails, {fr.X(1.05f), fr.Y(-0.5f)}, {fr.X(1.45f), fr.Y(-0.4f)}, {fr.X(1.55f), fr.Y(0.1f)},
             u * 0.18f, u * 0.06f);
        Maximize(band, tails);
      } else {
        Field stripes(kWidth, kHeight);
        for (const float v : {-0.9f, -0.8f}) {
          for (int i = 0; i < kSteps; ++i) {
            const float s0 = static_cast<float>(i) / kSteps * 2.0f - 1.0f, s1 = s0 + 2.0f / kSteps;
            const Point a = Band(fr, s0, v, 0.3f, 1.13f), b = Band(fr, s1, v, 0.3f, 1.13f);
            ThickLine(stripes, a.X, a.Y, b.X, b.Y, u * 0.025f);
          }
        }
        const int sum = look.KitColour.R + look.KitColour.G + look.KitColour.B;
        Paint(cloth, stripes, sum > 384 ? look.Jersey : Rgb(0xF0F0F0), 0.85f);
      }
      // The band's shadow on the forehead.
      Field shadow = Shifted(band, 1, 4);
      BoxBlur(shadow, 2);
      Paint(image, Subtracted(shadow, band), Rgb(0x000000), 0.3f);
      Blend(image, cloth, band);
      ApplyLight(image, Bevel(band, static_cast<int>(u * 0.1f), kLightX, kLightY, kLightZ, 4.0f), band, 1.0f);
      return;
    }
    case Gear::Goggles: {
      // The strap round the head, then the mask's goggle frame and lens
      // pushed up on the forehead.
      Field strap(kWidth, kHeight);
      for (const float side : {-1.0f, 1.0f}) {
        Lock(strap, {fr.X(side * 0.8f), fr.Y(-1.28f)}, {fr.X(side * 1.12f), fr.Y(-1.2f)},
             {fr.X(side * 1.1f), fr.Y(-0.75f)}, u * 0.17f, u * 0.14f);
      }
      Paint(image, strap, Rgb(0x18181C));
      ApplyLight(image, Bevel(strap, 2, kLightX, kLightY, kLightZ, 3.0f), strap, 0.7f);
      Field frame(kWidth, kHeight), lens(kWidth, kHeight);
      const float gx = fr.Fx(0.0f, 0.3f), gy = fr.Y(-1.28f);
      std::vector<Point> outer, inner;
      constexpr int kSteps = 48;
      for (int i = 0; i < kSteps; ++i) {
        const float a = 2.0f * kPi * static_cast<float>(i) / kSteps;
        const float c = std::cos(a), s = std::sin(a);
        // A wide lens, notched over the nose at the bottom.
        const float notch =
            1.0f - 0.4f * std::pow(std::max(s, 0.0f), 4.0f) * std::pow(1.0f - std::fabs(c), 8.0f);
        const float sx = std::copysign(std::pow(std::fabs(c), 0.55f), c);
        const float sy = std::copysign(std::pow(std::fabs(s), 0.8f), s);
        outer.push_back({gx + sx * u * 0.95f, gy + sy * u * 0.3f * notch});
        inner.push_back({gx + sx * u * 0.8f, gy + sy * u * 0.2f * notch});
      }
      FillPolygon(frame, outer);
      FillPolygon(lens, inner);
      Field shadow = Shifted(frame, 2, 6);
      BoxBlur(shadow, 4);
      Paint(image, shadow, Rgb(0x000000), 0.45f);
      Paint(image, frame, look.KitColour);
      ApplyLight(image, Bevel(frame, 4, kLightX, kLightY, kLightZ, 5.0f), frame, 1.0f);
      // A mirrored lens: sky above, dark ground below, a streak of light.
      const Gradient mirror{
          {0.0f, Rgb(0x9AD8FF)}, {0.45f, Rgb(0x3A4A8A)}, {0.55f, Rgb(0x1A1030)}, {1.0f, Rgb(0x6A3A8A)}};
      PaintVertical(image, lens, mirror, gy - u * 0.2f, gy + u * 0.2f);
      Field streak(kWidth, kHeight);
      ThickLine(streak, gx - u * 0.6f, gy - u * 0.02f, gx - u * 0.2f, gy - u * 0.15f, u * 0.05f);
      ThickLine(streak, gx - u * 0.1f, gy, gx + u * 0.05f, gy - u * 0.08f, u * 0.03f);
      Paint(image, Multiplied(streak, lens), Rgb(0xFFFFFF), 0.55f);
      return;
    }
  }
}

// ---------------------------------------------------------------- portrait

// The grain of a brush: light and dark streaks laid on a slant over the
// whole painting.
void BrushStrokes(Image& image, std::uint32_t seed) {
  const Noise strokes(seed * 23u + 11u);
  constexpr float kC = 0.8f, kS = 0.6f;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const float fx = static_cast<float>(x), fy = static_cast<float>(y);
      const float n = strokes.Fbm((fx * kC + fy * kS) / 14.0f, (fy * kC - fx * kS) / 2.5f, 2);
      std::uint32_t& p = image.Pixels[image.Index(x, y)];
      p = Pack(Unpack(p) * (0.96f + 0.08f * n));
    }
  }
}

Image Paint(const Look& look, bool man) {
  return Supersampled(kFinalWidth, kFinalHeight, kFactor, [&](Image& image) {
    Random rng(look.Seed);
    DrawBackdrop(image, look, rng);
    const Frame fr{kWidth * 0.5f + look.Turn * 6.0f, 124.0f, look.Size, look.Turn};
    const HairMasks hair = ShapeHair(look, fr);
    PaintHair(image, hair.Back, look.HairColour, HairLightFor(hair.Back, hair, look, fr));
    const FaceMasks face = ShapeFace(look, fr);
    DrawBody(image, look, fr, face.Skin, man);
    Field lips;
    const Image albedo = SkinAlbedo(look, fr, man, lips);
    PaintSkin(image, face.Skin, look.Skin, FaceLight(face, look), &albedo);
    DrawEyes(image, look, fr, man);
    DrawBrows(image, look, fr, man);
    DrawNoseAndMouth(image, look, fr, lips);
    // Hair falls over the face's edge and shades the forehead below it.
    Field hairShadow = Shifted(hair.Front, 2, 5);
    BoxBlur(hairShadow, 4);
    Paint(image, Multiplied(Subtracted(hairShadow, hair.Front), face.Skin), Rgb(0x000000), 0.35f);
    PaintHair(image, hair.Front, look.HairColour, HairLightFor(hair.Front, hair, look, fr));
    DrawGear(image, look, fr);
    // A cool rim of light from behind on the right.
    Field outline = face.Skin;
    Maximize(outline, hair.Front);
    Field rim = Rim(outline, -3, 0);
    BoxBlur(rim, 1, 1);
    AddLight(image, rim, Rgb(0x6A8AB0), 0.3f);
    BrushStrokes(image, look.Seed);
    Vignette(image, 0.4f);
  });
}

}  // namespace

Image DrawPortrait(FontLibrary& /*fonts*/, int gender, int n) {
  const int i = std::clamp(n, 1, 8) - 1;
  const bool man = gender != 2;
  return Paint(man ? kMen[static_cast<std::size_t>(i)] : kWomen[static_cast<std::size_t>(i)], man);
}

}  // namespace vantoro::art
