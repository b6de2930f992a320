#include <gtest/gtest.h>

#include "assets/kit_image.hpp"

namespace vantoro::art {
namespace {

// The highest and lowest rows of column x that the mask covers at least half.
struct Span {
  int Top = -1, Bottom = -1;
};
Span Covered(const Field& f, int x) {
  Span s;
  for (int y = 0; y < f.Height; ++y) {
    if (f(x, y) < 0.5f) continue;
    if (s.Top < 0) s.Top = y;
    s.Bottom = y;
  }
  return s;
}

TEST(SceneryKitTest, TreeLinesStandOnTheirBaseAndKeepWithinTheirRise) {
  struct Case {
    float Base, Lift, Wiggle, Period;
  };
  const Case cases[] = {{60.0f, 6.0f, 9.0f, 40.0f}, {90.0f, 0.5f, 30.0f, 12.0f}, {30.0f, 20.0f, 0.0f, 50.0f}};
  const Noise noise(7);
  for (const Case& c : cases) {
    const Field trees = TreeLine(120, 100, noise, c.Base, c.Lift, c.Wiggle, c.Period);
    for (int x = 0; x < trees.Width; ++x) {
      const Span s = Covered(trees, x);
      ASSERT_GE(s.Top, 0) << "column " << x << " of the line at " << c.Base;
      EXPECT_EQ(s.Bottom, static_cast<int>(c.Base) - 1);
      EXPECT_GE(s.Top, static_cast<int>(c.Base - c.Lift - c.Wiggle) - 1);
      EXPECT_LE(s.Top, static_cast<int>(c.Base - c.Lift) + 1);
    }
  }
}

TEST(SceneryKitTest, CrossedNetSpansEveryColumnBetweenItsRows) {
  Field net(90, 60);
  CrossedNet(net, 20.0f, 40.0f, 8.0f, 1.0f, 1.0f);
  for (int x = 0; x < net.Width; ++x) {
    const Span s = Covered(net, x);
    EXPECT_GE(s.Top, 19) << "column " << x;
    EXPECT_LE(s.Bottom, 40) << "column " << x;
    EXPECT_GT(s.Bottom, s.Top) << "column " << x;
  }
}

TEST(SceneryKitTest, EnlargingAFieldKeepsItsValuesOnTheCoarseGrid) {
  Field coarse(10, 8);
  for (int y = 0; y < coarse.Height; ++y) {
    for (int x = 0; x < coarse.Width; ++x) coarse(x, y) = static_cast<float>(x + 10 * y);
  }
  const Field big = Enlarged(coarse, 3.0f, 30, 24);
  ASSERT_EQ(big.Width, 30);
  ASSERT_EQ(big.Height, 24);
  EXPECT_FLOAT_EQ(big(6, 9), coarse(2, 3));
  EXPECT_FLOAT_EQ(big(7, 9), coarse(2, 3) + 1.0f / 3.0f);
  // Past the coarse grid's last column the edge value holds.
  EXPECT_FLOAT_EQ(big(29, 0), coarse(9, 0));
}

}  // namespace
}  // namespace vantoro::art
