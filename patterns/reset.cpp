#include "patterns/reset.h"

#include "bosses/aimed_fan.h"
#include "bosses/aimed_line.h"
#include "bosses/aimed_reset.h"
#include "bosses/aimed_ring.h"
#include "bosses/boss.h"
#include "bosses/boss_aimed_shot.h"
#include "patterns/drops/arm_strike.h"
#include "patterns/drops/drop_reset.h"
#include "patterns/drops/falling_arm.h"
#include "patterns/drops/formation_drop.h"
#include "patterns/drops/lightning_chain.h"
#include "patterns/streams/curving_chain.h"
#include "patterns/streams/spiral_stream.h"
#include "patterns/streams/step_stream.h"

namespace patterns {

namespace {

using namespace bosses;

void ResetArmsTogether(std::initializer_list<const FallingArmInstance*> arms) {
  ResetFallingArmsTogether(arms.begin(), static_cast<int>(arms.size()));
}

void ResetBlasts(const BossInstance& boss) { boss.ResetExplosions(); }

}  // namespace

void ResetBossesAndPatterns() {
  Scene2BossOps.ResetIntroPiece();
  Scene6BossOps.ResetIntroPiece();
  Scene3BossOps.ResetIntroPiece();

  Scene2BossOps.ResetRecord();
  ResetTwinDrops(1, 4);
  ResetArmsTogether({&FallingArm01, &FallingArm02});
  Pass(AimedLine01, AimedLine02);
  Pass(AimedLine09, AimedLine10);
  Pass(AimedLine03, AimedLine04, AimedLine05, AimedLine06, AimedLine07, AimedLine08);
  BossAimedShot01.Reset();
  ResetScene2SpiralStreams();
  Pass(AimedFan01);
  Pass(AimedFan02);
  Pass(AimedFan03, AimedFan04);
  ResetFormationDrops(1, 5);
  ResetSmallDrops(1, 3);
  ResetBlasts(Scene2BossOps);

  Scene4BossOps.ResetRecord();
  ResetTwinDrops(5, 6);
  Pass(AimedRing01);
  Pass(AimedRing02);
  ResetFormationDrops(6, 12);
  ResetSmallDrops(4, 8);
  ResetBlasts(Scene4BossOps);

  Scene8BossOps.ResetRecord();
  ResetWiggleStreams();
  ResetScene8SpiralStreams();
  ResetArmsTogether({&FallingArm03, &FallingArm04, &FallingArm05, &FallingArm06});
  ResetTwinDrops(7, 8);
  Pass(AimedRing03);
  Pass(AimedRing04);
  Pass(AimedRing05);
  Pass(AimedRing06);
  ResetFormationDrops(13, 17);
  ResetSmallDrops(9, 15);
  ResetBlasts(Scene8BossOps);

  Scene5BossOps.ResetRecord();
  Pass(AimedFan05, AimedFan06, AimedFan07);
  Pass(AimedFan08, AimedFan09, AimedFan10);
  Pass(AimedFan11, AimedFan12, AimedFan13);
  Pass(AimedFan14, AimedFan15, AimedFan16);
  Pass(AimedFan17, AimedFan18, AimedFan19);
  Pass(AimedFan20, AimedFan21, AimedFan22);
  Pass(AimedFan23, AimedFan24, AimedFan25);
  ResetScene5CurvingStreams();
  for (const CurvingChainInstance* c : {&CurvingChain01, &CurvingChain02, &CurvingChain03, &CurvingChain04}) c->Reset();
  Pass(AimedFan26, AimedFan27);
  Pass(AimedLine35, AimedLine36, AimedLine37, AimedLine38);
  Pass(AimedLine39, AimedLine40);
  Pass(AimedLine11, AimedLine12, AimedLine13, AimedLine14, AimedLine15, AimedLine16, AimedLine17, AimedLine18,
       AimedLine19, AimedLine20, AimedLine21, AimedLine22, AimedLine23, AimedLine24, AimedLine25, AimedLine26,
       AimedLine27, AimedLine28, AimedLine29, AimedLine30, AimedLine31, AimedLine32, AimedLine33, AimedLine34);
  ResetTwinDrops(9, 11);
  Pass(AimedRing07);
  Pass(AimedRing08);
  ResetFormationDrops(37, 43);
  ResetSmallDrops(16, 24);
  ResetBlasts(Scene5BossOps);

  Scene6BossOps.ResetRecord();
  ArmStrike01.Reset();
  ArmStrike02.Reset();
  ResetScene6CurvingStreams();
  for (const CurvingChainInstance* c : {&CurvingChain05, &CurvingChain06}) c->Reset();
  Pass(AimedFan28, AimedFan29);
  Pass(AimedFan30);
  Pass(AimedFan31);
  for (const FormationDropInstance* f : {&FormationDrop44, &FormationDrop47, &FormationDrop48, &FormationDrop49,
                                          &FormationDrop50, &FormationDrop45, &FormationDrop46})
    f->Reset();
  ResetSmallDrops(25, 33);
  ResetBlasts(Scene6BossOps);

  Scene7BossOps.ResetRecord();
  ResetLightningChains();
  ResetTwinDrops(12, 13);
  ResetFormationDrops(18, 24);
  Pass(AimedRing09);
  ResetSmallDrops(34, 42);
  ResetBlasts(Scene7BossOps);

  Scene3BossOps.ResetRecord();
  Pass(AimedFan32, AimedFan33);
  Pass(AimedFan34, AimedFan35);
  Pass(AimedFan36, AimedFan37, AimedFan38);
  ResetArmsTogether({&FallingArm07, &FallingArm08, &FallingArm09, &FallingArm10, &FallingArm11, &FallingArm12,
                     &FallingArm13, &FallingArm14, &FallingArm15});
  Pass(AimedLine41, AimedLine42, AimedLine43, AimedLine44, AimedLine45, AimedLine46, AimedLine47, AimedLine48,
       AimedLine49, AimedLine50, AimedLine51, AimedLine52);
  ResetTwinDrops(14, 15);
  Pass(AimedRing10);
  Pass(AimedRing11);
  ResetFormationDrops(25, 31);
  ResetSmallDrops(43, 51);
  ResetBlasts(Scene3BossOps);

  Scene9BossOps.ResetRecord();
  ResetFormationDrops(32, 36);
  Pass(AimedRing12);
  ResetSmallDrops(52, 60);
  ResetBlasts(Scene9BossOps);
}

}  // namespace patterns
