#include "assets/recipes.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "assets/drawn.hpp"

namespace vantoro::art {
namespace {

// The spread of brightness over the picture: a flat or nearly flat picture
// means a recipe drew nothing.
double LumaDeviation(const Image& image) {
  double sum = 0, squares = 0;
  for (const std::uint32_t p : image.Pixels) {
    const Color c = Color::FromPacked(p);
    const double luma = 0.299 * c.R + 0.587 * c.G + 0.114 * c.B;
    sum += luma;
    squares += luma * luma;
  }
  const double n = static_cast<double>(image.Pixels.size());
  return std::sqrt(std::max(squares / n - (sum / n) * (sum / n), 0.0));
}

// That a second drawing gives the same bytes is checked on the build's own
// pictures, by drawing them again in another process (Artwork.SameEachTime).
TEST(RecipesTest, EveryPictureIsDrawnAtItsSizeWithContent) {
  for (const PictureInfo& info : kPictures) {
    SCOPED_TRACE(std::string(info.File));
    ASSERT_NE(RecipeFor(info.Id), nullptr);
    const Image& first = Drawn(info.Id);
    ASSERT_EQ(first.Width, info.Width);
    ASSERT_EQ(first.Height, info.Height);
    ASSERT_EQ(first.Pixels.size(),
              static_cast<std::size_t>(info.Width) * static_cast<std::size_t>(info.Height));
    EXPECT_GT(LumaDeviation(first), 20.0);
    // No stray bits above the 24-bit colour.
    for (const std::uint32_t p : first.Pixels) ASSERT_EQ(p >> 24, 0u);
  }
}

TEST(RecipesTest, FindsPicturesByFileNameOrStem) {
  ASSERT_NE(FindPicture("title.jpg"), nullptr);
  EXPECT_EQ(FindPicture("title.jpg")->Id, PictureId::Title);
  ASSERT_NE(FindPicture("creation"), nullptr);
  EXPECT_EQ(FindPicture("creation")->Id, PictureId::Creation);
  EXPECT_EQ(FindPicture("title.png"), nullptr);
  EXPECT_EQ(FindPicture(""), nullptr);
  EXPECT_EQ(FindPicture("tit"), nullptr);
}

}  // namespace
}  // namespace vantoro::art
