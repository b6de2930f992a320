#include "minigames/horse_racing_screen.hpp"

#include <array>
#include <string>

#include "minigames/minigame_kit.hpp"
#include "sim/gambling_rules.hpp"
#include "ui/splash.hpp"

namespace vantoro {
namespace {

constexpr Color kGreen = Rgb(0x55AA55);
constexpr Color kRaceLabel = Rgb(0xBBAA99);
constexpr ButtonColors kHorseBetColors{Rgb(0x00AAFF), Rgb(0x005599), Rgb(0x00AAFF)};
constexpr ButtonScheme kBetScheme{kHorseBetColors, kBetGreyScheme.Enabled};
constexpr ButtonScheme kGoScheme{{Rgb(0x00FFAA), Rgb(0x009955), Rgb(0x00FFAA)}, kBetGreyScheme.Enabled};

constexpr std::array<Button<RaceButton>, 6> kRaceButtons = {{
    BetDigitButton(RaceButton::Hundreds, 0, 150, kHorseBetColors),
    BetDigitButton(RaceButton::Tens, 1, 150, kHorseBetColors),
    BetDigitButton(RaceButton::Units, 2, 150, kHorseBetColors),
    {RaceButton::Horse, {470, 150, 520, 200}, PressRule::Inside, {}, 485, 155, kBetPoints, kBetScheme},
    {RaceButton::Go, {550, 150, 650, 200}, PressRule::Inside, " GO!", 555, 155, kBetPoints, kGoScheme},
    {RaceButton::Exit, {680, 530, 780, 560}, PressRule::Inside, "   Exit Racing", 685, 537, 10, kExitScheme},
}};

constexpr std::array<Color, kHorses> kLaneColors = {Rgb(0x0055FF), Rgb(0x0077DD), Rgb(0x0099BB),
                                                    Rgb(0x00BB99), Rgb(0x00DD77), Rgb(0x00FF55)};

}  // namespace

std::span<const Button<RaceButton>> HorseRacingScreen::Buttons() { return kRaceButtons; }

ButtonState HorseRacingScreen::State(const GameState& s, RaceButton id) {
  switch (id) {
    case RaceButton::Hundreds:
    case RaceButton::Tens:
    case RaceButton::Units:
    case RaceButton::Horse: return GreyUnless(CanChangeRaceBet(s));
    case RaceButton::Go: return GreyUnless(CanStartRace(s));
    case RaceButton::Exit: return ButtonState::Enabled;
  }
  return ButtonState::Hidden;
}

void HorseRacingScreen::Draw(Canvas& canvas) {
  GameState& s = ctx_.State;
  canvas.FillRect(0, 0, 800, 70, Rgb(0x000033));
  canvas.FillRect(0, 110, 800, 115, Rgb(0x000033));
  DrawTitleBanner(canvas, ctx_.Fonts, s, kGreenBanner);
  ResetRaceIfAsked(s);
  DrawTrackside(canvas);
  DrawTrack(canvas);
  DrawBet(canvas);
  DrawHorses(canvas);
  SettleRace(s);
  DrawResult(canvas);
  AdvanceSplash(s, canvas, kStandardSplash);
}

void HorseRacingScreen::DrawTrackside(Canvas& canvas) {
  Int& x = ctx_.State.Runtime.TracksideX;
  canvas.Text(Clamp(x, -1000, 1000).v, 70, "TRACKSIDE", ctx_.Fonts.Get("Arial", FontSize::Points(28)), kGreen,
              kBlack);
  // The banner scrolls on every tick; it only moves a picture.
  x -= 2;
  if (x <= -250) x = 795;
  for (int y : {67, 110, 115}) canvas.Line(0, y, 800, y, Rgb(0x338833));
}

void HorseRacingScreen::DrawTrack(Canvas& canvas) {
  const Font& font = ctx_.Fonts.Get("Arial", FontSize::Points(28));
  for (int k = 0; k < kHorses; ++k) {
    canvas.Rectangle(50, 244 + 45 * k, 750, 289 + 45 * k, Rgb(0x222222), kBlack);
    canvas.Text(10, 244 + 45 * k, std::to_string(k + 1), font, kLaneColors[static_cast<std::size_t>(k)]);
  }
  canvas.Line(745, 244, 745, 514, Rgb(0x444444));
}

void HorseRacingScreen::DrawBet(Canvas& canvas) {
  const GameState& s = ctx_.State;
  const Font& font = ctx_.Fonts.Get("Arial", FontSize::Points(28));
  canvas.Text(35, 155, "Bet", font, kRaceLabel);
  canvas.Text(310, 155, "on horse", font, kRaceLabel);
  canvas.Text(35, 514, "Team Cash: $" + s.Team.Cash.Str(), font, kRaceLabel);
  const RuntimeState& r = s.Runtime;
  // Drawn before the horses run, in the state the tick found.
  DrawDollarBox(canvas, ctx_.Fonts, Buttons(), State(s, RaceButton::Hundreds));
  DrawButtons(canvas, ctx_.Fonts, Buttons(), [&](const Button<RaceButton>& b) {
    ButtonLook look{State(s, b.Action)};
    if (b.Action == RaceButton::Horse) look.Label = r.BetHorse.Str();
    if (const std::optional<Int> digit = BetDigitOf(b.Action, {r.BetHundreds, r.BetTens, r.BetUnits}))
      look.Label = digit->Str();
    return look;
  });
}

void HorseRacingScreen::DrawHorses(Canvas& canvas) {
  GameState& s = ctx_.State;
  const Image& standing = ctx_.Pictures.Get(PictureId::HorseStanding);
  const Image& gallop = ctx_.Pictures.Get(PictureId::HorseGallop1);
  const Image& stretch = ctx_.Pictures.Get(PictureId::HorseGallop2);
  for (int h = 1; h <= kHorses; ++h) {
    const int x = Clamp(s.Runtime.HorseX[h] + 55, -1000, 1000).v, y = 200 + 45 * h;
    switch (LookOf(s, h)) {
      case HorseLook::None: break;
      case HorseLook::Standing: canvas.Picture(x, y, standing); break;
      case HorseLook::Gallop: canvas.Picture(x, y, gallop); break;
      case HorseLook::Stretch:
        canvas.Picture(x, y, gallop);
        canvas.Picture(x, y, stretch);
        break;
    }
    RunHorse(s, h);
  }
}

void HorseRacingScreen::DrawResult(Canvas& canvas) {
  const RuntimeState& r = ctx_.State.Runtime;
  if (r.RaceState != kRaceOver) return;
  canvas.Ellipse(300, 300, 500, 500, Rgb(0xFF0000), kBlack);
  const Font& font = ctx_.Fonts.Get("Arial", FontSize::Points(35));
  if (r.BetHorse == r.RaceWinner) {
    canvas.Text(350, 380, "WIN!", font, Rgb(0x00FF00));
  } else {
    canvas.Text(330, 380, " LOSS", font, Rgb(0xFF0000));
  }
}

void HorseRacingScreen::Press(int x, int y) {
  GameState& s = ctx_.State;
  StartSplash(s, x, y);
  const auto hit = HitTest(Buttons(), x, y, [&](const Button<RaceButton>& b) { return State(s, b.Action); });
  if (!hit) return;
  switch (*hit) {
    case RaceButton::Hundreds: BumpRaceDigit(s, 0); break;
    case RaceButton::Tens: BumpRaceDigit(s, 1); break;
    case RaceButton::Units: BumpRaceDigit(s, 2); break;
    case RaceButton::Horse: NextBetHorse(s); break;
    case RaceButton::Go: StartRace(s); break;
    case RaceButton::Exit:
      ctx_.Screens.HandOver(ScreenId::HorseRacing, ScreenId::Hub);
      LeaveRacing(s);
      break;
  }
}

}  // namespace vantoro
