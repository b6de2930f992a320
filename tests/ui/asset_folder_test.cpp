#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "ui/pictures.hpp"

namespace vantoro {
namespace {

namespace fs = std::filesystem;

struct Layout {
  const char* Name;
  const char* Program;  // relative to the prefix
  const char* Assets;
};

class AssetFolderTest : public testing::TestWithParam<Layout> {
 protected:
  fs::path root = fs::temp_directory_path() / ("vantoro-assets-" + std::to_string(::getpid()));
  void TearDown() override { fs::remove_all(root); }
};

// The build tree, and the installed game seen from each of its programs.
TEST_P(AssetFolderTest, FindsThePicturesBesideTheProgram) {
  fs::create_directories(root / GetParam().Assets);
  fs::path folder;
  std::string error;
  ASSERT_TRUE(FindAssetFolder(root / GetParam().Program, folder, error)) << error;
  EXPECT_EQ(folder, (root / GetParam().Assets).lexically_normal());
}

INSTANTIATE_TEST_SUITE_P(Layouts, AssetFolderTest,
                         testing::Values(Layout{"BuildTree", "app/vantoro", "assets"},
                                         Layout{"Games", "usr/games/vantoro-headless",
                                                "usr/share/games/vantoro/assets"},
                                         Layout{"TheGameItself", "usr/lib/games/vantoro/vantoro",
                                                "usr/share/games/vantoro/assets"}),
                         [](const auto& test) { return std::string(test.param.Name); });

TEST_F(AssetFolderTest, NamesEveryFolderLookedAtWhenNoneIsThere) {
  fs::create_directories(root / "usr/lib/games/vantoro");
  fs::path folder;
  std::string error;
  EXPECT_FALSE(FindAssetFolder(root / "usr/lib/games/vantoro/vantoro", folder, error));
  EXPECT_EQ(error, "cannot find the pictures: no folder " + (root / "usr/lib/games/assets").string() + ", " +
                       (root / "usr/lib/games/share/games/vantoro/assets").string() + " or " +
                       (root / "usr/share/games/vantoro/assets").string());
}

}  // namespace
}  // namespace vantoro
