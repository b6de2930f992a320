#include "screens/league_end_screen.hpp"

#include <array>

#include "state/derived.hpp"
#include "ui/canvas.hpp"

namespace vantoro {
namespace {

constexpr int kSparks = 25;

// A 2 x 2 dot: the ellipse from (x - 1, y - 1) to (x + 1, y + 1).
void Dot(Canvas& canvas, Int x, Int y, Color color) {
  const int cx = Clamp(x, -10, 810).v, cy = Clamp(y, -10, 610).v;
  canvas.Ellipse(cx - 1, cy - 1, cx + 1, cy + 1, color, color);
}

constexpr std::array<Button<GameOverButton>, 1> kGameOverButtons = {
    {{GameOverButton::BackToTitle,
      {0, 0, kPressAreaWidth - 1, kPressAreaHeight - 1},
      PressRule::Inclusive,
      {},
      0,
      0,
      0,
      {}}}};

}  // namespace

std::span<const Button<GameOverButton>> GameOverButtons() { return kGameOverButtons; }

void PressGameOver(ScreenSet& screens, ScreenId from, int x, int y) {
  const auto hit = HitTest<GameOverButton>(kGameOverButtons, x, y);
  if (!hit) return;
  switch (*hit) {
    case GameOverButton::BackToTitle: screens.ReturnToTitle(from); break;
  }
}

std::string LeagueEndRankText(const TeamRecord& team, const LeagueRecord& league) {
  const TeamRank rank = RankOfTeam(team, league);
  return "Rank: " + rank.Rank.Str() + RankSuffix(rank.Rank) + (rank.Equal ? " equal" : "");
}

void LeagueEndScreen::Draw(Canvas& canvas) {
  canvas.Picture(5, 10, ctx_.Pictures.Get(PictureId::LeagueEndBanner));
  DrawTable(canvas);
  DrawFireworks(canvas);
}

void LeagueEndScreen::DrawTable(Canvas& canvas) {
  const TeamRecord& team = ctx_.State.Team;
  const LeagueRecord& league = ctx_.State.League;
  const Font& font = ctx_.Fonts.Interface(FontSize::Points(14));
  canvas.Text(10, 160, "Vantoro Team", font, Rgb(0x5555FF));
  canvas.Text(250, 160, team.LeagueScore.Str(), font, Rgb(0x5555FF));
  // In stored order: the table is not sorted.
  for (int t = 1; t <= kOppositionTeams; ++t) {
    canvas.Text(10, 160 + 24 * t, league[t].Name.View(), font, Rgb(0x222288));
    canvas.Text(250, 160 + 24 * t, league[t].LeagueScore.Str(), font, Rgb(0x222288));
  }
  const TeamRank rank = RankOfTeam(team, league);
  canvas.Picture(350, 160,
                 ctx_.Pictures.Get(rank.Rank <= 3 ? PictureId::TeamCelebrating : PictureId::TeamDejected));
  canvas.Text(500, 180, LeagueEndRankText(team, league), ctx_.Fonts.Interface(FontSize::Points(24)),
              Rgb(0xFF0000));
  for (int k = 1; k <= 4; ++k) {
    canvas.Picture(10 + 80 * (k - 1), 460, ctx_.Pictures.Get(Nth(PictureId::SmallTrophy1, k)));
    canvas.Text(40 + 80 * (k - 1), 430, team.Trophies[k].Str(), font, Rgb(0x00FF00));
  }
}

// The rockets and their bursts only move a picture, though they draw from
// the generator.
void LeagueEndScreen::DrawFireworks(Canvas& canvas) {
  GameState& s = ctx_.State;
  RuntimeState& r = s.Runtime;
  if (r.RocketY > r.BurstHeight) {
    const Int x0 = r.RocketX, y0 = r.RocketY;
    r.RocketY -= 10;
    r.RocketX += s.Random(4) - 2;
    canvas.Line(Clamp(x0, -5000, 5000).v, Clamp(y0, -5000, 5000).v, Clamp(r.RocketX, -5000, 5000).v,
                Clamp(r.RocketY, -5000, 5000).v, Rgb(0xFF0000));
    Dot(canvas, r.RocketX, r.RocketY, kWhite);
  }
  if (r.RocketY <= r.BurstHeight) {
    for (int i = 1; i <= kSparks; ++i) {
      r.SplashX[i] = r.RocketX;
      r.SplashY[i] = r.RocketY;
      r.SplashDX[i] = s.Random(15) - 7;
      r.SplashDY[i] = -(s.Random(8) + 3);
    }
    r.RocketY = 600;
    r.RocketX = s.Random(700) + 100;
    r.BurstHeight = s.Random(300) + 100;
    r.SplashTicks = 1;
  }
  if (r.SplashTicks > 0) {
    ++r.SplashTicks;
    for (int i = 1; i <= kSparks; ++i) {
      r.SplashX[i] += r.SplashDX[i];
      r.SplashY[i] += r.SplashDY[i];
      r.SplashDY[i] += r.SplashTicks / 4 + s.Random(2);
      // Sparks start white, turn green and fade to dark green.
      if (s.Random(5) + r.SplashTicks < 8) Dot(canvas, r.SplashX[i], r.SplashY[i], kWhite);
      if (s.Random(5) + r.SplashTicks > 7) {
        Dot(canvas, r.SplashX[i], r.SplashY[i], s.Random(10) == 3 ? Rgb(0xFF00FF) : Rgb(0x00FF00));
      }
      if (s.Random(5) + r.SplashTicks > 15) {
        Color color = Rgb(0x008000);
        if (s.Random(10) == 3) color = Rgb(0xFF00FF);
        if (s.Random(10) == 4) color = Rgb(0x00FF00);
        Dot(canvas, r.SplashX[i], r.SplashY[i], color);
      }
    }
    if (r.SplashTicks > 20) r.SplashTicks = 0;
  }
}

void LeagueEndScreen::Press(int x, int y) { PressGameOver(ctx_.Screens, ScreenId::LeagueEnd, x, y); }

}  // namespace vantoro
