// The real game started headless in a working folder of its own (where the
// high-score file lives), with helpers to hold keys over frames and to read
// the screen.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/draw_object.h"
#include "engine/screen.h"
#include "engine/system.h"
#include "platform/pixel_buffer.h"
#include "support/harness.h"
#include "support/temp_folder.h"

namespace testing_support {

// Changes the working folder for the life of the object.
struct WorkingFolder {
  explicit WorkingFolder(const std::string& path) : old(std::filesystem::current_path()) {
    std::filesystem::current_path(path);
  }
  ~WorkingFolder() { std::filesystem::current_path(old); }
  std::filesystem::path old;
};

class GameFlowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(h.StartGame(), 1);
    h.Pump();  // the window's activation
  }

  // A key held down over one frame, as a scene polling LastKey sees it; the
  // release is taken at the start of the next frame.
  void Tap(int vk) {
    h.KeyDown(vk);
    h.Frame();
    h.KeyUp(vk);
  }

  // Frames until the scene is current and has run, at most `limit`.
  bool FramesUntilScene(int scene, int limit = 200) {
    for (int i = 0; i < limit; ++i) {
      if (elSystem::SceneNumber == scene && elSystem::PreviousScene == scene) return true;
      h.Frame();
    }
    return false;
  }

  // From the title through Enter to the difficulty selection, transition over.
  void ReachDifficultySelection() {
    h.Frame();
    Tap(0x0D);
    ASSERT_TRUE(FramesUntilScene(11));
    h.Frames(30);
  }

  uint16_t FramePixel(int x, int y) {
    const auto& b = h.backend();
    return b.frame[static_cast<size_t>(y) * b.frame_width + x];
  }

  // With QUORVANE_SHOTS set to a folder, the last presented frame is written
  // there as a 24-bit PPM picture, for a person to look at.
  void Shot(const char* name) {
    const char* folder = std::getenv("QUORVANE_SHOTS");
    if (!folder) return;
    const auto& b = h.backend();
    std::FILE* f = std::fopen((std::string(folder) + "/" + name + ".ppm").c_str(), "wb");
    if (!f) return;
    std::fprintf(f, "P6 %d %d 255\n", b.frame_width, b.frame_height);
    for (uint16_t v : b.frame) {
      const unsigned char rgb[3] = {static_cast<unsigned char>(((v >> 11) & 31) * 255 / 31),
                                    static_cast<unsigned char>(((v >> 5) & 63) * 255 / 63),
                                    static_cast<unsigned char>((v & 31) * 255 / 31)};
      std::fwrite(rgb, 1, 3, f);
    }
    std::fclose(f);
  }

  TempFolder work;
  WorkingFolder cwd{work.path};
  Harness h;
};

// The pixels of a rectangle of a surface, row by row.
inline std::vector<uint16_t> Pixels(platform::Surface* s, int x, int y, int w, int h) {
  std::vector<uint16_t> out;
  platform::PixelBuffer view;
  if (!s || s->Lock(view) != platform::DisplayResult::Ok) return out;
  for (int j = y; j < y + h; ++j)
    for (int i = x; i < x + w; ++i) out.push_back(view.Contains(i, j) ? view.Row(j)[i] : 0xDEAD);
  s->Unlock();
  return out;
}

inline std::vector<uint16_t> BackBufferPixels(int x, int y, int w, int h) {
  return Pixels(elDraw::BackBuffer.get(), x, y, w, h);
}
inline std::vector<uint16_t> PicturePixels(int obj, int x, int y, int w, int h) {
  return Pixels(elDraw::ObjectSurface(obj), x, y, w, h);
}

}  // namespace testing_support
