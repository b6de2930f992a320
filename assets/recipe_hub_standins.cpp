// Plain stand-ins for the hub's pictures until their own recipes are drawn:
// a dark gradient with the picture's name, so every screen can be laid out.

#include <string>

#include "assets/recipes.hpp"
#include "ui/canvas.hpp"

namespace vantoro::art {
namespace {

Image StandIn(FontLibrary& fonts, int width, int height, const std::string& name) {
  Canvas canvas(width, height);
  for (int y = 0; y < height; ++y) {
    const auto shade = static_cast<std::uint8_t>(20 + 60 * y / height);
    canvas.FillRect(0, y, width, y + 1, Color{shade, shade, static_cast<std::uint8_t>(shade + 40)});
  }
  canvas.Text(6, 6, name, fonts.Get("Arial", FontSize::Points(10)), Rgb(0xCCCCCC));
  return canvas.Pixels();
}

}  // namespace

Image DrawHubBackground(FontLibrary& fonts) { return StandIn(fonts, 800, 600, "hub"); }
Image DrawTeamAnimFrame(FontLibrary& fonts, int frame) { return StandIn(fonts, 270, 200, "team " + std::to_string(frame)); }
Image DrawPortrait(FontLibrary& fonts, int gender, int n) {
  return StandIn(fonts, 201, 150, "portrait " + std::to_string(gender) + "/" + std::to_string(n));
}
Image DrawTrophy(FontLibrary& fonts, int kind) { return StandIn(fonts, 160, 170, "trophy " + std::to_string(kind)); }
Image DrawMapOverview(FontLibrary& fonts) { return StandIn(fonts, 143, 200, "overview"); }
Image DrawMapStrip(FontLibrary& fonts, int strip) { return StandIn(fonts, 576, 200, "map " + std::to_string(strip)); }
Image DrawVehicle(FontLibrary& fonts, int vehicle) { return StandIn(fonts, 247, 185, "vehicle " + std::to_string(vehicle)); }

}  // namespace vantoro::art
