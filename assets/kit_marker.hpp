#pragma once
// Markers drawn from a table: ten models, from an old pump gun with a feed
// tube (item 1) to a modern tournament electro (item 10), and the empty
// look of a player who has none (item 0). Sizes are in figure units: a
// standing player is 75 units tall.

#include <optional>

#include "assets/art.hpp"

namespace vantoro::art {

constexpr int kMarkerModels = 10;

// Where a marker sits in a picture: the trigger grip, and the picture
// vectors of one figure unit along the barrel and up towards the loader.
// Hopper grows the loader about its foot, for pictures too small to show it
// at its true size.
struct MarkerFrame {
  Point Grip, Along, Up;
  float Hopper = 1.0f;
  Point At(float along, float up) const {
    return {Grip.X + Along.X * along + Up.X * up, Grip.Y + Along.Y * along + Up.Y * up};
  }
};

enum class MarkerFinish {
  Outlined,  // flat colours in a dark outline two pixels wide, for figures shrunk a lot
  Shaded,    // rounded by a bevel with a rim light
};

struct MarkerLook {
  MarkerFinish Finish = MarkerFinish::Shaded;
  Color Loader = Rgb(0x000000);  // replaces the model's loader colour when Tinted
  bool Tinted = false;
  Color Paint = Rgb(0xFFD81E);      // the balls showing through the loader
  bool Balls = false;               // each ball drawn, rather than a flat patch of paint
  int Bevel = 2;                    // pixels, how far in Shaded parts round off
  std::optional<Color> Metal = {};  // replaces the barrel's and tank's dark colour
  Color Rim = Rgb(0xFF9A60);
};

// Draws marker `item` (1..10); 0 draws the faint outline of an empty rack.
void DrawMarker(Image& image, const MarkerFrame& at, int item, const MarkerLook& look = {});

// The marker's whole outline, for a halo or a shadow round it.
Field MarkerSilhouette(int width, int height, const MarkerFrame& at, int item);

// The end of the barrel, where the balls leave.
Point MarkerMuzzle(const MarkerFrame& at, int item);

// Where DrawMarkerItem puts the marker: as large as fits in the box,
// barrel to the right.
MarkerFrame MarkerItemFrame(const Rect& box, int item);

// Draws the marker as large as fits in the box, barrel to the right: the
// item's own picture.
void DrawMarkerItem(Image& image, const Rect& box, int item, const MarkerLook& look = {});

// The puff of air as a ball leaves a muzzle aimed to the right: `lead`
// units ahead of it, `unit` pixels to the unit, softened by `blur` pixels.
void MuzzlePuff(Image& image, Point muzzle, float unit, float lead, int blur, Color colour);

}  // namespace vantoro::art
