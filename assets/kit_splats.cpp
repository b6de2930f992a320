#include "assets/kit_splats.hpp"

#include <algorithm>
#include <cstdlib>

#include "assets/kit_image.hpp"

namespace vantoro::art {

void ScatterSplats(Image& image, Random& rng, std::span<const ThrownSplat> splats,
                   const ScatterStyle& style) {
  // How far from its centre a splat reaches, in radii, and its shadow beyond that.
  const float extent = std::max({style.Shape.Reach + 0.5f, style.Shape.Spread + 0.2f, 3.0f});
  const int offset = std::abs(style.ShadowDx) + std::abs(style.ShadowDy);
  for (const ThrownSplat& t : splats) {
    SplatStyle shape = style.Shape;
    shape.Radius = t.Radius;
    shape.Direction = t.Direction;
    shape.Drips = t.Drips;
    const int bevel = std::max(style.Bevel, static_cast<int>(t.Radius * style.BevelPerRadius));
    // Each splat is worked on in the box round it, its shadow and its shading.
    const float reach =
        t.Radius * extent + static_cast<float>(4 * std::max(bevel, style.ShadowBlur) + offset) + 4.0f;
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
