// The clubhouse's and the store's rules, without any screen.

#include <gtest/gtest.h>

#include <climits>

#include "action_cases.hpp"
#include "sim/clubhouse_actions.hpp"
#include "sim/store_actions.hpp"

namespace vantoro::testing {
namespace {

TEST(ClubhouseTest, UpgradesCostTheirLevelAndNeverPayTheTeam) {
  const auto can = [](const GameState& s) { return CanUpgrade(s, Upgrade::Locks); };
  const auto buy = [](GameState& s) { BuyUpgrade(s, Upgrade::Locks); };
  RunCases({{"LockStrength=1 Cash=50", {}, true, "LockStrength=2 Cash=0"},
            {"LockStrength=2 Cash=100", {}, true, "LockStrength=3 Cash=0"},
            {"LockStrength=1 Cash=49", {}, false, "LockStrength=1"},
            // 2^31 - 1 times 50 wraps below zero: not a price the team can be paid.
            {"LockStrength=2147483647 Cash=1000", {}, false, "Cash=1000"}},
           can, buy);
  const auto garage = [](GameState& s) { BuyUpgrade(s, Upgrade::Garage); };
  RunCases(
      {{"GarageLevel=3 Cash=450", {}, true, "GarageLevel=4 Cash=0"}},
      [](const GameState& s) { return CanUpgrade(s, Upgrade::Garage); }, garage);
}

TEST(ClubhouseTest, FittingsAreBoughtOnce) {
  const auto can = [](const GameState& s) { return CanBuyFitting(s, Fitting::PoolTable); };
  const auto buy = [](GameState& s) { BuyFitting(s, Fitting::PoolTable); };
  RunCases({{"Cash=1500 PoolTable=0", {}, true, "Cash=0 PoolTable=1"},
            {"Cash=5000 PoolTable=1", {}, false, "Cash=5000"},
            {"Cash=1499 PoolTable=0", {}, false, "PoolTable=0"}},
           can, buy);
  auto state = SettledTeam();
  Assign(*state, "Cash=1500");
  BuyFitting(*state, Fitting::PoolTable);
  BuyFitting(*state, Fitting::PoolTable);
  EXPECT_EQ(Mismatches(*state, "Cash=0 PoolTable=1"), "");
}

TEST(ClubhouseTest, AVehicleIsTradedInAtItsFullPrice) {
  RunCases({{"Vehicle=2 Runtime.ViewedVehicle=4 Cash=3000", {}, true, "Vehicle=4 Cash=0"},
            {"Vehicle=2 Runtime.ViewedVehicle=4 Cash=2999", {}, false, "Vehicle=2"},
            {"Vehicle=2 Runtime.ViewedVehicle=1 Cash=0", {}, true, "Vehicle=1 Cash=1500"},
            {"Vehicle=3 Runtime.ViewedVehicle=3 Cash=9000", {}, false, "Cash=9000"},
            // A number that names no vehicle is worth nothing and cannot be bought.
            {"Vehicle=2147483647 Runtime.ViewedVehicle=1 Cash=1500", {}, true, "Vehicle=1 Cash=0"},
            {"Vehicle=-1 Runtime.ViewedVehicle=2 Cash=2999", {}, false, "Cash=2999"},
            {"Vehicle=1 Runtime.ViewedVehicle=5 Cash=99999", {}, false, "Vehicle=1"},
            {"Vehicle=1 Runtime.ViewedVehicle=0 Cash=99999", {}, false, "Vehicle=1"}},
           CanTradeVehicle, TradeVehicle);
}

TEST(ClubhouseTest, LoadPercentagesByVehicle) {
  struct Load {
    int marker, vehicle;
    std::optional<int> percent;
  };
  for (const Load l : {Load{10, 4, 109}, Load{1, 1, 43}, Load{2, 1, 87}, Load{3, 0, std::nullopt},
                       Load{3, -2, std::nullopt}, Load{3, INT_MAX, std::nullopt}}) {
    auto state = SettledTeam();
    for (int p = 1; p <= kSquadSize; ++p) state->Team.PlayerMarkerType[p] = l.marker;
    const auto got = LoadPercentageIn(*state, l.vehicle);
    EXPECT_EQ(got.has_value(), l.percent.has_value()) << l.vehicle;
    if (got && l.percent) {
      EXPECT_EQ(*got, Int(*l.percent)) << l.marker << " in " << l.vehicle;
    }
  }
  auto state = SettledTeam();
  state->Runtime.ViewedVehicle = 3;
  for (int v : {4, 1, 2}) {
    ViewNextVehicle(*state);
    EXPECT_EQ(state->Runtime.ViewedVehicle, Int(v));
  }
  state->Runtime.ViewedVehicle = -9;
  ViewNextVehicle(*state);
  EXPECT_EQ(state->Runtime.ViewedVehicle, Int(1));
}

TEST(StoreTest, RepairAndSaleArePricedByTypeAndCondition) {
  const char* type6 = "Runtime.SelectedPlayer=2 PlayerMarkerType[2]=6 PlayerMarkerCondition[2]=40 ";
  RunCases({{(std::string(type6) + "Cash=360").c_str(), {}, true, "Cash=0 PlayerMarkerCondition[2]=100"},
            {(std::string(type6) + "Cash=359").c_str(), {}, false, "PlayerMarkerCondition[2]=40"},
            {"Runtime.SelectedPlayer=2 PlayerMarkerType[2]=0 Cash=500", {}, false, "Cash=500"},
            {"Runtime.SelectedPlayer=2 PlayerMarkerType[2]=3 PlayerMarkerCondition[2]=150 Cash=0",
             {},
             false,
             "Cash=0"},
            {"Runtime.SelectedPlayer=9 Cash=500", {}, false, "Cash=500"}},
           CanRepair, Repair);
  RunCases({{(std::string(type6) + "PlayerMarkerCustom[2]=0 Cash=0").c_str(),
             {},
             true,
             "Cash=360 PlayerMarkerType[2]=0 PlayerMarkerCondition[2]=40"},
            {(std::string(type6) + "PlayerMarkerCustom[2]=3 Cash=0").c_str(),
             {},
             true,
             "Cash=460 PlayerMarkerType[2]=0 PlayerMarkerCustom[2]=0"},
            {"Runtime.SelectedPlayer=2 PlayerMarkerType[2]=0 Cash=0", {}, false, "Cash=0"},
            // A damaged condition would make the sale cost money: no sale.
            {"Runtime.SelectedPlayer=2 PlayerMarkerType[2]=5 PlayerMarkerCondition[2]=-20 Cash=100",
             {},
             false,
             "Cash=100"}},
           CanSell, Sell);
}

TEST(StoreTest, PaintIsSoldByTheBox) {
  RunCases({{"Runtime.PaintPrice=12 Cash=120 Paintballs=5", {}, true, "Cash=0 Paintballs=1005"},
            {"Runtime.PaintPrice=12 Cash=119", {}, false, "Cash=119"},
            {"Runtime.PaintPrice=-5 Cash=0", {}, false, "Cash=0"}},
           CanBuyPaint, BuyPaint);
}

TEST(StoreTest, TheCatalogueSellsReleasedModelsToPlayersWithout) {
  const char* none = "Runtime.SelectedPlayer=3 PlayerMarkerType[3]=0 Cash=5000 ";
  const auto with = [&](const char* more) { return std::string(none) + more; };
  RunCases({{with("Year=2000 Runtime.CatalogItem=3").c_str(),
             {},
             true,
             "PlayerMarkerType[3]=3 Cash=4508 PlayerMarkerCondition[3]=100 PlayerMarkerAge[3]=0"},
            {with("Year=2000 Runtime.CatalogItem=4").c_str(), {}, false, "Cash=5000"},
            {with("Year=2004 Runtime.CatalogItem=7").c_str(), {}, true, "PlayerMarkerType[3]=7 Cash=3852"},
            {with("Year=2004 Runtime.CatalogItem=5 GameType=1").c_str(), {}, false, "Cash=5000"},
            {with("Year=2004 Runtime.CatalogItem=4 GameType=1").c_str(), {}, true, "PlayerMarkerType[3]=4"},
            {"Runtime.SelectedPlayer=3 PlayerMarkerType[3]=2 Cash=5000 Year=2004 Runtime.CatalogItem=1",
             {},
             false,
             "Cash=5000"},
            {with("Year=2007 Runtime.CatalogItem=10 Cash=1640").c_str(), {}, true, "Cash=0"},
            {with("Year=2007 Runtime.CatalogItem=10 Cash=1639").c_str(), {}, false, "Cash=1639"},
            {with("Year=2100 Runtime.CatalogItem=11").c_str(), {}, false, "Cash=5000"},
            {with("Year=2100 Runtime.CatalogItem=-5").c_str(), {}, false, "Cash=5000"}},
           CanBuyCatalogItem, BuyCatalogItem);
}

TEST(StoreTest, CustomisationsFitTheirMarkersOncePerMarker) {
  struct Fit {
    int type, choice;
    bool fits;
  };
  for (const Fit f :
       {Fit{2, 1, false}, Fit{2, 2, true}, Fit{2, 3, false}, Fit{2, 4, true}, Fit{4, 3, true},
        Fit{4, 1, false}, Fit{5, 1, true}, Fit{0, 2, false}, Fit{6, 0, false}, Fit{6, 5, false}}) {
    auto state = SettledTeam();
    Assign(*state, "Runtime.SelectedPlayer=1 PlayerMarkerCustom[1]=0 Cash=250 Runtime.HubPage=4");
    state->Team.PlayerMarkerType[1] = f.type;
    state->Runtime.CustomChoice = f.choice;
    UpdateCustomEligible(*state);
    EXPECT_EQ(state->Runtime.CustomEligible, Int(f.fits ? 1 : 0)) << f.type << "/" << f.choice;
    BuyCustomisation(*state);
    EXPECT_EQ(state->Team.PlayerMarkerCustom[1], Int(f.fits ? f.choice : 0)) << f.type << "/" << f.choice;
    EXPECT_EQ(state->Runtime.HubPage, Int(f.fits ? 1 : 4));
  }
  RunCases({{"Runtime.SelectedPlayer=1 PlayerMarkerType[1]=6 PlayerMarkerCustom[1]=2 Runtime.CustomChoice=4 "
             "Cash=900",
             {},
             false,
             "PlayerMarkerCustom[1]=2"},
            {"Runtime.SelectedPlayer=1 PlayerMarkerType[1]=6 PlayerMarkerCustom[1]=0 Runtime.CustomChoice=4 "
             "Cash=249",
             {},
             false,
             "Cash=249"}},
           CanBuyCustomisation, BuyCustomisation);
  RunCases(
      {{"Runtime.SelectedPlayer=1 PlayerMarkerType[1]=6 PlayerMarkerCustom[1]=0",
        {},
        true,
        "Runtime.HubPage=4"},
       {"Runtime.SelectedPlayer=1 PlayerMarkerType[1]=6 PlayerMarkerCustom[1]=1 Runtime.HubPage=3",
        {},
        false,
        "Runtime.HubPage=3"},
       {"Runtime.SelectedPlayer=1 PlayerMarkerType[1]=0 Runtime.HubPage=3", {}, false, "Runtime.HubPage=3"}},
      CanOpenCustomise, OpenCustomise);
}

TEST(StoreTest, BrowsingWrapsAround) {
  struct Step {
    const char* setup;
    void (*step)(GameState&);
    const char* expect;
  };
  for (const Step s : {Step{"Runtime.CatalogItem=1", PreviousCatalogItem, "Runtime.CatalogItem=10"},
                       Step{"Runtime.CatalogItem=10", NextCatalogItem, "Runtime.CatalogItem=1"},
                       Step{"Runtime.CatalogItem=-7", PreviousCatalogItem, "Runtime.CatalogItem=10"},
                       Step{"Runtime.SelectedPlayer=7", NextCatalogPlayer, "Runtime.SelectedPlayer=1"},
                       Step{"Runtime.CustomChoice=4", NextCustomChoice, "Runtime.CustomChoice=1"},
                       Step{"Runtime.CustomChoice=2147483647", NextCustomChoice, "Runtime.CustomChoice=1"}}) {
    auto state = SettledTeam();
    Assign(*state, s.setup);
    s.step(*state);
    EXPECT_EQ(Mismatches(*state, s.expect), "") << s.setup;
  }
}

}  // namespace
}  // namespace vantoro::testing
