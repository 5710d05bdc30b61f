#include "platform/letterbox.h"

#include <algorithm>

namespace platform {

Letterbox ComputeLetterbox(int out_w, int out_h, int frame_w, int frame_h) {
  Letterbox box;
  if (out_w <= 0 || out_h <= 0 || frame_w <= 0 || frame_h <= 0) {
    box.dst = Rect{0, 0, std::max(out_w, 0), std::max(out_h, 0)};
    return box;
  }
  box.integer_scale = std::max(1, std::min(out_w / frame_w, out_h / frame_h));
  // Fit by the tighter side, with whole-pixel arithmetic.
  int w, h;
  if (static_cast<long long>(out_w) * frame_h <= static_cast<long long>(out_h) * frame_w) {
    w = out_w;
    h = static_cast<int>(static_cast<long long>(out_w) * frame_h / frame_w);
  } else {
    h = out_h;
    w = static_cast<int>(static_cast<long long>(out_h) * frame_w / frame_h);
  }
  const int x = (out_w - w) / 2, y = (out_h - h) / 2;
  box.dst = Rect{x, y, x + w, y + h};
  return box;
}

void OutputToFrame(const Letterbox& box, int frame_w, int frame_h, int ox, int oy, int& fx, int& fy) {
  const int w = box.dst.right - box.dst.left, h = box.dst.bottom - box.dst.top;
  if (w <= 0 || h <= 0) {
    fx = std::clamp(ox, 0, std::max(frame_w - 1, 0));
    fy = std::clamp(oy, 0, std::max(frame_h - 1, 0));
    return;
  }
  const long long x = static_cast<long long>(ox - box.dst.left) * frame_w / w;
  const long long y = static_cast<long long>(oy - box.dst.top) * frame_h / h;
  fx = static_cast<int>(std::clamp<long long>(x, 0, frame_w - 1));
  fy = static_cast<int>(std::clamp<long long>(y, 0, frame_h - 1));
}

}  // namespace platform
