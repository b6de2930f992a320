#pragma once
// The small firework of 25 pixels that several screens show at a press.

#include "state/game_state.hpp"
#include "ui/canvas.hpp"

namespace vantoro {

inline constexpr int kSplashParticles = 25;

struct SplashColors {
  Color A, B, C;  // young, middle-aged, old particles
};

// White, yellow and red, as the hub, the tournament and the gambling
// screens show them.
inline constexpr SplashColors kStandardSplash{Rgb(0xFFFFFF), Rgb(0xFFFF00), Rgb(0xFF0000)};

// Starts a burst at a press, unless one is running already.
void StartSplash(GameState& state, int x, int y);

// Advances a running burst by one tick and draws it.
void AdvanceSplash(GameState& state, Canvas& canvas, const SplashColors& colors);

}  // namespace vantoro
