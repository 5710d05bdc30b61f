#include "bosses/reset.h"

#include "bosses/aimed_reset.h"
#include "bosses/boss.h"
#include "bosses/boss_aimed_shot.h"

namespace bosses {

// Boss by boss: the record, then the tables of the patterns its stage fires
// (in the order their random start values are drawn), its death explosions
// last. The intro pieces come before every boss.
void ResetBossTables() {
  Scene2BossOps.ResetIntroPiece();
  Scene6BossOps.ResetIntroPiece();
  Scene3BossOps.ResetIntroPiece();

  Scene2BossOps.ResetRecord();
  BossAimedShot01.Reset();
  Scene2BossOps.ResetExplosions();

  Scene4BossOps.ResetRecord();
  Scene4BossOps.ResetExplosions();

  Scene8BossOps.ResetRecord();
  Scene8BossOps.ResetExplosions();

  Scene5BossOps.ResetRecord();
  Scene5BossOps.ResetExplosions();

  Scene6BossOps.ResetRecord();
  Scene6BossOps.ResetExplosions();

  Scene7BossOps.ResetRecord();
  Scene7BossOps.ResetExplosions();

  Scene3BossOps.ResetRecord();
  Scene3BossOps.ResetExplosions();

  Scene9BossOps.ResetRecord();
  Scene9BossOps.ResetExplosions();

  ResetAimedPatterns();
}

}  // namespace bosses
