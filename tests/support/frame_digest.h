// Folds every frame a harness runs into a digest of what the player would
// see and what drives the next frame: the back buffer's pixels, the random
// generator's state and the score. A run is cut into named stretches, and
// each stretch is compared with the digest a known-good build recorded, so
// that reshaping the code can show it changed no frame, no random draw and
// no point of score.
#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "support/harness.h"

namespace testing_support {

struct RecordedStretch {
  const char* name;
  int frames;
  uint64_t digest;
};

class FrameDigest {
 public:
  explicit FrameDigest(Harness& h);
  ~FrameDigest();
  FrameDigest(const FrameDigest&) = delete;
  FrameDigest& operator=(const FrameDigest&) = delete;

  // Closes the stretch of frames since the last mark under `name`.
  void Mark(const std::string& name);

  // Expects the marked stretches to be the recorded ones. With
  // QUORVANE_RECORD_FRAMES set, also prints them as rows to paste. The
  // digests were recorded from a fresh program (ctest runs every test in a
  // process of its own); after another game test in the same process they
  // are not compared.
  void ExpectRecorded(std::span<const RecordedStretch> recorded) const;

 private:
  struct Stretch {
    std::string name;
    int frames;
    uint64_t digest;
  };
  void Fold();

  Harness& h_;
  std::vector<Stretch> stretches_;
  int frames_ = 0;
  uint64_t digest_;
};

}  // namespace testing_support
