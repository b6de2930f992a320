// The result screen's pictures: the hub's four trophies at the size the
// screen shows them, and the team after a lost game, slumped side by side
// on a bunker under a grey sky with the other side's paint all over them.

#include "assets/art.hpp"
#include "assets/kit_image.hpp"
#include "assets/kit_person.hpp"
#include "assets/paint.hpp"
#include "assets/recipes.hpp"
#include "assets/resize.hpp"

namespace vantoro::art {

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;
constexpr int kScale = 2;
constexpr float kS = static_cast<float>(kScale);
constexpr float kGround = 170.0f;

constexpr Kit kHome{.Jersey = Rgb(0x1E5AE0), .Trim = Rgb(0xFFD81E), .Pants = Rgb(0x1A2030)};
constexpr Color kTheirPaint = Rgb(0xFF2A86);

void Backdrop(Image& image) {
  FillLinear(image, 0.0f, 0.0f, 0.0f, kGround * kS,
             Gradient{{0.0f, Rgb(0x4A525E)}, {0.7f, Rgb(0x7A828C)}, {1.0f, Rgb(0x8A9098)}});
  const Noise n(0x1055);
  Paint(image, TreeLine(image.Width, image.Height, n, kGround * kS, 14.0f * kS, 16.0f * kS, 60.0f),
        Rgb(0x3A4A3A));
  MownTurf(image, kGround * kS, n,
           {.Grass = Rgb(0x3A7A34), .Far = 0.7f, .Rise = 0.35f, .Grain = 3.0f, .Stretch = 3.0f});
}

// The long inflatable they sit on, seen side-on.
void Bench(Image& image) {
  GroundShadow(image, 205.0f * kS, 262.0f * kS, 170.0f * kS, 10.0f * kS, 6, 0.5f);
  Field tube(image.Width, image.Height);
  ThickLine(tube, 60.0f * kS, 236.0f * kS, 350.0f * kS, 236.0f * kS, 52.0f * kS);
  WetPaint(image, tube, Rgb(0xE0302A), static_cast<int>(8 * kS), 0.5f);
  Field seams(image.Width, image.Height);
  for (float x = 70.0f; x < 345.0f; x += 32.0f)
    ThickLine(seams, x * kS, 210.0f * kS, x * kS, 262.0f * kS, 1.2f * kS);
  Paint(image, Multiplied(seams, tube), Rgb(0x000000), 0.3f);
}

// How a beaten player holds a marker they no longer care about: laid
// across the lap, or stood muzzle down on the grass beside the knee with
// a hand resting on it. Either way it stays clear of the body.
enum class Rest { Lap, Grounded };

constexpr std::size_t kHits = 5;

struct Loser {
  float X;
  float Lean, Bow;
  int Marker;
  Rest Held;
  Point Hits[kHits];  // paint on them, in the figure's heights from the feet
};

// clang-format off
constexpr Loser kTeam[] = {
    {110.0f, -0.12f, 0.8f, 7, Rest::Lap,
     {{-0.02f, -0.62f}, {0.08f, -0.48f}, {-0.15f, -0.3f}, {0.12f, -0.1f}, {-0.1f, -0.52f}}},
    {205.0f, 0.05f, 1.0f, 0, Rest::Lap,
     {{0.04f, -0.66f}, {-0.1f, -0.42f}, {0.12f, -0.2f}, {-0.16f, -0.08f}, {0.1f, -0.5f}}},
    {300.0f, 0.15f, 0.6f, 3, Rest::Grounded,
     {{-0.06f, -0.58f}, {0.1f, -0.38f}, {-0.05f, -0.12f}, {0.18f, -0.26f}, {-0.12f, -0.45f}}},
};
// clang-format on

void DrawTeam(Image& image) {
  Random rng(0x1057);
  for (const Loser& l : kTeam) {
    Person p{.Feet = {l.X * kS, 284.0f * kS},
             .Height = 190.0f * kS,
             .Body = Slumped(l.Lean, l.Bow),
             .Colours = kHome,
             .Marker = l.Marker,
             .Look = {.Loader = Rgb(0x40484A), .Tinted = true},
             .GripHand = 1,
             .Flip = l.Held == Rest::Lap};
    if (l.Held == Rest::Lap) {
      // Both hands on the marker over the thighs, the barrel out past the
      // near knee on the open end of the bench, the loader upright.
      p.Body.Aim = 3.06f;
      p.Body.Hand[1] = {0.08f, -0.31f};
      p.Body.Elbow[1] = {0.2f, -0.4f};
      p.Body.Hand[0] = {-0.12f, -0.32f};
    } else {
      // The muzzle on the ground outside the knee, tipped a little
      // outwards, the near hand on the grip.
      p.Body.Aim = 1.42f;
      p.Body.Hand[1] = {0.28f, -0.3f};
      p.Body.Elbow[1] = {0.25f, -0.42f};
    }
    DrawPlayer(image, p);
    Point hits[kHits];
    for (std::size_t i = 0; i < kHits; ++i) hits[i] = Placed(p.Feet, l.Hits[i], p.Height);
    SplatCoat(image, rng, hits, kTheirPaint,
              {.Shape = {.Radius = 8.0f * kS, .Arms = 8, .Droplets = 8, .Drips = 2},
               .Bevel = static_cast<int>(2 * kS),
               .Gloss = 0.9f});
  }
}

}  // namespace

Image DrawResultTrophy(FontLibrary& fonts, int kind) {
  return AreaResized(DrawTrophy(fonts, kind), 200, 212);
}

Image DrawLossPicture(FontLibrary& /*fonts*/) {
  return Supersampled(kWidth, kHeight, kScale, [](Image& image) {
    Backdrop(image);
    Bench(image);
    DrawTeam(image);
    Overcast(image, 0.35f);
    Vignette(image, 0.45f);
  });
}

}  // namespace vantoro::art
