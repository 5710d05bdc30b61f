// What lies behind every stage: the starfield of falling streaks and the
// background strips (tall columns of copies of one picture scrolling down),
// which scene calls which, and three kinds of backdrop that only the
// unreachable scene 4 (side panels) or nothing at all uses.
#pragma once

namespace backgrounds {

// Starfield: 100 streaks of 3 x 10 pixels in seven colours.
struct StarStreak {
  int Colour;
  float X, Y;
  float SpeedX, SpeedY;
};
constexpr int StreakCount = 100;
inline StarStreak Starfield[StreakCount] = {};

// Background strips: eight instances, BackgroundStrip01 at index 0.
struct StripTile {
  float X, Y;
  float SpeedX;  // moves only the 640-wide strips that drift sideways
};
constexpr int StripCount = 8;
constexpr int StripTileCount = 5000;
constexpr int StripTileHeight = 480;
inline StripTile BackgroundStrip[StripCount][StripTileCount] = {};

// Passing backdrops: three single records.
struct PassingBackdrop {
  float X, Y;
  float SpeedY;
  int Active;
};
constexpr int PassingBackdropCount = 3;
inline PassingBackdrop PassingBackdrops[PassingBackdropCount] = {};

// Side strips: a left and a right column of a 100 x 480 picture.
struct SideStripTile {
  float X, Y;
};
inline SideStripTile LeftSideStrip[StripTileCount] = {};
inline SideStripTile RightSideStrip[StripTileCount] = {};

// Pictures of these draws that no code loads: they stay 0, so the draws
// address draw object 0.
inline int PicBackgroundStrip04 = 0;
inline int PicBackgroundStrip05 = 0;
inline int PicBackgroundStrip07 = 0;
inline int PicPassingBackdrop[PassingBackdropCount] = {};
inline int PicSideStrip = 0;
inline int PicSidePanel = 0;

void UpdateStarfield(int spread, int base);

// Draws and scrolls strip n (1 to 8).
void UpdateBackgroundStrip(int n);
void BackgroundStrip01Update();
void BackgroundStrip02Update();
void BackgroundStrip03Update();
void BackgroundStrip04Update();
void BackgroundStrip05Update();
void BackgroundStrip06Update();
void BackgroundStrip07Update();
void BackgroundStrip08Update();
// The speed of strip n (1 to 8) at a given stage progress, in pixels per
// second: its constant speed or the sum of its schedule's windows that hold
// the progress.
float BackgroundStripSpeed(int n, float progress);

void PassingBackdrop01Spawn(int n);
void PassingBackdrop01Draw(int n);
void PassingBackdrop01Move(int n);
void PassingBackdrop02Spawn(int n);
void PassingBackdrop02Draw(int n);
void PassingBackdrop02Move(int n);
void PassingBackdrop03Spawn(int n);
void PassingBackdrop03Draw(int n);
void PassingBackdrop03Move(int n);

void DrawLeftSideStrip();
void DrawRightSideStrip();
void DrawSidePanels();

// The backdrop of a stage frame, drawn first (and the ending's backdrop): the
// starfield and strips of scene 2 to 10, as the backgrounds option selects.
void DrawSceneBackground(int scene);

// The new game's placement of every strip: tile 0 at y 120, each further
// tile one picture height above the one before.
void PlaceBackgroundStrips();
// The object reset's new streaks, four random numbers per streak.
void ScatterStarfield();

void ResetBackgroundState();

}  // namespace backgrounds
