#include "patterns/reset.h"

#include "bosses/aimed_fan.h"
#include "bosses/aimed_line.h"
#include "bosses/aimed_ring.h"
#include "bosses/boss.h"
#include "bosses/boss_aimed_shot.h"
#include "enemies/common/reset_pass.h"
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
using enemies::ResetTogether;

void ResetBlasts(const BossInstance& boss) { boss.ResetExplosions(); }

}  // namespace

void ResetBossesAndPatterns() {
  Scene2BossOps.ResetIntroPiece();
  Scene6BossOps.ResetIntroPiece();
  Scene3BossOps.ResetIntroPiece();

  Scene2BossOps.ResetRecord();
  ResetTwinDrops(1, 4);
  ResetTogether(FallingArm01, FallingArm02);
  ResetTogether(AimedLine01, AimedLine02);
  ResetTogether(AimedLine09, AimedLine10);
  ResetTogether(AimedLine03, AimedLine04, AimedLine05, AimedLine06, AimedLine07, AimedLine08);
  BossAimedShot01.Reset();
  ResetScene2SpiralStreams();
  ResetTogether(AimedFan01);
  ResetTogether(AimedFan02);
  ResetTogether(AimedFan03, AimedFan04);
  ResetFormationDrops(1, 5);
  ResetSmallDrops(1, 3);
  ResetBlasts(Scene2BossOps);

  Scene4BossOps.ResetRecord();
  ResetTwinDrops(5, 6);
  ResetTogether(AimedRing01);
  ResetTogether(AimedRing02);
  ResetFormationDrops(6, 12);
  ResetSmallDrops(4, 8);
  ResetBlasts(Scene4BossOps);

  Scene8BossOps.ResetRecord();
  ResetWiggleStreams();
  ResetScene8SpiralStreams();
  ResetTogether(FallingArm03, FallingArm04, FallingArm05, FallingArm06);
  ResetTwinDrops(7, 8);
  ResetTogether(AimedRing03);
  ResetTogether(AimedRing04);
  ResetTogether(AimedRing05);
  ResetTogether(AimedRing06);
  ResetFormationDrops(13, 17);
  ResetSmallDrops(9, 15);
  ResetBlasts(Scene8BossOps);

  Scene5BossOps.ResetRecord();
  ResetTogether(AimedFan05, AimedFan06, AimedFan07);
  ResetTogether(AimedFan08, AimedFan09, AimedFan10);
  ResetTogether(AimedFan11, AimedFan12, AimedFan13);
  ResetTogether(AimedFan14, AimedFan15, AimedFan16);
  ResetTogether(AimedFan17, AimedFan18, AimedFan19);
  ResetTogether(AimedFan20, AimedFan21, AimedFan22);
  ResetTogether(AimedFan23, AimedFan24, AimedFan25);
  ResetScene5CurvingStreams();
  for (const CurvingChainInstance* c : {&CurvingChain01, &CurvingChain02, &CurvingChain03, &CurvingChain04}) c->Reset();
  ResetTogether(AimedFan26, AimedFan27);
  ResetTogether(AimedLine35, AimedLine36, AimedLine37, AimedLine38);
  ResetTogether(AimedLine39, AimedLine40);
  ResetTogether(AimedLine11, AimedLine12, AimedLine13, AimedLine14, AimedLine15, AimedLine16, AimedLine17, AimedLine18,
       AimedLine19, AimedLine20, AimedLine21, AimedLine22, AimedLine23, AimedLine24, AimedLine25, AimedLine26,
       AimedLine27, AimedLine28, AimedLine29, AimedLine30, AimedLine31, AimedLine32, AimedLine33, AimedLine34);
  ResetTwinDrops(9, 11);
  ResetTogether(AimedRing07);
  ResetTogether(AimedRing08);
  ResetFormationDrops(37, 43);
  ResetSmallDrops(16, 24);
  ResetBlasts(Scene5BossOps);

  Scene6BossOps.ResetRecord();
  ArmStrike01.Reset();
  ArmStrike02.Reset();
  ResetScene6CurvingStreams();
  for (const CurvingChainInstance* c : {&CurvingChain05, &CurvingChain06}) c->Reset();
  ResetTogether(AimedFan28, AimedFan29);
  ResetTogether(AimedFan30);
  ResetTogether(AimedFan31);
  for (const FormationDropInstance* f : {&FormationDrop44, &FormationDrop47, &FormationDrop48, &FormationDrop49,
                                          &FormationDrop50, &FormationDrop45, &FormationDrop46})
    f->Reset();
  ResetSmallDrops(25, 33);
  ResetBlasts(Scene6BossOps);

  Scene7BossOps.ResetRecord();
  ResetLightningChains();
  ResetTwinDrops(12, 13);
  ResetFormationDrops(18, 24);
  ResetTogether(AimedRing09);
  ResetSmallDrops(34, 42);
  ResetBlasts(Scene7BossOps);

  Scene3BossOps.ResetRecord();
  ResetTogether(AimedFan32, AimedFan33);
  ResetTogether(AimedFan34, AimedFan35);
  ResetTogether(AimedFan36, AimedFan37, AimedFan38);
  ResetTogether(FallingArm07, FallingArm08, FallingArm09, FallingArm10, FallingArm11, FallingArm12,
                     FallingArm13, FallingArm14, FallingArm15);
  ResetTogether(AimedLine41, AimedLine42, AimedLine43, AimedLine44, AimedLine45, AimedLine46, AimedLine47, AimedLine48,
       AimedLine49, AimedLine50, AimedLine51, AimedLine52);
  ResetTwinDrops(14, 15);
  ResetTogether(AimedRing10);
  ResetTogether(AimedRing11);
  ResetFormationDrops(25, 31);
  ResetSmallDrops(43, 51);
  ResetBlasts(Scene3BossOps);

  Scene9BossOps.ResetRecord();
  ResetFormationDrops(32, 36);
  ResetTogether(AimedRing12);
  ResetSmallDrops(52, 60);
  ResetBlasts(Scene9BossOps);
}

}  // namespace patterns
