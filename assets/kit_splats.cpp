#include "assets/kit_splats.hpp"

#include <algorithm>
#include <cstdlib>

#include "assets/kit_image.hpp"

namespace vantoro::art {

namespace {

// How far from its centre a splat, its shadow and its shading can reach.
float Reach(const ThrownSplat& t, const ScatterStyle& style, int bevel) {
  const float shape = std::max({style.Shape.Reach + 0.5f, style.Shape.Spread + 0.2f, 3.0f});
  const int blur =
      4 * std::max(bevel, style.ShadowBlur) + std::abs(style.ShadowDx) + std::abs(style.ShadowDy);
  return t.Radius * shape + static_cast<float>(blur) + 4.0f;
}

}  // namespace

void ScatterSplats(Image& image, Random& rng, std::span<const ThrownSplat> splats,
                   const ScatterStyle& style) {
  for (const ThrownSplat& t : splats) {
    SplatStyle shape = style.Shape;
    shape.Radius = t.Radius;
    shape.Direction = t.Direction;
    shape.Drips = t.Drips;
    const int bevel = std::max(style.Bevel, static_cast<int>(t.Radius * style.BevelPerRadius));
    // Each splat is worked on in the box round it.
    const float reach = Reach(t, style, bevel);
    Region r = Crop(image, t.X - reach, t.Y - reach, t.X + reach, t.Y + reach);
    Field mask(r.Pixels.Width, r.Pixels.Height);
    Splat(mask, rng, t.X - static_cast<float>(r.X), t.Y - static_cast<float>(r.Y), shape);
    if (style.ShadowOpacity > 0.0f)
      SoftShadow(r.Pixels, Shifted(mask, style.ShadowDx, style.ShadowDy), style.ShadowBlur,
                 style.ShadowOpacity);
    if (style.Fade < 1.0f) Scale(mask, style.Fade);
    WetPaint(r.Pixels, mask, t.Colour, bevel, style.Gloss);
    Paste(image, r);
  }
}

}  // namespace vantoro::art
