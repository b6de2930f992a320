#pragma once
// The regular end of a game: the final table, the team's rank and
// trophies, over fireworks; a press returns to the title.

#include <span>

#include "ui/screen.hpp"
#include "ui/screen_context.hpp"

namespace vantoro {

// Both ends of a league take a press anywhere as the way back to the title.
enum class GameOverButton { BackToTitle };
std::span<const Button<GameOverButton>> GameOverButtons();
// A press on the end screen `from`.
void PressGameOver(ScreenSet& screens, ScreenId from, int x, int y);

class LeagueEndScreen final : public Screen {
 public:
  explicit LeagueEndScreen(ScreenContext context) : ctx_(context) {}
  void Draw(Canvas& canvas) override;
  void Press(int x, int y) override;

 private:
  void DrawTable(Canvas& canvas);
  void DrawFireworks(Canvas& canvas);

  ScreenContext ctx_;
};

// "Rank: 2nd equal", "Rank: 10th".
std::string LeagueEndRankText(const TeamRecord& team, const LeagueRecord& league);

}  // namespace vantoro
