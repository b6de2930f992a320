#include "state/field_table.hpp"

#include <array>

#include "state/records.hpp"

namespace vantoro {
namespace {

// Type and dimensions follow from the member's declared type, so the table
// cannot disagree with the struct about them.
template <class T>
struct Shape;
template <>
struct Shape<Int> {
  static constexpr FieldType kType = FieldType::Int32;
  static constexpr int kCount = 0, kColumns = 0;
};
template <>
struct Shape<Text50> {
  static constexpr FieldType kType = FieldType::Text50;
  static constexpr int kCount = 0, kColumns = 0;
};
template <class T, int N>
struct Shape<Array1<T, N>> {
  static constexpr FieldType kType = Shape<T>::kType;
  static constexpr int kCount = N, kColumns = Shape<T>::kCount;
};

#define VANTORO_FIELD(record, name)                                                          \
  FieldInfo {                                                                                \
#name, offsetof(record, name), Shape < decltype(record::name)> ::kType,                  \
        Shape < decltype(record::name)> ::kCount, Shape < decltype(record::name)> ::kColumns \
  }

#define T(name) VANTORO_FIELD(TeamRecord, name)
constexpr std::array kTeamFields = {
    T(TeamName),
    T(ManagerName),
    T(GameLengthYears),
    T(Cash),
    T(LeagueScore),
    T(Year),
    T(Month),
    T(Vehicle),
    T(Trophies),
    T(Paintballs),
    T(LockStrength),
    T(SecurityLevel),
    T(Television),
    T(PBCooler),
    T(SnackMachine),
    T(PoolTable),
    T(BeerFridge),
    T(GarageLevel),
    T(PlayerName),
    T(PlayerMarkerType),
    T(PlayerMarkerCondition),
    T(PlayerMarkerAge),
    T(PlayerPaid),
    T(PlayerTrained),
    T(PlayerSpeed),
    T(PlayerAgility),
    T(PlayerStamina),
    T(PlayerAccuracy),
    T(PlayerMorale),
    T(PlayerTagsFor),
    T(PlayerTagsAgainst),
    T(PlayerFlagsPulled),
    T(PlayerPopularity),
    T(PlayerOccupation),
    T(SharesHeld),
    T(PlayerGender),
    T(PlayerPortrait),
    T(PlayerFigure),
    T(SharePrice),
    T(SharePriceHistory),
    T(TeamFinePaid),
    T(GamesPlayed),
    T(HistoryRow),
    T(GamesWon),
    T(GamesLost),
    T(GamesDrawn),
    T(GameType),
    T(BankBalance),
    T(RivalTeamA),
    T(RivalTeamB),
    T(RivalTeamC),
    T(PlayerMarkerCustom),
    T(Sponsorship),
    T(FieldType),
    T(NextOpponent),
};
#undef T

#define O(name) VANTORO_FIELD(OppositionTeam, name)
constexpr std::array kOppositionFields = {
    O(Name),          O(ManagerName),       O(LeagueScore),
    O(PlayerName),    O(PlayerMarkerType),  O(PlayerSpeed),
    O(PlayerAgility), O(PlayerStamina),     O(PlayerAccuracy),
    O(PlayerTagsFor), O(PlayerTagsAgainst),
};
#undef O
#undef VANTORO_FIELD

// Written out by offset rather than derived, so that a test can prove the
// fields and these holes cover each record exactly once.
constexpr std::array kTeamHoles = {
    LayoutHole{0x066, 2, false},
    LayoutHole{0x090, 4, true},
    LayoutHole{0x0B8, 8, true},
    LayoutHole{0x0C0, 4, true},
};

constexpr std::array kOppositionHoles = {
    LayoutHole{0x066, 2, false},
    LayoutHole{0x1D1, 3, false},
    LayoutHole{0x298, 28, true},
    LayoutHole{0x2B4, 16, true},
};

}  // namespace

std::span<const FieldInfo> TeamFields() { return kTeamFields; }
std::span<const FieldInfo> OppositionFields() { return kOppositionFields; }
std::span<const LayoutHole> TeamHoles() { return kTeamHoles; }
std::span<const LayoutHole> OppositionHoles() { return kOppositionHoles; }

const FieldInfo* FindField(std::span<const FieldInfo> fields, std::string_view name) {
  for (const FieldInfo& field : fields) {
    if (field.Name == name) return &field;
  }
  return nullptr;
}

}  // namespace vantoro
