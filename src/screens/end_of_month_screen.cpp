#include "screens/end_of_month_screen.hpp"

#include <algorithm>

#include "sim/month.hpp"
#include "state/derived.hpp"
#include "ui/canvas.hpp"

namespace vantoro {
namespace {

constexpr int kListCutOff = 485;  // lines at or below this y are not drawn
constexpr int kScrollStart = 400;

// In a Pumps Only league no marker better than model 4 is allowed, whoever
// holds it.
void LimitToPumps(GameState& state) {
  if (state.Team.GameType != 1) return;
  for (int p = 1; p <= kSquadSize; ++p) {
    if (state.Team.PlayerMarkerType[p] > 4) state.Team.PlayerMarkerType[p] = 4;
  }
  for (OppositionTeam& team : state.League) {
    for (Int& marker : team.PlayerMarkerType) {
      if (marker > 4) marker = 4;
    }
  }
}

}  // namespace

void EndOfMonthScreen::Draw(Canvas& canvas) {
  RuntimeState& r = ctx_.State.Runtime;
  TestLeagueEnd();
  if (r.MonthProcessed == 0) {
    r.MonthProcessed = 1;
    ProcessMonth(ctx_.State);
  }
  DrawList(canvas);
  TestBreakup();
}

void EndOfMonthScreen::TestLeagueEnd() {
  const TeamRecord& team = ctx_.State.Team;
  if (team.Year != Int(2000) + team.GameLengthYears) return;
  RuntimeState& r = ctx_.State.Runtime;
  ctx_.Screens.StopTicks(ScreenId::EndOfMonth);
  r.RocketX = 400;
  r.RocketY = 600;
  r.SplashTicks = 0;
  r.BurstHeight = 300;
  ctx_.Screens.StartTicks(ScreenId::LeagueEnd);
  ctx_.Screens.Show(ScreenId::LeagueEnd);
  ctx_.Screens.Hide(ScreenId::EndOfMonth);
}

void EndOfMonthScreen::DrawList(Canvas& canvas) {
  GameState& s = ctx_.State;
  RuntimeState& r = s.Runtime;
  canvas.Picture(480, 10, ctx_.Pictures.Get(PictureId::Wristwatch));
  canvas.Rectangle(10, 40, 450, 510, Rgb(0x0000AA), Rgb(0xBBAAAA));
  canvas.Text(15, 45, "End of Turn Events.", ctx_.Fonts.Interface(FontSize::Points(12)), Rgb(0xFF0000));

  if (r.MonthScroll == 1) r.MonthScroll = kScrollStart;
  const Font& font = ctx_.Fonts.Interface(FontSize::Points(10));
  const std::string* lowest = nullptr;
  for (int i = 1; i <= 30; ++i) {
    const Int y = r.MonthScroll + 50 + 16 * i;
    if (y >= kListCutOff) continue;
    const int top = Clamp(y, -1000, kListCutOff).v;
    canvas.Text(25, top, r.MonthLines[i], font, Rgb(0x332222));
    canvas.Ellipse(12, top + 5, 18, top + 11, kBlack, kBlack);
    canvas.Ellipse(442, top + 5, 448, top + 11, kBlack, kBlack);
    lowest = &r.MonthLines[i];
  }
  // The curtain hides the list above its first line while it rises.
  const int curtain = Clamp(r.MonthScroll + 45, -1000, 1000).v;
  canvas.Rectangle(5, std::min(40, curtain), 455, std::max(40, curtain), kBlack, kBlack);

  const int spriteX = lowest != nullptr && lowest->size() > 5 ? s.Random(400).v : 20;
  canvas.Picture(spriteX, 485, ctx_.Pictures.Get(PictureId::MonthSprite));
  LimitToPumps(s);

  canvas.Rectangle(580, 460, 680, 490, Rgb(0x00FF00), Rgb(0x004400));
  canvas.Text(585, 465, "NEXT TURN", ctx_.Fonts.Interface(FontSize::Points(12)), Rgb(0x00FF00));
  if (r.MonthScroll > 0) {
    r.MonthScroll -= 5;
    if (r.MonthScroll == 0) r.MonthScroll = -1;
  }
}

void EndOfMonthScreen::TestBreakup() {
  const Int morale = TeamMorale(ctx_.State.Team);
  if (ctx_.State.Random(40) > morale && ctx_.Screens.Visible(ScreenId::EndOfMonth)) {
    ctx_.Screens.HandOver(ScreenId::EndOfMonth, ScreenId::TeamBreakup);
  }
}

void EndOfMonthScreen::Press(int x, int y) {
  if (!(x > 580 && x < 680 && y > 460 && y < 490)) return;
  GameState& s = ctx_.State;
  TeamRecord& team = s.Team;
  RuntimeState& r = s.Runtime;
  for (int p = 1; p <= kSquadSize; ++p) {
    team.PlayerPaid[p] = 0;
    team.PlayerTrained[p] = 0;
    if (team.PlayerMarkerType[p] == 0) team.PlayerMarkerCustom[p] = 0;
    if (team.GameType == 1 && team.PlayerMarkerType[p] > 4) team.PlayerMarkerType[p] = 4;
  }
  team.TeamFinePaid = 0;
  r.BankAmount = 0;
  for (Int& glow : r.HubSectionGlow) glow = 0;
  if (Ints7::Valid(r.HubSection)) r.HubSectionGlow[r.HubSection] = 1;
  r.HubIntroCounter = 1;
  ctx_.Screens.HandOver(ScreenId::EndOfMonth, ScreenId::Hub);
  ++team.HistoryRow;
  // Whether a recruit is offered in the new month.
  r.RecruitGenerated = s.Random(100) < 15 ? 0 : 2;
}

}  // namespace vantoro
