#include "patterns/drops/drop_reset.h"

#include <initializer_list>

#include "patterns/drops/arm_strike.h"
#include "patterns/drops/falling_arm.h"
#include "patterns/drops/formation_drop.h"
#include "patterns/drops/lightning_chain.h"
#include "patterns/drops/small_drop.h"
#include "patterns/drops/twin_drop.h"

namespace patterns {

namespace {

void ResetTwin(int from, int to) {
  for (int i = from; i <= to; ++i) TwinDropInstance{TwinDropRows[i - 1], TwinDropTables[i - 1]}.Reset();
}
void ResetFormation(int from, int to) {
  for (int i = from; i <= to; ++i) FormationDropInstance{FormationDropRows[i - 1], FormationDropTables[i - 1]}.Reset();
}
void ResetSmall(int from, int to) {
  for (int i = from; i <= to; ++i) SmallDropInstance{SmallDropRows[i - 1], SmallDropTables[i - 1]}.Reset();
}

}  // namespace

void ResetDropTables() {
  // Scene-2 boss.
  ResetTwin(1, 4);
  {
    const FallingArmInstance* arms[] = {&FallingArm01, &FallingArm02};
    ResetFallingArmsTogether(arms, 2);
  }
  ResetFormation(1, 5);
  ResetSmall(1, 3);
  // Scene-4 boss.
  ResetTwin(5, 6);
  ResetFormation(6, 12);
  ResetSmall(4, 8);
  // Scene-8 boss.
  {
    const FallingArmInstance* arms[] = {&FallingArm03, &FallingArm04, &FallingArm05, &FallingArm06};
    ResetFallingArmsTogether(arms, 4);
  }
  ResetTwin(7, 8);
  ResetFormation(13, 17);
  ResetSmall(9, 15);
  // Scene-5 boss.
  ResetTwin(9, 11);
  ResetFormation(37, 43);
  ResetSmall(16, 24);
  // Scene-6 boss.
  ArmStrike01.Reset();
  ArmStrike02.Reset();
  for (const FormationDropInstance* f :
       {&FormationDrop44, &FormationDrop47, &FormationDrop48, &FormationDrop49, &FormationDrop50, &FormationDrop45,
        &FormationDrop46})
    f->Reset();
  ResetSmall(25, 33);
  // Scene-7 boss.
  ResetLightningChains();
  ResetTwin(12, 13);
  ResetFormation(18, 24);
  ResetSmall(34, 42);
  // Scene-3 boss.
  {
    const FallingArmInstance* arms[] = {&FallingArm07, &FallingArm08, &FallingArm09, &FallingArm10, &FallingArm11,
                                        &FallingArm12, &FallingArm13, &FallingArm14, &FallingArm15};
    ResetFallingArmsTogether(arms, 9);
  }
  ResetTwin(14, 15);
  ResetFormation(25, 31);
  ResetSmall(43, 51);
  // Scene-9 boss.
  ResetFormation(32, 36);
  ResetSmall(52, 60);
}

}  // namespace patterns
