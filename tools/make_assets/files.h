// The generator's output folders. The files in them are written with the
// platform's own BMP, WAVE and MIDI writers.
#pragma once
#include <string>

namespace assets {

// Creates the folder (one level) if it does not exist.
bool MakeFolder(const std::string& path);

}  // namespace assets
