#pragma once
// The game state as JSON, under the names the game uses. Arrays are JSON
// arrays whose first element is index 1; the share price history is an
// array of rows. Texts are converted from Windows-1252 to UTF-8.

#include <nlohmann/json.hpp>

#include "state/records.hpp"
#include "state/runtime.hpp"

namespace vantoro {

nlohmann::ordered_json TeamToJson(const TeamRecord& team);
// An array of the nine opposition teams, team 1 first.
nlohmann::ordered_json LeagueToJson(const LeagueRecord& league);
nlohmann::ordered_json RuntimeToJson(const RuntimeState& runtime);

}  // namespace vantoro
