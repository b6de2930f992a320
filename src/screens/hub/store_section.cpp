#include "screens/hub/store_section.hpp"

#include <array>
#include <string>

#include "screens/hub/hub_widgets.hpp"
#include "sim/catalogue.hpp"
#include "sim/hub_navigation.hpp"
#include "sim/store_actions.hpp"
#include "text/generators.hpp"

namespace vantoro {
namespace {

enum StorePage { kMarkersPage = 1, kPaintPage, kCatalogPage, kCustomisePage };

constexpr auto kMarkerButtons =
    Join(SquadRows(StoreButton::Player1),
         std::array<Button<StoreButton>, 2>{{
             {StoreButton::Repair, {350, 385, 450, 415}, PressRule::Inside, "   REPAIR", 360, 390, 12},
             {StoreButton::Sell, {350, 425, 450, 455}, PressRule::Inside, "     SELL", 360, 430, 12},
         }});
constexpr std::array<Button<StoreButton>, 1> kPaintButtons = {
    {{StoreButton::BuyPaint, {250, 250, 350, 280}, PressRule::Inside, "Buy 1 Box", 265, 255, 12}}};

constexpr ButtonScheme kPurchaseScheme{kGreenScheme.Enabled, {Rgb(0xAAAAAA), Rgb(0x444444), Rgb(0x666666)}};
constexpr ButtonScheme kWhiteWhenUsed{kGreenScheme.Enabled, {kWhite, Rgb(0x444444), kWhite}};
constexpr std::array<Button<StoreButton>, 5> kCatalogButtons = {{
    {StoreButton::Previous, {270, 165, 370, 195}, PressRule::Inside, "Prev", 305, 172, kHubTextSize},
    {StoreButton::Next, {390, 165, 490, 195}, PressRule::Inside, "Next", 425, 172, kHubTextSize},
    {StoreButton::NextPlayer, {640, 165, 690, 195}, PressRule::Inside, " Next", 648, 172, kHubTextSize},
    {StoreButton::Purchase,
     {550, 265, 650, 295},
     PressRule::Inside,
     " PURCHASE",
     559,
     272,
     kHubTextSize,
     kPurchaseScheme},
    {StoreButton::Customise,
     {550, 320, 650, 350},
     PressRule::Inside,
     "  CUSTOMISE",
     555,
     327,
     kHubTextSize,
     kWhiteWhenUsed},
}};
constexpr std::array<Button<StoreButton>, 2> kCustomiseButtons = {{
    {StoreButton::NextChoice, {400, 200, 480, 230}, PressRule::Inside, "    NEXT", 405, 207, kHubTextSize},
    {StoreButton::BuyChoice,
     {400, 250, 480, 280},
     PressRule::Inside,
     "     BUY",
     405,
     257,
     kHubTextSize,
     kWhiteWhenUsed},
}};

// A marker's picture; for a player without one, a picture of a player
// empty-handed by gender; nothing for a value that names neither.
const Image* MarkerPicture(const PictureSet& pictures, Int type, Int gender) {
  if (InRange(type, 1, kCatalogItems)) return &pictures.Get(Nth(PictureId::MarkerItem1, type.v));
  if (type != 0) return nullptr;
  if (gender == 1) return &pictures.Get(PictureId::NoMarkerMale);
  if (gender == 2) return &pictures.Get(PictureId::NoMarkerFemale);
  return nullptr;
}

}  // namespace

std::span<const Button<StoreButton>> StoreSection::Buttons(Int page) {
  switch (page.v) {
    case kMarkersPage: return kMarkerButtons;
    case kPaintPage: return kPaintButtons;
    case kCatalogPage: return kCatalogButtons;
    case kCustomisePage: return kCustomiseButtons;
    default: return {};
  }
}

ButtonState StoreSection::State(const GameState& s, StoreButton id) {
  const bool chosen = InRange(s.Runtime.SelectedPlayer, 1, kSquadSize);
  switch (id) {
    case StoreButton::Repair: return ShownIf(SelectedHasMarker(s), GreyUnless(CanRepair(s)));
    case StoreButton::Sell: return ShownIf(SelectedHasMarker(s), GreyUnless(CanSell(s)));
    case StoreButton::BuyPaint: return GreyUnless(CanBuyPaint(s));
    case StoreButton::Purchase:
      return ShownIf(chosen && !SelectedHasMarker(s), GreyUnless(CanBuyCatalogItem(s)));
    case StoreButton::Customise: return ShownIf(SelectedHasMarker(s), GreyUnless(CanOpenCustomise(s)));
    case StoreButton::BuyChoice: return GreyUnless(CanBuyCustomisation(s));
    default: return ButtonState::Enabled;
  }
}

void StoreSection::DrawPage(Canvas& canvas, Int page) {
  if (!InRange(page, kMarkersPage, kCustomisePage)) return;
  DrawPanel(canvas, 130, 160, 497, 360);
  DrawPanel(canvas, 130, 380, 497, page == kCustomisePage ? 505 : 480);
  if (page == kCatalogPage) DrawPanel(canvas, 497, 160, 700, 360);
  switch (page.v) {
    case kMarkersPage: DrawMarkers(canvas); break;
    case kPaintPage: DrawPaint(canvas); break;
    case kCatalogPage: DrawCatalog(canvas); break;
    case kCustomisePage: DrawCustomise(canvas); break;
    default: break;
  }
  DrawButtons(canvas, ctx_.Fonts, Buttons(page),
              [&](const Button<StoreButton>& b) { return State(ctx_.State, b.Action); });
}

void StoreSection::DrawMarkers(Canvas& canvas) {
  const TeamRecord& team = ctx_.State.Team;
  const Int selected = ctx_.State.Runtime.SelectedPlayer;
  const Font& font = HubFont(ctx_.Fonts, kHubTextSize);
  canvas.Text(135, 170, "Select Player", font, Rgb(0xDDDDFF));
  canvas.Text(250, 170, "Marker Type", font, Rgb(0xDD99FF));
  canvas.Text(350, 170, "Cond", font, Rgb(0xDD99FF));
  for (int p = 1; p <= kSquadSize; ++p) {
    const int y = 180 + 20 * p;
    const bool chosen = selected == p;
    Color marker = team.PlayerMarkerCustom[p] != 0 ? Rgb(0x88DDDD) : Rgb(0x8866DD);
    if (chosen) marker = Rgb(0xDDAAFF);
    canvas.Text(135, y, team.PlayerName[p].View(), font, chosen ? Rgb(0xDDDDFF) : Rgb(0xAAAAFF));
    canvas.Text(250, y, MarkerModelName(team.PlayerMarkerType[p]), font, marker);
    const bool has = team.PlayerMarkerType[p] != 0;
    canvas.Text(350, y, has ? team.PlayerMarkerCondition[p].Str() + "%" : "n/a", font, marker);
  }
  DrawMarkerPanel(canvas);
}

void StoreSection::DrawMarkerPanel(Canvas& canvas) {
  const GameState& s = ctx_.State;
  const Int p = s.Runtime.SelectedPlayer;
  DrawPanel(canvas, 497, 160, 770, 360);
  if (!InRange(p, 1, kSquadSize)) return;
  const TeamRecord& team = s.Team;
  if (const Image* picture = MarkerPicture(ctx_.Pictures, team.PlayerMarkerType[p], team.PlayerGender[p])) {
    canvas.Picture(498, 165, *picture);
  }
  if (!SelectedHasMarker(s)) return;
  const Font& font = HubFont(ctx_.Fonts, kHubTextSize);
  const Font& text = HubFont(ctx_.Fonts, 12);
  canvas.Text(498, 340, CustomisationLine(team.PlayerMarkerCustom[p]), font, Rgb(0xAAFFAA));
  canvas.Text(502, 165, team.PlayerMarkerCondition[p].Str() + "%", HubFont(ctx_.Fonts, 20), kRed);
  canvas.Text(135, 387, "Repair this marker for " + Dollars(RepairPrice(s)), text, Rgb(0xAAAAFF));
  canvas.Text(135, 425, "Sell this marker for " + Dollars(SalePrice(s)), text, kRed);
}

void StoreSection::DrawPaint(Canvas& canvas) {
  const GameState& s = ctx_.State;
  const Font& font = HubFont(ctx_.Fonts, kHubTextSize);
  canvas.Picture(498, 161, ctx_.Pictures.Get(PictureId::PaintPicture));
  const Color blue = Rgb(0x00AAFF);
  canvas.Text(135, 165, "Current Paint Price: " + s.Runtime.PaintPrice.Str() + "c per ball.", font, blue);
  canvas.Text(135, 185, "Paint is purchased in boxes of 1000 rounds.", font, blue);
  canvas.Text(135, 205, "A box of 1000 rounds at current prices costs: " + Dollars(PaintBoxPrice(s)), font,
              blue);
  canvas.Text(135, 387, "Current Team Paint: " + s.Team.Paintballs.Str() + " rounds.", font, Rgb(0xFFAAAA));
  Int load = 0;
  for (int p = 1; p <= kSquadSize; ++p) load += s.Team.PlayerMarkerType[p];
  const Color teal = Rgb(0x55AAAA);
  canvas.Text(135, 407, "Calculated Consumption: " + load.Str() + " rounds per game turn.", font, teal);
  canvas.Text(135, 427, std::string("Monthly Wastage:") + (s.Team.PBCooler != 0 ? "15" : "30") + "%", font,
              teal);
}

void StoreSection::DrawCatalog(Canvas& canvas) {
  const GameState& s = ctx_.State;
  const Int item = s.Runtime.CatalogItem;
  if (InRange(item, 1, kCatalogItems)) {
    canvas.Picture(202, 167, ctx_.Pictures.Get(Nth(PictureId::MarkerItem1, item.v)));
  }
  const Font& big = HubFont(ctx_.Fonts, 22);
  canvas.Text(135, 165, item.Str(), big, Rgb(0xAAAAFF));
  canvas.Text(135, 280, Dollars(CatalogPrice(item)), big, Rgb(0x00AA00));
  if (const CatalogEntry* entry = CatalogOf(item)) {
    canvas.Text(135, 320, entry->Name, big, kRed);
    const Font& mid = HubFont(ctx_.Fonts, 12);
    canvas.Text(135, 385, entry->Name, mid, kRed);
    canvas.Text(259, 385, entry->Maker, mid, kRed);
    static constexpr std::array<int, 4> kLineY = {405, 422, 439, 455};
    const Font& small = HubFont(ctx_.Fonts, kHubTextSize);
    for (std::size_t i = 0; i < kLineY.size(); ++i)
      DrawFitted(canvas, ctx_.Fonts, 135, kLineY[i], entry->Lines[i], small, Rgb(0x9900FF), 496);
  }
  const Font& font = HubFont(ctx_.Fonts, kHubTextSize);
  if (Released(s, item)) {
    canvas.Text(330, 337, "AVAILABLE NOW", font, Rgb(0x00FF00));
  } else {
    canvas.Text(330, 337, "PENDING RELEASE", font, kRed);
  }
  if (item >= 5 && s.Team.GameType == 1) canvas.Text(330, 337, "PUMPS ONLY GAME", font, kRed);
  DrawCatalogPlayer(canvas);
}

void StoreSection::DrawCatalogPlayer(Canvas& canvas) {
  const GameState& s = ctx_.State;
  const Int p = s.Runtime.SelectedPlayer;
  const Font& font = HubFont(ctx_.Fonts, kHubTextSize);
  if (InRange(p, 1, kSquadSize)) {
    canvas.Text(502, 165, p.Str() + ". " + s.Team.PlayerName[p].Str(), font, Rgb(0xAAAAFF));
    canvas.Text(502, 185, "Marker: " + MarkerModelName(s.Team.PlayerMarkerType[p]), font, Rgb(0xAAAAFF));
    if (SelectedHasMarker(s)) {
      canvas.Text(502, 205, "This player already has a marker.", font, Rgb(0xFFAAFF));
      canvas.Text(502, 225, "You must sell before purchasing.", font, Rgb(0xFFAAFF));
    } else {
      canvas.Text(502, 205, "This player requires a marker.", font, Rgb(0xAAFFFF));
      canvas.Text(502, 225, "Please select and buy one.", font, Rgb(0xAAFFFF));
    }
  }
}

void StoreSection::DrawCustomise(Canvas& canvas) {
  GameState& s = ctx_.State;
  UpdateCustomEligible(s);
  const Int k = s.Runtime.CustomChoice, p = s.Runtime.SelectedPlayer;
  const Customisation* c = CustomisationOf(k);
  if (c != nullptr) canvas.Picture(135, 165, ctx_.Pictures.Get(Nth(PictureId::Custom1, k.v)));
  canvas.Text(400, 165, "$250", HubFont(ctx_.Fonts, 24), kRed);
  const Font& font = HubFont(ctx_.Fonts, kHubTextSize);
  if (c != nullptr) canvas.Text(135, 320, c->Name, HubFont(ctx_.Fonts, 20), Rgb(0xAAAAFF));
  if (InRange(p, 1, kSquadSize)) {
    canvas.Text(
        135, 385,
        "Customise " + s.Team.PlayerName[p].Str() + "'s " + MarkerModelName(s.Team.PlayerMarkerType[p]), font,
        Rgb(0x00CCFF));
  }
  if (c != nullptr) {
    for (std::size_t i = 0; i < c->Lines.size(); ++i)
      canvas.Text(135, 405 + 20 * static_cast<int>(i), c->Lines[i], font, Rgb(0xCCCC00));
  }
  canvas.Text(135, 485, "All customisations are permanent.", font, Rgb(0x99FF99));
}

void StoreSection::PressPage(int x, int y, Int page) {
  GameState& s = ctx_.State;
  const auto hit =
      HitTest(Buttons(page), x, y, [&](const Button<StoreButton>& b) { return State(s, b.Action); });
  if (!hit) return;
  if (const int p = RowOf(*hit, StoreButton::Player1, kSquadSize)) return SelectPlayer(s, p);
  switch (*hit) {
    case StoreButton::Repair: Repair(s); break;
    case StoreButton::Sell: Sell(s); break;
    case StoreButton::BuyPaint: vantoro::BuyPaint(s); break;
    case StoreButton::Previous: PreviousCatalogItem(s); break;
    case StoreButton::Next: NextCatalogItem(s); break;
    case StoreButton::NextPlayer: NextCatalogPlayer(s); break;
    case StoreButton::Purchase: BuyCatalogItem(s); break;
    case StoreButton::Customise: OpenCustomise(s); break;
    case StoreButton::NextChoice: NextCustomChoice(s); break;
    case StoreButton::BuyChoice: BuyCustomisation(s); break;
    default: break;  // the players' rows, above
  }
}

}  // namespace vantoro
