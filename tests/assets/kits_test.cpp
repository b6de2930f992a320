#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "assets/kit_face.hpp"
#include "assets/kit_image.hpp"
#include "assets/kit_lettering.hpp"
#include "assets/kit_marker.hpp"
#include "assets/kit_person.hpp"
#include "assets/kit_splats.hpp"

namespace vantoro::art {
namespace {

constexpr std::uint32_t kGround = 0x102030;

// The box of pixels that differ from the ground; all zero when none do.
Rect Changed(const Image& image) {
  Rect r{image.Width, image.Height, 0, 0};
  for (int y = 0; y < image.Height; ++y) {
    for (int x = 0; x < image.Width; ++x) {
      if (image.Pixels[image.Index(x, y)] == kGround) continue;
      r = {std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1)};
    }
  }
  return r.Right == 0 ? Rect{} : r;
}

TEST(MarkerKitTest, EveryModelAndTheEmptyLookDrawInsideTheirBoxAndDiffer) {
  const Rect box{30, 20, 190, 110};
  std::vector<Image> drawn;
  for (int item = 0; item <= kMarkerModels; ++item) {
    SCOPED_TRACE("item " + std::to_string(item));
    for (const MarkerFinish finish : {MarkerFinish::Shaded, MarkerFinish::Outlined}) {
      Image image(220, 130, Color::FromPacked(kGround));
      DrawMarkerItem(image, box, item, {.Finish = finish});
      const Rect ink = Changed(image);
      ASSERT_LT(ink.Left, ink.Right) << "drew nothing";
      EXPECT_GE(ink.Left, box.Left);
      EXPECT_GE(ink.Top, box.Top);
      EXPECT_LE(ink.Right, box.Right);
      EXPECT_LE(ink.Bottom, box.Bottom);
      // Filling most of the box's width, whatever the model's length.
      EXPECT_GT(ink.Right - ink.Left, (box.Right - box.Left) * 3 / 4);
      if (finish == MarkerFinish::Shaded) drawn.push_back(image);
    }
  }
  for (std::size_t a = 0; a < drawn.size(); ++a) {
    for (std::size_t b = a + 1; b < drawn.size(); ++b)
      EXPECT_NE(drawn[a].Pixels, drawn[b].Pixels) << a << " " << b;
  }
}

TEST(MarkerKitTest, TheMuzzleFollowsTheFrame) {
  const MarkerFrame right{{100.0f, 50.0f}, {2.0f, 0.0f}, {0.0f, -2.0f}};
  const MarkerFrame left{{100.0f, 50.0f}, {-2.0f, 0.0f}, {0.0f, -2.0f}};
  for (int item = 1; item <= kMarkerModels; ++item) {
    const Point r = MarkerMuzzle(right, item), l = MarkerMuzzle(left, item);
    EXPECT_GT(r.X, 140.0f);
    EXPECT_FLOAT_EQ(l.X, 200.0f - r.X);
    EXPECT_FLOAT_EQ(l.Y, r.Y);
    EXPECT_LT(r.Y, 50.0f);  // the barrel sits above the grip
  }
}

TEST(MarkerKitTest, TheSilhouetteHoldsEveryPartDrawnWhateverTheHopper) {
  struct Case {
    float Hopper;
    bool Balls;
  };
  for (const Case c : {Case{1.0f, false}, Case{2.0f, false}, Case{2.0f, true}}) {
    const MarkerFrame at{{70.0f, 85.0f}, {3.0f, 0.0f}, {0.0f, -3.0f}, c.Hopper};
    for (int item = 1; item <= kMarkerModels; ++item) {
      SCOPED_TRACE("item " + std::to_string(item) + " hopper " + std::to_string(c.Hopper));
      Image image(180, 110, Color::FromPacked(kGround));
      DrawMarker(image, at, item, {.Finish = MarkerFinish::Shaded, .Balls = c.Balls});
      // The rim light may reach a pixel past the outline, no further.
      const Field outline = Dilated(MarkerSilhouette(image.Width, image.Height, at, item), 1);
      for (int y = 0; y < image.Height; ++y) {
        for (int x = 0; x < image.Width; ++x) {
          if (image.Pixels[image.Index(x, y)] != kGround) {
            ASSERT_GT(outline(x, y), 0.0f) << x << "," << y;
          }
        }
      }
      if (c.Balls) {
        Image flat(180, 110, Color::FromPacked(kGround));
        DrawMarker(flat, at, item, {.Finish = MarkerFinish::Shaded});
        EXPECT_NE(flat.Pixels, image.Pixels) << "no balls in the loader";
      }
    }
  }
}

TEST(PersonKitTest, EveryViewAndPoseDrawsInsideTheFiguresBox) {
  const Pose crouch = SideOn({-4, -15}, {3, -40}, {8, -47}, {6, -19}, {-8, 0}, {13, -20}, {12, 0}, {8, -30},
                             -1.25f, {0, 0}, 1.0f);
  const Pose aim = SideOn({-1, -30}, {5, -54}, {9, -62}, {-8, -15}, {-12, 0}, {8, -16}, {7, 0}, {12, -46},
                          -0.12f, {0, 0}, 1.0f);
  Pose cheer = Standing();
  cheer.Hand[0] = {-0.3f, -1.08f};
  cheer.Elbow[0] = {-0.25f, -0.92f};
  struct Case {
    View Seen;
    Pose Body;
    float Facing;
    int Marker;
  };
  const Case cases[] = {{View::Front, Standing(), 1, 0},
                        {View::Front, cheer, 1, 3},
                        {View::Back, Standing(), 1, 0},
                        {View::Side, aim, 1, 7},
                        {View::Side, Mixed(crouch, aim, 0.5f), -1, 10},
                        {View::Side, crouch, 1, 1}};
  constexpr float kHeight = 100.0f;
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.Seen));
    Image image(300, 260, Color::FromPacked(kGround));
    const Person p{.Feet = {150.0f, 200.0f},
                   .Height = kHeight,
                   .Facing = c.Facing,
                   .Seen = c.Seen,
                   .Body = c.Body,
                   .Colours = {.Jersey = Rgb(0xD8262E), .Trim = Rgb(0xF4F4F0), .Pants = Rgb(0x24262E)},
                   .Marker = c.Marker};
    const Point muzzle = DrawPlayer(image, p);
    const Rect ink = Changed(image);
    ASSERT_LT(ink.Left, ink.Right) << "drew nothing";
    EXPECT_GE(ink.Left, 150 - 60);
    EXPECT_LE(ink.Right, 150 + 60);
    EXPECT_GE(ink.Top, 200 - 125);
    EXPECT_LE(ink.Bottom, 200 + 8);
    const Point expected = PlayerMuzzle(p);
    EXPECT_FLOAT_EQ(muzzle.X, expected.X);
    EXPECT_FLOAT_EQ(muzzle.Y, expected.Y);
    // Side-on, the barrel points the way the player faces.
    if (c.Seen == View::Side) {
      EXPECT_GT((muzzle.X - 150.0f) * c.Facing, 10.0f);
    }
  }
}

TEST(ImageKitTest, CropAndPasteRoundTripAndClipAtTheEdges) {
  Image image(40, 30);
  for (std::size_t i = 0; i < image.Pixels.size(); ++i)
    image.Pixels[i] = static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFF;
  const Image original = image;
  const Region inside = Crop(image, 5.5f, 4.0f, 20.2f, 12.0f);
  EXPECT_EQ(inside.X, 5);
  EXPECT_EQ(inside.Y, 4);
  EXPECT_EQ(inside.Pixels.Width, 16);
  EXPECT_EQ(inside.Pixels.Height, 8);
  EXPECT_EQ(inside.Pixels.Pixels[inside.Pixels.Index(3, 2)], image.Pixels[image.Index(8, 6)]);
  Paste(image, inside);
  EXPECT_EQ(image.Pixels, original.Pixels);

  const Region edge = Crop(image, -10.0f, 25.0f, 100.0f, 90.0f);
  EXPECT_EQ(edge.X, 0);
  EXPECT_EQ(edge.Pixels.Width, 40);
  EXPECT_EQ(edge.Pixels.Height, 5);
  const Region outside = Crop(image, 90.0f, 90.0f, 95.0f, 95.0f);
  EXPECT_EQ(outside.Pixels.Width, 1);
  EXPECT_EQ(outside.Pixels.Height, 1);
  Paste(image, outside);
  EXPECT_EQ(image.Pixels, original.Pixels);
}

TEST(ImageKitTest, SupersamplingKeepsAFlatColourAndAveragesEdges) {
  const Image flat = Supersampled(7, 5, 3, [](Image& big) {
    ASSERT_EQ(big.Width, 21);
    ASSERT_EQ(big.Height, 15);
    for (std::uint32_t& p : big.Pixels) p = 0x3C7AB4;
  });
  ASSERT_EQ(flat.Width, 7);
  ASSERT_EQ(flat.Height, 5);
  for (const std::uint32_t p : flat.Pixels) EXPECT_EQ(p, 0x3C7AB4u);
  // Half of each big block's columns white: mid grey.
  const Image half = Supersampled(2, 2, 2, [](Image& big) {
    for (int y = 0; y < big.Height; ++y) big.Pixels[big.Index(0, y)] = big.Pixels[big.Index(2, y)] = 0xFFFFFF;
  });
  for (const std::uint32_t p : half.Pixels) EXPECT_NEAR(static_cast<int>(p & 0xFF), 128, 1);
}

TEST(ImageKitTest, RoundedBoxesCoverTheirAreaWhereverTheyAreTurned) {
  struct Case {
    Point Origin;
    float W, H, R, Angle;
  };
  const Case cases[] = {{{10.0f, 8.0f}, 40.0f, 20.0f, 0.0f, 0.0f},
                        {{10.5f, 8.25f}, 40.0f, 20.0f, 6.0f, 0.0f},
                        {{30.0f, 5.0f}, 30.0f, 24.0f, 4.0f, 0.6f},
                        {{60.0f, 30.0f}, 22.0f, 22.0f, 11.0f, -2.0f}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.W << "x" << c.H << " r " << c.R << " turned " << c.Angle);
    const Field f = RoundedBox(90, 70, c.Origin, c.W, c.H, c.R, c.Angle);
    float area = 0.0f;
    for (const float v : f.Values) area += v;
    EXPECT_NEAR(area, c.W * c.H - (4.0f - 3.14159f) * c.R * c.R, 0.01f * c.W * c.H);
    // Solid at its middle, turned about its first corner.
    const float u = c.W * 0.5f, v = c.H * 0.5f, cs = std::cos(c.Angle), sn = std::sin(c.Angle);
    const Point mid{c.Origin.X + u * cs - v * sn, c.Origin.Y + u * sn + v * cs};
    EXPECT_FLOAT_EQ(f(static_cast<int>(mid.X), static_cast<int>(mid.Y)), 1.0f);
  }
}

TEST(SplatKitTest, SplatsLandWhereThrownAndTheSameSeedGivesTheSamePicture) {
  const ThrownSplat thrown[] = {{40.0f, 30.0f, 10.0f, Rgb(0xFF2A86), 0.0f, 2},
                                {150.0f, 80.0f, 6.0f, Rgb(0x22C8FF)}};
  ScatterStyle style;
  style.ShadowDx = 2;
  style.ShadowDy = 3;
  style.ShadowBlur = 2;
  style.ShadowOpacity = 0.5f;
  const auto draw = [&] {
    Image image(200, 120, Color::FromPacked(kGround));
    Random rng(7);
    ScatterSplats(image, rng, thrown, style);
    return image;
  };
  const Image a = draw(), b = draw();
  EXPECT_EQ(a.Pixels, b.Pixels);
  EXPECT_NE(a.Pixels[a.Index(40, 30)], kGround);
  EXPECT_NE(a.Pixels[a.Index(150, 80)], kGround);
  EXPECT_EQ(a.Pixels[a.Index(100, 10)], kGround);
  // Splats near the edge are clipped, not drawn off the picture.
  const ThrownSplat corner[] = {{2.0f, 118.0f, 12.0f, Rgb(0x8CF01E), 0.0f, 3}};
  Image image(200, 120, Color::FromPacked(kGround));
  Random rng(9);
  ScatterSplats(image, rng, corner, style);
  EXPECT_NE(image.Pixels[image.Index(2, 118)], kGround);
}

// A drip may only hang from the foot of an upright stroke: under a bowl or
// a bar it reads as an accent or a tail.
TEST(LetteringKitTest, DripsHangOnlyFromUprightStrokes) {
  const auto box = [](float x0, float y0, float x1, float y1) {
    Field f(100, 140);
    const std::vector<Point> corners{{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
    FillPolygon(f, corners);
    return f;
  };
  const auto ring = [] {
    Field outer(100, 140), inner(100, 140);
    FillEllipse(outer, 50.0f, 45.0f, 35.0f, 35.0f);
    FillEllipse(inner, 50.0f, 45.0f, 20.0f, 20.0f);
    return Subtracted(outer, inner);
  };
  struct Case {
    const char* Name;
    Field Letter;
    bool Drips;
  };
  const Case cases[] = {{"stem", box(40.0f, 10.0f, 60.0f, 80.0f), true},
                        {"bowl", ring(), false},
                        {"bar", box(10.0f, 66.0f, 90.0f, 80.0f), false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    Field mask = c.Letter;
    const Rect before = InkBounds(mask);
    Random rng(7);
    constexpr float kAt[] = {0.5f};
    AddLetterDrips(mask, before, rng, kAt);
    const Rect after = InkBounds(mask);
    EXPECT_EQ(after.Bottom > before.Bottom + 10, c.Drips);
    if (c.Drips) {
      EXPECT_NEAR((after.Left + after.Right) * 0.5f, 50.0f, 1.5f);
    }
  }
}

// A face-on, upright head lays back where it was drawn (the portraits rely
// on that), and a tilt rolls it clockwise: the crown moves right.
TEST(FaceKitTest, LayingAHeadKeepsItUprightOrRollsItByTheTilt) {
  const FaceLook look{Rgb(0xC89070),
                      Rgb(0x201810),
                      Rgb(0x3A2418),
                      Hair::Crop,
                      Beard::None,
                      0.85f,
                      1.4f,
                      1.0f,
                      1.0f,
                      0.0f,
                      1.0f,
                      7,
                      {Mouth::Closed, 0.0f, 0.3f, 0.0f, 1.0f, 1.0f, 1.0f}};
  float crown[2] = {};
  for (const float tilt : {0.0f, 0.3f}) {
    SCOPED_TRACE("tilt " + std::to_string(tilt));
    const Head head = ShapeHead(look, {100.0f, 110.0f, 40.0f, 0.0f, -kHeadLightX, 200, 200, tilt});
    Image image(200, 200, Color::FromPacked(kGround));
    const Image under = image;
    PaintFace(image, head);
    const Field outline = LayHead(image, under, head);
    if (tilt == 0.0f) {
      Field upright = head.Skin;
      Maximize(upright, head.FrontHair);
      EXPECT_EQ(outline.Values, upright.Values);
    }
    // Where the outline's ink is, across the rows above the eyes.
    float sum = 0.0f, weight = 0.0f;
    for (int y = 0; y < 80; ++y)
      for (int x = 0; x < 200; ++x) {
        sum += outline(x, y) * static_cast<float>(x);
        weight += outline(x, y);
      }
    ASSERT_GT(weight, 0.0f);
    crown[tilt == 0.0f ? 0 : 1] = sum / weight;
  }
  EXPECT_NEAR(crown[0], 100.0f, 2.0f);
  EXPECT_GT(crown[1], crown[0] + 5.0f);
}

}  // namespace
}  // namespace vantoro::art
