#pragma once
// Start-up shared by the game and the headless driver.

#include <filesystem>
#include <string>
#include <thread>

#include "ui/pictures.hpp"

namespace vantoro {

// The running program's own path, for finding the artwork beside it.
std::filesystem::path ExecutablePath(const char* argv0);

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
