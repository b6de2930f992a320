#include "ui/canvas.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace vantoro {

Canvas::Canvas(int width, int height)
    : image_(width, height),
      drawn_(static_cast<std::size_t>(std::max(height, 0)), 1),
      backdropRow_(static_cast<std::size_t>(std::max(height, 0)), nullptr) {}

void Canvas::Touch(long long top, long long bottom) {
  const long long t = std::max(top, 0LL), b = std::min(bottom, static_cast<long long>(Height()));
  for (long long y = t; y < b; ++y) {
    drawn_[static_cast<std::size_t>(y)] = 1;
    backdropRow_[static_cast<std::size_t>(y)] = nullptr;
  }
}

void Canvas::ForgetDrawnRows() { std::fill(drawn_.begin(), drawn_.end(), 0); }

void Canvas::Clear(Color c) {
  Touch(0, Height());
  std::fill(image_.Pixels.begin(), image_.Pixels.end(), c.Packed());
}

void Canvas::FillRect(int l, int t, int r, int b, Color c) {
  l = std::max(l, 0);
  t = std::max(t, 0);
  r = std::min(r, Width());
  b = std::min(b, Height());
  if (l >= r || t >= b) return;
  Touch(t, b);
  const std::uint32_t packed = c.Packed();
  for (int y = t; y < b; ++y) {
    auto row = image_.Pixels.begin() + static_cast<std::ptrdiff_t>(image_.Index(l, y));
    std::fill(row, row + (r - l), packed);
  }
}

void Canvas::Rectangle(int l, int t, int r, int b, Color pen, std::optional<Color> brush) {
  if (r <= l || b <= t) return;
  if (brush) FillRect(l + 1, t + 1, r - 1, b - 1, *brush);
  FillRect(l, t, r, t + 1, pen);
  FillRect(l, b - 1, r, b, pen);
  FillRect(l, t, l + 1, b, pen);
  FillRect(r - 1, t, r, b, pen);
}

void Canvas::Ellipse(int l, int t, int r, int b, Color pen, std::optional<Color> brush) {
  if (r <= l || b <= t) return;
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
  const long long y0 = std::max(t, 0), y1 = std::min(b, Height());
  if (y0 >= y1) return;
  Run above = runOf(y0 - 1), here = runOf(y0);
  for (long long y = y0; y < y1; ++y) {
    const Run below = runOf(y + 1);
    const long long x0 = std::max<long long>(here.First, 0), x1 = std::min<long long>(here.Last, Width() - 1);
    for (long long x = x0; x <= x1; ++x) {
      const bool edge = x == here.First || x == here.Last || !above.Has(x) || !below.Has(x);
      if (edge) {
        Pixel(static_cast<int>(x), static_cast<int>(y), pen);
      } else if (brush) {
        Pixel(static_cast<int>(x), static_cast<int>(y), *brush);
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
  // Bresenham, stopping one step short of the end point.
  const int dx = std::abs(x1 - x0), sx = x0 < x1 ? 1 : -1;
  const int dy = -std::abs(y1 - y0), sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  int x = x0, y = y0;
  for (int steps = std::max(dx, -dy); steps > 0; --steps) {
    Pixel(x, y, c);
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
  Touch(ly + sy0, ly + sy1);
  for (int sy = sy0; sy < sy1; ++sy) {
    const auto src = picture.Pixels.begin() + static_cast<std::ptrdiff_t>(picture.Index(sx0, sy));
    std::copy(src, src + (sx1 - sx0),
              image_.Pixels.begin() + static_cast<std::ptrdiff_t>(image_.Index(x + sx0, y + sy)));
  }
}

void Canvas::Backdrop(const Image& picture) {
  if (picture.Width != Width()) {
    Picture(0, 0, picture);
    return;
  }
  const int rows = std::min(Height(), picture.Height);
  for (int y = 0; y < rows; ++y) {
    const std::uint32_t* source = picture.Pixels.data() + picture.Index(0, y);
    auto& held = backdropRow_[static_cast<std::size_t>(y)];
    if (held == source) continue;
    std::copy_n(source, Width(), image_.Pixels.begin() + static_cast<std::ptrdiff_t>(image_.Index(0, y)));
    drawn_[static_cast<std::size_t>(y)] = 1;
    held = source;
  }
}

void Canvas::StretchPicture(int l, int t, int width, int height, const Image& picture) {
  if (width <= 0 || height <= 0 || picture.Width <= 0 || picture.Height <= 0) return;
  const long long left = std::max(l, 0), right = std::min(1LL * l + width, 1LL * Width());
  const long long top = std::max(t, 0), bottom = std::min(1LL * t + height, 1LL * Height());
  if (left >= right || top >= bottom) return;
  Touch(top, bottom);
  // Nearest source column of every target column, worked out once.
  std::vector<int> columns(static_cast<std::size_t>(right - left));
  for (long long x = left; x < right; ++x) {
    columns[static_cast<std::size_t>(x - left)] = static_cast<int>((x - l) * picture.Width / width);
  }
  for (long long y = top; y < bottom; ++y) {
    const int sy = static_cast<int>((y - t) * picture.Height / height);
    const std::uint32_t* source = &picture.Pixels[picture.Index(0, sy)];
    std::uint32_t* target = &image_.Pixels[image_.Index(static_cast<int>(left), static_cast<int>(y))];
    for (std::size_t i = 0; i < columns.size(); ++i) target[i] = source[columns[i]];
  }
}

}  // namespace vantoro
