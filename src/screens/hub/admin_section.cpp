#include "screens/hub/admin_section.hpp"

#include <array>
#include <iostream>
#include <span>
#include <string_view>

#include "screens/hub/hub_widgets.hpp"
#include "sim/hub_navigation.hpp"
#include "state/save_slot.hpp"

namespace vantoro {
namespace {

enum AdminPage { kSaveGame = 1, kGameHelp = 2 };

// The whole ellipse and a little to its right take the press.
constexpr std::array<Button<AdminButton>, 1> kSaveButtons = {{{AdminButton::SaveAndExit,
                                                               {280, 210, 520, 390},
                                                               PressRule::Given,
                                                               "SAVE & EXIT",
                                                               325,
                                                               283,
                                                               18,
                                                               kGreenScheme,
                                                               Face::Arial,
                                                               Shape::Ellipse,
                                                               {281, 529, 211, 389}}}};
constexpr std::array<Button<AdminButton>, 1> kHelpButtons = {
    {{AdminButton::NextPage, {490, 510, 590, 540}, PressRule::Inside, "NEXT PAGE", 495, 515, kHubTextSize}}};

// A heading and its lines, one line every kHelpLineStep pixels below it.
struct HelpSection {
  int Top;
  std::string_view Heading;
  std::span<const std::string_view> Body;
};

constexpr int kHelpLeft = 135;
constexpr int kHelpLineStep = 15;
constexpr int kHelpLineHeight = 13;
// Lower lines would run into the NEXT PAGE button.
constexpr int kHelpLastLine = 495;
constexpr int kHelpPageCount = 5;

constexpr std::string_view kTheGame[] = {
    "Vantoro is a management game: you run a paintball team rather than",
    "play its games yourself. Your seven players meet the nine teams of a",
    "national league, run by the computer, in tournaments held every second",
    "month. The league starts in January 2000 and runs for the number of",
    "years chosen when the team is created.",
    "Each turn is one month. Use the sections on the left to look after the",
    "team, then end the turn on the SEASON section's TURN END page.",
};
constexpr std::string_view kThePlayers[] = {
    "Each player has four statistics:",
    "SPEED - An overall indication of straight-line running speed.",
    "AGILITY - How nimble they are, and how quick to move to avoid trouble.",
    "STAMINA - How fit they are, and how quickly they get tired.",
    "ACCURACY - How good a shot they are over longer ranges or when snap-shooting.",
    "A player's index is the sum of the four: the higher, the better.",
    "Morale (up to 100%) is how happy a player is. Pay raises it; unpaid",
    "months, fines, training and lost or missed games lower it. When the",
    "team's average morale ends a month below 39%, the team may break up.",
    "Popularity grows when a player tags opponents, grabs or hangs the flag,",
    "or is fined by the manager; a new recruit may be less popular.",
};
constexpr std::string_view kTheTeam[] = {
    "Players work better beside team mates they know, so keep a settled",
    "squad: hiring a recruit lowers the whole team's morale a little.",
    "The order of the squad sets the roles on the field: players 1 and 7",
    "are Flank players, 2 and 6 Support, 3 and 5 Forward players, and",
    "player 4 is the Team Leader. Change the order before a game.",
};
constexpr std::string_view kTeamAssets[] = {
    "The clubhouse (HQ) holds the team's fittings. Stronger locks, a better",
    "alarm and a garage upgrade keep burglars and car thieves out. A TV,",
    "snack machine, pool table and beer fridge cheer the players each month,",
    "the snack machine also earns a little, and a paintball cooler halves the",
    "paint lost to wastage. Most fittings add to the monthly power bill.",
    "The vehicle carries the team's markers to tournaments; better markers",
    "need more room. An overloaded vehicle cannot make the trip, so the team",
    "must hire transport at three times the cost. Larger vehicles cost more.",
};
constexpr std::string_view kTheStore[] = {
    "Every player needs a marker to shoot. The store repairs markers, buys",
    "them back, sells paint in boxes of 1000 rounds and sells new markers",
    "from its catalogue, where a new model appears each January. Better",
    "markers reach further and shoot straighter. In a Pumps Only game only",
    "the first four models are allowed. A marker may be customised once,",
    "for $250. Paint is used in games and target practice, and some of it",
    "is lost to wastage every month.",
};
constexpr std::string_view kTraining[] = {
    "On the FIELD section a player can be trained in one skill for $100:",
    "Endurance (stamina), Targeting (accuracy, uses 50 paintballs), Use of",
    "Cover (agility) or Sprinting (speed). Each session adds 0 or 1 point.",
    "A practice event trains the whole team in one skill for $100 and uses",
    "more paint; the two full games also lift morale. A trained player is",
    "tired and cannot train again this month, and may lose some morale.",
};
constexpr std::string_view kFinances[] = {
    "Income: the players chip in from their own pockets each month, more",
    "when morale is high. Once a month you may raffle a turkey, knock on",
    "doors for donations or look for a sponsor, who then pays every month",
    "until the contract ends. Shares in six companies can be bought and",
    "sold; their prices move every month. Gambling is allowed once a month.",
    "A tournament win pays $700 and a draw $350.",
    "Expenses: players' pay ($100 each, good for morale), repairs, paint,",
    "fittings, travel to tournaments, the clubhouse power bill and a tax",
    "on the cash in hand each month.",
    "The bank pays 3% a month on deposits and charges $20 for a withdrawal.",
    "A $1000 loan costs 3% a month until it is paid back, and a debt to the",
    "bank worries the players. The bank is sometimes closed.",
};
constexpr std::string_view kPreGame[] = {
    "When the team travels to a tournament you see the opponents, their",
    "players and the weather. SWAP changes the order of your players and",
    "with it their roles. Each role gets one tactic: Flank, Support and",
    "Forward players Drop Short, Go Medium or Go Long; the Team Leader Hangs",
    "Back, plays Mid Field or Rushes the Flag. In the rain the longest",
    "option is not offered. Press PLAY to start the game.",
};
constexpr std::string_view kInGame[] = {
    "The game plays itself on a field of 63 cells. Players move up, shoot at",
    "opponents in range and in sight, tire, and may grab the flag and carry",
    "it to the other team's flag station. Markers can break down in play.",
    "The game ends when the time runs out, or the flag is hung. Scoring is as follows:",
    "Tagging an opposition team member - 5 points.",
    "Tagging ALL opposition team members - Bonus 10 points.",
    "Grabbing (Pulling) the flag first - 20 points.",
    "Hanging the Flag - 35 points.",
    "* Penalties after game-end may result in deductions.",
    "   The highest scoring team is declared victor.",
    "* It is possible for players on-field to miscount tagged opposition, which may cause confusion.",
    "* \"Going Long\" during play can gain ground fast, but affects accuracy.",
    "* Players who \"Drop Short\" off the break will gain an accuracy bonus vs running players.",
    "Each game's score is added to the team's league points.",
};
constexpr std::string_view kTheLeague[] = {
    "The league is a set of regional tournaments, one every second month,",
    "played over the number of years chosen at the start. Every game's score",
    "counts as league points; a missed tournament scores nothing. The team",
    "with the most league points when the last year ends wins the league.",
};
constexpr std::string_view kSupport[] = {
    "Found a problem? Please report it by opening an issue on the project's",
    "issue tracker, as the \"Reporting a problem\" section of the README",
    "explains. Describe what you did and what happened, and attach both",
    "save files, savefilex.dat and savefiley.dat, from the folder you play",
    "in: with them the exact game can be loaded and replayed. Please quote",
    "the version shown at the bottom right of the screen.",
};

constexpr HelpSection kHelp1[] = {{165, "THE GAME", kTheGame}, {310, "THE PLAYERS", kThePlayers}};
constexpr HelpSection kHelp2[] = {
    {165, "THE TEAM", kTheTeam}, {255, "TEAM ASSETS", kTeamAssets}, {390, "THE STORE", kTheStore}};
constexpr HelpSection kHelp3[] = {{165, "THE LOCAL FIELD - TRAINING", kTraining},
                                  {270, "FINANCES", kFinances}};
constexpr HelpSection kHelp4[] = {{165, "PRE-GAME", kPreGame}, {285, "IN-GAME", kInGame}};
constexpr HelpSection kHelp5[] = {{165, "THE LEAGUE", kTheLeague}, {240, "TECHNICAL SUPPORT", kSupport}};
constexpr std::array<std::span<const HelpSection>, kHelpPageCount> kHelpPages = {kHelp1, kHelp2, kHelp3,
                                                                                 kHelp4, kHelp5};

// No section's lines run into the next heading or below the last line.
constexpr bool HelpLinesFit() {
  for (std::span<const HelpSection> page : kHelpPages) {
    for (std::size_t s = 0; s < page.size(); ++s) {
      const int last = page[s].Top + kHelpLineStep * static_cast<int>(page[s].Body.size());
      const int limit = s + 1 < page.size() ? page[s + 1].Top - kHelpLineHeight : kHelpLastLine;
      if (last > limit) return false;
    }
  }
  return true;
}
static_assert(HelpLinesFit());

}  // namespace

std::span<const Button<AdminButton>> AdminSection::Buttons(Int page) {
  if (page == kSaveGame) return kSaveButtons;
  if (page == kGameHelp) return kHelpButtons;
  return {};
}

void AdminSection::DrawPage(Canvas& canvas, Int page) {
  if (page == kGameHelp) DrawHelp(canvas);
  DrawButtons(canvas, ctx_.Fonts, Buttons(page),
              [](const Button<AdminButton>&) { return ButtonState::Enabled; });
}

void AdminSection::PressPage(int x, int y, Int page) {
  const auto hit = HitTest(Buttons(page), x, y);
  if (!hit) return;
  switch (*hit) {
    case AdminButton::SaveAndExit: SaveAndExit(); break;
    case AdminButton::NextPage: NextHelpPage(ctx_.State, kHelpPageCount); break;
  }
}

void AdminSection::DrawHelp(Canvas& canvas) {
  const Int page = ctx_.State.Runtime.HelpPage;
  const Font& text = HubFont(ctx_.Fonts, 8);
  const Font& label = HubFont(ctx_.Fonts, kHubTextSize);
  canvas.Rectangle(130, 160, 600, 550, Rgb(0xAAAAFF), kBlack);
  canvas.Text(585, 165, page.Str(), label, kButtonGreen);
  if (!InRange(page, 1, kHelpPageCount)) return;
  for (const HelpSection& section : kHelpPages[static_cast<std::size_t>(page.v - 1)]) {
    canvas.Text(kHelpLeft, section.Top, section.Heading, text, kWhite);
    int y = section.Top;
    for (std::string_view line : section.Body)
      canvas.Text(kHelpLeft, y += kHelpLineStep, line, text, Rgb(0xAAAAAA));
  }
}

void AdminSection::SaveAndExit() {
  const SaveResult result = SaveSlot(ctx_.SaveFolder, ctx_.State.Team, ctx_.State.League, ctx_.Files);
  if (!result.Ok()) {
    // The player reads why, and the game goes on in the hub.
    std::cerr << kApplicationTitle << ": not saved: " << result.Error << '\n';
    ctx_.Screens.ShowMessage(kApplicationTitle, SaveFailureMessage(ctx_.SaveFolder, result));
    return;
  }
  if (!result.Warning.empty()) std::cerr << kApplicationTitle << ": saved, but " << result.Warning << '\n';
  ctx_.Screens.ReturnToTitle(ScreenId::Hub);
}

}  // namespace vantoro
