// Sheets of equal cells side by side: each cell is drawn on its own canvas,
// so nothing of one frame can spill into the next.
#pragma once
#include <functional>

#include "canvas.h"

namespace assets {

inline void DrawCells(Canvas& sheet, int cell_w, int cell_h, int count, const std::function<void(Canvas&, int)>& draw,
                      int row = 0, int first_col = 0) {
  for (int k = 0; k < count; ++k) {
    Canvas cell(cell_w, cell_h);
    draw(cell, k);
    sheet.Draw(cell, (first_col + k) * cell_w, row * cell_h);
  }
}

}  // namespace assets
