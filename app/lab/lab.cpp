#include "app/lab/lab.hpp"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <iomanip>
#include <mutex>
#include <nlohmann/json.hpp>
#include <sstream>
#include <thread>

#include "sim/creation_actions.hpp"
#include "sim/new_game.hpp"
#include "state/save_slot.hpp"
#include "state/state_json.hpp"

namespace vantoro::lab {
namespace {

std::int64_t NowNs() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

std::string Percent(double share) {
  char text[16];
  std::snprintf(text, sizeof text, "%5.1f", share * 100.0);
  return text;
}

std::string WeatherName(int weather) {
  switch (weather) {
    case 1: return "Dry";
    case 2: return "Overcast";
    case 3: return "Raining";
    default: return "Weather " + std::to_string(weather);
  }
}

std::string OpponentName(const GameState& state, int opponent) {
  return LeagueTeam(state.League, opponent == 0 ? state.Team.NextOpponent : Int(opponent)).Name.Str();
}

}  // namespace

bool ParseTactics(std::string_view text, Tactics& out) {
  Tactics t{};
  std::size_t role = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (i % 2 == 1) {
      if (c != ',') return false;
      continue;
    }
    if (c < '1' || c > '3' || role == t.size()) return false;
    t[role++] = c - '0';
  }
  if (role != t.size() || text.size() != 2 * t.size() - 1) return false;
  out = t;
  return true;
}

std::string TacticsLabel(const Tactics& tactics) {
  std::string label;
  for (std::size_t i = 0; i < kRoles.size(); ++i) {
    if (i > 0) label += " / ";
    label += TacticName(kRoles[i], tactics[i]);
  }
  return label;
}

GameState NewGame(std::uint32_t seed) {
  GameState state;
  state.Rng.Seed = seed;
  NewGameSetup(state);
  state.Runtime.CreationCounter = kCreationIntroDone;
  RollSquad(state);
  OpenHub(state);
  return state;
}

bool LoadStart(const std::filesystem::path& dir, GameState& out, std::string& error) {
  GameState state;
  NewGameSetup(state);
  const LoadResult result = LoadGame(dir, state);
  if (!result.Ok()) {
    error = "cannot read the save slot in " + dir.string() + ": " + result.Error;
    return false;
  }
  out = state;
  return true;
}

std::uint32_t GameSeed(std::uint32_t base, std::uint64_t index) {
  // splitmix64 over the pair.
  std::uint64_t z = (static_cast<std::uint64_t>(base) << 32) + index + 0x9E3779B97F4A7C15ull;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return static_cast<std::uint32_t>(z ^ (z >> 31));
}

void PlayOne(GameState& state, const MatchSetup& setup) {
  RuntimeState& r = state.Runtime;
  r.Weather = setup.Weather;
  for (std::size_t i = 0; i < kRoles.size(); ++i) OwnTactic(r, kRoles[i]) = setup.Own[i];
  r.MalfunctionShown = 0;
  r.MatchOpponent = setup.Opponent;
  // The line-up draws nothing before the kickoff, so the seed can be set
  // first.
  state.Rng.Seed = setup.Seed;
  PlayMatch(state, setup.Pace);
}

std::string MatchReport(const GameState& state) {
  const RuntimeState& r = state.Runtime;
  std::ostringstream out;
  out << "Vantoro Team against " << MatchTeam(state).Name.Str() << ", " << WeatherName(r.Weather.v) << ", "
      << TacticsLabel({r.FlankTactic.v, r.SupportTactic.v, r.ForwardTactic.v, r.LeaderTactic.v}) << "\n\n";
  const int lines = std::clamp(r.MatchLogCount.v, 0, 600);
  for (int i = 1; i <= lines; ++i) out << r.MatchLog[i] << '\n';
  const auto row = [&out](const std::string& name, Int tags, Int pull, Int hang, Int penalty, Int total) {
    out << std::left << std::setw(28) << name.substr(0, 27) << std::right << std::setw(6) << tags.v
        << std::setw(6) << pull.v << std::setw(6) << hang.v << std::setw(9) << penalty.v << std::setw(7)
        << total.v << '\n';
  };
  out << '\n'
      << std::left << std::setw(28) << "" << std::right << std::setw(6) << "Tags" << std::setw(6) << "Pull"
      << std::setw(6) << "Hang" << std::setw(9) << "Penalty" << std::setw(7) << "Total" << '\n';
  row(MatchTeam(state).Name.Str(), r.OppTagPoints, r.OppPullPoints, r.OppHangPoints, r.OppPenalty,
      r.OppositionFinalScore);
  row("Vantoro Team", r.OwnTagPoints, r.OwnPullPoints, r.OwnHangPoints, r.OwnPenalty, r.OwnFinalScore);
  const char* verdict = r.MatchOutcome == 1 ? "won" : r.MatchOutcome == 2 ? "lost" : "drawn";
  out << "\nThe game is " << verdict << ".\n";
  return out.str();
}

std::string MatchJson(const GameState& state) {
  nlohmann::ordered_json json;
  nlohmann::ordered_json log = nlohmann::ordered_json::array();
  const int lines = std::clamp(state.Runtime.MatchLogCount.v, 0, 600);
  for (int i = 1; i <= lines; ++i) log.push_back(state.Runtime.MatchLog[i]);
  json["log"] = std::move(log);
  json["seed"] = state.Rng.Seed;
  json["Team"] = TeamToJson(state.Team);
  json["League"] = LeagueToJson(state.League);
  json["Runtime"] = RuntimeToJson(state.Runtime);
  return json.dump(2);
}

void ForEachIndex(std::uint64_t count, unsigned threads, const std::function<void(std::uint64_t)>& work,
                  const Progress& progress) {
  if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
  threads = static_cast<unsigned>(std::min<std::uint64_t>(threads, std::max<std::uint64_t>(count, 1)));
  // Work is handed out in small blocks; whichever thread takes an index
  // plays it the same way.
  constexpr std::uint64_t kBlock = 64;
  std::atomic<std::uint64_t> next{0}, done{0};
  std::mutex reporting;
  const auto run = [&] {
    for (;;) {
      const std::uint64_t first = next.fetch_add(kBlock);
      if (first >= count) return;
      const std::uint64_t last = std::min(count, first + kBlock);
      for (std::uint64_t i = first; i < last; ++i) work(i);
      const std::uint64_t now = done.fetch_add(last - first) + (last - first);
      if (progress) {
        const std::unique_lock lock(reporting, std::try_to_lock);
        if (lock.owns_lock()) progress(now);
      }
    }
  };
  std::vector<std::thread> pool;
  for (unsigned t = 1; t < threads; ++t) pool.emplace_back(run);
  run();
  for (std::thread& t : pool) t.join();
  if (progress) progress(count);
}

Rate RateOf(std::int64_t count, std::int64_t games) {
  if (games <= 0) return {};
  constexpr double z = 1.959963984540054;  // the 97.5th percentile of the normal distribution
  const double n = static_cast<double>(games), p = static_cast<double>(count) / n;
  const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
  const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n);
  // Rounding must not leave the share outside its own interval at 0 or 1.
  return {p, std::clamp(centre - half, 0.0, p), std::clamp(centre + half, p, 1.0)};
}

namespace {

std::vector<TacticsRow> Combinations() {
  std::vector<TacticsRow> rows;
  for (const int weather : {1, 3}) {
    const int choices = weather == kWeatherRaining ? 2 : 3;
    for (int f = 1; f <= choices; ++f)
      for (int s = 1; s <= choices; ++s)
        for (int w = 1; w <= choices; ++w)
          for (int l = 1; l <= choices; ++l) rows.push_back({weather, {f, s, w, l}, {}});
  }
  return rows;
}

}  // namespace

std::uint64_t TacticsGames(const TacticsRun& run) {
  return Combinations().size() * static_cast<std::uint64_t>(std::max(run.Matches, 0));
}

std::vector<TacticsRow> PlayTactics(const GameState& start, const TacticsRun& run, const Progress& progress) {
  std::vector<TacticsRow> rows = Combinations();
  const std::uint64_t per = static_cast<std::uint64_t>(std::max(run.Matches, 0));
  // One outcome per game, written by whichever thread plays it, summed in
  // index order afterwards.
  struct Game {
    std::int8_t Outcome;
    std::int32_t For, Against;
  };
  std::vector<Game> games(rows.size() * per);
  ForEachIndex(
      games.size(), run.Threads,
      [&](std::uint64_t i) {
        const TacticsRow& row = rows[i / per];
        GameState state = start;
        MatchSetup setup;
        setup.Weather = row.Weather;
        setup.Own = row.Own;
        setup.Opponent = run.Opponent;
        setup.Seed = GameSeed(run.Seed, i % per);
        PlayOne(state, setup);
        games[i] = {static_cast<std::int8_t>(state.Runtime.MatchOutcome.v), state.Runtime.OwnFinalScore.v,
                    state.Runtime.OppositionFinalScore.v};
      },
      progress);
  for (std::size_t c = 0; c < rows.size(); ++c) {
    Tally& t = rows[c].Result;
    for (std::uint64_t k = 0; k < per; ++k) {
      const Game& g = games[c * per + k];
      if (g.Outcome == 1) ++t.Won;
      if (g.Outcome == 2) ++t.Lost;
      if (g.Outcome == 3) ++t.Drawn;
      t.ScoreFor += g.For;
      t.ScoreAgainst += g.Against;
    }
  }
  std::stable_sort(rows.begin(), rows.end(), [](const TacticsRow& a, const TacticsRow& b) {
    if (a.Weather != b.Weather) return a.Weather < b.Weather;
    if (a.Result.Won != b.Result.Won) return a.Result.Won > b.Result.Won;
    return a.Result.Drawn > b.Result.Drawn;
  });
  return rows;
}

std::string TacticsTable(const GameState& start, const TacticsRun& run, const std::vector<TacticsRow>& rows) {
  std::ostringstream out;
  out << "Vantoro Team against " << OpponentName(start, run.Opponent) << ", " << run.Matches
      << " games per combination (seed " << run.Seed << ").\n"
      << "Win, draw and loss rates in per cent, the win rate's 95 % interval, and the mean score.\n"
      << "Overcast weather plays as dry weather does.\n";
  int weather = 0, rank = 0;
  for (const TacticsRow& row : rows) {
    if (row.Weather != weather) {
      weather = row.Weather;
      rank = 0;
      out << '\n'
          << (weather == kWeatherRaining ? "Raining" : "Dry") << "\n"
          << "  #  Flank       Support     Forward     Leader        Won  (95 % interval)  Drawn   Lost   "
             "Score\n";
    }
    const Tally& t = row.Result;
    const Rate won = RateOf(t.Won, t.Games());
    const double n = std::max<double>(1.0, static_cast<double>(t.Games()));
    char line[200];
    std::snprintf(line, sizeof line, "%3d  %-11s %-11s %-11s %-11s %s  (%s - %s)    %s  %s  %3.0f-%-3.0f\n",
                  ++rank, std::string(TacticName(Role::Flank, row.Own[0])).c_str(),
                  std::string(TacticName(Role::Support, row.Own[1])).c_str(),
                  std::string(TacticName(Role::Forward, row.Own[2])).c_str(),
                  std::string(TacticName(Role::Leader, row.Own[3])).c_str(), Percent(won.Share).c_str(),
                  Percent(won.Low).c_str(), Percent(won.High).c_str(),
                  Percent(RateOf(t.Drawn, t.Games()).Share).c_str(),
                  Percent(RateOf(t.Lost, t.Games()).Share).c_str(), static_cast<double>(t.ScoreFor) / n,
                  static_cast<double>(t.ScoreAgainst) / n);
    out << line;
  }
  return out.str();
}

ProgressBar::ProgressBar(std::uint64_t total, std::string unit)
    : total_(total), unit_(std::move(unit)), shown_(::isatty(STDERR_FILENO) == 1), startNs_(NowNs()) {}

void ProgressBar::Update(std::uint64_t done) {
  if (!shown_) return;
  const std::int64_t now = NowNs();
  if (done < total_ && now - lastNs_ < 200'000'000) return;
  lastNs_ = now;
  const double seconds = static_cast<double>(now - startNs_) / 1e9;
  const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0.0;
  const double left = rate > 0 ? static_cast<double>(total_ - std::min(done, total_)) / rate : 0.0;
  constexpr int kWidth = 30;
  const int filled = total_ == 0 ? kWidth : static_cast<int>(kWidth * std::min(done, total_) / total_);
  std::fprintf(stderr, "\r[%s%s] %llu/%llu %s  %.0f/s  %.0f s left ", std::string(filled, '#').c_str(),
               std::string(kWidth - filled, '.').c_str(), static_cast<unsigned long long>(done),
               static_cast<unsigned long long>(total_), unit_.c_str(), rate, left);
  std::fflush(stderr);
}

void ProgressBar::Finish() {
  if (!shown_) return;
  Update(total_);
  std::fprintf(stderr, "\n");
}

}  // namespace vantoro::lab
