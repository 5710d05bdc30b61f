// The display's own draws onto the back buffer: keyed and opaque copies of a
// draw object's rectangle (clipped to ClipRect), stretched copies, the tiled
// and line-wise effect draws built on the keyed copy, colour fills and the
// half tint.
#pragma once

// Callers place their draws with the one float-to-whole conversion.
#include "engine/whole.h"

namespace elDraw {

// Phases and scroll offsets of the animated draws, shared by all their calls.
inline float WavePhase = 0.0f;
inline int WaveSign = 1;
inline float WaveScrollPhase = 0.0f;
inline float WaveScrollOffset = 0.0f;
inline float WaveTiledPhase = 0.0f;
inline float WaveTiledOffset = 0.0f;
inline float VerticalWavePhase = 0.0f;
inline float TileOffset[2] = {0.0f, 0.0f};

void Draw(int x, int y, int obj, int sx1, int sy1, int sx2, int sy2);
void DrawOpaque(int x, int y, int obj, int sx1, int sy1, int sx2, int sy2);
void DrawToObject(int dst, int x, int y, int obj, int sx1, int sy1, int sx2, int sy2);
void DrawOpaqueToObject(int dst, int x, int y, int obj, int sx1, int sy1, int sx2, int sy2);
void DrawScaled(int x, int y, int obj, int sx1, int sy1, int sx2, int sy2, int w, int h);
void DrawScaledOpaque(int x, int y, int obj, int sx1, int sy1, int sx2, int sy2, int w, int h);
void DrawTiled(float vx, float vy, int obj, int sx1, int sy1, int sx2, int sy2);

void DrawWave(int x, int y, int amplitude, int period, float speed, int obj, int sx1, int sy1, int sx2, int sy2,
              int alternate);
void DrawWaveScroll(int x, int y, int amplitude, int period, float speed, float scroll, int obj, int sx1, int sy1,
                    int sx2, int sy2);
void DrawWaveTiled(int top, int bottom, int amplitude, int period, float speed, float scroll, int obj, int sx1,
                   int sy1, int sx2, int sy2);
void DrawLineStretch(int x, int y, int n, int obj, int sx1, int sy1, int sx2, int sy2);
void DrawScanlines(int x, int y, int n, int obj, int sx1, int sy1, int sx2, int sy2);
void DrawJitter(int x, int y, int n, int obj, int sx1, int sy1, int sx2, int sy2);
void DrawVerticalWave(int x, int y, int direction, float speed, int obj, int sx1, int sy1, int sx2, int sy2);

void Clear();
void ClearObject(int obj);
void ClearRect(int l, int t, int r, int b);
void FrameRect(int l, int t, int r, int b);
void FillWhite();
void FillRectWhite(int l, int t, int r, int b);
void FillRect(int l, int t, int r, int b, int value);
// Returns 1, or 0 when the back buffer cannot be locked.
int TintRect(int l, int t, int r, int b, int value);

void ResetDrawPhases();

}  // namespace elDraw
