#pragma once
// Posed players: the kit's colours, a pose of named joints, and a figure
// drawn from them seen from the front, from behind or side-on with the
// marker in hand, its mask and headwrap included.

#include <array>
#include <functional>
#include <vector>

#include "assets/art.hpp"
#include "assets/kit_marker.hpp"
#include "ui/font.hpp"

namespace vantoro::art {

// A team's clothing. Each figure reads the colours it shows.
struct Kit {
  Color Jersey, Trim, Pants;
  Color Panel = Rgb(0x1A1A20);  // the jersey's side panels
  Color Wrap = Rgb(0x1A1A1A);   // the headwrap under a side-on mask
  Color Shell = Rgb(0x2A2C34);  // the mask, seen from the front
  Color Lens = Rgb(0x38C8FF);
};

// The player's own club: blue, its paint yellow.
constexpr Color kClubPaint = Rgb(0xFFD81E);
constexpr Kit kClubKit{
    .Jersey = Rgb(0x1E5AE0), .Trim = kClubPaint, .Pants = Rgb(0x1A2030), .Wrap = kClubPaint};

enum class View { Front, Back, Side };

// Joints in units of a standing player's height, the feet at y = 0, x to
// the right (side-on: forwards), y down. Index 0 is the figure's left
// (side-on: the far side), 1 its right (the near side). Side-on, Hand[0]
// holds the marker's grip and Hand[1] is free unless OnMarker.
struct Pose {
  Point Head, Neck;
  float Tilt = 0.0f;  // the head leaning, radians, positive to the right
  float Bow = 0.0f;   // 0 facing us, 1 looking at the ground
  Point Shoulder[2], Elbow[2], Hand[2], Hip[2], Knee[2], Foot[2];
  float Aim = 0.0f;       // the barrel's heading, radians, 0 forwards, negative up
  float OnMarker = 0.0f;  // side-on: 1 when the free hand holds the foregrip
};

// Where a pose stands (its feet), how large (1: a player 75 pixels tall)
// and which way it faces.
struct Placement {
  Point At;
  float Scale;
  float Facing;  // 1 right, -1 left
  Point operator()(Point p) const { return {At.X + p.X * Scale * Facing, At.Y + p.Y * Scale}; }
  Placement Moved(Point by) const { return {{At.X + by.X, At.Y + by.Y}, Scale, Facing}; }
};

// Standing straight, arms down, facing us: front poses start from this.
Pose Standing();

// A side-on pose written in the pixels of a player 75 pixels tall; unless
// told, the free hand is on the foregrip.
Pose SideOn(Point hip, Point neck, Point head, Point farKnee, Point farFoot, Point nearKnee, Point nearFoot,
            Point grip, float aim, Point freeHand = {}, float onMarker = 1.0f);

// Joint by joint from a (k = 0) to b (k = 1).
Pose Mixed(const Pose& a, const Pose& b, float k);

// Side-on poses many scenes share; `aim` is the barrel's heading.
Pose Running();                        // mid-stride, near foot planted, the marker across the chest
Pose StandingAim(float aim = -0.08f);  // knees bent, the marker at the shoulder
Pose KneelingAim(float aim = -0.1f);   // on one knee, upright
Pose Squatting();
Pose Signalling();  // crouched low, the marker in the trigger hand and the free hand up
// Facing us, sat low with the knees up and the elbows on them, leaning
// `lean` and the head hanging by `bow`.
Pose Slumped(float lean, float bow);  // low, the marker upright against the chest

struct Person {
  Point Feet;            // in the picture
  float Height = 75.0f;  // of the player standing, in pixels
  float Facing = 1.0f;   // side-on: 1 faces right, -1 left
  View Seen = View::Front;
  Pose Body = {};
  Kit Colours = {};
  int Marker = 0;  // the item held (see kit_marker); 0 none
  MarkerLook Look = {};
  int GripHand = 0;                          // front and back: the hand on the grip
  bool Flip = false;                         // front and back: the loader on the other side
  int Number = 0;                            // on the back of the jersey
  std::function<void(Image&)> InHands = {};  // a prop drawn under the gloves
};

// A side-on player in a picture drawn `big` times larger than its own
// pixels: feet in picture pixels, 1 for a player 75 pixels tall.
struct Actor {
  Pose Body;
  Point Feet;
  float Scale, Facing;
  const Kit* Colours;
  int Marker;
  Color Loaded = kClubPaint;  // the paint showing in the loader
  Person Drawn(float big) const;
  // A pose's point (figure pixels) in the large picture.
  Point Joint(Point figure, float big) const;
};

// ---------------------------------------------------------------- parts

// The point k of the way from a to b.
Point Mix(Point a, Point b, float k);

// The colour made darker (k < 1) or lighter (k > 1).
Color Tone(Color c, float k);

// A shaded part of a side-on figure: flat colour rounded by a bevel, with a
// warm rim on the side facing the sunset (rimSide pixels; its sign, which
// side).
void Shade(Image& image, const Field& mask, Color colour, float rimSide);

// Strokes and ovals given in a placement's own pixels.
void Stroke(Field& f, const Placement& at, Point a, Point b, float w0, float w1);
void Blob(Field& f, const Placement& at, Point c, float rx, float ry);
// The same, each in a field of its own the size of the image.
Field Stroked(const Image& image, const Placement& at, Point a, Point b, float w0, float w1);
Field Oval(const Image& image, const Placement& at, Point c, float rx, float ry);
// A limb, or a tail, bent once at `joint`: a stroke from `root` to the
// joint and one on to `end`, tapering through the widths w[0], w[1] and
// w[2], w[3].
Field Limb(const Image& image, const Placement& at, Point root, Point joint, Point end,
           const std::array<float, 4>& w);

// ---------------------------------------------------------------- painted heads

// How skin is lit, one value per pixel of the picture; an empty field
// leaves its term out. The colour is the albedo x a tint running from
// ShadowTint to white as the key light rises x the exposure, plus the
// added tints (rims, warmth, specular).
struct SkinLight {
  Field Key;       // the key light, 1 facing it squarely
  Field Fill;      // a weaker second light
  Field Exposure;  // multiplies the brightness: occlusion, darker edges
  ColorF ShadowTint{0.8f, 0.52f, 0.48f};
  float Ambient = 0.1f, KeyWeight = 0.62f, FillWeight = 0.26f;
  struct Tint {
    Field Amount;
    ColorF Colour;
  };
  std::vector<Tint> Added;
};

// Paints skin through the mask; `albedo`, when given, is the skin's own
// colour per pixel, otherwise `skin` everywhere.
void PaintSkin(Image& image, const Field& mask, Color skin, const SkinLight& light,
               const Image* albedo = nullptr);

// How hair is lit: the colour x (Ambient + KeyWeight x Lit x Texture),
// then towards Shine by Sheen. Empty fields read as 1 (Lit, Texture) or 0.
struct HairLight {
  Field Lit, Texture, Sheen;
  ColorF Shine;
  float Ambient = 0.3f, KeyWeight = 0.8f, Opacity = 1.0f;
};

void PaintHair(Image& image, const Field& mask, Color hair, const HairLight& light);

// Draws the player; `fonts` is needed only for a number on the back.
// Returns the marker's muzzle (the grip hand when there is none).
Point DrawPlayer(Image& image, const Person& p, FontLibrary* fonts = nullptr);

// Where DrawPlayer would put the muzzle, without drawing.
Point PlayerMuzzle(const Person& p);

}  // namespace vantoro::art
