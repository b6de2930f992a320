#pragma once
// The end of a game: the score sheet, then, after OK, the verdict with the
// trophy of a win; a second OK goes on to the month's end.

#include <span>

#include "ui/screen.hpp"
#include "ui/screen_context.hpp"

namespace vantoro {

enum class ResultButton { Ok };

class ResultScreen final : public Screen {
 public:
  explicit ResultScreen(ScreenContext context) : ctx_(context) {}
  void Draw(Canvas& canvas) override;
  void Press(int x, int y) override;
  static std::span<const Button<ResultButton>> Buttons();

 private:
  void DrawSheet(Canvas& canvas);
  void DrawVerdict(Canvas& canvas);

  ScreenContext ctx_;
};

}  // namespace vantoro
