#include "music.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "files.h"
#include "platform/system.h"
#include "platform/midi_file.h"
#include "rng.h"

namespace assets {

namespace {

constexpr int kDivision = 480;         // ticks per quarter note
constexpr uint32_t kBar = kDivision * 4;  // 4/4 throughout
constexpr uint32_t kEighth = kDivision / 2;
constexpr uint32_t kSixteenth = kDivision / 4;

enum class Bass { Drive, Walk, Calm };
enum class Harmony { Pad, Arpeggio };
enum class Drums { Rock, Fast, Calm };

struct TuneDef {
  const char* file;
  int root;                 // MIDI key of the tonic, bass octave
  std::vector<int> scale;   // semitones of the 7 degrees
  double bpm;
  int lead, harmony, bass;  // General MIDI programs
  Bass bass_style;
  Harmony harmony_style;
  Drums drum_style;
  std::vector<std::vector<int>> sections;  // chord degrees, one per bar, 8 bars each
  std::vector<int> form;                   // order of the sections in one loop
  uint64_t seed;
};

const std::vector<int> kAeolian{0, 2, 3, 5, 7, 8, 10};
const std::vector<int> kDorian{0, 2, 3, 5, 7, 9, 10};
const std::vector<int> kHarmonic{0, 2, 3, 5, 7, 8, 11};
const std::vector<int> kMajor{0, 2, 4, 5, 7, 9, 11};
const std::vector<int> kPhrygian{0, 1, 3, 5, 7, 8, 10};

// Pitch of a scale degree (any integer, octaves wrap) above the root.
int Pitch(const TuneDef& t, int degree, int octave) {
  int o = degree >= 0 ? degree / 7 : -((6 - degree) / 7);
  int d = degree - o * 7;
  return t.root + 12 * (octave + o) + t.scale[static_cast<size_t>(d)];
}

// Each voice is one part on its own channel: lead 0, harmony 1, bass 2 and
// the General MIDI drums on 9.
using Part = platform::MidiPart;
struct Voices {
  Part lead{0}, harmony{1}, bass{2}, drums{9};
};

// A note of the part, its key and velocity kept in range.
void Note(Part& part, uint32_t tick, uint32_t length, int key, int velocity) {
  part.notes.push_back({tick, length, static_cast<uint8_t>(std::clamp(key, 0, 127)),
                        static_cast<uint8_t>(std::clamp(velocity, 1, 127))});
}

// A two-bar rhythm in sixteenths (onset, length); chosen per section.
using Rhythm = std::vector<std::pair<int, int>>;
const std::vector<Rhythm> kRhythms{
    {{0, 4}, {4, 2}, {6, 2}, {8, 6}, {14, 2}, {16, 4}, {20, 4}, {24, 8}},
    {{0, 3}, {3, 3}, {6, 2}, {8, 4}, {12, 4}, {16, 3}, {19, 3}, {22, 2}, {24, 8}},
    {{0, 2}, {2, 2}, {4, 4}, {8, 2}, {10, 2}, {12, 4}, {16, 6}, {22, 2}, {24, 4}, {28, 4}},
    {{0, 6}, {6, 2}, {8, 4}, {12, 4}, {16, 6}, {22, 2}, {24, 8}},
};
const std::vector<Rhythm> kCalmRhythms{
    {{0, 8}, {8, 4}, {12, 4}, {16, 12}, {28, 4}},
    {{0, 4}, {4, 4}, {8, 8}, {16, 8}, {24, 8}},
};

// One section's melody: motif, answer, motif, cadence onto the tonic of the
// last chord's resolution.
void Melody(const TuneDef& t, const std::vector<int>& chords, uint32_t start, Rng& rng, Part& out, bool calm) {
  const std::vector<Rhythm>& rhythms = calm ? kCalmRhythms : kRhythms;
  const Rhythm& rhythm = rhythms[static_cast<size_t>(rng.Below(static_cast<int>(rhythms.size())))];
  std::vector<int> motif;
  int degree = 4 + rng.Below(3);
  for (size_t i = 0; i < rhythm.size(); ++i) {
    degree += rng.Below(5) - 2;
    degree = std::clamp(degree, 0, 11);
    motif.push_back(degree);
  }
  for (int phrase = 0; phrase < 4; ++phrase) {
    uint32_t bar0 = start + static_cast<uint32_t>(phrase * 2) * kBar;
    int shift = phrase == 1 ? 1 + rng.Below(2) : (phrase == 3 ? -1 : 0);
    for (size_t i = 0; i < rhythm.size(); ++i) {
      auto [onset, len] = rhythm[i];
      int bar = phrase * 2 + onset / 16;
      int chord = chords[static_cast<size_t>(bar)];
      int d = motif[i] + shift;
      // Strong beats land on a chord tone.
      if (onset % 8 == 0) {
        int best = d, dist = 99;
        for (int k : {chord, chord + 2, chord + 4, chord + 7, chord + 9, chord + 11}) {
          if (std::abs(k - d) < dist) dist = std::abs(k - d), best = k;
        }
        d = best;
      }
      bool last = phrase == 3 && i + 1 == rhythm.size();
      if (last) d = chords[7] + 7 <= 11 ? chords[7] + 7 : chords[7];
      uint32_t on = bar0 + static_cast<uint32_t>(onset) * kSixteenth;
      uint32_t length = static_cast<uint32_t>(len) * kSixteenth - 20;
      int vel = (onset % 8 == 0 ? 100 : 86) + rng.Below(10);
      Note(out, on, length, Pitch(t, d, 2), vel);
    }
  }
}

void BassLine(const TuneDef& t, int chord, uint32_t bar, bool fill_bar, Rng& rng, Part& out) {
  int root = Pitch(t, chord, 0);
  if (root > t.root + 7) root -= 12;
  switch (t.bass_style) {
    case Bass::Drive:
      for (int i = 0; i < 8; ++i) {
        int key = (i % 4 == 3 && rng.Chance(0.5f)) ? root + 12 : root;
        if (fill_bar && i >= 6) key = Pitch(t, chord + (i == 6 ? 4 : 6), 0);
        Note(out, bar + static_cast<uint32_t>(i) * kEighth, kEighth - 30, key, i % 2 == 0 ? 104 : 88);
      }
      break;
    case Bass::Walk:
      for (int i = 0; i < 4; ++i) {
        int key = i == 0 ? root : (i == 2 ? root + 7 : Pitch(t, chord + (i == 1 ? 2 : 4), 0));
        if (key > root + 12) key -= 12;
        Note(out, bar + static_cast<uint32_t>(i) * kDivision, kDivision - 40, key, 96);
      }
      break;
    case Bass::Calm:
      Note(out, bar, kDivision * 2 - 40, root, 90);
      Note(out, bar + kDivision * 2, kDivision * 2 - 40, root + 7, 80);
      break;
  }
}

void Chord(const TuneDef& t, int chord, uint32_t bar, Part& out) {
  int keys[3] = {Pitch(t, chord, 1), Pitch(t, chord + 2, 1), Pitch(t, chord + 4, 1)};
  if (t.harmony_style == Harmony::Pad) {
    for (int k : keys) Note(out, bar, kBar - 30, k + 12, 62);
  } else {
    const int order[8] = {0, 1, 2, 1, 0, 2, 1, 2};
    for (int i = 0; i < 8; ++i)
      Note(out, bar + static_cast<uint32_t>(i) * kEighth, kEighth - 20, keys[order[i]] + 12 * (i >= 4 ? 1 : 0), 70);
  }
}

// General MIDI drum keys.
constexpr int kKick = 36, kSnare = 38, kClosedHat = 42, kOpenHat = 46, kCrash = 49, kRide = 51, kRim = 37;
constexpr int kTomHigh = 50, kTomMid = 47, kTomLow = 45;

void DrumBar(const TuneDef& t, uint32_t bar, bool first, bool fill, Part& out) {
  auto hit = [&](uint32_t at, int key, int vel) { Note(out, bar + at, kSixteenth, key, vel); };
  if (first) hit(0, kCrash, 110);
  switch (t.drum_style) {
    case Drums::Rock:
      for (int i = 0; i < 8; ++i)
        hit(static_cast<uint32_t>(i) * kEighth, i == 7 ? kOpenHat : kClosedHat, i % 2 ? 70 : 90);
      hit(0, kKick, 112), hit(kEighth * 3, kKick, 90), hit(kDivision * 2, kKick, 108);
      hit(kDivision, kSnare, 108), hit(kDivision * 3, kSnare, 110);
      break;
    case Drums::Fast:
      for (int i = 0; i < 16; ++i) hit(static_cast<uint32_t>(i) * kSixteenth, kClosedHat, i % 4 == 0 ? 92 : 64);
      for (int i = 0; i < 4; ++i) hit(static_cast<uint32_t>(i) * kDivision, kKick, 110);
      hit(kDivision, kSnare, 110), hit(kDivision * 3, kSnare, 112);
      hit(kDivision * 3 + kEighth + kSixteenth, kSnare, 70);
      break;
    case Drums::Calm:
      for (int i = 0; i < 4; ++i) hit(static_cast<uint32_t>(i) * kDivision, kRide, 70);
      hit(0, kKick, 90), hit(kDivision * 2 + kEighth, kKick, 70), hit(kDivision * 2, kRim, 76);
      break;
  }
  if (fill && t.drum_style != Drums::Calm) {
    // The last two beats roll round the toms into the next section (or the loop's start).
    const int toms[8] = {kSnare, kSnare, kTomHigh, kTomHigh, kTomMid, kTomMid, kTomLow, kTomLow};
    for (int i = 0; i < 8; ++i) hit(kDivision * 2 + static_cast<uint32_t>(i) * kSixteenth, toms[i], 80 + 5 * i);
  }
}

std::vector<uint8_t> Compose(const TuneDef& t) {
  Rng rng(t.seed);
  Voices v;
  // Volume (7), pan (10) and reverb (91) of each voice: as loud as the
  // songs go without clipping, so that they carry over the shots and
  // explosions in play.
  v.lead.program = static_cast<uint8_t>(t.lead);
  v.lead.controls = {{7, 124}, {10, 64}, {91, 50}};
  v.harmony.program = static_cast<uint8_t>(t.harmony);
  v.harmony.controls = {{7, 96}, {10, 44}, {91, 50}};
  v.bass.program = static_cast<uint8_t>(t.bass);
  v.bass.controls = {{7, 127}, {10, 64}, {91, 50}};
  v.drums.controls = {{7, 118}, {91, 30}};

  bool calm = t.drum_style == Drums::Calm;
  // Each section keeps its melody wherever it recurs, so the tune has a theme.
  std::vector<uint64_t> section_seed;
  for (size_t i = 0; i < t.sections.size(); ++i) section_seed.push_back(rng.Next());
  uint32_t at = 0;
  for (int s : t.form) {
    const std::vector<int>& chords = t.sections[static_cast<size_t>(s)];
    Rng melody_rng(section_seed[static_cast<size_t>(s)]);
    Melody(t, chords, at, melody_rng, v.lead, calm);
    for (int b = 0; b < 8; ++b) {
      uint32_t bar = at + static_cast<uint32_t>(b) * kBar;
      Chord(t, chords[static_cast<size_t>(b)], bar, v.harmony);
      BassLine(t, chords[static_cast<size_t>(b)], bar, b == 7, rng, v.bass);
      DrumBar(t, bar, b == 0, b == 7, v.drums);
    }
    at += 8 * kBar;
  }
  platform::MidiSong song;
  song.ticks_per_quarter = kDivision;
  song.micros_per_quarter = static_cast<uint32_t>(std::lround(60000000.0 / t.bpm));
  song.length = at;
  song.parts = {v.lead, v.harmony, v.bass, v.drums};
  return platform::WriteMidiFile(song);
}

// Forms: A, B, A, C ... repeated to fill one to three minutes.
std::vector<TuneDef> Tunes() {
  return {
      {"KTSM1", 40, kAeolian, 152, 81, 50, 38, Bass::Drive, Harmony::Pad, Drums::Rock,
       {{0, 0, 5, 5, 2, 2, 6, 6}, {3, 3, 4, 4, 5, 5, 6, 4}, {5, 6, 0, 0, 5, 6, 4, 4}},
       {0, 1, 0, 2, 0, 1, 0, 2}, 1},
      {"KTSM2", 38, kDorian, 138, 80, 4, 33, Bass::Walk, Harmony::Arpeggio, Drums::Rock,
       {{0, 3, 0, 3, 6, 3, 4, 4}, {2, 3, 4, 3, 2, 3, 6, 4}, {5, 4, 3, 2, 0, 3, 4, 4}},
       {0, 1, 0, 2, 0, 1, 0, 2}, 2},
      {"KTSM3", 45, kHarmonic, 164, 62, 48, 39, Bass::Drive, Harmony::Pad, Drums::Fast,
       {{0, 0, 3, 3, 5, 5, 4, 4}, {0, 5, 3, 4, 0, 5, 1, 4}, {3, 3, 0, 0, 1, 1, 4, 4}},
       {0, 1, 0, 2, 0, 1, 0, 2}, 3},
      {"KTSM4", 42, kPhrygian, 126, 84, 89, 38, Bass::Drive, Harmony::Arpeggio, Drums::Rock,
       {{0, 1, 0, 1, 5, 6, 0, 0}, {3, 2, 1, 0, 3, 2, 1, 6}, {5, 5, 6, 6, 0, 0, 1, 6}},
       {0, 1, 0, 2, 0, 1}, 4},
      {"KTSM5", 36, kHarmonic, 172, 61, 48, 38, Bass::Drive, Harmony::Pad, Drums::Fast,
       {{0, 0, 5, 5, 3, 3, 4, 4}, {5, 3, 0, 4, 5, 3, 1, 4}, {0, 2, 5, 6, 0, 2, 4, 4}},
       {0, 1, 0, 2, 0, 1, 0, 2, 1, 2}, 5},
      {"KTSMEND", 43, kMajor, 96, 73, 0, 32, Bass::Calm, Harmony::Arpeggio, Drums::Calm,
       {{0, 4, 5, 3, 0, 4, 3, 4}, {5, 2, 3, 0, 5, 2, 3, 4}},
       {0, 1, 0, 1, 0, 1}, 6},
      {"GTCB3", 47, kAeolian, 144, 30, 48, 34, Bass::Drive, Harmony::Pad, Drums::Rock,
       {{0, 6, 5, 6, 0, 6, 5, 4}, {3, 4, 5, 6, 3, 4, 6, 4}},
       {0, 1, 0, 1, 0, 1, 0, 1}, 7},
      {"QVN", 39, kDorian, 132, 81, 95, 39, Bass::Drive, Harmony::Arpeggio, Drums::Fast,
       {{0, 0, 3, 3, 0, 0, 6, 6}, {5, 6, 0, 3, 5, 6, 4, 4}},
       {0, 1, 0, 1, 0, 1, 0, 1}, 8},
  };
}

}  // namespace

bool WriteMusic(const std::string& folder) {
  if (!MakeFolder(folder)) return false;
  for (const TuneDef& t : Tunes())
    if (!platform::WriteFileBytes(folder + "/" + t.file + ".MID", Compose(t))) return false;
  return true;
}

}  // namespace assets
