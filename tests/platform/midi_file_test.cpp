// The MIDI file writer and the checker that guards the player.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/midi_file.h"
#include "support/midi_songs.h"

using platform::CheckMidiFile;
using platform::MidiSong;
using platform::WriteMidiFile;
using Bytes = std::vector<uint8_t>;

namespace {

// A format-0 file around one track body.
Bytes FileWithTrack(const Bytes& body, uint16_t division = 96) {
  Bytes out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, uint8_t(division >> 8), uint8_t(division)};
  const uint32_t n = static_cast<uint32_t>(body.size());
  out.insert(out.end(), {'M', 'T', 'r', 'k', uint8_t(n >> 24), uint8_t(n >> 16), uint8_t(n >> 8), uint8_t(n)});
  out.insert(out.end(), body.begin(), body.end());
  return out;
}

bool Contains(const Bytes& haystack, const Bytes& needle) {
  return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end()) != haystack.end();
}

bool Check(const Bytes& b, std::string* why = nullptr) { return CheckMidiFile(b.data(), b.size(), why); }

}  // namespace

TEST(MidiFileWriter, SinglePartIsFormatZeroByteForByte) {
  MidiSong song;
  song.ticks_per_quarter = 96;
  song.length = 192;
  song.parts.push_back({0, 0, {{0, 96, 60, 100}}});
  const Bytes expected = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96,   // header
                          'M', 'T', 'r', 'k', 0, 0, 0, 22,                     // one track
                          0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,            // tempo 500000
                          0x00, 0xC0, 0x00,                                    // program
                          0x00, 0x90, 60, 100,                                 // note on
                          0x60, 0x80, 60, 0x40,                                // note off after 96
                          0x60, 0xFF, 0x2F, 0x00};                             // end at 192
  EXPECT_EQ(WriteMidiFile(song), expected);
}

TEST(MidiFileWriter, ControllersFollowTheProgramAndNotesOfNoLengthAreLeftOut) {
  MidiSong song;
  song.ticks_per_quarter = 96;
  // A note of no length would get its note-off before its note-on and hang.
  song.parts.push_back({9, 0, {{0, 0, 40, 100}, {0, 96, 36, 100}, {0xFFFFFFF0, 0x20, 50, 100}}, {{7, 96}, {91, 30}}});
  const Bytes expected = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96,   // header
                          'M', 'T', 'r', 'k', 0, 0, 0, 30,                     // one track
                          0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20,            // tempo 500000
                          0x00, 0xC9, 0x00,                                    // program
                          0x00, 0xB9, 7, 96,                                   // volume
                          0x00, 0xB9, 91, 30,                                  // reverb
                          0x00, 0x99, 36, 100,                                 // the one note
                          0x60, 0x89, 36, 0x40,                                // its end
                          0x00, 0xFF, 0x2F, 0x00};
  EXPECT_EQ(WriteMidiFile(song), expected);
}

TEST(MidiFileWriter, SeveralPartsMakeFormatOneWithOrderedEvents) {
  MidiSong song;
  // The same key struck again the moment it ends: its note-off must come
  // first or the second note would be cut; a start of 200 needs two bytes.
  song.parts.push_back({0, 0, {{96, 96, 64, 90}, {0, 96, 64, 90}}});
  song.parts.push_back({9, 0, {{200, 10, 36, 127}}});
  const Bytes file = WriteMidiFile(song);
  ASSERT_GE(file.size(), 14u);
  EXPECT_EQ(file[9], 1);   // format 1
  EXPECT_EQ(file[11], 3);  // tempo track + two parts
  EXPECT_TRUE(Contains(file, {0x60, 0x80, 64, 0x40, 0x00, 0x90, 64, 90}));
  EXPECT_TRUE(Contains(file, {0x81, 0x48, 0x99, 36, 127}));
  EXPECT_TRUE(Check(file));
}

TEST(MidiFileWriter, SongsOfTheTestsPassTheCheck) {
  for (const MidiSong& song : {testing_support::OneNoteSong(), testing_support::EighthNotesSong()}) {
    std::string why;
    EXPECT_TRUE(Check(WriteMidiFile(song), &why)) << why;
  }
}

TEST(MidiFileCheck, AcceptsWhatThePlayerReads) {
  const Bytes end = {0x60, 0xFF, 0x2F, 0x00};
  struct Case {
    const char* name;
    Bytes body;
  };
  const Case cases[] = {
      {"running status", {0x00, 0x90, 60, 100, 0x60, 60, 0x00, 0x00, 0xFF, 0x2F, 0x00}},
      {"no end-of-track event", {0x00, 0x90, 60, 100, 0x60, 0x80, 60, 0x40}},
      {"bytes after the end of the track", {0x00, 0x90, 60, 100, 0x60, 0xFF, 0x2F, 0x00, 0x12, 0x34}},
      {"system exclusive", {0x00, 0xF0, 0x03, 0x7E, 0x7F, 0xF7, 0x60, 0xFF, 0x2F, 0x00}},
      {"text meta event", {0x00, 0xFF, 0x03, 0x02, 'h', 'i', 0x60, 0xFF, 0x2F, 0x00}},
  };
  for (const Case& c : cases) {
    std::string why;
    EXPECT_TRUE(Check(FileWithTrack(c.body), &why)) << c.name << ": " << why;
  }
  // Chunks after the last announced track are never read.
  Bytes extra = FileWithTrack({0x00, 0x90, 60, 100, 0x60, 0xFF, 0x2F, 0x00});
  extra.insert(extra.end(), {'X', 'T', 'R', 'A', 0, 0, 0, 1, 0});
  EXPECT_TRUE(Check(extra));
}

TEST(MidiFileCheck, RejectsBrokenTracks) {
  struct Case {
    const char* name;
    Bytes body;
  };
  const Case cases[] = {
      {"data byte first", {0x00, 60, 100, 0x60, 0xFF, 0x2F, 0x00}},
      {"running status after a meta event", {0x00, 0xFF, 0x01, 0x00, 0x60, 60, 100, 0x00, 0xFF, 0x2F, 0x00}},
      {"running status after system exclusive", {0x00, 0xF0, 0x01, 0xF7, 0x60, 60, 100, 0x00, 0xFF, 0x2F, 0x00}},
      {"escape sysex", {0x00, 0xF7, 0x00, 0x60, 0xFF, 0x2F, 0x00}},
      {"real-time byte", {0x00, 0xF8, 0x60, 0xFF, 0x2F, 0x00}},
      {"five-byte delta", {0x80, 0x80, 0x80, 0x80, 0x00, 0x90, 60, 100}},
      {"note cut off", {0x60, 0x90, 60}},
      {"delta at the end", {0x00, 0x90, 60, 100, 0x60}},
      {"data byte out of range", {0x00, 0x90, 0xBC, 100, 0x60, 0xFF, 0x2F, 0x00}},
      {"meta past the track", {0x10, 0xFF, 0x01, 0x05, 'a', 'b'}},
      {"sysex past the track", {0x10, 0xF0, 0x7F, 0x00}},
      {"tempo of zero", {0x00, 0xFF, 0x51, 0x03, 0, 0, 0, 0x60, 0xFF, 0x2F, 0x00}},
      {"tempo of two bytes", {0x00, 0xFF, 0x51, 0x02, 0x07, 0xA1, 0x60, 0xFF, 0x2F, 0x00}},
      {"end of track with data", {0x60, 0xFF, 0x2F, 0x01, 0x00}},
      {"nothing to play", {0x00, 0x90, 60, 100, 0x00, 0xFF, 0x2F, 0x00}},
      // Time only in a meta event the player drops: an empty song to it.
      {"time only in a dropped meta event", {0x00, 0x90, 60, 100, 0x60, 0xFF, 0x2E, 0x00}},
      {"empty track", {}},
      {"song too long", {0xFF, 0xFF, 0xFF, 0x7F, 0x90, 60, 100, 0x01, 0x80, 60, 0}},
  };
  for (const Case& c : cases) EXPECT_FALSE(Check(FileWithTrack(c.body))) << c.name;
}

TEST(MidiFileCheck, RejectsBrokenHeadersAndChunks) {
  const Bytes good = FileWithTrack({0x00, 0x90, 60, 100, 0x60, 0xFF, 0x2F, 0x00});
  ASSERT_TRUE(Check(good));
  struct Case {
    const char* name;
    size_t offset;
    Bytes patch;  // written over good at offset
  };
  const Case cases[] = {
      {"not MThd", 0, {'M', 'T', 'h', 'x'}},
      {"header length 7", 4, {0, 0, 0, 7}},
      {"format 3", 8, {0, 3}},
      {"format 0 with two tracks", 10, {0, 2}},
      {"no tracks", 10, {0, 0}},
      {"128 tracks", 8, {0, 1, 0, 128}},
      {"division 0", 12, {0, 0}},
      {"time-code division", 12, {0xE7, 0x28}},
      {"foreign chunk instead of a track", 14, {'M', 'T', 'r', 'x'}},
      {"track longer than the file", 18, {0, 0, 0, 9}},
      {"track of four gigabytes", 18, {0xFF, 0xFF, 0xFF, 0xFF}},
  };
  for (const Case& c : cases) {
    Bytes b = good;
    std::copy(c.patch.begin(), c.patch.end(), b.begin() + static_cast<ptrdiff_t>(c.offset));
    EXPECT_FALSE(Check(b)) << c.name;
  }
  // Cut anywhere, the file is refused (the end-of-track event is optional,
  // so the cuts stop short of it).
  for (size_t n = 0; n + 4 < good.size(); ++n) EXPECT_FALSE(Check(Bytes(good.begin(), good.begin() + n))) << n;
  // Format 1 announcing a second track that is not there.
  Bytes missing = good;
  missing[9] = 1;
  missing[11] = 2;
  EXPECT_FALSE(Check(missing));
  EXPECT_FALSE(CheckMidiFile(nullptr, 0));
  Bytes huge = good;
  huge.resize(platform::MaxMidiFileBytes + 1);
  EXPECT_FALSE(Check(huge));
}
