// Frame times of the screens (a frame must cost well under a millisecond)
// and start-up to the first presented frame.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "app/driver.hpp"

namespace vantoro {
namespace {

FontLibrary& Fonts() {
  static FontLibrary fonts;
  return fonts;
}

const PictureSet& Pictures() {
  static PictureSet pictures = [] {
    PictureSet set;
    std::string error;
    if (!set.LoadAll(VANTORO_ASSET_DIR, error)) throw std::runtime_error(error);
    return set;
  }();
  return pictures;
}

void Execute(Driver& driver, std::string_view line) {
  std::string error;
  if (!driver.Execute(line, error)) throw std::runtime_error(std::string(line) + ": " + error);
}

// One drawing tick of the visible screen per iteration.
void MeasureFrames(benchmark::State& bench, Driver& driver, int periodMs) {
  for (auto _ : bench) driver.Wait(periodMs);
}

void BM_TitleFrame(benchmark::State& bench) {
  Driver driver(Fonts(), Pictures(), std::filesystem::temp_directory_path());
  Execute(driver, "wait 25");
  for (auto _ : bench) {
    // The title presents only when placed again, so make it place every time.
    driver.State().Runtime.TitlePlaced = 0;
    driver.Wait(25);
  }
}
BENCHMARK(BM_TitleFrame)->Unit(benchmark::kMicrosecond);

void BM_TeamCreationFrame(benchmark::State& bench) {
  Driver driver(Fonts(), Pictures(), std::filesystem::temp_directory_path());
  for (auto line : {"wait 25", "press 100 100", "wait 1500", "press 250 490", "wait 35"}) Execute(driver, line);
  MeasureFrames(bench, driver, 35);
}
BENCHMARK(BM_TeamCreationFrame)->Unit(benchmark::kMicrosecond);

// Decoding every picture, loading the fonts the first screens use, creating
// the screens and presenting the first title frame.
void BM_StartupToFirstFrame(benchmark::State& bench) {
  for (auto _ : bench) {
    PictureSet pictures;
    std::string error;
    if (!pictures.LoadAll(VANTORO_ASSET_DIR, error)) throw std::runtime_error(error);
    FontLibrary fonts;
    Driver driver(fonts, pictures, std::filesystem::temp_directory_path());
    driver.Wait(25);
    benchmark::DoNotOptimize(driver.Platform().PresentCount());
  }
}
BENCHMARK(BM_StartupToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
}  // namespace vantoro
