#include "ui/frame_diff.hpp"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace vantoro {

namespace {

// Rows that are alike between two changed runs: fewer than this and the
// runs are taken as one, as a separate copy costs more than the rows.
constexpr int kJoinGap = 12;
// More areas than this and they are joined into one band: the display is
// then better served by one copy.
constexpr std::size_t kMostAreas = 8;

const std::uint32_t* Row(const Image& image, int y) {
  return image.Pixels.data() + static_cast<std::ptrdiff_t>(y) * image.Width;
}

bool RowDiffers(const Image& now, const Image& before, int y) {
  return std::memcmp(Row(now, y), Row(before, y),
                     static_cast<std::size_t>(now.Width) * sizeof(std::uint32_t)) != 0;
}

// The columns of rows [top, bottom) that differ, widened to cover them all.
void ColumnSpan(const Image& now, const Image& before, FrameArea& area) {
  int left = now.Width, right = -1;
  for (int y = area.Top; y < area.Top + area.Height; ++y) {
    const std::uint32_t* a = Row(now, y);
    const std::uint32_t* b = Row(before, y);
    int x = 0;
    while (x < left && a[x] == b[x]) ++x;
    left = std::min(left, x);
    int z = now.Width - 1;
    while (z > right && a[z] == b[z]) --z;
    right = std::max(right, z);
  }
  if (right < left) right = left;  // rows that matched after all: keep one column
  area.Left = left;
  area.Width = right - left + 1;
}

}  // namespace

std::vector<FrameArea> ChangedAreas(const Image& now, const Image& before,
                                    std::span<const std::uint8_t> drawnRows) {
  if (now.Width <= 0 || now.Height <= 0) return {};
  if (now.Width != before.Width || now.Height != before.Height) return {{0, 0, now.Width, now.Height}};
  std::vector<FrameArea> areas;
  int runTop = -1, lastChanged = -1;
  for (int y = 0; y < now.Height; ++y) {
    // Rows the mask does not cover count as drawn.
    const auto at = static_cast<std::size_t>(y);
    const bool drawn = at >= drawnRows.size() || drawnRows[at] != 0;
    if (!drawn || !RowDiffers(now, before, y)) continue;
    if (runTop >= 0 && y - lastChanged > kJoinGap) {
      areas.push_back({0, runTop, 0, lastChanged - runTop + 1});
      runTop = -1;
    }
    if (runTop < 0) runTop = y;
    lastChanged = y;
  }
  if (runTop >= 0) areas.push_back({0, runTop, 0, lastChanged - runTop + 1});
  if (areas.size() > kMostAreas) {
    const int top = areas.front().Top, bottom = areas.back().Top + areas.back().Height;
    areas.assign(1, {0, top, 0, bottom - top});
  }
  for (FrameArea& area : areas) ColumnSpan(now, before, area);
  return areas;
}

void CopyArea(Image& to, const Image& from, const FrameArea& area) {
  for (int y = area.Top; y < area.Top + area.Height; ++y) {
    const std::ptrdiff_t at = static_cast<std::ptrdiff_t>(y) * from.Width + area.Left;
    std::copy_n(from.Pixels.begin() + at, area.Width, to.Pixels.begin() + at);
  }
}

}  // namespace vantoro
