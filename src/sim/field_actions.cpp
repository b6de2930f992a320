#include "sim/field_actions.hpp"

#include <utility>

#include "sim/players.hpp"
#include "state/derived.hpp"
#include "text/generators.hpp"

namespace vantoro {
namespace {

template <class Team>
auto& SkillOf(Team& team, Skill skill, Int p) {
  switch (skill) {
    case Skill::Stamina: return team.PlayerStamina[p];
    case Skill::Accuracy: return team.PlayerAccuracy[p];
    case Skill::Agility: return team.PlayerAgility[p];
    case Skill::Speed: return team.PlayerSpeed[p];
  }
  return team.PlayerSpeed[p];
}

void LoseMorale(Int& morale, Int by) {
  morale -= by;
  if (morale < 1) morale = 1;
}

void UsePaint(Int& paintballs, Int used) {
  paintballs -= used;
  if (paintballs < 0) paintballs = 0;
}

struct EventRule {
  Skill Raises;
  bool FullGame;  // morale 5..9 and some paint; a drill 0..1 and twice the paint
};
constexpr EventRule kEvents[] = {
    {Skill::Stamina, true}, {Skill::Speed, true}, {Skill::Accuracy, false}, {Skill::Agility, false}};

}  // namespace

bool CanTrain(const GameState& state) {
  return PlayerSelected(state) && state.Team.Cash > kTrainingCost - 1 &&
         state.Team.PlayerTrained[state.Runtime.SelectedPlayer] == 0;
}

void Train(GameState& state, Skill skill) {
  if (!CanTrain(state)) return;
  TeamRecord& team = state.Team;
  const Int p = state.Runtime.SelectedPlayer;
  if (skill == Skill::Accuracy) UsePaint(team.Paintballs, 50);
  SkillOf(team, skill, p) += state.Random(2);
  team.Cash -= kTrainingCost;
  LoseMorale(team.PlayerMorale[p], state.Random(3));
  team.PlayerTrained[p] = 1;
}

bool CanPractice(const GameState& state) {
  Int tired = 0;
  for (int p = 1; p <= kSquadSize; ++p) tired += state.Team.PlayerTrained[p];
  return state.Team.Cash > kTrainingCost - 1 && tired < kSquadSize;
}

void Practice(GameState& state, PracticeEvent event) {
  if (!CanPractice(state)) return;
  TeamRecord& team = state.Team;
  const EventRule& rule = kEvents[static_cast<int>(event)];
  team.Cash -= kTrainingCost;
  for (int p = 1; p <= kSquadSize; ++p) {
    team.PlayerTrained[p] = 1;
    SkillOf(team, rule.Raises, p) += state.Random(2);
    Int gain = rule.FullGame ? state.Random(5) + 5 : state.Random(2);
    team.PlayerMorale[p] += gain;
    if (team.PlayerMorale[p] > 100) team.PlayerMorale[p] = 100;
  }
  Int used = state.Random(100);
  used += rule.FullGame ? 50 : 100;
  UsePaint(team.Paintballs, used);
}

void GenerateRecruit(GameState& state) {
  RuntimeState& r = state.Runtime;
  if (r.RecruitGenerated != 0) return;
  TeamRecord& team = state.Team;
  constexpr int n = kRecruitSlot;
  team.PlayerName[n] = MakePersonName(state);
  team.PlayerGender[n] = r.NameGender;
  team.PlayerPortrait[n] = state.Random(8) + 1;
  team.PlayerFigure[n] = state.Random(4) + 1;
  team.PlayerOccupation[n] = MakeOccupation(state);
  // Later years bring better markers; Random(0) is 0.
  Int marker = state.Random(team.Year - 2000);
  marker += state.Random(3);
  team.PlayerMarkerType[n] = Clamp(marker, 0, 9);
  team.PlayerMarkerCondition[n] = state.Random(10) + 90;
  team.PlayerMarkerAge[n] = state.Random(3) + 1;
  team.PlayerMarkerCustom[n] = 0;
  RollStatistics(state, team, n, 10);
  team.PlayerMorale[n] = state.Random(10) + 90;
  team.PlayerPopularity[n] = state.Random(10) + 80;
  team.PlayerTagsFor[n] = 0;
  team.PlayerTagsAgainst[n] = 0;
  team.PlayerPaid[n] = 0;
  team.PlayerTrained[n] = 1;
  r.RecruitGenerated = 1;
}

bool RecruitOnOffer(const GameState& state) { return state.Runtime.RecruitGenerated == 1; }

Int RecruitPrice(const GameState& state) {
  Int price = PlayerIndex(state.Team, kRecruitSlot) * 15;
  price += state.Team.PlayerMarkerType[kRecruitSlot] * 164;
  return price;
}

bool CanHire(const GameState& state) {
  const Int price = RecruitPrice(state);
  return RecruitOnOffer(state) && PlayerSelected(state) && price >= 0 && state.Team.Cash >= price;
}

void Hire(GameState& state) {
  if (!CanHire(state)) return;
  TeamRecord& t = state.Team;
  const Int p = state.Runtime.SelectedPlayer;
  constexpr int n = kRecruitSlot;
  t.Cash -= RecruitPrice(state);
  const auto take = [&](auto& field) { field[p] = field[n]; };
  take(t.PlayerName);
  take(t.PlayerMarkerType);
  take(t.PlayerSpeed);
  take(t.PlayerAgility);
  take(t.PlayerStamina);
  take(t.PlayerAccuracy);
  take(t.PlayerMorale);
  take(t.PlayerPopularity);
  take(t.PlayerOccupation);
  take(t.PlayerFigure);
  take(t.PlayerGender);
  take(t.PlayerPortrait);
  take(t.PlayerMarkerCustom);
  t.PlayerMarkerCondition[p] = state.Random(10) + 90;
  t.PlayerMarkerAge[p] = state.Random(3) + 1;
  t.PlayerTagsFor[p] = 0;
  t.PlayerTagsAgainst[p] = 0;
  t.PlayerFlagsPulled[p] = 0;
  t.PlayerPaid[p] = 0;
  t.PlayerTrained[p] = 1;
  for (int q = 1; q <= kSquadSize; ++q) LoseMorale(t.PlayerMorale[q], 2);
  state.Runtime.RecruitGenerated = 2;
}

void NextTeamMember(GameState& state) {
  Int& p = state.Runtime.SelectedPlayer;
  ++p;
  if (!InRange(p, 1, kSquadSize)) p = 1;
}

}  // namespace vantoro
