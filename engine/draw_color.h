// Colour-effect draws: a picture copied onto the back buffer recoloured or
// reshaped (mirrored, darkened, smoothed at its outline, reduced to some
// channels, brightened, box-averaged, grey, rippled). They share the software
// frame (ClipRect, both surfaces locked per call), skip source pixels of
// value 0 (all but the ripple) and return 1, or 0 when a lock failed.
// 5-bit results lose a 6-bit green's lowest bit.
#pragma once

namespace elDraw {

// kind 0 copies, 1 mirrors left-right, 2 upside down, 3 both; a clipped
// pixel shows what it would show unclipped. Other kinds draw nothing.
int DrawMirror(int x, int y, int kind, int obj, int sx1, int sy1, int sx2, int sy2);
// The source's red is taken from every channel of the destination.
int DrawSubtract(int x, int y, int obj, int sx1, int sy1, int sx2, int sy2);
// Outline pixels are averaged with the screen next to them (where the
// picture is transparent); inner pixels are copied.
int DrawSmooth(int x, int y, int obj, int sx1, int sy1, int sx2, int sy2);
// Only the channels switched on (not 0) are kept; the others are written 0.
int DrawChannels(int x, int y, int redOn, int greenOn, int blueOn, int obj, int sx1, int sy1, int sx2, int sy2);
// Every channel times the factor (0..1; taken as the nearer end beyond it).
int DrawBright(int x, int y, float factor, int obj, int sx1, int sy1, int sx2, int sy2);
int DrawBrightRGB(int x, int y, float factorR, float factorG, float factorB, int obj, int sx1, int sy1, int sx2,
                  int sy2);
// Every 5-bit channel lowered by 31 - brightness (0..31): 31 copies, 0 is
// black.
int DrawDark(int x, int y, int brightness, int obj, int sx1, int sy1, int sx2, int sy2);
int DrawDarkRGB(int x, int y, int brightnessR, int brightnessG, int brightnessB, int obj, int sx1, int sy1,
                int sx2, int sy2);
// The average of the n x n source block starting at each pixel (moved back
// to end at the rectangle's last column and row): a sliding box blur. n
// below 1 draws nothing.
int DrawMosaic(int x, int y, int n, int obj, int sx1, int sy1, int sx2, int sy2);
// The source's grey value in all three channels.
int DrawGrey(int x, int y, int obj, int sx1, int sy1, int sx2, int sy2);
// Every step-th pixel of the picture, black included, moved down by a
// ripple around the picture's centre and scaled. A step below 1 draws
// nothing.
int DrawRipple(int x, int y, int amplitude, int frequency, int step, float scale, float skew, int obj, int sx1,
               int sy1, int sx2, int sy2);

}  // namespace elDraw
