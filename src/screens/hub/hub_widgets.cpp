#include "screens/hub/hub_widgets.hpp"

namespace vantoro {

const Font& HubFont(FontLibrary& fonts, int points) { return fonts.Get("Arial", FontSize::Points(points)); }

void DrawPanel(Canvas& canvas, int l, int t, int r, int b) {
  canvas.Rectangle(l, t, r, b, Rgb(0x4444AA), kBlack);
}

void DrawButton(Canvas& canvas, const Font& font, int l, int t, int r, int b, std::string_view label, int tx,
                int ty, Color pen, Color fill) {
  canvas.Rectangle(l, t, r, b, pen, fill);
  if (!label.empty()) canvas.Text(tx, ty, label, font, pen);
}

}  // namespace vantoro
