// The start state of the aimed rings, lines and fans, boss by boss in the
// order of the boss reset, so that their random start frames come in a fixed
// order.
#pragma once

namespace bosses {

void ResetAimedPatterns();

}  // namespace bosses
