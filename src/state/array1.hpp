#pragma once
// Arrays numbered from 1, with the memory layout of T[N], as the records
// and the rules number players, teams, months and rows.

#include <cassert>
#include <cstddef>

#include "state/int.hpp"

namespace vantoro {

template <class T, int N>
struct Array1 {
  static_assert(N > 0);
  T items[N];

  static constexpr int Size() { return N; }
  // True when i names an element; check this before indexing with any value
  // that came from a save file.
  static constexpr bool Valid(Int i) { return 1 <= i.v && i.v <= N; }

  constexpr T& operator[](Int i) { return items[Slot(i)]; }
  constexpr const T& operator[](Int i) const { return items[Slot(i)]; }

  constexpr T* begin() { return items; }
  constexpr T* end() { return items + N; }
  constexpr const T* begin() const { return items; }
  constexpr const T* end() const { return items + N; }

 private:
  // An out-of-range index is a programming error: development builds stop
  // on it; a release build clamps so that memory is never touched outside.
  static constexpr int Slot(Int i) {
    assert(Valid(i) && "Array1 index out of range");
    if (i.v < 1) return 0;
    if (i.v > N) return N - 1;
    return i.v - 1;
  }
};

}  // namespace vantoro
