#pragma once
// SEASON: the year's tournament calendar, the map of the country, and the
// end of the turn, where the team may also leave for a tournament.

#include "screens/hub/hub_section.hpp"

namespace vantoro {

struct Tournament;

class SeasonSection final : public HubSection {
 public:
  explicit SeasonSection(ScreenContext context) : ctx_(context) {}
  void DrawPage(Canvas& canvas, Int page) override;
  void PressPage(int x, int y, Int page) override;

 private:
  void DrawCalendar(Canvas& canvas);
  void DrawMap(Canvas& canvas);
  void DrawTurnEnd(Canvas& canvas);
  void DrawTournamentPanel(Canvas& canvas, const Tournament& tournament);
  void PressMap(int x, int y);
  void PressTurnEnd(int x, int y);
  void Travel(Int cost);
  void EndTurn();

  ScreenContext ctx_;
};

}  // namespace vantoro
