#pragma once
// ADMIN: save the game and return to the title, and the game's help.

#include <span>

#include "screens/hub/hub_section.hpp"

namespace vantoro {

enum class AdminButton { SaveAndExit, NextPage };

class AdminSection final : public HubSection {
 public:
  explicit AdminSection(ScreenContext context) : ctx_(context) {}
  static std::span<const Button<AdminButton>> Buttons(Int page);
  void DrawPage(Canvas& canvas, Int page) override;
  void PressPage(int x, int y, Int page) override;

 private:
  void DrawHelp(Canvas& canvas);
  void SaveAndExit();

  ScreenContext ctx_;
};

}  // namespace vantoro
