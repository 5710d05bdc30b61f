// The placement of the 800x600 frame on desktops of other sizes.
#include <gtest/gtest.h>

#include "platform/letterbox.h"

namespace {

TEST(Letterbox, FitsCentredWithTheLargestWholeFactorFirst) {
  struct Case {
    int w, h, scale, left, top, right, bottom;
  } cases[] = {
      {800, 600, 1, 0, 0, 800, 600},       {1600, 1200, 2, 0, 0, 1600, 1200},
      {1920, 1080, 1, 240, 0, 1680, 1080}, {1024, 768, 1, 0, 0, 1024, 768},
      {2560, 1440, 2, 320, 0, 2240, 1440}, {3840, 2160, 3, 480, 0, 3360, 2160},
      {640, 480, 1, 0, 0, 640, 480},       {800, 1000, 1, 0, 200, 800, 800},
  };
  for (const Case& c : cases) {
    const platform::Letterbox b = platform::ComputeLetterbox(c.w, c.h, 800, 600);
    EXPECT_EQ(b.integer_scale, c.scale) << c.w << "x" << c.h;
    EXPECT_EQ(b.dst.left, c.left) << c.w << "x" << c.h;
    EXPECT_EQ(b.dst.top, c.top) << c.w << "x" << c.h;
    EXPECT_EQ(b.dst.right, c.right) << c.w << "x" << c.h;
    EXPECT_EQ(b.dst.bottom, c.bottom) << c.w << "x" << c.h;
  }
}

TEST(Letterbox, MouseMapsBackIntoTheFrameAndIsClamped) {
  const platform::Letterbox b = platform::ComputeLetterbox(1920, 1080, 800, 600);
  struct Case {
    int ox, oy, fx, fy;
  } cases[] = {{240, 0, 0, 0}, {960, 540, 400, 300}, {1679, 1079, 799, 599}, {0, 0, 0, 0}, {1919, 500, 799, 277}};
  for (const Case& c : cases) {
    int fx = -1, fy = -1;
    platform::OutputToFrame(b, 800, 600, c.ox, c.oy, fx, fy);
    EXPECT_EQ(fx, c.fx) << c.ox;
    EXPECT_EQ(fy, c.fy) << c.oy;
  }
}

}  // namespace
