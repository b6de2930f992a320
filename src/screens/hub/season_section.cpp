#include "screens/hub/season_section.hpp"

#include <array>
#include <string>
#include <string_view>

#include "screens/hub/hub_widgets.hpp"
#include "sim/calendar.hpp"
#include "state/derived.hpp"
#include "ui/artwork.hpp"

namespace vantoro {
namespace {

enum SeasonPage { kCalendar = 1, kMap = 2, kTurnEnd = 3 };

// A view of the map: the overview is cut into four bands from north to
// south, and pressing one shows its two detailed strips.
struct MapBand {
  int View;
  PressArea Area;
};

// Tested from the bottom up, as the bands were laid out.
constexpr std::array kMapBands = {
    MapBand{4, {132, 273, 310, 359}},
    MapBand{3, {132, 273, 260, 309}},
    MapBand{2, {132, 273, 210, 259}},
    MapBand{1, {132, 273, 162, 209}},
};
constexpr std::array kMapBandLines = {206, 256, 306};
constexpr Color kMapLines = Rgb(0xAAAAFF);

enum class TurnEndAction { EndTurn, GoByCar, HireVehicle };

struct PageButton {
  TurnEndAction Act;
  int Left, Top, Right, Bottom;
  std::string_view Label;
  int TextX, TextY;
  // A drawn button takes presses inside its outline.
  constexpr PressArea Area() const { return {Left + 1, Right - 1, Top + 1, Bottom - 1}; }
};

constexpr std::array kTurnEndButtons = {
    PageButton{TurnEndAction::EndTurn, 392, 320, 492, 350, "   END TURN", 397, 327},
    PageButton{TurnEndAction::GoByCar, 135, 445, 235, 475, " GO BY CAR", 140, 452},
    PageButton{TurnEndAction::HireVehicle, 240, 445, 340, 475, "HIRE VEHICLE", 245, 452},
};

constexpr std::array<std::string_view, 6> kTurnEndText = {
    "Ending the Turn means that you have made all of the choices,",
    "actions and decisions that you intend to for this month.",
    "Ending the turn will then show you all of the other events",
    "that have occurred throughout the month.",
    "Any paintball events scheduled this month are displayed in",
    "the panel below, along with any other associated decisions.",
};

Int TravelCost(TurnEndAction act, const Tournament& tournament) {
  return act == TurnEndAction::HireVehicle ? HiredCost(tournament) : CarCost(tournament);
}

std::string Dollars(Int amount) { return "$" + amount.Str(); }

}  // namespace

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
    canvas.Text(500, y, VenueIn(*tournament, team.Year), font, Rgb(0x997777));
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
  for (int y : kMapBandLines) canvas.Line(131, y, 274, y, kMapLines);
  canvas.Line(274, 155, 274, 356, kMapLines);
  canvas.Line(131, 356, 707, 356, kMapLines);
  // The lower strip reaches the frame's last row; keep the frame whole.
  canvas.Rectangle(130, 155, 708, 556, Rgb(0x4444AA), std::nullopt);
}

void SeasonSection::PressMap(int x, int y) {
  for (const MapBand& band : kMapBands) {
    if (band.Area.Contains(x, y)) {
      ctx_.State.Runtime.MapView = band.View;
      return;
    }
  }
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
    canvas.Text(135, 200 + 20 * static_cast<int>(i), kTurnEndText[i], font, Rgb(0x7777AA));
  }

  const Tournament* tournament = TournamentIn(team.Month);
  if (tournament != nullptr) {
    DrawTournamentPanel(canvas, *tournament);
  } else {
    canvas.Text(135, 385, "NO EVENTS SCHEDULED FOR THIS MONTH", HubFont(ctx_.Fonts, 11), Rgb(0x777777));
  }
  for (const PageButton& b : kTurnEndButtons) {
    const bool travel = b.Act != TurnEndAction::EndTurn;
    if (travel && tournament == nullptr) continue;
    // The buttons grey out on cash alone; an overloaded car shows its own warning.
    if (!travel || team.Cash >= TravelCost(b.Act, *tournament)) {
      DrawButton(canvas, font, b.Left, b.Top, b.Right, b.Bottom, b.Label, b.TextX, b.TextY);
    } else {
      DrawButton(canvas, font, b.Left, b.Top, b.Right, b.Bottom, b.Label, b.TextX, b.TextY, kGreyPen,
                 kGreyFill);
    }
  }
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
  const TeamRecord& team = ctx_.State.Team;
  const Tournament* tournament = TournamentIn(team.Month);
  for (const PageButton& b : kTurnEndButtons) {
    if (!b.Area().Contains(x, y)) continue;
    switch (b.Act) {
      case TurnEndAction::EndTurn: EndTurn(); break;
      case TurnEndAction::GoByCar:
        if (tournament != nullptr && team.Cash >= CarCost(*tournament) && !Overloaded(team)) {
          Travel(CarCost(*tournament));
        }
        break;
      case TurnEndAction::HireVehicle:
        if (tournament != nullptr && team.Cash >= HiredCost(*tournament)) Travel(HiredCost(*tournament));
        break;
    }
    return;
  }
}

void SeasonSection::Travel(Int cost) {
  ctx_.State.Team.Cash -= cost;
  ctx_.Screens.HandOver(ScreenId::Hub, ScreenId::Tournament);
  // The tournament screen then meets the next opponent of the round.
  ctx_.State.Runtime.MatchOpponent = 0;
}

void SeasonSection::EndTurn() {
  ScreenSet& screens = ctx_.Screens;
  RuntimeState& r = ctx_.State.Runtime;
  screens.StopTicks(ScreenId::Hub);
  r.MonthProcessed = 0;
  r.MonthScroll = 1;
  screens.Show(ScreenId::EndOfMonth);
  screens.Hide(ScreenId::Hub);
  // The next month opens on TEAM OVERVIEW with the month's chances back.
  r.HubSection = 1;
  r.HubPage = 1;
  r.GambledThisMonth = 0;
  r.FundraisedThisMonth = 0;
  r.SelectedPlayer = 1;
  r.SelectedCompany = 1;
  r.CatalogItem = 1;
  r.PaintPrice = ctx_.State.Random(3) + 10;
  screens.StartTicks(ScreenId::EndOfMonth);
}

}  // namespace vantoro
