// Player portraits: sixteen head-and-shoulders paintings, eight men and
// eight women, each a different person down to the face's shape, the hair,
// the kit and whether they have come straight off the field with a mask
// pushed up or a band round the head. Everything is drawn at twice the
// size and shrunk, for clean edges on small features.

#include <algorithm>
#include <cmath>
#include <vector>

#include "assets/art.hpp"
#include "assets/kit_face.hpp"
#include "assets/kit_image.hpp"
#include "assets/paint.hpp"
#include "assets/recipes.hpp"

namespace vantoro::art {

namespace {

constexpr int kFactor = 2;
constexpr int kFinalWidth = 201;
constexpr int kFinalHeight = 150;
constexpr int kWidth = kFinalWidth * kFactor;
constexpr int kHeight = kFinalHeight * kFactor;

// Masks of the picture holding one shape, given in its own pixels.
constexpr BigShapes kShapes{};

enum class Gear { None, Goggles, Headband, Bandana };

// The face, then what is round it. The face's Man and LooseHairs are set
// from the row of the table it comes from and the gear.
struct Look {
  FaceLook Face;
  Color Backdrop;  // the bunkers' colour behind
  Gear Kit;
  Color Jersey, Trim, KitColour;  // KitColour: the band, bandana or mask frame
  float Size;                     // head half-width in pixels (at the working size)
  float Turn;                     // -1 .. 1: the head turned towards the picture's left/right
  float Key;                      // which side the sun is on: -1 the picture's left, 1 its right
};

// The men, then the women.
// clang-format off
const Look kLooks[2][8] = {{
    // Fair, side-parted brown hair, mask pushed up after a game; an easy smile.
    {{Rgb(0xE4B594), Rgb(0x5A3A22), Rgb(0x4C78A8), Hair::Swept, Beard::None, 0.80f, 1.50f, 1.0f,
      0.9f, 0.55f, 1.0f, 11, {Mouth::Closed, 0.0f, 0.25f, 0.1f, 1.0f, 1.0f, 1.0f}},
     Rgb(0x2A6AD0), Gear::Goggles, Rgb(0x1F4FA8), Rgb(0xE8E8F0), Rgb(0x202226), 50, 0.45f, -1.0f},
    // Deep brown skin, buzz cut, short beard, red team jersey; unsmiling.
    {{Rgb(0x6A4028), Rgb(0x141010), Rgb(0x3A2416), Hair::Buzz, Beard::Full, 0.95f, 1.56f, 1.25f,
      1.15f, -0.3f, 1.1f, 12, {Mouth::Closed, 0.0f, 0.5f, -0.6f, 0.9f, 1.25f, 1.08f}},
     Rgb(0xE0C020), Gear::None, Rgb(0xB02028), Rgb(0x181818), Rgb(0x000000), 52, -0.15f, 1.0f},
    // Tan, black curls, goatee and a headband; a wide grin.
    {{Rgb(0xA8704A), Rgb(0x16110E), Rgb(0x3A2416), Hair::Curls, Beard::Goatee, 0.84f, 1.52f, 1.1f,
      1.1f, 0.9f, 1.05f, 13, {Mouth::Grin, 0.6f, 0.3f, 0.2f, 0.95f, 1.1f, 1.02f}},
     Rgb(0xD03030), Gear::Headband, Rgb(0x1E6A3A), Rgb(0x101010), Rgb(0xE8E8E8), 51, 0.1f, -1.0f},
    // Pale and freckled under a bandana, ginger stubble; a lopsided smirk.
    {{Rgb(0xEEC2A2), Rgb(0xB0552A), Rgb(0x5A7A4A), Hair::Crop, Beard::Stubble, 0.72f, 1.58f, 0.8f,
      0.8f, 0.45f, 0.95f, 14, {Mouth::Smirk, 0.0f, 0.1f, 0.35f, 1.05f, 0.9f, 0.92f}},
     Rgb(0x2050C0), Gear::Bandana, Rgb(0xE0702A), Rgb(0x202020), Rgb(0x2A3C8A), 48, -0.5f, 1.0f},
    // Light tan, black hair standing up, mask up, shouting after a win.
    {{Rgb(0xD9AD85), Rgb(0x121214), Rgb(0x2C1C12), Hair::Spiky, Beard::None, 0.78f, 1.46f, 1.0f,
      0.9f, 0.3f, 0.9f, 15, {Mouth::Shout, 1.0f, 0.0f, -0.8f, 1.0f, 1.0f, 0.97f}},
     Rgb(0x30A040), Gear::Goggles, Rgb(0xE8C020), Rgb(0x202020), Rgb(0xC02020), 49, 0.15f, -1.0f},
    // Olive skin, greying dark hair, full beard; the veteran, calm.
    {{Rgb(0xC28C64), Rgb(0x4A4440), Rgb(0x4A2E1C), Hair::Crop, Beard::Full, 0.95f, 1.58f, 1.3f,
      0.9f, 0.1f, 1.2f, 16, {Mouth::Closed, 0.0f, 0.95f, 0.15f, 0.85f, 1.15f, 1.08f}},
     Rgb(0xE07020), Gear::None, Rgb(0x4A4E56), Rgb(0xD0A020), Rgb(0x000000), 52, -0.3f, 1.0f},
    // Fair, blond spikes, green jersey, headband; young and grinning.
    {{Rgb(0xE8B896), Rgb(0xC9A060), Rgb(0x4C78A8), Hair::Spiky, Beard::None, 0.74f, 1.42f, 0.85f,
      0.9f, 0.95f, 0.9f, 17, {Mouth::Grin, 0.85f, 0.0f, 0.3f, 1.1f, 0.95f, 0.94f}},
     Rgb(0xC030A0), Gear::Headband, Rgb(0x2E8A2E), Rgb(0xF0F0F0), Rgb(0x1A1A1A), 48, -0.2f, -1.0f},
    // Brown skin, black hair, moustache, purple jersey, mask up; stern.
    {{Rgb(0x94603C), Rgb(0x0E0C0C), Rgb(0x2A1A10), Hair::Crop, Beard::Moustache, 0.90f, 1.58f, 1.2f,
      0.95f, -0.45f, 1.1f, 18, {Mouth::Closed, 0.0f, 0.65f, -0.35f, 0.9f, 1.1f, 1.00f}},
     Rgb(0x20A0B0), Gear::Goggles, Rgb(0x6A2A9A), Rgb(0xE0E0E0), Rgb(0x2A6AD0), 51, 0.4f, 1.0f},
}, {
    // Fair, long blonde hair, blue jersey, mask pushed up; laughing.
    {{Rgb(0xEEC4A6), Rgb(0xC8A060), Rgb(0x4C78A8), Hair::Long, Beard::None, 0.72f, 1.44f, 0.65f,
      1.15f, 0.95f, 0.85f, 21, {Mouth::Grin, 0.9f, 0.1f, 0.3f, 1.05f, 0.9f, 0.98f}},
     Rgb(0xE03030), Gear::Goggles, Rgb(0x2050B0), Rgb(0xF0F0F0), Rgb(0xE03030), 47, 0.15f, -1.0f},
    // Dark skin, natural curls in a puff, red jersey, headband; a warm smile.
    {{Rgb(0x6E4430), Rgb(0x18120E), Rgb(0x3A2416), Hair::Puff, Beard::None, 0.80f, 1.38f, 0.75f,
      1.3f, 0.7f, 0.95f, 22, {Mouth::Grin, 0.35f, 0.3f, 0.15f, 1.0f, 1.2f, 1.08f}},
     Rgb(0x2A70D0), Gear::Headband, Rgb(0xC02A30), Rgb(0x1A1A1A), Rgb(0xF2C020), 47, -0.15f, 1.0f},
    // Tan, black ponytail, green jersey; focused, lips pressed.
    {{Rgb(0xB47A52), Rgb(0x17120F), Rgb(0x3A2416), Hair::Ponytail, Beard::None, 0.68f, 1.50f, 0.8f,
      1.0f, -0.2f, 0.9f, 23, {Mouth::Closed, 0.0f, 0.2f, -0.5f, 0.95f, 1.0f, 0.92f}},
     Rgb(0xE0B020), Gear::None, Rgb(0x1E7A4A), Rgb(0xF0F0F0), Rgb(0x000000), 45, 0.5f, -1.0f},
    // Pale, red bob, purple jersey, bandana; amused.
    {{Rgb(0xF0C8AC), Rgb(0x9A3A1C), Rgb(0x5A7A4A), Hair::Bob, Beard::None, 0.76f, 1.38f, 0.6f,
      1.1f, 0.5f, 0.8f, 24, {Mouth::Smirk, 0.0f, 0.0f, 0.4f, 1.1f, 0.85f, 1.05f}},
     Rgb(0x30A040), Gear::Bandana, Rgb(0x7A3AA8), Rgb(0x181818), Rgb(0xB0202A), 47, -0.45f, 1.0f},
    // Light tan, long straight black hair with a fringe, mask up; yelling.
    {{Rgb(0xE0B690), Rgb(0x0E0C0E), Rgb(0x2A1A10), Hair::Long, Beard::None, 0.72f, 1.42f, 0.7f,
      1.1f, 0.2f, 0.8f, 25, {Mouth::Shout, 0.85f, 0.15f, -0.7f, 1.0f, 0.95f, 0.96f}},
     Rgb(0x2A6AD0), Gear::Goggles, Rgb(0x202024), Rgb(0xE8E8E8), Rgb(0xF0F0F0), 46, -0.1f, -1.0f},
    // Brown skin, long braids, orange jersey; a broad smile.
    {{Rgb(0x8C5A3A), Rgb(0x1C1410), Rgb(0x3A2416), Hair::Braids, Beard::None, 0.76f, 1.48f, 0.75f,
      1.3f, 0.85f, 0.95f, 26, {Mouth::Grin, 0.6f, 0.35f, 0.1f, 0.95f, 1.15f, 1.02f}},
     Rgb(0xC030A0), Gear::None, Rgb(0xE0702A), Rgb(0x1A1A1A), Rgb(0x000000), 47, 0.35f, 1.0f},
    // Fair, brown hair in a bun, teal jersey, headband; the older one, kind.
    {{Rgb(0xE6B898), Rgb(0x6A4A32), Rgb(0x6A7A84), Hair::Bun, Beard::None, 0.80f, 1.46f, 0.7f,
      0.9f, 0.45f, 0.9f, 27, {Mouth::Closed, 0.0f, 0.85f, 0.25f, 0.9f, 1.0f, 1.04f}},
     Rgb(0xE07020), Gear::Headband, Rgb(0x1A8A8A), Rgb(0xF0F0F0), Rgb(0x1A8A8A), 47, 0.2f, -1.0f},
    // Olive, dark hair to the shoulders, yellow jersey; cool and level.
    {{Rgb(0xC8966C), Rgb(0x2A1A12), Rgb(0x7A5A30), Hair::Shoulder, Beard::None, 0.72f, 1.45f, 0.85f,
      1.2f, 0.05f, 0.9f, 28, {Mouth::Closed, 0.0f, 0.4f, -0.1f, 1.0f, 1.05f, 0.97f}},
     Rgb(0x20A0B0), Gear::None, Rgb(0xE8B820), Rgb(0x1A1A1A), Rgb(0x000000), 47, -0.5f, 1.0f},
}};
// clang-format on

// ---------------------------------------------------------------- background

// The tournament behind the player, as a long lens sees it past their
// shoulder: sky and trees, the safety net on its posts, and inflatable
// bunkers on the turf, all out of focus.
void DrawBackdrop(Image& image, const Look& look) {
  Random rng(look.Face.Seed);
  const float horizon = kHeight * rng.Range(0.36f, 0.46f);
  const bool overcast = look.Face.Seed % 3 == 0;
  const Gradient sky = overcast ? Gradient{{0.0f, Rgb(0x8A98A8)}, {1.0f, Rgb(0xD0D6DC)}}
                                : Gradient{{0.0f, Rgb(0x4A86C8)}, {1.0f, Rgb(0xB8D4E8)}};
  FillLinear(image, 0, 0, 0, horizon, sky);
  // The sun's side of the sky is brighter.
  const Field haze =
      kShapes.Ellipse(image, {look.Key > 0 ? kWidth * 1.0f : 0.0f, 0.0f}, kWidth * 0.6f, horizon * 1.2f);
  AddLight(image, Soft(haze, 30), Rgb(0xFFF4E0), overcast ? 0.15f : 0.3f);
  // A line of trees with a ragged top, and the white roofs of a few tents.
  const Noise canopy(look.Face.Seed * 41u + 3u);
  const Field trees = FieldEach(kWidth, kHeight, [&](int x, int y) {
    const float top = horizon - 20.0f - 45.0f * canopy.Fbm(static_cast<float>(x) / 40.0f, 0.5f, 3);
    return y < static_cast<int>(horizon) + 4 ? Clamp01(static_cast<float>(y) - top) : 0.0f;
  });
  Paint(image, trees, overcast ? Rgb(0x35503A) : Rgb(0x2A4A2A));
  const float eaves = horizon - 14, ridge = horizon - 28, ground = horizon + 2;
  for (int i = 0; i < 2; ++i) {
    const float tx = rng.Range(20.0f, kWidth - 80.0f), tw = rng.Range(50.0f, 80.0f);
    const Point roof[] = {{tx, eaves}, {tx + tw * 0.15f, ridge}, {tx + tw * 0.85f, ridge}, {tx + tw, eaves}};
    const Point wall[] = {{tx + 2, eaves}, {tx + tw - 2, eaves}, {tx + tw - 2, ground}, {tx + 2, ground}};
    Paint(image, kShapes.Polygon(image, wall), Rgb(0x505458));
    Paint(image, kShapes.Polygon(image, roof),
          i == 0 ? Rgb(0xE8E8E8) : ToColor(ToF(look.Backdrop) * 0.8f + ColorF{0.1f, 0.1f, 0.1f}));
  }
  // Turf, brighter towards us, with the stripes of the mower.
  Image grass(kWidth, kHeight);
  FillLinear(grass, 0, horizon, 0, kHeight, Gradient{{0.0f, Rgb(0x3E6E34)}, {1.0f, Rgb(0x5C9A44)}});
  for (int y = static_cast<int>(horizon); y < kHeight; ++y) {
    const float depth = (static_cast<float>(y) - horizon) / (kHeight - horizon);
    for (int x = 0; x < kWidth; ++x) {
      // Stripes run away from us, converging on the horizon.
      const float across = (static_cast<float>(x) - kWidth * 0.5f) / (0.3f + depth);
      const float stripe = std::fmod(std::fabs(across) / 60.0f, 1.0f) < 0.5f ? 1.06f : 0.94f;
      image.Pixels[image.Index(x, y)] = Pack(Unpack(grass.Pixels[grass.Index(x, y)]) * stripe);
    }
  }
  // The net: dark posts and a fine mesh from the ground to high above.
  Field posts(kWidth, kHeight);
  const float netBottom = horizon + 10.0f, offset = rng.Range(0.0f, 90.0f);
  for (float x = offset - 90.0f; x < kWidth + 90.0f; x += 110.0f)
    ThickLine(posts, x, 0.0f, x, netBottom, 3.0f);
  const Field net = FieldEach(kWidth, kHeight, [&](int x, int y) {
    if (y >= static_cast<int>(netBottom)) return 0.0f;
    const float a = std::fabs(std::fmod(static_cast<float>(x + y) + 1000.0f, 9.0f) - 4.5f);
    const float b = std::fabs(std::fmod(static_cast<float>(x - y) + 1000.0f, 9.0f) - 4.5f);
    return Clamp01(1.2f - std::min(a, b)) * 0.5f;
  });
  Paint(image, net, Rgb(0x101418), 0.55f);
  Paint(image, posts, Rgb(0x202428));
  Field rope(kWidth, kHeight);
  ThickLine(rope, 0.0f, 6.0f, kWidth, 6.0f, 2.0f);
  ThickLine(rope, 0.0f, netBottom, kWidth, netBottom, 2.0f);
  Paint(image, rope, Rgb(0x181A1C), 0.8f);
  // Inflatable bunkers: domes, cakes and tall cans in the team's colour
  // with white bands, lit from the sun's side.
  struct Bunker {
    float Y, X;  // drawn in this order
    int Kind;    // a dome, a cake or a can
  };
  Bunker bunkers[6];
  for (Bunker& b : bunkers)
    b = {horizon + rng.Range(4.0f, 70.0f), rng.Range(-20.0f, kWidth + 20.0f), rng.Below(3)};
  // The far ones first, so that nearer bunkers stand in front of them.
  std::ranges::sort(bunkers, {}, &Bunker::Y);
  for (const auto& [y, x, kind] : bunkers) {
    constexpr float kHalfWidth[] = {30.0f, 30.0f, 18.0f}, kTall[] = {22.0f, 16.0f, 40.0f};
    const float scale = 0.6f + 1.4f * (y - horizon) / 70.0f;
    const float w = scale * kHalfWidth[kind], h = scale * kTall[kind];
    Field shape(kWidth, kHeight);
    if (kind == 0) {
      FillEllipse(shape, x, y, w, h);
      std::fill(shape.Values.begin() + static_cast<int>(y) * kWidth, shape.Values.end(), 0.0f);
    } else {
      const Point box[] = {{x - w, y - h + w * 0.25f}, {x + w, y - h + w * 0.25f}, {x + w, y}, {x - w, y}};
      FillPolygon(shape, box);
      FillEllipse(shape, x, y - h + w * 0.25f, w, w * 0.25f);
    }
    GroundShadow(image, x - look.Key * w * 0.3f, y, w * 1.1f, 3.0f * scale, 0, 0.5f, Rgb(0x1A2A14));
    PaintEach(image, shape, [&, x = x, y = y](int xx, int yy) {  // clang 14 cannot capture a binding
      const float across = Clamp01(((static_cast<float>(xx) - x) / w) * look.Key * 0.5f + 0.5f);
      const float band = std::fabs(static_cast<float>(yy) - (y - h * 0.55f)) < h * 0.1f ? 1.0f : 0.0f;
      return Lerp(ToF(look.Backdrop), ColorF{0.95f, 0.95f, 0.95f}, band) * (0.55f + 0.6f * across);
    });
  }
  // The long lens: everything behind the player is soft.
  BoxBlur(image, 3);
}

// ---------------------------------------------------------------- body

void DrawBody(Image& image, const Look& look, const HeadFrame& fr, const Field& face) {
  const bool man = look.Face.Man;
  const float u = fr.Unit, neckHalf = man ? 0.52f : 0.42f;
  const float baseY = 2.1f;  // the neck's root, in head units
  // Neck: a lit cylinder in the shadow of the jaw.
  const Point neckShape[] = {fr.At(-neckHalf, 0.8f), fr.At(neckHalf, 0.8f),
                             fr.At(neckHalf + 0.1f, baseY + 0.3f), fr.At(-neckHalf - 0.1f, baseY + 0.3f)};
  const Field neck = kShapes.Polygon(image, neckShape);
  // The jaw shades the neck below it, deepest right under the chin.
  Field jawShadow = Shifted(face, static_cast<int>(u * 0.05f), static_cast<int>(u * 0.26f));
  BoxBlur(jawShadow, static_cast<int>(u * 0.08f));
  PaintEach(image, neck, [&](int x, int y) {
    const float xu = (static_cast<float>(x) - fr.CentreX) / (u * neckHalf);
    const float round = 0.5f + 0.5f * std::sqrt(Clamp01(1.0f - xu * xu)) - 0.22f * Clamp01(xu);
    return ToF(look.Face.Skin) * ColorF{0.97f, 0.88f, 0.85f} * (round * (0.95f - 0.55f * jawShadow(x, y)));
  });

  // Shoulders in the team jersey, sloping from the neck.
  const float w = man ? 1.0f : 0.88f, bottom = static_cast<float>(kHeight + 10);
  const Point torso[] = {
      fr.At(-neckHalf - 0.05f, baseY - 0.1f), fr.At(-1.3f * w, baseY + 0.2f), fr.At(-2.2f * w, baseY + 0.45f),
      fr.At(-2.75f * w, baseY + 0.85f),       {fr.X(-3.0f * w), bottom},      {fr.X(3.0f * w), bottom},
      fr.At(2.75f * w, baseY + 0.85f),        fr.At(2.2f * w, baseY + 0.45f), fr.At(1.3f * w, baseY + 0.2f),
      fr.At(neckHalf + 0.05f, baseY - 0.1f)};
  const Field shirt = kShapes.Polygon(image, torso);
  const Noise folds(look.Face.Seed * 13u + 3u);
  Field height = Soft(shirt, static_cast<int>(u * 0.4f));
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (shirt(x, y) > 0.0f)
        height(x, y) +=
            (folds.Fbm(static_cast<float>(x) / 70.0f, static_cast<float>(y) / 30.0f, 2) - 0.5f) * 0.35f;
  const Field light = Lighting(height, fr.LightX, kHeadLightY, kHeadLightZ, 16.0f);
  Image cloth(kWidth, kHeight, look.Jersey);
  // Raglan panels in the trim colour from the collar over the shoulders.
  Field panels(kWidth, kHeight);
  for (const float side : {-1.0f, 1.0f}) {
    Lock(panels, fr.At(side * (neckHalf + 0.3f), baseY + 0.05f), fr.At(side * 1.7f * w, baseY + 0.2f),
         fr.At(side * 3.0f * w, baseY + 1.3f), u * 0.14f, u * 0.3f);
  }
  Paint(cloth, panels, look.Trim);
  // A splat badge on the chest.
  Field badge(kWidth, kHeight);
  Random rng(look.Face.Seed * 3u + 1u);
  Splat(badge, rng, fr.X(man ? 1.2f : 1.05f), fr.Y(baseY + 0.75f),
        {.Radius = u * 0.11f, .Arms = 6, .Reach = 1.6f, .Droplets = 3});
  Paint(cloth, badge, look.Trim, 0.9f);
  PaintEach(image, shirt, [&](int x, int y) {
    return Unpack(cloth.Pixels[cloth.Index(x, y)]) * (0.28f + 0.72f * (light(x, y) / fr.Flat()));
  });
  // The collar: a ribbed band round the root of the neck.
  Field collar(kWidth, kHeight);
  constexpr int kSteps = 24;
  const float rx = (neckHalf + 0.12f) * u, ry = u * 0.3f, cy = fr.Y(baseY - 0.12f);
  const auto rim = [&](int i) {
    const float a = kPi * (0.02f + 0.96f * static_cast<float>(i) / kSteps);
    return Point{fr.X(0.0f) + std::cos(a) * rx, cy + std::sin(a) * ry};
  };
  for (int i = 0; i < kSteps; ++i) kShapes.Line(collar, rim(i), rim(i + 1), u * 0.12f);
  PaintRounded(image, collar, look.Trim, 3, fr.Key(3.0f), 0.8f);
}

// ---------------------------------------------------------------- gear

void DrawGear(Image& image, const Look& look, const HeadFrame& fr) {
  const float u = fr.Unit;
  // Points along the curve of a band round the head at height `yu` in the
  // middle, dropping by `droop` at the sides.
  const auto around = [&](float s, float yu, float droop) { return fr.At(s * 1.13f, yu + droop * s * s); };
  switch (look.Kit) {
    case Gear::None: return;
    case Gear::Headband:
    case Gear::Bandana: {
      const bool bandana = look.Kit == Gear::Bandana;
      constexpr int kSteps = 24;
      const float lowerY = bandana ? -0.8f : -0.72f, droop = bandana ? 0.45f : 0.3f;
      Field band = kShapes.Polygon(image, BandOutline(kSteps, [&](float s) {
                                     const Point top = bandana ? fr.At(s * 1.14f, -2.0f + 1.2f * s * s)
                                                               : around(s, -0.98f, 0.3f);
                                     return Edges{top, around(s, lowerY, droop)};
                                   }));
      band = Multiplied(band, kShapes.Ellipse(image, fr.At(0.0f, -0.5f), u * 1.13f, u * 1.32f));
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
        Lock(tails, fr.At(1.05f, -0.5f), fr.At(1.3f, -0.2f), fr.At(1.35f, 0.35f), u * 0.2f, u * 0.08f);
        Lock(tails, fr.At(1.05f, -0.5f), fr.At(1.45f, -0.4f), fr.At(1.55f, 0.1f), u * 0.18f, u * 0.06f);
        Maximize(band, tails);
      } else {
        Field stripes(kWidth, kHeight);
        for (const float v : {-0.9f, -0.8f}) {
          for (int i = 0; i < kSteps; ++i) {
            const float s0 = static_cast<float>(i) / kSteps * 2.0f - 1.0f, s1 = s0 + 2.0f / kSteps;
            kShapes.Line(stripes, around(s0, v, 0.3f), around(s1, v, 0.3f), u * 0.025f);
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
      ApplyLight(image, Bevel(band, static_cast<int>(u * 0.1f), fr.LightX, kHeadLightY, kHeadLightZ, 4.0f),
                 band, 1.0f);
      return;
    }
    case Gear::Goggles: {
      // The strap round the head, then the mask's goggle frame and lens
      // pushed up on the forehead.
      Field strap(kWidth, kHeight);
      for (const float side : {-1.0f, 1.0f}) {
        Lock(strap, fr.At(side * 0.8f, -1.28f), fr.At(side * 1.12f, -1.2f), fr.At(side * 1.1f, -0.75f),
             u * 0.17f, u * 0.14f);
      }
      PaintRounded(image, strap, Rgb(0x18181C), 2, fr.Key(3.0f), 0.7f);
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
      const Field frame = kShapes.Polygon(image, outer), lens = kShapes.Polygon(image, inner);
      SoftShadow(image, frame, 4, 0.45f, 2, 6);
      PaintRounded(image, frame, look.KitColour, 4, fr.Key(5.0f), 1.0f);
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

}  // namespace

Image DrawPortrait(FontLibrary& /*fonts*/, int gender, int n) {
  Look look = kLooks[gender == 2 ? 1 : 0][std::clamp(n, 1, 8) - 1];
  look.Face.Man = gender != 2;
  look.Face.LooseHairs = look.Kit != Gear::Bandana;
  return Supersampled(kFinalWidth, kFinalHeight, kFactor, [&](Image& image) {
    DrawBackdrop(image, look);
    const HeadFrame fr{kWidth * 0.5f + look.Turn * 6.0f, 114.0f, look.Size, look.Turn,
                       look.Key * kHeadLightX,           kWidth, kHeight};
    const Head head = ShapeHead(look.Face, fr);
    PaintBackHair(image, head);
    DrawBody(image, look, fr, Laid(head.Skin, head));
    const Image under = image;
    PaintFace(image, head);
    DrawGear(image, look, fr);
    // A cool rim of light from behind on the right.
    Field rim = Rim(LayHead(image, under, head), -3, 0);
    BoxBlur(rim, 1, 1);
    AddLight(image, rim, Rgb(0x6A8AB0), 0.3f);
    // A fine grain over the whole picture, so that the flat areas do not look drawn.
    Random grain(look.Face.Seed * 23u + 11u);
    for (std::uint32_t& p : image.Pixels) p = Pack(Unpack(p) * (0.96f + 0.08f * grain.Unit()));
    Vignette(image, 0.4f);
  });
}

}  // namespace vantoro::art
