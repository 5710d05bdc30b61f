// Formation drops: groups of 3, 5 or 7 bullets placed in an arc below the
// boss that start together, fall at one speed and drift apart so that the
// arc fans out; in some instances the whole group also slides sideways.
// Group g holds slots g * GroupSize onward; a member's position in its group
// picks its start offsets, its drift and its cell.
#pragma once

#include "bosses/boss_record.h"
#include "patterns/drops/drop_slot.h"
#include "world/assets.h"

namespace patterns {

constexpr int FormationMaxGroups = 10;
constexpr int FormationMaxMembers = 7;
constexpr int FormationMaxSlots = 50;

enum class FormationDrawForm {
  FixedCell,    // VALL20's one ball
  Animated,     // VAL20241's 24 frames, every slot advanced on every Draw
  MemberCells,  // a strip of 40 x 40 cells, one per member position
};

struct FormationDropRow {
  bosses::BossRecord* Boss;
  int Groups, GroupSize;
  // A vertical arc starts every member at StartX[0]; a horizontal arc each
  // member at its own StartX[m].
  bool HorizontalArc = false;
  float StartX[FormationMaxMembers] = {};
  float StartY[FormationMaxMembers] = {};
  VolleyTimer Timer;
  int Keys[FormationMaxGroups];
  float Fall;
  DropSlide Slide = {};  // the whole group's sideways motion
  // Per member position, the drift added once per pass; the pass runs
  // GroupSize times per Update (Group0DriftPasses times for group 0 where
  // that is not 0), so a member moves at that multiple.
  float Drift[FormationMaxMembers] = {};
  int Group0DriftPasses = 0;
  bool BombTest = false;
  enemies::PlayerHitWindow Box;
  bool Additive = false;  // elDraw::DrawAdd, else the colour-keyed elDraw::Draw
  const int* Picture;
  FormationDrawForm Form;
  int Cells[FormationMaxMembers] = {};  // member cells: the cell of each member position
  bool MembersReversed = false;    // members drawn last to first
  int DrawPasses;                  // whole passes per Draw

  constexpr int SlotCount() const { return Groups * GroupSize; }
};

struct FormationDropInstance {
  const FormationDropRow& Row;
  DropSlot* Slots;

  void Fire(int sceneParameter = 0) const;
  void Spawn(int slot, int first) const;
  void Update(int sceneParameter = 0) const;
  void Draw(int sceneParameter = 0) const;
  void Reset() const;
};

inline constexpr enemies::PlayerHitWindow FormationBox0To20{0.0f, 20.0f, 0.0f, 20.0f};

inline constexpr FormationDropRow FormationDropRows[] = {
    // A field left out is zero or false: a vertical arc, no slide, every
    // group drifting GroupSize passes, no bomb test, keyed draws.
    // 01
    {.Boss = &bosses::Scene2Boss, .Groups = 10, .GroupSize = 3, .StartX = {90}, .StartY = {90, 113, 120},
     .Timer = {800, 0}, .Keys = {60, 120, 180, 240, 300, 360, 420, 480, 540, 600}, .Fall = 120, .Drift = {10, 20, 30},
     .Box = enemies::Box20, .Picture = &assets::PicVall20, .Form = FormationDrawForm::FixedCell, .DrawPasses = 1},
    // 02
    {.Boss = &bosses::Scene2Boss, .Groups = 10, .GroupSize = 3, .StartX = {330}, .StartY = {90, 113, 120},
     .Timer = {800, 0}, .Keys = {60, 120, 180, 240, 300, 360, 420, 480, 540, 600}, .Fall = 120,
     .Drift = {-10, -20, -30}, .Box = enemies::Box20, .Picture = &assets::PicVall20,
     .Form = FormationDrawForm::FixedCell, .DrawPasses = 1},
    // 03
    {.Boss = &bosses::Scene2Boss, .Groups = 5, .GroupSize = 7, .StartX = {200},
     .StartY = {154, 183, 194, 200, 194, 183, 154}, .Timer = {140, 0}, .Keys = {25, 50, 75, 100, 125}, .Fall = 200,
     .Drift = {-30, -20, -10, 0, 10, 20, 30}, .BombTest = true, .Box = enemies::Box40, .Additive = true,
     .Picture = &assets::PicVal404, .Form = FormationDrawForm::MemberCells, .Cells = {0, 1, 2, 3, 4, 5, 6},
     .DrawPasses = 1},
    // 04
    {.Boss = &bosses::Scene2Boss, .Groups = 10, .GroupSize = 5, .StartX = {150}, .StartY = {90, 113, 120, 113, 90},
     .Timer = {340, 0}, .Keys = {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}, .Fall = 130,
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = enemies::Box20, .Additive = true,
     .Picture = &assets::PicVall20, .Form = FormationDrawForm::FixedCell, .DrawPasses = 1},
    // 05
    {.Boss = &bosses::Scene2Boss, .Groups = 10, .GroupSize = 5, .StartX = {270}, .StartY = {90, 113, 120, 113, 90},
     .Timer = {340, 0}, .Keys = {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}, .Fall = 130,
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = enemies::Box20, .Additive = true,
     .Picture = &assets::PicVall20, .Form = FormationDrawForm::FixedCell, .DrawPasses = 1},
    // 06
    {.Boss = &bosses::Scene3Boss, .Groups = 10, .GroupSize = 3, .StartX = {110}, .StartY = {90, 113, 120},
     .Timer = {230, 0}, .Keys = {20, 40, 60, 80, 100, 140, 160, 180, 200, 220}, .Fall = 190, .Drift = {10, 35, 55},
     .Box = FormationBox0To20, .Picture = &assets::PicVal405, .Form = FormationDrawForm::MemberCells,
     .Cells = {4, 5, 6}, .DrawPasses = 30},
    // 07
    {.Boss = &bosses::Scene3Boss, .Groups = 10, .GroupSize = 3, .StartX = {350}, .StartY = {90, 113, 120},
     .Timer = {230, 0}, .Keys = {20, 40, 60, 80, 100, 140, 160, 180, 200, 220}, .Fall = 190, .Drift = {-10, -35, -55},
     .Box = FormationBox0To20, .Picture = &assets::PicVal405, .Form = FormationDrawForm::MemberCells,
     .Cells = {2, 1, 0}, .MembersReversed = true, .DrawPasses = 30},
    // 08
    {.Boss = &bosses::Scene4Boss, .Groups = 10, .GroupSize = 5, .StartX = {210}, .StartY = {170, 193, 200, 193, 170},
     .Timer = {340, 0}, .Keys = {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}, .Fall = 176,
     .Drift = {-16, -8, 0, 8, 16}, .BombTest = true, .Box = enemies::Box20, .Additive = true,
     .Picture = &assets::PicVall20, .Form = FormationDrawForm::FixedCell, .DrawPasses = 1},
    // 09
    {.Boss = &bosses::Scene4Boss, .Groups = 10, .GroupSize = 5, .StartX = {150}, .StartY = {90, 113, 120, 113, 90},
     .Timer = {170, 0}, .Keys = {10, 20, 30, 60, 70, 80, 110, 120, 130, 140}, .Fall = 100, .Slide = {90, 1},
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = enemies::Box20, .Additive = true,
     .Picture = &assets::PicVall20, .Form = FormationDrawForm::FixedCell, .DrawPasses = 1},
    // 10
    {.Boss = &bosses::Scene4Boss, .Groups = 10, .GroupSize = 5, .StartX = {270}, .StartY = {90, 113, 120, 113, 90},
     .Timer = {170, 0}, .Keys = {10, 20, 30, 60, 70, 80, 110, 120, 130, 140}, .Fall = 100, .Slide = {90, -1},
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = enemies::Box20, .Additive = true,
     .Picture = &assets::PicVall20, .Form = FormationDrawForm::FixedCell, .DrawPasses = 1},
    // 11
    {.Boss = &bosses::Scene4Boss, .Groups = 10, .GroupSize = 5, .StartX = {90}, .StartY = {50, 73, 80, 73, 50},
     .Timer = {370, 0}, .Keys = {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}, .Fall = 180, .Slide = {45, 1},
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = enemies::Box20, .Additive = true,
     .Picture = &assets::PicVall20, .Form = FormationDrawForm::FixedCell, .DrawPasses = 1},
    // 12
    {.Boss = &bosses::Scene4Boss, .Groups = 10, .GroupSize = 5, .StartX = {330}, .StartY = {50, 73, 80, 73, 50},
     .Timer = {370, 0}, .Keys = {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}, .Fall = 180, .Slide = {45, -1},
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = enemies::Box20, .Additive = true,
     .Picture = &assets::PicVall20, .Form = FormationDrawForm::FixedCell, .DrawPasses = 1},
    // 13
    {.Boss = &bosses::Scene8Boss, .Groups = 10, .GroupSize = 5, .StartX = {220}, .StartY = {110, 133, 140, 133, 110},
     .Timer = {360, 0}, .Keys = {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}, .Fall = 230,
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = enemies::Box20, .Additive = true,
     .Picture = &assets::PicVal20241, .Form = FormationDrawForm::Animated, .DrawPasses = 1},
    // 14
    {.Boss = &bosses::Scene8Boss, .Groups = 10, .GroupSize = 5, .StartX = {170}, .StartY = {90, 113, 120, 113, 90},
     .Timer = {350, 0}, .Keys = {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}, .Fall = 90,
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = enemies::Box20, .Additive = true,
     .Picture = &assets::PicVal20241, .Form = FormationDrawForm::Animated, .DrawPasses = 1},
    // 15
    {.Boss = &bosses::Scene8Boss, .Groups = 10, .GroupSize = 5, .StartX = {270}, .StartY = {90, 113, 120, 113, 90},
     .Timer = {350, 0}, .Keys = {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}, .Fall = 90,
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = enemies::Box20, .Additive = true,
     .Picture = &assets::PicVal20241, .Form = FormationDrawForm::Animated, .DrawPasses = 1},
    // 16
    {.Boss = &bosses::Scene8Boss, .Groups = 10, .GroupSize = 5, .StartX = {140}, .StartY = {170, 193, 200, 193, 170},
     .Timer = {900, 0}, .Keys = {80, 160, 240, 320, 400, 480, 560, 640, 720, 800}, .Fall = 120,
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = enemies::Box20, .Additive = true,
     .Picture = &assets::PicVall20, .Form = FormationDrawForm::FixedCell, .DrawPasses = 1},
    // 17
    {.Boss = &bosses::Scene8Boss, .Groups = 10, .GroupSize = 5, .StartX = {300}, .StartY = {170, 193, 200, 193, 170},
     .Timer = {900, 0}, .Keys = {80, 160, 240, 320, 400, 480, 560, 640, 720, 800}, .Fall = 120,
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = enemies::Box20, .Additive = true,
     .Picture = &assets::PicVall20, .Form = FormationDrawForm::FixedCell, .DrawPasses = 1},
    // 18
    {.Boss = &bosses::Scene7Boss, .Groups = 10, .GroupSize = 5, .StartX = {220}, .StartY = {110, 133, 140, 133, 110},
     .Timer = {330, 0}, .Keys = {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}, .Fall = 130,
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = enemies::Box20, .Additive = true,
     .Picture = &assets::PicVal20241, .Form = FormationDrawForm::Animated, .DrawPasses = 1},
    // 19
    {.Boss = &bosses::Scene7Boss, .Groups = 10, .GroupSize = 5, .StartX = {170}, .StartY = {60, 83, 90, 83, 60},
     .Timer = {860, 0}, .Keys = {80, 160, 240, 320, 400, 480, 560, 640, 720, 800}, .Fall = 120,
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = FormationBox0To20, .Additive = true,
     .Picture = &assets::PicVal401, .Form = FormationDrawForm::MemberCells, .Cells = {0, 1, 2, 3, 4}, .DrawPasses = 1},
    // 20
    {.Boss = &bosses::Scene7Boss, .Groups = 10, .GroupSize = 5, .StartX = {250}, .StartY = {60, 83, 90, 83, 60},
     .Timer = {860, 0}, .Keys = {80, 160, 240, 320, 400, 480, 560, 640, 720, 800}, .Fall = 120,
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = FormationBox0To20, .Additive = true,
     .Picture = &assets::PicVal401, .Form = FormationDrawForm::MemberCells, .Cells = {0, 1, 2, 3, 4}, .DrawPasses = 1},
    // 21
    {.Boss = &bosses::Scene7Boss, .Groups = 10, .GroupSize = 5, .StartX = {90}, .StartY = {60, 83, 90, 83, 60},
     .Timer = {860, 0}, .Keys = {80, 160, 240, 320, 400, 480, 560, 640, 720, 800}, .Fall = 120,
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = FormationBox0To20, .Additive = true,
     .Picture = &assets::PicVal401, .Form = FormationDrawForm::MemberCells, .Cells = {0, 1, 2, 3, 4}, .DrawPasses = 1},
    // 22
    {.Boss = &bosses::Scene7Boss, .Groups = 10, .GroupSize = 5, .StartX = {330}, .StartY = {60, 83, 90, 83, 60},
     .Timer = {860, 0}, .Keys = {80, 160, 240, 320, 400, 480, 560, 640, 720, 800}, .Fall = 120,
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = FormationBox0To20, .Additive = true,
     .Picture = &assets::PicVal401, .Form = FormationDrawForm::MemberCells, .Cells = {0, 1, 2, 3, 4}, .DrawPasses = 1},
    // 23
    {.Boss = &bosses::Scene7Boss, .Groups = 10, .GroupSize = 5, .HorizontalArc = true,
     .StartX = {76, 98, 120, 142, 164}, .StartY = {50, 73, 80, 73, 50}, .Timer = {150, 0},
     .Keys = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, .Fall = 180, .Drift = {-40, 0, 0, 0, 40}, .BombTest = true,
     .Box = enemies::Box20, .Additive = true, .Picture = &assets::PicVal20241, .Form = FormationDrawForm::Animated,
     .DrawPasses = 1},
    // 24
    {.Boss = &bosses::Scene7Boss, .Groups = 10, .GroupSize = 5, .HorizontalArc = true,
     .StartX = {276, 298, 320, 342, 364}, .StartY = {50, 73, 80, 73, 50}, .Timer = {150, 0},
     .Keys = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, .Fall = 180, .Drift = {-20, 0, 0, 0, 20}, .BombTest = true,
     .Box = enemies::Box20, .Additive = true, .Picture = &assets::PicVal20241, .Form = FormationDrawForm::Animated,
     .DrawPasses = 1},
    // 25
    {.Boss = &bosses::Scene3Boss, .Groups = 10, .GroupSize = 5, .StartX = {240}, .StartY = {110, 133, 140, 133, 110},
     .Timer = {230, 0}, .Keys = {20, 40, 60, 80, 100, 120, 140, 160, 180, 200}, .Fall = 130,
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = enemies::Box20, .Additive = true,
     .Picture = &assets::PicVal20241, .Form = FormationDrawForm::Animated, .DrawPasses = 1},
    // 26
    {.Boss = &bosses::Scene3Boss, .Groups = 10, .GroupSize = 5, .StartX = {200}, .StartY = {60, 83, 90, 83, 60},
     .Timer = {860, 0}, .Keys = {80, 160, 240, 320, 400, 480, 560, 640, 720, 800}, .Fall = 120,
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = FormationBox0To20, .Additive = true,
     .Picture = &assets::PicVal402, .Form = FormationDrawForm::MemberCells, .Cells = {0, 1, 2, 3, 4}, .DrawPasses = 1},
    // 27
    {.Boss = &bosses::Scene3Boss, .Groups = 10, .GroupSize = 5, .StartX = {260}, .StartY = {60, 83, 90, 83, 60},
     .Timer = {860, 0}, .Keys = {80, 160, 240, 320, 400, 480, 560, 640, 720, 800}, .Fall = 120,
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = FormationBox0To20, .Additive = true,
     .Picture = &assets::PicVal402, .Form = FormationDrawForm::MemberCells, .Cells = {0, 1, 2, 3, 4}, .DrawPasses = 1},
    // 28
    {.Boss = &bosses::Scene3Boss, .Groups = 10, .GroupSize = 5, .StartX = {110}, .StartY = {60, 83, 90, 83, 60},
     .Timer = {260, 0}, .Keys = {10, 20, 30, 40, 100, 110, 120, 180, 190, 200}, .Fall = 120,
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = FormationBox0To20, .Additive = true,
     .Picture = &assets::PicVal402, .Form = FormationDrawForm::MemberCells, .Cells = {0, 1, 2, 3, 4}, .DrawPasses = 1},
    // 29
    {.Boss = &bosses::Scene3Boss, .Groups = 10, .GroupSize = 5, .StartX = {350}, .StartY = {60, 83, 90, 83, 60},
     .Timer = {260, 0}, .Keys = {10, 20, 30, 40, 100, 110, 120, 180, 190, 200}, .Fall = 120,
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = FormationBox0To20, .Additive = true,
     .Picture = &assets::PicVal402, .Form = FormationDrawForm::MemberCells, .Cells = {0, 1, 2, 3, 4}, .DrawPasses = 1},
    // 30
    {.Boss = &bosses::Scene3Boss, .Groups = 10, .GroupSize = 5, .HorizontalArc = true,
     .StartX = {76, 98, 120, 142, 164}, .StartY = {50, 73, 80, 73, 50}, .Timer = {150, 0},
     .Keys = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, .Fall = 180, .Drift = {-20, 0, 0, 0, 20}, .BombTest = true,
     .Box = enemies::Box20, .Additive = true, .Picture = &assets::PicVal20241, .Form = FormationDrawForm::Animated,
     .DrawPasses = 1},
    // 31
    {.Boss = &bosses::Scene3Boss, .Groups = 10, .GroupSize = 5, .HorizontalArc = true,
     .StartX = {316, 338, 360, 382, 404}, .StartY = {50, 73, 80, 73, 50}, .Timer = {150, 0},
     .Keys = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, .Fall = 180, .Drift = {-20, 0, 0, 0, 20}, .BombTest = true,
     .Box = enemies::Box20, .Additive = true, .Picture = &assets::PicVal20241, .Form = FormationDrawForm::Animated,
     .DrawPasses = 1},
    // 32
    {.Boss = &bosses::Scene9Boss, .Groups = 10, .GroupSize = 5, .StartX = {230}, .StartY = {110, 133, 140, 133, 110},
     .Timer = {230, 0}, .Keys = {20, 40, 60, 80, 100, 120, 140, 160, 180, 200}, .Fall = 130,
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = enemies::Box20, .Picture = &assets::PicVall20,
     .Form = FormationDrawForm::FixedCell, .DrawPasses = 1},
    // 33
    {.Boss = &bosses::Scene9Boss, .Groups = 10, .GroupSize = 5, .StartX = {180}, .StartY = {60, 83, 90, 83, 60},
     .Timer = {660, 0}, .Keys = {60, 120, 180, 240, 300, 360, 420, 480, 540, 600}, .Fall = 120,
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = FormationBox0To20, .Picture = &assets::PicVal402b,
     .Form = FormationDrawForm::MemberCells, .Cells = {0, 1, 2, 3, 4}, .DrawPasses = 1},
    // 34
    {.Boss = &bosses::Scene9Boss, .Groups = 10, .GroupSize = 5, .StartX = {260}, .StartY = {60, 83, 90, 83, 60},
     .Timer = {660, 0}, .Keys = {60, 120, 180, 240, 300, 360, 420, 480, 540, 600}, .Fall = 120,
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = FormationBox0To20, .Picture = &assets::PicVal402b,
     .Form = FormationDrawForm::MemberCells, .Cells = {0, 1, 2, 3, 4}, .DrawPasses = 1},
    // 35
    {.Boss = &bosses::Scene9Boss, .Groups = 10, .GroupSize = 5, .StartX = {100}, .StartY = {60, 83, 90, 83, 60},
     .Timer = {660, 0}, .Keys = {60, 120, 180, 240, 300, 360, 420, 480, 540, 600}, .Fall = 120,
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = FormationBox0To20, .Picture = &assets::PicVal402b,
     .Form = FormationDrawForm::MemberCells, .Cells = {0, 1, 2, 3, 4}, .DrawPasses = 1},
    // 36
    {.Boss = &bosses::Scene9Boss, .Groups = 10, .GroupSize = 5, .StartX = {340}, .StartY = {60, 83, 90, 83, 60},
     .Timer = {660, 0}, .Keys = {60, 120, 180, 240, 300, 360, 420, 480, 540, 600}, .Fall = 120,
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = FormationBox0To20, .Picture = &assets::PicVal402b,
     .Form = FormationDrawForm::MemberCells, .Cells = {0, 1, 2, 3, 4}, .DrawPasses = 1},
    // 37
    {.Boss = &bosses::Scene5Boss, .Groups = 10, .GroupSize = 5, .StartX = {210}, .StartY = {60, 83, 90, 83, 60},
     .Timer = {150, 0}, .Keys = {10, 20, 30, 40, 50, 80, 90, 100, 120, 130}, .Fall = 210,
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = enemies::Box20, .Additive = true,
     .Picture = &assets::PicVall20, .Form = FormationDrawForm::FixedCell, .DrawPasses = 1},
    // 38
    {.Boss = &bosses::Scene5Boss, .Groups = 10, .GroupSize = 5, .StartX = {180}, .StartY = {30, 53, 60, 53, 30},
     .Timer = {200, 0}, .Keys = {10, 20, 30, 40, 50, 80, 90, 100, 110, 120}, .Fall = 250, .Slide = {30, 1},
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = enemies::Box20, .Additive = true,
     .Picture = &assets::PicVal20241, .Form = FormationDrawForm::Animated, .DrawPasses = 1},
    // 39
    {.Boss = &bosses::Scene5Boss, .Groups = 10, .GroupSize = 5, .StartX = {240}, .StartY = {30, 53, 60, 53, 30},
     .Timer = {200, 0}, .Keys = {10, 20, 30, 40, 50, 80, 90, 100, 110, 120}, .Fall = 250, .Slide = {30, -1},
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = enemies::Box20, .Additive = true,
     .Picture = &assets::PicVal20241, .Form = FormationDrawForm::Animated, .DrawPasses = 1},
    // 40
    {.Boss = &bosses::Scene5Boss, .Groups = 10, .GroupSize = 5, .StartX = {150}, .StartY = {60, 83, 90, 83, 60},
     .Timer = {200, 0}, .Keys = {10, 20, 30, 60, 70, 80, 110, 120, 130, 140}, .Fall = 110, .Slide = {90, 1},
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = enemies::Box20, .Additive = true,
     .Picture = &assets::PicVall20, .Form = FormationDrawForm::FixedCell, .DrawPasses = 1},
    // 41
    {.Boss = &bosses::Scene5Boss, .Groups = 10, .GroupSize = 5, .StartX = {270}, .StartY = {60, 83, 90, 83, 60},
     .Timer = {200, 0}, .Keys = {10, 20, 30, 60, 70, 80, 110, 120, 130, 140}, .Fall = 110, .Slide = {-90, 1},
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = enemies::Box20, .Additive = true,
     .Picture = &assets::PicVall20, .Form = FormationDrawForm::FixedCell, .DrawPasses = 1},
    // 42
    {.Boss = &bosses::Scene5Boss, .Groups = 10, .GroupSize = 5, .StartX = {90}, .StartY = {30, 53, 60, 53, 30},
     .Timer = {720, 0}, .Keys = {60, 120, 180, 240, 300, 360, 420, 480, 540, 600}, .Fall = 280,
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = enemies::Box20, .Additive = true,
     .Picture = &assets::PicVall20, .Form = FormationDrawForm::FixedCell, .DrawPasses = 1},
    // 43
    {.Boss = &bosses::Scene5Boss, .Groups = 10, .GroupSize = 5, .StartX = {330}, .StartY = {30, 53, 60, 53, 30},
     .Timer = {720, 0}, .Keys = {60, 120, 180, 240, 300, 360, 420, 480, 540, 600}, .Fall = 280,
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = enemies::Box20, .Additive = true,
     .Picture = &assets::PicVall20, .Form = FormationDrawForm::FixedCell, .DrawPasses = 1},
    // 44
    {.Boss = &bosses::Scene6Boss, .Groups = 10, .GroupSize = 5, .StartX = {170}, .StartY = {90, 113, 120, 113, 90},
     .Timer = {140, 0}, .Keys = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, .Fall = 155, .Drift = {-20, -10, 0, 10, 20},
     .Group0DriftPasses = 6, .BombTest = true, .Box = FormationBox0To20, .Additive = true,
     .Picture = &assets::PicVal402, .Form = FormationDrawForm::MemberCells, .Cells = {0, 1, 2, 3, 4}, .DrawPasses = 1},
    // 45
    {.Boss = &bosses::Scene6Boss, .Groups = 10, .GroupSize = 5, .StartX = {110}, .StartY = {60, 83, 90, 83, 60},
     .Timer = {150, 0}, .Keys = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, .Fall = 155, .Drift = {-20, -10, 0, 10, 20},
     .Group0DriftPasses = 6, .BombTest = true, .Box = FormationBox0To20, .Additive = true,
     .Picture = &assets::PicVal402, .Form = FormationDrawForm::MemberCells, .Cells = {0, 1, 2, 3, 4}, .DrawPasses = 1},
    // 46
    {.Boss = &bosses::Scene6Boss, .Groups = 10, .GroupSize = 5, .StartX = {230}, .StartY = {60, 83, 90, 83, 60},
     .Timer = {150, 0}, .Keys = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, .Fall = 155, .Drift = {-20, -10, 0, 10, 20},
     .Group0DriftPasses = 6, .BombTest = true, .Box = FormationBox0To20, .Additive = true,
     .Picture = &assets::PicVal402, .Form = FormationDrawForm::MemberCells, .Cells = {0, 1, 2, 3, 4}, .DrawPasses = 1},
    // 47
    {.Boss = &bosses::Scene6Boss, .Groups = 10, .GroupSize = 5, .StartX = {160}, .StartY = {60, 83, 90, 83, 60},
     .Timer = {150, 0}, .Keys = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, .Fall = 120, .Slide = {100, 1},
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = enemies::Box20, .Additive = true,
     .Picture = &assets::PicVal20241, .Form = FormationDrawForm::Animated, .DrawPasses = 1},
    // 48
    {.Boss = &bosses::Scene6Boss, .Groups = 10, .GroupSize = 5, .StartX = {200}, .StartY = {60, 83, 90, 83, 60},
     .Timer = {150, 0}, .Keys = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, .Fall = 120, .Slide = {-100, 1},
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = enemies::Box20, .Additive = true,
     .Picture = &assets::PicVal20241, .Form = FormationDrawForm::Animated, .DrawPasses = 1},
    // 49
    {.Boss = &bosses::Scene6Boss, .Groups = 10, .GroupSize = 5, .StartX = {130}, .StartY = {60, 83, 90, 83, 60},
     .Timer = {330, 0}, .Keys = {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}, .Fall = 120,
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = enemies::Box20, .Additive = true,
     .Picture = &assets::PicVal20241, .Form = FormationDrawForm::Animated, .DrawPasses = 1},
    // 50
    {.Boss = &bosses::Scene6Boss, .Groups = 10, .GroupSize = 5, .StartX = {230}, .StartY = {60, 83, 90, 83, 60},
     .Timer = {330, 0}, .Keys = {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}, .Fall = 120,
     .Drift = {-20, -10, 0, 10, 20}, .BombTest = true, .Box = enemies::Box20, .Additive = true,
     .Picture = &assets::PicVal20241, .Form = FormationDrawForm::Animated, .DrawPasses = 1},
};
constexpr int FormationDropCount = sizeof(FormationDropRows) / sizeof(FormationDropRows[0]);
static_assert(FormationDropCount == 50);
static_assert([] {
  for (const FormationDropRow& r : FormationDropRows)
    if (r.SlotCount() > FormationMaxSlots || r.GroupSize > FormationMaxMembers || r.Groups > FormationMaxGroups)
      return false;
  return true;
}());

inline DropSlot FormationDropTables[FormationDropCount][FormationMaxSlots];

// FormationDrop04 and FormationDrop05 are never called by any scene.
inline constexpr FormationDropInstance FormationDrop01{FormationDropRows[0], FormationDropTables[0]};
inline constexpr FormationDropInstance FormationDrop02{FormationDropRows[1], FormationDropTables[1]};
inline constexpr FormationDropInstance FormationDrop03{FormationDropRows[2], FormationDropTables[2]};
inline constexpr FormationDropInstance FormationDrop04{FormationDropRows[3], FormationDropTables[3]};
inline constexpr FormationDropInstance FormationDrop05{FormationDropRows[4], FormationDropTables[4]};
inline constexpr FormationDropInstance FormationDrop06{FormationDropRows[5], FormationDropTables[5]};
inline constexpr FormationDropInstance FormationDrop07{FormationDropRows[6], FormationDropTables[6]};
inline constexpr FormationDropInstance FormationDrop08{FormationDropRows[7], FormationDropTables[7]};
inline constexpr FormationDropInstance FormationDrop09{FormationDropRows[8], FormationDropTables[8]};
inline constexpr FormationDropInstance FormationDrop10{FormationDropRows[9], FormationDropTables[9]};
inline constexpr FormationDropInstance FormationDrop11{FormationDropRows[10], FormationDropTables[10]};
inline constexpr FormationDropInstance FormationDrop12{FormationDropRows[11], FormationDropTables[11]};
inline constexpr FormationDropInstance FormationDrop13{FormationDropRows[12], FormationDropTables[12]};
inline constexpr FormationDropInstance FormationDrop14{FormationDropRows[13], FormationDropTables[13]};
inline constexpr FormationDropInstance FormationDrop15{FormationDropRows[14], FormationDropTables[14]};
inline constexpr FormationDropInstance FormationDrop16{FormationDropRows[15], FormationDropTables[15]};
inline constexpr FormationDropInstance FormationDrop17{FormationDropRows[16], FormationDropTables[16]};
inline constexpr FormationDropInstance FormationDrop18{FormationDropRows[17], FormationDropTables[17]};
inline constexpr FormationDropInstance FormationDrop19{FormationDropRows[18], FormationDropTables[18]};
inline constexpr FormationDropInstance FormationDrop20{FormationDropRows[19], FormationDropTables[19]};
inline constexpr FormationDropInstance FormationDrop21{FormationDropRows[20], FormationDropTables[20]};
inline constexpr FormationDropInstance FormationDrop22{FormationDropRows[21], FormationDropTables[21]};
inline constexpr FormationDropInstance FormationDrop23{FormationDropRows[22], FormationDropTables[22]};
inline constexpr FormationDropInstance FormationDrop24{FormationDropRows[23], FormationDropTables[23]};
inline constexpr FormationDropInstance FormationDrop25{FormationDropRows[24], FormationDropTables[24]};
inline constexpr FormationDropInstance FormationDrop26{FormationDropRows[25], FormationDropTables[25]};
inline constexpr FormationDropInstance FormationDrop27{FormationDropRows[26], FormationDropTables[26]};
inline constexpr FormationDropInstance FormationDrop28{FormationDropRows[27], FormationDropTables[27]};
inline constexpr FormationDropInstance FormationDrop29{FormationDropRows[28], FormationDropTables[28]};
inline constexpr FormationDropInstance FormationDrop30{FormationDropRows[29], FormationDropTables[29]};
inline constexpr FormationDropInstance FormationDrop31{FormationDropRows[30], FormationDropTables[30]};
inline constexpr FormationDropInstance FormationDrop32{FormationDropRows[31], FormationDropTables[31]};
inline constexpr FormationDropInstance FormationDrop33{FormationDropRows[32], FormationDropTables[32]};
inline constexpr FormationDropInstance FormationDrop34{FormationDropRows[33], FormationDropTables[33]};
inline constexpr FormationDropInstance FormationDrop35{FormationDropRows[34], FormationDropTables[34]};
inline constexpr FormationDropInstance FormationDrop36{FormationDropRows[35], FormationDropTables[35]};
inline constexpr FormationDropInstance FormationDrop37{FormationDropRows[36], FormationDropTables[36]};
inline constexpr FormationDropInstance FormationDrop38{FormationDropRows[37], FormationDropTables[37]};
inline constexpr FormationDropInstance FormationDrop39{FormationDropRows[38], FormationDropTables[38]};
inline constexpr FormationDropInstance FormationDrop40{FormationDropRows[39], FormationDropTables[39]};
inline constexpr FormationDropInstance FormationDrop41{FormationDropRows[40], FormationDropTables[40]};
inline constexpr FormationDropInstance FormationDrop42{FormationDropRows[41], FormationDropTables[41]};
inline constexpr FormationDropInstance FormationDrop43{FormationDropRows[42], FormationDropTables[42]};
inline constexpr FormationDropInstance FormationDrop44{FormationDropRows[43], FormationDropTables[43]};
inline constexpr FormationDropInstance FormationDrop45{FormationDropRows[44], FormationDropTables[44]};
inline constexpr FormationDropInstance FormationDrop46{FormationDropRows[45], FormationDropTables[45]};
inline constexpr FormationDropInstance FormationDrop47{FormationDropRows[46], FormationDropTables[46]};
inline constexpr FormationDropInstance FormationDrop48{FormationDropRows[47], FormationDropTables[47]};
inline constexpr FormationDropInstance FormationDrop49{FormationDropRows[48], FormationDropTables[48]};
inline constexpr FormationDropInstance FormationDrop50{FormationDropRows[49], FormationDropTables[49]};

}  // namespace patterns
