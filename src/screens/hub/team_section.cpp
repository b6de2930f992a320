#include "screens/hub/team_section.hpp"

#include <array>
#include <string>

#include "screens/hub/hub_widgets.hpp"
#include "state/derived.hpp"
#include "text/generators.hpp"

namespace vantoro {
namespace {

enum Page { kOverview = 1, kIndividual, kTrophies, kStandings, kOpposition, kDebrief };

constexpr int kFrameX = 498, kFrameY = 160;
constexpr int kFrameCount = 20, kTicksPerFrame = 3;

// The three buttons to the pages without a tab: drawn on pages 1 to 5, and
// taking presses on every TEAM page.
struct PageButton {
  Page Target;
  PressArea Area;
  int Top;
  const char* Label;
};
constexpr std::array kPageButtons = {
    PageButton{kStandings, {508, 608, 381, 409}, 380, "  STANDINGS"},
    PageButton{kOpposition, {508, 608, 421, 449}, 420, "  OPPOSITION"},
    PageButton{kDebrief, {508, 608, 461, 489}, 460, "    DEBRIEF"},
};

constexpr PressArea kPayArea{266, 364, 316, 344};
constexpr PressArea kFineArea{386, 484, 316, 344};
constexpr PressArea kNextTeamArea{391, 489, 201, 229};
constexpr PressArea kDebriefNextArea{721, 759, 451, 479};
constexpr PressArea PlayerRowArea(int p) { return {136, 234, 201 + 20 * (p - 1), 214 + 20 * (p - 1)}; }

constexpr Color kLabel = Rgb(0xAAAAFF);
constexpr Color kValue = Rgb(0xDDDDFF);

std::string CustomisationLine(Int custom) {
  static constexpr std::array<const char*, 5> kLines = {"+ Marker Not Customised", "+ Lightning Hopper",
                                                        "+ Custom Milling", "+ Muzzle Break", "+ Dot Scope"};
  return InRange(custom, 0, 4) ? kLines[static_cast<std::size_t>(custom.v)] : "";
}

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

void TeamSection::DrawPage(Canvas& canvas, Int page) {
  AdvanceAnimation();
  const Int frame = ctx_.State.Runtime.AnimFrame;
  if ((page == kOverview || page == kTrophies || page == kStandings || page == kOpposition) &&
      InRange(frame, 1, kFrameCount)) {
    canvas.Picture(kFrameX, kFrameY, ctx_.Pictures.Get(Nth(PictureId::TeamAnim1, frame.v)));
  }
  if (page == kIndividual) canvas.FillRect(kFrameX, kFrameY, kFrameX + 270, kFrameY + 200, kBlack);
  if (InRange(page, kOverview, kOpposition)) DrawPageButtons(canvas);
  switch (page.v) {
    case kOverview: DrawOverview(canvas); break;
    case kIndividual: DrawIndividual(canvas); break;
    case kTrophies: DrawTrophies(canvas); break;
    case kStandings: DrawStandings(canvas); break;
    case kOpposition: DrawOpposition(canvas); break;
    case kDebrief: DrawDebrief(canvas); break;
    default: break;
  }
}

void TeamSection::AdvanceAnimation() {
  RuntimeState& r = ctx_.State.Runtime;
  ++r.AnimTick;
  if (r.AnimTick == kTicksPerFrame) {
    r.AnimTick = 0;
    ++r.AnimFrame;
    if (r.AnimFrame > kFrameCount) r.AnimFrame = 1;
  }
}

void TeamSection::DrawPageButtons(Canvas& canvas) {
  const Font& font = HubFont(ctx_.Fonts, kHubTextSize);
  for (const PageButton& b : kPageButtons) {
    DrawButton(canvas, font, 507, b.Top, 609, b.Top + 30, b.Label, 512, b.Top + 7);
  }
}

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
  value(380, 385, "$" + team.Cash.Str());
  value(380, 405, team.Paintballs.Str());
  value(380, 425, team.LeagueScore.Str());
  value(380, 445, TeamMorale(team).Str() + "%");
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
    // A button already used this month is grey and has no label.
    const Color label = Rgb(0x55AA55);
    if (team.PlayerPaid[p] == 1) {
      canvas.Rectangle(265, 315, 365, 345, Rgb(0x555555), Rgb(0x222222));
    } else {
      canvas.Rectangle(265, 315, 365, 345, Rgb(0x88FF88), kButtonFill);
      canvas.Text(270, 323, "    PAY $100", font, label);
    }
    if (team.TeamFinePaid == 1) {
      canvas.Rectangle(385, 315, 485, 345, Rgb(0x555555), Rgb(0x222222));
    } else {
      canvas.Rectangle(385, 315, 485, 345, Rgb(0x88FF88), kButtonFill);
      canvas.Text(390, 323, "    FINE $100", font, label);
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
  DrawButton(canvas, font, 390, 200, 490, 230, "   Next Team", 395, 207);
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
  DrawButton(canvas, font, 720, 450, 760, 480, "NEXT", 725, 457);
  for (int row = 0; row < 15; ++row) {
    const Int k = r.DebriefTopLine + row;
    if (!Texts600::Valid(k)) continue;
    const std::string& line = r.MatchLog[k];
    canvas.Text(135, 165 + 20 * row, line, font, DebriefLineColor(line));
  }
}

void TeamSection::PressPage(int x, int y, Int page) {
  RuntimeState& r = ctx_.State.Runtime;
  for (const PageButton& b : kPageButtons) {
    if (!b.Area.Contains(x, y)) continue;
    r.HubPage = b.Target;
    if (b.Target == kDebrief) r.DebriefTopLine = 1;
    return;
  }
  switch (page.v) {
    case kIndividual:
      for (int p = 1; p <= kSquadSize; ++p) {
        if (PlayerRowArea(p).Contains(x, y)) r.SelectedPlayer = p;
      }
      if (kPayArea.Contains(x, y)) Pay();
      if (kFineArea.Contains(x, y)) Fine();
      break;
    case kOpposition:
      if (kNextTeamArea.Contains(x, y)) {
        ++r.ViewedOpponent;
        if (!LeagueRecord::Valid(r.ViewedOpponent)) r.ViewedOpponent = 1;
      }
      break;
    case kDebrief:
      if (kDebriefNextArea.Contains(x, y)) {
        // The last line of a page is repeated as the first of the next.
        r.DebriefTopLine += 14;
        if (r.DebriefTopLine > r.MatchLogCount + 14) r.DebriefTopLine = 1;
      }
      break;
    default: break;
  }
}

void TeamSection::Pay() {
  TeamRecord& team = ctx_.State.Team;
  const Int p = ctx_.State.Runtime.SelectedPlayer;
  if (!InRange(p, 1, kSquadSize) || team.Cash <= 99 || team.PlayerPaid[p] != 0) return;
  team.Cash -= 100;
  team.PlayerMorale[p] += ctx_.State.Random(2) + 1;
  if (team.PlayerMorale[p] > 100) team.PlayerMorale[p] = 100;
  team.PlayerPaid[p] = 1;
}

void TeamSection::Fine() {
  TeamRecord& team = ctx_.State.Team;
  const Int p = ctx_.State.Runtime.SelectedPlayer;
  if (!InRange(p, 1, kSquadSize) || team.TeamFinePaid != 0) return;
  team.Cash += 100;
  team.PlayerPopularity[p] += ctx_.State.Random(3) + 1;
  team.PlayerMorale[p] -= ctx_.State.Random(5);
  if (team.PlayerMorale[p] < 5) team.PlayerMorale[p] = 5;
  if (team.PlayerPopularity[p] > 100) team.PlayerPopularity[p] = 100;
  team.TeamFinePaid = 1;
}

}  // namespace vantoro
