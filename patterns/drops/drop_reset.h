// Every drop table back to its start state, boss by boss in the order the
// random start frames are drawn.
#pragma once

namespace patterns {

void ResetDropTables();

}  // namespace patterns
