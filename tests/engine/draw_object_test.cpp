// The draw-object table: names, ids, colour keys, failed loads and the
// reload of every named picture after a loss.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/draw_hw.h"
#include "engine/draw_object.h"
#include "support/display_fixture.h"

// The display fixture and its pictures.
using namespace testing_support;

namespace {

class DrawObjects : public DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    ASSERT_EQ(Up(), 1);
    picture = Pattern(5, 4, testing_support::PureColours());
    Write("a.bmp", picture);
  }
  // The object's pixels as they are now.
  uint16_t ObjectPixel(int obj, int x, int y) { return elDraw::DrawObjectTable[obj].Surface->View().Row(y)[x]; }
  FixturePicture picture;
};

TEST_F(DrawObjects, NamesUpToThirtyCharactersAreTaken) {
  const std::string name30 = std::string(25, 'x') + ".bmpx";  // 30 characters, no such file
  EXPECT_EQ(elDraw::LoadObject(name30.c_str(), 1), 0);
  EXPECT_EQ(LastBox(), "elDraw::LoadObject : BMPファイルを読み込めません");
  EXPECT_STREQ(elDraw::DrawObjectTable[4].Name, name30.c_str());  // taken: ids after it do not shift

  const std::string name31 = name30 + "y";
  EXPECT_EQ(elDraw::LoadObject(name31.c_str(), 1), 0);
  EXPECT_EQ(LastBox(), "elDraw::LoadObject : ファイル名またはリソース名が長すぎます");
  EXPECT_EQ(elDraw::DrawObjectTable[5].Name[0], '\0');  // nothing taken
  EXPECT_EQ(elDraw::SwapObject(name31.c_str(), 4, 1), 0);
  EXPECT_EQ(LastBox(), "elDraw::SwapObject : ファイル名またはリソース名が長すぎます");
  EXPECT_STREQ(elDraw::DrawObjectTable[4].Name, name30.c_str());

  // A folder path of exactly 30 characters loads.
  const std::string folder = std::string(24, 'd');
  std::filesystem::create_directory(dir.path + folder);
  Write(folder + "/a.bmp", picture);
  EXPECT_EQ(elDraw::LoadObject((folder + "/a.bmp").c_str(), 1), 5);
}

TEST_F(DrawObjects, IdsRunFromFourAndAFullTableIsReported) {
  EXPECT_EQ(elDraw::LoadObject("a.bmp", 1), 4);
  EXPECT_EQ(elDraw::LoadObject("A.BMP", 1), 5);  // the same picture again: a new id
  EXPECT_EQ(elDraw::LoadObject("missing.bmp", 1), 0);
  EXPECT_EQ(elDraw::LoadObject("a.bmp", 1), 7);
  for (int i = 8; i < elDraw::DrawObjectCount; ++i) ASSERT_EQ(elDraw::LoadObject("a.bmp", 1), i);
  const size_t boxes = h.backend().boxes.size();
  EXPECT_EQ(elDraw::LoadObject("a.bmp", 1), 0);
  EXPECT_EQ(LastBox(), "elDraw::LoadObject : オブジェクト数が多過ぎます");
  EXPECT_EQ(elDraw::CreateObject(4, 4, 1), 0);
  EXPECT_EQ(LastBox(), "elDraw::CreateObject : オブジェクト数が多過ぎます");
  EXPECT_EQ(h.backend().boxes.size(), boxes + 2);

  elDraw::ReleaseObject(500);
  EXPECT_EQ(elDraw::CreateObject(4, 4, 1), 500);
  EXPECT_STREQ(elDraw::DrawObjectTable[500].Name, "*");
}

TEST_F(DrawObjects, TheFirstLoadAfterTheScreenIsFourFor1021LoadsTheLastFails) {
  int last = 0;
  for (int i = 0; i < 1020; ++i) last = elDraw::LoadObject("a.bmp", 1);
  EXPECT_EQ(last, 1023);
  EXPECT_EQ(elDraw::LoadObject("a.bmp", 1), 0);
}

TEST_F(DrawObjects, BrokenFilesAreLoadFailures) {
  auto bytes = testing_support::EncodeFixture(picture, BmpKind::Rgb24);
  bytes.resize(bytes.size() - 1);
  testing_support::WriteBytes(dir.path + "cut.bmp", bytes);
  testing_support::WriteBytes(dir.path + "empty.bmp", {});
  for (const char* name : {"cut.bmp", "empty.bmp", "", "IMAGE"}) {
    EXPECT_EQ(elDraw::LoadObject(name, 1), 0) << name;
    EXPECT_EQ(LastBox(), "elDraw::LoadObject : BMPファイルを読み込めません");
  }
  const int id = elDraw::LoadObject("a.bmp", 1);
  EXPECT_EQ(elDraw::SwapObject("cut.bmp", id, 1), 0);
  EXPECT_EQ(LastBox(), "elDraw::SwapObject : BMPファイルを読み込めません");
  EXPECT_FALSE(elDraw::DrawObjectTable[id].Surface);
  // A failed entry is skipped by the draws.
  FillBack(0x1111);
  elDraw::Draw(200, 0, id, 0, 0, 5, 4);
  elDraw::DrawScaled(200, 0, id, 0, 0, 5, 4, 10, 8);
  EXPECT_EQ(Pixel(201, 1), 0x1111);
}

TEST_F(DrawObjects, LoadsConvertToTheDisplayAndKeyBlack) {
  const int id = elDraw::LoadObject("a.bmp", 1);
  const elDraw::DrawObject& e = elDraw::DrawObjectTable[id];
  EXPECT_EQ(e.Width, 5);
  EXPECT_EQ(e.Height, 4);
  EXPECT_EQ(e.ColorKey, 0u);
  EXPECT_EQ(e.FromPack, 0);
  EXPECT_EQ(e.ReloadType, 2);
  EXPECT_EQ(e.Surface->memory(), platform::SurfaceMemory::System);
  ASSERT_TRUE(e.Surface->has_color_key());
  EXPECT_EQ(e.Surface->color_key(), 0);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(ObjectPixel(id, x, y), To565(picture.At(x, y)));
  EXPECT_EQ(elDraw::LoadObject("a.bmp", 2), id + 1);
  EXPECT_EQ(elDraw::DrawObjectTable[id + 1].Surface->memory(), platform::SurfaceMemory::Video);
}

TEST_F(DrawObjects, ColourKeysOfTheNextLoads) {
  // Pixel (0, 0) is red here; the picture also holds black.
  FixturePicture red_corner = picture;
  red_corner.palette = {0xFF0000, 0x000000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0xFFFF00, 0x00FFFF, 0xFF00FF};
  Write("r.bmp", red_corner);

  elDraw::SetColorKey(platform::Rgb(0, 255, 0));
  const int green_keyed = elDraw::LoadObject("r.bmp", 1);
  EXPECT_EQ(elDraw::DrawObjectTable[green_keyed].Surface->color_key(), 0x07E0);
  EXPECT_EQ(ObjectPixel(green_keyed, 0, 0), 0xF800);  // the probe left the picture as it was

  elDraw::UsePixelKey();
  const int own = elDraw::LoadObject("r.bmp", 1);
  EXPECT_EQ(elDraw::DrawObjectTable[own].ColorKey, elDraw::PixelKeyColour);
  EXPECT_EQ(elDraw::DrawObjectTable[own].Surface->color_key(), 0xF800);

  // Drawn keyed, red is left out everywhere and black is drawn.
  FillBack(0x1111);
  elDraw::Draw(300, 10, own, 0, 0, 5, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) {
      const uint16_t src = To565(red_corner.At(x, y));
      ASSERT_EQ(Pixel(300 + x, 10 + y), src == 0xF800 ? 0x1111 : src) << x << "," << y;
    }

  elDraw::SetColorKey(0);
  EXPECT_EQ(elDraw::PixelKeyFlag, 0);
  EXPECT_EQ(elDraw::SetObjectKey(own, platform::Rgb(255, 255, 255)), 1);
  EXPECT_EQ(elDraw::DrawObjectTable[own].Surface->color_key(), 0xFFFF);
  EXPECT_EQ(elDraw::CopyColorKey(green_keyed, own), 1);
  EXPECT_EQ(elDraw::DrawObjectTable[green_keyed].Surface->color_key(), 0xFFFF);
  EXPECT_EQ(elDraw::DrawObjectTable[green_keyed].ColorKey, uint32_t{platform::Rgb(0, 255, 0)});
  EXPECT_EQ(elDraw::SetObjectPixelKey(own), 1);
  EXPECT_EQ(elDraw::DrawObjectTable[own].Surface->color_key(), 0xF800);
  EXPECT_EQ(elDraw::SetObjectKey(-1, 0), 0);
  EXPECT_EQ(elDraw::CopyColorKey(4000, own), 0);
}

TEST_F(DrawObjects, RestoreReloadsEveryNamedPictureIntoItsOwnId) {
  Write("b.bmp", Pattern(3, 3, {0x000000, 0x00FFFF, 0xFF00FF}));
  const int a = elDraw::LoadObject("a.bmp", 1);
  elDraw::SetColorKey(platform::Rgb(0, 255, 255));
  const int b = elDraw::LoadObject("b.bmp", 2);
  elDraw::SetColorKey(0);
  EXPECT_EQ(elDraw::LoadObject("gone.bmp", 1), 0);  // entry 6, no surface
  const int made = elDraw::CreateObject(4, 4, 1);
  EXPECT_EQ(made, 7);

  platform::LoseAllSurfaces();
  elDraw::Clear();                      // fills do not restore
  EXPECT_TRUE(elDraw::BackBuffer->IsLost());
  elDraw::Draw(200, 0, a, 0, 0, 5, 4);  // meets the loss: restores everything
  for (int id : {0, 1, 2, 3, a, b, made}) EXPECT_FALSE(elDraw::DrawObjectTable[id].Surface->IsLost()) << id;
  EXPECT_FALSE(elDraw::BackBuffer->IsLost());
  EXPECT_STREQ(elDraw::DrawObjectTable[b].Name, "b.bmp");
  EXPECT_EQ(elDraw::DrawObjectTable[b].Surface->color_key(), 0x07FF);
  EXPECT_EQ(elDraw::DrawObjectTable[b].Surface->memory(), platform::SurfaceMemory::Video);
  EXPECT_EQ(elDraw::DrawObjectTable[7].Name[0], '*');
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) ASSERT_EQ(ObjectPixel(a, x, y), To565(picture.At(x, y)));
  // Each reload set the entry's own key, so the last one stays the key of
  // the next loads.
  EXPECT_EQ(elDraw::KeyColor, uint32_t{platform::Rgb(0, 255, 255)});
  FillBack(0x1111);
  elDraw::Draw(200, 0, a, 0, 0, 5, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) {
      const uint16_t src = To565(picture.At(x, y));
      ASSERT_EQ(Pixel(200 + x, y), src ? src : 0x1111);
    }
}

}  // namespace
