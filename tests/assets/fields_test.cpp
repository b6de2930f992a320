#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "assets/drawn.hpp"
#include "assets/recipes.hpp"
#include "sim/field_geometry.hpp"

namespace vantoro::art {
namespace {

struct Mean {
  double R = 0, G = 0, B = 0;
  int Count = 0;
};

// The mean colour of the pixels (none inside another bunker) whose distance
// outside the box (negative inside) lies in [from, to).
Mean Band(const Image& image, const Bunker& b, int from, int to) {
  Mean m;
  for (int y = std::max(b.YLow - to, 0); y < std::min(b.YHigh + to, image.Height); ++y) {
    for (int x = std::max(b.XLow - to, 0); x < std::min(b.XHigh + to, image.Width); ++x) {
      const int dx = std::max(b.XLow + 1 - x, x - (b.XHigh - 1));
      const int dy = std::max(b.YLow + 1 - y, y - (b.YHigh - 1));
      const int d = std::max(dx, dy);
      if (d < from || d >= to) continue;
      bool inOther = false;
      for (const Bunker& other : kBunkers) inOther |= &other != &b && other.Contains(x, y);
      if (inOther) continue;
      const Color c = Color::FromPacked(image.Pixels[image.Index(x, y)]);
      m.R += c.R;
      m.G += c.G;
      m.B += c.B;
      ++m.Count;
    }
  }
  if (m.Count > 0) {
    m.R /= m.Count;
    m.G /= m.Count;
    m.B /= m.Count;
  }
  return m;
}

double Distance(const Mean& a, const Mean& b) {
  return std::sqrt((a.R - b.R) * (a.R - b.R) + (a.G - b.G) * (a.G - b.G) + (a.B - b.B) * (a.B - b.B));
}

class FieldPictureTest : public testing::TestWithParam<PictureId> {};

// A bunker drawn a few pixels off its rectangle, or not at all, leaves the
// band just inside its edges looking like the band just outside.
TEST_P(FieldPictureTest, EveryBunkerIsDrawnExactlyOnItsRectangle) {
  const Image image = Drawn(GetParam());
  for (std::size_t i = 0; i < kBunkers.size(); ++i) {
    SCOPED_TRACE("bunker " + std::to_string(i));
    const Mean inside = Band(image, kBunkers[i], -5, -1);
    const Mean outside = Band(image, kBunkers[i], 2, 6);
    ASSERT_GT(inside.Count, 0);
    ASSERT_GT(outside.Count, 0);
    EXPECT_GT(Distance(inside, outside), 40.0);
  }
}

// The flag stations and the centre mark stand out from the field round them.
TEST_P(FieldPictureTest, FlagStationsAndCentreAreMarked) {
  const Image image = Drawn(GetParam());
  for (const int cell : {4, 32, 60}) {
    SCOPED_TRACE("cell " + std::to_string(cell));
    const CellXY p = CellXYOf(cell);
    const Bunker spot{p.X - 10, p.X + 10, p.Y - 10, p.Y + 10};
    EXPECT_GT(Distance(Band(image, spot, -9, 0), Band(image, spot, 6, 12)), 15.0);
  }
}

INSTANTIATE_TEST_SUITE_P(AllFields, FieldPictureTest,
                         testing::Values(PictureId::FieldAirball, PictureId::FieldAirballMud,
                                         PictureId::FieldWoodsball));

}  // namespace
}  // namespace vantoro::art
