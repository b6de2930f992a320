// vantoro-artgen OUTDIR [NAME...]: draws every picture of the manifest (or
// only those named, as "title" or "title.jpg") and writes each as a JPEG
// file into OUTDIR. vantoro-artgen --icon SIZE FILE: writes the icon at
// SIZE x SIZE as a PNG file with transparency, for the desktop. Any failure
// is reported and makes the exit status 1.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "assets/recipes.hpp"
#include "ui/font.hpp"
#include "ui/picture_io.hpp"

namespace {

using vantoro::PictureInfo;
namespace fs = std::filesystem;

constexpr int kJpegQuality = 90;

// Reports why `what` (a picture, a file or an argument) failed; false, so
// that a caller can return it.
bool Fail(const std::string& what, const std::string& why) {
  std::fprintf(stderr, "vantoro-artgen: %s: %s\n", what.c_str(), why.c_str());
  return false;
}

// Written beside the target and renamed into place, so that an interrupted
// run never leaves a half-written picture with a fresh time stamp.
bool WritePicture(const fs::path& dir, const PictureInfo& info, vantoro::FontLibrary& fonts) {
  const std::string name(info.File);
  const vantoro::art::RecipeFn draw = vantoro::art::RecipeFor(info.Id);
  if (draw == nullptr) return Fail(name, "no recipe draws this picture");
  const vantoro::Image image = draw(fonts);
  if (image.Width != info.Width || image.Height != info.Height) {
    std::fprintf(stderr, "vantoro-artgen: %s: drawn at %dx%d, the manifest says %dx%d\n", name.c_str(),
                 image.Width, image.Height, info.Width, info.Height);
    return false;
  }
  const fs::path target = dir / name;
  fs::path partial = target;
  partial += ".part";
  std::string error;
  if (!vantoro::EncodeJpegFile(partial, image, kJpegQuality, error)) return Fail(name, error);
  std::error_code ec;
  fs::rename(partial, target, ec);
  if (!ec) return true;
  Fail(target.string(), ec.message());
  fs::remove(partial, ec);
  return false;
}

bool WriteIcon(const char* sizeText, const fs::path& file) {
  char* end = nullptr;
  const long size = std::strtol(sizeText, &end, 10);
  if (end == sizeText || *end != '\0' || size < 16 || size > 1024)
    return Fail(sizeText, "the icon size must be 16 to 1024");
  const int side = static_cast<int>(size);
  const vantoro::Image icon = vantoro::art::DrawIconAt(side);
  std::string error;
  if (vantoro::WritePngFile(file, icon, vantoro::art::IconOpacity(side), error)) return true;
  std::fprintf(stderr, "vantoro-artgen: %s\n", error.c_str());
  return false;
}

bool Run(int argc, char** argv) {
  if (argc == 4 && std::string_view(argv[1]) == "--icon") return WriteIcon(argv[2], argv[3]);
  if (argc < 2) {
    std::fprintf(stderr, "usage: vantoro-artgen OUTDIR [NAME...]\n       vantoro-artgen --icon SIZE FILE\n");
    return false;
  }
  const fs::path dir = argv[1];
  std::error_code ec;
  fs::create_directories(dir, ec);
  if (ec) return Fail(dir.string(), ec.message());

  std::vector<const PictureInfo*> wanted;
  bool ok = true;
  if (argc == 2) {
    for (const PictureInfo& info : vantoro::kPictures) wanted.push_back(&info);
  }
  for (int i = 2; i < argc; ++i) {
    const PictureInfo* info = vantoro::art::FindPicture(argv[i]);
    if (info == nullptr) {
      ok = Fail(argv[i], "no such picture");
    } else {
      wanted.push_back(info);
    }
  }

  vantoro::FontLibrary fonts;
  for (const PictureInfo* info : wanted) ok = WritePicture(dir, *info, fonts) && ok;
  return ok;
}

}  // namespace

int main(int argc, char** argv) { return Run(argc, argv) ? 0 : 1; }
