#include "text/generators.hpp"

#include <array>
#include <cstddef>
#include <string_view>

#include "state/derived.hpp"

namespace vantoro {
namespace {

using std::string_view_literals::operator""sv;

// Entry i (1-based) of a table; empty text when i names no entry.
template <class T, std::size_t N>
T Entry(const std::array<T, N>& table, Int i) {
  if (i < 1 || i > static_cast<int>(N)) return T{};
  return table[static_cast<std::size_t>(i.v - 1)];
}

// Every prefix carries its own trailing blank.
constexpr std::array kTeamPrefixes = {
    "Flying "sv, "Golden "sv, "Flaming "sv, "The "sv,      "Screaming "sv, "Team "sv,
    "Cold "sv,   "Night "sv,  "Grey "sv,    "Molten "sv,   "Dark "sv,      "Stone "sv,
    "Steel "sv,  "Iron "sv,   "Indigo "sv,  "Charging "sv, "Red "sv,       "Shining "sv,
    "Ice "sv,    "Hidden "sv, "Mystic "sv,  "Magic "sv,    "Legendary "sv, "Bright "sv,
    "Silent "sv, "Crying "sv, "Burning "sv, "Platinum "sv, "Omicron "sv,   "Blade "sv,
};

constexpr std::array kTeamNouns = {
    "Tigers"sv,   "Squirrels"sv, "Star"sv,      "Lightning"sv, "Bears"sv,   "Lions"sv,
    "Falcon"sv,   "Eagle"sv,     "Viper"sv,     "Cobra"sv,     "Mustang"sv, "Fear"sv,
    "Phantoms"sv, "Banshee"sv,   "Gargoyles"sv, "Legion"sv,    "Squad"sv,   "Phoenix"sv,
    "Dragons"sv,  "Wyverns"sv,   "Vampires"sv,  "Bats"sv,      "Turtles"sv, "Cougars"sv,
    "Rams"sv,     "Spears"sv,    "Bullet"sv,    "Claymore"sv,  "Jokers"sv,  "Starship"sv,
};

struct FirstName {
  std::string_view Text;  // with its trailing blank
  int Gender;
};

constexpr std::array<FirstName, 60> kFirstNames = {{
    {"John ", 1},   {"Mike ", 1},   {"David ", 1},   {"Aaron ", 1},  {"Tim ", 1},    {"Simon ", 1},
    {"Saman ", 1},  {"Jenny ", 2},  {"Jeska ", 2},   {"Angela ", 2}, {"Graeme ", 1}, {"Dermot ", 1},
    {"Todd ", 1},   {"Rob ", 1},    {"Tegwyn ", 2},  {"Jan ", 2},    {"James ", 1},  {"Allan ", 1},
    {"Rachel ", 2}, {"Paul ", 1},   {"BJ ", 1},      {"Wayne ", 1},  {"Jason ", 1},  {"Steven ", 1},
    {"Rene ", 1},   {"Susan ", 2},  {"Jack ", 1},    {"Rich ", 1},   {"Derek ", 1},  {"Darryl ", 1},
    {"Brian ", 1},  {"Alex ", 1},   {"Kevin ", 1},   {"Geoff ", 1},  {"Harry ", 1},  {"Inigo ", 1},
    {"Eric ", 1},   {"Ron ", 1},    {"Terry ", 1},   {"Yusef ", 1},  {"Olaf ", 1},   {"Perry ", 1},
    {"Adrian ", 1}, {"Dorian ", 1}, {"Francis ", 1}, {"George ", 1}, {"Kurt ", 1},   {"Lenny ", 1},
    {"Zoe ", 2},    {"Xavier ", 1}, {"Cedrik ", 1},  {"Val ", 2},    {"Bob ", 1},    {"Nigel ", 1},
    {"Merry ", 1},  {"Quincy ", 1}, {"Wendle ", 1},  {"Ricky ", 1},  {"Tara ", 2},   {"Ulric ", 1},
}};

// clang-format off
constexpr std::array kSurnames = {
    "Smith"sv, "Jackson"sv, "Jones"sv, "Dunmore"sv, "Sanders"sv,
    "Gray"sv, "Ireland"sv, "Blake"sv, "Avon"sv, "Drej"sv,
    "Bryce"sv, "Clay"sv, "Burton"sv, "Hanson"sv, "Maiden"sv,
    "Drake"sv, "Smythe"sv, "Bucket"sv, "Anders"sv, "Gorman"sv,
    "Burke"sv, "Cotter"sv, "Deeker"sv, "Marks"sv, "Cooper"sv,
    "Porter"sv, "Cole"sv, "Koenig"sv, "King"sv, "Drade"sv,
    "Quayle"sv, "West"sv, "Enders"sv, "Rogers"sv, "Tattle"sv,
    "Yarden"sv, "Usul"sv, "Ingersol"sv, "Olliveti"sv, "Prada"sv,
    "Ambers"sv, "Mocker"sv, "Ford"sv, "Gauge"sv, "Horton"sv,
    "Loki"sv, "Truss"sv, "Lee"sv, "Breen"sv, "Gale"sv,
};
// clang-format on

// Model 0 is "no marker".
constexpr std::array kMarkerModels = {
    "None"sv,    "PeeGee"sv,   "PTL 68"sv, "T-68sc"sv,  "Stocker"sv,   "Daedelus"sv,
    "Longbow"sv, "DarkFyre"sv, "Svelte"sv, "Omicron"sv, "FireStorm"sv,
};

// clang-format off
constexpr std::array kOccupations = {
    "Doctor"sv, "Phone Sales"sv, "Hunter"sv, "Taxi Driver"sv, "Military"sv,
    "Postman"sv, "Photographer"sv, "Reporter"sv, "Accountant"sv, "Motel Owner"sv,
    "Welder"sv, "Airline Pilot"sv, "Therapist"sv, "Police Officer"sv, "Unemployed"sv,
    "Used Car Sales"sv, "Insurance Sales"sv, "Dentist"sv, "Receptionist"sv, "Gardener"sv,
    "Mechanic"sv, "Publisher"sv, "Interior Design"sv, "Teacher"sv, "Solicitor"sv,
    "Fisherman"sv, "Shopkeeper"sv, "Actor"sv, "Dancer"sv, "Surgeon"sv,
    "Baker"sv, "Butcher"sv, "Musician"sv, "Dietician"sv, "Civil Servant"sv,
    "Bartender"sv, "Club Bouncer"sv, "Zookeeper"sv, "Blacksmith"sv, "Sculptor"sv,
    "Painter"sv, "Panelbeater"sv, "Vet"sv, "TV Repair"sv, "Film Critic"sv,
    "Landscaper"sv, "Road Worker"sv, "Firefighter"sv, "Pediatrician"sv, "Coal Miner"sv,
};
// clang-format on

// Remarks 1 and 12 are composed from the game state and left empty here.
constexpr std::array<std::string_view, 40> kRemarks = {
    "",
    "Does anyone have a squeegee?",
    "Seen the new Extreme Challenge DVD?",
    "Damn, Ive spilled paint everywhere.",
    "It is a little bit cold this morning.",
    "Does anyone want the newspaper?",
    "We need to get a new team car.",
    "Hey, that barrel cleaner is mine!",
    "Should we look at a new brand of paint?",
    "The trick is to lean out just as you fire.",
    "Bush-ball is dead. Airball is where it is at.",
    "",
    "The new GLEAN loader is apparently really hot.",
    "Dont forget we need to fill these scubas today.",
    "Hey, this bottle is outside its test date!",
    "Yeah, theres a burr in the thread, see?",
    "Does anyone have any urethane O-rings?",
    "We should probably get more practice time in.",
    "Why can I never find a screwdriver in this place?",
    "WOAH! Look at the size of that bug!",
    "We really need to take a look at those drains.",
    "I hope the weather holds out for the next event.",
    "We should eat out tonight. I dont want to cook.",
    "Maybe we should get a pinball machine.",
    "Tonight is gear maintenance night, remember.",
    "I wish the neighbours would turn the stereo down.",
    "Has anybody got any duct tape?",
    "I think this regulator should handle 4000psi.",
    "Damn marker got all scratched up last game.",
    "Hey, the tap water is coming out all brown!",
    "I think someone has just stolen our letterbox.",
    "What the hell is that smell?",
    "Its cold in here. We should get a rug.",
    "Im going to get petrol for the lawn mower.",
    "Who is head marshall now, anyway?",
    "Why do I get the feeling this isnt going to work?",
    "Hey - Turn the music down a bit will you?",
    "Im finding this book a bit hard going.",
    "Whos seen my box of paintball magazines?",
    "I think our dishwasher might need fixing.",
};

constexpr int kAskAboutNextMarker = 1;
constexpr int kAskAboutOpponent = 12;

std::string ChosenRemark(GameState& state) {
  const Int q = state.Random(40) + 1;
  if (q == kAskAboutNextMarker) {
    // The catalogue releases model Year - 1996 next; past model 10 there is
    // nothing left to release and the name is empty.
    return "Has the " + MarkerModelName(state.Team.Year - 1996) + " come out yet?";
  }
  if (q == kAskAboutOpponent) {
    // Player before team; team 9 and the seventh players are never asked about.
    const Int p = state.Random(6) + 1;
    const Int t = state.Random(8) + 1;
    return "Is " + state.League[t].PlayerName[p].Str() + " playing this year?";
  }
  return std::string(Entry(kRemarks, q));
}

int PlayersWithoutMarker(const TeamRecord& team) {
  int count = 0;
  for (int p = 1; p <= kSquadSize; ++p) {
    if (team.PlayerMarkerType[p] == 0) ++count;
  }
  return count;
}

std::string_view MoraleRemark(Int morale) {
  // Later tests override earlier ones, so the gloomiest matching remark wins.
  std::string_view remark;
  if (morale > 79) remark = "I cant wait for the next tourney!";
  if (morale < 80) remark = "(Sigh) Im feeling a bit fed up.";
  if (morale < 60) remark = "I hate this sport sometimes.";
  if (morale < 50) remark = "(Sigh) I dont want to play anymore.";
  return remark;
}

// A remark about the team's state that takes the place of the chosen one, or
// empty text when the roll or the team's state gives none.
std::string_view StateRemark(const TeamRecord& team, Int r) {
  switch (r.v) {
    case 1: return team.Cash < 500 ? "The team bank balance doesnt look good." : "";
    case 2: return PlayersWithoutMarker(team) > 0 ? "Some of us need gear urgently!" : "";
    case 3: return MoraleRemark(TeamMorale(team));
    case 4: return team.Paintballs < 500 ? "We need paint pretty soon." : "";
    default: return "";
  }
}

}  // namespace

std::string MakeTeamName(GameState& state) {
  const Int a = state.Random(30) + 1;
  const Int b = state.Random(30) + 1;
  return std::string(Entry(kTeamPrefixes, a)) + std::string(Entry(kTeamNouns, b));
}

std::string MakePersonName(GameState& state) {
  const FirstName first = Entry(kFirstNames, state.Random(60) + 1);
  // Callers read the gender right after the call; it belongs to the first name.
  state.Runtime.NameGender = first.Gender;
  const Int s = state.Random(50) + 1;
  return std::string(first.Text) + std::string(Entry(kSurnames, s));
}

std::string MarkerModelName(Int model) {
  // Entry is 1-based; model 0 is the first entry.
  return std::string(Entry(kMarkerModels, model + 1));
}

std::string MakeOccupation(GameState& state) {
  return std::string(Entry(kOccupations, state.Random(50) + 1));
}

std::string MakeTeamQuote(GameState& state) {
  std::string remark = ChosenRemark(state);
  const Int r = state.Random(20) + 1;
  const std::string_view replacement = StateRemark(state.Team, r);
  if (!replacement.empty()) remark = replacement;
  return "\"" + remark + "\"";
}

}  // namespace vantoro
