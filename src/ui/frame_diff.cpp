#include "ui/frame_diff.hpp"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>

namespace vantoro {

namespace {

// Changes are found in tiles of one band of columns by this many rows, and
// each area is the box of the differences in a block of changed tiles.
constexpr int kTileRows = 16;
// More areas than this and they are found again a tile row at a time: a
// frame changed all over is better sent in fewer, larger copies. Below it,
// an area costs little more than its pixels (a hundred particles are a
// hundred tiny copies).
constexpr std::size_t kMostAreas = 256;

const std::uint32_t* Row(const Image& image, int y) {
  return image.Pixels.data() + static_cast<std::ptrdiff_t>(y) * image.Width;
}

const std::uint32_t* Row(const PixelsView& view, int y) { return view.Pixels + y * view.Pitch; }

bool Differs(const Image& now, const PixelsView& before, int y, int left, int right) {
  return std::memcmp(Row(now, y) + left, Row(before, y) + left,
                     static_cast<std::size_t>(right - left) * sizeof(std::uint32_t)) != 0;
}

// The first column of [from, to) where rows a and b differ, or `to`; eight
// pixels at a time, as most of a changed part is alike.
int FirstDifference(const std::uint32_t* a, const std::uint32_t* b, int from, int to) {
  int x = from;
  while (x + 8 <= to && std::memcmp(a + x, b + x, 8 * sizeof(std::uint32_t)) == 0) x += 8;
  while (x < to && a[x] == b[x]) ++x;
  return x;
}

// The last column of [from, to) where they differ, or from - 1.
int LastDifference(const std::uint32_t* a, const std::uint32_t* b, int from, int to) {
  int x = to;
  while (x - 8 >= from && std::memcmp(a + x - 8, b + x - 8, 8 * sizeof(std::uint32_t)) == 0) x -= 8;
  while (x > from && a[x - 1] == b[x - 1]) --x;
  return x - 1;
}

// Shrinks the area to the box of its differing pixels; false when none
// differs. `changed`: per row, the bands (of `band` columns) that differ;
// a row is searched only from its first and last of them.
bool Tighten(const Image& now, const PixelsView& before, const std::vector<std::uint32_t>& changed, int band,
             FrameArea& area) {
  const int firstBand = area.Left / band, lastBand = (area.Left + area.Width - 1) / band;
  const std::uint32_t bands = (lastBand - firstBand == 31 ? ~0u : (1u << (lastBand - firstBand + 1)) - 1)
                              << firstBand;
  const int areaRight = area.Left + area.Width;
  int top = -1, bottom = -1, left = areaRight, right = area.Left - 1;
  for (int y = area.Top; y < area.Top + area.Height; ++y) {
    const std::uint32_t differ = changed[static_cast<std::size_t>(y)] & bands;
    if (differ == 0) continue;
    if (top < 0) top = y;
    bottom = y;
    const std::uint32_t* a = Row(now, y);
    const std::uint32_t* b = Row(before, y);
    const int from = std::max(area.Left, std::countr_zero(differ) * band);
    if (from < left) left = FirstDifference(a, b, from, left);
    const int to = std::min(areaRight, (32 - std::countl_zero(differ)) * band);
    if (to - 1 > right) right = LastDifference(a, b, right + 1, to);
  }
  if (top < 0) return false;
  area = {left, top, right - left + 1, bottom - top + 1};
  return true;
}

}  // namespace

std::vector<FrameArea> ChangedAreas(const Image& now, const Image& before, DrawnParts drawn) {
  return ChangedAreas(now, ViewOf(before), drawn);
}

std::vector<FrameArea> ChangedAreas(const Image& now, PixelsView before, DrawnParts drawn) {
  FrameChanges changes;
  FindChanges(now, before, drawn, changes);
  return std::move(changes.Areas);
}

void FindChanges(const Image& now, PixelsView before, DrawnParts drawn, FrameChanges& changes) {
  changes.Areas.clear();
  changes.Rows.clear();
  const int width = now.Width, height = now.Height;
  if (width <= 0 || height <= 0) return;
  if (width != before.Width || height != before.Height) {
    changes.Areas.push_back({0, 0, width, height});
    return;
  }
  // At most 32 bands, so that a row's bands fit one mask.
  const int fewest = std::max(32, (width + 31) / 32);
  const int band = drawn.Rows.empty() || drawn.BandWidth < fewest ? fewest : drawn.BandWidth;
  const bool banded = band == drawn.BandWidth && !drawn.Rows.empty();
  const int bands = (width + band - 1) / band;
  const int tileRows = (height + kTileRows - 1) / kTileRows;
  // Per row, the bands that differ; per tile row, the bands in which some
  // row differs.
  std::vector<std::uint32_t>& rowsChanged = changes.Rows;
  rowsChanged.assign(static_cast<std::size_t>(height), 0);
  changes.BandWidth = band;
  std::vector<std::uint32_t> changed(static_cast<std::size_t>(tileRows), 0);
  const std::uint32_t all = bands == 32 ? ~0u : (1u << bands) - 1;
  for (int y = 0; y < height; ++y) {
    // Rows the mask does not cover count as drawn.
    const auto at = static_cast<std::size_t>(y);
    const std::uint32_t mask = banded && at < drawn.Rows.size() ? drawn.Rows[at] & all : all;
    std::uint32_t differ = 0;
    for (std::uint32_t bits = mask; bits != 0; bits &= bits - 1) {
      const int b = std::countr_zero(bits);
      if (Differs(now, before, y, b * band, std::min((b + 1) * band, width))) differ |= 1u << b;
    }
    rowsChanged[at] = differ;
    changed[static_cast<std::size_t>(y / kTileRows)] |= differ;
  }
  // Runs of changed bands in a tile row, and the same run in the tile rows
  // below, make one block; `joined`: each tile row's bands as one run.
  const auto blocks = [&](bool joined) {
    std::vector<FrameArea> found;
    std::vector<std::size_t> open, still;  // blocks that reach the tile row above
    for (int ty = 0; ty < tileRows; ++ty) {
      std::uint32_t bits = changed[static_cast<std::size_t>(ty)];
      still.clear();
      while (bits != 0) {
        const int from = std::countr_zero(bits);
        int to = from + std::countr_one(bits >> from);
        if (joined) to = 32 - std::countl_zero(bits);
        bits &= to >= 32 ? 0u : ~0u << to;
        const int left = from * band, right = std::min(to * band, width);
        const int top = ty * kTileRows, bottom = std::min(top + kTileRows, height);
        const auto same = std::find_if(open.begin(), open.end(), [&](std::size_t i) {
          return found[i].Left == left && found[i].Width == right - left;
        });
        if (same != open.end()) {
          found[*same].Height = bottom - found[*same].Top;
          still.push_back(*same);
        } else {
          found.push_back({left, top, right - left, bottom - top});
          still.push_back(found.size() - 1);
        }
      }
      std::swap(open, still);
    }
    return found;
  };
  std::vector<FrameArea>& areas = changes.Areas;
  areas = blocks(false);
  if (areas.size() > kMostAreas) areas = blocks(true);
  std::erase_if(areas, [&](FrameArea& area) { return !Tighten(now, before, rowsChanged, band, area); });
  std::sort(areas.begin(), areas.end(), [](const FrameArea& a, const FrameArea& b) {
    return a.Top != b.Top ? a.Top < b.Top : a.Left < b.Left;
  });
}

void CopyChanges(std::uint32_t* to, std::ptrdiff_t pitch, const Image& from, const FrameChanges& changes) {
  const auto copy = [&](int y, int left, int right) {
    std::copy_n(from.Pixels.data() + from.Index(left, y), right - left, to + y * pitch + left);
  };
  if (changes.Rows.empty()) {
    for (const FrameArea& area : changes.Areas) {
      for (int y = area.Top; y < area.Top + area.Height; ++y) copy(y, area.Left, area.Left + area.Width);
    }
    return;
  }
  const int band = changes.BandWidth, rows = std::min(from.Height, static_cast<int>(changes.Rows.size()));
  for (int y = 0; y < rows; ++y) {
    for (std::uint32_t bits = changes.Rows[static_cast<std::size_t>(y)]; bits != 0;) {
      const int first = std::countr_zero(bits);
      const int last = first + std::countr_one(bits >> first);  // exclusive
      bits &= last >= 32 ? 0u : ~0u << last;
      copy(y, first * band, std::min(last * band, from.Width));
    }
  }
}

}  // namespace vantoro
