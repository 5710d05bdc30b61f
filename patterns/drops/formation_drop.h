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
  bool HorizontalArc;
  float StartX[FormationMaxMembers];
  float StartY[FormationMaxMembers];
  VolleyTimer Timer;
  int Keys[FormationMaxGroups];
  float Fall;
  DropSlide Slide;  // the whole group's sideways motion
  // Per member position, the drift added once per pass; the pass runs
  // GroupSize times per Update (Group0DriftPasses times for group 0 where
  // that is not 0), so a member moves at that multiple.
  float Drift[FormationMaxMembers];
  int Group0DriftPasses;
  bool BombTest;
  enemies::PlayerHitWindow Box;
  bool Additive;  // elDraw::DrawAdd, else the colour-keyed elDraw::Draw
  const int* Picture;
  FormationDrawForm Form;
  int Cells[FormationMaxMembers];  // member cells: the cell of each member position
  bool MembersReversed;            // members drawn last to first
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
    // boss, groups, group size, horizontal arc, start x, start y, timer, keys, fall, slide {Vx, sign},
    // drift per pass, group-0 drift passes, bomb test, box, additive, picture, form, member cells,
    // members reversed, draw passes
    // 01
    {&bosses::Scene2Boss, 10, 3, false, {90}, {90, 113, 120}, {800, 0}, {60, 120, 180, 240, 300, 360, 420, 480, 540, 600}, 120, {0, 0}, {10, 20, 30}, 0, false, enemies::Box20, false, &assets::PicVall20, FormationDrawForm::FixedCell, {0, 0, 0}, false, 1},
    // 02
    {&bosses::Scene2Boss, 10, 3, false, {330}, {90, 113, 120}, {800, 0}, {60, 120, 180, 240, 300, 360, 420, 480, 540, 600}, 120, {0, 0}, {-10, -20, -30}, 0, false, enemies::Box20, false, &assets::PicVall20, FormationDrawForm::FixedCell, {0, 0, 0}, false, 1},
    // 03
    {&bosses::Scene2Boss, 5, 7, false, {200}, {154, 183, 194, 200, 194, 183, 154}, {140, 0}, {25, 50, 75, 100, 125}, 200, {0, 0}, {-30, -20, -10, 0, 10, 20, 30}, 0, true, enemies::Box40, true, &assets::PicVal404, FormationDrawForm::MemberCells, {0, 1, 2, 3, 4, 5, 6}, false, 1},
    // 04
    {&bosses::Scene2Boss, 10, 5, false, {150}, {90, 113, 120, 113, 90}, {340, 0}, {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}, 130, {0, 0}, {-20, -10, 0, 10, 20}, 0, true, enemies::Box20, true, &assets::PicVall20, FormationDrawForm::FixedCell, {0, 0, 0, 0, 0}, false, 1},
    // 05
    {&bosses::Scene2Boss, 10, 5, false, {270}, {90, 113, 120, 113, 90}, {340, 0}, {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}, 130, {0, 0}, {-20, -10, 0, 10, 20}, 0, true, enemies::Box20, true, &assets::PicVall20, FormationDrawForm::FixedCell, {0, 0, 0, 0, 0}, false, 1},
    // 06
    {&bosses::Scene3Boss, 10, 3, false, {110}, {90, 113, 120}, {230, 0}, {20, 40, 60, 80, 100, 140, 160, 180, 200, 220}, 190, {0, 0}, {10, 35, 55}, 0, false, FormationBox0To20, false, &assets::PicVal405, FormationDrawForm::MemberCells, {4, 5, 6}, false, 30},
    // 07
    {&bosses::Scene3Boss, 10, 3, false, {350}, {90, 113, 120}, {230, 0}, {20, 40, 60, 80, 100, 140, 160, 180, 200, 220}, 190, {0, 0}, {-10, -35, -55}, 0, false, FormationBox0To20, false, &assets::PicVal405, FormationDrawForm::MemberCells, {2, 1, 0}, true, 30},
    // 08
    {&bosses::Scene4Boss, 10, 5, false, {210}, {170, 193, 200, 193, 170}, {340, 0}, {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}, 176, {0, 0}, {-16, -8, 0, 8, 16}, 0, true, enemies::Box20, true, &assets::PicVall20, FormationDrawForm::FixedCell, {0, 0, 0, 0, 0}, false, 1},
    // 09
    {&bosses::Scene4Boss, 10, 5, false, {150}, {90, 113, 120, 113, 90}, {170, 0}, {10, 20, 30, 60, 70, 80, 110, 120, 130, 140}, 100, {90, 1}, {-20, -10, 0, 10, 20}, 0, true, enemies::Box20, true, &assets::PicVall20, FormationDrawForm::FixedCell, {0, 0, 0, 0, 0}, false, 1},
    // 10
    {&bosses::Scene4Boss, 10, 5, false, {270}, {90, 113, 120, 113, 90}, {170, 0}, {10, 20, 30, 60, 70, 80, 110, 120, 130, 140}, 100, {90, -1}, {-20, -10, 0, 10, 20}, 0, true, enemies::Box20, true, &assets::PicVall20, FormationDrawForm::FixedCell, {0, 0, 0, 0, 0}, false, 1},
    // 11
    {&bosses::Scene4Boss, 10, 5, false, {90}, {50, 73, 80, 73, 50}, {370, 0}, {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}, 180, {45, 1}, {-20, -10, 0, 10, 20}, 0, true, enemies::Box20, true, &assets::PicVall20, FormationDrawForm::FixedCell, {0, 0, 0, 0, 0}, false, 1},
    // 12
    {&bosses::Scene4Boss, 10, 5, false, {330}, {50, 73, 80, 73, 50}, {370, 0}, {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}, 180, {45, -1}, {-20, -10, 0, 10, 20}, 0, true, enemies::Box20, true, &assets::PicVall20, FormationDrawForm::FixedCell, {0, 0, 0, 0, 0}, false, 1},
    // 13
    {&bosses::Scene8Boss, 10, 5, false, {220}, {110, 133, 140, 133, 110}, {360, 0}, {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}, 230, {0, 0}, {-20, -10, 0, 10, 20}, 0, true, enemies::Box20, true, &assets::PicVal20241, FormationDrawForm::Animated, {0, 0, 0, 0, 0}, false, 1},
    // 14
    {&bosses::Scene8Boss, 10, 5, false, {170}, {90, 113, 120, 113, 90}, {350, 0}, {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}, 90, {0, 0}, {-20, -10, 0, 10, 20}, 0, true, enemies::Box20, true, &assets::PicVal20241, FormationDrawForm::Animated, {0, 0, 0, 0, 0}, false, 1},
    // 15
    {&bosses::Scene8Boss, 10, 5, false, {270}, {90, 113, 120, 113, 90}, {350, 0}, {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}, 90, {0, 0}, {-20, -10, 0, 10, 20}, 0, true, enemies::Box20, true, &assets::PicVal20241, FormationDrawForm::Animated, {0, 0, 0, 0, 0}, false, 1},
    // 16
    {&bosses::Scene8Boss, 10, 5, false, {140}, {170, 193, 200, 193, 170}, {900, 0}, {80, 160, 240, 320, 400, 480, 560, 640, 720, 800}, 120, {0, 0}, {-20, -10, 0, 10, 20}, 0, true, enemies::Box20, true, &assets::PicVall20, FormationDrawForm::FixedCell, {0, 0, 0, 0, 0}, false, 1},
    // 17
    {&bosses::Scene8Boss, 10, 5, false, {300}, {170, 193, 200, 193, 170}, {900, 0}, {80, 160, 240, 320, 400, 480, 560, 640, 720, 800}, 120, {0, 0}, {-20, -10, 0, 10, 20}, 0, true, enemies::Box20, true, &assets::PicVall20, FormationDrawForm::FixedCell, {0, 0, 0, 0, 0}, false, 1},
    // 18
    {&bosses::Scene7Boss, 10, 5, false, {220}, {110, 133, 140, 133, 110}, {330, 0}, {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}, 130, {0, 0}, {-20, -10, 0, 10, 20}, 0, true, enemies::Box20, true, &assets::PicVal20241, FormationDrawForm::Animated, {0, 0, 0, 0, 0}, false, 1},
    // 19
    {&bosses::Scene7Boss, 10, 5, false, {170}, {60, 83, 90, 83, 60}, {860, 0}, {80, 160, 240, 320, 400, 480, 560, 640, 720, 800}, 120, {0, 0}, {-20, -10, 0, 10, 20}, 0, true, FormationBox0To20, true, &assets::PicVal401, FormationDrawForm::MemberCells, {0, 1, 2, 3, 4}, false, 1},
    // 20
    {&bosses::Scene7Boss, 10, 5, false, {250}, {60, 83, 90, 83, 60}, {860, 0}, {80, 160, 240, 320, 400, 480, 560, 640, 720, 800}, 120, {0, 0}, {-20, -10, 0, 10, 20}, 0, true, FormationBox0To20, true, &assets::PicVal401, FormationDrawForm::MemberCells, {0, 1, 2, 3, 4}, false, 1},
    // 21
    {&bosses::Scene7Boss, 10, 5, false, {90}, {60, 83, 90, 83, 60}, {860, 0}, {80, 160, 240, 320, 400, 480, 560, 640, 720, 800}, 120, {0, 0}, {-20, -10, 0, 10, 20}, 0, true, FormationBox0To20, true, &assets::PicVal401, FormationDrawForm::MemberCells, {0, 1, 2, 3, 4}, false, 1},
    // 22
    {&bosses::Scene7Boss, 10, 5, false, {330}, {60, 83, 90, 83, 60}, {860, 0}, {80, 160, 240, 320, 400, 480, 560, 640, 720, 800}, 120, {0, 0}, {-20, -10, 0, 10, 20}, 0, true, FormationBox0To20, true, &assets::PicVal401, FormationDrawForm::MemberCells, {0, 1, 2, 3, 4}, false, 1},
    // 23
    {&bosses::Scene7Boss, 10, 5, true, {76, 98, 120, 142, 164}, {50, 73, 80, 73, 50}, {150, 0}, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, 180, {0, 0}, {-40, 0, 0, 0, 40}, 0, true, enemies::Box20, true, &assets::PicVal20241, FormationDrawForm::Animated, {0, 0, 0, 0, 0}, false, 1},
    // 24
    {&bosses::Scene7Boss, 10, 5, true, {276, 298, 320, 342, 364}, {50, 73, 80, 73, 50}, {150, 0}, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, 180, {0, 0}, {-20, 0, 0, 0, 20}, 0, true, enemies::Box20, true, &assets::PicVal20241, FormationDrawForm::Animated, {0, 0, 0, 0, 0}, false, 1},
    // 25
    {&bosses::Scene3Boss, 10, 5, false, {240}, {110, 133, 140, 133, 110}, {230, 0}, {20, 40, 60, 80, 100, 120, 140, 160, 180, 200}, 130, {0, 0}, {-20, -10, 0, 10, 20}, 0, true, enemies::Box20, true, &assets::PicVal20241, FormationDrawForm::Animated, {0, 0, 0, 0, 0}, false, 1},
    // 26
    {&bosses::Scene3Boss, 10, 5, false, {200}, {60, 83, 90, 83, 60}, {860, 0}, {80, 160, 240, 320, 400, 480, 560, 640, 720, 800}, 120, {0, 0}, {-20, -10, 0, 10, 20}, 0, true, FormationBox0To20, true, &assets::PicVal402, FormationDrawForm::MemberCells, {0, 1, 2, 3, 4}, false, 1},
    // 27
    {&bosses::Scene3Boss, 10, 5, false, {260}, {60, 83, 90, 83, 60}, {860, 0}, {80, 160, 240, 320, 400, 480, 560, 640, 720, 800}, 120, {0, 0}, {-20, -10, 0, 10, 20}, 0, true, FormationBox0To20, true, &assets::PicVal402, FormationDrawForm::MemberCells, {0, 1, 2, 3, 4}, false, 1},
    // 28
    {&bosses::Scene3Boss, 10, 5, false, {110}, {60, 83, 90, 83, 60}, {260, 0}, {10, 20, 30, 40, 100, 110, 120, 180, 190, 200}, 120, {0, 0}, {-20, -10, 0, 10, 20}, 0, true, FormationBox0To20, true, &assets::PicVal402, FormationDrawForm::MemberCells, {0, 1, 2, 3, 4}, false, 1},
    // 29
    {&bosses::Scene3Boss, 10, 5, false, {350}, {60, 83, 90, 83, 60}, {260, 0}, {10, 20, 30, 40, 100, 110, 120, 180, 190, 200}, 120, {0, 0}, {-20, -10, 0, 10, 20}, 0, true, FormationBox0To20, true, &assets::PicVal402, FormationDrawForm::MemberCells, {0, 1, 2, 3, 4}, false, 1},
    // 30
    {&bosses::Scene3Boss, 10, 5, true, {76, 98, 120, 142, 164}, {50, 73, 80, 73, 50}, {150, 0}, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, 180, {0, 0}, {-20, 0, 0, 0, 20}, 0, true, enemies::Box20, true, &assets::PicVal20241, FormationDrawForm::Animated, {0, 0, 0, 0, 0}, false, 1},
    // 31
    {&bosses::Scene3Boss, 10, 5, true, {316, 338, 360, 382, 404}, {50, 73, 80, 73, 50}, {150, 0}, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, 180, {0, 0}, {-20, 0, 0, 0, 20}, 0, true, enemies::Box20, true, &assets::PicVal20241, FormationDrawForm::Animated, {0, 0, 0, 0, 0}, false, 1},
    // 32
    {&bosses::Scene9Boss, 10, 5, false, {230}, {110, 133, 140, 133, 110}, {230, 0}, {20, 40, 60, 80, 100, 120, 140, 160, 180, 200}, 130, {0, 0}, {-20, -10, 0, 10, 20}, 0, true, enemies::Box20, false, &assets::PicVall20, FormationDrawForm::FixedCell, {0, 0, 0, 0, 0}, false, 1},
    // 33
    {&bosses::Scene9Boss, 10, 5, false, {180}, {60, 83, 90, 83, 60}, {660, 0}, {60, 120, 180, 240, 300, 360, 420, 480, 540, 600}, 120, {0, 0}, {-20, -10, 0, 10, 20}, 0, true, FormationBox0To20, false, &assets::PicVal402b, FormationDrawForm::MemberCells, {0, 1, 2, 3, 4}, false, 1},
    // 34
    {&bosses::Scene9Boss, 10, 5, false, {260}, {60, 83, 90, 83, 60}, {660, 0}, {60, 120, 180, 240, 300, 360, 420, 480, 540, 600}, 120, {0, 0}, {-20, -10, 0, 10, 20}, 0, true, FormationBox0To20, false, &assets::PicVal402b, FormationDrawForm::MemberCells, {0, 1, 2, 3, 4}, false, 1},
    // 35
    {&bosses::Scene9Boss, 10, 5, false, {100}, {60, 83, 90, 83, 60}, {660, 0}, {60, 120, 180, 240, 300, 360, 420, 480, 540, 600}, 120, {0, 0}, {-20, -10, 0, 10, 20}, 0, true, FormationBox0To20, false, &assets::PicVal402b, FormationDrawForm::MemberCells, {0, 1, 2, 3, 4}, false, 1},
    // 36
    {&bosses::Scene9Boss, 10, 5, false, {340}, {60, 83, 90, 83, 60}, {660, 0}, {60, 120, 180, 240, 300, 360, 420, 480, 540, 600}, 120, {0, 0}, {-20, -10, 0, 10, 20}, 0, true, FormationBox0To20, false, &assets::PicVal402b, FormationDrawForm::MemberCells, {0, 1, 2, 3, 4}, false, 1},
    // 37
    {&bosses::Scene5Boss, 10, 5, false, {210}, {60, 83, 90, 83, 60}, {150, 0}, {10, 20, 30, 40, 50, 80, 90, 100, 120, 130}, 210, {0, 0}, {-20, -10, 0, 10, 20}, 0, true, enemies::Box20, true, &assets::PicVall20, FormationDrawForm::FixedCell, {0, 0, 0, 0, 0}, false, 1},
    // 38
    {&bosses::Scene5Boss, 10, 5, false, {180}, {30, 53, 60, 53, 30}, {200, 0}, {10, 20, 30, 40, 50, 80, 90, 100, 110, 120}, 250, {30, 1}, {-20, -10, 0, 10, 20}, 0, true, enemies::Box20, true, &assets::PicVal20241, FormationDrawForm::Animated, {0, 0, 0, 0, 0}, false, 1},
    // 39
    {&bosses::Scene5Boss, 10, 5, false, {240}, {30, 53, 60, 53, 30}, {200, 0}, {10, 20, 30, 40, 50, 80, 90, 100, 110, 120}, 250, {30, -1}, {-20, -10, 0, 10, 20}, 0, true, enemies::Box20, true, &assets::PicVal20241, FormationDrawForm::Animated, {0, 0, 0, 0, 0}, false, 1},
    // 40
    {&bosses::Scene5Boss, 10, 5, false, {150}, {60, 83, 90, 83, 60}, {200, 0}, {10, 20, 30, 60, 70, 80, 110, 120, 130, 140}, 110, {90, 1}, {-20, -10, 0, 10, 20}, 0, true, enemies::Box20, true, &assets::PicVall20, FormationDrawForm::FixedCell, {0, 0, 0, 0, 0}, false, 1},
    // 41
    {&bosses::Scene5Boss, 10, 5, false, {270}, {60, 83, 90, 83, 60}, {200, 0}, {10, 20, 30, 60, 70, 80, 110, 120, 130, 140}, 110, {-90, 1}, {-20, -10, 0, 10, 20}, 0, true, enemies::Box20, true, &assets::PicVall20, FormationDrawForm::FixedCell, {0, 0, 0, 0, 0}, false, 1},
    // 42
    {&bosses::Scene5Boss, 10, 5, false, {90}, {30, 53, 60, 53, 30}, {720, 0}, {60, 120, 180, 240, 300, 360, 420, 480, 540, 600}, 280, {0, 0}, {-20, -10, 0, 10, 20}, 0, true, enemies::Box20, true, &assets::PicVall20, FormationDrawForm::FixedCell, {0, 0, 0, 0, 0}, false, 1},
    // 43
    {&bosses::Scene5Boss, 10, 5, false, {330}, {30, 53, 60, 53, 30}, {720, 0}, {60, 120, 180, 240, 300, 360, 420, 480, 540, 600}, 280, {0, 0}, {-20, -10, 0, 10, 20}, 0, true, enemies::Box20, true, &assets::PicVall20, FormationDrawForm::FixedCell, {0, 0, 0, 0, 0}, false, 1},
    // 44
    {&bosses::Scene6Boss, 10, 5, false, {170}, {90, 113, 120, 113, 90}, {140, 0}, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, 155, {0, 0}, {-20, -10, 0, 10, 20}, 6, true, FormationBox0To20, true, &assets::PicVal402, FormationDrawForm::MemberCells, {0, 1, 2, 3, 4}, false, 1},
    // 45
    {&bosses::Scene6Boss, 10, 5, false, {110}, {60, 83, 90, 83, 60}, {150, 0}, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, 155, {0, 0}, {-20, -10, 0, 10, 20}, 6, true, FormationBox0To20, true, &assets::PicVal402, FormationDrawForm::MemberCells, {0, 1, 2, 3, 4}, false, 1},
    // 46
    {&bosses::Scene6Boss, 10, 5, false, {230}, {60, 83, 90, 83, 60}, {150, 0}, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, 155, {0, 0}, {-20, -10, 0, 10, 20}, 6, true, FormationBox0To20, true, &assets::PicVal402, FormationDrawForm::MemberCells, {0, 1, 2, 3, 4}, false, 1},
    // 47
    {&bosses::Scene6Boss, 10, 5, false, {160}, {60, 83, 90, 83, 60}, {150, 0}, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, 120, {100, 1}, {-20, -10, 0, 10, 20}, 0, true, enemies::Box20, true, &assets::PicVal20241, FormationDrawForm::Animated, {0, 0, 0, 0, 0}, false, 1},
    // 48
    {&bosses::Scene6Boss, 10, 5, false, {200}, {60, 83, 90, 83, 60}, {150, 0}, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, 120, {-100, 1}, {-20, -10, 0, 10, 20}, 0, true, enemies::Box20, true, &assets::PicVal20241, FormationDrawForm::Animated, {0, 0, 0, 0, 0}, false, 1},
    // 49
    {&bosses::Scene6Boss, 10, 5, false, {130}, {60, 83, 90, 83, 60}, {330, 0}, {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}, 120, {0, 0}, {-20, -10, 0, 10, 20}, 0, true, enemies::Box20, true, &assets::PicVal20241, FormationDrawForm::Animated, {0, 0, 0, 0, 0}, false, 1},
    // 50
    {&bosses::Scene6Boss, 10, 5, false, {230}, {60, 83, 90, 83, 60}, {330, 0}, {30, 60, 90, 120, 150, 180, 210, 240, 270, 300}, 120, {0, 0}, {-20, -10, 0, 10, 20}, 0, true, enemies::Box20, true, &assets::PicVal20241, FormationDrawForm::Animated, {0, 0, 0, 0, 0}, false, 1},
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
