// A boss dropping each kind, drawn headless for a person to look at (with
// QUORVANE_SHOTS set); each picture also has to show something in the field.
#include <gtest/gtest.h>

#include "engine/gdi.h"
#include "patterns/drops/arm_strike.h"
#include "patterns/drops/falling_arm.h"
#include "patterns/drops/formation_drop.h"
#include "patterns/drops/lightning_chain.h"
#include "patterns/drops/small_drop.h"
#include "patterns/drops/twin_drop.h"
#include "support/enemy_fixture.h"

namespace {

using namespace patterns;
using testing_support::EnemyTest;

class DropPicturesTest : public EnemyTest {
 protected:
  // The boss body as an outline, where its record says it is.
  static void Body(const bosses::BossRecord& b) {
    elDraw::Rectangle(enemies::Px(b.X), enemies::Px(b.Y), enemies::Px(b.X) + 440, enemies::Px(b.Y) + 90, 0x303030,
                      0x808080, 1);
  }
  template <class Fire, class Frame>
  void Shoot(const char* name, bosses::BossRecord& boss, int frames, Fire fire, Frame frame) {
    boss.X = 180.0f;
    boss.Y = 10.0f;
    for (int f = 0; f < frames; ++f) {
      elSystem::FrameStep = Step;
      elDraw::Clear();
      fire();
      Body(boss);
      frame();
    }
    EXPECT_GT(Lit(180, 100, 440, 500), 0) << name;
    Picture(name);
  }
};

TEST_F(DropPicturesTest, EachKindBelowItsBoss) {
  Shoot("drops_twin", bosses::Scene2Boss, 150, [] { TwinDrop01.Fire(); TwinDrop02.Fire(); },
        [] { for (auto* t : {&TwinDrop01, &TwinDrop02}) { t->Update(); t->Draw(); } });
  Shoot("drops_falling_arms", bosses::Scene3Boss, 120,
        [] { for (auto* a : {&FallingArm07, &FallingArm08, &FallingArm09, &FallingArm10, &FallingArm12, &FallingArm13, &FallingArm14}) a->Fire(); },
        [] { for (auto* a : {&FallingArm07, &FallingArm08, &FallingArm09, &FallingArm10, &FallingArm12, &FallingArm13, &FallingArm14}) { a->Update(); a->Draw(); } });
  ArmStrike01.Strike->Frame = ArmStrike02.Strike->Frame = 0;  // both in step
  Shoot("drops_arm_strike", bosses::Scene6Boss, 3, [] { ArmStrike01.Spawn(); ArmStrike02.Spawn(); },
        [] { ArmStrike01.Draw(); ArmStrike02.Draw(); });
  Shoot("drops_small", bosses::Scene3Boss, 90,
        [] { for (int i = 42; i < 51; ++i) SmallDropInstance{SmallDropRows[i], SmallDropTables[i]}.Spawn(); },
        [] { for (int i = 42; i < 51; ++i) { const SmallDropInstance d{SmallDropRows[i], SmallDropTables[i]}; d.Update(); d.Draw(); } });
  Shoot("drops_formation_vertical", bosses::Scene2Boss, 160, [] { FormationDrop01.Fire(); FormationDrop02.Fire(); FormationDrop03.Fire(); },
        [] { for (auto* f : {&FormationDrop01, &FormationDrop02, &FormationDrop03}) { f->Update(); f->Draw(); } });
  Shoot("drops_formation_cells", bosses::Scene3Boss, 200, [] { for (auto* f : {&FormationDrop06, &FormationDrop07, &FormationDrop28, &FormationDrop29}) f->Fire(); },
        [] { for (auto* f : {&FormationDrop06, &FormationDrop07, &FormationDrop28, &FormationDrop29}) { f->Update(); f->Draw(); } });
  Shoot("drops_formation_horizontal", bosses::Scene3Boss, 120, [] { FormationDrop30.Fire(); FormationDrop31.Fire(); FormationDrop25.Fire(); },
        [] { for (auto* f : {&FormationDrop30, &FormationDrop31, &FormationDrop25}) { f->Update(); f->Draw(); } });
  Shoot("drops_formation_sliding", bosses::Scene6Boss, 120, [] { FormationDrop47.Fire(); FormationDrop48.Fire(); FormationDrop44.Fire(); },
        [] { for (auto* f : {&FormationDrop47, &FormationDrop48, &FormationDrop44}) { f->Update(); f->Draw(); } });
  PlaceShip(370.0f, 500.0f);
  player::PlayerAliveFlag = 0;  // the bolts pass through the picture's ship
  Shoot("drops_lightning", bosses::Scene7Boss, 40,
        [] { for (auto* c : {&LightningChain01, &LightningChain02, &LightningChain03, &LightningChain04, &LightningChain05, &LightningChain06}) c->Spawn(); },
        [] { for (auto* c : {&LightningChain01, &LightningChain02, &LightningChain03, &LightningChain04, &LightningChain05, &LightningChain06}) { c->Update(); c->Draw(); } });
}

}  // namespace
