#include "screens/match_screen.hpp"

#include <string>

#include "sim/field_geometry.hpp"
#include "sim/match.hpp"

namespace vantoro {
namespace {

constexpr int kFieldLeft = 50, kFieldTop = 50;
constexpr Color kOwnBlue = Rgb(0x0000FF);
constexpr Color kOppRed = Rgb(0xFF0000);

// The screen pixel of a cell's point; a player off the field is far off screen.
struct ScreenPoint {
  int X, Y;
};
ScreenPoint PointOf(Int cell) {
  const CellXY p = CellXYOf(InRange(cell, 1, kFieldCells) ? cell.v : 0);
  return {p.X, p.Y};
}

bool Woodsball(const TeamRecord& team) { return team.FieldType == 2; }

}  // namespace

void MatchScreen::Draw(Canvas& canvas) {
  DrawField(canvas);
  DrawLists(canvas);
  DrawPlayers(canvas);
  Shoot(canvas);
  DrawScoreboard(canvas);
  DrawSplats(canvas);
  DrawAction(canvas);
  DrawRain(canvas);
}

void MatchScreen::EventTick() {
  if (EventStep(ctx_.State)) ctx_.Screens.HandOver(ScreenId::Match, ScreenId::Result);
}

void MatchScreen::DrawField(Canvas& canvas) {
  const GameState& s = ctx_.State;
  PictureId field = PictureId::FieldAirball;
  if (s.Runtime.Weather == kWeatherRaining) field = PictureId::FieldAirballMud;
  if (Woodsball(s.Team)) field = PictureId::FieldWoodsball;
  canvas.Picture(kFieldLeft, kFieldTop, ctx_.Pictures.Get(field));
}

void MatchScreen::DrawLists(Canvas& canvas) {
  const GameState& s = ctx_.State;
  const Font& title = ctx_.Fonts.Interface(FontSize::Points(18));
  const Font& font = ctx_.Fonts.Interface(FontSize::Points(9));
  const OppositionTeam& other = MatchTeam(s);
  const Color own = Rgb(0x5555FF);
  canvas.Text(50, 423, "Vantoro Team", title, own);
  canvas.Text(550, 423, other.Name.View(), title, kOppRed);
  for (int n = 1; n <= kSquadSize; ++n) {
    const int y = 440 + 15 * n;
    canvas.Text(50, y, std::to_string(n) + ". " + s.Team.PlayerName[n].Str(), font, own);
    if (s.Team.PlayerMarkerType[n] == 0) canvas.Text(160, y, "NO MARKER!", font, Rgb(0xFFFF00));
    if (s.Runtime.PlayerCell[n] == 0) canvas.Line(45, y + 6, 145, y + 6, own);
    canvas.Text(550, y, std::to_string(n) + ". " + other.PlayerName[n].Str(), font, kOppRed);
    if (s.Runtime.PlayerCell[n + kSquadSize] == 0) canvas.Line(545, y + 6, 645, y + 6, kOppRed);
  }
}

void MatchScreen::DrawPlayers(Canvas& canvas) {
  const RuntimeState& r = ctx_.State.Runtime;
  const Font& font = ctx_.Fonts.Interface(FontSize::Points(8));
  if (r.FlagCell != -100) {
    const ScreenPoint f = PointOf(r.FlagCell);
    canvas.Ellipse(f.X + 38, f.Y + 38, f.X + 62, f.Y + 62, Rgb(0xAAFFAA), Rgb(0x00FF00));
  }
  const auto disc = [&](int k, int number, Color outline, Color fill) {
    if (r.PlayerCell[k] == 0) return;
    const ScreenPoint p = PointOf(r.PlayerCell[k]);
    canvas.Ellipse(p.X + 40, p.Y + 40, p.X + 60, p.Y + 60, outline, fill);
    canvas.Text(p.X + 46, p.Y + 44, std::to_string(number), font, kWhite);
  };
  for (int q = 1; q <= kSquadSize; ++q) disc(q + kSquadSize, q, Rgb(0xFFAAAA), kOppRed);
  for (int p = 1; p <= kSquadSize; ++p) disc(p, p, Rgb(0xAAAAFF), kOwnBlue);
}

void MatchScreen::Shoot(Canvas& canvas) {
  const ShotResult shots = ShotStep(ctx_.State);
  for (int i = 0; i < shots.TagCount; ++i) {
    const TagLine& tag = shots.Tags[static_cast<std::size_t>(i)];
    const ScreenPoint a = PointOf(tag.ShooterCell), b = PointOf(tag.TargetCell);
    canvas.Line(a.X + 50, a.Y + 50, b.X + 50, b.Y + 50, tag.ByOwnSide ? kOwnBlue : kOppRed);
  }
}

void MatchScreen::DrawScoreboard(Canvas& canvas) {
  const GameState& s = ctx_.State;
  const Font& font = ctx_.Fonts.Interface(FontSize::Points(18));
  canvas.Text(700, 10, (s.Runtime.MatchClock - 1).Str(), font, Rgb(0xFFFF00));
  canvas.Text(50, 10, "Paintballs: " + s.Team.Paintballs.Str(), font, Rgb(0xAAAAFF));
}

void MatchScreen::DrawSplats(Canvas& canvas) {
  const RuntimeState& r = ctx_.State.Runtime;
  const int count = Clamp(r.SplatCount, 0, 600).v;
  for (int i = 1; i <= count; ++i) {
    const int x = Clamp(r.SplatX[i], -10, 810).v, y = Clamp(r.SplatY[i], -10, 610).v;
    const Color color = r.SplatTeam[i] == 1 ? kOwnBlue : kOppRed;
    canvas.Ellipse(x - 1, y - 1, x + 2, y + 2, color, color);
  }
}

void MatchScreen::DrawAction(Canvas& canvas) {
  const GameState& s = ctx_.State;
  const Int n = s.Runtime.ActionPicture;
  if (InRange(n, 1, 9)) {
    const PictureId picture = Woodsball(s.Team) ? Nth(PictureId::ActionWoods1, n > 5 ? n.v - 5 : n.v)
                                                : Nth(PictureId::ActionAirball1, n.v);
    canvas.Picture(270, 422, ctx_.Pictures.Get(picture));
  }
  if (s.Runtime.MalfunctionShown == 1) canvas.Picture(270, 422, ctx_.Pictures.Get(PictureId::MarkerFailure));
}

void MatchScreen::DrawRain(Canvas& canvas) {
  RuntimeState& r = ctx_.State.Runtime;
  if (r.Weather != kWeatherRaining) return;
  for (int i = 1; i <= 100; ++i) {
    const int x = Clamp(r.RainX[i], -100, 900).v, y = Clamp(r.RainY[i], -100, 700).v;
    canvas.Line(x + 50, y + 50, x + 47, y + 57, Rgb(0xAAAAFF));
    r.RainX[i] -= r.RainSpeed[i];
    r.RainY[i] += r.RainSpeed[i];
    if (r.RainX[i] < 7) r.RainX[i] = 700;
    if (r.RainY[i] > 370) r.RainY[i] = 0;
  }
}

}  // namespace vantoro
