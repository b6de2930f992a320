#pragma once
// What the fuzz targets share: the fonts, plain stand-in pictures (the
// targets test the game's handling of hostile input, not its artwork), and
// a scratch folder of this process's own, and how a slot target's input
// is split.

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "app/driver.hpp"
#include "state/save_slot.hpp"
#include "ui/artwork.hpp"

namespace vantoro::fuzz {

inline FontLibrary& Fonts() {
  static FontLibrary fonts;
  return fonts;
}

inline PictureSet& StandInPictures() {
  static PictureSet pictures = [] {
    PictureSet set;
    for (const PictureInfo& info : kPictures) set.Put(info.Id, Image(info.Width, info.Height, Rgb(0x203040)));
    return set;
  }();
  return pictures;
}

// A fresh folder under the temporary folder, made once per process.
inline const std::filesystem::path& Scratch(const char* name) {
  static const std::filesystem::path dir = [name] {
    const auto path = std::filesystem::temp_directory_path() /
                      ("vantoro-fuzz-" + std::string(name) + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
    return path;
  }();
  return dir;
}

// An input for the slot targets: a choice byte, then the team file's bytes
// and the league file's, each cut at its record's size.
struct SlotInput {
  std::uint8_t Choice = 0;
  std::span<const std::uint8_t> Team, League;
};

// Nothing for an empty input.
inline std::optional<SlotInput> SplitSlotInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return std::nullopt;
  const std::span<const std::uint8_t> rest(data + 1, size - 1);
  const auto team = rest.first(std::min(rest.size(), kTeamRecordSize));
  const auto league = rest.subspan(team.size()).first(std::min(rest.size() - team.size(), kLeagueRecordSize));
  return SlotInput{data[0], team, league};
}

// A finding: say what broke, then stop as a crash would, for the fuzzer.
[[noreturn]] inline void Finding(const std::string& what) {
  std::fprintf(stderr, "finding: %s\n", what.c_str());
  std::abort();
}

}  // namespace vantoro::fuzz
