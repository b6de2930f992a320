// Every page draws each button of its table as the state its page gives it:
// enabled in its enabled colours, grey in its grey ones, hidden or unseen
// not at all; and a press on a grey or hidden button changes nothing. Each
// page is drawn from a new game, from an edited slot loaded back, and from
// random values within the fields' ranges.

#include <functional>
#include <random>
#include <string>
#include <vector>

#include "minigames/card_game_screen.hpp"
#include "minigames/horse_racing_screen.hpp"
#include "minigames/slot_machine_screen.hpp"
#include "screen_fixture.hpp"
#include "screens/hub/admin_section.hpp"
#include "screens/hub/field_section.hpp"
#include "screens/hub/finance_section.hpp"
#include "screens/hub/hq_section.hpp"
#include "screens/hub/season_section.hpp"
#include "screens/hub/store_section.hpp"
#include "screens/hub/team_section.hpp"
#include "screens/team_creation_screen.hpp"
#include "screens/tournament_screen.hpp"
#include "state/save_slot.hpp"
#include "state/state_json.hpp"

namespace vantoro::testing {
namespace {

// One button as the page gives it this tick, with what it looks like.
struct Probe {
  int Id;
  ButtonState State;
  Box Rect;
  Shape Drawn;
  PressArea Area;
  ButtonScheme Scheme;
  int LabelX, LabelY;
  int Lower;  // drawn this much below its table place
};
using Prober = std::function<std::vector<Probe>(const GameState&)>;

template <class Id, class StateFn>
std::vector<Probe> ProbesOf(std::span<const Button<Id>> table, StateFn state) {
  std::vector<Probe> probes;
  for (const Button<Id>& b : table) {
    probes.push_back({static_cast<int>(b.Action), state(b.Action), b.Rect, b.Drawn, b.Area(), b.Scheme,
                      b.LabelX, b.LabelY, 0});
  }
  return probes;
}

// A frame's pixel, read safely.
using Frame = std::function<Color(int, int)>;

bool Near(const Frame& at, int x, int y, std::optional<Color> color, int reach) {
  if (!color) return false;
  for (int dy = -reach; dy <= reach; ++dy) {
    for (int dx = -reach; dx <= reach; ++dx) {
      const int px = x + dx, py = y + dy;
      if (px >= 0 && py >= 0 && px < Canvas::kWidth && py < Canvas::kHeight && at(px, py) == *color)
        return true;
    }
  }
  return false;
}

// Where a button's outline shows, and where its label's ink lies.
std::pair<int, int> OutlinePoint(const Probe& p) {
  const int midY = (p.Rect.Top + p.Rect.Bottom) / 2 + p.Lower;
  switch (p.Drawn) {
    case Shape::Ellipse: return {(p.Rect.Left + p.Rect.Right) / 2, p.Rect.Top + p.Lower};
    case Shape::Rule: return {p.Rect.Left + 5, p.Rect.Bottom - 3};
    case Shape::Box:
    case Shape::Joined: break;
  }
  return {p.Rect.Left, midY};
}
bool LabelShows(const Frame& at, const Probe& p, std::optional<Color> color) {
  if (!color) return false;
  for (int y = p.LabelY + p.Lower; y < p.LabelY + p.Lower + 20; ++y) {
    for (int x = p.LabelX; x < p.LabelX + 40; ++x) {
      if (Near(at, x, y, color, 0)) return true;
    }
  }
  return false;
}

// Everything a frame shows against its page's states, one line per fault.
std::vector<std::string> DrawFaults(const Frame& at, const std::vector<Probe>& probes) {
  std::vector<std::string> faults;
  for (const Probe& p : probes) {
    const ButtonColors& on = p.Scheme.Enabled;
    const ButtonColors& grey = p.Scheme.Grey;
    const std::string name = "button " + std::to_string(p.Id);
    const bool shown = p.State == ButtonState::Enabled || p.State == ButtonState::Grey;
    const ButtonColors& want = p.State == ButtonState::Enabled ? on : grey;
    const ButtonColors& other = p.State == ButtonState::Enabled ? grey : on;
    if (on.Pen) {
      const auto [x, y] = OutlinePoint(p);
      const bool showsOn = Near(at, x, y, on.Pen, 1), showsGrey = Near(at, x, y, grey.Pen, 1);
      if (!shown && (showsOn || showsGrey)) faults.push_back(name + " is drawn but not shown");
      if (shown && !Near(at, x, y, want.Pen, 1)) faults.push_back(name + " lacks its outline");
      if (shown && other.Pen != want.Pen && Near(at, x, y, other.Pen, 1))
        faults.push_back(name + " is drawn in the other state's outline");
    } else if (on.Label && !p.Scheme.Enabled.Pen) {
      // A label alone: its colour says its state (an enabled word may
      // twinkle, so only the grey colour is sure).
      const bool showsGrey = LabelShows(at, p, grey.Label);
      if (!shown && (showsGrey || LabelShows(at, p, on.Label)))
        faults.push_back(name + " is drawn but not shown");
      if (p.State == ButtonState::Grey && !showsGrey) faults.push_back(name + " is not grey");
      if (p.State == ButtonState::Enabled && grey.Label && showsGrey) faults.push_back(name + " is grey");
    }
  }
  return faults;
}

// The game as the rules see it, less the splash a press starts and the
// generator it draws from.
std::string Rules(const GameState& s) {
  nlohmann::ordered_json runtime = RuntimeToJson(s.Runtime);
  for (const char* key : {"SplashTicks", "SplashX", "SplashY", "SplashDX", "SplashDY"}) runtime.erase(key);
  return TeamToJson(s.Team).dump() + LeagueToJson(s.League).dump() + runtime.dump();
}

struct Field {
  std::string Name;
  int Low, High;
};

struct PageCase {
  std::string Name;
  std::vector<std::string> Open;  // script lines from the hub, past its opening
  std::vector<Field> Fields;      // set at random within their ranges
  Prober Probes;
  std::string Screen = "hub";
};

template <class Section, class Id>
Prober SectionProbes(int page) {
  return [page](const GameState& s) {
    return ProbesOf(Section::Buttons(page), [&](Id id) { return Section::State(s, id); });
  };
}
Prober TeamProbes(int page) {
  return [page](const GameState& s) {
    return ProbesOf(TeamSection::Buttons(page),
                    [&](TeamButton id) { return TeamSection::State(s, page, id); });
  };
}
std::vector<std::string> HubPage(int section, int page) {
  return {"set Runtime.HubSection " + std::to_string(section), "set Runtime.HubPage " + std::to_string(page)};
}

const std::vector<Field> kMoney = {
    {"Team.Cash", -50, 3000}, {"Runtime.FundraisedThisMonth", 0, 1}, {"Runtime.GambledThisMonth", 0, 1}};
std::vector<Field> With(std::vector<Field> a, const std::vector<Field>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}
std::vector<Field> Squad(const std::string& field, int low, int high) {
  std::vector<Field> fields;
  for (int p = 1; p <= 8; ++p) fields.push_back({"Team." + field + "[" + std::to_string(p) + "]", low, high});
  return fields;
}
const std::vector<Field> kPlayers =
    With(With(Squad("PlayerMarkerType", 0, 9), Squad("PlayerPaid", 0, 1)),
         With(Squad("PlayerTrained", 0, 1), {{"Runtime.SelectedPlayer", 0, 8}}));

std::vector<PageCase> HubCases() {
  std::vector<PageCase> cases;
  for (int page = 1; page <= 6; ++page)
    cases.push_back(
        {"team " + std::to_string(page), HubPage(1, page), With(kMoney, kPlayers), TeamProbes(page)});
  for (int page = 2; page <= 3; ++page) {
    cases.push_back({"hq " + std::to_string(page), HubPage(2, page),
                     With(kMoney, {{"Team.LockStrength", 0, 6},
                                   {"Team.SecurityLevel", 0, 6},
                                   {"Team.Television", 0, 1},
                                   {"Team.PoolTable", 0, 1},
                                   {"Team.GarageLevel", 0, 4},
                                   {"Team.Vehicle", 1, 4},
                                   {"Runtime.ViewedVehicle", 1, 4}}),
                     SectionProbes<HqSection, HqButton>(page)});
  }
  for (int page = 1; page <= 4; ++page) {
    cases.push_back(
        {"store " + std::to_string(page), HubPage(3, page),
         With(With(kMoney, kPlayers), With(Squad("PlayerMarkerCustom", 0, 6), {{"Runtime.CatalogItem", 1, 9},
                                                                               {"Runtime.CustomChoice", 1, 6},
                                                                               {"Team.Month", 1, 12},
                                                                               {"Team.Year", 2000, 2004},
                                                                               {"Team.GameType", 0, 1}})),
         SectionProbes<StoreSection, StoreButton>(page)});
  }
  for (int page = 1; page <= 3; ++page) {
    cases.push_back(
        {"field " + std::to_string(page), HubPage(4, page),
         With(With(kMoney, kPlayers), {{"Runtime.RecruitGenerated", 0, 2}, {"Team.Paintballs", 0, 2000}}),
         SectionProbes<FieldSection, FieldButton>(page)});
  }
  for (int page = 1; page <= 4; ++page) {
    cases.push_back({"finance " + std::to_string(page), HubPage(5, page),
                     With(kMoney, {{"Team.Sponsorship", 0, 1},
                                   {"Runtime.SelectedCompany", 0, 7},
                                   {"Team.SharesHeld[2]", 0, 3},
                                   {"Team.SharePrice[2]", 1, 300},
                                   {"Runtime.BankOpenRoll", 1, 100},
                                   {"Team.BankBalance", 0, 1},
                                   {"Runtime.BankAmount", 0, 2000}}),
                     SectionProbes<FinanceSection, FinanceButton>(page)});
  }
  cases.push_back({"map", HubPage(6, 2), {{"Runtime.MapView", 0, 5}}, [](const GameState&) {
                     return ProbesOf(SeasonSection::MapButtons(), [](int) { return ButtonState::Enabled; });
                   }});
  cases.push_back(
      {"turn end", HubPage(6, 3),
       With(kMoney, With(Squad("PlayerMarkerType", 0, 9), {{"Team.Month", 1, 12}, {"Team.Vehicle", 1, 4}})),
       [](const GameState& s) {
         return ProbesOf(SeasonSection::TurnEndButtons(),
                         [&](SeasonButton id) { return SeasonSection::State(s, id); });
       }});
  for (int page = 1; page <= 2; ++page) {
    cases.push_back({"admin " + std::to_string(page),
                     HubPage(7, page),
                     {{"Runtime.HelpPage", 0, 6}},
                     [page](const GameState&) {
                       return ProbesOf(AdminSection::Buttons(page),
                                       [](AdminButton) { return ButtonState::Enabled; });
                     }});
  }
  return cases;
}

// A game of the GAMBLE page, open.
std::vector<std::string> Gamble(int buttonY) {
  return {"set Runtime.GambledThisMonth 0",
          "set Team.Cash 5000",
          "press 50 395",
          "press 400 115",
          "wait 50",
          "press 185 " + std::to_string(buttonY),
          "wait 50"};
}

std::vector<PageCase> ScreenCases() {
  std::vector<PageCase> cases;
  cases.push_back({"horse racing",
                   Gamble(215),
                   {{"Team.Cash", -10, 1200},
                    {"Runtime.BetHundreds", 0, 9},
                    {"Runtime.BetTens", 0, 9},
                    {"Runtime.BetUnits", 0, 9},
                    {"Runtime.BetHorse", 1, 6}},
                   [](const GameState& s) {
                     return ProbesOf(HorseRacingScreen::Buttons(),
                                     [&](RaceButton id) { return HorseRacingScreen::State(s, id); });
                   },
                   "horse-racing"});
  cases.push_back({"card game",
                   Gamble(255),
                   {{"Team.Cash", -10, 1200},
                    {"Runtime.CardBetHundreds", 0, 9},
                    {"Runtime.CardBetTens", 0, 9},
                    {"Runtime.CardBetUnits", 0, 9},
                    {"Runtime.CardState", 0, 95},
                    {"Runtime.PlayerCardCount", 0, 5},
                    {"Runtime.HouseCardCount", 0, 5}},
                   [](const GameState& s) {
                     return ProbesOf(CardGameScreen::Buttons(),
                                     [&](CardButton id) { return CardGameScreen::State(s, id); });
                   },
                   "card-game"});
  cases.push_back({"slot machine",
                   Gamble(295),
                   {{"Team.Cash", 50, 200},
                    {"Runtime.SlotState", 0, 6},
                    {"Runtime.SlotCredits", 0, 3},
                    {"Runtime.SpinTicks", 0, 3},
                    {"Runtime.ReelHeld[1]", 0, 1},
                    {"Runtime.ReelHeld[2]", 0, 1}},
                   [](const GameState& s) {
                     std::vector<Probe> probes = ProbesOf(SlotMachineScreen::Buttons(), [&](SlotButton id) {
                       return SlotMachineScreen::State(s, id);
                     });
                     // The knob hangs lower while it climbs back.
                     for (Probe& p : probes) {
                       if (p.Id == static_cast<int>(SlotButton::Handle))
                         p.Lower = 15 * Clamp(s.Runtime.SpinTicks, 0, 10).v;
                     }
                     return probes;
                   },
                   "slot-machine"});
  cases.push_back({"tournament",
                   {"set Team.Month 8", "set Team.Cash 5000", "press 50 465", "press 400 115", "wait 50",
                    "press 185 460", "wait 50"},
                   {{"Runtime.FlankTactic", 1, 3}, {"Runtime.LeaderTactic", 1, 3}, {"Runtime.Weather", 1, 3}},
                   [](const GameState&) {
                     return ProbesOf(TournamentScreen::Buttons(),
                                     [](TournamentButton) { return ButtonState::Enabled; });
                   },
                   "tournament"});
  return cases;
}

class ButtonStateTest : public ScreenTest {
 protected:
  Frame FrameOf() {
    return [this](int x, int y) { return FramePixel(x, y); };
  }
  void Run(const std::string& line) {
    std::string error;
    ASSERT_TRUE(driver->Execute(line, error)) << line << ": " << error;
  }
  // Sets random values within the fields' ranges.
  void Randomise(const std::vector<Field>& fields, std::mt19937& rng) {
    for (const Field& f : fields) {
      std::uniform_int_distribution<int> value(f.Low, f.High);
      Run("set " + f.Name + " " + std::to_string(value(rng)));
    }
  }
  // Presses every grey or hidden button, which must change nothing but the
  // splash; one line per button that acted.
  std::vector<std::string> PressFaults(const std::vector<Probe>& probes, const std::string& screen) {
    std::vector<std::string> faults;
    for (const Probe& p : probes) {
      if (p.State != ButtonState::Grey && p.State != ButtonState::Hidden) continue;
      const std::string before = Rules(State());
      driver->PressFrame((p.Area.Left + p.Area.Right) / 2, (p.Area.Top + p.Area.Bottom) / 2);
      if (driver->VisibleScreenName() != screen || Rules(State()) != before)
        faults.push_back("a press on button " + std::to_string(p.Id) + " acted");
      ++pressed;
    }
    return faults;
  }
  // Draws a tick, then checks what it drew and what its grey and hidden
  // buttons do.
  void Check(const PageCase& c, const std::string& when) {
    Run("wait 50");
    ASSERT_EQ(driver->VisibleScreenName(), c.Screen) << c.Name << " " << when;
    const std::vector<Probe> probes = c.Probes(State());
    for (const std::string& fault : DrawFaults(FrameOf(), probes))
      ADD_FAILURE() << c.Name << " " << when << ": " << fault;
    for (const std::string& fault : PressFaults(probes, c.Screen))
      ADD_FAILURE() << c.Name << " " << when << ": " << fault;
  }
  // A game from the title again, in the same save folder.
  void Fresh() { ReplaceDriver(folder); }
  void Walk(const PageCase& c, int seed) {
    std::mt19937 rng(static_cast<unsigned>(seed));
    Fresh();
    EnterHub();
    for (const std::string& line : c.Open) Run(line);
    Check(c, "in a new game");
    for (int i = 0; i < 12; ++i) {
      Randomise(c.Fields, rng);
      Check(c, "in random state " + std::to_string(i));
    }
  }
  int pressed = 0;
};

TEST_F(ButtonStateTest, EveryHubPageDrawsItsButtonsAsTheirStates) {
  int seed = 1;
  for (const PageCase& c : HubCases()) Walk(c, seed++);
  EXPECT_GT(pressed, 100);  // the random states reach grey and hidden buttons
}

TEST_F(ButtonStateTest, EveryScreenDrawsItsButtonsAsTheirStates) {
  int seed = 100;
  for (const PageCase& c : ScreenCases()) Walk(c, seed++);
  EXPECT_GT(pressed, 20);
}

TEST_F(ButtonStateTest, EveryHubPageFromAnEditedSlot) {
  // A slot saved from an edited game and loaded back: poor, tired, spent.
  EnterHub();
  for (const char* line :
       {"set Team.Cash 40", "set Team.PlayerMarkerType[3] 0", "set Team.PlayerTrained[2] 1",
        "set Team.Month 6", "set Team.Sponsorship 1", "set Team.BankBalance 250"})
    Run(line);
  ASSERT_TRUE(SaveSlot(folder, State().Team, State().League).Ok());
  for (const PageCase& c : HubCases()) {
    Fresh();
    Script({"wait 25", "press 100 100", "wait 1400", "press 400 487", "expect-screen hub", "wait 1650"});
    for (const std::string& line : c.Open) Run(line);
    Run("set Runtime.SelectedPlayer 3");
    Check(c, "from an edited slot");
  }
}

TEST_F(ButtonStateTest, TeamCreationShowsItsButtonsOnlyOnceTheyAreThere) {
  const PageCase creation{"team creation",
                          {},
                          {},
                          [](const GameState& s) {
                            return ProbesOf(TeamCreationScreen::Buttons(), [&](CreationButton id) {
                              return TeamCreationScreen::State(s, id);
                            });
                          },
                          "team-creation"};
  Script({"wait 25", "press 100 100", "wait 500"});
  Check(creation, "in the intro");
  Script({"wait 1000"});
  Check(creation, "before a squad");
  Script({"press 250 490", "wait 50"});
  Check(creation, "with a squad");
  EXPECT_GT(pressed, 0);
}

// A page whose state function lied would be caught: HIRE said enabled while
// no recruit is on offer, the pay buttons shown with nobody chosen, or a
// fundraiser greyed while it can still be used.
TEST_F(ButtonStateTest, TheCheckCatchesAWrongStateFunction) {
  EnterHub();
  Script({"set Runtime.HubSection 4", "set Runtime.HubPage 3", "set Runtime.RecruitGenerated 2", "wait 50"});
  const auto wrongHire = ProbesOf(FieldSection::Buttons(3), [](FieldButton) { return ButtonState::Enabled; });
  EXPECT_FALSE(DrawFaults(FrameOf(), wrongHire).empty());
  const auto right =
      ProbesOf(FieldSection::Buttons(3), [&](FieldButton id) { return FieldSection::State(State(), id); });
  EXPECT_TRUE(DrawFaults(FrameOf(), right).empty());

  Script({"set Runtime.HubSection 1", "set Runtime.HubPage 2", "set Runtime.SelectedPlayer 0", "wait 50"});
  const auto wrongPay = ProbesOf(TeamSection::Buttons(2), [](TeamButton) { return ButtonState::Grey; });
  EXPECT_FALSE(DrawFaults(FrameOf(), wrongPay).empty());

  Script(
      {"set Runtime.HubSection 5", "set Runtime.HubPage 1", "set Runtime.FundraisedThisMonth 0", "wait 50"});
  const auto wrongRaffle = ProbesOf(FinanceSection::Buttons(1), [](FinanceButton id) {
    return id == FinanceButton::Raffle ? ButtonState::Grey : ButtonState::Enabled;
  });
  const std::vector<std::string> acted = PressFaults(wrongRaffle, "hub");
  ASSERT_EQ(acted.size(), 1U);
  EXPECT_NE(acted[0].find("button " + std::to_string(static_cast<int>(FinanceButton::Raffle))),
            std::string::npos);
}

}  // namespace
}  // namespace vantoro::testing
