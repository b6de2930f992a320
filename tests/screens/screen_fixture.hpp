#pragma once
// A game on the headless platform with plain stand-in pictures and a save
// folder of its own, for scenario tests.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/driver.hpp"
#include "ui/artwork.hpp"

namespace vantoro::testing {

// The fills of a hub button that acts and of one greyed out.
constexpr Color kGreenFill = Rgb(0x004400);
constexpr Color kGreyFill = Rgb(0x444444);

inline FontLibrary& SharedFonts() {
  static FontLibrary fonts;
  return fonts;
}

inline Image StandIn(const PictureInfo& info) { return Image(info.Width, info.Height, Rgb(0x202020)); }

// Made once per process: a fresh set of full-size pictures for every test
// would cost more than most tests.
inline PictureSet& SharedStandInPictures() {
  static PictureSet pictures = [] {
    PictureSet set;
    for (const PictureInfo& info : kPictures) set.Put(info.Id, StandIn(info));
    return set;
  }();
  return pictures;
}

class ScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() /
             ("vantoro-screens-" + std::to_string(::getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    ReplaceDriver(folder);
  }
  void TearDown() override {
    ExpectNoStaleRows();
    std::filesystem::remove_all(folder);
    for (const PictureId id : replaced_) pictures.Put(id, StandIn(kPictures[static_cast<std::size_t>(id)]));
  }

  // A picture of the test's own in place of the stand-in, for this test.
  void PutPicture(PictureId id, Image image) {
    replaced_.push_back(id);
    pictures.Put(id, std::move(image));
  }

  // A fresh game saving into saveFolder, once the frames of the one it
  // replaces are checked.
  void ReplaceDriver(const std::filesystem::path& saveFolder) {
    ExpectNoStaleRows();
    driver = std::make_unique<Driver>(SharedFonts(), pictures, saveFolder);
    driver->Platform().EchoMessages = false;
  }
  // A window is sent only the rows a frame reports drawn: a row that
  // changed without being reported would stay stale on the screen.
  void ExpectNoStaleRows() {
    if (driver) {
      EXPECT_EQ(driver->Platform().StaleRows(), 0) << "changed rows of frames were not reported drawn";
    }
  }

  // Runs script lines, failing the test on the first error.
  void Script(std::initializer_list<std::string_view> lines) {
    for (std::string_view line : lines) {
      std::string error;
      ASSERT_TRUE(driver->Execute(line, error)) << line << ": " << error;
    }
  }
  // From the title through team creation into the hub, past its opening.
  void EnterHub() {
    Script({"wait 25", "press 100 100", "wait 1400", "press 250 490", "press 560 490", "expect-screen hub",
            "wait 1650", "expect Runtime.HubIntroCounter 470"});
  }
  // Whether some pixel of the frame's area l..r-1, t..b-1 has exactly this colour.
  bool AreaHas(int l, int t, int r, int b, Color color) {
    for (int y = t; y < b; ++y) {
      for (int x = l; x < r; ++x) {
        if (FramePixel(x, y) == color) return true;
      }
    }
    return false;
  }
  GameState& State() { return driver->State(); }
  Color FramePixel(int x, int y) { return driver->Platform().LastFrame().At(x, y); }

  PictureSet& pictures = SharedStandInPictures();
  std::filesystem::path folder;
  std::unique_ptr<Driver> driver;

 private:
  std::vector<PictureId> replaced_;
};

}  // namespace vantoro::testing
