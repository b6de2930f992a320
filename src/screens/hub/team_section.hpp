#pragma once
// TEAM: the squad, one player with the monthly pay and fine, the trophies,
// the league standings, the opposition teams and the last match's report.

#include <span>

#include "screens/hub/hub_section.hpp"

namespace vantoro {

enum class TeamButton {
  Standings,
  Opposition,
  Debrief,
  Player1,
  Player2,
  Player3,
  Player4,
  Player5,
  Player6,
  Player7,
  Pay,
  Fine,
  NextTeam,
  DebriefNext,
};

class TeamSection final : public HubSection {
 public:
  explicit TeamSection(ScreenContext context) : ctx_(context) {}
  // The buttons that take presses on a page.
  static std::span<const Button<TeamButton>> Buttons(Int page);
  // What a button of the page shows in this state of the game.
  static ButtonState State(const GameState& s, Int page, TeamButton id);
  void DrawPage(Canvas& canvas, Int page) override;
  void PressPage(int x, int y, Int page) override;

 private:
  void DrawStatistics(Canvas& canvas);
  void DrawOverview(Canvas& canvas);
  void DrawIndividual(Canvas& canvas);
  void DrawTrophies(Canvas& canvas);
  void DrawStandings(Canvas& canvas);
  void DrawOpposition(Canvas& canvas);
  void DrawDebrief(Canvas& canvas);

  ScreenContext ctx_;
};

}  // namespace vantoro
