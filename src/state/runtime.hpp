#pragma once
// Every unsaved variable of the game, by name. All are zero or empty when
// the program starts; a new game and the screens set them.
//
// The list below is the single place a variable is declared: it makes the
// struct member and the entry that the driver, the JSON dump and the tests
// use to reach the variable by its name. Screens add their own here.

#include <string>

#include "state/array1.hpp"
#include "state/int.hpp"

namespace vantoro {

using Ints3 = Array1<Int, 3>;
using Ints5 = Array1<Int, 5>;
using Ints6 = Array1<Int, 6>;
using Ints7 = Array1<Int, 7>;
using Ints50 = Array1<Int, 50>;
using Ints14 = Array1<Int, 14>;
using Ints100 = Array1<Int, 100>;
using Ints600 = Array1<Int, 600>;
using Texts6 = Array1<std::string, 6>;
using Texts30 = Array1<std::string, 30>;
using Texts600 = Array1<std::string, 600>;

// Texts are Windows-1252 bytes, as in the records.
#define VANTORO_RUNTIME_VARIABLES(X)                       \
  /* shared by several screens */                          \
  X(Int, HubSection)                                       \
  X(Int, HubPage)                                          \
  X(Ints7, HubSectionGlow)                                 \
  X(Int, HubIntroCounter)                                  \
  X(Int, SelectedPlayer)                                   \
  X(Int, SelectedCompany)                                  \
  X(Int, CatalogItem)                                      \
  X(Int, ViewedOpponent)                                   \
  X(Int, RecruitGenerated)                                 \
  X(Int, PaintPrice)                                       \
  X(Int, FundraisedThisMonth)                              \
  X(Int, GambledThisMonth)                                 \
  X(Texts6, CommentaryLines)                               \
  X(std::string, HubMessage1)                              \
  X(std::string, HubMessage2)                              \
  X(Int, NameGender)                                       \
  X(Int, SplashTicks)                                      \
  X(Ints50, SplashX)                                       \
  X(Ints50, SplashY)                                       \
  X(Ints50, SplashDX)                                      \
  X(Ints50, SplashDY)                                      \
  X(Ints100, RainX)                                        \
  X(Ints100, RainY)                                        \
  X(Ints100, RainSpeed)                                    \
  X(Ints100, HubParticleX)                                 \
  X(Ints100, HubParticleY)                                 \
  X(Ints100, HubParticleSpeed)                             \
  X(std::string, VersionLabel)                             \
  X(Int, TournamentMonth)                                  \
  X(Int, Weather)                                          \
  X(Int, MatchOpponent)                                    \
  X(Int, FlankTactic)                                      \
  X(Int, SupportTactic)                                    \
  X(Int, ForwardTactic)                                    \
  X(Int, LeaderTactic)                                     \
  X(Int, MatchOutcome)                                     \
  X(Int, TrophyKind)                                       \
  X(Int, OwnFinalScore)                                    \
  X(Int, OppositionFinalScore)                             \
  X(Int, MonthProcessed)                                   \
  X(Int, MonthScroll)                                      \
  X(Texts30, MonthLines)                                   \
  X(Int, BankAmount)                                       \
  X(Texts600, MatchLog)                                    \
  X(Int, MatchLogCount)                                    \
  X(Int, RocketX)                                          \
  X(Int, RocketY)                                          \
  X(Int, BurstHeight)                                      \
  /* title screen */                                       \
  X(Int, TitlePlaced)                                      \
  /* team creation */                                      \
  X(Int, CreationBarA)                                     \
  X(Int, CreationBarB)                                     \
  X(Int, CreationStepA)                                    \
  X(Int, CreationStepB)                                    \
  X(Int, CreationCounter)                                  \
  /* hub pages and the tournament, set up by a new game */ \
  X(Int, CustomEligible)                                   \
  X(Int, CustomChoice)                                     \
  X(Int, ActionPicture)                                    \
  X(Int, HelpPage)                                         \
  X(Int, MapView)                                          \
  X(Int, ViewedVehicle)                                    \
  X(Int, AnimFrame)                                        \
  X(Int, AnimTick)                                         \
  /* hub */                                                \
  X(Int, BankOpenRoll)                                     \
  X(Int, DebriefTopLine)                                   \
  /* match */                                              \
  X(Int, MalfunctionShown)                                 \
  X(Int, MatchClock)                                       \
  X(Ints14, PlayerCell)                                    \
  X(Int, FlagCell)                                         \
  X(Int, FlagCarrier)                                      \
  X(Int, FirstFlagGrabber)                                 \
  X(Int, FlagHungBy)                                       \
  X(Int, OppFlankTactic)                                   \
  X(Int, OppSupportTactic)                                 \
  X(Int, OppForwardTactic)                                 \
  X(Int, OppLeaderTactic)                                  \
  X(Ints7, OwnFitness)                                     \
  X(Ints7, OppFitness)                                     \
  X(Int, SplatCount)                                       \
  X(Ints600, SplatX)                                       \
  X(Ints600, SplatY)                                       \
  X(Ints600, SplatTeam)                                    \
  /* game result */                                        \
  X(Int, ResultComputed)                                   \
  X(Int, ResultStage)                                      \
  X(Int, OwnTagPoints)                                     \
  X(Int, OppTagPoints)                                     \
  X(Int, OwnPullPoints)                                    \
  X(Int, OppPullPoints)                                    \
  X(Int, OwnHangPoints)                                    \
  X(Int, OppHangPoints)                                    \
  X(Int, OwnPenalty)                                       \
  X(Int, OppPenalty)                                       \
  /* what the hub sets as it opens a gambling game */      \
  X(Int, RaceReset)                                        \
  X(Int, BetHorse)                                         \
  X(Int, RaceState)                                        \
  X(Ints3, Reel)                                           \
  X(Ints3, ReelHeld)                                       \
  X(Int, SlotState)                                        \
  X(Int, SlotCredits)                                      \
  /* horse racing */                                       \
  X(Int, BetHundreds)                                      \
  X(Int, BetTens)                                          \
  X(Int, BetUnits)                                         \
  X(Ints6, HorseX)                                         \
  X(Ints6, HorseFrame)                                     \
  X(Int, SlowHorse)                                        \
  X(Int, FastHorse)                                        \
  X(Int, RaceWinner)                                       \
  X(Int, RaceWinnings)                                     \
  X(Int, TracksideX)                                       \
  /* card game */                                          \
  X(Int, CardState)                                        \
  X(Int, CardBetHundreds)                                  \
  X(Int, CardBetTens)                                      \
  X(Int, CardBetUnits)                                     \
  X(Ints5, PlayerCards)                                    \
  X(Ints5, HouseCards)                                     \
  X(Int, PlayerCardCount)                                  \
  X(Int, HouseCardCount)                                   \
  X(Int, PlayerTotal)                                      \
  /* slot machine */                                       \
  X(Int, SpinTicks)                                        \
  X(Int, SlotWinnings)                                     \
  X(std::string, SlotMessage)

struct RuntimeState {
#define VANTORO_DECLARE(type, name) type name{};
  VANTORO_RUNTIME_VARIABLES(VANTORO_DECLARE)
#undef VANTORO_DECLARE
};

// Calls visit(name, variable) for every runtime variable, in declaration
// order; the variable is an Int, a std::string or an Array1 of either.
template <class Runtime, class Visit>
void ForEachRuntimeVariable(Runtime& runtime, Visit&& visit) {
#define VANTORO_VISIT(type, name) visit(#name, runtime.name);
  VANTORO_RUNTIME_VARIABLES(VANTORO_VISIT)
#undef VANTORO_VISIT
}

}  // namespace vantoro
