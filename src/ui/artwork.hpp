#pragma once
// Every picture the game shows, by name and size. The art generator draws
// one file per entry; the game loads them all at start-up. A player may
// replace any file with a picture of the same name and size.

#include <array>
#include <string_view>

namespace vantoro {

// Families (animation frames, portraits, trophies, map strips, vehicles)
// are numbered runs: reach member n with Nth(first, n).
enum class PictureId {
  Title,          // the game's title art
  Creation,       // team creation background: a full-frame fiery explosion
  Icon,           // the window icon
  HubBackground,  // the hub's background
  TeamAnim1,
  TeamAnim2,
  TeamAnim3,
  TeamAnim4,
  TeamAnim5,
  TeamAnim6,
  TeamAnim7,
  TeamAnim8,
  TeamAnim9,
  TeamAnim10,
  TeamAnim11,
  TeamAnim12,
  TeamAnim13,
  TeamAnim14,
  TeamAnim15,
  TeamAnim16,
  TeamAnim17,
  TeamAnim18,
  TeamAnim19,
  TeamAnim20,
  PortraitMale1,
  PortraitMale2,
  PortraitMale3,
  PortraitMale4,
  PortraitMale5,
  PortraitMale6,
  PortraitMale7,
  PortraitMale8,
  PortraitFemale1,
  PortraitFemale2,
  PortraitFemale3,
  PortraitFemale4,
  PortraitFemale5,
  PortraitFemale6,
  PortraitFemale7,
  PortraitFemale8,
  Trophy1,
  Trophy2,
  Trophy3,
  Trophy4,
  MapOverview,
  MapStrip1,
  MapStrip2,
  MapStrip3,
  MapStrip4,
  MapStrip5,
  Vehicle1,
  Vehicle2,
  Vehicle3,
  Vehicle4,
  Wristwatch,       // end of month
  MonthSprite,      // end of month: the little figure under the list
  LeagueEndBanner,  // league end
  TeamCelebrating,  // league end, ranks 1 to 3
  TeamDejected,     // league end, ranks 4 and below
  SmallTrophy1,
  SmallTrophy2,
  SmallTrophy3,
  SmallTrophy4,
  BreakupBanner,     // team breakup
  BreakupTeam,       // team breakup: two sullen team members
  TournamentBanner,  // tournament: the pre-game banner
  FigureMale1,       // tournament: full-length players in a line-up
  FigureMale2,
  FigureMale3,
  FigureMale4,
  FigureFemale1,
  FigureFemale2,
  FigureFemale3,
  FigureFemale4,
  FieldAirball,     // tournament: the fields, bunkers as in field_geometry.hpp
  FieldAirballMud,  // the Airball field in rain
  FieldWoodsball,
  ActionAirball1,  // tournament: moments of play
  ActionAirball2,
  ActionAirball3,
  ActionAirball4,
  ActionAirball5,
  ActionAirball6,
  ActionAirball7,
  ActionAirball8,
  ActionAirball9,
  ActionWoods1,
  ActionWoods2,
  ActionWoods3,
  ActionWoods4,
  ActionWoods5,
  MarkerFailure,   // drawn over the action picture when a marker breaks
  GameEndsBanner,  // result screen
  PenaltyBanner,
  WinBanner,
  LossBanner,
  DrawBanner,
  ResultTrophy1,  // result screen: the hub trophies, larger
  ResultTrophy2,
  ResultTrophy3,
  ResultTrophy4,
  LossPicture,  // result screen after a lost game
  HqPicture,    // the HQ section: the clubhouse from outside
  Clubhouse,    // the clubhouse room; fittings are drawn over it
  Television,
  PbCooler,
  SnackMachine,
  PoolTable,
  BeerFridge,
  MarkerItem1,  // the store's marker catalogue
  MarkerItem2,
  MarkerItem3,
  MarkerItem4,
  MarkerItem5,
  MarkerItem6,
  MarkerItem7,
  MarkerItem8,
  MarkerItem9,
  MarkerItem10,
  NoMarkerMale,  // a player without a marker
  NoMarkerFemale,
  PaintPicture,  // the store's paint
  Custom1,       // the store's customisations
  Custom2,
  Custom3,
  Custom4,
  Training1,  // the training page's drills on the practice field
  Training2,
  Training3,
  Training4,
  FinancePicture,  // the finance section's money matters
  GamblePicture,   // the finance section's gambling
  HorseStanding,   // the horse race's runner waiting at the start
  HorseGallop1,    // the runner's two gallop phases, alternated every tick
  HorseGallop2,
  Card1,  // playing cards A, 2..10, J, Q, K
  Card2,
  Card3,
  Card4,
  Card5,
  Card6,
  Card7,
  Card8,
  Card9,
  Card10,
  Card11,
  Card12,
  Card13,
  SlotSymbol1,  // slot reel symbols: balls 1..4, $$$, BONUS, CREDIT, $100, blank
  SlotSymbol2,
  SlotSymbol3,
  SlotSymbol4,
  SlotSymbol5,
  SlotSymbol6,
  SlotSymbol7,
  SlotSymbol8,
  SlotSymbol9,
  SlotBlur1,  // a spinning reel's motion blur
  SlotBlur2,
  SlotBlur3,
  SlotBlur4,
  SlotBlur5,
};

struct PictureInfo {
  PictureId Id;
  std::string_view File;
  int Width;
  int Height;
};

inline constexpr std::array kPictures = {
    PictureInfo{PictureId::Title, "title.jpg", 785, 572},
    PictureInfo{PictureId::Creation, "creation.jpg", 800, 600},
    PictureInfo{PictureId::Icon, "icon.jpg", 64, 64},
    PictureInfo{PictureId::HubBackground, "hub.jpg", 800, 600},
    PictureInfo{PictureId::TeamAnim1, "team01.jpg", 270, 200},
    PictureInfo{PictureId::TeamAnim2, "team02.jpg", 270, 200},
    PictureInfo{PictureId::TeamAnim3, "team03.jpg", 270, 200},
    PictureInfo{PictureId::TeamAnim4, "team04.jpg", 270, 200},
    PictureInfo{PictureId::TeamAnim5, "team05.jpg", 270, 200},
    PictureInfo{PictureId::TeamAnim6, "team06.jpg", 270, 200},
    PictureInfo{PictureId::TeamAnim7, "team07.jpg", 270, 200},
    PictureInfo{PictureId::TeamAnim8, "team08.jpg", 270, 200},
    PictureInfo{PictureId::TeamAnim9, "team09.jpg", 270, 200},
    PictureInfo{PictureId::TeamAnim10, "team10.jpg", 270, 200},
    PictureInfo{PictureId::TeamAnim11, "team11.jpg", 270, 200},
    PictureInfo{PictureId::TeamAnim12, "team12.jpg", 270, 200},
    PictureInfo{PictureId::TeamAnim13, "team13.jpg", 270, 200},
    PictureInfo{PictureId::TeamAnim14, "team14.jpg", 270, 200},
    PictureInfo{PictureId::TeamAnim15, "team15.jpg", 270, 200},
    PictureInfo{PictureId::TeamAnim16, "team16.jpg", 270, 200},
    PictureInfo{PictureId::TeamAnim17, "team17.jpg", 270, 200},
    PictureInfo{PictureId::TeamAnim18, "team18.jpg", 270, 200},
    PictureInfo{PictureId::TeamAnim19, "team19.jpg", 270, 200},
    PictureInfo{PictureId::TeamAnim20, "team20.jpg", 270, 200},
    PictureInfo{PictureId::PortraitMale1, "portrait_m1.jpg", 201, 150},
    PictureInfo{PictureId::PortraitMale2, "portrait_m2.jpg", 201, 150},
    PictureInfo{PictureId::PortraitMale3, "portrait_m3.jpg", 201, 150},
    PictureInfo{PictureId::PortraitMale4, "portrait_m4.jpg", 201, 150},
    PictureInfo{PictureId::PortraitMale5, "portrait_m5.jpg", 201, 150},
    PictureInfo{PictureId::PortraitMale6, "portrait_m6.jpg", 201, 150},
    PictureInfo{PictureId::PortraitMale7, "portrait_m7.jpg", 201, 150},
    PictureInfo{PictureId::PortraitMale8, "portrait_m8.jpg", 201, 150},
    PictureInfo{PictureId::PortraitFemale1, "portrait_f1.jpg", 201, 150},
    PictureInfo{PictureId::PortraitFemale2, "portrait_f2.jpg", 201, 150},
    PictureInfo{PictureId::PortraitFemale3, "portrait_f3.jpg", 201, 150},
    PictureInfo{PictureId::PortraitFemale4, "portrait_f4.jpg", 201, 150},
    PictureInfo{PictureId::PortraitFemale5, "portrait_f5.jpg", 201, 150},
    PictureInfo{PictureId::PortraitFemale6, "portrait_f6.jpg", 201, 150},
    PictureInfo{PictureId::PortraitFemale7, "portrait_f7.jpg", 201, 150},
    PictureInfo{PictureId::PortraitFemale8, "portrait_f8.jpg", 201, 150},
    PictureInfo{PictureId::Trophy1, "trophy1.jpg", 160, 170},
    PictureInfo{PictureId::Trophy2, "trophy2.jpg", 160, 170},
    PictureInfo{PictureId::Trophy3, "trophy3.jpg", 160, 170},
    PictureInfo{PictureId::Trophy4, "trophy4.jpg", 160, 170},
    PictureInfo{PictureId::MapOverview, "map_overview.jpg", 143, 200},
    PictureInfo{PictureId::MapStrip1, "map_strip1.jpg", 576, 200},
    PictureInfo{PictureId::MapStrip2, "map_strip2.jpg", 576, 200},
    PictureInfo{PictureId::MapStrip3, "map_strip3.jpg", 576, 200},
    PictureInfo{PictureId::MapStrip4, "map_strip4.jpg", 576, 200},
    PictureInfo{PictureId::MapStrip5, "map_strip5.jpg", 576, 200},
    PictureInfo{PictureId::Vehicle1, "vehicle1.jpg", 247, 185},
    PictureInfo{PictureId::Vehicle2, "vehicle2.jpg", 247, 185},
    PictureInfo{PictureId::Vehicle3, "vehicle3.jpg", 247, 185},
    PictureInfo{PictureId::Vehicle4, "vehicle4.jpg", 247, 185},
    PictureInfo{PictureId::Wristwatch, "watch.jpg", 105, 105},
    PictureInfo{PictureId::MonthSprite, "sprite.jpg", 57, 33},
    PictureInfo{PictureId::LeagueEndBanner, "league_end.jpg", 777, 153},
    PictureInfo{PictureId::TeamCelebrating, "team_celebrating.jpg", 105, 105},
    PictureInfo{PictureId::TeamDejected, "team_dejected.jpg", 105, 105},
    PictureInfo{PictureId::SmallTrophy1, "trophy_small1.jpg", 90, 96},
    PictureInfo{PictureId::SmallTrophy2, "trophy_small2.jpg", 90, 96},
    PictureInfo{PictureId::SmallTrophy3, "trophy_small3.jpg", 90, 96},
    PictureInfo{PictureId::SmallTrophy4, "trophy_small4.jpg", 90, 96},
    PictureInfo{PictureId::BreakupBanner, "breakup.jpg", 741, 86},
    PictureInfo{PictureId::BreakupTeam, "breakup_team.jpg", 378, 472},
    PictureInfo{PictureId::TournamentBanner, "tournament_banner.jpg", 533, 58},
    PictureInfo{PictureId::FigureMale1, "figure_m1.jpg", 90, 180},
    PictureInfo{PictureId::FigureMale2, "figure_m2.jpg", 90, 180},
    PictureInfo{PictureId::FigureMale3, "figure_m3.jpg", 90, 180},
    PictureInfo{PictureId::FigureMale4, "figure_m4.jpg", 90, 180},
    PictureInfo{PictureId::FigureFemale1, "figure_f1.jpg", 90, 180},
    PictureInfo{PictureId::FigureFemale2, "figure_f2.jpg", 90, 180},
    PictureInfo{PictureId::FigureFemale3, "figure_f3.jpg", 90, 180},
    PictureInfo{PictureId::FigureFemale4, "figure_f4.jpg", 90, 180},
    PictureInfo{PictureId::FieldAirball, "field_airball.jpg", 700, 372},
    PictureInfo{PictureId::FieldAirballMud, "field_airball_mud.jpg", 700, 372},
    PictureInfo{PictureId::FieldWoodsball, "field_woodsball.jpg", 700, 372},
    PictureInfo{PictureId::ActionAirball1, "action_air1.jpg", 238, 178},
    PictureInfo{PictureId::ActionAirball2, "action_air2.jpg", 238, 178},
    PictureInfo{PictureId::ActionAirball3, "action_air3.jpg", 238, 178},
    PictureInfo{PictureId::ActionAirball4, "action_air4.jpg", 238, 178},
    PictureInfo{PictureId::ActionAirball5, "action_air5.jpg", 238, 178},
    PictureInfo{PictureId::ActionAirball6, "action_air6.jpg", 238, 178},
    PictureInfo{PictureId::ActionAirball7, "action_air7.jpg", 238, 178},
    PictureInfo{PictureId::ActionAirball8, "action_air8.jpg", 238, 178},
    PictureInfo{PictureId::ActionAirball9, "action_air9.jpg", 238, 178},
    PictureInfo{PictureId::ActionWoods1, "action_woods1.jpg", 238, 178},
    PictureInfo{PictureId::ActionWoods2, "action_woods2.jpg", 238, 178},
    PictureInfo{PictureId::ActionWoods3, "action_woods3.jpg", 238, 178},
    PictureInfo{PictureId::ActionWoods4, "action_woods4.jpg", 238, 178},
    PictureInfo{PictureId::ActionWoods5, "action_woods5.jpg", 238, 178},
    PictureInfo{PictureId::MarkerFailure, "marker_failure.jpg", 238, 178},
    PictureInfo{PictureId::GameEndsBanner, "game_ends.jpg", 520, 60},
    PictureInfo{PictureId::PenaltyBanner, "penalty.jpg", 300, 50},
    PictureInfo{PictureId::WinBanner, "win.jpg", 300, 90},
    PictureInfo{PictureId::LossBanner, "loss.jpg", 300, 90},
    PictureInfo{PictureId::DrawBanner, "draw.jpg", 300, 90},
    PictureInfo{PictureId::ResultTrophy1, "result_trophy1.jpg", 200, 212},
    PictureInfo{PictureId::ResultTrophy2, "result_trophy2.jpg", 200, 212},
    PictureInfo{PictureId::ResultTrophy3, "result_trophy3.jpg", 200, 212},
    PictureInfo{PictureId::ResultTrophy4, "result_trophy4.jpg", 200, 212},
    PictureInfo{PictureId::LossPicture, "loss_picture.jpg", 400, 300},
    PictureInfo{PictureId::HqPicture, "hq.jpg", 270, 199},
    PictureInfo{PictureId::Clubhouse, "clubhouse.jpg", 270, 192},
    PictureInfo{PictureId::Television, "fit_tv.jpg", 50, 34},
    PictureInfo{PictureId::PbCooler, "fit_cooler.jpg", 35, 50},
    PictureInfo{PictureId::SnackMachine, "fit_snack.jpg", 40, 70},
    PictureInfo{PictureId::PoolTable, "fit_pool.jpg", 100, 55},
    PictureInfo{PictureId::BeerFridge, "fit_fridge.jpg", 30, 26},
    PictureInfo{PictureId::MarkerItem1, "marker1.jpg", 270, 185},
    PictureInfo{PictureId::MarkerItem2, "marker2.jpg", 270, 185},
    PictureInfo{PictureId::MarkerItem3, "marker3.jpg", 270, 185},
    PictureInfo{PictureId::MarkerItem4, "marker4.jpg", 270, 185},
    PictureInfo{PictureId::MarkerItem5, "marker5.jpg", 270, 185},
    PictureInfo{PictureId::MarkerItem6, "marker6.jpg", 270, 185},
    PictureInfo{PictureId::MarkerItem7, "marker7.jpg", 270, 185},
    PictureInfo{PictureId::MarkerItem8, "marker8.jpg", 270, 185},
    PictureInfo{PictureId::MarkerItem9, "marker9.jpg", 270, 185},
    PictureInfo{PictureId::MarkerItem10, "marker10.jpg", 270, 185},
    PictureInfo{PictureId::NoMarkerMale, "no_marker_m.jpg", 270, 185},
    PictureInfo{PictureId::NoMarkerFemale, "no_marker_f.jpg", 270, 185},
    PictureInfo{PictureId::PaintPicture, "paint.jpg", 270, 199},
    PictureInfo{PictureId::Custom1, "custom1.jpg", 200, 150},
    PictureInfo{PictureId::Custom2, "custom2.jpg", 200, 150},
    PictureInfo{PictureId::Custom3, "custom3.jpg", 200, 150},
    PictureInfo{PictureId::Custom4, "custom4.jpg", 200, 150},
    PictureInfo{PictureId::Training1, "training1.jpg", 270, 200},
    PictureInfo{PictureId::Training2, "training2.jpg", 270, 200},
    PictureInfo{PictureId::Training3, "training3.jpg", 270, 200},
    PictureInfo{PictureId::Training4, "training4.jpg", 270, 200},
    PictureInfo{PictureId::FinancePicture, "finance.jpg", 270, 200},
    PictureInfo{PictureId::GamblePicture, "gamble.jpg", 270, 200},
    PictureInfo{PictureId::HorseStanding, "horse_stand.jpg", 49, 41},
    PictureInfo{PictureId::HorseGallop1, "horse_gallop1.jpg", 57, 41},
    PictureInfo{PictureId::HorseGallop2, "horse_gallop2.jpg", 57, 41},
    PictureInfo{PictureId::Card1, "card1.jpg", 105, 153},
    PictureInfo{PictureId::Card2, "card2.jpg", 105, 153},
    PictureInfo{PictureId::Card3, "card3.jpg", 105, 153},
    PictureInfo{PictureId::Card4, "card4.jpg", 105, 153},
    PictureInfo{PictureId::Card5, "card5.jpg", 105, 153},
    PictureInfo{PictureId::Card6, "card6.jpg", 105, 153},
    PictureInfo{PictureId::Card7, "card7.jpg", 105, 153},
    PictureInfo{PictureId::Card8, "card8.jpg", 105, 153},
    PictureInfo{PictureId::Card9, "card9.jpg", 105, 153},
    PictureInfo{PictureId::Card10, "card10.jpg", 105, 153},
    PictureInfo{PictureId::Card11, "card11.jpg", 105, 153},
    PictureInfo{PictureId::Card12, "card12.jpg", 105, 153},
    PictureInfo{PictureId::Card13, "card13.jpg", 105, 153},
    PictureInfo{PictureId::SlotSymbol1, "slot1.jpg", 105, 57},
    PictureInfo{PictureId::SlotSymbol2, "slot2.jpg", 105, 57},
    PictureInfo{PictureId::SlotSymbol3, "slot3.jpg", 105, 57},
    PictureInfo{PictureId::SlotSymbol4, "slot4.jpg", 105, 57},
    PictureInfo{PictureId::SlotSymbol5, "slot5.jpg", 105, 57},
    PictureInfo{PictureId::SlotSymbol6, "slot6.jpg", 105, 57},
    PictureInfo{PictureId::SlotSymbol7, "slot7.jpg", 105, 57},
    PictureInfo{PictureId::SlotSymbol8, "slot8.jpg", 105, 57},
    PictureInfo{PictureId::SlotSymbol9, "slot9.jpg", 105, 57},
    PictureInfo{PictureId::SlotBlur1, "slot_blur1.jpg", 105, 57},
    PictureInfo{PictureId::SlotBlur2, "slot_blur2.jpg", 105, 57},
    PictureInfo{PictureId::SlotBlur3, "slot_blur3.jpg", 105, 57},
    PictureInfo{PictureId::SlotBlur4, "slot_blur4.jpg", 105, 57},
    PictureInfo{PictureId::SlotBlur5, "slot_blur5.jpg", 105, 57},
};

// The game finds a picture's entry by its number.
constexpr bool ListedInOrder() {
  for (std::size_t i = 0; i < kPictures.size(); ++i) {
    if (static_cast<std::size_t>(kPictures[i].Id) != i) return false;
  }
  return true;
}
static_assert(ListedInOrder());

// Member n (1-based) of the family that starts at `first`.
constexpr PictureId Nth(PictureId first, int n) {
  return static_cast<PictureId>(static_cast<int>(first) + n - 1);
}

}  // namespace vantoro
