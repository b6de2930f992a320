#include "assets/resize.hpp"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "assets/art.hpp"

namespace vantoro::art {

namespace {

// How much each old pixel along one axis adds to each new pixel: a list of
// (old index, weight) per new index, the weights of one new pixel summing
// to 1.
struct Tap {
  int From;
  float Weight;
};

std::vector<std::vector<Tap>> Taps(int from, int to) {
  std::vector<std::vector<Tap>> taps(static_cast<std::size_t>(to));
  const double step = static_cast<double>(from) / static_cast<double>(to);
  for (int i = 0; i < to; ++i) {
    const double lo = step * i, hi = step * (i + 1);
    const int first = static_cast<int>(lo);
    const int last = std::min(static_cast<int>(hi - 1e-9), from - 1);
    std::vector<Tap>& row = taps[static_cast<std::size_t>(i)];
    for (int k = first; k <= last; ++k) {
      const double cover = std::min(hi, k + 1.0) - std::max(lo, static_cast<double>(k));
      if (cover > 0.0) row.push_back({k, static_cast<float>(cover / step)});
    }
  }
  return taps;
}

}  // namespace

Image AreaResized(const Image& image, int width, int height) {
  width = std::max(width, 1);
  height = std::max(height, 1);
  Image out(width, height);
  if (image.Width <= 0 || image.Height <= 0) return out;
  const auto across = Taps(image.Width, width);
  const auto down = Taps(image.Height, height);
  // Across first, into a picture as tall as the old one and as wide as the
  // new one, with float channels so that nothing is rounded twice.
  std::vector<ColorF> rows(static_cast<std::size_t>(width) * static_cast<std::size_t>(image.Height));
  const auto row = [&](int x, int y) -> ColorF& {
    return rows[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
  };
  for (int y = 0; y < image.Height; ++y) {
    for (int x = 0; x < width; ++x) {
      for (const Tap& t : across[static_cast<std::size_t>(x)])
        row(x, y) = row(x, y) + Unpack(image.Pixels[image.Index(t.From, y)]) * t.Weight;
    }
  }
  FillEach(out, [&](int x, int y) {
    ColorF sum;
    for (const Tap& t : down[static_cast<std::size_t>(y)]) sum = sum + row(x, t.From) * t.Weight;
    return sum;
  });
  return out;
}

}  // namespace vantoro::art
