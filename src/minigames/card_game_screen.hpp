#pragma once
// A hand of twenty-one against the house, for team cash.

#include <span>

#include "ui/screen.hpp"
#include "ui/screen_context.hpp"

namespace vantoro {

// STAND becomes EXIT once the hand is over: one button, two meanings.
enum class CardButton { Hundreds, Tens, Units, Go, Hit, StandOrExit };

class CardGameScreen final : public Screen {
 public:
  explicit CardGameScreen(ScreenContext context) : ctx_(context) {}
  void Draw(Canvas& canvas) override;
  void Press(int x, int y) override;
  static std::span<const Button<CardButton>> Buttons();
  // What a button shows in this state of the game.
  static ButtonState State(const GameState& s, CardButton id);

 private:
  void DrawBet(Canvas& canvas);
  void DrawHands(Canvas& canvas, Int houseShown);
  void DrawCards(Canvas& canvas);

  ScreenContext ctx_;
};

}  // namespace vantoro
