#include "ui/canvas.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <vector>

namespace vantoro {
namespace {

constexpr Color kPen = Rgb(0xFF0000), kBrush = Rgb(0x0000FF), kPaper = kBlack;

struct Probe {
  int X, Y;
  Color Expected;
};

struct ShapeCase {
  const char* Name;
  std::function<void(Canvas&)> Draw;
  std::vector<Probe> Probes;
};

void PrintTo(const ShapeCase& c, std::ostream* os) { *os << c.Name; }

class CanvasShapes : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(CanvasShapes, PixelsFollowTheEdgeConventions) {
  Canvas canvas(64, 48);
  GetParam().Draw(canvas);
  for (const Probe& p : GetParam().Probes) {
    EXPECT_EQ(canvas.At(p.X, p.Y), p.Expected) << "at (" << p.X << ", " << p.Y << ")";
  }
}

Image Checker(int width, int height) {
  Image picture(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) picture.Set(x, y, Rgb(0x010000u * (x + 1) + 0x000100u * (y + 1)));
  }
  return picture;
}

INSTANTIATE_TEST_SUITE_P(
    Canvas, CanvasShapes,
    ::testing::Values(ShapeCase{"FilledRectangle",
                                [](Canvas& c) { c.Rectangle(10, 10, 20, 15, kPen, kBrush); },
                                {{10, 10, kPen},
                                 {19, 14, kPen},
                                 {15, 12, kBrush},
                                 {20, 12, kPaper},
                                 {15, 15, kPaper},
                                 {9, 9, kPaper}}},
                      ShapeCase{"HollowRectangle",
                                [](Canvas& c) { c.Rectangle(10, 10, 20, 15, kPen, std::nullopt); },
                                {{19, 12, kPen}, {15, 12, kPaper}}},
                      ShapeCase{"EllipseStaysInItsBox",
                                [](Canvas& c) { c.Ellipse(10, 10, 30, 20, kPen, kBrush); },
                                {{10, 15, kPen},
                                 {29, 15, kPen},
                                 {20, 10, kPen},
                                 {20, 19, kPen},
                                 {20, 15, kBrush},
                                 {30, 15, kPaper},
                                 {20, 20, kPaper},
                                 {10, 10, kPaper}}},
                      ShapeCase{"LineStopsBeforeItsEnd",
                                [](Canvas& c) {
                                  c.Line(0, 0, 5, 0, kPen);
                                  c.Line(0, 10, 3, 13, kPen);
                                  c.Line(40, 9, 40, 2, kPen);
                                },
                                {{0, 0, kPen},
                                 {4, 0, kPen},
                                 {5, 0, kPaper},
                                 {2, 12, kPen},
                                 {3, 13, kPaper},
                                 {40, 3, kPen},
                                 {40, 2, kPaper}}},
                      ShapeCase{
                          "PictureClipsAtTopLeft",
                          [](Canvas& c) { c.Picture(-2, -1, Checker(4, 3)); },
                          {{0, 0, Rgb(0x030200)}, {1, 1, Rgb(0x040300)}, {2, 0, kPaper}, {0, 2, kPaper}}},
                      ShapeCase{"PictureClipsAtBottomRight",
                                [](Canvas& c) { c.Picture(63, 47, Checker(4, 3)); },
                                {{63, 47, Rgb(0x010100)}, {62, 47, kPaper}}},
                      ShapeCase{"StretchPictureFillsItsBox",
                                [](Canvas& c) { c.StretchPicture(1, 1, 4, 4, Checker(2, 2)); },
                                {{1, 1, Rgb(0x010100)},
                                 {2, 2, Rgb(0x010100)},
                                 {4, 1, Rgb(0x020100)},
                                 {4, 4, Rgb(0x020200)},
                                 {5, 4, kPaper},
                                 {4, 5, kPaper}}},
                      ShapeCase{"StretchPictureClips",
                                [](Canvas& c) { c.StretchPicture(-2, -2, 4, 4, Checker(2, 2)); },
                                {{0, 0, Rgb(0x020200)}, {1, 1, Rgb(0x020200)}, {2, 2, kPaper}}}),
    [](const auto& param) { return std::string(param.param.Name); });

// The window is sent only the rows marked drawn: a row changed but not
// marked would leave stale pixels on the screen.
TEST_P(CanvasShapes, EveryRowItChangesIsMarkedDrawn) {
  Canvas canvas(64, 48);
  canvas.ForgetDrawnRows();
  const Image before = canvas.Pixels();
  GetParam().Draw(canvas);
  for (int y = 0; y < 48; ++y) {
    const bool changed =
        !std::equal(canvas.Pixels().Pixels.begin() + y * 64, canvas.Pixels().Pixels.begin() + (y + 1) * 64,
                    before.Pixels.begin() + y * 64);
    if (changed) {
      EXPECT_NE(canvas.DrawnRows()[static_cast<std::size_t>(y)], 0) << "row " << y;
    }
  }
}

TEST(CanvasBackdrop, RedrawsOnlyTheRowsDrawnOverSince) {
  FontLibrary fonts;
  const Font& font = fonts.Get("Arial", FontSize::Points(12));
  const Image backdrop = Checker(64, 48);
  Canvas canvas(64, 48);
  const auto drawnRows = [&] {
    std::vector<int> rows;
    for (int y = 0; y < 48; ++y)
      if (canvas.DrawnRows()[static_cast<std::size_t>(y)] != 0) rows.push_back(y);
    return rows;
  };
  canvas.Backdrop(backdrop);
  EXPECT_EQ(drawnRows().size(), 48u);  // a new canvas: every row is new
  canvas.ForgetDrawnRows();

  canvas.Backdrop(backdrop);
  EXPECT_TRUE(drawnRows().empty()) << "an unchanged backdrop is not copied again";

  canvas.FillRect(0, 10, 64, 12, kPen);
  canvas.Text(0, 20, "Ag", font, kPen);
  canvas.Pixel(5, 40, kBrush);
  canvas.ForgetDrawnRows();
  canvas.Backdrop(backdrop);
  const std::vector<int> redrawn = drawnRows();
  for (const int y : {10, 11, 40})
    EXPECT_NE(std::find(redrawn.begin(), redrawn.end(), y), redrawn.end()) << y;
  EXPECT_LT(redrawn.size(), 30u);
  EXPECT_EQ(canvas.Pixels().Pixels, backdrop.Pixels) << "the backdrop is whole again";

  // Another picture of the frame's width is copied in full.
  Image other = Checker(64, 48);
  other.Set(0, 0, kPen);
  canvas.ForgetDrawnRows();
  canvas.Backdrop(other);
  EXPECT_EQ(drawnRows().size(), 48u);
  EXPECT_EQ(canvas.Pixels().Pixels, other.Pixels);
}

// Coordinates come from game arithmetic on save-file values, so anything
// an int can hold must draw (or not) without overflow.
TEST(CanvasExtremes, FarCoordinatesNeverCrash) {
  constexpr int kFar[] = {INT_MIN, INT_MIN + 1, -100000, -1, 0, 1, 799, 800, 100000, INT_MAX - 1, INT_MAX};
  const Image picture = Checker(3, 3);
  FontLibrary fonts;
  const Font& font = fonts.Get("Arial", FontSize::Points(12));
  Canvas canvas;
  for (const int a : kFar) {
    for (const int b : kFar) {
      canvas.FillRect(a, b, b, a, kPen);
      canvas.Rectangle(a, a, b, b, kPen, kBrush);
      canvas.Ellipse(a, b, INT_MAX, INT_MAX, kPen, kBrush);
      canvas.Line(a, b, b, a, kPen);
      canvas.Picture(a, b, picture);
      canvas.StretchPicture(a, b, b, a, picture);
      EXPECT_EQ(canvas.Text(a, b, "Far", font, kPen, kBrush), font.TextWidth("Far"));
    }
  }
  canvas.FillRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX, kBrush);
  EXPECT_EQ(canvas.At(0, 0), kBrush);
  EXPECT_EQ(canvas.At(799, 599), kBrush);
}

}  // namespace
}  // namespace vantoro
