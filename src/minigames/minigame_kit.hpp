#pragma once
// What the three gambling screens share: the title banner in their colours,
// the row of boxes that holds the stake's digits, and the red way out.

#include <array>
#include <optional>
#include <span>

#include "state/game_state.hpp"
#include "ui/widgets.hpp"

namespace vantoro {

inline constexpr BannerColors kGreenBanner{Rgb(0x338833), Rgb(0x004400), Rgb(0x55AA55), Rgb(0x66BB66),
                                           Rgb(0x449944)};
inline constexpr BannerColors kRedBanner{Rgb(0x883333), Rgb(0x440000), Rgb(0xAA5555), Rgb(0xBB6666),
                                         Rgb(0x994444)};
// The slot machine's banner does not flicker.
inline constexpr BannerColors kSteadyBlueBanner{Rgb(0x333388), Rgb(0x000044), Rgb(0x5555AA), std::nullopt,
                                                std::nullopt};

inline constexpr ButtonScheme kExitScheme{{Rgb(0xFF0000), Rgb(0x440000), Rgb(0xFF0000)}, {}};
inline constexpr ButtonScheme kBetGreyScheme{{Rgb(0x888888), Rgb(0x444444), Rgb(0x888888)}, {}};

// The stake is three digit boxes behind a box with a dollar sign, 50 pixels
// square from x 100; each press on a digit's box moves that digit on. A
// screen's buttons name them Hundreds, Tens and Units.
inline constexpr int kBetRowLeft = 100;
inline constexpr int kBetBoxSize = 50;
inline constexpr int kBetPoints = 28;

struct BetDigits {
  Int Hundreds, Tens, Units;
};

// Digit k (0 for the hundreds) of the row at `top`; its label is the digit.
template <class Id>
constexpr Button<Id> BetDigitButton(Id id, int k, int top, const ButtonColors& colors) {
  const int left = kBetRowLeft + kBetBoxSize * (k + 1);
  return {id,
          {left, top, left + kBetBoxSize, top + kBetBoxSize},
          PressRule::Inside,
          {},
          left + 15,
          top + 5,
          kBetPoints,
          {colors, kBetGreyScheme.Enabled}};
}

// The digit a button of the row shows, if it is one of them.
template <class Id>
std::optional<Int> BetDigitOf(Id id, const BetDigits& digits) {
  if (id == Id::Hundreds) return digits.Hundreds;
  if (id == Id::Tens) return digits.Tens;
  if (id == Id::Units) return digits.Units;
  return std::nullopt;
}

// The dollar sign's box before the hundreds, in the digits' colours: a
// picture, not a button.
template <class Id>
void DrawDollarBox(Canvas& canvas, FontLibrary& fonts, std::span<const Button<Id>> table, ButtonState state) {
  const Button<Id>* b = Find(table, Id::Hundreds);
  if (b == nullptr || state == ButtonState::Hidden) return;
  const Box box{b->Rect.Left - kBetBoxSize, b->Rect.Top, b->Rect.Left, b->Rect.Bottom};
  DrawButtonAs(canvas, LabelFont(fonts, b->LabelFace, b->Points), Shape::Box, box, "$",
               b->LabelX - kBetBoxSize, b->LabelY,
               state == ButtonState::Enabled ? b->Scheme.Enabled : b->Scheme.Grey);
}

}  // namespace vantoro
