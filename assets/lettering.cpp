#include "assets/lettering.hpp"

#include "assets/kit_image.hpp"

namespace vantoro::art {

constexpr int kSmallest = 10;

Field PlacedText(int width, int height, std::string_view text, const Font& font, int tracking, float centreX,
                 int inkTop) {
  const Field mask = CentredText(width, height, static_cast<int>(centreX), 0, text, font, tracking);
  return Shifted(mask, 0, inkTop - InkBounds(mask).Top);
}

const Font& FittingFont(FontLibrary& fonts, std::string_view text, int tracking, int maxWidth, int largest,
                        bool bold) {
  for (int px = largest; px > kSmallest; --px) {
    const Font& font = fonts.Get("Arial", FontSize::Pixels(px), bold);
    if (TrackedWidth(text, font, tracking) <= maxWidth) return font;
  }
  return fonts.Get("Arial", FontSize::Pixels(kSmallest), bold);
}

}  // namespace vantoro::art
