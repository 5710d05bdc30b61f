#include "engine/present.h"

#include "engine/draw_hw.h"
#include "engine/draw_object.h"
#include "engine/frame.h"
#include "engine/input.h"
#include "engine/random.h"
#include "engine/screen.h"
#include "platform/backend.h"
#include "platform/display.h"
#include "platform/keys.h"

namespace elDraw {

namespace {

// A random shift in -(D - c + 1) .. D - c; no shift once that range is empty
// (a counter above the duration).
int ScatterShift(int duration, int c) {
  const int span = 2 * (duration - c) + 2;
  if (span <= 0) return 0;
  return elRandom::Next() % span - (duration - c + 1);
}

void Present() {
  if (!BackBuffer || !PrimarySurface) {
    platform::CurrentBackend().Present(nullptr, 0, 0, 0);
    return;
  }
  const platform::DisplayResult r = platform::BltFast(*PrimarySurface, 0, 0, *BackBuffer, ScreenRect, false);
  if (r == platform::DisplayResult::SurfaceLost) {
    Restore();  // this frame is not shown
    return;
  }
  platform::PixelBuffer view;
  if (PrimarySurface->Lock(view) != platform::DisplayResult::Ok) return;
  platform::CurrentBackend().Present(view.pixels, view.width, view.height, view.pitch);
  PrimarySurface->Unlock();
}

void DrawViewer() {
  for (int i = 0; i <= 10; ++i)
    for (int j = 0; j <= 10; ++j)
      Draw(64 * i + static_cast<int>(ViewerTileOffset[0]), 48 * j + static_cast<int>(ViewerTileOffset[1]),
           ViewerBackground, 0, 0, 64, 48);
  ViewerTileOffset[0] -= elSystem::FrameStep * 10.0f;
  ViewerTileOffset[1] -= elSystem::FrameStep * 10.0f;
  if (ViewerTileOffset[0] <= -64.0f) ViewerTileOffset[0] += 64.0f;
  if (ViewerTileOffset[1] <= -48.0f) ViewerTileOffset[1] += 48.0f;

  const int clip_w = ClipRect.right - ClipRect.left, clip_h = ClipRect.bottom - ClipRect.top;
  const int s = static_cast<int>(ViewerScroll);
  Draw(ClipRect.left, ClipRect.top, ViewerPicture, 0, s, clip_w, s + clip_h);

  const float step = elSystem::FrameStep;
  switch (elInput::ViewerKey) {
    case platform::VK_UP: ViewerScroll -= step * 100.0f; break;
    case platform::VK_LEFT: ViewerScroll -= step * 300.0f; break;
    case platform::VK_DOWN: ViewerScroll += step * 100.0f; break;
    case platform::VK_RIGHT: ViewerScroll += step * 300.0f; break;
    default: break;
  }
  if (ViewerScroll < 0.0f) ViewerScroll = 0.0f;
  const float last = static_cast<float>(ViewerPictureHeight - clip_h);
  if (ViewerScroll > last) ViewerScroll = last;
}

}  // namespace

void SetVSync(int on) { VSyncFlag = on; }

void DrawTransitionOverlay(int type, int c) {
  const int W = ScreenSize[0], H = ScreenSize[1], D = TransitionDuration;
  const int k = D - c + 1;
  // Slides and wipes step by a whole number of pixels per frame.
  const int sx = D > 0 ? W / D : 0, sy = D > 0 ? H / D : 0;
  const int hx = D > 0 ? (W / 2) / D : 0, hy = D > 0 ? (H / 2) / D : 0;
  switch (type) {
    case TransitionTiles:
      for (int i = 0; i < 10; ++i)
        for (int j = 0; j < 10; ++j) Draw(64 * i, 48 * j, TransitionTileObject, 64 * (c - 1), 0, 64 * c, 48);
      break;
    case TransitionRowBlinds:
    case TransitionRowScatter:
      if (c <= 0) break;
      for (int y = 0; y < H; ++y) {
        if (y % c == 0) continue;
        const int x = type == TransitionRowScatter ? ScatterShift(D, c) : 0;
        DrawOpaque(x, y, ScreenSprite, 0, y, W, y + 1);
      }
      break;
    case TransitionBandBlinds:
    case TransitionBandScatter:
      if (D <= 0) break;
      for (int y = 0; y < H; y += D) {
        const int x = type == TransitionBandScatter ? ScatterShift(D, c) : 0;
        DrawOpaque(x, y, ScreenSprite, 0, y, W, y + c + 1);
      }
      break;
    case TransitionSlideUp: DrawOpaque(0, -sy * k, ScreenSprite, 0, 0, W, H); break;
    case TransitionSlideDown: DrawOpaque(0, sy * k, ScreenSprite, 0, 0, W, H); break;
    case TransitionSlideLeft: DrawOpaque(-sx * k, 0, ScreenSprite, 0, 0, W, H); break;
    case TransitionSlideRight: DrawOpaque(sx * k, 0, ScreenSprite, 0, 0, W, H); break;
    case TransitionSplitVertical:
      DrawOpaque(0, -hy * k, ScreenSprite, 0, 0, W, H / 2);
      DrawOpaque(0, H / 2 + hy * k, ScreenSprite, 0, H / 2, W, H);
      break;
    case TransitionSplitHorizontal:
      DrawOpaque(-hx * k, 0, ScreenSprite, 0, 0, W / 2, H);
      DrawOpaque(W / 2 + hx * k, 0, ScreenSprite, W / 2, 0, W, H);
      break;
    case TransitionWipeLeft: DrawOpaque(0, 0, ScreenSprite, 0, 0, sx * c, H); break;
    case TransitionWipeRight: DrawOpaque(sx * k, 0, ScreenSprite, sx * k, 0, W, H); break;
    default: break;  // other types draw nothing but still count
  }
}

int Flip() {
  if (TransitionCounter != 0) {
    // A dissolve measured by a duration of 0 or less has no overlay to show;
    // the tile frames and the row blinds step by the counter alone.
    const bool by_counter = TransitionType == TransitionTiles || TransitionType == TransitionRowBlinds;
    const bool has_overlay = TransitionState == 1 || TransitionDuration > 0 || by_counter;
    if (has_overlay) DrawTransitionOverlay(TransitionType, TransitionCounter);
    TransitionCounter += TransitionState;
    // A counter left without a direction would never end: it ends at once.
    if ((TransitionState == -1 && TransitionCounter < 1) || (TransitionState == 1 && TransitionCounter > 10) ||
        TransitionState == 0) {
      TransitionCounter = 0;
      TransitionState = 0;
    }
  }
  if (ViewerFlag == 1) DrawViewer();
  // The wait only paces: a display without a vertical blank still presents.
  if (VSyncFlag == 1 && DirectDrawObject) DirectDrawObject->WaitForVerticalBlank();
  Present();
  return 1;
}

void StartTransition() {
  TransitionCounter = 1;
  TransitionState = 1;
}

void StartTransitionIn() {
  TransitionCounter = 10;
  TransitionState = -1;
}

void CaptureScreen(int obj, int left, int top, int right, int bottom) {
  platform::Surface* dst = ObjectSurface(obj);
  if (!dst || !BackBuffer) return;
  const platform::DisplayResult r =
      platform::BltFast(*dst, 0, 0, *BackBuffer, platform::Rect{left, top, right, bottom}, false);
  if (r == platform::DisplayResult::SurfaceLost) Restore();
}

void LoadTransitionTiles(const char* name) {
  SetColorKey(0);
  TransitionTileObject = LoadObject(name, 2);
}

void OpenViewer(const char* picture, const char* background, int height) {
  SetColorKey(0);
  if (ViewerPicture == 0) {
    ViewerPicture = LoadObject(picture, 2);
    ViewerBackground = LoadObject(background, 2);
  } else {
    SwapObject(picture, ViewerPicture, 2);
    SwapObject(background, ViewerBackground, 2);
  }
  ViewerScroll = 0.0f;
  ViewerPictureHeight = height;
}

void ToggleViewer() {
  if (ViewerFlag == 1)
    ViewerFlag = 0;
  else if (ViewerPictureHeight != 0)
    ViewerFlag = 1;
}

void ResetPresentState() {
  TransitionType = TransitionDuration = TransitionCounter = TransitionState = 0;
  TransitionTileObject = 0;
  VSyncFlag = 1;
  ViewerFlag = ViewerPicture = ViewerBackground = ViewerPictureHeight = 0;
  ViewerScroll = 0.0f;
  ViewerTileOffset[0] = ViewerTileOffset[1] = 0.0f;
}

}  // namespace elDraw
