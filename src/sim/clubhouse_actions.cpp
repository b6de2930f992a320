#include "sim/clubhouse_actions.hpp"

#include "sim/catalogue.hpp"

namespace vantoro {
namespace {

template <class Team>
auto& LevelOf(Team& team, Upgrade upgrade) {
  switch (upgrade) {
    case Upgrade::Locks: return team.LockStrength;
    case Upgrade::Alarm: return team.SecurityLevel;
    case Upgrade::Garage: return team.GarageLevel;
  }
  return team.LockStrength;
}

template <class Team>
auto& Owned(Team& team, Fitting fitting) {
  switch (fitting) {
    case Fitting::Television: return team.Television;
    case Fitting::PbCooler: return team.PBCooler;
    case Fitting::SnackMachine: return team.SnackMachine;
    case Fitting::PoolTable: return team.PoolTable;
    case Fitting::BeerFridge: return team.BeerFridge;
  }
  return team.Television;
}

}  // namespace

Int UpgradeLevel(const GameState& state, Upgrade upgrade) { return LevelOf(state.Team, upgrade); }

Int UpgradePrice(const GameState& state, Upgrade upgrade) {
  static constexpr int kStep[] = {50, 100, 150};
  return UpgradeLevel(state, upgrade) * kStep[static_cast<int>(upgrade)];
}

bool CanUpgrade(const GameState& state, Upgrade upgrade) {
  const Int price = UpgradePrice(state, upgrade);
  return price >= 0 && state.Team.Cash >= price;
}

void BuyUpgrade(GameState& state, Upgrade upgrade) {
  if (!CanUpgrade(state, upgrade)) return;
  state.Team.Cash -= UpgradePrice(state, upgrade);
  ++LevelOf(state.Team, upgrade);
}

Int FittingPrice(Fitting fitting) {
  static constexpr int kPrices[] = {500, 500, 700, 1500, 500};
  return kPrices[static_cast<int>(fitting)];
}

bool FittingOwned(const GameState& state, Fitting fitting) { return Owned(state.Team, fitting) != 0; }

bool CanBuyFitting(const GameState& state, Fitting fitting) {
  return !FittingOwned(state, fitting) && state.Team.Cash >= FittingPrice(fitting);
}

void BuyFitting(GameState& state, Fitting fitting) {
  if (!CanBuyFitting(state, fitting)) return;
  state.Team.Cash -= FittingPrice(fitting);
  Owned(state.Team, fitting) = 1;
}

Int VehicleValue(Int vehicle) { return VehicleOf(vehicle) != nullptr ? vehicle * kVehicleUnitPrice : Int(0); }

std::optional<Int> LoadPercentageIn(const GameState& state, Int vehicle) {
  Int load = 0;
  for (int p = 1; p <= kSquadSize; ++p) load += state.Team.PlayerMarkerType[p];
  const Int capacity = vehicle * kVehicleUnitCapacity;
  if (capacity <= 0) return std::nullopt;
  return load * 100 / capacity;
}

void ViewNextVehicle(GameState& state) {
  Int& viewed = state.Runtime.ViewedVehicle;
  ++viewed;
  if (!InRange(viewed, 1, 4)) viewed = 1;
}

bool CanTradeVehicle(const GameState& state) {
  const Int viewed = state.Runtime.ViewedVehicle;
  if (VehicleOf(viewed) == nullptr || viewed == state.Team.Vehicle) return false;
  return state.Team.Cash + VehicleValue(state.Team.Vehicle) >= VehicleValue(viewed);
}

void TradeVehicle(GameState& state) {
  if (!CanTradeVehicle(state)) return;
  TeamRecord& team = state.Team;
  const Int viewed = state.Runtime.ViewedVehicle;
  team.Cash += VehicleValue(team.Vehicle) - VehicleValue(viewed);
  team.Vehicle = viewed;
}

}  // namespace vantoro
