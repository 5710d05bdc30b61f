#include "support/frame_digest.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "engine/random.h"
#include "engine/screen.h"
#include "game/score.h"
#include "platform/pixel_buffer.h"

namespace testing_support {

namespace {

constexpr uint64_t kStart = 0xcbf29ce484222325ull;

uint64_t Mix(uint64_t h, uint64_t v) {
  h ^= v;
  h *= 0x9e3779b97f4a7c15ull;
  return h ^ (h >> 29);
}

}  // namespace

FrameDigest::FrameDigest(Harness& h) : h_(h), digest_(kStart) {
  h_.OnFrame([this] { Fold(); });
}

FrameDigest::~FrameDigest() { h_.OnFrame(nullptr); }

void FrameDigest::Fold() {
  uint64_t d = Mix(digest_, elRandom::State);
  d = Mix(d, static_cast<uint32_t>(score::Score));
  platform::Surface* back = elDraw::BackBuffer.get();
  platform::PixelBuffer view;
  if (back && back->Lock(view) == platform::DisplayResult::Ok) {
    d = Mix(d, (static_cast<uint64_t>(view.width) << 32) | static_cast<uint32_t>(view.height));
    const size_t rowBytes = static_cast<size_t>(view.width) * sizeof(uint16_t);
    for (int y = 0; y < view.height; ++y) {
      const unsigned char* row = reinterpret_cast<const unsigned char*>(view.Row(y));
      size_t i = 0;
      for (; i + 8 <= rowBytes; i += 8) {
        uint64_t word;
        std::memcpy(&word, row + i, 8);
        d = Mix(d, word);
      }
      for (; i < rowBytes; ++i) d = Mix(d, row[i]);
    }
    back->Unlock();
  } else {
    d = Mix(d, 0);  // no back buffer this frame
  }
  digest_ = d;
  ++frames_;
}

void FrameDigest::Mark(const std::string& name) {
  stretches_.push_back({name, frames_, digest_});
  frames_ = 0;
  digest_ = kStart;
}

void FrameDigest::ExpectRecorded(std::span<const RecordedStretch> recorded) const {
  if (std::getenv("QUORVANE_RECORD_FRAMES")) {
    for (const Stretch& s : stretches_)
      std::printf("      {\"%s\", %d, 0x%016" PRIx64 "ull},\n", s.name.c_str(), s.frames, s.digest);
  }
  if (Harness::MadeInProcess() > 1) {
    std::printf("Frame digests not compared: another game test ran before in this process.\n");
    return;
  }
  ASSERT_EQ(stretches_.size(), recorded.size()) << "a different number of stretches was marked";
  for (size_t i = 0; i < recorded.size(); ++i) {
    const Stretch& s = stretches_[i];
    SCOPED_TRACE(s.name);
    EXPECT_EQ(s.name, recorded[i].name);
    EXPECT_EQ(s.frames, recorded[i].frames) << "frames in the stretch";
    EXPECT_EQ(s.digest, recorded[i].digest) << "a frame, a random draw or the score differs";
  }
}

}  // namespace testing_support
