// Text measured with the faces the game really uses must stay inside the
// boxes it is drawn in: every button's label, and the lines that come
// closest to a frame, a divider or the value beside them.

#include <gtest/gtest.h>

#include <string>

#include "minigames/card_game_screen.hpp"
#include "minigames/horse_racing_screen.hpp"
#include "minigames/slot_machine_screen.hpp"
#include "screen_fixture.hpp"
#include "screens/end_of_month_screen.hpp"
#include "screens/hub/admin_section.hpp"
#include "screens/hub/field_section.hpp"
#include "screens/hub/finance_section.hpp"
#include "screens/hub/hq_section.hpp"
#include "screens/hub/hub_screen.hpp"
#include "screens/hub/season_section.hpp"
#include "screens/hub/store_section.hpp"
#include "screens/hub/team_section.hpp"
#include "screens/result_screen.hpp"
#include "screens/team_creation_screen.hpp"
#include "screens/tournament_screen.hpp"

namespace vantoro::testing {
namespace {

// A label drawn inside its button (not below it) ends before the outline.
template <class Id>
void ExpectLabelsInside(const char* table, std::span<const Button<Id>> buttons) {
  for (const Button<Id>& b : buttons) {
    if (b.Label.empty() || b.LabelY >= b.Rect.Bottom) continue;
    const int width = LabelFont(SharedFonts(), b.LabelFace, b.Points).TextWidth(b.Label);
    EXPECT_LT(b.LabelX + width, b.Rect.Right)
        << table << ": \"" << b.Label << "\" ends at " << b.LabelX + width;
  }
}

TEST(TextFitsTest, EveryButtonLabelStaysInsideItsButton) {
  for (int s = 1; s <= 7; ++s) ExpectLabelsInside("tabs", HubScreen::TabButtons(s));
  ExpectLabelsInside("sections", HubScreen::SectionButtons());
  for (int p = 1; p <= 6; ++p) {
    ExpectLabelsInside("team", TeamSection::Buttons(p));
    ExpectLabelsInside("hq", HqSection::Buttons(p));
    ExpectLabelsInside("store", StoreSection::Buttons(p));
    ExpectLabelsInside("field", FieldSection::Buttons(p));
    ExpectLabelsInside("finance", FinanceSection::Buttons(p));
    ExpectLabelsInside("admin", AdminSection::Buttons(p));
  }
  ExpectLabelsInside("turn end", SeasonSection::TurnEndButtons());
  ExpectLabelsInside("creation", TeamCreationScreen::Buttons());
  ExpectLabelsInside("end of month", EndOfMonthScreen::Buttons());
  ExpectLabelsInside("tournament", TournamentScreen::Buttons());
  ExpectLabelsInside("result", ResultScreen::Buttons());
  ExpectLabelsInside("race", HorseRacingScreen::Buttons());
  ExpectLabelsInside("cards", CardGameScreen::Buttons());
  ExpectLabelsInside("slots", SlotMachineScreen::Buttons());
}

TEST(TextFitsTest, TheLongestLinesEndBeforeWhatStandsBesideThem) {
  struct Line {
    Face face;
    int points;
    std::string text;
    int x;
    int limit;  // the first pixel the text may not reach
    const char* where;
  };
  const Line lines[] = {
      {Face::Interface, 10, "Your team members add $999 to team funds from their own pockets.", 25, 442,
       "the month's list, before its dots"},
      {Face::Interface, 10, "Your team receives a rave review in a regional paintball magazine!", 25, 442,
       "the month's list, before its dots"},
      {Face::Arial, 10, "Team Morale:", 300, 382, "TEAM statistics, before its value"},
      {Face::Arial, 8, "* Penalties after game-end may result in deductions.", 135, 600,
       "help, inside its frame"},
      {Face::Arial, 10, "Ending the Turn means that you have made all of the choices,", 135, 497,
       "TURN END, before the divider"},
      {Face::Interface, 14, "Playing: Screaming Banshees XX", 55, 350,
       "the line-up, before the opposition list"},
  };
  for (const Line& l : lines) {
    const int width = LabelFont(SharedFonts(), l.face, l.points).TextWidth(l.text);
    EXPECT_LT(l.x + width, l.limit) << l.where << ": \"" << l.text << "\" ends at " << l.x + width;
  }
}

}  // namespace
}  // namespace vantoro::testing
