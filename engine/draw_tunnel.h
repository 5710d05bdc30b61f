// The tunnel and the glow. The tunnel maps every position of a screen area
// to a texture coordinate (an angle around a centre and a depth), built
// once, then draws a texture through that map, scrolled, so that it seems to
// stream through a tunnel. The glow lets every opaque pixel of a picture
// spill a fading copy of its colour in up to eight directions.
#pragma once
#include <cstdint>

namespace elDraw {

constexpr int TunnelEntries = 640 * 480;
constexpr int TunnelTextureLimit = 32768;  // texture coordinates are 16-bit

struct TunnelMapRecord {
  int32_t texture_width = 0, texture_height = 0;
  int32_t map_width = 0, map_height = 0;  // 0 x 0 until a map is built
  int16_t entries[TunnelEntries][2] = {};  // (u, v), row by row
};
inline TunnelMapRecord TunnelMap;

// Where the glow reads RandomTable next.
inline int GlowRandomPosition = 0;

// Builds TunnelMap. -1 for cx, cy and fov asks for the middle of the map and
// 8; motion 1 to 4 moves the centre along the rows, distanceKind (0..6) and
// depthKind (0..5) choose the tunnel's shape. A map of more than
// TunnelEntries positions, textures of no size or beyond TunnelTextureLimit
// and unknown kinds are refused: the map is then empty.
void BuildTunnel(int textureWidth, int textureHeight, int mapWidth, int mapHeight, int cx, int cy, int fov,
                 int motion, int distanceKind, int depthKind);
// Draws the map's area at (x, y) from the texture obj, every pixel black
// included, cut to the back buffer (ClipRect does not apply). 1, or 0 when a
// lock failed.
int DrawTunnel(int x, int y, int scrollU, int scrollV, int obj);

// Directions: 0x40 up, 0x20 up-left, 0x80 up-right, 0x02 down, 0x01
// down-left, 0x04 down-right, 0x08 left, 0x10 right. Each channel is shifted
// right by its shift before it fades; drawSource (not 0) also copies the
// picture. Only ClipRect is written. 1, or 0 when a lock failed.
int DrawGlow(int x, int y, int shiftR, int shiftG, int shiftB, int directions, int drawSource, int obj, int sx1,
             int sy1, int sx2, int sy2);

}  // namespace elDraw
