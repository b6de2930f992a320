#include "ui/canvas.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <functional>
#include <optional>
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

// Drawn pictures must outlive the next read, as the loaded picture set does.
const Image kChecker4x3 = Checker(4, 3), kChecker2x2 = Checker(2, 2);

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
                      ShapeCase{"FilledRectangleClipsAtTheFrame",
                                [](Canvas& c) { c.Rectangle(-1, -1, 65, 49, kPen, kBrush); },
                                {{0, 0, kBrush}, {63, 47, kBrush}, {63, 0, kBrush}}},
                      ShapeCase{"NarrowFilledRectanglesAreAllOutline",
                                [](Canvas& c) {
                                  c.Rectangle(5, 5, 6, 9, kPen, kBrush);
                                  c.Rectangle(10, 20, 30, 22, kPen, kBrush);
                                  c.Rectangle(40, 5, 42, 9, kPen, kBrush);
                                },
                                {{5, 5, kPen},
                                 {5, 8, kPen},
                                 {5, 9, kPaper},
                                 {20, 20, kPen},
                                 {29, 21, kPen},
                                 {41, 7, kPen},
                                 {42, 7, kPaper}}},
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
                          [](Canvas& c) { c.Picture(-2, -1, kChecker4x3); },
                          {{0, 0, Rgb(0x030200)}, {1, 1, Rgb(0x040300)}, {2, 0, kPaper}, {0, 2, kPaper}}},
                      ShapeCase{"PictureClipsAtBottomRight",
                                [](Canvas& c) { c.Picture(63, 47, kChecker4x3); },
                                {{63, 47, Rgb(0x010100)}, {62, 47, kPaper}}},
                      ShapeCase{"StretchPictureFillsItsBox",
                                [](Canvas& c) { c.StretchPicture(1, 1, 4, 4, kChecker2x2); },
                                {{1, 1, Rgb(0x010100)},
                                 {2, 2, Rgb(0x010100)},
                                 {4, 1, Rgb(0x020100)},
                                 {4, 4, Rgb(0x020200)},
                                 {5, 4, kPaper},
                                 {4, 5, kPaper}}},
                      ShapeCase{"StretchPictureClips",
                                [](Canvas& c) { c.StretchPicture(-2, -2, 4, 4, kChecker2x2); },
                                {{0, 0, Rgb(0x020200)}, {1, 1, Rgb(0x020200)}, {2, 2, kPaper}}}),
    [](const auto& param) { return std::string(param.param.Name); });

// A box is the same box whichever corners it is given by: a handle whose
// top is pulled below its bottom still shows.
struct CornerOrder {
  const char* Name;
  int L, T, R, B;
};

class CanvasCornerOrder : public ::testing::TestWithParam<CornerOrder> {};

TEST_P(CanvasCornerOrder, RectanglesAndEllipsesAreDrawnAsTheirNormalisedBox) {
  const CornerOrder& c = GetParam();
  for (const bool ellipse : {false, true}) {
    for (const std::optional<Color> brush : {std::optional(kBrush), std::optional<Color>()}) {
      Canvas given(64, 48), straight(64, 48);
      const auto draw = [&](Canvas& canvas, int l, int t, int r, int b) {
        if (ellipse) {
          canvas.Ellipse(l, t, r, b, kPen, brush);
        } else {
          canvas.Rectangle(l, t, r, b, kPen, brush);
        }
      };
      draw(given, c.L, c.T, c.R, c.B);
      draw(straight, std::min(c.L, c.R), std::min(c.T, c.B), std::max(c.L, c.R), std::max(c.T, c.B));
      EXPECT_EQ(given.Pixels().Pixels, straight.Pixels().Pixels) << (ellipse ? "ellipse" : "rectangle");
      EXPECT_EQ(straight.At((c.L + c.R) / 2, std::min(c.T, c.B)), kPen) << "the box is drawn at all";
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Canvas, CanvasCornerOrder,
                         ::testing::Values(CornerOrder{"BottomToTop", 10, 30, 20, 12},
                                           CornerOrder{"RightToLeft", 40, 5, 21, 15},
                                           CornerOrder{"BothReversed", 60, 47, 30, 20},
                                           CornerOrder{"AlreadyStraight", 3, 3, 9, 40}),
                         [](const auto& param) { return std::string(param.param.Name); });

bool DrawnAt(const Canvas& canvas, int x, int y) {
  const DrawnParts drawn = canvas.Drawn();
  return (drawn.Rows[static_cast<std::size_t>(y)] >> (x / drawn.BandWidth) & 1u) != 0;
}

// Every pixel that differs from `before` is reported drawn.
::testing::AssertionResult ChangesReported(const Canvas& canvas, const Image& before) {
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      if (canvas.At(x, y) != before.At(x, y) && !DrawnAt(canvas, x, y))
        return ::testing::AssertionFailure() << "(" << x << ", " << y << ") changed unreported";
    }
  }
  return ::testing::AssertionSuccess();
}

// The window is sent only the parts reported drawn: a change not reported
// would leave stale pixels on the screen.
TEST_P(CanvasShapes, EveryPixelItChangesIsReportedDrawn) {
  Canvas canvas(64, 48);
  canvas.ForgetDrawn();
  const Image before = canvas.Pixels();
  GetParam().Draw(canvas);
  EXPECT_TRUE(ChangesReported(canvas, before));
}

TEST(CanvasBackdrop, RedrawsOnlyTheRowsDrawnOverSince) {
  FontLibrary fonts;
  const Font& font = fonts.Get("Arial", FontSize::Points(12));
  const Image backdrop = Checker(64, 48);
  Canvas canvas(64, 48);
  const auto drawnRows = [&] {
    std::vector<int> rows;
    for (int y = 0; y < 48; ++y)
      if (canvas.Drawn().Rows[static_cast<std::size_t>(y)] != 0) rows.push_back(y);
    return rows;
  };
  canvas.Backdrop(backdrop);
  EXPECT_EQ(drawnRows().size(), 48u);  // a new canvas: every row is new
  canvas.ForgetDrawn();

  canvas.Backdrop(backdrop);
  EXPECT_TRUE(drawnRows().empty()) << "an unchanged backdrop is not copied again";

  canvas.FillRect(0, 10, 64, 12, kPen);
  canvas.Text(0, 20, "Ag", font, kPen);
  canvas.Pixel(5, 40, kBrush);
  canvas.ForgetDrawn();
  canvas.Backdrop(backdrop);
  const std::vector<int> redrawn = drawnRows();
  for (const int y : {10, 11, 40})
    EXPECT_NE(std::find(redrawn.begin(), redrawn.end(), y), redrawn.end()) << y;
  EXPECT_LT(redrawn.size(), 30u);
  EXPECT_EQ(canvas.Pixels().Pixels, backdrop.Pixels) << "the backdrop is whole again";

  // Another picture of the frame's width is copied in full.
  Image other = Checker(64, 48);
  other.Set(0, 0, kPen);
  canvas.ForgetDrawn();
  canvas.Backdrop(other);
  EXPECT_EQ(drawnRows().size(), 48u);
  EXPECT_EQ(canvas.Pixels().Pixels, other.Pixels);
}

// Frames of an animation are different pictures of one size, mostly alike:
// in place of one another, only the parts where they differ are drawn.
TEST(CanvasPicture, InPlaceOfAnAlikeOneRedrawsOnlyWhereTheyDiffer) {
  Image frames[2] = {Checker(150, 20), Checker(150, 20)};
  frames[1].Set(100, 7, kPen);  // column 130 of the frame: its third band
  Canvas canvas(200, 48);
  const auto tick = [&](const Image& frame) {  // each tick draws all of the frame
    canvas.ForgetDrawn();
    canvas.Clear();
    canvas.Picture(30, 4, frame);
  };
  tick(frames[0]);
  tick(frames[1]);
  const DrawnParts drawn = canvas.Drawn();
  for (int y = 0; y < 48; ++y)
    EXPECT_EQ(drawn.Rows[static_cast<std::size_t>(y)], y == 11 ? 1u << (130 / drawn.BandWidth) : 0u) << y;
  EXPECT_EQ(canvas.At(130, 11), kPen);
  tick(frames[0]);
  EXPECT_EQ(canvas.At(130, 11), frames[0].At(100, 7));
}

// A picture let go may have another take its place at the same address:
// once told, the canvas shows the new one however it is drawn.
// The ways a stored picture is drawn, each over all of a 64 x 48 canvas.
const std::function<void(Canvas&, const Image&)> kPictureWays[] = {
    [](Canvas& c, const Image& p) { c.Picture(0, 0, p); },
    [](Canvas& c, const Image& p) { c.Backdrop(p); },
    [](Canvas& c, const Image& p) { c.StretchPicture(0, 0, 64, 48, p); },
};

TEST(CanvasPicture, ForgottenPicturesShowWhatNowLiesThere) {
  for (const auto& draw : kPictureWays) {
    Image picture = Checker(64, 48);
    Canvas canvas(64, 48);
    draw(canvas, picture);
    (void)canvas.Pixels();
    canvas.ForgetDrawn();
    canvas.ForgetPictures();
    for (std::uint32_t& pixel : picture.Pixels) pixel = ~pixel;
    draw(canvas, picture);
    EXPECT_EQ(canvas.Pixels().Pixels, picture.Pixels);
  }
}

#ifndef NDEBUG
// A picture is known by where its pixels are: one changed in place would go
// on showing what it held before, so a build with assertions stops a read,
// whichever way it was drawn. One pixel changed is caught within 61 reads.
TEST(CanvasPictureDeathTest, ChangedInPlaceStopsTheRead) {
  for (const auto& draw : kPictureWays) {
    Image picture = Checker(64, 48);
    Canvas canvas(64, 48);
    draw(canvas, picture);
    (void)canvas.Pixels();
    picture.Set(3, 5, kPen);
    EXPECT_DEATH(
        for (int read = 0; read < 61; ++read) {
          draw(canvas, picture);
          (void)canvas.Pixels();
        },
        "picture at .* changed after it was drawn");
  }
}
#endif

// A small pool of ops of every kind, so that frames often repeat rows
// exactly: Draw(canvas, kind, a, b, k) draws one of them, `dx` columns to
// the left.
class OpPool {
 public:
  static constexpr int kW = 200, kH = 48;  // several bands of columns
  static constexpr int kKinds = 11;        // 10: the backdrop, 11: a clear

  OpPool() { alike_[1].Set(66, 3, kPen); }

  void Draw(Canvas& c, int kind, int a, int b, int k, int dx = 0) const {
    const Color color = colors_[k % 3];
    a -= dx;
    switch (kind) {
      case 0: c.FillRect(a - 8, b - 4, a + 20, b + 3, color); break;
      case 1: c.FillRect(-5 - dx, b, kW + 5 - dx, b + 4, color); break;
      case 2:  // narrow, and across bands
        c.Rectangle(a, b, a + 15 + 50 * (k / 2), b + 9, color, k % 2 ? std::optional(kBrush) : std::nullopt);
        break;
      case 3:
        c.Ellipse(a - 6, b - 5, a + 13, b + 11, color, k % 2 ? std::optional(kPen) : std::nullopt);
        break;
      case 4: c.Line(a, b, kW - a - 2 * dx, b / 2 - 3, color); break;
      case 5: c.Pixel(a, b, color); break;
      case 6:
        c.Text(a - 10, b - 8, k % 2 ? "Ag\xC9y" : "Team:", font_, color,
               k % 3 ? std::nullopt : std::optional(kPaper));
        break;
      case 7:
        if (k < 2) {
          c.Picture(a - 4, b - 3, pictures_[k % 2]);
        } else {
          c.Picture(a - 30, b - 3, alike_[k % 2]);  // across bands, in place of the other
        }
        break;
      case 8: c.Picture(-3 - dx, b, wide_); break;
      case 9: c.StretchPicture(a - 5, b - 6, 13 + k, 9, pictures_[k % 2]); break;
      case 10:
        if (c.Width() == kW) {
          c.Backdrop(backdrops_[k % 2]);
        } else {
          c.Picture(-dx, 0, backdrops_[k % 2]);
        }
        break;
      default: c.Clear(color); break;
    }
  }

 private:
  FontLibrary fonts_;
  const Font& font_ = fonts_.Get("Arial", FontSize::Points(10));
  const Image backdrops_[2] = {Checker(kW, kH), Checker(kW, kH + 9)};
  const Image pictures_[2] = {Checker(9, 7), Checker(9, 8)};
  Image alike_[2] = {Checker(70, 7), Checker(70, 7)};
  const Image wide_ = Checker(kW + 6, 5);
  const Color colors_[3] = {kPen, kBrush, Rgb(0x33CC66)};
};

// The same drawing on canvases one band wide, side by side, each worked
// out after every op: what the canvas under test shows must match it, and
// no band of theirs lines up with one of its own.
class Tiles {
 public:
  explicit Tiles(const OpPool& pool) : pool_(pool) {
    for (int left = 0; left < OpPool::kW; left += kTile) tiles_.emplace_back(kTile, OpPool::kH);
  }
  void Draw(int kind, int a, int b, int k) {
    for (std::size_t i = 0; i < tiles_.size(); ++i) {
      pool_.Draw(tiles_[i], kind, a, b, k, static_cast<int>(i) * kTile);
      (void)tiles_[i].At(0, 0);
    }
  }
  std::vector<std::uint32_t> Pixels() const {
    Image whole(OpPool::kW, OpPool::kH);
    for (std::size_t i = 0; i < tiles_.size(); ++i) {
      const int left = static_cast<int>(i) * kTile;
      for (int y = 0; y < OpPool::kH; ++y)
        for (int x = left; x < std::min(left + kTile, OpPool::kW); ++x)
          whole.Set(x, y, tiles_[i].At(x - left, y));
    }
    return whole.Pixels;
  }

 private:
  static constexpr int kTile = 50;  // not a band's width, nor a part of one
  const OpPool& pool_;
  std::vector<Canvas> tiles_;
};

struct Lcg {
  std::uint32_t Seed;
  int operator()(int n) {
    Seed = Seed * 1103515245u + 12345u;
    return static_cast<int>((Seed >> 8) % static_cast<std::uint32_t>(n));
  }
};

// The canvas works its parts out only when read, and only those whose
// drawing changed since: whatever the drawing and wherever the reads fall,
// what it shows must be what drawing every op at once shows, and every
// pixel that changed between two reads must be reported drawn.
TEST(CanvasRecord, ShowsWhatDrawingAtOnceShows) {
  const OpPool pool;
  constexpr int kW = OpPool::kW, kH = OpPool::kH;
  Lcg random{12345};
  Canvas lazy(kW, kH);
  Tiles eager(pool);
  Image before = lazy.Pixels();
  lazy.ForgetDrawn();
  for (int frame = 0; frame < 400; ++frame) {
    if (random(8) != 0) {  // frames mostly start by covering the whole frame
      const int k = random(3);
      const int kind = k == 2 ? 11 : 10;
      pool.Draw(lazy, kind, 0, 0, k);
      eager.Draw(kind, 0, 0, k);
    }
    for (int n = random(7); n > 0; --n) {
      const int kind = random(OpPool::kKinds), a = random(16) * 13 - 6, b = random(5) * 11 - 4, k = random(4);
      pool.Draw(lazy, kind, a, b, k);
      eager.Draw(kind, a, b, k);
    }
    if (random(3) != 0) continue;  // reads fall between some frames only
    ASSERT_EQ(lazy.Pixels().Pixels, eager.Pixels()) << "frame " << frame;
    ASSERT_TRUE(ChangesReported(lazy, before)) << "frame " << frame;
    before = lazy.Pixels();
    lazy.ForgetDrawn();
  }
}

// As screens draw: every tick the same ops afresh, a few of them changed
// (a dot moved, a label's colour, a picture in place of another), now and
// then one more or one fewer, and now and then a read in the middle.
TEST(CanvasRecord, FramesLikeTheLastShowWhatDrawingAtOnceShows) {
  const OpPool pool;
  constexpr int kW = OpPool::kW, kH = OpPool::kH;
  struct Step {  // one op of the frame, as OpPool::Draw takes it
    int Kind, A, B, K;
  };
  Lcg random{777};
  const auto anyStep = [&] {
    return Step{random(OpPool::kKinds - 1), random(16) * 13 - 6, random(5) * 11 - 4, random(4)};
  };
  std::vector<Step> steps(12);
  for (Step& step : steps) step = anyStep();
  Canvas lazy(kW, kH);
  Tiles eager(pool);
  Image before = lazy.Pixels();
  lazy.ForgetDrawn();
  int first = 0;  // the backdrop, or a clear
  for (int frame = 0; frame < 600; ++frame) {
    for (int n = random(3); n > 0; --n) {
      Step& step = steps[static_cast<std::size_t>(random(static_cast<int>(steps.size())))];
      switch (random(4)) {
        case 0: step.A += random(3) - 1; break;
        case 1: step.B += random(3) - 1; break;
        case 2: step.K = random(4); break;
        default: step = anyStep(); break;
      }
    }
    if (random(10) == 0) steps.push_back(anyStep());
    if (random(10) == 0 && steps.size() > 1)
      steps.erase(steps.begin() + random(static_cast<int>(steps.size())));
    if (random(20) == 0) first = random(3);
    const int readAt = random(8) == 0 ? random(static_cast<int>(steps.size())) : -1;
    pool.Draw(lazy, first == 2 ? 11 : 10, 0, 0, first);
    eager.Draw(first == 2 ? 11 : 10, 0, 0, first);
    for (std::size_t i = 0; i < steps.size(); ++i) {
      const Step& step = steps[i];
      pool.Draw(lazy, step.Kind, step.A, step.B, step.K);
      eager.Draw(step.Kind, step.A, step.B, step.K);
      if (static_cast<int>(i) == readAt) (void)lazy.At(0, 0);
    }
    ASSERT_EQ(lazy.Pixels().Pixels, eager.Pixels()) << "frame " << frame;
    ASSERT_TRUE(ChangesReported(lazy, before)) << "frame " << frame;
    before = lazy.Pixels();
    lazy.ForgetDrawn();
  }
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
