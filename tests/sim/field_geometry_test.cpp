// Where the field's cells lie and what the bunkers hide.

#include "sim/field_geometry.hpp"

#include <gtest/gtest.h>

namespace vantoro {
namespace {

TEST(FieldGeometryTest, CellPointsFollowTheTableAndOffFieldCellsStandFarAway) {
  struct Case {
    int cell;
    double x, y;
  };
  for (const Case c : {Case{1, 11, 70}, Case{4, 11, 183}, Case{32, 352, 187}, Case{60, 685, 189},
                       Case{63, 685, 303}, Case{0, -2500, -2500}, Case{64, -2500, -2500},
                       Case{-1, -2500, -2500}, Case{2147483647, -2500, -2500}}) {
    const Vec2 p = CellPoint(c.cell);
    EXPECT_EQ(p.X, c.x) << c.cell;
    EXPECT_EQ(p.Y, c.y) << c.cell;
  }
  EXPECT_EQ(CellColumn(32), 4);
  EXPECT_EQ(CellLane(32), 3);
  EXPECT_DOUBLE_EQ(VecDistance(CellPoint(4), CellPoint(60)), VecLength(MakeVec(674, 6)));
}

TEST(FieldGeometryTest, ABunkerHoldsOnlyThePointsStrictlyInsideIt) {
  const Bunker& b = kBunkers[0];  // 60 < x < 108, 52 < y < 99
  EXPECT_TRUE(b.Contains(61, 53));
  EXPECT_FALSE(b.Contains(60, 70));
  EXPECT_FALSE(b.Contains(108, 70));
  EXPECT_FALSE(b.Contains(80, 52));
  EXPECT_FALSE(b.Contains(80, 99));
}

TEST(FieldGeometryTest, TheWalkEndsBesideTheShooterAndTestsOneStepMore) {
  // Close together: one step, clear unless it lands in a bunker.
  EXPECT_TRUE(LineOfSightClear(MakeVec(352, 187), MakeVec(352, 187)));
  EXPECT_TRUE(LineOfSightClear(MakeVec(100, 45), MakeVec(102, 47)));
  EXPECT_FALSE(LineOfSightClear(MakeVec(61, 75), MakeVec(60, 75)));  // the step lands inside bunker 1
  // Straight through bunker 11, and past it.
  EXPECT_FALSE(LineOfSightClear(MakeVec(370, 120), MakeVec(430, 120)));
  EXPECT_TRUE(LineOfSightClear(MakeVec(370, 170), MakeVec(430, 170)));
}

TEST(FieldGeometryTest, TheSightTableAgreesWithTheWalkForEveryPair) {
  int oneWay = 0;
  for (int a = 1; a <= kFieldCells; ++a) {
    for (int b = 1; b <= kFieldCells; ++b) {
      const bool walked = LineOfSightClear(CellPoint(a), CellPoint(b));
      ASSERT_EQ(CellsInSight(a, b), walked) << a << " -> " << b;
      if (walked != LineOfSightClear(CellPoint(b), CellPoint(a))) ++oneWay;
    }
  }
  // The walk starts at the target: for a few pairs the answer depends on
  // who shoots at whom.
  EXPECT_EQ(oneWay, 12);  // six pairs, each counted from both ends
  EXPECT_FALSE(CellsInSight(0, 32));
}

}  // namespace
}  // namespace vantoro
