// HQ and STORE through the hub: every page's presses and grey states.

#include <string>

#include "screen_fixture.hpp"

namespace vantoro::testing {
namespace {

class HubStoreTest : public ScreenTest {
 protected:
  // section 2 (HQ) or 3 (STORE), then one of its tabs.
  void Open(int section, int tabX) {
    EnterHub();
    Script({"press 50 " + std::to_string(90 + 70 * (section - 1) + 25),
            "press " + std::to_string(tabX) + " 115", "wait 50"});
  }
  void Press(int x, int y) { Script({"press " + std::to_string(x) + " " + std::to_string(y), "wait 50"}); }
};

TEST_F(HubStoreTest, PurchaseUpgradesAndFittingsGreyOnceTheyCannotBeBought) {
  Open(2, 290);
  Script({"set Team.Cash 600", "set Team.LockStrength 1", "set Team.Television 0", "wait 50"});
  EXPECT_EQ(FramePixel(385, 195), kGreenFill);  // the television's box
  Press(190, 185);                              // locks: $50
  Press(430, 185);                              // the television: $500
  Script({"expect Team.LockStrength 2", "expect Team.Television 1", "expect Team.Cash 50"});
  EXPECT_EQ(FramePixel(385, 195), Rgb(0x222222));  // owned
  EXPECT_EQ(FramePixel(145, 195), Rgb(0x222222));  // the next lock level costs $100
  Press(190, 185);
  Script({"expect Team.LockStrength 2"});
}

TEST_F(HubStoreTest, VehiclePageViewsAndTrades) {
  Open(2, 400);
  Script({"set Team.Vehicle 2", "set Runtime.ViewedVehicle 3", "set Team.Cash 1000"});
  Press(440, 285);
  Script({"expect Runtime.ViewedVehicle 4"});
  Press(440, 325);  // a Fjord for a Beadle needs $3000
  Script({"expect Team.Vehicle 2", "set Team.Cash 3000"});
  Press(440, 325);
  Script({"expect Team.Vehicle 4", "expect Team.Cash 0"});
}

TEST_F(HubStoreTest, MarkersAreRepairedAndSold) {
  Open(3, 180);
  Script({"set Team.PlayerMarkerType[3] 6", "set Team.PlayerMarkerCondition[3] 40",
          "set Team.PlayerMarkerCustom[3] 0", "set Team.Cash 360"});
  Press(180, 245);  // player 3
  Script({"expect Runtime.SelectedPlayer 3"});
  EXPECT_EQ(FramePixel(355, 410), kGreenFill);
  Press(400, 400);
  Script({"expect Team.PlayerMarkerCondition[3] 100", "expect Team.Cash 0"});
  EXPECT_EQ(FramePixel(355, 410), kGreyFill);  // nothing left to repair
  Press(400, 440);
  Script({"expect Team.PlayerMarkerType[3] 0", "expect Team.Cash 900"});  // 100% x (6 x 164 div 100)
  EXPECT_EQ(FramePixel(355, 440), Rgb(0x000000));                         // no marker: no buttons
}

TEST_F(HubStoreTest, PaintIsBoughtByTheBox) {
  Open(3, 290);
  Script({"set Runtime.PaintPrice 12", "set Team.Cash 130", "set Team.Paintballs 0"});
  Press(300, 265);
  Script({"expect Team.Paintballs 1000", "expect Team.Cash 10"});
  EXPECT_EQ(FramePixel(255, 275), kGreyFill);
}

TEST_F(HubStoreTest, CatalogueAndCustomisation) {
  Open(3, 400);
  Script({"set Team.Year 2001", "set Team.Cash 700", "set Team.PlayerMarkerType[1] 0",
          "set Runtime.CatalogItem 1"});
  Press(320, 180);  // Prev: before 1 comes 10
  Script({"expect Runtime.CatalogItem 10"});
  EXPECT_EQ(FramePixel(555, 290), kGreyFill);  // not released until 2007
  Press(440, 180);
  Press(440, 180);
  Press(440, 180);
  Press(440, 180);  // item 4, released in 2001, $656
  Script({"expect Runtime.CatalogItem 4"});
  EXPECT_EQ(FramePixel(555, 290), kGreenFill);
  Press(600, 280);
  Script({"expect Team.PlayerMarkerType[1] 4", "expect Team.Cash 44"});
  Press(600, 335);  // CUSTOMISE
  Script({"expect Runtime.HubPage 4"});
  EXPECT_EQ(FramePixel(135, 105), Rgb(0x332200));  // no tab is lit on page 4
  Script({"set Team.Cash 300", "set Runtime.CustomChoice 1", "wait 50", "expect Runtime.CustomEligible 0"});
  EXPECT_EQ(FramePixel(405, 275), kGreyFill);  // no hopper for a Stocker
  Press(440, 265);
  Script({"expect Team.PlayerMarkerCustom[1] 0"});
  Press(440, 215);
  Press(440, 215);  // the muzzle break fits a Stocker
  Script({"expect Runtime.CustomChoice 3", "expect Runtime.CustomEligible 1"});
  Press(440, 265);
  Script({"expect Team.PlayerMarkerCustom[1] 3", "expect Runtime.HubPage 1", "expect Team.Cash 50"});
}

// Values a damaged save may hold: every HQ and STORE page draws.
TEST_F(HubStoreTest, HostileValuesDrawEveryPage) {
  EnterHub();
  for (const char* set :
       {"Team.Vehicle 0", "Team.Vehicle 2147483647", "Runtime.ViewedVehicle -3", "Runtime.CatalogItem 11",
        "Runtime.CatalogItem -2147483648", "Runtime.CustomChoice 0", "Runtime.CustomChoice 9",
        "Team.PlayerMarkerType[1] 11", "Team.PlayerMarkerType[1] -1", "Team.PlayerMarkerCondition[1] 150",
        "Team.PlayerMarkerCustom[1] 77", "Team.LockStrength 2147483647", "Team.PlayerGender[1] 0",
        "Runtime.SelectedPlayer 0", "Runtime.PaintPrice -2147483648"}) {
    Script({std::string("set ") + set});
    for (const auto& [section, page] : {std::pair{2, 1}, {2, 2}, {2, 3}, {3, 1}, {3, 2}, {3, 3}, {3, 4}}) {
      State().Runtime.HubSection = section;
      State().Runtime.HubPage = page;
      Script({"wait 50", "press 190 185", "press 400 400", "press 600 280", "press 440 265", "press 440 325",
              "expect-screen hub"});
    }
    ASSERT_GE(State().Team.Cash, Int(0)) << set;
  }
}

}  // namespace
}  // namespace vantoro::testing
