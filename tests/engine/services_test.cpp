// The error box, message boxes, paths, number files and system queries.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "engine/frame.h"
#include "engine/services.h"
#include "engine/system.h"
#include "platform/system.h"
#include "support/harness.h"

using testing_support::Harness;

namespace {

struct TempDir {
  TempDir() {
    char tmpl[] = "/tmp/quorvane_test_XXXXXX";
    path = mkdtemp(tmpl);
  }
  ~TempDir() { std::filesystem::remove_all(path); }
  std::string path;
};

TEST(ErrorBox, ShowsLocationAndMessageAndSetsTheFlag) {
  Harness h;
  EXPECT_EQ(elSystem::Error("elDraw::LoadObject", "BMPファイルを読み込めません", 5), 0);
  ASSERT_EQ(h.backend().boxes.size(), 1u);
  EXPECT_EQ(h.backend().boxes[0].text, "elDraw::LoadObject : BMPファイルを読み込めません");
  EXPECT_EQ(h.backend().boxes[0].caption, "エラー発生");
  EXPECT_EQ(h.backend().boxes[0].flags, 0x1030u);
  EXPECT_EQ(h.backend().beeps, 1);
  EXPECT_EQ(elSystem::GetErrorFlag(), 1);
}

TEST(MessageBoxes, MessageAndQuestionFormatAndResetTheFrameTime) {
  Harness h;
  elSystem::FrameStep = 0.5f;
  elSystem::CursorShownFlag = 0;
  elSystem::Message("depth %d", 16);
  ASSERT_EQ(h.backend().boxes.size(), 1u);
  EXPECT_EQ(h.backend().boxes[0].text, "depth 16\r\n");
  EXPECT_EQ(h.backend().boxes[0].caption, "メッセージ");
  EXPECT_EQ(elSystem::FrameStep, 0.0f);
  EXPECT_EQ(elSystem::CursorShownFlag, 1);
  EXPECT_EQ(elSystem::MessageBoxOpenFlag, 0);
  h.backend().box_answer = platform::IDYES;
  EXPECT_EQ(elSystem::Question("ok?"), 1);
  EXPECT_EQ(h.backend().boxes[1].flags, 0x24u);
  h.backend().box_answer = platform::IDNO;
  EXPECT_EQ(elSystem::Question("ok?"), 0);
}

TEST(Paths, ProgramFolderAndItsRedirection) {
  Harness h;
  platform::SetProgramFolder("/A/B/");
  EXPECT_EQ(elSystem::GetPath(0), "/A/B/");
  EXPECT_EQ(elSystem::GetPath(1), "/A/B/") << "no redirection set";
  elSystem::DataFolder = "/Data";
  EXPECT_EQ(elSystem::GetPath(1), "/Data/B/");
  EXPECT_EQ(elSystem::GetPath(0), "/A/B/");
  elSystem::DataFolder.clear();
  platform::SetProgramFolder("");
  const std::string real = elSystem::GetPath(0);
  ASSERT_FALSE(real.empty());
  EXPECT_EQ(real.back(), '/');
}

TEST(Paths, NamesResolveWithEitherSlashAndAnyCase) {
  TempDir dir;
  std::filesystem::create_directories(dir.path + "/IMAGE");
  std::ofstream(dir.path + "/IMAGE/FLZ01_l.BMP") << "x";
  EXPECT_EQ(platform::ResolvePath(dir.path + "\\IMAGE\\FLZ01_l.BMP"), dir.path + "/IMAGE/FLZ01_l.BMP");
  EXPECT_EQ(platform::ResolvePath(dir.path + "/image/flz01_L.bmp"), dir.path + "/IMAGE/FLZ01_l.BMP");
  EXPECT_EQ(platform::ResolvePath(dir.path + "/image/missing.bmp"), dir.path + "/IMAGE/missing.bmp");
}

TEST(NumberFiles, RoundTripAndMissingFile) {
  Harness h;
  TempDir dir;
  platform::SetProgramFolder(dir.path);
  EXPECT_EQ(elSystem::ReadNumber("missing.txt"), 0);
  EXPECT_EQ(elSystem::WriteNumber("n.txt", -1234), 1);
  EXPECT_EQ(elSystem::ReadNumber("n.txt"), -1234);
  EXPECT_EQ(elSystem::SaveNumber("n.txt", 77), 1);
  EXPECT_EQ(elSystem::LoadNumber("n.txt"), 77);
  std::ofstream(dir.path + "/junk.txt") << "abc";
  EXPECT_EQ(elSystem::ReadNumber("junk.txt"), 0);
  platform::SetProgramFolder("");
}

TEST(Log, AppendsLinesToTheDebugFile) {
  TempDir dir;
  char old[4096];
  ASSERT_NE(getcwd(old, sizeof old), nullptr);
  ASSERT_EQ(chdir(dir.path.c_str()), 0);
  elSystem::Log("a=%d", 1);
  elSystem::Log("%s", "二行目");
  std::ifstream in("DEBUG.TXT");
  std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(all, "a=1\n二行目\n");
  ASSERT_EQ(chdir(old), 0);
}

TEST(SystemQueries, VersionTable) {
  struct Case {
    int platform, major, minor, expected;
  } cases[] = {{0, 3, 10, 310}, {1, 4, 0, 950},  {1, 4, 10, 980},  {1, 5, 2, 502}, {2, 5, 0, 2000},
               {2, 5, 1, 2000}, {2, 6, 1, 6010}, {2, 10, 0, 10000}, {3, 1, 0, -1}};
  for (const Case& c : cases)
    EXPECT_EQ(elSystem::VersionNumber(c.platform, c.major, c.minor), c.expected) << c.platform << " " << c.major;
}

TEST(SystemQueries, DateTimeAndDiskAnswerSensibly) {
  int y, mo, d, hh, mi, s;
  std::string wd;
  elSystem::GetDate(y, mo, d, wd);
  elSystem::GetTime(hh, mi, s);
  EXPECT_GE(y, 2000);
  EXPECT_TRUE(mo >= 1 && mo <= 12 && d >= 1 && d <= 31);
  EXPECT_TRUE(hh >= 0 && hh < 24 && mi >= 0 && mi < 60);
  EXPECT_NE(std::string("日月火水木金土").find(wd), std::string::npos);
  EXPECT_GT(elSystem::DiskFree('C'), 0u);
  EXPECT_GT(elSystem::FreeMemory(), 0u);
}

}  // namespace
