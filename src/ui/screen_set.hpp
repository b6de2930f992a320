#pragma once
// The twelve screens of the game, which one is visible, their ticks, the
// hand-over between them and the title screen's return rule.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "state/game_state.hpp"
#include "ui/canvas.hpp"
#include "ui/pictures.hpp"
#include "ui/platform.hpp"
#include "ui/scheduler.hpp"
#include "ui/screen.hpp"
#include "ui/session_tape.hpp"

namespace vantoro {

// What is fixed about each screen: its name, its caption and its ticks.
struct ScreenEntry {
  std::string_view Name;     // as the driver writes it: "team-creation"
  std::string_view Caption;  // the window's caption while the screen shows
  int PeriodMs;
  int EventPeriodMs;  // 0: no event tick
};

// In creation order.
inline constexpr std::array<ScreenEntry, kScreenCount> kScreenTable = {{
    {"title", "Vantoro (3)", 25, 0},
    {"team-creation", "Team Creation", 35, 0},
    {"hub", "Vantoro (3)", 50, 0},
    {"horse-racing", "Vantoro (3)", 50, 0},
    {"card-game", "Vantoro (3)", 50, 0},
    {"slot-machine", "Vantoro (3)", 50, 0},
    {"end-of-month", "End of Month", 50, 0},
    {"tournament", "The Tournament", 50, 0},
    {"match", "Playing!", 50, 1500},
    {"result", "Game Ends", 50, 0},
    {"league-end", "LEAGUE ENDS!", 50, 0},
    {"team-breakup", "TEAM BREAKUP!", 50, 0},
}};

inline constexpr std::string_view kApplicationTitle = "Vantoro";

// A message box drawn in the frame, for where the desktop can show none:
// the title, the text wrapped to the box, and a hint on what ends it.
// Without a font only the box is drawn.
void DrawNoticeBox(Canvas& canvas, const Font* font, std::string_view title, std::string_view text,
                   std::string_view hint);

// Presses reach a screen only inside this area from the frame's origin; the
// title screen's area is its picture.
inline constexpr int kPressAreaWidth = 785;
inline constexpr int kPressAreaHeight = 569;
inline constexpr int kTitleWidth = 785;
inline constexpr int kTitleHeight = 572;

struct FrameOrigin {
  int Left = 0;
  int Top = 0;
};

class ScreenSet {
 public:
  ScreenSet(GameState& state, Platform& platform);

  void Install(ScreenId id, std::unique_ptr<Screen> screen);
  // Shows the title screen and starts its tick: the state at program start.
  void Start(std::int64_t now);

  // Delivers every tick due at or before `now`, one at a time.
  void RunDue(std::int64_t now);
  std::optional<std::int64_t> NextDue() const { return scheduler_.NextDue(); }
  // The earliest due tick that a waiting program must wake for: the hidden
  // title's tick, while another screen shows, only moves the generator and
  // can wait until the program wakes for something else.
  std::optional<std::int64_t> NextWake() const;
  // Delivers every tick due at or before `until`, each at its own due time,
  // as if the program had woken for each: for ticks that fell due while it
  // slept on purpose, so that none is taken for late.
  void CatchUp(std::int64_t until);
  std::int64_t Now() const { return now_; }

  // Mouse input at window coordinates (physical pixels). Screens act on the press; the title
  // screen acts on a completed click (press and release on its picture).
  void MouseDown(int windowX, int windowY);
  void MouseUp(int windowX, int windowY);
  // The player closed the visible screen's window.
  void CloseVisible();
  bool QuitRequested() const { return quit_; }

  // The ways from one screen to another. Each stops the leaving screen's
  // ticks, hides it, shows the next screen and starts its ticks; the caller
  // then sets what the next screen expects.
  void HandOver(ScreenId from, ScreenId to);
  // The title's own tick keeps running while it is hidden: it is the return
  // rule that brings the title back when no screen shows.
  void LeaveTitle(ScreenId to);
  // The title's tick is running already.
  void ReturnToTitle(ScreenId from);

  void StartTicks(ScreenId id);
  void StopTicks(ScreenId id);

  bool Visible(ScreenId id) const { return slots_[Index(id)].Visible; }
  std::optional<ScreenId> VisibleScreen() const;
  bool TickRunning(ScreenId id, TickKind kind = TickKind::Drawing) const;
  Screen* Get(ScreenId id) { return slots_[Index(id)].Instance.get(); }
  Platform& GetPlatform() { return platform_; }
  // A message the player must read (file errors): in the desktop's own box,
  // or, where none can open, in a box over the frame that the next press
  // dismisses (that press does nothing else).
  void ShowMessage(std::string_view title, std::string_view text);
  bool NoticeShowing() const { return notice_.has_value(); }
  // The face of the in-frame box; without one the box shows no text.
  void SetNoticeFont(const Font* font) { noticeFont_ = font; }
  GameState& State() { return state_; }
  // The pictures the screens draw from: after each frame shown, those long
  // unseen may be let go (none: all are kept).
  void SetPictures(PictureSet* pictures) { pictures_ = pictures; }
  // Where what comes from outside is noted (a recording) or read back (a
  // playback); none by default.
  void SetTape(SessionTape* tape) { tape_ = tape; }

  // Where the screen's frame and press area were last put.
  FrameOrigin OriginOf(ScreenId id) const { return slots_[Index(id)].Origin; }
  // Whether the title picture was sized to the whole frame when placed.
  bool TitleSized() const { return titleSized_; }

  static FrameOrigin OriginFor(ClientSize client);
  // A window large enough for two or more frames shows each frame pixel as
  // a square of this many window pixels; every rule of the frame then holds
  // in the window's logical pixels.
  static int ScaleFor(ClientSize client);
  static ClientSize LogicalSize(ClientSize client);
  int Scale() const { return ScaleFor(platform_.GetClientSize()); }

 private:
  struct Slot {
    std::unique_ptr<Screen> Instance;
    bool Visible = false;
    FrameOrigin Origin;  // where the frame and the press area were last put
  };
  static int Index(ScreenId id) { return static_cast<int>(id); }
  void Show(ScreenId id);
  void Hide(ScreenId id);
  void DeliverTick(TickKey key);
  void TitleTick();
  void PlaceTitle(ClientSize client);
  // Where the title goes in a window of this size, as PlaceTitle, but
  // without a word to the game.
  void FitTitle(ClientSize client);
  void ScreenTick(ScreenId id);
  void PresentTitle();
  bool InPressArea(ScreenId id, int windowX, int windowY, int& frameX, int& frameY) const;
  void DrawNotice();
  void PresentCanvas(FrameOrigin origin);
  // What a press, a release and a close do, between the tape's notes.
  void Pressed(int windowX, int windowY);
  void Released(int windowX, int windowY);
  void Close();

  struct Notice {
    std::string Title, Text;
  };

  GameState& state_;
  Platform& platform_;
  TickScheduler scheduler_;
  Canvas canvas_;
  PictureSet* pictures_ = nullptr;
  SessionTape* tape_ = nullptr;
  std::array<Slot, kScreenCount> slots_;
  std::int64_t now_ = 0;
  bool quit_ = false;
  bool titleSized_ = false;                  // title picture stretched to the whole frame
  ClientSize titleClient_;                   // the window size the title was placed for
  std::optional<ClientSize> titleShownFor_;  // and the one it was last presented for
  bool titleDirty_ = true;                   // title frame must be presented again
  bool titleClickArmed_ = false;
  std::optional<Notice> notice_;
  const Font* noticeFont_ = nullptr;
};

}  // namespace vantoro
