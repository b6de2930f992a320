#pragma once
// The end of every month: the month's processing, once, then its list of
// events rising into a panel, and NEXT TURN back to the hub. The league's
// end and a collapse of morale leave from here too.

#include <span>

#include "ui/screen.hpp"
#include "ui/screen_context.hpp"

namespace vantoro {

enum class EndOfMonthButton { NextTurn };

class EndOfMonthScreen final : public Screen {
 public:
  explicit EndOfMonthScreen(ScreenContext context) : ctx_(context) {}
  static std::span<const Button<EndOfMonthButton>> Buttons();
  void Draw(Canvas& canvas) override;
  void Press(int x, int y) override;

 private:
  void TestLeagueEnd();
  void DrawList(Canvas& canvas);
  void TestBreakup();

  ScreenContext ctx_;
};

}  // namespace vantoro
