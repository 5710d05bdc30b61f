// The tunes: one loopable General MIDI piece per stage, the ending and the
// two unreachable scenes, composed from a fixed seed.
#pragma once
#include <string>

namespace assets {

// Writes KTSM1..5, KTSMEND, GTCB3 and QVN (.MID) into folder.
bool WriteMusic(const std::string& folder);

}  // namespace assets
