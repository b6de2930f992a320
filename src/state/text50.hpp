#pragma once
// The counted text of the records: a length byte and 50 Windows-1252
// characters. Bytes past the length are kept as they stand, so a record
// read and written again is byte-identical.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace vantoro {

struct Text50 {
  static constexpr int kCapacity = 50;

  std::uint8_t Length;
  char Chars[kCapacity];

  // The stored length, clamped to the capacity; the byte itself is never
  // rewritten by reading, whatever a save file put there.
  constexpr int Size() const { return Length > kCapacity ? kCapacity : Length; }
  constexpr bool Empty() const { return Length == 0; }
  std::string Str() const { return std::string(Chars, static_cast<std::size_t>(Size())); }
  std::string_view View() const { return std::string_view(Chars, static_cast<std::size_t>(Size())); }

  // Keeps the first 50 characters; characters past the new length stay.
  void Set(std::string_view text) {
    const std::size_t n = text.size() < kCapacity ? text.size() : kCapacity;
    if (n > 0) std::memcpy(Chars, text.data(), n);
    Length = static_cast<std::uint8_t>(n);
  }
  Text50& operator=(std::string_view text) {
    Set(text);
    return *this;
  }
};

static_assert(sizeof(Text50) == 51 && alignof(Text50) == 1);

}  // namespace vantoro
