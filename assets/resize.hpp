#pragma once
// Pictures that are a smaller copy of another one, drawn once at its own
// size and shrunk here, so that the two can never disagree.

#include "ui/image.hpp"

namespace vantoro::art {

// The picture at a new size (at least 1x1). Every new pixel is the average
// of the area of the old picture it covers, partly covered pixels counting
// by how much of them it covers: thin lines fade instead of vanishing, and
// the overall brightness stays the same.
Image AreaResized(const Image& image, int width, int height);

}  // namespace vantoro::art
