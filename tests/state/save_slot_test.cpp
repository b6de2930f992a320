#include "state/save_slot.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "state/slot_fixtures.hpp"

namespace vantoro {
namespace {

namespace fs = std::filesystem;
const std::string X = "savefilex.dat", Y = "savefiley.dat", XNew = "savefilex.dat.new",
                  YNew = "savefiley.dat.new", Marker = "savefile.commit";

struct SlotTest : testing::Test {
  TempDir dir;
  Records old = Records::Random(1), next = Records::Random(7);

  void SetUp() override { ASSERT_TRUE(SaveSlot(dir.path, *old.Team, *old.League).Ok()); }

  // The slot loads (settling any interrupted save) and then holds exactly
  // these images, with nothing left beside it.
  void ExpectSlot(const Records& want) {
    Records got;
    ASSERT_TRUE(LoadSlot(dir.path, *got.Team, *got.League).Ok());
    EXPECT_TRUE(got == want);
    EXPECT_TRUE(ReadBytes(dir.path / X) == want.TeamImage() && ReadBytes(dir.path / Y) == want.LeagueImage());
    EXPECT_EQ(dir.Entries(), (std::set{X, Y}));
  }
};

TEST_F(SlotTest, RoundTripsExactImagesThroughShortInterruptedTransfers) {
  FaultFileOps awkward;
  awkward.chunk = 1000;
  awkward.interrupt = true;
  ASSERT_TRUE(SaveSlot(dir.path, *next.Team, *next.League, awkward).Ok());
  Records got;
  ASSERT_TRUE(LoadSlot(dir.path, *got.Team, *got.League, awkward).Ok());
  EXPECT_TRUE(got == next);
  ExpectSlot(next);
}

// A save that fails at any one step, or dies there, leaves the whole
// previous slot or the whole new one. A failure is rolled back until the
// renames begin; a kill leaves the new slot once the marker is complete.
// A load killed at the same step must not spoil the recovery either.
TEST_F(SlotTest, EveryStepFailedOrKilledLeavesOneWholeSlot) {
  FaultFileOps counter;
  ASSERT_TRUE(SaveSlot(dir.path, *old.Team, *old.League, counter).Ok());
  // Nothing relies on a file before it is durable; a lost fsync shows nowhere else.
  EXPECT_EQ(counter.log, (std::vector<std::string>{
                             "OpenRead " + Marker,  "Remove " + XNew, "Remove " + YNew,  // recovery
                             "OpenWrite " + XNew,   "Write",          "Sync",           "Close",
                             "OpenWrite " + YNew,   "Write",          "Sync",           "Close",
                             "OpenWrite " + Marker, "Write",          "Sync",           "Close",
                             "SyncDirectory",       "Rename " + XNew, "Rename " + YNew, "SyncDirectory",
                             "Remove " + Marker,    "SyncDirectory"}));
  const int markerWrite = 13, firstRename = 17;
  for (auto mode : {FaultFileOps::Mode::FailOne, FaultFileOps::Mode::KillFrom}) {
    for (int step = 1; step <= counter.calls; ++step) {
      SCOPED_TRACE(counter.log[step - 1] + (mode == FaultFileOps::Mode::FailOne ? " failed" : " killed"));
      ASSERT_TRUE(SaveSlot(dir.path, *old.Team, *old.League).Ok());
      FaultFileOps ops;
      ops.mode = mode;
      ops.at = step;
      const SaveResult result = SaveSlot(dir.path, *next.Team, *next.League, ops);
      // Past the commit point the save has happened: a success, with a warning.
      const bool committed = step >= firstRename;
      EXPECT_EQ(result.Ok(), committed) << result.Error;
      EXPECT_TRUE((committed ? result.Warning : result.Error).ends_with(": Input/output error"))
          << result.Error << result.Warning;
      if (mode == FaultFileOps::Mode::FailOne) {
        EXPECT_EQ(dir.Entries(), (std::set{X, Y}));  // settled by the save itself
      } else {
        Records scratch;
        ops.calls = 0;
        LoadSlot(dir.path, *scratch.Team, *scratch.League, ops);
      }
      const bool isNew = mode == FaultFileOps::Mode::FailOne ? step >= firstRename : step > markerWrite;
      ExpectSlot(isNew ? next : old);
    }
  }
}

// Leftovers of an interrupted save as they could lie on disk.
TEST_F(SlotTest, RecoveryFinishesOnlyCompleteCommits) {
  const Bytes t = next.TeamImage(), l = next.LeagueImage();
  const auto m = MakeCommitMarker(t, l);
  const Bytes marker(m.begin(), m.end()), torn(m.begin(), m.begin() + 20);
  Bytes badSum = marker;
  badSum[44] ^= std::byte{1};  // the marker's own checksum
  const struct {
    std::vector<std::pair<std::string, Bytes>> files;
    bool isNew;
  } cases[] = {
      {{{Marker, marker}, {XNew, t}, {YNew, l}}, true},
      {{{Marker, marker}, {X, t}, {YNew, l}}, true},  // the team was renamed already
      {{{Marker, marker}, {X, t}, {Y, l}}, true},
      {{{Marker, torn}, {XNew, t}, {YNew, l}}, false},
      {{{Marker, badSum}, {XNew, t}, {YNew, l}}, false},
      {{{Marker, marker}, {XNew, t}, {YNew, Bytes(l.begin(), l.end() - 1)}}, false},
      {{{Marker, marker}, {XNew, t}, {YNew, old.LeagueImage()}}, false},
      {{{XNew, t}, {YNew, l}}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
    ASSERT_TRUE(SaveSlot(dir.path, *old.Team, *old.League).Ok());
    for (const auto& [name, bytes] : c.files) WriteBytes(dir.path / name, bytes);
    ExpectSlot(c.isNew ? next : old);
  }
}

TEST_F(SlotTest, BadFilesFailLoadWithoutTouchingEitherRecord) {
  using Spoil = void (*)(const fs::path&);
  const Spoil remove = [](const fs::path& p) { fs::remove(p); };
  const Spoil shorten = [](const fs::path& p) { fs::resize_file(p, 100); };
  const Spoil lengthen = [](const fs::path& p) { fs::resize_file(p, 99999); };
  const Spoil directory = [](const fs::path& p) { fs::remove(p), fs::create_directory(p); };
  const Spoil fifo = [](const fs::path& p) { fs::remove(p), ::mkfifo(p.c_str(), 0600); };
  const struct {
    std::string file;
    Spoil spoil;
    std::string error;  // empty: the load succeeds
  } cases[] = {
      {X, remove, X + ": No such file or directory"},
      {Y, remove, Y + ": No such file or directory"},
      {X, shorten, X + ": the file is shorter than a saved team (100 of 11324 bytes)"},
      {Y, shorten, Y + ": the file is shorter than a saved league (100 of 6372 bytes)"},
      {Y, directory, Y + ": Is a directory"},
      {X, fifo, X + ": not a regular file"},
      {X, lengthen, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.error);
    for (const auto& name : {X, Y}) fs::remove_all(dir.path / name);
    ASSERT_TRUE(SaveSlot(dir.path, *old.Team, *old.League).Ok());
    c.spoil(dir.path / c.file);
    Records got = Records::Random(99), untouched = Records::Random(99);
    const Records& want = c.error.empty() ? old : untouched;
    EXPECT_EQ(LoadSlot(dir.path, *got.Team, *got.League).Error, c.error);
    EXPECT_TRUE(got == want);
  }
}

// The player reads that nothing was saved, why in their words, and where
// the slot is; never the name of a temporary file they cannot see, even when
// it is the tidying before the save that fails.
TEST_F(SlotTest, AFailedSaveTellsThePlayerWhyAndThatTheSlotStands) {
  const struct {
    int error;
    std::string why;
  } cases[] = {{EACCES, "the game may not write in its save folder"},
               {EROFS, "the save folder is on a disk that cannot be written to"},
               {ENOSPC, "the disk is full"},
               {EIO, "the disk failed to write"},
               {EMFILE, "the system said \"Too many open files\""}};
  for (const auto& c : cases) {
    for (const std::string& step :
         {"Remove " + XNew, "OpenWrite " + YNew, std::string("Write"), std::string("SyncDirectory")}) {
      SCOPED_TRACE(step + " gave " + std::strerror(c.error));
      FaultFileOps counter;
      SaveSlot(dir.path, *old.Team, *old.League, counter);
      const auto at = std::find(counter.log.begin(), counter.log.end(), step);
      ASSERT_NE(at, counter.log.end());
      FaultFileOps ops;
      ops.mode = FaultFileOps::Mode::FailOne;
      ops.at = static_cast<int>(at - counter.log.begin()) + 1;
      ops.fails = c.error;
      const SaveResult result = SaveSlot(dir.path, *next.Team, *next.League, ops);
      ASSERT_FALSE(result.Ok());
      EXPECT_EQ(SaveFailureMessage(dir.path, result), "The game was not saved: " + c.why +
                                                          ". The save slot in " + dir.path.string() +
                                                          " is as it was before this save.");
      ExpectSlot(old);
    }
  }
}

TEST_F(SlotTest, UnwritableFolderFailsAndKeepsTheSlot) {
  // The folder is named, not the temporary file that could not be made.
  EXPECT_EQ(SaveSlot(dir.path / X / "sub", *next.Team, *next.League).Error,
            (dir.path / X / "sub").string() + ": Not a directory");
  if (::geteuid() != 0) {  // permission bits do not stop root
    fs::permissions(dir.path, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(SaveSlot(dir.path, *next.Team, *next.League).Error, dir.path.string() + ": Permission denied");
    fs::permissions(dir.path, fs::perms::owner_all);
  }
  ExpectSlot(old);
}

// A leftover of an unfinished save that is no file blocks saving until it
// is removed; the message says which one and what to do.
TEST_F(SlotTest, LeftoversThatAreNoFilesNameWhatToRemove) {
  for (const std::string& name : {XNew, YNew, Marker}) {
    for (const bool fifo : {false, true}) {
      SCOPED_TRACE(name + (fifo ? " as a FIFO" : " as a folder"));
      const fs::path leftover = dir.path / name;
      if (fifo) {
        ASSERT_EQ(::mkfifo(leftover.c_str(), 0600), 0);
      } else {
        fs::create_directory(leftover);
      }
      const SaveResult saved = SaveSlot(dir.path, *next.Team, *next.League);
      if (fifo && name != Marker) {
        // Not the marker: an unfinished save's temporaries are simply removed.
        EXPECT_TRUE(saved.Ok()) << saved.Error;
        ASSERT_TRUE(SaveSlot(dir.path, *old.Team, *old.League).Ok());
        continue;
      }
      EXPECT_EQ(saved.Error, leftover.string() + (fifo ? " is not a regular file" : " is a directory") +
                                 "; remove it to save or load the game");
      fs::remove(leftover);
      ExpectSlot(old);
    }
  }
}

TEST_F(SlotTest, LoadGameMarksGamblingAndFundraisingUsedOnlyOnSuccess) {
  auto game = std::make_unique<GameState>();
  EXPECT_EQ(LoadGame(dir.path / "missing", *game).Error, X + ": No such file or directory");
  EXPECT_EQ(game->Runtime.GambledThisMonth + game->Runtime.FundraisedThisMonth, 0);
  ASSERT_TRUE(LoadGame(dir.path, *game).Ok());
  EXPECT_EQ(game->Runtime.GambledThisMonth + game->Runtime.FundraisedThisMonth, 2);
  EXPECT_EQ(std::memcmp(&game->Team, old.Team.get(), kTeamRecordSize), 0);
}

}  // namespace
}  // namespace vantoro
