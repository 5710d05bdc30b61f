// The bosses' part of the boss reset: the eight boss records at their start
// hit points and the tables of their aimed shots and aimed patterns.
#pragma once

namespace bosses {

void ResetBossTables();

}  // namespace bosses
