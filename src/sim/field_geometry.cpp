#include "sim/field_geometry.hpp"

#include <bitset>
#include <cmath>
#include <cstdint>

namespace vantoro {
namespace {

bool InsideAnyBunker(Vec2 p) {
  bool inside = false;
  for (const Bunker& b : kBunkers) inside = inside || b.Contains(p.X, p.Y);
  return inside;
}

using SightTable = std::array<std::bitset<kFieldCells>, kFieldCells>;

SightTable BuildSightTable() {
  SightTable table{};
  for (int from = 1; from <= kFieldCells; ++from) {
    for (int to = 1; to <= kFieldCells; ++to) {
      table[static_cast<std::size_t>(from - 1)][static_cast<std::size_t>(to - 1)] =
          LineOfSightClear(CellPoint(from), CellPoint(to));
    }
  }
  return table;
}

// Index 0 is the point of every cell off the field (out of play, or a
// damaged value); 1..63 the cells.
constexpr int SightIndex(Int cell) { return InRange(cell, 1, kFieldCells) ? cell.v : 0; }

using DistanceTable = std::array<std::array<std::int32_t, kFieldCells + 1>, kFieldCells + 1>;

constexpr DistanceTable BuildDistanceTable() {
  DistanceTable table{};
  for (int a = 0; a <= kFieldCells; ++a) {
    for (int b = 0; b <= kFieldCells; ++b) {
      const CellXY p = CellXYOf(a), q = CellXYOf(b);
      table[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] =
          (p.X - q.X) * (p.X - q.X) + (p.Y - q.Y) * (p.Y - q.Y);
    }
  }
  return table;
}

constexpr DistanceTable kSquaredDistances = BuildDistanceTable();

}  // namespace

bool WithinRange(Int range, Int fromCell, Int toCell) {
  // range > sqrt(d2) exactly when range is positive and range^2 > d2: both
  // are whole numbers, and no square root of a whole number below 2^31
  // rounds onto a whole number it is not.
  if (range <= 0) return false;
  const std::int64_t r = range.v;
  const std::int64_t d2 = kSquaredDistances[static_cast<std::size_t>(SightIndex(fromCell))]
                                           [static_cast<std::size_t>(SightIndex(toCell))];
  return r * r > d2;
}

double VecLength(Vec2 v) { return std::sqrt(v.X * v.X + v.Y * v.Y); }
double VecDistance(Vec2 a, Vec2 b) { return VecLength(VecSub(a, b)); }

Vec2 CellPoint(Int cell) {
  const CellXY p = InRange(cell, 1, kFieldCells) ? CellXYOf(cell.v) : kOutOfPlay;
  return {static_cast<double>(p.X), static_cast<double>(p.Y)};
}

bool LineOfSightClear(Vec2 from, Vec2 to) {
  double length = VecDistance(to, from);
  if (length < 1.0) length = 1.0;
  const double dx = (from.X - to.X) / length;
  const double dy = (from.Y - to.Y) / length;
  Vec2 p = to;
  bool clear = true;
  bool reached = false;
  do {
    if (from.X - 5 < p.X && p.X < from.X + 5 && from.Y - 5 < p.Y && p.Y < from.Y + 5) reached = true;
    p.X += dx;
    p.Y += dy;
    if (InsideAnyBunker(p)) clear = false;
  } while (!reached);
  return clear;
}

bool CellsInSight(Int shooterCell, Int targetCell) {
  if (!InRange(shooterCell, 1, kFieldCells) || !InRange(targetCell, 1, kFieldCells))
    return LineOfSightClear(CellPoint(shooterCell), CellPoint(targetCell));
  static const SightTable table = BuildSightTable();
  return table[static_cast<std::size_t>(shooterCell.v - 1)][static_cast<std::size_t>(targetCell.v - 1)];
}

}  // namespace vantoro
