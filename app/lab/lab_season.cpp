// Whole leagues played by a scripted manager through the game's own rules:
// the hub's actions, the tournament, the month's end and its breakup test.

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <sstream>

#include "app/lab/lab.hpp"
#include "sim/calendar.hpp"
#include "sim/finance_actions.hpp"
#include "sim/month.hpp"
#include "sim/pregame_actions.hpp"
#include "sim/result.hpp"
#include "sim/store_actions.hpp"
#include "sim/team_actions.hpp"
#include "sim/turn_actions.hpp"
#include "state/derived.hpp"

namespace vantoro::lab {
namespace {

bool ParseNumber(std::string_view text, int low, int high, int& out) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) return false;
  out = value;
  return true;
}

// The manager's round of the hub at the start of a month: fundraising,
// paint, wages (morale keeps the team together), then the markers, always
// keeping back the fare to the month's tournament.
void Manage(GameState& g, const Policy& policy) {
  TeamRecord& team = g.Team;
  RuntimeState& r = g.Runtime;
  if (policy.Fundraise) {
    if (CanSeekSponsors(g)) {
      SeekSponsors(g);
    } else {
      SeekDonations(g);
    }
  }
  // The fare to this month's tournament is kept back first: a missed
  // tournament costs every player's morale.
  const Int fare =
      policy.Travel ? TravelFare(g, policy.HireOnly || Overloaded(team) ? Transport::Hired : Transport::Car)
                    : 0;
  const auto affordable = [&](Int price) { return price >= 0 && team.Cash - price >= fare + policy.Keep; };
  // Without paint the team cannot shoot, and a box costs less than a wage.
  if (policy.PaintBelow > 0) {
    while (team.Paintballs < policy.PaintBelow && CanBuyPaint(g) && affordable(PaintBoxPrice(g))) BuyPaint(g);
  }
  if (policy.Pay) {
    for (int p = 1; p <= kSquadSize; ++p) {
      r.SelectedPlayer = p;
      if (team.Cash - 100 >= fare) Pay(g);
    }
  }
  if (policy.Rearm) {
    r.CatalogItem = 1;  // the cheapest marker
    for (int p = 1; p <= kSquadSize; ++p) {
      r.SelectedPlayer = p;
      if (CanBuyCatalogItem(g) && affordable(CatalogPrice(r.CatalogItem))) BuyCatalogItem(g);
    }
  }
  if (policy.Repair) {
    for (int p = 1; p <= kSquadSize; ++p) {
      r.SelectedPlayer = p;
      if (CanRepair(g) && affordable(RepairPrice(g))) Repair(g);
    }
  }
  r.SelectedPlayer = 1;
}

// The month's tournament, when the manager goes: the line-up, the game, the
// score sheet and the verdict, and OK twice. Nothing when the team cannot go.
bool Tournament(GameState& g, const Policy& policy, LeagueOutcome& out) {
  if (!policy.Travel || TournamentIn(g.Team.Month) == nullptr) return false;
  Transport transport = Transport::Hired;
  if (!policy.HireOnly && CanTravel(g, Transport::Car)) transport = Transport::Car;
  if (!Travel(g, transport)) return false;
  RuntimeState& r = g.Runtime;
  const int choices = r.Weather == kWeatherRaining ? 2 : 3;
  for (std::size_t i = 0; i < kRoles.size(); ++i) OwnTactic(r, kRoles[i]) = std::min(policy.Own[i], choices);
  PlayMatch(g);
  ConfirmResult(g);
  ConfirmResult(g);
  if (r.MatchOutcome == 1) ++out.Won;
  if (r.MatchOutcome == 2) ++out.Lost;
  if (r.MatchOutcome == 3) ++out.Drawn;
  return true;
}

std::string Percentile(std::vector<std::int32_t>& values, double q) {
  if (values.empty()) return "-";
  const std::size_t k = static_cast<std::size_t>(q * static_cast<double>(values.size() - 1) + 0.5);
  std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(k), values.end());
  return std::to_string(values[k]);
}

}  // namespace

bool ParsePolicy(std::string_view text, Policy& out, std::string& error) {
  Policy policy;
  // Every switch starts off: the text says what the manager does.
  policy.Pay = policy.Repair = policy.Rearm = policy.Travel = policy.Fundraise = false;
  policy.PaintBelow = 0;
  while (!text.empty()) {
    const std::size_t comma = text.find(',');
    std::string_view item = text.substr(0, comma);
    text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    const std::size_t equals = item.find('=');
    const std::string_view key = item.substr(0, equals);
    const std::string_view value =
        equals == std::string_view::npos ? std::string_view() : item.substr(equals + 1);
    const bool hasValue = equals != std::string_view::npos;
    bool ok = true;
    if (key == "pay" && !hasValue) {
      policy.Pay = true;
    } else if (key == "repair" && !hasValue) {
      policy.Repair = true;
    } else if (key == "fundraise" && !hasValue) {
      policy.Fundraise = true;
    } else if (key == "rearm" && !hasValue) {
      policy.Rearm = true;
    } else if (key == "travel" && !hasValue) {
      policy.Travel = true;
    } else if (key == "hire" && !hasValue) {
      policy.Travel = policy.HireOnly = true;
    } else if (key == "paint") {
      ok = ParseNumber(value, 1, 1'000'000, policy.PaintBelow);
    } else if (key == "keep") {
      ok = ParseNumber(value, 0, 1'000'000'000, policy.Keep);
    } else if (key == "read") {
      ok = ParseNumber(value, 2, 100'000, policy.ReadingTicks);
    } else if (key == "tactics") {
      std::string commas(value);
      std::replace(commas.begin(), commas.end(), '.', ',');
      ok = ParseTactics(commas, policy.Own);
    } else {
      error = "unknown policy item '" + std::string(item) + "'";
      return false;
    }
    if (!ok) {
      error = "bad value in policy item '" + std::string(item) + "'";
      return false;
    }
  }
  out = policy;
  return true;
}

std::string PolicyText(const Policy& policy) {
  std::string text;
  const auto add = [&text](const std::string& item) { text += (text.empty() ? "" : ",") + item; };
  if (policy.Fundraise) add("fundraise");
  if (policy.Pay) add("pay");
  if (policy.Repair) add("repair");
  if (policy.PaintBelow > 0) add("paint=" + std::to_string(policy.PaintBelow));
  if (policy.Rearm) add("rearm");
  if (policy.Travel) add(policy.HireOnly ? "hire" : "travel");
  add("tactics=" + std::to_string(policy.Own[0]) + "." + std::to_string(policy.Own[1]) + "." +
      std::to_string(policy.Own[2]) + "." + std::to_string(policy.Own[3]));
  add("read=" + std::to_string(policy.ReadingTicks));
  if (policy.Keep > 0) add("keep=" + std::to_string(policy.Keep));
  return text;
}

LeagueOutcome PlayLeague(std::uint32_t seed, int years, const Policy& policy) {
  GameState g = NewGame(seed);
  g.Team.GameLengthYears = std::clamp(years, 1, 10);
  RuntimeState& r = g.Runtime;
  LeagueOutcome out;
  out.Cash.reserve(static_cast<std::size_t>(12 * g.Team.GameLengthYears.v));
  // The calendar ends every league; the bound only guards the loop.
  for (int month = 0; month < 12 * 11; ++month) {
    // The hub: every frame notes whether this is a tournament month,
    // clears the last verdict and rolls the weather; its last roll before
    // TURN END is the tournament's.
    r.TournamentMonth = g.Team.Month % 2 == 0 ? 1 : 0;
    r.MatchOutcome = 0;
    Manage(g, policy);
    r.Weather = g.Random(3) + 1;
    for (const Role role : kRoles) OwnTactic(r, role) = 1;
    if (!Tournament(g, policy, out)) {
      if (TournamentIn(g.Team.Month) != nullptr) ++out.Missed;
      EndTurn(g);
    }
    // The month's list: processed on its first frame, and every frame the
    // breakup test, until NEXT TURN or the league's end.
    for (int frame = 0; frame < policy.ReadingTicks; ++frame) {
      if (LeagueOver(g)) {
        out.FinalRank = RankOfTeam(g.Team, g.League).Rank.v;
        return out;
      }
      if (r.MonthProcessed == 0) {
        r.MonthProcessed = 1;
        ProcessMonth(g);
        ++out.Months;
        out.Cash.push_back(g.Team.Cash.v);
      }
      if (BreakupRoll(g)) {
        out.BrokeUp = true;
        return out;
      }
    }
    StartNextMonth(g);
  }
  return out;
}

std::vector<LeagueOutcome> PlaySeasons(const SeasonRun& run, const Progress& progress) {
  std::vector<LeagueOutcome> outcomes(static_cast<std::size_t>(std::max(run.Leagues, 0)));
  ForEachIndex(
      outcomes.size(), run.Threads,
      [&](std::uint64_t i) { outcomes[i] = PlayLeague(GameSeed(run.Seed, i), run.Years, run.Manager); },
      progress);
  return outcomes;
}

std::string SeasonReport(const SeasonRun& run, const std::vector<LeagueOutcome>& outcomes) {
  std::ostringstream out;
  const std::size_t n = outcomes.size();
  const int months = 12 * std::clamp(run.Years, 1, 10);
  out << n << " leagues of " << run.Years << (run.Years == 1 ? " year" : " years") << " from new games (seed "
      << run.Seed << "), the manager's policy: " << PolicyText(run.Manager) << ".\n";
  if (n == 0) return out.str();
  std::vector<int> ranks(11, 0), breakupYear(11, 0);
  std::size_t completed = 0;
  double won = 0, drawn = 0, lost = 0, missed = 0;
  for (const LeagueOutcome& o : outcomes) {
    if (o.BrokeUp) {
      ++breakupYear[static_cast<std::size_t>(std::clamp((o.Months - 1) / 12 + 1, 1, 10))];
    } else {
      ++completed;
      ++ranks[static_cast<std::size_t>(std::clamp(o.FinalRank, 1, 10))];
    }
    won += o.Won;
    drawn += o.Drawn;
    lost += o.Lost;
    missed += o.Missed;
  }
  const auto share = [n](std::size_t k) {
    char text[16];
    std::snprintf(text, sizeof text, "%5.1f %%", 100.0 * static_cast<double>(k) / static_cast<double>(n));
    return std::string(text);
  };
  out << "\nCompleted the league: " << completed << " (" << share(completed) << ")\n"
      << "Broke up:             " << n - completed << " (" << share(n - completed) << ")\n";
  if (completed < n) {
    out << "\nBreakups by year of the league:\n";
    for (int y = 1; y <= run.Years; ++y)
      out << "  year " << y << ": " << breakupYear[static_cast<std::size_t>(y)] << '\n';
    std::vector<std::int32_t> monthsToBreakup;
    for (const LeagueOutcome& o : outcomes)
      if (o.BrokeUp) monthsToBreakup.push_back(o.Months);
    out << "  months played before the breakup: median " << Percentile(monthsToBreakup, 0.5)
        << ", 10th percentile " << Percentile(monthsToBreakup, 0.1) << ", 90th percentile "
        << Percentile(monthsToBreakup, 0.9) << '\n';
  }
  if (completed > 0) {
    out << "\nFinal rank of the completed leagues:\n";
    for (int k = 1; k <= 10; ++k) {
      out << "  " << k << RankSuffix(k) << ": " << ranks[static_cast<std::size_t>(k)] << " ("
          << share(static_cast<std::size_t>(ranks[static_cast<std::size_t>(k)])) << ")\n";
    }
  }
  char games[160];
  const double dn = static_cast<double>(n);
  std::snprintf(games, sizeof games,
                "\nTournament games per league: %.1f won, %.1f drawn, %.1f lost, %.1f tournaments missed.\n",
                won / dn, drawn / dn, lost / dn, missed / dn);
  out << games;
  out << "\nCash after each month's processing, over the leagues still together:\n"
      << "  month  leagues  10th pct   median  90th pct\n";
  for (int m = 1; m <= months; ++m) {
    std::vector<std::int32_t> cash;
    for (const LeagueOutcome& o : outcomes)
      if (static_cast<int>(o.Cash.size()) >= m) cash.push_back(o.Cash[static_cast<std::size_t>(m - 1)]);
    if (cash.empty()) break;
    if (months > 24 && m % 3 != 0 && m != 1) continue;
    char line[120];
    std::snprintf(line, sizeof line, "  %5d  %7zu  %8s  %7s  %8s\n", m, cash.size(),
                  Percentile(cash, 0.1).c_str(), Percentile(cash, 0.5).c_str(),
                  Percentile(cash, 0.9).c_str());
    out << line;
  }
  return out.str();
}

}  // namespace vantoro::lab
