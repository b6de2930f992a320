#include "state/state_json.hpp"

#include <gtest/gtest.h>

#include <memory>

#include "state/field_access.hpp"
#include "state/slot_fixtures.hpp"

namespace vantoro {
namespace {

// The dump walks the field table by flat element number, access by name
// parses indices: on random bytes (length bytes above 50 included) both
// must agree on every element of every field.
void ExpectDumpMatchesNames(const nlohmann::ordered_json& dump, std::span<const FieldInfo> fields,
                            const FieldStores& stores, const std::string& prefix) {
  ASSERT_EQ(dump.size(), fields.size());
  for (const FieldInfo& f : fields) {
    for (int e = 0; e < f.Elements(); ++e) {
      const int row = f.Columns > 0 ? e / f.Columns : e, column = f.Columns > 0 ? e % f.Columns : 0;
      std::string name = prefix + std::string(f.Name);
      const nlohmann::ordered_json* element = &dump.at(std::string(f.Name));
      if (f.Count > 0) name += "[" + std::to_string(row + 1) + "]", element = &element->at(row);
      if (f.Columns > 0) name += "[" + std::to_string(column + 1) + "]", element = &element->at(column);
      std::string error;
      const auto ref = ResolveField(stores, name, error);
      ASSERT_TRUE(ref) << error;
      ASSERT_EQ(nlohmann::json(*element), ref->Get()) << name;
    }
  }
}

TEST(StateJsonTest, EveryElementAgreesWithAccessByName) {
  const Records records = Records::Random(3);
  const FieldStores stores{records.Team.get(), records.League.get(), nullptr};
  ExpectDumpMatchesNames(TeamToJson(*records.Team), TeamFields(), stores, "Team.");
  const nlohmann::ordered_json league = LeagueToJson(*records.League);
  ASSERT_EQ(league.size(), 9U);
  for (int t = 1; t <= 9; ++t) {
    ExpectDumpMatchesNames(league[t - 1], OppositionFields(), stores, "League[" + std::to_string(t) + "].");
  }
}

TEST(StateJsonTest, ArraysStartAtIndexOneAndTextsBecomeUtf8) {
  auto team = std::make_unique<TeamRecord>();
  team->PlayerMorale[1] = 11;
  team->PlayerMorale[8] = 88;
  team->SharePriceHistory[240][10] = -7;
  team->PlayerName[2].Length = 255;  // as a damaged save may hold
  std::memset(team->PlayerName[2].Chars, 0x80, Text50::kCapacity);
  const nlohmann::ordered_json json = TeamToJson(*team);
  EXPECT_EQ(json["PlayerMorale"], nlohmann::ordered_json({11, 0, 0, 0, 0, 0, 0, 88}));
  ASSERT_EQ(json["SharePriceHistory"].size(), 240U);
  EXPECT_EQ(json["SharePriceHistory"][239], nlohmann::ordered_json({0, 0, 0, 0, 0, 0, 0, 0, 0, -7}));
  std::string euros;
  for (int i = 0; i < 50; ++i) euros += "€";
  EXPECT_EQ(json["PlayerName"][1], euros);

  auto runtime = std::make_unique<RuntimeState>();
  runtime->Weather = 3;
  runtime->CommentaryLines[6] = "\x80 up";
  const nlohmann::ordered_json r = RuntimeToJson(*runtime);
  EXPECT_EQ(r["Weather"], 3);
  EXPECT_EQ(r["CommentaryLines"], nlohmann::ordered_json({"", "", "", "", "", "€ up"}));
  EXPECT_EQ(r["MatchLog"].size(), 600U);
}

}  // namespace
}  // namespace vantoro
