#include "screens/tournament_screen.hpp"

#include <array>
#include <optional>
#include <string>

#include "sim/pregame_actions.hpp"
#include "state/derived.hpp"
#include "text/generators.hpp"
#include "ui/splash.hpp"

namespace vantoro {
namespace {

constexpr Color kGrey = Rgb(0x808080);

// Swap i exchanges players i and i + 1. The six lie in one bar, each
// divider the edge two neighbours share.
constexpr Button<TournamentButton> Swap(int i) {
  const int left = 100 * i;
  return {static_cast<TournamentButton>(i - 1),
          {left, 420, left + 100, 450},
          PressRule::Inside,
          "    SWAP",
          left + 20,
          427,
          8,
          kGreenScheme,
          Face::Interface,
          i < 6 ? Shape::Joined : Shape::Box};
}
// A tactic's value is its button: text alone, which a press moves on.
constexpr ButtonScheme kTacticScheme{{std::nullopt, std::nullopt, Rgb(0xFFFF00)}, {}};
constexpr Button<TournamentButton> TacticRow(TournamentButton id, int top) {
  return {id, {680, top, 750, top + 20}, PressRule::Inside, {}, 680, top, 8, kTacticScheme, Face::Interface};
}
constexpr std::array<Button<TournamentButton>, 11> kTournamentButtons = {{
    Swap(1),
    Swap(2),
    Swap(3),
    Swap(4),
    Swap(5),
    Swap(6),
    {TournamentButton::Play,
     {650, 80, 750, 130},
     PressRule::Inside,
     "PLAY",
     658,
     88,
     24,
     kGreenScheme,
     Face::Interface},
    TacticRow(TournamentButton::Flank, 465),
    TacticRow(TournamentButton::Support, 485),
    TacticRow(TournamentButton::Forward, 505),
    TacticRow(TournamentButton::Leader, 525),
}};

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

// The role whose tactic a button shows, if it shows one.
std::optional<Role> TacticRole(TournamentButton id) {
  switch (id) {
    case TournamentButton::Flank: return Role::Flank;
    case TournamentButton::Support: return Role::Support;
    case TournamentButton::Forward: return Role::Forward;
    case TournamentButton::Leader: return Role::Leader;
    default: return std::nullopt;
  }
}

std::string_view WeatherName(Int weather) {
  if (weather == 1) return "Dry";
  if (weather == 2) return "Overcast";
  if (weather == 3) return "Raining";
  return "";
}

}  // namespace

std::span<const Button<TournamentButton>> TournamentScreen::Buttons() { return kTournamentButtons; }

void TournamentScreen::Draw(Canvas& canvas) {
  GameState& s = ctx_.State;
  canvas.Picture(125, 10, ctx_.Pictures.Get(PictureId::TournamentBanner));
  DrawLineUp(canvas);
  MeetOpponent(s);
  DrawOpposition(canvas);
  ResetForKickoff(s);
  DrawTactics(canvas);
  DrawButtons(canvas, ctx_.Fonts, Buttons(), [&](const Button<TournamentButton>& b) {
    ButtonLook look;
    if (const std::optional<Role> role = TacticRole(b.Action)) {
      look.Label = std::string(TacticName(*role, OwnTactic(s.Runtime, *role)));
    }
    return look;
  });
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
  const Font& font = ctx_.Fonts.Interface(FontSize::Points(8));
  canvas.Rectangle(575, 455, 750, 549, Rgb(0xFFFF00), Rgb(0x222200));
  static constexpr std::array<std::string_view, 4> kRows = {
      "Flank Tactic:", "Support Tactic:", "Forward Tactic:", "Leader Tactic:"};
  for (std::size_t i = 0; i < kRows.size(); ++i)
    canvas.Text(580, 465 + 20 * static_cast<int>(i), kRows[i], font, Rgb(0xAAAA00));
}

void TournamentScreen::Press(int x, int y) {
  GameState& s = ctx_.State;
  StartSplash(s, x, y);
  const auto hit = HitTest<TournamentButton>(kTournamentButtons, x, y);
  if (!hit) return;
  switch (*hit) {
    case TournamentButton::Swap1:
    case TournamentButton::Swap2:
    case TournamentButton::Swap3:
    case TournamentButton::Swap4:
    case TournamentButton::Swap5:
    case TournamentButton::Swap6: SwapPlayers(s, static_cast<int>(*hit) + 1); break;
    case TournamentButton::Play:
      ctx_.Screens.HandOver(ScreenId::Tournament, ScreenId::Match);
      Play(s);
      break;
    case TournamentButton::Flank:
    case TournamentButton::Support:
    case TournamentButton::Forward:
    case TournamentButton::Leader: NextTactic(s, *TacticRole(*hit)); break;
  }
}

}  // namespace vantoro
