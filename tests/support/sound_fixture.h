// Sound objects over the headless mixer, with a program folder of WAV files
// and packs the test writes itself.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/sound.h"
#include "platform/mixer.h"
#include "support/harness.h"
#include "support/sound_files.h"

namespace testing_support {

class SoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(elSound::Init(), 1);
    elSound::EmptyObjects();
  }

  // The texts of the error boxes shown since the last call.
  std::vector<std::string> Boxes() {
    std::vector<std::string> texts;
    for (const auto& b : h.backend().boxes) texts.push_back(b.text);
    h.backend().boxes.clear();
    return texts;
  }
  bool Playing(int obj, int mix = 0) const {
    return platform::SoundBufferStatus(elSound::SoundObject.Buffers[obj][mix]) & platform::SoundPlaying;
  }

  Harness h;
  SoundFolder folder;
};

}  // namespace testing_support
