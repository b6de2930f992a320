#include "app/lab/lab_chart.hpp"

#include <algorithm>
#include <array>
#include <cstdio>

#include "ui/canvas.hpp"
#include "ui/font.hpp"
#include "ui/picture_io.hpp"

namespace vantoro::lab {
namespace {

constexpr int kWidth = 1000;
constexpr int kRowHeight = 12;
constexpr int kTop = 84;  // the first bar's row
constexpr int kPanelWidth = 490;
constexpr int kLabelWidth = 190;
constexpr int kBarWidth = 250;

constexpr Color kBackground = Rgb(0x10131A);
constexpr Color kInk = Rgb(0xE8E8E8);
constexpr Color kFaint = Rgb(0x8890A0);
constexpr Color kWon = Rgb(0x2FA84F);
constexpr Color kDrawn = Rgb(0x8A8F98);
constexpr Color kLost = Rgb(0xC0392B);
constexpr Color kInterval = Rgb(0xFFFFFF);

// The tactics in a few letters each, in role order, so that a row reads
// "Short Medium Long | Rush".
std::string ShortLabel(const Tactics& t) {
  static constexpr std::array<const char*, 4> kRange = {"", "Short", "Medium", "Long"};
  static constexpr std::array<const char*, 4> kLeader = {"", "Back", "Mid", "Rush"};
  const auto pick = [](const auto& names, int v) {
    return names[static_cast<std::size_t>(std::clamp(v, 0, 3))];
  };
  return std::string(pick(kRange, t[0])) + " " + pick(kRange, t[1]) + " " + pick(kRange, t[2]) + " | " +
         pick(kLeader, t[3]);
}

void Panel(Canvas& canvas, FontLibrary& fonts, int left, const std::string& title,
           const std::vector<TacticsRow>& rows) {
  const Font& heading = fonts.Get("Arial", FontSize::Pixels(15), true);
  const Font& small = fonts.Get("Arial", FontSize::Pixels(11));
  canvas.Text(left, kTop - 38, title, heading, kInk);
  canvas.Text(left, kTop - 18, "Flank Support Forward | Leader", small, kFaint);
  const int barLeft = left + kLabelWidth;
  // A faint line at every quarter, the half a little brighter.
  const int bottom = kTop + kRowHeight * static_cast<int>(rows.size());
  for (int q = 0; q <= 4; ++q) {
    const int x = barLeft + kBarWidth * q / 4;
    canvas.Line(x, kTop - 4, x, bottom, q == 2 ? Rgb(0x50586A) : Rgb(0x2A3040));
    char label[8];
    std::snprintf(label, sizeof label, "%d%%", 25 * q);
    canvas.Text(x - small.TextWidth(label) / 2, kTop - 18, label, small, kFaint);
  }
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const Tally& t = rows[i].Result;
    const int y = kTop + kRowHeight * static_cast<int>(i);
    canvas.Text(left, y - 1, ShortLabel(rows[i].Own), small, kInk);
    const double games = std::max<double>(1.0, static_cast<double>(t.Games()));
    const int won = static_cast<int>(kBarWidth * static_cast<double>(t.Won) / games + 0.5);
    const int drawn = static_cast<int>(kBarWidth * static_cast<double>(t.Won + t.Drawn) / games + 0.5);
    canvas.FillRect(barLeft, y + 1, barLeft + won, y + kRowHeight - 1, kWon);
    canvas.FillRect(barLeft + won, y + 1, barLeft + drawn, y + kRowHeight - 1, kDrawn);
    canvas.FillRect(barLeft + drawn, y + 1, barLeft + kBarWidth, y + kRowHeight - 1, kLost);
    const Rate rate = RateOf(t.Won, t.Games());
    const int low = barLeft + static_cast<int>(kBarWidth * rate.Low + 0.5);
    const int high = barLeft + static_cast<int>(kBarWidth * rate.High + 0.5);
    const int mid = y + kRowHeight / 2;
    canvas.Line(low, mid, high, mid, kInterval);
    canvas.Line(low, mid - 2, low, mid + 2, kInterval);
    canvas.Line(high, mid - 2, high, mid + 2, kInterval);
    char share[16];
    std::snprintf(share, sizeof share, "%.1f%%", 100.0 * rate.Share);
    canvas.Text(barLeft + kBarWidth + 6, y - 1, share, small, kInk);
  }
}

void Legend(Canvas& canvas, FontLibrary& fonts, int left, int top) {
  const Font& small = fonts.Get("Arial", FontSize::Pixels(12));
  const std::array<std::pair<Color, const char*>, 3> keys = {
      {{kWon, "won"}, {kDrawn, "drawn"}, {kLost, "lost"}}};
  int x = left;
  for (const auto& [color, name] : keys) {
    canvas.FillRect(x, top + 2, x + 14, top + 12, color);
    x += 20 + canvas.Text(x + 20, top, name, small, kInk) + 14;
  }
  canvas.Line(x, top + 7, x + 24, top + 7, kInterval);
  canvas.Line(x, top + 4, x, top + 10, kInterval);
  canvas.Line(x + 24, top + 4, x + 24, top + 10, kInterval);
  canvas.Text(x + 30, top, "95 % interval of the win rate", small, kInk);
}

}  // namespace

bool WriteTacticsChart(const std::filesystem::path& file, const std::string& heading,
                       const std::vector<TacticsRow>& rows, std::string& error) {
  std::vector<TacticsRow> dry, rain;
  for (const TacticsRow& row : rows) (row.Weather == 3 ? rain : dry).push_back(row);
  const int height = kTop + kRowHeight * static_cast<int>(std::max(dry.size(), rain.size() + 6)) + 20;
  Canvas canvas(kWidth, height);
  canvas.Clear(kBackground);
  FontLibrary fonts;
  canvas.Text(10, 10, heading, fonts.Get("Arial", FontSize::Pixels(17), true), kInk);
  Panel(canvas, fonts, 10, "Dry or overcast", dry);
  Panel(canvas, fonts, 10 + kPanelWidth + 10, "Raining (no Go Long, no Rush Flag)", rain);
  Legend(canvas, fonts, 10 + kPanelWidth + 10, kTop + kRowHeight * static_cast<int>(rain.size()) + 24);
  return WritePngFile(file, canvas.Pixels(), error);
}

}  // namespace vantoro::lab
