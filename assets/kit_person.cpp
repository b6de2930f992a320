#include "assets/kit_person.hpp"

#include <algorithm>
#include <cmath>
#include <string>

#include "assets/kit_image.hpp"
#include "assets/lettering.hpp"

namespace vantoro::art {

namespace {

// Side-on figures are drawn in the pixels of a player this tall.
constexpr float kFigure = 75.0f;
// Front and back views are worked out in the picture's own pixels.
constexpr BigShapes kOwn{1.0f};

Point Scaled(Point p, float k) { return {p.X * k, p.Y * k}; }

// ---------------------------------------------------------------- front and back

Point At(const Person& p, Point local) {
  return {p.Feet.X + local.X * p.Height, p.Feet.Y + local.Y * p.Height};
}

MarkerFrame FrontGrip(const Person& p) {
  const float k = p.Height / kFigure;
  const float dx = std::cos(p.Body.Aim) * k, dy = std::sin(p.Body.Aim) * k;
  const float side = p.Flip ? -1.0f : 1.0f;
  return {At(p, p.Body.Hand[p.GripHand]), {dx, dy}, {dy * side, -dx * side}};
}

// Paints a part with a thin dark outline, so that overlapping limbs of one
// colour stay apart when the picture is shrunk.
void PaintPart(Image& image, const Field& mask, Color colour, int outline = 3) {
  PaintOutlined(image, mask, colour, Rgb(0x0A0A10), outline);
}

// A paintball mask seen from the front: the wearer's headwrap in the team's
// colour on top, the shell below, the goggle lens across it and the vents
// over the mouth. Bowed, the lens slides down and more of the wrap shows;
// from behind only the wrap and the strap are seen.
void DrawHead(Image& image, const Person& p) {
  const Pose& b = p.Body;
  const bool back = p.Seen == View::Back;
  const float s = p.Height;
  const Point c = At(p, b.Head);
  const float rx = 0.09f * s, ry = 0.1f * s;
  const float ca = std::cos(b.Tilt), sa = std::sin(b.Tilt);
  // A point in the head's own frame (units of the head's radii).
  const auto local = [&](float u, float v) {
    return Point{c.X + (u * rx) * ca - (v * ry) * sa, c.Y + (u * rx) * sa + (v * ry) * ca};
  };
  const Field head = kOwn.Ellipse(image, c, rx, ry);
  const Point n0 = At(p, Mix(b.Shoulder[0], b.Shoulder[1], 0.5f));
  PaintPart(image, kOwn.Line(image, n0, c, 0.07f * s), Rgb(0x202028));

  PaintPart(image, head, p.Colours.Trim);
  if (back) {
    // The strap round the back of the head.
    const Field strap = kOwn.Line(image, local(-1.1f, 0.05f), local(1.1f, 0.05f), 0.035f * s);
    Paint(image, Multiplied(strap, head), Rgb(0x15151A));
    ApplyLight(image, Bevel(head, 10, -0.5f, -0.7f, 0.6f, 3.0f), head, 0.5f);
    return;
  }
  // Bowed, the top of the head turns to us and the face goes under.
  const float drop = b.Bow * 0.85f;
  // The shell covers the face from just above the lens down: the head below
  // the line through `edge` that leans with it.
  const Point edge = local(0.0f, -0.42f + drop);
  const Field shell = FieldEach(image.Width, image.Height, [&](int x, int y) {
    const float below =
        (static_cast<float>(x) + 0.5f - edge.X) * -sa + (static_cast<float>(y) + 0.5f - edge.Y) * ca;
    return head(x, y) * Clamp01(below + 0.5f);
  });
  Paint(image, shell, p.Colours.Shell);
  // The visor's brim over the lens.
  Paint(image, kOwn.Line(image, local(-1.05f, -0.42f + drop), local(1.05f, -0.42f + drop), 0.028f * s),
        Rgb(0x101014));
  const float lensHeight = 0.05f * s * (1.0f - 0.5f * b.Bow);
  const Point l0 = local(-0.62f, -0.08f + drop), l1 = local(0.62f, -0.08f + drop);
  const Field lens = Multiplied(kOwn.Line(image, l0, l1, lensHeight), head);
  const Color tint = p.Colours.Lens;
  const Gradient glass{{0.0f, Lerp(tint, kWhite, 0.55f)}, {0.5f, tint}, {1.0f, Tone(tint, 0.45f)}};
  PaintVertical(image, lens, glass, l0.Y - lensHeight * 0.5f, l0.Y + lensHeight * 0.5f);
  if (b.Bow < 0.4f) {
    Field vents(image.Width, image.Height);
    for (const float u : {-0.2f, 0.0f, 0.2f}) kOwn.Line(vents, local(u, 0.42f), local(u, 0.72f), 0.014f * s);
    Paint(image, Multiplied(vents, head), Rgb(0x8A8E98), 0.8f);
  }
  ApplyLight(image, Bevel(head, 10, -0.5f, -0.7f, 0.6f, 3.0f), head, 0.45f);
}

void DrawFrontOn(Image& image, const Person& p, FontLibrary* fonts) {
  const Pose& b = p.Body;
  const bool back = p.Seen == View::Back;
  const float s = p.Height;
  Field legs(image.Width, image.Height), shoes(image.Width, image.Height), torso(image.Width, image.Height),
      sleeves(image.Width, image.Height), arms(image.Width, image.Height), gloves(image.Width, image.Height);
  const Placement own{p.Feet, s, 1.0f};
  for (int i = 0; i < 2; ++i) {
    const Point knee = At(p, b.Knee[i]), foot = At(p, b.Foot[i]);
    Stroke(legs, own, b.Hip[i], b.Knee[i], 0.11f, 0.088f);
    TaperedLine(legs, knee.X, knee.Y, foot.X, foot.Y - 0.03f * s, 0.088f * s, 0.07f * s);
    FillEllipse(shoes, foot.X + (i == 0 ? -0.015f : 0.015f) * s, foot.Y - 0.015f * s, 0.055f * s, 0.03f * s);
    Stroke(sleeves, own, b.Shoulder[i], b.Elbow[i], 0.075f, 0.062f);
    Stroke(arms, own, b.Elbow[i], b.Hand[i], 0.058f, 0.05f);
    Blob(gloves, own, b.Hand[i], 0.038f, 0.038f);
  }
  const Point sl = At(p, b.Shoulder[0]), sr = At(p, b.Shoulder[1]);
  const Point hl = At(p, b.Hip[0]), hr = At(p, b.Hip[1]);
  // A point moved from q by (dx, dy) player heights.
  const auto off = [s](Point q, float dx, float dy) { return Point{q.X + dx * s, q.Y + dy * s}; };
  const Point chest[] = {off(sl, -0.02f, -0.005f), off(sr, 0.02f, -0.005f), off(hr, 0.035f, 0.02f),
                         off(hl, -0.035f, 0.02f)};
  FillPolygon(torso, chest);
  for (const Point& sh : {sl, sr}) FillCircle(torso, sh.X, sh.Y + 0.01f * s, 0.045f * s);

  PaintPart(image, legs, p.Colours.Pants);
  PaintPart(image, shoes, Rgb(0x1A1A1E));
  PaintPart(image, torso, p.Colours.Jersey);
  // A band of trim across the chest, or the number on the back.
  if (back && p.Number > 0 && fonts != nullptr) {
    const Font& font = fonts->Get("Arial", FontSize::Pixels(static_cast<int>(0.2f * s)), true);
    const std::string number = std::to_string(p.Number);
    const float cx = (sl.X + sr.X) * 0.5f;
    const int capTop = static_cast<int>((sl.Y + hl.Y) * 0.5f - 0.07f * s);
    Field digits = PlacedText(image.Width, image.Height, number, font, 0, cx, capTop);
    Paint(image, Multiplied(digits, torso), p.Colours.Trim);
  } else {
    const Field band = kOwn.Line(image, off(sl, -0.1f, 0.085f), off(sr, 0.1f, 0.085f), 0.045f * s);
    Paint(image, Multiplied(band, torso), p.Colours.Trim);
  }
  DrawHead(image, p);
  PaintPart(image, sleeves, p.Colours.Jersey);
  PaintPart(image, arms, Tone(p.Colours.Jersey, 0.8f));
  if (p.Marker > 0) DrawMarker(image, FrontGrip(p), p.Marker, p.Look);
  if (p.InHands) p.InHands(image);
  PaintPart(image, gloves, Rgb(0x26262C), 2);

  // Round the whole figure off with one soft light from the upper left.
  Field body = legs;
  for (const Field* f : {&shoes, &torso, &sleeves, &arms, &gloves}) Maximize(body, *f);
  ApplyLight(image, Bevel(body, 8, -0.5f, -0.75f, 0.5f, 3.0f), body, 0.45f);
}

// ---------------------------------------------------------------- side-on

// The paired joints, for going over a pose joint by joint.
using Pair = Point (Pose::*)[2];
constexpr Pair kPairs[] = {&Pose::Shoulder, &Pose::Elbow, &Pose::Hand, &Pose::Hip, &Pose::Knee, &Pose::Foot};

// The pose in figure pixels, as side-on figures are drawn.
Pose InFigure(Pose p) {
  for (Point Pose::*joint : {&Pose::Head, &Pose::Neck}) p.*joint = Scaled(p.*joint, kFigure);
  for (const Pair pair : kPairs) {
    for (Point& q : p.*pair) q = Scaled(q, kFigure);
  }
  return p;
}

// The elbow of an arm from the shoulder to the hand, bent downwards.
Point Elbow(Point s, Point h, float upper, float lower) {
  const float dx = h.X - s.X, dy = h.Y - s.Y;
  const float d =
      std::clamp(std::sqrt(dx * dx + dy * dy), std::fabs(upper - lower) + 0.01f, upper + lower - 0.01f);
  const float len = std::max(std::sqrt(dx * dx + dy * dy), 1e-3f);
  const float a = (upper * upper - lower * lower + d * d) / (2.0f * d);
  const float h2 = std::sqrt(std::max(upper * upper - a * a, 0.0f));
  const Point mid{s.X + dx / len * a, s.Y + dy / len * a};
  const Point e1{mid.X - dy / len * h2, mid.Y + dx / len * h2};
  const Point e2{mid.X + dy / len * h2, mid.Y - dx / len * h2};
  return e1.Y > e2.Y ? e1 : e2;
}

// The marker held in a side-on pose, in figure pixels.
MarkerFrame MarkerOf(const Pose& p) {
  const Point dir{std::cos(p.Aim), std::sin(p.Aim)};
  return {p.Hand[0], dir, {dir.Y, -dir.X}};
}

// The same marker in the picture.
MarkerFrame HeldAt(const Placement& at, const MarkerFrame& m) {
  const float k = at.Scale;
  return {at(m.Grip), {m.Along.X * k * at.Facing, m.Along.Y * k}, {m.Up.X * k * at.Facing, m.Up.Y * k}};
}

// Draws a side-on player, in figure units, and returns the muzzle.
Point DrawSideOn(Image& image, const Pose& p, const Placement& at, const Person& person) {
  const Kit& kit = person.Colours;
  const float rim = at.Facing > 0.0f ? 1.5f : -1.5f;
  const auto shade = [&](const Field& f, Color c) { Shade(image, f, c, rim); };
  // The point (dx, dy) figure pixels from q.
  const auto off = [](Point q, float dx, float dy) { return Point{q.X + dx, q.Y + dy}; };
  const Point shoulderFar = off(p.Neck, -1.0f, 3.0f), shoulderNear = off(p.Neck, 1.5f, 3.5f);
  const MarkerFrame m = MarkerOf(p);

  // The far side first: leg, then the arm that holds the trigger.
  shade(Limb(image, at, p.Hip[0], p.Knee[0], p.Foot[0], {10.0f, 8.0f, 7.5f, 5.5f}), Tone(kit.Pants, 0.7f));
  shade(Oval(image, at, off(p.Foot[0], 2.0f, -1.5f), 4.5f, 2.5f), Rgb(0x0E0E12));
  const Point farElbow = Elbow(shoulderFar, p.Hand[0], 13.0f, 12.0f);
  shade(Limb(image, at, shoulderFar, farElbow, p.Hand[0], {7.0f, 6.0f, 6.0f, 4.5f}), Tone(kit.Jersey, 0.72f));

  // Body: the jersey, its side panel and the pod pack on the back.
  Field torso = Stroked(image, at, p.Hip[0], p.Neck, 14.0f, 13.0f);
  const Point torsoPts[] = {at(off(p.Hip[0], -7.0f, 2.0f)), at(off(p.Hip[0], 7.0f, 2.0f)),
                            at(off(p.Neck, 8.0f, 4.0f)), at(off(p.Neck, -7.0f, 2.0f))};
  FillPolygon(torso, torsoPts);
  const Point back{(p.Hip[0].X * 0.7f + p.Neck.X * 0.3f) - 8.5f, p.Hip[0].Y * 0.7f + p.Neck.Y * 0.3f};
  const Field pack = Stroked(image, at, off(back, 0.0f, 3.0f), off(back, 0.5f, -8.0f), 6.0f, 6.0f);
  shade(torso, kit.Jersey);
  const Field stripe = Stroked(image, at, off(p.Hip[0], 1.0f, -2.0f), off(p.Neck, 2.0f, 4.0f), 3.0f, 3.0f);
  Paint(image, Multiplied(stripe, torso), kit.Trim, 0.9f);
  shade(pack, Rgb(0x16161A));
  shade(Limb(image, at, p.Hip[0], p.Knee[1], p.Foot[1], {10.5f, 8.5f, 8.0f, 5.8f}), Tone(kit.Pants, 1.35f));
  shade(Oval(image, at, off(p.Knee[1], 1.5f, 0.0f), 4.2f, 4.6f), Rgb(0x1A1A20));
  shade(Oval(image, at, off(p.Foot[1], 2.0f, -1.5f), 4.8f, 2.6f), Rgb(0x0E0E12));

  // Head: the wrap, the mask with its visor, lens and vents.
  Field wrap = Oval(image, at, p.Head, 6.5f, 6.5f);
  Stroke(wrap, at, off(p.Neck, -1.0f, 2.0f), p.Head, 6.0f, 6.0f);
  Field mask = Oval(image, at, off(p.Head, 4.0f, 0.5f), 4.5f, 5.5f);
  Blob(mask, at, off(p.Head, 6.0f, 4.0f), 3.2f, 2.6f);
  Stroke(mask, at, off(p.Head, 1.0f, -6.0f), off(p.Head, 9.5f, -4.5f), 1.8f, 1.2f);
  const Field lens = Stroked(image, at, off(p.Head, 5.0f, -2.2f), off(p.Head, 7.6f, -1.6f), 2.6f, 2.4f);
  shade(wrap, kit.Wrap);
  shade(mask, Rgb(0x2A2C33));
  Paint(image, lens, Rgb(0x38D0E8));
  Glow(image, lens, Rgb(0x2090C0), 2, 0.35f);

  if (person.Marker > 0) DrawMarker(image, HeldAt(at, m), person.Marker, person.Look);

  // The near arm over the marker: on the foregrip, or free to signal.
  const Point hand = Mix(p.Hand[1], m.At(10.0f, -1.0f), p.OnMarker);
  const Point nearElbow = Elbow(shoulderNear, hand, 13.0f, 12.0f);
  shade(Limb(image, at, shoulderNear, nearElbow, hand, {7.5f, 6.5f, 6.5f, 4.8f}), kit.Jersey);
  Field gloves(image.Width, image.Height);
  Blob(gloves, at, hand, 3.0f + 0.6f * (1.0f - p.OnMarker), 3.0f + 0.6f * (1.0f - p.OnMarker));
  Blob(gloves, at, p.Hand[0], 2.6f, 2.6f);
  shade(gloves, Rgb(0x141418));
  return MarkerMuzzle(HeldAt(at, m), std::max(person.Marker, 1));
}

// Draws a side-on player in the box round its pose, which keeps the many
// passes over masks small.
Point DrawSideOnCropped(Image& image, const Person& person) {
  const Pose p = InFigure(person.Body);
  const Placement at{person.Feet, person.Height / kFigure, person.Facing};
  const MarkerFrame m = MarkerOf(p);
  // The joints, and the marker's muzzle, stock and loader.
  const Point reach[] = {p.Hip[0],          p.Neck,    p.Head,    p.Knee[0],         p.Foot[0],
                         p.Knee[1],         p.Foot[1], p.Hand[0], m.At(26.0f, 4.5f), m.At(-16.0f, 2.0f),
                         m.At(3.0f, 15.0f), p.Hand[1]};
  float left = 1e9f, top = 1e9f, right = -1e9f, bottom = -1e9f;
  for (const Point& q : reach) {
    const Point w = at(q);
    left = std::min(left, w.X);
    right = std::max(right, w.X);
    top = std::min(top, w.Y);
    bottom = std::max(bottom, w.Y);
  }
  const float margin = 10.0f * at.Scale;
  Region r = Crop(image, left - margin, top - margin, right + margin, bottom + margin);
  const Point muzzle = DrawSideOn(r.Pixels, p, at.Moved({-r.Origin().X, -r.Origin().Y}), person);
  Paste(image, r);
  return {muzzle.X + r.Origin().X, muzzle.Y + r.Origin().Y};
}

}  // namespace

Point Mix(Point a, Point b, float k) { return {a.X + (b.X - a.X) * k, a.Y + (b.Y - a.Y) * k}; }

Color Tone(Color c, float k) { return ToColor(ToF(c) * k); }

void Shade(Image& image, const Field& mask, Color colour, float rimSide) {
  PaintRounded(image, mask, colour, 2, {-0.5f, -0.7f, 0.5f, 4.0f}, 0.55f);
  AddLight(image, Multiplied(Rim(mask, static_cast<int>(rimSide), -1), mask), Rgb(0xFF9A60), 0.45f);
}

void Stroke(Field& f, const Placement& at, Point a, Point b, float w0, float w1) {
  const Point pa = at(a), pb = at(b);
  TaperedLine(f, pa.X, pa.Y, pb.X, pb.Y, w0 * at.Scale, w1 * at.Scale);
}

void Blob(Field& f, const Placement& at, Point c, float rx, float ry) {
  const Point p = at(c);
  FillEllipse(f, p.X, p.Y, rx * at.Scale, ry * at.Scale);
}

Field Stroked(const Image& image, const Placement& at, Point a, Point b, float w0, float w1) {
  Field f(image.Width, image.Height);
  Stroke(f, at, a, b, w0, w1);
  return f;
}

Field Oval(const Image& image, const Placement& at, Point c, float rx, float ry) {
  Field f(image.Width, image.Height);
  Blob(f, at, c, rx, ry);
  return f;
}

Field Limb(const Image& image, const Placement& at, Point root, Point joint, Point end,
           const std::array<float, 4>& w) {
  Field f = Stroked(image, at, root, joint, w[0], w[1]);
  Stroke(f, at, joint, end, w[2], w[3]);
  return f;
}

Pose Standing() {
  return {.Head = {0.0f, -0.9f},
          .Neck = {0.0f, -0.8f},
          .Shoulder = {{-0.14f, -0.77f}, {0.14f, -0.77f}},
          .Elbow = {{-0.18f, -0.62f}, {0.18f, -0.62f}},
          .Hand = {{-0.19f, -0.47f}, {0.19f, -0.47f}},
          .Hip = {{-0.085f, -0.48f}, {0.085f, -0.48f}},
          .Knee = {{-0.09f, -0.25f}, {0.09f, -0.25f}},
          .Foot = {{-0.095f, 0.0f}, {0.095f, 0.0f}}};
}

Pose SideOn(Point hip, Point neck, Point head, Point farKnee, Point farFoot, Point nearKnee, Point nearFoot,
            Point grip, float aim, Point freeHand, float onMarker) {
  const auto s = [](Point q) { return Scaled(q, 1.0f / kFigure); };
  const Point n = s(neck), h = s(hip), elbow = Mix(n, s(grip), 0.5f);
  return {.Head = s(head),
          .Neck = n,
          .Shoulder = {n, n},
          .Elbow = {elbow, elbow},
          .Hand = {s(grip), s(freeHand)},
          .Hip = {h, h},
          .Knee = {s(farKnee), s(nearKnee)},
          .Foot = {s(farFoot), s(nearFoot)},
          .Aim = aim,
          .OnMarker = onMarker};
}

Pose Running() {
  return SideOn({0, -35}, {8, -57}, {13, -64}, {-10, -20}, {-22, -12}, {13, -22}, {9, 0}, {11, -45}, -0.35f);
}

Pose StandingAim(float aim) {
  return SideOn({-1, -30}, {5, -54}, {9, -62}, {-8, -15}, {-12, 0}, {8, -16}, {7, 0}, {12, -46}, aim);
}

Pose KneelingAim(float aim) {
  return SideOn({-2, -21}, {3, -45}, {7, -53}, {-13, -5}, {-24, 0}, {9, -19}, {10, 0}, {11, -38}, aim);
}

Pose Squatting() {
  return SideOn({-4, -15}, {3, -40}, {8, -47}, {6, -19}, {-8, 0}, {13, -20}, {12, 0}, {8, -30}, -1.25f);
}

Pose Signalling() {
  return SideOn({-3, -18}, {3, -42}, {7, -50}, {-12, -6}, {-20, 0}, {10, -20}, {11, 0}, {4, -32}, -1.2f,
                {24, -56}, 0.0f);
}

Pose Slumped(float lean, float bow) {
  return {.Head = {lean * 0.3f, -0.62f},
          .Neck = {lean * 0.2f, -0.56f},
          .Tilt = lean,
          .Bow = bow,
          .Shoulder = {{-0.14f + lean * 0.1f, -0.55f}, {0.14f + lean * 0.1f, -0.55f}},
          .Elbow = {{-0.2f, -0.4f}, {0.2f, -0.4f}},
          .Hand = {{-0.06f, -0.47f}, {0.06f, -0.47f}},
          .Hip = {{-0.085f, -0.3f}, {0.085f, -0.3f}},
          .Knee = {{-0.2f, -0.36f}, {0.2f, -0.36f}},
          .Foot = {{-0.19f, 0.0f}, {0.19f, 0.0f}}};
}

Person Actor::Drawn(float big) const {
  return {.Feet = {Feet.X * big, Feet.Y * big},
          .Height = 75.0f * Scale * big,
          .Facing = Facing,
          .Seen = View::Side,
          .Body = Body,
          .Colours = *Colours,
          .Marker = Marker,
          .Look = {.Paint = Loaded}};
}

Point Actor::Joint(Point figure, float big) const {
  return Placement{{Feet.X * big, Feet.Y * big}, Scale * big, Facing}(figure);
}

Pose Mixed(const Pose& a, const Pose& b, float k) {
  Pose p = a;
  for (Point Pose::*joint : {&Pose::Head, &Pose::Neck}) p.*joint = Mix(a.*joint, b.*joint, k);
  for (const Pair pair : kPairs) {
    for (int i = 0; i < 2; ++i) (p.*pair)[i] = Mix((a.*pair)[i], (b.*pair)[i], k);
  }
  for (float Pose::*v : {&Pose::Tilt, &Pose::Bow, &Pose::Aim, &Pose::OnMarker})
    p.*v = a.*v + (b.*v - a.*v) * k;
  return p;
}

void PaintSkin(Image& image, const Field& mask, Color skin, const SkinLight& light, const Image* albedo) {
  const ColorF flat = ToF(skin);
  PaintEach(image, mask, [&](int x, int y) {
    const float l = light.Key.Values.empty() ? 1.0f : light.Key(x, y);
    const float fill = light.Fill.Values.empty() ? 0.0f : light.Fill(x, y);
    const float exposure = light.Exposure.Values.empty() ? 1.0f : light.Exposure(x, y);
    const ColorF base = albedo != nullptr ? Unpack(albedo->Pixels[albedo->Index(x, y)]) : flat;
    const ColorF tint = Lerp(light.ShadowTint, {1.0f, 1.0f, 1.0f}, SmoothStep(0.15f, 0.95f, l));
    const float bright =
        (light.Ambient + light.KeyWeight * std::min(l, 1.2f) + light.FillWeight * fill) * exposure;
    ColorF c = base * tint * bright;
    for (const SkinLight::Tint& t : light.Added) c = c + t.Colour * t.Amount(x, y);
    return c;
  });
}

void PaintHair(Image& image, const Field& mask, Color hair, const HairLight& light) {
  const ColorF base = ToF(hair);
  const auto colour = [&](int x, int y) {
    const float lit = light.Lit.Values.empty() ? 1.0f : light.Lit(x, y);
    const float texture = light.Texture.Values.empty() ? 1.0f : light.Texture(x, y);
    const float sheen = light.Sheen.Values.empty() ? 0.0f : light.Sheen(x, y);
    return Lerp(base * (light.Ambient + light.KeyWeight * lit * texture), light.Shine, Clamp01(sheen));
  };
  PaintEach(image, mask, colour, light.Opacity);
}

Point DrawPlayer(Image& image, const Person& p, FontLibrary* fonts) {
  if (p.Seen == View::Side) return DrawSideOnCropped(image, p);
  DrawFrontOn(image, p, fonts);
  return PlayerMuzzle(p);
}

Point PlayerMuzzle(const Person& p) {
  if (p.Seen == View::Side) {
    const Placement at{p.Feet, p.Height / kFigure, p.Facing};
    return MarkerMuzzle(HeldAt(at, MarkerOf(InFigure(p.Body))), std::max(p.Marker, 1));
  }
  return p.Marker > 0 ? MarkerMuzzle(FrontGrip(p), p.Marker) : At(p, p.Body.Hand[p.GripHand]);
}

}  // namespace vantoro::art
