// vantoro-save: shows and edits the save slot of a directory, through the
// same safe save that the game uses.

#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "state/field_access.hpp"
#include "state/records.hpp"
#include "state/save_slot.hpp"
#include "state/state_json.hpp"
#include "state/version.hpp"

namespace {

using namespace vantoro;

constexpr std::string_view kUsage = R"(usage: vantoro-save dump [DIR]
       vantoro-save set DIR NAME=VALUE ...
       vantoro-save --help | --version

dump  Prints the save slot in DIR (default: the working directory) as JSON:
      {"Team": {...}, "League": [team 1, ..., team 9]}.
set   Changes fields of the slot in DIR and saves it again. NAME is a team
      field (Cash, PlayerMorale[3], SharePriceHistory[2][5], also written
      Team.Cash) or a field of opposition team t (League[2].Name,
      League[2].PlayerSpeed[7]); indices count from 1. VALUE is a whole
      number or UTF-8 text. Either every assignment is made or none.

Exit status: 0 done; 1 the slot could not be written; 2 bad usage, a bad
name or value, or a slot that cannot be read (nothing was changed).
)";

constexpr int kWriteFailed = 1;
constexpr int kRefused = 2;

int UsageError(std::string_view message) {
  std::cerr << "vantoro-save: " << message << "\nTry 'vantoro-save --help'.\n";
  return kRefused;
}

// The records are 17 KB; keep them off the stack.
struct Slot {
  std::unique_ptr<TeamRecord> Team = std::make_unique<TeamRecord>();
  std::unique_ptr<LeagueRecord> League = std::make_unique<LeagueRecord>();
};

bool Load(const std::filesystem::path& dir, Slot& slot) {
  const LoadResult result = LoadSlot(dir, *slot.Team, *slot.League);
  if (!result.Ok())
    std::cerr << "vantoro-save: cannot read the save slot in " << dir.string() << ": " << result.Error
              << '\n';
  return result.Ok();
}

int Dump(const std::filesystem::path& dir) {
  Slot slot;
  if (!Load(dir, slot)) return kRefused;
  nlohmann::ordered_json out = nlohmann::ordered_json::object();
  out["Team"] = TeamToJson(*slot.Team);
  out["League"] = LeagueToJson(*slot.League);
  std::cout << out.dump(2) << '\n' << std::flush;
  if (!std::cout) {
    std::cerr << "vantoro-save: cannot write to standard output\n";
    return kWriteFailed;
  }
  return 0;
}

struct Assignment {
  FieldRef Field;
  std::string Value;
};

int Set(const std::filesystem::path& dir, const std::vector<std::string_view>& args) {
  Slot slot;
  // Every assignment is checked before the slot is read, and the slot is
  // written only when all of them apply; the fields point into the records
  // that the load then fills.
  const FieldStores stores{slot.Team.get(), slot.League.get(), nullptr};
  std::vector<Assignment> assignments;
  bool refused = false;
  for (std::string_view arg : args) {
    const std::size_t equals = arg.find('=');
    std::string error;
    if (equals == std::string_view::npos) {
      error = "'" + std::string(arg) + "' is not an assignment NAME=VALUE";
    } else if (auto field = ResolveField(stores, arg.substr(0, equals), error)) {
      const std::string_view value = arg.substr(equals + 1);
      if (field->Check(value, error)) assignments.push_back({std::move(*field), std::string(value)});
    }
    if (!error.empty()) {
      std::cerr << "vantoro-save: " << error << '\n';
      refused = true;
    }
  }
  if (refused) {
    std::cerr << "vantoro-save: nothing was changed\n";
    return kRefused;
  }

  if (!Load(dir, slot)) return kRefused;
  for (const Assignment& assignment : assignments) {
    std::string error;
    if (!assignment.Field.Set(assignment.Value, error)) {
      std::cerr << "vantoro-save: " << error << "\nvantoro-save: nothing was changed\n";
      return kRefused;
    }
  }
  const SaveResult saved = SaveSlot(dir, *slot.Team, *slot.League);
  if (!saved.Ok()) {
    std::cerr << "vantoro-save: cannot save the slot in " << dir.string() << ": " << saved.Error << '\n';
    return kWriteFailed;
  }
  if (!saved.Warning.empty()) std::cerr << "vantoro-save: saved, but " << saved.Warning << '\n';
  return 0;
}

int Run(const std::vector<std::string_view>& args) {
  if (args.empty()) return UsageError("missing command");
  const std::string_view command = args[0];
  if (command == "--help" || command == "-h") {
    std::cout << kUsage;
    return 0;
  }
  if (command == "--version") {
    std::cout << "vantoro-save " << kVersion << '\n';
    return 0;
  }
  if (command == "dump") {
    if (args.size() > 2) return UsageError("dump takes at most one directory");
    return Dump(args.size() == 2 ? std::filesystem::path(args[1]) : std::filesystem::path());
  }
  if (command == "set") {
    if (args.size() < 3) return UsageError("set needs a directory and at least one NAME=VALUE");
    return Set(std::filesystem::path(args[1]), std::vector<std::string_view>(args.begin() + 2, args.end()));
  }
  return UsageError("unknown command '" + std::string(command) + "'");
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(std::vector<std::string_view>(argv + 1, argv + argc));
  } catch (const std::exception& e) {
    std::cerr << "vantoro-save: " << e.what() << '\n';
    return kWriteFailed;
  }
}
