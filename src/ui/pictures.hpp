#pragma once
// The artwork, decoded once at start-up from the asset folder.

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "ui/artwork.hpp"
#include "ui/image.hpp"

namespace vantoro {

class PictureSet {
 public:
  // Decodes every picture of the list; on the first failure returns false
  // with "<file>: <reason>" in error.
  bool LoadAll(const std::filesystem::path& folder, std::string& error);
  // A picture that the list does not hold is empty, and draws nothing.
  const Image& Get(PictureId id) const {
    static const Image kNone;
    const auto index = static_cast<std::size_t>(id);
    return index < images_.size() ? images_[index] : kNone;
  }
  // For tests and tools that draw their own pictures.
  void Put(PictureId id, Image image) {
    const auto index = static_cast<std::size_t>(id);
    if (index < images_.size()) images_[index] = std::move(image);
  }

 private:
  std::array<Image, kPictures.size()> images_;
};

// Where the pictures may be, relative to the running program, in the order
// looked at: the build tree's assets/ beside app/, then the installed
// share/games/vantoro/assets from bin/ or games/ and from lib/games/vantoro/.
std::vector<std::filesystem::path> AssetFolderCandidates(const std::filesystem::path& executable);
// The first candidate that is a folder; when none is, error names every
// folder looked at.
bool FindAssetFolder(const std::filesystem::path& executable, std::filesystem::path& folder,
                     std::string& error);

}  // namespace vantoro
