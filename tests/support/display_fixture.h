// A headless screen of the engine's own, with a program folder of fixture
// pictures the test writes itself.
#pragma once
#include <gtest/gtest.h>

#include <functional>
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

// The game's screen: the play field as clip rectangle and a grey back buffer,
// so that drawn black and left-out pixels can be told apart.
class PlayFieldTest : public DisplayTest {
 protected:
  static constexpr uint16_t Background = 0x4208;
  void SetUp() override {
    DisplayTest::SetUp();
    ASSERT_EQ(Up(), 1);
    elDraw::SetClip(180, 0, 620, 600);
    FillBack(Background);
  }
};

// A draw object made from its pixel values, rows from the top.
inline int MakePicture(int w, int h, const std::function<uint16_t(int, int)>& at) {
  const int id = elDraw::CreateObject(w, h, 0);
  const platform::PixelBuffer v = elDraw::ObjectSurface(id)->View();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) v.Row(y)[x] = at(x, y);
  return id;
}
inline int SolidPicture(int w, int h, uint16_t value) {
  return MakePicture(w, h, [=](int, int) { return value; });
}

}  // namespace testing_support
