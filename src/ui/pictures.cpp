#include "ui/pictures.hpp"

#include "ui/picture_io.hpp"

namespace vantoro {

bool PictureSet::LoadAll(const std::filesystem::path& folder, std::string& error) {
  for (const PictureInfo& info : kPictures) {
    Image image;
    if (!DecodeJpegFile(folder / info.File, image, error)) return false;
    // The screens place every picture by its listed size.
    if (image.Width != info.Width || image.Height != info.Height) {
      error = (folder / info.File).string() + ": the picture is " + std::to_string(image.Width) + " x " +
              std::to_string(image.Height) + ", expected " + std::to_string(info.Width) + " x " +
              std::to_string(info.Height);
      return false;
    }
    images_[static_cast<std::size_t>(info.Id)] = std::move(image);
  }
  return true;
}

std::vector<std::filesystem::path> AssetFolderCandidates(const std::filesystem::path& executable) {
  const std::filesystem::path dir = executable.parent_path();
  const std::filesystem::path installed = std::filesystem::path("share") / "games" / "vantoro" / "assets";
  std::vector<std::filesystem::path> candidates;
  for (const auto& candidate :
       {dir / ".." / "assets", dir / ".." / installed, dir / ".." / ".." / ".." / installed})
    candidates.push_back(candidate.lexically_normal());
  return candidates;
}

bool FindAssetFolder(const std::filesystem::path& executable, std::filesystem::path& folder,
                     std::string& error) {
  const auto candidates = AssetFolderCandidates(executable);
  for (const auto& candidate : candidates) {
    std::error_code ec;
    if (std::filesystem::is_directory(candidate, ec)) {
      folder = candidate;
      return true;
    }
  }
  error = "cannot find the pictures: no folder ";
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    if (i > 0) error += i + 1 == candidates.size() ? " or " : ", ";
    error += candidates[i].string();
  }
  return false;
}

}  // namespace vantoro
