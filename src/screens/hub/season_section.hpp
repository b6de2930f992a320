#pragma once
// SEASON: the year's tournament calendar, the map of the country, and the
// end of the turn, where the team may also leave for a tournament.

#include "screens/hub/hub_section.hpp"

namespace vantoro {

class SeasonSection final : public HubSection {
 public:
  explicit SeasonSection(ScreenContext context) : ctx_(context) {}
  void DrawPage(Canvas& canvas, Int page) override;
  void PressPage(int x, int y, Int page) override;

 private:
  ScreenContext ctx_;
};

}  // namespace vantoro
