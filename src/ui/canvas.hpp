#pragma once
// The 800 x 600 off-screen frame every screen draws into, in the
// conventions of the coordinates the screens are laid out in: the right and
// bottom edges of rectangles and ellipses are exclusive, a line stops before
// its end point, text is placed by the top-left of its cell, and everything
// clips to the frame.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "ui/font.hpp"
#include "ui/image.hpp"

namespace vantoro {

class Canvas {
 public:
  static constexpr int kWidth = 800;
  static constexpr int kHeight = 600;

  explicit Canvas(int width = kWidth, int height = kHeight);

  int Width() const { return image_.Width; }
  int Height() const { return image_.Height; }
  const Image& Pixels() const { return image_; }

  void Clear(Color c = kBlack);
  // Pixels l..r-1, t..b-1.
  void FillRect(int l, int t, int r, int b, Color c);
  // Outline in the pen colour, inside filled with the brush (none: hollow).
  void Rectangle(int l, int t, int r, int b, Color pen, std::optional<Color> brush);
  // The ellipse inscribed in the rectangle l..r-1, t..b-1.
  void Ellipse(int l, int t, int r, int b, Color pen, std::optional<Color> brush);
  // From (x0, y0) up to but not including (x1, y1).
  void Line(int x0, int y0, int x1, int y1, Color c);
  void Pixel(int x, int y, Color c) {
    if (y >= 0 && y < Height()) Touch(y, y + 1);
    image_.Set(x, y, c);
  }
  Color At(int x, int y) const { return image_.At(x, y); }

  // Windows-1252 text with its cell's top-left at (x, y); the background, when
  // given, fills the text cell first. Returns the text's width in pixels.
  int Text(int x, int y, std::string_view cp1252, const Font& font, Color color,
           std::optional<Color> background = std::nullopt);

  // A stored picture at its natural size, top-left at (x, y).
  void Picture(int x, int y, const Image& picture);
  // A frame-wide picture from the top-left, as Picture(0, 0, picture), for
  // pictures that stay unchanged as long as the canvas draws them (the
  // loaded picture set): rows that still hold the picture's row are not
  // copied again, so a backdrop drawn every tick costs only the rows drawn
  // over since.
  void Backdrop(const Image& picture);
  // A stored picture scaled to fill l..l+width-1, t..t+height-1.
  void StretchPicture(int l, int t, int width, int height, const Image& picture);

  // Per row, non-zero when the row was drawn on since ForgetDrawnRows: the
  // rows that can differ from the frame presented last.
  std::span<const std::uint8_t> DrawnRows() const { return drawn_; }
  void ForgetDrawnRows();

 private:
  // Marks rows [top, bottom), clipped to the frame, drawn on.
  void Touch(long long top, long long bottom);

  Image image_;
  std::vector<std::uint8_t> drawn_;
  // Per row, the picture row it holds exactly since Backdrop copied it, or
  // null once anything else drew on it.
  std::vector<const std::uint32_t*> backdropRow_;
};

}  // namespace vantoro
