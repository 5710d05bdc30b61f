// The options the player sets in the title and selection scenes (and the
// replay key), read by the ship, its shots, the backgrounds and the stage.
#pragma once

namespace flow {

inline int MouseControlFlag = 0;
inline int KeyboardControlFlag = 1;
inline int BackgroundOffFlag = 0;
inline int NoDeathFlag = 0;
inline int ShipType = 0;
inline int ReplayFlag = 0;

}  // namespace flow
