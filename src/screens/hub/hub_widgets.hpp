#pragma once
// Drawing pieces the hub's pages share: its fonts and panels. Buttons are
// the common widgets.

#include <string_view>

#include "screens/context.hpp"
#include "ui/canvas.hpp"

namespace vantoro {

// Arial at a size in points; the hub's text face throughout.
const Font& HubFont(FontLibrary& fonts, int points);
// The size of page text where a page names none.
inline constexpr int kHubTextSize = 10;

inline constexpr Color kButtonGreen = Rgb(0x00FF00);
inline constexpr Color kButtonFill = Rgb(0x004400);

// The team animation's counters run on the TEAM and HQ pages, whether a
// frame is drawn or not.
inline constexpr int kTeamAnimFrames = 20;
void AdvanceTeamAnimation(RuntimeState& r);

// The framed black panels that pages lay their content on.
void DrawPanel(Canvas& canvas, int l, int t, int r, int b);

}  // namespace vantoro
