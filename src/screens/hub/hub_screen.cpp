#include "screens/hub/hub_screen.hpp"

#include <string>

#include "screens/hub/admin_section.hpp"
#include "screens/hub/field_section.hpp"
#include "screens/hub/finance_section.hpp"
#include "screens/hub/hq_section.hpp"
#include "screens/hub/hub_widgets.hpp"
#include "screens/hub/season_section.hpp"
#include "screens/hub/store_section.hpp"
#include "screens/hub/team_section.hpp"
#include "sim/hub_navigation.hpp"
#include "text/generators.hpp"
#include "ui/splash.hpp"

namespace vantoro {
namespace {

constexpr int kSectionLeft = 10, kSectionWidth = 90, kSectionHeight = 50;
constexpr Color kSectionPen = Rgb(0x4444AA), kSectionFill = Rgb(0x000055);

// Section s (1..7) is the box at rows 90 + 70 (s - 1); its right edge grows
// while it glows, but the press stays inside the box as it first stands.
constexpr int SectionTop(int s) { return 90 + 70 * (s - 1); }
constexpr Button<int> Section(int s, std::string_view label, int labelX) {
  return {s,
          {kSectionLeft, SectionTop(s), kSectionLeft + kSectionWidth, SectionTop(s) + kSectionHeight},
          PressRule::Inside,
          label,
          labelX,
          SectionTop(s) + 15,
          12};
}
constexpr std::array<Button<int>, 7> kSectionButtons = {{
    Section(1, "TEAM", 30),
    Section(2, "HQ", 40),
    Section(3, "STORE", 25),
    Section(4, "FIELD", 30),
    Section(5, "FINANCE", 20),
    Section(6, "SEASON", 20),
    Section(7, "ADMIN", 27),
}};

// Page tab t (1..3) of a section; the current page's tab is lit.
constexpr ButtonScheme kTabScheme{{Rgb(0x885500), Rgb(0x332200), Rgb(0xFFFF00)}, {}};
constexpr Color kCurrentTabFill = Rgb(0x553300);
constexpr Button<int> Tab(int t, std::string_view label) {
  const int left = 130 + 110 * (t - 1);
  return {t, {left, 100, left + 100, 130}, PressRule::Inside, label, left + 10, 107, 10, kTabScheme};
}
using Tabs = std::array<Button<int>, 3>;
constexpr Tabs SectionTabs(std::string_view a, std::string_view b, std::string_view c) {
  return {Tab(1, a), Tab(2, b), Tab(3, c)};
}
constexpr std::array<Tabs, 6> kTabs = {{
    SectionTabs("OVERVIEW", " INDIVIDUAL", "  TROPHIES"),
    SectionTabs("OVERVIEW", "PURCHASE", "   VEHICLE"),
    SectionTabs("  MARKERS", "     PAINT", "  CATALOG"),
    SectionTabs("  TRAINING", " PRACTICE", "  RECRUIT"),
    SectionTabs("FUNDRAISE", "   SHARES", "  GAMBLE"),
    SectionTabs("CALENDAR", "      MAP", " TURN END"),
}};
// ADMIN has no third page.
constexpr std::array<Button<int>, 2> kAdminTabs = {{Tab(1, "SAVE GAME"), Tab(2, "GAME HELP")}};

}  // namespace

std::span<const Button<int>> HubScreen::SectionButtons() { return kSectionButtons; }

std::span<const Button<int>> HubScreen::TabButtons(Int section) {
  if (section == 7) return kAdminTabs;
  if (InRange(section, 1, 6)) return kTabs[static_cast<std::size_t>(section.v - 1)];
  return {};
}

HubScreen::HubScreen(ScreenContext context) : ctx_(context) {
  sections_[0] = std::make_unique<TeamSection>(context);
  sections_[1] = std::make_unique<HqSection>(context);
  sections_[2] = std::make_unique<StoreSection>(context);
  sections_[3] = std::make_unique<FieldSection>(context);
  sections_[4] = std::make_unique<FinanceSection>(context);
  sections_[5] = std::make_unique<SeasonSection>(context);
  sections_[6] = std::make_unique<AdminSection>(context);
}

HubSection* HubScreen::CurrentSection() {
  const Int s = ctx_.State.Runtime.HubSection;
  return InRange(s, 1, 7) ? sections_[static_cast<std::size_t>(s.v - 1)].get() : nullptr;
}

void HubScreen::Draw(Canvas& canvas) {
  RuntimeState& r = ctx_.State.Runtime;
  canvas.Backdrop(ctx_.Pictures.Get(PictureId::HubBackground));
  DrawBanner(canvas);
  ScrollCommentary(ctx_.State);
  // The lit section's box grows for twenty ticks: it only moves a picture.
  for (Int& glow : r.HubSectionGlow) {
    if (InRange(glow, 1, 20)) ++glow;
  }
  AdvanceHubOpening(ctx_.State);
  DrawSections(canvas);
  const int grow = Clamp(r.HubIntroCounter, 0, kOpened).v;
  canvas.Rectangle(120, 90, grow + 300, grow + 90, Rgb(0x333388), Rgb(0x000011));
  NoteTournamentMonth(ctx_.State);
  if (r.HubIntroCounter >= kOpened) {
    DrawSettings(canvas);
    DrawDots(canvas);
    DrawCashBox(canvas);
    DrawTabs(canvas);
    if (HubSection* section = CurrentSection()) section->DrawPage(canvas, r.HubPage);
    DrawFooter(canvas);
    ReadyTournamentDay(ctx_.State);
    AdvanceSplash(ctx_.State, canvas, kStandardSplash);
  }
  ForgetMatchOutcome(ctx_.State);
}

void HubScreen::DrawBanner(Canvas& canvas) { DrawTitleBanner(canvas, ctx_.Fonts, ctx_.State, kBlueBanner); }

void HubScreen::DrawSections(Canvas& canvas) {
  GameState& s = ctx_.State;
  DrawButtons(canvas, ctx_.Fonts, SectionButtons(), [&](const Button<int>& b) {
    const int section = b.Action;
    ButtonLook look{ShownIf(s.Runtime.HubIntroCounter >= 11 + 60 * (section - 1))};
    // Every box draws its chance of a brighter label, shown or not: only the
    // picture changes with it.
    Color label = s.Random(100) == 5 ? Rgb(0xBBBBFF) : Rgb(0xAAAAFF);
    if (s.Runtime.HubSection == section) label = Rgb(0xFFFF00);
    look.Colors = ButtonColors{kSectionPen, kSectionFill, label};
    look.Wider = Clamp(s.Runtime.HubSectionGlow[section], -100, 1000).v;
    return look;
  });
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
  // The dots drift on every tick; they only move a picture.
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
  DrawButtons(canvas, ctx_.Fonts, TabButtons(r.HubSection), [&](const Button<int>& b) {
    ButtonLook look;
    if (r.HubPage == b.Action) {
      look.Colors = b.Scheme.Enabled;
      look.Colors->Fill = kCurrentTabFill;
    }
    return look;
  });
}

void HubScreen::DrawFooter(Canvas& canvas) {
  canvas.Text(625, 560, ctx_.State.Runtime.VersionLabel, ctx_.Fonts.Get("Arial", FontSize::Pixels(14)),
              kWhite, Rgb(0x000044));
}

void HubScreen::Press(int x, int y) {
  RuntimeState& r = ctx_.State.Runtime;
  if (r.HubIntroCounter < kOpened) return;
  StartSplash(ctx_.State, x, y);
  if (const auto s = HitTest(SectionButtons(), x, y)) SelectSection(ctx_.State, *s);
  if (const auto t = HitTest(TabButtons(r.HubSection), x, y)) SelectPage(ctx_.State, *t);
  if (HubSection* section = CurrentSection()) section->PressPage(x, y, r.HubPage);
}

}  // namespace vantoro
