#pragma once
// The artwork, read from the asset folder at start-up. Every file is read
// and its header checked before the first frame, so that a missing or wrong
// picture stops the game there; the pictures the first frame needs are
// decoded at once, while a worker thread proves the other bodies sound
// behind the title. Those are decoded the first time they are asked for, so
// that pictures never seen take no memory, and let go again when they have
// not been seen for a while and the decoded pictures hold more than a few
// screens' worth: the files' bytes stay, so nothing is read again.

#include <cstddef>
#include <cstdint>
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
  // listed size, and decodes `first`; the worker that checks the rest
  // starts at the first Trim, after the first frame, or when waited for.
  // On the first failure returns false with "<file>: <reason>".
  bool Open(const std::filesystem::path& folder, std::span<const PictureId> first, std::string& error);
  // Waits for the worker; false with "<file>: <reason>" for the first
  // picture whose data turned out damaged.
  bool Finish(std::string& error);
  // Open, then wait until every body has proved sound: for tools and tests.
  bool LoadAll(const std::filesystem::path& folder, std::string& error) {
    return Open(folder, {}, error) && Finish(error);
  }
  // Used from one thread: a picture not decoded yet is decoded now, once
  // the worker has finished (the first such call waits for it). Where a
  // picture's data turned out damaged, throws std::runtime_error naming
  // it: the title needs only its own pictures, so this happens at the
  // latest when the title is left, before there is any game to lose.
  // A picture that the list does not hold is empty, and draws nothing.
  const Image& Get(PictureId id) const;
  // For tests and tools that draw their own pictures; these are kept.
  void Put(PictureId id, Image image);

  // Past this many bytes of decoded pictures, those unseen for kUnseenMs
  // are let go, the longest unseen first. The largest screens need about
  // 8 MB at once (the hub with its animation and catalogue).
  static constexpr std::size_t kKeepBytes = std::size_t{10} << 20;
  static constexpr std::int64_t kUnseenMs = 2000;
  // Called after each frame is shown, with nothing drawn since: notes the
  // time (Get stamps each picture with it) and lets go of what the rule
  // above allows. True when any picture went: a reference from Get may then
  // dangle, and whatever knew pictures by their addresses must forget them.
  bool Trim(std::int64_t now, std::size_t keepBytes = kKeepBytes);
  // The bytes of decoded pictures that Trim may let go.
  std::size_t HeldBytes() const;

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
