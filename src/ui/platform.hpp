#pragma once
// What the game needs of the machine it runs on: the window's client size,
// showing a frame, the caption, message boxes. The SDL2 implementation
// serves players; the headless one serves the driver and the tests.

#include <cstdint>
#include <span>
#include <string_view>

#include "ui/frame_diff.hpp"
#include "ui/image.hpp"

namespace vantoro {

struct ClientSize {
  int Width = 0;
  int Height = 0;

  bool operator==(const ClientSize&) const = default;
};

class Platform {
 public:
  virtual ~Platform() = default;
  virtual ClientSize GetClientSize() = 0;
  // Copies the frame into the window with its top-left at (left, top),
  // both in the window's logical pixels, each frame pixel a square of
  // scale x scale window pixels; negative positions cut the frame off at
  // the window's edges. What `drawn` leaves out is as it was at the
  // previous present.
  virtual void Present(const Image& frame, int left, int top, int scale, DrawnParts drawn) = 0;
  virtual void SetCaption(std::string_view caption) = 0;
  // A message the player must acknowledge (file errors), in a box of the
  // desktop's own. False when no box could be shown: the caller shows the
  // message another way.
  virtual bool ShowMessage(std::string_view title, std::string_view text) = 0;
  // True once after the window lost what was last presented (a resize), so
  // that a screen which presents only on change presents again.
  virtual bool TakeFrameLost() { return false; }
};

}  // namespace vantoro
