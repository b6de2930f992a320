#pragma once
// TRACKSIDE: a bet on one of six horses, the race, and the result.

#include <span>

#include "ui/screen.hpp"
#include "ui/screen_context.hpp"

namespace vantoro {

enum class RaceButton { Hundreds, Tens, Units, Horse, Go, Exit };

class HorseRacingScreen final : public Screen {
 public:
  explicit HorseRacingScreen(ScreenContext context) : ctx_(context) {}
  void Draw(Canvas& canvas) override;
  void Press(int x, int y) override;
  static std::span<const Button<RaceButton>> Buttons();
  // What a button shows in this state of the game.
  static ButtonState State(const GameState& s, RaceButton id);

 private:
  void DrawTrackside(Canvas& canvas);
  void DrawTrack(Canvas& canvas);
  void DrawBet(Canvas& canvas);
  void DrawHorses(Canvas& canvas);
  void DrawResult(Canvas& canvas);

  ScreenContext ctx_;
};

}  // namespace vantoro
