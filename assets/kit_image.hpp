#pragma once
// Picture-level helpers many recipes share: working on a box of a picture
// on its own, a star-shaped glint of light, and drawing large to shrink.

#include <functional>
#include <initializer_list>
#include <span>

#include "assets/art.hpp"
#include "assets/paint.hpp"

namespace vantoro::art {

// A box of a picture copied out, so that the passes over masks visit only
// that box and not the whole picture; pasted back where it came from.
struct Region {
  int X = 0, Y = 0;
  Image Pixels;
  Point Origin() const { return {static_cast<float>(X), static_cast<float>(Y)}; }
};

// The box covering [left, right) x [top, bottom), clipped to the picture
// and never empty.
Region Crop(const Image& image, float left, float top, float right, float bottom);
void Paste(Image& image, const Region& r);

struct GlintStyle {
  float Width = 2.2f;  // of each ray where it meets the centre
  float Core = 1.8f;   // radius of the bright centre
  Color Halo = Rgb(0xFFE0A0);
  float HaloStrength = 0.8f;
  Color Light = Rgb(0xFFFFFF);
  bool Additive = true;  // false paints the star opaque
};

// A four-pointed star of light, its rays `size` pixels long.
void Glint(Image& image, float x, float y, float size, const GlintStyle& style = {});

// Shapes given in the final picture's pixels, as masks of a picture drawn
// `Factor` times larger (`big`, or one Width x Height), and the shading
// that rounds them.
struct BigShapes {
  float Factor = 1.0f;
  Point Big(Point p) const { return {p.X * Factor, p.Y * Factor}; }
  Field Polygon(const Image& big, std::span<const Point> points) const;
  Field Polygon(const Image& big, std::initializer_list<Point> points) const {
    return Polygon(big, std::span<const Point>(points.begin(), points.size()));
  }
  Field Polygon(int width, int height, std::span<const Point> points) const;
  Field Box(const Image& big, float left, float top, float right, float bottom) const;
  Field Line(const Image& big, Point a, Point b, float width) const;
  // Adds the stroke to a mask of the large picture.
  void Line(Field& f, Point a, Point b, float width) const;
  Field Ellipse(const Image& big, Point centre, float rx, float ry) const;
  // See RoundedBox below.
  Field RoundedBox(const Image& big, Point origin, float w, float h, float r, float angle = 0.0f) const;
  // The text's mask with the top-left of its cell at `at`.
  Field Text(const Image& big, Point at, std::string_view cp1252, const Font& font) const;
  // The soft shadow a mask lying on a surface lit from the upper left
  // throws down and to the right.
  void Shadow(Image& big, const Field& mask, float opacity, float blur = 3.0f,
              Point offset = {3.0f, 4.0f}) const;
  // GroundShadow below, given in final pixels.
  void GroundShadow(Image& big, Point centre, float rx, float ry, float blur, float opacity) const;
  // Paints the mask in `colour`, rounded by a bevel `bevel` final pixels
  // wide and lit from the upper left.
  void Shaded(Image& big, const Field& mask, Color colour, float strength = 0.5f, int bevel = 3) const;
};

// A box w x h with its corners rounded to `r`, its top-left corner at
// `origin` and turned `angle` radians about it, as a width x height mask
// whose edge is anti-aliased by the distance to it.
Field RoundedBox(int width, int height, Point origin, float w, float h, float r, float angle = 0.0f);

// Cover on a field, seen from the side: the inflatables (cans, doritos,
// snakes, cakes, temples) and the woods' logs, barrels and trunks. X is its
// left edge; all in the picture's pixels.
enum class CoverShape { Can, Dorito, Snake, Cake, Log, Barrel, Trunk, Temple };
struct Cover {
  CoverShape Kind;
  float X, Base, Width, Height;
  Color Colour;
  float Bevel = 5.0f;  // how far in an inflatable's nylon rounds off
  // Its softened outline in a width x height mask drawn `big` times larger.
  Field Mask(float big, int width, int height) const;
  // The soft shadow it throws on the ground.
  void Shadow(Image& image, float big) const;
};

// Draws a width x height picture at `factor` times the size and shrinks it,
// so that edges and fine lines come out clean.
Image Supersampled(int width, int height, int factor, const std::function<void(Image& big)>& draw);

// A soft elliptical shadow on the ground under something standing on it,
// centred on (x, y) and blurred `blur` pixels.
void GroundShadow(Image& image, float x, float y, float rx, float ry, int blur, float opacity,
                  Color colour = Rgb(0x000000), int passes = 3);

// The shadow a mask throws on what lies behind it: fattened by `spread`,
// moved by (dx, dy) and blurred.
void DropShadow(Image& image, const Field& mask, int spread, int dx, int dy, int blur, float opacity);

// Pulls the colours towards a cold grey-blue by `amount`, keeping their
// lightness: the dull light after a defeat.
void Overcast(Image& image, float amount);

// A light to round solid shapes by, as Lighting takes it: the direction
// (X, Y, Z) it comes from and the depth given to the bevel's heights.
struct LightDir {
  float X, Y, Z, Depth;
};

// Paints the mask in `colour` and rounds it: a bevel `radius` pixels wide,
// lit from `light`, brightening and darkening by up to `strength`.
void PaintRounded(Image& image, const Field& mask, Color colour, int radius, const LightDir& light,
                  float strength);

// Blends a colour worked out pixel by pixel, colour(x, y), over the picture
// through the mask (of the picture's size) times `opacity`. The colour is
// asked for only where the mask is set, and may read the pixel it replaces.
template <typename ColourAt>
void PaintEach(Image& image, const Field& mask, ColourAt&& colour, float opacity = 1.0f) {
  for (int y = 0; y < image.Height; ++y) {
    for (int x = 0; x < image.Width; ++x) {
      const float a = mask(x, y);
      if (a <= 0.0f) continue;
      std::uint32_t& p = image.Pixels[image.Index(x, y)];
      p = Pack(Lerp(Unpack(p), colour(x, y), a * opacity));
    }
  }
}

// Paints the mask in `colour` over its outline, `width` pixels wide in
// `ink`, so that parts of one colour stay apart where they overlap.
void PaintOutlined(Image& image, const Field& mask, Color colour, Color ink, int width);

// A part of a picture drawn `Scale` times larger: the whole of it, or a tile
// round something small and full of strokes (a face), so that they only
// touch the pixels near it. Shapes are given in the final picture's pixels.
class Sheet {
 public:
  // A tile whose top-left corner is at (x0, y0) of the final picture.
  Sheet(int scale, int x0, int y0, int width, int height)
      : Scale(scale), X0(x0), Y0(y0), W(width * scale), H(height * scale) {}

  int Scale;
  int X0, Y0;  // final pixels
  int W, H;    // large pixels

  Field Blank() const { return Field(W, H); }
  // The tile of the large picture under the sheet, to be pasted back.
  Region Cut(const Image& big) const {
    return Crop(big, X0 * Scale, Y0 * Scale, X0 * Scale + W, Y0 * Scale + H);
  }
  float BX(float x) const { return (x - static_cast<float>(X0)) * Scale; }
  float BY(float y) const { return (y - static_cast<float>(Y0)) * Scale; }
  // Back from a large pixel's centre to the final picture.
  Point Small(int x, int y) const {
    return {(static_cast<float>(x) + 0.5f) / Scale + static_cast<float>(X0),
            (static_cast<float>(y) + 0.5f) / Scale + static_cast<float>(Y0)};
  }

  void Oval(Field& f, float cx, float cy, float rx, float ry, float value = 1.0f) const {
    FillEllipse(f, BX(cx), BY(cy), rx * Scale, ry * Scale, value);
  }
  void Line(Field& f, float x0, float y0, float x1, float y1, float w, float value = 1.0f) const {
    ThickLine(f, BX(x0), BY(y0), BX(x1), BY(y1), w * Scale, value);
  }
  void Taper(Field& f, float x0, float y0, float x1, float y1, float w0, float w1, float value = 1.0f) const {
    TaperedLine(f, BX(x0), BY(y0), BX(x1), BY(y1), w0 * Scale, w1 * Scale, value);
  }
  void Poly(Field& f, std::initializer_list<Point> points, float value = 1.0f) const {
    Poly(f, std::span<const Point>(points.begin(), points.size()), value);
  }
  void Poly(Field& f, std::span<const Point> points, float value = 1.0f) const;
  // A smooth curve through the points (Catmull-Rom), stroked with a width
  // that runs from w0 to w1.
  void Curve(Field& f, std::span<const Point> pts, float w0, float w1, float value = 1.0f) const;
  void Curve(Field& f, std::initializer_list<Point> pts, float w0, float w1, float value = 1.0f) const {
    Curve(f, std::span<const Point>(pts.begin(), pts.size()), w0, w1, value);
  }
};

// A copy of the mask blurred twice by `radius`: a soft edge.
Field Soft(Field f, int radius);

// The Catmull-Rom curve through b (t = 0) and c (t = 1), steered by the
// points a before and d after.
float CatmullRom(float a, float b, float c, float d, float t);

// A soft shadow: the mask blurred by `blur` pixels (in `passes` box passes)
// and painted black, moved by (dx, dy).
void SoftShadow(Image& image, Field mask, int blur, float opacity, int dx = 0, int dy = 0, int passes = 3);

// Splats thrown at the points (times Scale to reach the picture's pixels),
// painted together as one coat of wet paint, only over `onto` when given.
struct CoatStyle {
  SplatStyle Shape;  // its centre comes from each point
  int Bevel = 4;
  float Gloss = 1.0f;
  float Scale = 1.0f;
};
void SplatCoat(Image& image, Random& rng, std::span<const Point> at, Color colour, const CoatStyle& style,
               const Field* onto = nullptr);

// A paintball in flight `k` of the way from `from` to `to`, trailing a
// streak `streak` pixels wide at the ball.
void FlyingBall(Image& image, Point from, Point to, float k, Color colour, float radius, float streak);

// Draws the cover over its shadow in a picture drawn `big` times larger:
// inflatables in glossy nylon with their seams, the woods' logs and trunks
// in bark (its noise seeded by `seed`).
void DrawCover(Image& image, const Cover& c, float big, std::uint32_t seed);

// TextMask with the text centred on the column `centreX`.
Field CentredText(int width, int height, int centreX, int y, std::string_view cp1252, const Font& font,
                  int tracking = 0);

// Grass seen from a player's height, from row `top` of the picture down:
// darker far off and grainier near us, with mowing stripes (when Stripe is
// set) that meet towards the middle of the far edge.
struct TurfStyle {
  Color Grass;
  float Far = 0.8f, Rise = 0.3f;         // its brightness at the far edge and the rise to the near one
  float Stripe = 0.0f, Converge = 0.3f;  // the stripes' width at the far edge and how far they meet
  float Grain = 2.0f, Stretch = 2.0f;    // the noise's size across, and how much longer it grows near us
};
void MownTurf(Image& image, float top, const Noise& noise, const TurfStyle& style);

// Sets a pair of points mirrored left and right: `right` in pair[1] and its
// reflection across x = 0 in pair[0], as a figure's joints are paired.
inline void Mirrored(Point (&pair)[2], Point right) {
  pair[0] = {-right.X, right.Y};
  pair[1] = right;
}

// ---------------------------------------------------------------- scenery the recipes share

// A point given relative to `origin` in units of `scale` pixels: a joint
// of a player `scale` pixels tall, stood at `origin`.
inline Point Placed(Point origin, Point local, float scale) {
  return {origin.X + local.X * scale, origin.Y + local.Y * scale};
}

// The trees along a field's far side: a mask filled from row `base` up to
// crowns `lift` to `lift + wiggle` pixels above it, wandering with the
// noise along x / period.
Field TreeLine(int width, int height, const Noise& noise, float base, float lift, float wiggle, float period,
               int octaves = 4);

// Netting between rows `top` and `bottom`: strands crossing diagonally,
// one pair every `mesh` pixels across the picture, `strand` pixels wide.
void CrossedNet(Field& f, float top, float bottom, float mesh, float strand, float value);

// A light seen straight on: the mask glowing `halo` over `radius` pixels,
// then its core painted over the glow, so that it stays white-hot.
void GlowingCore(Image& image, const Field& mask, Color halo, int radius, float strength, Color core,
                 float opacity = 1.0f);

// The field drawn `k` times larger into one of width x height, sampled
// bilinearly: something soft worked out on a coarser grid.
Field Enlarged(const Field& f, float k, int width, int height);

// ---------------------------------------------------------------- washes

// 1 at (cx, cy), falling off like a Gaussian across the ellipse of radii
// (rx, ry), `k` times faster: a pool of floodlight, the haze round a sun.
float Falloff(float x, float y, float cx, float cy, float rx, float ry, float k = 1.0f);

// A colour and how much of it covers what lies beneath.
struct Wash {
  ColorF Colour;
  float Weight = 0.0f;
};

// Blends wash(x, y) over every pixel from row `top` down, skipping those it
// gives no weight: clouds over a sky, turf fading in under the trees.
template <typename WashAt>
void BlendEach(Image& image, int top, WashAt&& wash) {
  for (int y = top; y < image.Height; ++y) {
    for (int x = 0; x < image.Width; ++x) {
      const Wash w = wash(x, y);
      if (w.Weight <= 0.0f) continue;
      std::uint32_t& p = image.Pixels[image.Index(x, y)];
      p = Pack(Lerp(Unpack(p), w.Colour, w.Weight));
    }
  }
}

}  // namespace vantoro::art
