// The playing cards of the card game: ace to king, each a white card with
// rounded corners lying on the table's dark green felt. The suits take
// turns so that red and black alternate along the set. Whatever stands
// the other way up on a real card (the lower pips, the bottom index, the
// lower half of a court figure) is the upper one turned half a turn about
// the card's centre, which is also the picture's centre.

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

#include "assets/art.hpp"
#include "assets/kit_image.hpp"
#include "assets/lettering.hpp"
#include "assets/recipes.hpp"

namespace vantoro::art {

namespace {

constexpr int kWidth = 105;
constexpr int kHeight = 153;
constexpr int kScale = 3;
constexpr float kS = static_cast<float>(kScale);
constexpr BigShapes kBig{kS};
// The dark line round the court figures' parts, in large pixels.
constexpr int kOutline = kScale / 2 + 1;

// The card's face, in picture pixels.
constexpr float kLeft = 3.0f, kTop = 3.0f, kRight = 102.0f, kBottom = 150.0f, kCorner = 7.0f;

enum class Suit { Spades, Hearts, Clubs, Diamonds };

constexpr Color kRed = Rgb(0xC8141E);
constexpr Color kBlack = Rgb(0x141418);

Suit SuitOf(int rank) { return static_cast<Suit>((rank - 1) % 4); }
Color InkOf(Suit s) { return s == Suit::Hearts || s == Suit::Diamonds ? kRed : kBlack; }

constexpr std::string_view kRanks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};

// A box with its corners rounded, as a polygon of quarter circles.
Field Rounded(const Image& image, float left, float top, float right, float bottom, float radius) {
  std::vector<Point> points;
  // Clockwise from the upper right corner.
  for (int corner = 0; corner < 4; ++corner) {
    const float cx = corner < 2 ? right - radius : left + radius;
    const float cy = corner == 1 || corner == 2 ? bottom - radius : top + radius;
    for (int i = 0; i <= 8; ++i) {
      const float a = (static_cast<float>(corner) + static_cast<float>(i) / 8.0f) * kPi * 0.5f - kPi * 0.5f;
      points.push_back({cx + std::cos(a) * radius, cy + std::sin(a) * radius});
    }
  }
  return kBig.Polygon(image, points);
}

// ---------------------------------------------------------------- pips

// A suit's shape about (cx, cy), `size` picture pixels tall; upside down
// when `down`.
void AddPip(Field& f, Suit suit, float cx, float cy, float size, bool down) {
  const float s = size * kS, x0 = cx * kS, y0 = cy * kS, flip = down ? -1.0f : 1.0f;
  const auto at = [&](float u, float v) { return Point{x0 + u * s, y0 + v * s * flip}; };
  const auto circle = [&](float u, float v, float r) { FillCircle(f, at(u, v).X, at(u, v).Y, r * s); };
  const auto polygon = [&](std::initializer_list<Point> unit) {
    std::vector<Point> points;
    for (const Point& p : unit) points.push_back(at(p.X, p.Y));
    FillPolygon(f, points);
  };
  switch (suit) {
    case Suit::Diamonds: polygon({{0.0f, -0.5f}, {0.38f, 0.0f}, {0.0f, 0.5f}, {-0.38f, 0.0f}}); break;
    case Suit::Hearts:
      circle(-0.22f, -0.2f, 0.25f);
      circle(0.22f, -0.2f, 0.25f);
      polygon({{-0.465f, -0.13f}, {0.0f, -0.2f}, {0.465f, -0.13f}, {0.0f, 0.5f}});
      break;
    case Suit::Spades:
      circle(-0.22f, 0.1f, 0.23f);
      circle(0.22f, 0.1f, 0.23f);
      polygon({{-0.445f, 0.04f}, {0.0f, -0.5f}, {0.445f, 0.04f}, {0.0f, 0.2f}});
      polygon({{0.0f, 0.1f}, {0.17f, 0.5f}, {-0.17f, 0.5f}});
      break;
    case Suit::Clubs:
      circle(0.0f, -0.25f, 0.22f);
      circle(-0.24f, 0.1f, 0.22f);
      circle(0.24f, 0.1f, 0.22f);
      circle(0.0f, 0.02f, 0.14f);
      polygon({{0.0f, 0.0f}, {0.17f, 0.5f}, {-0.17f, 0.5f}});
      break;
  }
}

// Where the pips of 2..10 sit, from row 0 (top) to 1: down both sides
// (columns 0 and 2) and down the middle (column 1).
struct PipLayout {
  std::vector<float> Sides, Middle;
};

constexpr float kThird = 1.0f / 3.0f;

void DrawPips(Image& image, int rank, Suit suit) {
  static const PipLayout kLayouts[] = {
      {{}, {0.0f, 1.0f}},
      {{}, {0.0f, 0.5f, 1.0f}},
      {{0.0f, 1.0f}, {}},
      {{0.0f, 1.0f}, {0.5f}},
      {{0.0f, 0.5f, 1.0f}, {}},
      {{0.0f, 0.5f, 1.0f}, {0.25f}},
      {{0.0f, 0.5f, 1.0f}, {0.25f, 0.75f}},
      {{0.0f, kThird, 2 * kThird, 1.0f}, {0.5f}},
      {{0.0f, kThird, 2 * kThird, 1.0f}, {kThird * 0.5f, 1.0f - kThird * 0.5f}}};
  Field pips(image.Width, image.Height);
  const auto pip = [&](int column, float row) {
    AddPip(pips, suit, 33.0f + 19.5f * static_cast<float>(column), 28.0f + 97.0f * row, 18.0f, row > 0.5f);
  };
  if (rank == 1) {
    AddPip(pips, suit, kWidth * 0.5f, kHeight * 0.5f, 46.0f, false);
  } else {
    for (const float row : kLayouts[rank - 2].Sides)
      for (const int column : {0, 2}) pip(column, row);
    for (const float row : kLayouts[rank - 2].Middle) pip(1, row);
  }
  Paint(image, pips, InkOf(suit));
}

// ---------------------------------------------------------------- court cards

struct CourtLook {
  Color Robe, Trim, Hair;
  int Headgear;  // 0 cap and feather, 1 queen's crown, 2 king's crown
};

void Headgear(Image& image, const CourtLook& look) {
  const Color gold = Rgb(0xF0B828), edge = Rgb(0x6A4A08);
  if (look.Headgear == 0) {
    const Field cap = kBig.Polygon(image, {{40, 37}, {42, 27}, {56, 24}, {66, 31}, {65, 37}});
    PaintOutlined(image, cap, look.Robe, kBlack, kOutline);
    Paint(image, kBig.Line(image, {41, 35.5f}, {65, 35.5f}, 2.4f), gold);
    // A plume sweeping back over the cap.
    Field feather(image.Width, image.Height);
    TaperedLine(feather, 60 * kS, 28 * kS, 68 * kS, 20 * kS, 5.0f * kS, 4.0f * kS);
    TaperedLine(feather, 68 * kS, 20 * kS, 76 * kS, 19 * kS, 4.0f * kS, 0.8f * kS);
    PaintOutlined(image, feather, Rgb(0xF4F0E4), kBlack, kOutline);
    Paint(image, kBig.Line(image, {61, 27.5f}, {75, 19.5f}, 0.6f), Rgb(0x9A9A90));
    return;
  }
  const bool king = look.Headgear == 2;
  const float top = king ? 19.0f : 24.0f;
  const Field crown =
      king ? kBig.Polygon(image,
                          {{41, 36}, {40, top}, {46, 28}, {52.5f, top - 2}, {59, 28}, {65, top}, {64, 36}})
           : kBig.Polygon(image, {{42, 36}, {42, 27}, {47, 31}, {52.5f, 26}, {58, 31}, {63, 27}, {63, 36}});
  Paint(image, Dilated(crown, kOutline), edge);
  PaintVertical(image, crown, Gradient{{0.0f, Rgb(0xFFF0A0)}, {1.0f, gold}}, top * kS, 36 * kS);
  Field tips(image.Width, image.Height);
  for (const float x : {40.0f, 52.5f, 65.0f}) FillCircle(tips, x * kS, (king ? top : 26.0f) * kS, 1.6f * kS);
  Paint(image, tips, gold);
  Paint(image, kBig.Ellipse(image, {52.5f, 32.5f}, 2.0f, 2.0f), kRed);
}

void Bust(Image& image, const CourtLook& look) {
  const Color skin = Rgb(0xF6D0A4), white = Rgb(0xF4F0E4);
  // Broad shoulders filling the frame, the robe's front panel and its hems.
  const Field robe = kBig.Polygon(
      image, {{21.5f, 77}, {22, 69}, {26, 63}, {37, 58.5f}, {68, 58.5f}, {79, 63}, {83, 69}, {83.5f, 77}});
  PaintOutlined(image, robe, look.Robe, kBlack, kOutline);
  Paint(image, Multiplied(kBig.Line(image, {24, 72}, {36, 60}, 3.0f), robe), look.Trim);
  Paint(image, Multiplied(kBig.Line(image, {81, 72}, {69, 60}, 3.0f), robe), look.Trim);
  PaintOutlined(image, kBig.Polygon(image, {{45, 59}, {60, 59}, {58, 77}, {47, 77}}), look.Trim, kBlack,
                kScale / 2);
  for (const float y : {64.0f, 70.0f}) Paint(image, kBig.Ellipse(image, {52.5f, y}, 1.6f, 1.6f), look.Robe);
  PaintOutlined(image, kBig.Ellipse(image, {52.5f, 58.5f}, 14.0f, 3.6f), white, kBlack, kOutline);
  // Hair behind the head, the face, and a beard for the king.
  if (look.Headgear == 1)
    PaintOutlined(image, kBig.Ellipse(image, {52.5f, 47.0f}, 13.0f, 13.5f), look.Hair, kBlack, kOutline);
  PaintOutlined(image, kBig.Ellipse(image, {52.5f, 44.5f}, 9.5f, 11.5f), skin, Rgb(0x5A3418), kOutline);
  if (look.Headgear == 2) {
    const Field beard = kBig.Polygon(image, {{43.5f, 46}, {61.5f, 46}, {58, 58}, {52.5f, 61}, {47, 58}});
    PaintOutlined(image, beard, look.Hair, Rgb(0x6A6A68), kScale / 2);
    Paint(image, kBig.Line(image, {49, 50.5f}, {56, 50.5f}, 1.8f), skin);
  }
  if (look.Headgear == 0)
    Paint(image, kBig.Polygon(image, {{43, 37}, {62, 37}, {62, 43}, {59, 40}, {43, 41}}), look.Hair);
  for (const float x : {48.5f, 56.5f}) Paint(image, kBig.Ellipse(image, {x, 43.0f}, 1.2f, 1.4f), kBlack);
  Paint(image, kBig.Line(image, {52.5f, 44}, {51.5f, 48}, 0.8f), Rgb(0xB07850));
  Paint(image, kBig.Line(image, {50.0f, 52}, {55.0f, 52}, 1.0f), look.Headgear == 2 ? Rgb(0x601010) : kRed);
  Headgear(image, look);
}

void DrawCourt(Image& image, int rank, Suit suit) {
  constexpr CourtLook kLooks[] = {{Rgb(0x2A8A3A), Rgb(0xF0B828), Rgb(0x6A3A14), 0},
                                  {Rgb(0x2A4AB8), Rgb(0xF0B828), Rgb(0xE8B830), 1},
                                  {Rgb(0xC0202A), Rgb(0xF0B828), Rgb(0xE4E0D8), 2}};
  const CourtLook& look = kLooks[rank - 11];
  // The frame around the figure, its upper half drawn and turned into the lower.
  const float l = 20.0f, t = 15.0f, r = kWidth - l, b = kHeight - t;
  Image half = image;
  Bust(half, look);
  Field pip(image.Width, image.Height);
  AddPip(pip, suit, l + 6.0f, t + 7.0f, 9.0f, false);
  Paint(half, pip, InkOf(suit));
  const float mid = static_cast<float>(image.Height / 2);
  Image turned = half;
  std::reverse(turned.Pixels.begin(), turned.Pixels.end());
  Paste(image, Crop(half, l * kS, t * kS, r * kS, mid));
  Paste(image, Crop(turned, l * kS, mid, r * kS, b * kS));
  Field frame = Subtracted(Rounded(image, l, t, r, b, 2.0f),
                           Rounded(image, l + 1.0f, t + 1.0f, r - 1.0f, b - 1.0f, 1.5f));
  Maximize(frame, kBig.Line(image, {l, kHeight * 0.5f}, {r, kHeight * 0.5f}, 0.9f));
  Paint(image, frame, InkOf(suit));
}

// ---------------------------------------------------------------- the card

// The felt's grain is worked out at the picture's own size: hardly any of
// it shows past the card.
void Felt(Image& image) {
  const Field grain = Enlarged(NoiseField(kWidth, kHeight, 6.0f, 3, 0xC4D1), kS, image.Width, image.Height);
  FillFromField(image, grain, Gradient{{0.0f, Rgb(0x0A2C18)}, {0.5f, Rgb(0x0E3A20)}, {1.0f, Rgb(0x145028)}});
}

void Corners(Image& image, FontLibrary& fonts, int rank, Suit suit) {
  const std::string_view text = kRanks[rank - 1];
  const Font& font = FittingFont(fonts, text, -kScale, 15 * kScale, 17 * kScale);
  Field index = PlacedText(image.Width, image.Height, text, font, text.size() > 1 ? -kScale : 0, 11.5f * kS,
                           static_cast<int>(7 * kS));
  AddPip(index, suit, 11.5f, 30.5f, 10.0f, false);
  // The bottom index: the top one turned half a turn about the picture's centre.
  Field turned = index;
  std::reverse(turned.Values.begin(), turned.Values.end());
  Maximize(index, turned);
  Paint(image, index, InkOf(suit));
}

}  // namespace

Image DrawCard(FontLibrary& fonts, int rank) {
  return Supersampled(kWidth, kHeight, kScale, [&](Image& image) {
    Felt(image);
    const Field card = Rounded(image, kLeft, kTop, kRight, kBottom, kCorner);
    SoftShadow(image, Shifted(card, kScale, 2 * kScale), kScale, 0.5f, 0, 0, 2);
    PaintVertical(image, card, Gradient{{0.0f, Rgb(0xFFFFFF)}, {1.0f, Rgb(0xEEEBE2)}}, kTop * kS,
                  kBottom * kS);
    Paint(image, Subtracted(card, Eroded(card, kScale / 2 + 1)), Rgb(0x9A9A90));
    const Suit suit = SuitOf(rank);
    if (rank > 10)
      DrawCourt(image, rank, suit);
    else
      DrawPips(image, rank, suit);
    Corners(image, fonts, rank, suit);
  });
}

}  // namespace vantoro::art
