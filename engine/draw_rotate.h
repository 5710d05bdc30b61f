// Rotation and distortion draws: a source rectangle turned by whole degrees
// about the centre of a destination rectangle (plain, repeated, zoomed, as a
// slanted floor), a smear that repeats one column or row of a picture, and a
// displacement of the back buffer by the picture's red. They lock like the
// software frame, skip source pixels of value 0 unless said otherwise, and
// return 1, or 0 when a lock failed.
#pragma once

namespace elDraw {

// The picture turns counter-clockwise on the screen by angle degrees (any
// whole number; it is taken modulo 360).
int DrawRotate(int dx1, int dy1, int dx2, int dy2, int angle, int obj, int sx1, int sy1, int sx2, int sy2);
// Every destination pixel samples the source, repeated (mirrored about the
// source origin where the position is negative).
int DrawRotateTiled(int dx1, int dy1, int dx2, int dy2, int angle, int obj, int sx1, int sy1, int sx2, int sy2);
// A larger zoom shows the source larger.
int DrawRotateScaled(int dx1, int dy1, int dx2, int dy2, int angle, float zoom, int obj, int sx1, int sy1, int sx2,
                     int sy2);
int DrawRotateScaledTiled(int dx1, int dy1, int dx2, int dy2, int angle, float zoom, int obj, int sx1, int sy1,
                          int sx2, int sy2);
// Repeated and zoomed, the zooms growing by their steps after every row, the
// colours scaled by the factors (0..1).
int DrawPerspective(int dx1, int dy1, int dx2, int dy2, int angle, float zoomX, float zoomXStep, float zoomY,
                    float zoomYStep, float factorR, float factorG, float factorB, int obj, int sx1, int sy1,
                    int sx2, int sy2);
// kind 0 right, 1 left, 2 down, 3 up: column (row) p of the drawn rectangle
// is repeated to its edge; kinds 1 and 3 also fill the screen beyond x (y).
int DrawSmear(int x, int y, int kind, int p, int obj, int sx1, int sy1, int sx2, int sy2);
// Under every opaque source pixel the back buffer takes the pixel that lies
// (red - level) rows below, level = trunc(31 - a * 31).
int DrawDisplace(int x, int y, float a, int obj, int sx1, int sy1, int sx2, int sy2);

}  // namespace elDraw
