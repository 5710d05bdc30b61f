#include "engine/present.h"

#include "engine/screen.h"
#include "platform/backend.h"
#include "platform/display.h"

namespace elDraw {

void SetVSync(int on) { VSyncFlag = on; }

int Flip() {
  if (VSyncFlag) platform::CurrentBackend().WaitVerticalBlank();
  if (!BackBuffer || !PrimarySurface) {
    platform::CurrentBackend().Present(nullptr, 0, 0, 0);
    return 1;
  }
  const platform::DisplayResult r =
      platform::BltFast(*PrimarySurface, 0, 0, *BackBuffer, ScreenRect, false);
  if (r == platform::DisplayResult::SurfaceLost) {
    Restore();  // this frame is not shown
    return 1;
  }
  platform::PixelBuffer view;
  if (PrimarySurface->Lock(view) != platform::DisplayResult::Ok) return 1;
  platform::CurrentBackend().Present(view.pixels, view.width, view.height, view.pitch);
  PrimarySurface->Unlock();
  return 1;
}

}  // namespace elDraw
