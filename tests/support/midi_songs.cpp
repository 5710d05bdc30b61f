#include "support/midi_songs.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace testing_support {

platform::MidiSong OneNoteSong() {
  platform::MidiSong song;
  song.length = 960;
  song.parts.push_back({0, 0, {{0, 480, 72, 110}}});
  return song;
}

platform::MidiSong EighthNotesSong() {
  platform::MidiSong song;
  song.length = 960;
  platform::MidiPart part{0, 0, {}};
  for (uint32_t t = 0; t < 960; t += 240) part.notes.push_back({t, 200, 67, 110});
  song.parts.push_back(part);
  return song;
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

float Peak(const std::vector<float>& samples, size_t first, size_t last) {
  float peak = 0.0f;
  for (size_t i = 2 * first; i < 2 * last && i < samples.size(); ++i) peak = std::max(peak, std::fabs(samples[i]));
  return peak;
}

size_t Onset(const std::vector<float>& samples, size_t from, float threshold) {
  for (size_t i = 2 * from; i < samples.size(); ++i)
    if (std::fabs(samples[i]) > threshold) return i / 2;
  return SIZE_MAX;
}

TempFolder::TempFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "quorvane-music-XXXXXX").string();
  if (mkdtemp(pattern.data())) path_ = pattern + "/";
}

TempFolder::~TempFolder() {
  if (path_.empty()) return;
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}

}  // namespace testing_support
