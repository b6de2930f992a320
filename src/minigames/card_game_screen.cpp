#include "minigames/card_game_screen.hpp"

#include <array>

#include "minigames/minigame_kit.hpp"
#include "sim/gambling_rules.hpp"
#include "ui/splash.hpp"

namespace vantoro {
namespace {

constexpr Color kLabel = Rgb(0xBBAA99);
constexpr ButtonColors kBetColors{Rgb(0x883333), Rgb(0x440000), Rgb(0xAA5555)};

constexpr std::array<Button<CardButton>, 6> kCardButtons = {{
    BetDigitButton(CardButton::Hundreds, 0, 100, kBetColors),
    BetDigitButton(CardButton::Tens, 1, 100, kBetColors),
    BetDigitButton(CardButton::Units, 2, 100, kBetColors),
    {CardButton::Go,
     {550, 100, 650, 150},
     PressRule::Inside,
     " GO!",
     555,
     105,
     kBetPoints,
     ButtonScheme{kBetColors, kBetGreyScheme.Enabled}},
    {CardButton::Hit, {600, 200, 750, 250}, PressRule::Inside, "    HIT", 605, 205, 24, kGreenScheme},
    {CardButton::StandOrExit, {600, 260, 750, 310}, PressRule::Inside, " STAND", 605, 265, 24, kGreenScheme},
}};

}  // namespace

std::span<const Button<CardButton>> CardGameScreen::Buttons() { return kCardButtons; }

ButtonState CardGameScreen::State(const GameState& s, CardButton id) {
  const Int state = s.Runtime.CardState;
  switch (id) {
    case CardButton::Hundreds:
    case CardButton::Tens:
    case CardButton::Units: return GreyUnless(CanChangeCardBet(s));
    case CardButton::Go: return GreyUnless(CanDeal(s));
    case CardButton::Hit: return ShownIf(InRange(state, 1, 74), GreyUnless(CanHit(s)));
    // STAND while the hand is in play; EXIT once the player is done, which
    // works once the house is.
    case CardButton::StandOrExit:
      if (InRange(state, 1, 74)) return GreyUnless(HandInPlay(s));
      return ShownIf(state > 74, GreyUnless(CanLeaveCards(s)));
  }
  return ButtonState::Hidden;
}

void CardGameScreen::Draw(Canvas& canvas) {
  GameState& s = ctx_.State;
  DrawTitleBanner(canvas, ctx_.Fonts, s, kRedBanner);
  DrawBet(canvas);
  canvas.Text(110, 70,
              "Closest to 21 without going over wins. Aces are valued at 1. Maximum 5 cards. Dealer wins if "
              "totals match.",
              ctx_.Fonts.Get("Arial", FontSize::Points(10)), kRed);
  const Int houseShown = PlayCardTick(s);
  DrawHands(canvas, houseShown);
  const RuntimeState& r = s.Runtime;
  DrawDollarBox(canvas, ctx_.Fonts, Buttons(), State(s, CardButton::Hundreds));
  DrawButtons(canvas, ctx_.Fonts, Buttons(), [&](const Button<CardButton>& b) {
    ButtonLook look{State(s, b.Action)};
    if (b.Action == CardButton::StandOrExit && r.CardState > 74) look.Label = "   EXIT";
    if (const std::optional<Int> digit =
            BetDigitOf(b.Action, {r.CardBetHundreds, r.CardBetTens, r.CardBetUnits}))
      look.Label = digit->Str();
    return look;
  });
  // Over the buttons' edge: a fifth card reaches under HIT and STAND.
  DrawCards(canvas);
  AdvanceSplash(s, canvas, kStandardSplash);
}

void CardGameScreen::DrawBet(Canvas& canvas) {
  const GameState& s = ctx_.State;
  const Font& font = ctx_.Fonts.Get("Arial", FontSize::Points(kBetPoints));
  canvas.Text(35, 105, "Bet", font, kLabel, kBlack);
  canvas.Text(35, 514, "Team Cash: $" + s.Team.Cash.Str(), font, kLabel, kBlack);
}

void CardGameScreen::DrawHands(Canvas& canvas, Int houseShown) {
  const RuntimeState& r = ctx_.State.Runtime;
  const Font& small = ctx_.Fonts.Get("Arial", FontSize::Points(12));
  const Font& big = ctx_.Fonts.Get("Arial", FontSize::Points(28));
  canvas.Text(10, 250, "PLAYER", small, Rgb(0x4444FF));
  canvas.Text(10, 270, r.PlayerTotal.Str(), big, Rgb(0x4444FF));
  canvas.Text(10, 400, "HOUSE", small, Rgb(0xFF4444));
  canvas.Text(10, 420, houseShown.Str(), big, Rgb(0xFF4444));
  const Font& message = ctx_.Fonts.Get("Arial", FontSize::Points(14));
  if (r.CardState == 75) canvas.Text(590, 170, "BUST!", message, kRed);
  if (r.CardState == 88) canvas.Text(590, 170, "YOU LOSE!", message, kRed);
  if (r.CardState > 90) canvas.Text(590, 170, "YOU WIN!", message, Rgb(0x008000));
}

void CardGameScreen::DrawCards(Canvas& canvas) {
  const RuntimeState& r = ctx_.State.Runtime;
  if (!(r.CardState > 1)) return;
  const auto hand = [&](const Ints5& cards, Int count, int y) {
    for (int i = 1; i <= Clamp(count, 0, kMostCards).v; ++i) {
      if (InRange(cards[i], 1, 13))
        canvas.Picture(100 * i, y, ctx_.Pictures.Get(Nth(PictureId::Card1, cards[i].v)));
    }
  };
  hand(r.PlayerCards, r.PlayerCardCount, 200);
  hand(r.HouseCards, r.HouseCardCount, 350);
}

void CardGameScreen::Press(int x, int y) {
  GameState& s = ctx_.State;
  StartSplash(s, x, y);
  const auto hit = HitTest(Buttons(), x, y, [&](const Button<CardButton>& b) { return State(s, b.Action); });
  if (!hit) return;
  switch (*hit) {
    case CardButton::Hundreds: BumpCardDigit(s, 0); break;
    case CardButton::Tens: BumpCardDigit(s, 1); break;
    case CardButton::Units: BumpCardDigit(s, 2); break;
    case CardButton::Go: PlaceCardBet(s); break;
    case CardButton::Hit: Hit(s); break;
    case CardButton::StandOrExit:
      if (StandOrLeave(s)) ctx_.Screens.HandOver(ScreenId::CardGame, ScreenId::Hub);
      break;
  }
}

}  // namespace vantoro
