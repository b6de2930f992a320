#pragma once
// One section of the hub (TEAM, HQ, STORE, FIELD, FINANCE, SEASON, ADMIN):
// the content of its pages and their buttons. The hub frame draws
// everything around them and dispatches presses.

#include "ui/canvas.hpp"
#include "ui/screen_context.hpp"

namespace vantoro {

class HubSection {
 public:
  virtual ~HubSection() = default;
  // The content of page `page`, drawn after the frame's tabs and cash box.
  virtual void DrawPage(Canvas& canvas, Int page) = 0;
  // A press that no section button or tab took, with the section and page
  // current at that moment.
  virtual void PressPage(int x, int y, Int page) = 0;
};

}  // namespace vantoro
