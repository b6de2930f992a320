#include "assets/kit_marker.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>

#include "assets/kit_image.hpp"
#include "assets/paint.hpp"

namespace vantoro::art {

namespace {

// A stroke from (A0, U0) to (A1, U1), W0 wide at the start and W1 at the
// end; no stroke when W0 is 0.
struct Part {
  float A0 = 0, U0 = 0, A1 = 0, U1 = 0, W0 = 0, W1 = 0;
};

struct Model {
  Part Body, Barrel, Tank, Grip, Foregrip, Neck;
  Point Loader;
  float LoaderRx, LoaderRy;
  Point Window;  // where the paint shows; none when WindowRx is 0
  float WindowRx, WindowRy;
  Color BodyColour, BarrelColour, LoaderColour;
};

// Older markers are long, dark tubes fed from the side or a small hopper;
// newer ones are compact and bright, with big loaders and a tank as stock.
// clang-format off
constexpr std::array<Model, kMarkerModels> kModels{{
    // 1: a pump with a feed tube along the top and a 12-gram under it.
    {{-6, 1.5f, 10, 1.5f, 4.2f, 4.0f}, {9, 2.0f, 34, 2.0f, 2.2f, 2.0f}, {-2, -3, 8, -3, 3.0f, 3.0f},
     {0, 0, -1, -5, 2.4f, 2.4f}, {14, 0.5f, 20, 0.5f, 2.6f, 2.6f}, {}, {6, 4.3f}, 9.0f, 1.6f, {}, 0, 0,
     Rgb(0x2A2C30), Rgb(0x1A1A1E), Rgb(0x3A3C42)},
    // 2: a pump with a small gravity hopper.
    {{-6, 1.5f, 10, 1.5f, 4.5f, 4.2f}, {9, 2.0f, 32, 2.0f, 2.3f, 2.1f}, {-2, -3, 8, -3, 3.0f, 3.0f},
     {0, 0, -1, -5, 2.4f, 2.4f}, {14, 0.5f, 20, 0.5f, 2.8f, 2.8f}, {2, 4, 2, 6, 1.8f, 1.8f}, {2, 8.5f}, 3.6f, 3.2f,
     {}, 0, 0, Rgb(0x3A3E44), Rgb(0x202226), Rgb(0x4A3A2A)},
    // 3: a stock-class pump, a round loader on top and a bottle forward.
    {{-7.5f, 1.5f, 10.5f, 1.5f, 4.875f, 4.875f}, {9, 2.1f, 31.5f, 2.1f, 2.4f, 2.4f},
     {7, -3.4f, 21, -3.4f, 3.6f, 3.6f}, {0, 0, -1, -5, 2.4f, 2.4f}, {13, 0.2f, 19, 0.2f, 2.6f, 2.6f}, {},
     {2.25f, 6.75f}, 4.5f, 4.5f, {}, 0, 0, Rgb(0x6A707C), Rgb(0x30343C), Rgb(0xFFD81E)},
    // 4: a semi with a vertical grip and a taller hopper.
    {{-5, 3.5f, 10, 3.5f, 4.6f, 4.2f}, {9, 4.0f, 27, 4.0f, 2.2f, 2.0f}, {-4, -4, 6, -4, 3.4f, 3.4f},
     {0, 2, 0, -4, 2.5f, 2.5f}, {}, {3, 6, 3, 8, 2.0f, 2.0f}, {2, 10.5f}, 4.0f, 3.8f, {2, 10}, 2.2f, 1.8f,
     Rgb(0x4A4E58), Rgb(0x18191E), Rgb(0x2E3A30)},
    // 5: a semi with a bottle under the barrel and a front grip.
    {{-4, 4, 10, 4, 4.6f, 4.1f}, {9, 4.5f, 27, 4.5f, 2.2f, 1.9f}, {4, -4, 20, -4, 4.0f, 4.0f},
     {0, 2, 0, -4, 2.5f, 2.5f}, {9, 2, 9, -2.5f, 2.2f, 2.2f}, {3, 6, 3, 8, 2.0f, 2.0f}, {2, 10}, 4.4f, 3.4f,
     {2, 9.5f}, 2.4f, 1.6f, Rgb(0x3A4A5A), Rgb(0x18191E), Rgb(0x283040)},
    // 6: an early electro, the tank moved back as a stock.
    {{-3, 4, 11, 4, 4.6f, 4.0f}, {10, 4.5f, 28, 4.5f, 2.2f, 1.9f}, {-4, 3, -14, 2.5f, 4.6f, 4.6f},
     {0, 2, 0, -4, 2.5f, 2.5f}, {9, 2, 9, -2.5f, 2.2f, 2.2f}, {3, 6, 3, 8, 2.0f, 2.0f}, {2, 10}, 4.8f, 3.4f,
     {2, 9}, 2.8f, 1.6f, Rgb(0x5A4A6A), Rgb(0x18191E), Rgb(0x26282E)},
    // 7: the field's workhorse electro.
    {{-3, 4, 10, 4, 4.5f, 4.0f}, {9, 4.5f, 26, 4.5f, 2.2f, 1.9f}, {-4, 3, -15, 2, 5.0f, 5.0f},
     {0, 2, 0, -4, 2.5f, 2.5f}, {9, 2, 9, -2.5f, 2.2f, 2.2f}, {3, 6, 3, 8, 2.0f, 2.0f}, {2, 10}, 4.6f, 3.4f,
     {2, 9}, 2.6f, 1.6f, Rgb(0x4A4E58), Rgb(0x18191E), Rgb(0x26282E)},
    // 8: a compact electro, anodised blue, a longer barrel.
    {{-2, 4, 9, 4, 4.4f, 3.8f}, {8, 4.5f, 30, 4.5f, 2.1f, 1.8f}, {-3, 3, -16, 2, 5.2f, 5.2f},
     {0, 2, 0, -4, 2.4f, 2.4f}, {8, 2, 8, -2.5f, 2.2f, 2.2f}, {3, 6, 3, 8.5f, 2.2f, 2.2f}, {2, 11}, 5.4f, 3.6f,
     {2, 10}, 3.4f, 1.8f, Rgb(0x2A6ACA), Rgb(0x1A1C22), Rgb(0x1A2A44)},
    // 9: a tournament electro, red, with a big shaped loader.
    {{-2, 4, 9, 4, 4.2f, 3.6f}, {8, 4.5f, 31, 4.5f, 2.0f, 1.8f}, {-3, 3, -17, 1.5f, 5.6f, 5.6f},
     {0, 2, 0, -4, 2.4f, 2.4f}, {8, 2, 8, -2.5f, 2.2f, 2.2f}, {3, 6, 3, 9, 2.4f, 2.4f}, {1, 12}, 6.2f, 3.8f,
     {1, 11}, 4.2f, 2.0f, Rgb(0xD0202A), Rgb(0x1A1C22), Rgb(0x202024)},
    // 10: the newest: short body, long barrel, carbon tank, high loader.
    {{-1, 4, 8, 4, 4.0f, 3.4f}, {7, 4.5f, 33, 4.5f, 2.0f, 1.7f}, {-2, 3, -18, 1.5f, 6.0f, 6.0f},
     {0, 2, 0, -4, 2.3f, 2.3f}, {7, 2, 7, -2.5f, 2.1f, 2.1f}, {3, 6, 3, 10, 2.4f, 2.4f}, {1, 13.5f}, 6.8f, 4.2f,
     {1, 12.5f}, 4.8f, 2.2f, Rgb(0x20B0A0), Rgb(0x141416), Rgb(0xE8E8EC)},
}};
// clang-format on

const Model& ModelFor(int item) {
  return kModels[static_cast<std::size_t>(std::clamp(item, 1, kMarkerModels) - 1)];
}

float UnitPixels(const MarkerFrame& at) { return std::hypot(at.Along.X, at.Along.Y); }

void AddPart(Field& f, const MarkerFrame& at, const Part& p) {
  if (p.W0 <= 0.0f) return;
  const float k = UnitPixels(at);
  const Point a = at.At(p.A0, p.U0), b = at.At(p.A1, p.U1);
  TaperedLine(f, a.X, a.Y, b.X, b.Y, p.W0 * k, p.W1 * k);
}

void AddOval(Field& f, const MarkerFrame& at, Point c, float rx, float ry) {
  if (rx <= 0.0f) return;
  const float k = UnitPixels(at);
  const Point p = at.At(c.X, c.Y);
  FillEllipse(f, p.X, p.Y, rx * k, ry * k);
}

// A point of the loader, moved as the loader grows about its foot; exact
// when the frame's Hopper is 1.
Point Grown(const MarkerFrame& at, const Model& m, Point p) {
  const float s = at.Hopper;
  return {p.X * s + m.Loader.X * (1.0f - s), p.Y * s + (m.Loader.Y - m.LoaderRy) * (1.0f - s)};
}

struct Masks {
  Field Dark, Body, Loader, Window;
};

Masks Shape(int width, int height, const MarkerFrame& at, const Model& m) {
  Masks s{Field(width, height), Field(width, height), Field(width, height), Field(width, height)};
  for (const Part* p : {&m.Barrel, &m.Tank}) AddPart(s.Dark, at, *p);
  for (const Part* p : {&m.Body, &m.Grip, &m.Foregrip, &m.Neck}) AddPart(s.Body, at, *p);
  AddOval(s.Loader, at, Grown(at, m, m.Loader), m.LoaderRx * at.Hopper, m.LoaderRy * at.Hopper);
  AddOval(s.Window, at, Grown(at, m, m.Window), m.WindowRx * at.Hopper, m.WindowRy * at.Hopper);
  return s;
}

// Balls packed in rows, as they settle in a loader, seen through its clear
// shell; their centres keep a ball's width inside it.
void PaintBalls(Image& image, const MarkerFrame& at, const Model& m, Color colour) {
  const Point c = Grown(at, m, m.Loader);
  const float r = m.LoaderRy * at.Hopper * 0.25f;
  const float rx = m.LoaderRx * at.Hopper - r, ry = m.LoaderRy * at.Hopper - r;
  for (int row = 0; row * 1.7f * r <= 2.0f * ry; ++row) {
    const float u = -ry + r * (0.3f + 1.7f * static_cast<float>(row));
    for (float a = -rx + r * static_cast<float>(row % 2); a <= rx; a += 2.0f * r) {
      if (a * a / (rx * rx) + u * u / (ry * ry) > 1.0f) continue;
      const Point p = at.At(c.X + a, c.Y + u);
      Paintball(image, p.X, p.Y, r * UnitPixels(at), colour);
    }
  }
}

void Finish(Image& image, const Field& mask, Color colour, const MarkerLook& look) {
  if (look.Finish == MarkerFinish::Outlined) {
    PaintOutlined(image, mask, colour, Rgb(0x0A0A10), 2);
  } else {
    PaintRounded(image, mask, colour, look.Bevel, {-0.5f, -0.7f, 0.5f, 4.0f}, 0.55f);
    AddLight(image, Multiplied(Rim(mask, 1, -1), mask), look.Rim, 0.45f);
  }
}

}  // namespace

Field MarkerSilhouette(int width, int height, const MarkerFrame& at, int item) {
  Masks s = Shape(width, height, at, ModelFor(item));
  for (const Field* f : {&s.Body, &s.Loader}) Maximize(s.Dark, *f);
  return s.Dark;
}

void DrawMarker(Image& image, const MarkerFrame& at, int item, const MarkerLook& look) {
  if (item <= 0) {
    // No marker: the faint outline of one, as on an empty rack.
    const Field all = MarkerSilhouette(image.Width, image.Height, at, 7);
    Paint(image, Subtracted(Dilated(all, 1), all), Rgb(0x8A8E98), 0.6f);
    return;
  }
  const Model& m = ModelFor(item);
  const Masks s = Shape(image.Width, image.Height, at, m);
  Finish(image, s.Dark, look.Metal.value_or(m.BarrelColour), look);
  Finish(image, s.Body, m.BodyColour, look);
  Finish(image, s.Loader, look.Tinted ? look.Loader : m.LoaderColour, look);
  if (look.Finish == MarkerFinish::Outlined)
    ApplyLight(image, Bevel(s.Loader, 5, -0.5f, -0.7f, 0.6f, 4.0f), s.Loader, 0.6f);
  if (look.Balls) {
    PaintBalls(image, at, m, look.Paint);
  } else {
    Paint(image, s.Window, look.Paint, 0.8f);
  }
}

Point MarkerMuzzle(const MarkerFrame& at, int item) {
  const Part& barrel = ModelFor(item).Barrel;
  return at.At(barrel.A1, barrel.U1);
}

MarkerFrame MarkerItemFrame(const Rect& box, int item) {
  // The marker's extent in figure units, from its parts and loader.
  const Model& m = ModelFor(item <= 0 ? 7 : item);
  float left = 1e9f, right = -1e9f, bottom = 1e9f, top = -1e9f;
  const auto grow = [&](float a, float u, float r) {
    left = std::min(left, a - r);
    right = std::max(right, a + r);
    bottom = std::min(bottom, u - r);
    top = std::max(top, u + r);
  };
  for (const Part* p : {&m.Body, &m.Barrel, &m.Tank, &m.Grip, &m.Foregrip, &m.Neck}) {
    if (p->W0 <= 0.0f) continue;
    grow(p->A0, p->U0, p->W0 * 0.5f);
    grow(p->A1, p->U1, p->W1 * 0.5f);
  }
  grow(m.Loader.X, m.Loader.Y, std::max(m.LoaderRx, m.LoaderRy));
  // Room for the outline and the rim.
  constexpr float kMargin = 4.0f;
  const float w = static_cast<float>(box.Right - box.Left) - 2.0f * kMargin;
  const float h = static_cast<float>(box.Bottom - box.Top) - 2.0f * kMargin;
  const float k = std::max(std::min(w / (right - left), h / (top - bottom)), 0.0f);
  const float cx = static_cast<float>(box.Left + box.Right) * 0.5f;
  const float cy = static_cast<float>(box.Top + box.Bottom) * 0.5f;
  return {{cx - (left + right) * 0.5f * k, cy + (top + bottom) * 0.5f * k}, {k, 0.0f}, {0.0f, -k}};
}

void DrawMarkerItem(Image& image, const Rect& box, int item, const MarkerLook& look) {
  DrawMarker(image, MarkerItemFrame(box, item), item, look);
}

void MuzzlePuff(Image& image, Point muzzle, float unit, float lead, int blur, Color colour) {
  Field puff(image.Width, image.Height);
  FillCircle(puff, muzzle.X + lead * unit, muzzle.Y, 2.5f * unit);
  FillCircle(puff, muzzle.X + (lead + 3.0f) * unit, muzzle.Y - unit, 1.6f * unit);
  BoxBlur(puff, blur, blur);
  Paint(image, puff, colour, 0.6f);
}

}  // namespace vantoro::art
