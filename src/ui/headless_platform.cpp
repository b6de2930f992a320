#include "ui/headless_platform.hpp"

#include <iostream>

namespace vantoro {

void HeadlessPlatform::Present(const Image& frame, int left, int top, int scale,
                               std::span<const std::uint8_t> drawnRows) {
  (void)left;
  (void)top;
  (void)drawnRows;
  scale_ = scale;
  lastFrame_ = frame;
  ++presents_;
}

bool HeadlessPlatform::ShowMessage(std::string_view title, std::string_view text) {
  messages_.emplace_back(text);
  if (EchoMessages) std::cerr << title << ": " << text << '\n';
  return !MessageBoxesFail;
}

}  // namespace vantoro
