#include "state/field_access.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>

#include "state/slot_fixtures.hpp"

namespace vantoro {
namespace {

TEST(FieldAccessTest, SetReachesTheNamedElementAndReadsBack) {
  const std::string sixty(60, 'x');
  const struct {
    std::string name, value, readBack;
    std::function<bool(const GameState&)> landed;
  } cases[] = {
      {"Cash", "5000", "5000", [](auto& g) { return g.Team.Cash == 5000; }},
      {"Team.PlayerMarkerCustom[8]", "-2147483648", "-2147483648",
       [](auto& g) { return g.Team.PlayerMarkerCustom[8] == kIntMin; }},
      {"SharePriceHistory[2][5]", "77", "77", [](auto& g) { return g.Team.SharePriceHistory[2][5] == 77; }},
      {"PlayerName[8]", "Zoë", "Zoë", [](auto& g) { return g.Team.PlayerName[8].Str() == "Zo\xEB"; }},
      {"TeamName", sixty, sixty.substr(0, 50), [](auto& g) { return g.Team.TeamName.Length == 50; }},
      {"League[9].PlayerSpeed[7]", "-1", "-1", [](auto& g) { return g.League[9].PlayerSpeed[7] == -1; }},
      {"Runtime.CommentaryLines[6]", "€uro", "€uro",
       [](auto& g) { return g.Runtime.CommentaryLines[6] == "\x80uro"; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto game = std::make_unique<GameState>();
    std::string error;
    ASSERT_TRUE(SetField(*game, c.name, c.value, error)) << error;
    EXPECT_TRUE(c.landed(*game));
    nlohmann::json value;
    ASSERT_TRUE(GetField(*game, c.name, value, error));
    EXPECT_EQ(value.is_string() ? value.get<std::string>() : value.dump(), c.readBack);
    EXPECT_EQ(ResolveField(StoresOf(*game), c.name, error)->GetString(), c.readBack);
  }
}

TEST(FieldAccessTest, RefusesBadNamesAndValuesWithoutChangingAnything) {
  const std::pair<std::string, std::string> cases[] = {
      {"Cahs=1", "unknown field 'Cahs'"},
      {"PlayerMorale[9]=1", "PlayerMorale index 9 is out of range 1..8"},
      {"PlayerMorale[99999999999999999999]=1",
       "PlayerMorale index 99999999999999999999 is out of range 1..8"},
      {"League[2].PlayerSpeed[8]=1", "League[2].PlayerSpeed index 8 is out of range 1..7"},
      {"SharePriceHistory[2][11]=1", "SharePriceHistory second index 11 is out of range 1..10"},
      {"Runtime.CommentaryLines[7]=x", "Runtime.CommentaryLines index 7 is out of range 1..6"},
      {"Cash[1]=1", "Cash takes no index"},
      {"PlayerMorale=1", "PlayerMorale takes one index, 1..8, as in PlayerMorale[1]"},
      {"SharePriceHistory[3]=1",
       "SharePriceHistory takes two indices, 1..240 and 1..10, as in SharePriceHistory[1][1]"},
      {"League.Name=x", "'League.Name' needs a team number: League[t].Field with t in 1..9"},
      {"League[2]=x", "'League[2]' needs a field, as in League[2].Name"},
      {"PlayerMorale[x]=1",
       "'PlayerMorale[x]' is not a field name; names look like Cash, PlayerMorale[3] or League[2].Name"},
      {"Cash=abc", "'abc' is not a whole number"},
      {"Cash=2147483648", "'2147483648' is out of range for a whole number (-2147483648..2147483647)"},
      {"TeamName=日本", "'日本' cannot be stored: only the characters of Windows-1252 are allowed"},
  };
  const Records records = Records::Random(5);
  auto game = std::make_unique<GameState>();
  std::memcpy(&game->Team, records.Team.get(), sizeof game->Team);
  std::memcpy(&game->League, records.League.get(), sizeof game->League);
  for (const auto& [assignment, expected] : cases) {
    SCOPED_TRACE(assignment);
    const std::size_t equals = assignment.find('=');
    std::string error;
    EXPECT_FALSE(SetField(*game, assignment.substr(0, equals), assignment.substr(equals + 1), error));
    EXPECT_EQ(error, expected);
    EXPECT_EQ(std::memcmp(&game->Team, records.Team.get(), sizeof game->Team), 0);
    EXPECT_EQ(std::memcmp(&game->League, records.League.get(), sizeof game->League), 0);
  }
  std::string error;  // the save inspector's stores have no runtime
  EXPECT_FALSE(ResolveField({&game->Team, &game->League, nullptr}, "Runtime.Weather", error));
  EXPECT_EQ(error, "'Runtime.Weather' is a runtime variable, which the save files do not hold");
}

}  // namespace
}  // namespace vantoro
