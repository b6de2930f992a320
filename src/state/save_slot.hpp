#pragma once
// The one save slot: "savefilex.dat" holds the team record's image and
// "savefiley.dat" the league record's, exactly the images and nothing else.
//
// Saving never rewrites a save file in place. Both images go to temporary
// files beside the slot; a small commit marker naming their sizes and
// checksums then makes the pair the new slot, and the temporaries are
// renamed over the old files. Whatever step fails, and wherever the process
// dies, the next load or save finds either the whole previous slot or the
// whole new one: a valid marker whose files match it is finished, anything
// else is discarded.

#include <array>
#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "state/file_ops.hpp"
#include "state/game_state.hpp"
#include "state/records.hpp"

namespace vantoro {

inline constexpr std::string_view kTeamFileName = "savefilex.dat";
inline constexpr std::string_view kLeagueFileName = "savefiley.dat";
inline constexpr std::string_view kTeamTempName = "savefilex.dat.new";
inline constexpr std::string_view kLeagueTempName = "savefiley.dat.new";
inline constexpr std::string_view kCommitMarkerName = "savefile.commit";

struct SlotResult {
  SlotResult() = default;
  SlotResult(std::string error) : Error(std::move(error)) {}  // NOLINT: a failure converts to a result

  // Empty on success; otherwise the file and the reason, for the player,
  // e.g. "savefilex.dat: No such file or directory".
  std::string Error;
  // A save that succeeded but could not tidy up after itself (a rename, a
  // folder sync or the marker's removal failed once the save had committed):
  // the slot is the new game, finished now or at the next load.
  std::string Warning;
  // The system's error behind Error, where there is one.
  int Errno = 0;

  bool Ok() const { return Error.empty(); }
};
using SaveResult = SlotResult;
using LoadResult = SlotResult;

// Writes both records as the slot in dir. On failure the slot is still the
// previous one (or, when the program was stopped after the commit marker
// was written, the new one at the next load). Once the marker is durable the
// save has happened: it succeeds, with a warning should finishing fail.
SaveResult SaveSlot(const std::filesystem::path& dir, const TeamRecord& team, const LeagueRecord& league,
                    FileOps& ops = RealFileOps());

// What a failed save tells the player: that the game was not saved and why,
// in a player's words, and that the slot in `folder` is still the one saved
// before. The file names of the save's inner workings stay out of it.
std::string SaveFailureMessage(const std::filesystem::path& folder, const SaveResult& failed);

// Reads the slot in dir over both records, finishing or discarding an
// interrupted save first. On failure neither record changes. A file longer
// than its record is read up to the record's size.
LoadResult LoadSlot(const std::filesystem::path& dir, TeamRecord& team, LeagueRecord& league,
                    FileOps& ops = RealFileOps());

// LoadSlot into the game, which then resumes its month with gambling and
// fundraising already used.
LoadResult LoadGame(const std::filesystem::path& dir, GameState& game, FileOps& ops = RealFileOps());

// The commit marker for a pair of images: a magic word, each image's size
// and checksum, and the marker's own checksum, so that a torn marker is
// never taken for a commit.
inline constexpr std::size_t kCommitMarkerSize = 48;
std::array<std::byte, kCommitMarkerSize> MakeCommitMarker(std::span<const std::byte> teamImage,
                                                          std::span<const std::byte> leagueImage);

}  // namespace vantoro
