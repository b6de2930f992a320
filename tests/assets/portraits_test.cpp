#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "assets/recipes.hpp"

namespace vantoro::art {
namespace {

// The mean difference per channel over the middle of the picture, where the
// face is: the backdrops differ anyway, so only the face can tell two
// players apart here.
double FaceDifference(const Image& a, const Image& b) {
  const int x0 = a.Width * 2 / 5, x1 = a.Width * 3 / 5, y0 = a.Height / 5, y1 = a.Height * 3 / 5;
  double sum = 0;
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) {
      const Color p = Color::FromPacked(a.Pixels[a.Index(x, y)]),
                  q = Color::FromPacked(b.Pixels[b.Index(x, y)]);
      sum += std::abs(p.R - q.R) + std::abs(p.G - q.G) + std::abs(p.B - q.B);
    }
  return sum / (3.0 * (x1 - x0) * (y1 - y0));
}

TEST(PortraitsTest, TheSixteenFacesDifferPairwise) {
  FontLibrary fonts;
  std::vector<Image> faces;
  std::vector<std::string> names;
  for (const int gender : {1, 2})
    for (int n = 1; n <= 8; ++n) {
      faces.push_back(DrawPortrait(fonts, gender, n));
      names.push_back((gender == 1 ? "m" : "f") + std::to_string(n));
    }
  for (std::size_t i = 0; i < faces.size(); ++i)
    for (std::size_t j = i + 1; j < faces.size(); ++j)
      EXPECT_GT(FaceDifference(faces[i], faces[j]), 12.0) << names[i] << " and " << names[j] << " look alike";
}

}  // namespace
}  // namespace vantoro::art
