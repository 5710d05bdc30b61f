// Where a freed slot of an object table waits: far outside every screen and
// clip rectangle, so that it draws nothing and reaches nothing.
#pragma once

namespace elDraw {

inline constexpr float ParkX = -500.0f;
inline constexpr float ParkY = 2550.0f;
// Records kept in whole pixels (shots, lock records, the lock sight) wait
// here instead.
inline constexpr int WholeParkX = -500;
inline constexpr int WholeParkY = 500;

}  // namespace elDraw
