// System services: the error box every engine failure goes through, message
// and question boxes, the program folder, number files, the debug log, date
// and time, and system queries.
#pragma once
#include <cstdint>
#include <string>

namespace elSystem {

inline int ErrorFlag = 0;
inline int MessageBoxOpenFlag = 0;
inline std::string ProgramFolder;
inline std::string DataFolder;

constexpr const char* ErrorCaption = "エラー発生";
constexpr const char* MessageCaption = "メッセージ";

// Shows "location : message" captioned "エラー発生"; returns 0.
// file, when given, names the file the error is about on the stderr line
// (the box keeps its own text).
int Error(const char* location, const char* message, long code = 0, const char* file = nullptr);
int GetErrorFlag();
int ExitOnError();
void Beep();
int Message(const char* format, ...) __attribute__((format(printf, 1, 2)));
int Question(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The program folder with a trailing '/', or the redirected data folder.
const std::string& GetPath(int redirect);
// Reads the data-folder redirection from a file in the system's
// configuration folder.
void ReadDataDir(const char* name);
const std::string& CommandLine();

int WriteNumber(const char* name, int value);
int SaveNumber(const char* name, int value);
int ReadNumber(const char* name);
int LoadNumber(const char* name);

void Log(const char* format, ...) __attribute__((format(printf, 1, 2)));

void GetDate(int& year, int& month, int& day, std::string& weekday);
void GetTime(int& hour, int& minute, int& second);

uint32_t DiskFree(char drive);
uint64_t FreeMemory();
int WindowsVersion();
// The version table, for a platform id (0 Win32s, 1 the 95 family, 2 NT).
int VersionNumber(int platform_id, int major, int minor);

}  // namespace elSystem
