#include "engine/present.h"

#include "platform/backend.h"

namespace elDraw {

void SetVSync(int on) { VSyncFlag = on; }

int Flip() {
  if (VSyncFlag) platform::CurrentBackend().WaitVerticalBlank();
  platform::CurrentBackend().Present(nullptr, 0, 0, 0);
  return 1;
}

}  // namespace elDraw
