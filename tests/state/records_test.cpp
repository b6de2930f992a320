#include "state/records.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <random>
#include <vector>

#include "state/derived.hpp"
#include "state/field_table.hpp"
#include "state/random.hpp"

namespace vantoro {
namespace {

template <std::size_t N>
std::array<std::byte, N> RandomBytes(unsigned seed) {
  std::mt19937 gen(seed);
  std::array<std::byte, N> bytes{};
  for (auto& b : bytes) b = static_cast<std::byte>(gen() & 0xFF);
  return bytes;
}

TEST(RecordImageTest, RandomBytesRoundTripExactly) {
  for (unsigned seed = 1; seed <= 20; ++seed) {
    const auto teamIn = RandomBytes<kTeamRecordSize>(seed);
    TeamRecord team{};
    ReadImage(teamIn, team);
    std::array<std::byte, kTeamRecordSize> teamOut{};
    WriteImage(team, teamOut);
    EXPECT_EQ(teamIn, teamOut);

    const auto leagueIn = RandomBytes<kLeagueRecordSize>(seed + 100);
    LeagueRecord league{};
    ReadImage(leagueIn, league);
    std::array<std::byte, kLeagueRecordSize> leagueOut{};
    WriteImage(league, leagueOut);
    EXPECT_EQ(leagueIn, leagueOut);
  }
}

TEST(RecordImageTest, FieldsLandAtTheirFileOffsets) {
  TeamRecord team{};
  team.Cash = 0x01020304;
  team.SharePriceHistory[2][3] = -2;
  team.NextOpponent = 9;
  team.PlayerName[8] = "Zoe Gale";
  std::array<std::byte, kTeamRecordSize> image{};
  WriteImage(team, image);
  const auto at = [&](std::size_t offset) { return std::to_integer<int>(image[offset]); };
  EXPECT_EQ(at(0x06C), 4);  // little-endian
  EXPECT_EQ(at(0x06F), 1);
  // Row t lies at 0x63C + 40 t; column c adds 4 (c - 1).
  EXPECT_EQ(at(0x63C + 40 * 2 + 8), 0xFE);
  EXPECT_EQ(at(0x2C38), 9);
  EXPECT_EQ(at(0x0C4 + 7 * 51), 8);
  EXPECT_EQ(at(0x0C4 + 7 * 51 + 1), 'Z');

  LeagueRecord league{};
  league[9].PlayerTagsAgainst[7] = 7;
  std::array<std::byte, kLeagueRecordSize> leagueImage{};
  WriteImage(league, leagueImage);
  EXPECT_EQ(std::to_integer<int>(leagueImage[8 * 708 + 0x27C + 6 * 4]), 7);
}

// The field table and the holes must tile each record exactly once, so that
// every byte is either a named field or a known gap or reserved word.
void ExpectTiled(std::span<const FieldInfo> fields, std::span<const LayoutHole> holes, std::size_t size) {
  std::vector<int> owners(size, 0);
  std::vector<std::string_view> names;
  for (const auto& f : fields) {
    ASSERT_LE(f.Offset + f.Size(), size) << f.Name;
    for (std::size_t i = f.Offset; i < f.Offset + f.Size(); ++i) ++owners[i];
    for (auto n : names) EXPECT_NE(n, f.Name);
    names.push_back(f.Name);
    if (f.Type == FieldType::Int32) {
      EXPECT_EQ(f.Offset % 4, 0U) << f.Name;
    }
  }
  for (const auto& h : holes) {
    for (std::size_t i = h.Offset; i < h.Offset + h.Size; ++i) ++owners[i];
  }
  for (std::size_t i = 0; i < size; ++i) ASSERT_EQ(owners[i], 1) << "byte 0x" << std::hex << i;
}

TEST(FieldTableTest, FieldsAndHolesCoverEachRecordOnce) {
  ExpectTiled(TeamFields(), TeamHoles(), kTeamRecordSize);
  ExpectTiled(OppositionFields(), OppositionHoles(), kOppositionTeamSize);
}

TEST(FieldTableTest, ShapesFollowTheStructs) {
  struct Expected {
    std::string_view name;
    std::size_t offset;
    FieldType type;
    int count, columns;
  };
  const Expected team[] = {
      {"TeamName", 0x000, FieldType::Text50, 0, 0},
      {"Trophies", 0x080, FieldType::Int32, 4, 0},
      {"PlayerOccupation", 0x41C, FieldType::Text50, 8, 0},
      {"SharesHeld", 0x5B4, FieldType::Int32, 10, 0},
      {"SharePriceHistory", 0x664, FieldType::Int32, 240, 10},
      {"NextOpponent", 0x2C38, FieldType::Int32, 0, 0},
  };
  for (const auto& e : team) {
    const FieldInfo* f = FindField(TeamFields(), e.name);
    ASSERT_NE(f, nullptr) << e.name;
    EXPECT_EQ(f->Offset, e.offset) << e.name;
    EXPECT_EQ(f->Type, e.type) << e.name;
    EXPECT_EQ(f->Count, e.count) << e.name;
    EXPECT_EQ(f->Columns, e.columns) << e.name;
  }
  const FieldInfo* names = FindField(OppositionFields(), "PlayerName");
  ASSERT_NE(names, nullptr);
  EXPECT_EQ(names->Count, 7);
  EXPECT_EQ(FindField(TeamFields(), "Reserved090"), nullptr);
}

TEST(Text50Test, AssignmentTruncatesAndReadingClamps) {
  Text50 t{};
  t = std::string(60, 'x') + "tail";
  EXPECT_EQ(t.Length, 50);
  EXPECT_EQ(t.Str(), std::string(50, 'x'));

  // A shorter text leaves the bytes past its length as they stood.
  t = "abc";
  EXPECT_EQ(t.Str(), "abc");
  EXPECT_EQ(t.Chars[3], 'x');

  t.Length = 255;  // as a damaged save might hold it
  EXPECT_EQ(t.Size(), 50);
  EXPECT_EQ(t.Str().size(), 50U);
  EXPECT_EQ(t.Length, 255);  // reading never rewrites it
}

TEST(RandomTest, SequenceFromSeedZero) {
  RandomGenerator rng;
  // seed 1, then 134775814, ...: results are (n * seed) >> 32.
  EXPECT_EQ(rng.Random(100), Int(0));
  EXPECT_EQ(rng.Seed, 1U);
  EXPECT_EQ(rng.Random(100), Int(static_cast<std::int32_t>((100ULL * 134775814ULL) >> 32)));
  std::uint32_t seed = rng.Seed;
  for (int n : {0, -5, INT32_MIN}) {
    EXPECT_EQ(rng.Random(n), Int(0));
    seed = seed * 134775813U + 1U;
    EXPECT_EQ(rng.Seed, seed) << "a draw of " << n << " still advances the seed";
  }
  RandomGenerator a, b;
  for (int i = 0; i < 1000; ++i) {
    const Int n = Int(i % 97 + 1);
    const Int x = a.Random(n);
    ASSERT_EQ(x, b.Random(n));
    ASSERT_TRUE(InRange(x, 0, n - 1));
  }
  RandomGenerator big;
  big.Seed = 0xFFFFFFFEU;
  EXPECT_TRUE(InRange(big.Random(kIntMax), 0, kIntMax - 1));
}

TEST(DerivedTest, IndexMoraleAndRank) {
  TeamRecord team{};
  LeagueRecord league{};
  for (int p = 1; p <= 8; ++p) {
    team.PlayerSpeed[p] = p;
    team.PlayerAgility[p] = 10;
    team.PlayerStamina[p] = 10;
    team.PlayerAccuracy[p] = 10;
    team.PlayerMorale[p] = p == 8 ? 1000 : 50 + p;  // slot 8 never counts
  }
  EXPECT_EQ(PlayerIndex(team, 3), Int(33));
  EXPECT_EQ(PlayerIndex(team, 0), Int(0));
  EXPECT_EQ(PlayerIndex(team, kIntMax), Int(0));
  EXPECT_EQ(AverageIndex(team), Int((31 + 32 + 33 + 34 + 35 + 36 + 37) / 7));
  EXPECT_EQ(TeamMorale(team), Int((51 + 52 + 53 + 54 + 55 + 56 + 57) / 7));
  team.PlayerMorale[1] = kIntMax;  // wraps, never undefined
  (void)TeamMorale(team);

  struct RankCase {
    std::vector<int> others;
    int own, rank;
    const char* mark;
  };
  const RankCase cases[] = {
      {{0, 0, 0, 0, 0, 0, 0, 0, 0}, 0, 1, " equal."}, {{1, 2, 3, 4, 5, 6, 7, 8, 9}, 10, 1, ""},
      {{1, 2, 3, 4, 5, 6, 7, 8, 9}, 5, 5, " equal."}, {{9, 9, 9, 1, 1, 1, 1, 1, 1}, 2, 4, ""},
      {{9, 9, 9, 9, 9, 9, 9, 9, 9}, -3, 10, ""},
  };
  for (const auto& c : cases) {
    for (int t = 1; t <= 9; ++t) league[t].LeagueScore = c.others[static_cast<std::size_t>(t - 1)];
    team.LeagueScore = c.own;
    const TeamRank rank = RankOfTeam(team, league);
    EXPECT_EQ(rank.Rank, Int(c.rank)) << c.own;
    EXPECT_EQ(RankTieMark(rank), c.mark) << c.own;
  }
  const std::pair<int, const char*> suffixes[] = {{1, "st"}, {2, "nd"},  {3, "rd"},
                                                  {4, "th"}, {10, "th"}, {0, "th"}};
  for (auto [r, suffix] : suffixes) EXPECT_EQ(RankSuffix(r), suffix) << r;
}

}  // namespace
}  // namespace vantoro
