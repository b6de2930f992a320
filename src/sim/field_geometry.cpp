#include "sim/field_geometry.hpp"

#include <bitset>
#include <cmath>

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

}  // namespace

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
