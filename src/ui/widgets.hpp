#pragma once
// Buttons that are drawn and hit-tested from one table, so that what the
// player sees and what takes the press cannot drift apart; and the title
// banner that the hub and the gambling screens share.

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "state/game_state.hpp"
#include "ui/canvas.hpp"
#include "ui/font.hpp"

namespace vantoro {

// An area of the frame that takes presses, bounds inclusive.
struct PressArea {
  int Left, Right, Top, Bottom;
  constexpr bool Contains(int x, int y) const { return x >= Left && x <= Right && y >= Top && y <= Bottom; }
  constexpr bool Overlaps(const PressArea& o) const {
    return Left <= o.Right && o.Left <= Right && Top <= o.Bottom && o.Top <= Bottom;
  }
};

// A rectangle as drawn: right and bottom edges exclusive.
struct Box {
  int Left, Top, Right, Bottom;
};

enum class PressRule {
  Inside,     // strictly inside the outline: the drawn rectangle less one pixel all round
  Inclusive,  // the rectangle's bounds themselves, right and bottom included
  Given,      // the button's own press area, where it differs from what is drawn
};

enum class Face { Arial, Interface };

// What is drawn in a button's rectangle.
enum class Shape {
  Box,      // outline and fill over the rectangle
  Ellipse,  // outline and fill over the ellipse inscribed in it
  // One part of a bar cut by dividers: a box whose right edge lies one
  // column further, on the next part's left edge, so the two share it.
  Joined,
  // A rule across the rectangle, three rows above its foot and one pixel
  // beyond either side, in the pen colour: a band told from the next.
  Rule,
};

struct ButtonColors {
  std::optional<Color> Pen;  // no outline and no fill without a pen: a label alone
  std::optional<Color> Fill;
  std::optional<Color> Label;  // nullopt: the label is not drawn
};

// How a button looks when it can act, and when it cannot.
struct ButtonScheme {
  ButtonColors Enabled;
  ButtonColors Grey;
};

inline constexpr ButtonScheme kGreenScheme{{Rgb(0x00FF00), Rgb(0x004400), Rgb(0x00FF00)},
                                           {Rgb(0x888888), Rgb(0x444444), Rgb(0x888888)}};

// What a page makes of a button this tick: not there at all (drawn nowhere,
// taking no press), there but unable to act, or able to act; or, where the
// game's rules keep a press working on a button out of sight (behind the
// creation screen's opening, or under the match report), unseen: not drawn,
// yet acting.
enum class ButtonState { Hidden, Grey, Enabled, Unseen };
constexpr ButtonState GreyUnless(bool can) { return can ? ButtonState::Enabled : ButtonState::Grey; }
constexpr ButtonState ShownIf(bool shown, ButtonState state = ButtonState::Enabled) {
  return shown ? state : ButtonState::Hidden;
}

template <class Id>
struct Button {
  Id Action;
  Box Rect;
  PressRule Rule;
  std::string_view Label;
  int LabelX, LabelY;
  int Points;  // the label's size
  ButtonScheme Scheme = kGreenScheme;
  Face LabelFace = Face::Arial;
  Shape Drawn = Shape::Box;
  PressArea Press{};  // with PressRule::Given only

  constexpr PressArea Area() const {
    if (Rule == PressRule::Given) return Press;
    if (Rule == PressRule::Inside) return {Rect.Left + 1, Rect.Right - 1, Rect.Top + 1, Rect.Bottom - 1};
    return {Rect.Left, Rect.Right, Rect.Top, Rect.Bottom};
  }
  constexpr bool Hit(int x, int y) const { return Area().Contains(x, y); }
};

// How one button of a table is drawn this tick, beyond its table entry.
struct ButtonLook {
  ButtonState State = ButtonState::Enabled;
  std::optional<std::string> Label{};    // a label that changes with the game
  std::optional<ButtonColors> Colors{};  // colours of the page's own, in place of the scheme's
  int Wider = 0;                         // drawn this much wider to the right, pressed as it stands
  int Lower = 0;                         // drawn this much lower, pressed where it rests
};
inline ButtonLook AsLook(ButtonState state) { return {state}; }
inline ButtonLook AsLook(ButtonLook look) { return look; }

const Font& LabelFont(FontLibrary& fonts, Face face, int points);

// Draws the shape, fill and label in the given colours.
void DrawButtonAs(Canvas& canvas, const Font& font, Shape shape, const Box& rect, std::string_view label,
                  int labelX, int labelY, const ButtonColors& colors);

template <class Id>
void DrawButton(Canvas& canvas, FontLibrary& fonts, const Button<Id>& b, const ButtonLook& look) {
  if (look.State == ButtonState::Hidden || look.State == ButtonState::Unseen) return;
  const ButtonColors& colors = look.Colors                          ? *look.Colors
                               : look.State == ButtonState::Enabled ? b.Scheme.Enabled
                                                                    : b.Scheme.Grey;
  const Box rect{b.Rect.Left, b.Rect.Top + look.Lower, b.Rect.Right + look.Wider, b.Rect.Bottom + look.Lower};
  DrawButtonAs(canvas, LabelFont(fonts, b.LabelFace, b.Points), b.Drawn, rect,
               look.Label ? std::string_view(*look.Label) : b.Label, b.LabelX, b.LabelY + look.Lower, colors);
}

// The whole table, each button as the page's `look` makes it: `look` takes
// a button and gives its ButtonState, or a ButtonLook for more.
template <class Id, class LookFn>
void DrawButtons(Canvas& canvas, FontLibrary& fonts, std::span<const Button<Id>> table, LookFn&& look) {
  for (const Button<Id>& b : table) DrawButton(canvas, fonts, b, AsLook(look(b)));
}

// One page's table from the buttons it shares with its neighbours and its own.
template <class T, std::size_t A, std::size_t B>
constexpr std::array<T, A + B> Join(const std::array<T, A>& a, const std::array<T, B>& b) {
  std::array<T, A + B> joined{};
  for (std::size_t i = 0; i < A; ++i) joined[i] = a[i];
  for (std::size_t i = 0; i < B; ++i) joined[A + i] = b[i];
  return joined;
}

// The first button of the table that takes a press at (x, y), whatever it
// shows.
template <class Id>
std::optional<Id> HitTest(std::span<const Button<Id>> table, int x, int y) {
  for (const Button<Id>& b : table) {
    if (b.Hit(x, y)) return b.Action;
  }
  return std::nullopt;
}

// The first button that takes a press at (x, y) among those the page shows:
// a hidden button takes none.
template <class Id, class LookFn>
std::optional<Id> HitTest(std::span<const Button<Id>> table, int x, int y, LookFn&& look) {
  for (const Button<Id>& b : table) {
    if (b.Hit(x, y) && AsLook(look(b)).State != ButtonState::Hidden) return b.Action;
  }
  return std::nullopt;
}

template <class Id>
const Button<Id>* Find(std::span<const Button<Id>> table, Id id) {
  for (const Button<Id>& b : table) {
    if (b.Action == id) return &b;
  }
  return nullptr;
}

// The row a button of a run of row buttons stands for, counted from 1 at
// `first`; 0 for a button outside the run.
template <class Id>
constexpr int RowOf(Id id, Id first, int rows) {
  const int row = static_cast<int>(id) - static_cast<int>(first) + 1;
  return row >= 1 && row <= rows ? row : 0;
}

// Text that must end before an edge beside it (a divider, a box's side, the
// next column): its ink keeps two pixels clear of column `edge`, drawn
// narrower where it must, to no less than four fifths of its width; what
// is still too wide then is drawn at that. Returns the font it was drawn in.
const Font& DrawFitted(Canvas& canvas, FontLibrary& fonts, int x, int y, std::string_view text,
                       const Font& font, Color color, int edge);

// The rounded band with the program's title across the top of the hub and
// the gambling screens, in one of three colour schemes.
struct BannerColors {
  Color Pen, Fill, Title;
  // On a flickering banner the title takes Bright on about one tick in
  // fifty, and Dim on a few of those.
  std::optional<Color> Bright, Dim;
};

inline constexpr BannerColors kBlueBanner{Rgb(0x333388), Rgb(0x000044), Rgb(0x5555AA), Rgb(0x6666BB),
                                          Rgb(0x444499)};

// A flickering banner draws from the generator every tick.
void DrawTitleBanner(Canvas& canvas, FontLibrary& fonts, GameState& state, const BannerColors& colors);

}  // namespace vantoro
