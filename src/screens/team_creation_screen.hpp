#pragma once
// Team creation: roll a squad as often as wanted, choose the league's
// length, field type and game type, then commit into the hub, or load the
// saved game instead.

#include <span>

#include "sim/creation_actions.hpp"
#include "ui/canvas.hpp"
#include "ui/screen.hpp"
#include "ui/screen_context.hpp"

namespace vantoro {

enum class CreationButton { Create, LoadGame, Commit, FieldType, GameType, GameLength };

class TeamCreationScreen final : public Screen {
 public:
  explicit TeamCreationScreen(ScreenContext context);
  static std::span<const Button<CreationButton>> Buttons();
  // What a button shows in this state of the game.
  static ButtonState State(const GameState& s, CreationButton id);
  void Draw(Canvas& canvas) override;
  void Press(int x, int y) override;
  // Its background fills the frame, unless a replaced picture is smaller.
  bool CoversFrame() const override {
    const Image& background = ctx_.Pictures.Get(PictureId::Creation);
    return background.Width >= Canvas::kWidth && background.Height >= Canvas::kHeight;
  }

  // The intro has finished once the counter reaches this.
  static constexpr int kIntroDone = kCreationIntroDone;

 private:
  void DrawIntro(Canvas& canvas);
  void DrawWelcome(Canvas& canvas);
  void DrawTitle(Canvas& canvas);
  void DrawButtons(Canvas& canvas);
  void DrawSquad(Canvas& canvas);
  void DrawSplash(Canvas& canvas);
  void LoadSavedGame();

  ScreenContext ctx_;
  const Font& text12_;
  const Font& text10_;
  const Font& title24_;
};

// The colour of the bouncing title: the decimal digits of the two bars read
// as hexadecimal red and green, blue 0x10 (bars 50 and 75 give #755010).
Color CreationTitleColor(Int barA, Int barB);

}  // namespace vantoro
