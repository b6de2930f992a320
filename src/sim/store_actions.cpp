#include "sim/store_actions.hpp"

#include "sim/catalogue.hpp"
#include "sim/players.hpp"

namespace vantoro {
namespace {

constexpr int kMarkersPage = 1;
constexpr int kCustomisePage = 4;

Int MarkerOf(const GameState& state) { return state.Team.PlayerMarkerType[state.Runtime.SelectedPlayer]; }
Int ConditionOf(const GameState& state) {
  return state.Team.PlayerMarkerCondition[state.Runtime.SelectedPlayer];
}
Int CustomOf(const GameState& state) { return state.Team.PlayerMarkerCustom[state.Runtime.SelectedPlayer]; }

void Wrap(Int& value, int first, int last, int afterLast) {
  if (!InRange(value, first, last)) value = afterLast;
}

}  // namespace

bool SelectedHasMarker(const GameState& state) { return PlayerSelected(state) && MarkerOf(state) != 0; }

Int RepairPrice(const GameState& state) {
  if (!PlayerSelected(state)) return 0;
  return (Int(100) - ConditionOf(state)) * MarkerOf(state);
}

// A marker in full condition has nothing to repair.
bool CanRepair(const GameState& state) {
  const Int price = RepairPrice(state);
  return SelectedHasMarker(state) && ConditionOf(state) < 100 && price >= 0 && state.Team.Cash >= price;
}

void Repair(GameState& state) {
  if (!CanRepair(state)) return;
  state.Team.Cash -= RepairPrice(state);
  state.Team.PlayerMarkerCondition[state.Runtime.SelectedPlayer] = 100;
}

Int SalePrice(const GameState& state) {
  if (!PlayerSelected(state)) return 0;
  Int price = ConditionOf(state) * (MarkerOf(state) * kMarkerUnitPrice / 100);
  if (CustomOf(state) > 0) price += 100;
  return price;
}

// A damaged condition could make a sale cost the team money: such a marker
// does not sell.
bool CanSell(const GameState& state) { return SelectedHasMarker(state) && SalePrice(state) >= 0; }

void Sell(GameState& state) {
  if (!CanSell(state)) return;
  const Int p = state.Runtime.SelectedPlayer;
  state.Team.Cash += SalePrice(state);
  state.Team.PlayerMarkerType[p] = 0;
  state.Team.PlayerMarkerCustom[p] = 0;
}

Int PaintBoxPrice(const GameState& state) { return state.Runtime.PaintPrice * 10; }

bool CanBuyPaint(const GameState& state) {
  const Int price = PaintBoxPrice(state);
  return price >= 0 && state.Team.Cash >= price;
}

void BuyPaint(GameState& state) {
  if (!CanBuyPaint(state)) return;
  state.Team.Paintballs += 1000;
  state.Team.Cash -= PaintBoxPrice(state);
}

void PreviousCatalogItem(GameState& state) {
  --state.Runtime.CatalogItem;
  Wrap(state.Runtime.CatalogItem, 1, kCatalogItems, kCatalogItems);
}

void NextCatalogItem(GameState& state) {
  ++state.Runtime.CatalogItem;
  Wrap(state.Runtime.CatalogItem, 1, kCatalogItems, 1);
}

void NextCatalogPlayer(GameState& state) {
  ++state.Runtime.SelectedPlayer;
  Wrap(state.Runtime.SelectedPlayer, 1, kSquadSize, 1);
}

Int CatalogPrice(Int item) { return item * kMarkerUnitPrice; }

bool Released(const GameState& state, Int item) { return item <= state.Team.Year - kFirstReleaseYear; }

bool BarredByPumpsOnly(const GameState& state, Int item) {
  return state.Team.GameType == 1 && item > kLastPump;
}

bool CanBuyCatalogItem(const GameState& state) {
  const Int item = state.Runtime.CatalogItem;
  const Int price = CatalogPrice(item);
  return PlayerSelected(state) && !SelectedHasMarker(state) && CatalogOf(item) != nullptr && price >= 0 &&
         price <= state.Team.Cash && Released(state, item) && !BarredByPumpsOnly(state, item);
}

void BuyCatalogItem(GameState& state) {
  if (!CanBuyCatalogItem(state)) return;
  const Int p = state.Runtime.SelectedPlayer, item = state.Runtime.CatalogItem;
  state.Team.PlayerMarkerType[p] = item;
  state.Team.Cash -= CatalogPrice(item);
  state.Team.PlayerMarkerCondition[p] = 100;
  state.Team.PlayerMarkerAge[p] = 0;
}

bool CanOpenCustomise(const GameState& state) { return SelectedHasMarker(state) && CustomOf(state) == 0; }

void OpenCustomise(GameState& state) {
  if (CanOpenCustomise(state)) state.Runtime.HubPage = kCustomisePage;
}

void NextCustomChoice(GameState& state) {
  ++state.Runtime.CustomChoice;
  Wrap(state.Runtime.CustomChoice, 1, kCustomisations, 1);
}

bool CustomisationFits(const GameState& state) {
  const Customisation* c = CustomisationOf(state.Runtime.CustomChoice);
  return c != nullptr && PlayerSelected(state) && MarkerOf(state) >= c->SmallestMarker;
}

void UpdateCustomEligible(GameState& state) {
  state.Runtime.CustomEligible = CustomisationFits(state) ? 1 : 0;
}

// One customisation per marker, on a marker the player has.
bool CanBuyCustomisation(const GameState& state) {
  return CustomisationFits(state) && CanOpenCustomise(state) && state.Team.Cash > kCustomisationPrice - 1;
}

void BuyCustomisation(GameState& state) {
  if (!CanBuyCustomisation(state)) return;
  state.Team.Cash -= kCustomisationPrice;
  state.Team.PlayerMarkerCustom[state.Runtime.SelectedPlayer] = state.Runtime.CustomChoice;
  state.Runtime.HubPage = kMarkersPage;
}

}  // namespace vantoro
