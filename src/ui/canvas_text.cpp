#include <algorithm>
#include <climits>
#include <cstdint>

#include "state/cp1252.hpp"
#include "ui/canvas.hpp"

namespace vantoro {

namespace {

int ClampToInt(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

// Red and blue share one multiply, green takes the other: each 8-bit lane's
// product fits in its 16 bits, and (t + 128 + (t + 128) / 256) / 256 is
// t / 255 rounded, exactly, for every t up to 255 * 255.
std::uint32_t Blend(std::uint32_t under, std::uint32_t over, std::uint32_t alpha) {
  const std::uint32_t rest = 255 - alpha;
  std::uint32_t rb = (over & 0xFF00FFu) * alpha + (under & 0xFF00FFu) * rest + 0x800080u;
  std::uint32_t g = (over & 0x00FF00u) * alpha + (under & 0x00FF00u) * rest + 0x008000u;
  rb = ((rb + ((rb >> 8) & 0xFF00FFu)) >> 8) & 0xFF00FFu;
  g = ((g + ((g >> 8) & 0x00FF00u)) >> 8) & 0x00FF00u;
  return rb | g;
}

}  // namespace

int Canvas::Text(int x, int y, std::string_view cp1252, const Font& font, Color color,
                 std::optional<Color> background) {
  const int width = font.TextWidth(cp1252);
  const long long top = y, bottom = top + font.CellHeight();
  if (background) FillRect(x, y, ClampToInt(1LL * x + width), ClampToInt(bottom), *background);
  if (bottom <= 0 || top >= Height()) return width;

  const std::uint32_t ink = color.Packed();
  const long long baseline = top + font.Ascent();
  long long pen = x;
  for (const char ch : cp1252) {
    const Glyph& glyph = font.GlyphFor(Cp1252ToUnicode(static_cast<unsigned char>(ch)));
    const long long left = pen + glyph.Left, gtop = baseline - glyph.Top;
    pen += glyph.Advance;
    // The part of the glyph's bitmap that lands on the canvas.
    const int gx0 = static_cast<int>(std::clamp(-left, 0LL, 1LL * glyph.Width));
    const int gx1 = static_cast<int>(std::clamp(Width() - left, 0LL, 1LL * glyph.Width));
    const int gy0 = static_cast<int>(std::clamp(-gtop, 0LL, 1LL * glyph.Height));
    const int gy1 = static_cast<int>(std::clamp(Height() - gtop, 0LL, 1LL * glyph.Height));
    if (gx0 >= gx1) continue;
    Touch(gtop + gy0, gtop + gy1);
    for (int gy = gy0; gy < gy1; ++gy) {
      const std::uint8_t* coverage =
          glyph.Coverage.data() + static_cast<std::size_t>(gy) * static_cast<std::size_t>(glyph.Width) + gx0;
      std::uint32_t* out =
          image_.Pixels.data() + image_.Index(static_cast<int>(left + gx0), static_cast<int>(gtop + gy));
      for (int i = 0; i < gx1 - gx0; ++i) {
        if (coverage[i] != 0) out[i] = Blend(out[i], ink, coverage[i]);
      }
    }
  }
  return width;
}

}  // namespace vantoro
