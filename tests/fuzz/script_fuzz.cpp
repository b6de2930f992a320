// Bytes as a headless driver script: every command with hostile numbers,
// names and values. Two things are kept from the script's hands: files are
// written only into this process's scratch folder, and the virtual time a
// script may wait is capped, so that one input stays quick.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "fuzz_support.hpp"

namespace {

constexpr long long kMostWaitMs = 4000;

std::string Tamed(std::string_view line, long long& waited, const std::filesystem::path& scratch) {
  const std::size_t start = line.find_first_not_of(" \t");
  if (start == std::string_view::npos) return std::string(line);
  const std::string_view body = line.substr(start);
  const std::string_view command = body.substr(0, std::min(body.find_first_of(" \t"), body.size()));
  if (command == "screenshot" || command == "dump")
    return std::string(command) + " " + (scratch / "out").string();
  if (command == "wait") {
    long long ms = 0;
    std::istringstream(std::string(body.substr(command.size()))) >> ms;
    ms = std::clamp(ms, 0LL, std::max(0LL, kMostWaitMs - waited));
    waited += ms;
    return "wait " + std::to_string(ms);
  }
  return std::string(line);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantoro;
  const std::filesystem::path& scratch = fuzz::Scratch("script");
  std::string script;
  long long waited = 0;
  std::string_view text(reinterpret_cast<const char*>(data), size);
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    script += Tamed(text.substr(0, end), waited, scratch) + "\n";
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  Driver driver(fuzz::Fonts(), fuzz::StandInPictures(), scratch);
  driver.Platform().EchoMessages = false;
  std::istringstream in(script);
  std::ostringstream err;
  (void)driver.Run(in, err);
  // A script may fail at any line, but never may a frame change a row it
  // does not report drawn: a window would show that row stale.
  if (driver.Platform().StaleRows() != 0) {
    std::fprintf(stderr, "%lld changed rows of frames were not reported drawn\n",
                 driver.Platform().StaleRows());
    std::abort();
  }
  return 0;
}
