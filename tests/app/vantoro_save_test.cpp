// vantoro-save run as a program, on good and hostile save slots.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <climits>
#include <cstring>

#include "state/cp1252.hpp"
#include "state/field_access.hpp"
#include "state/slot_fixtures.hpp"
#include "state/state_json.hpp"

extern char** environ;

namespace vantoro {
namespace {

struct ToolRun {
  int status = -1;
  std::string out, err;
};

std::string ReadText(const std::filesystem::path& path) {
  const Bytes bytes = ReadBytes(path);
  return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// Runs the built vantoro-save in folder cwd, capturing both streams.
ToolRun RunTool(std::vector<std::string> args, const std::string& cwd = "/") {
  const char* binDir = std::getenv("VANTORO_BIN_DIR");
  if (binDir == nullptr) ADD_FAILURE() << "VANTORO_BIN_DIR is not set; run through ctest";
  args.insert(args.begin(), std::string(binDir ? binDir : ".") + "/vantoro-save");
  TempDir capture;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, (capture.path / "out").c_str(), O_WRONLY | O_CREAT, 0600);
  posix_spawn_file_actions_addopen(&actions, 2, (capture.path / "err").c_str(), O_WRONLY | O_CREAT, 0600);
  posix_spawn_file_actions_addchdir_np(&actions, cwd.c_str());
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  ToolRun run;
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) == 0 &&
      ::waitpid(pid, &run.status, 0) > 0) {
    run.status = WIFEXITED(run.status) ? WEXITSTATUS(run.status) : -1;
  }
  posix_spawn_file_actions_destroy(&actions);
  return {run.status, ReadText(capture.path / "out"), ReadText(capture.path / "err")};
}

// Whole numbers alternately INT_MIN and INT_MAX, length bytes 255, gaps
// 0xFF: what a damaged or hostile file may hold. Records repeat every stride.
Bytes HostileImage(std::size_t size, std::span<const FieldInfo> fields, std::size_t stride) {
  Bytes image(size, std::byte{0xFF});
  for (std::size_t record = 0; record < size; record += stride) {
    for (const FieldInfo& f : fields) {
      for (int e = 0; e < f.Elements(); ++e) {
        std::byte* at = image.data() + record + f.Offset + static_cast<std::size_t>(e) * f.ElementSize();
        const std::int32_t v = e % 2 == 0 ? INT_MIN : INT_MAX;
        if (f.Type == FieldType::Int32) std::memcpy(at, &v, sizeof v);
        for (int i = 1; f.Type == FieldType::Text50 && i <= 50; ++i) at[i] = std::byte(0x80 + (e + i) % 128);
      }
    }
  }
  return image;
}

struct VantoroSaveTest : testing::Test {
  TempDir dir;
  const std::string d = dir.path;
  const Bytes team = HostileImage(kTeamRecordSize, TeamFields(), kTeamRecordSize);
  const Bytes league = HostileImage(kLeagueRecordSize, OppositionFields(), kOppositionTeamSize);

  void SetUp() override {
    WriteBytes(dir.path / "savefilex.dat", team);
    WriteBytes(dir.path / "savefiley.dat", league);
  }
  // The slot's files are exactly these images.
  bool Holds(const Bytes& t, const Bytes& l) const {
    return ReadBytes(dir.path / "savefilex.dat") == t && ReadBytes(dir.path / "savefiley.dat") == l;
  }
  Records Loaded() const {
    Records r;
    ReadImage(std::span<const std::byte, kTeamRecordSize>(team), *r.Team);
    ReadImage(std::span<const std::byte, kLeagueRecordSize>(league), *r.League);
    return r;
  }
};

TEST_F(VantoroSaveTest, DumpsAHostileSlotAsTheRecordsHoldIt) {
  const ToolRun run = RunTool({"dump", d});
  ASSERT_EQ(run.status, 0) << run.err;
  const nlohmann::ordered_json json = nlohmann::ordered_json::parse(run.out);
  const Records records = Loaded();
  EXPECT_EQ(json["Team"], TeamToJson(*records.Team));
  EXPECT_EQ(json["League"], LeagueToJson(*records.League));
  EXPECT_EQ(json["Team"]["PlayerMorale"][0], INT_MIN);
  EXPECT_EQ(json["League"][8]["PlayerTagsAgainst"][6], INT_MIN);
  EXPECT_EQ(json["League"][8]["PlayerName"][6], Cp1252ToUtf8((*records.League)[9].PlayerName[7].View()));
  EXPECT_EQ(RunTool({"dump"}, d).out, run.out);  // the working folder by default
  EXPECT_TRUE(Holds(team, league));
}

TEST_F(VantoroSaveTest, SetChangesExactlyTheNamedFields) {
  const std::vector<std::string> assignments = {"Cash=5000", "PlayerMorale[3]=40", "League[2].Name=Iron Rams",
                                                "Team.TeamName=Zoë", "SharePriceHistory[240][10]=-1"};
  std::vector<std::string> args = {"set", d};
  args.insert(args.end(), assignments.begin(), assignments.end());
  const ToolRun run = RunTool(args);
  ASSERT_EQ(run.status, 0) << run.err;

  Records want = Loaded();
  for (const std::string& a : assignments) {
    std::string error;
    const auto field =
        ResolveField({want.Team.get(), want.League.get(), nullptr}, a.substr(0, a.find('=')), error);
    ASSERT_TRUE(field && field->Set(a.substr(a.find('=') + 1), error)) << error;
  }
  EXPECT_TRUE(Holds(want.TeamImage(), want.LeagueImage()));
  const nlohmann::ordered_json json = nlohmann::ordered_json::parse(RunTool({"dump", d}).out);
  EXPECT_EQ(json["League"][1]["Name"], "Iron Rams");
  EXPECT_EQ(json["Team"]["TeamName"], "Zoë");
}

TEST_F(VantoroSaveTest, RefusesWithoutChangingAnything) {
  TempDir shortSlot;
  WriteBytes(shortSlot.path / "savefilex.dat", Bytes(100));
  WriteBytes(shortSlot.path / "savefiley.dat", league);
  const std::string s = shortSlot.path,
                    tooShort = "savefilex.dat: the file is shorter than a saved team (100 of 11324 bytes)";
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"set", d, "Cahs=1"}, "vantoro-save: unknown field 'Cahs'\n"},
      {{"set", d, "Cash=1", "PlayerMorale[9]=1"}, "PlayerMorale index 9 is out of range 1..8"},
      {{"set", d, "Cash=abc"}, "'abc' is not a whole number"},
      {{"set", d, "Runtime.Weather=1"}, "'Runtime.Weather' is a runtime variable"},
      {{"set", d, "Cash"}, "'Cash' is not an assignment NAME=VALUE"},
      {{"set", d}, "set needs a directory and at least one NAME=VALUE"},
      {{"set", d + "/missing", "Cash=1"}, "savefilex.dat: No such file or directory"},
      {{"set", s, "Cash=1"}, tooShort},
      {{"dump", s}, tooShort},
      {{"dump", d, "more"}, "dump takes at most one directory"},
      {{}, "missing command"},
  };
  for (const auto& [args, message] : cases) {
    SCOPED_TRACE(message);
    const ToolRun run = RunTool(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    EXPECT_TRUE(Holds(team, league));
    EXPECT_EQ(dir.Entries(), (std::set<std::string>{"savefilex.dat", "savefiley.dat"}));
  }
  EXPECT_EQ(ReadBytes(shortSlot.path / "savefilex.dat").size(), 100U);
  EXPECT_TRUE(RunTool({"--help"}).out.starts_with("usage: vantoro-save dump [DIR]\n"));
}

}  // namespace
}  // namespace vantoro
