#pragma once
// The title screen: the title art, and a click anywhere on it starts a new
// league.

#include "screens/context.hpp"
#include "ui/screen.hpp"

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
