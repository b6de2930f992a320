#pragma once
// The two saved records. Their memory layout is the save file format: every
// member sits at its file offset, gaps and reserved words included, so the
// byte images are plain copies and a read followed by a write gives back
// identical bytes.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>

#include "state/array1.hpp"
#include "state/int.hpp"
#include "state/text50.hpp"

namespace vantoro {

static_assert(std::endian::native == std::endian::little, "save images are little-endian");

inline constexpr int kSquadSize = 7;    // players 1..7 are the squad
inline constexpr int kPlayerSlots = 8;  // slot 8: recruit candidate and swap scratch
inline constexpr int kOppositionTeams = 9;
inline constexpr int kCompanies = 10;  // 1..6 traded, 7..10 reserved
inline constexpr int kHistoryRows = 240;

using PlayerInts = Array1<Int, kPlayerSlots>;
using PlayerTexts = Array1<Text50, kPlayerSlots>;

struct TeamRecord {
  Text50 TeamName;
  Text50 ManagerName;
  std::uint8_t Gap066[2];
  Int GameLengthYears;
  Int Cash;
  Int LeagueScore;
  Int Year;
  Int Month;
  Int Vehicle;
  Array1<Int, 4> Trophies;
  Int Reserved090;
  Int Paintballs;
  Int LockStrength;
  Int SecurityLevel;
  Int Television;
  Int PBCooler;
  Int SnackMachine;
  Int PoolTable;
  Int BeerFridge;
  Int GarageLevel;
  Int ReservedAssets[2];  // clubhouse asset slots 9 and 10
  Int Reserved0C0;
  PlayerTexts PlayerName;
  PlayerInts PlayerMarkerType;
  PlayerInts PlayerMarkerCondition;
  PlayerInts PlayerMarkerAge;
  PlayerInts PlayerPaid;
  PlayerInts PlayerTrained;
  PlayerInts PlayerSpeed;
  PlayerInts PlayerAgility;
  PlayerInts PlayerStamina;
  PlayerInts PlayerAccuracy;
  PlayerInts PlayerMorale;
  PlayerInts PlayerTagsFor;
  PlayerInts PlayerTagsAgainst;
  PlayerInts PlayerFlagsPulled;
  PlayerInts PlayerPopularity;
  PlayerTexts PlayerOccupation;
  Array1<Int, kCompanies> SharesHeld;
  PlayerInts PlayerGender;
  PlayerInts PlayerPortrait;
  PlayerInts PlayerFigure;
  Array1<Int, kCompanies> SharePrice;
  Array1<Array1<Int, kCompanies>, kHistoryRows> SharePriceHistory;
  Int TeamFinePaid;
  Int GamesPlayed;
  Int HistoryRow;
  Int GamesWon;
  Int GamesLost;
  Int GamesDrawn;
  Int GameType;
  Int BankBalance;
  Int RivalTeamA;
  Int RivalTeamB;
  Int RivalTeamC;
  PlayerInts PlayerMarkerCustom;
  Int Sponsorship;
  Int FieldType;
  Int NextOpponent;
};

using OppositionInts = Array1<Int, kSquadSize>;

struct OppositionTeam {
  Text50 Name;
  Text50 ManagerName;
  std::uint8_t Gap066[2];
  Int LeagueScore;
  Array1<Text50, kSquadSize> PlayerName;
  std::uint8_t Gap1D1[3];
  OppositionInts PlayerMarkerType;
  OppositionInts PlayerSpeed;
  OppositionInts PlayerAgility;
  OppositionInts PlayerStamina;
  OppositionInts PlayerAccuracy;
  OppositionInts PlayerTagsFor;
  OppositionInts PlayerTagsAgainst;
  OppositionInts ReservedTally;  // a third tally per player, always zero
  Int Reserved2B4[4];
};

// Opposition team t is League[t], t = 1..9.
using LeagueRecord = Array1<OppositionTeam, kOppositionTeams>;

inline constexpr std::size_t kTeamRecordSize = 11324;
inline constexpr std::size_t kOppositionTeamSize = 708;
inline constexpr std::size_t kLeagueRecordSize = 6372;

static_assert(std::is_trivially_copyable_v<TeamRecord> && std::is_standard_layout_v<TeamRecord>);
static_assert(std::is_trivially_copyable_v<LeagueRecord> && std::is_standard_layout_v<OppositionTeam>);
static_assert(sizeof(TeamRecord) == kTeamRecordSize);
static_assert(sizeof(OppositionTeam) == kOppositionTeamSize);
static_assert(sizeof(LeagueRecord) == kLeagueRecordSize);

#define VANTORO_AT(record, field, offset) static_assert(offsetof(record, field) == (offset), #field)
VANTORO_AT(TeamRecord, TeamName, 0x000);
VANTORO_AT(TeamRecord, ManagerName, 0x033);
VANTORO_AT(TeamRecord, Gap066, 0x066);
VANTORO_AT(TeamRecord, GameLengthYears, 0x068);
VANTORO_AT(TeamRecord, Cash, 0x06C);
VANTORO_AT(TeamRecord, LeagueScore, 0x070);
VANTORO_AT(TeamRecord, Year, 0x074);
VANTORO_AT(TeamRecord, Month, 0x078);
VANTORO_AT(TeamRecord, Vehicle, 0x07C);
VANTORO_AT(TeamRecord, Trophies, 0x080);
VANTORO_AT(TeamRecord, Reserved090, 0x090);
VANTORO_AT(TeamRecord, Paintballs, 0x094);
VANTORO_AT(TeamRecord, LockStrength, 0x098);
VANTORO_AT(TeamRecord, SecurityLevel, 0x09C);
VANTORO_AT(TeamRecord, Television, 0x0A0);
VANTORO_AT(TeamRecord, PBCooler, 0x0A4);
VANTORO_AT(TeamRecord, SnackMachine, 0x0A8);
VANTORO_AT(TeamRecord, PoolTable, 0x0AC);
VANTORO_AT(TeamRecord, BeerFridge, 0x0B0);
VANTORO_AT(TeamRecord, GarageLevel, 0x0B4);
VANTORO_AT(TeamRecord, ReservedAssets, 0x0B8);
VANTORO_AT(TeamRecord, Reserved0C0, 0x0C0);
VANTORO_AT(TeamRecord, PlayerName, 0x0C4);
VANTORO_AT(TeamRecord, PlayerMarkerType, 0x25C);
VANTORO_AT(TeamRecord, PlayerMarkerCondition, 0x27C);
VANTORO_AT(TeamRecord, PlayerMarkerAge, 0x29C);
VANTORO_AT(TeamRecord, PlayerPaid, 0x2BC);
VANTORO_AT(TeamRecord, PlayerTrained, 0x2DC);
VANTORO_AT(TeamRecord, PlayerSpeed, 0x2FC);
VANTORO_AT(TeamRecord, PlayerAgility, 0x31C);
VANTORO_AT(TeamRecord, PlayerStamina, 0x33C);
VANTORO_AT(TeamRecord, PlayerAccuracy, 0x35C);
VANTORO_AT(TeamRecord, PlayerMorale, 0x37C);
VANTORO_AT(TeamRecord, PlayerTagsFor, 0x39C);
VANTORO_AT(TeamRecord, PlayerTagsAgainst, 0x3BC);
VANTORO_AT(TeamRecord, PlayerFlagsPulled, 0x3DC);
VANTORO_AT(TeamRecord, PlayerPopularity, 0x3FC);
VANTORO_AT(TeamRecord, PlayerOccupation, 0x41C);
VANTORO_AT(TeamRecord, SharesHeld, 0x5B4);
VANTORO_AT(TeamRecord, PlayerGender, 0x5DC);
VANTORO_AT(TeamRecord, PlayerPortrait, 0x5FC);
VANTORO_AT(TeamRecord, PlayerFigure, 0x61C);
VANTORO_AT(TeamRecord, SharePrice, 0x63C);
VANTORO_AT(TeamRecord, SharePriceHistory, 0x664);
VANTORO_AT(TeamRecord, TeamFinePaid, 0x2BE4);
VANTORO_AT(TeamRecord, GamesPlayed, 0x2BE8);
VANTORO_AT(TeamRecord, HistoryRow, 0x2BEC);
VANTORO_AT(TeamRecord, GamesWon, 0x2BF0);
VANTORO_AT(TeamRecord, GamesLost, 0x2BF4);
VANTORO_AT(TeamRecord, GamesDrawn, 0x2BF8);
VANTORO_AT(TeamRecord, GameType, 0x2BFC);
VANTORO_AT(TeamRecord, BankBalance, 0x2C00);
VANTORO_AT(TeamRecord, RivalTeamA, 0x2C04);
VANTORO_AT(TeamRecord, RivalTeamB, 0x2C08);
VANTORO_AT(TeamRecord, RivalTeamC, 0x2C0C);
VANTORO_AT(TeamRecord, PlayerMarkerCustom, 0x2C10);
VANTORO_AT(TeamRecord, Sponsorship, 0x2C30);
VANTORO_AT(TeamRecord, FieldType, 0x2C34);
VANTORO_AT(TeamRecord, NextOpponent, 0x2C38);

VANTORO_AT(OppositionTeam, Name, 0x000);
VANTORO_AT(OppositionTeam, ManagerName, 0x033);
VANTORO_AT(OppositionTeam, Gap066, 0x066);
VANTORO_AT(OppositionTeam, LeagueScore, 0x068);
VANTORO_AT(OppositionTeam, PlayerName, 0x06C);
VANTORO_AT(OppositionTeam, Gap1D1, 0x1D1);
VANTORO_AT(OppositionTeam, PlayerMarkerType, 0x1D4);
VANTORO_AT(OppositionTeam, PlayerSpeed, 0x1F0);
VANTORO_AT(OppositionTeam, PlayerAgility, 0x20C);
VANTORO_AT(OppositionTeam, PlayerStamina, 0x228);
VANTORO_AT(OppositionTeam, PlayerAccuracy, 0x244);
VANTORO_AT(OppositionTeam, PlayerTagsFor, 0x260);
VANTORO_AT(OppositionTeam, PlayerTagsAgainst, 0x27C);
VANTORO_AT(OppositionTeam, ReservedTally, 0x298);
VANTORO_AT(OppositionTeam, Reserved2B4, 0x2B4);
#undef VANTORO_AT

// The byte images of the save files. Write produces exactly the record's
// size; Read takes exactly that many bytes and checks no values.
void WriteImage(const TeamRecord& record, std::span<std::byte, kTeamRecordSize> image);
void ReadImage(std::span<const std::byte, kTeamRecordSize> image, TeamRecord& record);
void WriteImage(const LeagueRecord& record, std::span<std::byte, kLeagueRecordSize> image);
void ReadImage(std::span<const std::byte, kLeagueRecordSize> image, LeagueRecord& record);

}  // namespace vantoro
