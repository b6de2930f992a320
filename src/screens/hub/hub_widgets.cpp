#include "screens/hub/hub_widgets.hpp"

namespace vantoro {

const Font& HubFont(FontLibrary& fonts, int points) { return fonts.Get("Arial", FontSize::Points(points)); }

void AdvanceTeamAnimation(RuntimeState& r) {
  constexpr int kTicksPerFrame = 3;
  ++r.AnimTick;
  if (r.AnimTick == kTicksPerFrame) {
    r.AnimTick = 0;
    ++r.AnimFrame;
    if (r.AnimFrame > kTeamAnimFrames) r.AnimFrame = 1;
  }
}

void DrawPanel(Canvas& canvas, int l, int t, int r, int b) {
  canvas.Rectangle(l, t, r, b, Rgb(0x4444AA), kBlack);
}

}  // namespace vantoro
