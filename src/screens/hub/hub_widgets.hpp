#pragma once
// Drawing pieces the hub's pages share: its fonts, panels, list rows and
// amounts. Buttons are the common widgets.

#include <array>
#include <string>
#include <string_view>

#include "ui/canvas.hpp"
#include "ui/screen_context.hpp"

namespace vantoro {

// Arial at a size in points; the hub's text face throughout.
const Font& HubFont(FontLibrary& fonts, int points);
// The size of page text where a page names none.
inline constexpr int kHubTextSize = 10;

// An amount as the hub shows it: "$" and the whole dollars.
inline std::string Dollars(Int amount) { return "$" + amount.Str(); }

inline constexpr Color kButtonGreen = Rgb(0x00FF00);
inline constexpr Color kButtonFill = Rgb(0x004400);

// The team animation's counters run on the TEAM and HQ pages, whether a
// frame is drawn or not; they only move a picture.
inline constexpr int kTeamAnimFrames = 20;
void AdvanceTeamAnimation(RuntimeState& r);

// A row of a list whose names take presses, `first` for row 1: the name's
// box at x `left`..`right`, rows `step` pixels apart from `top`, each
// `height` pixels tall less one. The names are page text, so the row draws
// nothing itself.
template <class Id>
constexpr Button<Id> ListRow(Id first, int row, int top = 201, int right = 234, int height = 14,
                             int step = 20) {
  const int t = top + step * (row - 1);
  return {static_cast<Id>(static_cast<int>(first) + row - 1),
          {136, t, right, t + height - 1},
          PressRule::Inclusive,
          {},
          0,
          0,
          kHubTextSize,
          {}};
}
// The seven squad rows, player 1 at the top.
template <class Id>
constexpr std::array<Button<Id>, kSquadSize> SquadRows(Id first) {
  std::array<Button<Id>, kSquadSize> rows{};
  for (int p = 1; p <= kSquadSize; ++p) rows[static_cast<std::size_t>(p - 1)] = ListRow(first, p);
  return rows;
}

// The framed black panels that pages lay their content on.
void DrawPanel(Canvas& canvas, int l, int t, int r, int b);

}  // namespace vantoro
