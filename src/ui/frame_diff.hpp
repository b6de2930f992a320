#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "ui/image.hpp"

namespace vantoro {

// A rectangle of frame pixels: columns [Left, Left + Width), rows
// [Top, Top + Height).
struct FrameArea {
  int Left = 0, Top = 0, Width = 0, Height = 0;
  bool operator==(const FrameArea&) const = default;
};

// The areas where `now` differs from `before`, top to bottom and apart:
// every differing pixel lies in one of them. Runs of changed rows that lie
// close together are taken as one area, so that a few scattered changes
// (a blinking label, a particle) cost a few small copies rather than a band
// the height of the frame. Empty when the frames are alike; the whole frame
// when their sizes differ. Rows whose `drawnRows` entry is 0 were not drawn
// since `before` was taken and are not compared; an empty span: compare all.
std::vector<FrameArea> ChangedAreas(const Image& now, const Image& before,
                                    std::span<const std::uint8_t> drawnRows = {});

// Copies `area` of `from` into `to`; both have the same size.
void CopyArea(Image& to, const Image& from, const FrameArea& area);

}  // namespace vantoro
