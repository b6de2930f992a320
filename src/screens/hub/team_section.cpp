#include "screens/hub/team_section.hpp"

#include <array>
#include <string>

#include "screens/hub/hub_widgets.hpp"
#include "sim/catalogue.hpp"
#include "sim/hub_navigation.hpp"
#include "sim/team_actions.hpp"
#include "state/derived.hpp"
#include "text/generators.hpp"

namespace vantoro {
namespace {

enum Page { kOverview = 1, kIndividual, kTrophies, kStandings, kOpposition, kDebrief };

constexpr int kFrameX = 498, kFrameY = 160;

constexpr Button<TeamButton> PageButton(TeamButton id, int top, std::string_view label) {
  return {id, {507, top, 609, top + 30}, PressRule::Inside, label, 512, top + 7, kHubTextSize};
}
// The three buttons to the pages without a tab: drawn on pages 1 to 5, and
// taking presses unseen under the report of page 6 too.
constexpr std::array kPageButtons = {
    PageButton(TeamButton::Standings, 380, "  STANDINGS"),
    PageButton(TeamButton::Opposition, 420, "  OPPOSITION"),
    PageButton(TeamButton::Debrief, 460, "    DEBRIEF"),
};

// A button already used this month is grey and has no label.
constexpr ButtonScheme kMoneyScheme{{Rgb(0x88FF88), kButtonFill, Rgb(0x55AA55)},
                                    {Rgb(0x555555), Rgb(0x222222), std::nullopt}};
// A press on a player's name selects them.
constexpr auto kIndividualOwn = Join(SquadRows(TeamButton::Player1), std::array<Button<TeamButton>, 2>{{
                                                                         {TeamButton::Pay,
                                                                          {265, 315, 365, 345},
                                                                          PressRule::Inside,
                                                                          "    PAY $100",
                                                                          270,
                                                                          323,
                                                                          kHubTextSize,
                                                                          kMoneyScheme},
                                                                         {TeamButton::Fine,
                                                                          {385, 315, 485, 345},
                                                                          PressRule::Inside,
                                                                          "    FINE $100",
                                                                          390,
                                                                          323,
                                                                          kHubTextSize,
                                                                          kMoneyScheme},
                                                                     }});
constexpr std::array<Button<TeamButton>, 1> kOppositionOwn = {{{TeamButton::NextTeam,
                                                                {390, 200, 490, 230},
                                                                PressRule::Inside,
                                                                "   Next Team",
                                                                395,
                                                                207,
                                                                kHubTextSize}}};
constexpr std::array<Button<TeamButton>, 1> kDebriefOwn = {
    {{TeamButton::DebriefNext, {720, 450, 760, 480}, PressRule::Inside, "NEXT", 722, 457, kHubTextSize}}};

constexpr auto kIndividualButtons = Join(kPageButtons, kIndividualOwn);
constexpr auto kOppositionButtons = Join(kPageButtons, kOppositionOwn);
constexpr auto kDebriefButtons = Join(kPageButtons, kDebriefOwn);

constexpr Color kLabel = Rgb(0xAAAAFF);
constexpr Color kValue = Rgb(0xDDDDFF);

// The picture of a squad member; nothing for a gender or portrait number
// that names none.
const Image* PortraitOf(const PictureSet& pictures, Int gender, Int portrait) {
  if (!InRange(portrait, 1, 8)) return nullptr;
  if (gender == 1) return &pictures.Get(Nth(PictureId::PortraitMale1, portrait.v));
  if (gender == 2) return &pictures.Get(Nth(PictureId::PortraitFemale1, portrait.v));
  return nullptr;
}

// The report's separator lines stand out in colour.
bool RunOf(std::string_view line, std::size_t length, char c) {
  return line.size() == length && line.find_first_not_of(c) == std::string_view::npos;
}

Color DebriefLineColor(std::string_view line) {
  if (RunOf(line, 48, '-')) return Rgb(0x00FF00);
  if (RunOf(line, 54, '=') || RunOf(line, 71, '-')) return Rgb(0xFF0000);
  return kWhite;
}

}  // namespace

std::span<const Button<TeamButton>> TeamSection::Buttons(Int page) {
  switch (page.v) {
    case kIndividual: return kIndividualButtons;
    case kOpposition: return kOppositionButtons;
    case kDebrief: return kDebriefButtons;
    default: return kPageButtons;
  }
}

ButtonState TeamSection::State(const GameState& s, Int page, TeamButton id) {
  switch (id) {
    case TeamButton::Standings:
    case TeamButton::Opposition:
    case TeamButton::Debrief:
      return InRange(page, kOverview, kOpposition) ? ButtonState::Enabled : ButtonState::Unseen;
    case TeamButton::Pay:
      return ShownIf(InRange(s.Runtime.SelectedPlayer, 1, kSquadSize), GreyUnless(CanPay(s)));
    case TeamButton::Fine:
      return ShownIf(InRange(s.Runtime.SelectedPlayer, 1, kSquadSize), GreyUnless(CanFine(s)));
    default: return ButtonState::Enabled;
  }
}

void TeamSection::DrawPage(Canvas& canvas, Int page) {
  AdvanceTeamAnimation(ctx_.State.Runtime);
  const Int frame = ctx_.State.Runtime.AnimFrame;
  if ((page == kOverview || page == kTrophies || page == kStandings || page == kOpposition) &&
      InRange(frame, 1, kTeamAnimFrames)) {
    canvas.Picture(kFrameX, kFrameY, ctx_.Pictures.Get(Nth(PictureId::TeamAnim1, frame.v)));
  }
  if (page == kIndividual) canvas.FillRect(kFrameX, kFrameY, kFrameX + 270, kFrameY + 200, kBlack);
  switch (page.v) {
    case kOverview: DrawOverview(canvas); break;
    case kIndividual: DrawIndividual(canvas); break;
    case kTrophies: DrawTrophies(canvas); break;
    case kStandings: DrawStandings(canvas); break;
    case kOpposition: DrawOpposition(canvas); break;
    case kDebrief: DrawDebrief(canvas); break;
    default: break;
  }
  DrawButtons(canvas, ctx_.Fonts, Buttons(page),
              [&](const Button<TeamButton>& b) { return State(ctx_.State, page, b.Action); });
}

// The right column's values stand clear of its longest label, "Team Morale:".
constexpr int kRightValueX = 384;

void TeamSection::DrawStatistics(Canvas& canvas) {
  const TeamRecord& team = ctx_.State.Team;
  const Font& font = HubFont(ctx_.Fonts, kHubTextSize);
  DrawPanel(canvas, 130, 380, 497, 480);
  const auto label = [&](int x, int y, std::string_view text) { canvas.Text(x, y, text, font, kLabel); };
  const auto value = [&](int x, int y, const std::string& text) { canvas.Text(x, y, text, font, kValue); };
  label(135, 385, "Games Played:");
  label(135, 405, "Games Won:");
  label(135, 425, "Games Drawn:");
  label(135, 445, "Games Lost:");
  label(300, 385, "Cash:");
  label(300, 405, "Paintballs:");
  label(300, 425, "League Pts:");
  label(300, 444, "Team Morale:");
  value(250, 385, team.GamesPlayed.Str());
  value(250, 405, team.GamesWon.Str());
  value(250, 425, team.GamesDrawn.Str());
  value(250, 445, team.GamesLost.Str());
  value(kRightValueX, 385, "$" + team.Cash.Str());
  value(kRightValueX, 405, team.Paintballs.Str());
  value(kRightValueX, 425, team.LeagueScore.Str());
  value(kRightValueX, 445, TeamMorale(team).Str() + "%");
}

void TeamSection::DrawOverview(Canvas& canvas) {
  const TeamRecord& team = ctx_.State.Team;
  const Font& font = HubFont(ctx_.Fonts, kHubTextSize);
  DrawPanel(canvas, 130, 160, 497, 360);
  canvas.Text(135, 170, "Player Name", font, kWhite);
  canvas.Text(250, 170, "Index", font, kWhite);
  canvas.Text(300, 170, "Marker Type", font, kWhite);
  canvas.Text(400, 170, "Cond", font, kWhite);
  for (int p = 1; p <= kSquadSize; ++p) {
    const int y = 180 + 20 * p;
    const Color marker = team.PlayerMarkerCustom[p] == 0 ? Rgb(0x8866DD) : Rgb(0x5588FF);
    canvas.Text(135, y, team.PlayerName[p].View(), font, kLabel);
    canvas.Text(255, y, PlayerIndex(team, p).Str(), font, kLabel);
    canvas.Text(300, y, MarkerModelName(team.PlayerMarkerType[p]), font, marker);
    canvas.Text(403, y, team.PlayerMarkerCondition[p].Str() + "%", font, marker);
    if (team.PlayerPaid[p] == 1) canvas.Text(450, y, "Paid", font, Rgb(0x55FF55));
  }
  DrawStatistics(canvas);
}

void TeamSection::DrawIndividual(Canvas& canvas) {
  const TeamRecord& team = ctx_.State.Team;
  const Int selected = ctx_.State.Runtime.SelectedPlayer;
  const Font& font = HubFont(ctx_.Fonts, kHubTextSize);
  DrawPanel(canvas, 130, 160, 497, 360);
  DrawPanel(canvas, 255, 160, 497, 360);
  canvas.Text(135, 170, "Select Player", font, kWhite);
  for (int p = 1; p <= kSquadSize; ++p) {
    canvas.Text(135, 180 + 20 * p, team.PlayerName[p].View(), font, selected == p ? Rgb(0xAAFFFF) : kLabel);
  }
  if (InRange(selected, 1, kSquadSize)) {
    const Int p = selected;
    const Color pale = Rgb(0xC0DCC0), tally = Rgb(0x99FF66), mood = Rgb(0x7777DD);
    canvas.Text(260, 165, team.PlayerName[p].View(), font, pale);
    canvas.Text(380, 165, team.PlayerOccupation[p].View(), font, pale);
    canvas.Text(260, 185, "Tags For:", font, pale);
    canvas.Text(260, 205, "Tags Against:", font, pale);
    canvas.Text(260, 225, "Flags Pulled:", font, pale);
    canvas.Text(380, 185, team.PlayerTagsFor[p].Str(), font, tally);
    canvas.Text(380, 205, team.PlayerTagsAgainst[p].Str(), font, tally);
    canvas.Text(380, 225, team.PlayerFlagsPulled[p].Str(), font, tally);
    canvas.Text(260, 245, CustomisationLine(team.PlayerMarkerCustom[p]), font, Rgb(0xAAFFAA));
    canvas.Text(260, 265, "Player Morale:", font, pale);
    canvas.Text(260, 285, "Popularity:", font, pale);
    canvas.Text(380, 265, team.PlayerMorale[p].Str() + "%", font, mood);
    canvas.Text(380, 285, team.PlayerPopularity[p].Str() + "%", font, mood);
    if (const Image* portrait = PortraitOf(ctx_.Pictures, team.PlayerGender[p], team.PlayerPortrait[p])) {
      canvas.Picture(530, 190, *portrait);
    }
  }
  DrawStatistics(canvas);
}

void TeamSection::DrawTrophies(Canvas& canvas) {
  const TeamRecord& team = ctx_.State.Team;
  DrawPanel(canvas, 130, 160, 497, 560);
  struct Place {
    int PictureX, PictureY, CountX, CountY;
    Color CountColor;
  };
  static constexpr std::array<Place, 4> kPlaces = {{{132, 161, 155, 345, Rgb(0x00FF99)},
                                                    {330, 161, 322, 345, Rgb(0x00DDBB)},
                                                    {132, 365, 155, 530, Rgb(0x00BBDD)},
                                                    {330, 365, 322, 530, Rgb(0x0099FF)}}};
  const Font& font = HubFont(ctx_.Fonts, 15);
  for (int k = 1; k <= 4; ++k) {
    const Place& place = kPlaces[static_cast<std::size_t>(k - 1)];
    canvas.Picture(place.PictureX, place.PictureY, ctx_.Pictures.Get(Nth(PictureId::Trophy1, k)));
    canvas.Text(place.CountX, place.CountY, team.Trophies[k].Str(), font, place.CountColor);
  }
}

void TeamSection::DrawStandings(Canvas& canvas) {
  const TeamRecord& team = ctx_.State.Team;
  const LeagueRecord& league = ctx_.State.League;
  const Font& font = HubFont(ctx_.Fonts, kHubTextSize);
  DrawPanel(canvas, 130, 160, 497, 480);
  canvas.Text(135, 165, "Team Name", font, kLabel);
  canvas.Text(250, 165, "Avg Idx", font, kLabel);
  canvas.Text(350, 165, "League Score", font, kLabel);
  const Color own = Rgb(0x00FF00);
  canvas.Text(135, 185, "Vantoro Team", font, own);
  canvas.Text(270, 185, AverageIndex(team).Str(), font, own);
  canvas.Text(350, 185, team.LeagueScore.Str(), font, own);
  canvas.Text(400, 185, "<-- Your Team", font, own);
  // In record order: the table is not sorted.
  for (int i = 1; i <= kOppositionTeams; ++i) {
    const int y = 185 + 20 * i;
    const bool next = team.NextOpponent == i;
    const Color color = next ? Rgb(0xFF9999) : Rgb(0x9999AA);
    canvas.Text(135, y, league[i].Name.View(), font, color);
    canvas.Text(270, y, AverageIndex(league[i]).Str(), font, color);
    canvas.Text(350, y, league[i].LeagueScore.Str(), font, color);
    if (next) canvas.Text(400, y, "<-- Played Next", font, color);
  }
  const TeamRank rank = RankOfTeam(team, league);
  canvas.Text(135, 385, "Current Rank: " + rank.Rank.Str() + RankSuffix(rank.Rank) + RankTieMark(rank),
              HubFont(ctx_.Fonts, 14), kWhite);
}

void TeamSection::DrawOpposition(Canvas& canvas) {
  const Int i = ctx_.State.Runtime.ViewedOpponent;
  const Font& font = HubFont(ctx_.Fonts, kHubTextSize);
  DrawPanel(canvas, 130, 160, 497, 480);
  if (!LeagueRecord::Valid(i)) return;
  const OppositionTeam& other = ctx_.State.League[i];
  canvas.Text(135, 165, i.Str() + ". " + other.Name.Str(), HubFont(ctx_.Fonts, 18), Rgb(0xFF0000));
  canvas.Text(135, 200, "Manager: " + other.ManagerName.Str(), font, kLabel);
  canvas.Text(135, 218, "League Score: " + other.LeagueScore.Str(), font, kLabel);
  for (int p = 1; p <= kSquadSize; ++p) {
    const int y = 220 + 18 * p;
    canvas.Text(135, y, other.PlayerName[p].View(), font, Rgb(0xAAFFAA));
    canvas.Text(280, y, PlayerIndex(other, p).Str(), font, kLabel);
    canvas.Text(330, y, MarkerModelName(other.PlayerMarkerType[p]), font, Rgb(0xFFAAAA));
  }
}

void TeamSection::DrawDebrief(Canvas& canvas) {
  const RuntimeState& r = ctx_.State.Runtime;
  const Font& font = HubFont(ctx_.Fonts, kHubTextSize);
  DrawPanel(canvas, 130, 160, 697, 480);
  for (int row = 0; row < 15; ++row) {
    const Int k = r.DebriefTopLine + row;
    if (!Texts600::Valid(k)) continue;
    const std::string& line = r.MatchLog[k];
    DrawFitted(canvas, ctx_.Fonts, 135, 165 + 20 * row, line, font, DebriefLineColor(line), 696);
  }
}

void TeamSection::PressPage(int x, int y, Int page) {
  GameState& state = ctx_.State;
  const auto hit =
      HitTest(Buttons(page), x, y, [&](const Button<TeamButton>& b) { return State(state, page, b.Action); });
  if (!hit) return;
  if (const int p = RowOf(*hit, TeamButton::Player1, kSquadSize)) return SelectPlayer(state, p);
  switch (*hit) {
    case TeamButton::Standings: OpenTeamPage(state, kStandings); break;
    case TeamButton::Opposition: OpenTeamPage(state, kOpposition); break;
    case TeamButton::Debrief: OpenTeamPage(state, kDebrief); break;
    case TeamButton::Pay: vantoro::Pay(state); break;
    case TeamButton::Fine: vantoro::Fine(state); break;
    case TeamButton::NextTeam: NextViewedOpponent(state); break;
    case TeamButton::DebriefNext: NextDebriefPage(state); break;
    default: break;  // the players' rows, above
  }
}

}  // namespace vantoro
