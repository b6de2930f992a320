// The team's clubhouse: the building by the field from outside, and the
// room inside with the spots where the team's fittings go. The game draws
// each fitting over the room, so a fitting's picture is the room with that
// fitting in it, cut out along the fitting's box: whatever the fitting does
// not cover is the room itself, and the cut never shows.

#include <algorithm>
#include <cmath>

#include "assets/art.hpp"
#include "assets/kit_image.hpp"
#include "assets/kit_splats.hpp"
#include "assets/paint.hpp"
#include "assets/recipes.hpp"

namespace vantoro::art {

namespace {

constexpr int kScale = 2;
constexpr float kS = static_cast<float>(kScale);
constexpr BigShapes kBig{kS};
constexpr int kRoomW = 270, kRoomH = 192;
constexpr float kFloor = 104.0f;  // where the back wall meets the floor

void Outlined(Image& image, const Field& mask, Color colour, float strength = 0.5f) {
  Paint(image, Dilated(mask, kScale / 2 + 1), Rgb(0x0C0A0A));
  kBig.Shaded(image, mask, colour, strength, 2);
}

// A soft shadow kept inside the fitting's box, so the cut stays clean.
void FloorShadow(Image& image, Point c, float rx, float ry, float opacity = 0.6f) {
  GroundShadow(image, c.X * kS, c.Y * kS, rx * kS, ry * kS, kScale / 2, opacity, Rgb(0x000000), 2);
}

// ---------------------------------------------------------------- the room

void DrawWalls(Image& image) {
  const Noise plaster(0xC1B);
  const ColorF wall = ToF(Rgb(0x7C6A58)), panel = ToF(Rgb(0x5A3A22)), floor = ToF(Rgb(0x8A5A34));
  FillEach(image, [&](int x, int y) {
    const float fx = static_cast<float>(x) / kS, fy = static_cast<float>(y) / kS;
    if (fy < kFloor) {
      const float n = plaster.Fbm(fx / 9.0f, fy / 9.0f, 3);
      const ColorF c = fy < 76.0f ? wall * (0.86f + 0.16f * n) : panel * (0.9f + 0.12f * n);
      // Light falls from the window and the lamp over the middle.
      return c * (0.7f + 0.45f * Falloff(fx, fy, 170.0f, 40.0f, 150.0f, 110.0f));
    }
    // Floorboards running away from us towards a point above the room.
    const float depth = (fy - kFloor) / (kRoomH - kFloor);
    const float across = (fx - 135.0f) / (0.35f + depth) + 135.0f;
    const float gap = std::fmod(across + 1000.0f, 16.0f) < 0.8f ? 0.6f : 1.0f;
    const float grain = 0.9f + 0.12f * plaster.Fbm(across / 2.0f, fy / 30.0f, 3);
    return floor * (gap * grain * (0.75f + 0.35f * (1.0f - depth)));
  });
  // Trim: the top of the panelling and the skirting.
  Paint(image, kBig.Box(image, 0, 74, kRoomW, 77), Rgb(0x3A2414));
  Paint(image, kBig.Box(image, 0, kFloor - 3, kRoomW, kFloor + 1), Rgb(0x2A1A10));
  for (float x = 20.0f; x < kRoomW; x += 34.0f)
    Paint(image, kBig.Box(image, x, 78, x + 1, 101), Rgb(0x2E1C10), 0.6f);
}

void DrawWindow(Image& image) {
  const float x0 = 128, y0 = 14, x1 = 184, y1 = 58;
  Paint(image, kBig.Box(image, x0 - 3, y0 - 3, x1 + 3, y1 + 4), Rgb(0xE6E0D4));
  const Gradient view{
      {0.0f, Rgb(0x5A9AE0)}, {0.55f, Rgb(0xB8D8F0)}, {0.56f, Rgb(0x3A7A30)}, {1.0f, Rgb(0x2A6424)}};
  PaintVertical(image, kBig.Box(image, x0, y0, x1, y1), view, y0 * kS, y1 * kS);
  // The field outside: a bunker and the netting's posts.
  Paint(image, kBig.Ellipse(image, {144, 44}, 6, 4.5f), Rgb(0xE02A2A));
  Paint(image, kBig.Ellipse(image, {170, 46}, 4.5f, 3.5f), Rgb(0x2A60E0));
  Field net(image.Width, image.Height);
  for (float x = x0 + 4.0f; x < x1; x += 5.0f) kBig.Line(net, {x, y0 + 8}, {x, y1}, 0.3f);
  for (float y = y0 + 8.0f; y < y1; y += 5.0f) kBig.Line(net, {x0, y}, {x1, y}, 0.3f);
  Paint(image, net, Rgb(0x1A1A1A), 0.4f);
  Paint(image, kBig.Box(image, (x0 + x1) * 0.5f - 1.5f, y0, (x0 + x1) * 0.5f + 1.5f, y1), Rgb(0xE6E0D4));
  Paint(image, kBig.Box(image, x0, 34, x1, 36), Rgb(0xE6E0D4));
  Paint(image, kBig.Box(image, x0 - 5, y1 + 3, x1 + 5, y1 + 6), Rgb(0xC8C0B0));
}

void DrawPosters(Image& image, FontLibrary& fonts) {
  // A team poster: a big splat and the club's initials.
  Paint(image, kBig.Box(image, 5, 15, 30, 53), Rgb(0x141418));
  Paint(image, kBig.Box(image, 6, 16, 29, 52), Rgb(0xF0E8D8));
  Random rng(0xC1A);
  Field splat(image.Width, image.Height);
  Splat(splat, rng, 17.5f * kS, 30.0f * kS, {.Radius = 6.5f * kS, .Arms = 8, .Droplets = 6, .Spread = 2.0f});
  WetPaint(image, Multiplied(splat, kBig.Box(image, 6, 16, 29, 52)), Rgb(0xE0207A), kScale, 0.6f);
  const Font& font = fonts.Get("Arial", FontSize::Pixels(8 * kScale), true);
  Paint(image, TextMask(image.Width, image.Height, 9 * kScale, 41 * kScale, "VNT", font), Rgb(0x1A1A40));
  // A tournament poster: a player's silhouette on orange.
  Paint(image, kBig.Box(image, 234, 14, 262, 58), Rgb(0x141418));
  PaintVertical(image, kBig.Box(image, 235, 15, 261, 57),
                Gradient{{0.0f, Rgb(0xFFB040)}, {1.0f, Rgb(0xD0401A)}}, 15 * kS, 57 * kS);
  Field figure = kBig.Ellipse(image, {246, 26}, 3.5f, 3.5f);
  kBig.Line(figure, {246, 30}, {244, 42}, 5);
  kBig.Line(figure, {244, 42}, {240, 53}, 2.5f);
  kBig.Line(figure, {244, 42}, {250, 52}, 2.5f);
  kBig.Line(figure, {246, 33}, {256, 32}, 2);
  Paint(image, figure, Rgb(0x1A1010));
  Paint(image, kBig.Box(image, 237, 17, 259, 20), Rgb(0xFFF0C0), 0.8f);
}

// A hanging lamp over where the pool table goes.
void DrawLamp(Image& image) {
  Paint(image, kBig.Line(image, {210, 0}, {210, 62}, 0.8f), Rgb(0x1A1A1A));
  Outlined(image, kBig.Polygon(image, {{198, 70}, {222, 70}, {216, 62}, {204, 62}}), Rgb(0x2A6A3A));
  GlowingCore(image, kBig.Ellipse(image, {210, 70.5f}, 8, 1.5f), Rgb(0xFFD890), 10 * kScale, 0.6f,
              Rgb(0xFFF6D8));
}

// The fridge's shelf, bracketed to the wall above the snack machine's spot.
void DrawShelf(Image& image) {
  Outlined(image, kBig.Box(image, 97, 61, 133, 65), Rgb(0x7A4E2A));
  for (const float x : {102.0f, 128.0f})
    Paint(image, kBig.Polygon(image, {{x - 1, 65}, {x + 1, 65}, {x + 1, 71}}), Rgb(0x2A2A2E));
}

// A couch in the foreground, its back to us, facing the television.
void DrawCouch(Image& image) {
  const Color fabric = Rgb(0x3A4E7A);
  FloorShadow(image, {70, 190}, 70, 8, 0.7f);
  Field back = kBig.Box(image, 18, 160, 122, 200);
  for (const float cx : {36.0f, 70.0f, 104.0f}) Maximize(back, kBig.Ellipse(image, {cx, 160}, 18, 8));
  Outlined(image, back, fabric, 0.6f);
  for (const float x : {10.0f, 130.0f}) {
    Field arm = kBig.Ellipse(image, {x, 166}, 9, 7);
    Maximize(arm, kBig.Box(image, x - 9, 166, x + 9, 200));
    Outlined(image, arm, ToColor(ToF(fabric) * 0.85f), 0.6f);
  }
  for (const float x : {53.0f, 87.0f})
    Paint(image, kBig.Line(image, {x, 156}, {x, 168}, 0.8f), Rgb(0x141C30), 0.7f);
  Paint(image, kBig.Line(image, {19, 174}, {121, 174}, 0.8f), Rgb(0x141C30), 0.6f);
  AddLight(image, kBig.Line(image, {24, 155}, {116, 155}, 1.2f), Rgb(0xA0B8FF), 0.2f);
  Outlined(image, kBig.Polygon(image, {{100, 156}, {116, 148}, {122, 158}, {106, 164}}), Rgb(0xE0A02A));
}

// ---------------------------------------------------------------- fittings

void DrawTelevision(Image& image) {
  Paint(image, kBig.Box(image, 60, 60, 70, 64), Rgb(0x2A2A2E));
  Outlined(image, kBig.Box(image, 43, 34, 87, 61), Rgb(0x2E3036));
  const Field screen = kBig.Box(image, 47, 37, 77, 58);
  const Gradient view{
      {0.0f, Rgb(0x6AB0F0)}, {0.6f, Rgb(0x9AD0FF)}, {0.61f, Rgb(0x3AA040)}, {1.0f, Rgb(0x2A7A30)}};
  PaintVertical(image, screen, view, 37 * kS, 58 * kS);
  // A game on the screen: two bunkers and a player.
  Paint(image, kBig.Ellipse(image, {55, 51}, 3.5f, 2.5f), Rgb(0xE02A2A));
  Paint(image, kBig.Ellipse(image, {70, 52}, 3, 2), Rgb(0x2A60E0));
  Paint(image, kBig.Line(image, {63, 46}, {63, 52}, 1.6f), Rgb(0x1A1A1A));
  Paint(image, kBig.Ellipse(image, {63, 45}, 1.2f, 1.2f), Rgb(0x1A1A1A));
  AddLight(image, Multiplied(kBig.Line(image, {47, 42}, {62, 37}, 4.0f), screen), Rgb(0xFFFFFF), 0.25f);
  Paint(image, kBig.Box(image, 79, 38, 85, 54), Rgb(0x141418));
  for (float y = 39.5f; y < 54.0f; y += 2.0f)
    Paint(image, kBig.Box(image, 79.5f, y, 84.5f, y + 0.8f), Rgb(0x3A3C44));
  Paint(image, kBig.Ellipse(image, {82, 57}, 1, 1), Rgb(0x40FF60));
}

void DrawCooler(Image& image) {
  FloorShadow(image, {46, 112}, 14, 2.2f);
  const Field front = kBig.Box(image, 30, 78, 58, 113);
  Outlined(image, front, Rgb(0x2A6ACA));
  Outlined(image, kBig.Polygon(image, {{58, 78}, {61, 74}, {61, 109}, {58, 113}}), Rgb(0x1A4A94));
  Outlined(image, kBig.Polygon(image, {{30, 78}, {36, 71}, {61, 71}, {61, 78}}), Rgb(0xF0F0F0));
  Paint(image, kBig.Box(image, 30, 78, 58, 81), Rgb(0xD8D8DC));
  Paint(image, kBig.Box(image, 41, 80, 47, 82), Rgb(0x202024));
  // The logo: a ball bursting into a splat.
  Random rng(0xC0F);
  Field splat(image.Width, image.Height);
  Splat(splat, rng, 44 * kS, 96 * kS, {.Radius = 5.0f * kS, .Arms = 9, .Droplets = 4, .Spread = 1.7f});
  WetPaint(image, Multiplied(splat, Eroded(front, kScale)), Rgb(0xFFD81E), kScale, 0.6f);
  Paintball(image, 44 * kS, 96 * kS, 3.2f * kS, Rgb(0xFF2A86));
}

void DrawSnackMachine(Image& image) {
  FloorShadow(image, {107, 128.5f}, 13, 1.2f);
  Outlined(image, kBig.Box(image, 91, 67, 122, 129), Rgb(0xC0202A));
  Paint(image, kBig.Box(image, 93, 69, 120, 74), Rgb(0xFFE8A0));
  const Field glass = kBig.Box(image, 93, 76, 115, 112);
  Paint(image, glass, Rgb(0x101418));
  constexpr Color kSnacks[] = {Rgb(0xFFD81E), Rgb(0x2AA0FF), Rgb(0xFF7A1A), Rgb(0x3AD04A), Rgb(0xE040A0)};
  for (int row = 0; row < 4; ++row) {
    const float y = 78.0f + 9.0f * static_cast<float>(row);
    for (int i = 0; i < 4; ++i) {
      const float x = 94.5f + 5.2f * static_cast<float>(i);
      kBig.Shaded(image, kBig.Box(image, x, y, x + 4, y + 6), kSnacks[(row * 2 + i) % 5], 0.4f, 1);
    }
    Paint(image, kBig.Box(image, 93, y + 6.5f, 115, y + 7.2f), Rgb(0xA0A4AC));
  }
  AddLight(image, Multiplied(kBig.Line(image, {96, 112}, {112, 76}, 3), glass), Rgb(0xFFFFFF), 0.25f);
  Paint(image, kBig.Box(image, 116, 78, 120, 96), Rgb(0x202228));
  Paint(image, kBig.Box(image, 116.8f, 80, 119.2f, 84), Rgb(0x40E060));
  Paint(image, kBig.Box(image, 117.5f, 88, 118.5f, 93), Rgb(0x000000));
  Paint(image, kBig.Box(image, 95, 116, 119, 124), Rgb(0x101012));
}

void DrawPoolTable(Image& image) {
  FloorShadow(image, {195, 128.5f}, 46, 1.2f, 0.7f);
  for (const float x : {155.0f, 195.0f, 235.0f})
    Outlined(image, kBig.Box(image, x - 3, 112, x + 3, 129), Rgb(0x4A2A14));
  Outlined(image, kBig.Polygon(image, {{157, 84}, {233, 84}, {243, 104}, {147, 104}}), Rgb(0x6A3A1A), 0.5f);
  Outlined(image, kBig.Box(image, 147, 104, 243, 113), Rgb(0x5A3016));
  Paint(image, kBig.Polygon(image, {{161, 87}, {229, 87}, {237, 101}, {153, 101}}), Rgb(0x1A7A3A));
  Paint(image, kBig.Ellipse(image, {195, 94}, 30, 6), Rgb(0x2A9A4A), 0.5f);
  const Point pockets[] = {{161, 87}, {229, 87}, {195, 86.5f}, {153, 101}, {237, 101}, {195, 101.5f}};
  for (const Point p : pockets) Paint(image, kBig.Ellipse(image, p, 2.2f, 1.4f), Rgb(0x050505));
  // The rack broken, the cue ball down the table, and the cue.
  constexpr Color kBalls[] = {Rgb(0xFFD020), Rgb(0x2040D0), Rgb(0xE02020), Rgb(0x6020A0),
                              Rgb(0xFF7010), Rgb(0x108030), Rgb(0x801010), Rgb(0x101010)};
  const Point at[] = {{208, 92}, {212, 95}, {204, 96}, {216, 91}, {210, 98}, {200, 91}, {219, 97}, {206, 89}};
  for (int i = 0; i < 8; ++i) Paintball(image, at[i].X * kS, at[i].Y * kS, 1.9f * kS, kBalls[i]);
  Paintball(image, 174 * kS, 95 * kS, 1.9f * kS, Rgb(0xF4F4F0));
  Outlined(image, kBig.Line(image, {150, 108}, {171, 96}, 1.4f), Rgb(0xD8B070));
}

void DrawBeerFridge(Image& image) {
  Outlined(image, kBig.Box(image, 102, 38, 128, 59.8f), Rgb(0x2A2C32));
  const Field door = kBig.Box(image, 104, 40, 122, 59);
  Paint(image, door, Rgb(0x0E1218));
  // The fridge is only 30 pixels wide on screen, so every bottle, label
  // and shelf sits on whole pixels: anything finer shrinks to a smear.
  for (int shelf = 0; shelf < 2; ++shelf) {
    const float y = 41.0f + 9.0f * static_cast<float>(shelf);
    for (int i = 0; i < 4; ++i) {
      const float x = 106.0f + 4.0f * static_cast<float>(i);
      const Color glass = (i + shelf) % 2 == 0 ? Rgb(0x8A4A10) : Rgb(0x2A7A2A);
      Paint(image, kBig.Box(image, x, y + 2, x + 3, y + 8), glass);
      Paint(image, kBig.Box(image, x + 1, y, x + 2, y + 2), glass);
      Paint(image, kBig.Box(image, x, y + 4, x + 3, y + 6), Rgb(0xF0E0B0), 0.8f);
    }
    Paint(image, kBig.Box(image, 104, y + 8, 122, y + 9), Rgb(0x8A9098));
  }
  Glow(image, door, Rgb(0x80C0FF), kScale, 0.15f);
  AddLight(image, Multiplied(kBig.Line(image, {106, 59}, {118, 40}, 2), door), Rgb(0xFFFFFF), 0.2f);
  Paint(image, kBig.Box(image, 124, 42, 126, 56), Rgb(0xB8BCC4));
}

struct Fitting {
  int X, Y, Width, Height;  // on the room
  void (*Draw)(Image& image);
  float Sharpen = 0.0f;  // how much the crop's edges are crisped after shrinking
};

// Their screen points less the room's own (170, 162).
constexpr Fitting kFittings[] = {
    {40, 32, 50, 34, DrawTelevision},        {28, 67, 35, 50, DrawCooler},
    {85, 62, 40, 70, DrawSnackMachine},      {145, 77, 100, 55, DrawPoolTable},
    {100, 36, 30, 26, DrawBeerFridge, 0.7f},
};

Image Room(FontLibrary& fonts, const Fitting* with) {
  return Supersampled(kRoomW, kRoomH, kScale, [&](Image& image) {
    DrawWalls(image);
    DrawWindow(image);
    DrawPosters(image, fonts);
    DrawShelf(image);
    DrawLamp(image);
    DrawCouch(image);
    if (with != nullptr) with->Draw(image);
  });
}

// ---------------------------------------------------------------- outside

void DrawOutside(Image& image, FontLibrary& fonts) {
  constexpr float kHorizon = 122.0f;
  const Gradient sky{
      {0.0f, Rgb(0x1A3A7A)}, {0.6f, Rgb(0x5A7AB0)}, {0.9f, Rgb(0xE8A070)}, {1.0f, Rgb(0xFFC080)}};
  FillLinear(image, 0, 0, 0, kHorizon * kS, sky);
  // Trees along the far side and the grass of the field.
  const Noise crowns(0x4C1);
  Paint(image,
        TreeLine(image.Width, image.Height, crowns, kHorizon * kS, 8.0f * kS, 10.0f * kS, 14.0f * kS, 3),
        Rgb(0x1A3020));
  PaintVertical(image, kBig.Box(image, 0, kHorizon, 270, 199),
                Gradient{{0.0f, Rgb(0x4A8A3A)}, {1.0f, Rgb(0x2A5A22)}}, kHorizon * kS, 199 * kS);
  // Bunkers on the field behind the netting.
  Outlined(image, kBig.Ellipse(image, {206, 132}, 10, 7), Rgb(0xE02A2A));
  Outlined(image, kBig.Polygon(image, {{226, 142}, {236, 122}, {246, 142}}), Rgb(0x2A60E0));
  Outlined(image, kBig.Ellipse(image, {256, 134}, 7, 6), Rgb(0xFFD81E));
  Outlined(image, kBig.Box(image, 180, 134, 194, 142), Rgb(0xE0E0E0));
  // The netting on its poles.
  Field net(image.Width, image.Height), poles(image.Width, image.Height);
  for (float x = 170.0f; x < 272.0f; x += 4.0f) kBig.Line(net, {x, 64}, {x, 150}, 0.35f);
  for (float y = 64.0f; y < 150.0f; y += 4.0f) kBig.Line(net, {168, y}, {270, y}, 0.35f);
  for (const float x : {170.0f, 220.0f, 268.0f}) kBig.Line(poles, {x, 58}, {x, 152}, 2.2f);
  Paint(image, net, Rgb(0x101418), 0.5f);
  Outlined(image, poles, Rgb(0x6A6E76));
  // The building: plank walls, a pitched roof, a lit window and door.
  const Field walls = kBig.Box(image, 14, 86, 160, 160);
  PaintOutlined(image, walls, Rgb(0x8A6440), Rgb(0x140C08), kScale);
  for (float y = 90.0f; y < 160.0f; y += 5.0f)
    Paint(image, kBig.Box(image, 14, y, 160, y + 0.7f), Rgb(0x4A3420), 0.7f);
  ApplyLight(image, Bevel(walls, 4 * kScale, -0.5f, -0.7f, 0.5f, 2.0f), walls, 0.3f);
  Outlined(image, kBig.Polygon(image, {{4, 90}, {87, 46}, {170, 90}}), Rgb(0x5A2A24), 0.4f);
  Paint(image, kBig.Line(image, {4, 90}, {170, 90}, 2.0f), Rgb(0x2A140E));
  for (const float x : {30.0f, 118.0f}) {
    const Field window = kBig.Box(image, x, 104, x + 26, 128);
    Paint(image, Dilated(window, 2 * kScale), Rgb(0xE6E0D4));
    Glow(image, window, Rgb(0xFFB040), 8 * kScale, 0.5f);
    PaintVertical(image, window, Gradient{{0.0f, Rgb(0xFFE8A0)}, {1.0f, Rgb(0xFFA040)}}, 104 * kS, 128 * kS);
    Paint(image, kBig.Box(image, x + 12, 104, x + 14, 128), Rgb(0xE6E0D4));
  }
  Outlined(image, kBig.Box(image, 74, 110, 100, 160), Rgb(0x4A2A18));
  Paint(image, kBig.Ellipse(image, {95, 136}, 1.3f, 1.3f), Rgb(0xE0C060));
  // The sign over the door.
  Outlined(image, kBig.Box(image, 50, 90, 124, 106), Rgb(0x1A1A24), 0.3f);
  const Font& font = fonts.Get("Arial", FontSize::Pixels(11 * kScale), true);
  Paint(image, CentredText(image.Width, image.Height, 87 * kScale, 92 * kScale, "CLUBHOUSE", font, kScale),
        Rgb(0xFFD81E));
  // Paint the team has left on the walls.
  Random rng(0x4C7);
  const ThrownSplat splats[] = {{22 * kS, 146 * kS, 5 * kS, Rgb(0xFF2A86), 0.2f, 1},
                                {142 * kS, 140 * kS, 4 * kS, Rgb(0x3AE04A), 3.0f, 1},
                                {110 * kS, 150 * kS, 3 * kS, Rgb(0xFFD81E), 2.0f, 0}};
  Image painted = image;
  ScatterSplats(painted, rng, splats, {.Shape = {.Arms = 8, .Droplets = 6}, .Bevel = kScale, .Gloss = 0.6f});
  Blend(image, painted, Eroded(walls, kScale));
  // A path to the door.
  Paint(image, kBig.Polygon(image, {{76, 160}, {98, 160}, {120, 199}, {50, 199}}), Rgb(0xB8A080), 0.8f);
  Vignette(image, 0.25f);
}

// An unsharp mask: each pixel pushed away from the average round it. The
// smallest fittings lose their bottles and shelves to the shrink without
// it. The outermost ring is left alone, as it has to match the room the
// fitting is laid over.
Image Sharpened(const Image& image, float amount) {
  Image soft = image;
  BoxBlur(soft, 1, 1);
  Image out = image;
  for (int y = 1; y + 1 < image.Height; ++y)
    for (int x = 1; x + 1 < image.Width; ++x) {
      const std::size_t i = image.Index(x, y);
      const ColorF c = Unpack(image.Pixels[i]), b = Unpack(soft.Pixels[i]);
      out.Pixels[i] = Pack(c + (c + b * -1.0f) * amount);
    }
  return out;
}

}  // namespace

Image DrawHqPicture(FontLibrary& fonts) {
  return Supersampled(270, 199, kScale, [&](Image& image) { DrawOutside(image, fonts); });
}

Image DrawClubhouse(FontLibrary& fonts) { return Room(fonts, nullptr); }

Image DrawFitting(FontLibrary& fonts, int fitting) {
  const Fitting& f = kFittings[std::clamp(fitting, 1, 5) - 1];
  const Image room = Room(fonts, &f);
  const Image crop = Crop(room, f.X, f.Y, f.X + f.Width, f.Y + f.Height).Pixels;
  return f.Sharpen > 0.0f ? Sharpened(crop, f.Sharpen) : crop;
}

}  // namespace vantoro::art
