// The heavy effects over a full 800x600 region of the headless RGB565 back
// buffer: the rising blur, the blur in place, the noise, the glow of a
// full-screen picture, the tunnel through a 640x480 map, the circle mosaic
// and the box-average mosaic draw. Each reports the pixels it covers per
// second ("items_per_second").
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>

#include "engine/draw_color.h"
#include "engine/draw_object.h"
#include "engine/draw_tunnel.h"
#include "engine/region_effects.h"
#include "engine/screen.h"
#include "engine/system.h"

namespace {

constexpr int Width = 800, Height = 600;

struct Setup {
  int picture = 0;  // a full-screen picture, about a third of it black
  int texture = 0;  // a 256x256 texture
};

uint16_t Busy(int x, int y) {
  if ((x / 40 + y / 30) % 3 == 0) return 0;
  return static_cast<uint16_t>(((x * 7) & 31) << 11 | ((y * 3) & 63) << 5 | ((x + y) & 31));
}

Setup& TheSetup() {
  static Setup* s = [] {
    auto* setup = new Setup;
    elSystem::InitGlobals();
    if (elDraw::Screen(Width, Height, 2) != 1) std::abort();
    elDraw::SetClip(0, 0, Width, Height);
    setup->picture = elDraw::CreateObject(Width, Height, 0);
    const platform::PixelBuffer v = elDraw::ObjectSurface(setup->picture)->View();
    for (int y = 0; y < Height; ++y)
      for (int x = 0; x < Width; ++x) v.Row(y)[x] = Busy(x, y);
    setup->texture = elDraw::CreateObject(256, 256, 0);
    const platform::PixelBuffer t = elDraw::ObjectSurface(setup->texture)->View();
    for (int y = 0; y < 256; ++y)
      for (int x = 0; x < 256; ++x) t.Row(y)[x] = static_cast<uint16_t>((x ^ y) * 0x0841);
    elDraw::BuildTunnel(256, 256, 640, 480, -1, -1, -1, 0, 0, 0);
    return setup;
  }();
  return *s;
}

// A busy frame in the back buffer before each run.
void FillBack() {
  const platform::PixelBuffer v = elDraw::BackBuffer->View();
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x) v.Row(y)[x] = static_cast<uint16_t>(Busy(x, y) | 0x0821);
}

template <typename Effect>
void Run(benchmark::State& state, int64_t pixels, Effect effect) {
  Setup& s = TheSetup();
  FillBack();
  for (auto _ : state) benchmark::DoNotOptimize(effect(s));
  state.SetItemsProcessed(state.iterations() * pixels);
}

constexpr int64_t FullScreen = int64_t{Width} * Height;

void BlurUp(benchmark::State& st) {
  Run(st, FullScreen, [](Setup&) { return elDraw::BlurUp(0, 0, Width, Height - 1); });
}
void BlurUpRGB(benchmark::State& st) {
  Run(st, FullScreen, [](Setup&) { return elDraw::BlurUpRGB(0, 1, 1, 0, 0, Width, Height - 1); });
}
void Blur(benchmark::State& st) { Run(st, FullScreen, [](Setup&) { return elDraw::Blur(0, 0, Width, Height); }); }
void Noise(benchmark::State& st) { Run(st, FullScreen, [](Setup&) { return elDraw::Noise(1, 0, 0, Width, Height); }); }
void Glow(benchmark::State& st) {
  // Trails fade out quickly on this picture's mid colours: a realistic load.
  const int directions = static_cast<int>(st.range(0));
  Run(st, FullScreen, [directions](Setup& s) {
    return elDraw::DrawGlow(0, 0, 1, 1, 1, directions, 1, s.picture, 0, 0, Width, Height);
  });
}
void Tunnel(benchmark::State& st) {
  int scroll = 0;
  Run(st, 640 * 480, [&scroll](Setup& s) {
    ++scroll;
    return elDraw::DrawTunnel(80, 60, scroll, 2 * scroll, s.texture);
  });
}
void CircleMosaic(benchmark::State& st) {
  const int cell = static_cast<int>(st.range(0));
  Run(st, FullScreen, [cell](Setup&) { return elDraw::CircleMosaic(400, 300, 500, cell); });
}
void DrawMosaic(benchmark::State& st) {
  const int n = static_cast<int>(st.range(0));
  Run(st, FullScreen, [n](Setup& s) { return elDraw::DrawMosaic(0, 0, n, s.picture, 0, 0, Width, Height); });
}

BENCHMARK(BlurUp);
BENCHMARK(BlurUpRGB);
BENCHMARK(Blur);
BENCHMARK(Noise);
BENCHMARK(Glow)->Arg(0x40)->Arg(0xFF);
BENCHMARK(Tunnel);
BENCHMARK(CircleMosaic)->Arg(4)->Arg(16);
BENCHMARK(DrawMosaic)->Arg(2)->Arg(8)->Arg(32);

}  // namespace

BENCHMARK_MAIN();
