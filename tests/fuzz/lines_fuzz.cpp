// Bytes as driver script lines, split and checked without running a game,
// so that thousands of scripts a second are tried. Every line is parsed;
// the lines that name a field reach it as the driver would, with hostile
// names and values. Findings beyond a crash: a refusal without a reason;
// a value that Check accepts and Set refuses, or the other way round; and a
// value read back that does not store as itself (what `expect` compares and
// the save inspector prints must be what `set` takes).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "app/driver.hpp"
#include "fuzz_support.hpp"
#include "state/field_access.hpp"

namespace {

using vantoro::fuzz::Finding;

void CheckField(vantoro::GameState& state, const vantoro::ScriptLine& line) {
  using Kind = vantoro::ScriptLine::Kind;
  std::string error;
  const auto field = vantoro::ResolveField(vantoro::StoresOf(state), line.Name, error);
  if (!field) {
    if (error.empty()) Finding("a field name refused without a reason");
    return;
  }
  if (line.What == Kind::Expect) {
    (void)field->Get();
    return;
  }
  std::string checkError;
  const bool checked = field->Check(line.Rest, checkError);
  const bool stored = field->Set(line.Rest, error);
  if (checked != stored)
    Finding("Check and Set disagree on " + field->Name() + " = '" + std::string(line.Rest) + "'");
  if (!stored) return;
  const std::string shown = field->GetString();
  if (!field->Set(shown, error)) Finding(field->Name() + " refuses its own value '" + shown + "': " + error);
  if (field->GetString() != shown)
    Finding(field->Name() + " changes when its value is stored again: '" + shown + "'");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantoro;
  using Kind = ScriptLine::Kind;
  auto state = std::make_unique<GameState>();
  std::string_view text(reinterpret_cast<const char*>(data), size);
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    ScriptLine parsed;
    std::string error;
    if (!ParseScriptLine(line, parsed, error)) {
      if (error.empty()) Finding("a line refused without a reason");
      continue;
    }
    if (parsed.What == Kind::Set || parsed.What == Kind::Expect) CheckField(*state, parsed);
  }
  return 0;
}
