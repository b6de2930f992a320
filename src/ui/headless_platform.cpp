#include "ui/headless_platform.hpp"

#include <algorithm>
#include <iostream>

#include "ui/frame_diff.hpp"

namespace vantoro {

void HeadlessPlatform::Present(const Image& frame, int left, int top, int scale, DrawnParts drawn) {
  left_ = left;
  top_ = top;
  scale_ = scale;
  ++presents_;
  if (lastFrame_.Width != frame.Width || lastFrame_.Height != frame.Height) {
    lastFrame_ = frame;
    return;
  }
  // As a window is sent them: only what changed in the parts reported
  // drawn. A change not reported would stay stale on a screen; its row is
  // counted.
  FindChanges(frame, ViewOf(lastFrame_), drawn, changes_);
  CopyChanges(lastFrame_, frame, changes_);
  for (int y = 0; CheckStaleRows && y < frame.Height; ++y) {
    const std::size_t at = frame.Index(0, y);
    if (!std::equal(
            frame.Pixels.begin() + static_cast<std::ptrdiff_t>(at),
            frame.Pixels.begin() + static_cast<std::ptrdiff_t>(at + static_cast<std::size_t>(frame.Width)),
            lastFrame_.Pixels.begin() + static_cast<std::ptrdiff_t>(at))) {
      ++staleRows_;
      std::copy_n(frame.Pixels.begin() + static_cast<std::ptrdiff_t>(at), frame.Width,
                  lastFrame_.Pixels.begin() + static_cast<std::ptrdiff_t>(at));
    }
  }
}

bool HeadlessPlatform::ShowMessage(std::string_view title, std::string_view text) {
  messages_.emplace_back(text);
  if (EchoMessages) std::cerr << title << ": " << text << '\n';
  return !MessageBoxesFail;
}

}  // namespace vantoro
