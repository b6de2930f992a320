#pragma once
// The losing end of a game: the team has broken up; a press returns to the
// title.

#include "ui/screen.hpp"
#include "ui/screen_context.hpp"

namespace vantoro {

class TeamBreakupScreen final : public Screen {
 public:
  explicit TeamBreakupScreen(ScreenContext context) : ctx_(context) {}
  void Draw(Canvas& canvas) override;
  void Press(int x, int y) override;

 private:
  ScreenContext ctx_;
};

}  // namespace vantoro
