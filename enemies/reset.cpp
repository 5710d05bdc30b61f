#include "enemies/reset.h"

#include "enemies/aimed_line_shot.h"
#include "enemies/common/reset_pass.h"
#include "enemies/aimed_shot.h"
#include "enemies/cluster_drop_shot.h"
#include "enemies/crossing_spinner.h"
#include "enemies/curving_chain_shot.h"
#include "enemies/diagonal_diver.h"
#include "enemies/diagonal_large_craft.h"
#include "enemies/flame_faller.h"
#include "enemies/giant_craft.h"
#include "enemies/lane_diver.h"
#include "enemies/large_craft.h"
#include "enemies/line_shot.h"
#include "enemies/ring_shot.h"
#include "enemies/rising_lock_target.h"
#include "enemies/side_glider.h"
#include "enemies/spinning_faller.h"
#include "enemies/spinning_lock_target.h"
#include "enemies/spiral_shot.h"
#include "enemies/straight_shot.h"
#include "enemies/sweeping_craft.h"
#include "enemies/timed_diagonal_diver.h"
#include "enemies/twin_drop_shot.h"
#include "enemies/volley_shot.h"
#include "enemies/zigzag_fighter.h"

namespace enemies {

void ResetSmallFry() {
  // Each kind's table joins here, in the order its random start values are
  // drawn: each craft followed by the shots it carries. The lock-on records
  // draw nothing and are reset with their craft.
  FlameFaller01.Reset();
  ResetTogether(CurvingChainShot01);
  ResetTogether(CurvingChainShot02);
  ResetTogether(LineShot01);
  RisingLockTarget01.Reset();
  RisingLockTarget02.Reset();
  LaneDiver01.Reset();
  ResetTogether(AimedShot01);
  LaneDiver02.Reset();
  ResetTogether(AimedShot02);
  SpinningFaller01.Reset();
  ResetTogether(AimedShot03);
  SpinningFaller02.Reset();
  ResetTogether(AimedShot04);
  SpinningFaller03.Reset();
  ResetTogether(AimedShot05);
  FlameFaller02.Reset();
  ResetTogether(LineShot02);
  ResetTogether(StraightShot01, StraightShot02, StraightShot03);
  CrossingSpinner01.Reset();
  ResetTogether(AimedLineShot01);
  ResetTogether(AimedLineShot02);
  ResetTogether(AimedLineShot03);
  ResetTogether(StraightShot04, StraightShot05, StraightShot06);
  ResetTogether(VolleyShot01);
  CrossingSpinner02.Reset();
  ResetTogether(AimedLineShot04);
  ResetTogether(AimedLineShot05);
  ResetTogether(AimedLineShot06);
  ResetTogether(StraightShot07, StraightShot08, StraightShot09);
  ResetTogether(VolleyShot02);
  FlameFaller03.Reset();
  ResetTogether(StraightShot10, StraightShot11, StraightShot12, StraightShot13, StraightShot14);
  ResetTogether(LineShot03, LineShot04, LineShot05, LineShot06, LineShot07);
  SideGlider01.Reset();
  ResetTogether(AimedShot06);
  ResetTogether(AimedLineShot07);
  ResetTogether(AimedLineShot08);
  ResetTogether(StraightShot15, StraightShot16, StraightShot17);
  SideGlider02.Reset();
  ResetTogether(AimedShot07);
  ResetTogether(AimedLineShot09);
  ResetTogether(AimedLineShot10);
  ResetTogether(StraightShot18, StraightShot19, StraightShot20);
  DiagonalLargeCraft01.Reset();
  ResetTogether(VolleyShot03);
  ResetTogether(VolleyShot04);
  ResetTogether(VolleyShot05);
  ResetTogether(StraightShot21, StraightShot22, StraightShot23, StraightShot24, StraightShot25);
  DiagonalLargeCraft02.Reset();
  ResetTogether(VolleyShot06);
  ResetTogether(VolleyShot07);
  ResetTogether(VolleyShot08);
  ResetTogether(StraightShot26, StraightShot27, StraightShot28, StraightShot29, StraightShot30);
  DiagonalDiver01.Reset();
  ResetTogether(LineShot08);
  ResetTogether(StraightShot31, StraightShot32, StraightShot33, StraightShot34, StraightShot35);
  DiagonalDiver02.Reset();
  ResetTogether(LineShot09);
  ResetTogether(StraightShot36, StraightShot37, StraightShot38, StraightShot39, StraightShot40);
  TimedDiagonalDiver01.Reset();
  ResetTogether(StraightShot41, StraightShot42, StraightShot43, StraightShot44, StraightShot45);
  DiagonalDiver03.Reset();
  ResetTogether(LineShot10);
  ResetTogether(StraightShot46, StraightShot47, StraightShot48, StraightShot49, StraightShot50);
  DiagonalDiver04.Reset();
  ResetTogether(LineShot11);
  ResetTogether(StraightShot51, StraightShot52, StraightShot53, StraightShot54, StraightShot55);
  TimedDiagonalDiver02.Reset();
  ResetTogether(StraightShot56, StraightShot57, StraightShot58, StraightShot59, StraightShot60);
  ZigzagFighter01.Reset();
  ResetTogether(AimedLineShot11);
  ResetTogether(AimedLineShot12);
  ZigzagFighter02.Reset();
  ResetTogether(AimedLineShot13);
  ResetTogether(AimedLineShot14);
  ZigzagFighter03.Reset();
  ResetTogether(AimedLineShot15);
  ResetTogether(AimedLineShot16);
  ZigzagFighter04.Reset();
  ResetTogether(AimedLineShot17);
  ResetTogether(AimedLineShot18);
  ZigzagFighter05.Reset();
  ResetTogether(AimedShot08);
  ZigzagFighter06.Reset();
  ResetTogether(AimedShot09);
  ZigzagFighter07.Reset();
  ResetTogether(AimedShot10);
  ZigzagFighter08.Reset();
  ResetTogether(AimedShot11);
  SpinningLockTarget01.Reset();
  ResetTogether(AimedLineShot19);
  ResetTogether(AimedLineShot20);
  SpinningLockTarget02.Reset();
  ResetTogether(AimedLineShot21);
  ResetTogether(AimedLineShot22);
  SpinningLockTarget03.Reset();
  SpinningLockTarget04.Reset();

  // The large, sweeping and giant craft, after the spinning lock targets.
  LargeCraft01.Reset();
  LargeCraft02.Reset();
  ResetTogether(VolleyShot09);
  ResetTogether(VolleyShot10);
  ResetTogether(VolleyShot11);
  ResetTogether(TwinDropShot01);
  ResetTogether(TwinDropShot02);
  ResetTogether(VolleyShot12);
  ResetTogether(VolleyShot13);
  ResetTogether(VolleyShot14);
  LargeCraft03.Reset();
  ResetTogether(TwinDropShot03);
  ResetTogether(TwinDropShot04);
  ResetTogether(VolleyShot15);
  ResetTogether(RingShot01);
  SweepingCraft01.Reset();
  ResetTogether(SpiralShot01, SpiralShot02);
  ResetTogether(ClusterDropShot01);
  SweepingCraft02.Reset();
  ResetTogether(SpiralShot03, SpiralShot04);
  ResetTogether(ClusterDropShot02);
  SweepingCraft03.Reset();
  ResetTogether(CurvingChainShot03);
  ResetTogether(CurvingChainShot04);
  ResetTogether(ClusterDropShot03);
  SweepingCraft04.Reset();
  ResetTogether(CurvingChainShot05);
  ResetTogether(CurvingChainShot06);
  ResetTogether(ClusterDropShot04);
  SweepingCraft05.Reset();
  ResetTogether(ClusterDropShot05);
  SweepingCraft06.Reset();
  ResetTogether(ClusterDropShot06);
  GiantCraft01.Reset();
  ResetTogether(ClusterDropShot07);
}

}  // namespace enemies
