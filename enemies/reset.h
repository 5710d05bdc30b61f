// The small fry's part of the object reset: every craft and shot table back
// to its start state, in the order in which their random start values are
// drawn.
#pragma once

namespace enemies {

void ResetSmallFry();

}  // namespace enemies
