#include "ui/widgets.hpp"

namespace vantoro {

const Font& LabelFont(FontLibrary& fonts, Face face, int points) {
  return face == Face::Interface ? fonts.Interface(FontSize::Points(points))
                                 : fonts.Get("Arial", FontSize::Points(points));
}

void DrawButtonAs(Canvas& canvas, const Font& font, Shape shape, const Box& rect, std::string_view label,
                  int labelX, int labelY, const ButtonColors& colors) {
  if (colors.Pen) {
    const Color pen = *colors.Pen;
    switch (shape) {
      case Shape::Box:
        canvas.Rectangle(rect.Left, rect.Top, rect.Right, rect.Bottom, pen, colors.Fill);
        break;
      case Shape::Ellipse:
        canvas.Ellipse(rect.Left, rect.Top, rect.Right, rect.Bottom, pen, colors.Fill);
        break;
      case Shape::Joined:
        canvas.Rectangle(rect.Left, rect.Top, rect.Right + 1, rect.Bottom, pen, colors.Fill);
        break;
      case Shape::Rule:
        canvas.Line(rect.Left - 1, rect.Bottom - 3, rect.Right + 1, rect.Bottom - 3, pen);
        break;
    }
  }
  if (colors.Label && !label.empty()) canvas.Text(labelX, labelY, label, font, *colors.Label);
}

const Font& DrawFitted(Canvas& canvas, FontLibrary& fonts, int x, int y, std::string_view text,
                       const Font& font, Color color, int edge) {
  constexpr int kAir = 2, kNarrowest = 80;
  const int room = edge - kAir - x;
  const Font* drawn = &font;
  const int ink = font.InkWidth(text);
  if (ink > room && ink > 0) {
    // The width shrinks about as the font narrows; a step or two more settles
    // the rounding of each glyph.
    for (int percent = std::max(kNarrowest, std::min(99, 100 * std::max(room, 0) / ink));
         percent >= kNarrowest; --percent) {
      drawn = &fonts.Narrowed(font, percent);
      if (drawn->InkWidth(text) <= room) break;
    }
  }
  canvas.Text(x, y, text, *drawn, color);
  return *drawn;
}

void DrawTitleBanner(Canvas& canvas, FontLibrary& fonts, GameState& state, const BannerColors& colors) {
  canvas.Ellipse(10, 10, 60, 60, colors.Pen, colors.Fill);
  canvas.Ellipse(740, 10, 790, 60, colors.Pen, colors.Fill);
  canvas.Rectangle(30, 11, 770, 59, colors.Fill, colors.Fill);
  canvas.Line(30, 10, 770, 10, colors.Pen);
  canvas.Line(30, 59, 770, 59, colors.Pen);
  Color title = colors.Title;
  if (colors.Bright && state.Random(100) < 2) {
    title = *colors.Bright;
    if (colors.Dim && state.Random(100) > 97) title = *colors.Dim;
  }
  canvas.Text(180, 12, "Vantoro", fonts.Get("Arial", FontSize::Points(28)), title);
}

}  // namespace vantoro
