#include "platform/mci.h"

#include <strings.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string_view>

#include "platform/file_replace.h"
#include "platform/midi_file.h"
#include "platform/midi_sequencer.h"
#include "platform/music_source.h"
#include "platform/system.h"

namespace platform {
namespace {

std::vector<std::string>* g_log = nullptr;
std::string g_alias;  // the open sequence's name; empty when none is open

bool Same(std::string_view a, const char* b) {
  return a.size() == std::strlen(b) && strncasecmp(a.data(), b, a.size()) == 0;
}

// The words of a command, as views into it: no command the library sends
// has more than a handful, so a stopped or closed song allocates nothing.
struct Words {
  static constexpr size_t Most = 16;
  std::string_view at[Most];
  size_t count = 0;
  size_t size() const { return count; }
  bool empty() const { return count == 0; }
  std::string_view operator[](size_t i) const { return at[i]; }
};

// Words separated by blanks; a word in double quotes may hold blanks. An
// unclosed quote, or more words than any command has, makes the command
// unreadable.
std::optional<Words> Split(std::string_view command) {
  Words words;
  size_t i = 0;
  while (i < command.size()) {
    if (std::isspace(static_cast<unsigned char>(command[i]))) {
      ++i;
      continue;
    }
    if (words.count == Words::Most) return std::nullopt;
    if (command[i] == '"') {
      const size_t close = command.find('"', i + 1);
      if (close == std::string_view::npos) return std::nullopt;
      words.at[words.count++] = command.substr(i + 1, close - i - 1);
      i = close + 1;
      continue;
    }
    size_t end = i;
    while (end < command.size() && !std::isspace(static_cast<unsigned char>(command[end]))) ++end;
    words.at[words.count++] = command.substr(i, end - i);
    i = end;
  }
  return words;
}

// The whole file, or nothing when it cannot be read; of a file too large to
// be a song of ours only enough to fail the check.
std::optional<std::vector<uint8_t>> ReadSong(const std::string& path) {
  std::vector<uint8_t> bytes;
  if (ReadRegularFileStart(path, MaxMidiFileBytes + 1, bytes, Links::Followed) != ReadResult::Read)
    return std::nullopt;
  return bytes;
}

int Open(const Words& words) {
  if (words.size() < 2) return MciBadParameters;
  const std::string path(words[1]);
  std::string alias = path;
  for (size_t i = 2; i < words.size(); i += 2) {
    if (i + 1 >= words.size()) return MciBadParameters;
    if (Same(words[i], "type")) {
      if (!Same(words[i + 1], "sequencer")) return MciBadParameters;
    } else if (Same(words[i], "alias")) {
      alias = std::string(words[i + 1]);
    } else {
      return MciBadParameters;
    }
  }
  if (!g_alias.empty()) return MciDeviceBusy;

  const std::optional<std::vector<uint8_t>> song = ReadSong(path);
  if (!song) {
    std::fprintf(stderr, "quorvane: music file %s cannot be read: no music\n", path.c_str());
    return MciFileNotFound;
  }
  std::string problem;
  if (!CheckMidiFile(song->data(), song->size(), &problem)) {
    std::fprintf(stderr, "quorvane: music file %s is unusable (%s): no music\n", path.c_str(), problem.c_str());
    return MciBadFile;
  }
  if (!Sequencer().Open(*song, &problem)) {
    std::fprintf(stderr, "quorvane: music file %s cannot be played (%s): no music\n", path.c_str(),
                 problem.c_str());
    return MciNoSynthesiser;
  }
  g_alias = alias;
  SetMusicSource(&Sequencer());
  return MciOk;
}

}  // namespace

int MciSendString(const std::string& command, std::string* reply, WindowHandle notify_window) {
  if (g_log) g_log->push_back(command);
  if (reply) reply->clear();
  const std::optional<Words> parsed = Split(command);
  if (!parsed || parsed->empty()) return MciUnknownCommand;
  const Words& words = *parsed;
  const std::string_view verb = words[0];

  if (Same(verb, "open")) return Open(words);
  static const char* const kVerbs[] = {"play", "seek", "stop", "close", "status"};
  bool known = false;
  for (const char* v : kVerbs) known = known || Same(verb, v);
  if (!known) return MciUnknownCommand;
  if (words.size() < 2 || g_alias.empty() || !Same(words[1], g_alias.c_str())) return MciUnknownDevice;

  const size_t extra = words.size() - 2;
  MidiSequencer& sequencer = Sequencer();
  if (Same(verb, "play")) {
    if (extra == 0) {
      sequencer.Play(0);
    } else if (extra == 1 && Same(words[2], "notify")) {
      sequencer.Play(notify_window);
    } else {
      return MciBadParameters;
    }
  } else if (Same(verb, "seek")) {
    if (extra != 2 || !Same(words[2], "to") || !Same(words[3], "start")) return MciBadParameters;
    sequencer.SeekToStart();
  } else if (Same(verb, "stop")) {
    if (extra != 0) return MciBadParameters;
    sequencer.Stop();
  } else if (Same(verb, "close")) {
    if (extra != 0) return MciBadParameters;
    sequencer.Close();
    g_alias.clear();
  } else {  // status
    if (extra != 1 || !Same(words[2], "mode")) return MciBadParameters;
    if (reply) *reply = sequencer.Mode() == SequenceMode::Playing ? "playing" : "stopped";
  }
  return MciOk;
}

void SetMciCommandLog(std::vector<std::string>* log) { g_log = log; }

void CloseMciDevices() {
  Sequencer().Close();
  g_alias.clear();
}

}  // namespace platform
