#include "ui/canvas.hpp"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "ui/canvas_hash.hpp"

namespace vantoro {

using canvas_hash::Chain;
using canvas_hash::HashOf;
using canvas_hash::kChainStart;

namespace {

// More ops than this between two reads (screens that tick hidden draw
// without being read) and the record is worked out at once, so that it
// never grows without bound.
constexpr std::size_t kMostOps = 1 << 16;
// Pictures' contents kept before they are worked out afresh: 32 MB.
constexpr std::size_t kMostContentPieces = std::size_t{1} << 22;

// What a part holds once the pictures are forgotten: no chain ends here.
constexpr std::uint64_t kForgotten = 0x9E3779B97F4A7C15ULL;

#ifdef NDEBUG
constexpr bool kWatchPictures = false;
#else
constexpr bool kWatchPictures = true;
#endif

// Summing every pixel of every picture at every read would make a build
// with assertions several times slower: each read sums one pixel in
// kSumStride, a different one each time, so that a picture rewritten is
// caught at the next read and a single pixel changed within kSumStride.
constexpr std::size_t kSumStride = 61;

// Plain pointers and an inline step: the build that sums is unoptimised.
std::uint64_t SumOf(const Image& picture, std::size_t phase) {
  const std::uint32_t* pixel = picture.Pixels.data();
  const std::size_t count = picture.Pixels.size();
  std::uint64_t sum = kChainStart;
  for (std::size_t i = phase; i < count; i += kSumStride) sum = (sum ^ pixel[i]) * 0x100000001B3ULL;
  return sum;
}

std::uint64_t Colors(std::uint32_t pen, std::uint32_t brush) { return (std::uint64_t{pen} << 32) | brush; }

// A picture drawn is known by where its pixels are and its size.
std::uint64_t Identity(const Image& picture) {
  const auto address = reinterpret_cast<std::uintptr_t>(picture.Pixels.data());
  return Chain(address, (std::uint64_t{static_cast<std::uint32_t>(picture.Height)} << 32) |
                            static_cast<std::uint32_t>(picture.Width));
}

}  // namespace

Canvas::Canvas(int width, int height) : image_(std::max(width, 0), std::max(height, 0)) {
  // Bands of 64 columns, or wider ones for frames wider than 32 of them:
  // narrower ones cost more to keep than they save.
  bandWidth_ = std::max(64, (Width() + 31) / 32);
  bands_ = std::max(1, (Width() + bandWidth_ - 1) / bandWidth_);
  const std::size_t parts = static_cast<std::size_t>(Height()) * static_cast<std::size_t>(bands_);
  drawn_.assign(static_cast<std::size_t>(Height()), bands_ == 32 ? ~0u : (1u << bands_) - 1);
  rowPending_.assign(static_cast<std::size_t>(Height()), 0);
  rowHeld_.assign(static_cast<std::size_t>(Height()), 0);
  held_.assign(parts, 0);
  stale_.assign(static_cast<std::size_t>(Height()), 0);  // read only for the rows Settle works out
}

void Canvas::DropRecordIfCovered(int top, int bottom, int left, int right) {
  if (top > 0 || bottom < Height() || left > 0 || right < Width() || ops_.empty()) return;
  ops_.clear();
  text_.clear();
}

void Canvas::Record(const Op& op, std::uint64_t hash, int setLeft, int setRight) {
  if (ops_.size() >= kMostOps) Settle();
  const int first = op.Left / bandWidth_, last = (op.Right - 1) / bandWidth_;
  // Bands the op sets all of start their chain again, the others go on.
  const int setFirst = std::max((setLeft + bandWidth_ - 1) / bandWidth_, first);
  const int setLast = std::min(setRight >= Width() ? bands_ : setRight / bandWidth_, last + 1);  // exclusive
  Op& recorded = ops_.emplace_back(op);
  recorded.Hash = hash;
  if (setFirst < setLast)
    recorded.Sets = (setLast - setFirst == 32 ? ~0u : (1u << (setLast - setFirst)) - 1) << setFirst;
  // A row's chain takes one step per op, whatever its bands: the bands'
  // own chains are worked out at the next read, and only for the rows
  // whose chain differs from what they hold. An op that sets every band
  // starts the row again.
  const std::uint64_t step =
      Chain(hash, (std::uint64_t{recorded.Sets} << 32) | static_cast<std::uint32_t>(first << 8 | last));
  const bool whole = setFirst == 0 && setLast == bands_;
  for (int y = op.Top; y < op.Bottom; ++y) {
    std::uint64_t& row = rowPending_[static_cast<std::size_t>(y)];
    if (op.What == Kind::Backdrop) {
      row = Chain(Chain(kChainStart, step), RowAddress(op, y));
    } else if (op.What == Kind::Stored) {
      row =
          Chain(Chain(whole ? kChainStart : row, step), op.Content->Row[static_cast<std::size_t>(y - op.T)]);
    } else {
      row = Chain(whole ? kChainStart : row, step);
    }
  }
}

std::size_t Canvas::ContentsKeyHash::operator()(const ContentsKey& key) const {
  return static_cast<std::size_t>(HashOf(0,
                                         static_cast<long long>(reinterpret_cast<std::uintptr_t>(key.Pixels)),
                                         key.Width, key.Height, key.Phase, 0, 0));
}

const Canvas::Contents& Canvas::ContentsOf(const Image& picture, int x) {
  const int phase = ((x % bandWidth_) + bandWidth_) % bandWidth_;
  const ContentsKey key{picture.Pixels.data(), picture.Width, picture.Height, phase};
  const auto found = contents_.find(key);
  if (found != contents_.end()) return found->second;
  Contents contents;
  const int width = picture.Width, height = picture.Height;
  contents.Pieces = (phase + width + bandWidth_ - 1) / bandWidth_;
  const auto pieces = static_cast<std::size_t>(contents.Pieces);
  contents.Piece.resize(static_cast<std::size_t>(height) * pieces);
  contents.Row.resize(static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* row = picture.Pixels.data() + picture.Index(0, y);
    std::uint64_t* piece = contents.Piece.data() + static_cast<std::size_t>(y) * pieces;
    for (int j = 0; j < contents.Pieces; ++j) {
      const int from = std::max(0, j * bandWidth_ - phase),
                to = std::min(width, (j + 1) * bandWidth_ - phase);
      piece[j] = canvas_hash::Bytes(row + from, static_cast<std::size_t>(to - from) * sizeof(std::uint32_t));
    }
    contents.Row[static_cast<std::size_t>(y)] = canvas_hash::Bytes(piece, pieces * sizeof(std::uint64_t));
  }
  contentPieces_ += contents.Piece.size();
  return contents_.emplace(key, std::move(contents)).first->second;
}

std::uint64_t Canvas::BandHash(const Op& op, int y, int band) const {
  if (op.What != Kind::Stored) return op.Hash;
  // The picture's first piece lies in the band of its column L.
  const long long firstBand = (op.L >= 0 ? op.L : op.L - (bandWidth_ - 1)) / bandWidth_;
  const auto piece = static_cast<std::size_t>(band - firstBand);
  const auto row = static_cast<std::size_t>(y - op.T) * static_cast<std::size_t>(op.Content->Pieces);
  return Chain(op.Hash, op.Content->Piece[row + piece]);
}

std::uint32_t Canvas::Span(const Op& op) const {
  const int first = op.Left / bandWidth_, last = (op.Right - 1) / bandWidth_;
  return (last - first + 1 == 32 ? ~0u : ((1u << (last - first + 1)) - 1)) << first;
}

std::uint64_t Canvas::RowAddress(const Op& op, int y) {
  // A backdrop's rows differ, and are known by their own addresses.
  return reinterpret_cast<std::uintptr_t>(op.Source->Pixels.data() + op.Source->Index(0, y));
}

void Canvas::ForgetDrawn() {
  Settle();
  std::fill(drawn_.begin(), drawn_.end(), 0u);
  // Pictures drawn at ever new places (a sprite that moves) add contents;
  // nothing recorded refers to them now, so they can go.
  if (contentPieces_ > kMostContentPieces) {
    contents_.clear();
    contentPieces_ = 0;
  }
}

void Canvas::ForgetPictures() {
  Settle();
  contents_.clear();
  contentPieces_ = 0;
  watched_.clear();
  // Held chains name backdrop rows by their addresses; none can be trusted
  // now, so no row or part matches what is drawn next.
  for (std::size_t y = 0; y < rowHeld_.size(); ++y) rowHeld_[y] = ~rowPending_[y];
  std::fill(held_.begin(), held_.end(), kForgotten);
}

void Canvas::Watch(const Image& picture) {
  if constexpr (kWatchPictures) {
    const ContentsKey key{picture.Pixels.data(), picture.Width, picture.Height, 0};
    if (watched_.contains(key)) return;
    Sighting& seen = watched_[key];
    seen.Sums.resize(kSumStride);
    for (std::size_t phase = 0; phase < kSumStride; ++phase) seen.Sums[phase] = SumOf(picture, phase);
  }
}

void Canvas::CheckPictures() const {
  if constexpr (kWatchPictures) {
    ++reads_;
    for (const Op& op : ops_) {
      if (op.Source == nullptr) continue;
      const Image& picture = *op.Source;
      Sighting& seen = watched_.at(ContentsKey{picture.Pixels.data(), picture.Width, picture.Height, 0});
      if (seen.CheckedAt == reads_) continue;
      seen.CheckedAt = reads_;
      if (SumOf(picture, reads_ % kSumStride) == seen.Sums[reads_ % kSumStride]) continue;
      std::fprintf(stderr,
                   "Canvas: the %d x %d picture at %p changed after it was drawn. The canvas knows a picture "
                   "by where its pixels are, and would go on showing what it held before: draw a changed "
                   "picture from pixels of its own.\n",
                   picture.Width, picture.Height, static_cast<const void*>(picture.Pixels.data()));
      std::abort();
    }
  }
}

void Canvas::Settle() const {
  if (ops_.empty()) return;
  CheckPictures();
  const int height = Height();
  const auto bands = static_cast<std::size_t>(bands_);
  // The rows whose drawing may have changed, and in them the bands' chains,
  // from what each holds and every op since on it; a part is worked out
  // again only when its chain differs, and then only from the last op that
  // set all of it.
  staleRows_.clear();
  for (int y = 0; y < height; ++y) {
    if (rowPending_[static_cast<std::size_t>(y)] != rowHeld_[static_cast<std::size_t>(y)])
      staleRows_.push_back(y);
  }
  // Where each row's stale rows begin, for the ops to find theirs at once.
  const auto index = [&] {
    firstStale_.resize(static_cast<std::size_t>(height) + 1);
    std::size_t k = 0;
    for (int y = 0; y <= height; ++y) {
      while (k < staleRows_.size() && staleRows_[k] < y) ++k;
      firstStale_[static_cast<std::size_t>(y)] = static_cast<std::uint32_t>(k);
    }
  };
  // The stale rows an op reaches.
  const auto reached = [&](const Op& op) {
    return std::pair{staleRows_.begin() + firstStale_[static_cast<std::size_t>(op.Top)],
                     staleRows_.begin() + firstStale_[static_cast<std::size_t>(op.Bottom)]};
  };
  index();
  chains_.resize(staleRows_.size() * bands);
  bases_.assign(staleRows_.size() * bands, 0u);
  for (std::size_t k = 0; k < staleRows_.size(); ++k)
    std::copy_n(held_.data() + Part(staleRows_[k], 0), bands, chains_.data() + k * bands);
  for (std::size_t i = 0; i < ops_.size() && !staleRows_.empty(); ++i) {
    const Op& op = ops_[i];
    const auto [begin, end] = reached(op);
    if (begin == end) continue;
    const std::uint32_t span = Span(op);
    const std::uint32_t sets = op.Sets & span, goesOn = span & ~sets;
    const std::uint64_t restarted = Chain(kChainStart, op.Hash);
    const bool stored = op.What == Kind::Stored, backdrop = op.What == Kind::Backdrop;
    for (auto row = begin; row != end; ++row) {
      const auto k = static_cast<std::size_t>(row - staleRows_.begin()) * bands;
      std::uint64_t* chains = chains_.data() + k;
      for (std::uint32_t bits = goesOn; bits != 0; bits &= bits - 1) {
        const int band = std::countr_zero(bits);
        chains[band] = Chain(chains[band], BandHash(op, *row, band));
      }
      if (sets == 0) continue;
      const std::uint64_t start = backdrop ? Chain(restarted, RowAddress(op, *row)) : restarted;
      for (std::uint32_t bits = sets; bits != 0; bits &= bits - 1) {
        const int band = std::countr_zero(bits);
        chains[band] = backdrop ? start + static_cast<std::uint64_t>(band)
                       : stored ? Chain(kChainStart, BandHash(op, *row, band))
                                : start;
        bases_[k + static_cast<std::size_t>(band)] = static_cast<std::uint32_t>(i);
      }
    }
  }
  // The rows with stale parts stay, each with its parts' bases.
  std::size_t kept = 0;
  for (std::size_t k = 0; k < staleRows_.size(); ++k) {
    const int y = staleRows_[k];
    rowHeld_[static_cast<std::size_t>(y)] = rowPending_[static_cast<std::size_t>(y)];
    const std::uint64_t* chains = chains_.data() + k * bands;
    std::uint64_t* held = held_.data() + Part(y, 0);
    std::uint32_t mask = 0;
    for (std::size_t band = 0; band < bands; ++band) {
      if (chains[band] != held[band]) mask |= 1u << band;
      held[band] = chains[band];
    }
    stale_[static_cast<std::size_t>(y)] = mask;
    if (mask == 0) continue;
    if (kept != k) std::copy_n(bases_.data() + k * bands, bands, bases_.data() + kept * bands);
    staleRows_[kept++] = y;
  }
  staleRows_.resize(kept);
  index();
  for (std::size_t i = 0; i < ops_.size() && !staleRows_.empty(); ++i) {
    const Op& op = ops_[i];
    const auto [begin, end] = reached(op);
    if (begin == end) continue;
    const std::uint32_t span = Span(op);
    // The bands of the k-th stale row that this op draws again.
    const auto wanted = [&](std::vector<int>::const_iterator row) {
      std::uint32_t mask = stale_[static_cast<std::size_t>(*row)] & span;
      const std::uint32_t* bases = bases_.data() + static_cast<std::size_t>(row - staleRows_.begin()) * bands;
      for (std::uint32_t bits = mask; bits != 0; bits &= bits - 1) {
        const int band = std::countr_zero(bits);
        if (bases[band] > i) mask &= ~(1u << band);
      }
      return mask;
    };
    // Only the stale_ rows the op reaches; rows next to each other and alike
    // in what they want go together, each run of bands as a box.
    std::vector<int>::const_iterator row = begin;
    while (row != end) {
      const int top = *row;
      const std::uint32_t mask = wanted(row);
      int bottom = top + 1;
      for (++row; row != end && *row == bottom && wanted(row) == mask; ++row) {
        ++bottom;
      }
      for (std::uint32_t bits = mask; bits != 0;) {
        const int from = std::countr_zero(bits);
        const int to = from + std::countr_one(bits >> from);
        bits &= to >= 32 ? 0u : ~0u << to;
        Draw(op, Clip{top, bottom, from * bandWidth_, std::min(to * bandWidth_, Width())});
      }
    }
  }
  for (const int y : staleRows_) drawn_[static_cast<std::size_t>(y)] |= stale_[static_cast<std::size_t>(y)];
  ops_.clear();
  text_.clear();
}

void Canvas::Draw(const Op& op, const Clip& clip) const {
  switch (op.What) {
    case Kind::Fill: {
      const int l = std::max(op.L, clip.Left), r = std::min(op.R, clip.Right);
      if (l >= r) break;
      for (int y = std::max(clip.Top, op.T); y < std::min(clip.Bottom, op.B); ++y) {
        std::uint32_t* row = image_.Pixels.data() + image_.Index(l, y);
        std::fill(row, row + (r - l), op.Pen);
      }
      break;
    }
    case Kind::Framed: {
      // Pen at columns L and R - 1, brush between.
      const int l = std::max(op.L + 1, clip.Left), r = std::min(op.R - 1, clip.Right);
      for (int y = std::max(clip.Top, op.Top); y < std::min(clip.Bottom, op.Bottom); ++y) {
        std::uint32_t* row = image_.Pixels.data() + image_.Index(0, y);
        if (l < r) std::fill(row + l, row + r, op.Brush);
        if (op.L >= clip.Left && op.L < clip.Right) row[op.L] = op.Pen;
        if (op.R - 1 >= clip.Left && op.R - 1 < clip.Right) row[op.R - 1] = op.Pen;
      }
      break;
    }
    case Kind::Pixel:
      if (op.L >= clip.Left && op.L < clip.Right) image_.Pixels[image_.Index(op.L, op.T)] = op.Pen;
      break;
    case Kind::Ellipse: DrawEllipse(op, clip); break;
    case Kind::Line: DrawLine(op, clip); break;
    case Kind::Text: DrawText(op, clip); break;
    case Kind::Stretch: {
      const Image& picture = *op.Source;
      const int l = std::max(op.Left, clip.Left), r = std::min(op.Right, clip.Right);
      if (l >= r) break;
      // Nearest source column of every target column, worked out once.
      std::vector<int> columns(static_cast<std::size_t>(r - l));
      for (int x = l; x < r; ++x) {
        columns[static_cast<std::size_t>(x - l)] = static_cast<int>((1LL * x - op.L) * picture.Width / op.R);
      }
      for (int y = std::max(clip.Top, op.Top); y < std::min(clip.Bottom, op.Bottom); ++y) {
        const int sy = static_cast<int>((1LL * y - op.T) * picture.Height / op.B);
        const std::uint32_t* source = picture.Pixels.data() + picture.Index(0, sy);
        std::uint32_t* target = image_.Pixels.data() + image_.Index(l, y);
        for (std::size_t i = 0; i < columns.size(); ++i) target[i] = source[columns[i]];
      }
      break;
    }
    case Kind::Stored: {
      // The op's box lies inside the picture, the clip inside the op's box.
      const int l = std::max(op.Left, clip.Left), r = std::min(op.Right, clip.Right);
      for (int y = std::max(clip.Top, op.Top); y < std::min(clip.Bottom, op.Bottom); ++y) {
        std::copy_n(op.Source->Pixels.data() + op.Source->Index(l - op.L, y - op.T), r - l,
                    image_.Pixels.data() + image_.Index(l, y));
      }
      break;
    }
    case Kind::Backdrop:
      for (int y = clip.Top; y < clip.Bottom; ++y) {
        std::copy_n(op.Source->Pixels.data() + op.Source->Index(clip.Left, y), clip.Right - clip.Left,
                    image_.Pixels.data() + image_.Index(clip.Left, y));
      }
      break;
  }
}

void Canvas::Clear(Color c) { FillRect(0, 0, Width(), Height(), c); }

void Canvas::FillRect(int l, int t, int r, int b, Color c) {
  Log({.What = DrawLog::Shape::Fill, .L = l, .T = t, .R = r, .B = b});
  Fill(l, t, r, b, c);
}

void Canvas::Fill(int l, int t, int r, int b, Color c) {
  l = std::max(l, 0);
  t = std::max(t, 0);
  r = std::min(r, Width());
  b = std::min(b, Height());
  if (l >= r || t >= b) return;
  DropRecordIfCovered(t, b, l, r);
  const Op op{.What = Kind::Fill,
              .L = l,
              .T = t,
              .R = r,
              .B = b,
              .Pen = c.Packed(),
              .Top = t,
              .Bottom = b,
              .Left = l,
              .Right = r};
  // Rows are alike whatever their top and bottom: only the columns count.
  Record(op, HashOf(0, l, r, 0, 0, op.Pen, 0), l, r);
}

void Canvas::Rectangle(int l, int t, int r, int b, Color pen, std::optional<Color> brush) {
  // A box given from right to left or bottom to top is the same box.
  if (r < l) std::swap(l, r);
  if (b < t) std::swap(t, b);
  if (r == l || b == t) return;
  Log({.What = DrawLog::Shape::Rectangle, .L = l, .T = t, .R = r, .B = b, .Filled = brush.has_value()});
  Fill(l, t, r, t + 1, pen);
  if (brush) {
    // Filled, the rows between the top and bottom edges are alike: one op
    // that sets all of each, so that the bands under its left and right
    // edges take one step of their chains instead of two.
    const int top = std::max(t + 1, 0), bottom = std::min(b - 1, Height());
    const int left = std::max(l, 0), right = std::min(r, Width());
    if (top < bottom && left < right) {
      DropRecordIfCovered(top, bottom, left, right);
      const Op op{.What = Kind::Framed,
                  .L = l,
                  .T = t,
                  .R = r,
                  .B = b,
                  .Pen = pen.Packed(),
                  .Brush = brush->Packed(),
                  .Top = top,
                  .Bottom = bottom,
                  .Left = left,
                  .Right = right};
      Record(op, HashOf(9, l, r, 0, 0, Colors(op.Pen, op.Brush), 0), left, right);
    }
  } else {
    Fill(l, t, l + 1, b - 1, pen);
    Fill(r - 1, t, r, b - 1, pen);
  }
  if (b - 1 > t) Fill(l, b - 1, r, b, pen);
}

void Canvas::Pixel(int x, int y, Color c) {
  if (!image_.Contains(x, y)) return;
  const Op op{.What = Kind::Pixel,
              .L = x,
              .T = y,
              .Pen = c.Packed(),
              .Top = y,
              .Bottom = y + 1,
              .Left = x,
              .Right = x + 1};
  Record(op, HashOf(1, x, 0, 0, 0, op.Pen, 0));
}

void Canvas::Ellipse(int l, int t, int r, int b, Color pen, std::optional<Color> brush) {
  if (r < l) std::swap(l, r);
  if (b < t) std::swap(t, b);
  if (r == l || b == t) return;
  Log({.What = DrawLog::Shape::Ellipse, .L = l, .T = t, .R = r, .B = b, .Filled = brush.has_value()});
  const int top = std::max(t, 0), bottom = std::min(b, Height());
  const int left = std::max(l, 0), right = std::min(r, Width());
  if (top >= bottom || left >= right) return;
  const Op op{.What = Kind::Ellipse,
              .Filled = brush.has_value(),
              .L = l,
              .T = t,
              .R = r,
              .B = b,
              .Pen = pen.Packed(),
              .Brush = brush ? brush->Packed() : 0,
              .Top = top,
              .Bottom = bottom,
              .Left = left,
              .Right = right};
  Record(op, HashOf(op.Filled ? 3 : 2, l, t, r, b, Colors(op.Pen, op.Brush), 0));
}

void Canvas::DrawEllipse(const Op& op, const Clip& clip) const {
  const int l = op.L, t = op.T, r = op.R, b = op.B;
  // Pixel centres inside the ellipse whose box is l..r, t..b in continuous
  // coordinates form one run per row; the outline is every inside pixel
  // with a 4-neighbour outside, which the runs of the rows above and below
  // tell without testing pixels one by one.
  const double cx = (double{1} * l + r) / 2.0, cy = (double{1} * t + b) / 2.0;
  const double rx = (double{1} * r - l) / 2.0, ry = (double{1} * b - t) / 2.0;
  struct Run {
    long long First = 1, Last = 0;  // empty when First > Last
    bool Has(long long x) const { return x >= First && x <= Last; }
  };
  const auto runOf = [&](long long y) {
    Run run;
    if (y < t || y >= b) return run;
    const double dy = (static_cast<double>(y) + 0.5 - cy) / ry;
    const double span = 1.0 - dy * dy;
    if (span < 0) return run;
    const double half = rx * std::sqrt(span);
    // Centres x + 0.5 within [cx - half, cx + half].
    run.First = std::max<long long>(l, static_cast<long long>(std::ceil(cx - half - 0.5)));
    run.Last = std::min<long long>(r - 1LL, static_cast<long long>(std::floor(cx + half - 0.5)));
    return run;
  };
  const long long y0 = std::max(clip.Top, t), y1 = std::min(clip.Bottom, b);
  if (y0 >= y1) return;
  Run above = runOf(y0 - 1), here = runOf(y0);
  for (long long y = y0; y < y1; ++y) {
    const Run below = runOf(y + 1);
    const long long x0 = std::max<long long>(here.First, clip.Left);
    const long long x1 = std::min<long long>(here.Last, clip.Right - 1LL);
    std::uint32_t* row = image_.Pixels.data() + image_.Index(0, static_cast<int>(y));
    for (long long x = x0; x <= x1; ++x) {
      const bool edge = x == here.First || x == here.Last || !above.Has(x) || !below.Has(x);
      if (edge) {
        row[x] = op.Pen;
      } else if (op.Filled) {
        row[x] = op.Brush;
      }
    }
    above = here;
    here = below;
  }
}

namespace {

// Cuts a segment to a box well beyond the frame, so that a line between far
// coordinates costs no more than one across the frame; lines that stay in
// the box keep their exact pixels.
constexpr int kFar = 1 << 14;

bool ClipFar(int& x0, int& y0, int& x1, int& y1) {
  const auto out = [](int v) { return v < -kFar || v > kFar; };
  if (!out(x0) && !out(y0) && !out(x1) && !out(y1)) return true;
  double t0 = 0, t1 = 1;
  const double dx = double{1} * x1 - x0, dy = double{1} * y1 - y0;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {double{1} * x0 + kFar, kFar - double{1} * x0, double{1} * y0 + kFar,
                       kFar - double{1} * y0};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double r = q[i] / p[i];
    if (p[i] < 0) {
      t0 = std::max(t0, r);
    } else {
      t1 = std::min(t1, r);
    }
  }
  if (t0 > t1) return false;
  const double ox = x0, oy = y0;
  x0 = static_cast<int>(std::lround(ox + t0 * dx));
  y0 = static_cast<int>(std::lround(oy + t0 * dy));
  x1 = static_cast<int>(std::lround(ox + t1 * dx));
  y1 = static_cast<int>(std::lround(oy + t1 * dy));
  return true;
}

}  // namespace

void Canvas::Line(int x0, int y0, int x1, int y1, Color c) {
  if (!ClipFar(x0, y0, x1, y1)) return;
  if (x0 == x1 && y0 == y1) return;  // stops before its end: nothing
  Log({.What = DrawLog::Shape::Line, .L = x0, .T = y0, .R = x1, .B = y1});
  const int top = std::max(std::min(y0, y1), 0), bottom = std::min(std::max(y0, y1) + 1, Height());
  const int left = std::max(std::min(x0, x1), 0), right = std::min(std::max(x0, x1) + 1, Width());
  if (top >= bottom || left >= right) return;
  const Op op{.What = Kind::Line,
              .L = x0,
              .T = y0,
              .R = x1,
              .B = y1,
              .Pen = c.Packed(),
              .Top = top,
              .Bottom = bottom,
              .Left = left,
              .Right = right};
  Record(op, HashOf(4, x0, y0, x1, y1, op.Pen, 0));
}

void Canvas::DrawLine(const Op& op, const Clip& clip) const {
  // Bresenham, stopping one step short of the end point.
  const int x0 = op.L, y0 = op.T, x1 = op.R, y1 = op.B;
  const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  int x = x0, y = y0;
  for (int steps = std::max(dx, -dy); steps > 0; --steps) {
    if (y >= clip.Top && y < clip.Bottom && x >= clip.Left && x < clip.Right) {
      image_.Pixels[image_.Index(x, y)] = op.Pen;
    }
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

void Canvas::Picture(int x, int y, const Image& picture) {
  // 64-bit bounds: a position far off the frame must not overflow.
  const long long lx = x, ly = y;
  const int sx0 = static_cast<int>(std::clamp(-lx, 0LL, static_cast<long long>(picture.Width)));
  const int sy0 = static_cast<int>(std::clamp(-ly, 0LL, static_cast<long long>(picture.Height)));
  const int sx1 = static_cast<int>(std::clamp(Width() - lx, 0LL, static_cast<long long>(picture.Width)));
  const int sy1 = static_cast<int>(std::clamp(Height() - ly, 0LL, static_cast<long long>(picture.Height)));
  if (sx0 >= sx1 || sy0 >= sy1) return;
  Log({.What = DrawLog::Shape::Picture,
       .L = x,
       .T = y,
       .R = static_cast<int>(std::min(lx + picture.Width, 1LL << 30)),
       .B = static_cast<int>(std::min(ly + picture.Height, 1LL << 30))});
  const int left = x + sx0, top = y + sy0, width = sx1 - sx0, height = sy1 - sy0;
  DropRecordIfCovered(top, top + height, left, left + width);
  Watch(picture);
  const Op op{.What = Kind::Stored,
              .L = x,
              .T = y,
              .Top = top,
              .Bottom = top + height,
              .Left = left,
              .Right = left + width,
              .Source = &picture,
              .Content = &ContentsOf(picture, x)};
  // Known by where it lies and what it shows, not by which picture it is.
  Record(op, HashOf(8, x, y, picture.Width, picture.Height, 0, 0), left, left + width);
}

void Canvas::Backdrop(const Image& picture) {
  if (picture.Width != Width()) {
    Picture(0, 0, picture);
    return;
  }
  const int rows = std::min(Height(), picture.Height);
  if (rows <= 0) return;
  DropRecordIfCovered(0, rows, 0, Width());
  Watch(picture);
  const Op op{
      .What = Kind::Backdrop, .Top = 0, .Bottom = rows, .Left = 0, .Right = Width(), .Source = &picture};
  Record(op, HashOf(6, 0, 0, 0, 0, 0, 0), 0, Width());
}

void Canvas::StretchPicture(int l, int t, int width, int height, const Image& picture) {
  if (width <= 0 || height <= 0 || picture.Width <= 0 || picture.Height <= 0) return;
  const long long left = std::max(l, 0), right = std::min(1LL * l + width, 1LL * Width());
  const long long top = std::max(t, 0), bottom = std::min(1LL * t + height, 1LL * Height());
  if (left >= right || top >= bottom) return;
  DropRecordIfCovered(static_cast<int>(top), static_cast<int>(bottom), static_cast<int>(left),
                      static_cast<int>(right));
  Watch(picture);
  const Op op{.What = Kind::Stretch,
              .L = l,
              .T = t,
              .R = width,
              .B = height,
              .Top = static_cast<int>(top),
              .Bottom = static_cast<int>(bottom),
              .Left = static_cast<int>(left),
              .Right = static_cast<int>(right),
              .Source = &picture};
  Record(op, HashOf(5, l, t, width, height, 0, Identity(picture)), op.Left, op.Right);
}

}  // namespace vantoro
