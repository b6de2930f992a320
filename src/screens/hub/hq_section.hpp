#pragma once
// HQ: the clubhouse with its fittings, buying fittings and upgrades, and
// trading the team vehicle; the team's commentary on every page.

#include <span>

#include "screens/hub/hub_section.hpp"

namespace vantoro {

enum class HqButton {
  Locks,
  Alarm,
  Television,
  PbCooler,
  SnackMachine,
  PoolTable,
  BeerFridge,
  Garage,
  ViewNext,
  Trade
};

class HqSection final : public HubSection {
 public:
  explicit HqSection(ScreenContext context) : ctx_(context) {}
  void DrawPage(Canvas& canvas, Int page) override;
  void PressPage(int x, int y, Int page) override;
  static std::span<const Button<HqButton>> Buttons(Int page);
  // What a button shows in this state of the game.
  static ButtonState State(const GameState& s, HqButton id);

 private:
  void DrawCommentary(Canvas& canvas);
  void DrawSummary(Canvas& canvas);
  void DrawOverview(Canvas& canvas);
  void DrawPrices(Canvas& canvas);
  void DrawVehicle(Canvas& canvas);

  ScreenContext ctx_;
};

}  // namespace vantoro
