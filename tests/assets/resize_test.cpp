#include "assets/resize.hpp"

#include <gtest/gtest.h>

#include "assets/art.hpp"

namespace vantoro::art {
namespace {

TEST(AreaResizedTest, GivesTheAskedSize) {
  const Image big(160, 170, Rgb(0x102030));
  const Image small = AreaResized(big, 90, 96);
  EXPECT_EQ(small.Width, 90);
  EXPECT_EQ(small.Height, 96);
  EXPECT_EQ(small.Pixels.size(), 90u * 96u);
  // A flat picture stays flat, to the last bit.
  for (const std::uint32_t p : small.Pixels) ASSERT_EQ(p, 0x102030u);
}

TEST(AreaResizedTest, WholeFactorsAverageBlocksLikeDownsampled) {
  Image image(8, 6);
  for (int y = 0; y < image.Height; ++y) {
    for (int x = 0; x < image.Width; ++x)
      image.Set(x, y, Color{static_cast<std::uint8_t>(x * 30), 0, static_cast<std::uint8_t>(y * 40)});
  }
  const Image resized = AreaResized(image, 4, 3);
  const Image halved = Downsampled(image, 2);
  EXPECT_TRUE(resized.Pixels == halved.Pixels);
}

TEST(AreaResizedTest, PartlyCoveredPixelsCountByTheirShare) {
  // Three pixels into two: each new pixel covers one old pixel and half of
  // the middle one.
  Image image(3, 1);
  image.Set(0, 0, Rgb(0x000000));
  image.Set(1, 0, Rgb(0xF0F0F0));
  image.Set(2, 0, Rgb(0x000000));
  const Image resized = AreaResized(image, 2, 1);
  EXPECT_EQ(resized.At(0, 0), Rgb(0x505050));
  EXPECT_EQ(resized.At(1, 0), Rgb(0x505050));
}

TEST(AreaResizedTest, AThinLineFadesButDoesNotVanish) {
  Image image(100, 100);
  for (int y = 0; y < 100; ++y) image.Set(37, y, kWhite);
  const Image resized = AreaResized(image, 30, 30);
  int lit = 0;
  for (const std::uint32_t p : resized.Pixels) lit += p != 0 ? 1 : 0;
  EXPECT_GE(lit, 30);
  EXPECT_LE(lit, 60);
}

TEST(AreaResizedTest, DegenerateSizesGiveAtLeastOnePixel) {
  const Image image(5, 5, kWhite);
  const Image resized = AreaResized(image, 0, -3);
  EXPECT_EQ(resized.Width, 1);
  EXPECT_EQ(resized.Height, 1);
  EXPECT_EQ(resized.At(0, 0), kWhite);
  EXPECT_EQ(AreaResized(Image(), 4, 4).At(2, 2), kBlack);
}

}  // namespace
}  // namespace vantoro::art
