#pragma once
// Start-up shared by the game and the headless driver.

#include <filesystem>
#include <string>

#include "ui/pictures.hpp"

namespace vantoro {

// The running program's own path, for finding the artwork beside it.
std::filesystem::path ExecutablePath(const char* argv0);

// Opens the pictures in the folder found beside the program: every file
// read and checked, the title's pictures decoded, the rest decoding on a
// worker. On failure error names the file or the folders looked at, and
// the reason.
bool OpenPictures(PictureSet& pictures, const char* argv0, std::string& error);

}  // namespace vantoro
