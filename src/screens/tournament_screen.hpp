#pragma once
// The line-up before a game: the squad in its roles, the opposition and the
// weather; SWAP reorders the players, the tactics box sets one tactic per
// role, and PLAY starts the game.

#include <span>

#include "ui/screen.hpp"
#include "ui/screen_context.hpp"

namespace vantoro {

enum class TournamentButton {
  Swap1,
  Swap2,
  Swap3,
  Swap4,
  Swap5,
  Swap6,
  Play,
  Flank,
  Support,
  Forward,
  Leader
};

class TournamentScreen final : public Screen {
 public:
  explicit TournamentScreen(ScreenContext context) : ctx_(context) {}
  void Draw(Canvas& canvas) override;
  void Press(int x, int y) override;
  static std::span<const Button<TournamentButton>> Buttons();

 private:
  void DrawLineUp(Canvas& canvas);
  void DrawOpposition(Canvas& canvas);
  void DrawTactics(Canvas& canvas);

  ScreenContext ctx_;
};

}  // namespace vantoro
