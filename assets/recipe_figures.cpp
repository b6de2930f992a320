// The tournament line-up: full-length players in their gear, standing in a
// row on the black pre-game screen. Each is a different player: kit, build,
// hair showing round the mask, the marker they carry and how they hold it.

#include <algorithm>
#include <cmath>

#include "assets/art.hpp"
#include "assets/kit_image.hpp"
#include "assets/kit_marker.hpp"
#include "assets/kit_person.hpp"
#include "assets/recipes.hpp"

namespace vantoro::art {

namespace {

constexpr int kWidth = 90;
constexpr int kHeight = 180;
// At 90 pixels wide a mask is a dozen pixels across: draw large and shrink.
constexpr int kScale = 3;

enum class Hold {
  Across,    // port arms: barrel up across the chest
  Down,      // hanging at the side, barrel to the ground
  Shoulder,  // resting on the shoulder, barrel up
  Ready,     // low ready: both hands on, barrel forward and down
};

enum class Hair { Wrapped, Short, Long, Ponytail };

struct Figure {
  Kit Colours;
  float Height;     // of the player, in picture pixels
  float Shoulders;  // half the shoulder width, in heights
  float Stance;     // half the distance between the feet, in heights
  Hold Carry;
  int Marker;
  Color Loader;
  Hair Style;
  Color HairColour;
};

// clang-format off
constexpr Figure kFigures[2][4] = {
    {  // men
        {{.Jersey = Rgb(0xD8262E), .Trim = Rgb(0xF4F4F0), .Pants = Rgb(0x24262E)},
         162.0f, 0.15f, 0.11f, Hold::Across, 7, Rgb(0x202228), Hair::Wrapped, Rgb(0x000000)},
        {{.Jersey = Rgb(0x1E5AC8), .Trim = Rgb(0xFFD81E), .Pants = Rgb(0x1A2030), .Lens = Rgb(0xFF9A2A)},
         168.0f, 0.165f, 0.13f, Hold::Down, 3, Rgb(0xFFD81E), Hair::Short, Rgb(0x3A2416)},
        {{.Jersey = Rgb(0x2A8A3A), .Trim = Rgb(0x101010), .Pants = Rgb(0x3A3A30), .Shell = Rgb(0x1A1A1A)},
         158.0f, 0.14f, 0.09f, Hold::Shoulder, 9, Rgb(0x8CF01E), Hair::Short, Rgb(0xC8A060)},
        {{.Jersey = Rgb(0x282830), .Trim = Rgb(0xFF7A1A), .Pants = Rgb(0x282830), .Lens = Rgb(0xC0FF40)},
         165.0f, 0.155f, 0.12f, Hold::Ready, 5, Rgb(0x283040), Hair::Wrapped, Rgb(0x000000)},
    },
    {  // women
        {{.Jersey = Rgb(0x8A2AC8), .Trim = Rgb(0x22C8FF), .Pants = Rgb(0x20202A)},
         150.0f, 0.13f, 0.09f, Hold::Across, 8, Rgb(0x22C8FF), Hair::Ponytail, Rgb(0x2A1A10)},
        {{.Jersey = Rgb(0xF0F0F0), .Trim = Rgb(0xD8262E), .Pants = Rgb(0x2A2A36), .Lens = Rgb(0xFF5A8A)},
         156.0f, 0.135f, 0.11f, Hold::Down, 6, Rgb(0xD8262E), Hair::Long, Rgb(0xE0C070)},
        {{.Jersey = Rgb(0xFF8A1A), .Trim = Rgb(0x1A1A1A), .Pants = Rgb(0x303030)},
         146.0f, 0.125f, 0.1f, Hold::Shoulder, 10, Rgb(0xFF2A86), Hair::Long, Rgb(0x6A2A14)},
        {{.Jersey = Rgb(0x1A8A8A), .Trim = Rgb(0xF4F4F0), .Pants = Rgb(0x1A2A2A), .Lens = Rgb(0xFFD040)},
         153.0f, 0.13f, 0.08f, Hold::Ready, 4, Rgb(0x2E3A30), Hair::Ponytail, Rgb(0x101010)},
    },
};
// clang-format on

// The arms for each way of carrying, in the order of Hold. Carried down,
// the free hand rests on the hip; on the shoulder, it hangs as it stands.
struct Arms {
  Point Elbow[2], Hand[2];
  float Aim;
};
constexpr Arms kArms[] = {
    {{{-0.2f, -0.62f}, {0.2f, -0.56f}}, {{-0.08f, -0.68f}, {0.1f, -0.5f}}, -2.2f},       // across
    {{{-0.24f, -0.58f}, {0.19f, -0.61f}}, {{-0.12f, -0.5f}, {0.16f, -0.47f}}, 1.62f},    // down
    {{{-0.18f, -0.62f}, {0.23f, -0.56f}}, {{-0.19f, -0.47f}, {0.17f, -0.64f}}, -1.72f},  // shoulder
    {{{-0.15f, -0.6f}, {0.15f, -0.58f}}, {{-0.04f, -0.58f}, {0.08f, -0.55f}}, 2.6f},     // ready
};

Pose PoseOf(const Figure& f) {
  Pose p = Standing();
  Mirrored(p.Shoulder, {f.Shoulders, -0.77f});
  Mirrored(p.Foot, {f.Stance, 0.0f});
  Mirrored(p.Knee, {f.Stance * 0.8f + 0.01f, -0.25f});
  const Arms& arms = kArms[static_cast<int>(f.Carry)];
  std::ranges::copy(arms.Elbow, p.Elbow);
  std::ranges::copy(arms.Hand, p.Hand);
  p.Aim = arms.Aim;
  return p;
}

// Hair that shows round the mask: behind the head before the figure, or
// over the top of the head where there is no wrap.
Field HairMask(const Person& p, Hair style, bool behind) {
  const float s = p.Height;
  const Point c = Placed(p.Feet, p.Body.Head, s);
  const float rx = 0.09f * s, ry = 0.1f * s;
  Field f(kWidth * kScale, kHeight * kScale);
  if (behind && style == Hair::Long) {
    const Point fall[] = {{c.X - rx * 1.05f, c.Y - ry * 0.2f}, {c.X + rx * 1.05f, c.Y - ry * 0.2f},
                          {c.X + rx * 1.3f, c.Y + ry * 2.3f},  {c.X + rx * 0.6f, c.Y + ry * 2.6f},
                          {c.X - rx * 0.6f, c.Y + ry * 2.6f},  {c.X - rx * 1.3f, c.Y + ry * 2.3f}};
    FillPolygon(f, fall);
    FillEllipse(f, c.X, c.Y - ry * 0.1f, rx * 1.08f, ry * 1.05f);
  } else if (behind && style == Hair::Ponytail) {
    TaperedLine(f, c.X + rx * 0.7f, c.Y - ry * 0.6f, c.X + rx * 1.7f, c.Y + ry * 1.9f, rx * 0.55f, rx * 0.2f);
    FillCircle(f, c.X + rx * 0.85f, c.Y - ry * 0.5f, rx * 0.35f);
  } else if (!behind && style != Hair::Wrapped) {
    // A cap of hair above the visor, with a ragged fringe.
    FillEllipse(f, c.X, c.Y - ry * 0.08f, rx * 1.04f, ry * 1.04f);
    FillEach(f, [&](int x, int y) {
      const float u = (static_cast<float>(x) - c.X) / rx, v = (static_cast<float>(y) - c.Y) / ry;
      return f(x, y) * Clamp01((-0.5f + 0.08f * std::sin(u * 9.0f) - v) * ry * 0.6f);
    });
  }
  return f;
}

void DrawHair(Image& image, const Field& mask, Color colour, std::uint32_t seed) {
  const Noise strands(seed);
  HairLight light;
  light.Texture = FieldEach(mask.Width, mask.Height, [&](int x, int y) {
    if (mask(x, y) <= 0.0f) return 1.0f;
    return 0.7f + 0.5f * strands.Fbm(static_cast<float>(x) / 2.0f, static_cast<float>(y) / 12.0f, 3);
  });
  light.Lit = Bevel(mask, 6, -0.5f, -0.7f, 0.6f, 3.0f);
  Paint(image, Dilated(mask, 3), Rgb(0x0A0A10));
  PaintHair(image, mask, colour, light);
}

// A faint pool of light on the floor, so the player stands on something.
void Floor(Image& image, const Person& p) {
  Field pool(image.Width, image.Height);
  FillEllipse(pool, p.Feet.X, p.Feet.Y, p.Height * 0.3f, p.Height * 0.04f);
  BoxBlur(pool, 8);
  AddLight(image, pool, Rgb(0x30323A));
  GroundShadow(image, p.Feet.X + 6.0f, p.Feet.Y, p.Height * 0.17f, p.Height * 0.02f, 4, 0.8f);
}

}  // namespace

Image DrawFigure(FontLibrary& fonts, int gender, int n) {
  const Figure& f = kFigures[gender == 2 ? 1 : 0][(n - 1) % 4];
  return Supersampled(kWidth, kHeight, kScale, [&](Image& image) {
    const Person p{.Feet = {kWidth * kScale * 0.5f, (kHeight - 5) * kScale},
                   .Height = f.Height * kScale,
                   .Body = PoseOf(f),
                   .Colours = f.Colours,
                   .Marker = f.Marker,
                   .Look = {.Loader = f.Loader, .Tinted = true},
                   .GripHand = 1,
                   .Flip = f.Carry == Hold::Across || f.Carry == Hold::Down};
    Floor(image, p);
    const auto seed = static_cast<std::uint32_t>(gender * 16 + n);
    DrawHair(image, HairMask(p, f.Style, true), f.HairColour, seed);
    DrawPlayer(image, p, &fonts);
    DrawHair(image, HairMask(p, f.Style, false), f.HairColour, seed);
  });
}

}  // namespace vantoro::art
