// The boss reset: the eight bosses and every table of the patterns they
// fire back to their start state, boss by boss, in the order in which the
// game draws their random start values (continuing the sequence that the
// object reset seeded).
#pragma once

namespace patterns {

void ResetBossesAndPatterns();

}  // namespace patterns
