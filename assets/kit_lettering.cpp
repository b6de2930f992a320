#include "assets/kit_lettering.hpp"

#include "assets/kit_image.hpp"

namespace vantoro::art {

namespace {

bool Solid(const Field& mask, float x, int y) { return mask.Clamped(static_cast<int>(x), y) >= 0.9f; }

// Whether an upright stroke, as wide as the probe, stands on row `y` at x.
bool StemAt(const Field& mask, int x, int y, const DripStyle& style) {
  for (int up = 0; up <= style.Stem; ++up) {
    const float cx = static_cast<float>(x) + style.Slant * static_cast<float>(up);
    for (const int dx : {-style.Probe, 0, style.Probe})
      if (!Solid(mask, cx + static_cast<float>(dx), y - up)) return false;
  }
  return true;
}

// The middle of the foot of the upright stroke nearest to `want` on the
// baseline row `y`; -1 when there is none.
int StemNear(const Field& mask, int want, int y, const DripStyle& style) {
  for (int shift = 0; shift < style.Search; ++shift) {
    const int x = want + (shift % 2 == 0 ? shift / 2 : -(shift / 2 + 1));
    if (!StemAt(mask, x, y, style)) continue;
    int left = x, right = x;
    while (StemAt(mask, left - 1, y, style)) --left;
    while (StemAt(mask, right + 1, y, style)) ++right;
    return (left + right) / 2;
  }
  return -1;
}

// Light over the upper part of the letters, ending in a soft line, as on
// polished metal or glossy paint.
void GlossBand(Image& image, const Field& mask, float top, float bottom, const BannerStyle& style) {
  Field gloss = Eroded(mask, style.GlossInset);
  const float split = top + (bottom - top) * 0.42f;
  FillEach(gloss, [&](int x, int y) {
    return gloss(x, y) * (SmoothStep(split + 2.0f, split - 2.0f, static_cast<float>(y)) * style.Gloss);
  });
  AddLight(image, gloss, Rgb(0xFFFFFF), 0.6f);
}

}  // namespace

void AddLetterDrips(Field& mask, const Rect& box, Random& rng, std::span<const float> at,
                    const DripStyle& style) {
  for (const float a : at) {
    const int want = box.Left + static_cast<int>(a * static_cast<float>(box.Right - box.Left));
    const int y = box.Bottom - style.Inset;
    const int x = StemNear(mask, want, y, style);
    if (x < 0) continue;
    const float length = rng.Range(style.MinLength, style.MaxLength);
    const float w = rng.Range(style.MinWidth, style.MaxWidth);
    const float fx = static_cast<float>(x), fy = static_cast<float>(y) - style.Lift;
    // Where the drip leaves the stroke, the thin run, and the drop at its
    // end, fatter than the run so that it reads as paint.
    FillEllipse(mask, fx, fy + style.Lift, w * 1.4f, w * 0.9f);
    TaperedLine(mask, fx, fy, fx, fy + length, w, w * style.Taper);
    FillCircle(mask, fx, fy + length + w * 0.4f, w * style.Bead);
  }
}

void PaintBannerLetters(Image& image, const Field& mask, float top, float bottom, const Gradient& fill,
                        const BannerStyle& style) {
  DropShadow(image, mask, style.ShadowSpread, style.ShadowDx, style.ShadowDy, style.ShadowBlur,
             style.ShadowOpacity);
  const Field outline = Dilated(mask, style.OutlineWidth);
  Glow(image, outline, style.Glow, style.GlowRadius, style.GlowStrength);
  Paint(image, outline, style.Outline);
  Paint(image, Dilated(mask, style.InlineWidth), style.Inline);
  Paint(image, Dilated(mask, style.InnerWidth), style.Outline);
  PaintVertical(image, mask, fill, top, bottom);
  ApplyLight(image, Bevel(mask, style.Bevel, -0.45f, -0.8f, 0.55f, style.BevelDepth), mask,
             style.BevelStrength);
  if (style.Gloss > 0.0f) GlossBand(image, mask, top, bottom, style);
}

void PaintSubtitle(Image& image, const Field& mask, const SubtitleStyle& style) {
  const Rect box = InkBounds(mask);
  const float left = static_cast<float>(box.Left), right = static_cast<float>(box.Right);
  const float mid = static_cast<float>(box.Top + box.Bottom) * 0.5f;
  Field strokes(mask.Width, mask.Height);
  TaperedLine(strokes, left - style.Reach, mid + style.Droop, left - style.Gap, mid, 1.0f, style.Width);
  TaperedLine(strokes, right + style.Gap, mid, right + style.Reach, mid + style.Droop, style.Width, 1.0f);
  DropShadow(image, mask, 3, style.ShadowDx, style.ShadowDy, style.ShadowBlur, 0.8f);
  Paint(image, Dilated(mask, 3), Rgb(0x14081C));
  Paint(image, Dilated(strokes, 2), Rgb(0x14081C));
  if (style.StrokeGlow > 0.0f) Glow(image, strokes, style.Stroke, 4, style.StrokeGlow);
  Paint(image, strokes, style.Stroke);
  PaintVertical(image, mask, Gradient{{0.0f, Rgb(0xFFFFFF)}, {1.0f, style.Fill}}, static_cast<float>(box.Top),
                static_cast<float>(box.Bottom));
}

Rect PaintSlantedWords(Image& image, Field mask, float shear, Random& rng, std::span<const float> drips,
                       const DripStyle& drip, const Gradient& fill, const BannerStyle& style) {
  const Rect box = InkBounds(mask);
  // Slanted for speed; the drips go on afterwards, since paint runs
  // straight down.
  if (shear != 0.0f) mask = Sheared(mask, shear, static_cast<float>(box.Top + box.Bottom) * 0.5f);
  DripStyle slanted = drip;
  slanted.Slant = shear;
  AddLetterDrips(mask, InkBounds(mask), rng, drips, slanted);
  PaintBannerLetters(image, mask, static_cast<float>(InkBounds(mask).Top), static_cast<float>(box.Bottom),
                     fill, style);
  return box;
}

}  // namespace vantoro::art
