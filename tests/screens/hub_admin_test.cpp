// The ADMIN section: SAVE & EXIT through the save slot, and the help pages.

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "screen_fixture.hpp"
#include "state/save_slot.hpp"

namespace vantoro::testing {
namespace {

std::string Images(const GameState& game) {
  std::string bytes(kTeamRecordSize + kLeagueRecordSize, '\0');
  const auto out = std::as_writable_bytes(std::span(bytes));
  WriteImage(game.Team, out.first<kTeamRecordSize>());
  WriteImage(game.League, out.subspan<kTeamRecordSize, kLeagueRecordSize>());
  return bytes;
}
std::string FileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class HubAdminTest : public ScreenTest {
 protected:
  // A new squad committed, the hub's opening played out, then an ADMIN tab.
  void EnterAdmin(int tabX) {
    Script({"wait 25", "press 100 100", "wait 1400", "press 211 499", "press 599 499", "expect-screen hub",
            "wait 1600", "press 50 535", "press " + std::to_string(tabX) + " 115", "wait 50"});
  }
};

TEST_F(HubAdminTest, SaveAndExitWritesTheSlotThatLoadGameRestores) {
  EnterAdmin(180);
  State().Team.Cash = 4321;
  State().Team.Gap066[1] = 0x5A;
  State().League[3].Name = "Iron Rams";
  const std::string saved = Images(State());

  Script({"press 280 300", "expect-screen hub", "press 529 389", "expect-screen title"});
  EXPECT_FALSE(driver->Screens().TickRunning(ScreenId::Hub));
  EXPECT_TRUE(driver->Screens().TickRunning(ScreenId::Title));
  EXPECT_TRUE(driver->Platform().Messages().empty());
  EXPECT_EQ(FileText(folder / "savefilex.dat") + FileText(folder / "savefiley.dat"), saved);

  // The title offers a new game; LOAD GAME then brings the saved one back.
  Script({"wait 25", "press 100 100", "expect Team.Cash 700", "press 400 490", "expect-screen hub"});
  EXPECT_EQ(Images(State()), saved);
}

TEST_F(HubAdminTest, SaveIntoAnUnwritableFolderShowsWhyAndStays) {
  // A folder below a plain file can be neither made nor written, even by root.
  std::ofstream(folder / "blocker") << "not a folder";
  ReplaceDriver(folder / "blocker" / "slot");
  EnterAdmin(180);
  Script({"press 400 300", "expect-screen hub"});
  ASSERT_EQ(driver->Platform().Messages().size(), 1U);
  const std::string& message = driver->Platform().Messages()[0];
  EXPECT_EQ(message, "The game was not saved: the save folder does not exist. The save slot in " +
                         (folder / "blocker" / "slot").string() + " is as it was before this save.");
  EXPECT_TRUE(driver->Screens().TickRunning(ScreenId::Hub));
  Script({"press 290 115", "wait 50", "expect Runtime.HubPage 2", "expect-screen hub"});
}

// Where the desktop cannot open a box, the message shows in the frame; the
// press that dismisses it does nothing else.
TEST_F(HubAdminTest, WhereNoBoxOpensTheMessageShowsInTheFrameUntilAPress) {
  std::ofstream(folder / "blocker") << "not a folder";
  ReplaceDriver(folder / "blocker" / "slot");
  driver->Platform().MessageBoxesFail = true;
  EnterAdmin(180);
  const auto boxPixels = [this] {
    int n = 0;
    for (int y = 200; y < 400; ++y)
      for (int x = 150; x < 650; ++x) n += FramePixel(x, y) == Rgb(0x101830) ? 1 : 0;
    return n;
  };
  const auto whiteInBox = [this] {
    int n = 0;
    for (int y = 200; y < 400; ++y)
      for (int x = 150; x < 650; ++x) n += FramePixel(x, y) == kWhite ? 1 : 0;
    return n;
  };
  EXPECT_EQ(boxPixels(), 0);
  Script({"press 400 300", "wait 50", "expect-screen hub"});
  ASSERT_EQ(driver->Platform().Messages().size(), 1U);
  EXPECT_TRUE(driver->Screens().NoticeShowing());
  EXPECT_GT(boxPixels(), 30000);
  EXPECT_GT(whiteInBox(), 200) << "the message's text";
  Script({"wait 500"});
  EXPECT_GT(boxPixels(), 30000) << "the box stays until a press";

  Script({"press 290 115", "wait 50", "expect Runtime.HubPage 1"});  // dismisses only
  EXPECT_FALSE(driver->Screens().NoticeShowing());
  EXPECT_EQ(boxPixels(), 0);
  Script({"press 290 115", "wait 50", "expect Runtime.HubPage 2"});
}

TEST_F(HubAdminTest, NextPageCyclesThroughTheFivePages) {
  EnterAdmin(290);
  struct Start {
    int page;
    std::vector<int> seen;
  };
  for (const Start& s : {Start{1, {2, 3, 4, 5, 1}}, Start{0, {1, 2}}, Start{99, {1}}, Start{-7, {1}}}) {
    State().Runtime.HelpPage = s.page;
    for (int expected : s.seen) {
      Script({"press 491 539"});
      EXPECT_EQ(State().Runtime.HelpPage, Int(expected)) << "from " << s.page;
    }
  }
  for (const char* outside : {"press 490 525", "press 590 525", "press 540 510", "press 540 540"}) {
    Script({outside, "expect Runtime.HelpPage 1"});
  }
}

// Help text is a grey or white; none of it may show outside the frame or on
// the NEXT PAGE button. The fixed scoring note about penalties is the one
// line wider than the frame, by a few pixels.
TEST_F(HubAdminTest, HelpPagesStayInsideTheirFrame) {
  EnterAdmin(290);
  const auto text = [this](int x, int y) {
    const Color c = FramePixel(x, y);
    return c.R == c.G && c.G == c.B && c.R > 0x30;
  };
  for (int page = 1; page <= 5; ++page) {
    State().Runtime.HelpPage = page;
    Script({"wait 50"});
    int ink = 0;
    for (int y = 161; y < 549; ++y) {
      for (int x = 131; x < 770; ++x) {
        const bool onButton = x > 490 && x < 590 && y > 510 && y < 540;
        if (x < 599 && !onButton) ink += text(x, y) ? 1 : 0;
        if (x >= 605 || onButton) {
          ASSERT_FALSE(text(x, y)) << "page " << page << " at " << x << "," << y;
        }
      }
    }
    EXPECT_GT(ink, 2000) << "page " << page;
  }
}

}  // namespace
}  // namespace vantoro::testing
