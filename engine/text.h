// Text and fonts.
#pragma once

namespace elText {

void FreeFontBuffer();

}  // namespace elText
