#pragma once
// The tactics table as a picture: a bar per combination of tactics, won,
// drawn and lost side by side, the win rate's interval across the bar, dry
// weather on the left and rain on the right, best at the top.

#include <filesystem>
#include <string>
#include <vector>

#include "app/lab/lab.hpp"

namespace vantoro::lab {

bool WriteTacticsChart(const std::filesystem::path& file, const std::string& heading,
                       const std::vector<TacticsRow>& rows, std::string& error);

}  // namespace vantoro::lab
