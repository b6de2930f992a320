#pragma once
// Text faces through FreeType, found by fontconfig from a family name.
// Rendered glyphs are cached per face and size, so drawing the same text
// every tick rasterises nothing after the first frame.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vantoro {

// "size N" is N points at 96 dpi; "font height N" is N pixels of cell height.
struct FontSize {
  enum class Unit { Points, Pixels } Kind = Unit::Points;
  int Value = 8;
  static constexpr FontSize Points(int n) { return FontSize{Unit::Points, n}; }
  static constexpr FontSize Pixels(int n) { return FontSize{Unit::Pixels, n}; }
  constexpr bool operator==(const FontSize&) const = default;
};

struct Glyph {
  int Width = 0, Height = 0;           // of the coverage bitmap
  int Left = 0;                        // from the pen position to the bitmap's left edge
  int Top = 0;                         // from the baseline up to the bitmap's top edge
  int Advance = 0;                     // pen movement in whole pixels
  std::vector<std::uint8_t> Coverage;  // Width x Height, 0..255
};

class Font {
 public:
  virtual ~Font() = default;
  virtual int Ascent() const = 0;      // baseline below the cell's top
  virtual int CellHeight() const = 0;  // ascent + descent
  virtual const Glyph& GlyphFor(char32_t codePoint) const = 0;
  // Width of a Windows-1252 text in pixels.
  int TextWidth(std::string_view cp1252) const;
};

class FontLibrary {
 public:
  FontLibrary();
  ~FontLibrary();
  FontLibrary(const FontLibrary&) = delete;
  FontLibrary& operator=(const FontLibrary&) = delete;

  // The face fontconfig picks for the family ("Arial" gives a metric-compatible
  // face), at that size; loaded once and kept.
  const Font& Get(std::string_view family, FontSize size, bool bold = false);
  // The user-interface font of screens that name none: 8 points.
  const Font& Default();
  // The user-interface face at another size, for screens that set a size
  // but name no font.
  const Font& Interface(FontSize size);
  // The file fontconfig chose for a family, for diagnostics and tests.
  std::string FileFor(std::string_view family, bool bold = false);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace vantoro
