#pragma once
// The management hub: seven sections down the left, up to three page tabs
// above a central panel, the team's cash and commentary, and the opening
// animation each time the hub is entered for a new month.

#include <array>
#include <memory>
#include <span>

#include "screens/hub/hub_section.hpp"
#include "sim/hub_navigation.hpp"
#include "ui/canvas.hpp"
#include "ui/screen.hpp"
#include "ui/screen_context.hpp"

namespace vantoro {

class HubScreen final : public Screen {
 public:
  explicit HubScreen(ScreenContext context);
  void Draw(Canvas& canvas) override;
  void Press(int x, int y) override;
  // Its background fills the frame, unless a replaced picture is smaller.
  bool CoversFrame() const override {
    const Image& background = ctx_.Pictures.Get(PictureId::HubBackground);
    return background.Width >= Canvas::kWidth && background.Height >= Canvas::kHeight;
  }

  // The opening is over and presses are taken once the counter is here.
  static constexpr int kOpened = kHubOpened;

  // The frame's buttons: the seven sections, and the page tabs of a section
  // (none for a section that does not exist).
  static std::span<const Button<int>> SectionButtons();
  static std::span<const Button<int>> TabButtons(Int section);

 private:
  void DrawBanner(Canvas& canvas);
  void DrawSections(Canvas& canvas);
  void DrawSettings(Canvas& canvas);
  void DrawDots(Canvas& canvas);
  void DrawCashBox(Canvas& canvas);
  void DrawTabs(Canvas& canvas);
  void DrawFooter(Canvas& canvas);
  HubSection* CurrentSection();

  ScreenContext ctx_;
  std::array<std::unique_ptr<HubSection>, 7> sections_;
};

}  // namespace vantoro
