#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "ui/image.hpp"

namespace vantoro {

// What of a frame may differ from the frame presented last: per row, one
// bit per band of BandWidth columns (bit b: columns [b * BandWidth,
// (b + 1) * BandWidth)). No rows: any of it.
struct DrawnParts {
  std::span<const std::uint32_t> Rows;
  int BandWidth = 32;
};

// A rectangle of frame pixels: columns [Left, Left + Width), rows
// [Top, Top + Height).
struct FrameArea {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  bool operator==(const FrameArea&) const = default;
};

// The areas where `now` differs from `before`, apart from each other:
// every differing pixel lies in one of them, and each is the box of the
// differences in its part of the frame, so that a few scattered changes (a
// blinking label, particles) cost a few small copies rather than a band the
// size of the frame; very many are taken as fewer, larger ones. Empty when
// the frames are alike; the whole frame when their sizes differ. Parts that
// `drawn` says were not drawn on since `before` was taken are not compared.
std::vector<FrameArea> ChangedAreas(const Image& now, const Image& before, DrawnParts drawn = {});

// Pixels laid out as an Image's but `Pitch` pixels from one row to the next:
// a frame inside a larger one, such as the window's own pixels.
struct PixelsView {
  const std::uint32_t* Pixels = nullptr;
  std::ptrdiff_t Pitch = 0;
  int Width = 0, Height = 0;
};
inline PixelsView ViewOf(const Image& image) {
  return {image.Pixels.data(), image.Width, image.Width, image.Height};
}

// The same, with `before` held elsewhere: what a window shows, compared
// where it lies instead of in a copy of its own.
std::vector<FrameArea> ChangedAreas(const Image& now, PixelsView before, DrawnParts drawn = {});

// What ChangedAreas finds, and with it, per row, the bands of BandWidth
// columns whose pixels differ (bit b: columns [b * BandWidth,
// (b + 1) * BandWidth)). No rows: all of every area may differ.
struct FrameChanges {
  std::vector<FrameArea> Areas;
  std::vector<std::uint32_t> Rows;
  int BandWidth = 0;
};
// Fills `changes`, reusing what it holds: a window looks every tick.
void FindChanges(const Image& now, PixelsView before, DrawnParts drawn, FrameChanges& changes);

// Brings `to`, laid out as `from` but `pitch` pixels from one row to the
// next, up to date with `from` where `changes` found them to differ: only
// the differing bands of each row are copied, the parts just compared, not
// the whole of each area.
void CopyChanges(std::uint32_t* to, std::ptrdiff_t pitch, const Image& from, const FrameChanges& changes);
inline void CopyChanges(Image& to, const Image& from, const FrameChanges& changes) {
  CopyChanges(to.Pixels.data(), to.Width, from, changes);
}

}  // namespace vantoro
