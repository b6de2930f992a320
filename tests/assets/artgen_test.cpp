// vantoro-artgen run as a program, as the build runs it.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "assets/recipes.hpp"
#include "ui/picture_io.hpp"

namespace vantoro {
namespace {

namespace fs = std::filesystem;

struct ArtgenTest : testing::Test {
  fs::path tool;
  fs::path out = fs::temp_directory_path() / ("vantoro-artgen-test-" + std::to_string(::getpid()));

  void SetUp() override {
    const char* binDir = std::getenv("VANTORO_BIN_DIR");
    if (binDir == nullptr) GTEST_SKIP() << "VANTORO_BIN_DIR is not set; run through ctest";
    tool = fs::path(binDir).parent_path() / "assets" / "vantoro-artgen";
    if (!fs::exists(tool)) GTEST_SKIP() << tool << " is not built";
    fs::remove_all(out);
  }
  void TearDown() override { fs::remove_all(out); }

  int Run(const std::string& args) {
    const std::string command = tool.string() + " " + args + " 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
};

TEST_F(ArtgenTest, WritesTheNamedPicturesIntoANewFolder) {
  const fs::path nested = out / "deeper";
  ASSERT_EQ(Run(nested.string() + " icon creation.jpg"), 0);
  Image icon;
  std::string error;
  ASSERT_TRUE(DecodeJpegFile(nested / "icon.jpg", icon, error)) << error;
  EXPECT_EQ(icon.Width, 64);
  EXPECT_EQ(icon.Height, 64);
  EXPECT_TRUE(fs::exists(nested / "creation.jpg"));
  EXPECT_FALSE(fs::exists(nested / "title.jpg"));
  for (const auto& entry : fs::directory_iterator(nested)) EXPECT_EQ(entry.path().extension(), ".jpg");
}

TEST_F(ArtgenTest, FailsOnAnUnknownPictureOrAMissingFolder) {
  EXPECT_EQ(Run(out.string() + " icon no-such-picture"), 1);
  EXPECT_TRUE(fs::exists(out / "icon.jpg"));  // what it could draw, it drew
  EXPECT_EQ(Run(""), 1);
  EXPECT_EQ(Run("/proc/vantoro-cannot-write-here"), 1);
}

// The desktop's icon files: RGBA at the asked size, clear in the corners
// (a round badge), so that menus do not show a dark square.
TEST_F(ArtgenTest, WritesTheDesktopIconWithTransparency) {
  fs::create_directories(out);
  for (const int size : {64, 128, 256}) {
    const fs::path file = out / ("icon" + std::to_string(size) + ".png");
    ASSERT_EQ(Run("--icon " + std::to_string(size) + " " + file.string()), 0);
    std::ifstream in(file, std::ios::binary);
    std::vector<unsigned char> header(26);
    in.read(reinterpret_cast<char*>(header.data()), 26);
    const auto word = [&](int at) {
      return (header[at] << 24) | (header[at + 1] << 16) | (header[at + 2] << 8) | header[at + 3];
    };
    EXPECT_EQ(word(16), size);
    EXPECT_EQ(word(20), size);
    EXPECT_EQ(header[25], 6) << "colour type RGBA";
    Image icon;
    std::string error;
    ASSERT_TRUE(ReadPngFile(file, icon, error)) << error;
    EXPECT_EQ(icon.Width, size);
  }
  const std::vector<std::uint8_t> alpha = art::IconOpacity(128);
  EXPECT_EQ(alpha.front(), 0);
  EXPECT_EQ(alpha.back(), 0);
  EXPECT_EQ(alpha[64 * 128 + 64], 255);
  for (const char* bad : {"0", "15", "1025", "64x", ""}) {
    EXPECT_EQ(Run(std::string("--icon '") + bad + "' " + (out / "bad.png").string()), 1) << bad;
  }
  EXPECT_EQ(Run("--icon 64 /proc/vantoro-cannot-write-here.png"), 1);
}

}  // namespace
}  // namespace vantoro
