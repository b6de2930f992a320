#include "ui/screen_set.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/headless_platform.hpp"
#include "ui/splash.hpp"

namespace vantoro {
namespace {

// Records what reaches it: presses and ticks.
class RecordingScreen final : public Screen {
 public:
  explicit RecordingScreen(std::vector<std::string>& log, std::string name)
      : log_(log), name_(std::move(name)) {}
  void Draw(Canvas& canvas) override {
    log_.push_back(name_ + " tick");
    canvas.Pixel(0, 0, kWhite);
  }
  void EventTick() override { log_.push_back(name_ + " event"); }
  void Press(int x, int y) override {
    log_.push_back(name_ + " press " + std::to_string(x) + "," + std::to_string(y));
  }

 private:
  std::vector<std::string>& log_;
  std::string name_;
};

// Where the title should be for a window: its origin and scale as every
// frame's, its picture stretched to the whole frame on a wide window.
struct TitlePlace {
  int w, h, scale, left, top;
  bool stretched;
};

class ScreenSetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform.EchoMessages = false;
    for (int i = 0; i < kScreenCount; ++i) {
      screens.Install(static_cast<ScreenId>(i),
                      std::make_unique<RecordingScreen>(
                          log, std::string(kScreenTable[static_cast<std::size_t>(i)].Name)));
    }
    screens.Start(0);
  }
  void Press(int wx, int wy) {
    screens.MouseDown(wx, wy);
    screens.MouseUp(wx, wy);
  }
  void OpenFromTitle(ScreenId id) { screens.LeaveTitle(id); }
  std::vector<std::string> TakeLog() { return std::exchange(log, {}); }
  void ExpectTitleAt(const TitlePlace& place);

  GameState state;
  HeadlessPlatform platform;
  ScreenSet screens{state, platform};
  std::vector<std::string> log;
};

TEST_F(ScreenSetTest, FrameOriginFollowsTheClientSize) {
  struct Case {
    int w, h, left, top;
  };
  for (const Case c : {Case{1024, 740, 112, 70}, Case{800, 600, 0, 0}, Case{640, 480, -80, -60},
                       Case{801, 601, 0, 0}, Case{0, 0, -400, -300}}) {
    const FrameOrigin o = ScreenSet::OriginFor({c.w, c.h});
    EXPECT_EQ(o.Left, c.left) << c.w;
    EXPECT_EQ(o.Top, c.top) << c.h;
  }
}

TEST_F(ScreenSetTest, LargeWindowsScaleTheFrameByWholeFactors) {
  struct Case {
    int w, h, scale, left, top;
  };
  for (const Case c : {Case{1599, 1200, 1, 399, 300}, Case{1600, 1199, 1, 400, 299},
                       Case{1600, 1200, 2, 0, 0}, Case{1920, 1080, 1, 560, 240}, Case{2560, 1440, 2, 240, 60},
                       Case{3200, 2400, 4, 0, 0}, Case{0, 0, 1, -400, -300}}) {
    EXPECT_EQ(ScreenSet::ScaleFor({c.w, c.h}), c.scale) << c.w << "x" << c.h;
    const FrameOrigin o = ScreenSet::OriginFor(ScreenSet::LogicalSize({c.w, c.h}));
    EXPECT_EQ(o.Left, c.left) << c.w;
    EXPECT_EQ(o.Top, c.top) << c.h;
  }
}

TEST_F(ScreenSetTest, PressesAreDividedByTheScaleBeforeTheyReachAScreen) {
  platform.SetClientSize({2560, 1440});
  OpenFromTitle(ScreenId::Hub);
  TakeLog();
  // Frame point (100, 50) is window pixels 680..681 x 220..221.
  Press(681, 221);
  Press(680, 220);
  Press(479, 119);  // just left of and above the frame
  screens.RunDue(50);
  const auto fired = TakeLog();
  ASSERT_GE(fired.size(), 3U);
  EXPECT_EQ(fired[0], "hub press 100,50");
  EXPECT_EQ(fired[1], "hub press 100,50");
  EXPECT_EQ(fired[2], "hub tick");
  EXPECT_EQ(platform.LastScale(), 2);
}

TEST_F(ScreenSetTest, HandOverStopsShowsAndStartsInOrder) {
  EXPECT_EQ(platform.Caption(), "Vantoro (3)");
  OpenFromTitle(ScreenId::TeamCreation);
  EXPECT_FALSE(screens.Visible(ScreenId::Title));
  EXPECT_TRUE(screens.Visible(ScreenId::TeamCreation));
  EXPECT_EQ(platform.Caption(), "Team Creation");
  EXPECT_TRUE(screens.TickRunning(ScreenId::TeamCreation));
  screens.HandOver(ScreenId::TeamCreation, ScreenId::Match);
  EXPECT_FALSE(screens.TickRunning(ScreenId::TeamCreation));
  EXPECT_TRUE(screens.TickRunning(ScreenId::Match, TickKind::Event));
  TakeLog();
  screens.RunDue(1500);
  const auto fired = TakeLog();
  // Thirty drawing ticks, then at 1500 the drawing tick before the event tick.
  ASSERT_GE(fired.size(), 2U);
  EXPECT_EQ(fired[fired.size() - 2], "match tick");
  EXPECT_EQ(fired.back(), "match event");
}

TEST_F(ScreenSetTest, LeavingAndReturningToTheTitleKeepItsTickRunning) {
  OpenFromTitle(ScreenId::Hub);
  EXPECT_TRUE(screens.TickRunning(ScreenId::Title));
  EXPECT_TRUE(screens.TickRunning(ScreenId::Hub));
  screens.ReturnToTitle(ScreenId::Hub);
  EXPECT_EQ(screens.VisibleScreen(), ScreenId::Title);
  EXPECT_EQ(platform.Caption(), "Vantoro (3)");
  EXPECT_FALSE(screens.TickRunning(ScreenId::Hub));
  EXPECT_TRUE(screens.TickRunning(ScreenId::Title));
  TakeLog();
  screens.RunDue(100);
  for (const std::string& line : TakeLog()) EXPECT_EQ(line.rfind("hub", 0), std::string::npos) << line;
}

TEST_F(ScreenSetTest, ClosingAScreenBringsTheTitleBackWithinOneTitleTick) {
  screens.RunDue(25);
  OpenFromTitle(ScreenId::Hub);
  screens.StartTicks(ScreenId::EndOfMonth);  // a stray tick that the rule must stop too
  screens.RunDue(100);
  screens.CloseVisible();
  EXPECT_FALSE(screens.VisibleScreen().has_value());
  screens.RunDue(125);
  EXPECT_EQ(screens.VisibleScreen(), ScreenId::Title);
  EXPECT_EQ(platform.Caption(), "Vantoro (3)");
  for (int i = 1; i < kScreenCount; ++i) EXPECT_FALSE(screens.TickRunning(static_cast<ScreenId>(i))) << i;
  EXPECT_TRUE(screens.TickRunning(ScreenId::Title));
  // Closing the title ends the program; the match ignores its close button.
  screens.CloseVisible();
  EXPECT_TRUE(screens.QuitRequested());
}

TEST_F(ScreenSetTest, MatchIgnoresCloseAndPresses) {
  OpenFromTitle(ScreenId::Match);
  screens.RunDue(50);
  TakeLog();
  screens.CloseVisible();
  Press(112 + 100, 84 + 100);
  EXPECT_EQ(screens.VisibleScreen(), ScreenId::Match);
  EXPECT_TRUE(TakeLog().empty());
  EXPECT_FALSE(screens.QuitRequested());
}

TEST_F(ScreenSetTest, PressAreaStopsShortOfTheFrameEdge) {
  platform.SetClientSize({1024, 768});  // origin (112, 84)
  OpenFromTitle(ScreenId::Hub);
  screens.RunDue(50);
  TakeLog();
  for (auto [x, y] : {std::pair{0, 0}, {784, 568}, {785, 100}, {100, 569}, {790, 300}, {-1, 10}}) {
    Press(112 + x, 84 + y);
  }
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"hub press 0,0", "hub press 784,568"}));
}

TEST_F(ScreenSetTest, TitleTakesClicksOnItsPictureOnly) {
  struct Case {
    int clientWidth;
    bool reachesFrame790;
  };
  for (const Case c : {Case{800, false}, Case{1024, true}}) {
    state.Runtime.TitlePlaced = 0;
    platform.SetClientSize({c.clientWidth, 768});
    screens.RunDue(screens.Now() + 25);  // places the title
    const FrameOrigin o = screens.OriginOf(ScreenId::Title);
    TakeLog();
    Press(o.Left + 790, o.Top + 300);
    Press(o.Left + 10, o.Top + 571);
    Press(o.Left + 10, o.Top + 590);
    const auto presses = TakeLog();
    EXPECT_EQ(presses.size(), c.reachesFrame790 ? 3U : 1U) << c.clientWidth;
  }
  // A click is a press and a release on the picture.
  screens.MouseDown(-50, -50);
  screens.MouseUp(120, 90);
  EXPECT_TRUE(TakeLog().empty());
}

void ScreenSetTest::ExpectTitleAt(const TitlePlace& p) {
  SCOPED_TRACE(std::to_string(p.w) + "x" + std::to_string(p.h));
  EXPECT_EQ(screens.OriginOf(ScreenId::Title).Left, p.left);
  EXPECT_EQ(screens.OriginOf(ScreenId::Title).Top, p.top);
  EXPECT_EQ(screens.TitleSized(), p.stretched);
  // Shown there...
  EXPECT_EQ(platform.LastLeft(), p.left);
  EXPECT_EQ(platform.LastTop(), p.top);
  EXPECT_EQ(platform.LastScale(), p.scale);
  // ...and pressed there: the picture's corners take a click, the pixels
  // just past it do not.
  const int right = p.stretched ? 799 : kTitleWidth - 1, bottom = p.stretched ? 599 : kTitleHeight - 1;
  const auto pressFrame = [&](int x, int y) {
    Press((p.left + x) * p.scale + p.scale / 2, (p.top + y) * p.scale + p.scale / 2);
  };
  TakeLog();
  for (auto [x, y] : {std::pair{0, 0}, {right, bottom}, {right + 1, 0}, {0, bottom + 1}, {-1, 0}}) {
    pressFrame(x, y);
  }
  EXPECT_EQ(TakeLog(), (std::vector<std::string>{"title press 0,0", "title press " + std::to_string(right) +
                                                                        "," + std::to_string(bottom)}));
}

// The title shows as the program starts, not a tick later; its first tick
// places it for the game without presenting it again.
TEST(ScreenSetStartTest, TheTitleShowsAtOnceAndItsFirstTickAddsNoFrame) {
  GameState state;
  HeadlessPlatform platform;
  platform.SetClientSize({1024, 768});
  ScreenSet screens(state, platform);
  std::vector<std::string> log;
  screens.Install(ScreenId::Title, std::make_unique<RecordingScreen>(log, "title"));
  screens.Start(0);
  EXPECT_EQ(platform.PresentCount(), 1);
  EXPECT_EQ(state.Runtime.TitlePlaced, 0);
  screens.RunDue(25);
  EXPECT_EQ(platform.PresentCount(), 1);
  EXPECT_EQ(state.Runtime.TitlePlaced, 1);
  EXPECT_EQ(log, std::vector<std::string>{"title tick"});
}

// The window grows after start-up (the desktop maximises it), or the player
// resizes it: the title moves, scales and stretches as any frame would, and
// is presented once for each size, not on every tick.
TEST_F(ScreenSetTest, TitleFollowsTheWindowSize) {
  for (const TitlePlace p : {TitlePlace{800, 600, 1, 0, 0, false}, TitlePlace{1024, 768, 1, 112, 84, true},
                             TitlePlace{1920, 1080, 1, 560, 240, true},
                             TitlePlace{2560, 1440, 2, 240, 60, true}, TitlePlace{1600, 1200, 2, 0, 0, false},
                             TitlePlace{2400, 1800, 3, 0, 0, false}, TitlePlace{800, 600, 1, 0, 0, false}}) {
    platform.SetClientSize({p.w, p.h});
    const int presents = platform.PresentCount();
    screens.RunDue(screens.Now() + 25);
    EXPECT_EQ(platform.PresentCount(), presents + 1) << p.w << "x" << p.h;
    screens.RunDue(screens.Now() + 200);
    EXPECT_EQ(platform.PresentCount(), presents + 1) << "idle at " << p.w << "x" << p.h;
    ExpectTitleAt(p);
  }
}

// The window changed while another screen showed; the title comes back by
// a hand-over (SAVE & EXIT, the league end) or by the return rule.
TEST_F(ScreenSetTest, TitleReturnsPlacedForTheWindowAsItIsNow) {
  platform.SetClientSize({1024, 768});
  screens.RunDue(25);
  struct Case {
    bool byClose;
    TitlePlace now;
  };
  for (const Case c : {Case{false, {2560, 1440, 2, 240, 60, true}}, Case{true, {800, 600, 1, 0, 0, false}},
                       Case{false, {1024, 740, 1, 112, 70, true}}}) {
    OpenFromTitle(ScreenId::Hub);
    screens.RunDue(screens.Now() + 50);
    platform.SetClientSize({c.now.w, c.now.h});
    screens.RunDue(screens.Now() + 50);
    c.byClose ? screens.CloseVisible() : screens.ReturnToTitle(ScreenId::Hub);
    screens.RunDue(screens.Now() + 50);
    ASSERT_EQ(screens.VisibleScreen(), ScreenId::Title);
    ExpectTitleAt(c.now);
  }
}

TEST_F(ScreenSetTest, TitleTickDrawsOneNumberAndHiddenScreensDoNotPresent) {
  const std::uint32_t before = state.Rng.Seed;
  screens.RunDue(25);
  EXPECT_EQ(state.Rng.Seed, before * 134775813U + 1U);
  const int presents = platform.PresentCount();
  screens.StartTicks(ScreenId::Hub);  // running but hidden
  screens.RunDue(100);
  EXPECT_EQ(platform.PresentCount(), presents);
}

TEST(SplashTest, ASecondPressDoesNotRestartABurst) {
  GameState state;
  Canvas canvas;
  StartSplash(state, 100, 200);
  EXPECT_EQ(state.Runtime.SplashTicks, Int(1));
  EXPECT_EQ(state.Runtime.SplashY[25], Int(205));
  AdvanceSplash(state, canvas, kStandardSplash);
  const Int x = state.Runtime.SplashX[1];
  StartSplash(state, 400, 400);
  EXPECT_EQ(state.Runtime.SplashX[1], x);
  EXPECT_EQ(state.Runtime.SplashTicks, Int(2));
  // The burst dies after its sixteenth tick.
  for (int i = 0; i < 14; ++i) AdvanceSplash(state, canvas, kStandardSplash);
  EXPECT_EQ(state.Runtime.SplashTicks, Int(0));
  for (int i = 1; i <= 25; ++i) {
    EXPECT_TRUE(InRange(state.Runtime.SplashDX[i], -7, 7));
  }
}

// Only the generator moves on the hidden title's tick, so a waiting program
// need not wake for it while another screen shows; when it wakes, each
// missed tick runs at its own time, and the generator ends where ticks on
// time would have left it.
TEST_F(ScreenSetTest, TheHiddenTitleNeedNotWakeTheProgram) {
  EXPECT_EQ(screens.NextWake(), screens.NextDue()) << "the title shows";
  OpenFromTitle(ScreenId::Hub);
  EXPECT_EQ(screens.NextDue(), 25);
  EXPECT_EQ(screens.NextWake(), 50) << "the hub's tick";

  GameState onTime = state;
  HeadlessPlatform otherPlatform;
  otherPlatform.EchoMessages = false;
  ScreenSet other{onTime, otherPlatform};
  std::vector<std::string> otherLog;
  for (int i = 0; i < kScreenCount; ++i) {
    other.Install(static_cast<ScreenId>(i), std::make_unique<RecordingScreen>(otherLog, "other"));
  }
  other.Start(0);
  other.LeaveTitle(ScreenId::Hub);
  for (int t = 25; t <= 400; t += 25) other.RunDue(t);

  TakeLog();
  screens.CatchUp(400);
  EXPECT_EQ(TakeLog().size(), 8U) << "hub ticks at 50, 100, ..., 400";
  EXPECT_EQ(state.Rng.Seed, onTime.Rng.Seed);

  // With no screen showing, the title's tick must run to bring it back.
  screens.CloseVisible();
  EXPECT_EQ(screens.NextWake(), screens.NextDue());
}

}  // namespace
}  // namespace vantoro
