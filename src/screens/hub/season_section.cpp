#include "screens/hub/season_section.hpp"

#include <array>
#include <string>
#include <string_view>

#include "screens/hub/hub_widgets.hpp"
#include "sim/calendar.hpp"
#include "sim/hub_navigation.hpp"
#include "sim/turn_actions.hpp"
#include "state/derived.hpp"
#include "ui/artwork.hpp"

namespace vantoro {
namespace {

enum SeasonPage { kCalendar = 1, kMap = 2, kTurnEnd = 3 };

// A view of the map: the overview is cut into four bands from north to
// south, and pressing one shows its two detailed strips. A band is drawn as
// the rule at its foot.
constexpr Color kMapLines = Rgb(0xAAAAFF);
constexpr ButtonScheme kBandScheme{{kMapLines, std::nullopt, std::nullopt}, {}};
constexpr Button<int> MapBand(int view, int top, int bottom) {
  return {view,
          {132, top, 273, bottom},
          PressRule::Inclusive,
          {},
          0,
          0,
          kHubTextSize,
          kBandScheme,
          Face::Arial,
          Shape::Rule};
}
// Tested from the bottom up, as the bands were laid out.
constexpr std::array kMapBands = {
    MapBand(4, 310, 359),
    MapBand(3, 260, 309),
    MapBand(2, 210, 259),
    MapBand(1, 162, 209),
};

constexpr Button<SeasonButton> TurnEndButton(SeasonButton id, int left, int top, std::string_view label) {
  return {id, {left, top, left + 100, top + 30}, PressRule::Inside, label, left + 5, top + 7, kHubTextSize};
}
constexpr std::array kTurnEndButtons = {
    TurnEndButton(SeasonButton::EndTurn, 392, 320, "   END TURN"),
    TurnEndButton(SeasonButton::GoByCar, 135, 445, " GO BY CAR"),
    TurnEndButton(SeasonButton::HireVehicle, 240, 445, "HIRE VEHICLE"),
};

constexpr std::array<std::string_view, 6> kTurnEndText = {
    "Ending the Turn means that you have made all of the choices,",
    "actions and decisions that you intend to for this month.",
    "Ending the turn will then show you all of the other events",
    "that have occurred throughout the month.",
    "Any paintball events scheduled this month are displayed in",
    "the panel below, along with any other associated decisions.",
};

Transport TransportOf(SeasonButton id) {
  return id == SeasonButton::HireVehicle ? Transport::Hired : Transport::Car;
}

}  // namespace

std::span<const Button<int>> SeasonSection::MapButtons() { return kMapBands; }
std::span<const Button<SeasonButton>> SeasonSection::TurnEndButtons() { return kTurnEndButtons; }

void SeasonSection::DrawPage(Canvas& canvas, Int page) {
  if (page == kCalendar) DrawCalendar(canvas);
  if (page == kMap) DrawMap(canvas);
  if (page == kTurnEnd) DrawTurnEnd(canvas);
}

void SeasonSection::PressPage(int x, int y, Int page) {
  if (page == kMap) PressMap(x, y);
  if (page == kTurnEnd) PressTurnEnd(x, y);
}

void SeasonSection::DrawCalendar(Canvas& canvas) {
  const TeamRecord& team = ctx_.State.Team;
  const Font& font = HubFont(ctx_.Fonts, 12);
  DrawPanel(canvas, 130, 160, 708, 480);
  if (InRange(team.Month, 1, 12)) {
    const int m = team.Month.v;
    canvas.Rectangle(135, 178 + 20 * m, 700, 199 + 20 * m, Rgb(0xCC4444), std::nullopt);
  }
  canvas.Text(150, 165, "THE " + team.Year.Str() + " SEASON.", font, Rgb(0x55FF55));
  for (int m = 1; m <= 12; ++m) {
    const int y = 180 + 20 * m;
    canvas.Text(150, y, MonthName(m), font, Rgb(0x7777AA));
    const Tournament* tournament = TournamentIn(m);
    if (tournament == nullptr) {
      canvas.Text(300, y, "No Event", font, Rgb(0x777777));
      continue;
    }
    const Color event = Rgb(0x779977);
    canvas.Text(300, y, tournament->Name, font, event);
    // The car's cost follows at x 600: a little more air than at an edge.
    DrawFitted(canvas, ctx_.Fonts, 500, y, VenueIn(*tournament, team.Year), font, Rgb(0x997777), 597);
    canvas.Text(600, y, Dollars(CarCost(*tournament)), font, event);
    canvas.Text(660, y, Dollars(HiredCost(*tournament)), font, event);
  }
  canvas.Text(520, 165, std::string(MonthName(team.Month)) + " " + team.Year.Str(), HubFont(ctx_.Fonts, 16),
              Rgb(0x4444FF));
}

void SeasonSection::DrawMap(Canvas& canvas) {
  const Int view = ctx_.State.Runtime.MapView;
  canvas.Rectangle(130, 155, 708, 556, Rgb(0x4444AA), kBlack);
  // Five strips from north to south; a view shows two neighbours.
  const auto strip = [&](Int k, int top) {
    if (InRange(k, 1, 5)) canvas.Picture(131, top, ctx_.Pictures.Get(Nth(PictureId::MapStrip1, k.v)));
  };
  strip(view, 156);
  strip(view + 1, 356);
  canvas.Picture(131, 156, ctx_.Pictures.Get(PictureId::MapOverview));
  DrawButtons(canvas, ctx_.Fonts, MapButtons(), [](const Button<int>&) { return ButtonState::Enabled; });
  canvas.Line(274, 155, 274, 356, kMapLines);
  canvas.Line(131, 356, 707, 356, kMapLines);
  // The lower strip reaches the frame's last row; keep the frame whole.
  canvas.Rectangle(130, 155, 708, 556, Rgb(0x4444AA), std::nullopt);
}

void SeasonSection::PressMap(int x, int y) {
  if (const auto view = HitTest<int>(kMapBands, x, y)) ShowMapView(ctx_.State, *view);
}

void SeasonSection::DrawTurnEnd(Canvas& canvas) {
  const TeamRecord& team = ctx_.State.Team;
  const Font& font = HubFont(ctx_.Fonts, kHubTextSize);
  DrawPanel(canvas, 130, 160, 497, 360);
  DrawPanel(canvas, 130, 380, 497, 480);
  DrawPanel(canvas, 497, 160, 770, 360);
  if (InRange(team.Vehicle, 1, 4)) {
    canvas.Picture(498, 165, ctx_.Pictures.Get(Nth(PictureId::Vehicle1, team.Vehicle.v)));
  }
  canvas.Text(135, 165, "End Of Turn", font, Rgb(0x55FF55));
  for (std::size_t i = 0; i < kTurnEndText.size(); ++i) {
    DrawFitted(canvas, ctx_.Fonts, 135, 200 + 20 * static_cast<int>(i), kTurnEndText[i], font, Rgb(0x7777AA),
               496);
  }

  const Tournament* tournament = TournamentIn(team.Month);
  if (tournament != nullptr) {
    DrawTournamentPanel(canvas, *tournament);
  } else {
    canvas.Text(135, 385, "NO EVENTS SCHEDULED FOR THIS MONTH", HubFont(ctx_.Fonts, 11), Rgb(0x777777));
  }
  DrawButtons(canvas, ctx_.Fonts, TurnEndButtons(),
              [&](const Button<SeasonButton>& b) { return State(ctx_.State, b.Action); });
}

ButtonState SeasonSection::State(const GameState& s, SeasonButton id) {
  if (id == SeasonButton::EndTurn) return ButtonState::Enabled;
  return ShownIf(TournamentIn(s.Team.Month) != nullptr, GreyUnless(CanTravel(s, TransportOf(id))));
}

void SeasonSection::DrawTournamentPanel(Canvas& canvas, const Tournament& tournament) {
  const TeamRecord& team = ctx_.State.Team;
  const Font& font = HubFont(ctx_.Fonts, kHubTextSize);
  const std::string event = "Scheduled Event: " + std::string(tournament.Name) + " " + " : " +
                            std::string(VenueIn(tournament, team.Year));
  canvas.Text(135, 385, event, font, Rgb(0xFF0000));
  const Color cost = Rgb(0x7777DD);
  canvas.Text(135, 405, "Cost of travel by Car: " + Dollars(CarCost(tournament)), font, cost);
  canvas.Text(135, 425, "Cost of Hired Transport: " + Dollars(HiredCost(tournament)), font, cost);
  if (Overloaded(team)) canvas.Text(300, 405, "OVERLOADED", font, Rgb(0xFFAAAA));
}

void SeasonSection::PressTurnEnd(int x, int y) {
  const auto hit = HitTest(TurnEndButtons(), x, y,
                           [&](const Button<SeasonButton>& b) { return State(ctx_.State, b.Action); });
  if (!hit) return;
  switch (*hit) {
    case SeasonButton::EndTurn:
      ctx_.Screens.HandOver(ScreenId::Hub, ScreenId::EndOfMonth);
      vantoro::EndTurn(ctx_.State);
      break;
    case SeasonButton::GoByCar:
    case SeasonButton::HireVehicle:
      if (Travel(ctx_.State, TransportOf(*hit))) ctx_.Screens.HandOver(ScreenId::Hub, ScreenId::Tournament);
      break;
  }
}

}  // namespace vantoro
