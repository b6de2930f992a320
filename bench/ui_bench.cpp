#include <benchmark/benchmark.h>

#include "ui/canvas.hpp"
#include "ui/font.hpp"

namespace vantoro {
namespace {

// A hub line: dozens of these make a frame, so each must cost microseconds.
void BM_TextArial12(benchmark::State& state) {
  FontLibrary fonts;
  const Font& font = fonts.Get("Arial", FontSize::Points(12));
  Canvas canvas;
  constexpr std::string_view kLine = "Current Team Paint: 4000 round";  // 30 characters
  canvas.Text(130, 385, kLine, font, Rgb(0xFFAAAA));                    // the glyphs are rendered once, here
  // Drawn and worked out, as every frame is read once.
  for (auto _ : state) {
    benchmark::DoNotOptimize(canvas.Text(130, 385, kLine, font, Rgb(0xFFAAAA)));
    benchmark::DoNotOptimize(canvas.Pixels().Pixels.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kLine.size()));
}
BENCHMARK(BM_TextArial12);

// The full-frame backgrounds are blitted every tick.
void BM_PictureFullFrame(benchmark::State& state) {
  const Image background(Canvas::kWidth, Canvas::kHeight, Rgb(0x223344));
  Canvas canvas;
  for (auto _ : state) {
    canvas.Picture(0, 0, background);
    benchmark::DoNotOptimize(canvas.Pixels().Pixels.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(background.Pixels.size() * 4));
}
BENCHMARK(BM_PictureFullFrame);

}  // namespace
}  // namespace vantoro
