// The team falls apart: a cracked, cheerless banner and a painted scene of
// two players who are done with each other: shoulder to shoulder in the
// dim light of the empty clubhouse, one with the mask shoved up on the
// head and arms folded, the other with hands in pockets, each looking
// anywhere but at the other.

#include <algorithm>
#include <cmath>
#include <string_view>
#include <utility>
#include <vector>

#include "assets/art.hpp"
#include "assets/kit_face.hpp"
#include "assets/kit_image.hpp"
#include "assets/kit_lettering.hpp"
#include "assets/kit_person.hpp"
#include "assets/kit_splats.hpp"
#include "assets/lettering.hpp"
#include "assets/paint.hpp"
#include "assets/recipes.hpp"
#include "assets/resize.hpp"

namespace vantoro::art {

namespace {

// ================================================================ banner

constexpr int kBannerWidth = 741;
constexpr int kBannerHeight = 86;

// A jagged crack from top to bottom down the column x, never wandering
// further than `wander` from it, as a polyline.
std::vector<Point> Crack(Random& rng, float x, float top, float bottom, float wander) {
  std::vector<Point> points;
  const float centre = x;
  for (float y = top; y < bottom; y += rng.Range(5.0f, 9.0f)) {
    points.push_back({x, y});
    x = std::clamp(x + rng.Range(-5.0f, 5.0f), centre - wander, centre + wander);
  }
  points.push_back({x, bottom});
  return points;
}

// The run of inkless columns nearest to column x, as [first, past the last)
// in pixels: the gap between two letters.
std::pair<float, float> EmptyColumns(const Field& mask, int x) {
  const auto empty = [&](int c) {
    if (c < 0 || c >= mask.Width) return false;
    for (int y = 0; y < mask.Height; ++y)
      if (mask(c, y) > 0.05f) return false;
    return true;
  };
  int c = x;
  for (int d = 0; d < mask.Width && !empty(c); ++d) c = (d % 2 == 0) ? x + d / 2 + 1 : x - d / 2 - 1;
  int first = c, last = c;
  while (empty(first - 1)) --first;
  while (empty(last + 1)) ++last;
  return {static_cast<float>(first), static_cast<float>(last + 1)};
}

// The left side of a polyline running downwards, as a coverage field.
Field LeftOf(const std::vector<Point>& line, int width, int height) {
  const float below = static_cast<float>(height) + 10.0f;
  std::vector<Point> outline{{-10.0f, -10.0f}, {line.front().X, -10.0f}};
  outline.insert(outline.end(), line.begin(), line.end());
  outline.insert(outline.end(), {{line.back().X, below}, {-10.0f, below}});
  Field f(width, height);
  FillPolygon(f, outline);
  return f;
}

void DrawBannerGloom(Image& image, Random& rng) {
  const Noise smoke(0xB0E1);
  FillEach(image, [&](int x, int y) {
    const float fx = static_cast<float>(x) + 0.5f, fy = static_cast<float>(y) + 0.5f;
    const float glow = Falloff(fx, fy, kBannerWidth * 0.5f, 34.0f, kBannerWidth * 0.5f, 60.0f, 2.5f);
    const float s = smoke.Fbm(fx / 90.0f, fy / 30.0f, 4);
    const float edge = SmoothStep(0.0f, 40.0f, fx) * SmoothStep(0.0f, 40.0f, kBannerWidth - fx) *
                       SmoothStep(0.0f, 10.0f, fy) * SmoothStep(0.0f, 12.0f, kBannerHeight - fy);
    const ColorF c =
        ColorF{0.16f, 0.03f, 0.04f} * (glow * (0.4f + 0.8f * s)) + ColorF{0.04f, 0.05f, 0.08f} * s;
    return c * edge;
  });
  // Old paint on the wall behind, dried dark and dull.
  const ThrownSplat old[] = {{40.0f, 40.0f, 20.0f, Rgb(0x5A4418), 0.0f, 3},
                             {706.0f, 34.0f, 17.0f, Rgb(0x2A3A50), 0.0f, 3}};
  ScatterSplats(image, rng, old, {.Shape = {.Arms = 9, .Droplets = 10}, .Gloss = 0.2f});
}

void DrawBannerTitle(Image& image, FontLibrary& fonts, Random& rng) {
  constexpr std::string_view kText = "TEAM BREAKUP!";
  constexpr int kTracking = 4;
  const Font& font = FittingFont(fonts, kText, kTracking, 560, 64);
  Field mask = PlacedText(kBannerWidth, kBannerHeight, kText, font, kTracking, kBannerWidth * 0.5f, 7);
  const Rect box = InkBounds(mask);
  const float top = static_cast<float>(box.Top), bottom = static_cast<float>(box.Bottom);

  // The word breaks where it says so, between BREAK and UP: the crack runs
  // down the gap between the letters, so no letter is cut into pieces that
  // read as two.
  const float textLeft = kBannerWidth * 0.5f - static_cast<float>(TrackedWidth(kText, font, kTracking) / 2);
  const float guess = textLeft + static_cast<float>(TrackedWidth(kText.substr(0, 10), font, kTracking));
  const auto [gapLeft, gapRight] = EmptyColumns(mask, static_cast<int>(guess));
  const float splitX = (gapLeft + gapRight) * 0.5f;
  const std::vector<Point> crack = Crack(rng, splitX, top - 4.0f, bottom + 4.0f, (gapRight - gapLeft) * 0.3f);
  Field gap(kBannerWidth, kBannerHeight);
  for (std::size_t i = 0; i + 1 < crack.size(); ++i)
    ThickLine(gap, crack[i].X, crack[i].Y, crack[i + 1].X, crack[i + 1].Y, 1.6f);
  mask = Subtracted(mask, gap);
  const Field left = LeftOf(crack, kBannerWidth, kBannerHeight);
  Field broken = Multiplied(mask, left);
  // The right-hand piece has slipped away sideways; it keeps the baseline,
  // as a drop would read as a misprint rather than a break.
  Maximize(broken, Shifted(Subtracted(mask, left), 3, 0));
  // Hairline cracks across the letters.
  Field hairlines(kBannerWidth, kBannerHeight);
  for (int i = 0; i < 9; ++i) {
    float x = rng.Range(static_cast<float>(box.Left), static_cast<float>(box.Right));
    float y = rng.Range(top, bottom);
    float a = rng.Range(-kPi, kPi);
    for (int k = 0; k < 5; ++k) {
      const float len = rng.Range(4.0f, 9.0f);
      const float nx = x + std::cos(a) * len, ny = y + std::sin(a) * len;
      ThickLine(hairlines, x, y, nx, ny, 1.1f);
      x = nx;
      y = ny;
      a += rng.Range(-0.8f, 0.8f);
    }
  }
  hairlines = Multiplied(hairlines, Eroded(broken, 1));

  // Cold, tarnished steel.
  const Gradient steel{{0.0f, Rgb(0xD8DEE6)},
                       {0.45f, Rgb(0x8A94A2)},
                       {0.5f, Rgb(0x3A404A)},
                       {0.62f, Rgb(0x5A626E)},
                       {1.0f, Rgb(0x9AA2AE)}};
  PaintBannerLetters(image, broken, top, bottom, steel,
                     {.ShadowSpread = 4,
                      .ShadowDx = 3,
                      .ShadowDy = 5,
                      .ShadowBlur = 3,
                      .ShadowOpacity = 0.9f,
                      .Glow = Rgb(0x801018),
                      .GlowRadius = 12,
                      .GlowStrength = 0.6f,
                      .Outline = Rgb(0x0C0A0E),
                      .Inline = Rgb(0x6A6E78),
                      .OutlineWidth = 4,
                      .InlineWidth = 2,
                      .Gloss = 0.0f});
  Paint(image, hairlines, Rgb(0x1A1C22), 0.85f);
}

void DrawBannerLine(Image& image, FontLibrary& fonts) {
  constexpr std::string_view kText = "Morale has collapsed - your team has disbanded";
  const Font& font = FittingFont(fonts, kText, 1, 600, 17, false);
  const Field mask = PlacedText(kBannerWidth, kBannerHeight, kText, font, 1, kBannerWidth * 0.5f, 66);
  SoftShadow(image, Dilated(mask, 1), 2, 0.9f, 1, 2);
  const Rect box = InkBounds(mask);
  Field rule(kBannerWidth, kBannerHeight);
  const float mid = static_cast<float>(box.Top + box.Bottom) * 0.5f;
  const float left = static_cast<float>(box.Left), right = static_cast<float>(box.Right);
  TaperedLine(rule, left - 70.0f, mid, left - 12.0f, mid, 0.5f, 2.5f);
  TaperedLine(rule, right + 12.0f, mid, right + 70.0f, mid, 2.5f, 0.5f);
  Paint(image, rule, Rgb(0x7A1A22));
  PaintVertical(image, mask, Gradient{{0.0f, Rgb(0xC8B8B8)}, {1.0f, Rgb(0x9A8A8E)}},
                static_cast<float>(box.Top), static_cast<float>(box.Bottom));
}

// ================================================================ the two players

constexpr int kTeamWidth = 378;
constexpr int kTeamHeight = 472;
// Painted at twice the size and shrunk, for clean eyes and lips.
constexpr int kS = 2;
constexpr int kW = kTeamWidth * kS;
constexpr int kH = kTeamHeight * kS;

// A part of a body: its colour through the mask, lit as a soft rounded
// volume by the dim lamp to the upper left, with a cold rim where the
// street light from the right catches its edge.
void Volume(Image& image, const Field& mask, Color colour, int roundness, float strength = 0.55f,
            float rim = 0.5f) {
  Paint(image, mask, colour);
  // Only the box round the part is worked on: a body part covers a small
  // share of the picture.
  const Rect ink = InkBounds(mask, 0.0f);
  if (ink.Right <= ink.Left) return;
  const int margin = 2 * roundness + 4 * kS;
  Region box = Crop(image, ink.Left - margin, ink.Top - margin, ink.Right + margin, ink.Bottom + margin);
  Image& tile = box.Pixels;
  const int w = tile.Width, h = tile.Height;
  const Field part = FieldEach(w, h, [&](int x, int y) { return mask(x + box.X, y + box.Y); });
  // Falling off across the form, away from the lamp.
  const float left = static_cast<float>(ink.Left - box.X), span = static_cast<float>(ink.Right - ink.Left);
  const float top = static_cast<float>(ink.Top - box.Y), tall = static_cast<float>(ink.Bottom - ink.Top);
  const Field away = FieldEach(w, h, [&](int x, int y) {
    // The lamp is high: lower down is darker too.
    const float down = SmoothStep(0.2f, 1.0f, (static_cast<float>(y) + 0.5f - top) / tall) * 0.3f;
    const float t = (static_cast<float>(x) + 0.5f - left) / span;
    return part(x, y) * std::min(SmoothStep(0.25f, 1.0f, t) * 0.45f + down, 0.65f);
  });
  Paint(tile, away, Rgb(0x05050C));
  ApplyLight(tile, Bevel(part, roundness, -0.6f, -0.6f, 0.55f, 3.0f), part, strength);
  AddLight(tile, Multiplied(Soft(Rim(part, 3 * kS, -kS), kS), part), Rgb(0x4A6A9A), rim);
  Paste(image, box);
}

// The two faces, far and near: both scowling, brows drawn down, each
// looking anywhere but at the other.
// clang-format off
const FaceLook kFaces[2] = {
    {Rgb(0x8A5A40), Rgb(0x1A1412), Rgb(0x3A2418), Hair::Curls, Beard::Stubble, 0.85f, 1.32f, 1.06f, 1.0f,
     -0.5f, 1.0f, 0xB0F1, {.BrowTilt = -1.0f, .Gaze = 0.8f}},
    {Rgb(0xD09A78), Rgb(0x4A2E1E), Rgb(0x4A6A3A), Hair::Crop, Beard::None, 0.8f, 1.32f, 1.06f, 1.0f,
     -0.5f, 1.0f, 0xB0F2, {.BrowTilt = -1.0f, .Gaze = -0.7f}},
};
// clang-format on

// The polygon's mask on the sheet, its edge softened by `soft` large pixels.
template <std::size_t N>
Field Outline(const Sheet& s, const Point (&points)[N], int soft = 0) {
  Field f = s.Blank();
  s.Poly(f, points);
  return Soft(std::move(f), soft);
}

// The colour of shadow in the dim room.
constexpr Color kShadow = Rgb(0x06060E);

// The head's shadow down the neck, deepest under the jaw (row `top`) and
// gone by row `bottom`.
void NeckShadow(const Sheet& s, Image& image, const Field& neck, float top, float bottom) {
  const Field shadow = FieldEach(
      s.W, s.H, [&](int x, int y) { return neck(x, y) * (SmoothStep(bottom, top, s.Small(0, y).Y) * 0.7f); });
  Paint(image, shadow, kShadow);
}

// ---------------------------------------------------------------- bodies

// The room: a dark clubhouse wall of boards, the dim lamp high on the left
// and the cold light from a window on the right.
void DrawRoom(Image& image) {
  const Sheet s(kS, 0, 0, kTeamWidth, kTeamHeight);
  const Noise grain(0xB0A1);
  // Soft enough to work out once per pixel of the final picture.
  Image wall(kTeamWidth, kTeamHeight);
  FillEach(wall, [&](int x, int y) {
    const float fx = static_cast<float>(x) + 0.5f, fy = static_cast<float>(y) + 0.5f;
    // Vertical boards with dark seams.
    const float board = std::fmod(fx + 3.0f * grain.Value(fy / 60.0f, fx / 47.0f), 47.0f);
    const float seam = SmoothStep(1.5f, 0.0f, board) + SmoothStep(45.5f, 47.0f, board);
    const float wood = 0.75f + 0.35f * grain.Fbm(fx / 30.0f, fy / 3.0f, 3);
    const float lamp = Falloff(fx, fy, 40.0f, -20.0f, 260.0f, 300.0f, 2.0f);
    const float window = Falloff(fx, fy, 380.0f, 140.0f, 150.0f, 220.0f, 2.0f);
    ColorF c = ColorF{0.055f, 0.05f, 0.065f} * wood;
    c = c + ColorF{0.32f, 0.2f, 0.12f} * (lamp * wood * 0.55f);
    c = c + ColorF{0.08f, 0.13f, 0.22f} * (window * wood * 0.6f);
    return c * (1.0f - 0.55f * seam);
  });
  image = AreaResized(wall, s.W, s.H);
  // The window behind them: grey evening light, rain running down the
  // glass, a little out of focus.
  Image glass(s.W, s.H);
  FillLinear(glass, 0.0f, s.BY(50.0f), 0.0f, s.BY(170.0f),
             Gradient{{0.0f, Rgb(0x4A5A74)}, {0.6f, Rgb(0x2E3A50)}, {1.0f, Rgb(0x1A2234)}});
  const Field pane = Outline(s, {{288.0f, 52.0f}, {352.0f, 52.0f}, {352.0f, 166.0f}, {288.0f, 166.0f}});
  Field bars = s.Blank();
  s.Line(bars, 320.0f, 50.0f, 320.0f, 168.0f, 4.0f);
  s.Line(bars, 286.0f, 106.0f, 354.0f, 106.0f, 4.0f);
  Random drops(0xB0A3);
  Field rain = s.Blank();
  for (int i = 0; i < 18; ++i) {
    const float x = drops.Range(290.0f, 350.0f), y = drops.Range(54.0f, 150.0f);
    s.Taper(rain, x, y, x + drops.Range(-1.0f, 1.0f), y + drops.Range(6.0f, 16.0f), 0.6f, 1.4f);
  }
  Glow(image, pane, Rgb(0x28405A), 14 * kS, 0.5f);
  Blend(image, glass, pane);
  AddLight(image, Multiplied(rain, pane), Rgb(0x8AA0C0), 0.2f);
  Paint(image, Dilated(bars, kS), Rgb(0x0C0C10));
  Paint(image, Subtracted(Dilated(pane, 5 * kS), pane), Rgb(0x141012));  // the frame and sill
  // Out of focus behind the two of them.
  const Sheet around(kS, 270, 34, 100, 150);
  Region blurred = around.Cut(image);
  BoxBlur(blurred.Pixels, 2 * kS, 2);
  Paste(image, blurred);
  // A bench and a kit bag in the gloom behind them.
  Paint(image, Outline(s, {{0.0f, 392.0f}, {378.0f, 384.0f}, {378.0f, 396.0f}, {0.0f, 404.0f}}),
        Rgb(0x1C1510));
  Field bag = s.Blank();
  s.Oval(bag, 352.0f, 372.0f, 40.0f, 22.0f);
  PaintRounded(image, bag, Rgb(0x101418), 8 * kS, {0.6f, -0.6f, 0.5f, 3.0f}, 0.4f);
  // An old splat on the wall, from a better day.
  Random rng(0xB0A2);
  Field splat = s.Blank();
  Splat(splat, rng, s.BX(40.0f), s.BY(100.0f), {.Radius = 22.0f * kS, .Drips = 3});
  Scale(splat, 0.3f);
  WetPaint(image, splat, Rgb(0x6A5A18), 4 * kS, 0.2f);
}

// The near player: arms folded tight, mask shoved up on the head, head
// turned away to our left and eyes down.
void DrawFoldedArms(const Sheet& s, Image& image, FontLibrary& fonts) {
  const Kit kit{
      .Jersey = Rgb(0x7A1C24), .Trim = Rgb(0xC8C8C0), .Pants = Rgb(0x22242A), .Panel = Rgb(0x1A1A20)};
  const Point torsoAt[] = {{58.0f, 224.0f},  {96.0f, 203.0f},  {158.0f, 203.0f}, {200.0f, 224.0f},
                           {206.0f, 300.0f}, {200.0f, 472.0f}, {58.0f, 472.0f},  {52.0f, 300.0f}};
  const Field torso = Outline(s, torsoAt, 2 * kS);
  const Point neckAt[] = {{104.0f, 160.0f}, {148.0f, 160.0f}, {152.0f, 196.0f},
                          {166.0f, 210.0f}, {88.0f, 210.0f},  {102.0f, 196.0f}};
  const Field neck = Outline(s, neckAt, kS);
  Volume(image, neck, Rgb(0xB07A5A), 6 * kS, 0.5f, 0.2f);
  NeckShadow(s, image, neck, 170.0f, 200.0f);
  Volume(image, torso, kit.Jersey, 14 * kS);
  // Dark side panels and the collar.
  Field panels = s.Blank();
  s.Poly(panels, {{52.0f, 300.0f}, {76.0f, 290.0f}, {72.0f, 472.0f}, {58.0f, 472.0f}});
  s.Poly(panels, {{206.0f, 300.0f}, {184.0f, 290.0f}, {188.0f, 472.0f}, {200.0f, 472.0f}});
  Paint(image, Multiplied(Soft(panels, kS), torso), kit.Panel, 0.9f);
  Field collar = s.Blank();
  s.Curve(collar, {{98.0f, 205.0f}, {126.0f, 224.0f}, {156.0f, 205.0f}}, 7.0f, 7.0f);
  Volume(image, collar, kit.Trim, 3 * kS, 0.4f, 0.2f);
  // The jersey's folds.
  Field folds = s.Blank();
  s.Curve(folds, {{90.0f, 250.0f}, {110.0f, 262.0f}, {118.0f, 290.0f}}, 3.0f, 1.0f);
  s.Curve(folds, {{170.0f, 240.0f}, {158.0f, 262.0f}, {160.0f, 282.0f}}, 3.0f, 1.0f);
  s.Curve(folds, {{80.0f, 400.0f}, {110.0f, 410.0f}, {128.0f, 440.0f}}, 3.0f, 1.0f);
  Paint(image, Multiplied(Soft(folds, 3 * kS), torso), kShadow, 0.35f);
  // The team's splat badge on the chest.
  Random rng(0xB0B1);
  Field badge = s.Blank();
  Splat(badge, rng, s.BX(168.0f), s.BY(250.0f), {.Radius = 8.0f * kS, .Arms = 7, .Droplets = 4});
  Paint(image, badge, Rgb(0xC8B070), 0.7f);
  // The number on the chest, half hidden by the arms.
  const Font& font = fonts.Get("Arial", FontSize::Pixels(60 * kS), true);
  Field number = PlacedText(s.W, s.H, "9", font, 0, s.BX(96.0f), static_cast<int>(s.BY(228.0f)));
  Paint(image, Multiplied(number, torso), kit.Trim, 0.75f);
  // The belt of the pod harness, low down.
  const Field belt = Outline(s, {{56.0f, 436.0f}, {202.0f, 432.0f}, {202.0f, 452.0f}, {56.0f, 456.0f}}, kS);
  Volume(image, belt, Rgb(0x16161A), 4 * kS, 0.5f, 0.3f);
  const Field below = Outline(s, {{56.0f, 456.0f}, {202.0f, 452.0f}, {204.0f, 472.0f}, {56.0f, 472.0f}});
  Volume(image, below, kit.Pants, 5 * kS, 0.4f, 0.2f);

  // Upper arms hanging from the shoulders.
  Field upper = s.Blank();
  s.Taper(upper, 66.0f, 238.0f, 58.0f, 330.0f, 48.0f, 40.0f);
  s.Taper(upper, 194.0f, 238.0f, 202.0f, 332.0f, 48.0f, 40.0f);
  Paint(image, Soft(Shifted(upper, 5 * kS, 3 * kS), 4 * kS), kShadow, 0.5f);
  Volume(image, upper, kit.Jersey, 12 * kS);
  Field pads = s.Blank();
  s.Taper(pads, 60.0f, 304.0f, 58.0f, 332.0f, 40.0f, 38.0f);
  s.Taper(pads, 200.0f, 306.0f, 202.0f, 334.0f, 40.0f, 38.0f);
  Volume(image, Multiplied(pads, upper), Rgb(0x34343C), 6 * kS, 0.5f);
  // The forearms folded across: the left one underneath, its hand gripping
  // the right arm; the right one on top, its hand tucked out of sight.
  Field under = s.Blank();
  s.Taper(under, 58.0f, 332.0f, 186.0f, 316.0f, 34.0f, 28.0f);
  Paint(image, Soft(Shifted(under, 0, 6 * kS), 4 * kS), kShadow, 0.55f);
  Volume(image, under, Rgb(0x6A1820), 10 * kS);
  // Four fingers, creased between them.
  Field hand = s.Blank(), knuckles = s.Blank();
  s.Oval(hand, 188.0f, 310.0f, 13.0f, 16.0f);
  for (int k = 0; k < 4; ++k) {
    const float y = 300.0f + static_cast<float>(k) * 7.0f;
    s.Line(hand, 188.0f, y, 204.0f, y + 2.0f, 7.0f);
    if (k > 0) s.Line(knuckles, 192.0f, y - 3.5f, 204.0f, y - 3.5f + 2.0f, 1.2f);
  }
  Volume(image, Soft(hand, kS), Rgb(0xA8745A), 5 * kS, 0.55f, 0.3f);
  Paint(image, Soft(knuckles, kS), kShadow, 0.5f);
  Field over = s.Blank();
  s.Taper(over, 202.0f, 334.0f, 80.0f, 310.0f, 34.0f, 30.0f);
  Paint(image, Soft(Shifted(over, 0, 7 * kS), 5 * kS), kShadow, 0.6f);
  Volume(image, over, Rgb(0x741A22), 10 * kS);
  // Its fist, jammed against the other arm.
  Field fist = s.Blank();
  s.Oval(fist, 72.0f, 306.0f, 12.0f, 14.0f);
  Volume(image, Subtracted(Soft(fist, kS), over), Rgb(0xA8745A), 5 * kS, 0.5f, 0.2f);
  // Old paint on the sleeve from the last game.
  Field hit = s.Blank();
  Splat(hit, rng, s.BX(70.0f), s.BY(262.0f), {.Radius = 7.0f * kS, .Arms = 6, .Droplets = 5});
  WetPaint(image, Multiplied(hit, upper), Rgb(0xC8A018), 2 * kS, 0.3f);
}

// The mask shoved up on the near player's head: goggle lens over the
// forehead, the shell standing up above it, the strap round the head.
// Drawn on the head face-on, in the final picture's pixels, before it turns.
void DrawPushedUpMask(const Sheet& s, Image& image, const HeadFrame& h) {
  Field strap = s.Blank();
  std::vector<Point> band;
  for (int i = 0; i <= 10; ++i) {
    const float t = -1.0f + 2.0f * static_cast<float>(i) / 10;
    band.push_back(h.At(t * 1.03f, -0.8f + 0.1f * t * t));
  }
  s.Curve(strap, band, 0.14f * h.Unit, 0.14f * h.Unit);
  Volume(image, strap, Rgb(0x1A1A1E), 3 * kS, 0.5f, 0.4f);
  // The shell: a wide, rounded visor shape standing up off the head.
  const Point shellAt[] = {h.At(-0.95f, -0.82f), h.At(-0.88f, -1.3f), h.At(-0.5f, -1.62f),
                           h.At(0.45f, -1.64f),  h.At(0.85f, -1.32f), h.At(0.92f, -0.84f)};
  const Field shell = Outline(s, shellAt, 2 * kS);
  Volume(image, shell, Rgb(0x24262E), 8 * kS, 0.6f, 0.6f);
  // Vents across the shell.
  Field vents = s.Blank();
  for (int k = -2; k <= 2; ++k) {
    const float u = static_cast<float>(k) * 0.22f;
    s.Curve(vents, {h.At(u, -1.5f), h.At(u * 1.02f, -1.3f)}, 0.035f * h.Unit, 0.035f * h.Unit);
  }
  Paint(image, Multiplied(vents, shell), kShadow, 0.7f);
  // The lens: a dark band with the lamp's reflection in it.
  const Point lensAt[] = {h.At(-0.9f, -0.72f), h.At(-0.85f, -1.0f), h.At(0.85f, -1.02f), h.At(0.9f, -0.74f),
                          h.At(0.0f, -0.66f)};
  const Field lens = Outline(s, lensAt, kS);
  Field frame = Dilated(lens, 4 * kS);
  Volume(image, frame, Rgb(0x30323A), 4 * kS, 0.6f, 0.5f);
  Image tint(s.W, s.H);
  const Point t0 = h.At(-0.9f, -1.0f), t1 = h.At(0.9f, -0.7f);
  FillLinear(
      tint, s.BX(t0.X), s.BY(t0.Y), s.BX(t1.X), s.BY(t1.Y),
      Gradient{{0.0f, Rgb(0x8A6A48)}, {0.3f, Rgb(0x3A3020)}, {0.55f, Rgb(0x1A2A3A)}, {1.0f, Rgb(0x4A7AA0)}});
  Blend(image, tint, lens);
  Field flare = s.Blank();
  s.Curve(flare, {h.At(-0.6f, -0.96f), h.At(-0.2f, -0.98f)}, 0.03f * h.Unit, 0.015f * h.Unit);
  AddLight(image, Soft(flare, kS), Rgb(0xFFE8C8), 0.6f);
}

// A player's head on its tile of the picture: drawn face-on and upright by
// the portraits' face kit, with the gear it wears, then turned and tilted
// into place and shaded by the room's light like the rest of the body. The
// frame is in the final picture's pixels; the lamp is on the left, and the
// small room throws its light back into the shadows.
void DrawHead(Image& image, const Sheet& s, const FaceLook& look, const HeadFrame& h,
              void (*gear)(const Sheet&, Image&, const HeadFrame&) = nullptr) {
  const HeadFrame fr{s.BX(h.CentreX), s.BY(h.EyeY), h.Unit * s.Scale, h.Turn, -0.62f, s.W, s.H, h.Tilt, 1.0f};
  Region tile = s.Cut(image);
  Image& t = tile.Pixels;
  const Head head = ShapeHead(look, fr);
  PaintBackHair(t, head);
  const Image under = t;
  PaintFace(t, head);
  if (gear) gear(s, t, h);
  const Field outline = LayHead(t, under, head);
  // The lamp's light is warm and cools across the head away from it; the
  // window's cold light catches the far edge.
  PaintEach(t, outline, [&](int x, int y) {
    const float across = SmoothStep(-1.2f, 1.2f, (static_cast<float>(x) - fr.CentreX) / fr.Unit);
    return Unpack(t.Pixels[t.Index(x, y)]) *
           Lerp(ColorF{1.1f, 1.0f, 0.86f}, ColorF{0.72f, 0.76f, 0.9f}, across);
  });
  AddLight(t, Multiplied(Soft(Rim(outline, 3 * kS, -kS), kS), outline), Rgb(0x4A6A9A), 0.5f);
  Paste(image, tile);
}

// The far player: turned away to our right, shoulders hunched, hands
// shoved in pockets.
void DrawHandsInPockets(const Sheet& s, Image& image) {
  const Kit kit{.Jersey = Rgb(0x1E3A5A), .Trim = Rgb(0xE07A2A), .Pants = Rgb(0x1E2026)};
  const Point torsoAt[] = {{192.0f, 232.0f}, {232.0f, 212.0f}, {298.0f, 212.0f}, {340.0f, 234.0f},
                           {344.0f, 310.0f}, {336.0f, 472.0f}, {200.0f, 472.0f}, {190.0f, 310.0f}};
  const Field torso = Outline(s, torsoAt, 2 * kS);
  const Point neckAt[] = {{246.0f, 172.0f}, {288.0f, 172.0f}, {292.0f, 206.0f},
                          {306.0f, 220.0f}, {230.0f, 220.0f}, {242.0f, 206.0f}};
  const Field neck = Outline(s, neckAt, kS);
  Volume(image, neck, Rgb(0x7A4E36), 6 * kS, 0.5f, 0.4f);
  NeckShadow(s, image, neck, 184.0f, 212.0f);
  Volume(image, torso, kit.Jersey, 14 * kS, 0.5f, 0.7f);
  Field collar = s.Blank();
  s.Curve(collar, {{236.0f, 214.0f}, {266.0f, 232.0f}, {296.0f, 214.0f}}, 7.0f, 7.0f);
  Volume(image, collar, kit.Trim, 3 * kS, 0.4f, 0.3f);
  const Field stripe =
      Outline(s, {{190.0f, 330.0f}, {344.0f, 322.0f}, {344.0f, 334.0f}, {190.0f, 342.0f}}, kS);
  Paint(image, Multiplied(stripe, torso), kit.Trim, 0.85f);
  Field folds = s.Blank();
  s.Curve(folds, {{230.0f, 260.0f}, {246.0f, 290.0f}, {244.0f, 312.0f}}, 3.0f, 1.0f);
  s.Curve(folds, {{300.0f, 380.0f}, {280.0f, 410.0f}, {278.0f, 440.0f}}, 3.0f, 1.0f);
  Paint(image, Multiplied(Soft(folds, 3 * kS), torso), kShadow, 0.35f);
  // Paint from the last game on the shoulder.
  Random rng(0xB0C1);
  Field hit = s.Blank();
  Splat(hit, rng, s.BX(300.0f), s.BY(246.0f), {.Radius = 8.0f * kS, .Arms = 7, .Droplets = 5});
  WetPaint(image, Multiplied(hit, torso), Rgb(0xC02A7A), 2 * kS, 0.3f);
  // Arms: straight down and in, hunched, the hands gone into the pockets.
  Field arms = s.Blank();
  s.Taper(arms, 204.0f, 244.0f, 198.0f, 340.0f, 44.0f, 36.0f);
  s.Taper(arms, 198.0f, 340.0f, 216.0f, 450.0f, 34.0f, 28.0f);
  s.Taper(arms, 330.0f, 246.0f, 338.0f, 340.0f, 44.0f, 36.0f);
  s.Taper(arms, 338.0f, 340.0f, 322.0f, 446.0f, 34.0f, 28.0f);
  Paint(image, Soft(Shifted(arms, -4 * kS, 2 * kS), 5 * kS), kShadow, 0.45f);
  Volume(image, arms, kit.Jersey, 12 * kS, 0.5f, 0.7f);
  // The pants over the wrists: the hands are in the pockets.
  const Field pants = Outline(s, {{192.0f, 432.0f}, {344.0f, 426.0f}, {346.0f, 472.0f}, {192.0f, 472.0f}});
  Volume(image, Soft(pants, kS), kit.Pants, 6 * kS, 0.4f, 0.4f);
  Field pockets = s.Blank();
  s.Curve(pockets, {{196.0f, 438.0f}, {216.0f, 442.0f}, {236.0f, 436.0f}}, 4.0f, 3.0f);
  s.Curve(pockets, {{302.0f, 434.0f}, {322.0f, 440.0f}, {342.0f, 434.0f}}, 3.0f, 4.0f);
  Paint(image, Soft(pockets, kS), kShadow, 0.75f);
  // The sleeves' bulge where the wrists go in.
  Field bulge = s.Blank();
  s.Oval(bulge, 216.0f, 448.0f, 16.0f, 7.0f);
  s.Oval(bulge, 322.0f, 446.0f, 16.0f, 7.0f);
  Paint(image, Multiplied(Soft(bulge, 3 * kS), pants), kShadow, 0.4f);
}

}  // namespace

Image DrawBreakupBanner(FontLibrary& fonts) {
  Image image(kBannerWidth, kBannerHeight);
  Random rng(0xB0E5);
  DrawBannerGloom(image, rng);
  DrawBannerTitle(image, fonts, rng);
  DrawBannerLine(image, fonts);
  return image;
}

Image DrawBreakupTeam(FontLibrary& fonts) {
  Image image(kW, kH);
  DrawRoom(image);
  // The far player first: the near one's shoulder overlaps. Each body is
  // painted on a tile of its own, which keeps the many strokes quick.
  const Sheet farBody(kS, 164, 160, 214, 312), nearBody(kS, 10, 150, 220, 322);
  Region tile = farBody.Cut(image);
  DrawHandsInPockets(farBody, tile.Pixels);
  Paste(image, tile);
  DrawHead(image, {kS, 204, 84, 130, 126}, kFaces[0],
           {.CentreX = 266.0f, .EyeY = 152.0f, .Unit = 32.0f, .Turn = 0.5f, .Tilt = 0.1f});
  tile = nearBody.Cut(image);
  DrawFoldedArms(nearBody, tile.Pixels, fonts);
  Paste(image, tile);
  DrawHead(image, {kS, 56, 56, 146, 136}, kFaces[1],
           {.CentreX = 128.0f, .EyeY = 136.0f, .Unit = 33.0f, .Turn = -0.42f, .Tilt = -0.12f},
           DrawPushedUpMask);
  // Framed a little closer than drawn: the room's edges fall away and the
  // two fill the picture.
  constexpr float kZoom = 1.1f;
  const int cropW = static_cast<int>(kW / kZoom), cropH = static_cast<int>(kH / kZoom);
  const int left = (kW - cropW) / 2, top = kH - cropH;
  Image small =
      AreaResized(Crop(image, left, top, left + cropW, top + cropH).Pixels, kTeamWidth, kTeamHeight);
  // The grade of a cold, dim evening: shadows sink into blue, the lamp's
  // light stays a little warm.
  for (std::uint32_t& p : small.Pixels) {
    const ColorF c = Unpack(p);
    const float luma = 0.299f * c.R + 0.587f * c.G + 0.114f * c.B;
    p = Pack(Lerp(c, Lerp(ColorF{0.02f, 0.03f, 0.07f}, c, SmoothStep(0.0f, 0.5f, luma)), 0.5f) * 0.95f);
  }
  // Paint on canvas: a faint weave and the softness of a brush.
  const Noise weave(0xB0D1);
  FillEach(small, [&](int x, int y) {
    const float fx = static_cast<float>(x), fy = static_cast<float>(y);
    const float n =
        weave.Value(fx * 0.9f, fy * 0.25f) * 0.5f + weave.Value(fx * 0.25f + 40.0f, fy * 0.9f) * 0.5f;
    return Unpack(small.Pixels[small.Index(x, y)]) * (0.93f + 0.12f * n);
  });
  Vignette(small, 0.5f);
  return small;
}

}  // namespace vantoro::art
