#pragma once
// What the three gambling screens share: the title banner in their colours,
// the row of boxes that holds the stake's digits, and the red way out.

#include <array>

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
// square from x 100; each press on a digit's box moves that digit on.
enum class BetDigit { Hundreds, Tens, Units };
inline constexpr int kBetRowLeft = 100;
inline constexpr int kBetBoxSize = 50;
inline constexpr int kBetPoints = 28;

struct BetDigits {
  Int Hundreds, Tens, Units;
};

constexpr std::array<Button<BetDigit>, 3> BetDigitButtons(int top, PressRule rule,
                                                          const ButtonColors& colors) {
  std::array<Button<BetDigit>, 3> row{};
  for (int k = 0; k < 3; ++k) {
    const int left = kBetRowLeft + kBetBoxSize * (k + 1);
    row[static_cast<std::size_t>(k)] = {static_cast<BetDigit>(k),
                                        {left, top, left + kBetBoxSize, top + kBetBoxSize},
                                        rule,
                                        {},
                                        left + 15,
                                        top + 5,
                                        kBetPoints,
                                        {colors, kBetGreyScheme.Enabled}};
  }
  return row;
}

// The dollar box and the three digits, grey once the stake is placed.
void DrawBetRow(Canvas& canvas, FontLibrary& fonts, std::span<const Button<BetDigit>> row,
                const BetDigits& digits, bool enabled);

}  // namespace vantoro
