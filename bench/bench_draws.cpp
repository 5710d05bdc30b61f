// The software draws the game leans on (DrawAdd, DrawHalf, DrawRotate) and the
// keyed Draw, on the headless 800x600 RGB565 back buffer with the game's clip
// rectangle, beside what a programmer would otherwise reach for: SDL2's
// SDL_BlitSurface on RGB565 surfaces (colour key; additive; 50 % alpha) and a
// plain memcpy of the same rows. Every benchmark reports the pixels it
// covers per second ("items_per_second"); Args are the sprite side and
// whether the sprite is half cut by the clip's left edge. HeavyFrame is one
// synthetic frame of a busy stage.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "engine/draw_blend.h"
#include "engine/draw_hw.h"
#include "engine/draw_object.h"
#include "engine/draw_rotate.h"
#include "engine/screen.h"
#include "engine/system.h"

namespace {

constexpr int ClipLeft = 180, ClipRight = 620;
const int Sides[] = {16, 20, 30, 60, 119};

// A round sprite on black, as most bullets are: a shaded disc.
uint16_t SpritePixel(int x, int y, int side) {
  const int c = side / 2, dx = x - c, dy = y - c, r2 = dx * dx + dy * dy, lim = c * c;
  if (r2 > lim) return 0;
  const int shade = 31 - 24 * r2 / (lim + 1);
  return static_cast<uint16_t>((shade << 11) | ((shade * 2 * (x + 3) / (side + 3)) << 5) | (31 - shade / 2));
}

struct Scene {
  int sprite[120] = {};  // draw object of each side
  SDL_Surface* sdl_back = nullptr;
  SDL_Surface* sdl_sprite[120] = {};
};

Scene& TheScene() {
  static Scene* scene = [] {
    auto* s = new Scene;
    elSystem::InitGlobals();
    if (elDraw::Screen(800, 600, 2) != 1) std::abort();
    elDraw::SetClip(ClipLeft, 0, ClipRight, 600);
    s->sdl_back = SDL_CreateRGBSurfaceWithFormat(0, 800, 600, 16, SDL_PIXELFORMAT_RGB565);
    SDL_Rect clip{ClipLeft, 0, ClipRight - ClipLeft, 600};
    SDL_SetClipRect(s->sdl_back, &clip);
    for (int side : Sides) {
      const int id = elDraw::CreateObject(side, side, 0);
      const platform::PixelBuffer v = elDraw::ObjectSurface(id)->View();
      SDL_Surface* sdl = SDL_CreateRGBSurfaceWithFormat(0, side, side, 16, SDL_PIXELFORMAT_RGB565);
      for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
          v.Row(y)[x] = SpritePixel(x, y, side);
          reinterpret_cast<uint16_t*>(static_cast<uint8_t*>(sdl->pixels) + y * sdl->pitch)[x] = SpritePixel(x, y, side);
        }
      elDraw::SetObjectKey(id, 0);
      SDL_SetColorKey(sdl, SDL_TRUE, 0);
      s->sprite[side] = id;
      s->sdl_sprite[side] = sdl;
    }
    return s;
  }();
  return *scene;
}

// Where the i-th draw of a run lands: spread over the play field, or half
// across its left edge.
int PositionX(int i, int side, bool cut) {
  return cut ? ClipLeft - side / 2 : ClipLeft + (i * 37) % (ClipRight - ClipLeft - side);
}
int PositionY(int i, int side) { return (i * 53) % (600 - side); }

int64_t VisiblePixels(int side, bool cut) { return int64_t{side} * (cut ? side - side / 2 : side); }

template <typename DrawOne>
void Run(benchmark::State& state, DrawOne draw) {
  Scene& s = TheScene();
  const int side = static_cast<int>(state.range(0));
  const bool cut = state.range(1) != 0;
  int i = 0;
  for (auto _ : state) {
    draw(s, side, PositionX(i, side, cut), PositionY(i, side), i);
    ++i;
  }
  benchmark::ClobberMemory();
  state.SetItemsProcessed(state.iterations() * VisiblePixels(side, cut));
}

void DrawAdd(benchmark::State& state) {
  Run(state, [](Scene& s, int side, int x, int y, int) { elDraw::DrawAdd(x, y, s.sprite[side], 0, 0, side, side); });
}
void DrawHalf(benchmark::State& state) {
  Run(state, [](Scene& s, int side, int x, int y, int) { elDraw::DrawHalf(x, y, s.sprite[side], 0, 0, side, side); });
}
void DrawKeyed(benchmark::State& state) {
  Run(state, [](Scene& s, int side, int x, int y, int) { elDraw::Draw(x, y, s.sprite[side], 0, 0, side, side); });
}
void DrawRotate(benchmark::State& state) {
  Run(state, [](Scene& s, int side, int x, int y, int i) {
    elDraw::DrawRotate(x, y, x + side, y + side, (i * 7) % 360, s.sprite[side], 0, 0, side, side);
  });
}

void SdlBlit(benchmark::State& state, SDL_BlendMode mode, uint8_t alpha) {
  Scene& s = TheScene();
  for (int side : Sides) {
    SDL_SetSurfaceBlendMode(s.sdl_sprite[side], mode);
    SDL_SetSurfaceAlphaMod(s.sdl_sprite[side], alpha);
  }
  Run(state, [](Scene& sc, int side, int x, int y, int) {
    SDL_Rect to{x, y, side, side};
    SDL_BlitSurface(sc.sdl_sprite[side], nullptr, sc.sdl_back, &to);
  });
}
void SdlKeyed(benchmark::State& state) { SdlBlit(state, SDL_BLENDMODE_NONE, 255); }
void SdlAdd(benchmark::State& state) { SdlBlit(state, SDL_BLENDMODE_ADD, 255); }
void SdlBlend(benchmark::State& state) { SdlBlit(state, SDL_BLENDMODE_BLEND, 128); }

// The physical limit: the visible rows copied as they are.
void Memcpy(benchmark::State& state) {
  Run(state, [](Scene& s, int side, int x, int y, int) {
    const platform::PixelBuffer src = elDraw::ObjectSurface(s.sprite[side])->View();
    const platform::PixelBuffer dst = elDraw::BackBuffer->View();
    const int from = x < ClipLeft ? ClipLeft - x : 0;
    for (int r = 0; r < side; ++r)
      std::memcpy(dst.Row(y + r) + x + from, src.Row(r) + from, static_cast<size_t>(side - from) * 2);
  });
}

// One busy frame: 800 DrawAdd 20x20, 100 DrawAdd 60x60, 50 DrawHalf 60x60,
// 150 DrawRotate 30x30 and 20 DrawRotate 119x119, spread over the play field
// and past its edges. "frame_ms" is the time of one frame.
void HeavyFrame(benchmark::State& state) {
  Scene& s = TheScene();
  int frame = 0;
  auto x = [](int i, int side) { return ClipLeft - side / 2 + (i * 97) % (ClipRight - ClipLeft); };
  auto y = [](int i, int side) { return -side / 2 + (i * 61) % 600; };
  for (auto _ : state) {
    int k = frame++;
    for (int i = 0; i < 800; ++i, ++k) elDraw::DrawAdd(x(k, 20), y(k, 20), s.sprite[20], 0, 0, 20, 20);
    for (int i = 0; i < 100; ++i, ++k) elDraw::DrawAdd(x(k, 60), y(k, 60), s.sprite[60], 0, 0, 60, 60);
    for (int i = 0; i < 50; ++i, ++k) elDraw::DrawHalf(x(k, 60), y(k, 60), s.sprite[60], 0, 0, 60, 60);
    for (int i = 0; i < 150; ++i, ++k) {
      const int px = x(k, 30), py = y(k, 30);
      elDraw::DrawRotate(px, py, px + 30, py + 30, (k * 13) % 360, s.sprite[30], 0, 0, 30, 30);
    }
    for (int i = 0; i < 20; ++i, ++k) {
      const int px = x(k, 119), py = y(k, 119);
      elDraw::DrawRotate(px, py, px + 119, py + 119, (k * 13) % 360, s.sprite[119], 0, 0, 119, 119);
    }
  }
  benchmark::ClobberMemory();
  state.counters["frame_ms"] = benchmark::Counter(static_cast<double>(state.iterations()) * 1e-3,
                                                  benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void Sizes(benchmark::internal::Benchmark* b) {
  b->ArgNames({"side", "cut"});
  for (int cut : {0, 1})
    for (int side : Sides) b->Args({side, cut});
}

}  // namespace

BENCHMARK(DrawAdd)->Apply(Sizes);
BENCHMARK(SdlAdd)->Apply(Sizes);
BENCHMARK(DrawHalf)->Apply(Sizes);
BENCHMARK(SdlBlend)->Apply(Sizes);
BENCHMARK(DrawKeyed)->Apply(Sizes);
BENCHMARK(SdlKeyed)->Apply(Sizes);
BENCHMARK(DrawRotate)->Apply(Sizes);
BENCHMARK(Memcpy)->Apply(Sizes);
BENCHMARK(HeavyFrame)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
