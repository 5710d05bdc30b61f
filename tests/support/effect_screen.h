// A headless 800x600 screen in either 16-bit layout, with the game's clip
// rectangle, for the effect draws: pictures made from pixel values, pixels
// written from 5-bit channel values, the whole back buffer as a vector.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "engine/draw_object.h"
#include "engine/pixel_tables.h"
#include "engine/screen.h"
#include "platform/display.h"
#include "platform/system.h"
#include "support/display_fixture.h"
#include "support/harness.h"
#include "support/temp_folder.h"

namespace testing_support {

struct LayoutCase {
  const char* name;
  platform::PixelFormat format;
};
// The case's own name in test names, never the bytes of the object.
inline void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.name; }
inline const LayoutCase BothLayouts[] = {{"565", platform::PixelFormat::Rgb565()},
                                         {"555", platform::PixelFormat::Rgb555()}};

class EffectScreen : public ::testing::TestWithParam<LayoutCase> {
 protected:
  void SetUp() override {
    platform::SetProgramFolder(dir.path);
    h.backend().display.format = GetParam().format;
    ASSERT_EQ(elDraw::Screen(800, 600, 2), 1);
    elDraw::SetClip(180, 0, 620, 600);
  }
  void TearDown() override { platform::SetProgramFolder(""); }

  bool Is565() const { return GetParam().format == platform::PixelFormat::Rgb565(); }
  // A pixel from 5-bit channel values, green in the top bits of a 6-bit one.
  uint16_t Rgb5(int r, int g, int b) const {
    return static_cast<uint16_t>(Is565() ? (r << 11) | (g << 6) | b : (r << 10) | (g << 5) | b);
  }
  // A pixel from channel values at the layout's own width.
  uint16_t Full(int r, int g, int b) const {
    return static_cast<uint16_t>(Is565() ? (r << 11) | (g << 5) | b : (r << 10) | (g << 5) | b);
  }
  // The 5-bit channels of a pixel, as text for readable failures.
  std::string Channels(uint16_t p) const {
    const int r = Is565() ? p >> 11 : (p >> 10) & 31, g = Is565() ? (p >> 6) & 31 : (p >> 5) & 31, b = p & 31;
    return "(" + std::to_string(r) + "," + std::to_string(g) + "," + std::to_string(b) + ")";
  }

  int Picture(int w, int hgt, const std::function<uint16_t(int, int)>& at) { return testing_support::MakePicture(w, hgt, at); }
  int Solid(int w, int hgt, uint16_t value) { return testing_support::SolidPicture(w, hgt, value); }
  uint16_t Pixel(int x, int y) const { return elDraw::BackBuffer->View().Row(y)[x]; }
  void SetPixel(int x, int y, uint16_t v) { elDraw::BackBuffer->View().Row(y)[x] = v; }
  void FillBack(uint16_t value) { platform::ColorFill(*elDraw::BackBuffer, nullptr, value); }
  // Every pixel from its position.
  void PaintBack(const std::function<uint16_t(int, int)>& at) {
    const platform::PixelBuffer v = elDraw::BackBuffer->View();
    for (int y = 0; y < v.height; ++y)
      for (int x = 0; x < v.width; ++x) v.Row(y)[x] = at(x, y);
  }
  std::vector<uint16_t> Back() const {
    std::vector<uint16_t> out;
    const platform::PixelBuffer v = elDraw::BackBuffer->View();
    for (int y = 0; y < v.height; ++y) out.insert(out.end(), v.Row(y), v.Row(y) + v.width);
    return out;
  }

  Harness h;
  TempFolder dir;
};

}  // namespace testing_support
