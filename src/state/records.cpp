#include "state/records.hpp"

#include <cstring>

namespace vantoro {

void WriteImage(const TeamRecord& record, std::span<std::byte, kTeamRecordSize> image) {
  std::memcpy(image.data(), &record, kTeamRecordSize);
}

void ReadImage(std::span<const std::byte, kTeamRecordSize> image, TeamRecord& record) {
  std::memcpy(&record, image.data(), kTeamRecordSize);
}

void WriteImage(const LeagueRecord& record, std::span<std::byte, kLeagueRecordSize> image) {
  std::memcpy(image.data(), &record, kLeagueRecordSize);
}

void ReadImage(std::span<const std::byte, kLeagueRecordSize> image, LeagueRecord& record) {
  std::memcpy(&record, image.data(), kLeagueRecordSize);
}

}  // namespace vantoro
