#include "state/state_json.hpp"

#include <span>
#include <string>
#include <type_traits>

#include "state/cp1252.hpp"
#include "state/field_access.hpp"
#include "state/field_table.hpp"

namespace vantoro {
namespace {

// Read from the record's bytes through the field table, so that a field
// added to the table appears here without further code.
nlohmann::ordered_json RecordToJson(std::span<const std::byte> record, std::span<const FieldInfo> fields) {
  nlohmann::ordered_json out = nlohmann::ordered_json::object();
  for (const FieldInfo& field : fields) {
    nlohmann::ordered_json& value = out[std::string(field.Name)];
    if (field.Count == 0) {
      value = RecordElementToJson(record, field, 0);
      continue;
    }
    value = nlohmann::ordered_json::array();
    for (int row = 0; row < field.Count; ++row) {
      if (field.Columns == 0) {
        value.push_back(nlohmann::ordered_json(RecordElementToJson(record, field, row)));
        continue;
      }
      nlohmann::ordered_json columns = nlohmann::ordered_json::array();
      for (int column = 0; column < field.Columns; ++column) {
        columns.push_back(
            nlohmann::ordered_json(RecordElementToJson(record, field, row * field.Columns + column)));
      }
      value.push_back(std::move(columns));
    }
  }
  return out;
}

nlohmann::ordered_json RuntimeValue(const Int& value) { return value.v; }
nlohmann::ordered_json RuntimeValue(const std::string& text) { return Cp1252ToUtf8(text); }
template <class T, int N>
nlohmann::ordered_json RuntimeValue(const Array1<T, N>& values) {
  nlohmann::ordered_json out = nlohmann::ordered_json::array();
  for (const T& value : values) out.push_back(RuntimeValue(value));
  return out;
}

}  // namespace

nlohmann::ordered_json TeamToJson(const TeamRecord& team) {
  return RecordToJson(std::as_bytes(std::span(&team, 1)), TeamFields());
}

nlohmann::ordered_json LeagueToJson(const LeagueRecord& league) {
  nlohmann::ordered_json out = nlohmann::ordered_json::array();
  for (const OppositionTeam& team : league) {
    out.push_back(RecordToJson(std::as_bytes(std::span(&team, 1)), OppositionFields()));
  }
  return out;
}

nlohmann::ordered_json RuntimeToJson(const RuntimeState& runtime) {
  nlohmann::ordered_json out = nlohmann::ordered_json::object();
  ForEachRuntimeVariable(runtime,
                         [&](const char* name, const auto& value) { out[name] = RuntimeValue(value); });
  return out;
}

}  // namespace vantoro
