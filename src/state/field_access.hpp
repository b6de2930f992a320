#pragma once
// Record fields and runtime variables reached by name, as the scripted
// driver and the save inspector write them:
//
//   Cash  Team.Cash  PlayerMorale[3]  SharePriceHistory[2][5]
//   League[2].Name  League[2].PlayerSpeed[7]
//   Runtime.Weather  Runtime.CommentaryLines[6]
//
// A name without a prefix is a team field. Indices count from 1 and are
// checked. Values cross this boundary as whole numbers in decimal or as
// UTF-8 text; the records and the runtime keep Windows-1252.

#include <cstddef>
#include <nlohmann/json.hpp>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "state/field_table.hpp"
#include "state/game_state.hpp"
#include "state/records.hpp"
#include "state/runtime.hpp"

namespace vantoro {

// What names can reach. Runtime is null where only the saved records exist,
// and a Runtime name is then refused.
struct FieldStores {
  TeamRecord* Team = nullptr;
  LeagueRecord* League = nullptr;
  RuntimeState* Runtime = nullptr;
};

FieldStores StoresOf(GameState& game);

// One value, resolved from its name. It points into the stores it was
// resolved against and must not outlive them.
class FieldRef {
 public:
  // A number, or the text as a UTF-8 string.
  nlohmann::json Get() const;
  // A whole number in decimal, or the text in UTF-8.
  std::string GetString() const;

  // Whether value can be stored here; on false, error says why. A record
  // text longer than 50 characters is accepted and cut when stored.
  bool Check(std::string_view value, std::string& error) const;
  bool Set(std::string_view value, std::string& error) const;

  // The name it was resolved from.
  const std::string& Name() const { return name_; }

 private:
  enum class Kind { RecordInt, RecordText, RuntimeInt, RuntimeText };
  FieldRef(std::string name, Kind kind) : name_(std::move(name)), kind_(kind) {}

  std::string name_;
  Kind kind_;
  std::byte* element_ = nullptr;  // record fields: the element's first byte
  Int* int_ = nullptr;
  std::string* text_ = nullptr;

  friend std::optional<FieldRef> ResolveField(const FieldStores&, std::string_view, std::string&);
};

// Nothing, with the reason in error, when the name is malformed, unknown,
// out of range or not reachable in these stores.
std::optional<FieldRef> ResolveField(const FieldStores& stores, std::string_view name, std::string& error);

// Get and set over a whole game; false with the reason in error.
bool GetField(const GameState& game, std::string_view name, nlohmann::json& value, std::string& error);
bool SetField(GameState& game, std::string_view name, std::string_view value, std::string& error);

// Element `element` (0-based, rows first) of a record field, read from the
// record's bytes: a number, or the text in UTF-8 with its length byte
// clamped to 50. Null when the element lies outside the bytes.
nlohmann::json RecordElementToJson(std::span<const std::byte> record, const FieldInfo& field, int element);

}  // namespace vantoro
