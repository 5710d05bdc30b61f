#include "game/backgrounds.h"

#include <iterator>
#include <limits>

#include "engine/draw_hw.h"
#include "engine/frame.h"
#include "engine/random.h"
#include "engine/screen.h"
#include "game/assets.h"
#include "game/options.h"
#include "game/reset.h"
#include "game/stage.h"

using namespace assets;
using namespace bomb;
using namespace flow;
using namespace player;
using namespace stage;

namespace backgrounds {

namespace {

// A stage-progress window of a strip's speed schedule, inclusive at both
// ends; the last window of a schedule has no upper bound.
struct SpeedWindow {
  float lo, hi, speed;
};
constexpr float Open = std::numeric_limits<float>::infinity();

constexpr SpeedWindow S1[] = {{0, 500, 140},   {500, 530, 150},  {530, 560, 250},   {560, 590, 350}, {590, 620, 450},
                              {620, 650, 550}, {650, 1000, 650}, {1000, 1150, 300}, {1150, Open, 150}};
constexpr SpeedWindow S2[] = {{0, 400, 140},   {400, 450, 200},  {450, 500, 250},   {500, 550, 320}, {550, 600, 390},
                              {600, 650, 450}, {650, 1000, 400}, {1000, 1150, 360}, {1150, Open, 140}};
constexpr SpeedWindow S3[] = {{0, 500, 150},    {500, 530, 150},  {530, 560, 250},   {560, 590, 350}, {590, 620, 450},
                              {620, 650, 2550}, {650, 1000, 400}, {1000, 1150, 300}, {1150, Open, 250}};
constexpr SpeedWindow S4[] = {{0, 600, 140},   {600, 650, 200},  {650, 700, 250},   {700, 750, 300}, {750, 800, 370},
                              {800, 850, 430}, {850, 900, 530},  {900, 1150, 320},  {1150, Open, 140}};
// No window between 700 and 750: the strip stands still there.
constexpr SpeedWindow S5[] = {{0, 500, 150},     {500, 530, 200},   {530, 560, 300},  {560, 590, 400},
                              {590, 620, 2550},  {620, 650, 600},   {650, 700, 640},  {750, 800, 360},
                              {800, 830, 200},   {830, 960, 300},   {960, 990, 400},  {990, 1020, 2550},
                              {1020, 1050, 600}, {1050, 1100, 400}, {1100, Open, 260}};
constexpr SpeedWindow S6[] = {{0, 500, 150},   {500, 530, 200},  {530, 560, 300},   {560, 590, 400}, {590, 620, 300},
                              {620, 650, 400}, {650, 1000, 250}, {1000, 1150, 200}, {1150, Open, 150}};

struct Schedule {
  const SpeedWindow* windows;
  int count;
};
template <int N>
constexpr Schedule Of(const SpeedWindow (&w)[N]) {
  return {w, N};
}

// One row per strip: everything in which the eight strips differ.
struct StripKind {
  const int* picture;
  int width;
  bool setsX;           // after drawing, each tile is put at the strip's x
  float x;
  float speed;          // constant speed, when there is no schedule
  Schedule schedule;
  bool drifts;          // sideways speed, clamped to -100..100
  float startX;         // where a new game puts its tiles
  bool wrapMovesX;      // its tiles' x is set to 100 when the column starts over
};

const StripKind kStrips[StripCount] = {
    {&PicBback1s, 440, true, 180, 130, {}, false, 180, true},
    {&PicBback2s, 440, true, 180, 100, {}, false, 180, true},
    {&PicBback3s, 440, true, 180, 0, Of(S1), false, 180, true},
    {&PicBackgroundStrip04, 640, true, 80, 0, Of(S2), true, 80, false},
    {&PicBackgroundStrip05, 640, false, 0, 0, Of(S3), true, 80, false},
    {&PicBback6s, 640, true, 80, 0, Of(S4), false, 80, false},
    {&PicBackgroundStrip07, 640, true, 80, 0, Of(S5), true, 80, false},
    // Starts left of the field; the first update moves it in after drawing.
    {&PicBback8s, 440, true, 180, 0, Of(S6), false, -500, false},
};

// Positions are truncated toward zero for drawing.
constexpr auto Whole = elDraw::Whole<int>;

// A tile wholly outside the clip rectangle would draw nothing: skip the call.
bool Visible(int x, int y, int w, int h) {
  const auto& c = elDraw::ClipRect;
  return x < c.right && x + w > c.left && y < c.bottom && y + h > c.top;
}

int RandomBelow(int n) { return n > 0 ? elRandom::Next() % n : 0; }

void SpawnBackdrop(PassingBackdrop& b) {
  if (b.Active) return;
  b.X = 100.0f;
  b.Y = -300.0f;
  b.Active = 1;
}

void DrawBackdrop(const PassingBackdrop& b, int picture) {
  if (b.Active) elDraw::Draw(Whole(b.X), Whole(b.Y), picture, 0, 0, 440, 300);
}

// The speed is stored after the step, so the first step after start-up moves
// with speed 0.
void MoveBackdrop(PassingBackdrop& b, float speed) {
  if (!b.Active) return;
  b.Y += b.SpeedY * elSystem::FrameStep;
  b.SpeedY = speed;
  if (b.Y > 480.0f) {
    b.Active = 0;
    b.X = ParkX;
    b.Y = ParkY;
  }
}

void DrawSideStrip(SideStripTile (&tiles)[StripTileCount], float x) {
  elDraw::Draw(Whole(tiles[0].X), Whole(tiles[0].Y), PicSideStrip, 0, 0, 100, StripTileHeight);
  tiles[0].X = x;  // its speed is 0: y stays
  for (int i = 0; i < StripTileCount; ++i) {
    tiles[i].X = x;
    tiles[i].Y = static_cast<float>(-StripTileHeight * i);
  }
}

// A call of a scene's background: the starfield with its spread and base, or
// one strip.
struct BackgroundCall {
  int strip;  // 0: the starfield
  int spread, base;
};
constexpr BackgroundCall Stars(int spread, int base) { return {0, spread, base}; }
constexpr BackgroundCall Strip(int n) { return {n, 0, 0}; }

struct SceneBackground {
  BackgroundCall on[3];  // backgrounds on, in call order; unused calls have strip -1
  BackgroundCall off;    // backgrounds off: the starfield alone
};
constexpr BackgroundCall None{-1, 0, 0};

// Scenes 2 to 10, in order. A later call draws over an earlier one.
const SceneBackground kSceneBackgrounds[] = {
    {{Stars(80, 80), Strip(1), None}, Stars(80, 80)},
    {{Stars(130, 130), Strip(2), None}, Stars(150, 150)},
    {{Strip(8), Stars(100, 100), None}, Stars(120, 120)},
    {{Stars(200, 150), Strip(3), Strip(2)}, Stars(200, 150)},
    {{Strip(3), Strip(1), None}, Stars(220, 200)},
    {{Strip(4), None, None}, Stars(180, 180)},
    {{Stars(160, 160), Strip(2), Strip(1)}, Stars(200, 200)},
    {{Strip(2), Strip(1), None}, Stars(300, 300)},
    {{Stars(80, 80), None, None}, Stars(80, 80)},
};
constexpr int FirstBackgroundScene = 2;

void Run(const BackgroundCall& call) {
  if (call.strip == 0)
    UpdateStarfield(call.spread, call.base);
  else if (call.strip > 0)
    UpdateBackgroundStrip(call.strip);
}

}  // namespace

void UpdateStarfield(int spread, int base) {
  for (StarStreak& s : Starfield) {
    const int sx = 139 + 3 * s.Colour;
    elDraw::Draw(Whole(s.X), Whole(s.Y), PicMymy, sx, 70, sx + 3, 80);
    s.Y += s.SpeedY * elSystem::FrameStep;
    s.X += s.SpeedX * elSystem::FrameStep;
    s.SpeedX = 0.0f;
    if (s.Y > 600.0f) {
      s.Colour = RandomBelow(7);
      s.X = static_cast<float>(RandomBelow(640));
      s.Y = static_cast<float>(-RandomBelow(50));
      // A spread of 0 or less would divide by zero: every restart then falls
      // at the base speed.
      s.SpeedY = static_cast<float>(RandomBelow(spread) + base);
    }
  }
}

float BackgroundStripSpeed(int n, float progress) {
  if (n < 1 || n > StripCount) return 0.0f;
  const StripKind& kind = kStrips[n - 1];
  if (!kind.schedule.windows) return kind.speed;
  float speed = 0.0f;
  for (int w = 0; w < kind.schedule.count; ++w) {
    const SpeedWindow& win = kind.schedule.windows[w];
    if (win.lo <= progress && progress <= win.hi) speed += win.speed;
  }
  return speed;
}

void UpdateBackgroundStrip(int n) {
  if (n < 1 || n > StripCount) return;
  const StripKind& kind = kStrips[n - 1];
  StripTile(&tiles)[StripTileCount] = BackgroundStrip[n - 1];
  const float step = BackgroundStripSpeed(n, StageProgress) * elSystem::FrameStep;
  const int picture = *kind.picture;
  for (int i = 0; i < StripTileCount; ++i) {
    StripTile& t = tiles[i];
    const int x = Whole(t.X), y = Whole(t.Y);
    if (Visible(x, y, kind.width, StripTileHeight)) elDraw::Draw(x, y, picture, 0, 0, kind.width, StripTileHeight);
    if (kind.setsX) t.X = kind.x;
    t.Y += step;
    if (kind.drifts) {
      t.X += t.SpeedX * elSystem::FrameStep;
      t.SpeedX = 0.0f;
      if (t.X < -100.0f) t.X = -100.0f;
      if (t.X > 100.0f) t.X = 100.0f;
    }
    // The column starts over once its last tile has come down into view.
    if (tiles[StripTileCount - 1].Y >= 0.0f) {
      t.Y = static_cast<float>(-StripTileHeight * i);
      if (kind.wrapMovesX) t.X = 100.0f;
    }
  }
}

void BackgroundStrip01Update() { UpdateBackgroundStrip(1); }
void BackgroundStrip02Update() { UpdateBackgroundStrip(2); }
void BackgroundStrip03Update() { UpdateBackgroundStrip(3); }
void BackgroundStrip04Update() { UpdateBackgroundStrip(4); }
void BackgroundStrip05Update() { UpdateBackgroundStrip(5); }
void BackgroundStrip06Update() { UpdateBackgroundStrip(6); }
void BackgroundStrip07Update() { UpdateBackgroundStrip(7); }
void BackgroundStrip08Update() { UpdateBackgroundStrip(8); }

void PassingBackdrop01Spawn(int) { SpawnBackdrop(PassingBackdrops[0]); }
void PassingBackdrop01Draw(int) { DrawBackdrop(PassingBackdrops[0], PicPassingBackdrop[0]); }
void PassingBackdrop01Move(int) { MoveBackdrop(PassingBackdrops[0], 180.0f); }
void PassingBackdrop02Spawn(int) { SpawnBackdrop(PassingBackdrops[1]); }
void PassingBackdrop02Draw(int) { DrawBackdrop(PassingBackdrops[1], PicPassingBackdrop[1]); }
void PassingBackdrop02Move(int) { MoveBackdrop(PassingBackdrops[1], 220.0f); }
void PassingBackdrop03Spawn(int) { SpawnBackdrop(PassingBackdrops[2]); }
void PassingBackdrop03Draw(int) { DrawBackdrop(PassingBackdrops[2], PicPassingBackdrop[2]); }
void PassingBackdrop03Move(int) { MoveBackdrop(PassingBackdrops[2], 220.0f); }

void DrawLeftSideStrip() { DrawSideStrip(LeftSideStrip, 0.0f); }
void DrawRightSideStrip() { DrawSideStrip(RightSideStrip, 540.0f); }

void DrawSidePanels() {
  elDraw::DrawOpaque(0, 0, PicSidePanel, 0, 0, 100, StripTileHeight);
  elDraw::DrawOpaque(540, 0, PicSidePanel, 0, 0, 100, StripTileHeight);
}

void DrawSceneBackground(int scene) {
  const int row = scene - FirstBackgroundScene;
  if (row < 0 || row >= static_cast<int>(std::size(kSceneBackgrounds))) return;
  const SceneBackground& b = kSceneBackgrounds[row];
  if (BackgroundOffFlag == 0) {
    for (const BackgroundCall& call : b.on) Run(call);
  } else {
    Run(b.off);
  }
}

void PlaceBackgroundStrips() {
  for (int n = 0; n < StripCount; ++n)
    for (int i = 0; i < StripTileCount; ++i)
      BackgroundStrip[n][i] = StripTile{kStrips[n].startX, static_cast<float>(120 - StripTileHeight * i), 0.0f};
}

void ScatterStarfield() {
  for (StarStreak& s : Starfield) {
    s.Colour = RandomBelow(7);
    s.X = static_cast<float>(RandomBelow(1240) - 400);
    s.Y = static_cast<float>(RandomBelow(480));
    s.SpeedX = 0.0f;
    s.SpeedY = static_cast<float>(RandomBelow(100) + 100);
  }
}

void ResetBackgroundState() {
  for (auto& s : Starfield) s = StarStreak{};
  for (auto& strip : BackgroundStrip)
    for (auto& t : strip) t = StripTile{};
  for (auto& b : PassingBackdrops) b = PassingBackdrop{};
  for (auto& t : LeftSideStrip) t = SideStripTile{};
  for (auto& t : RightSideStrip) t = SideStripTile{};
}

}  // namespace backgrounds
