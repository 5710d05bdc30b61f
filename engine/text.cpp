#include "engine/text.h"

namespace elText {

void FreeFontBuffer() {}

}  // namespace elText
