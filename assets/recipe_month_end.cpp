// The end of the month: a sports watch that says time has passed, and the
// little marker that hops along under the month's news as it scrolls up.
// Both are drawn four times larger and shrunk, so that the fine work of a
// watch face survives at 105 pixels.

#include <cmath>

#include "assets/art.hpp"
#include "assets/kit_image.hpp"
#include "assets/kit_marker.hpp"
#include "assets/paint.hpp"
#include "assets/recipes.hpp"

namespace vantoro::art {

namespace {

constexpr int kScale = 4;

// ================================================================ the watch

constexpr int kWatchSize = 105;
constexpr int kWatch = kWatchSize * kScale;
constexpr float kCentre = kWatch * 0.5f;
constexpr float kBezelOuter = 168.0f;
constexpr float kBezelInner = 136.0f;
constexpr float kDial = 128.0f;
constexpr float kStrapHalf = 74.0f;
constexpr BigShapes kOwn{1.0f};  // shapes given in the watch's own pixels

// A point on the dial: `turns` clockwise from twelve, `r` from the centre,
// which is the dial's unless `cy` moves it down the face.
Point OnDial(float turns, float r, float cy = kCentre) {
  const float a = turns * kTau;
  return {kCentre + std::sin(a) * r, cy - std::cos(a) * r};
}

// A filled circle on the watch's canvas, round the dial's centre unless told.
Field Disc(float r, float cx = kCentre, float cy = kCentre) {
  Field f(kWatch, kWatch);
  FillCircle(f, cx, cy, r);
  return f;
}

// A stroke along the radius at `turns`, from `r0` out (or in) to `r1`.
void DialLine(Field& f, float turns, float r0, float r1, float width, float cy = kCentre) {
  kOwn.Line(f, OnDial(turns, r0, cy), OnDial(turns, r1, cy), width);
}

// Rubber straps running off the top and bottom, ribbed across.
void DrawStraps(Image& image) {
  Field strap(kWatch, kWatch);
  // Both straps in one outline, widest where they meet the case.
  const float x0 = kCentre - kStrapHalf, x1 = kCentre + kStrapHalf, y1 = static_cast<float>(kWatch);
  const Point outline[] = {{x0, 0.0f}, {x1, 0.0f}, {x1 + 4.0f, kCentre},
                           {x1, y1},   {x0, y1},   {x0 - 4.0f, kCentre}};
  FillPolygon(strap, outline);
  Field ribs(kWatch, kWatch);
  for (float y = 8.0f; y < kWatch; y += 16.0f) ThickLine(ribs, x0 + 14.0f, y, x1 - 14.0f, y, 5.0f);
  ribs = Multiplied(ribs, strap);
  // The straps darken as they curve away round the wrist.
  Image rubber(kWatch, kWatch);
  FillLinear(rubber, 0.0f, 0.0f, 0.0f, static_cast<float>(kWatch),
             Gradient{{0.0f, Rgb(0x050507)},
                      {0.3f, Rgb(0x26282E)},
                      {0.5f, Rgb(0x30333A)},
                      {0.7f, Rgb(0x26282E)},
                      {1.0f, Rgb(0x050507)}});
  Blend(image, rubber, strap);
  ApplyLight(image, Bevel(strap, 10, -0.8f, 0.0f, 0.6f, 2.0f), strap, 0.5f);
  ApplyLight(image, Lighting(ribs, -0.3f, -0.9f, 0.5f, 6.0f), ribs, 0.6f);
  // A line of sporty stitching down each edge.
  Field stitches(kWatch, kWatch);
  for (const float x : {x0 + 7.0f, x1 - 7.0f}) {
    for (float y = 4.0f; y < kWatch; y += 12.0f) ThickLine(stitches, x, y, x, y + 6.0f, 2.6f);
  }
  Paint(image, Multiplied(stitches, strap), Rgb(0xFF7A1A), 0.9f);
}

void DrawCase(Image& image) {
  // The case with the lugs reaching out to the straps and the crown's guard.
  Field body = Disc(kBezelOuter + 8.0f);
  for (const float sy : {-1.0f, 1.0f}) {
    for (const float sx : {-1.0f, 1.0f}) {
      const float x = kCentre + sx * (kStrapHalf + 2.0f), y = kCentre + sy * 150.0f;
      ThickLine(body, x, kCentre + sy * 110.0f, x, y + sy * 22.0f, 20.0f);
    }
    ThickLine(body, kCentre + 150.0f, kCentre + sy * 24.0f, kCentre + 172.0f, kCentre + sy * 21.0f, 10.0f);
  }
  const Field crown = kOwn.Line(image, {kCentre + 160.0f, kCentre}, {kCentre + 186.0f, kCentre}, 30.0f);

  // Shadow under the case on the strap.
  DropShadow(image, body, 4, 6, 8, 8, 0.8f);

  // Brushed steel: a conical sheen round the case.
  Image steel(kWatch, kWatch);
  FillEach(steel, [](int x, int y) {
    const float a = std::atan2(static_cast<float>(y) - kCentre, static_cast<float>(x) - kCentre);
    const float sheen = 0.5f + 0.5f * std::cos(2.0f * (a + 2.3f));
    return Lerp(ToF(Rgb(0x5A6068)), ToF(Rgb(0xE8ECF0)), sheen * sheen);
  });
  Paint(image, Dilated(crown, 2), Rgb(0x101014));
  Blend(image, steel, crown);
  Field knurl(kWatch, kWatch);
  for (float y = kCentre - 14.0f; y <= kCentre + 14.0f; y += 5.0f)
    ThickLine(knurl, kCentre + 168.0f, y, kCentre + 186.0f, y, 1.6f);
  Paint(image, Multiplied(knurl, crown), Rgb(0x30343A), 0.8f);
  ApplyLight(image, Bevel(crown, 4, -0.5f, -0.7f, 0.5f, 4.0f), crown, 0.6f);

  Paint(image, Dilated(body, 2), Rgb(0x101014));
  Blend(image, steel, body);
  ApplyLight(image, Bevel(body, 6, -0.5f, -0.7f, 0.5f, 5.0f), body, 0.6f);
}

void DrawBezel(Image& image) {
  const Field ring = Subtracted(Disc(kBezelOuter), Disc(kBezelInner));
  Paint(image, ring, Rgb(0x14161C));
  // The first quarter hour in paint orange, as on a timing bezel.
  const Field quarter = FieldEach(kWatch, kWatch, [](int x, int y) {
    const float a =
        std::atan2(static_cast<float>(x) + 0.5f - kCentre, kCentre - static_cast<float>(y) - 0.5f);
    const float t = a < 0.0f ? a + kTau : a;
    return SmoothStep(0.0f, 0.01f, t) * SmoothStep(kTau * 0.25f + 0.01f, kTau * 0.25f, t);
  });
  Paint(image, Multiplied(quarter, ring), Rgb(0xFF6A10));
  // Minute marks, longer every five minutes, and the triangle at twelve.
  Field marks(kWatch, kWatch);
  for (int m = 1; m < 60; ++m) {
    const float t = static_cast<float>(m) / 60.0f;
    const bool five = m % 5 == 0;
    DialLine(marks, t, kBezelOuter - 6.0f, five ? kBezelInner + 8.0f : kBezelOuter - 16.0f,
             five ? 7.5f : 3.0f);
  }
  const Field pip =
      kOwn.Polygon(image, {OnDial(0.0f, kBezelInner + 4.0f), OnDial(-0.022f, kBezelOuter - 4.0f),
                           OnDial(0.022f, kBezelOuter - 4.0f)});
  Paint(image, marks, Rgb(0xE8ECEC));
  GlowingCore(image, pip, Rgb(0x60FF80), 6, 0.6f, Rgb(0xD8FFE0));
  ApplyLight(image, Bevel(ring, 5, -0.5f, -0.7f, 0.55f, 5.0f), ring, 0.45f);
}

void DrawDial(Image& image) {
  const Field dial = Disc(kDial);
  // Deep blue with a sunray brush that catches the light.
  Image face(kWatch, kWatch);
  FillEach(face, [](int x, int y) {
    const float dx = static_cast<float>(x) + 0.5f - kCentre, dy = static_cast<float>(y) + 0.5f - kCentre;
    const float a = std::atan2(dy, dx);
    const float r = std::sqrt(dx * dx + dy * dy) / kDial;
    const float sheen = std::pow(0.5f + 0.5f * std::cos(2.0f * (a + 2.4f)), 3.0f);
    return Lerp(ToF(Rgb(0x0E1A3A)), ToF(Rgb(0x2A4C8A)), sheen * 0.8f) * (1.0f - 0.35f * r * r);
  });
  Blend(image, face, dial);
  // The inner edge of the case throws a shadow onto the dial.
  Field inner = Disc(kDial - 8.0f, kCentre + 3.0f, kCentre + 4.0f);
  BoxBlur(inner, 4);
  Paint(image, Multiplied(Subtracted(Disc(kDial + 6.0f), inner), dial), Rgb(0x000000), 0.6f);

  // The minute track and the luminous hour markers.
  Field track(kWatch, kWatch);
  for (int m = 0; m < 60; ++m) {
    if (m % 5 == 0) continue;
    DialLine(track, static_cast<float>(m) / 60.0f, kDial - 6.0f, kDial - 15.0f, 2.0f);
  }
  Paint(image, track, Rgb(0xB8C4D8), 0.8f);
  Field lume(kWatch, kWatch);
  for (int h = 0; h < 12; ++h) {
    const float t = static_cast<float>(h) / 12.0f;
    if (h == 0) {
      for (const float d : {-0.018f, 0.018f}) DialLine(lume, t + d, kDial - 14.0f, kDial - 52.0f, 9.0f);
    } else if (h % 3 == 0) {
      DialLine(lume, t, kDial - 14.0f, kDial - 52.0f, 12.0f);
    } else {
      const Point c = OnDial(t, kDial - 28.0f);
      FillCircle(lume, c.X, c.Y, 9.0f);
    }
  }
  const Field frames = Dilated(lume, 3);
  Paint(image, Shifted(frames, 2, 3), Rgb(0x000000), 0.6f);
  Paint(image, frames, Rgb(0xC8CCD4));
  GlowingCore(image, lume, Rgb(0x50FF90), 6, 0.35f, Rgb(0xE8FFEA));
  ApplyLight(image, Bevel(frames, 3, -0.5f, -0.7f, 0.5f, 4.0f), frames, 0.5f);

  // A small sub-dial low on the face, for the timer.
  const Point sub{kCentre, kCentre + 62.0f};
  const Field subHole = Disc(27.0f, sub.X, sub.Y);
  Paint(image, subHole, Rgb(0x0A1228));
  Paint(image, Subtracted(Disc(30.0f, sub.X, sub.Y), subHole), Rgb(0x8A96B0));
  Field ticks(kWatch, kWatch);
  for (int k = 0; k < 12; ++k) DialLine(ticks, static_cast<float>(k) / 12.0f, 20.0f, 26.0f, 1.6f, sub.Y);
  Paint(image, ticks, Rgb(0x8A96B0));
  Paint(image, kOwn.Line(image, sub, {sub.X + 14.0f, sub.Y - 18.0f}, 3.0f), Rgb(0xFF6A10));
}

// Ten past ten, the hands framing the face; the seconds hand is the colour
// of paint with a paintball for its counterweight.
void DrawHands(Image& image) {
  const float hour = (10.0f + 9.0f / 60.0f) / 12.0f, minute = 9.0f / 60.0f, second = 37.0f / 60.0f;
  const auto sword = [](Field& f, float t, float length, float width) {
    const float a = t * kTau;
    const float dx = std::sin(a), dy = -std::cos(a);
    // `along` x `k` down the hand, `across` x its width to its left.
    const auto at = [&](float along, float k, float across) {
      return Point{kCentre + dx * along * k - dy * width * across,
                   kCentre + dy * along * k + dx * width * across};
    };
    const Point shape[] = {at(-14.0f, 1.0f, 0.3f), at(length, 0.35f, 0.5f), at(length, 1.0f, 0.0f),
                           at(length, 0.35f, -0.5f), at(-14.0f, 1.0f, -0.3f)};
    FillPolygon(f, shape);
  };
  Field hands(kWatch, kWatch);
  sword(hands, hour, 76.0f, 18.0f);
  sword(hands, minute, 112.0f, 15.0f);
  DropShadow(image, hands, 0, 5, 7, 3, 0.6f);
  Paint(image, Dilated(hands, 2), Rgb(0x1A1E26));
  PaintVertical(image, hands, Gradient{{0.0f, Rgb(0xFFFFFF)}, {1.0f, Rgb(0xA8B0BC)}}, kCentre - 110.0f,
                kCentre + 60.0f);
  // The luminous fill down the middle of each hand.
  Field fill(kWatch, kWatch);
  DialLine(fill, hour, 20.0f, 60.0f, 5.0f);
  DialLine(fill, minute, 20.0f, 96.0f, 5.0f);
  GlowingCore(image, fill, Rgb(0x50FF90), 4, 0.3f, Rgb(0xD8FFE0));
  ApplyLight(image, Bevel(hands, 3, -0.5f, -0.7f, 0.5f, 5.0f), hands, 0.4f);

  const Point tail = OnDial(second + 0.5f, 34.0f), tip = OnDial(second, 124.0f);
  Field seconds = kOwn.Line(image, tail, tip, 3.2f);
  FillCircle(seconds, kCentre, kCentre, 9.0f);
  DropShadow(image, seconds, 0, 6, 9, 3, 0.5f);
  Paint(image, seconds, Rgb(0x9CFF1E));
  Paintball(image, tail.X, tail.Y, 9.0f, Rgb(0x9CFF1E));
  Paintball(image, kCentre, kCentre, 5.0f, Rgb(0xE0E4EA));
}

// The crystal: a soft reflection across the upper left of the glass.
void DrawGlass(Image& image) {
  const Field glare = FieldEach(kWatch, kWatch, [](int x, int y) {
    const float dx = static_cast<float>(x) + 0.5f - kCentre, dy = static_cast<float>(y) + 0.5f - kCentre;
    const float r = std::sqrt(dx * dx + dy * dy);
    if (r > kBezelInner) return 0.0f;
    // A crescent: inside the glass, outside a circle shifted down-right.
    const float ex = dx - 34.0f, ey = dy - 44.0f;
    const float outer = std::sqrt(ex * ex + ey * ey);
    return SmoothStep(kBezelInner - 2.0f, kBezelInner - 10.0f, r) * SmoothStep(140.0f, 156.0f, outer) * 0.22f;
  });
  AddLight(image, glare, Rgb(0xE8F0FF));
}

}  // namespace

Image DrawWristwatch(FontLibrary& /*fonts*/) {
  return Supersampled(kWatchSize, kWatchSize, kScale, [](Image& image) {
    for (auto* part : {DrawStraps, DrawCase, DrawBezel, DrawDial, DrawHands, DrawGlass}) part(image);
  });
}

// ================================================================ the sprite

constexpr int kSpriteWidth = 57;
constexpr int kSpriteHeight = 33;

// The red tournament electro across the whole box, its hopper doubled so
// that the balls inside read at this size, with a soft halo and a dark
// outline so that it shows on the black under the list.
Image DrawMonthSprite(FontLibrary& /*fonts*/) {
  return Supersampled(kSpriteWidth, kSpriteHeight, kScale, [](Image& image) {
    constexpr int kModel = 9;
    // Set by hand: 52 figure units from tank to muzzle across the box, and
    // from the grip's foot to the top of the doubled hopper down it.
    const MarkerFrame at{{88.0f, 104.0f}, {4.25f, 0.0f}, {0.0f, -4.25f}, 2.0f};
    const Field all = Dilated(MarkerSilhouette(image.Width, image.Height, at, kModel), 3);
    Glow(image, all, Rgb(0x3A5AA0), 8, 0.45f);
    Paint(image, all, Rgb(0x0A0A10));
    DrawMarker(image, at, kModel,
               {.Loader = Rgb(0x2A5AA0), .Tinted = true, .Balls = true, .Bevel = 8, .Metal = Rgb(0xB8C2CC)});
  });
}

}  // namespace vantoro::art
