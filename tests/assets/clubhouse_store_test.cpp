#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "assets/art.hpp"
#include "assets/drawn.hpp"
#include "assets/recipes.hpp"

namespace vantoro::art {
namespace {

// The game draws each fitting over the room at its screen point; the
// room's own top-left is at (170, 162).
struct FittingCase {
  PictureId Id;
  int ScreenX, ScreenY;
};

constexpr FittingCase kFittingCases[] = {
    {PictureId::Television, 210, 194}, {PictureId::PbCooler, 198, 229},   {PictureId::SnackMachine, 255, 224},
    {PictureId::PoolTable, 315, 239},  {PictureId::BeerFridge, 270, 198},
};

TEST(ClubhouseTest, EachFittingMatchesTheRoomAlongItsEdgesAndShowsSomethingInside) {
  const Image room = Drawn(PictureId::Clubhouse);
  for (const FittingCase& c : kFittingCases) {
    const Image fit = Drawn(c.Id);
    SCOPED_TRACE(std::to_string(static_cast<int>(c.Id)));
    const int ox = c.ScreenX - 170, oy = c.ScreenY - 162;
    ASSERT_LE(ox + fit.Width, room.Width);
    ASSERT_LE(oy + fit.Height, room.Height);
    int edgeMismatches = 0, insideChanges = 0;
    for (int y = 0; y < fit.Height; ++y) {
      for (int x = 0; x < fit.Width; ++x) {
        const bool edge = x == 0 || y == 0 || x == fit.Width - 1 || y == fit.Height - 1;
        const bool same = fit.Pixels[fit.Index(x, y)] == room.Pixels[room.Index(ox + x, oy + y)];
        if (edge && !same) ++edgeMismatches;
        if (!edge && !same) ++insideChanges;
      }
    }
    EXPECT_EQ(edgeMismatches, 0) << "the cut would show over the room";
    EXPECT_GT(insideChanges, fit.Width * fit.Height / 3) << "the fitting hardly changes the room";
  }
}

// Where the television's and the snack machine's boxes overlap, neither
// may draw, or whichever comes second would cut into the other.
TEST(ClubhouseTest, OverlappingFittingsLeaveTheSharedCornerToTheRoom) {
  const Image room = Drawn(PictureId::Clubhouse);
  const Image tv = Drawn(PictureId::Television), snack = Drawn(PictureId::SnackMachine);
  for (int y = 62; y < 66; ++y) {
    for (int x = 85; x < 90; ++x) {
      EXPECT_EQ(tv.Pixels[tv.Index(x - 40, y - 32)], room.Pixels[room.Index(x, y)]) << x << "," << y;
      EXPECT_EQ(snack.Pixels[snack.Index(x - 85, y - 62)], room.Pixels[room.Index(x, y)]) << x << "," << y;
    }
  }
}

bool Dark(Color c) { return c.R < 40 && c.G < 40 && c.B < 48; }

// The store writes over a marker card in two places: the catalogue draws it
// at (202, 167) under its Prev and Next buttons, the price, the name and
// the release status; the marker panel at (498, 165) under the condition
// and the customisation line. Each text cell is taken at its longest.
struct TextCover {
  int OriginX, OriginY;
  Rect Screen;
};

constexpr TextCover kCovers[] = {
    {202, 167, {270, 165, 370, 195}},  // Prev
    {202, 167, {390, 165, 490, 195}},  // Next
    {202, 167, {135, 280, 220, 314}},  // "$1640", size 22
    {202, 167, {135, 320, 305, 354}},  // "Svelte Turbo", size 22
    {202, 167, {330, 337, 462, 353}},  // "PENDING RELEASE"
    {498, 165, {502, 165, 572, 197}},  // "100%", size 20
    {498, 165, {498, 340, 660, 356}},  // "+ Marker Not Customised"
};

// Pixels that differ sharply from the next one across or down: the edges
// of the marker and its fittings, never the card's soft light.
Rect Detail(const Image& card) {
  Rect box{card.Width, card.Height, 0, 0};
  const auto step = [](Color a, Color b) {
    return std::abs(a.R - b.R) + std::abs(a.G - b.G) + std::abs(a.B - b.B);
  };
  for (int y = 0; y + 1 < card.Height; ++y) {
    for (int x = 0; x + 1 < card.Width; ++x) {
      const Color c = card.At(x, y);
      if (std::max(step(c, card.At(x + 1, y)), step(c, card.At(x, y + 1))) <= 60) continue;
      box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
             std::max(box.Bottom, y + 1)};
    }
  }
  return box;
}

TEST(MarkerCatalogueTest, TheMarkersDifferAndFillTheBandTheStoresTextLeavesFree) {
  std::vector<Image> cards;
  for (int item = 1; item <= 10; ++item) {
    SCOPED_TRACE("marker " + std::to_string(item));
    const Image card = Drawn(Nth(PictureId::MarkerItem1, item));
    for (const TextCover& c : kCovers) {
      const int left = std::max(c.Screen.Left - c.OriginX, 0), top = std::max(c.Screen.Top - c.OriginY, 0);
      const int right = std::min(c.Screen.Right - c.OriginX, card.Width);
      const int bottom = std::min(c.Screen.Bottom - c.OriginY, card.Height);
      for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x) ASSERT_TRUE(Dark(card.At(x, y))) << x << "," << y;
    }
    // Between the buttons along the top and the lines along the bottom,
    // most of the card's width.
    const Rect marker = Detail(card);
    EXPECT_GE(marker.Top, 30);
    EXPECT_LE(marker.Bottom, 153);
    EXPECT_GE(marker.Right - marker.Left, card.Width * 2 / 3);
    for (const Image& other : cards) EXPECT_NE(other.Pixels, card.Pixels);
    cards.push_back(card);
  }
}

}  // namespace
}  // namespace vantoro::art
