#include "ui/frame_diff.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

namespace vantoro {
namespace {

using Points = std::vector<std::pair<int, int>>;

Image Changed(const Image& base, const Points& points) {
  Image now = base;
  for (const auto& [x, y] : points) now.Pixels[static_cast<std::size_t>(y * now.Width + x)] ^= 0x010203u;
  return now;
}

struct AreasCase {
  const char* Name;
  Points Changes;
  std::vector<FrameArea> Expected;
};

class ChangedAreasTest : public testing::TestWithParam<AreasCase> {};

TEST_P(ChangedAreasTest, FindsTheChangedAreas) {
  const Image before(800, 600, Color{10, 20, 30});
  EXPECT_EQ(ChangedAreas(Changed(before, GetParam().Changes), before), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Frames, ChangedAreasTest,
    testing::Values(
        AreasCase{"Alike", {}, {}}, AreasCase{"OnePixel", {{799, 599}}, {{799, 599, 1, 1}}},
        AreasCase{"CornersApart", {{0, 0}, {799, 599}}, {{0, 0, 1, 1}, {799, 599, 1, 1}}},
        // A gap of a few alike rows is taken into the area, and
        // the columns cover both changes.
        AreasCase{"CloseRowsJoin", {{100, 10}, {300, 20}}, {{100, 10, 201, 11}}},
        AreasCase{"FarRowsApart", {{100, 10}, {300, 40}}, {{100, 10, 1, 1}, {300, 40, 1, 1}}},
        AreasCase{"ManyRunsBecomeOneBand",
                  {{5, 0}, {5, 50}, {5, 100}, {5, 150}, {5, 200}, {5, 250}, {5, 300}, {5, 350}, {9, 400}},
                  {{5, 0, 5, 401}}}),
    [](const auto& test) { return std::string(test.param.Name); });

TEST(ChangedAreasTest, FramesOfAnotherSizeAreSentWhole) {
  EXPECT_EQ(ChangedAreas(Image(800, 600), Image(400, 300)), (std::vector<FrameArea>{{0, 0, 800, 600}}));
  EXPECT_TRUE(ChangedAreas(Image(), Image()).empty());
}

// What the window keeps is the last frame plus the copied areas: after any
// changes it must equal the new frame, or stale pixels stay on the screen.
TEST(ChangedAreasTest, CopyingTheAreasBringsTheShownFrameUpToDate) {
  std::mt19937 rng(7);
  Image shown(800, 600, Color{1, 2, 3});
  for (int round = 0; round < 200; ++round) {
    Points points;
    const int count = static_cast<int>(rng() % 40);
    for (int i = 0; i < count; ++i) points.emplace_back(rng() % 800, rng() % 600);
    const Image now = Changed(shown, points);
    for (const FrameArea& area : ChangedAreas(now, shown)) {
      ASSERT_GE(area.Left, 0);
      ASSERT_GE(area.Top, 0);
      ASSERT_LE(area.Left + area.Width, 800);
      ASSERT_LE(area.Top + area.Height, 600);
      CopyArea(shown, now, area);
    }
    ASSERT_EQ(shown.Pixels, now.Pixels) << "round " << round;
  }
}

}  // namespace
}  // namespace vantoro
