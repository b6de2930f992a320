#include "ui/splash.hpp"

namespace vantoro {

void StartSplash(GameState& state, int x, int y) {
  RuntimeState& r = state.Runtime;
  if (r.SplashTicks != 0) return;
  for (int i = 1; i <= kSplashParticles; ++i) {
    r.SplashX[i] = x;
    r.SplashY[i] = Int(y) + 5;
    r.SplashDX[i] = state.Random(15) - 7;
    r.SplashDY[i] = -(state.Random(8) + 3);
  }
  r.SplashTicks = 1;
}

void AdvanceSplash(GameState& state, Canvas& canvas, const SplashColors& colors) {
  RuntimeState& r = state.Runtime;
  if (r.SplashTicks <= 0) return;
  ++r.SplashTicks;
  for (int i = 1; i <= kSplashParticles; ++i) {
    r.SplashX[i] += r.SplashDX[i];
    r.SplashY[i] += r.SplashDY[i];
    // Gravity that grows with the burst's age.
    r.SplashDY[i] += state.Random(2) + r.SplashTicks / 4;
    const int x = r.SplashX[i].v, y = r.SplashY[i].v;
    if (state.Random(5) + r.SplashTicks < 5) canvas.Pixel(x, y, colors.A);
    if (state.Random(5) + r.SplashTicks > 4) canvas.Pixel(x, y, colors.B);
    if (state.Random(5) + r.SplashTicks > 10) canvas.Pixel(x, y, colors.C);
  }
  if (r.SplashTicks > 15) r.SplashTicks = 0;
}

}  // namespace vantoro
