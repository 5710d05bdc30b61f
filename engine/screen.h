// The screen: set-up of the display device, the primary surface, the back
// buffer and the internal sprites; the clip rectangle; restore after a lost
// surface; release at exit.
#pragma once
#include <memory>

#include "engine/types.h"
#include "platform/device_context.h"
#include "platform/display.h"

namespace elDraw {

// Surfaces and the device; none until Screen, none again after Release.
inline std::unique_ptr<platform::DisplayDevice> DirectDrawObject;
inline std::unique_ptr<platform::Surface> PrimarySurface;
inline std::unique_ptr<platform::Surface> BackBuffer;  // every draw goes here
inline int ScreenClipper = 0;                           // windowed mode: 1 while attached
inline platform::DeviceContext BackBufferDC;            // between GetDC and ReleaseDC
inline int BackBufferDCHeld = 0;

inline int ScreenSize[2] = {0, 0};
inline elRect ScreenRect{};  // source rectangle of the present
inline elRect ClipRect{};    // bounds every picture draw; right and bottom exclusive
inline int ScreenDepth = 16;
inline int FallbackDepth[2] = {0, 0};
inline int HardwareDriverFlag = 0;
inline int StretchFlag = 0;

// Returns 1, or 0 after the error box.
int Screen(int width, int height, int memtype);
int SetClip(int left, int top, int right, int bottom);
void SetDepth(int depth, int fallback1, int fallback2);
int DesktopDepth();
int IsWindowed();
int CheckWindowDepth(const char* name);
// Driver choice: keeps a driver with a 3D part in the context's device.
bool EnumDriver(const platform::DisplayDriver& driver, void* context);
void Restore();
void Release();
// The back buffer's drawing context (the back buffer stays locked until
// ReleaseDC); nullptr when it cannot be had.
platform::DeviceContext* GetDC();
void ReleaseDC();

// Puts every display value, surface and table back to its state at program
// start (tests start from here).
void ResetDisplayState();

}  // namespace elDraw
