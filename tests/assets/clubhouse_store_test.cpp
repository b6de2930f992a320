#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assets/recipes.hpp"

namespace vantoro::art {
namespace {

Image Draw(PictureId id, FontLibrary& fonts) { return RecipeFor(id)(fonts); }

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
  FontLibrary fonts;
  const Image room = Draw(PictureId::Clubhouse, fonts);
  for (const FittingCase& c : kFittingCases) {
    const Image fit = Draw(c.Id, fonts);
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
  FontLibrary fonts;
  const Image room = Draw(PictureId::Clubhouse, fonts);
  const Image tv = Draw(PictureId::Television, fonts), snack = Draw(PictureId::SnackMachine, fonts);
  for (int y = 62; y < 66; ++y) {
    for (int x = 85; x < 90; ++x) {
      EXPECT_EQ(tv.Pixels[tv.Index(x - 40, y - 32)], room.Pixels[room.Index(x, y)]) << x << "," << y;
      EXPECT_EQ(snack.Pixels[snack.Index(x - 85, y - 62)], room.Pixels[room.Index(x, y)]) << x << "," << y;
    }
  }
}

bool Dark(std::uint32_t p) {
  const Color c = Color::FromPacked(p);
  return c.R < 40 && c.G < 40 && c.B < 48;
}

TEST(MarkerCatalogueTest, TheMarkersDifferAndLeaveTheTopAndTopLeftToTheScreensText) {
  FontLibrary fonts;
  std::vector<Image> cards;
  for (int item = 1; item <= 10; ++item) {
    SCOPED_TRACE("marker " + std::to_string(item));
    const Image card = Draw(Nth(PictureId::MarkerItem1, item), fonts);
    int lit = 0;
    for (int y = 0; y < card.Height; ++y) {
      for (int x = 0; x < card.Width; ++x) {
        const bool reserved = y < 32 || (y < 48 && x < 40);
        if (reserved) {
          ASSERT_TRUE(Dark(card.Pixels[card.Index(x, y)])) << x << "," << y;
        }
        if (!Dark(card.Pixels[card.Index(x, y)])) ++lit;
      }
    }
    EXPECT_GT(lit, card.Width * card.Height / 10) << "no marker to see";
    for (const Image& other : cards) EXPECT_NE(other.Pixels, card.Pixels);
    cards.push_back(card);
  }
}

}  // namespace
}  // namespace vantoro::art
