#include "sim/match.hpp"

#include <algorithm>
#include <array>
#include <cstdint>

#include "sim/field_geometry.hpp"

namespace vantoro {
namespace {

constexpr const char* kRule = "------------------------------------------------";

// Commentary names of the roles, as the log writes them.
std::string_view RoleTitle(Role role) {
  switch (role) {
    case Role::Flank: return "Flank Player";
    case Role::Support: return "Support Player";
    case Role::Forward: return "Forward Player";
    case Role::Leader: return "Team Leader";
  }
  return "";
}

Int RoleBonus(Int tactic) {
  if (tactic == 1) return 4;
  if (tactic == 2) return 2;
  return 0;
}

constexpr bool IsOwn(int k) { return k <= kSquadSize; }
constexpr int Opp(int q) { return q + kSquadSize; }  // the index of opposition player q

// One game in progress: the state and the side the team meets, with the
// count of lines this step has written.
class Match {
 public:
  explicit Match(GameState& state)
      : s_(state), r_(state.Runtime), team_(state.Team), opp_(MatchTeam(state)) {}

  void Shots(SightTest sight, ShotResult& result);
  bool Event();

 private:
  Int& Cell(int k) { return r_.PlayerCell[k]; }
  bool InPlay(int k) { return r_.PlayerCell[k] != 0; }
  std::string Name(int p) { return team_.PlayerName[p].Str(); }
  bool Raining() const { return r_.Weather == kWeatherRaining; }
  void Log(std::string line) {
    AppendLog(s_, std::move(line));
    ++lines_;
  }
  // A move that would leave the field is not made.
  bool Move(int k, int by) {
    const Int to = Cell(k) + by;
    if (!InPlay(k) || !InRange(to, 1, kFieldCells)) return false;
    Cell(k) = to;
    return true;
  }
  Int OwnMarkerSum() {
    Int sum = 0;
    for (int p = 1; p <= kSquadSize; ++p) sum += team_.PlayerMarkerType[p];
    return sum;
  }
  Int CellSum(int first) {
    Int sum = 0;
    for (int k = first; k < first + kSquadSize; ++k) sum += Cell(k);
    return sum;
  }

  void OppositionShoots(int q, int p, ShotResult& result);
  void TeamShoots(int p, int q, ShotResult& result);
  const struct ShotPlan& PlanShots(SightTest sight);
  bool InRangeAndSight(int shooter, int target, Int markerType, SightTest sight);
  Int Modifier(int k);
  bool Blocked(int k, int ahead);
  int OwnCarrierIndex() const;
  int OppositionCarrierIndex() const;

  void Fatigue(Int t);
  void MarkerWear();
  void Malfunctions();
  void PaintUse();
  void LeadersStepAside();
  void Whistle();
  void TaggedOffTheBreak();
  void Deploy(Int t);
  void CoverFlanks();
  void Advance();
  void Collisions();
  void FirstPickup();
  void Possession();
  void DropLostFlag();
  void Splats();
  void ClearTheWay();
  void OwnSighting();
  void SecondPickup();
  void OppositionSighting();
  void OwnCarrier();
  void ClearRun();
  void OppositionCarrier();

  GameState& s_;
  RuntimeState& r_;
  TeamRecord& team_;
  OppositionTeam& opp_;
  int lines_ = 0;
};

// --- the shot step ---------------------------------------------------------

bool Match::InRangeAndSight(int shooter, int target, Int markerType, SightTest sight) {
  if (!InPlay(shooter) || !InPlay(target)) return false;
  const Int range = (Int(100) - (Raining() ? 20 : 0)) * markerType;
  if (!WithinRange(range, Cell(shooter), Cell(target))) return false;
  if (IsOwn(shooter) && team_.Paintballs <= 0) return false;
  return sight(Cell(shooter), Cell(target));
}

// Fitness, a customised marker and, early in the game, the role's tactic.
Int Match::Modifier(int k) {
  const bool own = IsOwn(k);
  const int n = own ? k : k - kSquadSize;
  Int m = own ? r_.OwnFitness[n] : r_.OppFitness[n];
  if (own && team_.PlayerMarkerCustom[n] > 0) m += 1;
  if (r_.MatchClock >= 11) m += RoleBonus(own ? OwnTactic(r_, RoleOf(n)) : OppTactic(r_, RoleOf(n)));
  return m;
}

void Match::OppositionShoots(int q, int p, ShotResult& result) {
  const int shooter = Opp(q);
  if (!InPlay(shooter) || !InPlay(p)) return;
  if (!(s_.Random(400) < opp_.PlayerSpeed[q])) return;
  const Int ma = Modifier(shooter);
  const Int md = Modifier(p);
  Int attack = s_.Random(5);
  attack += opp_.PlayerAccuracy[q];
  attack += s_.Random(opp_.PlayerMarkerType[q]);
  attack += ma;
  Int defence = s_.Random(team_.PlayerMarkerType[p]);
  defence += team_.PlayerAgility[p];
  defence += s_.Random(5);
  defence += md;
  Log("Opposition Player #" + std::to_string(q) + " fires at " + Name(p) + " with an Attack score of " +
      attack.Str() + " (" + ma.Str() + ")");
  Log(Name(p) + " defends with " + defence.Str() + "(" + md.Str() + ")");
  if (!(attack > defence)) {
    Log("Your player is not tagged.");
    return;
  }
  ++opp_.PlayerTagsFor[q];
  ++team_.PlayerTagsAgainst[p];
  Log("Your player is tagged and leaves the field.");
  if (r_.FlagCarrier == p) {
    Log(Name(p) + " was carrying the flag, and drops it.");
    r_.FlagCell = Cell(p);
    r_.FlagCarrier = 0;
  }
  result.Tags[static_cast<std::size_t>(result.TagCount++)] = {Cell(shooter), Cell(p), false};
  Cell(p) = 0;
}

void Match::TeamShoots(int p, int q, ShotResult& result) {
  const int target = Opp(q);
  if (!InPlay(p) || !InPlay(target)) return;
  if (!(s_.Random(350) < team_.PlayerSpeed[p] && team_.Paintballs > 0)) return;
  const Int ma = Modifier(p);
  const Int md = Modifier(target);
  Int attack = s_.Random(5);
  attack += team_.PlayerAccuracy[p];
  attack += s_.Random(team_.PlayerMarkerType[p]);
  attack += ma;
  Int defence = s_.Random(opp_.PlayerMarkerType[q]);
  defence += opp_.PlayerAgility[q];
  defence += s_.Random(5);
  defence += md;
  Log("Your Player " + Name(p) + " fires at opposition team member #" + std::to_string(q) +
      " with an Attack score of " + attack.Str() + " (" + ma.Str() + ")");
  Log("Player #" + std::to_string(q) + " defends with " + defence.Str() + " (" + md.Str() + ")");
  if (!(attack > defence)) {
    Log("Opposition Team Member is not tagged.");
    return;
  }
  ++team_.PlayerTagsFor[p];
  team_.PlayerPopularity[p] += 2;
  if (team_.PlayerPopularity[p] > 100) team_.PlayerPopularity[p] = 100;
  ++opp_.PlayerTagsAgainst[q];
  Log("Opposition player is tagged and leaves the field.");
  if (r_.FlagCarrier == target) {
    Log("Tagged Player was carrying the flag, and drops it.");
    r_.FlagCell = Cell(target);
    r_.FlagCarrier = 0;
  }
  result.Tags[static_cast<std::size_t>(result.TagCount++)] = {Cell(p), Cell(target), true};
  Cell(target) = 0;
}

// The pairs of players in range and in sight of each other, in the order
// the shot step takes them: the opposition's shooters first. Between event
// steps nobody moves, so most frames find the same pairs as the frame
// before; the plan is kept (per thread) while what it was made from holds.
struct ShotPlan {
  struct Inputs {
    std::array<Int, kMatchPlayers> Cells;
    std::array<Int, kMatchPlayers> Markers;
    bool Raining;
    bool Paint;
    SightTest Sight;
  };
  Inputs From{};
  bool Made = false;
  int OppositionPairs = 0, Pairs = 0;
  std::array<std::array<std::uint8_t, 2>, kSquadSize * kSquadSize * 2> Pair{};
};

const ShotPlan& Match::PlanShots(SightTest sight) {
  thread_local ShotPlan plan;
  static_assert(decltype(r_.PlayerCell)::Size() == kMatchPlayers);
  ShotPlan::Inputs& in = plan.From;
  const Int* markers[2] = {team_.PlayerMarkerType.begin(), opp_.PlayerMarkerType.begin()};
  const bool same = plan.Made && in.Raining == Raining() && in.Paint == (team_.Paintballs > 0) &&
                    in.Sight == sight &&
                    std::equal(in.Cells.begin(), in.Cells.end(), r_.PlayerCell.begin()) &&
                    std::equal(markers[0], markers[0] + kSquadSize, in.Markers.begin()) &&
                    std::equal(markers[1], markers[1] + kSquadSize, in.Markers.begin() + kSquadSize);
  if (same) return plan;
  std::copy_n(r_.PlayerCell.begin(), kMatchPlayers, in.Cells.begin());
  std::copy_n(markers[0], kSquadSize, in.Markers.begin());
  std::copy_n(markers[1], kSquadSize, in.Markers.begin() + kSquadSize);
  in.Raining = Raining();
  in.Paint = team_.Paintballs > 0;
  in.Sight = sight;
  plan.Made = true;
  plan.Pairs = 0;
  const auto add = [this, sight](int shooter, int target, int a, int b) {
    if (!InRangeAndSight(shooter, target, plan.From.Markers[static_cast<std::size_t>(shooter - 1)], sight))
      return;
    plan.Pair[static_cast<std::size_t>(plan.Pairs++)] = {static_cast<std::uint8_t>(a),
                                                         static_cast<std::uint8_t>(b)};
  };
  for (int q = 1; q <= kSquadSize; ++q) {
    for (int p = 1; p <= kSquadSize; ++p) add(Opp(q), p, q, p);
  }
  plan.OppositionPairs = plan.Pairs;
  for (int p = 1; p <= kSquadSize; ++p) {
    for (int q = 1; q <= kSquadSize; ++q) add(p, Opp(q), p, q);
  }
  return plan;
}

void Match::Shots(SightTest sight, ShotResult& result) {
  result.TagCount = 0;
  // A tag takes its target out of play at once; the shoot functions check
  // that before every shot, as nothing else a shot does changes the plan.
  const ShotPlan& plan = PlanShots(sight);
  for (int i = 0; i < plan.Pairs; ++i) {
    const auto [a, b] = plan.Pair[static_cast<std::size_t>(i)];
    if (i < plan.OppositionPairs) {
      OppositionShoots(a, b, result);
    } else {
      TeamShoots(a, b, result);
    }
  }
}

// --- the event step --------------------------------------------------------

void Match::Fatigue(Int t) {
  if (!(t < 15)) return;
  for (int p = 1; p <= kSquadSize; ++p) {
    const Int roll = s_.Random(team_.PlayerStamina[p]);
    if (roll + 3 > team_.PlayerStamina[p] && InPlay(p)) {
      --r_.OwnFitness[p];
      Log(Name(p) + " feels tired, affecting Attack and Defence scores.");
    }
  }
  for (int q = 1; q <= kSquadSize; ++q) {
    const Int roll = s_.Random(opp_.PlayerStamina[q]);
    if (roll + 3 > opp_.PlayerStamina[q]) --r_.OppFitness[q];
  }
}

void Match::MarkerWear() {
  const Int p = s_.Random(7) + 1;
  if (team_.PlayerMarkerType[p] > 0 && team_.PlayerMarkerCondition[p] > 3 && InPlay(p.v)) {
    team_.PlayerMarkerCondition[p] -= s_.Random(4);
  }
  for (int n = 1; n <= kSquadSize; ++n) {
    if (!(team_.PlayerMarkerType[n] > 0)) team_.PlayerMarkerCondition[n] = 100;
  }
}

void Match::Malfunctions() {
  const Int threshold = Raining() ? 3 : 0;
  r_.MalfunctionShown = 0;
  for (int roll = 1; roll <= 2; ++roll) {
    const Int p = s_.Random(7) + 1;
    Int t = s_.Random(85);
    t += threshold;
    if (!(team_.PlayerMarkerCondition[p] < t && team_.PlayerMarkerType[p] > 0 && InPlay(p.v))) continue;
    // The marker is gone, and its customisation with it.
    team_.PlayerMarkerType[p] = 0;
    team_.PlayerMarkerCustom[p] = 0;
    if (roll == 1) Log(Name(p.v) + " has a major marker malfunction.");
    r_.MalfunctionShown = 1;
  }
}

void Match::PaintUse() {
  Int used = 0;
  for (int p = 1; p <= kSquadSize; ++p) {
    used += s_.Random(3);
    used += team_.PlayerMarkerType[p];
  }
  if (CellSum(Opp(1)) >= 1 && CellSum(1) >= 1 && OwnMarkerSum() >= 1 && team_.Paintballs > 0) {
    team_.Paintballs -= used;
    if (team_.Paintballs < 0) team_.Paintballs = 0;
  }
}

void Match::LeadersStepAside() {
  for (int k : {4, Opp(4)}) {
    if (Cell(k) == 31) {
      Cell(k) = 30;
    } else if (Cell(k) == 33) {
      Cell(k) = 34;
    } else if (Cell(k) == 32) {
      Cell(k) = s_.Random(100) < 50 ? 31 : 33;
    }
  }
}

void Match::Whistle() {
  Log("GAME PLAYED: " + team_.Month.Str() + "/" + team_.Year.Str() + ".");
  Log(kRule);
  Log("The whistle sounds... Teams dash from their flag stations!");
  if (Raining()) Log("Bad weather will have an impact upon speed, accuracy, and range.");
  struct TacticLines {
    Role For;
    std::array<const char*, 3> Lines;
  };
  static constexpr std::array<TacticLines, 4> kTacticLines = {{
      {Role::Flank,
       {"Your flanks are going to drop short.", "Your flanks are going to drop medium.",
        "Your flanks are going to drop long."}},
      {Role::Support,
       {"Your Support Players are going to drop short.", "Your Support Players are going to drop Medium.",
        "Your Support Players are going to drop Long."}},
      {Role::Forward,
       {"Your Forward Players are going to drop short.", "Your Forward Players are going to drop Medium.",
        "Your Forward Players are going to drop Long."}},
      {Role::Leader,
       {"Your Leader is going to drop short.", "Your Leader is going Mid-Field.",
        "Your Leader is going to dash straight for the flag."}},
  }};
  for (const TacticLines& t : kTacticLines) {
    const Int tactic = OwnTactic(r_, t.For);
    if (InRange(tactic, 1, 3)) Log(t.Lines[static_cast<std::size_t>(tactic.v - 1)]);
  }
  for (int p = 1; p <= kSquadSize; ++p) Move(p, 7);
  for (int q = 1; q <= kSquadSize; ++q) Move(Opp(q), -7);
}

void Match::TaggedOffTheBreak() {
  for (int p = 1; p <= kSquadSize; ++p) {
    const Int roll = s_.Random(25) + 1;
    if (!(InPlay(p) && roll == 10)) continue;
    Cell(p) = 0;
    Log(Name(p) + " is tagged off the break.");
    ++team_.PlayerTagsAgainst[p];
    team_.PlayerPopularity[p] -= 2;
    if (team_.PlayerPopularity[p] < 1) team_.PlayerPopularity[p] = 1;
    const Int q = s_.Random(7) + 1;
    ++opp_.PlayerTagsFor[q];
  }
  if (!(team_.Paintballs >= 1 && OwnMarkerSum() >= 1)) return;
  for (int q = 1; q <= kSquadSize; ++q) {
    const Int roll = s_.Random(25) + 1;
    if (!(InPlay(Opp(q)) && roll == 10)) continue;
    Log("Opposition Team Member #" + std::to_string(q) + " is tagged off the break.");
    Cell(Opp(q)) = 0;
    ++opp_.PlayerTagsAgainst[q];
    const Int p = s_.Random(7) + 1;
    ++team_.PlayerTagsFor[p];
  }
}

void Match::Deploy(Int t) {
  const auto own = [&](auto moves) {
    for (int p = 1; p <= kSquadSize; ++p) {
      if (moves(RoleOf(p), OwnTactic(r_, RoleOf(p)))) Move(p, 7);
    }
  };
  const auto opposition = [&](auto moves) {
    for (int q = 1; q <= kSquadSize; ++q) {
      if (moves(RoleOf(q), OppTactic(r_, RoleOf(q)))) Move(Opp(q), -7);
    }
  };
  const bool dry = !Raining();
  if (t == 19) {
    const auto beyondShort = [](Role, Int tactic) { return tactic > 1; };
    own(beyondShort);
    opposition(beyondShort);
  } else if (t == 18) {
    opposition([dry](Role role, Int tactic) { return tactic == 3 && (role != Role::Leader || dry); });
    own([](Role, Int tactic) { return tactic == 3; });
  } else if (t == 17) {
    opposition([dry](Role role, Int tactic) {
      return tactic == 3 && (role == Role::Flank || (role == Role::Leader && dry));
    });
    own([](Role role, Int tactic) { return tactic == 3 && (role == Role::Flank || role == Role::Leader); });
  }
}

void Match::CoverFlanks() {
  // A support player already on the lane by the field's edge stays there.
  static constexpr std::array<int, 8> kLeftEdge = {8, 15, 22, 29, 36, 43, 50, 57};
  static constexpr std::array<int, 8> kRightEdge = {14, 21, 28, 35, 42, 49, 56, 63};
  const auto cover = [&](int support, int flank, const std::array<int, 8>& edge, int by, std::string line) {
    if (InPlay(flank) || !InPlay(support)) return;
    for (int cell : edge) {
      if (Cell(support) == cell) return;
    }
    if (Move(support, by)) Log(std::move(line));
  };
  cover(Opp(2), Opp(1), kLeftEdge, -1,
        "Opposition Support Player #2 moves wide to cover his tagged Flank Player.");
  cover(Opp(6), Opp(7), kRightEdge, +1,
        "Opposition Support Player #6 moves wide to cover his tagged Flank Player.");
  cover(2, 1, kLeftEdge, -1, Name(2) + " moves wide to cover his tagged Flank Player.");
  cover(6, 7, kRightEdge, +1, Name(6) + " moves wide to cover his tagged Flank Player.");
}

bool Match::Blocked(int k, int ahead) {
  const Int cell = Cell(k) + ahead;
  for (int other = 1; other <= kMatchPlayers; ++other) {
    if (other != k && Cell(other) == cell) return true;
  }
  return false;
}

void Match::Advance() {
  for (int p = 1; p <= kSquadSize; ++p) {
    if (Blocked(p, 7)) continue;
    Int roll = s_.Random(team_.PlayerSpeed[p]);
    roll += team_.PlayerStamina[p];
    const Int nerve = s_.Random(30);
    const std::string who = std::string(RoleTitle(RoleOf(p))) + " " + Name(p);
    if (roll <= nerve && r_.FlagCell != p) {
      if (InPlay(p)) Log(who + " decides against moving to new cover.");
    } else if (InRange(Cell(p), 1, 49)) {
      Cell(p) += 7;
      Log(who + " runs forward.");
    }
  }
  for (int q = 1; q <= kSquadSize; ++q) {
    const int k = Opp(q);
    if (Blocked(k, -7)) continue;
    Int roll = s_.Random(opp_.PlayerSpeed[q]);
    roll += opp_.PlayerStamina[q];
    const Int nerve = s_.Random(30);
    if ((roll > nerve || r_.FlagCell == k) && Cell(k) >= 15) Cell(k) -= 7;
  }
}

void Match::Collisions() {
  for (int p = 1; p <= kSquadSize; ++p) {
    for (int q = 1; q <= kSquadSize; ++q) {
      if (!(InPlay(p) && Cell(p) == Cell(Opp(q)))) continue;
      Cell(p) = 0;
      Cell(Opp(q)) = 0;
      ++team_.PlayerTagsFor[p];
      ++team_.PlayerTagsAgainst[p];
      ++opp_.PlayerTagsFor[q];
      ++opp_.PlayerTagsAgainst[q];
      Log(std::string(RoleTitle(RoleOf(p))) + " " + Name(p) + " runs into opposition player #" +
          std::to_string(q) + " and both players are eliminated.");
    }
  }
}

void Match::FirstPickup() {
  for (int k = 1; k <= kMatchPlayers; ++k) {
    if (!(InPlay(k) && r_.FlagCell == Cell(k))) continue;
    r_.FlagCell = -100;
    r_.FlagCarrier = k;
    if (r_.FirstFlagGrabber == 0 && IsOwn(k)) {
      team_.PlayerPopularity[k] += 10;
      if (team_.PlayerPopularity[k] > 100) team_.PlayerPopularity[k] = 100;
      ++team_.PlayerFlagsPulled[k];
      Log(Name(k) + " makes the first flag grab of the game!");
    }
    if (r_.FirstFlagGrabber == 0 && !IsOwn(k)) Log("The Opposition Team grab the flag first!");
    if (r_.FirstFlagGrabber == 0) r_.FirstFlagGrabber = k;
  }
}

void Match::Possession() {
  const Int k = r_.FlagCarrier;
  if (InRange(k, 1, kSquadSize)) Log("The flag is in possession of " + Name(k.v));
  if (InRange(k, Opp(1), Opp(kSquadSize)))
    Log("The flag is in possession of Opposition Player #" + (k - kSquadSize).Str());
}

void Match::DropLostFlag() {
  const Int k = r_.FlagCarrier;
  if (InRange(k, 1, kMatchPlayers) && !InPlay(k.v)) {
    r_.FlagCarrier = 0;
    r_.FlagCell = kFlagStart;
  }
}

void Match::Splats() {
  for (int i = 1; i <= kSplatsPerStep; ++i) {
    const Int x = s_.Random(700) + 50;
    const Int y = s_.Random(372) + 50;
    const Int side = s_.Random(2) + 1;
    const Int at = r_.SplatCount + i;
    if (!Ints600::Valid(at)) continue;
    r_.SplatX[at] = x;
    r_.SplatY[at] = y;
    r_.SplatTeam[at] = side;
  }
  r_.SplatCount += kSplatsPerStep;
}

int Match::OwnCarrierIndex() const {
  const Int k = r_.FlagCarrier;
  return InRange(k, 1, kSquadSize) ? k.v : 0;
}

int Match::OppositionCarrierIndex() const {
  const Int k = r_.FlagCarrier;
  return InRange(k, Opp(1), Opp(kSquadSize)) ? k.v : 0;
}

void Match::ClearTheWay() {
  const int carrier = OwnCarrierIndex();
  if (carrier == 0) return;
  const Int ahead = Cell(carrier) + 7;
  for (int p = 1; p <= kSquadSize; ++p) {
    if (Cell(p) == ahead && Move(p, 1)) Log(Name(p) + " moves aside for the flag-holder to pass.");
  }
}

// The four ways onto a flag lying beside a player, tested one after another.
struct Sighting {
  int By;
  const char* OwnLine;
};
constexpr std::array<Sighting, 4> kSightings = {{
    {+1, " sees the flag and dashes left to attempt a grab."},
    {-1, " sees the flag and dashes right to attempt a grab."},
    {+7, " sees the flag and runs forward to try for a grab."},
    {-7, " sees the flag and dashes back to attempt a grab."},
}};

void Match::OwnSighting() {
  if (!(r_.MatchClock < 14)) return;
  for (int p = 1; p <= kSquadSize; ++p) {
    if (!InPlay(p)) continue;
    const Int speed = team_.PlayerSpeed[p];
    const Int roll = s_.Random(speed + 5);
    if (roll < speed) {
      for (const Sighting& way : kSightings) {
        if (r_.FlagCell == Cell(p) + way.By && Move(p, way.By)) Log(Name(p) + way.OwnLine);
      }
    }
    if (roll > speed + 1 && r_.FlagCell > 0)
      Log(Name(p) + " sees the flag, but fails a speed-check to grab it.");
  }
}

void Match::SecondPickup() {
  for (int k = 1; k <= kMatchPlayers; ++k) {
    if (!(InPlay(k) && Cell(k) == r_.FlagCell)) continue;
    r_.FlagCell = -100;
    r_.FlagCarrier = k;
    Log("The flag has been acquired!");
    if (r_.FirstFlagGrabber == 0) r_.FirstFlagGrabber = k;
    if (IsOwn(k)) ++team_.PlayerFlagsPulled[k];
  }
}

void Match::OppositionSighting() {
  if (!(r_.MatchClock < 14)) return;
  for (int q = 1; q <= kSquadSize; ++q) {
    const int k = Opp(q);
    if (!InPlay(k)) continue;
    for (const Sighting& way : kSightings) {
      if (r_.FlagCell == Cell(k) + way.By && Move(k, way.By))
        Log("Opposition Player #" + std::to_string(q) + " sees the flag and attempts a grab.");
    }
  }
}

void Match::OwnCarrier() {
  const int p = OwnCarrierIndex();
  if (p == 0) return;
  const std::string who = "Your Player " + Name(p);
  if (Cell(p) == 60) {
    team_.PlayerPopularity[p] += 10;
    if (team_.PlayerPopularity[p] > 100) team_.PlayerPopularity[p] = 100;
    Log(who + " hangs the flag!");
    r_.MatchClock = 1;
    r_.FlagHungBy = 1;
  }
  int by = 0;
  if (InRange(Cell(p), 57, 59)) {
    by = 1;
  } else if (InRange(Cell(p), 61, 63)) {
    by = -1;
  } else if (InRange(Cell(p), 50, 56)) {
    by = 7;
  }
  if (by != 0 && Move(p, by)) Log(who + " is running to the flag station with the flag!");
}

void Match::ClearRun() {
  const Int k = r_.FlagCarrier;
  if (!(InRange(k, 1, kMatchPlayers) && Cell(k.v) == 46)) return;
  for (int p : {3, 5}) {
    if (Cell(p) != 53) continue;
    Cell(p) = 52;
    Log("Your Player " + Name(p) + " moves to give the flag-holder a clear run.");
  }
  for (int q : {3, 5}) {
    if (Cell(Opp(q)) == 53) Cell(Opp(q)) = 52;
  }
}

void Match::OppositionCarrier() {
  const int k = OppositionCarrierIndex();
  if (k == 0) return;
  if (Cell(k) == 4) {
    r_.MatchClock = 1;
    r_.FlagHungBy = 2;
    Log("Opposition Team Member #" + std::to_string(k - kSquadSize) + " hangs the flag!");
  }
  if (InRange(Cell(k), 1, 3)) {
    Move(k, 1);
  } else if (InRange(Cell(k), 5, 7)) {
    Move(k, -1);
  } else if (InRange(Cell(k), 8, 14)) {
    Move(k, -7);
  }
}

bool Match::Event() {
  lines_ = 0;
  r_.ActionPicture = s_.Random(9) + 1;
  const Int t = r_.MatchClock;
  Fatigue(t);
  MarkerWear();
  Malfunctions();
  PaintUse();
  LeadersStepAside();
  if (t == kKickoffClock) {
    Whistle();
    TaggedOffTheBreak();
  }
  Deploy(t);
  if (InRange(t, 11, 15)) CoverFlanks();
  if (InRange(t, 2, 12)) Advance();
  Collisions();
  FirstPickup();
  Possession();
  DropLostFlag();
  if (lines_ == 0) Log("");
  --r_.MatchClock;
  Log(kRule);
  Log("Time Remaining: " + r_.MatchClock.Str());
  Log(kRule);
  Splats();
  ClearTheWay();
  OwnSighting();
  SecondPickup();
  OppositionSighting();
  OwnCarrier();
  ClearRun();
  OppositionCarrier();
  if (!(r_.MatchClock < 2)) return false;
  r_.ResultStage = 0;
  Log("The final whistle is blown, and the game ends.");
  return true;
}

}  // namespace

std::string_view RoleName(Role role) {
  switch (role) {
    case Role::Flank: return "Flank";
    case Role::Support: return "Support";
    case Role::Forward: return "Forward";
    case Role::Leader: return "Leader";
  }
  return "";
}

std::string_view TacticName(Role role, Int tactic) {
  static constexpr std::array<std::string_view, 3> kRunning = {"Drop Short", "Go Medium", "Go Long"};
  static constexpr std::array<std::string_view, 3> kLeading = {"Hang Back", "Mid Field", "Rush Flag"};
  if (!InRange(tactic, 1, 3)) return "";
  return (role == Role::Leader ? kLeading : kRunning)[static_cast<std::size_t>(tactic.v - 1)];
}

Int& OwnTactic(RuntimeState& r, Role role) {
  switch (role) {
    case Role::Flank: return r.FlankTactic;
    case Role::Support: return r.SupportTactic;
    case Role::Forward: return r.ForwardTactic;
    case Role::Leader: return r.LeaderTactic;
  }
  return r.LeaderTactic;
}

Int& OppTactic(RuntimeState& r, Role role) {
  switch (role) {
    case Role::Flank: return r.OppFlankTactic;
    case Role::Support: return r.OppSupportTactic;
    case Role::Forward: return r.OppForwardTactic;
    case Role::Leader: return r.OppLeaderTactic;
  }
  return r.OppLeaderTactic;
}

OppositionTeam& LeagueTeam(LeagueRecord& league, Int slot) {
  return league[LeagueRecord::Valid(slot) ? slot : Int(1)];
}

const OppositionTeam& LeagueTeam(const LeagueRecord& league, Int slot) {
  return league[LeagueRecord::Valid(slot) ? slot : Int(1)];
}

OppositionTeam& MatchTeam(GameState& state) { return LeagueTeam(state.League, state.Runtime.MatchOpponent); }

const OppositionTeam& MatchTeam(const GameState& state) {
  return LeagueTeam(state.League, state.Runtime.MatchOpponent);
}

void AppendLog(GameState& state, std::string line) {
  RuntimeState& r = state.Runtime;
  // A damaged count reads as an empty or a full log.
  if (r.MatchLogCount < 0) r.MatchLogCount = 0;
  if (r.MatchLogCount > 600) r.MatchLogCount = 600;
  if (r.MatchLogCount < 600) ++r.MatchLogCount;
  r.MatchLog[r.MatchLogCount] = std::move(line);
}

void ClearMatchLog(GameState& state) {
  for (std::string& line : state.Runtime.MatchLog) line.clear();
  state.Runtime.MatchLogCount = 0;
}

void Kickoff(GameState& state) {
  RuntimeState& r = state.Runtime;
  r.MatchClock = kKickoffClock;
  r.FlagCell = kFlagStart;
  for (int p = 1; p <= kSquadSize; ++p) {
    r.PlayerCell[p] = p;
    r.PlayerCell[Opp(p)] = 56 + p;
  }
  const int choices = r.Weather == kWeatherRaining ? 2 : 3;
  for (Role role : {Role::Flank, Role::Forward, Role::Support, Role::Leader}) {
    OppTactic(r, role) = state.Random(choices) + 1;
  }
  r.SplatCount = 0;
  r.FirstFlagGrabber = 0;
  r.FlagCarrier = 0;
  r.FlagHungBy = 0;
  r.ResultComputed = 0;
  for (Int& f : r.OwnFitness) f = 0;
  for (Int& f : r.OppFitness) f = 0;
}

bool TableSight(Int shooterCell, Int targetCell) { return CellsInSight(shooterCell, targetCell); }

bool WalkedSight(Int shooterCell, Int targetCell) {
  return LineOfSightClear(CellPoint(shooterCell), CellPoint(targetCell));
}

void ShotStep(GameState& state, ShotResult& result, SightTest sight) { Match(state).Shots(sight, result); }

ShotResult ShotStep(GameState& state, SightTest sight) {
  ShotResult result;
  ShotStep(state, result, sight);
  return result;
}

bool EventStep(GameState& state) { return Match(state).Event(); }

}  // namespace vantoro
