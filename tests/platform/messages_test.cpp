// The message queue, key states and double-click detection of the layer.
#include <gtest/gtest.h>

#include <thread>

#include "platform/keys.h"
#include "platform/messages.h"
#include "support/harness.h"

using platform::Msg;

namespace {

TEST(MessageQueue, QuitComesAfterWhatWasPostedBefore) {
  testing_support::Harness h;
  platform::PostQuitMessage(0);
  platform::PostMessage(1, Msg::KeyDown, 'A');
  platform::Message m;
  ASSERT_TRUE(platform::PeekMessage(m));
  EXPECT_EQ(m.msg, Msg::KeyDown);
  ASSERT_TRUE(platform::PeekMessage(m));
  EXPECT_EQ(m.msg, Msg::Quit);
  EXPECT_FALSE(platform::PeekMessage(m));
}

TEST(MessageQueue, KeyStatesFollowTheMessagesTakenOff) {
  testing_support::Harness h;
  platform::PostMessage(1, Msg::KeyDown, platform::VK_LEFT);
  EXPECT_EQ(platform::GetKeyState(platform::VK_LEFT) & 0x80, 0) << "not yet taken off the queue";
  platform::Message m;
  ASSERT_TRUE(platform::PeekMessage(m));
  EXPECT_NE(platform::GetKeyState(platform::VK_LEFT) & 0x80, 0);
  platform::PostMessage(1, Msg::KeyUp, platform::VK_LEFT);
  ASSERT_TRUE(platform::PeekMessage(m));
  EXPECT_EQ(platform::GetKeyState(platform::VK_LEFT) & 0x80, 0);
  EXPECT_EQ(platform::GetKeyState(-1), 0);
  EXPECT_EQ(platform::GetKeyState(100000), 0);
}

TEST(MessageQueue, PostsFromAnotherThreadArrive) {
  testing_support::Harness h;
  std::thread t([] {
    for (int i = 0; i < 100; ++i) platform::PostMessage(1, Msg::MciNotify, 1);
  });
  t.join();
  int n = 0;
  platform::Message m;
  while (platform::PeekMessage(m)) ++n;
  EXPECT_EQ(n, 100);
}

TEST(DoubleClicks, SecondPressInTimeIsADoubleClickAndAThirdIsPlain) {
  testing_support::Harness h;
  struct Press {
    uint32_t time;
    int x;
    Msg expected;
  } presses[] = {
      {1000, 10, Msg::LButtonDown},   {1200, 11, Msg::LButtonDblClk}, {1300, 11, Msg::LButtonDown},
      {2000, 11, Msg::LButtonDown},   {2100, 30, Msg::LButtonDown},   {2700, 30, Msg::LButtonDown},
  };
  for (const Press& p : presses) {
    platform::PostMouseButton(0, true, p.x, 5, p.time);
    platform::Message m;
    ASSERT_TRUE(platform::PeekMessage(m));
    EXPECT_EQ(m.msg, p.expected) << p.time;
    EXPECT_EQ(platform::LowWord(m.lparam), static_cast<unsigned>(p.x));
  }
}

}  // namespace
