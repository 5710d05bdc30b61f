// Where an 800x600 frame lands on a desktop of another size: as large as fits
// with its aspect kept, centred, black bars around it. The frame is first
// enlarged by the largest whole factor that fits (sharp pixels), and only the
// rest of the way is smoothed.
#pragma once
#include "platform/backend.h"

namespace platform {

struct Letterbox {
  int integer_scale = 1;  // whole-number enlargement before smoothing
  Rect dst{};             // the frame's rectangle in output pixels
};

Letterbox ComputeLetterbox(int out_w, int out_h, int frame_w, int frame_h);
// Output (window) pixel to frame pixel, clamped into the frame.
void OutputToFrame(const Letterbox& box, int frame_w, int frame_h, int ox, int oy, int& fx, int& fy);

}  // namespace platform
