#pragma once
// ADMIN: save the game and return to the title, and the game's help.

#include "screens/hub/hub_section.hpp"

namespace vantoro {

class AdminSection final : public HubSection {
 public:
  explicit AdminSection(ScreenContext context) : ctx_(context) {}
  void DrawPage(Canvas& canvas, Int page) override;
  void PressPage(int x, int y, Int page) override;

 private:
  void DrawSaveGame(Canvas& canvas);
  void DrawHelp(Canvas& canvas);
  void SaveAndExit();
  void NextHelpPage();

  ScreenContext ctx_;
};

}  // namespace vantoro
