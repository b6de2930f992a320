// The face kit: shaping a head's hair and face, lighting and painting them,
// then turning and tilting the drawn head into place.

#include "assets/kit_face.hpp"

#include <algorithm>

#include "assets/kit_person.hpp"

namespace vantoro::art {

void Lock(Field& f, Point a, Point control, Point b, float w0, float w1, float value) {
  constexpr int kSteps = 12;
  Point prev = a;
  for (int i = 1; i <= kSteps; ++i) {
    const float t0 = static_cast<float>(i - 1) / kSteps, t = static_cast<float>(i) / kSteps, s = 1.0f - t;
    const Point p{s * s * a.X + 2 * s * t * control.X + t * t * b.X,
                  s * s * a.Y + 2 * s * t * control.Y + t * t * b.Y};
    TaperedLine(f, prev.X, prev.Y, p.X, p.Y, w0 + (w1 - w0) * t0, w0 + (w1 - w0) * t, value);
    prev = p;
  }
}

namespace {

// Masks of the picture holding one shape, given in its own pixels.
constexpr BigShapes kShapes{};

float ChinDrop(const FaceLook& look) {
  switch (look.Features.Says) {
    case Mouth::Shout: return 0.2f * look.Features.Open;
    case Mouth::Grin: return 0.04f * look.Features.Open;
    default: return 0.0f;
  }
}

float Gauss(float dx, float dy, float sx, float sy) {
  return std::exp(-(dx * dx) / (sx * sx) - (dy * dy) / (sy * sy));
}

// Half the head's width at height yu: a rounded skull, the temples, the
// cheekbones, then the jaw narrowing to a rounded chin. Control points in
// head units, joined by a Catmull-Rom curve; the lower face stretches with
// the chin's depth.
float HalfWidth(const FaceLook& look, float yu) {
  const float chin = look.ChinY + ChinDrop(look), lower = chin / 1.5f;
  const float c = look.Features.Cheeks, jaw = look.Jaw;
  const float ys[] = {-1.66f,       -1.5f,        -1.2f,        -0.8f,        -0.3f, 0.2f,
                      0.6f * lower, 1.0f * lower, 1.3f * lower, chin - 0.06f, chin};
  const float ws[] = {
      0.0f,  0.55f, 0.85f, 0.97f, c, 0.96f * c, 0.9f * (0.5f + 0.5f * c), jaw * 0.95f, (jaw + 0.3f) * 0.56f,
      0.28f, 0.0f};
  constexpr int kCount = 11;
  if (yu <= ys[0] || yu >= ys[kCount - 1]) return 0.0f;
  // The top and bottom round off like circles rather than points.
  if (yu < ys[1]) return ws[1] * std::sqrt(Clamp01((yu - ys[0]) / (ys[1] - ys[0])));
  if (yu > ys[kCount - 2])
    return ws[kCount - 2] * std::sqrt(Clamp01((ys[kCount - 1] - yu) / (ys[kCount - 1] - ys[kCount - 2])));
  int i = 1;
  while (yu > ys[i + 1]) ++i;
  const float t = (yu - ys[i]) / (ys[i + 1] - ys[i]);
  return CatmullRom(ws[i - 1], ws[i], ws[i + 1], ws[std::min(i + 2, kCount - 1)], t);
}

// ---------------------------------------------------------------- hair masks

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
    const float a = kTau * static_cast<float>(i) / kSteps - kPi;
    wobbles[i] =
        1.0f + rag * (noise.Fbm(std::cos(a) * 3.0f + 7.0f, std::sin(a) * 3.0f + 7.0f, 3) - 0.5f) * 2.0f;
  }
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const float dx = (static_cast<float>(x) - cx) / rx, dy = (static_cast<float>(y) - cy) / ry;
      const float a = std::atan2(dy, dx);
      const float wobble = wobbles[std::clamp(static_cast<int>((a + kPi) / kTau * kSteps + 0.5f), 0, kSteps)];
      const float d = std::sqrt(dx * dx + dy * dy);
      f(x, y) = std::max(f(x, y), Clamp01((wobble - d) * std::min(rx, ry) + 0.5f));
    }
  }
}

// The numbers that set the styles apart: the cap of hair as a ragged
// ellipse round (X, Y) in head units, the hairline CutFace leaves, and the
// crown the strands run out from. In the order of Hair.
struct HairCut {
  float X, Y, Rx, Ry, Rag;
  float Middle, Temple, Sideburn;
  float CrownX, CrownY;
};
constexpr HairCut kHairCuts[] = {
    {0.0f, -0.55f, 1.08f, 1.25f, 0.04f, -0.9f, -0.55f, 0.2f, 0.3f, -1.7f},     // Crop
    {0.0f, -0.5f, 1.02f, 1.18f, 0.01f, -0.95f, -0.6f, 0.1f, 0.0f, -1.75f},     // Buzz
    {0.0f, -0.55f, 1.07f, 1.22f, 0.03f, -0.9f, -0.6f, 0.1f, 0.0f, -1.1f},      // Spiky
    {0.0f, -0.72f, 1.2f, 1.2f, 0.1f, -0.85f, -0.55f, 0.1f, 0.0f, -1.75f},      // Curls
    {-0.02f, -0.55f, 1.1f, 1.26f, 0.04f, -0.92f, -0.55f, 0.2f, 0.45f, -1.6f},  // Swept
    {0.0f, -0.6f, 1.14f, 1.25f, 0.03f, -0.9f, -0.55f, 1.2f, 0.3f, -1.7f},      // Long
    {0.0f, -0.55f, 1.06f, 1.22f, 0.015f, -0.92f, -0.58f, 0.2f, 0.0f, -1.9f},   // Ponytail
    {0.0f, -0.4f, 1.25f, 1.45f, 0.03f, -0.5f, -0.4f, 1.2f, 0.0f, -1.75f},      // Bob
    {0.0f, -0.55f, 1.06f, 1.22f, 0.015f, -0.92f, -0.58f, 0.2f, 0.0f, -1.9f},   // Bun
    {0.0f, -0.55f, 1.08f, 1.24f, 0.015f, -0.92f, -0.55f, 0.2f, 0.0f, -1.7f},   // Braids
    {0.0f, -0.6f, 1.05f, 1.18f, 0.02f, -0.92f, -0.55f, 0.0f, 0.0f, -1.75f},    // Puff
    {0.0f, -0.6f, 1.14f, 1.25f, 0.03f, -0.9f, -0.55f, 1.2f, 0.3f, -1.7f},      // Shoulder
};

// Clears the face from the hair below the hairline. The hairline sits at
// the cut's Middle over the forehead and curves down to its Temple at the
// sides; hair at the face's very edge stays down to its Sideburn.
void CutFace(Field& hair, const FaceLook& look, const HeadFrame& fr, const HairCut& cut) {
  for (int y = 0; y < hair.Height; ++y) {
    const float yu = (static_cast<float>(y) - fr.EyeY) / fr.Unit;
    if (yu < cut.Middle - 0.1f) continue;
    const float half = HalfWidth(look, yu);  // once a row: it depends on the row alone
    for (int x = 0; x < hair.Width; ++x) {
      const float side = std::fabs((static_cast<float>(x) - fr.CentreX) / fr.Unit);
      if (side > half + 0.02f) continue;
      const float line = cut.Middle + (cut.Temple - cut.Middle) * SmoothStep(0.15f, 0.8f, side);
      const float below = Clamp01((yu - line) * fr.Unit * 0.35f + 0.5f);
      // Towards the edge the hair stays (sideburns, hair over the temples).
      const float edge = yu < cut.Sideburn ? SmoothStep(half - 0.2f, half - 0.04f, side) : 0.0f;
      hair(x, y) *= 1.0f - below * (1.0f - edge);
    }
  }
}

// The hair's masks and how it is lit, into the head.
void ShapeHair(Head& h) {
  const FaceLook& look = h.Look;
  const HeadFrame& fr = h.Frame;
  HairCut cut = kHairCuts[static_cast<int>(look.Style)];
  const Noise noise(look.Seed * 31u + 5u);
  Random rng(look.Seed * 977u);
  const float u = fr.Unit;
  h.BackHair = h.FrontHair = Field(fr.W, fr.H);
  RaggedEllipse(h.FrontHair, noise, fr.X(cut.X), fr.Y(cut.Y), u * cut.Rx, u * cut.Ry, cut.Rag);
  // What is cut with the face: spikes, a quiff, a bob's straight edge, long locks.
  switch (look.Style) {
    case Hair::Spiky:
      for (int i = 0; i < 15; ++i) {
        const float a = kPi * (1.06f + 0.88f * static_cast<float>(i) / 14.0f) + rng.Range(-0.05f, 0.05f);
        const float bx = fr.X(0.0f) + std::cos(a) * u * 0.9f, by = fr.Y(-0.6f) + std::sin(a) * u * 1.05f;
        const float len = u * rng.Range(0.28f, 0.45f);
        TaperedLine(h.FrontHair, bx, by, bx + std::cos(a) * len, by + std::sin(a) * len - u * 0.12f, u * 0.3f,
                    1.5f);
      }
      break;
    case Hair::Swept:
      // A quiff lifted over the side part.
      RaggedEllipse(h.FrontHair, noise, fr.X(-0.25f), fr.Y(-1.55f), u * 0.8f, u * 0.4f, 0.06f);
      break;
    case Hair::Puff:
      RaggedEllipse(h.BackHair, noise, fr.X(0.0f), fr.Y(-1.3f), u * 1.5f, u * 1.0f, 0.08f);
      break;
    case Hair::Long:
    case Hair::Shoulder: {
      const bool shoulder = look.Style == Hair::Shoulder;
      const float len = shoulder ? 2.3f : 3.0f;
      const std::vector<Point> back{fr.At(-1.1f, -0.9f),      fr.At(-1.3f, 0.4f), fr.At(-1.42f, len - 0.2f),
                                    fr.At(1.42f, len - 0.2f), fr.At(1.3f, 0.4f),  fr.At(1.1f, -0.9f)};
      FillPolygon(h.BackHair, back);
      RaggedEllipse(h.BackHair, noise, fr.X(0.0f), fr.Y(-0.6f), u * 1.18f, u * 1.28f, 0.03f);
      // Locks falling either side of the face, in front of the shoulders,
      // with ragged ends.
      for (const float side : {-1.0f, 1.0f}) {
        for (int k = 0; k < 6; ++k) {
          const float kf = static_cast<float>(k) / 5.0f;
          const float sway = shoulder ? rng.Range(-0.2f, 0.2f) : rng.Range(-0.05f, 0.05f);
          const Point start = fr.At(side * (0.35f + 0.5f * kf), -1.55f + 0.3f * kf);
          const Point bend = fr.At(side * (1.25f + 0.1f * kf + sway), -0.2f + 0.3f * kf);
          const Point end = fr.At(side * (0.95f + 0.42f * kf + sway), len * rng.Range(0.78f, 0.92f));
          Lock(h.FrontHair, start, bend, end, u * 0.34f, u * 0.06f);
        }
        for (int k = 0; k < 5; ++k) {
          const float x = side * rng.Range(0.3f, 1.4f);
          Lock(h.BackHair, fr.At(x, len - 0.5f), fr.At(x, len - 0.1f),
               fr.At(x + rng.Range(-0.1f, 0.1f), len + rng.Range(0.0f, 0.25f)), u * 0.3f, u * 0.04f);
        }
      }
      if (look.Seed % 2 == 1) {
        // A fringe: the hairline low over the forehead, the strands from the top.
        cut.Middle = -0.42f;
        cut.Temple = -0.35f;
        cut.CrownX = 0.0f;
      }
      break;
    }
    case Hair::Bob:
      // Cut straight just below the jaw.
      FillEach(h.FrontHair, [&](int x, int y) {
        return h.FrontHair(x, y) * Clamp01(fr.Y(1.05f) - static_cast<float>(y) + 1.0f);
      });
      break;
    default: break;
  }
  CutFace(h.FrontHair, look, fr, cut);
  h.Crown = fr.At(cut.CrownX, cut.CrownY);
  // What lies over the cut: a bun, a ponytail brought forward over one
  // shoulder, braids.
  if (look.Style == Hair::Bun)
    RaggedEllipse(h.FrontHair, noise, fr.X(0.08f), fr.Y(-1.85f), u * 0.5f, u * 0.36f, 0.05f);
  if (look.Style == Hair::Ponytail) {
    Lock(h.BackHair, fr.At(0.85f, 0.1f), fr.At(1.25f, 0.9f), fr.At(1.3f, 2.7f), u * 0.5f, u * 0.2f);
    Lock(h.FrontHair, fr.At(1.0f, 1.1f), fr.At(1.35f, 1.7f), fr.At(1.35f, 2.9f), u * 0.42f, u * 0.1f);
  }
  for (int i = 0; look.Style == Hair::Braids && i < 8; ++i) {
    const float side = i < 4 ? -1.0f : 1.0f;
    const float k = static_cast<float>(i % 4);
    Field& layer = i % 2 == 0 ? h.FrontHair : h.BackHair;
    Lock(layer, fr.At(side * (0.55f + 0.14f * k), -1.0f + 0.2f * k), fr.At(side * (1.12f + 0.05f * k), 0.2f),
         fr.At(side * (1.0f + 0.16f * k), 2.5f + 0.1f * k), u * 0.2f, u * 0.11f);
  }
  const bool longHair = look.Style == Hair::Long || look.Style == Hair::Shoulder || look.Style == Hair::Bun ||
                        look.Style == Hair::Ponytail || look.Style == Hair::Bob;
  if (longHair && look.LooseHairs) {
    // A few loose hairs standing off the crown.
    for (int i = 0; i < 12; ++i) {
      const float a = kPi * rng.Range(1.1f, 1.9f);
      const Point from = fr.At(std::cos(a) * 1.05f, -0.6f + std::sin(a) * 1.2f);
      const float turn = a + kPi * 0.5f * (rng.Unit() < 0.5f ? -1.0f : 1.0f) * rng.Range(0.3f, 0.8f);
      const float len = u * rng.Range(0.12f, 0.3f);
      Lock(h.FrontHair, from, {from.X + std::cos(a) * len, from.Y + std::sin(a) * len},
           {from.X + std::cos(turn) * len * 1.4f, from.Y + std::sin(turn) * len * 1.4f}, 1.6f, 0.6f);
    }
  }
}

// The light on hair: volume from a soft bevel, strands running out from
// the crown with a sheen on the lit side, or small lit curls.
HairLight HairLightFor(const Field& mask, const Head& h) {
  const FaceLook& look = h.Look;
  const HeadFrame& fr = h.Frame;
  const bool curly = look.Style == Hair::Curls || look.Style == Hair::Puff, buzz = look.Style == Hair::Buzz;
  const bool braided = look.Style == Hair::Braids;
  const Noise strands(look.Seed * 7u + 1u);
  const Field volume =
      Bevel(mask, static_cast<int>(fr.Unit * 0.2f), fr.LightX, kHeadLightY, kHeadLightZ, 8.0f);
  Field curlLight;
  if (curly) {
    Field curlHeight = Multiplied(NoiseField(fr.W, fr.H, 3.5f, 3, look.Seed * 7u + 2u), mask);
    Scale(curlHeight, 7.0f);
    curlLight = Lighting(curlHeight, fr.LightX, kHeadLightY, kHeadLightZ, 1.0f);
  }
  HairLight light{
      .Lit = Field(fr.W, fr.H),
      .Texture = Field(fr.W, fr.H),
      .Sheen = Field(fr.W, fr.H),
      .Shine = Lerp(ToF(look.HairColour), ColorF{1.0f, 0.95f, 0.85f}, 0.3f) + ColorF{0.07f, 0.07f, 0.07f},
      .Opacity = buzz ? 0.9f : 1.0f};
  const float flat = fr.Flat();
  for (int y = 0; y < fr.H; ++y) {
    for (int x = 0; x < fr.W; ++x) {
      if (mask(x, y) <= 0.0f) continue;
      const float dx = static_cast<float>(x) - h.Crown.X, dy = static_cast<float>(y) - h.Crown.Y;
      const float r = std::sqrt(dx * dx + dy * dy);
      const float angle = std::atan2(dx, dy);
      const float lit = light.Lit(x, y) = volume(x, y) / flat;
      float &texture = light.Texture(x, y), &sheen = light.Sheen(x, y);
      if (curly) {
        texture = 0.45f + 0.7f * curlLight(x, y) / flat;
        sheen = std::pow(Clamp01(curlLight(x, y)), 10.0f) * 0.4f;
      } else {
        // Strands, gathered into locks, with single hairs catching the
        // light across them.
        const float s = strands.Fbm(angle * (buzz ? 120.0f : 60.0f), r / 40.0f, 2);
        const float lock = strands.Fbm(angle * 12.0f + 40.0f, r / 90.0f, 2);
        const float fine = strands.Value(angle * (buzz ? 260.0f : 170.0f) + 80.0f, r / 14.0f);
        texture = 0.3f + 0.8f * s + 0.35f * lock + 0.25f * fine;
        if (braided) texture *= 0.65f + 0.35f * std::fabs(std::sin(r / 3.2f + angle * 4.0f));
        // The sheen runs round the head as a band on the lit side.
        const float band = std::exp(-std::pow((r - fr.Unit * 0.85f) / (fr.Unit * 0.3f), 2.0f));
        sheen = band * SmoothStep(0.42f, 0.75f, 0.6f * s + 0.4f * fine) * Clamp01(lit - 0.45f) *
                (buzz ? 0.6f : 1.5f);
      }
    }
  }
  return light;
}

// ---------------------------------------------------------------- face

// Where the features sit, in head units below the eye line.
float NoseY(const FaceLook& look) { return look.ChinY * 0.5f; }
float MouthY(const FaceLook& look) { return NoseY(look) + (look.ChinY - NoseY(look)) * 0.36f; }

// The mouth in pixels: the line where the lips meet runs across s = -1..1
// (the picture's left corner to its right), the corners lifted by a smile,
// and opens above and below that line in a grin or a shout.
struct MouthShape {
  float X, Y, HalfW;
  float LiftL, LiftR;  // how far each corner is raised
  float Top, Bottom;   // the opening above and below the line, in the middle
  float Unit;
  float Lift(float s) const { return (s < 0.0f ? LiftL : LiftR) * s * s; }
  float Px(float s) const { return X + s * HalfW; }
  float OpenTop(float s) const { return Y - Lift(s) - Top * std::pow(Clamp01(1.0f - s * s), 0.7f); }
  float OpenBottom(float s) const {
    return Y - Lift(s) * 0.85f +
           Bottom * std::pow(Clamp01(1.0f - s * s), Bottom > Unit * 0.15f ? 0.5f : 0.8f);
  }
  bool Parted() const { return Top + Bottom > 1.5f; }
};

MouthShape MouthFor(const FaceLook& look, const HeadFrame& fr) {
  const float u = fr.Unit;
  const FaceForm& f = look.Features;
  MouthShape m{fr.Fx(0.0f, 0.6f), fr.Y(MouthY(look)), u * (look.Man ? 0.3f : 0.31f), 0, 0, 0, 0, u};
  const float lift = look.Smile * u * 0.09f;
  m.LiftL = m.LiftR = lift;
  m.HalfW *= 1.0f + 0.16f * std::max(look.Smile, 0.0f);
  if (f.Says == Mouth::Smirk) {
    // One corner pulled up and back, the other left where it was.
    (fr.Turn < 0.0f ? m.LiftL : m.LiftR) = lift * 2.6f;
    (fr.Turn < 0.0f ? m.LiftR : m.LiftL) = -lift * 0.3f;
  } else if (f.Says != Mouth::Closed) {
    // A grin parts the lips over the teeth; a shout drops the jaw and
    // draws the corners in.
    const bool shout = f.Says == Mouth::Shout;
    if (shout) m.HalfW *= 0.82f;
    m.Top = u * (shout ? 0.07f : 0.025f) * f.Open;
    m.Bottom = u * (shout ? 0.36f : 0.11f) * f.Open;
  }
  return m;
}

Point EarCentre(const HeadFrame& fr, float side) {
  return {fr.X(side * 0.97f) - fr.Turn * side * fr.Unit * 0.1f, fr.Y(0.3f)};
}

// The face's outline and relief, into the head.
void ShapeFace(Head& head) {
  const FaceLook& look = head.Look;
  const HeadFrame& fr = head.Frame;
  const float u = fr.Unit, nose = look.Nose, noseY = NoseY(look), mouthY = MouthY(look);
  head.Skin = head.Height = Field(fr.W, fr.H);
  // Ears first, so that the face's edge covers their roots.
  for (const float side : {-1.0f, 1.0f}) {
    const auto [ex, ey] = EarCentre(fr, side);
    const float erx = u * 0.14f, ery = u * 0.36f;
    FillEllipse(head.Skin, ex, ey, erx, ery);
    FillEach(head.Height, [&, ex = ex, ey = ey](int x, int y) {  // clang 14 cannot capture a binding
      const float dx = (static_cast<float>(x) - ex) / erx, dy = (static_cast<float>(y) - ey) / ery;
      const float d = dx * dx + dy * dy;
      if (d >= 1.0f) return head.Height(x, y);
      // A rim round a hollow.
      const float rim =
          std::sqrt(1.0f - d) * 0.14f - Gauss(dx + side * 0.25f, dy + 0.1f, 0.45f, 0.5f) * 0.07f;
      return std::max(head.Height(x, y), rim * u);
    });
  }
  const float t = fr.Turn * 0.12f;  // the turn in head units at the nose tip
  const float chin = look.ChinY + ChinDrop(look);
  const MouthShape mouth = MouthFor(look, fr);
  const float lowerY = mouthY + mouth.Bottom / u;  // the lower lip, dropped with the jaw
  const float apples = 0.05f * Clamp01(look.Smile) * (look.Features.Says == Mouth::Shout ? 0.3f : 1.0f);
  for (int y = 0; y < fr.H; ++y) {
    const float yu = (static_cast<float>(y) - fr.EyeY) / u;
    const float half = HalfWidth(look, yu);
    if (half <= 0.0f) continue;
    for (int x = 0; x < fr.W; ++x) {
      const float xu = (static_cast<float>(x) - fr.CentreX) / u;
      const float cover = Clamp01((half - std::fabs(xu)) * u + 0.5f);
      if (cover <= 0.0f) continue;
      head.Skin(x, y) = std::max(head.Skin(x, y), cover);
      const float nx = std::min(std::fabs(xu) / half, 1.0f);
      // The front of the face is nearly flat and turns away only towards
      // the sides, and the forehead slopes back towards the crown.
      const float dome = std::sqrt(1.0f - nx * nx * nx * nx) * (1.0f - 0.25f * SmoothStep(-0.6f, -1.7f, yu));
      // The jaw turns under towards the neck.
      // Only the last of it, so that the front of the chin still faces the
      // sun and the lower face does not fall into its own shadow.
      const float under = std::sqrt(Clamp01(1.0f - std::pow(Clamp01((yu - 0.7f) / (chin - 0.7f)), 6.0f)));
      const float fx = xu - t * 0.5f;  // the plane of the eyes and cheeks
      const float nxu = xu - t;        // the nose
      const float mx = xu - t * 0.6f;  // the mouth
      float h = 0.8f * dome * under;
      for (const float side : {-1.0f, 1.0f}) {
        h += 0.05f * Gauss(fx - side * 0.42f, yu + 0.28f, 0.3f, 0.09f);   // brow ridge
        h -= 0.07f * Gauss(fx - side * 0.42f, yu + 0.02f, 0.2f, 0.13f);   // eye socket
        h += 0.02f * Gauss(fx - side * 0.42f, yu - 0.0f, 0.14f, 0.06f);   // the eyeball under the lids
        h += 0.03f * Gauss(fx - side * 0.62f, yu - 0.3f, 0.2f, 0.16f);    // cheekbone
        h -= 0.03f * Gauss(fx - side * 0.75f, yu + 0.55f, 0.15f, 0.25f);  // temple
        h -= 0.015f * Gauss(mx - side * 0.42f, yu - mouthY + 0.15f, 0.1f, 0.2f);  // beside the mouth
        h += 0.04f * nose *
             Gauss(nxu - side * 0.13f * nose * look.Features.NoseWidth, yu - noseY + 0.01f, 0.07f,
                   0.07f);  // nostril wings
      }
      // The nose: a soft ridge from between the eyes to a rounded tip.
      if (yu > -0.2f && yu < noseY + 0.1f) {
        const float along = Clamp01((yu + 0.05f) / (noseY + 0.05f));
        const float width = (0.065f + 0.035f * along) * nose * std::sqrt(look.Features.NoseWidth);
        const float ridge = (0.01f + 0.04f * along) * nose;
        h += ridge * Gauss(nxu, 0.0f, width, 1.0f) * SmoothStep(noseY + 0.08f, noseY - 0.08f, yu) *
             SmoothStep(-0.2f, 0.0f, yu);
      }
      h += 0.055f * nose * Gauss(nxu, yu - noseY + 0.05f, 0.095f * nose * look.Features.NoseWidth, 0.08f);
      // Lips, the dip under them, and the chin.
      h += 0.035f * look.Lips * Gauss(mx, yu - mouthY + 0.05f, 0.26f, 0.05f);
      h += 0.045f * look.Lips * Gauss(mx, yu - lowerY - 0.06f, 0.22f, 0.06f);
      h -= 0.025f * Gauss(mx, yu - lowerY - 0.2f, 0.2f, 0.06f);
      h += 0.07f * Gauss(mx, yu - (chin - 0.2f), 0.25f, 0.13f);
      // A smile bunches the cheeks up into round apples.
      for (const float side : {-1.0f, 1.0f}) h += apples * Gauss(fx - side * 0.46f, yu - 0.42f, 0.2f, 0.16f);
      // Age hollows the cheeks under the cheekbones.
      for (const float side : {-1.0f, 1.0f})
        h -= 0.03f * look.Features.Age * Gauss(fx - side * 0.62f, yu - 0.85f, 0.16f, 0.25f);
      head.Height(x, y) = std::max(head.Height(x, y), h * u);
    }
  }
}

// The skin's own colours before the light: colour in the cheeks and nose,
// the lips, mottling, and shaved shadow or a beard.
Image SkinAlbedo(const FaceLook& look, const HeadFrame& fr, Field& lips) {
  Image albedo(fr.W, fr.H, look.Skin);
  const float u = fr.Unit, mx = fr.Fx(0.0f, 0.6f), noseY = NoseY(look), mouthY = MouthY(look);
  const ColorF skin = ToF(look.Skin);
  const Noise mottle(look.Seed * 19u + 4u);
  const int left = std::max(static_cast<int>(fr.X(-1.3f)), 0),
            right = std::min(static_cast<int>(fr.X(1.3f)), fr.W);
  const int top = std::max(static_cast<int>(fr.Y(-1.8f)), 0),
            bottom = std::min(static_cast<int>(fr.Y(2.2f)), fr.H);
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) {
      // Broad blotches of colour, then the fine grain of pores a pixel
      // across at the size the picture is shown.
      const float fx = static_cast<float>(x), fy = static_cast<float>(y);
      const float n = mottle.Fbm(fx / 9.0f, fy / 9.0f, 3) - 0.5f;
      const float red = mottle.Fbm(fx / 24.0f + 50.0f, fy / 24.0f, 2) - 0.5f;
      const float pore = mottle.Value(fx / 2.2f + 99.0f, fy / 2.2f) - 0.5f;
      const float k = 1.0f + n * 0.07f + pore * 0.1f;
      albedo.Pixels[albedo.Index(x, y)] =
          Pack(skin * ColorF{k + red * 0.05f, k - red * 0.03f + n * 0.02f, k - red * 0.03f + n * 0.02f});
    }
  // Colour in the cheeks and nose; the ears, which sit back from the face
  // in its shade; a little shadow under the eyes.
  Field warm(fr.W, fr.H), ears(fr.W, fr.H), under(fr.W, fr.H);
  for (const float side : {-1.0f, 1.0f}) {
    FillEllipse(warm, fr.Fx(side * 0.52f, 0.4f), fr.Y(0.4f), u * 0.26f, u * 0.17f);
    const Point ear = EarCentre(fr, side);
    FillEllipse(ears, ear.X + side * u * 0.03f, ear.Y, u * 0.16f, u * 0.4f);
    FillEllipse(under, fr.Fx(side * 0.42f, 0.5f), fr.Y(0.11f), u * 0.16f, u * 0.05f);
  }
  FillEllipse(warm, fr.Fx(0.0f, 1.0f), fr.Y(noseY - 0.05f), u * 0.12f, u * 0.14f);
  BoxBlur(warm, static_cast<int>(u * 0.14f));
  Paint(albedo, warm, ToColor(skin * ColorF{1.05f, 0.76f, 0.74f}), look.Man ? 0.4f : 0.55f);
  // Cooler below: the jaw and under the chin lose the cheeks' blood colour.
  Field cool = kShapes.Ellipse(albedo, {mx, fr.Y(look.ChinY + ChinDrop(look) - 0.15f)}, u * 0.85f, u * 0.3f);
  BoxBlur(cool, static_cast<int>(u * 0.15f));
  Paint(albedo, cool, ToColor(skin * ColorF{0.88f, 0.88f, 0.94f}), 0.35f);
  Paint(albedo, ears, ToColor(skin * ColorF{0.92f, 0.68f, 0.64f}), 0.7f);
  BoxBlur(under, 2);
  Paint(albedo, under, ToColor(skin * ColorF{0.82f, 0.74f, 0.78f}), 0.4f);

  // Lips: a bow on top, a fuller lower lip; the corners lift with a smile
  // and the lips frame the opening of a grin or a shout.
  const MouthShape m = MouthFor(look, fr);
  // Thin at the corners, two soft peaks either side of a dip; stretched
  // thinner when the mouth opens wide.
  const float stretch = 1.0f - 0.35f * Clamp01(m.Bottom / (u * 0.3f));
  const auto upper = BandOutline(16, [&](float s) {
    const float bow =
        u * stretch *
        (0.03f * look.Lips * std::pow(Clamp01(1.0f - s * s), 0.6f) +
         0.012f * Gauss(std::fabs(s) - 0.28f, 0.0f, 0.16f, 1.0f) - 0.008f * Gauss(s, 0.0f, 0.1f, 1.0f));
    return Edges{{m.Px(s), m.OpenTop(s) - bow}, {m.Px(s), m.OpenTop(s) + u * 0.008f}};
  });
  const auto lower = BandOutline(16, [&](float s) {
    // The lower lip's edge bends up less than the line: a smile widens it.
    const float full = u * 0.07f * look.Lips * std::pow(Clamp01(1.0f - s * s), 0.6f);
    const float x = m.Px(s * 0.95f), line = m.OpenBottom(s * 0.95f);
    return Edges{{x, line}, {x, line + full + m.Lift(s) * 0.3f}};
  });
  Field upperLip = kShapes.Polygon(albedo, upper), lowerLip = kShapes.Polygon(albedo, lower);
  BoxBlur(upperLip, 1, 1);
  BoxBlur(lowerLip, 1, 1);
  lips = upperLip;
  Maximize(lips, lowerLip);
  // The upper lip faces down, out of the light, and reads darker; the lower
  // lip faces up and is the lighter and redder of the two.
  const ColorF lipColour = look.Man ? skin * ColorF{0.86f, 0.58f, 0.55f} : skin * ColorF{0.9f, 0.46f, 0.48f};
  Paint(albedo, upperLip, ToColor(lipColour * 0.84f), look.Man ? 0.85f : 0.95f);
  Paint(albedo, lowerLip, ToColor(lipColour * 1.08f + ColorF{0.03f, 0.0f, 0.0f}), look.Man ? 0.8f : 0.95f);

  if (look.Facial != Beard::None) {
    const Noise grain(look.Seed * 17u + 9u);
    Field beard = FieldEach(fr.W, fr.H, [&](int x, int y) {
      const float yu = (static_cast<float>(y) - fr.EyeY) / u;
      if (yu < 0.2f) return 0.0f;
      const float side = std::fabs((static_cast<float>(x) - mx) / u);
      const float tache = SmoothStep(noseY + 0.07f, noseY + 0.13f, yu) * SmoothStep(0.4f, 0.3f, side);
      const float grown =
          0.55f + 0.6f * grain.Fbm(static_cast<float>(x) / 1.6f, static_cast<float>(y) / 1.6f, 2);
      switch (look.Facial) {
        case Beard::Full:
        case Beard::Stubble: {
          // Down the cheeks from the sideburns, round the jaw and chin.
          const float edge = noseY + 0.1f - (noseY - 0.25f) * SmoothStep(0.35f, 0.85f, side);
          return std::max(SmoothStep(edge, edge + 0.08f, yu), tache) * grown;
        }
        case Beard::Goatee: {
          const float chin = SmoothStep(mouthY + 0.14f, mouthY + 0.2f, yu) * SmoothStep(0.34f, 0.26f, side);
          const float joins = SmoothStep(0.36f, 0.3f, side) * SmoothStep(0.2f, 0.27f, side) *
                              SmoothStep(noseY + 0.1f, noseY + 0.15f, yu);
          return std::max({chin, tache, joins}) * grown;
        }
        case Beard::Moustache: return tache * SmoothStep(mouthY + 0.02f, mouthY - 0.05f, yu) * grown;
        case Beard::None: break;
      }
      return 0.0f;
    });
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
  } else if (look.Man) {
    // Even a clean shave leaves a faint shadow on the jaw.
    GroundShadow(albedo, mx, fr.Y(look.ChinY + ChinDrop(look) - 0.35f), u * 0.6f, u * 0.32f,
                 static_cast<int>(u * 0.12f), 0.3f, ToColor(skin * ColorF{0.84f, 0.84f, 0.9f}));
  }
  return albedo;
}

// Where the height field hides the sun: each point looks along the light's
// direction across the picture and is in shadow if the surface there
// rises above the ray. The nose, the brows and the lower lip throw their
// shadows this way. Soft-edged, since the sun is not a point.
Field CastShadow(const Field& height, const Field& mask, float lx, float ly, float lz) {
  const float flat = std::sqrt(lx * lx + ly * ly);
  const float sx = lx / flat, sy = ly / flat, rise = lz / flat;
  constexpr int kSteps = 36;
  const auto shade = [&](int x, int y) {
    if (mask(x, y) <= 0.0f) return 0.0f;
    const float h0 = height(x, y);
    float blocked = 0.0f;
    for (int k = 2; k <= kSteps; ++k) {
      const float d = static_cast<float>(k);
      const float over =
          height.Sample(static_cast<float>(x) + sx * d, static_cast<float>(y) + sy * d) - (h0 + d * rise);
      blocked = std::max(blocked, over);
    }
    return Clamp01(blocked * 0.5f);
  };
  return Soft(FieldEach(height.Width, height.Height, shade), 2);
}

// The light on the face: the sun from one side on a softened surface (skin
// scatters light) with the shadows it casts, a weak fill bounced from the
// other side, darker in the hollows and towards the outline, and a soft
// sheen where the key meets it head on.
SkinLight FaceLight(const Head& face, const FaceLook& look, const HeadFrame& fr) {
  const Field soft = Soft(face.Height, 2);
  const Field key = Lighting(soft, fr.LightX, kHeadLightY, kHeadLightZ, 1.0f);
  const Field shadow = CastShadow(face.Height, face.Skin, fr.LightX, kHeadLightY, kHeadLightZ);
  const Field cavity = Soft(face.Height, 5), edge = Soft(face.Skin, 5);
  const float flat = fr.Flat();
  const float dark = 1.0f - (0.299f * look.Skin.R + 0.587f * look.Skin.G + 0.114f * look.Skin.B) / 255.0f;
  Field lighting(fr.W, fr.H), exposure(fr.W, fr.H), specular(fr.W, fr.H);
  for (std::size_t i = 0; i < key.Values.size(); ++i) {
    if (face.Skin.Values[i] <= 0.0f) continue;
    const float lit = key.Values[i] * (1.0f - 0.55f * shadow.Values[i]);
    lighting.Values[i] = lit / flat;
    const float occlusion = Clamp01((cavity.Values[i] - face.Height.Values[i]) * 0.18f * (1.0f - fr.Bounce));
    const float rim = 0.86f + 0.14f * SmoothStep(0.45f, 0.9f, edge.Values[i]);
    exposure.Values[i] = (1.0f - occlusion) * rim;
    specular.Values[i] = std::pow(Clamp01(lit), 10.0f) * (0.07f + 0.18f * dark);
  }
  return {.Key = std::move(lighting),
          .Fill = Lighting(soft, -fr.LightX, 0.1f, 0.9f, 1.0f),
          .Exposure = std::move(exposure),
          .ShadowTint = {0.82f, 0.56f, 0.5f},
          .Ambient = 0.14f + 0.18f * fr.Bounce,
          .KeyWeight = 0.78f,
          .FillWeight = 0.16f,
          .Added = {{std::move(specular), {1.0f, 0.92f, 0.85f}}}};
}

// ---------------------------------------------------------------- features

// The opening of one eye: an upper lid arched higher towards the nose and a
// flatter lower lid. `side` -1 is the eye on the picture's left; t runs from
// the inner corner (-1) to the outer (1).
std::vector<Point> EyeOutline(float cx, float cy, float w, float h, float side, float tilt) {
  return BandOutline(14, [&](float t) {
    const float peak = std::pow(Clamp01(1.0f - t * t), 0.7f) * (1.0f - 0.12f * t);
    const float sag = std::pow(Clamp01(1.0f - t * t), 0.9f) * (1.0f + 0.15f * t);
    const float x = cx + side * t * w;
    return Edges{{x, cy - h * peak - tilt * t * h}, {x, cy + h * 0.6f * sag - tilt * t * h}};
  });
}

void DrawEyes(Image& image, const FaceLook& look, const HeadFrame& fr) {
  const float u = fr.Unit;
  const ColorF skin = ToF(look.Skin);
  for (const float side : {-1.0f, 1.0f}) {
    // The eye on the side the head turns away from looks narrower.
    const float squeeze = 1.0f + 0.15f * fr.Turn * side;
    const float cx = fr.Fx(side * 0.42f, 0.5f), cy = fr.Y(0.0f);
    const FaceForm& f = look.Features;
    // A shade larger than life: at the size the game shows a face, eyes
    // drawn to measure shrink to two dark dots and the face stops looking
    // at you.
    const float w = u * (look.Man ? 0.22f : 0.235f) * squeeze * (0.85f + 0.15f * f.Eyes);
    // A smile narrows the eyes from below; a shout or a frown from above
    // as well; the lids get heavier with age.
    const float squint = 0.3f * Clamp01(look.Smile) * (f.Says == Mouth::Shout ? 0.3f : 1.0f) +
                         0.15f * Clamp01(-f.BrowTilt) + 0.12f * f.Age;
    const float h = u * (look.Man ? 0.105f : 0.115f) * f.Eyes * (1.0f - squint);
    const std::vector<Point> outline = EyeOutline(cx, cy, w, h, side, look.Man ? 0.05f : 0.15f);
    const Field eye = kShapes.Polygon(image, outline);

    const float gazeX = cx + fr.Turn * u * 0.025f + f.Gaze * w * 0.5f, gazeY = cy - h * 0.1f;
    const float irisR = u * 0.1f, pupilR = u * 0.038f;
    const ColorF iris = ToF(look.Iris);
    const Noise fibres(look.Seed * 29u + static_cast<std::uint32_t>(side + 2.0f));
    const float toLight = fr.LightX < 0.0f ? -1.0f : 1.0f;
    // The white and the iris, seen through the lids.
    PaintEach(image, eye, [&](int x, int y) {
      const float px = static_cast<float>(x), py = static_cast<float>(y);
      // The white is never white: tinted, and shaded towards the corners.
      const float corner = std::fabs(px - cx) / w;
      ColorF c = Lerp(ColorF{0.9f, 0.87f, 0.84f}, skin * 0.7f, SmoothStep(0.35f, 1.0f, corner) * 0.7f);
      // The white is rounder than the lids: lit on the sun's side.
      c = c * (0.88f + 0.12f * Clamp01(0.5f + toLight * (cx - px) / w * -0.6f));
      const float dx = px - gazeX, dy = py - gazeY;
      const float r = std::sqrt(dx * dx + dy * dy);
      if (r < irisR + 0.8f) {
        const float t = r / irisR;
        // Fibres running out from the pupil, lighter round it.
        const float spoke = fibres.Fbm(std::atan2(dy, dx) * 5.0f + 20.0f, t * 2.0f, 2);
        ColorF ic = iris * ((0.62f + 0.55f * SmoothStep(1.0f, 0.3f, t)) * (0.75f + 0.5f * spoke));
        ic = Lerp(ic, iris * 0.3f, SmoothStep(0.75f, 1.0f, t));
        ic = Lerp(ic, ColorF{0.03f, 0.02f, 0.02f},
                  SmoothStep(pupilR / irisR + 0.08f, pupilR / irisR - 0.08f, t));
        c = Lerp(c, ic, Clamp01(irisR + 0.5f - r));
      }
      // The upper lid and lashes shade the top of the eye.
      return c * (1.0f - 0.5f * SmoothStep(cy + h * 0.1f, cy - h * 1.0f, py));
    });
    // The sky's reflection: a bright catchlight towards the sun and a
    // faint second one from the ground opposite.
    Field glint(fr.W, fr.H), second(fr.W, fr.H);
    FillCircle(glint, gazeX + toLight * irisR * 0.38f, gazeY - irisR * 0.4f, u * 0.03f);
    FillCircle(second, gazeX - toLight * irisR * 0.4f, gazeY + irisR * 0.45f, u * 0.016f);
    Paint(image, Multiplied(glint, eye), Rgb(0xFFFFFF), 0.9f);
    Paint(image, Multiplied(second, eye), Rgb(0xE8F0F8), 0.35f);

    // Lash line along the upper lid, heavier towards the outer corner; the
    // lid's crease above; a soft lower lid.
    Field lash(fr.W, fr.H), crease(fr.W, fr.H), lower(fr.W, fr.H), wet(fr.W, fr.H);
    constexpr int kUpper = 14;
    for (int i = 0; i < kUpper; ++i) {
      const Point a = outline[static_cast<std::size_t>(i)], b = outline[static_cast<std::size_t>(i + 1)];
      const float t = static_cast<float>(i) / kUpper;
      const float width = u * (look.Man ? 0.022f + 0.02f * t : 0.026f + 0.035f * t);
      ThickLine(lash, a.X, a.Y, b.X, b.Y, width);
      const float lift = h * (0.9f + 0.25f * (1.0f - std::fabs(t * 2.0f - 1.0f)));
      ThickLine(crease, a.X, a.Y - lift, b.X, b.Y - lift, u * 0.022f, 0.8f);
    }
    if (!look.Man) {
      const Point o = outline[kUpper];
      TaperedLine(lash, o.X - side * u * 0.04f, o.Y + u * 0.005f, o.X + side * u * 0.05f, o.Y - u * 0.035f,
                  u * 0.03f, 1.0f);
    }
    // The lower lid's wet rim, short of the corners, catches a little light.
    for (std::size_t i = kUpper + 3; i + 3 < outline.size(); ++i) {
      const Point a = outline[i], b = outline[i + 1];
      ThickLine(lower, a.X, a.Y + 0.8f, b.X, b.Y + 0.8f, u * 0.02f, 0.7f);
      if (i > kUpper + 3 && i + 4 < outline.size())
        ThickLine(wet, a.X, a.Y - 0.3f, b.X, b.Y - 0.3f, u * 0.014f, 0.6f);
    }
    Paint(image, Soft(std::move(crease), 1), ToColor(skin * ColorF{0.55f, 0.4f, 0.36f}), 0.3f);
    BoxBlur(lower, 1, 1);
    Paint(image, lower, ToColor(skin * ColorF{0.62f, 0.46f, 0.42f}), 0.5f);
    AddLight(image, wet, Rgb(0xFFE8E0), 0.25f);
    Paint(image, lash, ToColor(ToF(look.HairColour) * 0.35f + ColorF{0.03f, 0.02f, 0.015f}), 0.95f);
  }
}

void DrawBrows(Image& image, const FaceLook& look, const HeadFrame& fr) {
  // A point along the middle of one brow, t from its inner end (0) to its
  // outer end (1).
  const auto at = [&](float side, float t) {
    const float arch = (look.Man ? 0.05f : 0.09f) * std::sin(kPi * std::min(t * 1.3f, 1.0f));
    // The inner end rises with a raised brow and sinks into a frown.
    const float inner = look.Features.BrowTilt * 0.09f * (1.0f - t) * (1.0f - t);
    return Point{fr.Fx(side * (0.17f + 0.52f * t), 0.55f),
                 fr.Y(-0.25f - arch - inner + 0.06f * t * t + 0.02f * (1.0f - look.Smile))};
  };
  const float thick = fr.Unit * look.Brow * (look.Man ? 0.08f : 0.052f);
  Field brows(fr.W, fr.H);
  constexpr int kSteps = 10;
  for (const float side : {-1.0f, 1.0f}) {
    for (int i = 0; i < kSteps; ++i) {
      const float t0 = static_cast<float>(i) / kSteps, t1 = static_cast<float>(i + 1) / kSteps;
      kShapes.Line(brows, at(side, t0), at(side, t1), thick * (1.0f - 0.55f * t0));
    }
  }
  BoxBlur(brows, 1, 1);
  const Noise hairs(look.Seed * 5u + 7u);
  FillEach(brows, [&](int x, int y) {
    return brows(x, y) *
           (0.6f + 0.5f * hairs.Fbm(static_cast<float>(x) / 1.5f, static_cast<float>(y) / 5.0f, 2));
  });
  const float lightness = (look.HairColour.R + look.HairColour.G + look.HairColour.B) / 765.0f;
  Paint(image, brows, ToColor(ToF(look.HairColour) * (lightness > 0.4f ? 0.7f : 0.9f)), 0.9f);
}

void DrawNoseAndMouth(Image& image, const FaceLook& look, const HeadFrame& fr, const Field& lips) {
  const ColorF skin = ToF(look.Skin);
  const float u = fr.Unit, noseY = NoseY(look), wide = look.Nose * look.Features.NoseWidth;
  const float away = -fr.LightX / std::fabs(fr.LightX);  // towards the shaded side
  // Under the tip the nose throws a shadow onto the upper lip, down and
  // away from the sun.
  GroundShadow(image, fr.Fx(away * 0.05f, 1.0f), fr.Y(noseY + 0.1f), u * 0.15f * wide, u * 0.05f, 2, 0.4f,
               ToColor(skin * ColorF{0.45f, 0.3f, 0.28f}), 2);
  Field nostrils(fr.W, fr.H);
  for (const float side : {-1.0f, 1.0f}) {
    FillEllipse(nostrils, fr.Fx(side * 0.075f * wide, 1.0f), fr.Y(noseY + 0.035f), u * 0.04f * wide,
                u * 0.02f);
  }
  Paint(image, Soft(std::move(nostrils), 1), ToColor(skin * ColorF{0.3f, 0.18f, 0.16f}), 0.75f);
  // Light catches the tip and the bridge's lit side.
  Field shine(fr.W, fr.H);
  FillEllipse(shine, fr.Fx(-away * 0.035f, 1.0f), fr.Y(noseY - 0.07f), u * 0.035f, u * 0.03f);
  ThickLine(shine, fr.Fx(-away * 0.045f, 0.8f), fr.Y(noseY - 0.32f), fr.Fx(-away * 0.04f, 0.9f),
            fr.Y(noseY - 0.16f), u * 0.02f, 0.3f);
  AddLight(image, Soft(std::move(shine), 1), Rgb(0xFFF0E0), 0.14f);

  const MouthShape m = MouthFor(look, fr);
  constexpr int kSteps = 16;
  auto sAt = [](int i) { return static_cast<float>(i) / kSteps * 2.0f - 1.0f; };
  if (m.Parted()) {
    // The opening: a dark mouth behind the teeth, the upper teeth showing
    // below the lip, the lower ones (or a shout's tongue) at the bottom.
    const Field open = kShapes.Polygon(image, BandOutline(kSteps, [&](float s) {
                                         return Edges{{m.Px(s), m.OpenTop(s)}, {m.Px(s), m.OpenBottom(s)}};
                                       }));
    Paint(image, open, ToColor(skin * 0.18f + ColorF{0.1f, 0.02f, 0.02f}));
    const bool shout = look.Features.Says == Mouth::Shout;
    const float teethH = std::min(u * 0.075f, (m.Top + m.Bottom) * (shout ? 0.3f : 0.62f));
    Field upperTeeth(fr.W, fr.H), lowerTeeth(fr.W, fr.H), tongue(fr.W, fr.H);
    FillPolygon(upperTeeth, BandOutline(kSteps, [&](float s) {
                  s *= 0.82f;
                  const float drop = teethH * std::pow(Clamp01(1.0f - s * s * 0.9f), 0.5f);
                  return Edges{{m.Px(s), m.OpenTop(s) - 1.0f}, {m.Px(s), m.OpenTop(s) + drop}};
                }));
    FillPolygon(lowerTeeth, BandOutline(kSteps, [&](float s) {
                  s *= 0.6f;
                  const float top = m.OpenBottom(s) - u * (shout ? 0.035f : 0.03f);
                  return Edges{{m.Px(s), top}, {m.Px(s), m.OpenBottom(s) + 1.0f}};
                }));
    if (shout) {
      FillEllipse(tongue, m.X, m.OpenBottom(0.0f) - u * 0.06f, m.HalfW * 0.55f, u * 0.07f);
      Paint(image, Multiplied(tongue, open), ToColor(skin * ColorF{0.75f, 0.36f, 0.38f}), 0.85f);
    }
    // Teeth in the mouth's shade: greyer towards the corners and under the lip.
    const auto enamel = [&](int x, int y) {
      const float s = std::fabs((static_cast<float>(x) - m.X) / m.HalfW);
      const float shade = 1.0f - 0.55f * SmoothStep(0.2f, 0.85f, s);
      const float lip =
          SmoothStep(m.OpenTop(0.0f) - 1.0f, m.OpenTop(0.0f) + u * 0.03f, static_cast<float>(y));
      return ColorF{0.9f, 0.87f, 0.82f} * (shade * (0.72f + 0.28f * lip));
    };
    // A faint gap between the two front teeth.
    Field divide(fr.W, fr.H);
    ThickLine(divide, m.X + 0.5f, m.OpenTop(0.0f), m.X + 0.5f, m.OpenTop(0.0f) + teethH, 0.9f);
    PaintEach(image, Multiplied(upperTeeth, open), enamel);
    PaintEach(image, Multiplied(lowerTeeth, open), enamel);
    Paint(image, Multiplied(divide, Multiplied(upperTeeth, open)), Rgb(0x6A5A54), 0.35f);
    // The lips' inner edge in shadow.
    Field rim = Subtracted(Dilated(open, 1), open);
    BoxBlur(rim, 1, 1);
    Paint(image, rim, ToColor(skin * ColorF{0.35f, 0.18f, 0.17f}), 0.55f);
  } else {
    // The line where the lips meet, darkest at the corners.
    Field line(fr.W, fr.H);
    for (int i = 0; i < kSteps; ++i) {
      const float s0 = sAt(i), s1 = sAt(i + 1);
      const float width = u * (0.02f + 0.012f * (1.0f - std::fabs(s0)));
      ThickLine(line, m.Px(s0), m.Y - m.Lift(s0), m.Px(s1), m.Y - m.Lift(s1), width);
    }
    for (const float side : {-1.0f, 1.0f})
      FillCircle(line, m.Px(side * 1.02f), m.Y - m.Lift(side) - u * 0.005f, u * 0.022f, 0.8f);
    BoxBlur(line, 1, 1);
    Paint(image, line, ToColor(skin * ColorF{0.25f, 0.13f, 0.12f}), 0.9f);
  }
  // The lower lip shades the hollow above the chin.
  GroundShadow(image, m.X + away * u * 0.03f, m.OpenBottom(0.0f) + u * (0.07f * look.Lips + 0.06f),
               m.HalfW * 0.55f, u * 0.035f, 3, 0.3f, ToColor(skin * ColorF{0.5f, 0.34f, 0.32f}), 2);
  // A highlight on the lower lip.
  Field gloss(fr.W, fr.H);
  FillEllipse(gloss, m.X - away * m.HalfW * 0.25f, m.OpenBottom(0.0f) + u * 0.035f * look.Lips,
              m.HalfW * 0.25f, u * 0.014f);
  Paint(image, Multiplied(Soft(std::move(gloss), 2), lips), Rgb(0xFFE8E0), 0.4f);
}

// Creases the face makes: the folds from the nose to the mouth's corners
// (deeper with a smile or a shout, and with age), lines across the
// forehead and beside the eyes, and a frown's furrows between the brows.
void DrawCreases(Image& image, const FaceLook& look, const HeadFrame& fr) {
  const float u = fr.Unit;
  const FaceForm& f = look.Features;
  const ColorF skin = ToF(look.Skin);
  const MouthShape m = MouthFor(look, fr);
  const float noseY = NoseY(look), wide = look.Nose * f.NoseWidth;
  const float shout = f.Says == Mouth::Shout ? 1.0f : 0.0f;
  const float fold = Clamp01(0.15f + 0.35f * f.Age + 0.45f * Clamp01(look.Smile) + 0.4f * shout);
  // Each line joins the dark creases at its own depth.
  Field dark(fr.W, fr.H), lit(fr.W, fr.H);
  for (const float side : {-1.0f, 1.0f}) {
    const Point a{fr.Fx(side * (0.17f * wide + 0.03f), 0.9f), fr.Y(noseY - 0.02f)};
    const Point end{m.Px(side * 1.1f) + side * u * 0.04f, m.Y - m.Lift(side) + u * 0.1f + m.Bottom * 0.6f};
    const Point bend{a.X + side * u * 0.2f, (a.Y + end.Y) * 0.5f};
    Lock(dark, a, bend, end, u * 0.035f, u * 0.015f, fold);
    Lock(lit, {a.X + side * u * 0.05f, a.Y}, {bend.X + side * u * 0.06f, bend.Y},
         {end.X + side * u * 0.05f, end.Y}, u * 0.05f, u * 0.02f, fold);
  }
  if (f.Age > 0.4f) {
    // Forehead lines, where the hair leaves the forehead bare.
    const float k = (f.Age - 0.4f) * 1.4f;
    for (const float yu : {-0.58f, -0.74f, -0.9f}) {
      constexpr int kSteps = 8;
      for (int i = 0; i < kSteps; ++i) {
        const float s0 = static_cast<float>(i) / kSteps * 2.0f - 1.0f, s1 = s0 + 2.0f / kSteps;
        ThickLine(dark, fr.Fx(s0 * 0.45f, 0.4f), fr.Y(yu + 0.04f * s0 * s0), fr.Fx(s1 * 0.45f, 0.4f),
                  fr.Y(yu + 0.04f * s1 * s1), u * 0.02f * (1.0f - 0.6f * std::fabs(s0)), k * 0.7f);
      }
    }
  }
  const float crows = Clamp01(Clamp01(f.Age * 1.2f - 0.3f) + 0.5f * Clamp01(look.Smile - 0.6f)) * 0.8f;
  for (const float side : {-1.0f, 1.0f}) {
    const float ox = fr.Fx(side * 0.66f, 0.5f), oy = fr.Y(0.0f);
    for (const float a : {-0.35f, 0.0f, 0.35f}) {
      ThickLine(dark, ox, oy + a * u * 0.06f, ox + side * u * 0.12f * std::cos(a),
                oy + u * 0.12f * std::sin(a) + a * u * 0.05f, u * 0.015f, crows);
    }
    // Bags below the eyes.
    Lock(dark, {fr.Fx(side * 0.28f, 0.5f), fr.Y(0.12f)}, {fr.Fx(side * 0.44f, 0.5f), fr.Y(0.22f)},
         {fr.Fx(side * 0.6f, 0.5f), fr.Y(0.12f)}, u * 0.02f, u * 0.015f, f.Age * 0.6f);
    // A frown's furrows between the brows.
    if (f.BrowTilt < -0.25f) {
      ThickLine(dark, fr.Fx(side * 0.06f, 0.55f), fr.Y(-0.36f), fr.Fx(side * 0.08f, 0.55f), fr.Y(-0.16f),
                u * 0.022f, Clamp01(-f.BrowTilt - 0.2f) * 0.9f);
    }
  }
  AddLight(image, Soft(std::move(lit), 2), ToColor(skin * 0.2f), 0.5f);
  Paint(image, Soft(std::move(dark), 1), ToColor(skin * ColorF{0.5f, 0.34f, 0.31f}), 0.5f);
}

// ---------------------------------------------------------------- portrait

// A head turned a little to one side. It is drawn face-on, then bent round
// as a ball would turn: the front of the face moves by `bend` of the
// radius towards the turn and nothing moves at the radius, so the far
// cheek narrows and the near one widens while the outline stays put. A
// tilt rolls it about the eye line's middle. This is where the face-on,
// upright drawing has what the laid head shows at pixel (x, y); untilted,
// the rows stay exactly where they are.
Point Unturned(const HeadFrame& fr, int x, int y) {
  const float radius = fr.Unit * 1.5f, bend = 0.28f * fr.Turn;
  const float cosTilt = std::cos(fr.Tilt), sinTilt = std::sin(fr.Tilt);
  const float dx = static_cast<float>(x) - fr.CentreX, dy = static_cast<float>(y) - fr.EyeY;
  const float xr = static_cast<float>(x) + (dx * (cosTilt - 1.0f) + dy * sinTilt);
  const float yr = static_cast<float>(y) + (dy * (cosTilt - 1.0f) - dx * sinTilt);
  const float xs = (xr - fr.CentreX) / radius;
  if (std::fabs(xs) >= 1.0f || std::fabs(bend) < 1e-4f) return {xr, yr};
  const float xn = (1.0f - std::sqrt(1.0f - 4.0f * bend * (xs - bend))) / (2.0f * bend);
  return {fr.CentreX + xn * radius, yr};
}

}  // namespace

Head ShapeHead(const FaceLook& look, const HeadFrame& frame) {
  Head head{.Look = look, .Frame = frame};
  ShapeHair(head);
  ShapeFace(head);
  return head;
}

void PaintBackHair(Image& image, const Head& head) {
  PaintHair(image, head.BackHair, head.Look.HairColour, HairLightFor(head.BackHair, head));
}

void PaintFace(Image& image, const Head& head) {
  const FaceLook& look = head.Look;
  const HeadFrame& fr = head.Frame;
  Field lips;
  const Image albedo = SkinAlbedo(look, fr, lips);
  PaintSkin(image, head.Skin, look.Skin, FaceLight(head, look, fr), &albedo);
  DrawEyes(image, look, fr);
  DrawBrows(image, look, fr);
  DrawCreases(image, look, fr);
  DrawNoseAndMouth(image, look, fr, lips);
  // Hair falls over the face's edge and shades the forehead below it.
  Field hairShadow = Shifted(head.FrontHair, 2, 5);
  BoxBlur(hairShadow, 4);
  Paint(image, Multiplied(Subtracted(hairShadow, head.FrontHair), head.Skin), Rgb(0x000000), 0.35f);
  PaintHair(image, head.FrontHair, look.HairColour, HairLightFor(head.FrontHair, head));
}

Field Laid(const Field& f, const Head& head) {
  return FieldEach(f.Width, f.Height, [&](int x, int y) {
    const Point s = Unturned(head.Frame, x, y);
    return f.Sample(s.X, s.Y);
  });
}

// What the head covers is where the two pictures differ, or the head's own
// outline: hats and masks drawn on the head turn with it.
Field LayHead(Image& image, const Image& under, const Head& head) {
  Field outline = head.Skin;
  Maximize(outline, head.FrontHair);
  const Image drawn = image;
  Field cover(image.Width, image.Height);
  for (std::size_t i = 0; i < cover.Values.size(); ++i) {
    const ColorF a = Unpack(drawn.Pixels[i]), b = Unpack(under.Pixels[i]);
    const float d = std::max({std::fabs(a.R - b.R), std::fabs(a.G - b.G), std::fabs(a.B - b.B)});
    cover.Values[i] = std::max(Clamp01(d * 20.0f), outline.Values[i]);
  }
  const auto at = [&](int x, int y) { return Unpack(drawn.Pixels[drawn.Index(x, y)]); };
  for (int y = 0; y < image.Height; ++y)
    for (int x = 0; x < image.Width; ++x) {
      // The colour sampled bilinearly where the upright head has it.
      const Point s = Unturned(head.Frame, x, y);
      const float sx = std::clamp(s.X, 0.0f, static_cast<float>(image.Width - 1));
      const float sy = std::clamp(s.Y, 0.0f, static_cast<float>(image.Height - 1));
      const int x0 = std::min(static_cast<int>(sx), image.Width - 2), y0 = static_cast<int>(sy);
      const int y1 = std::min(y0 + 1, image.Height - 1);
      const float k = sx - static_cast<float>(x0);
      const ColorF top = Lerp(at(x0, y0), at(x0 + 1, y0), k), bottom = Lerp(at(x0, y1), at(x0 + 1, y1), k);
      std::uint32_t& p = image.Pixels[image.Index(x, y)];
      p = Pack(Lerp(Unpack(under.Pixels[under.Index(x, y)]), Lerp(top, bottom, sy - static_cast<float>(y0)),
                    cover.Sample(s.X, s.Y)));
    }
  return Laid(outline, head);
}

}  // namespace vantoro::art
