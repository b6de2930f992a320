// The league's last day: the banner over the final table, the team as it
// takes its place in that table (cheering with a cup when it made the top
// three, slumped in the drizzle when it did not) and the hub's four trophies
// in the smaller size the table's trophy row uses.

#include <algorithm>
#include <cmath>
#include <string_view>

#include "assets/art.hpp"
#include "assets/kit_image.hpp"
#include "assets/kit_lettering.hpp"
#include "assets/kit_marker.hpp"
#include "assets/kit_person.hpp"
#include "assets/kit_splats.hpp"
#include "assets/lettering.hpp"
#include "assets/paint.hpp"
#include "assets/recipes.hpp"
#include "assets/resize.hpp"

namespace vantoro::art {

namespace {

// ================================================================ banner

constexpr int kBannerWidth = 777;
constexpr int kBannerHeight = 153;

// A night sky over the stadium: almost black, warmed behind the lettering
// and fading to pure black at every edge so that the banner sits seamlessly
// on the black screen.
void DrawBannerSky(Image& image) {
  const Noise smoke(0x1E01);
  FillEach(image, [&](int x, int y) {
    const float fx = static_cast<float>(x) + 0.5f, fy = static_cast<float>(y) + 0.5f;
    const float warm = Falloff(fx, fy, kBannerWidth * 0.5f, kBannerHeight * 0.45f, kBannerWidth * 0.48f,
                               kBannerHeight * 0.7f, 2.2f);
    const float s = smoke.Fbm(fx / 120.0f, fy / 45.0f, 4);
    const ColorF c = ColorF{0.10f, 0.03f, 0.12f} * (warm * (0.5f + 0.9f * s)) +
                     ColorF{0.35f, 0.10f, 0.03f} * (warm * warm * 0.5f * s);
    const float edge = SmoothStep(0.0f, 40.0f, fx) * SmoothStep(0.0f, 40.0f, kBannerWidth - fx) *
                       SmoothStep(0.0f, 18.0f, fy) * SmoothStep(0.0f, 22.0f, kBannerHeight - fy);
    return c * edge;
  });
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
      const Point tip{b.X + std::cos(a) * r1, b.Y + std::sin(a) * r1 + b.Radius * 0.08f};
      TaperedLine(sparks, b.X + std::cos(a) * r0, b.Y + std::sin(a) * r0, tip.X, tip.Y, 0.4f, 1.6f, 0.8f);
      FillCircle(sparks, tip.X, tip.Y, 1.3f);
    }
    Glow(image, sparks, b.Colour, 5, 0.5f);
    AddLight(image, sparks, b.Colour, 0.55f);
  }
}

// The name of the day, and under it the line of small capitals.
void DrawBannerLettering(Image& image, FontLibrary& fonts, Random& rng) {
  constexpr std::string_view kText = "LEAGUE ENDS!";
  constexpr int kTracking = 3;
  const Font& font = FittingFont(fonts, kText, kTracking, 680, 110);
  const Field mask =
      PlacedText(kBannerWidth, kBannerHeight, kText, font, kTracking, kBannerWidth * 0.5f - 4.0f, 14);
  // Under the stems of LEAGUE's two Es and the N, never under a bowl.
  constexpr float kDrips[] = {0.085f, 0.485f, 0.69f};
  // Polished gold: bright above, a hard horizon in the middle where the
  // metal reflects the dark ground, warm below.
  const Gradient gold{{0.00f, Rgb(0xFFFCE0)}, {0.28f, Rgb(0xFFE070)}, {0.50f, Rgb(0xF0A018)},
                      {0.52f, Rgb(0x8A4208)}, {0.60f, Rgb(0xC86A10)}, {0.85f, Rgb(0xFFB030)},
                      {1.00f, Rgb(0xFFD870)}};
  const Rect box = PaintSlantedWords(image, mask, 0.14f, rng, kDrips, {.Search = 40}, gold, {});
  const float top = static_cast<float>(box.Top);
  // Glints where the light catches the corners of the metal.
  const float w = static_cast<float>(box.Right - box.Left);
  Glint(image, static_cast<float>(box.Left) + w * 0.12f, top + 4.0f, 11.0f);
  Glint(image, static_cast<float>(box.Left) + w * 0.63f, top + 6.0f, 9.0f);
  Glint(image, static_cast<float>(box.Left) + w * 0.93f, top + 30.0f, 8.0f);

  // Brushed strokes either side, like a stripe of paint, glowing a little.
  const Font& small = fonts.Get("Arial", FontSize::Pixels(22), true);
  PaintSubtitle(
      image, PlacedText(kBannerWidth, kBannerHeight, "FINAL STANDINGS", small, 6, kBannerWidth * 0.5f, 118),
      {.Gap = 14.0f,
       .Reach = 120.0f,
       .Width = 5.0f,
       .Droop = 1.0f,
       .ShadowDx = 2,
       .ShadowDy = 3,
       .ShadowBlur = 2,
       .StrokeGlow = 0.6f,
       .Fill = Rgb(0xB8E4FF)});
}

// ================================================================ the team

constexpr int kTeamSize = 105;
// Drawn four times larger and shrunk: at 105 pixels a player's head is only
// a dozen pixels across, and its edges need to stay clean.
constexpr int kTeamScale = 4;
constexpr int kBig = kTeamSize * kTeamScale;

// The old stock-class marker, outlined flat like the rest of the figure.
constexpr int kTeamMarker = 3;

// The cup held high over the player's mask.
void DrawCup(Image& image, const Person& p) {
  const Point o = Placed(p.Feet, {0.0f, -1.2f}, p.Height);
  const float s = 0.22f * p.Height;
  // Outlines in units of the cup's size from the middle of the bowl.
  const auto at = [&](float u, float v) { return Point{o.X + u * s, o.Y + v * s}; };
  const Point bowl[] = {at(-0.5f, -0.45f), at(0.5f, -0.45f),  at(0.42f, 0.05f),
                        at(0.18f, 0.35f),  at(-0.18f, 0.35f), at(-0.42f, 0.05f)};
  Field cup = BigShapes{}.Polygon(image, bowl);
  ThickLine(cup, o.X, o.Y + s * 0.3f, o.X, o.Y + s * 0.62f, s * 0.14f);
  const Point foot[] = {at(-0.3f, 0.85f), at(-0.2f, 0.6f), at(0.2f, 0.6f), at(0.3f, 0.85f)};
  FillPolygon(cup, foot);
  // The handles, each a half circle of short strokes.
  for (const float side : {-1.0f, 1.0f}) {
    for (int i = 0; i < 10; ++i) {
      const float a0 = -kPi * 0.5f + kPi * static_cast<float>(i) / 10.0f;
      const float a1 = -kPi * 0.5f + kPi * static_cast<float>(i + 1) / 10.0f;
      const float cx = o.X + side * s * 0.46f, cy = o.Y - s * 0.15f, r = s * 0.2f;
      ThickLine(cup, cx + side * std::cos(a0) * r, cy + std::sin(a0) * r, cx + side * std::cos(a1) * r,
                cy + std::sin(a1) * r, s * 0.08f);
    }
  }
  Glow(image, cup, Rgb(0xFFC040), 16, 0.6f);
  Paint(image, Dilated(cup, 3), Rgb(0x2A1A04));
  const Gradient gold{
      {0.0f, Rgb(0xFFF6C0)}, {0.35f, Rgb(0xFFCC30)}, {0.6f, Rgb(0xB06A08)}, {1.0f, Rgb(0xFFD050)}};
  PaintVertical(image, cup, gold, o.Y - s * 0.45f, o.Y + s * 0.85f);
  ApplyLight(image, Bevel(cup, 6, -0.5f, -0.7f, 0.5f, 5.0f), cup, 0.6f);
}

// Small scraps of paper tumbling through the air, down to row maxY.
void Confetti(Image& image, Random& rng, int count, float maxY) {
  const Color colours[] = {Rgb(0xFF2A86), Rgb(0x22C8FF), Rgb(0x8CF01E),
                           Rgb(0xFFD81E), Rgb(0xFFFFFF), Rgb(0xFF8A1A)};
  for (int i = 0; i < count; ++i) {
    const float x = rng.Range(0.0f, kBig), y = rng.Range(0.0f, maxY);
    const float a = rng.Range(0.0f, kTau);
    const float w = rng.Range(7.0f, 11.0f), h = rng.Range(3.0f, 6.0f);
    const float cx = std::cos(a), sx = std::sin(a);
    const Point corner{x - cx * w + sx * h, y - sx * w - cx * h};
    Paint(image, RoundedBox(kBig, kBig, corner, 2.0f * w, 2.0f * h, 0.0f, a), colours[rng.Below(6)]);
  }
}

constexpr Kit kHome{.Jersey = Rgb(0xD8262E), .Trim = Rgb(0xF4F4F0), .Pants = Rgb(0x24262E)};
constexpr Kit kHomeAlt{
    .Jersey = Rgb(0xD8262E), .Trim = Rgb(0xFFD81E), .Pants = Rgb(0x24262E), .Lens = Rgb(0xFF9A2A)};

// Standing with the head leaning `tilt`, the elbow and hand of the left arm
// and then of the right set.
Pose Arms(float tilt, Point leftElbow, Point leftHand, Point rightElbow, Point rightHand) {
  Pose p = Standing();
  p.Tilt = tilt;
  p.Elbow[0] = leftElbow;
  p.Hand[0] = leftHand;
  p.Elbow[1] = rightElbow;
  p.Hand[1] = rightHand;
  return p;
}

MarkerLook Loaded(Color loader) {
  return {.Finish = MarkerFinish::Outlined, .Loader = loader, .Tinted = true};
}

// Grass from row `from` to the bottom, shading from `near` to `far` colour
// down the picture and fading in over `fade` rows where it meets the sky.
void Turf(Image& image, std::uint32_t seed, float from, float fade, Color near, Color far) {
  const Noise turf(seed);
  BlendEach(image, static_cast<int>(from), [&](float x, float fy) {
    const float n = turf.Fbm(x / 14.0f, fy / 6.0f, 3);
    const ColorF grass = Lerp(ToF(near), ToF(far), SmoothStep(from, kBig, fy));
    return Wash{grass * (0.8f + 0.4f * n), SmoothStep(from, from + fade, fy)};
  });
}

void DrawCheeringBackdrop(Image& image) {
  const float cx = kBig * 0.5f, cy = kBig * 0.4f;
  const Gradient sky{{0.0f, Rgb(0xFFF0A0)},
                     {0.25f, Rgb(0xFFB040)},
                     {0.55f, Rgb(0xE0403A)},
                     {0.85f, Rgb(0x7A1A5A)},
                     {1.0f, Rgb(0x3A0A3A)}};
  FillEach(image, [&](int x, int y) {
    const float dx = static_cast<float>(x) + 0.5f - cx, dy = static_cast<float>(y) + 0.5f - cy;
    const float r = std::sqrt(dx * dx + dy * dy) / (kBig * 0.75f);
    // Rays of light fanning out behind the team.
    const float ray = 0.5f + 0.5f * std::sin(std::atan2(dy, dx) * 14.0f);
    return sky.SampleF(r) +
           ColorF{1.0f, 0.8f, 0.5f} * (SmoothStep(0.55f, 0.9f, ray) * 0.18f * (1.0f - Clamp01(r)));
  });
  // The turf, lit warm by the same light.
  Turf(image, 0x1E11, 300.0f, 12.0f, Rgb(0x4A8A2A), Rgb(0x1A4A1A));
}

void DrawDrizzleBackdrop(Image& image, Random& rng) {
  FillLinear(image, 0.0f, 0.0f, 0.0f, kBig * 0.75f,
             Gradient{{0.0f, Rgb(0x48505C)}, {0.6f, Rgb(0x6A727C)}, {1.0f, Rgb(0x7A8088)}});
  // Low cloud.
  const Noise cloud(0x1E21);
  FillEach(image, [&](int x, int y) {
    const ColorF p = Unpack(image.Pixels[image.Index(x, y)]);
    if (y >= 300) return p;
    return p * (0.8f + 0.35f * cloud.Fbm(static_cast<float>(x) / 110.0f, static_cast<float>(y) / 40.0f, 4));
  });
  // The woods beyond the field, grey in the rain.
  Field trees = TreeLine(kBig, kBig, Noise(0x1E23), 260.0f, 45.0f, 40.0f, 40.0f);
  BoxBlur(trees, 1, 1);
  Paint(image, trees, Rgb(0x343C40), 0.85f);
  // Sodden turf and a puddle reflecting the sky.
  Turf(image, 0x1E22, 240.0f, 10.0f, Rgb(0x4A5444), Rgb(0x232822));
  Paint(image, BigShapes{}.Ellipse(image, {300.0f, 400.0f}, 100.0f, 14.0f), Rgb(0x6A7480), 0.6f);
  // Old paint, trodden and faded.
  Field splat(kBig, kBig);
  Splat(splat, rng, 70.0f, 360.0f, {.Radius = 18.0f, .Droplets = 8});
  Paint(image, splat, Rgb(0x8A6A3A), 0.5f);
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

// A thin dark frame holding the scene off the black screen.
Image Framed(Image image) {
  FillEach(image, [&](int x, int y) {
    const int d = std::min({x, y, image.Width - 1 - x, image.Height - 1 - y});
    const ColorF p = Unpack(image.Pixels[image.Index(x, y)]);
    return d == 0 ? ColorF{0.05f, 0.05f, 0.06f} : d == 1 ? p * 0.5f : p;
  });
  return image;
}

}  // namespace

Image DrawLeagueEndBanner(FontLibrary& fonts) {
  Image image(kBannerWidth, kBannerHeight);
  Random rng(0x1EA6);
  DrawBannerSky(image);
  DrawBursts(image, rng);
  // Paint thrown round the banner.
  const ThrownSplat thrown[] = {{38.0f, 70.0f, 26.0f, Rgb(0xFF2A86), 0.3f, 2},
                                {744.0f, 86.0f, 24.0f, Rgb(0x22C8FF), 3.3f, 2},
                                {150.0f, 128.0f, 11.0f, Rgb(0x8CF01E), -0.4f, 0},
                                {640.0f, 14.0f, 10.0f, Rgb(0xFF8A1A), 2.4f, 0}};
  ScatterSplats(image, rng, thrown,
                {.Shape = {.Arms = 10, .Droplets = 12, .Bias = 0.5f},
                 .ShadowDx = 2,
                 .ShadowDy = 3,
                 .ShadowBlur = 2,
                 .ShadowOpacity = 0.5f});
  DrawBannerLettering(image, fonts, rng);
  Bloom(image, 0.8f, 6, 0.3f);
  return image;
}

Image DrawTeamCelebrating(FontLibrary& fonts) {
  return Framed(Supersampled(kTeamSize, kTeamSize, kTeamScale, [&](Image& image) {
    Random rng(0x1EC0);
    DrawCheeringBackdrop(image);
    Confetti(image, rng, 40, 300.0f);

    // Two behind, arms in the air, one waving a marker; the captain in front
    // lifting the cup over the mask.
    Pose left = Arms(-0.15f, {-0.25f, -0.92f}, {-0.3f, -1.08f}, {0.24f, -0.93f}, {0.3f, -1.1f});
    left.Head = {-0.01f, -0.9f};
    left.Aim = -1.72f;
    const Person back1{.Feet = {105.0f, 355.0f},
                       .Height = 215.0f,
                       .Body = left,
                       .Colours = kHomeAlt,
                       .Marker = kTeamMarker,
                       .Look = Loaded(Rgb(0x8CF01E)),
                       .Flip = true};

    Pose jump = Arms(0.18f, {-0.23f, -0.95f}, {-0.22f, -1.13f}, {0.26f, -0.9f}, {0.34f, -1.04f});
    jump.Knee[0] = {-0.14f, -0.3f};
    jump.Foot[0] = {-0.08f, -0.1f};
    jump.Knee[1] = {0.12f, -0.28f};
    jump.Foot[1] = {0.16f, -0.06f};
    const Person back2{.Feet = {330.0f, 330.0f}, .Height = 215.0f, .Body = jump, .Colours = kHome};

    const Pose captain = Arms(0.0f, {-0.2f, -0.93f}, {-0.1f, -1.1f}, {0.2f, -0.93f}, {0.1f, -1.1f});
    Person front{.Feet = {212.0f, 470.0f}, .Height = 300.0f, .Body = captain, .Colours = kHome};
    front.InHands = [&front](Image& onto) { DrawCup(onto, front); };

    const Person* const team[] = {&back1, &back2, &front};
    for (const Person* p : team) {
      // Each player's shadow on the turf.
      GroundShadow(image, p->Feet.X, p->Feet.Y + 4.0f, p->Height * 0.2f, p->Height * 0.035f, 4, 0.5f,
                   Rgb(0x102008));
      DrawPlayer(image, *p, &fonts);
    }
    Confetti(image, rng, 18, 420.0f);
    Bloom(image, 0.75f, 10, 0.35f);
  }));
}

Image DrawTeamDejected(FontLibrary& fonts) {
  return Framed(Supersampled(kTeamSize, kTeamSize, kTeamScale, [&](Image& image) {
    Random rng(0x1ED0);
    DrawDrizzleBackdrop(image, rng);

    // One turned away, rubbing the back of the neck; one with head bowed,
    // marker hanging to the ground; one sat on a bunker, head in hands.
    Pose away = Arms(0.2f, Standing().Elbow[0], Standing().Hand[0], {0.24f, -0.8f}, {0.06f, -0.86f});
    away.Head = {0.02f, -0.87f};
    const Person back{.Feet = {330.0f, 330.0f},
                      .Height = 250.0f,
                      .Seen = View::Back,
                      .Body = away,
                      .Colours = kHome,
                      .Number = 7};

    Pose bowed = Arms(0.1f, {-0.16f, -0.59f}, {-0.15f, -0.44f}, {0.18f, -0.59f}, {0.2f, -0.45f});
    bowed.Head = {0.02f, -0.82f};
    bowed.Bow = 0.9f;
    Mirrored(bowed.Shoulder, {0.125f, -0.74f});
    bowed.Aim = 1.2f;
    const Person standing{.Feet = {95.0f, 405.0f},
                          .Height = 300.0f,
                          .Body = bowed,
                          .Colours = kHome,
                          .Marker = kTeamMarker,
                          .Look = Loaded(Rgb(0x40484A)),
                          .GripHand = 1,
                          .Flip = true};

    // Sat low, knees up and apart, elbows on the knees, head in the hands.
    Pose sitting = Slumped(0.0f, 1.0f);
    sitting.Head = {0.0f, -0.6f};
    sitting.Neck = Standing().Neck;
    Mirrored(sitting.Knee, {0.21f, -0.36f});
    Mirrored(sitting.Foot, {0.2f, 0.0f});
    Mirrored(sitting.Hand, {0.07f, -0.6f});
    const Person seated{.Feet = {245.0f, 450.0f}, .Height = 320.0f, .Body = sitting, .Colours = kHome};

    // The bunker the seated player slumps on.
    Field bunker = BigShapes{}.Box(image, 160.0f, 360.0f, 330.0f, 440.0f);
    FillEllipse(bunker, 245.0f, 360.0f, 85.0f, 20.0f);
    for (const Person* p : {&back, &standing}) DrawPlayer(image, *p, &fonts);
    WetPaint(image, bunker, Rgb(0x3A7AB0), 10, 0.3f);
    DrawPlayer(image, seated, &fonts);

    Drizzle(image, rng);
    Overcast(image, 0.55f);  // the light of a lost season
    Vignette(image, 0.5f);
  }));
}

Image DrawSmallTrophy(FontLibrary& fonts, int kind) { return AreaResized(DrawTrophy(fonts, kind), 90, 96); }

}  // namespace vantoro::art
