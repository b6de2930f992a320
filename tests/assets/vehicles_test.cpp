#include <gtest/gtest.h>

#include <algorithm>

#include "assets/recipes.hpp"

namespace vantoro::art {
namespace {

// The brightest pixel in a band of columns: the showroom is dark, and any
// paint, chrome or lamp reaching the band lights it up.
int BrightestIn(const Image& image, int x0, int x1) {
  int best = 0;
  for (int y = 0; y < image.Height; ++y)
    for (int x = x0; x < x1; ++x) {
      const Color c = image.At(x, y);
      best = std::max(best, (299 * c.R + 587 * c.G + 114 * c.B) / 1000);
    }
  return best;
}

TEST(VehiclesTest, EveryVehicleLeavesShowroomAtBothEdges) {
  FontLibrary fonts;
  for (int vehicle = 1; vehicle <= 4; ++vehicle) {
    SCOPED_TRACE(vehicle);
    const Image image = DrawVehicle(fonts, vehicle);
    const int band = image.Width / 20;
    EXPECT_LT(BrightestIn(image, 0, band), 90);
    EXPECT_LT(BrightestIn(image, image.Width - band, image.Width), 90);
  }
}

}  // namespace
}  // namespace vantoro::art
