#pragma once
// What the clubhouse and the store sell: the four vehicles, the ten markers
// of the catalogue (one released each year) and the four customisations.

#include <array>
#include <string_view>

#include "state/int.hpp"

namespace vantoro {

struct VehicleInfo {
  std::string_view Name, ShortName, Reliability, Speed, Storage, Price;
};

inline constexpr std::array<VehicleInfo, 4> kVehicles = {{
    {"Usari (Russia)", "Usari", "Very Reliable", "Slow", "Tiny Storage", "$1500"},
    {"Beadle (UK)", "Beadle", "Quite Reliable", "Medium Speed", "Small Storage", "$3000"},
    {"Mashurati (Japan)", "Mashurati", "Troublesome", "Quite Quick", "Average Storage", "$4500"},
    {"Fjord (Norway)", "Fjord", "Reliable", "Average Speed", "Good Storage", "$6000"},
}};

// The vehicle's entry; nullptr for a number that names none.
constexpr const VehicleInfo* VehicleOf(Int n) {
  return InRange(n, 1, 4) ? &kVehicles[static_cast<std::size_t>(n.v - 1)] : nullptr;
}

inline constexpr int kVehicleUnitPrice = 1500;
inline constexpr int kVehicleUnitCapacity = 16;

struct CatalogEntry {
  std::string_view Name, Maker;
  std::array<std::string_view, 4> Lines;
};

inline constexpr int kCatalogItems = 10;
inline constexpr int kMarkerUnitPrice = 164;
// Item n comes out in January of year n + 1997.
inline constexpr int kFirstReleaseYear = 1997;
// A Pumps Only league allows only the first four models.
inline constexpr int kLastPump = 4;

inline constexpr std::array<CatalogEntry, kCatalogItems> kCatalog = {{
    {"PeeGee",
     "Ionics Mechanical Systems",
     {"This marker is a tilt feed pump action.", "An early design, this marker takes 12g CO2 powerlets, has",
      "problems with speed of reloading and effective accurate range.",
      "It is, however very reliable and can take a lot of punishment."}},
    {"PTL-68",
     "Ionics Mechanical Systems",
     {"This marker is a tilt feed pump action.", "This marker is much the same as the original PeeGee in the",
      "speed of reloading, but due to improvements in design, is",
      "slightly faster firing, and has better range and accuracy."}},
    {"T-68sc",
     "Dravis Design Inc",
     {"This marker is a gravity feed constant air pump action.",
      "Using a forward mounted CO2 bottle rather than powerlets",
      "allows this marker to fire more often and more accurately",
      "than earlier models. It is not quite as reliable, though."}},
    {"Stocker",
     "Guthries Paintball Technology",
     {"This marker is a tilt feed pump action.", "Although again using powerlets rather than constant air,",
      "the superior engineering on this marker allows very quick",
      "rates of fire and superb accuracy for a marker of its type."}},
    {"Daedelus",
     "Agamemnon Air Incorporated",
     {"This marker is a gravity feed Semi Automatic.",
      "A fast firing marker with a ported-barrel for increased",
      "accuracy. The Daedelus is lightly built, and prone to damage",
      "but is otherwise well engineered and very reliable."}},
    {"Longbow",
     "Phaze One Sports Systems",
     {"This marker is a gravity feed Semi Automatic.",
      "Sturdy, but heavy, this fast firing marker is built for,",
      "back players. It is a little unwieldy, but has a very ",
      "flat firing trajectory, and good gas economy."}},
    {"DarkFyre",
     "Ionics Mechanical Systems",
     {"This marker is a gravity feed Semi Automatic.",
      "With a very light internal bolt, the speed improvements,",
      "with this unit are remarkable. Its gas consumption is on",
      "the high side, and incorrect use can chop paint badly."}},
    {"Svelte Turbo",
     "Black Eye Engineering",
     {"This marker is a gravity feed Electro-Pneumatic.",
      "With very few moving parts, this marker is extremely",
      "reliable. Due to its electronic design, it is very fast",
      "firing, though accuracy suffers at longer ranges."}},
    {"Omicron",
     "Overdrive Paintball Design",
     {"This marker is an assisted feed Electro-Pneumatic.",
      "While primarily gravity fed, the paint is literally",
      "sucked into the breech, giving good rate of fire.", "External vents are prone to clogging, however."}},
    {"FireStorm",
     "Blayde HyperTechnology Inc",
     {"This marker is an assisted feed Electro-Pneumatic.",
      "For the forward player, there is no better marker on",
      "the market. It is light, but strong, and can pump out",
      "paint at huge speeds. Long range accuracy suffers."}},
}};

constexpr const CatalogEntry* CatalogOf(Int item) {
  return InRange(item, 1, kCatalogItems) ? &kCatalog[static_cast<std::size_t>(item.v - 1)] : nullptr;
}

struct Customisation {
  std::string_view Name;  // on the CUSTOMISE page
  std::string_view Line;  // beside the marker elsewhere
  int SmallestMarker;     // the first marker type it fits
  std::array<std::string_view, 4> Lines;
};

inline constexpr int kCustomisations = 4;
inline constexpr int kCustomisationPrice = 250;

inline constexpr std::array<Customisation, kCustomisations> kCustomisationTable = {{
    {"Lightning Paint Hopper",
     "+ Lightning Hopper",
     5,
     {"The Lightning Paint Hopper is a quick-loading system that",
      "pushes paint into the marker quickly and effectively. This",
      "system can improve the rate of fire of most markers.", "Available only for the Daedalus onwards."}},
    {"Custom Milling",
     "+ Custom Milling",
     1,
     {"Custom Milling is where the marker is disassembled and has",
      "every metal section hollowed out or replaced with a lighter",
      "material. It greatly reduces marker weight, but may weaken.",
      "the structure of a marker. Available for all markers."}},
    {"Muzzle Break",
     "+ Muzzle Break",
     4,
     {"A muzzle break allows gas to escape from behind the ball as",
      "it leaves the barrel. It helps to reduce buffetting during", "firing, and can improve accuracy.",
      "Available only for the Stocker onwards."}},
    {"Optical Dot Scope",
     "+ Dot Scope",
     1,
     {"The Optical Dot Scope can help to ensure that you are able",
      "to quickly locate a target, and target it more accurately.",
      "The dot does not appear on the target, only in the scope.",
      "It can improve target acquisition time. For all markers."}},
}};

constexpr const Customisation* CustomisationOf(Int k) {
  return InRange(k, 1, kCustomisations) ? &kCustomisationTable[static_cast<std::size_t>(k.v - 1)] : nullptr;
}

// The line shown beside a marker: what it is fitted with, or that it is not
// customised; empty for a value that names nothing.
constexpr std::string_view CustomisationLine(Int custom) {
  if (custom == 0) return "+ Marker Not Customised";
  const Customisation* c = CustomisationOf(custom);
  return c != nullptr ? c->Line : std::string_view();
}

}  // namespace vantoro
