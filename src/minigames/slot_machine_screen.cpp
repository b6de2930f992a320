#include "minigames/slot_machine_screen.hpp"

#include <array>
#include <string>

#include "minigames/minigame_kit.hpp"
#include "sim/gambling_rules.hpp"
#include "ui/splash.hpp"

namespace vantoro {
namespace {

constexpr Color kPanelPen = Rgb(0x00AA00), kPanelFill = Rgb(0x004400);
constexpr Color kYellow = Rgb(0xFFFF00);
constexpr ButtonScheme kMachineScheme{{Rgb(0xAAAAFF), Rgb(0x111155), Rgb(0xAAAAFF)}, {}};

// The knob takes the press where it rests; it is drawn lower while it climbs
// back, and grey whenever a pull would do nothing.
constexpr ButtonScheme kKnobScheme{{kYellow, kBlack, std::nullopt}, {Rgb(0x888888), kBlack, std::nullopt}};
// A hold is lit while holds may be chosen; a held reel's box is lit inside.
constexpr ButtonScheme kHoldScheme{{kYellow, kPanelFill, Rgb(0x00FF00)},
                                   {kPanelPen, kPanelFill, Rgb(0x00FF00)}};
constexpr std::array<Button<SlotButton>, 7> kSlotButtons = {{
    {SlotButton::Handle,
     {340, 360, 365, 375},
     PressRule::Inside,
     {},
     0,
     0,
     10,
     kKnobScheme,
     Face::Arial,
     Shape::Ellipse},
    {SlotButton::BuyCredits,
     {110, 350, 220, 380},
     PressRule::Inside,
     "20 Credits / $100",
     114,
     356,
     8,
     kMachineScheme},
    {SlotButton::Hold1, {100, 275, 200, 315}, PressRule::Inside, "    HOLD", 115, 285, 10, kHoldScheme},
    {SlotButton::Hold2, {200, 275, 300, 315}, PressRule::Inside, "    HOLD", 215, 285, 10, kHoldScheme},
    {SlotButton::Hold3, {300, 275, 400, 315}, PressRule::Inside, "    HOLD", 315, 285, 10, kHoldScheme},
    {SlotButton::Refund,
     {110, 400, 220, 430},
     PressRule::Inside,
     "$2/Cred Refund",
     118,
     406,
     8,
     kMachineScheme},
    {SlotButton::Exit, {310, 450, 400, 500}, PressRule::Inside, " EXIT", 312, 455, 24, kExitScheme},
}};

struct PayRow {
  int Y;
  std::array<int, 3> Symbols;
  const char* Caption;
};
constexpr std::array<PayRow, 6> kPayTable = {{
    {80, {1, 7, 9}, "Number Plus Credit Sign = Win that many credits."},
    {150, {3, 3, 3}, "Straight Numbers - Win 25x that number in cash."},
    {230, {5, 5, 5}, "Straight $$$ - Win $500 cash."},
    {310, {6, 6, 6}, "Any 2 Bonus Symbols - Win 2 credits & $10."},
    {390, {8, 8, 8}, "Straight $100 - Win $100 in cash."},
    {470, {7, 7, 7}, "Straight CREDIT - win 10 credits."},
}};

const Image* SymbolPicture(const PictureSet& pictures, Int symbol) {
  return InRange(symbol, 1, kSymbols) ? &pictures.Get(Nth(PictureId::SlotSymbol1, symbol.v)) : nullptr;
}

}  // namespace

std::span<const Button<SlotButton>> SlotMachineScreen::Buttons() { return kSlotButtons; }

ButtonState SlotMachineScreen::State(const GameState& s, SlotButton id) {
  switch (id) {
    case SlotButton::Handle: return GreyUnless(CanPull(s));
    case SlotButton::BuyCredits: return ShownIf(CanBuyCredits(s));
    case SlotButton::Hold1:
    case SlotButton::Hold2:
    case SlotButton::Hold3: return GreyUnless(CanHold(s));
    case SlotButton::Refund: return ShownIf(CanRefund(s));
    case SlotButton::Exit: return ShownIf(CanLeaveSlots(s));
  }
  return ButtonState::Hidden;
}

// How far the knob hangs below its rest while it climbs back.
int SlotMachineScreen::KnobDrop() const { return 15 * Clamp(ctx_.State.Runtime.SpinTicks, 0, 10).v; }

void SlotMachineScreen::Draw(Canvas& canvas) {
  GameState& s = ctx_.State;
  DrawTitleBanner(canvas, ctx_.Fonts, s, kSteadyBlueBanner);
  DrawCabinet(canvas);
  AdvanceSpin(s);
  DrawReels(canvas);
  DrawPayTable(canvas);
  DrawPanels(canvas);
  UpdateSlotMessage(s);
  DrawControls(canvas);
  SettleSpin(s);
  DrawShaft(canvas);
  DrawButtons(canvas, ctx_.Fonts, Buttons(), [&](const Button<SlotButton>& b) {
    ButtonLook look{State(s, b.Action)};
    if (b.Action == SlotButton::Handle) look.Lower = KnobDrop();
    if (const int reel = RowOf(b.Action, SlotButton::Hold1, 3); reel != 0 && s.Runtime.ReelHeld[reel] == 1) {
      look.Colors = look.State == ButtonState::Enabled ? b.Scheme.Enabled : b.Scheme.Grey;
      look.Colors->Fill = Rgb(0x006600);
      look.Colors->Label = kYellow;
    }
    return look;
  });
  AdvanceSplash(s, canvas, kStandardSplash);
}

void SlotMachineScreen::DrawCabinet(Canvas& canvas) {
  GameState& s = ctx_.State;
  canvas.Rectangle(90, 95, 410, 260, kPanelPen, kPanelFill);
  canvas.Rectangle(95, 195, 405, 255, Rgb(0x333388), Rgb(0x000044));
  canvas.Rectangle(95, 100, 405, 190, Rgb(0x333388), kBlack);
  const Color plate = s.Random(100) < 50 ? Rgb(0xAA0000) : Rgb(0xFF0000);
  canvas.Text(100, 105, "        LONGBALLER", ctx_.Fonts.Get("Arial", FontSize::Points(20)), plate);
  const Font& font = ctx_.Fonts.Get("Arial", FontSize::Points(12));
  canvas.Text(100, 150, "Credits:" + s.Runtime.SlotCredits.Str(), font, kWhite);
  canvas.Text(250, 150, "Winnings: $" + s.Runtime.SlotWinnings.Str(), font, kWhite);
}

void SlotMachineScreen::DrawReels(Canvas& canvas) {
  GameState& s = ctx_.State;
  const RuntimeState& r = s.Runtime;
  for (int i = 1; i <= 3; ++i) {
    if (const Image* symbol = SymbolPicture(ctx_.Pictures, r.Reel[i])) canvas.Picture(100 * i, 200, *symbol);
    if (r.SpinTicks >= 1 && r.ReelHeld[i] != 1) {
      const Int roll = s.Random(100) + 1;
      const int frame = Clamp((roll - 1) / 20 + 1, 1, 5).v;
      canvas.Picture(100 * i, 200, ctx_.Pictures.Get(Nth(PictureId::SlotBlur1, frame)));
    }
  }
}

void SlotMachineScreen::DrawPayTable(Canvas& canvas) {
  const Font& font = ctx_.Fonts.Get("Arial", FontSize::Points(10));
  for (const PayRow& row : kPayTable) {
    for (int k = 0; k < 3; ++k) {
      canvas.Picture(
          450 + 100 * k, row.Y,
          ctx_.Pictures.Get(Nth(PictureId::SlotSymbol1, row.Symbols[static_cast<std::size_t>(k)])));
    }
    canvas.Text(453, row.Y + 52, row.Caption, font, kWhite);
  }
}

// The panels behind the buttons, and the handle's base.
void SlotMachineScreen::DrawPanels(Canvas& canvas) {
  canvas.Rectangle(90, 270, 410, 320, kPanelPen, kPanelFill);
  canvas.Rectangle(90, 330, 410, 530, kPanelPen, kPanelFill);
  canvas.Ellipse(345, 420, 360, 440, Rgb(0x005500), Rgb(0x002200));
}

// The handle's shaft, from the knob down into the base, in the knob's pen.
void SlotMachineScreen::DrawShaft(Canvas& canvas) {
  const Button<SlotButton>& knob = *Find(Buttons(), SlotButton::Handle);
  const ButtonColors& look =
      State(ctx_.State, SlotButton::Handle) == ButtonState::Enabled ? knob.Scheme.Enabled : knob.Scheme.Grey;
  canvas.Rectangle(knob.Rect.Left + 10, knob.Rect.Top + 10 + KnobDrop(), knob.Rect.Left + 15, 430, *look.Pen,
                   kBlack);
}

void SlotMachineScreen::DrawControls(Canvas& canvas) {
  const GameState& s = ctx_.State;
  const Font& font = ctx_.Fonts.Get("Arial", FontSize::Points(10));
  canvas.Rectangle(110, 450, 300, 480, kYellow, kBlack);
  canvas.Text(115, 455, s.Runtime.SlotMessage, font, kYellow);
  canvas.Rectangle(110, 490, 300, 520, kYellow, kBlack);
  canvas.Text(115, 495, "Team Cash: $" + s.Team.Cash.Str(), font, kYellow);
}

void SlotMachineScreen::Press(int x, int y) {
  GameState& s = ctx_.State;
  StartSplash(s, x, y);
  const auto hit = HitTest(Buttons(), x, y, [&](const Button<SlotButton>& b) { return State(s, b.Action); });
  if (!hit) return;
  switch (*hit) {
    case SlotButton::Handle: Pull(s); break;
    case SlotButton::BuyCredits: BuyCredits(s); break;
    case SlotButton::Hold1: Hold(s, 1); break;
    case SlotButton::Hold2: Hold(s, 2); break;
    case SlotButton::Hold3: Hold(s, 3); break;
    case SlotButton::Refund: Refund(s); break;
    case SlotButton::Exit:
      if (LeaveSlots(s)) ctx_.Screens.HandOver(ScreenId::SlotMachine, ScreenId::Hub);
      break;
  }
}

}  // namespace vantoro
