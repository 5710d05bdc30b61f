#include "engine/system.h"

#include <cstdlib>

#include "engine/clip_window.h"
#include "engine/frame.h"
#include "engine/input.h"
#include "engine/music.h"
#include "engine/present.h"
#include "engine/random.h"
#include "engine/screen.h"
#include "engine/services.h"
#include "engine/sound.h"
#include "engine/text.h"
#include "platform/backend.h"
#include "platform/clock.h"
#include "platform/system.h"
#include "platform/window.h"

namespace elSystem {

using platform::LParam;
using platform::Msg;
using platform::WParam;

namespace {

constexpr WParam HotKeyPrintScreen = 0xBF01;
constexpr WParam HotKeyExtra = 0xBF02;

void CallOnKeyDown(int vk) {
  if (Game.OnKeyDown) Game.OnKeyDown(vk);
}

// A window coordinate from one 16-bit word: above 32768 it is negative.
int SignedWord(unsigned word) { return word > 32768 ? static_cast<int>(word) - 65536 : static_cast<int>(word); }

}  // namespace

void InitGlobals() {
  MainWindow = 0;
  elInput::ResetState();
  FrameStep = 0.0f;
  BlinkFlag = 1;
  BlinkDeadline = platform::TimeGetTime() + 1000;
  InstanceMutex = 0;
  ActiveFlag = 0;
  SceneNumber = PendingScene = PreviousScene = FirstFrameFlag = 0;
  FrameTimeBase = platform::TimeGetTime();
  FullScreenFlag = 1;
  CloseState = 0;
  CursorShownFlag = 1;
  MessageBoxOpenFlag = 0;
  ExitDoneFlag = 0;
}

int CheckMutex(const char* title) {
  const std::string name = std::string(title) + ":ElMutex";
  if (!platform::AcquireInstanceLock(name)) {
    platform::RequestRaiseOfHolder(name);
    return 0;
  }
  InstanceMutex = 1;
  return 1;
}

void SetActive(int flag) { ActiveFlag = flag; }
void OnActivate(int) {}
void EnableIme(int) {}

int Startup(const char* command_line, int show_command) {
  (void)show_command;
  const std::string title = WindowTitle;
  InitGlobals();
  if (!CheckMutex(title.c_str())) return 0;
  CommandLineCopy = command_line ? command_line : "";
  platform::SetWindowProc(&WndProc);

  int width = 0, height = 0;
  platform::CurrentBackend().ScreenSize(width, height);
  MainWindow = platform::CreateWindow(title, FullScreenFlag ? width : 0, FullScreenFlag ? height : 0,
                                      FullScreenFlag != 0);
  if (!MainWindow) return 0;
  platform::ShowWindow(MainWindow);

  elRandom::Seed(static_cast<uint32_t>(platform::TimeSeconds()));
  EnableIme(0);
  if (Game.LoadAssets) Game.LoadAssets();
  ResetFrameTime();
  OnActivate(0);
  return 1;
}

bool IdlePass() {
  // A fade-out presents with the time since the previous pass; a due scene
  // frame gets the time since the previous one from the gate.
  UpdateFrameTime();

  // A scene change made outside the pass (a key handler) starts its scene
  // with a first frame.
  if (PreviousScene == 0 && SceneNumber != 0) {
    FirstFrameFlag = 1;
    PreviousScene = SceneNumber;
  }

  // A running fade-out only presents; otherwise the due scene runs.
  bool ran = false;
  if (elDraw::TransitionState == 1) {
    elDraw::Flip();
    if (elDraw::TransitionState == 0) SceneNumber = PendingScene;
    ran = true;
  } else if (SceneNumber >= 1 && SceneNumber <= SceneCount) {
    if (FrameDue()) {
      SceneFunction scene = Game.Scenes[SceneNumber];
      if (scene) scene();
      ran = true;
    }
  }

  // A change inside this pass gives the next pass its first frame, and
  // closes an animated clip window.
  if (SceneNumber != PreviousScene) {
    FirstFrameFlag = 1;
    if (elDraw::ClipWindow > 0) {
      elDraw::ClipRect = elDraw::SavedClipRect;
      elDraw::ClipWindow = 0;
    }
  } else {
    FirstFrameFlag = 0;
  }
  PreviousScene = SceneNumber;

  // The blink: 1000 ms on and 200 ms off.
  if (platform::TimeGetTime() >= BlinkDeadline) {
    BlinkFlag = 1 - BlinkFlag;
    BlinkDeadline = platform::TimeGetTime() + (BlinkFlag ? 1000u : 200u);
  }

  // A double click is seen only by the pass right after it.
  elInput::MouseLeftDoubleClick = 0;

  // Windowed mode hides the cursor over the client area.
  if (!FullScreenFlag && !MessageBoxOpenFlag) {
    int x = 0, y = 0;
    platform::CurrentBackend().GetCursorPos(x, y);
    const bool inside = x >= WindowOrigin.x && y >= WindowOrigin.y && x < WindowOrigin.x + elDraw::ScreenSize[0] &&
                        y < WindowOrigin.y + elDraw::ScreenSize[1];
    if (inside && CursorShownFlag) {
      platform::CurrentBackend().ShowCursor(false);
      CursorShownFlag = 0;
    } else if (!inside && !CursorShownFlag) {
      platform::CurrentBackend().ShowCursor(true);
      CursorShownFlag = 1;
    }
  }
  return ran;
}

LoopResult LoopStep() {
  platform::Message m;
  if (platform::PeekMessage(m)) {
    if (m.msg == Msg::Quit) return LoopResult::Quit;
    platform::DispatchMessage(m);
    return LoopResult::Dispatched;
  }
  if (!ActiveFlag) return LoopResult::Wait;
  // Once the program has shut down nothing may draw any more.
  if (ExitDoneFlag) return LoopResult::Wait;
  // Between frames the loop rests instead of spinning a core; a frame still
  // runs at the first pass at or after its due time.
  if (!IdlePass()) platform::WaitMessageTimeout(MsUntilFrameDue());
  return LoopResult::Idle;
}

int WinMain(const char* command_line, int show_command) {
  if (!Startup(command_line, show_command)) return 0;
  for (;;) {
    switch (LoopStep()) {
      case LoopResult::Quit:
        return 0;
      case LoopResult::Wait:
        platform::WaitMessage();
        break;
      default:
        break;
    }
  }
}

LParam WndProc(platform::WindowHandle window, Msg msg, WParam w, LParam l) {
  switch (msg) {
    case Msg::Destroy:
      platform::PostQuitMessage(0);
      return 0;
    case Msg::Move:
      WindowOrigin = elPoint{SignedWord(platform::LowWord(l)), SignedWord(platform::HighWord(l))};
      PresentRect = elRect{WindowOrigin.x, WindowOrigin.y, WindowOrigin.x + elDraw::ScreenSize[0],
                           WindowOrigin.y + elDraw::ScreenSize[1]};
      break;
    case Msg::Close:
      if (CloseState == 0) CloseState = 1;
      if (CloseState < 2) Exit();
      platform::DestroyWindow(window);
      return 0;
    case Msg::ActivateApp:
      if (w == 0) {
        SetActive(0);
        if (CursorShownFlag == 0) {
          platform::CurrentBackend().ShowCursor(true);
          CursorShownFlag = 1;
        }
      } else {
        SetActive(1);
        ResetFrameTime();
        ResetFrameGateTime();
        OnActivate(1);
      }
      return 0;
    case Msg::SetCursor:
      if (FullScreenFlag && !MessageBoxOpenFlag) {
        platform::CurrentBackend().ShowCursor(false);
        return 1;
      }
      break;
    case Msg::KeyDown:
      if (elInput::KeyCaptureFlag)
        elInput::CapturedKey = static_cast<int>(w);
      else
        CallOnKeyDown(static_cast<int>(w));
      break;
    case Msg::SysKeyDown: {
      const int mode = elInput::AltMode;
      if (mode == 0 || (mode == 2 && w == 0x12)) return 0;
      // Handled as a key down, then left to the system's own handling of a
      // system key (Alt+F4 closes the window).
      if (elInput::KeyCaptureFlag)
        elInput::CapturedKey = static_cast<int>(w);
      else
        CallOnKeyDown(static_cast<int>(w));
      break;
    }
    case Msg::KeyUp:
      elInput::OnKeyUp(static_cast<int>(w));
      break;
    case Msg::SysCommand:
      if ((w & 0xFFF0) == platform::SC_SCREENSAVE) return 0;
      break;
    case Msg::MouseMove:
    case Msg::LButtonDown:
    case Msg::LButtonUp:
    case Msg::RButtonDown:
    case Msg::RButtonUp:
      elInput::OnMouseMessage(msg, l);
      break;
    case Msg::LButtonDblClk:
    case Msg::RButtonDblClk:
      elInput::OnMouseMessage(msg, l);
      return 0;
    case Msg::HotKey:
      if (!elInput::KeyCaptureFlag) {
        if (w == HotKeyPrintScreen) CallOnKeyDown(0x2C);
        if (w == HotKeyExtra) CallOnKeyDown(0x101);
      }
      return 0;
    case Msg::MciNotify:
      if (w == platform::MCI_NOTIFY_SUCCESSFUL && elMusic::MusicOpenFlag) {
        std::string reply;
        elMusic::SendString("status midi mode", &reply);
        MusicReply = reply.substr(0, 31);
        if (MusicReply.rfind("st", 0) == 0) elMusic::OnNotify();
      }
      break;
    default:
      break;
  }
  return platform::DefWindowProc(window, msg, w, l);
}

int Exit() {
  if (ExitDoneFlag) return 1;
  ExitDoneFlag = 1;
  if (Game.OnExit) Game.OnExit();
  elInput::ReleaseCursor();
  elText::FreeFontBuffer();
  elSound::Release();
  elDraw::Release();
  if (InstanceMutex) {
    platform::ReleaseInstanceLock();
    InstanceMutex = 0;
  }
  if (CloseState == 0) platform::PostMessage(MainWindow, Msg::Close);
  CloseState = 2;
  return 1;
}

}  // namespace elSystem
