// Small drops: sets of 2, 3 or 4 small bullets a boss lets fall together
// from one point; the outer ones drift sideways so the set opens into a fan.
// No timer: the stage scene calls Spawn on every frame of a window, and each
// call restarts every bullet of the set that is free.
#pragma once

#include "bosses/boss_record.h"
#include "patterns/drops/drop_slot.h"
#include "world/assets.h"

namespace patterns {

constexpr int SmallDropMaxSlots = 4;

struct SmallDropRow {
  int Slots;  // 2, 3 or 4
  bosses::BossRecord* Boss;
  float StartX, StartY;  // offsets from the boss's x and y
  float Fall;
  // Per member, the drift added once per pass; Update makes one pass per
  // slot, so a member moves at Slots times this. 0: the member falls straight.
  float Drift[SmallDropMaxSlots];
  const int* Picture;
  bool Animated;  // VAL1's 16 frames; otherwise the one 16 x 16 cell
};

struct SmallDropInstance {
  const SmallDropRow& Row;
  DropSlot* Slots;

  void Spawn(int sceneParameter = 0) const;
  void Update(int sceneParameter = 0) const;
  void Draw(int sceneParameter = 0) const;
  void Reset() const;
};

inline constexpr SmallDropRow SmallDropRows[] = {
    // slots, boss, start x, y, fall, drift per pass, picture, animated
    {2, &bosses::Scene2Boss, 212, 200, 190, {-30, 30}, &assets::PicVal12, false},  // 01
    {3, &bosses::Scene2Boss, 212, 200, 220, {-23, 0, 23}, &assets::PicVal12, false},  // 02
    {4, &bosses::Scene2Boss, 212, 200, 260, {-7, 7, -20, 20}, &assets::PicVal12, false},  // 03
    {2, &bosses::Scene4Boss, 212, 200, 140, {-20, 20}, &assets::PicVal12, false},  // 04
    {3, &bosses::Scene4Boss, 212, 200, 220, {-33, 0, 33}, &assets::PicVal12, false},  // 05
    {3, &bosses::Scene4Boss, 182, 150, 220, {-23, 0, 23}, &assets::PicVal12, false},  // 06
    {3, &bosses::Scene4Boss, 282, 150, 220, {-23, 0, 23}, &assets::PicVal12, false},  // 07
    {4, &bosses::Scene4Boss, 232, 200, 210, {-17, 17, -30, 30}, &assets::PicVal12, false},  // 08
    {2, &bosses::Scene8Boss, 222, 200, 140, {-15, 15}, &assets::PicVal12, false},  // 09
    {3, &bosses::Scene8Boss, 222, 200, 120, {-13, 0, 13}, &assets::PicVal12, false},  // 10
    {3, &bosses::Scene8Boss, 172, 150, 120, {-13, 0, 13}, &assets::PicVal12, false},  // 11
    {3, &bosses::Scene8Boss, 272, 150, 120, {-13, 0, 13}, &assets::PicVal12, false},  // 12
    {3, &bosses::Scene8Boss, 142, 110, 120, {-13, 0, 13}, &assets::PicVal12, false},  // 13
    {3, &bosses::Scene8Boss, 302, 110, 120, {-13, 0, 13}, &assets::PicVal12, false},  // 14
    {4, &bosses::Scene8Boss, 222, 200, 110, {-7, 7, -20, 20}, &assets::PicVal12, false},  // 15
    {2, &bosses::Scene5Boss, 212, 200, 140, {-15, 15}, &assets::PicVal13, false},  // 16
    {2, &bosses::Scene5Boss, 182, 110, 140, {-15, 15}, &assets::PicVal13, false},  // 17
    {2, &bosses::Scene5Boss, 242, 110, 140, {-15, 15}, &assets::PicVal13, false},  // 18
    {3, &bosses::Scene5Boss, 212, 200, 120, {-13, 0, 13}, &assets::PicVal13, false},  // 19
    {3, &bosses::Scene5Boss, 162, 150, 120, {-13, 0, 13}, &assets::PicVal13, false},  // 20
    {3, &bosses::Scene5Boss, 262, 150, 120, {-13, 0, 13}, &assets::PicVal13, false},  // 21
    {3, &bosses::Scene5Boss, 132, 110, 120, {-13, 0, 13}, &assets::PicVal13, false},  // 22
    {3, &bosses::Scene5Boss, 292, 110, 120, {-13, 0, 13}, &assets::PicVal13, false},  // 23
    {4, &bosses::Scene5Boss, 212, 200, 110, {-7, 7, -20, 20}, &assets::PicVal13, false},  // 24
    {2, &bosses::Scene6Boss, 182, 200, 140, {-15, 15}, &assets::PicVal13, false},  // 25
    {2, &bosses::Scene6Boss, 152, 110, 140, {-15, 15}, &assets::PicVal13, false},  // 26
    {2, &bosses::Scene6Boss, 212, 110, 140, {-15, 15}, &assets::PicVal13, false},  // 27
    {3, &bosses::Scene6Boss, 182, 200, 120, {-13, 0, 13}, &assets::PicVal13, false},  // 28
    {3, &bosses::Scene6Boss, 132, 150, 120, {-13, 0, 13}, &assets::PicVal13, false},  // 29
    {3, &bosses::Scene6Boss, 232, 150, 120, {-13, 0, 13}, &assets::PicVal13, false},  // 30
    {3, &bosses::Scene6Boss, 102, 110, 120, {-13, 0, 13}, &assets::PicVal13, false},  // 31
    {3, &bosses::Scene6Boss, 262, 110, 120, {-13, 0, 13}, &assets::PicVal13, false},  // 32
    {4, &bosses::Scene6Boss, 182, 200, 110, {-7, 7, -20, 20}, &assets::PicVal13, false},  // 33
    {2, &bosses::Scene7Boss, 222, 200, 140, {-15, 15}, &assets::PicVal1, true},  // 34
    {2, &bosses::Scene7Boss, 182, 110, 140, {-15, 15}, &assets::PicVal1, true},  // 35
    {2, &bosses::Scene7Boss, 242, 110, 140, {-15, 15}, &assets::PicVal1, true},  // 36
    {3, &bosses::Scene7Boss, 222, 200, 120, {-13, 0, 13}, &assets::PicVal1, true},  // 37
    {3, &bosses::Scene7Boss, 172, 150, 120, {-13, 0, 13}, &assets::PicVal1, true},  // 38
    {3, &bosses::Scene7Boss, 272, 150, 120, {-13, 0, 13}, &assets::PicVal1, true},  // 39
    {3, &bosses::Scene7Boss, 142, 110, 120, {-13, 0, 13}, &assets::PicVal1, true},  // 40
    {3, &bosses::Scene7Boss, 302, 110, 120, {-13, 0, 13}, &assets::PicVal1, true},  // 41
    {4, &bosses::Scene7Boss, 222, 200, 110, {-7, 7, -20, 20}, &assets::PicVal1, true},  // 42
    {2, &bosses::Scene3Boss, 242, 200, 140, {-15, 15}, &assets::PicVal1, true},  // 43
    {2, &bosses::Scene3Boss, 212, 110, 140, {-15, 15}, &assets::PicVal1, true},  // 44
    {2, &bosses::Scene3Boss, 272, 110, 140, {-15, 15}, &assets::PicVal1, true},  // 45
    {3, &bosses::Scene3Boss, 242, 200, 120, {-13, 0, 13}, &assets::PicVal1, true},  // 46
    {3, &bosses::Scene3Boss, 192, 150, 120, {-13, 0, 13}, &assets::PicVal1, true},  // 47
    {3, &bosses::Scene3Boss, 292, 150, 120, {-13, 0, 13}, &assets::PicVal1, true},  // 48
    {3, &bosses::Scene3Boss, 162, 110, 120, {-13, 0, 13}, &assets::PicVal1, true},  // 49
    {3, &bosses::Scene3Boss, 322, 110, 120, {-13, 0, 13}, &assets::PicVal1, true},  // 50
    {4, &bosses::Scene3Boss, 242, 200, 110, {-7, 7, -20, 20}, &assets::PicVal1, true},  // 51
    {2, &bosses::Scene9Boss, 232, 200, 140, {-15, 15}, &assets::PicVal1, true},  // 52
    {2, &bosses::Scene9Boss, 202, 110, 140, {-15, 15}, &assets::PicVal1, true},  // 53
    {2, &bosses::Scene9Boss, 262, 110, 140, {-15, 15}, &assets::PicVal1, true},  // 54
    {3, &bosses::Scene9Boss, 232, 200, 120, {-13, 0, 13}, &assets::PicVal1, true},  // 55
    {3, &bosses::Scene9Boss, 182, 150, 120, {-13, 0, 13}, &assets::PicVal1, true},  // 56
    {3, &bosses::Scene9Boss, 282, 150, 120, {-13, 0, 13}, &assets::PicVal1, true},  // 57
    {3, &bosses::Scene9Boss, 152, 110, 120, {-13, 0, 13}, &assets::PicVal1, true},  // 58
    {3, &bosses::Scene9Boss, 312, 110, 120, {-13, 0, 13}, &assets::PicVal1, true},  // 59
    {4, &bosses::Scene9Boss, 232, 200, 110, {-7, 7, -20, 20}, &assets::PicVal1, true},  // 60
};
constexpr int SmallDropCount = sizeof(SmallDropRows) / sizeof(SmallDropRows[0]);
static_assert(SmallDropCount == 60);

inline DropSlot SmallDropTables[SmallDropCount][SmallDropMaxSlots];

// The scene-5 boss drops its set of nine (SmallDrop16 to SmallDrop24) on
// thresholds of its hit points rather than of its attack counter: on every
// frame whose hit points lie in one of these ranges, both ends included.
struct HitPointWindow {
  float Low, High;
};
inline constexpr HitPointWindow Scene5SmallDropHitPoints[] = {{740.0f, 770.0f}, {460.0f, 490.0f}, {60.0f, 90.0f}};
bool InScene5SmallDropWindow(float hitPoints);

inline constexpr SmallDropInstance SmallDrop01{SmallDropRows[0], SmallDropTables[0]};
inline constexpr SmallDropInstance SmallDrop02{SmallDropRows[1], SmallDropTables[1]};
inline constexpr SmallDropInstance SmallDrop03{SmallDropRows[2], SmallDropTables[2]};
inline constexpr SmallDropInstance SmallDrop04{SmallDropRows[3], SmallDropTables[3]};
inline constexpr SmallDropInstance SmallDrop05{SmallDropRows[4], SmallDropTables[4]};
inline constexpr SmallDropInstance SmallDrop06{SmallDropRows[5], SmallDropTables[5]};
inline constexpr SmallDropInstance SmallDrop07{SmallDropRows[6], SmallDropTables[6]};
inline constexpr SmallDropInstance SmallDrop08{SmallDropRows[7], SmallDropTables[7]};
inline constexpr SmallDropInstance SmallDrop09{SmallDropRows[8], SmallDropTables[8]};
inline constexpr SmallDropInstance SmallDrop10{SmallDropRows[9], SmallDropTables[9]};
inline constexpr SmallDropInstance SmallDrop11{SmallDropRows[10], SmallDropTables[10]};
inline constexpr SmallDropInstance SmallDrop12{SmallDropRows[11], SmallDropTables[11]};
inline constexpr SmallDropInstance SmallDrop13{SmallDropRows[12], SmallDropTables[12]};
inline constexpr SmallDropInstance SmallDrop14{SmallDropRows[13], SmallDropTables[13]};
inline constexpr SmallDropInstance SmallDrop15{SmallDropRows[14], SmallDropTables[14]};
inline constexpr SmallDropInstance SmallDrop16{SmallDropRows[15], SmallDropTables[15]};
inline constexpr SmallDropInstance SmallDrop17{SmallDropRows[16], SmallDropTables[16]};
inline constexpr SmallDropInstance SmallDrop18{SmallDropRows[17], SmallDropTables[17]};
inline constexpr SmallDropInstance SmallDrop19{SmallDropRows[18], SmallDropTables[18]};
inline constexpr SmallDropInstance SmallDrop20{SmallDropRows[19], SmallDropTables[19]};
inline constexpr SmallDropInstance SmallDrop21{SmallDropRows[20], SmallDropTables[20]};
inline constexpr SmallDropInstance SmallDrop22{SmallDropRows[21], SmallDropTables[21]};
inline constexpr SmallDropInstance SmallDrop23{SmallDropRows[22], SmallDropTables[22]};
inline constexpr SmallDropInstance SmallDrop24{SmallDropRows[23], SmallDropTables[23]};
inline constexpr SmallDropInstance SmallDrop25{SmallDropRows[24], SmallDropTables[24]};
inline constexpr SmallDropInstance SmallDrop26{SmallDropRows[25], SmallDropTables[25]};
inline constexpr SmallDropInstance SmallDrop27{SmallDropRows[26], SmallDropTables[26]};
inline constexpr SmallDropInstance SmallDrop28{SmallDropRows[27], SmallDropTables[27]};
inline constexpr SmallDropInstance SmallDrop29{SmallDropRows[28], SmallDropTables[28]};
inline constexpr SmallDropInstance SmallDrop30{SmallDropRows[29], SmallDropTables[29]};
inline constexpr SmallDropInstance SmallDrop31{SmallDropRows[30], SmallDropTables[30]};
inline constexpr SmallDropInstance SmallDrop32{SmallDropRows[31], SmallDropTables[31]};
inline constexpr SmallDropInstance SmallDrop33{SmallDropRows[32], SmallDropTables[32]};
inline constexpr SmallDropInstance SmallDrop34{SmallDropRows[33], SmallDropTables[33]};
inline constexpr SmallDropInstance SmallDrop35{SmallDropRows[34], SmallDropTables[34]};
inline constexpr SmallDropInstance SmallDrop36{SmallDropRows[35], SmallDropTables[35]};
inline constexpr SmallDropInstance SmallDrop37{SmallDropRows[36], SmallDropTables[36]};
inline constexpr SmallDropInstance SmallDrop38{SmallDropRows[37], SmallDropTables[37]};
inline constexpr SmallDropInstance SmallDrop39{SmallDropRows[38], SmallDropTables[38]};
inline constexpr SmallDropInstance SmallDrop40{SmallDropRows[39], SmallDropTables[39]};
inline constexpr SmallDropInstance SmallDrop41{SmallDropRows[40], SmallDropTables[40]};
inline constexpr SmallDropInstance SmallDrop42{SmallDropRows[41], SmallDropTables[41]};
inline constexpr SmallDropInstance SmallDrop43{SmallDropRows[42], SmallDropTables[42]};
inline constexpr SmallDropInstance SmallDrop44{SmallDropRows[43], SmallDropTables[43]};
inline constexpr SmallDropInstance SmallDrop45{SmallDropRows[44], SmallDropTables[44]};
inline constexpr SmallDropInstance SmallDrop46{SmallDropRows[45], SmallDropTables[45]};
inline constexpr SmallDropInstance SmallDrop47{SmallDropRows[46], SmallDropTables[46]};
inline constexpr SmallDropInstance SmallDrop48{SmallDropRows[47], SmallDropTables[47]};
inline constexpr SmallDropInstance SmallDrop49{SmallDropRows[48], SmallDropTables[48]};
inline constexpr SmallDropInstance SmallDrop50{SmallDropRows[49], SmallDropTables[49]};
inline constexpr SmallDropInstance SmallDrop51{SmallDropRows[50], SmallDropTables[50]};
inline constexpr SmallDropInstance SmallDrop52{SmallDropRows[51], SmallDropTables[51]};
inline constexpr SmallDropInstance SmallDrop53{SmallDropRows[52], SmallDropTables[52]};
inline constexpr SmallDropInstance SmallDrop54{SmallDropRows[53], SmallDropTables[53]};
inline constexpr SmallDropInstance SmallDrop55{SmallDropRows[54], SmallDropTables[54]};
inline constexpr SmallDropInstance SmallDrop56{SmallDropRows[55], SmallDropTables[55]};
inline constexpr SmallDropInstance SmallDrop57{SmallDropRows[56], SmallDropTables[56]};
inline constexpr SmallDropInstance SmallDrop58{SmallDropRows[57], SmallDropTables[57]};
inline constexpr SmallDropInstance SmallDrop59{SmallDropRows[58], SmallDropTables[58]};
inline constexpr SmallDropInstance SmallDrop60{SmallDropRows[59], SmallDropTables[59]};

}  // namespace patterns
