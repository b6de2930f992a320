#pragma once
// Where things are on the match field, in field pixels (the field picture's
// own coordinates; the screen draws it with its top-left corner at (50, 50)).
// The cell points are placed by hand on the picture, not on a regular grid,
// and the bunkers are the rectangles that block a shot. The artwork draws the
// bunkers from the same table, so what blocks a shot is what the player sees.

#include <array>

#include "state/int.hpp"

namespace vantoro {

inline constexpr int kFieldColumns = 9;  // along the field, own flag station at column 0
inline constexpr int kFieldLanes = 7;    // across it
inline constexpr int kFieldCells = kFieldColumns * kFieldLanes;

struct CellXY {
  int X;
  int Y;
};

// Cell n (1..63) is column (n - 1) / 7, lane (n - 1) % 7.
constexpr int CellColumn(int cell) { return (cell - 1) / kFieldLanes; }
constexpr int CellLane(int cell) { return (cell - 1) % kFieldLanes; }

// Indexed by cell - 1; one row of seven per column, lanes 0..6.
inline constexpr std::array<CellXY, kFieldCells> kCellPoints = {{
    {11, 70},   {11, 103},  {11, 141},  {11, 183},  {11, 234},  {11, 276},  {11, 315},  {64, 47},
    {59, 101},  {76, 139},  {60, 214},  {82, 236},  {58, 270},  {92, 329},  {192, 15},  {166, 73},
    {175, 125}, {175, 186}, {175, 250}, {160, 308}, {165, 355}, {265, 20},  {275, 90},  {275, 154},
    {275, 190}, {275, 227}, {275, 288}, {275, 352}, {352, 30},  {352, 85},  {352, 137}, {352, 187},
    {352, 241}, {352, 290}, {352, 345}, {453, 23},  {426, 88},  {423, 159}, {415, 185}, {414, 213},
    {425, 292}, {445, 353}, {534, 17},  {534, 77},  {534, 116}, {534, 187}, {534, 250}, {534, 297},
    {534, 355}, {634, 46},  {634, 102}, {613, 135}, {640, 213}, {607, 233}, {635, 266}, {605, 327},
    {685, 80},  {685, 119}, {685, 150}, {685, 189}, {685, 228}, {685, 263}, {685, 303},
}};

// A player out of play (cell 0) stands far outside every range.
inline constexpr CellXY kOutOfPlay = {-2500, -2500};

// The table's point for cells 1..63, kOutOfPlay for any other value (a cell
// may come from a damaged save).
constexpr CellXY CellXYOf(int cell) {
  return cell >= 1 && cell <= kFieldCells ? kCellPoints[static_cast<std::size_t>(cell - 1)] : kOutOfPlay;
}

struct Bunker {
  int XLow;
  int XHigh;
  int YLow;
  int YHigh;

  // Strictly inside: a point on an edge passes.
  constexpr bool Contains(double x, double y) const { return XLow < x && x < XHigh && YLow < y && y < YHigh; }
};

inline constexpr std::array<Bunker, 19> kBunkers = {{
    {60, 108, 52, 99},    {60, 107, 165, 209},  {60, 108, 275, 315},  {166, 210, 23, 67},
    {188, 223, 104, 138}, {188, 223, 232, 265}, {166, 211, 302, 348}, {280, 311, 90, 154},
    {280, 312, 223, 283}, {332, 367, 300, 330}, {385, 419, 92, 153},  {385, 419, 222, 283},
    {485, 525, 23, 67},   {478, 505, 108, 138}, {478, 501, 238, 262}, {485, 522, 306, 342},
    {590, 628, 58, 91},   {590, 627, 172, 205}, {592, 628, 277, 315},
}};

// Points and distances in field pixels, in doubles.
struct Vec2 {
  double X;
  double Y;
};

constexpr Vec2 MakeVec(double x, double y) { return {x, y}; }
constexpr Vec2 VecSub(Vec2 a, Vec2 b) { return {a.X - b.X, a.Y - b.Y}; }
double VecLength(Vec2 v);
double VecDistance(Vec2 a, Vec2 b);

// A cell's point; cell 0 (out of play) and any cell outside 1..63 stand at
// (-2500, -2500).
Vec2 CellPoint(Int cell);

// Whether a marker of this range reaches from one cell's point to the
// other's: the range is longer than the distance. Exact, from the squared
// whole-pixel distances of every pair of cells: the shot step asks it for
// all 98 pairs of players every frame.
bool WithinRange(Int range, Int fromCell, Int toCell);

// Whether a straight walk from the target's point `to` back towards the
// shooter's point `from`, one pixel a step, meets no bunker. The walk is
// the rule itself; the step after the one that reaches the shooter is
// still tested.
bool LineOfSightClear(Vec2 from, Vec2 to);

// The same answer for two cells, from a table of every ordered pair built
// once from the walk; cells outside the field are walked.
bool CellsInSight(Int shooterCell, Int targetCell);

}  // namespace vantoro
