#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "assets/recipes.hpp"

namespace vantoro::art {
namespace {

// The title's steel: light and grey, unlike the red gloom, the dark outline
// and the dull old paint behind it.
bool Steel(Color c) {
  const int luma = (299 * c.R + 587 * c.G + 114 * c.B) / 1000;
  const int spread = std::max({c.R, c.G, c.B}) - std::min({c.R, c.G, c.B});
  return luma > 100 && spread < 48;
}

struct Letter {
  int Left, Right, Top, Bottom;
};

// Each run of columns with steel in the title's rows, as one letter; slivers
// of highlight between letters are too narrow to count.
std::vector<Letter> TitleLetters(const Image& image, int rows) {
  std::vector<Letter> letters;
  int x = 0;
  while (x < image.Width) {
    Letter l{x, x, rows, -1};
    for (; x < image.Width; ++x) {
      bool ink = false;
      for (int y = 0; y < rows; ++y) {
        if (!Steel(image.At(x, y))) continue;
        ink = true;
        l.Top = std::min(l.Top, y);
        l.Bottom = std::max(l.Bottom, y);
      }
      if (!ink) break;
      l.Right = x;
    }
    if (l.Right - l.Left >= 8) letters.push_back(l);
    ++x;
  }
  return letters;
}

// The title breaks in two, but both pieces stand on one baseline: every
// letter starts and ends on the first one's rows, round ones a pixel over.
TEST(BreakupBannerTest, BothPiecesOfTheTitleStandOnOneBaseline) {
  FontLibrary fonts;
  const Image banner = DrawBreakupBanner(fonts);
  const std::vector<Letter> letters = TitleLetters(banner, 60);
  ASSERT_EQ(letters.size(), 12u) << "TEAM BREAKUP! has twelve letters";
  for (const Letter& l : letters) {
    SCOPED_TRACE("letter at column " + std::to_string(l.Left));
    EXPECT_NEAR(l.Top, letters.front().Top, 1);
    EXPECT_NEAR(l.Bottom, letters.front().Bottom, 1);
  }
}

}  // namespace
}  // namespace vantoro::art
