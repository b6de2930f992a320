#pragma once
// HQ: the clubhouse's upgrades and fittings, and trading the team vehicle.

#include <optional>

#include "state/game_state.hpp"

namespace vantoro {

// Three upgrades without end, priced by their current level.
enum class Upgrade { Locks, Alarm, Garage };
// Five fittings bought once.
enum class Fitting { Television, PbCooler, SnackMachine, PoolTable, BeerFridge };

Int UpgradeLevel(const GameState& state, Upgrade upgrade);
// The level times 50, 100 or 150; a price that wraps below zero buys nothing.
Int UpgradePrice(const GameState& state, Upgrade upgrade);
bool CanUpgrade(const GameState& state, Upgrade upgrade);
void BuyUpgrade(GameState& state, Upgrade upgrade);

Int FittingPrice(Fitting fitting);
bool FittingOwned(const GameState& state, Fitting fitting);
bool CanBuyFitting(const GameState& state, Fitting fitting);
void BuyFitting(GameState& state, Fitting fitting);

// A vehicle is worth its number times $1500; a number that names no vehicle
// is worth nothing.
Int VehicleValue(Int vehicle);
// The load of the team's markers in the vehicle, in percent; nullopt for a
// vehicle with no room at all, which counts as overloaded.
std::optional<Int> LoadPercentageIn(const GameState& state, Int vehicle);

void ViewNextVehicle(GameState& state);
// The old vehicle goes in part exchange at its full price.
bool CanTradeVehicle(const GameState& state);
void TradeVehicle(GameState& state);

}  // namespace vantoro
