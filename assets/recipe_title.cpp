// The title picture, the first thing a player sees: an airball field at
// dusk, inflatable bunkers and a player taking aim against the sunset, paint
// everywhere, and the game's name across the sky. The strip along the bottom
// stays dark and calm for the line that invites the first click.

#include <algorithm>
#include <vector>

#include "assets/art.hpp"
#include "assets/kit_image.hpp"
#include "assets/kit_lettering.hpp"
#include "assets/kit_splats.hpp"
#include "assets/lettering.hpp"
#include "assets/paint.hpp"
#include "assets/recipes.hpp"

namespace vantoro::art {

namespace {

constexpr int kWidth = 785;
constexpr int kHeight = 572;
constexpr float kHorizon = 345.0f;
constexpr float kSunX = 548.0f;
constexpr float kSunY = 326.0f;

// ---------------------------------------------------------------- sky

void DrawSky(Image& image, Random& rng) {
  const Gradient sky{{0.00f, Rgb(0x05071A)}, {0.30f, Rgb(0x121843)}, {0.55f, Rgb(0x341D57)},
                     {0.75f, Rgb(0x80305F)}, {0.90f, Rgb(0xD9593F)}, {1.00f, Rgb(0xFFA95A)}};
  FillLinear(image, 0.0f, 0.0f, 0.0f, kHorizon, sky);

  // Long thin clouds, lit pink from below near the horizon.
  const Noise clouds(201);
  const Gradient cloudLight{{0.0f, Rgb(0x2A2450)}, {0.55f, Rgb(0x7A3A6A)}, {1.0f, Rgb(0xFF8A66)}};
  BlendEach(image, 40, [&](float x, float fy) {
    const float band = SmoothStep(40.0f, 130.0f, fy) * SmoothStep(kHorizon, 240.0f, fy);
    if (band <= 0.0f) return Wash{};
    const float d = clouds.Fbm(x / 260.0f, fy / 34.0f, 5);
    return Wash{cloudLight.SampleF(fy / kHorizon), SmoothStep(0.52f, 0.78f, d) * band * 0.8f};
  });

  // Stars where the sky is darkest.
  for (int i = 0; i < 140; ++i) {
    const float x = rng.Range(0.0f, kWidth), y = rng.Range(0.0f, 190.0f);
    const float bright = rng.Range(0.25f, 1.0f) * SmoothStep(210.0f, 20.0f, y);
    std::uint32_t& p = image.Pixels[image.Index(static_cast<int>(x), static_cast<int>(y))];
    p = Pack(Lerp(Unpack(p), ColorF{1.0f, 0.95f, 0.9f}, bright));
  }

  // The setting sun and its haze.
  const Field haze = FieldEach(
      kWidth, kHeight, [](float x, float y) { return Falloff(x, y, kSunX, kSunY, 330.0f, 120.0f, 2.2f); });
  AddLight(image, haze, Rgb(0xFF6A2A), 0.45f);
  const Field sun = BigShapes{}.Ellipse(image, {kSunX, kSunY}, 30.0f, 30.0f);
  GlowingCore(image, sun, Rgb(0xFFB060), 14, 1.6f, Rgb(0xFFE6B0));
}

// ---------------------------------------------------------------- woods

// A pine: stacked tiers of branches narrowing towards the top.
void Pine(Field& f, Random& rng, float x, float base, float height, float width) {
  std::vector<Point> outline;
  constexpr int kTiers = 5;
  // Tier t's branch tip and the notch above it on one side; each side
  // draws its own widths, so the tree is not quite symmetric.
  const auto tier = [&](int t, float side) {
    const float y0 = base - height * (static_cast<float>(t) / kTiers) * 0.9f;
    const float w = side * width * (1.0f - static_cast<float>(t) / kTiers) * rng.Range(0.8f, 1.1f);
    const Point tip{x + w * 0.5f, y0 - height * 0.05f}, notch{x + w * 0.22f, y0 - height * 0.16f};
    outline.push_back(side < 0.0f ? tip : notch);
    outline.push_back(side < 0.0f ? notch : tip);
  };
  outline.push_back({x - width * 0.12f, base});
  for (int t = 0; t < kTiers; ++t) tier(t, -1.0f);
  outline.push_back({x, base - height});
  for (int t = kTiers - 1; t >= 0; --t) tier(t, 1.0f);
  outline.push_back({x + width * 0.12f, base});
  FillPolygon(f, outline);
}

// A ragged band of woods whose top follows noise, with pines standing out
// of it.
Field Woods(Random& rng, std::uint32_t seed, float base, float canopy, float pineHeight, int pines) {
  // Filled down to the picture's foot, under the ground that fades in.
  Field f = TreeLine(kWidth, kHeight, Noise(seed), kHeight, kHeight - base + 0.4f * canopy, canopy, 60.0f);
  for (int i = 0; i < pines; ++i) {
    const float x = rng.Range(-10.0f, kWidth + 10.0f);
    const float h = pineHeight * rng.Range(0.6f, 1.2f);
    Pine(f, rng, x, base - canopy * 0.3f, h, h * rng.Range(0.32f, 0.45f));
  }
  return f;
}

// Tall pines crowding in from one side, shorter towards the middle.
void Thicket(Field& f, Random& rng, float from, float to, float base, float tallest) {
  for (int i = 0; i < 34; ++i) {
    const float t = rng.Unit();
    const float h = tallest * (1.0f - 0.75f * t) * rng.Range(0.7f, 1.1f);
    Pine(f, rng, from + (to - from) * t, base + rng.Range(0.0f, 8.0f), h, h * rng.Range(0.3f, 0.42f));
  }
}

void DrawWoods(Image& image, Random& rng) {
  const Field far = Woods(rng, 211, kHorizon + 2.0f, 18.0f, 42.0f, 80);
  Paint(image, far, Rgb(0x3A1C44));
  // The far trees catch a little of the sunset on their tops.
  AddLight(image, Multiplied(Rim(far, 0, -2), far), Rgb(0xFF7A50), 0.25f);
  Field near = Woods(rng, 212, kHorizon + 6.0f, 10.0f, 22.0f, 20);
  Thicket(near, rng, -20.0f, 230.0f, kHorizon + 4.0f, 190.0f);
  Thicket(near, rng, kWidth + 20.0f, 560.0f, kHorizon + 4.0f, 190.0f);
  Paint(image, near, Rgb(0x120A1C));
  AddLight(image, Multiplied(Rim(near, 1, -1), near), Rgb(0xFF7A50), 0.12f);
}

// The field's back netting, strung between poles in front of the trees.
void DrawNetting(Image& image) {
  Field net(kWidth, kHeight);
  const float top = kHorizon - 62.0f, bottom = kHorizon + 4.0f;
  CrossedNet(net, top, bottom, 11.0f, 0.7f, 0.35f);
  ThickLine(net, 0.0f, top, static_cast<float>(kWidth), top, 2.0f);
  for (float x = 30.0f; x < kWidth; x += 105.0f) ThickLine(net, x, top - 6.0f, x, bottom, 3.0f);
  Paint(image, net, Rgb(0x0E0814), 0.8f);
}

// ---------------------------------------------------------------- ground

void DrawGround(Image& image) {
  const Gradient ground{{0.0f, Rgb(0x2C1630)}, {0.25f, Rgb(0x1A0E22)}, {1.0f, Rgb(0x050308)}};
  const Noise turf(221);
  BlendEach(image, static_cast<int>(kHorizon) + 4, [&](float fx, float fy) {
    const float t = (fy - kHorizon) / (kHeight - kHorizon);
    // Perspective: the turf's grain gets finer towards the horizon.
    const float scale = 6.0f + 60.0f * t;
    const float n = turf.Fbm(fx / (scale * 3.0f), fy / scale, 3);
    // The sun's reflection on the damp turf.
    const float sheen = Falloff(fx, fy, kSunX, kHorizon, 140.0f, 50.0f) * 0.35f;
    const ColorF c = ground.SampleF(t) * (0.8f + 0.4f * n) + ColorF{1.0f, 0.45f, 0.25f} * sheen;
    // The first rows fade in under the trees' feet.
    return Wash{c, SmoothStep(kHorizon + 4.0f, kHorizon + 14.0f, fy)};
  });
}

// ---------------------------------------------------------------- bunkers

// Inflatable cover on the field; `Hit` is the radius of the splat a ball
// left on it (none when 0), in `Paint`.
struct Bunker {
  Cover Shape;
  float Hit = 0.0f;
  Color Paint = {};
};

void DrawBunker(Image& image, const Bunker& b, Random& rng) {
  const Cover& c = b.Shape;
  DrawCover(image, c, 1.0f, 0);
  const Field mask = c.Mask(1.0f, kWidth, kHeight);
  const float cx = c.X + c.Width * 0.5f;
  // The sunset catches the side facing it.
  AddLight(image, Multiplied(Rim(mask, cx < kSunX ? 2 : -2, -2), mask), Rgb(0xFF8A5A), 0.7f);
  // Farther bunkers sink into the evening haze.
  const float far = Clamp01((c.Base - kHorizon) / 170.0f);
  Paint(image, mask, Rgb(0x3A2040), 0.55f * (1.0f - far));
  // Paint stays on the bunker.
  const Point hit[] = {{cx + 0.2f * std::min(c.Width, c.Height), c.Base - c.Height * 0.55f}};
  const SplatStyle splat{.Radius = b.Hit, .Arms = 8, .Droplets = 8, .Drips = 2};
  if (b.Hit > 0.0f) SplatCoat(image, rng, hit, b.Paint, {.Shape = splat, .Bevel = 3}, &mask);
}

// ---------------------------------------------------------------- player

// A player in profile, aiming to the left, as one silhouette mask.
Field PlayerMask() {
  Field f(kWidth, kHeight);
  // Head and mask, the feet, and the marker's loader.
  FillCircle(f, 657.0f, 283.0f, 21.0f);
  FillEllipse(f, 641.0f, 290.0f, 17.0f, 20.0f);
  FillEllipse(f, 616.0f, 516.0f, 19.0f, 8.0f);
  FillEllipse(f, 728.0f, 512.0f, 17.0f, 8.0f);
  FillEllipse(f, 596.0f, 311.0f, 21.0f, 16.0f);
  // Strokes (x0, y0) to (x1, y1), w0 to w1 wide: visor, mouth vents, neck, pod pack; the legs, front one
  // bent and back one braced; the marker's barrel, body, loader neck, grips and shoulder tank; the arms.
  constexpr float kStrokes[][6] = {
      {624.0f, 268.0f, 652.0f, 263.0f, 6.0f, 6.0f},   {630.0f, 300.0f, 636.0f, 311.0f, 11.0f, 11.0f},
      {660.0f, 300.0f, 663.0f, 318.0f, 17.0f, 17.0f}, {698.0f, 334.0f, 702.0f, 398.0f, 20.0f, 20.0f},
      {662.0f, 398.0f, 634.0f, 456.0f, 32.0f, 24.0f}, {634.0f, 456.0f, 626.0f, 512.0f, 24.0f, 17.0f},
      {684.0f, 400.0f, 704.0f, 458.0f, 32.0f, 24.0f}, {704.0f, 458.0f, 720.0f, 508.0f, 24.0f, 17.0f},
      {468.0f, 333.0f, 565.0f, 333.0f, 7.0f, 7.0f},   {555.0f, 331.0f, 628.0f, 333.0f, 16.0f, 16.0f},
      {596.0f, 318.0f, 596.0f, 328.0f, 10.0f, 10.0f}, {614.0f, 338.0f, 620.0f, 362.0f, 10.0f, 10.0f},
      {575.0f, 338.0f, 572.0f, 356.0f, 9.0f, 9.0f},   {624.0f, 335.0f, 668.0f, 340.0f, 19.0f, 19.0f},
      {674.0f, 326.0f, 668.0f, 364.0f, 19.0f, 15.0f}, {668.0f, 364.0f, 620.0f, 352.0f, 15.0f, 12.0f},
      {648.0f, 326.0f, 610.0f, 352.0f, 18.0f, 14.0f}, {610.0f, 352.0f, 575.0f, 345.0f, 14.0f, 12.0f}};
  for (const auto& [x0, y0, x1, y1, w0, w1] : kStrokes) TaperedLine(f, x0, y0, x1, y1, w0, w1);
  // The jersey.
  const Point torso[] = {{636.0f, 322.0f}, {650.0f, 314.0f}, {686.0f, 316.0f}, {694.0f, 360.0f},
                         {692.0f, 408.0f}, {650.0f, 410.0f}, {640.0f, 368.0f}};
  FillPolygon(f, torso);
  return f;
}

// The player against the sunset: a dark silhouette with a hot rim.
void DrawSilhouette(Image& image) {
  const Field mask = PlayerMask();
  GroundShadow(image, 690.0f, 518.0f, 70.0f, 9.0f, 4, 0.7f);
  Paint(image, mask, Rgb(0x0B0810));
  // Back-lit by the sunset: a hot rim on the side facing it.
  Field rim = Rim(mask, -3, -1);
  BoxBlur(rim, 1, 1);
  // Fading towards the feet, further from the sun.
  rim = FieldEach(kWidth, kHeight, [&](int x, int y) {
    return rim(x, y) * (1.0f - 0.6f * SmoothStep(300.0f, 520.0f, static_cast<float>(y)));
  });
  AddLight(image, Multiplied(rim, mask), Rgb(0xFF8A50), 0.9f);
  Glow(image, rim, Rgb(0xFF5A30), 4, 0.35f);
  // The goggle lens catches the sun.
  const Field lens = BigShapes{}.Line(image, {628.0f, 281.0f}, {631.0f, 287.0f}, 2.5f);
  GlowingCore(image, lens, Rgb(0x40C8FF), 5, 1.2f, Rgb(0xBFF0FF));
}

// Three balls in flight from the barrel towards the splatted bunker.
void DrawShots(Image& image) {
  constexpr float kShots[][3] = {{440.0f, 339.0f, 5.5f}, {382.0f, 352.0f, 5.5f}, {322.0f, 366.0f, 5.8f}};
  for (const auto& [x, y, r] : kShots) {
    Field trail(kWidth, kHeight);
    TaperedLine(trail, x + 38.0f, y - 9.0f, x, y, 0.5f, r * 1.6f);
    BoxBlur(trail, 1, 1);
    Paint(image, trail, Rgb(0xFFE23A), 0.35f);
    Paintball(image, x, y, r, Rgb(0xFFD81E));
  }
}

// ---------------------------------------------------------------- lettering

void DrawName(Image& image, FontLibrary& fonts, Random& rng) {
  // The capitals' top at a fixed height whatever the face's metrics.
  const Field mask = PlacedText(kWidth, kHeight, "VANTORO", fonts.Get("Arial", FontSize::Pixels(150), true),
                                4, kWidth * 0.5f - 4.0f, 34);
  // Under the N's first leg, the T's stem and the R's stem: feet of
  // upright strokes, where a drip cannot pass for an accent or a tail.
  constexpr float kDrips[] = {0.29f, 0.47f, 0.73f};
  const DripStyle drips{.Probe = 6,
                        .Search = 40,
                        .Inset = 3,
                        .Stem = 40,
                        .Lift = 6.0f,
                        .MinLength = 40.0f,
                        .MaxLength = 52.0f,
                        .MinWidth = 6.5f,
                        .MaxWidth = 7.5f,
                        .Bead = 1.3f};
  const Gradient fill{
      {0.0f, Rgb(0xFFF7A0)}, {0.35f, Rgb(0xFFC21A)}, {0.7f, Rgb(0xFF5A0A)}, {1.0f, Rgb(0xD3120E)}};
  PaintSlantedWords(image, mask, 0.14f, rng, kDrips, drips, fill,
                    {.ShadowSpread = 7,
                     .ShadowDx = 7,
                     .ShadowDy = 10,
                     .ShadowBlur = 6,
                     .Glow = Rgb(0xFF4A1A),
                     .GlowRadius = 20,
                     .GlowStrength = 0.9f,
                     .OutlineWidth = 8,
                     .InlineWidth = 4,
                     .InnerWidth = 2,
                     .Bevel = 3,
                     .BevelDepth = 7.0f,
                     .BevelStrength = 0.55f,
                     .GlossInset = 3,
                     .Gloss = 0.45f});
}

}  // namespace

Image DrawTitle(FontLibrary& fonts) {
  Image image(kWidth, kHeight);
  Random rng(0x717E);
  DrawSky(image, rng);
  DrawWoods(image, rng);
  DrawNetting(image);
  DrawGround(image);

  // Far to near; the bigger the bunker, the deeper its nylon rounds off.
  const Bunker bunkers[] = {
      {{CoverShape::Cake, 56.0f, 372.0f, 72.0f, 42.0f, Rgb(0x243C8A), 9.0f}},
      {{CoverShape::Dorito, 380.0f, 366.0f, 48.0f, 34.0f, Rgb(0x8A1E2C), 6.0f}},
      {{CoverShape::Temple, 418.0f, 400.0f, 120.0f, 55.0f, Rgb(0x1E5A8A), 14.0f}, 14.0f, Rgb(0xFF2A86)},
      {{CoverShape::Can, 246.0f, 430.0f, 44.0f, 121.0f, Rgb(0x9A2030), 15.0f}, 15.4f, Rgb(0xFFD81E)},
      {{CoverShape::Dorito, 78.0f, 468.0f, 143.0f, 101.0f, Rgb(0x22408A), 18.0f}},
      {{CoverShape::Snake, 286.0f, 492.0f, 269.0f, 29.0f, Rgb(0x2A5A2A), 17.0f}, 16.8f, Rgb(0x22C8FF)},
  };
  for (const Bunker& b : bunkers) DrawBunker(image, b, rng);
  DrawSilhouette(image);
  DrawShots(image);
  // Splats thrown across the scene in vivid colours: the picture's frame.
  const ThrownSplat thrown[] = {
      {42.0f, 58.0f, 58.0f, Rgb(0xFF2A86), 0.6f, 2},    // top left, behind the name
      {752.0f, 44.0f, 44.0f, Rgb(0x22C8FF), 2.6f, 2},   // top right
      {34.0f, 470.0f, 34.0f, Rgb(0x8CF01E), -0.7f, 0},  // lower left
      {760.0f, 300.0f, 24.0f, Rgb(0xFF8A1A), 3.4f, 2},  // right edge
  };
  ScatterSplats(image, rng, thrown,
                {.Shape = {.Arms = 11, .Droplets = 16, .Bias = 0.5f},
                 .ShadowDx = 3,
                 .ShadowDy = 4,
                 .ShadowBlur = 3,
                 .ShadowOpacity = 0.45f,
                 .BevelPerRadius = 1.0f / 9.0f});
  DrawName(image, fonts, rng);
  // Paint-stroke underlines on both sides of the subtitle, as if brushed on.
  PaintSubtitle(image, PlacedText(kWidth, kHeight, "PAINTBALL LEAGUE MANAGER",
                                  fonts.Get("Arial", FontSize::Pixels(30), true), 5, kWidth * 0.5f, 210));
  Bloom(image, 0.78f, 8, 0.35f);
  const Field prompt = CentredText(kWidth, kHeight, kWidth / 2, 532, "Click anywhere to start",
                                   fonts.Get("Arial", FontSize::Pixels(18)), 1);
  DropShadow(image, prompt, 1, 1, 2, 2, 0.9f);
  Paint(image, prompt, Rgb(0xD8CCE4));
  return image;
}

}  // namespace vantoro::art
