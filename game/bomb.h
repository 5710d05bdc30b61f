// The bomb's running state. Every store in the game writes 0 to BombFlag (the
// special volley's start and end among them), so the burst never runs.
#pragma once

inline int BombFlag = 0;
inline int BombCounter = 0;
