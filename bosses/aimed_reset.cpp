#include "bosses/aimed_reset.h"

#include <algorithm>

#include "bosses/aimed_fan.h"
#include "bosses/aimed_line.h"
#include "bosses/aimed_ring.h"

namespace bosses {

namespace {

// One pass over tables that are reset together: slot i of each, in the order
// given, before slot i + 1.
template <class... Table>
void Pass(const Table&... tables) {
  const int most = std::max({tables.SlotCount()...});
  for (int i = 0; i < most; ++i) (tables.ResetSlot(i), ...);
}

}  // namespace

void ResetAimedPatterns() {
  // Scene 2's boss.
  Pass(AimedLine01, AimedLine02);
  Pass(AimedLine09, AimedLine10);
  Pass(AimedLine03, AimedLine04, AimedLine05, AimedLine06, AimedLine07, AimedLine08);
  Pass(AimedFan01);
  Pass(AimedFan02);
  Pass(AimedFan03, AimedFan04);
  // Scene 4's.
  Pass(AimedRing01);
  Pass(AimedRing02);
  // Scene 8's.
  Pass(AimedRing03);
  Pass(AimedRing04);
  Pass(AimedRing05);
  Pass(AimedRing06);
  // Scene 5's.
  Pass(AimedFan05, AimedFan06, AimedFan07);
  Pass(AimedFan08, AimedFan09, AimedFan10);
  Pass(AimedFan11, AimedFan12, AimedFan13);
  Pass(AimedFan14, AimedFan15, AimedFan16);
  Pass(AimedFan17, AimedFan18, AimedFan19);
  Pass(AimedFan20, AimedFan21, AimedFan22);
  Pass(AimedFan23, AimedFan24, AimedFan25);
  Pass(AimedFan26, AimedFan27);
  Pass(AimedLine35, AimedLine36, AimedLine37, AimedLine38);
  Pass(AimedLine39, AimedLine40);
  Pass(AimedLine11, AimedLine12, AimedLine13, AimedLine14, AimedLine15, AimedLine16, AimedLine17, AimedLine18,
       AimedLine19, AimedLine20, AimedLine21, AimedLine22, AimedLine23, AimedLine24, AimedLine25, AimedLine26,
       AimedLine27, AimedLine28, AimedLine29, AimedLine30, AimedLine31, AimedLine32, AimedLine33, AimedLine34);
  Pass(AimedRing07);
  Pass(AimedRing08);
  // Scene 6's.
  Pass(AimedFan28, AimedFan29);
  Pass(AimedFan30);
  Pass(AimedFan31);
  // Scene 7's.
  Pass(AimedRing09);
  // Scene 3's.
  Pass(AimedFan32, AimedFan33);
  Pass(AimedFan34, AimedFan35);
  Pass(AimedFan36, AimedFan37, AimedFan38);
  Pass(AimedLine41, AimedLine42, AimedLine43, AimedLine44, AimedLine45, AimedLine46, AimedLine47, AimedLine48,
       AimedLine49, AimedLine50, AimedLine51, AimedLine52);
  Pass(AimedRing10);
  Pass(AimedRing11);
  // Scene 9's.
  Pass(AimedRing12);
}

}  // namespace bosses
