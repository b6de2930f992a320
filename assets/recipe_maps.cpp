// The league's country: an overview of both islands for picking a view, and
// five detailed strips from the far north to the deep south. The strips are
// windows onto one tall picture of the whole country (576 pixels wide, 1000
// tall): coast, relief and sea are computed from the same geography at the
// same place in that picture, so each strip runs on where the one above
// stops. The overview is the same picture seen five times smaller.

#include <algorithm>
#include <cmath>
#include <span>
#include <string_view>
#include <vector>

#include "assets/art.hpp"
#include "assets/kit_image.hpp"
#include "assets/paint.hpp"
#include "assets/recipes.hpp"

namespace vantoro::art {

namespace {

constexpr int kStripWidth = 576;
constexpr int kStripHeight = 200;
constexpr int kStrips = 5;
constexpr int kOverviewWidth = 143;
constexpr int kOverviewHeight = 200;
// Country pixels per overview pixel: the overview holds the whole stack.
constexpr float kOverviewScale = kStrips * kStripHeight / static_cast<float>(kOverviewHeight);
// Rows drawn above and below a strip, so that blurs near its edges see the
// land beyond them just as the neighbouring strip does.
constexpr int kMargin = 24;

// ---------------------------------------------------------------- geography

struct Geo {
  float Lon, Lat;  // degrees east; degrees north (the south is negative)
};

// Pixels of the country picture per degree of latitude.
constexpr float kPixelsPerDegree = 72.74f;

// Longitude and latitude to the country picture: an equirectangular view
// around 41 degrees south, turned 15 degrees clockwise so that the long
// diagonal country stands upright enough to fit the strips' width, and
// scaled so that it fills the stack from top to bottom.
Point Project(Geo g) {
  constexpr float kTurn = -15.0f * kPi / 180.0f;
  const float east = (g.Lon - 173.0f) * std::cos(41.0f * kPi / 180.0f);
  const float south = -41.0f - g.Lat;
  const float x = east * std::cos(kTurn) - south * std::sin(kTurn);
  const float y = east * std::sin(kTurn) + south * std::cos(kTurn);
  return {327.0f + x * kPixelsPerDegree, 472.6f + y * kPixelsPerDegree};
}

// Coasts, clockwise, from general knowledge of the map: good enough to know
// every cape and bay, not a chart to sail by.
constexpr Geo kNorthIsland[] = {
    {172.68f, -34.42f}, {172.85f, -34.40f}, {173.01f, -34.39f}, {173.05f, -34.47f}, {173.02f, -34.55f},
    {173.10f, -34.68f}, {173.12f, -34.80f}, {173.25f, -34.86f}, {173.38f, -34.78f}, {173.50f, -34.88f},
    {173.45f, -34.98f}, {173.65f, -34.98f}, {173.80f, -35.02f}, {173.95f, -35.10f}, {174.12f, -35.13f},
    {174.10f, -35.25f}, {174.22f, -35.22f}, {174.33f, -35.17f}, {174.33f, -35.30f}, {174.40f, -35.42f},
    {174.50f, -35.55f}, {174.54f, -35.68f}, {174.52f, -35.81f}, {174.40f, -35.77f}, {174.33f, -35.74f},
    {174.40f, -35.81f}, {174.46f, -35.87f}, {174.45f, -35.93f}, {174.50f, -36.05f}, {174.60f, -36.12f},
    {174.72f, -36.22f}, {174.80f, -36.28f}, {174.75f, -36.40f}, {174.72f, -36.50f}, {174.80f, -36.58f},
    {174.92f, -36.62f}, {174.76f, -36.67f}, {174.75f, -36.78f}, {174.82f, -36.84f}, {174.75f, -36.87f},
    {174.88f, -36.87f}, {174.95f, -36.88f}, {175.05f, -36.92f}, {175.20f, -36.95f}, {175.30f, -37.12f},
    {175.42f, -37.22f}, {175.53f, -37.15f}, {175.50f, -36.95f}, {175.45f, -36.80f}, {175.40f, -36.65f},
    {175.35f, -36.50f}, {175.43f, -36.47f}, {175.55f, -36.60f}, {175.70f, -36.75f}, {175.82f, -36.85f},
    {175.86f, -37.00f}, {175.88f, -37.18f}, {175.95f, -37.38f}, {176.05f, -37.52f}, {176.17f, -37.63f},
    {176.30f, -37.70f}, {176.45f, -37.75f}, {176.70f, -37.85f}, {176.99f, -37.95f}, {177.20f, -37.98f},
    {177.30f, -38.00f}, {177.50f, -37.90f}, {177.70f, -37.75f}, {177.85f, -37.62f}, {177.98f, -37.53f},
    {178.15f, -37.55f}, {178.30f, -37.58f}, {178.45f, -37.62f}, {178.55f, -37.69f}, {178.45f, -37.85f},
    {178.38f, -38.00f}, {178.35f, -38.12f}, {178.32f, -38.25f}, {178.30f, -38.38f}, {178.18f, -38.55f},
    {178.02f, -38.68f}, {177.95f, -38.78f}, {177.85f, -38.90f}, {177.93f, -39.02f}, {177.98f, -39.08f},
    {177.92f, -39.27f}, {177.85f, -39.15f}, {177.75f, -39.08f}, {177.55f, -39.05f}, {177.42f, -39.06f},
    {177.25f, -39.08f}, {177.10f, -39.15f}, {176.95f, -39.28f}, {176.90f, -39.42f}, {176.92f, -39.50f},
    {176.95f, -39.58f}, {177.10f, -39.65f}, {176.97f, -39.85f}, {176.85f, -40.05f}, {176.65f, -40.28f},
    {176.62f, -40.48f}, {176.45f, -40.70f}, {176.25f, -40.90f}, {176.05f, -41.10f}, {175.80f, -41.30f},
    {175.55f, -41.45f}, {175.30f, -41.61f}, {175.20f, -41.45f}, {175.05f, -41.42f}, {174.92f, -41.43f},
    {174.85f, -41.35f}, {174.92f, -41.25f}, {174.85f, -41.22f}, {174.80f, -41.30f}, {174.78f, -41.36f},
    {174.65f, -41.35f}, {174.60f, -41.29f}, {174.70f, -41.20f}, {174.82f, -41.10f}, {174.90f, -41.00f},
    {175.05f, -40.85f}, {175.18f, -40.65f}, {175.22f, -40.45f}, {175.15f, -40.20f}, {175.05f, -40.02f},
    {174.95f, -39.93f}, {174.70f, -39.85f}, {174.45f, -39.77f}, {174.22f, -39.62f}, {174.00f, -39.50f},
    {173.80f, -39.35f}, {173.75f, -39.25f}, {173.82f, -39.12f}, {173.98f, -39.05f}, {174.08f, -39.05f},
    {174.25f, -38.97f}, {174.45f, -38.85f}, {174.62f, -38.70f}, {174.70f, -38.45f}, {174.78f, -38.20f},
    {174.82f, -38.05f}, {174.85f, -37.80f}, {174.75f, -37.55f}, {174.70f, -37.40f}, {174.62f, -37.20f},
    {174.55f, -37.05f}, {174.48f, -36.90f}, {174.42f, -36.78f}, {174.30f, -36.60f}, {174.25f, -36.45f},
    {174.42f, -36.40f}, {174.28f, -36.30f}, {174.17f, -36.37f}, {174.05f, -36.20f}, {173.90f, -36.02f},
    {173.75f, -35.88f}, {173.57f, -35.77f}, {173.42f, -35.60f}, {173.35f, -35.50f}, {173.22f, -35.30f},
    {173.12f, -35.15f}, {173.00f, -34.95f}, {172.90f, -34.75f}, {172.78f, -34.58f}, {172.65f, -34.50f},
};

constexpr Geo kSouthIsland[] = {
    {172.68f, -40.50f}, {172.85f, -40.51f}, {173.02f, -40.50f}, {172.90f, -40.55f}, {172.75f, -40.60f},
    {172.70f, -40.68f}, {172.80f, -40.84f}, {172.95f, -40.84f}, {173.06f, -40.74f}, {173.10f, -40.84f},
    {173.04f, -41.00f}, {172.98f, -41.10f}, {173.02f, -41.17f}, {173.10f, -41.25f}, {173.25f, -41.29f},
    {173.40f, -41.15f}, {173.55f, -41.05f}, {173.75f, -40.98f}, {173.88f, -41.04f}, {173.95f, -40.96f},
    {174.02f, -40.92f}, {174.10f, -41.06f}, {174.30f, -40.99f}, {174.20f, -41.12f}, {174.37f, -41.08f},
    {174.28f, -41.20f}, {174.12f, -41.30f}, {174.13f, -41.36f}, {174.08f, -41.45f}, {174.15f, -41.58f},
    {174.28f, -41.73f}, {174.15f, -41.88f}, {174.00f, -42.02f}, {173.90f, -42.15f}, {173.75f, -42.30f},
    {173.72f, -42.43f}, {173.60f, -42.45f}, {173.45f, -42.58f}, {173.32f, -42.80f}, {173.15f, -42.98f},
    {172.95f, -43.10f}, {172.78f, -43.22f}, {172.72f, -43.40f}, {172.72f, -43.55f}, {172.80f, -43.60f},
    {172.90f, -43.63f}, {173.05f, -43.68f}, {173.12f, -43.75f}, {173.12f, -43.85f}, {173.00f, -43.90f},
    {172.93f, -43.90f}, {172.80f, -43.88f}, {172.65f, -43.84f}, {172.45f, -43.90f}, {172.25f, -43.95f},
    {172.00f, -44.05f}, {171.75f, -44.18f}, {171.50f, -44.28f}, {171.30f, -44.38f}, {171.25f, -44.45f},
    {171.20f, -44.65f}, {171.15f, -44.90f}, {171.00f, -45.08f}, {170.90f, -45.25f}, {170.83f, -45.40f},
    {170.70f, -45.55f}, {170.65f, -45.70f}, {170.72f, -45.78f}, {170.75f, -45.86f}, {170.60f, -45.90f},
    {170.45f, -45.92f}, {170.30f, -45.98f}, {170.15f, -46.08f}, {169.95f, -46.22f}, {169.82f, -46.42f},
    {169.60f, -46.52f}, {169.35f, -46.60f}, {169.10f, -46.66f}, {168.87f, -46.68f}, {168.70f, -46.60f},
    {168.45f, -46.60f}, {168.33f, -46.64f}, {168.30f, -46.52f}, {168.22f, -46.45f}, {168.02f, -46.36f},
    {167.80f, -46.30f}, {167.60f, -46.23f}, {167.40f, -46.20f}, {167.00f, -46.20f}, {166.61f, -46.16f},
    {166.50f, -45.95f}, {166.43f, -45.88f}, {166.55f, -45.72f}, {166.70f, -45.55f}, {166.85f, -45.35f},
    {167.05f, -45.15f}, {167.30f, -44.95f}, {167.55f, -44.78f}, {167.80f, -44.60f}, {168.05f, -44.35f},
    {168.35f, -44.12f}, {168.60f, -43.98f}, {168.95f, -43.88f}, {169.30f, -43.72f}, {169.60f, -43.58f},
    {169.95f, -43.38f}, {170.20f, -43.22f}, {170.55f, -43.05f}, {170.80f, -42.90f}, {170.96f, -42.72f},
    {171.10f, -42.55f}, {171.20f, -42.45f}, {171.30f, -42.25f}, {171.33f, -42.10f}, {171.40f, -41.90f},
    {171.45f, -41.75f}, {171.60f, -41.73f}, {171.80f, -41.55f}, {171.98f, -41.40f}, {172.10f, -41.25f},
    {172.12f, -41.05f}, {172.22f, -40.78f}, {172.40f, -40.65f}, {172.55f, -40.55f},
};

constexpr Geo kStewartIsland[] = {
    {167.72f, -46.72f}, {167.95f, -46.70f}, {168.13f, -46.85f}, {168.20f, -46.95f}, {168.10f, -47.10f},
    {167.85f, -47.20f}, {167.55f, -47.29f}, {167.50f, -47.10f}, {167.60f, -46.95f}, {167.68f, -46.80f},
};

constexpr Geo kGreatBarrier[] = {
    {175.30f, -36.05f}, {175.45f, -36.08f}, {175.55f, -36.22f},
    {175.52f, -36.32f}, {175.42f, -36.28f}, {175.35f, -36.18f},
};
constexpr Geo kWaiheke[] = {{174.98f, -36.78f}, {175.15f, -36.76f}, {175.20f, -36.82f}, {175.05f, -36.85f}};
constexpr Geo kDUrville[] = {
    {173.78f, -40.75f}, {173.90f, -40.72f}, {173.95f, -40.85f}, {173.85f, -40.95f}, {173.78f, -40.88f}};
constexpr Geo kKapiti[] = {{174.90f, -40.82f}, {174.95f, -40.84f}, {174.92f, -40.90f}};

constexpr std::span<const Geo> kLands[] = {kNorthIsland, kSouthIsland, kStewartIsland, kGreatBarrier,
                                           kWaiheke,     kDUrville,    kKapiti};

constexpr Geo kLakeTaupo[] = {{175.80f, -38.68f}, {175.98f, -38.68f}, {176.08f, -38.78f}, {176.02f, -38.90f},
                              {175.92f, -38.98f}, {175.82f, -38.90f}, {175.75f, -38.78f}};

// Long thin lakes: a chain of points and the lake's width in degrees.
struct LakeChain {
  float Width;
  std::vector<Geo> Points;
};
const LakeChain kLakeChains[] = {
    {0.035f, {{168.37f, -44.87f}, {168.45f, -45.03f}, {168.62f, -45.06f}, {168.72f, -45.04f}}},  // Wakatipu
    {0.03f, {{168.62f, -45.06f}, {168.68f, -45.20f}, {168.72f, -45.33f}}},
    {0.045f, {{167.75f, -45.15f}, {167.70f, -45.30f}, {167.72f, -45.45f}}},  // Te Anau
    {0.045f, {{167.52f, -45.50f}, {167.62f, -45.53f}}},                      // Manapouri
    {0.035f, {{169.13f, -44.70f}, {169.08f, -44.55f}, {169.18f, -44.42f}}},  // Wanaka
    {0.03f, {{169.25f, -44.62f}, {169.30f, -44.45f}}},                       // Hawea
    {0.03f, {{170.50f, -43.88f}, {170.54f, -44.05f}}},                       // Tekapo
    {0.03f, {{170.15f, -43.95f}, {170.16f, -44.18f}}},                       // Pukaki
    {0.08f, {{176.22f, -38.05f}, {176.28f, -38.12f}}},                       // Rotorua
    {0.09f, {{172.25f, -43.75f}, {172.42f, -43.82f}}},                       // Ellesmere
};

// The great rivers, from source to sea.
// clang-format off
const std::vector<Geo> kRivers[] = {
    // Waikato
    {{176.08f, -38.68f}, {176.05f, -38.45f}, {175.90f, -38.25f}, {175.60f, -38.00f}, {175.42f, -37.90f},
     {175.28f, -37.78f}, {175.16f, -37.56f}, {175.05f, -37.30f}, {174.85f, -37.35f}, {174.72f, -37.39f}},
    {{175.45f, -39.10f}, {175.20f, -39.40f}, {175.05f, -39.65f}, {174.99f, -39.92f}},  // Whanganui
    {{169.15f, -44.72f}, {169.20f, -45.05f}, {169.38f, -45.25f}, {169.32f, -45.55f}, {169.55f, -45.95f},
     {169.73f, -46.24f}, {169.80f, -46.33f}},                                          // Clutha
    {{170.20f, -44.55f}, {170.50f, -44.68f}, {170.90f, -44.80f}, {171.14f, -44.92f}},  // Waitaki
    {{171.45f, -43.35f}, {171.80f, -43.62f}, {172.22f, -43.92f}},                      // Rakaia
    {{171.75f, -43.00f}, {172.20f, -43.25f}, {172.70f, -43.40f}},                      // Waimakariri
    {{168.75f, -45.60f}, {168.55f, -46.00f}, {168.38f, -46.40f}},                      // Oreti
};
// clang-format on

// Mountain ranges: a chain of crest points, each with its height (1 is the
// highest peaks of the Alps), and the range's half-width in degrees.
struct Range {
  float HalfWidth;
  std::vector<Geo> Crest;
  std::vector<float> Heights;
};
const Range kRanges[] = {
    // The Southern Alps, from Nelson Lakes to Fiordland, highest at Aoraki.
    // clang-format off
    {0.36f,
     {{172.95f, -41.75f}, {172.55f, -42.15f}, {172.15f, -42.50f}, {171.65f, -42.92f}, {171.15f, -43.25f},
      {170.60f, -43.48f}, {170.14f, -43.60f}, {169.75f, -43.90f}, {169.30f, -44.25f}, {168.85f, -44.60f},
      {168.35f, -44.95f}, {167.85f, -45.30f}, {167.35f, -45.70f}, {166.95f, -46.00f}},
     {0.45f, 0.55f, 0.60f, 0.70f, 0.80f, 0.90f, 1.00f, 0.85f, 0.75f, 0.75f, 0.70f, 0.62f, 0.55f, 0.42f}},
    // clang-format on
    {0.22f, {{167.25f, -45.10f}, {167.00f, -45.75f}}, {0.5f, 0.45f}},   // western Fiordland
    {0.20f, {{173.30f, -42.15f}, {173.85f, -41.75f}}, {0.65f, 0.55f}},  // Inland Kaikoura
    {0.14f, {{173.50f, -42.35f}, {173.85f, -42.10f}}, {0.55f, 0.45f}},  // Seaward Kaikoura
    {0.20f, {{173.10f, -41.45f}, {173.70f, -41.25f}}, {0.40f, 0.32f}},  // Richmond
    {0.22f, {{172.35f, -40.85f}, {172.60f, -41.45f}, {172.95f, -41.75f}}, {0.40f, 0.45f, 0.45f}},  // Tasman
    {0.12f, {{171.45f, -41.95f}, {171.55f, -42.35f}}, {0.30f, 0.28f}},                             // Paparoa
    // The foothills.
    {0.22f, {{172.30f, -42.90f}, {171.60f, -43.40f}, {171.00f, -43.90f}}, {0.30f, 0.35f, 0.30f}},
    {0.18f, {{169.00f, -44.95f}, {169.60f, -45.10f}}, {0.50f, 0.42f}},  // Remarkables and Garvie
    {0.20f, {{169.50f, -44.60f}, {170.10f, -44.40f}}, {0.45f, 0.42f}},  // the Mackenzie's south rim
    {0.16f, {{169.80f, -45.30f}, {170.30f, -45.10f}}, {0.35f, 0.30f}},  // Rock and Pillar
    {0.16f, {{169.20f, -46.40f}, {169.80f, -46.20f}}, {0.22f, 0.22f}},  // Catlins
    {0.14f, {{167.85f, -45.65f}, {167.95f, -45.85f}}, {0.35f, 0.30f}},  // Takitimu
    {0.12f, {{167.70f, -46.90f}, {168.00f, -47.05f}}, {0.30f, 0.25f}},  // Stewart Island
    {0.20f, {{177.60f, -37.85f}, {178.15f, -38.20f}}, {0.45f, 0.40f}},  // Raukumara
    // The North Island's spine.
    // clang-format off
    {0.22f,
     {{176.90f, -38.40f}, {177.15f, -38.85f}, {176.45f, -39.25f}, {176.10f, -39.65f}, {175.85f, -40.20f},
      {175.60f, -40.55f}, {175.30f, -40.95f}, {175.05f, -41.35f}},
     {0.38f, 0.42f, 0.45f, 0.48f, 0.42f, 0.48f, 0.45f, 0.28f}},
    // clang-format on
    {0.15f, {{175.95f, -39.05f}, {176.25f, -39.35f}}, {0.45f, 0.40f}},  // Kaimanawa
    {0.10f, {{175.50f, -36.55f}, {175.75f, -37.15f}}, {0.30f, 0.28f}},  // Coromandel
    {0.10f, {{175.85f, -37.40f}, {175.95f, -37.85f}}, {0.28f, 0.25f}},  // Kaimai
    {0.18f, {{173.50f, -35.35f}, {174.10f, -35.70f}}, {0.24f, 0.20f}},  // Northland
    {0.10f, {{175.10f, -36.98f}, {175.20f, -37.15f}}, {0.18f, 0.18f}},  // Hunua
};

// Volcanoes stand alone as cones.
struct Cone {
  Geo At;
  float Height, Radius;  // Radius in degrees of latitude
};
constexpr Cone kCones[] = {
    {{174.06f, -39.30f}, 0.72f, 0.24f},  // Taranaki
    {{175.57f, -39.28f}, 0.70f, 0.20f},  // Ruapehu
    {{175.65f, -39.13f}, 0.50f, 0.13f},  // Tongariro
    {{176.50f, -38.22f}, 0.28f, 0.09f},  // Tarawera
    {{172.90f, -43.75f}, 0.30f, 0.20f},  // Banks Peninsula
};

// ---------------------------------------------------------------- venues

struct Venue {
  std::string_view Name;
  Geo At;
  int LabelDx, LabelDy;  // from the pin to the label's top-left
};
constexpr Venue kVenues[] = {
    {"Whangarei", {174.32f, -35.73f}, 7, -7},       {"Auckland", {174.76f, -36.85f}, -52, -13},
    {"Rotorua", {176.25f, -38.14f}, 7, -9},         {"Taupo", {176.07f, -38.69f}, 7, -4},
    {"New Plymouth", {174.07f, -39.06f}, -75, -12}, {"Hawkes Bay", {176.88f, -39.56f}, -66, -2},
    {"Wellington", {174.78f, -41.29f}, 6, -1},      {"Christchurch", {172.63f, -43.53f}, 7, -12},
    {"Dunedin", {170.50f, -45.87f}, 7, -2},         {"Invercargill", {168.35f, -46.41f}, 6, -15},
};

// ---------------------------------------------------------------- coast

// Each straight piece of coast is broken up by midpoint displacement down
// to a few pixels, so that the shore looks worn rather than ruled.
void Roughen(std::vector<Point>& out, Random& rng, Point a, Point b, float finest) {
  const float dx = b.X - a.X, dy = b.Y - a.Y;
  const float length = std::sqrt(dx * dx + dy * dy);
  if (length < finest) {
    out.push_back(a);
    return;
  }
  const float offset = rng.Range(-0.16f, 0.16f) * length;
  const Point mid{(a.X + b.X) * 0.5f - dy / length * offset, (a.Y + b.Y) * 0.5f + dx / length * offset};
  Roughen(out, rng, a, mid, finest);
  Roughen(out, rng, mid, b, finest);
}

// Every coast in country pixels. The same seed for every picture keeps the
// shore identical in all of them.
std::vector<std::vector<Point>> Coasts() {
  Random rng(0xC0A57);
  std::vector<std::vector<Point>> coasts;
  for (const std::span<const Geo> land : kLands) {
    std::vector<Point> outline;
    for (std::size_t i = 0; i < land.size(); ++i)
      Roughen(outline, rng, Project(land[i]), Project(land[(i + 1) % land.size()]), 2.5f);
    coasts.push_back(std::move(outline));
  }
  return coasts;
}

// ---------------------------------------------------------------- views

// A window onto the country picture: output pixel (x, y) shows country
// point (Left + x Scale, Top + y Scale).
struct View {
  int Width, Height;
  float Left, Top, Scale;

  Point ToView(Point p) const { return {(p.X - Left) / Scale, (p.Y - Top) / Scale}; }
  Point ToCountry(float x, float y) const { return {Left + x * Scale, Top + y * Scale}; }
};

Field LandMask(const View& view) {
  Field land(view.Width, view.Height);
  for (const std::vector<Point>& coast : Coasts()) {
    std::vector<Point> points;
    for (const Point& p : coast) points.push_back(view.ToView(p));
    FillPolygon(land, points);
  }
  return land;
}

// A chain of points as a stroke `width` country pixels wide.
void Chain(Field& f, const View& view, const std::vector<Geo>& chain, float width) {
  for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
    const Point a = view.ToView(Project(chain[i])), b = view.ToView(Project(chain[i + 1]));
    ThickLine(f, a.X, a.Y, b.X, b.Y, width / view.Scale);
  }
}

// Lakes, and the great rivers where the view is fine enough to show them.
Field Waters(const View& view, const Field& land) {
  Field water(view.Width, view.Height);
  std::vector<Point> taupo;
  for (const Geo& g : kLakeTaupo) taupo.push_back(view.ToView(Project(g)));
  FillPolygon(water, taupo);
  for (const LakeChain& lake : kLakeChains)
    Chain(water, view, lake.Points, std::max(lake.Width * kPixelsPerDegree, 2.0f));
  if (view.Scale < 1.5f) {
    Field rivers(view.Width, view.Height);
    for (const std::vector<Geo>& river : kRivers) Chain(rivers, view, river, 1.1f);
    Scale(rivers, 0.7f);
    Maximize(water, rivers);
  }
  return Multiplied(water, land);
}

// Distance from a point to a segment, and where along it the nearest point
// lies (0 at a, 1 at b).
float SegmentDistance(Point p, Point a, Point b, float& along) {
  const float ex = b.X - a.X, ey = b.Y - a.Y;
  const float len2 = ex * ex + ey * ey;
  along = len2 > 0.0f ? Clamp01(((p.X - a.X) * ex + (p.Y - a.Y) * ey) / len2) : 0.0f;
  const float dx = p.X - a.X - ex * along, dy = p.Y - a.Y - ey * along;
  return std::sqrt(dx * dx + dy * dy);
}

struct Crest {
  Point A, B;
  float HeightA, HeightB, HalfWidth;
};

struct Terrain {
  Field Height;  // 0 at sea level, about 1 on the highest peaks
  Field Snow;    // 0..1
};

// Ranges with ridged crests, cones for the volcanoes, rolling hills
// elsewhere, all rising gently away from the shore. Snow lies on the
// crests of the high ranges and the tops of the tallest volcanoes. Lakes
// and rivers lie in flat valley floors.
Terrain Shape(const View& view, const Field& land, const Field& water) {
  // The ranges' crests segment by segment, in country pixels.
  std::vector<Crest> crests;
  for (const Range& range : kRanges) {
    for (std::size_t i = 0; i + 1 < range.Crest.size(); ++i) {
      crests.push_back({Project(range.Crest[i]), Project(range.Crest[i + 1]), range.Heights[i],
                        range.Heights[i + 1], range.HalfWidth * kPixelsPerDegree});
    }
  }
  const Noise ridges(0x51), hills(0x52);
  // Noise finer than a pixel of the view only adds grain.
  const int octaves = view.Scale > 1.5f ? 2 : 5;
  Field inland = land;
  BoxBlur(inland, std::max(static_cast<int>(10.0f / view.Scale), 1));
  Terrain t{Field(view.Width, view.Height), Field(view.Width, view.Height)};
  for (int y = 0; y < view.Height; ++y) {
    for (int x = 0; x < view.Width; ++x) {
      const float on = land(x, y);
      if (on <= 0.0f) continue;
      const Point p = view.ToCountry(static_cast<float>(x), static_cast<float>(y));
      float range = 0.0f;
      for (const Crest& c : crests) {
        float along = 0.0f;
        const float d = SegmentDistance(p, c.A, c.B, along) / c.HalfWidth;
        if (d > 2.5f) continue;
        range = std::max(range, (c.HeightA + (c.HeightB - c.HeightA) * along) * std::exp(-d * d));
      }
      float cone = 0.0f;
      for (const Cone& k : kCones) {
        const Point at = Project(k.At);
        const float dx = p.X - at.X, dy = p.Y - at.Y;
        const float r = std::sqrt(dx * dx + dy * dy) / (k.Radius * kPixelsPerDegree);
        if (r < 1.0f) cone = std::max(cone, k.Height * (1.0f - r) * (1.0f - r));
      }
      const float crease = ridges.Ridged(p.X / 22.0f, p.Y / 22.0f, octaves);
      const float roll = hills.Fbm(p.X / 45.0f, p.Y / 45.0f, octaves);
      const float rise = Clamp01((inland(x, y) - 0.5f) * 2.0f);
      const float h = range * (0.35f + 0.8f * crease) + cone + rise * (0.03f + 0.16f * roll * roll);
      t.Height(x, y) = h * on * (1.0f - 0.3f * water(x, y));
      t.Snow(x, y) = std::max(SmoothStep(0.55f, 0.8f, range) * SmoothStep(0.3f, 0.75f, crease),
                              SmoothStep(0.42f, 0.55f, cone));
    }
  }
  return t;
}

// ---------------------------------------------------------------- painting

void PaintSea(Image& image, const View& view, const Field& land) {
  Field shelf = land;
  BoxBlur(shelf, std::max(static_cast<int>(16.0f / view.Scale), 1));
  Field near = land;
  BoxBlur(near, std::max(static_cast<int>(4.0f / view.Scale), 1));
  const Noise swell(0x53);
  const ColorF deep = ToF(Rgb(0x0A1A33)), open = ToF(Rgb(0x12325A)), shallow = ToF(Rgb(0x22627F));
  FillEach(image, [&](int x, int y) {
    const Point p = view.ToCountry(static_cast<float>(x), static_cast<float>(y));
    // Broad, slow changes of tone across the open ocean.
    const float drift = swell.Fbm(p.X / 160.0f, p.Y / 160.0f, 3);
    ColorF c = Lerp(deep, open, Clamp01(drift * 1.3f - 0.2f));
    c = Lerp(c, shallow, SmoothStep(0.0f, 0.45f, shelf(x, y)) * 0.8f);
    return Lerp(c, ToF(Rgb(0x3F8FA0)), SmoothStep(0.15f, 0.6f, near(x, y)) * 0.5f);
  });
}

void PaintLand(Image& image, const View& view, const Field& land, const Terrain& terrain) {
  // Heights in view pixels: the same slopes whatever the view's scale.
  Field relief = terrain.Height;
  Scale(relief, 1.0f / view.Scale);
  const Field light = Lighting(relief, -1.0f, -1.1f, 1.3f, 28.0f);
  const float flat = 1.3f / std::sqrt(1.0f + 1.21f + 1.69f);
  const Noise tint(0x54);
  const Gradient palette{{0.00f, Rgb(0x4E7A3E)}, {0.08f, Rgb(0x557F40)}, {0.20f, Rgb(0x6E8048)},
                         {0.34f, Rgb(0x86794F)}, {0.50f, Rgb(0x7C6E5C)}, {0.64f, Rgb(0x8C8A88)},
                         {0.74f, Rgb(0xDCE2E8)}, {1.00f, Rgb(0xF4F8FC)}};
  BlendEach(image, 0, [&](int x, int y) {
    const float on = land(x, y);
    if (on <= 0.0f) return Wash{};
    const Point p = view.ToCountry(static_cast<float>(x), static_cast<float>(y));
    const float h = terrain.Height(x, y) / std::max(on, 0.01f);
    const float n = tint.Fbm(p.X / 30.0f, p.Y / 30.0f, 3);
    ColorF c = palette.SampleF(std::min(h, 0.62f) + (n - 0.5f) * 0.08f);
    // Dry golden grassland on the low country, patchy.
    c = Lerp(c, ToF(Rgb(0x9A9150)), SmoothStep(0.55f, 0.75f, n) * SmoothStep(0.3f, 0.05f, h) * 0.5f);
    c = Lerp(c, ToF(Rgb(0xEAF0F6)), terrain.Snow(x, y));
    return Wash{c * (0.45f + 0.55f * (light(x, y) / flat)), on};
  });
  // Surf along the shore.
  Paint(image, Subtracted(Dilated(land, 1), land), Rgb(0x9CCAD2), 0.35f);
}

Image DrawCountry(const View& view) {
  Image image(view.Width, view.Height);
  const Field land = LandMask(view);
  const Field water = Waters(view, land);
  const Terrain terrain = Shape(view, land, water);
  PaintSea(image, view, land);
  PaintLand(image, view, land, terrain);
  Paint(image, water, Rgb(0x2A6A8C));
  Paint(image, Subtracted(water, Eroded(water, 1)), Rgb(0x7FB6C8), 0.35f);
  return image;
}

// A paintball pin with the town's name in a dark outline, readable over
// land and sea alike.
void MarkVenue(Image& image, FontLibrary& fonts, const Venue& venue, Point at) {
  const Font& font = fonts.Get("Arial", FontSize::Points(8), true);
  GroundShadow(image, at.X + 1.5f, at.Y + 2.0f, 4.0f, 2.5f, 1, 0.6f, Rgb(0x000000), 2);
  Paint(image, BigShapes{}.Ellipse(image, at, 4.4f, 4.4f), Rgb(0x1A1A1A));
  Paintball(image, at.X, at.Y, 3.4f, Rgb(0xFF5A1F));

  const int x = static_cast<int>(at.X) + venue.LabelDx, y = static_cast<int>(at.Y) + venue.LabelDy;
  const Field text = TextMask(image.Width, image.Height, x, y, venue.Name, font);
  Field halo = Dilated(text, 1);
  BoxBlur(halo, 1, 1);
  Maximize(halo, Dilated(text, 1));
  Paint(image, halo, Rgb(0x06080C), 0.85f);
  Paint(image, text, Rgb(0xFFF6DC));
}

}  // namespace

Image DrawMapStrip(FontLibrary& fonts, int strip) {
  strip = std::clamp(strip, 1, kStrips);
  const float top = static_cast<float>((strip - 1) * kStripHeight);
  const View tall{kStripWidth, kStripHeight + 2 * kMargin, 0.0f, top - kMargin, 1.0f};
  Image image = Crop(DrawCountry(tall), 0.0f, kMargin, kStripWidth, kMargin + kStripHeight).Pixels;
  for (const Venue& venue : kVenues) {
    const Point at = Project(venue.At);
    if (at.Y >= top && at.Y < top + kStripHeight) MarkVenue(image, fonts, venue, {at.X, at.Y - top});
  }
  return image;
}

Image DrawMapOverview(FontLibrary& /*fonts*/) {
  // The country is narrower than the overview: centre it.
  float west = 1e9f, east = -1e9f;
  for (const std::vector<Point>& coast : Coasts()) {
    const auto [lo, hi] = std::ranges::minmax(coast, {}, &Point::X);
    west = std::min(west, lo.X);
    east = std::max(east, hi.X);
  }
  const float left = (west + east) * 0.5f - kOverviewScale * kOverviewWidth * 0.5f;
  const View view{kOverviewWidth, kOverviewHeight, left, 0.0f, kOverviewScale};
  Image image = DrawCountry(view);
  Field dots(kOverviewWidth, kOverviewHeight);
  for (const Venue& venue : kVenues) {
    const Point at = view.ToView(Project(venue.At));
    FillCircle(dots, at.X, at.Y, 1.6f);
  }
  GlowingCore(image, dots, Rgb(0xFF5A1F), 2, 1.2f, Rgb(0xFFB070));
  return image;
}

}  // namespace vantoro::art
