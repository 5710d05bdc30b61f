// The MIDI sequencer: one sequence at a time, played by FluidSynth's player
// and synthesiser into the mixer's music slot (no audio driver of its own).
// The player loops by itself, so a restart lands exactly at the end of the
// song; each time the song ends while a notification is armed, the
// notification goes to the window queue and the sequence reports itself
// stopped until it is played again, while the audio runs on seamlessly.
#pragma once
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "platform/messages.h"
#include "platform/music_source.h"

// FluidSynth's types, kept out of every includer.
struct _fluid_hashtable_t;
struct _fluid_synth_t;
struct _fluid_player_t;
struct _fluid_midi_event_t;

namespace platform {

// The most MIDI events (channel messages and system exclusives) the player
// may give the synthesiser in one of its blocks of 64 frames, about 1.5 ms;
// the rest of that block's events are dropped, and the song is stopped there
// (a notification is aborted). The busiest instant of a real song, all
// sixteen channels set up and striking a chord of a dozen notes, is some 250
// events, and the synthesiser has 256 voices to sound them with; four times
// that leaves every real song whole. A block of 1024 events costs the
// synthesiser about 3 ms (bench/bench_music.cpp), where a file that passes
// the checker could otherwise hand it hundreds of thousands in one block.
constexpr int MaxBlockEvents = 1024;

// Where the General MIDI soundfont is looked for, in order (Debian's paths).
std::vector<std::string> DefaultSoundFontPaths();
// Replaces the search list; an empty list restores the defaults. The next
// synthesiser made uses it.
void SetSoundFontPaths(std::vector<std::string> paths);

enum class SequenceMode {
  Closed,
  Stopped,  // opened, stopped by a command, or not yet played
  Playing,
  Ended,    // the song reached its end while a notification was armed; the
            // player is already running the next pass from the start
};

class MidiSequencer : public MusicSource {
 public:
  ~MidiSequencer() override;

  // Opens a song (the bytes of a checked MIDI file). False when nothing can
  // be opened (a sequence is open, or no synthesiser could be made).
  bool Open(const std::vector<uint8_t>& song, std::string* problem);
  // Back to the start of the song, stopped; right after the song ended, the
  // player is there already and keeps running.
  void SeekToStart();
  // Plays from the current position. A window other than 0 is sent
  // MciNotify(MCI_NOTIFY_SUCCESSFUL) when the song ends.
  void Play(WindowHandle notify_window);
  // Pauses at the current position; sounding notes are released.
  void Stop();
  // Drops the sequence.
  void Close();
  SequenceMode Mode() const;
  // Whether the synthesiser has a soundfont (without one the music is silent
  // but keeps its time).
  bool HasSoundFont() const;
  // The most events the synthesiser was given in one of its blocks since the
  // song was opened (never more than MaxBlockEvents).
  int MostEventsInABlock() const;

  // Renders in the synthesiser's blocks of 64 frames. Between two of them a
  // command that is waiting for the sequencer goes first, so no command waits
  // for more than one such block, however slow the song makes them.
  void Render(float* out, int frames, int sample_rate) override;

 private:
  // Every command takes the sequencer through these, so that Render can tell
  // that one is waiting.
  std::unique_lock<std::mutex> Lock() const;
  void LetWaitingCommandsIn(std::unique_lock<std::mutex>& lock) const;
  // The player's events go through here on their way to the synthesiser.
  static int PassEvent(void* data, _fluid_midi_event_t* event);
  bool EnsureSynth(int sample_rate, std::string* problem);
  void DeleteSynth();
  bool MakePlayer();
  void DeletePlayer();
  void ReleaseNotes();
  // A pending notification is cancelled: the window hears "aborted".
  void AbortNotify();

  mutable std::mutex mutex_;
  mutable std::atomic<int> waiting_{0};  // commands waiting for mutex_
  _fluid_hashtable_t* settings_ = nullptr;
  _fluid_synth_t* synth_ = nullptr;
  _fluid_player_t* player_ = nullptr;
  int synth_rate_ = 0;
  int render_rate_ = 44100;  // the rate the mixer last asked for
  bool soundfont_ = false;
  std::vector<std::string> synth_paths_;  // the search list the synth was built with
  std::vector<uint8_t> song_;
  SequenceMode mode_ = SequenceMode::Closed;
  bool fresh_ = true;  // the player has not started yet
  int last_tick_ = 0;
  WindowHandle notify_window_ = 0;
  int block_events_ = 0;     // events given to the synthesiser in the block being made
  bool block_dropped_ = false;  // and whether any were dropped in it
  int most_block_events_ = 0;
  bool drop_said_ = false;
};

// The one sequencer; it installs itself as the mixer's music source when a
// sequence is opened.
MidiSequencer& Sequencer();

}  // namespace platform
