// The generated pictures, sounds and music beside the executable: every file
// the game opens exists under its exact name, is large enough for the source
// rectangles the drawing code reads, and parses.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/system.h"

namespace {

std::vector<uint8_t> ReadAll(const std::string& path) {
  std::vector<uint8_t> bytes;
  std::FILE* f = std::fopen(path.c_str(), "rb");  // exact name: no case folding
  if (!f) return bytes;
  uint8_t buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.insert(bytes.end(), buf, buf + n);
  std::fclose(f);
  return bytes;
}

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
uint16_t Le16(const std::vector<uint8_t>& b, size_t at) { return static_cast<uint16_t>(b[at] | (b[at + 1] << 8)); }
uint32_t Be32(const std::vector<uint8_t>& b, size_t at) {
  return (static_cast<uint32_t>(b[at]) << 24) | (b[at + 1] << 16) | (b[at + 2] << 8) | b[at + 3];
}

// The picture as the game sees it: 24-bit bottom-up BMP, read into rows of
// 16-bit 5-6-5 values (0 is the transparent key).
struct Picture {
  int width = 0, height = 0;
  std::vector<uint16_t> px;
  uint16_t At(int x, int y) const { return px[static_cast<size_t>(y) * width + x]; }
  int Luma(int x, int y) const {
    uint16_t v = At(x, y);
    return ((v >> 11) & 31) * 2 + ((v >> 5) & 63) + (v & 31) * 2;
  }
};

bool LoadPicture(const std::string& name, Picture* out, std::string* why) {
  std::vector<uint8_t> b = ReadAll(platform::ProgramFolder() + "IMAGE/" + name + ".BMP");
  if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return *why = "missing or not a BMP", false;
  uint32_t offset = Le32(b, 10);
  int32_t w = static_cast<int32_t>(Le32(b, 18)), h = static_cast<int32_t>(Le32(b, 22));
  if (Le32(b, 14) < 40 || Le16(b, 26) != 1 || Le16(b, 28) != 24 || Le32(b, 30) != 0) return *why = "not 24-bit uncompressed", false;
  if (w <= 0 || h <= 0) return *why = "not a bottom-up picture", false;
  size_t row = (static_cast<size_t>(w) * 3 + 3) & ~size_t{3};
  if (b.size() < offset + row * static_cast<size_t>(h)) return *why = "pixel data cut short", false;
  out->width = w, out->height = h;
  out->px.resize(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint8_t* p = &b[offset + row * static_cast<size_t>(h - 1 - y) + static_cast<size_t>(x) * 3];
      out->px[static_cast<size_t>(y) * w + x] = static_cast<uint16_t>(((p[2] >> 3) << 11) | ((p[1] >> 2) << 5) | (p[0] >> 3));
    }
  return true;
}

struct Required {
  const char* name;
  int width, height;
};

// Load order of the game (ids 4..166; VAL402 twice) and MYME1, with the
// smallest size the drawing code's source rectangles allow; 1x1 where any
// size will do.
const Required kPictures[] = {
    {"ZBAK1B", 600, 60},   {"ZBAK2B", 640, 80},   {"ZBAK3B", 800, 80},   {"ZBAK4B", 800, 80},    {"ZBAK5B", 1, 1},
    {"ZBAK6B", 320, 40},   {"BBAK1B", 640, 160},  {"GFBAK1", 480, 120},  {"FBOM1", 80, 80},      {"MYMY", 224, 80},
    {"MYGOODN", 300, 100}, {"SUJI09", 200, 25},   {"HAHEN", 1, 1},       {"SFLH1", 60, 60},      {"SFLH2", 60, 60},
    {"SFLH3", 60, 60},     {"SFLH4", 1, 1},       {"SFLH5", 1, 1},       {"SFLH11", 60, 60},     {"SFLH22", 60, 60},
    {"SFLH33", 60, 60},    {"FLHST", 70, 36},     {"FLHST11", 1, 1},     {"FLHST2", 70, 36},     {"FLHST22", 124, 70},
    {"FLHST3", 70, 36},    {"FLHST33", 124, 70},  {"FLW1_3", 120, 60},   {"FLW2_1", 60, 60},     {"FLW3_2", 60, 60},
    {"FLW11", 120, 60},    {"FLW22", 60, 60},     {"FLW33", 60, 60},     {"QOR1", 30, 30},       {"QOR2", 20, 20},
    {"QOR11", 30, 30},     {"QOR22", 20, 20},     {"QOR3", 20, 20},      {"QOR4", 30, 30},       {"QOR5", 40, 40},
    {"QOR6", 50, 50},      {"QOR7", 20, 20},      {"QOR8", 1, 1},        {"QOR10", 20, 20},      {"SPOWER1", 60, 60},
    {"FBAK1", 1, 1},       {"SZAK1", 60, 60},     {"SZAK3", 80, 100},    {"SZAK4", 100, 120},    {"SZAK2", 1, 1},
    {"SZAK5", 1, 1},       {"SZAK6", 79, 79},     {"SZAK7", 1, 1},       {"SZAK8", 1, 1},        {"SZAK9", 80, 80},
    {"SZAK10", 70, 80},    {"SZAK12", 80, 100},   {"SZAK13", 80, 60},    {"SZAK14", 1, 1},       {"SZAK15", 1, 1},
    {"SZAK16", 1, 1},      {"SZAK21", 90, 90},    {"SZAK22", 90, 90},    {"SZAK23", 1, 1},       {"SZAK24", 1, 1},
    {"SZAK30", 500, 100},  {"SZAK31", 500, 100},  {"SZAK32", 500, 100},  {"SZAK33", 500, 100},   {"SZAK40", 119, 119},
    {"SZAK41", 119, 119},  {"SZAK50", 200, 160},  {"SZAK51", 240, 220},  {"SZAK52", 200, 160},   {"SZAK53", 200, 160},
    {"SZAK54", 200, 160},  {"SZAK55", 1, 1},      {"SZAK60", 300, 300},  {"VAL11", 16, 16},      {"VAL12", 16, 16},
    {"VAL13", 16, 16},     {"VAL1", 256, 16},     {"VAL2", 256, 16},     {"VAL3", 256, 16},      {"RPANEL3R", 1, 1},
    {"RPANEL2R", 1, 1},    {"FLZ01_l", 20, 60},   {"ROCK1", 60, 60},     {"BOSS11", 440, 360},   {"BOSS31", 460, 380},
    {"BOSS41", 440, 380},  {"BOSS51", 380, 460},  {"BOSS61", 460, 400},  {"BOSS71", 500, 400},   {"BOS111", 480, 480},
    {"BOS511", 480, 480},  {"VAL16241", 384, 16}, {"VAL20241", 480, 20}, {"VALL20", 20, 20},     {"VAL201", 140, 20},
    {"VAL401", 200, 40},   {"VAL402", 200, 40},   {"VAL402", 200, 40},   {"VAL404", 280, 40},    {"VAL405", 280, 40},
    {"VAL40L", 39, 39},    {"VAL40L1", 39, 39},   {"VAL40L2", 39, 39},   {"ZAL20", 1, 1},        {"VAL15L", 15, 30},
    {"VAL151L", 60, 30},   {"VAL30L", 1, 1},      {"VAL20", 1, 1},       {"VALARM11", 150, 180}, {"VALARM12", 150, 180},
    {"VALARM31", 80, 120}, {"VALARM32", 80, 120}, {"VALARM33", 120, 120}, {"VALARM34", 120, 120}, {"VALARM51", 270, 400},
    {"VALARM70", 120, 120}, {"VALARM7", 1, 1},    {"VALARM71", 120, 120}, {"VALARM72", 120, 120}, {"VALARM73", 60, 120},
    {"VALARM74", 60, 60},  {"VALARM75", 60, 60},  {"VAL20w", 19, 19},    {"VAL21w", 19, 19},     {"VAL30w", 1, 1},
    {"VALL301", 30, 30},   {"VALL3011", 30, 30},  {"VALL3013", 30, 30},  {"VALL3014", 30, 30},   {"VALL3015", 30, 30},
    {"VALL3016", 30, 30},  {"VAL3015A", 1, 1},    {"VAL3016A", 1, 1},    {"VALL3017", 30, 30},   {"VALL3018", 30, 30},
    {"VAL3017A", 30, 30},  {"VAL3018A", 30, 30},  {"VALL302", 30, 30},   {"VALL3019", 1, 1},     {"VALL3020", 1, 1},
    {"MESO1", 1, 1},       {"ZFIRE1", 400, 70},   {"ZFIRE2", 400, 70},   {"BBACK1S", 440, 480},  {"BBACK2S", 440, 480},
    {"BBACK3S", 440, 480}, {"BBACK6S", 640, 480}, {"BBACK8S", 440, 480}, {"TITLEC", 440, 480},   {"QKTSCG1", 440, 480},
    {"QKTSCG2", 440, 480}, {"QKTSCG3", 440, 480}, {"QKTSCG4", 1, 1},     {"QKTSCG5", 440, 480},  {"QKTSCG6", 440, 480},
    {"LEVEL0", 440, 480},  {"LEVEL1", 440, 480},  {"CONTINU1", 200, 100}, {"MYME1", 420, 70},
};

TEST(GeneratedPictures, TableCoversTheLoadOrderAndTheShip) {
  // 163 loads (ids 4..166) plus the ship picture loaded by the selection scene.
  EXPECT_EQ(std::size(kPictures), 164u);
}

TEST(GeneratedPictures, EveryFileExistsUnderItsExactNameAndIsLargeEnough) {
  for (const Required& r : kPictures) {
    Picture p;
    std::string why;
    ASSERT_TRUE(LoadPicture(r.name, &p, &why)) << r.name << ": " << why;
    EXPECT_GE(p.width, r.width) << r.name;
    EXPECT_GE(p.height, r.height) << r.name;
    bool visible = false;
    for (uint16_t v : p.px) visible = visible || v != 0;
    EXPECT_TRUE(visible) << r.name << " would be entirely transparent";
  }
}

TEST(GeneratedPictures, MixedCaseNamesAreWrittenExactly) {
  // Linux names are case-sensitive; the game opens these spellings.
  for (const char* name : {"FLZ01_l", "VAL20w", "VAL21w", "VAL30w"}) {
    EXPECT_FALSE(ReadAll(platform::ProgramFolder() + "IMAGE/" + name + ".BMP").empty()) << name;
  }
}

TEST(GeneratedPictures, TurnedPicturesStayInsideTheirInscribedCircle) {
  // The rotating blit cuts the corners, so nothing may live there.
  for (const char* name : {"SZAK6", "SZAK40", "SZAK41", "VAL40L", "VAL40L1", "VAL40L2", "VAL20w", "VAL21w", "VALL301",
                           "VALL3011", "VALL3013", "VALL3014", "VALL3015", "VALL3016", "VALL3017", "VALL3018", "VAL3017A",
                           "VAL3018A", "VALL302"}) {
    Picture p;
    std::string why;
    ASSERT_TRUE(LoadPicture(name, &p, &why)) << name << ": " << why;
    float c = static_cast<float>(p.width) / 2, r = c + 0.5f;
    int outside = 0;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x)
        if (p.At(x, y) != 0 && std::hypot(x + 0.5f - c, y + 0.5f - c) > r) ++outside;
    EXPECT_EQ(outside, 0) << name;
  }
}

TEST(GeneratedPictures, DirectionalBulletsPointTheWayTheyAreTurned) {
  // Brightness is weighted toward a bullet's head: up for the needles drawn
  // at 270 - heading, right for the plus users, left for the minus users.
  struct Case {
    const char* name;
    int dx, dy;
  };
  for (Case k : {Case{"VAL40L", 0, -1}, Case{"VAL40L1", 0, -1}, Case{"VAL40L2", 0, -1}, Case{"VALL301", 0, -1},
                 Case{"VALL3011", 0, -1}, Case{"VALL302", 0, -1}, Case{"VAL21w", 1, 0}, Case{"VALL3014", 1, 0},
                 Case{"VALL3016", 1, 0}, Case{"VALL3018", 1, 0}, Case{"VALL3015", -1, 0}, Case{"VALL3017", -1, 0}}) {
    Picture p;
    std::string why;
    ASSERT_TRUE(LoadPicture(k.name, &p, &why)) << k.name << ": " << why;
    double sx = 0, sy = 0, sum = 0;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x) {
        double l = p.Luma(x, y);
        sx += l * (x + 0.5 - p.width / 2.0), sy += l * (y + 0.5 - p.height / 2.0), sum += l;
      }
    ASSERT_GT(sum, 0) << k.name;
    double along = (sx * k.dx + sy * k.dy) / sum, across = std::fabs(sx * k.dy - sy * k.dx) / sum;
    EXPECT_GT(along, 0.5) << k.name;
    EXPECT_LT(across, along) << k.name;
  }
}

TEST(GeneratedPictures, BackgroundStripsTileWithoutASeam) {
  // Across the wrap the rows must differ no more than neighbouring rows do.
  for (const char* name : {"BBACK1S", "BBACK2S", "BBACK3S"}) {
    Picture p;
    std::string why;
    ASSERT_TRUE(LoadPicture(name, &p, &why)) << name << ": " << why;
    auto row_diff = [&](int a, int b) {
      double d = 0;
      for (int x = 0; x < p.width; ++x) d += std::abs(p.Luma(x, a) - p.Luma(x, b));
      return d / p.width;
    };
    double worst_inside = 0;
    for (int y = 0; y + 1 < p.height; ++y) worst_inside = std::max(worst_inside, row_diff(y, y + 1));
    EXPECT_LE(row_diff(p.height - 1, 0), worst_inside + 0.5) << name;
  }
}

struct Wav {
  int channels = 0, bits = 0, rate = 0, format = 0;
  std::vector<int16_t> samples;
};

bool LoadWav(const std::string& name, Wav* w) {
  std::vector<uint8_t> b = ReadAll(platform::ProgramFolder() + "SOUND/" + name);
  if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" || std::string(b.begin() + 8, b.begin() + 12) != "WAVE")
    return false;
  if (Le32(b, 4) + 8 != b.size()) return false;
  bool fmt = false, data = false;
  for (size_t at = 12; at + 8 <= b.size();) {
    std::string id(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4);
    uint32_t size = Le32(b, at + 4);
    if (at + 8 + size > b.size()) return false;
    if (id == "fmt " && size >= 16) {
      w->format = Le16(b, at + 8), w->channels = Le16(b, at + 10), w->rate = static_cast<int>(Le32(b, at + 12));
      w->bits = Le16(b, at + 22);
      fmt = true;
    } else if (id == "data") {
      for (size_t i = 0; i + 1 < size; i += 2) w->samples.push_back(static_cast<int16_t>(Le16(b, at + 8 + i)));
      data = true;
    }
    at += 8 + size + (size & 1);
  }
  return fmt && data;
}

double Rms(const std::vector<int16_t>& s, size_t from, size_t to) {
  double sum = 0;
  for (size_t i = from; i < to; ++i) sum += static_cast<double>(s[i]) * s[i];
  return std::sqrt(sum / static_cast<double>(to - from)) / 32768.0;
}

TEST(GeneratedSounds, AreMono16BitPcmWithTheirCharacter) {
  Wav shot, bom;
  ASSERT_TRUE(LoadWav("SHOT.WAV", &shot));
  ASSERT_TRUE(LoadWav("BOM.WAV", &bom));
  for (const Wav* w : {&shot, &bom}) {
    EXPECT_EQ(w->format, 1);
    EXPECT_EQ(w->channels, 1);
    EXPECT_EQ(w->bits, 16);
    ASSERT_GT(w->rate, 0);
    ASSERT_FALSE(w->samples.empty());
    EXPECT_LT(std::abs(w->samples.back()), 200) << "ends on silence, no click when cut";
  }
  // The next shot cuts the last after about four frames.
  EXPECT_LT(shot.samples.size() * 1000 / static_cast<size_t>(shot.rate), 80u);
  // Restarted every frame during a death: its first 20 ms must already be
  // near its full loudness.
  size_t ms20 = static_cast<size_t>(bom.rate) / 50;
  ASSERT_GT(bom.samples.size(), ms20);
  int peak = 0;
  for (int16_t s : bom.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  EXPECT_GT(Rms(bom.samples, 0, ms20), 0.45 * peak / 32768.0);
  EXPECT_GT(bom.samples.size(), static_cast<size_t>(bom.rate) / 2) << "an explosion lingers";
}

// What the loop of a MIDI file needs: its chunks parse, every track ends at
// the same bar line, no note still sounds at the loop point, and it runs one
// to three minutes.
struct MidiSummary {
  int tracks = 0, division = 0;
  uint32_t end_tick = 0;
  bool all_tracks_end_together = true, notes_balanced = true;
  double seconds = 0;
  bool drums = false, bass = false, melody = false;
};

bool ReadVarLen(const std::vector<uint8_t>& b, size_t& at, size_t end, uint32_t* v) {
  *v = 0;
  for (int i = 0; i < 4; ++i) {
    if (at >= end) return false;
    uint8_t c = b[at++];
    *v = (*v << 7) | (c & 0x7F);
    if (!(c & 0x80)) return true;
  }
  return false;
}

bool LoadMidi(const std::string& name, MidiSummary* m) {
  std::vector<uint8_t> b = ReadAll(platform::ProgramFolder() + "MIDI/" + name);
  if (b.size() < 14 || std::string(b.begin(), b.begin() + 4) != "MThd" || Be32(b, 4) != 6) return false;
  int ntracks = (b[10] << 8) | b[11];
  m->division = (b[12] << 8) | b[13];
  if (m->division <= 0 || (m->division & 0x8000)) return false;
  uint32_t tempo = 500000;
  size_t at = 14;
  for (int t = 0; t < ntracks; ++t) {
    if (at + 8 > b.size() || std::string(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4) != "MTrk") return false;
    size_t end = at + 8 + Be32(b, at + 4);
    if (end > b.size()) return false;
    at += 8;
    uint32_t tick = 0;
    int sounding[16][128] = {};
    bool ended = false;
    uint8_t status = 0;
    while (at < end && !ended) {
      uint32_t delta;
      if (!ReadVarLen(b, at, end, &delta) || at >= end) return false;
      tick += delta;
      if (b[at] & 0x80) status = b[at++];
      if (status == 0xFF) {
        if (at + 1 > end) return false;
        uint8_t type = b[at++];
        uint32_t len;
        if (!ReadVarLen(b, at, end, &len) || at + len > end) return false;
        if (type == 0x51 && len == 3) tempo = (b[at] << 16) | (b[at + 1] << 8) | b[at + 2];
        if (type == 0x2F) ended = true;
        at += len;
      } else if (status == 0xF0 || status == 0xF7) {
        uint32_t len;
        if (!ReadVarLen(b, at, end, &len) || at + len > end) return false;
        at += len;
      } else {
        int kind = status & 0xF0, ch = status & 0x0F;
        int n = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
        if (at + static_cast<size_t>(n) > end) return false;
        int key = b[at] & 0x7F, vel = n > 1 ? b[at + 1] : 0;
        if (kind == 0x90 && vel > 0) {
          ++sounding[ch][key];
          if (ch == 9) m->drums = true;
          if (key < 55 && ch != 9) m->bass = true;
          if (key >= 60 && ch != 9) m->melody = true;
        } else if (kind == 0x80 || (kind == 0x90 && vel == 0)) {
          --sounding[ch][key];
        }
        at += static_cast<size_t>(n);
      }
    }
    if (!ended || at != end) return false;
    for (auto& ch : sounding)
      for (int k : ch) m->notes_balanced = m->notes_balanced && k == 0;
    if (t == 0) m->end_tick = tick;
    m->all_tracks_end_together = m->all_tracks_end_together && tick == m->end_tick;
  }
  if (at != b.size()) return false;
  m->tracks = ntracks;
  m->seconds = static_cast<double>(m->end_tick) / m->division * tempo / 1e6;
  return true;
}

TEST(GeneratedMusic, EveryTuneParsesAndLoopsCleanly) {
  for (const char* name : {"KTSM1.MID", "KTSM2.MID", "KTSM3.MID", "KTSM4.MID", "KTSM5.MID", "KTSMEND.MID", "GTCB3.MID", "QVN.MID"}) {
    MidiSummary m;
    ASSERT_TRUE(LoadMidi(name, &m)) << name;
    EXPECT_TRUE(m.all_tracks_end_together) << name;
    EXPECT_TRUE(m.notes_balanced) << name << ": a note still sounds at the loop point";
    EXPECT_EQ(m.end_tick % static_cast<uint32_t>(m.division * 4), 0u) << name << ": the loop does not end on a bar line";
    EXPECT_GE(m.seconds, 60) << name;
    EXPECT_LE(m.seconds, 180) << name;
    EXPECT_TRUE(m.drums && m.bass && m.melody) << name;
  }
}

}  // namespace

namespace {

TEST(Generator, WritesTheSameBytesOnEveryRun) {
  std::string tool = platform::ProgramFolder() + "make_assets";
  if (ReadAll(tool).empty()) GTEST_SKIP() << "generator not built beside the tests";
  char dir[] = "/tmp/quorvane_assets_XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  ASSERT_EQ(std::system((tool + " " + dir + " >/dev/null").c_str()), 0);
  for (const std::string& file : {std::string("IMAGE/TITLEC.BMP"), std::string("IMAGE/BOSS31.BMP"), std::string("IMAGE/ZBAK3B.BMP"),
                                  std::string("IMAGE/BBACK3S.BMP"), std::string("SOUND/BOM.WAV"), std::string("MIDI/KTSM1.MID")}) {
    EXPECT_EQ(ReadAll(std::string(dir) + "/" + file), ReadAll(platform::ProgramFolder() + file)) << file;
  }
  std::system((std::string("rm -rf ") + dir).c_str());
}

}  // namespace
