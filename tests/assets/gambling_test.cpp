#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "assets/drawn.hpp"
#include "assets/recipes.hpp"

namespace vantoro::art {
namespace {

bool Felt(Color c) { return c.G > c.R + 10 && c.G > c.B && c.G < 120; }
bool Paper(Color c) { return c.R > 200 && c.G > 200 && c.B > 190; }
bool Black(Color c) { return c.R < 40 && c.G < 40 && c.B < 40; }

// Alike but for the last bit of rounding, which a faint shadow leaves.
bool Near(Color a, Color b) {
  return std::abs(a.R - b.R) <= 3 && std::abs(a.G - b.G) <= 3 && std::abs(a.B - b.B) <= 3;
}

// Every row one colour: nothing painted on the reel's band.
bool Plain(const Image& image) {
  for (int y = 0; y < image.Height; ++y) {
    for (int x = 1; x < image.Width; ++x) {
      if (image.Pixels[image.Index(x, y)] != image.Pixels[image.Index(0, y)]) return false;
    }
  }
  return true;
}

void ExpectAllDiffer(const std::vector<Image>& images) {
  for (std::size_t i = 0; i < images.size(); ++i) {
    for (std::size_t j = i + 1; j < images.size(); ++j)
      EXPECT_NE(images[i].Pixels, images[j].Pixels) << i << " " << j;
  }
}

TEST(CardsTest, TheThirteenDifferShowTheFeltAtTheRoundedCornersAndAnIndexAtTopLeftAndBottomRight) {
  std::vector<Image> cards;
  for (int rank = 1; rank <= 13; ++rank) {
    SCOPED_TRACE("rank " + std::to_string(rank));
    const Image card = Drawn(Nth(PictureId::Card1, rank));
    const int w = card.Width, h = card.Height;
    const std::pair<int, int> corners[] = {{1, 1},         {w - 2, 1}, {1, h - 2},
                                           {w - 2, h - 2}, {4, 4},     {w - 5, h - 5}};
    for (const auto& [x, y] : corners) EXPECT_TRUE(Felt(card.At(x, y))) << x << "," << y;
    EXPECT_TRUE(Paper(card.At(w / 2, 6)));
    int topInk = 0, bottomInk = 0;
    for (int y = 6; y < 36; ++y) {
      for (int x = 5; x < 18; ++x) {
        topInk += Paper(card.At(x, y)) ? 0 : 1;
        bottomInk += Paper(card.At(w - 1 - x, h - 1 - y)) ? 0 : 1;
      }
    }
    EXPECT_GT(topInk, 40);
    EXPECT_NEAR(bottomInk, topInk, topInk / 5) << "the lower index is not the upper one turned";
    cards.push_back(card);
  }
  ExpectAllDiffer(cards);
}

bool Ink(Color c) { return std::min({c.R, c.G, c.B}) < 120; }

// Separate marks of ink in the box, each counted once.
int InkBlots(const Image& image, int left, int top, int right, int bottom) {
  std::vector<bool> seen(image.Pixels.size(), false);
  int blots = 0;
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x < right; ++x) {
      if (seen[image.Index(x, y)] || !Ink(image.At(x, y))) continue;
      ++blots;
      std::vector<std::pair<int, int>> todo = {{x, y}};
      seen[image.Index(x, y)] = true;
      while (!todo.empty()) {
        const auto [px, py] = todo.back();
        todo.pop_back();
        for (const auto& [nx, ny] :
             {std::pair{px + 1, py}, std::pair{px - 1, py}, std::pair{px, py + 1}, std::pair{px, py - 1}}) {
          if (nx < left || ny < top || nx >= right || ny >= bottom || seen[image.Index(nx, ny)] ||
              !Ink(image.At(nx, ny)))
            continue;
          seen[image.Index(nx, ny)] = true;
          todo.push_back({nx, ny});
        }
      }
    }
  }
  return blots;
}

TEST(CardsTest, EachSpotCardShowsAsManyPipsAsItsRankBetweenTheIndices) {
  for (int rank = 1; rank <= 10; ++rank) {
    const Image card = Drawn(Nth(PictureId::Card1, rank));
    EXPECT_EQ(InkBlots(card, 20, 12, card.Width - 20, card.Height - 12), rank) << "rank " << rank;
  }
}

// Where the non-black of the picture's upper part sits.
std::pair<double, double> RiderCentre(const Image& image) {
  double sx = 0, sy = 0, n = 0;
  for (int y = 0; y < image.Height / 2; ++y) {
    for (int x = 0; x < image.Width; ++x) {
      if (Black(image.At(x, y))) continue;
      sx += x, sy += y, n += 1;
    }
  }
  return {sx / n, sy / n};
}

TEST(HorseTest, TheRunnerStandsOnTheBlackLaneAndTheTwoGallopPhasesDiffer) {
  std::vector<Image> frames;
  for (const PictureId id : {PictureId::HorseStanding, PictureId::HorseGallop1, PictureId::HorseGallop2}) {
    SCOPED_TRACE(std::to_string(static_cast<int>(id)));
    const Image frame = Drawn(id);
    for (int x = 0; x < frame.Width; ++x)
      EXPECT_TRUE(Black(frame.At(x, 0)) && Black(frame.At(x, frame.Height - 1)));
    for (int y = 0; y < frame.Height; ++y)
      EXPECT_TRUE(Black(frame.At(0, y)) && Black(frame.At(frame.Width - 1, y)));
    frames.push_back(frame);
  }
  ASSERT_EQ(frames[1].Width, frames[2].Width);
  ExpectAllDiffer(frames);
  // Alternated every tick, a rider who moved would judder rather than gallop.
  const auto [x1, y1] = RiderCentre(frames[1]);
  const auto [x2, y2] = RiderCentre(frames[2]);
  EXPECT_NEAR(x1, x2, 2.0);
  EXPECT_NEAR(y1, y2, 2.0);
}

TEST(SlotsTest, OnlyTheBlankSymbolIsPlainAndEverySymbolAndBlurFrameDiffers) {
  std::vector<Image> reel;
  for (int n = 1; n <= 9; ++n) {
    SCOPED_TRACE("symbol " + std::to_string(n));
    reel.push_back(Drawn(Nth(PictureId::SlotSymbol1, n)));
    EXPECT_EQ(Plain(reel.back()), n == 9);
  }
  // Symbols keep off the reel's sides: the bare band shows there.
  const Image& blank = reel.back();
  for (int n = 1; n <= 8; ++n) {
    const Image& symbol = reel[static_cast<std::size_t>(n - 1)];
    for (int y = 0; y < blank.Height; ++y) {
      for (const int x : {0, 2, blank.Width - 3, blank.Width - 1})
        EXPECT_TRUE(Near(symbol.At(x, y), blank.At(x, y))) << n << ": " << x << "," << y;
    }
  }
  for (int n = 1; n <= 5; ++n) {
    SCOPED_TRACE("blur " + std::to_string(n));
    reel.push_back(Drawn(Nth(PictureId::SlotBlur1, n)));
    EXPECT_FALSE(Plain(reel.back()));
  }
  ExpectAllDiffer(reel);
}

}  // namespace
}  // namespace vantoro::art
