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

enum class Digit { Hundreds, Tens, Units };

TEST(MinigameKitTest, BetRowShowsTheDigitsAndGreysOnceTheStakeIsPlaced) {
  constexpr ButtonColors kBlue{Rgb(0x00AAFF), Rgb(0x005599), Rgb(0x00AAFF)};
  constexpr std::array<Button<Digit>, 3> row = {BetDigitButton(Digit::Hundreds, 0, 150, kBlue),
                                                BetDigitButton(Digit::Tens, 1, 150, kBlue),
                                                BetDigitButton(Digit::Units, 2, 150, kBlue)};
  const std::span<const Button<Digit>> table(row);
  EXPECT_EQ(row[0].Rect.Left, 150);
  EXPECT_EQ(row[2].Rect.Right, 300);
  EXPECT_EQ(HitTest(table, 225, 175), Digit::Tens);
  EXPECT_FALSE(HitTest(table, 125, 175).has_value());  // the dollar sign's box takes no press
  const BetDigits digits{Int(1), Int(2), Int(3)};
  for (const ButtonState state : {ButtonState::Enabled, ButtonState::Grey}) {
    Canvas canvas;
    DrawDollarBox(canvas, Fonts(), table, state);
    DrawButtons(canvas, Fonts(), table, [&](const Button<Digit>& b) {
      return ButtonLook{state, BetDigitOf(b.Action, digits)->Str()};
    });
    const ButtonColors& colors = state == ButtonState::Enabled ? kBlue : kBetGreyScheme.Enabled;
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
  Canvas hidden;
  DrawDollarBox(hidden, Fonts(), table, ButtonState::Hidden);
  EXPECT_NE(hidden.At(100, 160), *kBlue.Pen);
}

}  // namespace
}  // namespace vantoro
