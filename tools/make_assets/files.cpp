#include "files.h"

#include <sys/stat.h>

#include <cerrno>

namespace assets {

bool MakeFolder(const std::string& path) { return mkdir(path.c_str(), 0755) == 0 || errno == EEXIST; }

}  // namespace assets
