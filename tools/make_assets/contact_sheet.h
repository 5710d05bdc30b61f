// A review sheet: every generated picture on one page under its name.
#pragma once
#include <string>

#include "pictures.h"

namespace assets {

bool WriteContactSheet(const std::string& path, const PictureList& pictures);

}  // namespace assets
