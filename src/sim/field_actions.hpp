#pragma once
// FIELD: training one player in one skill, a practice event for the whole
// team, and the recruit who may be offered in a month.

#include "state/game_state.hpp"

namespace vantoro {

// In the order of the training buttons.
enum class Skill { Stamina, Accuracy, Agility, Speed };
// In the order of the practice buttons.
enum class PracticeEvent { BushRecball, Speedball, PopUp, TwoVsOne };

inline constexpr int kRecruitSlot = 8;
inline constexpr int kTrainingCost = 100;

// The selected player, not tired yet, and $100.
bool CanTrain(const GameState& state);
// Targeting uses 50 paintballs; the skill gains 0 or 1, morale may drop.
void Train(GameState& state, Skill skill);

// $100 and at least one player not tired.
bool CanPractice(const GameState& state);
// Every player practises (and is tired after), whatever his state.
void Practice(GameState& state, PracticeEvent event);

// The candidate is made the first time the page is drawn in a month with an
// offer, and stays for the rest of the month.
void GenerateRecruit(GameState& state);
bool RecruitOnOffer(const GameState& state);
// The skill the player is told of and the marker the candidate brings.
Int RecruitPrice(const GameState& state);
bool CanHire(const GameState& state);
// The candidate takes the selected player's place; the team's morale drops.
void Hire(GameState& state);
void NextTeamMember(GameState& state);

}  // namespace vantoro
