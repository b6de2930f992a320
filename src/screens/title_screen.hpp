#pragma once
// The title screen: the title art, and a click anywhere on it starts a new
// league.

#include "ui/screen.hpp"
#include "ui/screen_context.hpp"

namespace vantoro {

class TitleScreen final : public Screen {
 public:
  explicit TitleScreen(ScreenContext context) : ctx_(context) {}
  void Draw(Canvas& canvas) override;
  void Press(int x, int y) override;

 private:
  ScreenContext ctx_;
};

}  // namespace vantoro
