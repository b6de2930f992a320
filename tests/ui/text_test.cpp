#include <gtest/gtest.h>

#include <string>

#include "ui/canvas.hpp"
#include "ui/font.hpp"

namespace vantoro {
namespace {

// One library for the whole program, as in the game: opening fontconfig is
// the slow part.
FontLibrary& Fonts() {
  static FontLibrary fonts;
  return fonts;
}

struct InkBox {
  int Left = INT_MAX, Top = INT_MAX, Right = INT_MIN, Bottom = INT_MIN;  // inclusive
  bool Empty() const { return Left > Right; }
};

InkBox InkOf(const Canvas& canvas, Color paper) {
  InkBox box;
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      if (canvas.At(x, y) == paper) continue;
      box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x), std::max(box.Bottom, y)};
    }
  }
  return box;
}

TEST(Fonts, FamiliesResolveToMetricCompatibleFaces) {
  EXPECT_NE(Fonts().FileFor("Arial").find("LiberationSans-Regular"), std::string::npos)
      << Fonts().FileFor("Arial");
  EXPECT_NE(Fonts().FileFor("Arial", true).find("LiberationSans-Bold"), std::string::npos);
  const Font& ui = Fonts().Default();
  EXPECT_EQ(&ui, &Fonts().Default());
  EXPECT_GE(ui.CellHeight(), 10);
  EXPECT_LE(ui.CellHeight(), 16);
}

TEST(Fonts, SizesGiveWindowsCells) {
  struct Case {
    FontSize Size;
    int MinCell, MaxCell;
  };
  // Arial's cell is 1.117 em; a point is 4/3 pixel at 96 dpi.
  for (const Case& c : {Case{FontSize::Points(8), 11, 13}, Case{FontSize::Points(12), 17, 19},
                        Case{FontSize::Points(24), 35, 37}, Case{FontSize::Pixels(9), 9, 9},
                        Case{FontSize::Pixels(14), 14, 14}}) {
    const Font& font = Fonts().Get("Arial", c.Size);
    EXPECT_GE(font.CellHeight(), c.MinCell) << c.Size.Value;
    EXPECT_LE(font.CellHeight(), c.MaxCell) << c.Size.Value;
    // Arial puts 81% of its cell above the baseline.
    EXPECT_NEAR(font.Ascent(), font.CellHeight() * 0.81, 1.0) << c.Size.Value;
  }
}

TEST(Fonts, WidthsAndTheGlyphCache) {
  const Font& arial24 = Fonts().Get("Arial", FontSize::Points(24));
  EXPECT_EQ(&arial24, &Fonts().Get("Arial", FontSize::Points(24)));
  EXPECT_NE(&arial24, &Fonts().Get("Arial", FontSize::Points(24), true));
  // "Vantoro" is 3.5 em of Arial; 24 points is a 32-pixel em.
  EXPECT_NEAR(arial24.TextWidth("Vantoro"), 112, 6);
  EXPECT_EQ(arial24.TextWidth(""), 0);
  EXPECT_GT(Fonts().Get("Arial", FontSize::Points(24), true).TextWidth("Vantoro"),
            arial24.TextWidth("Vantoro"));
  for (const char32_t c : {U'A', U'\u00E9', U'\u20AC', U'\uE000'}) {
    const Glyph& glyph = arial24.GlyphFor(c);
    EXPECT_EQ(&glyph, &arial24.GlyphFor(c)) << static_cast<int>(c);
    EXPECT_GT(glyph.Advance, 0) << static_cast<int>(c);  // the private-use one is .notdef
    EXPECT_EQ(glyph.Coverage.size(), static_cast<std::size_t>(glyph.Width * glyph.Height));
  }
  // The text is Windows-1252: byte 0x80 is the euro sign.
  EXPECT_EQ(arial24.TextWidth("\x80"), arial24.GlyphFor(U'\u20AC').Advance);
}

// The interface face's own bitmap sizes come from it; every other size from
// its scalable stand-in, so that no size falls back to a smaller strike.
TEST(Fonts, TheInterfaceFaceDrawsEverySizeFromItsStrikesOrItsStandIn) {
  struct Case {
    int Points;
    const char* Family;
    bool Strike;
  };
  for (const Case& c :
       {Case{8, "MS Sans Serif", true}, Case{9, "Nimbus Sans", false}, Case{10, "MS Sans Serif", true},
        Case{12, "MS Sans Serif", true}, Case{14, "Nimbus Sans", false}, Case{18, "Nimbus Sans", false},
        Case{24, "Nimbus Sans", false}}) {
    const FontFacts& facts = Fonts().Interface(FontSize::Points(c.Points)).Facts();
    EXPECT_EQ(facts.Family, c.Family) << c.Points;
    EXPECT_EQ(facts.Strike, c.Strike) << c.Points;
    EXPECT_EQ(facts.EmPixels, (c.Points * 96 + 36) / 72) << c.Points;
  }
  EXPECT_EQ(&Fonts().Default(), &Fonts().Interface(FontSize::Points(8)));
}

TEST(Fonts, NarrowedFontsKeepTheirHeightAndGiveWay) {
  const Font& arial = Fonts().Get("Arial", FontSize::Points(10));
  const Font& narrow = Fonts().Narrowed(arial, 90);
  const std::string text = "Training Events can help to prepare";
  EXPECT_NEAR(narrow.TextWidth(text), arial.TextWidth(text) * 0.9, 3.0);
  EXPECT_EQ(narrow.GlyphFor(U'H').Height, arial.GlyphFor(U'H').Height);
  EXPECT_EQ(&Fonts().Narrowed(arial, 100), &arial);
  EXPECT_EQ(&Fonts().Narrowed(arial, 90), &narrow);
  // A strike cannot narrow; its stand-in does.
  const Font& strike = Fonts().Interface(FontSize::Points(10));
  const Font& standIn = Fonts().Narrowed(strike, 95);
  EXPECT_EQ(standIn.Facts().Family, "Nimbus Sans");
  EXPECT_LT(standIn.TextWidth(text), strike.TextWidth(text));
}

TEST(Fonts, AMissingFaceIsNamedOnStandardErrorWithTheFaceUsedInstead) {
  FontLibrary fonts;
  ::testing::internal::CaptureStderr();
  fonts.Get("No Such Face Sans", FontSize::Points(10));
  fonts.Get("No Such Face Sans", FontSize::Points(12));
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("no \"No Such Face Sans\" font is installed; using \""), std::string::npos) << said;
  EXPECT_EQ(said.find("No Such Face Sans"), said.rfind("No Such Face Sans")) << "once a family: " << said;
  ::testing::internal::CaptureStderr();
  fonts.Interface(FontSize::Points(24));
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "")
      << "the stand-in for a size the face lacks is no surprise";
}

TEST(CanvasText, InkSitsInTheCellOnTheBaseline) {
  const Font& font = Fonts().Get("Arial", FontSize::Points(12));
  Canvas canvas;
  const int width = canvas.Text(100, 50, "HIH", font, kWhite);
  EXPECT_EQ(width, font.TextWidth("HIH"));
  const InkBox ink = InkOf(canvas, kBlack);
  ASSERT_FALSE(ink.Empty());
  EXPECT_GE(ink.Left, 100);
  EXPECT_LT(ink.Right, 100 + width);
  EXPECT_GE(ink.Top, 50);
  EXPECT_NEAR(ink.Bottom, 50 + font.Ascent() - 1, 1);  // capitals stand on the baseline
  int brightest = 0;  // the bottom row is a solid foot, not an anti-aliased fringe
  for (int x = ink.Left; x <= ink.Right; ++x)
    brightest = std::max<int>(brightest, canvas.At(x, ink.Bottom).R);
  EXPECT_GE(brightest, 0xF0);
}

TEST(CanvasText, BackgroundFillsExactlyTheCellAndInkBlendsOverIt) {
  const Font& font = Fonts().Get("Arial", FontSize::Pixels(14));
  constexpr Color kNavy = Rgb(0x000044);
  Canvas canvas;
  const int width = canvas.Text(625, 560, "v0.1 Agj", font, kWhite, kNavy);
  const InkBox cell = InkOf(canvas, kBlack);
  EXPECT_EQ(cell.Left, 625);
  EXPECT_EQ(cell.Top, 560);
  EXPECT_EQ(cell.Right, 625 + width - 1);
  EXPECT_EQ(cell.Bottom, 560 + 14 - 1);
  // White over navy: every pixel lies on the line between the two colours.
  int mixed = 0;
  for (int y = cell.Top; y <= cell.Bottom; ++y) {
    for (int x = cell.Left; x <= cell.Right; ++x) {
      const Color c = canvas.At(x, y);
      ASSERT_TRUE(c.R == c.G && c.B >= 0x44 && c.B >= c.R) << x << "," << y;
      mixed += c != kNavy && c != kWhite;
    }
  }
  EXPECT_GT(mixed, 0) << "glyphs are anti-aliased";
}

}  // namespace
}  // namespace vantoro
