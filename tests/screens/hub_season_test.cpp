// The SEASON section: calendar, map and the end of the turn with travel.

#include <climits>
#include <string>

#include "screen_fixture.hpp"
#include "sim/calendar.hpp"

namespace vantoro::testing {
namespace {

constexpr Color kFrameRed = Rgb(0xCC4444);

class HubSeasonTest : public ScreenTest {
 protected:
  // A new squad committed, the hub's opening played out, then a SEASON tab.
  void EnterSeason(int tabX) {
    Script({"wait 25", "press 100 100", "wait 1400", "press 211 499", "press 599 499", "expect-screen hub",
            "wait 1600", "press 50 465", "press " + std::to_string(tabX) + " 115", "wait 50"});
  }
  void Redraw() { Script({"wait 50"}); }
  // Whether text drawn from x on row y (height h, panel ending at right)
  // ends where `text` would end.
  void ExpectTextEnd(int x, int y, int h, int right, std::string_view text, int points) {
    int ink = -1;
    for (int py = y; py < y + h; ++py) {
      for (int px = x; px < right; ++px) ink = FramePixel(px, py) != kBlack ? std::max(ink, px) : ink;
    }
    const int width = SharedFonts().Get("Arial", FontSize::Points(points)).TextWidth(text);
    EXPECT_NEAR(ink, x + width - 1, 2) << text;
  }
};

TEST_F(HubSeasonTest, CalendarFramesTheCurrentMonthAndNamesTheYearsVenue) {
  EnterSeason(180);
  struct Case {
    int month, year;
    std::string_view augustVenue;
  };
  for (const Case c : {Case{1, 2000, "Dunedin"}, Case{8, 2003, "Invercargill"}, Case{12, 2004, "Dunedin"}}) {
    State().Team.Month = c.month;
    State().Team.Year = c.year;
    Redraw();
    for (int m = 1; m <= 12; ++m) {
      EXPECT_EQ(FramePixel(135, 188 + 20 * m) == kFrameRed, m == c.month) << c.month << " row " << m;
      EXPECT_EQ(FramePixel(699, 188 + 20 * m) == kFrameRed, m == c.month) << c.month << " row " << m;
    }
    ExpectTextEnd(500, 340, 16, 598, c.augustVenue, 12);  // above the frame's lower edge
  }
}

TEST_F(HubSeasonTest, MapBandsAreTestedFromTheBottomUp) {
  EnterSeason(290);
  struct Press {
    int x, y, view;  // view 0: the press changes nothing
  };
  for (const Press p : {Press{132, 162, 1},
                        {273, 209, 1},
                        {132, 210, 2},
                        {200, 259, 2},
                        {200, 260, 3},
                        {200, 309, 3},
                        {200, 310, 4},
                        {273, 359, 4},
                        {200, 360, 0},
                        {131, 200, 0},
                        {274, 200, 0},
                        {200, 161, 0}}) {
    State().Runtime.MapView = 7;
    Script({"press " + std::to_string(p.x) + " " + std::to_string(p.y)});
    EXPECT_EQ(State().Runtime.MapView, Int(p.view == 0 ? 7 : p.view)) << p.x << "," << p.y;
  }
}

TEST_F(HubSeasonTest, MapShowsTwoNeighbouringStripsUnderTheOverview) {
  const auto strip = [](int k) {
    return InRange(k, 1, 5) ? Rgb(0x102030U * static_cast<unsigned>(k)) : kBlack;
  };
  for (int k = 1; k <= 5; ++k) PutPicture(Nth(PictureId::MapStrip1, k), Image(576, 200, strip(k)));
  PutPicture(PictureId::MapOverview, Image(143, 200, Rgb(0x00AA00)));
  EnterSeason(290);
  for (int view : {1, 2, 3, 4, 0, 5, 99}) {
    State().Runtime.MapView = view;
    Redraw();
    EXPECT_EQ(FramePixel(500, 250), strip(view)) << view;
    EXPECT_EQ(FramePixel(500, 450), strip(view + 1)) << view;
    EXPECT_EQ(FramePixel(200, 180), Rgb(0x00AA00)) << view;
  }
}

TEST_F(HubSeasonTest, TurnEndNamesTheScheduledEvent) {
  EnterSeason(400);
  State().Team.Month = 8;
  for (const auto& [year, line] : {std::pair{2003, "Scheduled Event: Southern Challenge  : Invercargill"},
                                   std::pair{2004, "Scheduled Event: Southern Challenge  : Dunedin"}}) {
    State().Team.Year = year;
    Redraw();
    ExpectTextEnd(135, 385, 13, 495, line, 10);
    ExpectTextEnd(135, 405, 13, 295, "Cost of travel by Car: $225", 10);
    ExpectTextEnd(135, 425, 13, 495, "Cost of Hired Transport: $675", 10);
  }
  State().Team.Month = 1;
  Redraw();
  ExpectTextEnd(135, 385, 14, 495, "NO EVENTS SCHEDULED FOR THIS MONTH", 11);
}

struct TravelCase {
  const char* name;
  int month, cash, vehicle;
  int load;  // the sum of the seven marker types
  bool hire, leaves;
  Color carFill, hireFill;  // black: no button
  bool overloaded;
};

class HubTravelTest : public HubSeasonTest, public ::testing::WithParamInterface<TravelCase> {};

TEST_P(HubTravelTest, PaysAndLeavesForTheTournamentOrStays) {
  const TravelCase& c = GetParam();
  EnterSeason(400);
  TeamRecord& team = State().Team;
  team.Month = c.month;
  team.Cash = c.cash;
  team.Vehicle = c.vehicle;
  for (int p = 1; p <= 7; ++p) team.PlayerMarkerType[p] = c.load / 7 + (p <= c.load % 7 ? 1 : 0);
  State().Runtime.MatchOpponent = 5;
  Redraw();
  EXPECT_EQ(FramePixel(185, 470), c.carFill);
  EXPECT_EQ(FramePixel(290, 470), c.hireFill);
  bool warned = false;  // "OVERLOADED", beside the car's cost
  for (int x = 300; x < 380; ++x) warned = warned || FramePixel(x, 412) != kBlack;
  EXPECT_EQ(warned, c.overloaded);

  Script({c.hire ? "press 241 446" : "press 234 474"});
  if (c.leaves) {
    const Tournament& t = *TournamentIn(c.month);
    Script({"expect-screen tournament", "expect Runtime.MatchOpponent 0"});
    EXPECT_EQ(team.Cash, Int(c.cash) - (c.hire ? HiredCost(t) : CarCost(t)));
    EXPECT_FALSE(driver->Screens().TickRunning(ScreenId::Hub));
    EXPECT_TRUE(driver->Screens().TickRunning(ScreenId::Tournament));
  } else {
    Script({"expect-screen hub", "expect Runtime.MatchOpponent 5", "expect Runtime.HubPage 3"});
    EXPECT_EQ(team.Cash, Int(c.cash));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HubTravelTest,
    ::testing::Values(
        TravelCase{"CarWith300", 8, 300, 1, 7, false, true, kGreenFill, kGreyFill, false},
        TravelCase{"NoHireWith300", 8, 300, 1, 7, true, false, kGreenFill, kGreyFill, false},
        TravelCase{"NoCarWith200", 8, 200, 1, 7, false, false, kGreyFill, kGreyFill, false},
        TravelCase{"HireWithExactCash", 8, 675, 1, 7, true, true, kGreenFill, kGreenFill, false},
        TravelCase{"CarFullToTheBrim", 4, 1000, 1, 16, false, true, kGreenFill, kGreenFill, false},
        TravelCase{"CarOverloaded", 4, 1000, 1, 17, false, false, kGreyFill, kGreenFill, true},
        TravelCase{"HireOverloaded", 4, 1000, 1, 17, true, true, kGreyFill, kGreenFill, true},
        TravelCase{"FireStormsOverloadAFjord", 6, 1000, 4, 70, false, false, kGreyFill, kGreenFill, true},
        TravelCase{"NoVehicle", 10, 1000, 0, 7, false, false, kGreyFill, kGreenFill, true},
        TravelCase{"NegativeVehicle", 10, 1000, -1, 7, false, false, kGreyFill, kGreenFill, true},
        TravelCase{"VehicleWrapsToNoRoom", 10, 1000, INT_MAX, 7, false, false, kGreyFill, kGreenFill, true},
        TravelCase{"OddMonthCar", 7, 100000, 1, 7, false, false, kBlack, kBlack, false},
        TravelCase{"OddMonthHire", 7, 100000, 1, 7, true, false, kBlack, kBlack, false},
        TravelCase{"MonthFourteen", 14, 100000, 1, 7, true, false, kBlack, kBlack, false}),
    [](const ::testing::TestParamInfo<TravelCase>& c) { return std::string(c.param.name); });

// END TURN in a quiet month and in a tournament month left without travelling.
class HubEndTurnTest : public HubSeasonTest, public ::testing::WithParamInterface<int> {};

TEST_P(HubEndTurnTest, ResetsTheHubAndOpensTheMonthEnd) {
  EnterSeason(400);
  State().Team.Month = GetParam();
  State().Team.Cash = 5000;
  for (const char* line :
       {"set Runtime.SelectedPlayer 4", "set Runtime.SelectedCompany 3", "set Runtime.CatalogItem 7",
        "set Runtime.GambledThisMonth 1", "set Runtime.FundraisedThisMonth 1", "set Runtime.MonthProcessed 1",
        "set Runtime.MonthScroll -1", "set Runtime.MapView 3"}) {
    Script({line});
  }
  RandomGenerator rng = State().Rng;
  const Int paintPrice = rng.Random(3) + 10;  // the one draw END TURN makes
  Script({"press 393 349", "expect-screen end-of-month", "expect Runtime.HubSection 1",
          "expect Runtime.HubPage 1", "expect Runtime.SelectedPlayer 1", "expect Runtime.SelectedCompany 1",
          "expect Runtime.CatalogItem 1", "expect Runtime.GambledThisMonth 0",
          "expect Runtime.FundraisedThisMonth 0", "expect Runtime.MonthProcessed 0",
          "expect Runtime.MonthScroll 1", "expect Runtime.MapView 3", "expect Team.Cash 5000"});
  EXPECT_EQ(State().Runtime.PaintPrice, paintPrice);
  EXPECT_EQ(State().Rng.Seed, rng.Seed);
  EXPECT_FALSE(driver->Screens().TickRunning(ScreenId::Hub));
  EXPECT_TRUE(driver->Screens().TickRunning(ScreenId::EndOfMonth));
  EXPECT_TRUE(driver->Screens().TickRunning(ScreenId::Title));
}

INSTANTIATE_TEST_SUITE_P(QuietAndTournamentMonth, HubEndTurnTest, ::testing::Values(7, 8));

// Values a damaged save may hold: every page draws, no month is framed that
// does not exist, and no travel press acts.
TEST_F(HubSeasonTest, HostileValuesDrawEveryPage) {
  EnterSeason(180);
  for (const char* set :
       {"Team.Month 0", "Team.Month 13", "Team.Month -2147483648", "Team.Year 2147483647",
        "Team.Year -2147483648", "Team.Vehicle 0", "Team.Vehicle 5", "Team.Vehicle -1",
        "Team.Vehicle 2147483647", "Runtime.MapView 0", "Runtime.MapView 99", "Runtime.MapView 2147483647",
        "Runtime.HelpPage 0", "Runtime.HelpPage 99", "Runtime.HelpPage -2147483648",
        "Team.PlayerMarkerType[3] 2147483647", "Team.Cash -2147483648"}) {
    Script({std::string("set ") + set});
    for (const auto& [section, page] : {std::pair{6, 2}, {6, 3}, {7, 1}, {7, 2}, {6, 1}}) {
      State().Runtime.HubSection = section;
      State().Runtime.HubPage = page;
      Redraw();
      if (section == 6) Script({"press 185 460", "press 290 460", "press 200 400", "expect-screen hub"});
    }
    for (int y = 190; y < 460; ++y) ASSERT_NE(FramePixel(699, y), kFrameRed) << set;
  }
}

}  // namespace
}  // namespace vantoro::testing
