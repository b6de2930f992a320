// The store's other shelves: paint by the box, and the four customisations
// a marker can be fitted with, each shown close up on the store's dark card.

#include <algorithm>
#include <cmath>
#include <vector>

#include "assets/art.hpp"
#include "assets/kit_image.hpp"
#include "assets/paint.hpp"
#include "assets/recipes.hpp"

namespace vantoro::art {

namespace {

constexpr int kScale = 2;
constexpr float kS = static_cast<float>(kScale);
constexpr BigShapes kBig{kS};

// Every coordinate below is given in the final picture's pixels.

void Backdrop(Image& image, Point spot, float rx, float ry) {
  const ColorF dark = ToF(Rgb(0x0B0D13)), lit = ToF(Rgb(0x38405A));
  FillEach(image, [&](int x, int y) {
    const float fx = static_cast<float>(x) / kS, fy = static_cast<float>(y) / kS;
    return dark + lit * Falloff(fx, fy, spot.X, spot.Y, rx, ry, 1.3f);
  });
}

// A metal part: rounded and shaded over a near-black outline `outline`
// final pixels wide, which keeps it apart from what lies behind.
void Outlined(Image& image, const Field& part, Color colour, float strength, int outline = 1) {
  Paint(image, Dilated(part, outline * kScale), Rgb(0x06060A));
  kBig.Shaded(image, part, colour, strength);
}

constexpr Color kBallColours[] = {Rgb(0xFFD81E), Rgb(0xFF2A86), Rgb(0x3AE04A), Rgb(0xFF7A1A), Rgb(0x2AB8FF)};

// ---------------------------------------------------------------- paint

// A carton in three-quarter view: front face, the top and the right side.
struct Carton {
  Point FrontTopLeft;
  float Width, Height, Depth;  // the depth runs up and to the right
};

void DrawCarton(Image& image, const Carton& c, bool open, const Font& font) {
  const Point a = c.FrontTopLeft;
  const float dx = c.Depth * 0.8f, dy = -c.Depth * 0.5f, bottom = a.Y + c.Height;
  // The top's other corners: front right, back left and back right.
  const Point ar{a.X + c.Width, a.Y}, b{a.X + dx, a.Y + dy}, br{ar.X + dx, b.Y};
  const Field face = kBig.Box(image, a.X, a.Y, ar.X, bottom);
  const Field flank = kBig.Polygon(image, {ar, br, {br.X, bottom + dy}, {ar.X, bottom}});
  const Field top = kBig.Polygon(image, {a, b, br, ar});
  for (const Field* f : {&face, &flank}) Paint(image, Dilated(*f, kScale), Rgb(0x1A1008));
  Paint(image, face, Rgb(0xB8864C));
  Paint(image, flank, Rgb(0x8A6036));
  if (open) {
    // The inside of the carton, full of paint, the flaps folded out: the
    // back and left ones behind the balls, the front one over them.
    Paint(image, top, Rgb(0x3A2412));
    Paint(image, kBig.Polygon(image, {b, br, {br.X + 4.0f, br.Y - 16.0f}, {b.X - 2.0f, b.Y - 16.0f}}),
          Rgb(0xA4753F));
    Paint(image, kBig.Polygon(image, {a, b, {b.X - 12.0f, b.Y - 10.0f}, {a.X - 14.0f, a.Y - 8.0f}}),
          Rgb(0xC89658));
    Random rng(0x9A1);
    for (int row = 0; row < 4; ++row) {
      for (int i = 0; i < 9; ++i) {
        const float u = (static_cast<float>(i) + 0.5f) / 9.0f, v = (static_cast<float>(row) + 0.5f) / 4.0f;
        const float x = a.X + c.Width * u + dx * (1.0f - v) + rng.Range(-1.5f, 1.5f);
        const float y = a.Y + dy * (1.0f - v) - 2.0f + rng.Range(-1.5f, 1.0f);
        Paintball(image, x * kS, y * kS, 4.2f * kS, kBallColours[rng.Below(2)]);
      }
    }
    const Field flap = kBig.Polygon(image, {a, ar, {ar.X + 4.0f, a.Y + 14.0f}, {a.X - 4.0f, a.Y + 14.0f}});
    Paint(image, flap, Rgb(0xC89658));
    Paint(image, flap, Rgb(0x000000), 0.15f);
  } else {
    Paint(image, top, Rgb(0xD2A266));
    // Tape along the middle of the lid.
    const float tx = dx * 0.5f, ty = a.Y + dy * 0.5f;
    Paint(image, kBig.Line(image, {a.X + tx, ty}, {a.X + c.Width + tx, ty}, 3.0f), Rgb(0xC8B890), 0.8f);
  }
  // The maker's splat and the count on the front.
  Random rng(0x9A7 + static_cast<std::uint64_t>(a.X));
  Field splat(image.Width, image.Height);
  Splat(splat, rng, (a.X + 14.0f) * kS, (a.Y + c.Height * 0.55f) * kS,
        {.Radius = 6.0f * kS, .Arms = 8, .Droplets = 5, .Spread = 2.0f});
  WetPaint(image, Multiplied(splat, Eroded(face, kScale)), Rgb(0xFF2A86), kScale, 0.5f);
  Paint(image, kBig.Text(image, {a.X + 26.0f, a.Y + c.Height * 0.3f}, "2000", font), Rgb(0x241408), 0.85f);
  ApplyLight(image, Bevel(face, kScale, -0.5f, -0.7f, 0.6f, 2.0f), face, 0.3f);
}

void DrawPod(Image& image, Point a, Point b) {
  kBig.GroundShadow(image, {(a.X + b.X) * 0.5f + 4.0f, std::max(a.Y, b.Y) + 8.0f}, 34.0f, 4.0f, 4, 0.75f);
  const Field tube = kBig.Line(image, a, b, 15.0f);
  PaintOutlined(image, tube, Rgb(0x2A3A50), Rgb(0x101018), kScale);
  for (int i = 0; i < 5; ++i) {
    const float k = (static_cast<float>(i) + 0.7f) / 6.2f;
    const Point c{a.X + (b.X - a.X) * k, a.Y + (b.Y - a.Y) * k};
    Paintball(image, c.X * kS, c.Y * kS, 6.0f * kS, Rgb(0xFFD81E));
  }
  // Smoky clear plastic over the balls, with a long highlight.
  Paint(image, tube, Rgb(0x4A6A8A), 0.3f);
  const float nx = -(b.Y - a.Y), ny = b.X - a.X, len = std::hypot(nx, ny);
  const Point off{nx / len * -4.5f, ny / len * -4.5f};
  AddLight(image, kBig.Line(image, {a.X + off.X, a.Y + off.Y}, {b.X + off.X, b.Y + off.Y}, 1.6f),
           Rgb(0xFFFFFF), 0.5f);
  const Field cap = kBig.Line(image, {b.X - (b.X - a.X) * 0.06f, b.Y - (b.Y - a.Y) * 0.06f}, b, 17.0f);
  kBig.Shaded(image, cap, Rgb(0xE02030), 0.55f);
}

void DrawPaint(Image& image, FontLibrary& fonts) {
  Backdrop(image, {135.0f, 120.0f}, 170.0f, 120.0f);
  // The shop counter.
  PaintVertical(image, kBig.Box(image, 0, 150, 270, 199),
                Gradient{{0.0f, Rgb(0x3A2A1E)}, {1.0f, Rgb(0x120C08)}}, 150.0f * kS, 199.0f * kS);
  Paint(image, kBig.Line(image, {0, 150}, {270, 150}, 1.2f), Rgb(0x6A5240));
  const Font& font = fonts.Get("Arial", FontSize::Pixels(12 * kScale), true);
  kBig.GroundShadow(image, {72, 160}, 70, 6, 4, 0.75f);
  DrawCarton(image, {{14, 96}, 86, 58, 34}, false, font);
  DrawCarton(image, {{22, 44}, 72, 50, 30}, false, font);
  kBig.GroundShadow(image, {178, 162}, 64, 6, 4, 0.75f);
  DrawCarton(image, {{136, 100}, 78, 56, 32}, true, font);
  // Balls spilled over the front flap and across the counter.
  Random rng(0x9A3);
  const Point spill[] = {{132, 162}, {146, 168}, {160, 164}, {118, 171}, {176, 172}, {196, 168},
                         {106, 180}, {226, 176}, {140, 184}, {208, 186}, {90, 189},  {240, 166}};
  for (const Point& s : spill) {
    kBig.GroundShadow(image, {s.X + 2.0f, s.Y + 4.0f}, 5.5f, 1.8f, 4, 0.6f);
    Paintball(image, s.X * kS, s.Y * kS, 4.4f * kS, kBallColours[rng.Below(5)]);
  }
  DrawPod(image, {184, 188}, {254, 178});
}

// ---------------------------------------------------------------- customisations

// The end of a marker seen side-on at the bottom of a close-up.
void MarkerBody(Image& image, float top, Color colour) {
  const Point body[] = {{-10, top}, {150, top}, {158, top + 8}, {158, top + 30}, {-10, top + 30}};
  Outlined(image, kBig.Polygon(image, body), colour, 0.55f);
  Paint(image, kBig.Line(image, {-10, top + 12}, {150, top + 12}, 1.0f), Rgb(0x000000), 0.4f);
}

void DrawLightningLoader(Image& image) {
  Backdrop(image, {100, 70}, 110, 90);
  MarkerBody(image, 122, Rgb(0x3A3E48));
  kBig.Shaded(image, kBig.Polygon(image, {{84, 96}, {110, 96}, {106, 124}, {88, 124}}), Rgb(0x202228), 0.55f);
  // The shell: a low, fast loader, swept back.
  const Point shell[] = {{40, 60}, {70, 28}, {130, 20}, {172, 34}, {178, 64}, {150, 96}, {60, 100}};
  std::vector<Point> hopper;
  const std::size_t n = std::size(shell);
  for (std::size_t i = 0; i < n; ++i) {
    // A quadratic from the middle of one edge to the middle of the next
    // rounds every corner.
    const Point p0 = shell[i], p1 = shell[(i + 1) % n], prev = shell[(i + n - 1) % n];
    const Point m0{(prev.X + p0.X) * 0.5f, (prev.Y + p0.Y) * 0.5f},
        m1{(p0.X + p1.X) * 0.5f, (p0.Y + p1.Y) * 0.5f};
    for (int s = 0; s < 6; ++s) {
      const float t = static_cast<float>(s) / 6.0f, u = 1.0f - t;
      hopper.push_back(
          {u * u * m0.X + 2 * u * t * p0.X + t * t * m1.X, u * u * m0.Y + 2 * u * t * p0.Y + t * t * m1.Y});
    }
  }
  Outlined(image, kBig.Polygon(image, hopper), Rgb(0x1A2440), 0.7f, 2);
  // A window onto the balls racing down.
  const Field window = kBig.Ellipse(image, {78, 70}, 16, 14);
  Paint(image, window, Rgb(0x0A0C10));
  for (const Point b : {Point{70, 64}, Point{84, 62}, Point{76, 77}, Point{90, 74}})
    Paintball(image, b.X * kS, b.Y * kS, 5.4f * kS, Rgb(0xFFD81E));
  Paint(image, window, Rgb(0x6080B0), 0.25f);
  // The bolt, with a hot glow.
  const Point bolt[] = {{128, 26}, {104, 62}, {120, 60}, {98, 96}, {146, 50}, {128, 52}, {146, 26}};
  const Field lightning = kBig.Polygon(image, bolt);
  Glow(image, lightning, Rgb(0xFFB020), 7 * kScale, 0.9f);
  Paint(image, Dilated(lightning, kScale), Rgb(0x2A1400));
  const Gradient hot{{0.0f, Rgb(0xFFFBD0)}, {0.5f, Rgb(0xFFD81E)}, {1.0f, Rgb(0xFF8A10)}};
  PaintVertical(image, lightning, hot, 26.0f * kS, 96.0f * kS);
  // Speed lines streaming off the back.
  for (int i = 0; i < 4; ++i) {
    const float y = 40.0f + 14.0f * static_cast<float>(i);
    AddLight(image, kBig.Line(image, {8.0f + 6.0f * static_cast<float>(i % 2), y}, {34.0f, y + 2.0f}, 1.4f),
             Rgb(0x8AB0FF), 0.5f);
  }
}

void DrawMilledBody(Image& image) {
  Backdrop(image, {100, 70}, 110, 90);
  const Field block =
      kBig.Polygon(image, {{12, 46}, {176, 46}, {190, 58}, {190, 100}, {176, 110}, {12, 110}});
  kBig.GroundShadow(image, {104, 122}, 90, 6, 4, 0.75f);
  Outlined(image, block, Rgb(0xC02A36), 0.5f);
  // Machined faces catch light in bright bands.
  Paint(image, Multiplied(kBig.Box(image, 12, 52, 190, 58), block), Rgb(0xFF7070), 0.35f);
  Field cuts(image.Width, image.Height), lips(image.Width, image.Height);
  // Each slot's left and right end, its row and its width.
  const float slots[][4] = {
      {30, 80, 70, 10}, {100, 150, 70, 10}, {30, 60, 92, 7}, {76, 106, 92, 7}, {122, 152, 92, 7}};
  for (const auto& [left, right, y, w] : slots) {
    kBig.Line(cuts, {left, y}, {right, y}, w);
    kBig.Line(lips, {left, y + w * 0.5f}, {right, y + w * 0.5f}, 1.0f);
  }
  for (const float x : {168.0f, 176.0f}) Maximize(cuts, kBig.Ellipse(image, {x, 78}, 3.2f, 3.2f));
  // The cut-outs: dark, with a bright machined lip below each.
  AddLight(image, Subtracted(lips, cuts), Rgb(0xFFD0D0), 0.7f);
  Paint(image, cuts, Rgb(0x140406));
  Paint(image, Multiplied(Shifted(cuts, 0, 2 * kScale), cuts), Rgb(0x000000), 0.6f);
  Glint(image, 60 * kS, 52 * kS, 10 * kS, {.Width = 1.6f * kS, .Core = 1.4f * kS, .HaloStrength = 0.4f});
}

void DrawMuzzleBrake(Image& image) {
  Backdrop(image, {110, 80}, 110, 90);
  Outlined(image, kBig.Line(image, {-10, 84}, {120, 84}, 14), Rgb(0x2A2C32), 0.55f);
  const Point brake[] = {{116, 72}, {170, 72}, {174, 76}, {174, 92}, {170, 96}, {116, 96}};
  Outlined(image, kBig.Polygon(image, brake), Rgb(0x6A6E78), 0.7f);
  Field ports(image.Width, image.Height);
  for (float x = 126.0f; x < 170.0f; x += 11.0f) kBig.Line(ports, {x, 75}, {x + 4.0f, 75}, 3.2f);
  Paint(image, ports, Rgb(0x050507));
  // Gas venting up out of the ports, and a ball leaving the muzzle.
  Field gas(image.Width, image.Height);
  for (float x = 128.0f; x < 172.0f; x += 11.0f)
    for (float k = 0.0f; k < 4.0f; k += 1.0f)
      FillCircle(gas, (x + k * 2.0f) * kS, (66.0f - k * 9.0f) * kS, (3.0f + k * 2.2f) * kS, 1.0f - k * 0.2f);
  Glow(image, gas, Rgb(0xC8D4E8), 3 * kScale, 0.6f);
  Glow(image, kBig.Ellipse(image, {180, 84}, 10, 6), Rgb(0xC8D4E8), 3 * kScale, 0.5f);
  Paintball(image, 192 * kS, 84 * kS, 6.0f * kS, Rgb(0xFF2A86));
}

void DrawDotScope(Image& image) {
  Backdrop(image, {110, 60}, 90, 60);
  MarkerBody(image, 110, Rgb(0x4A6A8A));
  // The rail it clamps to.
  Field rail(image.Width, image.Height);
  for (float x = 40.0f; x < 160.0f; x += 12.0f) Maximize(rail, kBig.Box(image, x, 102, x + 8, 110));
  kBig.Shaded(image, rail, Rgb(0x18191E), 0.55f);
  kBig.Shaded(image, kBig.Polygon(image, {{66, 84}, {134, 84}, {138, 104}, {62, 104}}), Rgb(0x202228), 0.55f);
  // The tube, with a wider objective bell at the front.
  Field sight = kBig.Line(image, {46, 66}, {150, 66}, 30);
  Maximize(sight, kBig.Polygon(image, {{132, 44}, {178, 40}, {178, 92}, {132, 88}}));
  Outlined(image, sight, Rgb(0x4A4E58), 0.7f);
  kBig.Shaded(image, kBig.Box(image, 88, 40, 108, 52), Rgb(0x3A3C44), 0.55f);
  // The lens seen end-on at an angle, the red dot in it.
  const Field lens = kBig.Ellipse(image, {178, 66}, 9, 25);
  PaintVertical(image, lens, Gradient{{0.0f, Rgb(0x60406A)}, {0.5f, Rgb(0x1A1030)}, {1.0f, Rgb(0x402038)}},
                41 * kS, 91 * kS);
  const Field dot = kBig.Ellipse(image, {177, 62}, 2.4f, 3.0f);
  Glow(image, dot, Rgb(0xFF2020), 8 * kScale, 1.3f);
  Paint(image, dot, Rgb(0xFFD0C0));
  AddLight(image, kBig.Line(image, {50, 55}, {146, 55}, 2.0f), Rgb(0xFFFFFF), 0.3f);
}

}  // namespace

Image DrawPaintPicture(FontLibrary& fonts) {
  return Supersampled(270, 199, kScale, [&](Image& image) { DrawPaint(image, fonts); });
}

Image DrawCustomisation(FontLibrary& /*fonts*/, int n) {
  constexpr void (*kCustomisations[])(Image&) = {DrawLightningLoader, DrawMilledBody, DrawMuzzleBrake,
                                                 DrawDotScope};
  return Supersampled(200, 150, kScale, kCustomisations[std::clamp(n, 1, 4) - 1]);
}

}  // namespace vantoro::art
