#include "screens/team_breakup_screen.hpp"

#include "screens/league_end_screen.hpp"
#include "ui/canvas.hpp"

namespace vantoro {

void TeamBreakupScreen::Draw(Canvas& canvas) {
  canvas.Picture(30, 10, ctx_.Pictures.Get(PictureId::BreakupBanner));
  canvas.Picture(230, 110, ctx_.Pictures.Get(PictureId::BreakupTeam));
}

void TeamBreakupScreen::Press(int x, int y) { PressGameOver(ctx_.Screens, ScreenId::TeamBreakup, x, y); }

}  // namespace vantoro
