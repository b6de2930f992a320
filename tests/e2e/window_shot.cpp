// Reads what an X11 window shows, for the end-to-end test where no window
// manager runs: where its client area is on the screen, its size, and the
// box around everything in it that is not black, which is where the game
// put its frame. Given a
// file, it also writes the window's picture there as PNG, for a person to
// look at.
//
// Usage: window-shot WINDOW-ID [FILE.png]
// Prints shell assignments: X, Y (on the screen), WIDTH, HEIGHT, and LEFT,
// TOP, RIGHT, BOTTOM of the box in the window (right and bottom exclusive;
// all 0 when the window is black).

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ui/picture_io.hpp"

namespace {

// The colour's bits of a pixel, scaled to 8 bits per channel.
std::uint8_t Channel(unsigned long pixel, unsigned long mask) {
  if (mask == 0) return 0;
  int shift = 0;
  while (!((mask >> shift) & 1UL)) ++shift;
  const unsigned long top = mask >> shift;
  return static_cast<std::uint8_t>(((pixel & mask) >> shift) * 255UL / top);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: window-shot WINDOW-ID [FILE.png]\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "window-shot: cannot open the display\n");
    return 1;
  }
  const Window window = std::strtoul(argv[1], nullptr, 0);
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(display, window, &attributes)) {
    std::fprintf(stderr, "window-shot: no window %s\n", argv[1]);
    return 1;
  }
  int screenX = 0, screenY = 0;
  Window child = 0;
  XTranslateCoordinates(display, window, attributes.root, 0, 0, &screenX, &screenY, &child);
  XImage* shot = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                           static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
  if (!shot) {
    std::fprintf(stderr, "window-shot: cannot read window %s (is it mapped?)\n", argv[1]);
    return 1;
  }
  vantoro::Image image(attributes.width, attributes.height);
  int left = attributes.width, top = attributes.height, right = 0, bottom = 0;
  for (int y = 0; y < attributes.height; ++y) {
    for (int x = 0; x < attributes.width; ++x) {
      const unsigned long pixel = XGetPixel(shot, x, y);
      const vantoro::Color color{Channel(pixel, shot->red_mask), Channel(pixel, shot->green_mask),
                                 Channel(pixel, shot->blue_mask)};
      image.Set(x, y, color);
      if (color == vantoro::kBlack) continue;
      left = std::min(left, x);
      top = std::min(top, y);
      right = std::max(right, x + 1);
      bottom = std::max(bottom, y + 1);
    }
  }
  XDestroyImage(shot);
  XCloseDisplay(display);
  if (right == 0) left = top = 0;
  std::printf("X=%d\nY=%d\nWIDTH=%d\nHEIGHT=%d\nLEFT=%d\nTOP=%d\nRIGHT=%d\nBOTTOM=%d\n", screenX, screenY,
              attributes.width, attributes.height, left, top, right, bottom);
  std::string error;
  if (argc == 3 && !vantoro::WritePngFile(argv[2], image, error)) {
    std::fprintf(stderr, "window-shot: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
