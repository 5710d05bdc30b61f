#include "music.h"

#include "files.h"

namespace assets {

bool WriteMusic(const std::string& folder) { return MakeFolder(folder); }

}  // namespace assets
