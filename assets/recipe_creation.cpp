// Team creation background: a fireball filling the frame. The screen covers
// the middle with its panels, so the blast is tuned to stay wild out to the
// edges: flame tongues, lit smoke and flying sparks live where the player
// can see them.

#include <algorithm>
#include <cmath>
#include <vector>

#include "assets/art.hpp"
#include "assets/kit_image.hpp"
#include "assets/recipes.hpp"

namespace vantoro::art {

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr float kCentreX = 400.0f;
constexpr float kCentreY = 330.0f;
constexpr float kRadius = 430.0f;

// Heat for every pixel from warped fractal noise, with smoke where the fire
// has cooled.
void DrawFireball(Image& image) {
  const Noise warpX(101), warpY(102), turbulence(103), tongues(104), billows(105);
  // Smoke billows, on a half-size grid: smoke is soft, and this is the
  // costliest noise of the picture.
  const Field smoke = FieldEach(kWidth / 2 + 1, kHeight / 2 + 1, [&](int x, int y) {
    const float px = static_cast<float>(2 * x), py = static_cast<float>(2 * y);
    const float qx = px / 160.0f, qy = py / 160.0f;
    const float wx = warpX.Fbm(qx, qy, 3), wy = warpY.Fbm(qx + 5.2f, qy + 1.3f, 3);
    return billows.Fbm(px / 110.0f + wx, py / 110.0f + wy, 5);
  });
  const Gradient fire{{0.00f, Rgb(0x050302)}, {0.12f, Rgb(0x1A0804)}, {0.25f, Rgb(0x4A0E04)},
                      {0.38f, Rgb(0x8F1A03)}, {0.50f, Rgb(0xD43A06)}, {0.62f, Rgb(0xF47512)},
                      {0.75f, Rgb(0xFFB02E)}, {0.87f, Rgb(0xFFE27A)}, {1.00f, Rgb(0xFFFDF0)}};
  const ColorF smokeDark = ToF(Rgb(0x16110F)), smokeLit = ToF(Rgb(0x8E5636));
  FillEach(image, [&](float px, float py) {
    const float dx = (px - kCentreX) / kRadius, dy = (py - kCentreY) / kRadius;
    const float r = std::sqrt(dx * dx + dy * dy) + 1e-4f;
    const float qx = px / 160.0f, qy = py / 160.0f;
    const float wx = warpX.Fbm(qx, qy, 3), wy = warpY.Fbm(qx + 5.2f, qy + 1.3f, 3);
    const float n = turbulence.Fbm(qx + 2.0f * wx, qy + 2.0f * wy, 5);
    // Ridged noise sampled round a circle gives streaks that point away
    // from the centre; drifting the circle with the radius bends them.
    const float ux = dx / r, uy = dy / r;
    const float t = tongues.Ridged(ux * 3.0f + wx * 0.8f + r * 0.9f, uy * 3.0f + wy * 0.8f - r * 0.7f, 4);
    // Cooling towards the corners frames the picture; darkening the colour
    // instead would turn yellow flame olive.
    const float fx = px / kWidth - 0.5f, fy = py / kHeight - 0.5f;
    const float corner = SmoothStep(0.25f, 0.75f, std::sqrt(fx * fx + fy * fy));
    const float heat =
        1.16f - 1.0f * r + (n - 0.5f) * 1.5f + (t - 0.45f) * 0.8f * std::min(r, 1.2f) - 0.2f * corner;
    // Smoke is lit where its surface rises towards the blast.
    const float s = smoke.Sample(px * 0.5f, py * 0.5f);
    const float toward = smoke.Sample((px - ux * 6.6f) * 0.5f, (py - uy * 6.6f) * 0.5f);
    const float lit = Clamp01(0.45f + (toward - s) * 14.0f);
    const float amount = SmoothStep(0.4f, 0.05f, heat) * SmoothStep(0.3f, 0.62f, s);
    const ColorF smokeColour = Lerp(smokeDark, smokeLit, lit * Clamp01(1.5f - r * 0.6f));
    return Lerp(fire.SampleF(heat), smokeColour, amount * 0.9f);
  });
}

// The shock front: a broken bright ring. Its wobble and strength depend on
// the angle only, so they are looked up in a table round the circle.
void DrawShockwave(Image& image) {
  constexpr int kSteps = 1024;
  const Noise breakup(106);
  std::vector<float> wobble(kSteps + 1), strength(kSteps + 1);
  for (int i = 0; i <= kSteps; ++i) {
    const float a = kTau * static_cast<float>(i) / kSteps - kTau * 0.5f;
    wobble[i] = (breakup.Fbm(std::cos(a) * 4.0f + 9.0f, std::sin(a) * 4.0f + 9.0f, 4) - 0.5f) * 0.12f;
    strength[i] = SmoothStep(0.45f, 0.75f, breakup.Fbm(std::cos(a) * 6.0f, std::sin(a) * 6.0f + 3.0f, 3));
  }
  const Field ring = FieldEach(kWidth, kHeight, [&](float x, float y) {
    const float dx = x - kCentreX, dy = y - kCentreY;
    const float r = std::sqrt(dx * dx + dy * dy) / kRadius;
    if (r < 0.6f || r > 1.1f) return 0.0f;
    const float a = std::atan2(dy, dx);
    const auto i =
        static_cast<std::size_t>(std::clamp((a + kTau * 0.5f) / kTau * kSteps, 0.0f, float{kSteps}));
    const float d = std::fabs(r - 0.83f - wobble[i]) * kRadius;
    return Clamp01(1.0f - d / 5.0f) * strength[i];
  });
  Glow(image, ring, Rgb(0xFF8A2A), 6, 1.4f);
  AddLight(image, ring, Rgb(0xFFC870), 0.5f);
}

// Sparks streak outwards, faster (longer) the further they have flown;
// embers drift everywhere.
void DrawSparks(Image& image, Random& rng) {
  Field sparks(kWidth, kHeight);
  for (int i = 0; i < 200; ++i) {
    const float a = rng.Range(0.0f, kTau);
    const float r = kRadius * rng.Range(0.3f, 1.3f);
    const float x = kCentreX + std::cos(a) * r, y = kCentreY + std::sin(a) * r;
    const float heading = a + rng.Range(-0.12f, 0.12f);
    const float length = rng.Range(4.0f, 12.0f) + r * rng.Range(0.01f, 0.06f);
    const float width = rng.Range(1.0f, 2.4f);
    TaperedLine(sparks, x, y, x + std::cos(heading) * length, y + std::sin(heading) * length, width * 0.4f,
                width, rng.Range(0.5f, 1.0f));
  }
  Field embers(kWidth, kHeight);
  for (int i = 0; i < 520; ++i)
    FillCircle(embers, rng.Range(0.0f, kWidth), rng.Range(0.0f, kHeight), rng.Range(0.6f, 2.0f),
               rng.Range(0.3f, 1.0f));
  // Cores are painted, not added, so that they stay white-hot instead of
  // clipping to yellow over the brightest fire.
  GlowingCore(image, sparks, Rgb(0xFF4A00), 4, 2.0f, Rgb(0xFFF4D8));
  GlowingCore(image, embers, Rgb(0xFF3A00), 3, 1.8f, Rgb(0xFFC060), 0.9f);
}

// Dark fragments flung out by the blast, seen against the fire.
void DrawDebris(Image& image, Random& rng) {
  Field debris(kWidth, kHeight);
  for (int i = 0; i < 40; ++i) {
    const float a = rng.Range(0.0f, kTau);
    const float r = kRadius * rng.Range(0.55f, 1.2f);
    const float x = kCentreX + std::cos(a) * r, y = kCentreY + std::sin(a) * r;
    const float size = rng.Range(2.0f, 7.5f);
    Point shape[6];
    const float spin = rng.Range(0.0f, kTau);
    for (int k = 0; k < 6; ++k) {
      const float ka = spin + kTau * static_cast<float>(k) / 6.0f;
      const float kr = size * rng.Range(0.5f, 1.3f);
      shape[k] = {x + std::cos(ka) * kr, y + std::sin(ka) * kr};
    }
    FillPolygon(debris, shape);
  }
  Paint(image, debris, Rgb(0x0A0604), 0.92f);
}

}  // namespace

Image DrawCreation(FontLibrary& /*fonts*/) {
  Image image(kWidth, kHeight);
  Random rng(0xF1AE);
  DrawFireball(image);
  DrawShockwave(image);
  DrawDebris(image, rng);
  DrawSparks(image, rng);
  Bloom(image, 0.62f, 12, 0.55f);
  return image;
}

}  // namespace vantoro::art
