#include "screens/end_of_month_screen.hpp"

#include <array>

#include "sim/month.hpp"
#include "sim/turn_actions.hpp"
#include "state/derived.hpp"
#include "ui/canvas.hpp"

namespace vantoro {
namespace {

constexpr int kListCutOff = 485;  // lines at or below this y are not drawn
constexpr int kScrollStart = 400;

constexpr std::array<Button<EndOfMonthButton>, 1> kMonthEndButtons = {{{EndOfMonthButton::NextTurn,
                                                                        {580, 460, 680, 490},
                                                                        PressRule::Inside,
                                                                        "NEXT TURN",
                                                                        585,
                                                                        465,
                                                                        12,
                                                                        kGreenScheme,
                                                                        Face::Interface}}};

}  // namespace

std::span<const Button<EndOfMonthButton>> EndOfMonthScreen::Buttons() { return kMonthEndButtons; }

void EndOfMonthScreen::Draw(Canvas& canvas) {
  TestLeagueEnd();
  ProcessMonthOnce(ctx_.State);
  DrawList(canvas);
  TestBreakup();
}

void EndOfMonthScreen::TestLeagueEnd() {
  if (!LeagueOver(ctx_.State)) return;
  ctx_.Screens.HandOver(ScreenId::EndOfMonth, ScreenId::LeagueEnd);
  BeginLeagueEnd(ctx_.State);
}

void EndOfMonthScreen::DrawList(Canvas& canvas) {
  GameState& s = ctx_.State;
  RuntimeState& r = s.Runtime;
  canvas.Picture(480, 10, ctx_.Pictures.Get(PictureId::Wristwatch));
  canvas.Rectangle(10, 40, 450, 510, Rgb(0x0000AA), Rgb(0xBBAAAA));
  canvas.Text(15, 45, "End of Turn Events.", ctx_.Fonts.Interface(FontSize::Points(12)), Rgb(0xFF0000));

  // The list's scroll only moves the picture.
  if (r.MonthScroll == 1) r.MonthScroll = kScrollStart;
  const Font& font = ctx_.Fonts.Interface(FontSize::Points(10));
  const std::string* lowest = nullptr;
  for (int i = 1; i <= 30; ++i) {
    const Int y = r.MonthScroll + 50 + 16 * i;
    if (y >= kListCutOff) continue;
    const int top = Clamp(y, -1000, kListCutOff).v;
    DrawFitted(canvas, ctx_.Fonts, 25, top, r.MonthLines[i], font, Rgb(0x332222), 442);
    canvas.Ellipse(12, top + 5, 18, top + 11, kBlack, kBlack);
    canvas.Ellipse(442, top + 5, 448, top + 11, kBlack, kBlack);
    lowest = &r.MonthLines[i];
  }
  // The curtain hides the list above its first line while it rises.
  const int curtain = Clamp(r.MonthScroll + 45, -1000, 1000).v;
  canvas.Rectangle(5, 40, 455, curtain, kBlack, kBlack);

  const int spriteX = lowest != nullptr && lowest->size() > 5 ? s.Random(400).v : 20;
  canvas.Picture(spriteX, 485, ctx_.Pictures.Get(PictureId::MonthSprite));
  LimitToPumps(s);

  DrawButtons(canvas, ctx_.Fonts, Buttons(),
              [](const Button<EndOfMonthButton>&) { return ButtonState::Enabled; });
  if (r.MonthScroll > 0) {
    r.MonthScroll -= 5;
    if (r.MonthScroll == 0) r.MonthScroll = -1;
  }
}

void EndOfMonthScreen::TestBreakup() {
  if (BreakupRoll(ctx_.State) && ctx_.Screens.Visible(ScreenId::EndOfMonth)) {
    ctx_.Screens.HandOver(ScreenId::EndOfMonth, ScreenId::TeamBreakup);
  }
}

void EndOfMonthScreen::Press(int x, int y) {
  const auto hit = HitTest<EndOfMonthButton>(kMonthEndButtons, x, y);
  if (!hit) return;
  switch (*hit) {
    case EndOfMonthButton::NextTurn:
      ctx_.Screens.HandOver(ScreenId::EndOfMonth, ScreenId::Hub);
      StartNextMonth(ctx_.State);
      break;
  }
}

}  // namespace vantoro
