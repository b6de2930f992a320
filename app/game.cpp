#include "app/game.hpp"

#include "minigames/card_game_screen.hpp"
#include "minigames/horse_racing_screen.hpp"
#include "minigames/slot_machine_screen.hpp"
#include "screens/end_of_month_screen.hpp"
#include "screens/hub/hub_screen.hpp"
#include "screens/league_end_screen.hpp"
#include "screens/match_screen.hpp"
#include "screens/result_screen.hpp"
#include "screens/team_breakup_screen.hpp"
#include "screens/team_creation_screen.hpp"
#include "screens/title_screen.hpp"
#include "screens/tournament_screen.hpp"

namespace vantoro {

Game::Game(GameState& state, Platform& platform, FontLibrary& fonts, PictureSet& pictures,
           std::filesystem::path saveFolder, FileOps& files)
    : screens_(state, platform) {
  const ScreenContext context{state, screens_, fonts, pictures, std::move(saveFolder), files};
  screens_.Install(ScreenId::Title, std::make_unique<TitleScreen>(context));
  screens_.Install(ScreenId::TeamCreation, std::make_unique<TeamCreationScreen>(context));
  screens_.Install(ScreenId::Hub, std::make_unique<HubScreen>(context));
  screens_.Install(ScreenId::HorseRacing, std::make_unique<HorseRacingScreen>(context));
  screens_.Install(ScreenId::CardGame, std::make_unique<CardGameScreen>(context));
  screens_.Install(ScreenId::SlotMachine, std::make_unique<SlotMachineScreen>(context));
  screens_.Install(ScreenId::EndOfMonth, std::make_unique<EndOfMonthScreen>(context));
  screens_.Install(ScreenId::Tournament, std::make_unique<TournamentScreen>(context));
  screens_.Install(ScreenId::Match, std::make_unique<MatchScreen>(context));
  screens_.Install(ScreenId::Result, std::make_unique<ResultScreen>(context));
  screens_.Install(ScreenId::LeagueEnd, std::make_unique<LeagueEndScreen>(context));
  screens_.Install(ScreenId::TeamBreakup, std::make_unique<TeamBreakupScreen>(context));
  screens_.SetNoticeFont(&fonts.Get("Arial", FontSize::Points(10)));
  screens_.SetPictures(&pictures);
}

}  // namespace vantoro
