// The game's pictures and sounds, loaded once at start-up and kept for the
// whole run. Each picture variable holds the draw-object id its load
// returned; drawing code reads these, never a literal id.
#pragma once
#include "world/assets.h"

namespace assets {

// 1 once LoadAssets has run to its end: from then on there is a high score
// worth keeping on exit.
inline int AssetsLoaded = 0;

constexpr int PictureLoadCount = 163;

// Opens the screen, sets the play field as clip rectangle, loads every
// picture and sound and leaves the game at the title.
void LoadAssets();

}  // namespace assets
