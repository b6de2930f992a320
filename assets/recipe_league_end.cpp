// The league's last day: the banner over the final table, the team as it
// takes its place in that table (cheering with a cup when it made the top
// three, slumped in the drizzle when it did not) and the hub's four trophies
// in the smaller size the table's trophy row uses.

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "assets/art.hpp"
#include "assets/kit_image.hpp"
#include "assets/kit_lettering.hpp"
#include "assets/kit_marker.hpp"
#include "assets/kit_splats.hpp"
#include "assets/lettering.hpp"
#include "assets/paint.hpp"
#include "assets/recipes.hpp"
#include "assets/resize.hpp"

namespace vantoro::art {

namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr float kTau = 2.0f * kPi;

// ================================================================ banner

constexpr int kBannerWidth = 777;
constexpr int kBannerHeight = 153;

// A night sky over the stadium: almost black, warmed behind the lettering
// and fading to pure black at every edge so that the banner sits seamlessly
// on the black screen.
void DrawBannerSky(Image& image) {
  const Noise smoke(0x1E01);
  for (int y = 0; y < kBannerHeight; ++y) {
    const float fy = static_cast<float>(y) + 0.5f;
    for (int x = 0; x < kBannerWidth; ++x) {
      const float fx = static_cast<float>(x) + 0.5f;
      const float dx = (fx - kBannerWidth * 0.5f) / (kBannerWidth * 0.48f);
      const float dy = (fy - kBannerHeight * 0.45f) / (kBannerHeight * 0.7f);
      const float warm = std::exp(-(dx * dx + dy * dy) * 2.2f);
      const float s = smoke.Fbm(fx / 120.0f, fy / 45.0f, 4);
      ColorF c = ColorF{0.10f, 0.03f, 0.12f} * (warm * (0.5f + 0.9f * s));
      c = c + ColorF{0.35f, 0.10f, 0.03f} * (warm * warm * 0.5f * s);
      const float edge = SmoothStep(0.0f, 40.0f, fx) * SmoothStep(0.0f, 40.0f, kBannerWidth - fx) *
                         SmoothStep(0.0f, 18.0f, fy) * SmoothStep(0.0f, 22.0f, kBannerHeight - fy);
      image.Pixels[image.Index(x, y)] = Pack(c * edge);
    }
  }
}

// Fireworks bursting high behind the letters, like the ones over the table.
void DrawBursts(Image& image, Random& rng) {
  struct Burst {
    float X, Y, Radius;
    Color Colour;
  };
  const Burst bursts[] = {{92.0f, 30.0f, 34.0f, Rgb(0x40FF60)},
                          {690.0f, 38.0f, 40.0f, Rgb(0xFF50E0)},
                          {420.0f, 16.0f, 26.0f, Rgb(0xFFD040)},
                          {250.0f, 118.0f, 22.0f, Rgb(0x50C8FF)},
                          {560.0f, 124.0f, 24.0f, Rgb(0x40FF60)}};
  for (const Burst& b : bursts) {
    Field sparks(kBannerWidth, kBannerHeight);
    const int rays = 22;
    for (int i = 0; i < rays; ++i) {
      const float a = kTau * (static_cast<float>(i) + rng.Range(-0.3f, 0.3f)) / rays;
      const float r0 = b.Radius * rng.Range(0.25f, 0.4f), r1 = b.Radius * rng.Range(0.8f, 1.05f);
      // Each spark trail droops a little as it falls.
      const float sag = b.Radius * 0.08f;
      TaperedLine(sparks, b.X + std::cos(a) * r0, b.Y + std::sin(a) * r0, b.X + std::cos(a) * r1,
                  b.Y + std::sin(a) * r1 + sag, 0.4f, 1.6f, 0.8f);
      FillCircle(sparks, b.X + std::cos(a) * r1, b.Y + std::sin(a) * r1 + sag, 1.3f);
    }
    Glow(image, sparks, b.Colour, 5, 0.5f);
    AddLight(image, sparks, b.Colour, 0.55f);
  }
}

void DrawBannerSplats(Image& image, Random& rng) {
  const ThrownSplat thrown[] = {{38.0f, 70.0f, 26.0f, Rgb(0xFF2A86), 0.3f, 2},
                                {744.0f, 86.0f, 24.0f, Rgb(0x22C8FF), 3.3f, 2},
                                {150.0f, 128.0f, 11.0f, Rgb(0x8CF01E), -0.4f, 0},
                                {640.0f, 14.0f, 10.0f, Rgb(0xFF8A1A), 2.4f, 0}};
  ScatterStyle style;
  style.Shape.Arms = 10;
  style.Shape.Droplets = 12;
  style.Shape.Bias = 0.5f;
  style.ShadowDx = 2;
  style.ShadowDy = 3;
  style.ShadowBlur = 2;
  style.ShadowOpacity = 0.5f;
  ScatterSplats(image, rng, thrown, style);
}

void DrawBannerTitle(Image& image, FontLibrary& fonts, Random& rng) {
  constexpr std::string_view kText = "LEAGUE ENDS!";
  constexpr int kTracking = 3;
  const Font& font = FittingFont(fonts, kText, kTracking, 680, 110);
  Field mask =
      PlacedText(kBannerWidth, kBannerHeight, kText, font, kTracking, kBannerWidth * 0.5f - 4.0f, 14);
  const Rect box = InkBounds(mask);
  mask = Sheared(mask, 0.14f, static_cast<float>(box.Top + box.Bottom) * 0.5f);
  constexpr float kDrips[] = {0.04f, 0.3f, 0.57f, 0.78f};
  AddLetterDrips(mask, InkBounds(mask), rng, kDrips);
  const Rect ink = InkBounds(mask);
  const float top = static_cast<float>(ink.Top), capBottom = static_cast<float>(box.Bottom);

  // Polished gold: bright above, a hard horizon in the middle where the
  // metal reflects the dark ground, warm below.
  const Gradient gold{{0.00f, Rgb(0xFFFCE0)}, {0.28f, Rgb(0xFFE070)}, {0.50f, Rgb(0xF0A018)},
                      {0.52f, Rgb(0x8A4208)}, {0.60f, Rgb(0xC86A10)}, {0.85f, Rgb(0xFFB030)},
                      {1.00f, Rgb(0xFFD870)}};
  PaintBannerLetters(image, mask, top, capBottom, gold);
  // Glints where the light catches the corners of the metal.
  const float w = static_cast<float>(box.Right - box.Left);
  Glint(image, static_cast<float>(box.Left) + w * 0.12f, top + 4.0f, 11.0f);
  Glint(image, static_cast<float>(box.Left) + w * 0.63f, top + 6.0f, 9.0f);
  Glint(image, static_cast<float>(box.Left) + w * 0.93f, top + 30.0f, 8.0f);
}

void DrawBannerSubtitle(Image& image, FontLibrary& fonts) {
  const Font& font = fonts.Get("Arial", FontSize::Pixels(22), true);
  constexpr std::string_view kText = "FINAL STANDINGS";
  constexpr int kTracking = 6;
  const Field mask =
      PlacedText(kBannerWidth, kBannerHeight, kText, font, kTracking, kBannerWidth * 0.5f, 118);
  const Rect box = InkBounds(mask);
  // Brushed strokes either side, like a stripe of paint.
  Field strokes(kBannerWidth, kBannerHeight);
  const float mid = static_cast<float>(box.Top + box.Bottom) * 0.5f;
  TaperedLine(strokes, static_cast<float>(box.Left) - 120.0f, mid + 1.0f,
              static_cast<float>(box.Left) - 14.0f, mid, 1.0f, 5.0f);
  TaperedLine(strokes, static_cast<float>(box.Right) + 14.0f, mid, static_cast<float>(box.Right) + 120.0f,
              mid + 1.0f, 5.0f, 1.0f);
  Field shadow = Shifted(Dilated(mask, 3), 2, 3);
  BoxBlur(shadow, 2);
  Paint(image, shadow, Rgb(0x000000), 0.8f);
  Paint(image, Dilated(mask, 3), Rgb(0x14081C));
  Paint(image, Dilated(strokes, 2), Rgb(0x14081C));
  Glow(image, strokes, Rgb(0x22C8FF), 4, 0.6f);
  Paint(image, strokes, Rgb(0x22C8FF));
  PaintVertical(image, mask, Gradient{{0.0f, Rgb(0xFFFFFF)}, {1.0f, Rgb(0xB8E4FF)}},
                static_cast<float>(box.Top), static_cast<float>(box.Bottom));
}

// ================================================================ the team

constexpr int kTeamSize = 105;
// Drawn four times larger and shrunk: at 105 pixels a player's head is only
// a dozen pixels across, and its edges need to stay clean.
constexpr int kTeamScale = 4;
constexpr int kBig = kTeamSize * kTeamScale;

// A player's joints in the figure's own units: 1 is the height of a player
// standing up straight; x to the right, y down, the feet at y = 0.
struct Pose {
  Point Head;
  float Tilt = 0.0f;  // the head leaning, radians, positive to the right
  float Bow = 0.0f;   // 0 facing us, 1 looking at the ground
  bool Back = false;  // turned away from us
  Point Shoulder[2], Elbow[2], Hand[2], Hip[2], Knee[2], Foot[2];
};

struct Kit {
  Color Jersey, Trim, Pants, Shell, Lens;
};

struct Marker {
  Point Grip;         // in the figure's units
  float Angle;        // the barrel's heading, radians, 0 to the right
  bool Flip = false;  // the loader on the other side
  Color Loader = Rgb(0xFFD81E);
};

struct Cup {
  Point Centre;  // the middle of the bowl
  float Size;
};

struct Player {
  float X, Y, Size;  // the feet's middle and the standing height, in pixels of the big canvas
  Pose Body;
  Kit Colours;
  std::optional<Marker> Gun;
  std::optional<Cup> Trophy;
  int Number = 0;  // on the back of the jersey
};

Point At(const Player& p, Point local) { return {p.X + local.X * p.Size, p.Y + local.Y * p.Size}; }

// Coverage of the side of a line through `o` in direction `angle` (radians)
// that lies to the line's left, i.e. below it for angle 0.
Field HalfPlane(int width, int height, Point o, float angle) {
  Field f(width, height);
  const float nx = -std::sin(angle), ny = std::cos(angle);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const float d = (static_cast<float>(x) + 0.5f - o.X) * nx + (static_cast<float>(y) + 0.5f - o.Y) * ny;
      f(x, y) = Clamp01(d + 0.5f);
    }
  }
  return f;
}

// Paints a part with a thin dark outline, so that overlapping limbs of one
// colour stay apart when the picture is shrunk.
void PaintPart(Image& image, const Field& mask, Color colour, int outline = 3) {
  Paint(image, Dilated(mask, outline), Rgb(0x0A0A10));
  Paint(image, mask, colour);
}

Color Darker(Color c, float k) { return ToColor(ToF(c) * k); }

// The old stock-class marker, outlined flat like the rest of the figure.
constexpr int kTeamMarker = 3;

MarkerFrame HeldAt(const Player& p, const Marker& m) {
  const float k = p.Size / 75.0f;
  const float dx = std::cos(m.Angle) * k, dy = std::sin(m.Angle) * k;
  const float side = m.Flip ? -1.0f : 1.0f;
  return {At(p, m.Grip), {dx, dy}, {dy * side, -dx * side}};
}

void DrawCup(Image& image, const Player& p, const Cup& c) {
  const Point o = At(p, c.Centre);
  const float s = c.Size * p.Size;
  Field cup(kBig, kBig);
  const Point bowl[] = {{o.X - s * 0.5f, o.Y - s * 0.45f},  {o.X + s * 0.5f, o.Y - s * 0.45f},
                        {o.X + s * 0.42f, o.Y + s * 0.05f}, {o.X + s * 0.18f, o.Y + s * 0.35f},
                        {o.X - s * 0.18f, o.Y + s * 0.35f}, {o.X - s * 0.42f, o.Y + s * 0.05f}};
  FillPolygon(cup, bowl);
  ThickLine(cup, o.X, o.Y + s * 0.3f, o.X, o.Y + s * 0.62f, s * 0.14f);
  const Point foot[] = {{o.X - s * 0.3f, o.Y + s * 0.85f},
                        {o.X - s * 0.2f, o.Y + s * 0.6f},
                        {o.X + s * 0.2f, o.Y + s * 0.6f},
                        {o.X + s * 0.3f, o.Y + s * 0.85f}};
  FillPolygon(cup, foot);
  Field handles(kBig, kBig);
  for (const float side : {-1.0f, 1.0f}) {
    for (int i = 0; i < 10; ++i) {
      const float a0 = -kPi * 0.5f + kPi * static_cast<float>(i) / 10.0f;
      const float a1 = -kPi * 0.5f + kPi * static_cast<float>(i + 1) / 10.0f;
      const float cx = o.X + side * s * 0.46f, cy = o.Y - s * 0.15f, r = s * 0.2f;
      ThickLine(handles, cx + side * std::cos(a0) * r, cy + std::sin(a0) * r, cx + side * std::cos(a1) * r,
                cy + std::sin(a1) * r, s * 0.08f);
    }
  }
  Maximize(cup, handles);
  Glow(image, cup, Rgb(0xFFC040), 16, 0.6f);
  Paint(image, Dilated(cup, 3), Rgb(0x2A1A04));
  PaintVertical(
      image, cup,
      Gradient{{0.0f, Rgb(0xFFF6C0)}, {0.35f, Rgb(0xFFCC30)}, {0.6f, Rgb(0xB06A08)}, {1.0f, Rgb(0xFFD050)}},
      o.Y - s * 0.45f, o.Y + s * 0.85f);
  ApplyLight(image, Bevel(cup, 6, -0.5f, -0.7f, 0.5f, 5.0f), cup, 0.6f);
}

// A paintball mask seen from the front: the wearer's headwrap in the team's
// colour on top, the shell below, the goggle lens across it and the vents
// over the mouth. Bowed, the lens slides down and more of the wrap shows;
// from behind only the wrap and the strap are seen.
void DrawHead(Image& image, const Player& p) {
  const Pose& b = p.Body;
  const float s = p.Size;
  const Point c = At(p, b.Head);
  const float rx = 0.09f * s, ry = 0.1f * s;
  const float ca = std::cos(b.Tilt), sa = std::sin(b.Tilt);
  // A point in the head's own frame (units of the head's radii).
  const auto local = [&](float u, float v) {
    return Point{c.X + (u * rx) * ca - (v * ry) * sa, c.Y + (u * rx) * sa + (v * ry) * ca};
  };
  Field head(kBig, kBig);
  FillEllipse(head, c.X, c.Y, rx, ry);
  const Point n0 =
      At(p, {(b.Shoulder[0].X + b.Shoulder[1].X) * 0.5f, (b.Shoulder[0].Y + b.Shoulder[1].Y) * 0.5f});
  Field neck(kBig, kBig);
  ThickLine(neck, n0.X, n0.Y, c.X, c.Y, 0.07f * s);
  PaintPart(image, neck, Rgb(0x202028));

  PaintPart(image, head, p.Colours.Trim);
  if (b.Back) {
    // The strap round the back of the head.
    Field strap(kBig, kBig);
    const Point a = local(-1.1f, 0.05f), z = local(1.1f, 0.05f);
    ThickLine(strap, a.X, a.Y, z.X, z.Y, 0.035f * s);
    Paint(image, Multiplied(strap, head), Rgb(0x15151A));
    ApplyLight(image, Bevel(head, 10, -0.5f, -0.7f, 0.6f, 3.0f), head, 0.5f);
    return;
  }
  // Bowed, the top of the head turns to us and the face goes under.
  const float drop = b.Bow * 0.85f;
  // The shell covers the face from just above the lens down.
  const Point edge = local(0.0f, -0.42f + drop);
  Field shell = Multiplied(head, HalfPlane(kBig, kBig, edge, b.Tilt));
  Paint(image, shell, p.Colours.Shell);
  // The visor's brim over the lens.
  Field brim(kBig, kBig);
  const Point v0 = local(-1.05f, -0.42f + drop), v1 = local(1.05f, -0.42f + drop);
  ThickLine(brim, v0.X, v0.Y, v1.X, v1.Y, 0.028f * s);
  Paint(image, brim, Rgb(0x101014));
  Field lens(kBig, kBig);
  const float lensHeight = 0.05f * s * (1.0f - 0.5f * b.Bow);
  const Point l0 = local(-0.62f, -0.08f + drop), l1 = local(0.62f, -0.08f + drop);
  ThickLine(lens, l0.X, l0.Y, l1.X, l1.Y, lensHeight);
  lens = Multiplied(lens, head);
  PaintVertical(image, lens,
                Gradient{{0.0f, Lerp(p.Colours.Lens, kWhite, 0.55f)},
                         {0.5f, p.Colours.Lens},
                         {1.0f, Darker(p.Colours.Lens, 0.45f)}},
                l0.Y - lensHeight * 0.5f, l0.Y + lensHeight * 0.5f);
  if (b.Bow < 0.4f) {
    Field vents(kBig, kBig);
    for (const float u : {-0.2f, 0.0f, 0.2f}) {
      const Point t0 = local(u, 0.42f), t1 = local(u, 0.72f);
      ThickLine(vents, t0.X, t0.Y, t1.X, t1.Y, 0.014f * s);
    }
    Paint(image, Multiplied(vents, head), Rgb(0x8A8E98), 0.8f);
  }
  ApplyLight(image, Bevel(head, 10, -0.5f, -0.7f, 0.6f, 3.0f), head, 0.45f);
}

void DrawPlayer(Image& image, const Player& p, FontLibrary& fonts) {
  const Pose& b = p.Body;
  const float s = p.Size;
  Field legs(kBig, kBig), shoes(kBig, kBig), torso(kBig, kBig), sleeves(kBig, kBig), arms(kBig, kBig),
      gloves(kBig, kBig);
  for (int i = 0; i < 2; ++i) {
    const Point hip = At(p, b.Hip[i]), knee = At(p, b.Knee[i]), foot = At(p, b.Foot[i]);
    TaperedLine(legs, hip.X, hip.Y, knee.X, knee.Y, 0.11f * s, 0.088f * s);
    TaperedLine(legs, knee.X, knee.Y, foot.X, foot.Y - 0.03f * s, 0.088f * s, 0.07f * s);
    FillEllipse(shoes, foot.X + (i == 0 ? -0.015f : 0.015f) * s, foot.Y - 0.015f * s, 0.055f * s, 0.03f * s);
    const Point sh = At(p, b.Shoulder[i]), el = At(p, b.Elbow[i]), ha = At(p, b.Hand[i]);
    TaperedLine(sleeves, sh.X, sh.Y, el.X, el.Y, 0.075f * s, 0.062f * s);
    TaperedLine(arms, el.X, el.Y, ha.X, ha.Y, 0.058f * s, 0.05f * s);
    FillCircle(gloves, ha.X, ha.Y, 0.038f * s);
  }
  const Point sl = At(p, b.Shoulder[0]), sr = At(p, b.Shoulder[1]);
  const Point hl = At(p, b.Hip[0]), hr = At(p, b.Hip[1]);
  const Point chest[] = {{sl.X - 0.02f * s, sl.Y - 0.005f * s},
                         {sr.X + 0.02f * s, sr.Y - 0.005f * s},
                         {hr.X + 0.035f * s, hr.Y + 0.02f * s},
                         {hl.X - 0.035f * s, hl.Y + 0.02f * s}};
  FillPolygon(torso, chest);
  FillCircle(torso, sl.X, sl.Y + 0.01f * s, 0.045f * s);
  FillCircle(torso, sr.X, sr.Y + 0.01f * s, 0.045f * s);

  PaintPart(image, legs, p.Colours.Pants);
  PaintPart(image, shoes, Rgb(0x1A1A1E));
  PaintPart(image, torso, p.Colours.Jersey);
  // A band of trim across the chest, or the number on the back.
  if (b.Back && p.Number > 0) {
    const Font& font = fonts.Get("Arial", FontSize::Pixels(static_cast<int>(0.2f * s)), true);
    const std::string number = std::to_string(p.Number);
    const float cx = (sl.X + sr.X) * 0.5f;
    const int capTop = static_cast<int>((sl.Y + hl.Y) * 0.5f - 0.07f * s);
    Field digits = PlacedText(kBig, kBig, number, font, 0, cx, capTop);
    Paint(image, Multiplied(digits, torso), p.Colours.Trim);
  } else {
    Field band(kBig, kBig);
    ThickLine(band, sl.X - 0.1f * s, sl.Y + 0.085f * s, sr.X + 0.1f * s, sr.Y + 0.085f * s, 0.045f * s);
    Paint(image, Multiplied(band, torso), p.Colours.Trim);
  }
  DrawHead(image, p);
  PaintPart(image, sleeves, p.Colours.Jersey);
  PaintPart(image, arms, Darker(p.Colours.Jersey, 0.8f));
  if (p.Gun) {
    DrawMarker(image, HeldAt(p, *p.Gun), kTeamMarker,
               {.Finish = MarkerFinish::Outlined, .Loader = p.Gun->Loader, .Tinted = true});
  }
  if (p.Trophy) DrawCup(image, p, *p.Trophy);
  PaintPart(image, gloves, Rgb(0x26262C), 2);

  // Round the whole figure off with one soft light from the upper left.
  Field body = legs;
  for (const Field* f : {&shoes, &torso, &sleeves, &arms, &gloves}) Maximize(body, *f);
  ApplyLight(image, Bevel(body, 8, -0.5f, -0.75f, 0.5f, 3.0f), body, 0.45f);
}

// Small scraps of paper tumbling through the air.
void Confetti(Image& image, Random& rng, int count, float minY, float maxY) {
  const Color colours[] = {Rgb(0xFF2A86), Rgb(0x22C8FF), Rgb(0x8CF01E),
                           Rgb(0xFFD81E), Rgb(0xFFFFFF), Rgb(0xFF8A1A)};
  for (int i = 0; i < count; ++i) {
    Field piece(kBig, kBig);
    const float x = rng.Range(0.0f, kBig), y = rng.Range(minY, maxY);
    const float a = rng.Range(0.0f, kTau);
    const float w = rng.Range(7.0f, 11.0f), h = rng.Range(3.0f, 6.0f);
    const float cx = std::cos(a), sx = std::sin(a);
    const Point quad[] = {{x - cx * w + sx * h, y - sx * w - cx * h},
                          {x + cx * w + sx * h, y + sx * w - cx * h},
                          {x + cx * w - sx * h, y + sx * w + cx * h},
                          {x - cx * w - sx * h, y - sx * w + cx * h}};
    FillPolygon(piece, quad);
    Paint(image, piece, colours[rng.Below(6)]);
  }
}

// The shape of a standing player, arms down, facing us; poses start from
// this and move what they need.
Pose Standing() {
  Pose p;
  p.Head = {0.0f, -0.9f};
  p.Shoulder[0] = {-0.14f, -0.77f};
  p.Shoulder[1] = {0.14f, -0.77f};
  p.Elbow[0] = {-0.18f, -0.62f};
  p.Elbow[1] = {0.18f, -0.62f};
  p.Hand[0] = {-0.19f, -0.47f};
  p.Hand[1] = {0.19f, -0.47f};
  p.Hip[0] = {-0.085f, -0.48f};
  p.Hip[1] = {0.085f, -0.48f};
  p.Knee[0] = {-0.09f, -0.25f};
  p.Knee[1] = {0.09f, -0.25f};
  p.Foot[0] = {-0.095f, 0.0f};
  p.Foot[1] = {0.095f, 0.0f};
  return p;
}

const Kit kHome{Rgb(0xD8262E), Rgb(0xF4F4F0), Rgb(0x24262E), Rgb(0x2A2C34), Rgb(0x38C8FF)};
const Kit kHomeAlt{Rgb(0xD8262E), Rgb(0xFFD81E), Rgb(0x24262E), Rgb(0x2A2C34), Rgb(0xFF9A2A)};

void DrawCheeringBackdrop(Image& image) {
  const float cx = kBig * 0.5f, cy = kBig * 0.4f;
  const Gradient sky{{0.0f, Rgb(0xFFF0A0)},
                     {0.25f, Rgb(0xFFB040)},
                     {0.55f, Rgb(0xE0403A)},
                     {0.85f, Rgb(0x7A1A5A)},
                     {1.0f, Rgb(0x3A0A3A)}};
  for (int y = 0; y < kBig; ++y) {
    for (int x = 0; x < kBig; ++x) {
      const float dx = static_cast<float>(x) + 0.5f - cx, dy = static_cast<float>(y) + 0.5f - cy;
      const float r = std::sqrt(dx * dx + dy * dy) / (kBig * 0.75f);
      // Rays of light fanning out behind the team.
      const float ray = 0.5f + 0.5f * std::sin(std::atan2(dy, dx) * 14.0f);
      ColorF c = sky.SampleF(r);
      c = c + ColorF{1.0f, 0.8f, 0.5f} * (SmoothStep(0.55f, 0.9f, ray) * 0.18f * (1.0f - Clamp01(r)));
      image.Pixels[image.Index(x, y)] = Pack(c);
    }
  }
  // The turf, lit warm by the same light.
  const Noise turf(0x1E11);
  for (int y = 300; y < kBig; ++y) {
    const float fy = static_cast<float>(y);
    for (int x = 0; x < kBig; ++x) {
      const float fx = static_cast<float>(x);
      const float n = turf.Fbm(fx / 14.0f, fy / 6.0f, 3);
      const ColorF grass = Lerp(ToF(Rgb(0x4A8A2A)), ToF(Rgb(0x1A4A1A)), SmoothStep(300.0f, kBig, fy));
      std::uint32_t& p = image.Pixels[image.Index(x, y)];
      p = Pack(Lerp(Unpack(p), grass * (0.8f + 0.4f * n), SmoothStep(300.0f, 312.0f, fy)));
    }
  }
}

void DrawDrizzleBackdrop(Image& image, Random& rng) {
  FillLinear(image, 0.0f, 0.0f, 0.0f, kBig * 0.75f,
             Gradient{{0.0f, Rgb(0x48505C)}, {0.6f, Rgb(0x6A727C)}, {1.0f, Rgb(0x7A8088)}});
  // Low cloud.
  const Noise cloud(0x1E21);
  for (int y = 0; y < 300; ++y) {
    for (int x = 0; x < kBig; ++x) {
      const float n = cloud.Fbm(static_cast<float>(x) / 110.0f, static_cast<float>(y) / 40.0f, 4);
      std::uint32_t& p = image.Pixels[image.Index(x, y)];
      p = Pack(Unpack(p) * (0.8f + 0.35f * n));
    }
  }
  // The woods beyond the field, grey in the rain.
  const Noise woods(0x1E23);
  Field trees(kBig, kBig);
  for (int x = 0; x < kBig; ++x) {
    const float fx = static_cast<float>(x);
    const float top = 215.0f - 40.0f * woods.Fbm(fx / 40.0f, 0.5f, 4);
    for (int y = static_cast<int>(top); y < 260; ++y) trees(x, y) = 1.0f;
  }
  BoxBlur(trees, 1, 1);
  Paint(image, trees, Rgb(0x343C40), 0.85f);
  // Sodden turf and a puddle reflecting the sky.
  const Noise turf(0x1E22);
  for (int y = 240; y < kBig; ++y) {
    const float fy = static_cast<float>(y);
    for (int x = 0; x < kBig; ++x) {
      const float fx = static_cast<float>(x);
      const float n = turf.Fbm(fx / 14.0f, fy / 6.0f, 3);
      const ColorF ground = Lerp(ToF(Rgb(0x4A5444)), ToF(Rgb(0x232822)), SmoothStep(240.0f, kBig, fy));
      std::uint32_t& p = image.Pixels[image.Index(x, y)];
      p = Pack(Lerp(Unpack(p), ground * (0.8f + 0.4f * n), SmoothStep(240.0f, 250.0f, fy)));
    }
  }
  Field puddle(kBig, kBig);
  FillEllipse(puddle, 300.0f, 400.0f, 100.0f, 14.0f);
  Paint(image, puddle, Rgb(0x6A7480), 0.6f);
  // Old paint, trodden and faded.
  Field splat(kBig, kBig);
  SplatStyle style;
  style.Radius = 18.0f;
  style.Droplets = 8;
  Splat(splat, rng, 70.0f, 360.0f, style);
  Scale(splat, 0.5f);
  Paint(image, splat, Rgb(0x8A6A3A));
}

void Drizzle(Image& image, Random& rng) {
  Field rain(kBig, kBig);
  for (int i = 0; i < 160; ++i) {
    const float x = rng.Range(-40.0f, kBig), y = rng.Range(-20.0f, kBig);
    const float len = rng.Range(18.0f, 34.0f);
    ThickLine(rain, x, y, x + len * 0.25f, y + len, 1.6f, rng.Range(0.3f, 0.8f));
  }
  Paint(image, rain, Rgb(0xC8D0DA), 0.35f);
}

// Pulls the colours towards a grey-blue: the light of a lost season.
void Greyed(Image& image, float amount) {
  const ColorF tint = ToF(Rgb(0x8A98A8));
  for (std::uint32_t& p : image.Pixels) {
    const ColorF c = Unpack(p);
    const float luma = 0.299f * c.R + 0.587f * c.G + 0.114f * c.B;
    p = Pack(Lerp(c, tint * (luma * 1.3f), amount));
  }
}

// A thin dark frame holding the scene off the black screen.
void Frame(Image& image) {
  for (int y = 0; y < image.Height; ++y) {
    for (int x = 0; x < image.Width; ++x) {
      const int d = std::min({x, y, image.Width - 1 - x, image.Height - 1 - y});
      if (d > 1) continue;
      image.Pixels[image.Index(x, y)] =
          Pack(d == 0 ? ColorF{0.05f, 0.05f, 0.06f} : Unpack(image.Pixels[image.Index(x, y)]) * 0.5f);
    }
  }
}

}  // namespace

Image DrawLeagueEndBanner(FontLibrary& fonts) {
  Image image(kBannerWidth, kBannerHeight);
  Random rng(0x1EA6);
  DrawBannerSky(image);
  DrawBursts(image, rng);
  DrawBannerSplats(image, rng);
  DrawBannerTitle(image, fonts, rng);
  DrawBannerSubtitle(image, fonts);
  Bloom(image, 0.8f, 6, 0.3f);
  return image;
}

Image DrawTeamCelebrating(FontLibrary& fonts) {
  Image small = Supersampled(kTeamSize, kTeamSize, kTeamScale, [&](Image& image) {
    Random rng(0x1EC0);
    DrawCheeringBackdrop(image);
    Confetti(image, rng, 40, 0.0f, 300.0f);

    // Two behind, arms in the air, one waving a marker; the captain in front
    // lifting the cup over the mask.
    Pose left = Standing();
    left.Tilt = -0.15f;
    left.Head = {-0.01f, -0.9f};
    left.Elbow[0] = {-0.25f, -0.92f};
    left.Hand[0] = {-0.3f, -1.08f};
    left.Elbow[1] = {0.24f, -0.93f};
    left.Hand[1] = {0.3f, -1.1f};
    Player back1{105.0f,       355.0f,   215.0f,
                 left,         kHomeAlt, Marker{{-0.3f, -1.08f}, -1.72f, true, Rgb(0x8CF01E)},
                 std::nullopt, 0};

    Pose jump = Standing();
    jump.Tilt = 0.18f;
    jump.Elbow[0] = {-0.23f, -0.95f};
    jump.Hand[0] = {-0.22f, -1.13f};
    jump.Elbow[1] = {0.26f, -0.9f};
    jump.Hand[1] = {0.34f, -1.04f};
    jump.Knee[0] = {-0.14f, -0.3f};
    jump.Foot[0] = {-0.08f, -0.1f};
    jump.Knee[1] = {0.12f, -0.28f};
    jump.Foot[1] = {0.16f, -0.06f};
    Player back2{330.0f, 330.0f, 215.0f, jump, kHome, std::nullopt, std::nullopt, 0};

    Pose captain = Standing();
    captain.Elbow[0] = {-0.2f, -0.93f};
    captain.Hand[0] = {-0.1f, -1.1f};
    captain.Elbow[1] = {0.2f, -0.93f};
    captain.Hand[1] = {0.1f, -1.1f};
    Player front{212.0f, 470.0f, 300.0f, captain, kHome, std::nullopt, Cup{{0.0f, -1.2f}, 0.22f}, 0};

    for (const Player* p : {&back1, &back2, &front}) {
      // Each player's shadow on the turf.
      Field shadow(kBig, kBig);
      FillEllipse(shadow, p->X, p->Y + 4.0f, p->Size * 0.2f, p->Size * 0.035f);
      BoxBlur(shadow, 4);
      Paint(image, shadow, Rgb(0x102008), 0.5f);
      DrawPlayer(image, *p, fonts);
    }
    Confetti(image, rng, 18, 0.0f, 420.0f);
    Bloom(image, 0.75f, 10, 0.35f);
  });
  Frame(small);
  return small;
}

Image DrawTeamDejected(FontLibrary& fonts) {
  Image small = Supersampled(kTeamSize, kTeamSize, kTeamScale, [&](Image& image) {
    Random rng(0x1ED0);
    DrawDrizzleBackdrop(image, rng);

    // One turned away, rubbing the back of the neck; one with head bowed,
    // marker hanging to the ground; one sat on a bunker, head in hands.
    Pose away = Standing();
    away.Back = true;
    away.Head = {0.02f, -0.87f};
    away.Tilt = 0.2f;
    away.Elbow[1] = {0.24f, -0.8f};
    away.Hand[1] = {0.06f, -0.86f};
    Player back{330.0f, 330.0f, 250.0f, away, kHome, std::nullopt, std::nullopt, 7};

    Pose bowed = Standing();
    bowed.Head = {0.02f, -0.82f};
    bowed.Bow = 0.9f;
    bowed.Tilt = 0.1f;
    bowed.Shoulder[0] = {-0.125f, -0.74f};
    bowed.Shoulder[1] = {0.125f, -0.74f};
    bowed.Elbow[0] = {-0.16f, -0.59f};
    bowed.Hand[0] = {-0.15f, -0.44f};
    bowed.Elbow[1] = {0.16f, -0.59f};
    bowed.Hand[1] = {0.15f, -0.44f};
    bowed.Elbow[1] = {0.18f, -0.59f};
    bowed.Hand[1] = {0.2f, -0.45f};
    Player standing{95.0f,        405.0f, 300.0f,
                    bowed,        kHome,  Marker{{0.2f, -0.45f}, 1.2f, true, Rgb(0x40484A)},
                    std::nullopt, 0};

    Pose sitting = Standing();
    // Sat low, knees up and apart, elbows on the knees.
    sitting.Head = {0.0f, -0.6f};
    sitting.Bow = 1.0f;
    sitting.Shoulder[0] = {-0.14f, -0.55f};
    sitting.Shoulder[1] = {0.14f, -0.55f};
    sitting.Hip[0] = {-0.085f, -0.3f};
    sitting.Hip[1] = {0.085f, -0.3f};
    sitting.Knee[0] = {-0.21f, -0.36f};
    sitting.Knee[1] = {0.21f, -0.36f};
    sitting.Foot[0] = {-0.2f, 0.0f};
    sitting.Foot[1] = {0.2f, 0.0f};
    sitting.Elbow[0] = {-0.2f, -0.4f};
    sitting.Hand[0] = {-0.07f, -0.6f};
    sitting.Elbow[1] = {0.2f, -0.4f};
    sitting.Hand[1] = {0.07f, -0.6f};
    Player seated{245.0f, 450.0f, 320.0f, sitting, kHome, std::nullopt, std::nullopt, 0};

    // The bunker the seated player slumps on.
    Field bunker(kBig, kBig);
    const Point drum[] = {{160.0f, 360.0f}, {330.0f, 360.0f}, {330.0f, 440.0f}, {160.0f, 440.0f}};
    FillPolygon(bunker, drum);
    FillEllipse(bunker, 245.0f, 360.0f, 85.0f, 20.0f);
    for (const Player* p : {&back, &standing}) DrawPlayer(image, *p, fonts);
    WetPaint(image, bunker, Rgb(0x3A7AB0), 10, 0.3f);
    DrawPlayer(image, seated, fonts);

    Drizzle(image, rng);
    Greyed(image, 0.55f);
    Vignette(image, 0.5f);
  });
  Frame(small);
  return small;
}

Image DrawSmallTrophy(FontLibrary& fonts, int kind) { return AreaResized(DrawTrophy(fonts, kind), 90, 96); }

}  // namespace vantoro::art
