#pragma once
// TEAM: the squad, one player with the monthly pay and fine, the trophies,
// the league standings, the opposition teams and the last match's report.

#include "screens/hub/hub_section.hpp"

namespace vantoro {

class TeamSection final : public HubSection {
 public:
  explicit TeamSection(ScreenContext context) : ctx_(context) {}
  void DrawPage(Canvas& canvas, Int page) override;
  void PressPage(int x, int y, Int page) override;

 private:
  void AdvanceAnimation();
  void DrawPageButtons(Canvas& canvas);
  void DrawStatistics(Canvas& canvas);
  void DrawOverview(Canvas& canvas);
  void DrawIndividual(Canvas& canvas);
  void DrawTrophies(Canvas& canvas);
  void DrawStandings(Canvas& canvas);
  void DrawOpposition(Canvas& canvas);
  void DrawDebrief(Canvas& canvas);
  void Pay();
  void Fine();

  ScreenContext ctx_;
};

}  // namespace vantoro
