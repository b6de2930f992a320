#pragma once
// Paintball motifs shared by many pictures: the splat a ball leaves when it
// breaks, wet glossy paint, and the ball itself.

#include "assets/art.hpp"

namespace vantoro::art {

struct SplatStyle {
  float Radius = 40.0f;    // of the central blob
  int Arms = 10;           // streaks thrown out from the centre
  float Reach = 1.9f;      // how far arms reach, in radii
  int Droplets = 14;       // loose drops around the splat
  float Spread = 2.6f;     // how far drops fly, in radii
  float Direction = 0.0f;  // angle (radians) the ball travelled; arms favour it
  float Bias = 0.0f;       // 0: arms all round, 1: arms mostly along Direction
  int Drips = 0;           // runs down a wall below the splat
};

// Adds the shape of one splat to a mask. The same generator state gives the
// same splat.
void Splat(Field& mask, Random& rng, float cx, float cy, const SplatStyle& style);

// Paints a mask as wet paint: the colour shaded by a soft bevel `radius`
// pixels wide, with a bright specular glint from the upper left and a darker
// pooled rim.
void WetPaint(Image& image, const Field& mask, Color colour, int radius = 4, float gloss = 1.0f);

// A glossy ball of paint: shaded sphere with a highlight.
void Paintball(Image& image, float cx, float cy, float r, Color colour);

}  // namespace vantoro::art
