#pragma once
// Start-up shared by the game and the headless driver.

#include <filesystem>
#include <string>

#include "ui/pictures.hpp"

namespace vantoro {

// The running program's own path, for finding the artwork beside it.
std::filesystem::path ExecutablePath(const char* argv0);

// Loads every picture from the folder found beside the program; on failure
// error names the file or the folders looked at, and the reason.
bool LoadPictures(PictureSet& pictures, const char* argv0, std::string& error);

}  // namespace vantoro
