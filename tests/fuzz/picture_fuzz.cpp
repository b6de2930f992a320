// Bytes as a picture file through the game's JPEG loader: any outcome but a
// picture or a clear reason is a finding.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "fuzz_support.hpp"
#include "ui/picture_io.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantoro;
  Image image;
  std::string error;
  if (DecodeJpeg(std::span(data, size), image, error)) {
    if (image.Width <= 0 || image.Height <= 0 || image.Width > kMaxPictureSide ||
        image.Height > kMaxPictureSide ||
        image.Pixels.size() != static_cast<std::size_t>(image.Width) * static_cast<std::size_t>(image.Height))
      fuzz::Finding("a decoded picture has an impossible size");
  } else if (error.empty()) {
    fuzz::Finding("a refused picture gave no reason");
  }
  return 0;
}
