#pragma once
// LONGBALLER: a three-reel slot machine played with credits bought from
// team cash, with holds after a losing spin.

#include <span>

#include "ui/screen.hpp"
#include "ui/screen_context.hpp"

namespace vantoro {

enum class SlotButton { Handle, BuyCredits, Hold1, Hold2, Hold3, Refund, Exit };

class SlotMachineScreen final : public Screen {
 public:
  explicit SlotMachineScreen(ScreenContext context) : ctx_(context) {}
  void Draw(Canvas& canvas) override;
  void Press(int x, int y) override;
  static std::span<const Button<SlotButton>> Buttons();
  // What a button shows in this state of the game.
  static ButtonState State(const GameState& s, SlotButton id);

 private:
  void DrawCabinet(Canvas& canvas);
  void DrawReels(Canvas& canvas);
  void DrawPayTable(Canvas& canvas);
  int KnobDrop() const;
  void DrawPanels(Canvas& canvas);
  void DrawShaft(Canvas& canvas);
  void DrawControls(Canvas& canvas);

  ScreenContext ctx_;
};

}  // namespace vantoro
