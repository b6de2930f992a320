#include "ui/picture_io.hpp"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "ui/file_bytes.hpp"

namespace vantoro {
namespace {

namespace fs = std::filesystem;

class PictureFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("vantoro-pictures-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }

  fs::path dir_;
};

Image Scene(int width, int height, unsigned seed) {
  Image image(width, height);
  std::mt19937 random(seed);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.Set(x, y,
                Color{static_cast<std::uint8_t>(x * 255 / width), static_cast<std::uint8_t>(y * 255 / height),
                      static_cast<std::uint8_t>(100 + random() % 8)});
    }
  }
  return image;
}

int WorstChannelError(const Image& a, const Image& b) {
  int worst = 0;
  for (int y = 0; y < a.Height; ++y) {
    for (int x = 0; x < a.Width; ++x) {
      const Color p = a.At(x, y), q = b.At(x, y);
      worst = std::max({worst, std::abs(p.R - q.R), std::abs(p.G - q.G), std::abs(p.B - q.B)});
    }
  }
  return worst;
}

Bytes ValidJpeg(const fs::path& dir) {
  std::string error;
  EXPECT_TRUE(EncodeJpegFile(dir / "valid.jpg", Scene(40, 30, 1), 90, error)) << error;
  return ReadBytes(dir / "valid.jpg");
}

TEST_F(PictureFiles, JpegRoundTripIsClose) {
  const Image scene = Scene(80, 60, 7);
  for (const ChromaSampling chroma : {ChromaSampling::Half, ChromaSampling::Full}) {
    std::string error;
    ASSERT_TRUE(EncodeJpegFile(dir_ / "scene.jpg", scene, 95, chroma, error)) << error;
    Image back;
    ASSERT_TRUE(DecodeJpegFile(dir_ / "scene.jpg", back, error)) << error;
    ASSERT_EQ(back.Width, 80);
    ASSERT_EQ(back.Height, 60);
    EXPECT_LE(WorstChannelError(scene, back), 16);
  }
}

struct DamageCase {
  const char* Name;
  std::function<Bytes(Bytes)> Damage;  // from a valid 40 x 30 JPEG
  const char* Reason;                  // in the message; empty: any
};

TEST_F(PictureFiles, DamagedJpegsGiveReasonsNotCrashes) {
  const DamageCase cases[] = {
      {"empty", [](Bytes) { return Bytes{}; }, "empty"},
      {"cut to 100 bytes", [](Bytes b) { return Bytes(b.begin(), b.begin() + 100); }, "ends early"},
      {"cut in half", [](Bytes b) { return Bytes(b.begin(), b.begin() + std::ssize(b) / 2); }, "ends early"},
      {"not a jpeg", [](Bytes) { return Bytes(500, 0x5A); }, "Not a JPEG"},
      {"60000 x 60000",
       [](Bytes b) {
         for (std::size_t i = 0; i + 8 < b.size(); ++i) {
           if (b[i] == 0xFF && b[i + 1] == 0xC0) {
             b[i + 5] = b[i + 7] = 0xEA;  // height and width 0xEA60
             b[i + 6] = b[i + 8] = 0x60;
           }
         }
         return b;
       },
       "out of range"},
  };
  const Bytes valid = ValidJpeg(dir_);
  for (const DamageCase& c : cases) {
    const fs::path file = dir_ / "title.jpg";
    WriteBytes(file, c.Damage(valid));
    Image out(1, 1, kWhite);
    std::string error;
    EXPECT_FALSE(DecodeJpegFile(file, out, error)) << c.Name;
    EXPECT_EQ(error.rfind(file.string() + ": ", 0), 0u) << error;
    EXPECT_NE(error.find(c.Reason), std::string::npos) << c.Name << ": " << error;
    EXPECT_EQ(out.Width, 1) << "a failed decode leaves the picture alone";
  }
}

TEST_F(PictureFiles, FileSystemErrorsNameTheFile) {
  Image out;
  std::string error;
  EXPECT_FALSE(DecodeJpegFile(dir_ / "missing.jpg", out, error));
  EXPECT_EQ(error, (dir_ / "missing.jpg").string() + ": No such file or directory");
  EXPECT_FALSE(DecodeJpegFile(dir_, out, error));
  EXPECT_NE(error.find("Is a directory"), std::string::npos) << error;
  EXPECT_FALSE(ReadPngFile(dir_ / "missing.png", out, error));
  EXPECT_EQ(error, (dir_ / "missing.png").string() + ": No such file or directory");
  for (const fs::path& nowhere : {dir_ / "no" / "shot.png", dir_ / "no" / "art.jpg"}) {
    const bool written = nowhere.extension() == ".png" ? WritePngFile(nowhere, Scene(4, 4, 1), error)
                                                       : EncodeJpegFile(nowhere, Scene(4, 4, 1), 90, error);
    EXPECT_FALSE(written);
    EXPECT_EQ(error, nowhere.string() + ": No such file or directory");
  }
}

// Bytes flipped anywhere, as a player's damaged download would have them:
// each decode either fails with a reason or gives a picture of the right size.
TEST_F(PictureFiles, FlippedBytesNeverCrashTheDecoder) {
  const Bytes valid = ValidJpeg(dir_);
  std::mt19937 random(2024);
  for (int trial = 0; trial < 300; ++trial) {
    Bytes damaged = valid;
    for (int flips = 1 + trial % 4; flips > 0; --flips)
      damaged[random() % damaged.size()] ^= 1u << (random() % 8);
    Image out;
    std::string error;
    if (DecodeJpeg(damaged, out, error)) {
      EXPECT_EQ(out.Pixels.size(),
                static_cast<std::size_t>(out.Width) * static_cast<std::size_t>(out.Height));
      EXPECT_LE(out.Width, kMaxPictureSide);
      EXPECT_LE(out.Height, kMaxPictureSide);
    } else {
      EXPECT_FALSE(error.empty());
    }
  }
}

TEST_F(PictureFiles, PngRoundTripIsExactAndDamageIsReported) {
  const Image shot = Scene(123, 45, 3);
  std::string error;
  ASSERT_TRUE(WritePngFile(dir_ / "shot.png", shot, error)) << error;
  Image back;
  ASSERT_TRUE(ReadPngFile(dir_ / "shot.png", back, error)) << error;
  EXPECT_EQ(back.Width, shot.Width);
  EXPECT_EQ(back.Height, shot.Height);
  EXPECT_EQ(back.Pixels, shot.Pixels);

  const Bytes valid = ReadBytes(dir_ / "shot.png");
  for (const Bytes& damaged : {Bytes{}, Bytes(valid.begin(), valid.begin() + 60), Bytes(300, 0x89)}) {
    WriteBytes(dir_ / "bad.png", damaged);
    EXPECT_FALSE(ReadPngFile(dir_ / "bad.png", back, error));
    EXPECT_EQ(error.rfind((dir_ / "bad.png").string() + ": ", 0), 0u) << error;
  }
}

}  // namespace
}  // namespace vantoro
