// The gambling screens' shared pieces: the banner's colour schemes and the
// stake's digit boxes.

#include "minigames/minigame_kit.hpp"

#include <gtest/gtest.h>

namespace vantoro {
namespace {

FontLibrary& Fonts() {
  static FontLibrary fonts;
  return fonts;
}

TEST(MinigameKitTest, BannersDrawTheirSchemeAndOnlyFlickeringOnesDraw) {
  struct Case {
    const BannerColors* colors;
    int draws;
  };
  for (const Case c : {Case{&kGreenBanner, 1}, Case{&kRedBanner, 1}, Case{&kSteadyBlueBanner, 0}}) {
    GameState state;
    state.Rng.Seed = 7;
    Canvas canvas;
    DrawTitleBanner(canvas, Fonts(), state, *c.colors);
    EXPECT_EQ(canvas.At(400, 10), c.colors->Pen);   // the top line
    EXPECT_EQ(canvas.At(400, 40), c.colors->Fill);  // the band below the title
    EXPECT_EQ(canvas.At(35, 35), c.colors->Fill);   // inside the left end
    RandomGenerator expected{7};
    for (int i = 0; i < c.draws; ++i) expected.Random(100);
    EXPECT_EQ(state.Rng.Seed, expected.Seed);
  }
}

TEST(MinigameKitTest, BetRowShowsTheDigitsAndGreysOnceTheStakeIsPlaced) {
  constexpr ButtonColors kBlue{Rgb(0x00AAFF), Rgb(0x005599), Rgb(0x00AAFF)};
  constexpr auto row = BetDigitButtons(150, PressRule::Inclusive, kBlue);
  EXPECT_EQ(row[0].Rect.Left, 150);
  EXPECT_EQ(row[2].Rect.Right, 300);
  EXPECT_EQ(HitTest<BetDigit>(row, 225, 175), BetDigit::Tens);
  EXPECT_FALSE(HitTest<BetDigit>(row, 125, 175).has_value());  // the dollar sign's box takes no press
  for (const bool enabled : {true, false}) {
    Canvas canvas;
    DrawBetRow(canvas, Fonts(), row, {Int(1), Int(2), Int(3)}, enabled);
    const ButtonColors& colors = enabled ? kBlue : kBetGreyScheme.Enabled;
    for (int left : {100, 150, 200, 250}) {
      EXPECT_EQ(canvas.At(left, 160), *colors.Pen) << left;
      EXPECT_EQ(canvas.At(left + 45, 195), *colors.Fill) << left;
      bool labelled = false;
      for (int y = 150; y < 200 && !labelled; ++y) {
        for (int x = left + 1; x < left + 49 && !labelled; ++x) labelled = canvas.At(x, y) == *colors.Label;
      }
      EXPECT_TRUE(labelled) << left;
    }
  }
}

}  // namespace
}  // namespace vantoro
