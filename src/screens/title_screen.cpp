#include "screens/title_screen.hpp"

#include "sim/new_game.hpp"
#include "ui/canvas.hpp"

namespace vantoro {

void TitleScreen::Draw(Canvas& canvas) {
  const Image& title = ctx_.Pictures.Get(PictureId::Title);
  if (ctx_.Screens.TitleSized()) {
    canvas.StretchPicture(0, 0, Canvas::kWidth, Canvas::kHeight, title);
  } else {
    canvas.Picture(0, 0, title);
  }
}

void TitleScreen::Press(int, int) {
  NewGameSetup(ctx_.State);
  ctx_.Screens.LeaveTitle(ScreenId::TeamCreation);
}

}  // namespace vantoro
