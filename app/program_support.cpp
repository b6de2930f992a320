#include "app/program_support.hpp"

#include <system_error>

namespace vantoro {

std::filesystem::path ExecutablePath(const char* argv0) {
  std::error_code ec;
  auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) return self;
  return std::filesystem::absolute(argv0 ? argv0 : "vantoro", ec);
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
