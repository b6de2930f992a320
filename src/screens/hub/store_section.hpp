#pragma once
// STORE: the players' markers (repair and sell), paint, the catalogue of new
// markers, and the customisations (page 4, reached from the catalogue).

#include <span>

#include "screens/hub/hub_section.hpp"

namespace vantoro {

enum class StoreButton {
  Player1,
  Player2,
  Player3,
  Player4,
  Player5,
  Player6,
  Player7,
  Repair,
  Sell,
  BuyPaint,
  Previous,
  Next,
  NextPlayer,
  Purchase,
  Customise,
  NextChoice,
  BuyChoice,
};

class StoreSection final : public HubSection {
 public:
  explicit StoreSection(ScreenContext context) : ctx_(context) {}
  void DrawPage(Canvas& canvas, Int page) override;
  void PressPage(int x, int y, Int page) override;
  static std::span<const Button<StoreButton>> Buttons(Int page);
  // What a button shows in this state of the game.
  static ButtonState State(const GameState& s, StoreButton id);

 private:
  void DrawMarkers(Canvas& canvas);
  void DrawMarkerPanel(Canvas& canvas);
  void DrawPaint(Canvas& canvas);
  void DrawCatalog(Canvas& canvas);
  void DrawCatalogPlayer(Canvas& canvas);
  void DrawCustomise(Canvas& canvas);

  ScreenContext ctx_;
};

}  // namespace vantoro
