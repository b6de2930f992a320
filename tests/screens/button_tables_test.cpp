// Walks every button table of every page: each press rectangle lies inside
// the press area, no two buttons of one page overlap, and every button of a
// screen's enum is in one of its tables and takes a press at its centre.
// That each enum value is handled is the compiler's part: every press switch
// names all values without a default, and warnings are errors.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "minigames/card_game_screen.hpp"
#include "minigames/horse_racing_screen.hpp"
#include "minigames/slot_machine_screen.hpp"
#include "screens/end_of_month_screen.hpp"
#include "screens/hub/admin_section.hpp"
#include "screens/hub/field_section.hpp"
#include "screens/hub/finance_section.hpp"
#include "screens/hub/hq_section.hpp"
#include "screens/hub/hub_screen.hpp"
#include "screens/hub/season_section.hpp"
#include "screens/hub/store_section.hpp"
#include "screens/hub/team_section.hpp"
#include "screens/league_end_screen.hpp"
#include "screens/result_screen.hpp"
#include "screens/team_creation_screen.hpp"
#include "screens/tournament_screen.hpp"

namespace vantoro {
namespace {

struct Entry {
  std::string Owner;  // which table of the page it came from
  int Id;
  PressArea Area;
};
struct Page {
  std::string Name;
  std::vector<Entry> Entries;
};

template <class Id>
void Add(Page& page, const std::string& owner, std::span<const Button<Id>> table) {
  for (const Button<Id>& b : table) page.Entries.push_back({owner, static_cast<int>(b.Action), b.Area()});
}

std::string Describe(const Page& page, const Entry& e) {
  return page.Name + ": " + e.Owner + " #" + std::to_string(e.Id);
}

// Everything wrong with the pages' tables, one line per fault.
std::vector<std::string> TableFaults(const std::vector<Page>& pages) {
  std::vector<std::string> faults;
  for (const Page& page : pages) {
    for (std::size_t i = 0; i < page.Entries.size(); ++i) {
      const Entry& e = page.Entries[i];
      const PressArea& a = e.Area;
      if (a.Left < 0 || a.Top < 0 || a.Right >= kPressAreaWidth || a.Bottom >= kPressAreaHeight ||
          a.Left > a.Right || a.Top > a.Bottom)
        faults.push_back(Describe(page, e) + " lies outside the press area or is empty");
      for (std::size_t j = i + 1; j < page.Entries.size(); ++j) {
        if (a.Overlaps(page.Entries[j].Area))
          faults.push_back(Describe(page, e) + " overlaps " + Describe(page, page.Entries[j]));
      }
    }
  }
  return faults;
}

std::vector<Page> HubPages() {
  std::vector<Page> pages;
  for (int s = 1; s <= 7; ++s) {
    for (int p = 1; p <= 6; ++p) {
      Page page{"hub section " + std::to_string(s) + " page " + std::to_string(p), {}};
      Add(page, "sections", HubScreen::SectionButtons());
      Add(page, "tabs", HubScreen::TabButtons(s));
      if (s == 1) Add(page, "team", TeamSection::Buttons(p));
      if (s == 2) Add(page, "hq", HqSection::Buttons(p));
      if (s == 3) Add(page, "store", StoreSection::Buttons(p));
      if (s == 4) Add(page, "field", FieldSection::Buttons(p));
      if (s == 5) Add(page, "finance", FinanceSection::Buttons(p));
      if (s == 6 && p == 2) Add(page, "map", SeasonSection::MapButtons());
      if (s == 6 && p == 3) Add(page, "turn end", SeasonSection::TurnEndButtons());
      if (s == 7) Add(page, "admin", AdminSection::Buttons(p));
      pages.push_back(std::move(page));
    }
  }
  return pages;
}

std::vector<Page> AllPages() {
  std::vector<Page> pages = HubPages();
  Page creation{"team creation", {}}, month{"end of month", {}}, over{"league end", {}};
  Page lineUp{"tournament", {}}, result{"result", {}};
  Page race{"horse racing", {}}, cards{"card game", {}}, slots{"slot machine", {}};
  Add(race, "race", HorseRacingScreen::Buttons());
  Add(cards, "cards", CardGameScreen::Buttons());
  Add(slots, "slots", SlotMachineScreen::Buttons());
  pages.insert(pages.end(), {race, cards, slots});
  Add(creation, "creation", TeamCreationScreen::Buttons());
  Add(month, "month", EndOfMonthScreen::Buttons());
  Add(over, "game over", GameOverButtons());
  Add(lineUp, "line-up", TournamentScreen::Buttons());
  Add(result, "result", ResultScreen::Buttons());
  pages.insert(pages.end(), {creation, month, over, lineUp, result});
  return pages;
}

TEST(ButtonTablesTest, EveryPageFitsThePressAreaWithoutOverlaps) {
  for (const std::string& fault : TableFaults(AllPages())) ADD_FAILURE() << fault;
}

TEST(ButtonTablesTest, TheWalkCatchesAMovedOrStrayButton) {
  std::vector<Page> pages = HubPages();
  Page& individual = pages[1];
  ASSERT_EQ(individual.Name, "hub section 1 page 2");
  Entry* fine = nullptr;
  for (Entry& e : individual.Entries) {
    if (e.Owner == "team" && e.Id == static_cast<int>(TeamButton::Fine)) fine = &e;
  }
  ASSERT_NE(fine, nullptr);
  fine->Area.Left -= 30;  // FINE slid left onto PAY
  const auto moved = TableFaults(pages);
  ASSERT_EQ(moved.size(), 1U);
  EXPECT_NE(moved[0].find("overlaps"), std::string::npos) << moved[0];

  pages = HubPages();
  pages[0].Entries[0].Area.Top = -1;  // one pixel above the press area
  EXPECT_EQ(TableFaults(pages).size(), 1U);
}

// Each button of the enum is found at its own centre, on the pages given.
template <class Id>
void ExpectEveryButtonReachable(const char* screen, int count,
                                std::initializer_list<std::span<const Button<Id>>> tables) {
  std::vector<bool> seen(static_cast<std::size_t>(count), false);
  for (std::span<const Button<Id>> table : tables) {
    for (const Button<Id>& b : table) {
      const PressArea a = b.Area();
      const auto hit = HitTest(table, (a.Left + a.Right) / 2, (a.Top + a.Bottom) / 2);
      ASSERT_TRUE(hit.has_value()) << screen;
      EXPECT_EQ(static_cast<int>(*hit), static_cast<int>(b.Action))
          << screen << " button " << static_cast<int>(b.Action);
      const int id = static_cast<int>(b.Action);
      ASSERT_TRUE(id >= 0 && id < count) << screen;
      seen[static_cast<std::size_t>(id)] = true;
    }
  }
  for (int id = 0; id < count; ++id)
    EXPECT_TRUE(seen[static_cast<std::size_t>(id)]) << screen << " button " << id << " is in no table";
}

TEST(ButtonTablesTest, EveryButtonIsInATableAndTakesItsOwnPress) {
  ExpectEveryButtonReachable<CreationButton>(
      "team creation", static_cast<int>(CreationButton::GameLength) + 1, {TeamCreationScreen::Buttons()});
  ExpectEveryButtonReachable<TeamButton>(
      "team", static_cast<int>(TeamButton::DebriefNext) + 1,
      {TeamSection::Buttons(1), TeamSection::Buttons(2), TeamSection::Buttons(5), TeamSection::Buttons(6)});
  ExpectEveryButtonReachable<HqButton>("hq", static_cast<int>(HqButton::Trade) + 1,
                                       {HqSection::Buttons(2), HqSection::Buttons(3)});
  ExpectEveryButtonReachable<StoreButton>("store", static_cast<int>(StoreButton::BuyChoice) + 1,
                                          {StoreSection::Buttons(1), StoreSection::Buttons(2),
                                           StoreSection::Buttons(3), StoreSection::Buttons(4)});
  ExpectEveryButtonReachable<FieldButton>(
      "field", static_cast<int>(FieldButton::Hire) + 1,
      {FieldSection::Buttons(1), FieldSection::Buttons(2), FieldSection::Buttons(3)});
  ExpectEveryButtonReachable<FinanceButton>("finance", static_cast<int>(FinanceButton::Loan) + 1,
                                            {FinanceSection::Buttons(1), FinanceSection::Buttons(2),
                                             FinanceSection::Buttons(3), FinanceSection::Buttons(4)});
  ExpectEveryButtonReachable<SeasonButton>("season", static_cast<int>(SeasonButton::HireVehicle) + 1,
                                           {SeasonSection::TurnEndButtons()});
  ExpectEveryButtonReachable<AdminButton>("admin", static_cast<int>(AdminButton::NextPage) + 1,
                                          {AdminSection::Buttons(1), AdminSection::Buttons(2)});
  ExpectEveryButtonReachable<EndOfMonthButton>("end of month", 1, {EndOfMonthScreen::Buttons()});
  ExpectEveryButtonReachable<GameOverButton>("league end", 1, {GameOverButtons()});
  ExpectEveryButtonReachable<TournamentButton>("tournament", static_cast<int>(TournamentButton::Leader) + 1,
                                               {TournamentScreen::Buttons()});
  ExpectEveryButtonReachable<ResultButton>("result", 1, {ResultScreen::Buttons()});
  ExpectEveryButtonReachable<RaceButton>("race", static_cast<int>(RaceButton::Exit) + 1,
                                         {HorseRacingScreen::Buttons()});
  ExpectEveryButtonReachable<CardButton>("cards", static_cast<int>(CardButton::StandOrExit) + 1,
                                         {CardGameScreen::Buttons()});
  ExpectEveryButtonReachable<SlotButton>("slots", static_cast<int>(SlotButton::Exit) + 1,
                                         {SlotMachineScreen::Buttons()});
}

TEST(ButtonTablesTest, SectionsAndTabsNameTheirOwnNumbers) {
  for (int s = 1; s <= 7; ++s) {
    const auto tabs = HubScreen::TabButtons(s);
    EXPECT_EQ(tabs.size(), s == 7 ? 2U : 3U) << s;
    for (std::size_t t = 0; t < tabs.size(); ++t) EXPECT_EQ(tabs[t].Action, static_cast<int>(t) + 1);
    EXPECT_EQ(HubScreen::SectionButtons()[static_cast<std::size_t>(s - 1)].Action, s);
  }
  EXPECT_TRUE(HubScreen::TabButtons(0).empty());
  EXPECT_TRUE(HubScreen::TabButtons(8).empty());
}

}  // namespace
}  // namespace vantoro
