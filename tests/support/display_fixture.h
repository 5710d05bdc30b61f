// A headless screen of the engine's own, with a program folder of fixture
// pictures the test writes itself.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/draw_object.h"
#include "engine/screen.h"
#include "platform/system.h"
#include "support/bmp_fixture.h"
#include "support/harness.h"

namespace testing_support {

class DisplayTest : public ::testing::Test {
 protected:
  void SetUp() override { platform::SetProgramFolder(dir.path); }
  void TearDown() override { platform::SetProgramFolder(""); }

  int Up(int width = 800, int height = 600) { return elDraw::Screen(width, height, 2); }

  // Writes picture as name (below the program folder); returns name.
  std::string Write(const std::string& name, const FixturePicture& picture, BmpKind kind = BmpKind::Rgb24) {
    WriteBytes(dir.path + name, EncodeFixture(picture, kind));
    return name;
  }

  uint16_t Pixel(int x, int y) const { return elDraw::BackBuffer->View().Row(y)[x]; }
  void FillBack(uint16_t value) { platform::ColorFill(*elDraw::BackBuffer, nullptr, value); }
  std::string LastBox() { return h.backend().boxes.empty() ? "" : h.backend().boxes.back().text; }

  Harness h;
  TempFolder dir;
};

}  // namespace testing_support
