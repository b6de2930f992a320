#pragma once
// SEASON: the year's tournament calendar, the map of the country, and the
// end of the turn, where the team may also leave for a tournament.

#include <span>

#include "screens/hub/hub_section.hpp"

namespace vantoro {

struct Tournament;

enum class SeasonButton { EndTurn, GoByCar, HireVehicle };

class SeasonSection final : public HubSection {
 public:
  explicit SeasonSection(ScreenContext context) : ctx_(context) {}
  // The map's four bands, by the view each shows, and the TURN END page's buttons.
  static std::span<const Button<int>> MapButtons();
  static std::span<const Button<SeasonButton>> TurnEndButtons();
  // What a TURN END button shows in this state of the game.
  static ButtonState State(const GameState& s, SeasonButton id);
  void DrawPage(Canvas& canvas, Int page) override;
  void PressPage(int x, int y, Int page) override;

 private:
  void DrawCalendar(Canvas& canvas);
  void DrawMap(Canvas& canvas);
  void DrawTurnEnd(Canvas& canvas);
  void DrawTournamentPanel(Canvas& canvas, const Tournament& tournament);
  void PressMap(int x, int y);
  void PressTurnEnd(int x, int y);

  ScreenContext ctx_;
};

}  // namespace vantoro
