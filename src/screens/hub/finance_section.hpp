#pragma once
// FINANCE: fundraising, shares with their price chart, the gambling games,
// and the bank (page 4, reached from fundraising).

#include <span>

#include "screens/hub/hub_section.hpp"

namespace vantoro {

enum class GambleGame;

enum class FinanceButton {
  Raffle,
  Donations,
  Sponsors,
  Bank,
  Company1,
  Company2,
  Company3,
  Company4,
  Company5,
  Company6,
  BuyShare,
  SellShare,
  HorseRacing,
  Cards,
  SlotMachine,
  AddTen,
  SubtractTen,
  Withdraw,
  Deposit,
  Loan,
};

class FinanceSection final : public HubSection {
 public:
  explicit FinanceSection(ScreenContext context) : ctx_(context) {}
  void DrawPage(Canvas& canvas, Int page) override;
  void PressPage(int x, int y, Int page) override;
  static std::span<const Button<FinanceButton>> Buttons(Int page);
  // What a button shows in this state of the game.
  static ButtonState State(const GameState& s, FinanceButton id);

 private:
  void DrawFundraise(Canvas& canvas);
  void DrawShares(Canvas& canvas);
  void DrawChart(Canvas& canvas);
  void DrawGamble(Canvas& canvas);
  void DrawBank(Canvas& canvas);
  void OpenGame(ScreenId screen, GambleGame game);

  ScreenContext ctx_;
};

}  // namespace vantoro
