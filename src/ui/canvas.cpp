#include "ui/canvas.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vantoro {

void Canvas::Clear(Color c) { std::fill(image_.Pixels.begin(), image_.Pixels.end(), c.Packed()); }

void Canvas::FillRect(int l, int t, int r, int b, Color c) {
  l = std::max(l, 0);
  t = std::max(t, 0);
  r = std::min(r, Width());
  b = std::min(b, Height());
  if (l >= r || t >= b) return;
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
  // coordinates; the outline is every inside pixel with a 4-neighbour outside.
  const double cx = (double{1} * l + r) / 2.0, cy = (double{1} * t + b) / 2.0;
  const double rx = (double{1} * r - l) / 2.0, ry = (double{1} * b - t) / 2.0;
  const auto inside = [&](int x, int y) {
    if (x < l || x >= r || y < t || y >= b) return false;
    const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
    return dx * dx + dy * dy <= 1.0;
  };
  const int y0 = std::max(t, 0), y1 = std::min(b, Height());
  const int x0 = std::max(l, 0), x1 = std::min(r, Width());
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      if (!inside(x, y)) continue;
      const bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
      if (edge) {
        Pixel(x, y, pen);
      } else if (brush) {
        Pixel(x, y, *brush);
      }
    }
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
  for (int sy = sy0; sy < sy1; ++sy) {
    const auto src = picture.Pixels.begin() + static_cast<std::ptrdiff_t>(picture.Index(sx0, sy));
    std::copy(src, src + (sx1 - sx0),
              image_.Pixels.begin() + static_cast<std::ptrdiff_t>(image_.Index(x + sx0, y + sy)));
  }
}

void Canvas::StretchPicture(int l, int t, int width, int height, const Image& picture) {
  if (width <= 0 || height <= 0 || picture.Width <= 0 || picture.Height <= 0) return;
  const long long bottom = std::min(1LL * t + height, 1LL * Height());
  const long long right = std::min(1LL * l + width, 1LL * Width());
  for (long long y = std::max(t, 0); y < bottom; ++y) {
    const int sy = static_cast<int>((y - t) * picture.Height / height);
    for (long long x = std::max(l, 0); x < right; ++x) {
      const int sx = static_cast<int>((x - l) * picture.Width / width);
      image_.Pixels[image_.Index(static_cast<int>(x), static_cast<int>(y))] =
          picture.Pixels[picture.Index(sx, sy)];
    }
  }
}

}  // namespace vantoro
