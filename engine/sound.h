// Sound objects.
#pragma once

namespace elSound {

void Release();

}  // namespace elSound
