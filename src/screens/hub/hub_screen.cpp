#include "screens/hub/hub_screen.hpp"

#include <string>

#include "screens/hub/admin_section.hpp"
#include "screens/hub/hub_widgets.hpp"
#include "screens/hub/season_section.hpp"
#include "screens/hub/team_section.hpp"
#include "text/generators.hpp"
#include "ui/splash.hpp"

namespace vantoro {
namespace {

struct SectionButton {
  const char* Label;
  int LabelX;
  std::array<const char*, 3> Tabs;  // nullptr: no such tab
};

constexpr std::array<SectionButton, 7> kSections = {{
    {"TEAM", 30, {"OVERVIEW", " INDIVIDUAL", "  TROPHIES"}},
    {"HQ", 40, {"OVERVIEW", "PURCHASE", "   VEHICLE"}},
    {"STORE", 25, {"  MARKERS", "     PAINT", "  CATALOG"}},
    {"FIELD", 30, {"  TRAINING", " PRACTICE", "  RECRUIT"}},
    {"FINANCE", 20, {"FUNDRAISE", "   SHARES", "  GAMBLE"}},
    {"SEASON", 20, {"CALENDAR", "      MAP", " TURN END"}},
    {"ADMIN", 27, {"SAVE GAME", "GAME HELP", nullptr}},
}};

// Section s (1..7) is the box at rows 90 + 70 (s - 1); presses inside it,
// bounds inclusive.
constexpr int SectionTop(int s) { return 90 + 70 * (s - 1); }
constexpr PressArea SectionArea(int s) { return {11, 99, SectionTop(s) + 1, SectionTop(s) + 49}; }
constexpr std::array<PressArea, 3> kTabAreas = {
    {{131, 229, 101, 129}, {241, 339, 101, 129}, {351, 449, 101, 129}}};
constexpr std::array<int, 3> kTabLeft = {130, 240, 350};

}  // namespace

HubScreen::HubScreen(ScreenContext context) : ctx_(context) {
  sections_[0] = std::make_unique<TeamSection>(context);
  for (int s = 1; s < 5; ++s) sections_[static_cast<std::size_t>(s)] = std::make_unique<EmptyHubSection>();
  sections_[5] = std::make_unique<SeasonSection>(context);
  sections_[6] = std::make_unique<AdminSection>(context);
}

HubSection* HubScreen::CurrentSection() {
  const Int s = ctx_.State.Runtime.HubSection;
  return InRange(s, 1, 7) ? sections_[static_cast<std::size_t>(s.v - 1)].get() : nullptr;
}

void HubScreen::Draw(Canvas& canvas) {
  RuntimeState& r = ctx_.State.Runtime;
  canvas.Picture(0, 0, ctx_.Pictures.Get(PictureId::HubBackground));
  DrawBanner(canvas);
  ScrollCommentary();
  for (Int& glow : r.HubSectionGlow) {
    if (InRange(glow, 1, 20)) ++glow;
  }
  AdvanceOpening();
  DrawSections(canvas);
  const int grow = Clamp(r.HubIntroCounter, 0, kOpened).v;
  canvas.Rectangle(120, 90, grow + 300, grow + 90, Rgb(0x333388), Rgb(0x000011));
  r.TournamentMonth = ctx_.State.Team.Month % 2 == 0 ? 1 : 0;
  if (r.HubIntroCounter >= kOpened) {
    DrawSettings(canvas);
    DrawDots(canvas);
    DrawCashBox(canvas);
    DrawTabs(canvas);
    if (HubSection* section = CurrentSection()) section->DrawPage(canvas, r.HubPage);
    DrawFooter(canvas);
    ResetForTheTournament();
    AdvanceSplash(ctx_.State, canvas, kStandardSplash);
  }
  r.MatchOutcome = 0;
}

void HubScreen::DrawBanner(Canvas& canvas) {
  const Color pen = Rgb(0x333388), brush = Rgb(0x000044);
  canvas.Ellipse(10, 10, 60, 60, pen, brush);
  canvas.Ellipse(740, 10, 790, 60, pen, brush);
  canvas.Rectangle(30, 11, 770, 59, brush, brush);
  canvas.Line(30, 10, 770, 10, pen);
  canvas.Line(30, 59, 770, 59, pen);
  // A faint flicker of the title.
  Color title = Rgb(0x5555AA);
  if (ctx_.State.Random(100) < 2) {
    title = Rgb(0x6666BB);
    if (ctx_.State.Random(100) > 97) title = Rgb(0x444499);
  }
  canvas.Text(180, 12, "Vantoro", HubFont(ctx_.Fonts, 28), title);
}

void HubScreen::ScrollCommentary() {
  if (ctx_.State.Random(100) + 1 >= 2) return;
  Texts6& lines = ctx_.State.Runtime.CommentaryLines;
  for (int i = 1; i <= 5; ++i) lines[i] = lines[i + 1];
  lines[6] = MakeTeamQuote(ctx_.State);
}

void HubScreen::AdvanceOpening() {
  RuntimeState& r = ctx_.State.Runtime;
  if (r.HubIntroCounter >= kOpened) {
    r.HubIntroCounter = kOpened;
    return;
  }
  r.HubIntroCounter += 15;
  // The last roll of the opening decides whether the bank is open this visit.
  if (r.HubIntroCounter < kOpened) r.BankOpenRoll = ctx_.State.Random(100) + 1;
}

void HubScreen::DrawSections(Canvas& canvas) {
  const RuntimeState& r = ctx_.State.Runtime;
  const Font& font = HubFont(ctx_.Fonts, 12);
  for (int s = 1; s <= 7; ++s) {
    Color color = Rgb(0xAAAAFF);
    if (ctx_.State.Random(100) == 5) color = Rgb(0xBBBBFF);
    if (r.HubSection == s) color = Rgb(0xFFFF00);
    if (r.HubIntroCounter < 11 + 60 * (s - 1)) continue;
    const int top = SectionTop(s);
    const int right = (Int(100) + Clamp(r.HubSectionGlow[s], -100, 1000)).v;
    canvas.Rectangle(10, top, right, top + 50, Rgb(0x4444AA), Rgb(0x000055));
    canvas.Text(kSections[static_cast<std::size_t>(s - 1)].LabelX, top + 15,
                kSections[static_cast<std::size_t>(s - 1)].Label, font, color);
  }
}

void HubScreen::DrawSettings(Canvas& canvas) {
  const RuntimeState& r = ctx_.State.Runtime;
  const TeamRecord& team = ctx_.State.Team;
  if (r.HubPage != 1) return;
  const Font& font = HubFont(ctx_.Fonts, 10);
  const Color color = Rgb(0x5555AA);
  if (team.FieldType == 2) canvas.Text(130, 504, "Field Type: Woodsball.", font, color);
  if (team.FieldType == 1) canvas.Text(130, 504, "Field Type: Airball.", font, color);
  if (team.GameType == 0) canvas.Text(130, 523, "Game Type: Open Class.", font, color);
  if (team.GameType == 1) canvas.Text(130, 523, "Game Type: Pumps Only.", font, color);
  canvas.Text(130, 541, "Game Length: " + team.GameLengthYears.Str() + " years.", font, color);
}

void HubScreen::DrawDots(Canvas& canvas) {
  RuntimeState& r = ctx_.State.Runtime;
  static constexpr std::array<Color, 3> kDotColors = {Rgb(0x665577), Rgb(0x336699), Rgb(0x4477DD)};
  for (int i = 1; i <= 100; ++i) {
    const Int speed = r.HubParticleSpeed[i];
    if (InRange(speed, 1, 3)) {
      canvas.Pixel(r.HubParticleX[i].v, r.HubParticleY[i].v,
                   kDotColors[static_cast<std::size_t>(speed.v - 1)]);
    }
    r.HubParticleY[i] += speed;
    if (r.HubParticleY[i] > 559) r.HubParticleY[i] = 91;
    --r.HubParticleX[i];
    if (r.HubParticleX[i] < 121) r.HubParticleX[i] = 769;
  }
}

void HubScreen::DrawCashBox(Canvas& canvas) {
  const Int cash = ctx_.State.Team.Cash;
  canvas.Rectangle(540, 100, 750, 130, Rgb(0xA6CAF0), kBlack);
  Color color = Rgb(0xA6CAF0);
  if (cash < 1500) color = Rgb(0xFFFF00);
  if (cash < 750) color = Rgb(0xFF0000);
  canvas.Text(550, 105, "Team Cash: $" + cash.Str(), HubFont(ctx_.Fonts, kHubTextSize), color);
}

void HubScreen::DrawTabs(Canvas& canvas) {
  const RuntimeState& r = ctx_.State.Runtime;
  if (!InRange(r.HubSection, 1, 7)) return;
  const Font& font = HubFont(ctx_.Fonts, 10);
  const auto& tabs = kSections[static_cast<std::size_t>(r.HubSection.v - 1)].Tabs;
  for (int t = 0; t < 3; ++t) {
    if (tabs[static_cast<std::size_t>(t)] == nullptr) continue;
    const int left = kTabLeft[static_cast<std::size_t>(t)];
    const Color fill = r.HubPage == t + 1 ? Rgb(0x553300) : Rgb(0x332200);
    canvas.Rectangle(left, 100, left + 100, 130, Rgb(0x885500), fill);
    canvas.Text(left + 10, 107, tabs[static_cast<std::size_t>(t)], font, Rgb(0xFFFF00));
  }
}

void HubScreen::DrawFooter(Canvas& canvas) {
  canvas.Text(625, 560, ctx_.State.Runtime.VersionLabel, ctx_.Fonts.Get("Arial", FontSize::Pixels(14)),
              kWhite, Rgb(0x000044));
}

void HubScreen::ResetForTheTournament() {
  // The weather of a tournament is the last roll before the team leaves.
  RuntimeState& r = ctx_.State.Runtime;
  r.Weather = ctx_.State.Random(3) + 1;
  r.FlankTactic = 1;
  r.SupportTactic = 1;
  r.ForwardTactic = 1;
  r.LeaderTactic = 1;
  r.MalfunctionShown = 0;
}

void HubScreen::Press(int x, int y) {
  RuntimeState& r = ctx_.State.Runtime;
  if (r.HubIntroCounter < kOpened) return;
  StartSplash(ctx_.State, x, y);
  for (int s = 1; s <= 7; ++s) {
    if (!SectionArea(s).Contains(x, y)) continue;
    r.HubSection = s;
    r.HubPage = 1;
    r.HubMessage1.clear();
    r.HubMessage2.clear();
    for (Int& glow : r.HubSectionGlow) glow = 0;
    r.HubSectionGlow[s] = 1;
  }
  for (int t = 0; t < 3; ++t) {
    if (kTabAreas[static_cast<std::size_t>(t)].Contains(x, y) && !(t == 2 && r.HubSection == 7))
      r.HubPage = t + 1;
  }
  if (HubSection* section = CurrentSection()) section->PressPage(x, y, r.HubPage);
}

}  // namespace vantoro
