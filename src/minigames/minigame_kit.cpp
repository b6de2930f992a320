#include "minigames/minigame_kit.hpp"

namespace vantoro {

void DrawBetRow(Canvas& canvas, FontLibrary& fonts, std::span<const Button<BetDigit>> row,
                const BetDigits& digits, bool enabled) {
  if (row.empty()) return;
  const Button<BetDigit>& first = row.front();
  const ButtonColors& colors = enabled ? first.Scheme.Enabled : first.Scheme.Grey;
  const Font& font = LabelFont(fonts, first.LabelFace, first.Points);
  const Box dollar{first.Rect.Left - kBetBoxSize, first.Rect.Top, first.Rect.Left, first.Rect.Bottom};
  DrawButtonAs(canvas, font, dollar, "$", first.LabelX - kBetBoxSize, first.LabelY, colors);
  for (const Button<BetDigit>& b : row) {
    Int digit = digits.Units;
    if (b.Action == BetDigit::Hundreds) digit = digits.Hundreds;
    if (b.Action == BetDigit::Tens) digit = digits.Tens;
    DrawButtonAs(canvas, font, b.Rect, digit.Str(), b.LabelX, b.LabelY, colors);
  }
}

}  // namespace vantoro
