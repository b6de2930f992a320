#pragma once
// FIELD: training one player, a practice event for the whole team, and the
// month's recruit.

#include <span>

#include "screens/hub/hub_section.hpp"

namespace vantoro {

enum class FieldButton {
  Player1,
  Player2,
  Player3,
  Player4,
  Player5,
  Player6,
  Player7,
  Endurance,
  Targeting,
  Cover,
  Sprinting,
  BushRecball,
  Speedball,
  PopUp,
  TwoVsOne,
  NextMember,
  Hire,
};

class FieldSection final : public HubSection {
 public:
  explicit FieldSection(ScreenContext context) : ctx_(context) {}
  void DrawPage(Canvas& canvas, Int page) override;
  void PressPage(int x, int y, Int page) override;
  static std::span<const Button<FieldButton>> Buttons(Int page);
  // What a button shows in this state of the game.
  static ButtonState State(const GameState& s, FieldButton id);

 private:
  void DrawTraining(Canvas& canvas);
  void DrawPractice(Canvas& canvas);
  void DrawRecruit(Canvas& canvas);

  ScreenContext ctx_;
};

}  // namespace vantoro
