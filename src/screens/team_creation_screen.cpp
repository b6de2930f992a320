#include "screens/team_creation_screen.hpp"

#include <array>
#include <string>

#include "sim/creation_actions.hpp"
#include "state/derived.hpp"
#include "state/save_slot.hpp"
#include "ui/canvas.hpp"
#include "ui/splash.hpp"

namespace vantoro {
namespace {

constexpr Color kGreen = Rgb(0x00FF00);
constexpr Color kDarkGreen = Rgb(0x008000);
constexpr Color kPaleGreen = Rgb(0xC0DCC0);
constexpr Color kBoxFill = Rgb(0x004400);
constexpr SplashColors kCreationSplash{Rgb(0xFFFFFF), Rgb(0x00FF00), Rgb(0x008000)};

// The three words at the foot are buttons without a frame; the three boxes
// show the league's settings.
constexpr ButtonScheme kWordScheme{{std::nullopt, std::nullopt, kDarkGreen},
                                   {std::nullopt, std::nullopt, Rgb(0x707070)}};
constexpr ButtonScheme kBoxScheme{{kGreen, kBoxFill, kGreen}, {}};
constexpr std::array<Button<CreationButton>, 6> kCreationButtons = {{
    {CreationButton::Create, {210, 479, 310, 500}, PressRule::Inside, "CREATE", 210, 480, 12, kWordScheme},
    {CreationButton::LoadGame,
     {350, 480, 450, 495},
     PressRule::Inside,
     "LOAD GAME",
     350,
     480,
     12,
     kWordScheme},
    {CreationButton::Commit, {530, 479, 600, 500}, PressRule::Inside, "COMMIT", 530, 480, 12, kWordScheme},
    {CreationButton::FieldType, {480, 420, 555, 452}, PressRule::Inside, {}, 485, 427, 12, kBoxScheme},
    {CreationButton::GameType, {400, 420, 470, 452}, PressRule::Inside, {}, 405, 427, 12, kBoxScheme},
    {CreationButton::GameLength, {500, 350, 530, 382}, PressRule::Inside, {}, 506, 355, 12, kBoxScheme},
}};
// Where the screen's own bursts start, over one of the three words.
constexpr std::array kBurstX = {230, 360, 550};

// The first three marker models, under the names this screen gives them.
std::string CreationMarkerName(Int model) {
  static constexpr std::array<const char*, 3> kNames = {"Dravis PeeGee", "Ionics PTL-68", "Targeter 68-SC"};
  return InRange(model, 1, 3) ? kNames[static_cast<std::size_t>(model.v - 1)] : "";
}

std::uint8_t DigitsAsHex(Int value) {
  const Int v = Clamp(value, 0, 99);
  return static_cast<std::uint8_t>((v / 10 * 16 + v % 10).v);
}

void Bounce(Int& bar, Int& step) {
  bar += step;
  if (bar < 11) step = 1;
  if (bar > 98) step = -1;
}

}  // namespace

std::span<const Button<CreationButton>> TeamCreationScreen::Buttons() { return kCreationButtons; }

// Nothing is drawn until the intro is over, yet LOAD GAME and the setting
// boxes already work; the boxes are drawn with the squad whose league they
// set, and before it change their values unseen.
ButtonState TeamCreationScreen::State(const GameState& s, CreationButton id) {
  const bool shown = s.Runtime.CreationCounter >= kIntroDone;
  switch (id) {
    case CreationButton::Create: return ShownIf(shown, GreyUnless(CanRollSquad(s)));
    case CreationButton::Commit: return ShownIf(shown, GreyUnless(CanCommitTeam(s)));
    case CreationButton::LoadGame: return shown ? ButtonState::Enabled : ButtonState::Unseen;
    case CreationButton::FieldType:
    case CreationButton::GameType:
    case CreationButton::GameLength:
      return shown && !s.Team.PlayerName[1].Empty() ? ButtonState::Enabled : ButtonState::Unseen;
  }
  return ButtonState::Hidden;
}

Color CreationTitleColor(Int barA, Int barB) { return Color{DigitsAsHex(barB), DigitsAsHex(barA), 0x10}; }

TeamCreationScreen::TeamCreationScreen(ScreenContext context)
    : ctx_(context),
      text12_(context.Fonts.Get("Arial", FontSize::Points(12))),
      text10_(context.Fonts.Get("Arial", FontSize::Points(10))),
      title24_(context.Fonts.Get("Arial", FontSize::Points(24))) {}

void TeamCreationScreen::Draw(Canvas& canvas) {
  canvas.Backdrop(ctx_.Pictures.Get(PictureId::Creation));
  DrawIntro(canvas);
  if (ctx_.State.Runtime.CreationCounter < kIntroDone) return;
  DrawWelcome(canvas);
  DrawTitle(canvas);
  DrawSquad(canvas);
  DrawButtons(canvas);
  DrawSplash(canvas);
}

void TeamCreationScreen::DrawIntro(Canvas& canvas) {
  AdvanceCreationIntro(ctx_.State);
  const Int counter = ctx_.State.Runtime.CreationCounter;
  // Two boxes grow from the centre into the bar and the panel that frame
  // everything else.
  const int c = Clamp(counter, -1000, 1000).v;
  canvas.Rectangle(400 - c, 210 - c, 400 + c, 260 - c, kRed, kBlack);
  canvas.Rectangle(400 - c, 300 - c, 400 + c, 300 + c, kRed, kBlack);
}

void TeamCreationScreen::DrawWelcome(Canvas& canvas) {
  if (!ctx_.State.Team.PlayerName[1].Empty()) return;
  canvas.Text(210, 110, "Welcome to Vantoro", text12_, kGreen);
  canvas.Text(230, 375, ctx_.State.Runtime.VersionLabel, text10_, kWhite);
  canvas.Text(210, 400, "Click on CREATE to create your team, then COMMIT.", text12_, kGreen);
}

void TeamCreationScreen::DrawTitle(Canvas& canvas) {
  RuntimeState& r = ctx_.State.Runtime;
  // The bars only colour the title.
  Bounce(r.CreationBarA, r.CreationStepA);
  Bounce(r.CreationBarB, r.CreationStepB);
  canvas.Text(210, 15, "Vantoro", title24_, CreationTitleColor(r.CreationBarA, r.CreationBarB));
}

void TeamCreationScreen::DrawButtons(Canvas& canvas) {
  GameState& s = ctx_.State;
  const TeamRecord& team = s.Team;
  const auto lookOf = [&](const Button<CreationButton>& b) {
    ButtonLook look{State(s, b.Action)};
    switch (b.Action) {
      case CreationButton::FieldType:
        look.Label = team.FieldType == 1 ? "  Airball" : team.FieldType == 2 ? "Woodball" : "";
        break;
      case CreationButton::GameType:
        look.Label = team.GameType == 1 ? "  Pump" : team.GameType == 0 ? "  Open" : "";
        break;
      case CreationButton::GameLength: look.Label = team.GameLengthYears.Str(); break;
      default:
        // Every word draws its chance of a twinkle, lit or not: only the
        // picture changes with it.
        if (s.Random(16) == 0 && look.State == ButtonState::Enabled) {
          look.Colors = b.Scheme.Enabled;
          look.Colors->Label = kPaleGreen;
        }
    }
    return look;
  };
  vantoro::DrawButtons(canvas, ctx_.Fonts, Buttons(), lookOf);
}

void TeamCreationScreen::DrawSquad(Canvas& canvas) {
  const TeamRecord& team = ctx_.State.Team;
  if (team.PlayerName[1].Empty()) return;
  const auto label = [&](int x, int y, std::string_view text) {
    canvas.Text(x, y, text, text12_, kPaleGreen);
  };
  const auto value = [&](int x, int y, std::string_view text) {
    canvas.Text(x, y, text, text12_, kDarkGreen);
  };

  label(210, 110, "Player Name");
  label(350, 110, "Skill Index");
  label(450, 110, "Occupation");
  label(210, 300, "Team Markers");
  label(350, 300, "Condition");
  for (int p = 1; p <= kSquadSize; ++p) {
    value(210, 110 + 20 * p, team.PlayerName[p].View());
    value(380, 110 + 20 * p, PlayerIndex(team, p).Str());
    value(450, 110 + 20 * p, team.PlayerOccupation[p].View());
    value(210, 300 + 20 * p, CreationMarkerName(team.PlayerMarkerType[p]));
    value(350, 300 + 20 * p, team.PlayerMarkerCondition[p].Str() + "%");
  }
  label(210, 270, "Team Cash: ");
  value(380, 270, "$" + team.Cash.Str() + ".00");
  label(465, 320, "Game Length");
  canvas.Text(465, 385, "        years", text12_, kPaleGreen, kBlack);
}

void TeamCreationScreen::DrawSplash(Canvas& canvas) {
  GameState& s = ctx_.State;
  RuntimeState& r = s.Runtime;
  if (r.SplashTicks == 0 && s.Random(20) == 0) {
    // A burst over one of the three buttons, started by the screen itself:
    // only a picture, though it draws from the generator.
    const Int k = s.Random(3);
    const Int x = Int(kBurstX[static_cast<std::size_t>(k.v)]) + s.Random(10);
    const Int y = s.Random(20) + 475;
    r.SplashTicks = 1;
    for (int i = 1; i <= kSplashParticles; ++i) {
      r.SplashX[i] = x + s.Random(5);
      r.SplashY[i] = y + s.Random(5);
      r.SplashDX[i] = s.Random(15) - 4;
      r.SplashDY[i] = -(s.Random(8) + 3);
    }
  }
  AdvanceSplash(s, canvas, kCreationSplash);
}

void TeamCreationScreen::Press(int x, int y) {
  GameState& state = ctx_.State;
  const auto hit =
      HitTest(Buttons(), x, y, [&](const Button<CreationButton>& b) { return State(state, b.Action); });
  if (!hit) return;
  switch (*hit) {
    case CreationButton::Create: RollSquad(state); break;
    case CreationButton::Commit:
      if (CommitTeam(state)) ctx_.Screens.HandOver(ScreenId::TeamCreation, ScreenId::Hub);
      break;
    case CreationButton::GameLength: CycleGameLength(state); break;
    case CreationButton::FieldType: CycleFieldType(state); break;
    case CreationButton::GameType: CycleGameType(state); break;
    case CreationButton::LoadGame: LoadSavedGame(); break;
  }
}

void TeamCreationScreen::LoadSavedGame() {
  // A failed load changes nothing: the player reads why and stays here.
  const LoadResult result = LoadGame(ctx_.SaveFolder, ctx_.State, ctx_.Files);
  if (!result.Ok()) {
    ctx_.Screens.ShowMessage(kApplicationTitle, result.Error);
    return;
  }
  ctx_.Screens.HandOver(ScreenId::TeamCreation, ScreenId::Hub);
  OpenHub(ctx_.State);
}

}  // namespace vantoro
