#include "platform/music_source.h"

#include <mutex>

namespace platform {
namespace {
std::mutex g_music_mutex;
MusicSource* g_music = nullptr;
}  // namespace

void SetMusicSource(MusicSource* source) {
  std::lock_guard<std::mutex> lock(g_music_mutex);
  g_music = source;
}

void RenderMusic(float* out, int frames, int sample_rate) {
  std::lock_guard<std::mutex> lock(g_music_mutex);
  if (g_music && frames > 0) g_music->Render(out, frames, sample_rate);
}

}  // namespace platform
