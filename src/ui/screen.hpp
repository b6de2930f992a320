#pragma once
// A screen draws its whole picture from the game state on every drawing
// tick and reacts to presses at frame coordinates. Screens hold no copies of
// the game state.

namespace vantoro {

class Canvas;

enum class ScreenId {
  Title,
  TeamCreation,
  Hub,
  HorseRacing,
  CardGame,
  SlotMachine,
  EndOfMonth,
  Tournament,
  Match,
  Result,
  LeagueEnd,
  TeamBreakup,
};
inline constexpr int kScreenCount = 12;

class Screen {
 public:
  virtual ~Screen() = default;
  // Draws the frame, in the screen's order; the canvas arrives cleared black
  // unless the screen covers the whole frame with its background anyway.
  virtual void Draw(Canvas& canvas) = 0;
  virtual bool CoversFrame() const { return false; }
  // The match screen's second, slower tick.
  virtual void EventTick() {}
  // A press at frame point (x, y) inside the screen's press area.
  virtual void Press(int x, int y) {
    (void)x;
    (void)y;
  }
};

}  // namespace vantoro
