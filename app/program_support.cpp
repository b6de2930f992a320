#include "app/program_support.hpp"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

namespace vantoro {

std::filesystem::path ExecutablePath(const char* argv0) {
  std::error_code ec;
  auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) return self;
  return std::filesystem::absolute(argv0 ? argv0 : "vantoro", ec);
}

std::optional<std::filesystem::path> PlayerDataFolder(std::string& error) {
  // A relative XDG_DATA_HOME is to be ignored, as the desktop's rules say.
  if (const char* data = std::getenv("XDG_DATA_HOME"); data != nullptr && data[0] == '/')
    return std::filesystem::path(data) / "vantoro";
  if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0')
    return std::filesystem::path(home) / ".local" / "share" / "vantoro";
  error = "There is no folder for the saved game: HOME is not set (nor XDG_DATA_HOME to a full path).";
  return std::nullopt;
}

bool EnterPlayerDataFolder(std::string& error) {
  namespace fs = std::filesystem;
  const std::optional<fs::path> found = PlayerDataFolder(error);
  if (!found) return false;
  const fs::path& folder = *found;
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec) {
    error = "Cannot make the folder for the saved game, " + folder.string() + ": " + ec.message() + ".";
    return false;
  }
  fs::current_path(folder, ec);
  if (ec) {
    error = "Cannot open the folder for the saved game, " + folder.string() + ": " + ec.message() + ".";
    return false;
  }
  return true;
}

ScratchFolder::ScratchFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vantoro-XXXXXX").string();
  if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
  std::error_code ec;
  if (!path_.empty()) std::filesystem::remove_all(path_, ec);
}

FolderLock::~FolderLock() {
  if (fd_ >= 0) ::close(fd_);
}

bool FolderLock::Take(const std::filesystem::path& folder, std::string& error) {
  const std::filesystem::path file = folder / "vantoro.lock";
  fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
  if (fd_ < 0) return true;
  int e = 0;
  do {
    e = ::flock(fd_, LOCK_EX | LOCK_NB) == 0 ? 0 : errno;
  } while (e == EINTR);
  if (e != EWOULDBLOCK) return true;  // locked, or a file system without locks
  ::close(fd_);
  fd_ = -1;
  error = "The game is already running on the folder " + folder.string() +
          ", where it keeps the saved game. Two copies would save over each other's game: play on in "
          "the copy that is open.";
  return false;
}

bool OpenPictures(PictureSet& pictures, const char* argv0, std::string& error) {
  // The window's icon and the title are all the first frame shows.
  static constexpr PictureId kFirst[] = {PictureId::Title, PictureId::Icon};
  std::filesystem::path folder;
  return FindAssetFolder(ExecutablePath(argv0), folder, error) && pictures.Open(folder, kFirst, error);
}

PictureOpening::PictureOpening(PictureSet& pictures, const char* argv0)
    : thread_([this, &pictures, argv0] { opened_ = OpenPictures(pictures, argv0, error_); }) {}

PictureOpening::~PictureOpening() {
  if (thread_.joinable()) thread_.join();
}

bool PictureOpening::Wait(std::string& error) {
  if (thread_.joinable()) thread_.join();
  error = error_;
  return opened_;
}

}  // namespace vantoro
