#include "engine/screen.h"

#include <string>

#include "engine/draw_hw.h"
#include "engine/draw_object.h"
#include "engine/frame.h"
#include "engine/image_pack.h"
#include "engine/joystick.h"
#include "engine/music.h"
#include "engine/pixel_tables.h"
#include "engine/present.h"
#include "engine/services.h"
#include "engine/sound.h"
#include "engine/system.h"
#include "engine/text.h"

namespace elDraw {

namespace {

constexpr const char* ScreenLocation = "elDraw::Screen";

int ScreenError(const char* message) {
  elSystem::Error(ScreenLocation, message);
  return 0;
}

struct InternalSprite {
  const char* name;
  const char* failure;
};
constexpr InternalSprite Sprites[4] = {
    {"内部用１", "Bufferスプライトが生成できません"},
    {"内部用２", "Screenスプライトが生成できません"},
    {"内部用３", "Fontスプライトが生成できません"},
    {"内部用４", "Fontバッファスプライトが生成できません"},
};

}  // namespace

int SetClip(int left, int top, int right, int bottom) {
  ClipRect = elRect{left, top, right, bottom};
  return 1;
}

void SetDepth(int depth, int fallback1, int fallback2) {
  ScreenDepth = depth;
  FallbackDepth[0] = fallback1;
  FallbackDepth[1] = fallback2;
}

int DesktopDepth() { return platform::DesktopDepth(); }

int IsWindowed() { return elSystem::FullScreenFlag == 0 ? 1 : 0; }

bool EnumDriver(const platform::DisplayDriver& driver, void* context) {
  auto* kept = static_cast<std::unique_ptr<platform::DisplayDevice>*>(context);
  HardwareDriverFlag = 0;
  std::unique_ptr<platform::DisplayDevice> device = platform::DisplayDevice::Create(&driver);
  if (!device) return true;
  const platform::DisplayCaps caps = device->hardware_caps();
  if (caps.has_3d && caps.texture) {
    *kept = std::move(device);
    HardwareDriverFlag = 1;
    return false;
  }
  return true;
}

int Screen(int width, int height, int memtype) {
  DirectDrawObject.reset();
  PrimarySurface.reset();
  BackBuffer.reset();
  ScreenClipper = 0;
  elSystem::ErrorFlag = 0;

  ScreenSize[0] = width;
  ScreenSize[1] = height;
  SetClip(0, 0, width, height);

  platform::EnumerateDisplayDrivers(
      [](const platform::DisplayDriver& d, void* ctx) { return EnumDriver(d, ctx); }, &DirectDrawObject);
  if (!DirectDrawObject) DirectDrawObject = platform::DisplayDevice::Create(nullptr);
  if (!DirectDrawObject) return ScreenError("DirectDrawが使用できません");

  const bool windowed = IsWindowed() != 0;
  if (!DirectDrawObject->SetCooperativeLevel(!windowed)) return ScreenError("フルスクリーン化できません");

  if (!windowed) {
    bool set = DirectDrawObject->SetDisplayMode(width, height, ScreenDepth);
    for (int i = 0; i < 2 && !set && FallbackDepth[i] != 0; ++i) {
      ScreenDepth = FallbackDepth[i];
      set = DirectDrawObject->SetDisplayMode(width, height, ScreenDepth);
    }
    if (!set) return ScreenError("解像度が変更できません");
  } else {
    ScreenDepth = DesktopDepth();
  }

  // Type 1 lets the display choose for everything; 3 for the screen
  // surfaces only; anything else asks system memory throughout.
  const platform::SurfaceMemory screen_memory =
      (memtype == 1 || memtype == 3) ? platform::SurfaceMemory::Video : platform::SurfaceMemory::System;
  const platform::SurfaceMemory sprite_memory =
      memtype == 1 ? platform::SurfaceMemory::Video : platform::SurfaceMemory::System;

  PrimarySurface = DirectDrawObject->CreateSurface(width, height, screen_memory);
  if (!PrimarySurface) return ScreenError("表画面が生成できません");
  BackBuffer = DirectDrawObject->CreateSurface(width, height, screen_memory);
  if (!BackBuffer) return ScreenError("裏画面が生成できません");
  // A window shares the desktop with others: its present is clipped.
  if (windowed) ScreenClipper = 1;

  for (int i = 0; i < 4; ++i) {
    DrawObject& entry = DrawObjectTable[i];
    const platform::SurfaceMemory memory = i < 2 ? sprite_memory : platform::SurfaceMemory::System;
    entry.Surface = DirectDrawObject->CreateSurface(width, height, memory);
    if (!entry.Surface) return ScreenError(Sprites[i].failure);
    ApplyColorKey(entry.Surface.get(), 0);
    SetName(entry, Sprites[i].name);
    entry.FromPack = 0;
    entry.ReloadType = 2;
    entry.ColorKey = 0;
    entry.Width = static_cast<uint16_t>(width);
    entry.Height = static_cast<uint16_t>(height);
  }

  const platform::DisplayCaps caps =
      HardwareDriverFlag ? DirectDrawObject->hardware_caps() : DirectDrawObject->emulation_caps();
  StretchFlag = caps.stretch ? 1 : 0;

  platform::PixelFormat format;
  if (!DirectDrawObject->GetPixelFormat(format) || !AnalysePixelFormat(format))
    return ScreenError("ピクセル情報が取得できません");
  BuildSineTable();
  if (DesktopDepth() == 16) BuildBlendTables();

  for (int i = FirstPictureObject; i < DrawObjectCount; ++i) EmptyObject(DrawObjectTable[i]);

  ViewerPicture = 0;
  ViewerBackground = 0;
  ScreenRect = elRect{0, 0, width, height};
  elSystem::PresentRect = elRect{elSystem::WindowOrigin.x, elSystem::WindowOrigin.y,
                                 elSystem::WindowOrigin.x + width, elSystem::WindowOrigin.y + height};
  elSound::Init();
  elSound::EmptyObjects();
  elMusic::Init();
  elSystem::ResetWaits();
  elText::EnumFonts();
  elJoystick::Init();
  return 1;
}

void Restore() {
  if (PrimarySurface) PrimarySurface->Restore();
  if (BackBuffer && BackBuffer->IsLost()) BackBuffer->Restore();
  for (int i = 0; i < FirstPictureObject; ++i) {
    platform::Surface* s = DrawObjectTable[i].Surface.get();
    if (s && s->IsLost()) s->Restore();
  }
  for (int i = FirstPictureObject; i < DrawObjectCount; ++i) {
    DrawObject& entry = DrawObjectTable[i];
    // An entry whose load failed has nothing to restore.
    if (entry.Name[0] == '\0' || !entry.Surface || !entry.Surface->IsLost()) continue;
    entry.Surface->Restore();
    if (entry.Name[0] == '*') continue;
    SetColorKey(entry.ColorKey);
    const std::string name = entry.Name;  // the reload rewrites the entry's own name
    if (entry.FromPack == 1)
      SwapPack(name.c_str(), i, entry.ReloadType);
    else
      SwapObject(name.c_str(), i, entry.ReloadType);
  }
}

void Release() {
  if (!DirectDrawObject) return;
  if (BackBufferDCHeld) ReleaseDC();
  for (DrawObject& entry : DrawObjectTable) EmptyObject(entry);
  ScreenClipper = 0;
  PrimarySurface.reset();
  BackBuffer.reset();
  if (!IsWindowed()) {
    DirectDrawObject->RestoreDisplayMode();
    DirectDrawObject->SetCooperativeLevel(false);
  }
  DirectDrawObject.reset();
}

int CheckWindowDepth(const char* name) {
  int level = 0;
  switch (ScreenDepth) {
    case 8:
      level = 1;
      break;
    case 16:
      level = 2;
      break;
    case 24:
    case 32:
      level = 3;
      break;
    default:
      return 1;
  }
  if (!IsWindowed() || DesktopDepth() >= ScreenDepth) return 1;
  static const char* const colours[4] = {"16", "256", "65536", "1670万"};
  elSystem::Message(
      "　ウィンドウ状態で実行しようとしていますが、画面が%s色以下に設定されています。\n"
      "正しく動作させるには、%s色以上に設定するか、フルスクリーンで実行させて下さい。",
      colours[level - 1], colours[level]);
  const std::string n = name ? name : "";
  int yes = 0;
  if (n == "*")
    yes = elSystem::Question("フルスクリーンに切り換えますか？");
  else if (!n.empty())
    yes = elSystem::Question("フルスクリーンに設定し直しますか？");
  if (yes) {
    if (n != "*") elSystem::WriteNumber(n.c_str(), 1);
    elSystem::FullScreenFlag = 1;
    return 1;
  }
  elSystem::Exit();
  return 0;
}

platform::DeviceContext* GetDC() {
  if (!BackBuffer || BackBufferDCHeld) return nullptr;
  if (platform::GetDC(*BackBuffer, BackBufferDC) != platform::DisplayResult::Ok) return nullptr;
  BackBufferDCHeld = 1;
  return &BackBufferDC;
}

void ReleaseDC() {
  if (!BackBufferDCHeld || !BackBuffer) return;
  platform::ReleaseDC(*BackBuffer, BackBufferDC);
  BackBufferDCHeld = 0;
}

void ResetDisplayState() {
  BackBufferDCHeld = 0;
  BackBufferDC = platform::DeviceContext();
  for (DrawObject& entry : DrawObjectTable) EmptyObject(entry);
  PrimarySurface.reset();
  BackBuffer.reset();
  DirectDrawObject.reset();
  ScreenClipper = 0;
  ScreenSize[0] = ScreenSize[1] = 0;
  ScreenRect = ClipRect = elRect{};
  ScreenDepth = 16;
  FallbackDepth[0] = FallbackDepth[1] = 0;
  HardwareDriverFlag = StretchFlag = 0;
  KeyColor = 0;
  PixelKeyFlag = 0;
  ImagePackPath.clear();
  ResetDrawPhases();
  ClearPixelTables();
}

}  // namespace elDraw
