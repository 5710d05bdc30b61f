// The drop and stream patterns' part of the boss reset: every pattern table
// back to its start state. Runs after the bosses' own tables.
#pragma once

namespace patterns {

void ResetPatternTables();

}  // namespace patterns
