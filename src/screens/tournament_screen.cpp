#include "screens/tournament_screen.hpp"

#include <array>
#include <string>

#include "sim/pregame_actions.hpp"
#include "state/derived.hpp"
#include "text/generators.hpp"
#include "ui/splash.hpp"

namespace vantoro {
namespace {

using B = TournamentButton;

constexpr Color kGreen = Rgb(0x00FF00);
constexpr Color kFill = Rgb(0x004400);
constexpr Color kGrey = Rgb(0x808080);

constexpr Button<B> Swap(int i) {
  const int left = 100 * i;
  return {static_cast<B>(i - 1),
          {left, 420, left + 100, 450},
          PressRule::Inside,
          "    SWAP",
          left + 20,
          427,
          8,
          kGreenScheme,
          Face::Interface};
}
// The tactics' values take the presses; they are drawn as text.
constexpr Button<B> TacticRow(B id, int top) {
  return {id, {680, top, 750, top + 20}, PressRule::Inside, {}, 0, 0, 8, {}, Face::Interface};
}
constexpr std::array<Button<B>, 11> kButtons = {{
    Swap(1),
    Swap(2),
    Swap(3),
    Swap(4),
    Swap(5),
    Swap(6),
    {B::Play, {650, 80, 750, 130}, PressRule::Inside, "PLAY", 658, 88, 24, kGreenScheme, Face::Interface},
    TacticRow(B::Flank, 465),
    TacticRow(B::Support, 485),
    TacticRow(B::Forward, 505),
    TacticRow(B::Leader, 525),
}};
constexpr std::span<const Button<B>> kSwaps(kButtons.data(), 6);

// The line-up is a V with the Leader foremost.
int RowOffset(Role role) {
  switch (role) {
    case Role::Flank: return 60;
    case Role::Support: return 40;
    case Role::Forward: return 20;
    case Role::Leader: return 0;
  }
  return 0;
}

const Image* FigureOf(const PictureSet& pictures, Int gender, Int figure) {
  if (!InRange(figure, 1, 4)) return nullptr;
  if (gender == 1) return &pictures.Get(Nth(PictureId::FigureMale1, figure.v));
  if (gender == 2) return &pictures.Get(Nth(PictureId::FigureFemale1, figure.v));
  return nullptr;
}

std::string_view WeatherName(Int weather) {
  if (weather == 1) return "Dry";
  if (weather == 2) return "Overcast";
  if (weather == 3) return "Raining";
  return "";
}

}  // namespace

std::span<const Button<TournamentButton>> TournamentScreen::Buttons() { return kButtons; }

void TournamentScreen::Draw(Canvas& canvas) {
  GameState& s = ctx_.State;
  canvas.Picture(125, 10, ctx_.Pictures.Get(PictureId::TournamentBanner));
  DrawLineUp(canvas);
  DrawSwapBar(canvas);
  MeetOpponent(s);
  DrawOpposition(canvas);
  ResetForKickoff(s);
  DrawTactics(canvas);
  DrawButton(canvas, ctx_.Fonts, *Find<B>(kButtons, B::Play));
  AdvanceSplash(s, canvas, kStandardSplash);
}

void TournamentScreen::DrawLineUp(Canvas& canvas) {
  const TeamRecord& team = ctx_.State.Team;
  const Font& font = ctx_.Fonts.Interface(FontSize::Points(8));
  for (int p = 1; p <= kSquadSize; ++p) {
    const Role role = RoleOf(p);
    const int x = 100 * p - 50, y = 100 + RowOffset(role);
    if (const Image* figure = FigureOf(ctx_.Pictures, team.PlayerGender[p], team.PlayerFigure[p])) {
      canvas.Picture(x, y, *figure);
    }
    canvas.Text(x + 10, y + 185, RoleName(role), font, Rgb(0x99FF99));
    canvas.Text(x + 10, y + 200, team.PlayerName[p].View(), font, kWhite);
    canvas.Text(x + 10, y + 215, MarkerModelName(team.PlayerMarkerType[p]), font, Rgb(0xFFBBBB));
    canvas.Text(x + 10, y + 230, "Index:" + PlayerIndex(team, p).Str(), font, Rgb(0x9999FF));
  }
}

void TournamentScreen::DrawSwapBar(Canvas& canvas) {
  // One bar with dividers, rather than six boxes side by side.
  canvas.Rectangle(100, 420, 700, 450, kGreen, kFill);
  const Font& font = LabelFont(ctx_.Fonts, kSwaps[0].LabelFace, kSwaps[0].Points);
  for (const Button<B>& b : kSwaps) {
    if (b.Rect.Left > 100) canvas.Line(b.Rect.Left, 420, b.Rect.Left, 450, kGreen);
    canvas.Text(b.LabelX, b.LabelY, b.Label, font, kGreen);
  }
}

void TournamentScreen::DrawOpposition(Canvas& canvas) {
  const GameState& s = ctx_.State;
  const OppositionTeam& other = MatchTeam(s);
  const Font& big = ctx_.Fonts.Interface(FontSize::Points(14));
  const Font& small = ctx_.Fonts.Interface(FontSize::Points(8));
  canvas.Rectangle(50, 455, 570, 549, Rgb(0x0000FF), Rgb(0x000033));
  canvas.Text(55, 460, "Playing: " + other.Name.Str(), big, Rgb(0xFF0000));
  canvas.Text(55, 485, "League Points: " + other.LeagueScore.Str(), big, Rgb(0x008000));
  canvas.Text(55, 510, "Weather: " + std::string(WeatherName(s.Runtime.Weather)), big, Rgb(0x9999FF));
  struct Tag {
    const char* Text;
    int X;
  };
  static constexpr std::array<Tag, 4> kTags = {{{"Fl", 315}, {"Sp", 319}, {"Fw", 322}, {"Ld", 325}}};
  for (int q = 1; q <= kSquadSize; ++q) {
    const int y = 448 + 12 * q;
    canvas.Text(350, y, other.PlayerName[q].View(), small, kGrey);
    canvas.Text(450, y, "Idx:" + PlayerIndex(other, q).Str(), small, kGrey);
    canvas.Text(500, y, MarkerModelName(other.PlayerMarkerType[q]), small, kGrey);
    const Tag& tag = kTags[static_cast<std::size_t>(RoleOf(q))];
    canvas.Text(tag.X, y, tag.Text, small, Rgb(0x00AA00));
  }
}

void TournamentScreen::DrawTactics(Canvas& canvas) {
  RuntimeState& r = ctx_.State.Runtime;
  const Font& font = ctx_.Fonts.Interface(FontSize::Points(8));
  canvas.Rectangle(575, 455, 750, 549, Rgb(0xFFFF00), Rgb(0x222200));
  struct Row {
    Role For;
    const char* Label;
  };
  static constexpr std::array<Row, 4> kRows = {{{Role::Flank, "Flank Tactic:"},
                                                {Role::Support, "Support Tactic:"},
                                                {Role::Forward, "Forward Tactic:"},
                                                {Role::Leader, "Leader Tactic:"}}};
  for (std::size_t i = 0; i < kRows.size(); ++i) {
    const int y = 465 + 20 * static_cast<int>(i);
    canvas.Text(580, y, kRows[i].Label, font, Rgb(0xAAAA00));
    canvas.Text(680, y, TacticName(kRows[i].For, OwnTactic(r, kRows[i].For)), font, Rgb(0xFFFF00));
  }
}

void TournamentScreen::Press(int x, int y) {
  GameState& s = ctx_.State;
  StartSplash(s, x, y);
  const auto hit = HitTest<B>(kButtons, x, y);
  if (!hit) return;
  switch (*hit) {
    case B::Swap1:
    case B::Swap2:
    case B::Swap3:
    case B::Swap4:
    case B::Swap5:
    case B::Swap6: SwapPlayers(s, static_cast<int>(*hit) + 1); break;
    case B::Play:
      ctx_.Screens.HandOver(ScreenId::Tournament, ScreenId::Match);
      Play(s);
      break;
    case B::Flank: NextTactic(s, Role::Flank); break;
    case B::Support: NextTactic(s, Role::Support); break;
    case B::Forward: NextTactic(s, Role::Forward); break;
    case B::Leader: NextTactic(s, Role::Leader); break;
  }
}

}  // namespace vantoro
