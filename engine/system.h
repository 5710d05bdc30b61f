// Program entry, the window procedure, the message loop with its idle pass and
// scene dispatch, and the orderly shutdown.
#pragma once
#include <cstdint>
#include <string>

#include "engine/types.h"
#include "platform/final_save.h"
#include "platform/messages.h"

namespace elSystem {

constexpr const char* WindowTitle = "Quorvane";
constexpr int SceneCount = 12;  // scenes 1..12

// Loop state.
inline int SceneNumber = 0;
inline int PreviousScene = 0;
inline int FirstFrameFlag = 0;
inline int PendingScene = 0;
inline platform::WindowHandle MainWindow = 0;
inline int InstanceMutex = 0;  // 1 while the single-instance lock is held
inline std::string CommandLineCopy;
inline int ActiveFlag = 0;
inline int FullScreenFlag = 1;
inline int CursorShownFlag = 1;
inline int ExitDoneFlag = 0;
inline int CloseState = 0;  // 0 running, 1 close arrived first, 2 Exit has run
inline elPoint WindowOrigin{};
inline elRect PresentRect{};
inline uint32_t FrameTimeBase = 0;
inline int BlinkFlag = 1;
inline uint32_t BlinkDeadline = 0;
inline std::string MusicReply;

// What the game hands the engine: its asset loader, its key handler, what it
// keeps at an orderly end (before anything is released; it says how that
// save went) and the scene functions by scene number (index 0 unused).
using SceneFunction = void (*)();
using platform::SaveOutcome;
struct GameHooks {
  void (*LoadAssets)() = nullptr;
  void (*OnKeyDown)(int vk) = nullptr;
  SaveOutcome (*OnExit)() = nullptr;
  SceneFunction Scenes[SceneCount + 1] = {};
};
inline GameHooks Game{};

int WinMain(const char* command_line, int show_command);

// Start-up steps up to the loop; 0 means the entry returns at once.
int Startup(const char* command_line, int show_command);

enum class LoopResult { Quit, Dispatched, Wait, Idle };
// One turn of the message loop: take and dispatch one message, or report that
// the loop should wait (inactive), or run one idle pass. An idle pass that
// ran no frame rests until a message arrives or the next frame is due.
LoopResult LoopStep();
// True when the pass ran a scene frame or a step of a fade-out.
bool IdlePass();

void InitGlobals();
int CheckMutex(const char* title);
platform::LParam WndProc(platform::WindowHandle window, platform::Msg msg, platform::WParam w, platform::LParam l);
void SetActive(int flag);
void OnActivate(int flag);
void EnableIme(int on);
int Exit();

}  // namespace elSystem
