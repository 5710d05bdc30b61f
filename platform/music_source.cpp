#include "platform/music_source.h"

#include <atomic>
#include <mutex>

namespace platform {
namespace {
std::mutex g_music_mutex;  // held while the source renders a block
std::atomic<MusicSource*> g_music{nullptr};
}  // namespace

void SetMusicSource(MusicSource* source) {
  // Every song is opened through the same source: putting it in place again
  // waits for nothing, not for a block that the song makes slow.
  if (g_music.load() == source) return;
  std::lock_guard<std::mutex> lock(g_music_mutex);
  g_music.store(source);
}

void RenderMusic(float* out, int frames, int sample_rate) {
  std::lock_guard<std::mutex> lock(g_music_mutex);
  MusicSource* const music = g_music.load();
  if (music && frames > 0) music->Render(out, frames, sample_rate);
}

}  // namespace platform
