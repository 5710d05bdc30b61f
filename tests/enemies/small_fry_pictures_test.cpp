// Pictures for a person to look at (with QUORVANE_SHOTS set): each kind in
// flight with its shots, the ship's cell outlined in green and its aim
// point marked, so that the needles can be seen pointing at it. Each scene
// also checks that something of the craft and the shots is on the screen.
#include <gtest/gtest.h>

#include "enemies/aimed_line_shot.h"
#include "enemies/aimed_shot.h"
#include "enemies/crossing_spinner.h"
#include "enemies/lane_diver.h"
#include "enemies/spinning_faller.h"
#include "enemies/spinning_lock_target.h"
#include "enemies/zigzag_fighter.h"
#include "engine/gdi.h"
#include "support/enemy_fixture.h"
#include "world/state.h"

namespace {

using namespace enemies;
using testing_support::EnemyTest;

class SmallFryPicturesTest : public EnemyTest {
 protected:
  static constexpr float ShipX = 370.0f, ShipY = 470.0f;

  void SetUp() override {
    EnemyTest::SetUp();
    PlaceShip(ShipX, ShipY);
    // Nothing here may end the ship's test of the shots.
    player::PlayerAliveFlag = 0;
  }

  // The ship's 60x70 cell and the needles' aim point (15 px in).
  static void MarkShip() {
    const int x = static_cast<int>(ShipX), y = static_cast<int>(ShipY);
    elDraw::Rectangle(x, y, x + 60, y + 70, 0, 0x0000ff00, 1);
    elDraw::Line(x + 10, y + 15, x + 21, y + 15, 0x00ffffff, 1);
    elDraw::Line(x + 15, y + 10, x + 15, y + 21, 0x00ffffff, 1);
  }
};

TEST_F(SmallFryPicturesTest, LaneDiversWithTheirNeedles) {
  Frames(120, [] {
    LaneDiver01.Move();
    LaneDiver01.Draw();
    LaneDiver02.Move();
    LaneDiver02.Draw();
    LaneDiver01.Spawn();
    AimedShot01.Fire();
    LaneDiver02.Spawn();
    AimedShot02.Fire();
    AimedShot01.Update();
    AimedShot01.Draw();
    AimedShot02.Update();
    AimedShot02.Draw();
    MarkShip();
  });
  EXPECT_GT(Lit(180, 0, 440, 400), 0);
  Picture("lane_divers");
}

TEST_F(SmallFryPicturesTest, SpinningFallersWithTheirNeedles) {
  Frames(100, [] {
    for (const SpinningFallerInstance* f : {&SpinningFaller01, &SpinningFaller02, &SpinningFaller03}) {
      f->Move();
      f->Draw();
    }
    SpinningFaller01.Spawn();
    AimedShot03.Fire();
    SpinningFaller02.Spawn();
    AimedShot04.Fire();
    SpinningFaller03.Spawn();
    AimedShot05.Fire();
    for (const AimedShotInstance* s : {&AimedShot03, &AimedShot04, &AimedShot05}) {
      s->Update();
      s->Draw();
    }
    MarkShip();
  });
  EXPECT_GT(Lit(180, 0, 440, 400), 0);
  Picture("spinning_fallers");
}

TEST_F(SmallFryPicturesTest, CornerZigzagFightersWithTheirLineSets) {
  Frames(150, [] {
    for (const ZigzagFighterInstance* f : {&ZigzagFighter01, &ZigzagFighter02}) {
      f->Move();
      f->Draw();
      f->Fire();
    }
    for (const AimedLineShotInstance* s : {&AimedLineShot11, &AimedLineShot12, &AimedLineShot13, &AimedLineShot14}) {
      s->Update();
      s->Draw();
    }
    MarkShip();
  });
  EXPECT_GT(Lit(180, 0, 440, 600), 0);
  Picture("zigzag_corner");
}

TEST_F(SmallFryPicturesTest, SideZigzagFightersWithTheirBalls) {
  Frames(115, [] {
    for (const ZigzagFighterInstance* f : {&ZigzagFighter05, &ZigzagFighter06}) {
      f->Move();
      f->Draw();
      f->Fire();
    }
    for (const AimedShotInstance* s : {&AimedShot08, &AimedShot09}) {
      s->Update();
      s->Draw();
    }
    MarkShip();
  });
  EXPECT_GT(Lit(180, 0, 440, 600), 0);
  Picture("zigzag_side");
}

TEST_F(SmallFryPicturesTest, SpinningLockTargetsWithTheirKeptSets) {
  Frames(80, [] {
    for (const SpinningLockTargetInstance* t :
         {&SpinningLockTarget01, &SpinningLockTarget02, &SpinningLockTarget03, &SpinningLockTarget04}) {
      t->Move();
      t->Draw();
      t->Fire();
    }
    for (const AimedLineShotInstance* s : {&AimedLineShot19, &AimedLineShot20, &AimedLineShot21, &AimedLineShot22}) {
      s->Update();
      s->Draw();
    }
    MarkShip();
  });
  EXPECT_GT(Lit(180, 0, 440, 600), 0);
  Picture("spinning_lock_targets");
}

TEST_F(SmallFryPicturesTest, CrossingSpinnersWithTheirRowsOfNeedles) {
  Frames(90, [] {
    CrossingSpinner01.Move();
    CrossingSpinner01.Draw();
    CrossingSpinner02.Move();
    CrossingSpinner02.Draw();
    CrossingSpinner01.Spawn();
    AimedLineShot01.Fire();
    CrossingSpinner02.Spawn();
    AimedLineShot04.Fire();
    for (const AimedLineShotInstance* s : {&AimedLineShot01, &AimedLineShot04}) {
      s->Update();
      s->Draw();
    }
    MarkShip();
  });
  EXPECT_GT(Lit(180, 0, 440, 600), 0);
  Picture("crossing_spinner_rows");
}

}  // namespace
