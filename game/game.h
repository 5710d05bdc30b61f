// The game as the engine sees it: its loader, key handler, scenes and what it
// does when the program ends.
#pragma once
#include "engine/system.h"

namespace game {

elSystem::GameHooks Hooks();

// Puts every value of the game flow back to its state at program start
// (tests start from here).
void ResetState();

}  // namespace game

namespace flow {

void OnKeyDown(int vk);

}  // namespace flow
