#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "ui/file_bytes.hpp"
#include "ui/picture_io.hpp"
#include "ui/pictures.hpp"

namespace vantoro {
namespace {

namespace fs = std::filesystem;

// A folder holding every listed picture at its listed size; one encoded
// file per size, so that the folder is quick to make.
class PictureSetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("vantoro-picture-set-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
    std::map<std::pair<int, int>, Bytes> bySize;
    for (const PictureInfo& info : kPictures) {
      Bytes& bytes = bySize[{info.Width, info.Height}];
      if (bytes.empty()) {
        std::string error;
        Image image(info.Width, info.Height);
        for (std::size_t i = 0; i < image.Pixels.size(); ++i)
          image.Pixels[i] = static_cast<std::uint32_t>(i * 2654435761u);
        ASSERT_TRUE(EncodeJpegFile(dir_ / "made.jpg", image, 60, error)) << error;
        bytes = ReadBytes(dir_ / "made.jpg");
      }
      WriteBytes(dir_ / info.File, bytes);
    }
    fs::remove(dir_ / "made.jpg");
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path dir_;
};

constexpr PictureId kFirst[] = {PictureId::Title, PictureId::Icon};

TEST_F(PictureSetTest, TheFirstPicturesAreReadyAtOnceAndTheRestAfterTheWorker) {
  PictureSet pictures;
  std::string error;
  ASSERT_TRUE(pictures.Open(dir_, kFirst, error)) << error;
  EXPECT_EQ(pictures.Get(PictureId::Title).Width, kPictures[0].Width);
  // Moving the set while the worker runs must not lose what it decodes.
  PictureSet moved = std::move(pictures);
  ASSERT_TRUE(moved.Finish(error)) << error;
  for (const PictureInfo& info : kPictures) {
    const Image& image = moved.Get(info.Id);
    EXPECT_EQ(image.Width, info.Width) << info.File;
    EXPECT_EQ(image.Pixels.size(),
              static_cast<std::size_t>(info.Width) * static_cast<std::size_t>(info.Height));
  }
}

// Past the budget, pictures unseen for long enough go, the longest unseen
// first, and come back alike when asked for; pictures seen lately, and
// those put in by hand, stay.
TEST_F(PictureSetTest, TrimLetsGoOfTheLongestUnseenAndDecodesThemAgain) {
  PictureSet pictures;
  std::string error;
  ASSERT_TRUE(pictures.Open(dir_, kFirst, error) && pictures.Finish(error)) << error;
  pictures.Put(PictureId::Icon, Image(64, 64, kWhite));
  const std::size_t title = pictures.HeldBytes();
  constexpr std::size_t kFrame = 800 * 600 * 4;
  constexpr std::int64_t kLater = PictureSet::kUnseenMs;
  pictures.Trim(500);
  const std::vector<std::uint32_t> hub = pictures.Get(PictureId::HubBackground).Pixels;
  pictures.Trim(1000);
  pictures.Get(PictureId::Creation);
  ASSERT_EQ(pictures.HeldBytes(), title + 2 * kFrame);
  EXPECT_FALSE(pictures.Trim(kLater + 500, pictures.HeldBytes())) << "within the budget";
  EXPECT_FALSE(pictures.Trim(kLater - 1, 0)) << "nothing unseen for long enough";
  ASSERT_TRUE(pictures.Trim(kLater + 500, pictures.HeldBytes() - 1));
  EXPECT_EQ(pictures.HeldBytes(), 2 * kFrame) << "the title, unseen longest, went alone";
  EXPECT_TRUE(pictures.Trim(kLater + 1000, 0));
  EXPECT_EQ(pictures.HeldBytes(), 0u);
  EXPECT_EQ(pictures.Get(PictureId::HubBackground).Pixels, hub);
  EXPECT_EQ(pictures.Get(PictureId::Icon).Pixels[0], kWhite.Packed()) << "put in by hand, so kept";
  EXPECT_EQ(pictures.HeldBytes(), kFrame);
}

struct Fault {
  const char* Name;
  std::function<void(const fs::path& file)> Make;
  const char* Reason;
};

// What a player's damaged or tampered folder may hold in a picture's place:
// each is refused before the first frame, naming the file and the reason.
TEST_F(PictureSetTest, HeaderFaultsStopTheStartNamingTheFile) {
  const Fault faults[] = {
      {"missing", [](const fs::path& f) { fs::remove(f); }, "No such file or directory"},
      {"directory",
       [](const fs::path& f) {
         fs::remove(f);
         fs::create_directory(f);
       },
       "Is a directory"},
      {"fifo",
       [](const fs::path& f) {
         fs::remove(f);
         ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0);
       },
       "it is not a regular file"},
      {"empty", [](const fs::path& f) { WriteBytes(f, {}); }, "the file is empty"},
      {"header cut",
       [](const fs::path& f) {
         const Bytes b = ReadBytes(f);
         WriteBytes(f, Bytes(b.begin(), b.begin() + 20));
       },
       "ends early"},
      {"wrong size",
       [this](const fs::path& f) {
         fs::copy_file(dir_ / "icon.jpg", f, fs::copy_options::overwrite_existing);
       },
       "the picture is 64 x 64, expected 800 x 600"},
  };
  const fs::path file = dir_ / "hub.jpg";
  const Bytes good = ReadBytes(file);
  for (const Fault& fault : faults) {
    fault.Make(file);
    PictureSet pictures;
    std::string error;
    EXPECT_FALSE(pictures.Open(dir_, kFirst, error)) << fault.Name;
    EXPECT_EQ(error.rfind(file.string() + ": ", 0), 0u) << fault.Name << ": " << error;
    EXPECT_NE(error.find(fault.Reason), std::string::npos) << fault.Name << ": " << error;
    fs::remove_all(file);
    WriteBytes(file, good);
  }
}

// A body that breaks after a sound header is found by the worker: asking
// for any picture the title does not show then stops the game with the
// file's name, and so does the check that waits for the worker.
TEST_F(PictureSetTest, ADamagedBodyIsReportedBeforeTheGameGoesOn) {
  for (const bool first : {false, true}) {
    const fs::path file = dir_ / (first ? "title.jpg" : "hub.jpg");
    const Bytes good = ReadBytes(file);
    WriteBytes(file, Bytes(good.begin(), good.begin() + std::ssize(good) * 2 / 3));
    PictureSet pictures;
    std::string error;
    if (first) {
      EXPECT_FALSE(pictures.Open(dir_, kFirst, error));
    } else {
      ASSERT_TRUE(pictures.Open(dir_, kFirst, error)) << error;
      EXPECT_EQ(pictures.Get(PictureId::Title).Width, 785);
      try {
        pictures.Get(PictureId::Creation);
        ADD_FAILURE() << "a damaged picture was handed out";
      } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), file.string() + ": the picture data ends early");
      }
      EXPECT_FALSE(pictures.Finish(error));
    }
    EXPECT_EQ(error, file.string() + ": the picture data ends early");
    WriteBytes(file, good);
  }
}

}  // namespace
}  // namespace vantoro
