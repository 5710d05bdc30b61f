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

// The most MIDI events (channel messages and system exclusives) the
// synthesiser is given in one of its blocks of 64 frames, about 1.5 ms. A
// block of 1024 note-ons costs it about 3 ms (bench/bench_music.cpp), where a
// file that passes the checker could otherwise hand it hundreds of thousands
// in one block. Many General MIDI and GS songs set up all sixteen parts at
// their first tick, some 1,100 events with the chords they strike, and a
// loop puts the end of one pass and the start of the next in one block, so
// the events past a block's share are not dropped: they wait, in order, for
// the following blocks, and the events that come while some wait queue up
// behind them.
constexpr int MaxBlockEvents = 1024;
// The most events that may wait. A song that has more waiting (or more than
// 64 KiB of system exclusives) floods the synthesiser: it is stopped there,
// as if by a command (a notification is aborted), and its waiting events are
// dropped. A waiting event sounds at most 8 blocks late, 11.6 ms at 44.1 kHz,
// less than a frame of the game; the synthesiser takes about 25 ms to catch
// up with a full backlog of note-ons, 9 blocks of 1024 (bench/README.md). No
// real song comes near: sixteen parts set up at one instant with their
// chords leave under a hundred events waiting, for one block, while a flood
// fills the backlog within a few blocks, the largest file in its first.
constexpr int MaxBacklogEvents = 8 * MaxBlockEvents;

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
  // The events given to the synthesiser since the song was opened, at once
  // or after waiting.
  int64_t EventsGiven() const;

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
  // An event is given to the synthesiser and counted.
  int Give(_fluid_midi_event_t* event);
  // An event is put at the end of the backlog; false when there is no room.
  bool Defer(_fluid_midi_event_t* event);
  // The backlog's events are given, oldest first, up to the block's share.
  void GiveBacklog();
  void DropBacklog();
  bool EnsureSynth(int sample_rate, std::string* problem);
  void DeleteSynth();
  bool MakePlayer();
  void DeletePlayer();
  // Sounding notes are released and the events still waiting are dropped.
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
  int block_events_ = 0;  // events given to the synthesiser in the block being made
  bool flooded_ = false;  // and whether the backlog overflowed in it
  int most_block_events_ = 0;
  int64_t events_given_ = 0;
  bool flood_said_ = false;  // for the song open

  // An event waiting for a later block: a channel message, or a system
  // exclusive whose data waits in backlog_data_.
  struct Deferred {
    uint8_t type = 0;
    uint8_t channel = 0;
    int param1 = 0;
    int param2 = 0;
    uint32_t data_size = 0;
  };
  // A ring of MaxBacklogEvents, made with the first song.
  std::vector<Deferred> backlog_;
  size_t backlog_first_ = 0;
  size_t backlog_size_ = 0;
  // The waiting system exclusives' data, in their order; the first
  // backlog_data_given_ bytes are those of system exclusives already given.
  std::vector<uint8_t> backlog_data_;
  size_t backlog_data_given_ = 0;
  // A waiting event is handed to the synthesiser in this one.
  _fluid_midi_event_t* replay_ = nullptr;
};

// The one sequencer; it installs itself as the mixer's music source when a
// sequence is opened.
MidiSequencer& Sequencer();

}  // namespace platform
