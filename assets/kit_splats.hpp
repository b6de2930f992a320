#pragma once
// Splats thrown across a picture: each one shaped by Splat, given an
// optional soft shadow, and painted as wet or dried paint.

#include <span>

#include "assets/paint.hpp"

namespace vantoro::art {

struct ThrownSplat {
  float X = 0.0f, Y = 0.0f, Radius = 20.0f;
  Color Colour;
  float Direction = 0.0f;  // radians the ball travelled
  int Drips = 0;
};

struct ScatterStyle {
  SplatStyle Shape;  // its radius, direction and drips come from each splat
  int ShadowDx = 0, ShadowDy = 0, ShadowBlur = 0;
  float ShadowOpacity = 0.0f;  // 0: no shadow
  float Fade = 1.0f;           // old paint is thinner
  int Bevel = 3;
  float BevelPerRadius = 0.0f;  // bigger splats pool deeper, when set
  float Gloss = 1.0f;
};

// Throws the splats in order, drawing from `rng`.
void ScatterSplats(Image& image, Random& rng, std::span<const ThrownSplat> splats, const ScatterStyle& style);

}  // namespace vantoro::art
