#pragma once
// The game's integer: 32 bits, two's complement, wrapping on + - *.
// Save files are untrusted, so no arithmetic on a loaded value may be
// undefined: every operation here is defined for every pair of operands.

#include <compare>
#include <cstdint>
#include <limits>
#include <string>
#include <type_traits>

namespace vantoro {

struct Int {
  std::int32_t v;

  constexpr Int() : v(0) {}
  constexpr Int(std::int32_t x) : v(x) {}  // NOLINT(google-explicit-constructor)
  // Other integer types would narrow silently; convert explicitly with Wrap().
  template <class T>
  requires(std::is_arithmetic_v<T> && !std::is_same_v<T, std::int32_t>) Int(T)
  = delete;

  // Two's complement truncation of a wider value.
  static constexpr Int Wrap(std::int64_t x) {
    return Int(static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(x))));
  }

  constexpr auto operator<=>(const Int&) const = default;

  friend constexpr Int operator+(Int a, Int b) {
    return FromBits(static_cast<std::uint32_t>(a.v) + static_cast<std::uint32_t>(b.v));
  }
  friend constexpr Int operator-(Int a, Int b) {
    return FromBits(static_cast<std::uint32_t>(a.v) - static_cast<std::uint32_t>(b.v));
  }
  friend constexpr Int operator*(Int a, Int b) {
    return FromBits(static_cast<std::uint32_t>(a.v) * static_cast<std::uint32_t>(b.v));
  }
  // Truncates toward zero; x / 0 is 0 and INT_MIN / -1 is INT_MIN.
  friend constexpr Int operator/(Int a, Int b) {
    if (b.v == 0) return Int(0);
    if (b.v == -1) return Int(0) - a;
    return Int(a.v / b.v);
  }
  // Sign follows the dividend; x % 0 is 0 and INT_MIN % -1 is 0.
  friend constexpr Int operator%(Int a, Int b) {
    if (b.v == 0 || b.v == -1) return Int(0);
    return Int(a.v % b.v);
  }
  constexpr Int operator-() const { return Int(0) - *this; }
  constexpr Int operator+() const { return *this; }

  constexpr Int& operator+=(Int b) { return *this = *this + b; }
  constexpr Int& operator-=(Int b) { return *this = *this - b; }
  constexpr Int& operator*=(Int b) { return *this = *this * b; }
  constexpr Int& operator/=(Int b) { return *this = *this / b; }
  constexpr Int& operator%=(Int b) { return *this = *this % b; }
  constexpr Int& operator++() { return *this += 1; }
  constexpr Int& operator--() { return *this -= 1; }
  constexpr Int operator++(int) {
    Int old = *this;
    *this += 1;
    return old;
  }
  constexpr Int operator--(int) {
    Int old = *this;
    *this -= 1;
    return old;
  }

  // Shift counts are taken modulo 32, as the hardware does.
  friend constexpr Int operator<<(Int a, Int n) {
    return FromBits(static_cast<std::uint32_t>(a.v) << (static_cast<std::uint32_t>(n.v) & 31U));
  }
  friend constexpr Int operator>>(Int a, Int n) {
    // Arithmetic shift, defined for negative values since C++20.
    return Int(a.v >> (static_cast<std::uint32_t>(n.v) & 31U));
  }

  // Whole numbers written as players see them.
  std::string Str() const { return std::to_string(v); }

 private:
  static constexpr Int FromBits(std::uint32_t bits) { return Int(static_cast<std::int32_t>(bits)); }
};

static_assert(sizeof(Int) == 4 && alignof(Int) == 4);
static_assert(std::is_trivially_copyable_v<Int> && std::is_standard_layout_v<Int>);

inline constexpr Int kIntMin = Int(std::numeric_limits<std::int32_t>::min());
inline constexpr Int kIntMax = Int(std::numeric_limits<std::int32_t>::max());

constexpr Int Abs(Int a) { return a < 0 ? -a : a; }
constexpr Int Min(Int a, Int b) { return a < b ? a : b; }
constexpr Int Max(Int a, Int b) { return a < b ? b : a; }
// Clamp into lo..hi (lo <= hi).
constexpr Int Clamp(Int a, Int lo, Int hi) { return a < lo ? lo : (hi < a ? hi : a); }
constexpr bool InRange(Int a, Int lo, Int hi) { return lo <= a && a <= hi; }

}  // namespace vantoro
