#pragma once
// A tournament game as it plays itself: the field with every player still
// in play and the flag, both team lists, the shots that tag, the clock, the
// paint, splats, an action picture and, in rain, rain. It takes no presses.

#include "ui/screen.hpp"
#include "ui/screen_context.hpp"

namespace vantoro {

class MatchScreen final : public Screen {
 public:
  explicit MatchScreen(ScreenContext context) : ctx_(context) {}
  void Draw(Canvas& canvas) override;
  void EventTick() override;

 private:
  void DrawField(Canvas& canvas);
  void DrawLists(Canvas& canvas);
  void DrawPlayers(Canvas& canvas);
  void Shoot(Canvas& canvas);
  void DrawScoreboard(Canvas& canvas);
  void DrawSplats(Canvas& canvas);
  void DrawAction(Canvas& canvas);
  void DrawRain(Canvas& canvas);

  ScreenContext ctx_;
};

}  // namespace vantoro
