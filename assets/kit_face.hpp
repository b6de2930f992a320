#pragma once
// Painted heads: a face shaped as a height field and lit by a key light
// from one side, so that cheekbones, noses and chins take the light the
// way they would under a lamp, with eyes, brows, lips and creases painted
// over the lit skin, and hair from a dozen styles. A head is drawn face-on
// and upright, then bent round as it turns and rolled as it tilts.

#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "assets/art.hpp"
#include "assets/kit_image.hpp"

namespace vantoro::art {

// The key light's height and depth; its x is each head's own (HeadFrame).
constexpr float kHeadLightX = 0.42f, kHeadLightY = -0.62f, kHeadLightZ = 1.0f;

enum class Hair { Crop, Buzz, Spiky, Curls, Swept, Long, Ponytail, Bob, Bun, Braids, Puff, Shoulder };
enum class Beard { None, Stubble, Goatee, Full, Moustache };
// What the mouth is doing: lips together, one corner pulled up, a grin
// with the teeth showing, or the jaw dropped in a shout.
enum class Mouth { Closed, Smirk, Grin, Shout };

// The face itself, apart from its colouring. The defaults are a plain face
// at rest.
struct FaceForm {
  Mouth Says = Mouth::Closed;
  float Open = 0.0f;       // the gap between the lips, 0..1 (a grin's teeth, a shout's jaw)
  float Age = 0.0f;        // 0 early twenties .. 1 past forty: lines, hollows, heavier lids
  float BrowTilt = 0.0f;   // inner ends: positive raised, negative drawn down into a frown
  float Eyes = 1.0f;       // the eyes' size
  float NoseWidth = 1.0f;  // across the nostrils, relative to the nose's length
  float Cheeks = 1.0f;     // width over the cheekbones: lean 0.92 .. round 1.08
  float Gaze = 0.0f;       // the eyes sliding towards the picture's left (-1) or right (1)
};

struct FaceLook {
  Color Skin, HairColour, Iris;
  Hair Style = Hair::Crop;
  Beard Facial = Beard::None;
  float Jaw = 0.8f;    // jaw width relative to the cheeks
  float ChinY = 1.5f;  // chin below the eye line, in head half-widths
  float Brow = 1.0f;   // eyebrow weight
  float Lips = 1.0f;   // lip fullness
  float Smile = 0.0f;  // the mouth's corners: -1 turned down .. 1 pulled up
  float Nose = 1.0f;   // nose size
  std::uint32_t Seed = 0;
  FaceForm Features;
  bool Man = true;
  bool LooseHairs = true;  // a few hairs standing off long hair's crown
};

// Head units: x across from the face's middle, y down from the eye line,
// both in head half-widths; W x H is the picture the head is drawn in.
struct HeadFrame {
  float CentreX, EyeY, Unit, Turn;  // Turn: -1 .. 1, towards the picture's left or right
  float LightX = -kHeadLightX;      // the key's x: negative when it comes from the picture's left
  int W = 0, H = 0;
  float Tilt = 0.0f;  // radians the head rolls, positive clockwise, about the eye line's middle
  // Light thrown back into the shadows, 0 out of doors .. 1 in a small room
  // whose walls return the lamp's light under the brows and the jaw.
  float Bounce = 0.0f;
  float X(float xu) const { return CentreX + xu * Unit; }
  float Y(float yu) const { return EyeY + yu * Unit; }
  Point At(float xu, float yu) const { return {X(xu), Y(yu)}; }
  // Features nearer the viewer move further when the head turns.
  float Fx(float xu, float depth) const { return CentreX + (xu + Turn * 0.12f * depth) * Unit; }
  // The key light, for rounding things on the head by a bevel `depth` deep.
  LightDir Key(float depth) const { return {LightX, kHeadLightY, kHeadLightZ, depth}; }
  // How bright the key makes a surface facing the viewer: lighting divided
  // by it reads 1 there.
  float Flat() const {
    return kHeadLightZ / std::sqrt(LightX * LightX + kHeadLightY * kHeadLightY + kHeadLightZ * kHeadLightZ);
  }
};

// The outline of a band (lips, a lid, a headband) across s = -1..1 in `steps` steps: `edges(s)`
// gives its top and bottom edge there. The outline runs along the top from
// left to right and back along the bottom.
using Edges = std::pair<Point, Point>;
template <typename EdgesAt>
std::vector<Point> BandOutline(int steps, EdgesAt edges) {
  std::vector<Point> top, bottom;
  for (int i = 0; i <= steps; ++i) {
    const auto [t, b] = edges(static_cast<float>(i) / steps * 2.0f - 1.0f);
    top.push_back(t);
    bottom.push_back(b);
  }
  top.insert(top.end(), bottom.rbegin(), bottom.rend());
  return top;
}

// A tapering stroke along a quadratic curve (locks of hair, creases, straps), `value` at its fullest.
void Lock(Field& f, Point a, Point control, Point b, float w0, float w1, float value = 1.0f);

struct Head {
  FaceLook Look;
  HeadFrame Frame;
  Field BackHair{};   // behind the head and shoulders
  Field FrontHair{};  // over the head
  Field Skin{};       // face and ears
  Field Height{};     // the face's relief, in pixels
  Point Crown{};      // where the strands start
};

Head ShapeHead(const FaceLook& look, const HeadFrame& frame);
// The hair behind the head; drawn before whatever the head stands in front of.
void PaintBackHair(Image& image, const Head& head);
// The lit face with its features and the hair over it, face-on and upright.
void PaintFace(Image& image, const Head& head);
// A mask drawn face-on, turned and tilted as the head is.
Field Laid(const Field& f, const Head& head);
// `image` holds the head drawn face-on over `under`, the picture without
// it; the head is turned and tilted and laid back over `under`. Returns
// the outline of the laid head (face and front hair).
Field LayHead(Image& image, const Image& under, const Head& head);

}  // namespace vantoro::art
