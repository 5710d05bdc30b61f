// The balance of our own sounds against our own music, as a player hears it
// in stage 2: the mix while the first shot set fires and craft explode,
// against the music alone (the stage paused, the same song playing on).
// Shots and explosions must leave the music audible and never clip.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "game/player.h"
#include "game/stage.h"
#include "platform/midi_sequencer.h"
#include "platform/mixer.h"
#include "player_fixture.h"

namespace {

bool HaveSoundFont() {
  for (const std::string& p : platform::DefaultSoundFontPaths())
    if (access(p.c_str(), R_OK) == 0) return true;
  return false;
}

struct Level {
  double rms = 0.0, peak = 0.0;
};

Level Measure(const std::vector<int16_t>& samples) {
  Level l;
  double sum = 0.0;
  for (int16_t s : samples) {
    const double v = s / 32768.0;
    sum += v * v;
    l.peak = std::max(l.peak, std::fabs(v));
  }
  l.rms = samples.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(samples.size()));
  return l;
}

class MixBalanceTest : public testing_support::PlayerTest {
 protected:
  // Frames of the game with the mixer pulled 1/60 s after each, as the
  // audio device would.
  std::vector<int16_t> Play(int frames) {
    std::vector<int16_t> out;
    for (int i = 0; i < frames; ++i) {
      player::RespawnFlag = 1;  // hits undone: the stage runs on
      player::RespawnCounter = 0;
      h.Frame();
      const size_t at = out.size();
      out.resize(at + 2 * platform::MixerRate / 60);
      platform::MixerRender(out.data() + at, platform::MixerRate / 60);
    }
    return out;
  }
};

TEST_F(MixBalanceTest, ShotsAndExplosionsLeaveTheMusicAudibleAndNeverClip) {
  if (!HaveSoundFont()) GTEST_SKIP() << "no General MIDI soundfont installed";
  StartLiveGame();
  ASSERT_EQ(platform::Sequencer().Mode(), platform::SequenceMode::Playing);
  // The ship sweeps the lower field with the first shot set held.
  h.KeyDown('Z');
  std::vector<int16_t> inPlay;
  for (int sweep = 0; sweep < 6; ++sweep) {
    h.KeyDown(sweep % 2 ? platform::VK_LEFT : platform::VK_RIGHT);
    const std::vector<int16_t> part = Play(150);
    h.KeyUp(sweep % 2 ? platform::VK_LEFT : platform::VK_RIGHT);
    inPlay.insert(inPlay.end(), part.begin(), part.end());
  }
  h.KeyUp('Z');
  // Paused, the sounds die away and the song plays on alone.
  Tap('S');
  ASSERT_EQ(stage::PauseFlag, 1);
  Play(120);
  const Level music = Measure(Play(900));
  const Level mix = Measure(inPlay);
  const double db = 20.0 * std::log10(mix.rms / music.rms);
  RecordProperty("mix_rms", std::to_string(mix.rms));
  RecordProperty("music_rms", std::to_string(music.rms));
  std::printf("mix in play: rms %.3f peak %.3f; music alone: rms %.3f peak %.3f; %.1f dB\n", mix.rms, mix.peak,
              music.rms, music.peak, db);
  EXPECT_GT(music.rms, 0.01) << "the music is silent";
  EXPECT_LE(db, 6.0) << "the music drowns under the shots and explosions";
  EXPECT_LE(mix.peak, 0.9);
  EXPECT_LE(music.peak, 0.9);
}

}  // namespace
