// The music that the mixer renders beside the sound buffers: whoever plays
// music installs a source, and the mixer asks it for each block it mixes.
#pragma once

namespace platform {

class MusicSource {
 public:
  virtual ~MusicSource() = default;
  // Adds `frames` stereo frames (interleaved left, right; full scale +-1.0)
  // at `sample_rate` into `out`. Called on the mixing thread.
  virtual void Render(float* out, int frames, int sample_rate) = 0;
};

// Installs (or with nullptr removes) the music source. Once this returns the
// previous source is no longer being rendered and may be destroyed; the
// source already in place is left as it is at once.
void SetMusicSource(MusicSource* source);
// Called by the mixer for every block: adds the music into out.
void RenderMusic(float* out, int frames, int sample_rate);

}  // namespace platform
