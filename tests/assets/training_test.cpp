#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "assets/drawn.hpp"
#include "assets/recipes.hpp"

namespace vantoro::art {
namespace {

// The mean difference per channel: all four drills share the practice field,
// so a drill that fell back on another's scene would differ only in noise.
double MeanDifference(const Image& a, const Image& b) {
  double sum = 0;
  for (std::size_t i = 0; i < a.Pixels.size(); ++i) {
    const Color p = Color::FromPacked(a.Pixels[i]), q = Color::FromPacked(b.Pixels[i]);
    sum += std::abs(p.R - q.R) + std::abs(p.G - q.G) + std::abs(p.B - q.B);
  }
  return sum / (3.0 * static_cast<double>(a.Pixels.size()));
}

TEST(TrainingTest, EachDrillDiffersClearlyFromTheOthers) {
  std::vector<Image> drills;
  for (int n = 1; n <= 4; ++n) drills.push_back(Drawn(Nth(PictureId::Training1, n)));
  for (std::size_t i = 0; i < drills.size(); ++i) {
    for (std::size_t j = i + 1; j < drills.size(); ++j) {
      SCOPED_TRACE("drills " + std::to_string(i + 1) + " and " + std::to_string(j + 1));
      EXPECT_GT(MeanDifference(drills[i], drills[j]), 8.0);
    }
  }
}

}  // namespace
}  // namespace vantoro::art
