#pragma once
// Playing a recorded session back without a window, on the virtual clock
// at full speed, checking the game against the recording as it goes.

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

#include "ui/font.hpp"
#include "ui/pictures.hpp"

namespace vantoro {

struct ReplayOptions {
  // Pictures of the frame shown at these moments (ms after the session's
  // start), as PNG files.
  std::vector<std::pair<std::int64_t, std::string>> Screenshots;
  // The state at the end, as JSON; empty: none.
  std::string Dump;
  // The most ticks a playback delivers, so that a damaged count cannot run
  // for ever.
  std::int64_t MostTicks = std::int64_t{1} << 26;
};

// Plays `recording` (the file's bytes, `name` for messages) with the save
// slot in `folder`: slots the session loaded come from the recording, and
// what it saved is written to `folder`. 0 when the game agreed with the
// recording to its end; otherwise 1, with the file, the event and the
// reason on `err`.
int PlayBack(const std::string& recording, const std::string& name, FontLibrary& fonts, PictureSet& pictures,
             const std::filesystem::path& folder, const ReplayOptions& options, std::ostream& err);

// Reads a recording whole; false with the reason naming the file.
bool ReadRecording(const std::filesystem::path& file, std::string& bytes, std::string& error);

}  // namespace vantoro
