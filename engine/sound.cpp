#include "engine/sound.h"

namespace elSound {

void Release() {}

}  // namespace elSound
