// The blend draws: a picture combined with what the back buffer already
// shows, through the shared software frame (ClipRect, both surfaces locked
// per call, source pixel 0 left out). Each returns 1, or 0 when a lock failed.
#pragma once

namespace elDraw {

// 50 % blend.
int DrawHalf(int x, int y, int obj, int sx1, int sy1, int sx2, int sy2);
// Saturating additive blend on 5-bit channels.
int DrawAdd(int x, int y, int obj, int sx1, int sy1, int sx2, int sy2);
// Additive blend with the source darkened: a = 1 adds it whole, a = 0 adds
// nothing.
int DrawAddLevel(int x, int y, float a, int obj, int sx1, int sy1, int sx2, int sy2);
// Source weight a, destination weight 1 - a, on the format's own channels.
int DrawAlpha(int x, int y, float a, int obj, int sx1, int sy1, int sx2, int sy2);
int DrawAlphaRGB(int x, int y, float aR, float aG, float aB, int obj, int sx1, int sy1, int sx2, int sy2);
// Cross-fade on 5-bit channels: opacity 31 shows the source, 0 the destination.
int DrawFade(int x, int y, int opacity, int obj, int sx1, int sy1, int sx2, int sy2);
int DrawFadeRGB(int x, int y, int opR, int opG, int opB, int obj, int sx1, int sy1, int sx2, int sy2);
// As DrawAlphaRGB / DrawFadeRGB, but from column (or row, when vertical is
// not 0) start + n on the source grows one step more opaque every n columns
// (rows).
int DrawAlphaGradient(int x, int y, float aR, float aG, float aB, int vertical, int start, int n, int obj, int sx1,
                      int sy1, int sx2, int sy2);
int DrawFadeGradient(int x, int y, int opR, int opG, int opB, int vertical, int start, int n, int obj, int sx1,
                     int sy1, int sx2, int sy2);

}  // namespace elDraw
