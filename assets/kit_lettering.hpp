#pragma once
// Banner lettering: the stack of drop shadow, glow, outline rings, a filled
// face with a bevel and a glossy band that the big words of every banner
// share, and paint running off the bottom of the letters.

#include <span>

#include "assets/art.hpp"

namespace vantoro::art {

// Drip sizes in pixels; the defaults suit letters about 100 pixels tall.
struct DripStyle {
  int Probe = 4;    // a stroke this far either side must reach the baseline
  int Search = 30;  // how far from the wanted column to look for one
  int Inset = 2;    // rows above the ink's bottom where the stroke is tested
  float Lift = 3.0f;
  float MinLength = 14.0f, MaxLength = 24.0f;
  float MinWidth = 6.0f, MaxWidth = 8.0f;
  float Taper = 0.7f;  // the width at the drip's end, relative to its start
};

// Adds drips to a text mask near the columns `at` (fractions of the box's
// width), each only where a stroke comes down to the baseline, never from
// a bar in mid-air.
void AddLetterDrips(Field& mask, const Rect& box, Random& rng, std::span<const float> at,
                    const DripStyle& style = {});

// Widths are the dilations of the mask in pixels.
struct BannerStyle {
  int ShadowSpread = 5, ShadowDx = 5, ShadowDy = 7, ShadowBlur = 4;
  float ShadowOpacity = 0.85f;
  Color Glow = Rgb(0xFF5A1A);
  int GlowRadius = 14;
  float GlowStrength = 0.8f;
  Color Outline = Rgb(0x14081C);
  Color Inline = Rgb(0xFFF1D6);
  int OutlineWidth = 6, InlineWidth = 3, InnerWidth = 1;
  int Bevel = 2;
  float BevelDepth = 6.0f, BevelStrength = 0.5f;
  int GlossInset = 2;
  float Gloss = 0.35f;  // the band of light over the upper part; 0 for none
};

// Paints a banner's letters through their mask, the face filled with
// `fill` from row `top` to row `bottom`.
void PaintBannerLetters(Image& image, const Field& mask, float top, float bottom, const Gradient& fill,
                        const BannerStyle& style = {});

}  // namespace vantoro::art
