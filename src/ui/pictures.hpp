#pragma once
// The artwork, read from the asset folder at start-up. Every file is read
// and its header checked before the first frame, so that a missing or wrong
// picture stops the game there; the pictures the first frame needs are
// decoded at once and the rest on a worker thread, so that the title does
// not wait for all of them.

#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "ui/artwork.hpp"
#include "ui/image.hpp"

namespace vantoro {

class PictureSet {
 public:
  PictureSet();
  ~PictureSet();
  PictureSet(PictureSet&&) noexcept;
  PictureSet& operator=(PictureSet&&) noexcept;

  // Reads every picture of the list and checks that its header gives its
  // listed size; decodes `first` now and starts the worker on the rest. On
  // the first failure returns false with "<file>: <reason>".
  bool Open(const std::filesystem::path& folder, std::span<const PictureId> first, std::string& error);
  // Waits for the worker; false with "<file>: <reason>" for the first
  // picture whose data turned out damaged.
  bool Finish(std::string& error);
  bool LoadAll(const std::filesystem::path& folder, std::string& error) {
    return Open(folder, {}, error) && Finish(error);
  }
  // A picture the worker has not reached yet waits for it. Where a
  // picture's data turned out damaged, throws std::runtime_error naming
  // it: the title needs only its own pictures, so this happens at the
  // latest when the title is left, before there is any game to lose.
  // A picture that the list does not hold is empty, and draws nothing.
  const Image& Get(PictureId id) const;
  // For tests and tools that draw their own pictures.
  void Put(PictureId id, Image image);

 private:
  struct Work;
  std::unique_ptr<Work> work_;
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
