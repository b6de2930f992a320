#include "assets/art.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <numeric>

namespace vantoro::art {
namespace {

float Sum(const Field& f) { return std::accumulate(f.Values.begin(), f.Values.end(), 0.0f); }

TEST(ArtShapesTest, CoverageMatchesTheShapesArea) {
  Field circle(100, 100);
  FillCircle(circle, 50.3f, 49.6f, 20.0f);
  EXPECT_NEAR(Sum(circle), std::numbers::pi_v<float> * 400.0f, 4.0f);

  Field ellipse(100, 100);
  FillEllipse(ellipse, 50.0f, 50.0f, 30.0f, 10.0f);
  EXPECT_NEAR(Sum(ellipse), std::numbers::pi_v<float> * 300.0f, 6.0f);

  // Fractional corners are covered exactly in x and to a quarter row in y.
  Field square(40, 40);
  const Point corners[] = {{10.5f, 10.0f}, {20.5f, 10.0f}, {20.5f, 20.0f}, {10.5f, 20.0f}};
  FillPolygon(square, corners);
  EXPECT_NEAR(Sum(square), 100.0f, 0.01f);
  EXPECT_FLOAT_EQ(square(10, 15), 0.5f);
  EXPECT_FLOAT_EQ(square(15, 15), 1.0f);

  Field line(100, 20);
  ThickLine(line, 10.0f, 10.0f, 90.0f, 10.0f, 4.0f);
  EXPECT_NEAR(Sum(line), 80.0f * 4.0f + std::numbers::pi_v<float> * 4.0f, 4.0f);
}

TEST(ArtShapesTest, ShapesReachingOffTheFieldAreClipped) {
  Field f(30, 20);
  FillCircle(f, -5.0f, 10.0f, 12.0f);
  ThickLine(f, -1000.0f, -1000.0f, 1000.0f, 1000.0f, 3.0f);
  const Point far[] = {{-500.0f, -500.0f}, {500.0f, -400.0f}, {15.0f, 900.0f}};
  FillPolygon(f, far);
  for (const float v : f.Values) {
    EXPECT_GE(v, 0.0f);
    EXPECT_LE(v, 1.0f);
  }
  EXPECT_FLOAT_EQ(f(15, 10), 1.0f);
}

TEST(ArtFiltersTest, BlurKeepsTheInkAndSpreadsItEvenly) {
  Field f(64, 48);
  f(30, 20) = 1.0f;
  f(2, 2) = 1.0f;  // near a corner: the clamped edge must not lose or invent ink
  BoxBlur(f, 3, 3);
  EXPECT_NEAR(f(30 - 4, 20), f(30 + 4, 20), 1e-6f);
  EXPECT_NEAR(f(30, 20 - 5), f(30, 20 + 5), 1e-6f);
  float around = 0.0f;
  for (int y = 10; y < 31; ++y) {
    for (int x = 20; x < 41; ++x) around += f(x, y);
  }
  EXPECT_NEAR(around, 1.0f, 1e-4f);
  EXPECT_GT(f(0, 0), 0.0f);
  EXPECT_EQ(f(63, 47), 0.0f);
}

TEST(ArtFiltersTest, DilationGrowsADiscAndErosionUndoesIt) {
  Field dot(40, 40);
  dot(20, 20) = 1.0f;
  const Field disc = Dilated(dot, 6);
  EXPECT_NEAR(Sum(disc), std::numbers::pi_v<float> * 36.0f, 12.0f);
  EXPECT_FLOAT_EQ(disc(26, 20), 1.0f);
  EXPECT_FLOAT_EQ(disc(20, 14), 1.0f);
  EXPECT_FLOAT_EQ(disc(25, 25), 0.0f);  // outside the disc, inside its square

  Field block(40, 40);
  for (int y = 10; y < 30; ++y) {
    for (int x = 10; x < 30; ++x) block(x, y) = 1.0f;
  }
  EXPECT_EQ(Eroded(Dilated(block, 3), 3).Values, block.Values);
}

TEST(ArtFiltersTest, RimIsTheEdgeFacingTheOffset) {
  Field block(20, 20);
  for (int y = 5; y < 15; ++y) {
    for (int x = 5; x < 15; ++x) block(x, y) = 1.0f;
  }
  const Field left = Rim(block, -2, 0);
  EXPECT_FLOAT_EQ(left(5, 10), 1.0f);
  EXPECT_FLOAT_EQ(left(6, 10), 1.0f);
  EXPECT_FLOAT_EQ(left(7, 10), 0.0f);
  EXPECT_FLOAT_EQ(left(14, 10), 0.0f);
}

TEST(ArtColourTest, GradientsHitTheirStopsAndBlendBetween) {
  const Gradient g{{0.0f, Rgb(0x000000)}, {0.5f, Rgb(0xFF0000)}, {1.0f, Rgb(0xFFFFFF)}};
  EXPECT_EQ(g.Sample(-1.0f), Rgb(0x000000));
  EXPECT_EQ(g.Sample(0.5f), Rgb(0xFF0000));
  EXPECT_EQ(g.Sample(2.0f), Rgb(0xFFFFFF));
  const Color quarter = g.Sample(0.25f);
  EXPECT_NEAR(quarter.R, 128, 2);
  EXPECT_EQ(quarter.G, 0);

  Image image(4, 1, Rgb(0x204060));
  Field alpha(4, 1);
  alpha(1, 0) = 0.5f;
  alpha(2, 0) = 1.0f;
  Paint(image, alpha, Rgb(0xFFFFFF));
  EXPECT_EQ(image.At(0, 0), Rgb(0x204060));
  EXPECT_EQ(image.At(1, 0), Lerp(Rgb(0x204060), Rgb(0xFFFFFF), 0.5f));
  EXPECT_EQ(image.At(2, 0), Rgb(0xFFFFFF));

  Field light(4, 1, 1.0f);
  AddLight(image, light, Rgb(0xFFFFFF), 5.0f);  // clamps at white, no wrap-around
  EXPECT_EQ(image.At(0, 0), Rgb(0xFFFFFF));
}

TEST(ArtNoiseTest, NoiseIsBoundedSeededAndSmooth) {
  const Noise a(7), same(7), other(8);
  float maxStep = 0.0f;
  bool differs = false;
  for (int i = 0; i < 2000; ++i) {
    const float x = static_cast<float>(i) * 0.37f - 300.0f, y = static_cast<float>(i) * 0.11f;
    const float v = a.Fbm(x, y, 5);
    EXPECT_GE(v, 0.0f);
    EXPECT_LE(v, 1.0f);
    EXPECT_EQ(v, same.Fbm(x, y, 5));
    differs = differs || v != other.Fbm(x, y, 5);
    maxStep = std::max(maxStep, std::fabs(a.Value(x, y) - a.Value(x + 0.01f, y)));
  }
  EXPECT_TRUE(differs);
  EXPECT_LT(maxStep, 0.05f);
  // Coordinates far outside any picture must not overflow the lattice.
  EXPECT_GE(a.Value(3e9f, -3e9f), 0.0f);

  Random r(1), r2(1);
  for (int i = 0; i < 1000; ++i) {
    const int v = r.Below(7);
    EXPECT_GE(v, 0);
    EXPECT_LT(v, 7);
    EXPECT_EQ(v, r2.Below(7));
  }
  EXPECT_EQ(r.Below(0), 0);
}

TEST(ArtLightTest, SlopesFacingTheLightAreBrighter) {
  // A ramp rising to the right faces the left.
  Field ramp(20, 5);
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 20; ++x) ramp(x, y) = static_cast<float>(x) * 0.1f;
  }
  const Field fromLeft = Lighting(ramp, -1.0f, 0.0f, 1.0f, 4.0f);
  const Field fromRight = Lighting(ramp, 1.0f, 0.0f, 1.0f, 4.0f);
  EXPECT_GT(fromLeft(10, 2), fromRight(10, 2));
  // Flat ground is lit by the height of the light alone, also away from any ink.
  const Field flat = Lighting(Field(8, 8), 0.0f, 3.0f, 4.0f, 4.0f);
  EXPECT_NEAR(flat(4, 4), 0.8f, 1e-5f);
}

TEST(ArtTextTest, TextMasksHoldTheLettersWhereTheyAreDrawn) {
  FontLibrary fonts;
  const Font& font = fonts.Get("Arial", FontSize::Pixels(40), true);
  const Field plain = TextMask(300, 60, 10, 5, "VANTORO", font);
  const Rect ink = InkBounds(plain);
  EXPECT_GE(ink.Left, 10);
  EXPECT_LE(ink.Right, 10 + font.TextWidth("VANTORO") + 1);
  EXPECT_GE(ink.Top, 5);
  EXPECT_GT(ink.Right - ink.Left, 100);

  const int tracked = TrackedWidth("VANTORO", font, 6);
  EXPECT_EQ(tracked, TrackedWidth("VANTORO", font, 0) + 6 * 6);
  const Rect spaced = InkBounds(TextMask(400, 60, 10, 5, "VANTORO", font, 6));
  EXPECT_NEAR(spaced.Right - spaced.Left, ink.Right - ink.Left + 36, 2);
}

TEST(ArtFiltersTest, DownsamplingAveragesEachBlock) {
  Image big(4, 2, Rgb(0x000000));
  big.Set(0, 0, Rgb(0xFFFFFF));
  big.Set(1, 1, Rgb(0xFFFFFF));
  big.Set(2, 0, Rgb(0x804000));
  big.Set(3, 0, Rgb(0x804000));
  big.Set(2, 1, Rgb(0x804000));
  big.Set(3, 1, Rgb(0x804000));
  const Image small = Downsampled(big, 2);
  ASSERT_EQ(small.Width, 2);
  ASSERT_EQ(small.Height, 1);
  EXPECT_EQ(small.At(0, 0), Rgb(0x808080));
  EXPECT_EQ(small.At(1, 0), Rgb(0x804000));
}

}  // namespace
}  // namespace vantoro::art
