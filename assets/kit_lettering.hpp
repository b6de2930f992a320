#pragma once
// Banner lettering: the stack of drop shadow, glow, outline rings, a filled
// face with a bevel and a glossy band that the big words of every banner
// share, and paint running off the bottom of the letters.

#include <span>

#include "assets/art.hpp"

namespace vantoro::art {

// Drip sizes in pixels; the defaults suit letters about 100 pixels tall.
struct DripStyle {
  int Probe = 4;       // a stroke this far either side must reach the baseline
  int Search = 30;     // how far from the wanted column to look for one
  int Inset = 2;       // rows above the ink's bottom where the stroke is tested
  int Stem = 30;       // rows of solid stroke above the baseline a drip needs
  float Slant = 0.0f;  // the letters' shear: columns moved right per row up
  float Lift = 3.0f;
  float MinLength = 22.0f, MaxLength = 30.0f;
  float MinWidth = 4.0f, MaxWidth = 5.0f;
  float Taper = 0.7f;  // the run's width at its end, relative to its start
  float Bead = 1.2f;   // the drop at the end, relative to the run's start
};

// Adds drips to a text mask near the columns `at` (fractions of the box's
// width), each under the middle of an upright stroke's foot: never from a
// bar in mid-air nor from the curve of a bowl, where a drip reads as a tail
// or an accent.
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
  // Small letters drawn `o` times larger: a thin outline, inline and bevel
  // that stay crisp once shrunk.
  static BannerStyle Fine(int o) {
    return {.ShadowDy = 2 * o,
            .ShadowBlur = 2 * o,
            .OutlineWidth = 2 * o,
            .InlineWidth = o,
            .InnerWidth = o / 2 + 1,
            .Bevel = o,
            .BevelDepth = 2.0f * o,
            .GlossInset = o};
  }
};

// Paints a banner's letters through their mask, the face filled with
// `fill` from row `top` to row `bottom`.
void PaintBannerLetters(Image& image, const Field& mask, float top, float bottom, const Gradient& fill,
                        const BannerStyle& style = {});

// The line of small capitals under a banner's name: white letters in a dark
// outline over a drop shadow, with a brushed stroke of paint either side.
struct SubtitleStyle {
  float Gap = 16.0f, Reach = 90.0f;  // where each stroke starts and ends, off the ink
  float Width = 6.0f;                // of a stroke where it meets the text; 1 at its far end
  float Droop = 0.0f;                // rows the far ends sit lower
  int ShadowDx = 3, ShadowDy = 4, ShadowBlur = 3;
  Color Stroke = Rgb(0x22C8FF);
  float StrokeGlow = 0.0f;
  Color Fill = Rgb(0xC9E8FF);  // the letters fade from white to this at their feet
};

void PaintSubtitle(Image& image, const Field& mask, const SubtitleStyle& style = {});

// A banner's big words from their mask: slanted by `shear` about the middle
// of the capitals, paint run off the strokes near the columns `drips` (see
// AddLetterDrips; the runs follow the slant), then painted with the face
// filled from the top of the ink to the capitals' foot. Returns the
// capitals' box before the slant.
Rect PaintSlantedWords(Image& image, Field mask, float shear, Random& rng, std::span<const float> drips,
                       const DripStyle& drip, const Gradient& fill, const BannerStyle& style);

}  // namespace vantoro::art
