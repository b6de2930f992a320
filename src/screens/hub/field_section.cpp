#include "screens/hub/field_section.hpp"

#include <array>
#include <string>

#include "screens/hub/hub_widgets.hpp"
#include "sim/field_actions.hpp"
#include "sim/hub_navigation.hpp"
#include "state/derived.hpp"
#include "text/generators.hpp"

namespace vantoro {
namespace {

enum FieldPage { kTrainingPage = 1, kPracticePage, kRecruitPage };

constexpr ButtonScheme kDrillScheme{kGreenScheme.Enabled, {Rgb(0x888888), Rgb(0x222222), Rgb(0x888888)}};

// The longest practice label does not fit its box at 12 points; all four
// share the size below so they stay alike.
constexpr Button<FieldButton> Drill(FieldButton id, int row, std::string_view label, int points = 12) {
  const int top = 200 + 40 * row;
  return {id, {345, top, 492, top + 30}, PressRule::Inside, label, 350, top + 5, points, kDrillScheme};
}
constexpr auto kTrainingButtons =
    Join(SquadRows(FieldButton::Player1), std::array{
                                              Drill(FieldButton::Endurance, 0, "         Endurance"),
                                              Drill(FieldButton::Targeting, 1, "         Targeting"),
                                              Drill(FieldButton::Cover, 2, "      Use of Cover"),
                                              Drill(FieldButton::Sprinting, 3, "         Sprinting"),
                                          });
constexpr std::array<Button<FieldButton>, 4> kPracticeButtons = {{
    Drill(FieldButton::BushRecball, 0, "Bush Recball Game", 11),
    Drill(FieldButton::Speedball, 1, "  Speedball Game", 11),
    Drill(FieldButton::PopUp, 2, " Pop-Up Practice", 11),
    Drill(FieldButton::TwoVsOne, 3, "  2 vs 1 Practice", 11),
}};
constexpr std::array<Button<FieldButton>, 2> kRecruitButtons = {{
    {FieldButton::NextMember,
     {150, 315, 295, 345},
     PressRule::Inside,
     "    View Next Player",
     155,
     320,
     kHubTextSize},
    {FieldButton::Hire,
     {325, 315, 475, 345},
     PressRule::Inside,
     "      Hire This Player",
     330,
     320,
     kHubTextSize},
}};

// Players 1 and 5 share a drill picture, 2 and 6, 3 and 7; the leader has his own.
int DrillPicture(Int player) { return InRange(player, 1, kSquadSize) ? (player.v - 1) % 4 + 1 : 1; }

}  // namespace

std::span<const Button<FieldButton>> FieldSection::Buttons(Int page) {
  if (page == kTrainingPage) return kTrainingButtons;
  if (page == kPracticePage) return kPracticeButtons;
  if (page == kRecruitPage) return kRecruitButtons;
  return {};
}

ButtonState FieldSection::State(const GameState& s, FieldButton id) {
  switch (id) {
    case FieldButton::Endurance:
    case FieldButton::Targeting:
    case FieldButton::Cover:
    case FieldButton::Sprinting: return GreyUnless(CanTrain(s));
    case FieldButton::BushRecball:
    case FieldButton::Speedball:
    case FieldButton::PopUp:
    case FieldButton::TwoVsOne: return GreyUnless(CanPractice(s));
    case FieldButton::Hire: return ShownIf(RecruitOnOffer(s), GreyUnless(CanHire(s)));
    default: return ButtonState::Enabled;
  }
}

void FieldSection::DrawPage(Canvas& canvas, Int page) {
  if (!InRange(page, kTrainingPage, kRecruitPage)) return;
  DrawPanel(canvas, 130, 160, 497, 360);
  DrawPanel(canvas, 130, 380, 497, 480);
  const int picture = page == kTrainingPage ? DrillPicture(ctx_.State.Runtime.SelectedPlayer) : page.v;
  canvas.Picture(498, 160, ctx_.Pictures.Get(Nth(PictureId::Training1, picture)));
  if (page == kTrainingPage) DrawTraining(canvas);
  if (page == kPracticePage) DrawPractice(canvas);
  if (page == kRecruitPage) DrawRecruit(canvas);
  DrawButtons(canvas, ctx_.Fonts, Buttons(page),
              [&](const Button<FieldButton>& b) { return State(ctx_.State, b.Action); });
}

void FieldSection::DrawTraining(Canvas& canvas) {
  const GameState& s = ctx_.State;
  const TeamRecord& team = s.Team;
  const Font& font = HubFont(ctx_.Fonts, kHubTextSize);
  DrawPanel(canvas, 340, 160, 497, 360);
  canvas.Text(135, 170, "Select Player", font, Rgb(0xAAFFFF));
  canvas.Text(250, 170, "Index", font, Rgb(0xAAFFFF));
  for (int p = 1; p <= kSquadSize; ++p) {
    const int y = 180 + 20 * p;
    const bool chosen = s.Runtime.SelectedPlayer == p;
    canvas.Text(135, y, team.PlayerName[p].View(), font, chosen ? Rgb(0xAAFFAA) : Rgb(0xAAAAFF));
    canvas.Text(255, y, PlayerIndex(team, p).Str(), font, chosen ? Rgb(0xAAFFAA) : Rgb(0xAAAAFF));
    if (team.PlayerTrained[p] == 1) canvas.Text(300, y, "Tired", font, Rgb(0xAAFFAA));
  }
  canvas.Text(345, 165, "Train this player for $100", font, kRed);
  const Color blue = Rgb(0x33AAFF);
  canvas.Text(135, 385, "Training increases a players overall skill, but may", font, blue);
  canvas.Text(135, 405, "have a negative impact on that players morale.", font, blue);
  canvas.Text(135, 425, "Training may also end up using up some paint.", font, blue);
  canvas.Text(135, 445, "Paintballs Remaining: " + team.Paintballs.Str(), font, blue);
}

void FieldSection::DrawPractice(Canvas& canvas) {
  const GameState& s = ctx_.State;
  const Font& font = HubFont(ctx_.Fonts, kHubTextSize);
  DrawPanel(canvas, 340, 160, 497, 360);
  canvas.Text(345, 165, "Practice Events for $100", font, kRed);
  static constexpr std::array<std::string_view, 9> kLines = {"Training Events can help to prepare",
                                                             "your team for the rigors of a real ",
                                                             "tournament event. If your team is ",
                                                             "trained well, then they are likely",
                                                             "to perform well. The practices will",
                                                             "help improve player stats... and ",
                                                             "playing full games can help morale.",
                                                             "All of the options cost $100, and ",
                                                             "may use a lot of paint."};
  for (std::size_t i = 0; i < kLines.size(); ++i)
    DrawFitted(canvas, ctx_.Fonts, 135, 190 + 15 * static_cast<int>(i), kLines[i], font, Rgb(0x44AAFF), 340);
  canvas.Text(135, 445, "Paintballs Remaining: " + s.Team.Paintballs.Str(), HubFont(ctx_.Fonts, 12),
              Rgb(0x44AAFF));
}

void FieldSection::DrawRecruit(Canvas& canvas) {
  GameState& s = ctx_.State;
  GenerateRecruit(s);
  const TeamRecord& team = s.Team;
  const Font& font = HubFont(ctx_.Fonts, kHubTextSize);
  DrawPanel(canvas, 310, 160, 497, 360);
  const Int p = s.Runtime.SelectedPlayer;
  const Color blue = Rgb(0x00AAFF);
  if (InRange(p, 1, kSquadSize)) {
    canvas.Text(135, 165, "Team Member #" + p.Str(), font, Rgb(0xFFAAFF));
    canvas.Text(135, 185, team.PlayerName[p].View(), font, blue);
    canvas.Text(135, 205, team.PlayerOccupation[p].View(), font, blue);
    canvas.Text(135, 225, "Marker: " + MarkerModelName(team.PlayerMarkerType[p]), font, Rgb(0x00DDFF));
    canvas.Text(135, 245, "Index: " + PlayerIndex(team, p).Str(), font, Rgb(0xAAFF00));
    canvas.Text(135, 265, "Morale: " + team.PlayerMorale[p].Str() + "%", font, blue);
    canvas.Text(135, 285, "Popularity: " + team.PlayerPopularity[p].Str() + "%", font, blue);
  }
  constexpr int n = kRecruitSlot;
  if (RecruitOnOffer(s)) {
    canvas.Text(315, 165, "Potential Recruit", font, Rgb(0xFFAAFF));
    canvas.Text(315, 185, team.PlayerName[n].View(), font, blue);
    canvas.Text(315, 205, team.PlayerOccupation[n].View(), font, blue);
    canvas.Text(315, 225, "Marker: " + MarkerModelName(team.PlayerMarkerType[n]), font, Rgb(0x00DDFF));
    canvas.Text(315, 245, "Index: " + PlayerIndex(team, n).Str(), font, Rgb(0xAAFF00));
    canvas.Text(315, 285, "Replacement Cost: $" + RecruitPrice(s).Str(), font, kRed);
  } else {
    canvas.Text(315, 165, "No Recruits Available", font, kRed);
  }
  static constexpr std::array<std::string_view, 6> kLines = {
      "You may recruit a player, if one is available, but recruitment",
      "can be an expensive prospect. You will need to pay a certain",
      "amount for the level of skill displayed by the new recruit, ",
      "and will need to pay for the marker that they bring with them.",
      "The new player may not be as popular, and there may be a ",
      "team wide morale drop as a result of the changeover."};
  for (std::size_t i = 0; i < kLines.size(); ++i)
    canvas.Text(135, 385 + 15 * static_cast<int>(i), kLines[i], font, blue);
}

void FieldSection::PressPage(int x, int y, Int page) {
  GameState& s = ctx_.State;
  const auto hit =
      HitTest(Buttons(page), x, y, [&](const Button<FieldButton>& b) { return State(s, b.Action); });
  if (!hit) return;
  if (const int p = RowOf(*hit, FieldButton::Player1, kSquadSize)) return SelectPlayer(s, p);
  switch (*hit) {
    case FieldButton::Endurance: Train(s, Skill::Stamina); break;
    case FieldButton::Targeting: Train(s, Skill::Accuracy); break;
    case FieldButton::Cover: Train(s, Skill::Agility); break;
    case FieldButton::Sprinting: Train(s, Skill::Speed); break;
    case FieldButton::BushRecball: Practice(s, PracticeEvent::BushRecball); break;
    case FieldButton::Speedball: Practice(s, PracticeEvent::Speedball); break;
    case FieldButton::PopUp: Practice(s, PracticeEvent::PopUp); break;
    case FieldButton::TwoVsOne: Practice(s, PracticeEvent::TwoVsOne); break;
    case FieldButton::NextMember: NextTeamMember(s); break;
    case FieldButton::Hire: vantoro::Hire(s); break;
    default: break;  // the players' rows, above
  }
}

}  // namespace vantoro
