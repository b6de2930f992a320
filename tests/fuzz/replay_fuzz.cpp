// Bytes as a recorded session, played back: a damaged, cut-off or hostile
// recording gives a message, never a crash, a hang or memory gone wrong.
// The ticks one input may deliver are capped, so that one input stays
// quick; what a playback saves goes into this process's scratch folder.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "app/replay.hpp"
#include "fuzz_support.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantoro;
  const std::filesystem::path& scratch = fuzz::Scratch("replay");
  ReplayOptions options;
  options.MostTicks = 3000;
  std::ostringstream err;
  const int status = PlayBack(std::string(reinterpret_cast<const char*>(data), size), "input.vtr",
                              fuzz::Fonts(), fuzz::StandInPictures(), scratch, options, err);
  // Every refusal names the recording.
  if (status != 0 && err.str().rfind("input.vtr: ", 0) != 0) {
    std::fprintf(stderr, "a playback failed without naming the recording: %s\n", err.str().c_str());
    std::abort();
  }
  return 0;
}
