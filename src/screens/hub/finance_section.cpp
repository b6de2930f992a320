#include "screens/hub/finance_section.hpp"

#include <array>
#include <string>

#include "screens/hub/hub_widgets.hpp"
#include "sim/finance_actions.hpp"

namespace vantoro {
namespace {

enum FinancePage { kFundraisePage = 1, kSharesPage, kGamblePage, kBankPage4 };

constexpr Color kLight = Rgb(0xAAFFAA);
constexpr Color kShareBlue = Rgb(0x007799);

constexpr ButtonScheme kSpentScheme{kGreenScheme.Enabled, {Rgb(0x888888), Rgb(0x222222), Rgb(0x888888)}};
constexpr Button<FinanceButton> Left(FinanceButton id, int top, std::string_view label,
                                     ButtonScheme scheme = kSpentScheme) {
  return {id, {135, top, 235, top + 30}, PressRule::Inside, label, 140, top + 5, kHubTextSize, scheme};
}
constexpr std::array<Button<FinanceButton>, 4> kFundraiseButtons = {{
    Left(FinanceButton::Raffle, 200, "  Raffle Turkey"),
    Left(FinanceButton::Donations, 240, "Seek Donations"),
    Left(FinanceButton::Sponsors, 280, "Seek Sponsors"),
    Left(FinanceButton::Bank, 320, "   Visit Bank"),
}};

constexpr Button<FinanceButton> CompanyRow(int n) {
  return ListRow(FinanceButton::Company1, n, 186, 319, 19);
}
constexpr std::array<Button<FinanceButton>, 8> kShareButtons = {{
    CompanyRow(1),
    CompanyRow(2),
    CompanyRow(3),
    CompanyRow(4),
    CompanyRow(5),
    CompanyRow(6),
    {FinanceButton::BuyShare,
     {135, 320, 235, 350},
     PressRule::Inside,
     "  Buy a Share",
     140,
     325,
     kHubTextSize},
    {FinanceButton::SellShare,
     {245, 320, 345, 350},
     PressRule::Inside,
     "  Sell a Share",
     250,
     325,
     kHubTextSize},
}};

constexpr std::array<Button<FinanceButton>, 3> kGambleButtons = {{
    Left(FinanceButton::HorseRacing, 200, " Horse Racing", kGreenScheme),
    Left(FinanceButton::Cards, 240, "   Play Cards", kGreenScheme),
    Left(FinanceButton::SlotMachine, 280, " Slot Machine", kGreenScheme),
}};

constexpr ButtonScheme kLoanScheme{{Rgb(0xFFFF00), Rgb(0x444400), Rgb(0xFFFF00)}, {}};
constexpr std::array<Button<FinanceButton>, 5> kBankButtons = {{
    {FinanceButton::AddTen, {135, 305, 255, 335}, PressRule::Inside, "      ADD $10", 140, 312, kHubTextSize},
    {FinanceButton::Withdraw, {260, 255, 360, 285}, PressRule::Inside, "  WITHDRAW", 265, 262, kHubTextSize},
    {FinanceButton::Deposit, {365, 255, 465, 285}, PressRule::Inside, "  DEPOSIT", 370, 262, kHubTextSize},
    {FinanceButton::SubtractTen,
     {260, 305, 390, 335},
     PressRule::Inside,
     "   SUBTRACT $10",
     265,
     312,
     kHubTextSize},
    {FinanceButton::Loan,
     {400, 305, 480, 335},
     PressRule::Inside,
     "$1000 Loan",
     405,
     312,
     kHubTextSize,
     kLoanScheme},
}};

struct Company {
  std::string_view Label, Heading;
  std::array<std::string_view, 4> Lines;
};
constexpr std::array<Company, kTradedCompanies> kCompanyTable = {{
    {"Walker Industrial:",
     "WALKER INDUSTRIAL",
     {"An automotive manufacturing company, this firm has seen",
      "some striking changes in technology with recent changes",
      "in automatic large-volume production techniques.", "A fairly stable company of late."}},
    {"MainGear Technology:",
     "MAINGEAR TECHNOLOGY",
     {"Once a big mover in the electronics world, this firm",
      "is now digging itself out of a rough spot financially.",
      "Recent patents in electrogel technology have helped to", "boost MainGear back into play."}},
    {"Boron Consolidated:",
     "BORON CONSOLIDATED",
     {"A chemical company that has seen some bad press of late,",
      "Boron Consolidated has seen some difficult times.",
      "The company shares fluctuate from time to time, but", "generally stay within acceptable limits."}},
    {"Praxis Bio-Enterprises:",
     "PRAXIS BIO-ENTERPRISES",
     {"An initial massive boom in interest after this company",
      "declared a breakthrough in medical technology fell through",
      "amid reports of rigged test results and management scandal.",
      "A recently appointed CEO promises sweeping reforms."}},
    {"Geidi Engineering Ltd:",
     "GEIDI ENGINEERING LTD",
     {"Specialising in complex high performance robotic work, ",
      "Geidi Engineering was a high-value low-variance firm for",
      "many years. Once they branched into automotive work their", "share prices shot through the roof."}},
    {"Bladesoft Datasystems:",
     "BLADESOFT DATASYSTEMS",
     {"Responsible for several breakthroughs in AI technology, ",
      "BladeSoft has seen some good movement of late. With their",
      "recent work with Low Orbit Satelite guidance software, they",
      "are becoming a very interesting firm to watch."}},
}};

}  // namespace

std::span<const Button<FinanceButton>> FinanceSection::Buttons(Int page) {
  switch (page.v) {
    case kFundraisePage: return kFundraiseButtons;
    case kSharesPage: return kShareButtons;
    case kGamblePage: return kGambleButtons;
    case kBankPage4: return kBankButtons;
    default: return {};
  }
}

ButtonState FinanceSection::State(const GameState& s, FinanceButton id) {
  switch (id) {
    case FinanceButton::Raffle:
    case FinanceButton::Donations: return GreyUnless(CanFundraise(s));
    case FinanceButton::Sponsors: return GreyUnless(CanSeekSponsors(s));
    case FinanceButton::BuyShare: return GreyUnless(CanBuyShare(s));
    case FinanceButton::SellShare: return GreyUnless(CanSellShare(s));
    case FinanceButton::HorseRacing:
    case FinanceButton::Cards:
    case FinanceButton::SlotMachine: return GreyUnless(CanGamble(s));
    // The counter's buttons are there while the bank is open; the loan
    // only while it can be taken.
    case FinanceButton::AddTen: return ShownIf(BankOpen(s), GreyUnless(CanAddTen(s)));
    case FinanceButton::SubtractTen: return ShownIf(BankOpen(s), GreyUnless(CanSubtractTen(s)));
    case FinanceButton::Withdraw: return ShownIf(BankOpen(s), GreyUnless(CanWithdraw(s)));
    case FinanceButton::Deposit: return ShownIf(BankOpen(s), GreyUnless(CanDeposit(s)));
    case FinanceButton::Loan: return ShownIf(BankOpen(s) && CanTakeLoan(s));
    default: return ButtonState::Enabled;
  }
}

void FinanceSection::DrawPage(Canvas& canvas, Int page) {
  switch (page.v) {
    case kFundraisePage: DrawFundraise(canvas); break;
    case kSharesPage: DrawShares(canvas); break;
    case kGamblePage: DrawGamble(canvas); break;
    case kBankPage4: DrawBank(canvas); break;
    default: break;
  }
  DrawButtons(canvas, ctx_.Fonts, Buttons(page),
              [&](const Button<FinanceButton>& b) { return State(ctx_.State, b.Action); });
}

void FinanceSection::DrawFundraise(Canvas& canvas) {
  const GameState& s = ctx_.State;
  const Font& font = HubFont(ctx_.Fonts, kHubTextSize);
  DrawPanel(canvas, 130, 160, 497, 360);
  DrawPanel(canvas, 130, 380, 497, 480);
  canvas.Picture(498, 160, ctx_.Pictures.Get(PictureId::FinancePicture));
  DrawFitted(canvas, ctx_.Fonts, 135, 385, s.Runtime.HubMessage1, font, kLight, 496);
  DrawFitted(canvas, ctx_.Fonts, 135, 401, s.Runtime.HubMessage2, font, kLight, 496);
  canvas.Text(135, 165, "Please Select a Fundraising Option.", font, kLight);
  static constexpr std::array<std::pair<int, std::string_view>, 8> kNotes = {{
      {200, "Raffling a turkey is a good safe way to raise"},
      {216, "a small amount of operating cash quickly."},
      {240, "Knocking on doors can raise more money,"},
      {256, "but it is tiring and a little demoralising."},
      {280, "If you can get a sponsor, then regular"},
      {296, "inbound cash is great, but it is not easy."},
      {320, "The bank is a good place to get a loan"},
      {336, "and store money, but read the small print."},
  }};
  for (const auto& [y, line] : kNotes) DrawFitted(canvas, ctx_.Fonts, 240, y, line, font, Rgb(0xAAAAAA), 496);
}

void FinanceSection::DrawShares(Canvas& canvas) {
  const GameState& s = ctx_.State;
  const Font& font = HubFont(ctx_.Fonts, kHubTextSize);
  DrawPanel(canvas, 130, 160, 497, 360);
  DrawPanel(canvas, 130, 380, 497, 555);
  DrawPanel(canvas, 488, 380, 770, 555);
  canvas.Picture(498, 160, ctx_.Pictures.Get(PictureId::FinancePicture));
  const Color head = Rgb(0x00FF55);
  canvas.Text(135, 165, "Select Company", font, head);
  canvas.Text(300, 165, "Share Price", font, head);
  canvas.Text(400, 165, "Owned", font, head);
  for (int n = 1; n <= kTradedCompanies; ++n) {
    const int y = 165 + 20 * n;
    const bool chosen = s.Runtime.SelectedCompany == n;
    canvas.Text(135, y, kCompanyTable[static_cast<std::size_t>(n - 1)].Label, font,
                chosen ? Rgb(0x00CCFF) : kShareBlue);
    canvas.Text(320, y, "$" + s.Team.SharePrice[n].Str(), font, kShareBlue);
    canvas.Text(410, y, s.Team.SharesHeld[n].Str(), font, kShareBlue);
  }
  DrawChart(canvas);
  const Int chosen = s.Runtime.SelectedCompany;
  if (InRange(chosen, 1, kTradedCompanies)) {
    const Company& c = kCompanyTable[static_cast<std::size_t>(chosen.v - 1)];
    canvas.Text(135, 385, c.Heading, font, Rgb(0x00CCFF));
    for (std::size_t i = 0; i < c.Lines.size(); ++i)
      canvas.Text(135, 401 + 16 * static_cast<int>(i), c.Lines[i], font, kShareBlue);
  }
}

// Two pixels a month, half a pixel a dollar; a month whose price is not in
// 1..299 leaves a gap, the line going on from the last point drawn.
void FinanceSection::DrawChart(Canvas& canvas) {
  const GameState& s = ctx_.State;
  canvas.Line(510, 538, 510, 382, kShareBlue);
  canvas.Line(510, 538, 760, 538, kShareBlue);
  const Font& font = ctx_.Fonts.Get("Arial", FontSize::Pixels(9));
  canvas.Text(490, 382, "$300", font, kRed);
  canvas.Text(495, 530, "$0", font, kRed);
  canvas.Text(510, 540, "2000", font, kRed);
  canvas.Text(740, 540, "2010", font, kRed);
  const auto& history = s.Team.SharePriceHistory;
  for (int n = 1; n <= kTradedCompanies; ++n) {
    const Color pen = s.Runtime.SelectedCompany == n ? kWhite : kShareBlue;
    // The first month is drawn whatever it holds; far-off values are held near the chart.
    int x = 511, y = (Int(537) - Clamp(history[1][n], -2000, 2000) / 2).v;
    for (int k = 2; k <= 120; ++k) {
      const Int v = history[k][n];
      if (!InRange(v, 1, 299)) continue;
      const int nx = 511 + 2 * k, ny = (Int(537) - v / 2).v;
      canvas.Line(x, y, nx, ny, pen);
      x = nx;
      y = ny;
    }
  }
}

void FinanceSection::DrawGamble(Canvas& canvas) {
  const Font& font = HubFont(ctx_.Fonts, kHubTextSize);
  DrawPanel(canvas, 130, 160, 497, 360);
  DrawPanel(canvas, 240, 160, 497, 360);
  canvas.Picture(498, 160, ctx_.Pictures.Get(PictureId::GamblePicture));
  DrawFitted(canvas, ctx_.Fonts, 135, 165, "Gambling Options", font, kLight, 240);
  static constexpr std::array<std::string_view, 5> kLines = {
      "Be careful while gambling team funds, as", "a responsible manager must ensure that",
      "the best interests of the team are met. ", "Gambling with team money is rarely the",
      "best way to achieve this goal."};
  for (std::size_t i = 0; i < kLines.size(); ++i)
    DrawFitted(canvas, ctx_.Fonts, 245, 200 + 16 * static_cast<int>(i), kLines[i], font, Rgb(0xAAAAAA), 496);
}

void FinanceSection::DrawBank(Canvas& canvas) {
  const GameState& s = ctx_.State;
  const Font& font = HubFont(ctx_.Fonts, kHubTextSize);
  DrawPanel(canvas, 130, 160, 497, 360);
  DrawPanel(canvas, 130, 380, 497, 480);
  canvas.Picture(498, 160, ctx_.Pictures.Get(PictureId::FinancePicture));
  canvas.Text(135, 385, "Current Non-Banked Cash: $" + s.Team.Cash.Str(), font, kLight);
  canvas.Text(135, 410, "Banked Cash and Estimated Monthly Return", font, Rgb(0xAAAAFF));
  canvas.Text(135, 425, "$" + s.Team.BankBalance.Str(), HubFont(ctx_.Fonts, 32), kRed);
  canvas.Text(350, 435, "$" + EstimatedReturn(s).Str() + "/mth", HubFont(ctx_.Fonts, 20), Rgb(0xAA0000));
  if (!BankOpen(s)) {
    canvas.Text(135, 165, "The bank is currently closed.", font, kLight);
    return;
  }
  const Color note = Rgb(0xAAAAFF);
  canvas.Text(135, 165, "THE BANK", font, kLight);
  canvas.Text(135, 185, "Money deposited in the bank is safe from criminal activity.", font, note);
  canvas.Text(135, 200, "All withdrawls incur a $20 processing fee, but the rate", font, note);
  canvas.Text(135, 215, "interest returns 3% per month on all cash deposited.", font, note);
  canvas.Text(135, 230, "Adjust the number below, then select an action.", font, note);
  canvas.Text(135, 255, "$" + s.Runtime.BankAmount.Str(), HubFont(ctx_.Fonts, 22), note);
}

void FinanceSection::OpenGame(ScreenId screen, GambleGame game) {
  if (vantoro::OpenGame(ctx_.State, game)) ctx_.Screens.HandOver(ScreenId::Hub, screen);
}

void FinanceSection::PressPage(int x, int y, Int page) {
  GameState& s = ctx_.State;
  const auto hit =
      HitTest(Buttons(page), x, y, [&](const Button<FinanceButton>& b) { return State(s, b.Action); });
  if (!hit) return;
  if (const int n = RowOf(*hit, FinanceButton::Company1, kTradedCompanies)) return SelectCompany(s, n);
  switch (*hit) {
    case FinanceButton::Raffle: RaffleTurkey(s); break;
    case FinanceButton::Donations: SeekDonations(s); break;
    case FinanceButton::Sponsors: SeekSponsors(s); break;
    case FinanceButton::Bank: VisitBank(s); break;
    case FinanceButton::BuyShare: BuyShare(s); break;
    case FinanceButton::SellShare: SellShare(s); break;
    case FinanceButton::HorseRacing: OpenGame(ScreenId::HorseRacing, GambleGame::HorseRacing); break;
    case FinanceButton::Cards: OpenGame(ScreenId::CardGame, GambleGame::Cards); break;
    case FinanceButton::SlotMachine: OpenGame(ScreenId::SlotMachine, GambleGame::SlotMachine); break;
    case FinanceButton::AddTen: AddTen(s); break;
    case FinanceButton::SubtractTen: SubtractTen(s); break;
    case FinanceButton::Withdraw: Withdraw(s); break;
    case FinanceButton::Deposit: Deposit(s); break;
    case FinanceButton::Loan: TakeLoan(s); break;
    default: break;  // the companies' rows, above
  }
}

}  // namespace vantoro
