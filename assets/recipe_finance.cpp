// The finance section's two pictures: the club's money on the office desk
// (cash box, notes and coins, the ledger, a calculator and the share prices)
// and the other way of making it, on the green baize: cards, dice, chips,
// the racing form and a one-armed bandit.

#include <array>
#include <cmath>
#include <string_view>
#include <vector>

#include "assets/art.hpp"
#include "assets/kit_image.hpp"
#include "assets/recipes.hpp"

namespace vantoro::art {

namespace {

constexpr int kWidth = 270;
constexpr int kHeight = 200;
constexpr int kScale = 2;
constexpr float kS = static_cast<float>(kScale);
constexpr BigShapes kBig{kS};

// ---------------------------------------------------------------- shapes, in final pixels

// A turned object's own axes: u along, v across, in final pixels.
struct Frame {
  Point Origin;
  float Angle;
  Point At(float u, float v) const {
    const float c = std::cos(Angle), s = std::sin(Angle);
    return {Origin.X + u * c - v * s, Origin.Y + u * s + v * c};
  }
};

// Something lying on the desk or the table: its soft shadow, then the mask
// painted, and rounded by a bevel when given a strength.
void Lying(Image& image, const Field& mask, float shadow, Color colour, float strength = 0, int bevel = 3) {
  kBig.Shadow(image, mask, shadow);
  if (strength > 0.0f)
    kBig.Shaded(image, mask, colour, strength, bevel);
  else
    Paint(image, mask, colour);
}

// ---------------------------------------------------------------- surfaces

// A warm wooden desk under a lamp at the upper left.
void Desk(Image& image) {
  const Noise n(0xF1D);
  FillEach(image, [&](int x, int y) {
    const float fx = static_cast<float>(x) / kS, fy = static_cast<float>(y) / kS;
    const float grain = n.Fbm(fx / 70.0f, fy / 4.0f + 0.3f * n.Value(fx / 40.0f, fy / 40.0f), 4);
    const float lamp = std::exp(-((fx - 60.0f) * (fx - 60.0f) + (fy - 30.0f) * (fy - 30.0f)) / 30000.0f);
    return Lerp(ToF(Rgb(0x4A2812)), ToF(Rgb(0x9A6030)), grain) * (0.55f + 0.6f * lamp);
  });
}

// Green baize under a hanging light.
void Baize(Image& image) {
  FillRadial(image, image.Width * 0.45f, image.Height * 0.55f, image.Width * 0.75f, image.Height * 0.9f,
             Gradient{{0.0f, Rgb(0x1E8A4A)}, {0.7f, Rgb(0x0E5A2E)}, {1.0f, Rgb(0x06301A)}});
  const Noise n(0xBA12E);
  FillEach(image, [&](int x, int y) {
    return Unpack(image.Pixels[image.Index(x, y)]) *
           (0.92f + 0.16f * n.Value(static_cast<float>(x) / 1.5f, static_cast<float>(y) / 1.5f));
  });
}

// ---------------------------------------------------------------- the office desk

void SharePrices(Image& image, const Font& font) {
  Lying(image, kBig.Box(image, 148, 6, 262, 92), 0.45f, Rgb(0xF4F2EA));
  Field grid(image.Width, image.Height);
  for (float x = 162; x < 258; x += 12) kBig.Line(grid, {x, 22}, {x, 84}, 0.5f);
  for (float y = 24; y < 86; y += 10) kBig.Line(grid, {160, y}, {256, y}, 0.5f);
  Paint(image, grid, Rgb(0x9AB8D8), 0.7f);
  Paint(image, kBig.Line(image, {160, 22}, {160, 84}, 1.0f), Rgb(0x30343C));
  Paint(image, kBig.Line(image, {160, 84}, {256, 84}, 1.0f), Rgb(0x30343C));
  Paint(image, kBig.Text(image, {154, 8}, "SHARE PRICE", font), Rgb(0x1A2A4A));
  // Up over the season, with the dip every small club knows.
  const Point prices[] = {{162, 72}, {172, 68}, {182, 70}, {192, 60}, {202, 63},
                          {212, 74}, {222, 58}, {232, 50}, {242, 42}, {254, 30}};
  std::vector<Point> area(std::begin(prices), std::end(prices));
  area.insert(area.end(), {{254, 84}, {162, 84}});
  Paint(image, kBig.Polygon(image, area), Rgb(0x3AB04A), 0.25f);
  Field chart(image.Width, image.Height);
  for (std::size_t i = 1; i < std::size(prices); ++i) kBig.Line(chart, prices[i - 1], prices[i], 1.4f);
  Paint(image, chart, Rgb(0x1E8A2E));
  Paint(image, kBig.Line(image, {202, 63}, {212, 74}, 1.4f), Rgb(0xD8262E));
  Paint(image, kBig.Polygon(image, {{254, 26}, {258, 34}, {250, 33}}), Rgb(0x1E8A2E));
}

void Ledger(Image& image, const Font& font) {
  kBig.Shadow(image, kBig.Box(image, 8, 14, 146, 104), 0.55f);
  kBig.Shaded(image, kBig.Box(image, 6, 12, 148, 106), Rgb(0x6A1A1A), 0.4f);
  for (const float left : {10.0f, 78.0f}) {
    Paint(image, kBig.Box(image, left, 15, left + 66, 102), Rgb(0xF2ECD8));
    Field rules(image.Width, image.Height);
    for (float y = 26; y < 100; y += 7) kBig.Line(rules, {left + 2, y}, {left + 64, y}, 0.4f);
    Paint(image, rules, Rgb(0x7A9AC8), 0.6f);
    Paint(image, kBig.Line(image, {left + 44, 17}, {left + 44, 100}, 0.5f), Rgb(0xD8262E), 0.7f);
  }
  // The gutter darkens towards the spine.
  Field gutter = kBig.Box(image, 70, 15, 86, 102);
  BoxBlur(gutter, 4 * kScale);
  Paint(image, Multiplied(gutter, kBig.Box(image, 10, 15, 144, 102)), Rgb(0x3A2A10), 0.35f);
  constexpr std::string_view kLines[][2] = {
      {"Gate", "1,250"}, {"Kit", "-420"}, {"Paint", "-310"}, {"Sponsor", "2,000"}, {"Field", "-600"},
      {"Prize", "750"},  {"Van", "-180"}, {"Bar", "340"},    {"Fees", "-95"},      {"Total", "2,735"},
  };
  for (std::size_t i = 0; i < std::size(kLines); ++i) {
    const float left = i < 5 ? 12.0f : 80.0f, y = 20.0f + 7.0f * static_cast<float>(i % 5) * 1.6f;
    const Color sum = kLines[i][1][0] == '-' ? Rgb(0xB01A1A) : Rgb(0x1A2040);
    Paint(image, kBig.Text(image, {left, y}, kLines[i][0], font), Rgb(0x1A2040), 0.85f);
    Paint(image, kBig.Text(image, {left + 46, y}, kLines[i][1], font), sum, 0.85f);
  }
  Paint(image, kBig.Line(image, {124, 73}, {142, 73}, 0.6f), Rgb(0x1A2040));
  // A pen across the page.
  Lying(image, kBig.Line(image, {88, 98}, {132, 82}, 3.0f), 0.4f, Rgb(0x1A1A24), 0.6f, 1);
  Paint(image, kBig.Line(image, {126, 84}, {132, 82}, 2.0f), Rgb(0xD8B040));
}

void CashBox(Image& image) {
  // The lid, swung up behind the box.
  Lying(image, kBig.Polygon(image, {{18, 126}, {112, 126}, {118, 100}, {14, 100}}), 0.5f, Rgb(0x2A5A4A),
        0.5f);
  const Field inside = kBig.Polygon(image, {{8, 128}, {122, 128}, {116, 158}, {14, 158}});
  const Field front = kBig.Box(image, 14, 158, 116, 192);
  kBig.Shadow(image, Multiplied(front, front), 0.6f);
  kBig.Shaded(image, Dilated(inside, 2 * kScale), Rgb(0x336A58), 0.5f);
  Paint(image, inside, Rgb(0x1A2A24));
  // The back tray: notes standing in their slots.
  Random rng(0xCA5);
  for (int i = 0; i < 4; ++i) {
    const float x = 16.0f + 24.0f * static_cast<float>(i);
    const Field notes = kBig.Box(image, x, 124 + rng.Range(0, 3), x + 20, 140);
    kBig.Shaded(image, notes, i % 2 == 0 ? Rgb(0x9AC89A) : Rgb(0xD8B87A), 0.4f, 1);
    Paint(image, kBig.Line(image, {x + 2, 132}, {x + 18, 132}, 0.6f), Rgb(0x3A5A3A), 0.5f);
  }
  Paint(image, kBig.Line(image, {10, 142}, {120, 142}, 1.6f), Rgb(0x4A7A68));
  // The front tray: coins.
  for (int i = 0; i < 18; ++i) {
    const float x = 20.0f + 5.5f * static_cast<float>(i) + rng.Range(-1, 1), y = 150.0f + rng.Range(-3, 3);
    kBig.Shaded(image, kBig.Ellipse(image, {x, y}, 4.2f, 3.2f), i % 3 == 0 ? Rgb(0xC8CCD4) : Rgb(0xE0B040),
                0.7f, 1);
  }
  kBig.Shaded(image, front, Rgb(0x2E6050), 0.5f);
  Paint(image, kBig.Line(image, {14, 160}, {116, 160}, 1.0f), Rgb(0x8AC0A8), 0.6f);
  kBig.Shaded(image, kBig.Box(image, 58, 168, 72, 180), Rgb(0xC8CCD4), 0.6f, 1);
  Paint(image, kBig.Ellipse(image, {65, 174}, 1.6f, 2.2f), Rgb(0x1A1A1A));
}

void Banknote(Image& image, const Frame& f, Color colour) {
  const Field note = kBig.RoundedBox(image, f.Origin, 64, 32, 0, f.Angle);
  Lying(image, note, 0.35f, colour);
  Paint(image, Subtracted(note, kBig.RoundedBox(image, f.At(3, 3), 58, 26, 0, f.Angle)), Rgb(0x2A4A2A),
        0.35f);
  Paint(image, kBig.Ellipse(image, f.At(32, 16), 8, 8), Rgb(0x2A4A2A), 0.25f);
  Paint(image, kBig.Ellipse(image, f.At(32, 16), 5, 6), Rgb(0xFFFFFF), 0.35f);
  for (const float u : {9.0f, 55.0f})
    Paint(image, kBig.Ellipse(image, f.At(u, 9), 3.5f, 3.5f), Rgb(0x2A4A2A), 0.4f);
}

void CoinStack(Image& image, Point base, int count, Color colour) {
  for (int i = 0; i < count; ++i) {
    const Point c{base.X, base.Y - 2.6f * static_cast<float>(i)};
    Field side = kBig.Ellipse(image, c, 7, 3);
    Maximize(side, kBig.Box(image, c.X - 7, c.Y - 2.6f, c.X + 7, c.Y));
    if (i == 0) kBig.Shadow(image, side, 0.5f);
    Paint(image, side, Lerp(colour, Rgb(0x000000), 0.35f));
    Paint(image, kBig.Ellipse(image, {c.X, c.Y - 2.6f}, 7, 3), colour);
  }
  Paint(image, kBig.Ellipse(image, {base.X, base.Y - 2.6f * static_cast<float>(count)}, 4.5f, 1.8f),
        Rgb(0xFFFFFF), 0.3f);
}

void Calculator(Image& image, const Font& font) {
  Lying(image, kBig.Box(image, 196, 98, 260, 190), 0.6f, Rgb(0x2A2C34), 0.5f, 4);
  kBig.Shaded(image, kBig.Box(image, 202, 104, 254, 122), Rgb(0xAAB89A), 0.4f, 1);
  const int w = font.TextWidth("2735.00");
  Paint(image, kBig.Text(image, {252.0f - static_cast<float>(w) / kS, 107}, "2735.00", font), Rgb(0x1A2418));
  Field keys(image.Width, image.Height), op(image.Width, image.Height);
  // Five rows of four keys, the operators down the right.
  for (float y = 128.0f; y < 188.0f; y += 12.0f)
    for (float x = 202.0f; x < 254.0f; x += 13.0f)
      Maximize(x > 240.0f ? op : keys, kBig.Box(image, x, y, x + 10, y + 9));
  kBig.Shaded(image, keys, Rgb(0xC8CCD4), 0.6f, 1);
  kBig.Shaded(image, op, Rgb(0xFF8A1A), 0.6f, 1);
}

void Office(Image& image, FontLibrary& fonts) {
  Desk(image);
  SharePrices(image, fonts.Get("Arial", FontSize::Pixels(7 * kScale), true));
  Ledger(image, fonts.Get("Arial", FontSize::Pixels(6 * kScale)));
  CashBox(image);
  Banknote(image, {{120, 128}, -0.3f}, Rgb(0xA8D0A0));
  Banknote(image, {{126, 120}, -0.05f}, Rgb(0xE0C490));
  Banknote(image, {{134, 126}, 0.22f}, Rgb(0xB0D4B8));
  CoinStack(image, {178, 192}, 6, Rgb(0xE0B040));
  CoinStack(image, {186, 180}, 4, Rgb(0xC8CCD4));
  for (const Point c : {Point{150, 188}, Point{164, 194}})
    kBig.Shaded(image, kBig.Ellipse(image, c, 5, 3.4f), Rgb(0xE0B040), 0.7f, 1);
  Calculator(image, fonts.Get("Arial", FontSize::Pixels(10 * kScale), true));
  Vignette(image, 0.35f);
}

// ---------------------------------------------------------------- the gambling table

enum class Suit { Hearts, Diamonds, Spades, Clubs };

void Pip(Field& f, const Frame& card, float u, float v, float s, Suit suit) {
  auto poly = [&](std::initializer_list<Point> local) {
    std::vector<Point> big;
    for (const Point& p : local) big.push_back(kBig.Big(card.At(u + p.X * s, v + p.Y * s)));
    FillPolygon(f, big);
  };
  auto circle = [&](float x, float y, float r) {
    const Point c = kBig.Big(card.At(u + x * s, v + y * s));
    FillCircle(f, c.X, c.Y, r * s * kS);
  };
  switch (suit) {
    case Suit::Diamonds: poly({{0, -0.6f}, {0.42f, 0}, {0, 0.6f}, {-0.42f, 0}}); break;
    case Suit::Hearts:
      circle(-0.25f, -0.15f, 0.28f);
      circle(0.25f, -0.15f, 0.28f);
      poly({{-0.52f, -0.07f}, {0.52f, -0.07f}, {0, 0.55f}});
      break;
    case Suit::Spades:
      circle(-0.25f, 0.1f, 0.27f);
      circle(0.25f, 0.1f, 0.27f);
      poly({{-0.51f, 0.04f}, {0.51f, 0.04f}, {0, -0.6f}});
      poly({{0, 0.1f}, {-0.2f, 0.55f}, {0.2f, 0.55f}});
      break;
    case Suit::Clubs:
      circle(0, -0.28f, 0.23f);
      circle(-0.27f, 0.08f, 0.23f);
      circle(0.27f, 0.08f, 0.23f);
      poly({{0, 0}, {-0.2f, 0.55f}, {0.2f, 0.55f}});
      break;
  }
}

// A rank drawn as strokes in a unit box, so that it turns with the card.
void Rank(Field& f, const Frame& card, float u, float v, float s, char rank) {
  // Each stroke from (x0, y0) to (x1, y1).
  using Strokes = std::vector<std::array<float, 4>>;
  const Strokes strokes =
      rank == 'A'   ? Strokes{{0, 1, 0.5f, 0}, {0.5f, 0, 1, 1}, {0.22f, 0.62f, 0.78f, 0.62f}}
      : rank == 'K' ? Strokes{{0.1f, 0, 0.1f, 1}, {0.9f, 0, 0.1f, 0.58f}, {0.4f, 0.38f, 0.95f, 1}}
                    : Strokes{{0, 0, 1, 0}, {1, 0, 0.35f, 1}};
  for (const auto& st : strokes)
    kBig.Line(f, card.At(u + st[0] * s * 0.7f, v + st[1] * s), card.At(u + st[2] * s * 0.7f, v + st[3] * s),
              s * 0.16f);
}

struct Card {
  char Rank;
  Suit Of;
  float Angle;
};

constexpr float kCardW = 40.0f, kCardH = 58.0f;

void DrawHandCard(Image& image, const Card& c, Point pivot) {
  // Turned about a point below the card's middle, like a hand of cards.
  const Frame f{Frame{pivot, c.Angle}.At(-kCardW * 0.5f, -kCardH - 40.0f), c.Angle};
  const Field face = kBig.RoundedBox(image, f.Origin, kCardW, kCardH, 4.0f, f.Angle);
  kBig.Shadow(image, face, 0.45f);
  PaintOutlined(image, face, Rgb(0xFAF8F2), Rgb(0x3A3A3A), 1);
  Field ink(image.Width, image.Height);
  Rank(ink, f, 4, 4, 8, c.Rank);
  Pip(ink, f, 7, 17, 6, c.Of);
  if (c.Rank == '7') {
    constexpr Point kSeven[] = {{13, 16}, {27, 16}, {20, 23}, {13, 29}, {27, 29}, {13, 42}, {27, 42}};
    for (const Point& p : kSeven) Pip(ink, f, p.X, p.Y, 9, c.Of);
  } else if (c.Rank == 'K') {
    // The court's framed picture, hinted at by its frame and a big pip.
    Field frame = Subtracted(kBig.RoundedBox(image, f.At(11, 12), 20, 34, 0, f.Angle),
                             kBig.RoundedBox(image, f.At(12.5f, 13.5f), 17, 31, 0, f.Angle));
    Paint(image, kBig.RoundedBox(image, f.At(11, 12), 20, 34, 0, f.Angle), Rgb(0xF0D070), 0.6f);
    Paint(image, frame, Rgb(0x1A3A9A));
    Pip(ink, f, 21, 29, 13, c.Of);
  } else {
    Pip(ink, f, 20, 30, 20, c.Of);
  }
  Paint(image, ink, c.Of == Suit::Hearts || c.Of == Suit::Diamonds ? Rgb(0xD01A22) : Rgb(0x141418));
}

void Die(Image& image, Point centre, float size, float angle, int face) {
  const Frame f{centre, angle};
  Lying(image, kBig.RoundedBox(image, f.At(-size * 0.5f, -size * 0.5f), size, size, size * 0.18f, f.Angle),
        0.6f, Rgb(0xF4F0E8), 0.7f);
  // Pip places on a 3 x 3 grid, numbered row by row.
  constexpr std::string_view kPips[] = {"4", "08", "048", "0268", "02468", "023568"};
  Field pips(image.Width, image.Height);
  for (const char digit : kPips[face - 1]) {
    const int at = digit - '0';
    const Point p = f.At((static_cast<float>(at % 3) - 1.0f) * size * 0.28f,
                         (static_cast<float>(at / 3) - 1.0f) * size * 0.28f);
    FillCircle(pips, p.X * kS, p.Y * kS, size * 0.09f * kS);
  }
  Paint(image, pips, face == 1 ? Rgb(0xC01A1A) : Rgb(0x141418));
}

void Chip(Image& image, Point c, Color colour, bool top) {
  const float rx = 13.0f, ry = 5.5f, t = 3.0f;
  Field side = kBig.Ellipse(image, c, rx, ry);
  Maximize(side, kBig.Box(image, c.X - rx, c.Y - t, c.X + rx, c.Y));
  Paint(image, side, Lerp(colour, Rgb(0x000000), 0.3f));
  // The edge spots show on the side as white dashes.
  Field dashes(image.Width, image.Height);
  for (const float k : {-0.8f, -0.3f, 0.3f, 0.8f})
    kBig.Line(dashes, {c.X + k * rx, c.Y - t * 0.5f + ry * std::sqrt(1 - k * k)},
              {c.X + k * rx, c.Y - t * 0.5f + ry * std::sqrt(1 - k * k) - 0.1f}, 2.2f);
  Paint(image, Multiplied(dashes, side), Rgb(0xF4F4F0));
  Paint(image, kBig.Ellipse(image, {c.X, c.Y - t}, rx, ry), colour);
  if (!top) return;
  Field spots(image.Width, image.Height);
  for (int i = 0; i < 6; ++i) {
    const float a = static_cast<float>(i) * 1.0472f + 0.3f;
    FillEllipse(spots, (c.X + std::cos(a) * rx * 0.82f) * kS, (c.Y - t + std::sin(a) * ry * 0.82f) * kS,
                2.2f * kS, 1.0f * kS);
  }
  Paint(image, spots, Rgb(0xF4F4F0));
  Field ring = Subtracted(kBig.Ellipse(image, {c.X, c.Y - t}, rx * 0.58f, ry * 0.58f),
                          kBig.Ellipse(image, {c.X, c.Y - t}, rx * 0.5f, ry * 0.5f));
  Paint(image, ring, Rgb(0xF4F4F0), 0.8f);
}

void ChipStack(Image& image, Point base, int count, Color colour) {
  kBig.Shadow(image, kBig.Ellipse(image, base, 13, 5.5f), 0.6f);
  for (int i = 0; i < count; ++i)
    Chip(image, {base.X, base.Y - 3.0f * static_cast<float>(i)}, colour, i == count - 1);
}

void Horse(Image& image, Point o, float k) {
  auto at = [&](float x, float y) { return Point{(o.X + x * k) * kS, (o.Y + y * k) * kS}; };
  Field f = kBig.Ellipse(image, o, 14 * k, 6 * k);  // the body
  auto limb = [&](std::initializer_list<Point> joints, float w0, float w1) {
    for (const Point* j = joints.begin(); j + 1 != joints.end(); ++j) {
      const Point a = at(j[0].X, j[0].Y), b = at(j[1].X, j[1].Y);
      TaperedLine(f, a.X, a.Y, b.X, b.Y, w0 * k * kS, w1 * k * kS);
    }
  };
  limb({{9, -2}, {17, -11}}, 8, 5);
  limb({{17, -11}, {24, -6}}, 5, 3);
  limb({{16, -12}, {17, -15}}, 2, 0.5f);
  limb({{-13, -2}, {-22, 3}}, 4, 1.5f);
  limb({{10, 3}, {18, 5}, {23, 1}}, 3, 1.6f);
  limb({{8, 4}, {12, 10}, {9, 14}}, 3, 1.6f);
  limb({{-10, 3}, {-17, 8}, {-24, 8}}, 3.5f, 1.6f);
  limb({{-9, 4}, {-9, 10}, {-13, 14}}, 3.5f, 1.6f);
  // The jockey, crouched over the neck.
  limb({{-1, -5}, {6, -10}}, 4, 3);
  const Point head = at(8, -13);
  FillCircle(f, head.X, head.Y, 2.4f * k * kS);
  limb({{0, -6}, {4, -1}}, 2, 1.5f);
  Paint(image, f, Rgb(0x181818));
}

void RacingForm(Image& image, FontLibrary& fonts) {
  Lying(image, kBig.Box(image, 6, 6, 124, 104), 0.5f, Rgb(0xE8E2CE));
  Paint(image, kBig.Box(image, 10, 10, 120, 24), Rgb(0x1A1A1A));
  const Font& head = fonts.Get("Arial", FontSize::Pixels(11 * kScale), true);
  Paint(image, CentredText(image.Width, image.Height, 65 * kScale, 11 * kScale, "RACING FORM", head, kScale),
        Rgb(0xF4D040));
  Paint(image, kBig.Box(image, 10, 28, 72, 66), Rgb(0xC8C0A8));
  Paint(image, kBig.Line(image, {10, 62}, {72, 62}, 0.8f), Rgb(0x4A4A40));
  Horse(image, {40, 48}, 0.95f);
  const Font& small = fonts.Get("Arial", FontSize::Pixels(6 * kScale));
  constexpr std::string_view kRunners[][2] = {
      {"Red Rocket", "5/1"},  {"Flag Runner", "3/1"}, {"Lucky Splat", "9/2"},
      {"Night Mare", "12/1"}, {"Top Gun", "2/1"},
  };
  for (std::size_t i = 0; i < std::size(kRunners); ++i) {
    const float y = 68.0f + 7.0f * static_cast<float>(i);
    Paint(image, kBig.Text(image, {12, y}, kRunners[i][0], small), Rgb(0x2A2A2A));
    Paint(image, kBig.Text(image, {100, y}, kRunners[i][1], small), Rgb(0xA01A1A));
  }
  Field columns(image.Width, image.Height);
  for (float y = 30; y < 64; y += 4.5f)
    kBig.Line(columns, {76, y}, {118.0f - std::fmod(y * 7.0f, 12.0f), y}, 1.3f);
  Paint(image, columns, Rgb(0x6A6A60), 0.6f);
  // A circled tip in pen.
  const Field ring = kBig.Ellipse(image, {30, 85.5f}, 21, 5.2f);
  Paint(image, Subtracted(ring, kBig.Ellipse(image, {30, 85.5f}, 20, 4.4f)), Rgb(0x1A3AB0), 0.8f);
}

void SlotMachine(Image& image, FontLibrary& fonts) {
  Lying(image, kBig.Box(image, 184, -4, 274, 104), 0.6f, Rgb(0xB01A22), 0.5f, 4);
  kBig.Shaded(image, kBig.Box(image, 192, 4, 266, 20), Rgb(0xF4C030), 0.5f, 2);
  Field bulbs(image.Width, image.Height);
  for (float x = 196; x < 264; x += 8) FillCircle(bulbs, x * kS, 24 * kS, 1.6f * kS);
  Paint(image, bulbs, Rgb(0xFFF2A0));
  Glow(image, bulbs, Rgb(0xFFB040), 3 * kScale, 0.8f);
  const Font& jackpot = fonts.Get("Arial", FontSize::Pixels(10 * kScale), true);
  Paint(image, CentredText(image.Width, image.Height, 229 * kScale, 6 * kScale, "JACKPOT", jackpot, kScale),
        Rgb(0x8A0A10));
  kBig.Shaded(image, kBig.Box(image, 190, 30, 262, 72), Rgb(0xC8CCD4), 0.6f, 2);
  const Font& seven = fonts.Get("Arial", FontSize::Pixels(26 * kScale), true);
  const Gradient drum{
      {0.0f, Rgb(0x8A8A8A)}, {0.45f, Rgb(0xFFFFFF)}, {0.55f, Rgb(0xFFFFFF)}, {1.0f, Rgb(0x8A8A8A)}};
  for (int i = 0; i < 3; ++i) {
    const float x = 194.0f + 22.5f * static_cast<float>(i);
    const Field reel = kBig.Box(image, x, 34, x + 20, 68);
    Region r = Crop(image, x * kS, 34 * kS, (x + 20) * kS, 68 * kS);
    FillLinear(r.Pixels, 0, 0, 0, static_cast<float>(r.Pixels.Height), drum);
    Paste(image, r);
    if (i == 1) {
      // Cherries on the middle reel.
      Paint(image, kBig.Line(image, {203 + 22.5f, 44}, {200 + 22.5f, 54}, 1.0f), Rgb(0x2A6A1A));
      Paint(image, kBig.Line(image, {203 + 22.5f, 44}, {209 + 22.5f, 55}, 1.0f), Rgb(0x2A6A1A));
      for (const float cx : {199.0f, 210.0f})
        kBig.Shaded(image, kBig.Ellipse(image, {cx + 22.5f, 57}, 4.2f, 4.2f), Rgb(0xD01A22), 0.7f, 1);
    } else {
      const int middle = static_cast<int>((x + 10) * kS);
      Paint(image, Multiplied(CentredText(image.Width, image.Height, middle, 35 * kScale, "7", seven), reel),
            Rgb(0xD01A22));
    }
  }
  // The win line across the reels.
  Paint(image, kBig.Line(image, {190, 51}, {262, 51}, 0.8f), Rgb(0xF4C030), 0.8f);
  kBig.Shaded(image, kBig.Box(image, 196, 80, 256, 92), Rgb(0x2A2A2A), 0.4f, 1);
  Paint(image, kBig.Box(image, 214, 84, 238, 87), Rgb(0x000000));
}

void Casino(Image& image, FontLibrary& fonts) {
  Baize(image);
  RacingForm(image, fonts);
  SlotMachine(image, fonts);
  constexpr Card kHand[] = {
      {'7', Suit::Clubs, -0.5f},  {'K', Suit::Diamonds, -0.25f}, {'K', Suit::Spades, 0.0f},
      {'A', Suit::Hearts, 0.25f}, {'A', Suit::Spades, 0.5f},
  };
  for (const Card& c : kHand) DrawHandCard(image, c, {74, 208});
  Die(image, {152, 130}, 22, 0.35f, 5);
  Die(image, {176, 150}, 22, -0.2f, 6);
  ChipStack(image, {214, 188}, 6, Rgb(0xD01A22));
  ChipStack(image, {244, 176}, 4, Rgb(0x1A4AC8));
  ChipStack(image, {240, 126}, 3, Rgb(0x141418));
  ChipStack(image, {140, 186}, 2, Rgb(0x1E8A3A));
  Vignette(image, 0.35f);
}

}  // namespace

Image DrawFinancePicture(FontLibrary& fonts) {
  return Supersampled(kWidth, kHeight, kScale, [&](Image& image) { Office(image, fonts); });
}

Image DrawGamblePicture(FontLibrary& fonts) {
  return Supersampled(kWidth, kHeight, kScale, [&](Image& image) { Casino(image, fonts); });
}

}  // namespace vantoro::art
