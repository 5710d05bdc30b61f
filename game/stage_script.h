// A stage read as the timeline it is: what each stage scene plays, draws and
// calls, frame by frame, as tables of values and of rows that name the
// enemies' and weapons' operations. One stage frame (stage.cpp) walks them in
// its fixed order; a scene adds data, not control flow.
#pragma once
#include <limits>
#include <span>

#include "bosses/boss.h"
#include "bosses/boss_record.h"

namespace stage {

// One operation of an enemy, pattern or weapon instance, as a script calls
// it (with the scene's parameter, always 0, where it takes one).
using Call = void (*)();
// A condition of a row on the mode flags; nullptr always holds.
using Condition = bool (*)();

// A row's calls written in the row: `Calls<Fire<AimedFan01>, Fire<AimedFan02>>`.
// Each distinct list is one constant array, shared by every row (in any
// script) that names the same calls in the same order.
template <Call... Cs>
inline constexpr Call CallList[] = {Cs...};
template <Call... Cs>
inline constexpr std::span<const Call> Calls = CallList<Cs...>;
// The scripts mark "never in play" the rows that run only at double speed or
// in the extra level mode, which nothing in play sets.

constexpr float Always = std::numeric_limits<float>::infinity();

// A row of calls made while lo < StageProgress < hi (strict at both ends;
// -Always..Always on every frame) and its condition holds.
struct ProgressRow {
  float lo, hi;
  Condition when;
  std::span<const Call> calls;
};
inline constexpr ProgressRow EveryFrame(std::span<const Call> calls, Condition when = nullptr) {
  return {-Always, Always, when, calls};
}

// A row of calls made while lo <= AttackCounter <= hi (inclusive) and its
// condition holds.
struct AttackRow {
  int lo, hi;
  Condition when;
  std::span<const Call> calls;
};

// A power-up window of the stage clock, inclusive at both ends.
struct Window {
  float lo, hi;
};

// An instance's operation as a Call: `Fire<AimedFan01>`, `Move<FlameFaller01>`.
// Each calls the named instance's operation with the scene's parameter left
// at its default (0).
template <const auto& I>
void Spawn() { I.Spawn(); }
template <const auto& I>
void Fire() { I.Fire(); }
template <const auto& I>
void Emit() { I.Emit(); }
template <const auto& I>
void Move() { I.Move(); }
template <const auto& I>
void Draw() { I.Draw(); }
template <const auto& I>
void Update() { I.Update(); }
// The craft's pair (Move, then Draw) and the bullets' (Update, then Draw).
template <const auto& I>
void MoveDraw() {
  I.Move();
  I.Draw();
}
template <const auto& I>
void UpdateDraw() {
  I.Update();
  I.Draw();
}
// A call made only while a condition holds, where a script puts a
// conditional call in the middle of a row.
template <Condition when, Call call>
void When() {
  if (when()) call();
}

// The power-up windows of every stage but the first.
inline constexpr Window StandardPowerUps[] = {{100, 150}, {300, 350}, {500, 550}, {800, 850}, {1000, 1050}};

// The boss of a stage and how its fight is timed.
struct BossScript {
  const bosses::BossInstance* ops;  // its moves, draws and death, over its row
  bosses::BossRecord* record;
  float windowLo, windowHi;  // the boss block runs while lo < progress < hi
  float gate;                // the attack counter runs while 0 < hit points < gate
  int cycle[4];              // the attack cycle length by Difficulty 0..3
  float timeOut;             // from here to windowHi the hit points are forced to 0
  std::span<const AttackRow> attacks;
};

// A stage's boss: its operations and record come from its instance, so the
// two cannot belong to different bosses.
template <const auto& Ops>
constexpr BossScript BossFight(float windowLo, float windowHi, float gate, const int (&cycle)[4], float timeOut,
                               std::span<const AttackRow> attacks) {
  return {&Ops, Ops.Row.Record, windowLo, windowHi, gate, {cycle[0], cycle[1], cycle[2], cycle[3]}, timeOut, attacks};
}

struct StageScript {
  const char* music;          // nullptr: none
  bool musicOnFirstFrame;     // started on the scene's first frame, not the first running one
  float rate;                 // stage progress per second
  BossScript boss;
  // Before the player's shots are drawn (the scene-9 boss patterns).
  std::span<const ProgressRow> early;
  // Craft moved and drawn, their spawn and shot windows, in script order.
  std::span<const ProgressRow> smallFry;
  std::span<const Window> powerUps;
  bool powerUpMovesFirst;   // the item moves before it is drawn
  // Bullet families updated and drawn after the ship, with their extra passes.
  std::span<const ProgressRow> bullets;
  bool sidePanels;          // the side panels are drawn over the HUD
  bool bombNeedsVolleyOff;  // the bomb bursts only while MainShotBEnable is 0
  bool runsVolley;          // the frame runs a started special volley
  std::span<const Call> lockWeapons;  // after the collision pass
  bool replayBlock;         // a replay fires the main shots and the lock weapons
  int continueBombs;        // the bomb stock after a continue
};

// Scenes 2 to 9.
const StageScript& ScriptOf(int scene);

// The script of each scene, each in its own source.
extern const StageScript Scene2Script;
extern const StageScript Scene3Script;
extern const StageScript Scene4Script;
extern const StageScript Scene5Script;
extern const StageScript Scene6Script;
extern const StageScript Scene7Script;
extern const StageScript Scene8Script;
extern const StageScript Scene9Script;

// Conditions the scripts share.
bool AtDifficulty2Or3();
bool AtDifficulty3();
bool ExtraModes();        // LevelMode 2 or DoubleSpeedFlag 1
bool DoubleSpeed();       // DoubleSpeedFlag 1
bool NotDoubleSpeed();    // DoubleSpeedFlag not 1
bool NotLevelMode1();     // LevelMode not 1
bool LevelMode1();        // LevelMode 1
bool LevelMode2();        // LevelMode 2
bool AtDifficulty1();     // Difficulty 1
bool DoubleSpeedNonZero();  // DoubleSpeedFlag not 0

}  // namespace stage
