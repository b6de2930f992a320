// Sessions recorded as the game records them play back exactly: every
// press settles in the recorded state, the slot a session loaded comes from
// the recording, and what it saved is saved again. A recording that was
// changed or damaged stops with the file, the place and the reason.

#include "app/replay.hpp"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "screen_fixture.hpp"
#include "ui/session_tape.hpp"

namespace vantoro::testing {
namespace {

namespace fs = std::filesystem;

// From a saved slot through a month's end to the hub again.
const std::vector<std::string> kLoadAndEndMonth = {"wait 100",
                                                   "press 100 100",
                                                   "wait 1500",
                                                   "press 400 487",
                                                   "expect-screen hub",
                                                   "wait 1800",
                                                   "press 50 465",
                                                   "press 400 115",
                                                   "wait 100",
                                                   "press 442 335",
                                                   "expect-screen end-of-month",
                                                   "wait 4500",
                                                   "press 630 475",
                                                   "expect-screen hub",
                                                   "wait 1800"};

std::vector<std::string> Then(std::vector<std::string> lines, std::initializer_list<std::string> more) {
  lines.insert(lines.end(), more);
  return lines;
}

struct Session {
  const char* Name;
  bool NeedsSlot;  // starts from a saved slot in its folder
  std::vector<std::string> Lines;
};

const Session kSessions[] = {
    {"NewGameSaved",
     false,
     {"wait 25", "press 100 100", "wait 1400", "press 250 490", "press 250 490", "press 560 490",
      "expect-screen hub", "wait 1650", "press 50 115", "press 180 115", "wait 300", "press 50 535",
      "press 180 115", "wait 50", "press 400 300", "expect-screen title", "wait 200"}},
    {"LoadedHorseRace", true,
     Then(kLoadAndEndMonth, {"press 50 395", "press 400 115", "wait 100", "press 185 215",
                             "expect-screen horse-racing", "wait 100", "press 225 175", "press 495 175",
                             "press 600 175", "wait 12000", "press 730 545", "expect-screen hub"})},
    {"LoadedCardGame", true,
     Then(kLoadAndEndMonth, {"press 50 395", "press 400 115", "wait 100", "press 185 255",
                             "expect-screen card-game", "wait 100", "press 225 125", "press 600 125",
                             "wait 200", "press 680 285", "wait 600", "press 680 285", "expect-screen hub"})},
    {"ClosedWindowReturnsToTitle",
     true,
     {"wait 100", "press 100 100", "wait 1500", "press 400 487", "expect-screen hub", "wait 500", "close",
      "wait 300", "expect-screen title", "client 1700 1300", "wait 100", "press 100 100", "wait 200"}},
    {"SaveFailsWhereNoBoxOpens",
     false,
     {"message-boxes fail", "wait 25", "press 100 100", "wait 1400", "press 250 490", "press 560 490",
      "expect-screen hub", "wait 1650", "press 50 535", "press 180 115", "wait 50", "press 400 300",
      "expect-screen hub", "wait 100", "press 400 300", "wait 100"}},
};

// Where each event of a recording begins, and its tag.
std::vector<std::pair<std::size_t, TapeTag>> Events(const std::string& recording) {
  TapePlayer reader;
  std::string error;
  std::vector<std::pair<std::size_t, TapeTag>> events;
  if (!reader.Load(recording, "r", error)) return events;
  TapeEvent event;
  while (reader.Next(event, error)) events.emplace_back(reader.EventStart(), event.Tag);
  return events;
}

std::string Slurp(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ReplayTest : public ScreenTest {
 protected:
  // A slot in `where` to load: a new game's, with cash for the games.
  void SaveSlot(const fs::path& where) {
    ReplaceDriver(where);
    EnterHub();
    Script({"set Team.Cash 5000", "press 50 535", "press 180 115", "wait 50", "press 400 300",
            "expect-screen title"});
  }
  std::string Record(const fs::path& where, const std::vector<std::string>& lines) {
    ExpectNoStaleRows();
    driver = std::make_unique<Driver>(SharedFonts(), pictures, where, true);
    driver->Platform().EchoMessages = false;
    for (const std::string& line : lines) {
      std::string error;
      EXPECT_TRUE(driver->Execute(line, error)) << line << ": " << error;
    }
    return driver->FinishRecording();
  }
  int Play(const std::string& recording, const fs::path& where, std::string& said) {
    fs::create_directories(where);
    std::ostringstream err;
    const int status = PlayBack(recording, "session.vtr", SharedFonts(), pictures, where, {}, err);
    said = err.str();
    return status;
  }
};

TEST_F(ReplayTest, RecordedSessionsPlayBackExactly) {
  for (const Session& session : kSessions) {
    SCOPED_TRACE(session.Name);
    const fs::path recorded = folder / session.Name / "recorded", played = folder / session.Name / "played";
    fs::create_directories(recorded);
    if (session.NeedsSlot) SaveSlot(recorded);
    const std::string before[] = {Slurp(recorded / "savefilex.dat"), Slurp(recorded / "savefiley.dat")};
    if (std::string(session.Name) == "SaveFailsWhereNoBoxOpens")
      fs::create_directory(recorded / "savefilex.dat.new");
    const std::string recording = Record(recorded, session.Lines);
    std::string said;
    ASSERT_EQ(Play(recording, played, said), 0) << said;
    // What the session saved is saved again; a slot it only loaded came
    // from the recording and is not left in the playback's folder.
    int i = 0;
    for (const char* file : {"savefilex.dat", "savefiley.dat"}) {
      const std::string after = Slurp(recorded / file);
      if (after != before[i++]) {
        EXPECT_EQ(Slurp(played / file), after) << file;
      } else {
        EXPECT_FALSE(fs::exists(played / file)) << file;
      }
    }
  }
}

// The press on COMMIT is moved off the button: the playback stops at that
// press, naming it, since the game settles there in another state.
TEST_F(ReplayTest, AChangedPressFailsAtThatPress) {
  std::string recording = Record(folder, kSessions[0].Lines);
  TapePlayer reader;
  std::string error;
  ASSERT_TRUE(reader.Load(recording, "r", error));
  TapeEvent event;
  int downs = 0;
  while (reader.Next(event, error) && !(event.Tag == TapeTag::Down && ++downs == 4)) {
  }
  ASSERT_EQ(event.A, 560 + 112);  // COMMIT, in a 1024 x 768 window
  const std::string where = reader.Position();
  // The event's x follows its tag and its moment: rewrite it as 0.
  std::size_t x = reader.EventStart() + 1;
  while (static_cast<unsigned char>(recording[x]) & 0x80) ++x;
  ++x;
  recording.replace(x, 2, 1, '\0');
  std::string said;
  EXPECT_EQ(Play(recording, folder / "played", said), 1);
  EXPECT_NE(said.find("session.vtr: the game differs from the recording at "), std::string::npos) << said;
  EXPECT_NE(said.find("after the press at " + where), std::string::npos) << said;
}

TEST_F(ReplayTest, ADamagedRecordingNamesTheFileAndTheReason) {
  const std::string good = Record(folder, kSessions[0].Lines);
  const auto events = Events(good);
  ASSERT_GT(events.size(), 10U);
  std::string future = good;
  future[8] = 2;  // the format's number
  std::string unknown = good;
  unknown.insert(events[events.size() / 2].first, 1, '\x7F');
  const struct {
    const char* what;
    std::string bytes;
    const char* reason;
  } cases[] = {
      {"empty", "", "not a recording"},
      {"a picture", "\x89PNG\r\n\x1a\n", "not a recording"},
      {"a later format", future, "a recording in format 2"},
      {"cut off in an event", good.substr(0, good.size() - 3), "damaged at event"},
      {"cut off between events", good.substr(0, events[10].first), "cut off before the session's end"},
      {"an unknown event", unknown, "damaged at event"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::string said;
    EXPECT_EQ(Play(c.bytes, folder / "played", said), 1);
    EXPECT_EQ(said.rfind("session.vtr: ", 0), 0U) << said;
    EXPECT_NE(said.find(c.reason), std::string::npos) << said;
  }
}

// The folder keeps the last ten sessions; where no recording can be made,
// the game goes on unrecorded, holding nothing for it.
TEST_F(ReplayTest, RecordingsKeepTheLastTenAndAFolderThatFailsStopsOnlyTheRecording) {
  const fs::path replays = folder / "replays";
  fs::create_directories(replays);
  for (int i = 10; i < 22; ++i) std::ofstream(replays / ("2026-01-" + std::to_string(i) + ".vtr")) << "old";
  std::ofstream(replays / "notes.txt") << "not a recording";
  GameState state;
  {
    TapeRecorder recorder(state, RealFileOps());
    ASSERT_TRUE(recorder.Open(replays));
    recorder.Started(0, {800, 600});
  }
  std::vector<std::string> left;
  for (const auto& entry : fs::directory_iterator(replays)) left.push_back(entry.path().filename().string());
  std::sort(left.begin(), left.end());
  ASSERT_EQ(left.size(), 11U);  // nine old, the new one, and the notes
  EXPECT_EQ(left.front(), "2026-01-13.vtr");
  EXPECT_EQ(left.back(), "notes.txt");

  std::ofstream(folder / "blocked") << "a file where the folder would be";
  TapeRecorder recorder(state, RealFileOps());
  EXPECT_FALSE(recorder.Open(folder / "blocked" / "replays"));
  recorder.Started(0, {800, 600});
  for (int i = 0; i < 1000; ++i) {
    recorder.Pressed(true, 5, 5, i, {800, 600});
    recorder.Settled(static_cast<std::uint64_t>(i));
  }
  EXPECT_TRUE(recorder.Bytes().empty());
}

}  // namespace
}  // namespace vantoro::testing
