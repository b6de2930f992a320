#include "ui/frame_diff.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
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
        // Changes in neighbouring tiles make one box; far ones stay apart.
        AreasCase{"NeighboursJoin", {{30, 10}, {33, 12}}, {{30, 10, 4, 3}}},
        AreasCase{"ScatteredStayApart",
                  {{100, 10}, {300, 20}, {500, 300}},
                  {{100, 10, 1, 1}, {300, 20, 1, 1}, {500, 300, 1, 1}}},
        // A change all down a column of tiles is one area.
        AreasCase{"AColumnIsOneArea",
                  [] {
                    Points p;
                    for (int y = 0; y < 600; y += 8) p.emplace_back(5, y);
                    return p;
                  }(),
                  {{5, 0, 1, 593}}},
        // So many apart that each tile row becomes one area.
        AreasCase{
            "ManyBecomeFewer",
            [] {
              Points p;
              for (int row = 0; row < 38; ++row)
                for (int x = row % 2 * 32; x < 800; x += 64) p.emplace_back(x, row * 16);
              return p;
            }(),
            [] {
              std::vector<FrameArea> areas;
              for (int row = 0; row < 38; ++row)
                areas.push_back(row % 2 ? FrameArea{32, row * 16, 705, 1} : FrameArea{0, row * 16, 769, 1});
              return areas;
            }()}),
    [](const auto& test) { return std::string(test.param.Name); });

// Parts reported undrawn are not looked at: the caller vouches for them.
TEST(ChangedAreasTest, OnlyTheDrawnPartsAreCompared) {
  const Image before(800, 600, Color{10, 20, 30});
  const Image now = Changed(before, {{10, 5}, {700, 5}, {10, 6}});
  std::vector<std::uint32_t> rows(600, 0);
  rows[5] = 1u << (700 / 32);  // only the band of (700, 5)
  EXPECT_EQ(ChangedAreas(now, before, DrawnParts{rows, 32}), (std::vector<FrameArea>{{700, 5, 1, 1}}));
}

TEST(ChangedAreasTest, FramesOfAnotherSizeAreSentWhole) {
  EXPECT_EQ(ChangedAreas(Image(800, 600), Image(400, 300)), (std::vector<FrameArea>{{0, 0, 800, 600}}));
  EXPECT_TRUE(ChangedAreas(Image(), Image()).empty());
}

// Each of the area's four edges holds a differing pixel: nothing alike is
// sent around the changes.
::testing::AssertionResult Tight(const Image& now, const Image& before, const FrameArea& area) {
  const auto differs = [&](int x0, int y0, int x1, int y1) {
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x)
        if (now.At(x, y) != before.At(x, y)) return true;
    return false;
  };
  const int right = area.Left + area.Width - 1, bottom = area.Top + area.Height - 1;
  if (differs(area.Left, area.Top, area.Left, bottom) && differs(right, area.Top, right, bottom) &&
      differs(area.Left, area.Top, right, area.Top) && differs(area.Left, bottom, right, bottom))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "area " << area.Left << ", " << area.Top << ", " << area.Width
                                       << " x " << area.Height << " is not tight";
}

// What the window keeps is the last frame plus the copied changes: after
// any changes it must equal the new frame, or stale pixels stay on the
// screen; and every pixel that changed lies in an area sent.
TEST(ChangedAreasTest, CopyingTheChangesBringsTheShownFrameUpToDate) {
  std::mt19937 rng(7);
  Image shown(800, 600, Color{1, 2, 3});
  for (int round = 0; round < 200; ++round) {
    Points points;
    const int count = static_cast<int>(rng() % 40);
    for (int i = 0; i < count; ++i) points.emplace_back(rng() % 800, rng() % 600);
    // Some rounds change runs of a row, as text and pictures do.
    for (int i = 0; round % 3 == 0 && i < 5; ++i) {
      const int x = static_cast<int>(rng() % 700), y = static_cast<int>(rng() % 600);
      for (int n = static_cast<int>(rng() % 100); n >= 0; --n) points.emplace_back(x + n, y);
    }
    const Image now = Changed(shown, points);
    FrameChanges changes;
    FindChanges(now, ViewOf(shown), {}, changes);
    Image sent = shown;
    for (const FrameArea& area : changes.Areas) {
      ASSERT_TRUE(Tight(now, shown, area)) << "round " << round;
      ASSERT_GE(area.Left, 0);
      ASSERT_GE(area.Top, 0);
      ASSERT_LE(area.Left + area.Width, 800);
      ASSERT_LE(area.Top + area.Height, 600);
      for (int y = area.Top; y < area.Top + area.Height; ++y)
        std::copy_n(&now.Pixels[now.Index(area.Left, y)], area.Width, &sent.Pixels[sent.Index(area.Left, y)]);
    }
    ASSERT_EQ(sent.Pixels, now.Pixels) << "round " << round;
    CopyChanges(shown, now, changes);
    ASSERT_EQ(shown.Pixels, now.Pixels) << "round " << round;
  }
}

// The window's own pixels as the record of what it shows: the frame lies at
// an offset in a wider surface, so rows are a pitch apart, not a width.
TEST(ChangedAreasTest, AFrameInsideAWindowIsComparedWhereItLies) {
  constexpr int kLeft = 37, kTop = 11, kPitch = 1000;
  std::mt19937 rng(11);
  std::vector<std::uint32_t> window(static_cast<std::size_t>(kPitch) * 700, 0xABCDEFu);
  Image now(800, 600, Color{1, 2, 3});
  for (int y = 0; y < 600; ++y)
    std::copy_n(&now.Pixels[now.Index(0, y)], 800, &window[(kTop + y) * kPitch + kLeft]);
  const PixelsView shown{&window[kTop * kPitch + kLeft], kPitch, 800, 600};
  for (int round = 0; round < 50; ++round) {
    Points points;
    for (int i = 0; i < 1 + static_cast<int>(rng() % 30); ++i) points.emplace_back(rng() % 800, rng() % 600);
    now = Changed(now, points);
    FrameChanges changes;
    FindChanges(now, shown, {}, changes);
    CopyChanges(&window[kTop * kPitch + kLeft], kPitch, now, changes);
    EXPECT_TRUE(ChangedAreas(now, shown).empty()) << "round " << round;
  }
  // Nothing outside the frame was taken for part of it.
  EXPECT_EQ(std::count(window.begin(), window.end(), 0xABCDEFu), kPitch * 700 - 800 * 600);
}

}  // namespace
}  // namespace vantoro
