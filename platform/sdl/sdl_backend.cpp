#include "platform/sdl/sdl_backend.h"

#include <SDL.h>
#include <dlfcn.h>
#include <langinfo.h>
#include <locale.h>
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "platform/clock.h"
#include "platform/keys.h"
#include "platform/letterbox.h"
#include "platform/messages.h"
#include "platform/mixer.h"
#include "platform/system.h"

namespace platform {

int VirtualKeyFromScancode(int sc) {
  if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) return VK_A + (sc - SDL_SCANCODE_A);
  if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_9) return VK_0 + 1 + (sc - SDL_SCANCODE_1);
  if (sc == SDL_SCANCODE_0) return VK_0;
  if (sc >= SDL_SCANCODE_F1 && sc <= SDL_SCANCODE_F12) return VK_F1 + (sc - SDL_SCANCODE_F1);
  switch (sc) {
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_KP_ENTER: return VK_RETURN;
    case SDL_SCANCODE_ESCAPE: return VK_ESCAPE;
    case SDL_SCANCODE_SPACE: return VK_SPACE;
    case SDL_SCANCODE_BACKSPACE: return VK_BACK;
    case SDL_SCANCODE_TAB: return VK_TAB;
    case SDL_SCANCODE_LSHIFT:
    case SDL_SCANCODE_RSHIFT: return VK_SHIFT;
    case SDL_SCANCODE_LCTRL:
    case SDL_SCANCODE_RCTRL: return VK_CONTROL;
    case SDL_SCANCODE_LALT:
    case SDL_SCANCODE_RALT: return VK_MENU;
    case SDL_SCANCODE_PAUSE: return VK_PAUSE;
    case SDL_SCANCODE_PAGEUP: return VK_PRIOR;
    case SDL_SCANCODE_PAGEDOWN: return VK_NEXT;
    case SDL_SCANCODE_END: return VK_END;
    case SDL_SCANCODE_HOME: return VK_HOME;
    case SDL_SCANCODE_LEFT: return VK_LEFT;
    case SDL_SCANCODE_UP: return VK_UP;
    case SDL_SCANCODE_RIGHT: return VK_RIGHT;
    case SDL_SCANCODE_DOWN: return VK_DOWN;
    case SDL_SCANCODE_PRINTSCREEN: return VK_SNAPSHOT;
    case SDL_SCANCODE_INSERT: return VK_INSERT;
    case SDL_SCANCODE_DELETE: return VK_DELETE;
    default: return 0;
  }
}

namespace {

class SdlBackend : public Backend {
 public:
  ~SdlBackend() override { DestroyWindow(); }

  bool CreateWindow(const std::string& title, int width, int height, bool fullscreen) override {
    logical_w_ = width > 0 ? width : 800;
    logical_h_ = height > 0 ? height : 600;
    Uint32 flags = SDL_WINDOW_HIDDEN | (fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, logical_w_,
                               logical_h_, flags);
    if (!window_) {
      SDL_Log("window: %s", SDL_GetError());
      return false;
    }
    return true;
  }

  void ShowWindow() override {
    if (!window_) return;
    SDL_ShowWindow(window_);
    SDL_RaiseWindow(window_);
    // A shown window has focus; frames only run once the engine hears so.
    SetActive(true);
  }

  void DestroyWindow() override {
    if (scaled_) SDL_DestroyTexture(scaled_);
    scaled_ = nullptr;
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    texture_ = nullptr;
    renderer_ = nullptr;
    window_ = nullptr;
  }

  void RaiseWindow() override {
    if (window_) SDL_RaiseWindow(window_);
  }

  bool HasWindow() const override { return window_ != nullptr; }

  void ScreenSize(int& width, int& height) const override {
    SDL_DisplayMode mode{};
    if (SDL_GetDesktopDisplayMode(0, &mode) == 0) {
      width = mode.w;
      height = mode.h;
    } else {
      width = logical_w_;
      height = logical_h_;
    }
  }

  void PumpEvents() override {
    if (TakeRaiseRequest()) RaiseWindow();
    SDL_Event e;
    while (SDL_PollEvent(&e)) Translate(e);
  }

  void WaitEvents(int timeout_ms) override {
    SDL_Event e;
    if (SDL_WaitEventTimeout(&e, timeout_ms)) Translate(e);
  }

  void Present(const uint16_t* pixels, int width, int height, int pitch) override {
    if (!window_ || !pixels || width <= 0 || height <= 0) return;
    if (!EnsureRenderer(width, height)) return;
    SDL_UpdateTexture(texture_, nullptr, pixels, pitch);
    int out_w = 0, out_h = 0;
    SDL_GetRendererOutputSize(renderer_, &out_w, &out_h);
    box_ = ComputeLetterbox(out_w, out_h, width, height);
    SDL_SetRenderTarget(renderer_, nullptr);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    const SDL_Rect dst{box_.dst.left, box_.dst.top, box_.dst.right - box_.dst.left, box_.dst.bottom - box_.dst.top};
    SDL_Texture* source = texture_;
    // Sharp up to the largest whole factor, then smooth the rest of the way.
    if (box_.integer_scale > 1 && EnsureScaled(width * box_.integer_scale, height * box_.integer_scale)) {
      SDL_SetRenderTarget(renderer_, scaled_);
      SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
      SDL_SetRenderTarget(renderer_, nullptr);
      source = scaled_;
    }
    SDL_SetTextureScaleMode(source, dst.w == width * box_.integer_scale ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
    SDL_RenderCopy(renderer_, source, nullptr, &dst);
    // Only a present that was asked to wait for the vertical blank is paced
    // to the display; the others are shown at once.
    const bool paced = wait_asked_ && !vsync_refused_;
    wait_asked_ = false;
    if (paced != vsync_) {
      if (SDL_RenderSetVSync(renderer_, paced ? 1 : 0) == 0)
        vsync_ = paced;
      else if (paced)
        vsync_refused_ = true;
    }
    SDL_RenderPresent(renderer_);
  }

  // The renderer waits inside the present that follows.
  bool WaitVerticalBlank() override {
    wait_asked_ = true;
    return !vsync_refused_;
  }

  void ShowCursor(bool visible) override { SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE); }

  void ConfineCursor(const Rect* rect) override {
    confine_ = rect != nullptr;
    if (window_) SDL_SetWindowGrab(window_, confine_ && active_ ? SDL_TRUE : SDL_FALSE);
  }

  void SetCursorPos(int x, int y) override {
    if (window_) SDL_WarpMouseInWindow(window_, x, y);
  }

  void GetCursorPos(int& x, int& y) const override { SDL_GetMouseState(&x, &y); }

  int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override {
    const int dismissed = DismissedAnswer(flags);
    if (TerminationPending()) return dismissed;
    // The box runs on a thread of its own so that this thread can give it up
    // on a close request; what the box reads is owned by that thread.
    auto box = std::make_shared<BoxCall>();
    box->text = text;
    box->caption = caption;
    box->answer = dismissed;
    const bool yesno = (flags & 0xF) == MB_YESNO;
    if (yesno) {
      box->buttons[box->count++] = {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, IDYES, "はい"};
      box->buttons[box->count++] = {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, IDNO, "いいえ"};
    } else {
      box->buttons[box->count++] = {
          SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, IDOK, "OK"};
    }
    // Leave a confined pointer free while the box is up.
    if (window_) SDL_SetWindowGrab(window_, SDL_FALSE);
    const std::vector<pid_t> children_before = ChildProcesses();
    SDL_Window* parent = window_;
    std::thread([box, parent] {
      SDL_MessageBoxData data{};
      data.flags = SDL_MESSAGEBOX_WARNING;
      data.window = parent;
      data.title = box->caption.c_str();
      data.message = box->text.c_str();
      data.numbuttons = box->count;
      data.buttons = box->buttons;
      int pressed = box->answer;
      if (SDL_ShowMessageBox(&data, &pressed) == 0) box->answer = pressed;
      box->done = true;
    }).detach();
    const int answer = WaitModal(
        [&](int& a) {
          if (!box->done) return false;
          a = box->answer;
          return true;
        },
        dismissed);
    if (!box->done) {
      // Given up: a box SDL shows from a child process of ours goes with it.
      for (pid_t child : ChildProcesses())
        if (std::find(children_before.begin(), children_before.end(), child) == children_before.end())
          kill(child, SIGTERM);
    }
    if (window_ && confine_ && active_) SDL_SetWindowGrab(window_, SDL_TRUE);
    return answer;
  }

  // Through the game's own mixer; silent on a machine without sound.
  void Beep() override { PlayBeep(); }

 private:
  struct BoxCall {
    std::string text, caption;
    SDL_MessageBoxButtonData buttons[2]{};
    int count = 0;
    std::atomic<int> answer{0};
    std::atomic<bool> done{false};
  };

  // The processes this process has started, from every thread's list.
  static std::vector<pid_t> ChildProcesses() {
    std::vector<pid_t> pids;
    std::error_code ec;
    for (const auto& task : std::filesystem::directory_iterator("/proc/self/task", ec)) {
      std::ifstream children(task.path() / "children");
      long pid = 0;
      while (children >> pid) pids.push_back(static_cast<pid_t>(pid));
    }
    return pids;
  }

  bool EnsureRenderer(int width, int height) {
    if (!renderer_) {
      const char* driver = SDL_GetCurrentVideoDriver();
      const bool dummy = driver && SDL_strcmp(driver, "dummy") == 0;
      Uint32 flags = dummy ? SDL_RENDERER_SOFTWARE : (SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
      renderer_ = SDL_CreateRenderer(window_, -1, flags);
      if (!renderer_ && !dummy) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
      if (!renderer_) return false;
      SDL_RendererInfo info{};
      if (SDL_GetRendererInfo(renderer_, &info) == 0) vsync_ = (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
      vsync_refused_ = false;
    }
    if (!texture_ || tex_w_ != width || tex_h_ != height) {
      if (texture_) SDL_DestroyTexture(texture_);
      texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING, width, height);
      if (texture_) SDL_SetTextureScaleMode(texture_, SDL_ScaleModeNearest);
      tex_w_ = width;
      tex_h_ = height;
    }
    return texture_ != nullptr;
  }

  // The frame enlarged by a whole factor, as a render target.
  bool EnsureScaled(int w, int h) {
    if (scaled_ && scaled_w_ == w && scaled_h_ == h) return true;
    if (scaled_) SDL_DestroyTexture(scaled_);
    scaled_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_TARGET, w, h);
    scaled_w_ = w;
    scaled_h_ = h;
    return scaled_ != nullptr;
  }

  void SetActive(bool active) {
    if (active == active_) return;
    active_ = active;
    PostMessage(1, Msg::ActivateApp, active ? 1 : 0, 0);
    if (window_) SDL_SetWindowGrab(window_, confine_ && active_ ? SDL_TRUE : SDL_FALSE);
  }

  // Window coordinates to screen pixels of the frame, through the letterbox.
  void MousePos(int wx, int wy, int& x, int& y) const {
    int win_w = 0, win_h = 0, out_w = 0, out_h = 0;
    SDL_GetWindowSize(window_, &win_w, &win_h);
    if (renderer_) SDL_GetRendererOutputSize(renderer_, &out_w, &out_h);
    if (win_w > 0 && out_w > 0) {
      wx = static_cast<int>(static_cast<long long>(wx) * out_w / win_w);
      wy = static_cast<int>(static_cast<long long>(wy) * out_h / win_h);
    }
    // Until the first frame is shown the engine's screen is taken as 800x600.
    const int fw = tex_w_ > 0 ? tex_w_ : 800, fh = tex_h_ > 0 ? tex_h_ : 600;
    if (renderer_ && box_.dst.right > box_.dst.left) {
      OutputToFrame(box_, fw, fh, wx, wy, x, y);
    } else {
      x = std::clamp(wx, 0, fw - 1);
      y = std::clamp(wy, 0, fh - 1);
    }
  }

  void Translate(const SDL_Event& e) {
    switch (e.type) {
      case SDL_QUIT:
        PostMessage(1, Msg::Close);
        break;
      case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) SetActive(true);
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) SetActive(false);
        if (e.window.event == SDL_WINDOWEVENT_CLOSE) PostMessage(1, Msg::Close);
        break;
      case SDL_KEYDOWN:
      case SDL_KEYUP: {
        const int vk = VirtualKeyFromScancode(e.key.keysym.scancode);
        if (!vk) break;
        const bool down = e.type == SDL_KEYDOWN;
        // Alt, F10 and any key with Alt held are system keys.
        const bool sys = vk == VK_MENU || vk == VK_F10 || (e.key.keysym.mod & KMOD_ALT);
        Msg m = down ? (sys ? Msg::SysKeyDown : Msg::KeyDown) : (sys ? Msg::SysKeyUp : Msg::KeyUp);
        PostMessage(1, m, static_cast<WParam>(vk), 0);
        break;
      }
      case SDL_MOUSEMOTION: {
        int x, y;
        MousePos(e.motion.x, e.motion.y, x, y);
        PostMouseMove(x, y);
        PostMessage(1, Msg::SetCursor, 0, 0);
        break;
      }
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP: {
        int button = e.button.button == SDL_BUTTON_LEFT ? 0 : (e.button.button == SDL_BUTTON_RIGHT ? 1 : -1);
        if (button < 0) break;
        int x, y;
        MousePos(e.button.x, e.button.y, x, y);
        PostMouseButton(button, e.type == SDL_MOUSEBUTTONDOWN, x, y, TimeGetTime());
        break;
      }
      default:
        break;
    }
  }

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  int tex_w_ = 0, tex_h_ = 0;
  SDL_Texture* scaled_ = nullptr;
  int scaled_w_ = 0, scaled_h_ = 0;
  Letterbox box_{};
  int logical_w_ = 800, logical_h_ = 600;
  bool vsync_ = false;          // the renderer paces its presents
  bool wait_asked_ = false;     // the next present waits for the vertical blank
  bool vsync_refused_ = false;  // the renderer cannot pace
  bool active_ = false;
  bool confine_ = false;
};

// Made and destroyed only by Install and Shutdown, never by a static
// destructor: at an exit() from inside a library (Xlib's on a lost display)
// destroying the window would wait for ever on a dead connection.
SdlBackend* g_sdl = nullptr;
void (*g_on_display_failure)() = nullptr;
pid_t g_game_process = 0;

struct _XDisplay;  // Xlib's display, only ever passed through
// Xlib's error event, as its header lays it out.
struct XErrorReport {
  int type;
  _XDisplay* display;
  unsigned long resource;
  unsigned long serial;
  unsigned char error_code;
  unsigned char request_code;
  unsigned char minor_code;
};
using XIoErrorHandler = int (*)(_XDisplay*);
using XErrorHandler = int (*)(_XDisplay*, XErrorReport*);
using XGetErrorTextFunction = int (*)(_XDisplay*, int, char*, int);
XGetErrorTextFunction g_error_text = nullptr;

// Ends the program from inside Xlib: returning (or Xlib's own handlers) would
// exit(), whose teardown blocks on the display or races the threads still
// running; so what must not be lost is saved and the program ends here,
// touching nothing that lived on the display.
[[noreturn]] void EndOnDisplayFailure(const char* what) {
  // A forked helper (the error box's) has a connection of its own, and the
  // same handlers: it only ends, leaving the saving and the word to the game.
  if (getpid() != g_game_process) _exit(1);
  if (g_on_display_failure) g_on_display_failure();
  std::fprintf(stderr, "quorvane: %s; the game ends\n", what);
  _exit(1);
}

// Xlib calls this when the connection to the X server breaks (the server
// ended, a tunnel dropped).
int OnDisplayLost(_XDisplay*) { EndOnDisplayFailure("the connection to the display was lost"); }

// Xlib calls this for an error that nobody was ready for: with Xlib's default
// handler it would end the program through exit() (a window destroyed by
// another program makes the next present fail so). SDL's own short-lived
// handlers, which it sets around the calls it expects to fail, stay in force
// while they are set. The one SDL leaves standing only restores display
// modes, which this game never changes, so it is replaced.
int OnDisplayError(_XDisplay* display, XErrorReport* error) {
  char name[128] = "unknown error";
  if (g_error_text && error) g_error_text(display, error->error_code, name, sizeof name);
  char what[256];
  std::snprintf(what, sizeof what, "the display refused a request (%s, request %u.%u)", name,
                error ? error->request_code : 0u, error ? error->minor_code : 0u);
  EndOnDisplayFailure(what);
}

// SDL loads Xlib itself, privately; the handlers are set through the library
// SDL loaded, so that nothing here links to X.
void WatchForDisplayFailures() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!driver || SDL_strcmp(driver, "x11") != 0) return;
  void* xlib = dlopen("libX11.so.6", RTLD_NOW | RTLD_NOLOAD);
  if (!xlib) return;
  // The handle stays open: the handlers must outlive any unload.
  g_error_text = reinterpret_cast<XGetErrorTextFunction>(dlsym(xlib, "XGetErrorText"));
  using SetIoHandler = XIoErrorHandler (*)(XIoErrorHandler);
  if (auto set = reinterpret_cast<SetIoHandler>(dlsym(xlib, "XSetIOErrorHandler"))) set(&OnDisplayLost);
  using SetHandler = XErrorHandler (*)(XErrorHandler);
  if (auto set = reinterpret_cast<SetHandler>(dlsym(xlib, "XSetErrorHandler"))) set(&OnDisplayError);
}

// SDL draws a message box's text in the character set of the locale that the
// environment names, read when the box opens; under a locale of another
// codeset (LANG=C) our UTF-8 texts stop at their first Japanese character.
// So the character type, and only where it is not UTF-8 already, becomes
// C.UTF-8 for the whole program (nothing else here reads the locale).
void UseUtf8CharacterType() {
  const char* current = setlocale(LC_CTYPE, nullptr);
  const std::string saved = current ? current : "C";
  bool utf8 = false;
  if (setlocale(LC_CTYPE, "")) utf8 = SDL_strcmp(nl_langinfo(CODESET), "UTF-8") == 0;
  const bool available = setlocale(LC_CTYPE, "C.UTF-8") != nullptr;
  setlocale(LC_CTYPE, saved.c_str());
  if (utf8 || !available) return;
  // LC_ALL, when set, overrides every category.
  const char* all = SDL_getenv("LC_ALL");
  setenv(all && *all ? "LC_ALL" : "LC_CTYPE", "C.UTF-8", 1);
}

}  // namespace

bool InstallSdlBackend(void (*on_display_failure)()) {
  UseUtf8CharacterType();
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    SDL_Log("SDL: %s", SDL_GetError());
    return false;
  }
  // Without a display SDL falls back to drivers that show nothing; the game
  // would then play unseen. Those run only when asked for by name.
  const char* asked = SDL_getenv("SDL_VIDEODRIVER");
  const char* driver = SDL_GetCurrentVideoDriver();
  const bool invisible = driver && (SDL_strcmp(driver, "offscreen") == 0 || SDL_strcmp(driver, "dummy") == 0);
  if (invisible && !(asked && *asked)) {
    std::fprintf(stderr,
                 "quorvane: no display found (neither DISPLAY nor WAYLAND_DISPLAY is usable); start it from a "
                 "desktop session\n");
    SDL_Quit();
    return false;
  }
  g_on_display_failure = on_display_failure;
  g_game_process = getpid();
  WatchForDisplayFailures();
  g_sdl = new SdlBackend();
  SetBackend(g_sdl);
  return true;
}

void ShutdownSdlBackend() {
  SetBackend(nullptr);
  delete g_sdl;
  g_sdl = nullptr;
  SDL_Quit();
}

}  // namespace platform
