#pragma once
// A picture in memory: 32-bit pixels 0x00RRGGBB, row by row.

#include <cstdint>
#include <vector>

namespace vantoro {

struct Color {
  std::uint8_t R = 0, G = 0, B = 0;

  constexpr bool operator==(const Color&) const = default;
  constexpr std::uint32_t Packed() const { return (std::uint32_t{R} << 16) | (std::uint32_t{G} << 8) | B; }
  static constexpr Color FromPacked(std::uint32_t rgb) {
    return Color{static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
                 static_cast<std::uint8_t>(rgb)};
  }
};

// Colours are written #RRGGBB throughout the game: Rgb(0x00FF00).
constexpr Color Rgb(std::uint32_t rgb) { return Color::FromPacked(rgb); }

inline constexpr Color kBlack = Rgb(0x000000);
inline constexpr Color kWhite = Rgb(0xFFFFFF);
inline constexpr Color kRed = Rgb(0xFF0000);

struct Image {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint32_t> Pixels;

  Image() = default;
  Image(int width, int height, Color fill = kBlack)
      : Width(width),
        Height(height),
        Pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill.Packed()) {}

  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < Width && y < Height; }
  // Reads outside the picture give black.
  Color At(int x, int y) const { return Contains(x, y) ? Color::FromPacked(Pixels[Index(x, y)]) : kBlack; }
  void Set(int x, int y, Color c) {
    if (Contains(x, y)) Pixels[Index(x, y)] = c.Packed();
  }
  std::size_t Index(int x, int y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) + static_cast<std::size_t>(x);
  }
};

}  // namespace vantoro
