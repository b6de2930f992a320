#pragma once
// Start-up shared by the game and the headless driver.

#include <filesystem>
#include <optional>
#include <string>
#include <thread>

#include "ui/pictures.hpp"

namespace vantoro {

// The running program's own path, for finding the artwork beside it.
std::filesystem::path ExecutablePath(const char* argv0);

// The player's data folder ($XDG_DATA_HOME/vantoro, or
// ~/.local/share/vantoro when XDG_DATA_HOME is not an absolute path), not
// made; nothing, with the reason, when the environment names none.
std::optional<std::filesystem::path> PlayerDataFolder(std::string& error);

// Makes the player's data folder where it is missing, and makes it the
// working folder, where the game keeps its save slot. False, with a
// message naming the folder (or what is missing to find it) and the
// reason, when that cannot be done.
bool EnterPlayerDataFolder(std::string& error);

// Two copies of the game on one folder would each save over the other's
// game. The first copy holds an advisory lock on a file in the folder for
// as long as it runs; the kernel lets go of it when the copy ends, however
// it ends. A folder where the file cannot be made (read-only, say) is not
// locked: saving there fails anyway, with its own message.
class FolderLock {
 public:
  FolderLock() = default;
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  // False, with the message for the player, when another copy holds it.
  bool Take(const std::filesystem::path& folder, std::string& error);

 private:
  int fd_ = -1;
};

// A fresh folder of its own under the system's temporary folder, removed
// with everything in it when done.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Opens the pictures in the folder found beside the program: every file
// read and checked, the title's pictures decoded, the rest decoding on a
// worker. On failure error names the file or the folders looked at, and
// the reason.
bool OpenPictures(PictureSet& pictures, const char* argv0, std::string& error);

// OpenPictures on a thread of its own, so that the fonts load and the
// screens are made meanwhile: nothing may touch the set until Wait has
// answered true. Waits on destruction too.
class PictureOpening {
 public:
  PictureOpening(PictureSet& pictures, const char* argv0);
  ~PictureOpening();
  PictureOpening(const PictureOpening&) = delete;
  PictureOpening& operator=(const PictureOpening&) = delete;
  // OpenPictures' answer, waited for the first time.
  bool Wait(std::string& error);

 private:
  bool opened_ = false;
  std::string error_;
  std::thread thread_;
};

}  // namespace vantoro
