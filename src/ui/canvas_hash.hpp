#pragma once
// The hashes the canvas knows its rows' drawing by (see canvas.hpp).

#include <cstdint>

#define XXH_INLINE_ALL
#include <xxhash.h>

namespace vantoro::canvas_hash {

// What a row's chain starts from when something sets the whole row.
inline constexpr std::uint64_t kChainStart = 0x243F6A8885A308D3ULL;

// One more op on a row.
inline std::uint64_t Chain(std::uint64_t chain, std::uint64_t op) {
  std::uint64_t x = ((chain << 23) | (chain >> 41)) ^ op;
  x *= 0x9E3779B97F4A7C15ULL;
  return x ^ (x >> 32);
}

// An op's parameters; `extra` for its contents.
inline std::uint64_t HashOf(int kind, long long a, long long b, long long c, long long d,
                            std::uint64_t colors, std::uint64_t extra) {
  const std::uint64_t words[7] = {static_cast<std::uint64_t>(kind),
                                  static_cast<std::uint64_t>(a),
                                  static_cast<std::uint64_t>(b),
                                  static_cast<std::uint64_t>(c),
                                  static_cast<std::uint64_t>(d),
                                  colors,
                                  extra};
  return XXH3_64bits(words, sizeof words);
}

inline std::uint64_t Bytes(const void* data, std::size_t size) { return XXH3_64bits(data, size); }

}  // namespace vantoro::canvas_hash
