// The two sound effects, synthesised: the player's shot and the explosion.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace assets {

constexpr int kSoundRate = 22050;
std::vector<int16_t> SynthShot();
std::vector<int16_t> SynthExplosion();
// Writes SHOT.WAV and BOM.WAV into folder (created if missing).
bool WriteSounds(const std::string& folder);

}  // namespace assets
