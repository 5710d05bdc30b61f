// Pieces shared by the two composers.
#pragma once
#include <string_view>

#include "engine/text.h"

namespace elText {

// The colour, or 0x101010 when it is so dark that it would be transparent.
ColorRef VisibleOnSprite(ColorRef colour);
// One character with the composer's shadow (shadow_step right and down, one
// more per thickening) and thickening.
void DrawCharacter(platform::PixelBuffer& buffer, const platform::Font& font, int x, int y, std::string_view ch,
                   int flags, int shadow_step, uint16_t text, uint16_t shadow);
// The end of every composition: the whole text copied to the back buffer
// unless a reveal will show it, and the reveal started again.
void FinishComposition();

}  // namespace elText
