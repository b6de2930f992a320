#pragma once
// Placing the big words of a banner: a face that fits the space, and a mask
// of the text set by where its capitals start rather than by the face's
// own idea of its line height, so that the lettering sits the same
// whichever face fontconfig finds.

#include <string_view>

#include "assets/art.hpp"
#include "ui/font.hpp"

namespace vantoro::art {

// The text's mask in a field of the given size, centred on `centreX`, with
// the top of its ink on row `inkTop`.
Field PlacedText(int width, int height, std::string_view text, const Font& font, int tracking, float centreX,
                 int inkTop);

// The largest Arial, from `largest` pixels down, in which the text fits in
// `maxWidth` pixels; the smallest tried when none does.
const Font& FittingFont(FontLibrary& fonts, std::string_view text, int tracking, int maxWidth, int largest,
                        bool bold = true);

}  // namespace vantoro::art
