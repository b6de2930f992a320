#include "screens/hub/hq_section.hpp"

#include <array>
#include <string>

#include "screens/hub/hub_widgets.hpp"
#include "sim/catalogue.hpp"
#include "sim/clubhouse_actions.hpp"

namespace vantoro {
namespace {

enum HqPage { kHqOverview = 1, kHqPurchase, kHqVehicle };

// Outlined boxes with their labels below them, grey once they cannot act.
constexpr ButtonScheme kShopScheme{{Rgb(0x88FF88), kButtonFill, kRed}, {Rgb(0x666666), Rgb(0x222222), kRed}};
constexpr Button<HqButton> Shop(HqButton id, int left, int top, std::string_view label, int labelX) {
  return {id, {left, top, left + 100, top + 30}, PressRule::Inside, label, labelX, top + 33, 8, kShopScheme};
}
constexpr std::array<Button<HqButton>, 8> kPurchaseButtons = {{
    Shop(HqButton::Locks, 140, 170, "Upgrade Locks", 150),
    Shop(HqButton::Alarm, 260, 170, " Upgrade Alarm", 270),
    Shop(HqButton::Television, 380, 170, "  Purchase TV", 390),
    Shop(HqButton::PbCooler, 140, 230, "  PB Cooler Unit", 145),
    Shop(HqButton::SnackMachine, 260, 230, " Snack Machine", 270),
    Shop(HqButton::PoolTable, 380, 230, "    Pool Table", 390),
    Shop(HqButton::BeerFridge, 140, 290, "   Beer Fridge", 150),
    Shop(HqButton::Garage, 260, 290, "  Garage Upgrade", 260),
}};

constexpr ButtonScheme kCarScheme{{Rgb(0x55FF55), Rgb(0x003300), Rgb(0x99FF99)},
                                  {Rgb(0x888888), Rgb(0x444444), Rgb(0x888888)}};
constexpr std::array<Button<HqButton>, 2> kVehicleButtons = {{
    {HqButton::ViewNext,
     {390, 270, 490, 300},
     PressRule::Inside,
     "View Next",
     407,
     275,
     kHubTextSize,
     kCarScheme},
    {HqButton::Trade,
     {390, 310, 490, 340},
     PressRule::Inside,
     "Purchase",
     407,
     315,
     kHubTextSize,
     kCarScheme},
}};

// What each box of PURCHASE buys, and where its price stands inside it.
struct Offer {
  HqButton Id;
  bool IsUpgrade;
  Upgrade Up;
  Fitting Fit;
  int PriceX, PriceY;
};
constexpr std::array<Offer, 8> kOffers = {{
    {HqButton::Locks, true, Upgrade::Locks, {}, 172, 176},
    {HqButton::Alarm, true, Upgrade::Alarm, {}, 292, 176},
    {HqButton::Television, false, {}, Fitting::Television, 412, 176},
    {HqButton::PbCooler, false, {}, Fitting::PbCooler, 172, 235},
    {HqButton::SnackMachine, false, {}, Fitting::SnackMachine, 292, 235},
    {HqButton::PoolTable, false, {}, Fitting::PoolTable, 412, 235},
    {HqButton::BeerFridge, false, {}, Fitting::BeerFridge, 172, 295},
    {HqButton::Garage, true, Upgrade::Garage, {}, 292, 295},
}};

const Offer& OfferFor(HqButton id) {
  for (const Offer& o : kOffers) {
    if (o.Id == id) return o;
  }
  return kOffers[0];
}

bool CanBuy(const GameState& s, const Offer& o) {
  return o.IsUpgrade ? CanUpgrade(s, o.Up) : CanBuyFitting(s, o.Fit);
}

// Where each fitting stands in the clubhouse picture.
struct Placed {
  Fitting Fit;
  PictureId Picture;
  int X, Y;
};
constexpr std::array<Placed, 5> kFittings = {{
    {Fitting::Television, PictureId::Television, 210, 194},
    {Fitting::PbCooler, PictureId::PbCooler, 198, 229},
    {Fitting::SnackMachine, PictureId::SnackMachine, 255, 224},
    {Fitting::PoolTable, PictureId::PoolTable, 315, 239},
    {Fitting::BeerFridge, PictureId::BeerFridge, 270, 198},
}};

std::string Percent(std::optional<Int> load) { return load ? load->Str() + "%" : "n/a"; }
Color LoadColor(std::optional<Int> load) { return !load || *load > 100 ? Rgb(0xFFAAAA) : Rgb(0xAAFFAA); }

}  // namespace

std::span<const Button<HqButton>> HqSection::Buttons(Int page) {
  if (page == kHqPurchase) return kPurchaseButtons;
  if (page == kHqVehicle) return kVehicleButtons;
  return {};
}

ButtonState HqSection::State(const GameState& s, HqButton id) {
  if (id == HqButton::ViewNext) return ButtonState::Enabled;
  if (id == HqButton::Trade) return GreyUnless(CanTradeVehicle(s));
  return GreyUnless(CanBuy(s, OfferFor(id)));
}

void HqSection::DrawPage(Canvas& canvas, Int page) {
  AdvanceTeamAnimation(ctx_.State.Runtime);
  canvas.Picture(498, 160, ctx_.Pictures.Get(PictureId::HqPicture));
  if (page == kHqOverview) DrawOverview(canvas);
  if (page == kHqPurchase) DrawSummary(canvas);
  if (page == kHqVehicle) DrawVehicle(canvas);
  DrawButtons(canvas, ctx_.Fonts, Buttons(page),
              [&](const Button<HqButton>& b) { return State(ctx_.State, b.Action); });
  if (page == kHqPurchase) DrawPrices(canvas);
  // Last, so that the summary beside it does not cover its lines.
  if (InRange(page, kHqOverview, kHqVehicle)) DrawCommentary(canvas);
}

void HqSection::DrawCommentary(Canvas& canvas) {
  const Font& font = HubFont(ctx_.Fonts, kHubTextSize);
  DrawPanel(canvas, 450, 380, 767, 480);
  for (int k = 1; k <= 6; ++k)
    DrawFitted(canvas, ctx_.Fonts, 452, 366 + 16 * k, ctx_.State.Runtime.CommentaryLines[k], font, kWhite,
               766);
}

void HqSection::DrawSummary(Canvas& canvas) {
  const TeamRecord& team = ctx_.State.Team;
  const Font& font = HubFont(ctx_.Fonts, kHubTextSize);
  DrawPanel(canvas, 130, 380, 480, 450);
  struct Row {
    int X, ValueX, Y;
    const char* Label;
    Int Value;
  };
  const std::array<Row, 8> rows = {{
      {135, 250, 385, "Lock Strength:", team.LockStrength},
      {135, 250, 405, "Security Level:", team.SecurityLevel},
      {135, 250, 425, "Television:", team.Television},
      {135, 250, 445, "PB Cooler:", team.PBCooler},
      {300, 410, 385, "Snack Machine:", team.SnackMachine},
      {300, 410, 405, "Pool Table:", team.PoolTable},
      {300, 410, 425, "Beer Fridge:", team.BeerFridge},
      {300, 410, 445, "Garage Level:", team.GarageLevel},
  }};
  for (const Row& row : rows) {
    canvas.Text(row.X, row.Y, row.Label, font, Rgb(0x00AA00));
    canvas.Text(row.ValueX, row.Y, row.Value.Str(), font, Rgb(0x9955CC));
  }
}

void HqSection::DrawOverview(Canvas& canvas) {
  const GameState& s = ctx_.State;
  const Font& font = HubFont(ctx_.Fonts, kHubTextSize);
  DrawPanel(canvas, 130, 160, 497, 360);
  DrawPanel(canvas, 463, 330, 497, 360);
  canvas.Picture(170, 162, ctx_.Pictures.Get(PictureId::Clubhouse));
  for (const Placed& f : kFittings) {
    if (FittingOwned(s, f.Fit)) canvas.Picture(f.X, f.Y, ctx_.Pictures.Get(f.Picture));
  }
  canvas.Text(132, 317, "L:" + s.Team.LockStrength.Str(), font, kRed);
  canvas.Text(132, 337, "S:" + s.Team.SecurityLevel.Str(), font, kRed);
  canvas.Text(465, 337, "G:" + s.Team.GarageLevel.Str(), font, kRed);
  DrawSummary(canvas);
}

// Inside the boxes, over their fill.
void HqSection::DrawPrices(Canvas& canvas) {
  const GameState& s = ctx_.State;
  const Font& price = HubFont(ctx_.Fonts, kHubTextSize);
  for (const Offer& o : kOffers) {
    if (o.IsUpgrade) {
      canvas.Text(o.PriceX, o.PriceY, "$" + UpgradePrice(s, o.Up).Str(), price, Rgb(0x55FF55));
    } else if (!FittingOwned(s, o.Fit)) {
      canvas.Text(o.PriceX, o.PriceY, "$" + FittingPrice(o.Fit).Str(), price, Rgb(0x55FF55));
    }
  }
}

void HqSection::DrawVehicle(Canvas& canvas) {
  const GameState& s = ctx_.State;
  const Font& font = HubFont(ctx_.Fonts, kHubTextSize);
  const Int viewed = s.Runtime.ViewedVehicle;
  DrawPanel(canvas, 130, 160, 497, 360);
  DrawPanel(canvas, 130, 380, 480, 450);
  if (const VehicleInfo* car = VehicleOf(viewed)) {
    canvas.Picture(140, 165, ctx_.Pictures.Get(Nth(PictureId::Vehicle1, viewed.v)));
    int y = 165;
    for (std::string_view line : {car->Name, car->Reliability, car->Speed, car->Storage, car->Price}) {
      canvas.Text(380, y, line, font, Rgb(0xAAAAFF));
      y += 20;
    }
  }
  if (viewed == s.Team.Vehicle) canvas.Text(140, 165, "Owned", font, Rgb(0xAAFFAA));
  const Color label = Rgb(0xAAAAFF), value = Rgb(0xAAFFAA);
  canvas.Text(140, 385, "Car Owned", font, label);
  canvas.Text(140, 405, "Value    ", font, label);
  canvas.Text(140, 425, "Current Capacity ", font, label);
  canvas.Text(140, 445, "With Viewed Car ", font, label);
  const VehicleInfo* owned = VehicleOf(s.Team.Vehicle);
  canvas.Text(300, 385, owned != nullptr ? owned->ShortName : std::string_view(), font, value);
  canvas.Text(300, 405, "$" + VehicleValue(s.Team.Vehicle).Str(), font, value);
  const std::optional<Int> now = LoadPercentageIn(s, s.Team.Vehicle), then = LoadPercentageIn(s, viewed);
  canvas.Text(300, 425, Percent(now), font, LoadColor(now));
  canvas.Text(300, 445, Percent(then), font, LoadColor(then));
}

void HqSection::PressPage(int x, int y, Int page) {
  GameState& s = ctx_.State;
  const auto hit =
      HitTest(Buttons(page), x, y, [&](const Button<HqButton>& b) { return State(s, b.Action); });
  if (!hit) return;
  switch (*hit) {
    case HqButton::Locks:
    case HqButton::Alarm:
    case HqButton::Garage: BuyUpgrade(s, OfferFor(*hit).Up); break;
    case HqButton::Television:
    case HqButton::PbCooler:
    case HqButton::SnackMachine:
    case HqButton::PoolTable:
    case HqButton::BeerFridge: BuyFitting(s, OfferFor(*hit).Fit); break;
    case HqButton::ViewNext: ViewNextVehicle(s); break;
    case HqButton::Trade: TradeVehicle(s); break;
  }
}

}  // namespace vantoro
