#include <unistd.h>

#include <sstream>

#include "screen_fixture.hpp"
#include "screens/team_creation_screen.hpp"
#include "state/save_slot.hpp"

namespace vantoro::testing {
namespace {

class TeamCreationTest : public ScreenTest {
 protected:
  // From the title into team creation, optionally past the intro.
  void Begin(bool finishIntro) {
    Script({"wait 25", "press 100 100", "expect-screen team-creation"});
    if (finishIntro) Script({"wait 1400"});
  }
};

TEST_F(TeamCreationTest, TitleClickStartsANewGame) {
  Begin(false);
  EXPECT_EQ(State().Team.Cash, Int(700));
  EXPECT_EQ(State().Runtime.CreationCounter, Int(0));
  EXPECT_TRUE(State().Team.PlayerName[1].Empty());
  EXPECT_TRUE(driver->Screens().TickRunning(ScreenId::Title));
  EXPECT_EQ(driver->Platform().Caption(), "Team Creation");
}

TEST_F(TeamCreationTest, IntroIgnoresCreateButNotTheSettings) {
  Begin(false);
  Script({"wait 700", "press 250 490", "press 515 360", "press 500 430", "press 430 430"});
  EXPECT_TRUE(State().Team.PlayerName[1].Empty()) << "CREATE during the intro";
  EXPECT_EQ(State().Team.GameLengthYears, Int(6));
  EXPECT_EQ(State().Team.FieldType, Int(2));
  EXPECT_EQ(State().Runtime.CreationCounter, Int(100));
  Script({"wait 700", "expect Runtime.CreationCounter 200", "press 250 490"});
  EXPECT_FALSE(State().Team.PlayerName[1].Empty());
}

TEST_F(TeamCreationTest, SettingsCycle) {
  Begin(true);
  struct Cycle {
    const char* press;
    Int TeamRecord::*field;
    std::vector<int> seen;
  };
  const Cycle cycles[] = {
      {"press 515 360", &TeamRecord::GameLengthYears, {6, 7, 8, 9, 10, 1, 2, 3, 4, 5}},
      {"press 500 430", &TeamRecord::FieldType, {2, 1, 2}},
      {"press 430 430", &TeamRecord::GameType, {1, 0, 1}},
  };
  State().Team.GameType = 0;
  for (const Cycle& c : cycles) {
    for (int expected : c.seen) {
      Script({c.press});
      EXPECT_EQ(State().Team.*c.field, Int(expected)) << c.press;
    }
  }
}

TEST_F(TeamCreationTest, CreateRollsTheSquadAndCommitEntersTheHub) {
  Begin(true);
  Script({"press 531 480", "expect-screen team-creation"});  // no squad yet
  Script({"press 211 499"});
  const TeamRecord& team = State().Team;
  const Int popularity = team.PlayerPopularity[3];
  for (int p = 1; p <= 7; ++p) {
    EXPECT_FALSE(team.PlayerName[p].Empty());
    EXPECT_TRUE(InRange(team.PlayerGender[p], 1, 2));
    EXPECT_EQ(team.PlayerPortrait[p], Int(p));
    EXPECT_TRUE(InRange(team.PlayerMarkerType[p], 1, 3));
    EXPECT_TRUE(InRange(team.PlayerSpeed[p], 10, 14));
    EXPECT_TRUE(InRange(team.PlayerMorale[p], 90, 99));
    EXPECT_NE(team.PlayerOccupation[p].Str(), "None");
  }
  EXPECT_TRUE(team.PlayerName[8].Empty()) << "slot 8 keeps the new game's values";
  Script({"press 260 490"});
  EXPECT_EQ(team.PlayerPopularity[3], popularity) << "CREATE never rolls popularity";
  Script({"wait 35", "screenshot " + (folder / "creation.png").string()});
  // The setting boxes show once a squad exists: green outline, dark green fill.
  EXPECT_EQ(FramePixel(480, 430), Rgb(0x00FF00));
  EXPECT_EQ(FramePixel(482, 450), Rgb(0x004400));
  Script({"press 599 499", "expect-screen hub", "expect Runtime.HubIntroCounter 1",
          "expect Runtime.HubSectionGlow[1] 1"});
  EXPECT_FALSE(driver->Screens().TickRunning(ScreenId::TeamCreation));
  EXPECT_TRUE(driver->Screens().TickRunning(ScreenId::Hub));
}

TEST_F(TeamCreationTest, LoadGameWithoutASlotShowsWhyAndStays) {
  Begin(false);
  const std::string before = driver->DumpJson();
  Script({"press 400 490", "expect-screen team-creation"});
  ASSERT_EQ(driver->Platform().Messages().size(), 1U);
  EXPECT_EQ(driver->Platform().Messages()[0], "savefilex.dat: No such file or directory");
  EXPECT_EQ(driver->DumpJson(), before);
}

TEST_F(TeamCreationTest, LoadGameDuringTheIntroEntersTheHubWithTheSavedGame) {
  GameState saved;
  saved.Team.Cash = 123456;
  saved.Team.Gap066[1] = 0x5A;
  saved.League[9].Name = "Iron Rams";
  ASSERT_TRUE(SaveSlot(folder, saved.Team, saved.League).Ok());
  Begin(false);
  Script({"press 351 481", "expect-screen hub", "expect Team.Cash 123456", "expect League[9].Name Iron Rams",
          "expect Runtime.GambledThisMonth 1", "expect Runtime.FundraisedThisMonth 1",
          "expect Runtime.HubIntroCounter 1"});
  EXPECT_EQ(State().Team.Gap066[1], 0x5A);
}

TEST_F(TeamCreationTest, TitleColourReadsTheBarsAsHexDigits) {
  EXPECT_EQ(CreationTitleColor(50, 75), Rgb(0x755010));
  EXPECT_EQ(CreationTitleColor(10, 99), Rgb(0x991010));
  Begin(true);
  for (int i = 0; i < 200; ++i) {
    Script({"wait 35"});
    ASSERT_TRUE(InRange(State().Runtime.CreationBarA, 10, 99));
    ASSERT_TRUE(InRange(State().Runtime.CreationBarB, 10, 99));
  }
}

}  // namespace
}  // namespace vantoro::testing

namespace vantoro::testing {
namespace {

// Closing the title ends the game, so a script ends there too, with
// status 0; closing any other screen lets the script go on.
TEST_F(ScreenTest, ClosingTheTitleEndsTheScript) {
  std::istringstream ends("wait 25\nclose\nexpect-screen no-such-screen\n");
  std::ostringstream err;
  EXPECT_EQ(driver->Run(ends, err), 0) << err.str();
  ReplaceDriver(folder);
  std::istringstream goesOn("press 100 100\nwait 100\nclose\nexpect-screen no-such-screen\n");
  EXPECT_EQ(driver->Run(goesOn, err), 1);
}

}  // namespace
}  // namespace vantoro::testing
