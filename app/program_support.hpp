#pragma once
// Start-up shared by the game and the headless driver.

#include <filesystem>
#include <string>

namespace vantoro {

// The running program's own path, for finding the artwork beside it.
std::filesystem::path ExecutablePath(const char* argv0);

}  // namespace vantoro
