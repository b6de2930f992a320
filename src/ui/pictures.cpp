#include "ui/pictures.hpp"

#include "ui/picture_io.hpp"

namespace vantoro {

bool PictureSet::LoadAll(const std::filesystem::path& folder, std::string& error) {
  for (const PictureInfo& info : kPictures) {
    Image image;
    if (!DecodeJpegFile(folder / info.File, image, error)) return false;
    images_[static_cast<std::size_t>(info.Id)] = std::move(image);
  }
  return true;
}

std::filesystem::path FindAssetFolder(const std::filesystem::path& executable) {
  const std::filesystem::path dir = executable.parent_path();
  for (const auto& candidate :
       {dir / ".." / "assets", dir / ".." / "share" / "vantoro" / "assets", dir / "assets"}) {
    std::error_code ec;
    if (std::filesystem::is_directory(candidate, ec)) return candidate.lexically_normal();
  }
  return (dir / ".." / "assets").lexically_normal();
}

}  // namespace vantoro
