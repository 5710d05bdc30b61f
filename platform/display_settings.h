// What the machine's display offers: the back end owns one of these, and the
// headless back end lets tests change it to reach the failure paths.
#pragma once
#include <vector>

#include "platform/pixel_buffer.h"

namespace platform {

struct DisplayCaps {
  bool has_3d = false;
  bool texture = false;
  bool stretch = true;
};

struct DisplaySettings {
  bool available = true;     // a device can be created
  bool exclusive_ok = true;  // the cooperative level can be set
  std::vector<int> refused_depths;  // mode depths this display refuses
  int desktop_depth = 32;           // the depth while no mode is set
  DisplayCaps hardware_caps{};      // the driver has no 3D part
  DisplayCaps emulation_caps{};
  PixelFormat format = PixelFormat::Rgb565();
  bool pixel_format_ok = true;
  int surfaces_left = -1;  // >= 0: that many more surfaces can be created
};

}  // namespace platform
