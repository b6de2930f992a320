#pragma once
// Drawing pieces the hub's pages share: its fonts, panels and buttons.

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
inline constexpr Color kGreyPen = Rgb(0x888888);
inline constexpr Color kGreyFill = Rgb(0x444444);

// The framed black panels that pages lay their content on.
void DrawPanel(Canvas& canvas, int l, int t, int r, int b);

// A button: outline and label in `pen`, filled with `fill`, the label's
// top-left at (tx, ty).
void DrawButton(Canvas& canvas, const Font& font, int l, int t, int r, int b, std::string_view label, int tx,
                int ty, Color pen = kButtonGreen, Color fill = kButtonFill);

}  // namespace vantoro
