// The frame gate and the wait timers on the manual clock.
#include <gtest/gtest.h>

#include "engine/frame.h"
#include "engine/services.h"
#include "platform/clock.h"
#include "support/harness.h"

using testing_support::Harness;

namespace {

TEST(FrameGate, SixtyFramesPerSecondWithStepsInWholeMilliseconds) {
  Harness h;
  EXPECT_EQ(elSystem::TicksPerFrame, 16666);
  EXPECT_EQ(elSystem::FrameDue(), 0);
  h.AdvanceMicros(16665);
  EXPECT_EQ(elSystem::FrameDue(), 0);
  h.AdvanceMicros(1);
  EXPECT_EQ(elSystem::FrameDue(), 1);
  EXPECT_FLOAT_EQ(elSystem::FrameStep, 0.016f);
  EXPECT_EQ(elSystem::FrameDue(), 0) << "due frames are a whole frame apart";
}

TEST(FrameGate, LateFrameIsNotCaughtUp) {
  Harness h;
  h.AdvanceMs(50);
  EXPECT_EQ(elSystem::FrameDue(), 1);
  EXPECT_FLOAT_EQ(elSystem::FrameStep, 0.05f);
  // The next frame is measured from the late one.
  h.AdvanceMicros(16000);
  EXPECT_EQ(elSystem::FrameDue(), 0);
  h.AdvanceMicros(666);
  EXPECT_EQ(elSystem::FrameDue(), 1);
}

TEST(FrameGate, PacingOffOrRateZeroMakesEveryCallDue) {
  Harness h;
  elSystem::SetPacing(0);
  EXPECT_EQ(elSystem::FrameDue(), 1);
  EXPECT_EQ(elSystem::FrameDue(), 1);
  elSystem::SetPacing(1);
  elSystem::SetFrameRate(0);
  EXPECT_EQ(elSystem::TicksPerFrame, 0);
  EXPECT_EQ(elSystem::FrameDue(), 1);
  EXPECT_EQ(elSystem::FrameDue(), 1);
}

TEST(FrameGate, LongStepIsCapped) {
  Harness h;
  h.AdvanceMs(3000);
  EXPECT_EQ(elSystem::FrameDue(), 1);
  EXPECT_FLOAT_EQ(elSystem::FrameStep, 0.25f);
}

TEST(FrameGate, MillisecondWrapStillGivesAShortStep) {
  Harness h;
  platform::UseManualClock(0xFFFFFFFFu - 5);
  elSystem::SetFrameRate(60);
  h.AdvanceMs(17);
  EXPECT_EQ(elSystem::FrameDue(), 1);
  EXPECT_FLOAT_EQ(elSystem::FrameStep, 0.017f);
}

TEST(WaitTimers, ArmedTimerExpiresAtItsDeadlineAndStaysExpired) {
  Harness h;
  EXPECT_EQ(elSystem::SetWait(1, 9000), 1);
  h.AdvanceMs(8999);
  EXPECT_EQ(elSystem::CheckWait(1), 0);
  h.AdvanceMs(1);
  EXPECT_EQ(elSystem::CheckWait(1), 1);
  h.AdvanceMs(100000);
  EXPECT_EQ(elSystem::CheckWait(1), 1);
  EXPECT_EQ(elSystem::InitWait(1), 1);
  EXPECT_EQ(elSystem::CheckWait(1), 0);
}

TEST(WaitTimers, OutOfRangeNumbersShowTheErrorBoxAndChangeNothing) {
  Harness h;
  struct Case {
    int no;
    const char* location;
  } cases[] = {{0, "elSystem::SetWait"}, {11, "elSystem::SetWait"}, {-1, "elSystem::InitWait"}};
  for (const Case& c : cases) {
    h.backend().boxes.clear();
    const int r = std::string(c.location) == "elSystem::SetWait" ? elSystem::SetWait(c.no, 10) : elSystem::InitWait(c.no);
    EXPECT_EQ(r, 0);
    ASSERT_EQ(h.backend().boxes.size(), 1u);
    EXPECT_EQ(h.backend().boxes[0].text, std::string(c.location) + " : ウェイトNoが範囲外です");
    EXPECT_EQ(h.backend().boxes[0].caption, "エラー発生");
  }
  EXPECT_EQ(elSystem::WaitTimer[11], elSystem::WaitNotSet);
  EXPECT_EQ(elSystem::CheckWait(0), 0);
  EXPECT_EQ(elSystem::CheckWait(11), 0);
  EXPECT_EQ(elSystem::CheckWait(12345), 0);
}

TEST(WaitTimers, BusyWaitEndsAndResetsTheStep) {
  Harness h;
  const uint32_t start = platform::TimeGetTime();
  elSystem::FrameStep = 1.0f;
  elSystem::Wait(30);
  EXPECT_GT(platform::TimeGetTime(), start + 30);
  EXPECT_EQ(elSystem::FrameStep, 0.0f);
}

}  // namespace
