#include <algorithm>
#include <climits>
#include <cstdint>

#include "state/cp1252.hpp"
#include "ui/canvas.hpp"
#include "ui/canvas_hash.hpp"

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
  // The text's width, and the box its glyphs' bitmaps reach, which may
  // stand out of the cell.
  const long long top = y, bottom = top + font.CellHeight();
  const long long baseline = top + font.Ascent();
  long long first = LLONG_MAX, last = LLONG_MIN, left = LLONG_MAX, right = LLONG_MIN, pen = x;
  for (const char ch : cp1252) {
    const Glyph& glyph = font.GlyphFor(Cp1252ToUnicode(static_cast<unsigned char>(ch)));
    const long long glyphLeft = pen + glyph.Left;
    pen += glyph.Advance;
    if (glyph.Width <= 0 || glyph.Height <= 0) continue;
    first = std::min(first, baseline - glyph.Top);
    last = std::max(last, baseline - glyph.Top + glyph.Height);
    left = std::min(left, glyphLeft);
    right = std::max(right, glyphLeft + glyph.Width);
  }
  // As Font::TextWidth gives it.
  const int width = static_cast<int>(std::min<long long>(pen - x, INT_MAX));
  if (first < last && left < right) {
    Log({.What = DrawLog::Shape::Text,
         .L = ClampToInt(left),
         .T = ClampToInt(first),
         .R = ClampToInt(right),
         .B = ClampToInt(last),
         .Text = std::string(cp1252),
         .Face = &font,
         .X = x,
         .Y = y});
  }
  if (background) FillRect(x, y, ClampToInt(1LL * x + width), ClampToInt(bottom), *background);
  if (bottom <= 0 || top >= Height()) return width;
  first = std::max(first, 0LL);
  last = std::min(last, static_cast<long long>(Height()));
  left = std::max(left, 0LL);
  right = std::min(right, static_cast<long long>(Width()));
  if (first >= last || left >= right) return width;
  const Op op{.What = Kind::Text,
              .L = x,
              .T = y,
              .Pen = color.Packed(),
              .Top = static_cast<int>(first),
              .Bottom = static_cast<int>(last),
              .Left = static_cast<int>(left),
              .Right = static_cast<int>(right),
              .From = text_.size(),
              .Count = cp1252.size(),
              .Face = &font};
  text_.append(cp1252);
  const std::uint64_t characters = canvas_hash::Bytes(cp1252.data(), cp1252.size());
  Record(op, canvas_hash::HashOf(7, x, y, static_cast<long long>(reinterpret_cast<std::uintptr_t>(&font)), 0,
                                 op.Pen, characters));
  return width;
}

void Canvas::DrawText(const Op& op, const Clip& clip) const {
  const Font& font = *op.Face;
  const std::string_view cp1252(text_.data() + op.From, op.Count);
  const long long baseline = 1LL * op.T + font.Ascent();
  long long pen = op.L;
  for (const char ch : cp1252) {
    const Glyph& glyph = font.GlyphFor(Cp1252ToUnicode(static_cast<unsigned char>(ch)));
    const long long left = pen + glyph.Left, gtop = baseline - glyph.Top;
    pen += glyph.Advance;
    // The part of the glyph's bitmap that lands in the box asked for.
    const int gx0 = static_cast<int>(std::clamp(clip.Left - left, 0LL, 1LL * glyph.Width));
    const int gx1 = static_cast<int>(std::clamp(clip.Right - left, 0LL, 1LL * glyph.Width));
    const int gy0 = static_cast<int>(std::clamp(clip.Top - gtop, 0LL, 1LL * glyph.Height));
    const int gy1 = static_cast<int>(std::clamp(clip.Bottom - gtop, 0LL, 1LL * glyph.Height));
    if (gx0 >= gx1) continue;
    for (int gy = gy0; gy < gy1; ++gy) {
      const std::uint8_t* coverage =
          glyph.Coverage.data() + static_cast<std::size_t>(gy) * static_cast<std::size_t>(glyph.Width) + gx0;
      std::uint32_t* out =
          image_.Pixels.data() + image_.Index(static_cast<int>(left + gx0), static_cast<int>(gtop + gy));
      for (int i = 0; i < gx1 - gx0; ++i) {
        if (coverage[i] != 0) out[i] = Blend(out[i], op.Pen, coverage[i]);
      }
    }
  }
}

}  // namespace vantoro
