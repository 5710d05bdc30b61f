// Effects on the pixels of a rectangle of the back buffer after a scene has
// drawn it: a rising blur (flames, smoke), a blur in place, noise, a mosaic
// inside a circle and 2x / 4x magnifiers. Each locks the back buffer for the
// call and returns 1, or 0 when the lock failed (nothing changed). Channels
// are worked on as 5-bit values; the flags are ints, not 0 meaning set.
// Pixels whose reads would leave the back buffer are left as they are.
#pragma once

namespace elDraw {

// A read position in RandomTable; at the end of the table it starts again
// at a random place among the first thousand entries. The rising blurs also
// count their run of blurred pixels.
struct RandomWalk {
  int position = 0;
  int run = 0;
  int Take();  // the value at the position; the position moves on
};
inline RandomWalk BlurUpWalk, BlurUpRGBWalk, NoiseWalk, NoiseRGBWalk;

// The picture moves up a row per call, mostly copied, now and then blurred.
// The rectangle's edge rows and columns keep their pixels; the row below it
// is read.
int BlurUp(int x, int y, int w, int h);
// The flagged channels also fade a step where a pixel is blurred.
int BlurUpRGB(int red, int green, int blue, int x, int y, int w, int h);
// Every inner pixel becomes the average of its four neighbours.
int Blur(int x, int y, int w, int h);
int BlurRGB(int red, int green, int blue, int x, int y, int w, int h);
// Every channel raised by 0, 1 or 2 (at random) shifted left by shift, up to
// 31.
int Noise(int shift, int x, int y, int w, int h);
int NoiseRGB(int red, int green, int blue, int shift, int x, int y, int w, int h);
// Inside the circle, every cell x cell block (from the top-left of the
// circle's square, cut to the screen) takes the colour of its top-left pixel.
int CircleMosaic(int cx, int cy, int radius, int cell);
// The rectangle magnified through BufferSprite and drawn back from its own
// top-left corner (clipped to ClipRect); with scanlines only the top-left
// quarter of every magnified pixel is written.
int Zoom2(int x, int y, int w, int h, int scanlines);
int Zoom4(int x, int y, int w, int h, int scanlines);

// Every remembered value of the effects (random positions, the tunnel map,
// the glow's position, the clip window) back to its start.
void ResetEffectState();

}  // namespace elDraw
