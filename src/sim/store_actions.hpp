#pragma once
// STORE: repairing and selling the players' markers, paint by the box, the
// catalogue of new markers and the customisations fitted to a marker.

#include "state/game_state.hpp"

namespace vantoro {

// The selected player's marker (type 0 is none); nothing when no player is
// selected.
bool SelectedHasMarker(const GameState& state);

// (100 - condition) x type; a price that wraps below zero buys nothing.
Int RepairPrice(const GameState& state);
bool CanRepair(const GameState& state);
void Repair(GameState& state);

// condition x (type x 164 div 100), and 100 more for a customised marker.
Int SalePrice(const GameState& state);
bool CanSell(const GameState& state);
void Sell(GameState& state);

Int PaintBoxPrice(const GameState& state);
bool CanBuyPaint(const GameState& state);
void BuyPaint(GameState& state);

void PreviousCatalogItem(GameState& state);
void NextCatalogItem(GameState& state);
void NextCatalogPlayer(GameState& state);
Int CatalogPrice(Int item);
bool Released(const GameState& state, Int item);
// Beyond the pumps in a Pumps Only league.
bool BarredByPumpsOnly(const GameState& state, Int item);
// The item shown, for the selected player, who must have no marker.
bool CanBuyCatalogItem(const GameState& state);
void BuyCatalogItem(GameState& state);

// CUSTOMISE opens for a marker that is not customised yet.
bool CanOpenCustomise(const GameState& state);
void OpenCustomise(GameState& state);
void NextCustomChoice(GameState& state);
// Whether the customisation shown fits the selected player's marker.
bool CustomisationFits(const GameState& state);
void UpdateCustomEligible(GameState& state);
bool CanBuyCustomisation(const GameState& state);
// Fitted, and back to MARKERS.
void BuyCustomisation(GameState& state);

}  // namespace vantoro
