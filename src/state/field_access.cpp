#include "state/field_access.hpp"

#include <charconv>
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <vector>

#include "state/cp1252.hpp"

namespace vantoro {
namespace {

struct ParsedName {
  enum class Scope { Team, League, Runtime };
  Scope scope = Scope::Team;
  std::string_view leagueIndex;  // League[t]: t as written
  std::string_view field;
  std::string_view label;  // prefix and field as written, for messages
  std::vector<std::string_view> indices;
};

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsIndexText(std::string_view text) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  if (text.empty()) return false;
  for (char c : text) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

// Takes "[i]" off the front of rest; false when rest does not start with a
// well-formed one.
bool TakeIndex(std::string_view& rest, std::string_view& index) {
  if (rest.empty() || rest.front() != '[') return false;
  const std::size_t close = rest.find(']');
  if (close == std::string_view::npos) return false;
  if (!IsIndexText(rest.substr(1, close - 1))) return false;
  index = rest.substr(1, close - 1);
  rest.remove_prefix(close + 1);
  return true;
}

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

std::optional<ParsedName> Parse(std::string_view text, std::string& error) {
  ParsedName parsed;
  std::string_view rest = text;
  if (rest.starts_with("Team.")) {
    rest.remove_prefix(5);
  } else if (rest.starts_with("Runtime.")) {
    parsed.scope = ParsedName::Scope::Runtime;
    rest.remove_prefix(8);
  } else if (rest.starts_with("League") && (rest.size() == 6 || rest[6] == '[' || rest[6] == '.')) {
    parsed.scope = ParsedName::Scope::League;
    rest.remove_prefix(6);
    if (!TakeIndex(rest, parsed.leagueIndex)) {
      error = Quoted(text) + " needs a team number: League[t].Field with t in 1.." +
              std::to_string(kOppositionTeams);
      return std::nullopt;
    }
    if (!rest.starts_with('.') || rest.size() == 1) {
      error = Quoted(text) + " needs a field, as in League[" + std::string(parsed.leagueIndex) + "].Name";
      return std::nullopt;
    }
    rest.remove_prefix(1);
  }

  std::size_t length = 0;
  while (length < rest.size() && (IsLetter(rest[length]) || IsDigit(rest[length]) || rest[length] == '_')) {
    ++length;
  }
  parsed.field = rest.substr(0, length);
  parsed.label = text.substr(0, text.size() - rest.size() + length);
  rest.remove_prefix(length);
  while (!parsed.field.empty() && IsLetter(parsed.field.front()) && !rest.empty()) {
    std::string_view index;
    if (!TakeIndex(rest, index)) break;
    parsed.indices.push_back(index);
  }
  if (parsed.field.empty() || !IsLetter(parsed.field.front()) || !rest.empty()) {
    error = Quoted(text) + " is not a field name; names look like Cash, PlayerMorale[3] or League[2].Name";
    return std::nullopt;
  }
  return parsed;
}

// The 1-based index written as text, when it lies in 1..count.
std::optional<int> Index(std::string_view text, int count, std::string_view what, std::string& error) {
  long long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec == std::errc() && end == text.data() + text.size() && value >= 1 && value <= count) {
    return static_cast<int>(value);
  }
  error = std::string(what) + " index " + std::string(text) + " is out of range 1.." + std::to_string(count);
  return std::nullopt;
}

std::string IndexCountError(std::string_view label, int dimensions, int count, int columns) {
  const std::string name(label);
  if (dimensions == 0) return name + " takes no index";
  if (dimensions == 1)
    return name + " takes one index, 1.." + std::to_string(count) + ", as in " + name + "[1]";
  return name + " takes two indices, 1.." + std::to_string(count) + " and 1.." + std::to_string(columns) +
         ", as in " + name + "[1][1]";
}

// The element of a record field that the parsed indices name, as a byte
// offset into the record.
std::optional<std::size_t> ElementOffset(const FieldInfo& field, const ParsedName& parsed,
                                         std::string& error) {
  const int dimensions = (field.Count > 0 ? 1 : 0) + (field.Columns > 0 ? 1 : 0);
  if (static_cast<int>(parsed.indices.size()) != dimensions) {
    error = IndexCountError(parsed.label, dimensions, field.Count, field.Columns);
    return std::nullopt;
  }
  int element = 0;
  if (dimensions >= 1) {
    auto row = Index(parsed.indices[0], field.Count, parsed.label, error);
    if (!row) return std::nullopt;
    element = (*row - 1) * (field.Columns > 0 ? field.Columns : 1);
  }
  if (dimensions == 2) {
    auto column = Index(parsed.indices[1], field.Columns, std::string(parsed.label) + " second", error);
    if (!column) return std::nullopt;
    element += *column - 1;
  }
  return field.Offset + static_cast<std::size_t>(element) * field.ElementSize();
}

template <class T>
struct RuntimeShape {
  using Element = T;
  static constexpr int kCount = 0;
};
template <class T, int N>
struct RuntimeShape<Array1<T, N>> {
  using Element = T;
  static constexpr int kCount = N;
};

std::optional<std::int32_t> ParseWholeNumber(std::string_view value, std::string& error) {
  std::int32_t number = 0;
  const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), number);
  if (ec == std::errc() && end == value.data() + value.size()) return number;
  if (ec == std::errc::result_out_of_range && end == value.data() + value.size()) {
    error = Quoted(value) + " is out of range for a whole number (-2147483648..2147483647)";
  } else {
    error = Quoted(value) + " is not a whole number";
  }
  return std::nullopt;
}

std::optional<std::string> EncodeText(std::string_view value, std::string& error) {
  auto text = Utf8ToCp1252(value);
  if (!text) {
    error = Quoted(value) + " cannot be stored: only the characters of Windows-1252 are allowed";
  }
  return text;
}

Text50 LoadText(const std::byte* element) {
  Text50 text;
  std::memcpy(&text, element, sizeof text);
  return text;
}

}  // namespace

FieldStores StoresOf(GameState& game) { return FieldStores{&game.Team, &game.League, &game.Runtime}; }

nlohmann::json FieldRef::Get() const {
  switch (kind_) {
    case Kind::RecordInt: {
      std::int32_t v = 0;
      std::memcpy(&v, element_, sizeof v);
      return v;
    }
    case Kind::RecordText: return Cp1252ToUtf8(LoadText(element_).View());
    case Kind::RuntimeInt: return int_->v;
    case Kind::RuntimeText: return Cp1252ToUtf8(*text_);
  }
  return nullptr;
}

std::string FieldRef::GetString() const {
  const nlohmann::json value = Get();
  return value.is_string() ? value.get<std::string>() : value.dump();
}

bool FieldRef::Check(std::string_view value, std::string& error) const {
  if (kind_ == Kind::RecordInt || kind_ == Kind::RuntimeInt)
    return ParseWholeNumber(value, error).has_value();
  return EncodeText(value, error).has_value();
}

bool FieldRef::Set(std::string_view value, std::string& error) const {
  if (kind_ == Kind::RecordInt || kind_ == Kind::RuntimeInt) {
    const auto number = ParseWholeNumber(value, error);
    if (!number) return false;
    if (kind_ == Kind::RuntimeInt) {
      *int_ = Int(*number);
    } else {
      std::memcpy(element_, &*number, sizeof *number);
    }
    return true;
  }
  const auto text = EncodeText(value, error);
  if (!text) return false;
  if (kind_ == Kind::RuntimeText) {
    *text_ = *text;
  } else {
    Text50 stored = LoadText(element_);
    stored = *text;
    std::memcpy(element_, &stored, sizeof stored);
  }
  return true;
}

std::optional<FieldRef> ResolveField(const FieldStores& stores, std::string_view name, std::string& error) {
  const auto parsed = Parse(name, error);
  if (!parsed) return std::nullopt;
  const auto unknown = [&] {
    error = "unknown field " + Quoted(name);
    return std::nullopt;
  };

  if (parsed->scope == ParsedName::Scope::Runtime) {
    if (stores.Runtime == nullptr) {
      error = Quoted(name) + " is a runtime variable, which the save files do not hold";
      return std::nullopt;
    }
    std::optional<FieldRef> found;
    bool known = false;
    ForEachRuntimeVariable(*stores.Runtime, [&](std::string_view variable, auto& value) {
      using Shape = RuntimeShape<std::remove_cvref_t<decltype(value)>>;
      if (known || variable != parsed->field) return;
      known = true;
      const int dimensions = Shape::kCount > 0 ? 1 : 0;
      if (static_cast<int>(parsed->indices.size()) != dimensions) {
        error = IndexCountError(parsed->label, dimensions, Shape::kCount, 0);
        return;
      }
      typename Shape::Element* element = nullptr;
      if constexpr (Shape::kCount > 0) {
        const auto i = Index(parsed->indices[0], Shape::kCount, parsed->label, error);
        if (!i) return;
        element = &value[Int(*i)];
      } else {
        element = &value;
      }
      if constexpr (std::is_same_v<typename Shape::Element, Int>) {
        found = FieldRef(std::string(name), FieldRef::Kind::RuntimeInt);
        found->int_ = element;
      } else {
        found = FieldRef(std::string(name), FieldRef::Kind::RuntimeText);
        found->text_ = element;
      }
    });
    if (!known) return unknown();
    return found;
  }

  std::byte* record = nullptr;
  std::size_t recordSize = 0;
  std::span<const FieldInfo> fields;
  if (parsed->scope == ParsedName::Scope::League) {
    const auto t = Index(parsed->leagueIndex, kOppositionTeams, "League", error);
    if (!t) return std::nullopt;
    if (stores.League == nullptr) return unknown();
    record = reinterpret_cast<std::byte*>(&(*stores.League)[Int(*t)]);
    recordSize = kOppositionTeamSize;
    fields = OppositionFields();
  } else {
    if (stores.Team == nullptr) return unknown();
    record = reinterpret_cast<std::byte*>(stores.Team);
    recordSize = kTeamRecordSize;
    fields = TeamFields();
  }
  const FieldInfo* field = FindField(fields, parsed->field);
  if (field == nullptr) return unknown();
  const auto offset = ElementOffset(*field, *parsed, error);
  if (!offset) return std::nullopt;
  if (*offset + field->ElementSize() > recordSize) return unknown();  // the field table guards this too

  FieldRef ref(std::string(name),
               field->Type == FieldType::Int32 ? FieldRef::Kind::RecordInt : FieldRef::Kind::RecordText);
  ref.element_ = record + *offset;
  return ref;
}

bool GetField(const GameState& game, std::string_view name, nlohmann::json& value, std::string& error) {
  // Resolving needs writable stores, but nothing here writes through them.
  const auto ref = ResolveField(StoresOf(const_cast<GameState&>(game)), name, error);
  if (!ref) return false;
  value = ref->Get();
  return true;
}

bool SetField(GameState& game, std::string_view name, std::string_view value, std::string& error) {
  const auto ref = ResolveField(StoresOf(game), name, error);
  return ref && ref->Set(value, error);
}

nlohmann::json RecordElementToJson(std::span<const std::byte> record, const FieldInfo& field, int element) {
  if (element < 0) return nullptr;
  const std::size_t offset = field.Offset + static_cast<std::size_t>(element) * field.ElementSize();
  if (offset > record.size() || record.size() - offset < field.ElementSize()) return nullptr;
  const std::byte* at = record.data() + offset;
  if (field.Type == FieldType::Int32) {
    std::int32_t v = 0;
    std::memcpy(&v, at, sizeof v);
    return v;
  }
  return Cp1252ToUtf8(LoadText(at).View());
}

}  // namespace vantoro
