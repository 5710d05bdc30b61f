#include "bosses/reset.h"

#include "bosses/aimed_reset.h"

namespace bosses {

void ResetBossTables() {
  // The boss records and each aimed kind's tables join here, boss by boss.
  ResetAimedPatterns();
}

}  // namespace bosses
