#pragma once
// The game's one pseudo-random generator: a 32-bit linear congruential
// generator starting from seed 0 and never seeded from the clock, so a run
// depends only on how many numbers were drawn before.

#include <cstdint>

#include "state/int.hpp"

namespace vantoro {

struct RandomGenerator {
  std::uint32_t Seed = 0;

  // A whole number 0..n-1. For n <= 0 the result is 0, but the seed still
  // advances so that every call counts as one draw.
  Int Random(Int n) {
    Seed = Seed * 134775813U + 1U;
    if (n <= 0) return Int(0);
    const std::uint64_t scaled = static_cast<std::uint64_t>(static_cast<std::uint32_t>(n.v)) * Seed;
    return Int(static_cast<std::int32_t>(scaled >> 32));
  }
};

}  // namespace vantoro
