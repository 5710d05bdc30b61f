#include "engine/music.h"

namespace elMusic {

int SendString(const std::string&, std::string* reply) {
  if (reply) reply->clear();
  return 1;
}

void OnNotify() {}

}  // namespace elMusic
