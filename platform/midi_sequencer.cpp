#include "platform/midi_sequencer.h"

#include <fluidsynth.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>

namespace platform {
namespace {

// The synthesiser's own limits on its sample rate.
constexpr int MinSampleRate = 8000;
constexpr int MaxSampleRate = 96000;
// FluidSynth renders in blocks of this many frames; the end of the song is
// looked for after each.
constexpr int BlockFrames = 64;
// The event types FluidSynth gives a system exclusive and a text meta event.
constexpr int SysexType = 0xF0;
constexpr int TextType = 0x01;
// The most system-exclusive data that may wait. The synthesiser acts only on
// short ones (resets, GS and XG settings, tunings of at most a few hundred
// bytes), and a song's set-up holds a few kilobytes of them at most.
constexpr size_t MaxBacklogDataBytes = 64 * 1024;
// FluidSynth's default output level leaves a single instrument faint beside
// the sound effects; this still leaves headroom for a full arrangement.
constexpr double SynthGain = 0.4;

std::mutex g_paths_mutex;
std::vector<std::string> g_paths;

std::vector<std::string> SoundFontPaths() {
  std::lock_guard<std::mutex> lock(g_paths_mutex);
  return g_paths.empty() ? DefaultSoundFontPaths() : g_paths;
}

}  // namespace

std::vector<std::string> DefaultSoundFontPaths() {
  return {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2",
          "/usr/share/sounds/sf2/FluidR3_GM.sf2"};
}

void SetSoundFontPaths(std::vector<std::string> paths) {
  std::lock_guard<std::mutex> lock(g_paths_mutex);
  g_paths = std::move(paths);
}

MidiSequencer::~MidiSequencer() {
  const std::unique_lock<std::mutex> lock = Lock();
  DeletePlayer();
  DeleteSynth();
  if (replay_) delete_fluid_midi_event(replay_);
}

bool MidiSequencer::EnsureSynth(int sample_rate, std::string* problem) {
  const std::vector<std::string> paths = SoundFontPaths();
  if (synth_ && synth_rate_ == sample_rate && synth_paths_ == paths) return true;
  DeletePlayer();
  DeleteSynth();
  // Its warnings (such as every note without an instrument when there is no
  // soundfont) would flood stderr; errors still get through.
  fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
  settings_ = new_fluid_settings();
  if (settings_) {
    fluid_settings_setnum(settings_, "synth.gain", SynthGain);
    fluid_settings_setnum(settings_, "synth.sample-rate", sample_rate);
    // Locking the samples in memory may be refused, and is not needed.
    fluid_settings_setint(settings_, "synth.lock-memory", 0);
    synth_ = new_fluid_synth(settings_);
  }
  if (!synth_) {
    DeleteSynth();
    if (problem) *problem = "the synthesiser could not be made";
    return false;
  }
  synth_rate_ = sample_rate;
  synth_paths_ = paths;
  soundfont_ = false;
  for (const std::string& path : paths) {
    if (access(path.c_str(), R_OK) == 0 && fluid_synth_sfload(synth_, path.c_str(), 1) != FLUID_FAILED) {
      soundfont_ = true;
      break;
    }
  }
  if (!soundfont_) {
    std::string looked;
    for (const std::string& path : paths) looked += (looked.empty() ? "" : ", ") + path;
    std::fprintf(stderr, "quorvane: no General MIDI soundfont found (%s): music is silent\n", looked.c_str());
  }
  return true;
}

void MidiSequencer::DeleteSynth() {
  if (synth_) delete_fluid_synth(synth_);
  if (settings_) delete_fluid_settings(settings_);
  synth_ = nullptr;
  settings_ = nullptr;
  synth_rate_ = 0;
  soundfont_ = false;
}

bool MidiSequencer::MakePlayer() {
  DeletePlayer();
  if (!synth_ || song_.empty()) return false;
  player_ = new_fluid_player(synth_);
  if (!player_) return false;
  if (fluid_player_add_mem(player_, song_.data(), song_.size()) != FLUID_OK) {
    DeletePlayer();
    return false;
  }
  fluid_player_set_loop(player_, -1);
  fluid_player_set_playback_callback(player_, &MidiSequencer::PassEvent, this);
  fresh_ = true;
  last_tick_ = 0;
  return true;
}

// Only ever called with mutex_ held, so the synthesiser is not rendering.
// The events still waiting belong to the player's song and go with it.
void MidiSequencer::DeletePlayer() {
  if (player_) delete_fluid_player(player_);
  player_ = nullptr;
  DropBacklog();
}

void MidiSequencer::ReleaseNotes() {
  // Given later, they would play on where the song was stopped.
  DropBacklog();
  if (!synth_) return;
  const int channels = fluid_synth_count_midi_channels(synth_);
  for (int ch = 0; ch < channels; ++ch) {
    // A held pedal would keep the notes sounding.
    fluid_synth_cc(synth_, ch, 64, 0);
    fluid_synth_cc(synth_, ch, 66, 0);
    fluid_synth_all_notes_off(synth_, ch);
  }
}

std::unique_lock<std::mutex> MidiSequencer::Lock() const {
  waiting_.fetch_add(1);
  std::unique_lock<std::mutex> lock(mutex_);
  waiting_.fetch_sub(1);
  waiting_.notify_all();
  return lock;
}

void MidiSequencer::LetWaitingCommandsIn(std::unique_lock<std::mutex>& lock) const {
  if (waiting_.load() == 0) return;
  // Unlocking alone would not do: this thread would take the lock again long
  // before a waiting one woke up. So it waits until each has had its turn.
  lock.unlock();
  for (int waiting = waiting_.load(); waiting > 0; waiting = waiting_.load()) waiting_.wait(waiting);
  lock.lock();
}

// Called by the player, inside fluid_synth_write_float, so with mutex_ held.
int MidiSequencer::PassEvent(void* data, fluid_midi_event_t* event) {
  auto* self = static_cast<MidiSequencer*>(data);
  // Meta events (tempo, text) only concern the player; the synthesiser does
  // nothing with them.
  if (fluid_midi_event_get_type(event) < 0x80) return fluid_synth_handle_midi_event(self->synth_, event);
  // The rest of a flood's block is dropped.
  if (self->flooded_) return FLUID_OK;
  // While some wait, every event waits behind them. (The player resets the
  // synthesiser by itself where it starts a pass again, so events of the
  // ending pass still waiting there, which only a last instant over a
  // block's share leaves, take effect after that reset.)
  if (self->backlog_size_ == 0 && self->block_events_ < MaxBlockEvents) return self->Give(event);
  if (!self->Defer(event)) {
    self->flooded_ = true;
    // The song is stopped after this block (see Render); meanwhile the
    // player is not to read the file anew for another pass.
    fluid_player_set_loop(self->player_, 0);
  }
  return FLUID_OK;
}

int MidiSequencer::Give(fluid_midi_event_t* event) {
  ++block_events_;
  ++events_given_;
  return fluid_synth_handle_midi_event(synth_, event);
}

bool MidiSequencer::Defer(fluid_midi_event_t* event) {
  if (backlog_size_ == backlog_.size()) return false;
  Deferred waiting;
  waiting.type = static_cast<uint8_t>(fluid_midi_event_get_type(event));
  waiting.channel = static_cast<uint8_t>(fluid_midi_event_get_channel(event));
  if (waiting.type == SysexType) {
    // The player frees the event's data when it reads the file anew for the
    // next pass, which may come before this one's turn, so the data is
    // copied. FluidSynth has no getter for a system exclusive's data, but
    // keeps it where it keeps a text event's, which has one; the event is a
    // text event only for the time of the call.
    void* bytes = nullptr;
    int size = 0;
    fluid_midi_event_set_type(event, TextType);
    const bool read = fluid_midi_event_get_text(event, &bytes, &size) == FLUID_OK;
    fluid_midi_event_set_type(event, SysexType);
    if (!read || size < 0 || (size > 0 && !bytes)) {
      // Were it kept elsewhere, the event would rather be given out of its
      // turn than lost.
      Give(event);
      return true;
    }
    const auto length = static_cast<size_t>(size);
    if (backlog_data_.size() + length > MaxBacklogDataBytes) {
      // The room of the data already given is taken back.
      backlog_data_.erase(backlog_data_.begin(), backlog_data_.begin() + static_cast<ptrdiff_t>(backlog_data_given_));
      backlog_data_given_ = 0;
      if (backlog_data_.size() + length > MaxBacklogDataBytes) return false;
    }
    const auto* first = static_cast<const uint8_t*>(bytes);
    backlog_data_.insert(backlog_data_.end(), first, first + length);
    waiting.data_size = static_cast<uint32_t>(length);
  } else {
    // A channel message's two data bytes (the pitch bend's as one number)
    // are the fields that FluidSynth's key and value accessors reach; its
    // control, program and pitch accessors reach the first as well.
    waiting.param1 = fluid_midi_event_get_key(event);
    waiting.param2 = fluid_midi_event_get_value(event);
  }
  backlog_[(backlog_first_ + backlog_size_) % backlog_.size()] = waiting;
  ++backlog_size_;
  return true;
}

void MidiSequencer::GiveBacklog() {
  for (; backlog_size_ > 0 && block_events_ < MaxBlockEvents; --backlog_size_) {
    const Deferred& waiting = backlog_[backlog_first_];
    backlog_first_ = (backlog_first_ + 1) % backlog_.size();
    if (waiting.type == SysexType) {
      fluid_midi_event_set_sysex(replay_, backlog_data_.data() + backlog_data_given_,
                                 static_cast<int>(waiting.data_size), 0);
      backlog_data_given_ += waiting.data_size;
    } else {
      fluid_midi_event_set_type(replay_, waiting.type);
      fluid_midi_event_set_channel(replay_, waiting.channel);
      fluid_midi_event_set_key(replay_, waiting.param1);
      fluid_midi_event_set_value(replay_, waiting.param2);
    }
    Give(replay_);
  }
  if (backlog_size_ == 0) DropBacklog();
}

void MidiSequencer::DropBacklog() {
  backlog_first_ = 0;
  backlog_size_ = 0;
  backlog_data_.clear();
  backlog_data_given_ = 0;
}

void MidiSequencer::AbortNotify() {
  if (notify_window_) PostMessage(notify_window_, Msg::MciNotify, MCI_NOTIFY_ABORTED);
  notify_window_ = 0;
}

bool MidiSequencer::Open(const std::vector<uint8_t>& song, std::string* problem) {
  const std::unique_lock<std::mutex> lock = Lock();
  if (mode_ != SequenceMode::Closed) {
    if (problem) *problem = "a sequence is already open";
    return false;
  }
  if (!EnsureSynth(render_rate_, problem)) return false;
  if (!replay_) {
    // The backlog's room is made here, once, so that the mixer's thread
    // never allocates for it.
    replay_ = new_fluid_midi_event();
    if (!replay_) {
      if (problem) *problem = "the synthesiser could not be made";
      return false;
    }
    backlog_.resize(MaxBacklogEvents);
    backlog_data_.reserve(MaxBacklogDataBytes);
  }
  song_ = song;
  if (!MakePlayer()) {
    song_.clear();
    if (problem) *problem = "the player could not take the song";
    return false;
  }
  mode_ = SequenceMode::Stopped;
  notify_window_ = 0;
  most_block_events_ = 0;
  events_given_ = 0;
  flood_said_ = false;
  return true;
}

void MidiSequencer::SeekToStart() {
  const std::unique_lock<std::mutex> lock = Lock();
  // Right after the end the looping player is at the start already.
  if (mode_ == SequenceMode::Closed || mode_ == SequenceMode::Ended) return;
  AbortNotify();
  if (!fresh_) {
    DeletePlayer();
    ReleaseNotes();
    MakePlayer();
  }
  mode_ = SequenceMode::Stopped;
}

void MidiSequencer::Play(WindowHandle notify_window) {
  const std::unique_lock<std::mutex> lock = Lock();
  if (mode_ == SequenceMode::Closed || !player_) return;
  notify_window_ = notify_window;
  if (mode_ == SequenceMode::Stopped) {
    fluid_player_play(player_);
    fresh_ = false;
    last_tick_ = fluid_player_get_current_tick(player_);
  }
  mode_ = SequenceMode::Playing;
}

void MidiSequencer::Stop() {
  const std::unique_lock<std::mutex> lock = Lock();
  if (mode_ == SequenceMode::Closed) return;
  AbortNotify();
  if (mode_ != SequenceMode::Stopped && player_) {
    fluid_player_stop(player_);
    ReleaseNotes();
  }
  mode_ = SequenceMode::Stopped;
}

void MidiSequencer::Close() {
  const std::unique_lock<std::mutex> lock = Lock();
  if (mode_ == SequenceMode::Closed) return;
  AbortNotify();
  DeletePlayer();
  ReleaseNotes();
  song_.clear();
  mode_ = SequenceMode::Closed;
}

SequenceMode MidiSequencer::Mode() const {
  const std::unique_lock<std::mutex> lock = Lock();
  return mode_;
}

bool MidiSequencer::HasSoundFont() const {
  const std::unique_lock<std::mutex> lock = Lock();
  return synth_ && soundfont_;
}

int MidiSequencer::MostEventsInABlock() const {
  const std::unique_lock<std::mutex> lock = Lock();
  return most_block_events_;
}

int64_t MidiSequencer::EventsGiven() const {
  const std::unique_lock<std::mutex> lock = Lock();
  return events_given_;
}

void MidiSequencer::Render(float* out, int frames, int sample_rate) {
  std::unique_lock<std::mutex> lock(mutex_);
  if (!out || frames <= 0 || sample_rate < MinSampleRate || sample_rate > MaxSampleRate) return;
  render_rate_ = sample_rate;
  if (!synth_) return;
  if (synth_rate_ != sample_rate) {
    // A new rate needs a new synthesiser; the song starts again on it.
    const SequenceMode mode = mode_;
    if (!EnsureSynth(sample_rate, nullptr)) {
      if (mode_ != SequenceMode::Closed) mode_ = SequenceMode::Stopped;
      return;
    }
    if (mode != SequenceMode::Closed && MakePlayer() &&
        (mode == SequenceMode::Playing || mode == SequenceMode::Ended)) {
      fluid_player_play(player_);
      fresh_ = false;
    }
    if (!player_ && mode_ != SequenceMode::Closed) mode_ = SequenceMode::Stopped;
  }

  float block[2 * BlockFrames];
  for (int done = 0; done < frames;) {
    if (done > 0) {
      LetWaitingCommandsIn(lock);
      // Meanwhile the song may have been closed or changed, and the
      // synthesiser made anew or lost; the rest of this block is silence.
      if (!synth_ || synth_rate_ != sample_rate) return;
    }
    const int n = std::min(BlockFrames, frames - done);
    // The synthesiser runs even without a soundfont, because its player
    // keeps the song's time and finds its end; what it writes then is no
    // music and is not mixed. A block it did not render is never read.
    // Writing at most one block's frames runs the player once at most.
    block_events_ = 0;
    flooded_ = false;
    GiveBacklog();
    const bool rendered = fluid_synth_write_float(synth_, n, block, 0, 2, block, 1, 2) == FLUID_OK;
    most_block_events_ = std::max(most_block_events_, block_events_);
    if (flooded_) {
      // No real song comes near the bound. Played on, such a song would be
      // read anew by the player at each of its passes, which for one only
      // microseconds long is every block: the audio thread could not keep
      // up, and the sound effects mixed with the music would break up too.
      // So it stops here, as if stopped by a command, and its notes are
      // released (the ends of some may have been waiting).
      if (!flood_said_) {
        std::fprintf(stderr,
                     "quorvane: the song floods the synthesiser (over %d events, or %zu bytes of system "
                     "exclusives, waiting for it at %d a block of %d frames): it is stopped\n",
                     MaxBacklogEvents, MaxBacklogDataBytes, MaxBlockEvents, BlockFrames);
        flood_said_ = true;
      }
      if (player_) fluid_player_stop(player_);
      ReleaseNotes();
      AbortNotify();
      mode_ = SequenceMode::Stopped;
    }
    if (rendered && soundfont_) {
      float* dst = out + 2 * static_cast<ptrdiff_t>(done);
      for (int i = 0; i < 2 * n; ++i) dst[i] += block[i];
    }
    done += n;

    // The looping player has wrapped round when its tick falls back.
    if (!player_ || (mode_ != SequenceMode::Playing && mode_ != SequenceMode::Ended)) continue;
    const int tick = fluid_player_get_current_tick(player_);
    const bool wrapped = tick < last_tick_;
    last_tick_ = tick;
    if (!wrapped) continue;
    if (mode_ == SequenceMode::Playing && notify_window_) {
      PostMessage(notify_window_, Msg::MciNotify, MCI_NOTIFY_SUCCESSFUL);
      notify_window_ = 0;
      mode_ = SequenceMode::Ended;
    } else {
      // Nobody asked for another pass: the song ends here.
      fluid_player_stop(player_);
      ReleaseNotes();
      mode_ = SequenceMode::Stopped;
    }
  }
}

MidiSequencer& Sequencer() {
  // Never destroyed: the mixer's thread may still render during exit.
  static MidiSequencer* const sequencer = new MidiSequencer;
  return *sequencer;
}

}  // namespace platform
