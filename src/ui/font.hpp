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

// "size N" is N points at 96 dpi, an em of N x 96 / 72 pixels rounded to a
// whole pixel, as the drawing interface the layouts come from sizes text;
// "font height N" is N pixels of cell height.
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

// What a font is drawn from, for the checks of its drawing.
struct FontFacts {
  std::string Family;  // of the face the glyphs come from
  double EmPixels = 0;
  // Capital height over the em, as the face is designed; a fixed strike
  // takes its scalable stand-in's.
  double CapRatio = 0;
  bool Strike = false;  // drawn from a bitmap face's own size
};

class Font {
 public:
  virtual ~Font() = default;
  virtual int Ascent() const = 0;      // baseline below the cell's top
  virtual int CellHeight() const = 0;  // ascent + descent
  virtual const Glyph& GlyphFor(char32_t codePoint) const = 0;
  virtual const FontFacts& Facts() const = 0;
  // Width of a Windows-1252 text in pixels.
  int TextWidth(std::string_view cp1252) const;
  // How far right of its start the text's ink reaches (its last inked
  // column plus one), which the advance may fall short of or pass.
  int InkWidth(std::string_view cp1252) const;
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
  // but name no font. The face is a bitmap one: its own sizes come from
  // it, every other from the scalable face whose letters come closest to
  // its widths.
  const Font& Interface(FontSize size);
  // The font drawn narrower, at `percent` (50..100) of its width, for a
  // text that must fit a box; a bitmap face's strike gives way to its
  // scalable stand-in. Kept for as long as the library.
  const Font& Narrowed(const Font& font, int percent);
  // The file fontconfig chose for a family, for diagnostics and tests.
  std::string FileFor(std::string_view family, bool bold = false);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace vantoro
