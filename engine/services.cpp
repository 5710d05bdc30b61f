#include "engine/services.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/frame.h"
#include "engine/system.h"
#include "platform/backend.h"
#include "platform/file_replace.h"
#include "platform/system.h"

namespace elSystem {

namespace {

std::string VFormat(const char* format, va_list args) {
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  if (n <= 0) return std::string();
  std::vector<char> buf(static_cast<size_t>(n) + 1);
  std::vsnprintf(buf.data(), buf.size(), format, args);
  return std::string(buf.data(), static_cast<size_t>(n));
}

int ShowBox(const std::string& text, unsigned flags) {
  if (CursorShownFlag == 0) {
    platform::CurrentBackend().ShowCursor(true);
    CursorShownFlag = 1;
  }
  MessageBoxOpenFlag = 1;
  const int answer = platform::MessageBox(text + "\r\n", MessageCaption, flags);
  MessageBoxOpenFlag = 0;
  ResetFrameTime();
  return answer;
}

std::string ConfigFolder() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && *xdg) return xdg;
  const char* home = std::getenv("HOME");
  return std::string(home && *home ? home : ".") + "/.config";
}

}  // namespace

int Error(const char* location, const char* message, long, const char* file) {
  const std::string text = std::string(location ? location : "") + " : " + (message ? message : "");
  Beep();
  platform::MessageBox(text, ErrorCaption, platform::MB_SYSTEMMODAL | platform::MB_ICONEXCLAMATION, file ? file : "");
  ErrorFlag = 1;
  return 0;
}

int GetErrorFlag() { return ErrorFlag; }

int ExitOnError() {
  if (ErrorFlag) Exit();
  return ErrorFlag;
}

void Beep() { platform::Beep(); }

int Message(const char* format, ...) {
  va_list args;
  va_start(args, format);
  const std::string text = VFormat(format, args);
  va_end(args);
  ShowBox(text, platform::MB_SYSTEMMODAL | platform::MB_ICONEXCLAMATION);
  return 1;
}

int Question(const char* format, ...) {
  va_list args;
  va_start(args, format);
  const std::string text = VFormat(format, args);
  va_end(args);
  return ShowBox(text, platform::MB_YESNO | platform::MB_ICONQUESTION) == platform::IDYES ? 1 : 0;
}

const std::string& GetPath(int redirect) {
  ProgramFolder = platform::ProgramFolder();
  if (redirect == 1 && !DataFolder.empty()) {
    // The program folder's own name, with its trailing separator.
    const size_t last = ProgramFolder.find_last_of('/', ProgramFolder.size() >= 2 ? ProgramFolder.size() - 2 : 0);
    const std::string own = last == std::string::npos ? ProgramFolder : ProgramFolder.substr(last + 1);
    ProgramFolder = DataFolder + "/" + own;
  }
  return ProgramFolder;
}

void ReadDataDir(const char* name) {
  DataFolder.clear();
  std::FILE* f = platform::OpenRegularFile(ConfigFolder() + "/" + (name ? name : ""));
  if (!f) return;
  char line[256] = {};
  if (std::fgets(line, sizeof line, f)) {
    std::string s = line;
    if (!s.empty() && s.back() == '\n') s.pop_back();
    if (!s.empty() && (s.back() == '/' || s.back() == '\\')) s.pop_back();
    DataFolder = s;
  }
  std::fclose(f);
}

const std::string& CommandLine() { return CommandLineCopy; }

int WriteNumber(const char* name, int value) {
  std::FILE* f = platform::OpenFile(GetPath(1) + (name ? name : ""), "w");
  if (!f) return 0;
  std::fprintf(f, "%d", value);
  std::fclose(f);
  return 1;
}

int SaveNumber(const char* name, int value) { return WriteNumber(name, value); }

int ReadNumber(const char* name) {
  std::FILE* f = platform::OpenRegularFile(GetPath(1) + (name ? name : ""));
  if (!f) return 0;  // a missing file reads as 0
  int value = 0;
  if (std::fscanf(f, "%d", &value) != 1) value = 0;
  std::fclose(f);
  return value;
}

int LoadNumber(const char* name) { return ReadNumber(name); }

void Log(const char* format, ...) {
  std::FILE* f = std::fopen("DEBUG.TXT", "a");
  if (!f) return;
  va_list args;
  va_start(args, format);
  const std::string text = VFormat(format, args);
  va_end(args);
  std::fprintf(f, "%s\n", text.c_str());
  std::fclose(f);
}

void GetDate(int& year, int& month, int& day, std::string& weekday) {
  static const char* const names[7] = {"日", "月", "火", "水", "木", "金", "土"};
  const platform::LocalTime t = platform::GetLocalTime();
  year = t.year;
  month = t.month;
  day = t.day;
  weekday = names[(t.weekday % 7 + 7) % 7];
}

void GetTime(int& hour, int& minute, int& second) {
  const platform::LocalTime t = platform::GetLocalTime();
  hour = t.hour;
  minute = t.minute;
  second = t.second;
}

uint32_t DiskFree(char) {
  // There are no drive letters here: the program's own file system is asked.
  const uint64_t bytes = platform::DiskFreeBytes(platform::ProgramFolder());
  return bytes > 0xFFFFFFFFull ? 0xFFFFFFFFu : static_cast<uint32_t>(bytes);
}

uint64_t FreeMemory() { return platform::FreeMemoryBytes(); }

int VersionNumber(int platform_id, int major, int minor) {
  switch (platform_id) {
    case 0:
      return 310;
    case 1:
      if (major == 4 && minor == 0) return 950;
      if (major == 4 && minor > 0) return 980;
      return major * 100 + minor;
    case 2:
      if (major == 5) return 2000;
      return major * 1000 + minor * 10;
    default:
      return -1;
  }
}

int WindowsVersion() {
  const platform::OsVersion v = platform::GetOsVersion();
  return VersionNumber(v.platform, v.major, v.minor);
}

}  // namespace elSystem
