// The start-up load with the generated assets: every picture at the id of its
// place in the load order, the two sounds first in the sound table.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/draw_object.h"
#include "engine/sound.h"
#include "engine/system.h"
#include "game/assets.h"
#include "game/score.h"
#include "platform/system.h"
#include "support/harness.h"
#include "support/temp_folder.h"

using namespace assets;
using namespace score;

namespace {

using testing_support::Harness;

// A few picture variables with the ids of their places in the load order.
struct Expected {
  const int* variable;
  int id;
  const char* name;
};
const Expected kSpotChecks[] = {
    {&PicZbak1b, 4, "ZBAK1B"},      {&PicMymy, 13, "MYMY"},        {&PicSuji09, 15, "SUJI09"},
    {&PicSzak4, 52, "SZAK4"},       {&PicSzak2, 53, "SZAK2"},      {&PicFlz01_l, 90, "FLZ01_l"},
    {&PicVal402, 105, "VAL402"},    {&PicVal402b, 106, "VAL402"},  {&PicVal20w, 131, "VAL20w"},
    {&PicZfire2, 151, "ZFIRE2"},    {&PicBback1s, 152, "BBACK1S"}, {&PicTitlec, 157, "TITLEC"},
    {&PicLevel1, 165, "LEVEL1"},    {&PicContinu1, 166, "CONTINU1"},
};

TEST(Assets, EveryPictureAndSoundLoadsAtItsIdWithoutAnError) {
  Harness h;
  ASSERT_EQ(h.StartGame(), 1);
  EXPECT_TRUE(h.backend().boxes.empty());
  for (int id = 4; id <= 166; ++id) {
    ASSERT_NE(elDraw::DrawObjectTable[id].Surface, nullptr) << id;
  }
  EXPECT_EQ(elDraw::DrawObjectTable[167].Name[0], '\0');
  for (const Expected& e : kSpotChecks) {
    EXPECT_EQ(*e.variable, e.id) << e.name;
    EXPECT_EQ(std::string(elDraw::DrawObjectTable[e.id].Name), std::string("IMAGE/") + e.name + ".BMP");
  }
  EXPECT_EQ(SndShot, 0);
  EXPECT_EQ(SndBom, 1);
  EXPECT_STREQ(elSound::SoundObject.Name[0], "SOUND/SHOT.WAV");
  EXPECT_STREQ(elSound::SoundObject.Name[1], "SOUND/BOM.WAV");
  EXPECT_EQ(HiScore, 500);
  EXPECT_EQ(elSystem::SceneNumber, 1);
}

TEST(Assets, AMissingPictureGetsIdZeroAndTheOthersKeepTheirIds) {
  // A program folder holding every generated file but one picture.
  testing_support::TempFolder folder;
  const std::string bin = platform::ProgramFolder();
  for (const char* sub : {"IMAGE", "SOUND", "MIDI"}) {
    std::filesystem::create_directories(folder.path + sub);
    for (const auto& entry : std::filesystem::directory_iterator(bin + sub))
      if (entry.path().filename() != "SZAK4.BMP")
        std::filesystem::create_symlink(entry.path(), folder.path + sub + "/" + entry.path().filename().string());
  }
  platform::SetProgramFolder(folder.path);
  {
    Harness h;
    testing::internal::CaptureStderr();
    ASSERT_EQ(h.StartGame(), 1);
    const std::string said = testing::internal::GetCapturedStderr();
    ASSERT_EQ(h.backend().boxes.size(), 1u);
    // The box keeps the system's own text; the stderr line names the file.
    EXPECT_EQ(h.backend().boxes[0].text, "elDraw::LoadObject : BMPファイルを読み込めません");
    EXPECT_NE(said.find("BMPファイルを読み込めません (IMAGE/SZAK4.BMP)"), std::string::npos) << said;
    EXPECT_EQ(PicSzak4, 0);
    EXPECT_EQ(PicSzak2, 53);
    EXPECT_EQ(PicContinu1, 166);
    EXPECT_EQ(elSystem::SceneNumber, 1);
    h.Frames(3);  // the title goes on
    EXPECT_GT(h.backend().present_count, 0);
  }
  platform::SetProgramFolder("");
}

}  // namespace
