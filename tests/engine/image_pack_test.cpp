// The image pack: writing entries from BMP files, reading them back by name,
// and refusing broken or cut-off packs without leaving anything behind.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "engine/draw_hw.h"
#include "engine/draw_object.h"
#include "engine/image_pack.h"
#include "support/display_fixture.h"
#include "support/fifo.h"

using testing_support::DisplayTest;
using testing_support::FixturePicture;

namespace {

std::vector<uint8_t> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

class ImagePack : public DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    ASSERT_EQ(Up(), 1);
    // The colours whose conversion the pack format pins down.
    spots = FixturePicture{4, 1, {0xFF0000, 0x040404, 0x000000, 0x080808}, {0, 1, 2, 3}};
    Write("spots.bmp", spots);
  }
  uint16_t ObjectPixel(int obj, int x, int y) { return elDraw::DrawObjectTable[obj].Surface->View().Row(y)[x]; }
  FixturePicture spots;
};

TEST_F(ImagePack, AnEntryHoldsSizeNameAndFifteenBitPixels) {
  elDraw::AppendPack("p.pak", "spots.bmp");
  const std::vector<uint8_t> expect = {4, 0, 1, 0, 's', 'p', 'o', 't', 's', '.', 'b', 'm', 'p', 0,
                                       0x00, 0x7C, 0x01, 0x00, 0x00, 0x00, 0x21, 0x04};
  EXPECT_EQ(ReadAll(dir.path + "p.pak"), expect);
  EXPECT_EQ(elDraw::DrawObjectTable[4].Name[0], '\0');  // the loaded picture was given back
}

TEST_F(ImagePack, ConvertNeedsADeepDesktopAndPacksAFolderUpperCased) {
  EXPECT_EQ(elDraw::Convert("p.pak", "", 1), 0);
  EXPECT_EQ(LastBox(), "elDraw::Convert : 画面をフルカラーにして下さい");

  testing_support::Harness deep;
  elDraw::SetDepth(32, 0, 0);
  ASSERT_EQ(Up(), 1);
  std::filesystem::create_directory(dir.path + "pics");
  Write("pics/b.bmp", spots);
  Write("pics/A.Bmp", testing_support::Pattern(3, 2, testing_support::PureColours()));
  testing_support::WriteBytes(dir.path + "pics/notes.txt", {1, 2, 3});
  testing_support::WriteBytes(dir.path + "p.pak", {9, 9, 9});
  EXPECT_EQ(elDraw::Convert("p.pak", "pics", 1), 1);
  const auto bytes = ReadAll(dir.path + "p.pak");
  ASSERT_GE(bytes.size(), 10u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[4])), "A.BMP");
  const size_t second = 4 + 6 + 3 * 2 * 2;
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[second + 4])), "B.BMP");
  EXPECT_EQ(bytes.size(), second + 4 + 6 + 4 * 2);
  EXPECT_TRUE(deep.backend().boxes.empty());
}

struct FormatCase {
  platform::PixelFormat format;
  uint16_t white, red;
};

class PackRoundTrip : public ImagePack, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(PackRoundTrip, LoadsByNameInTheDisplayFormat) {
  testing_support::Harness fresh;
  fresh.backend().display.format = GetParam().format;
  ASSERT_EQ(Up(), 1);
  Write("white.bmp", FixturePicture{2, 1, {0xFFFFFF, 0xFF0000}, {0, 1}});
  // Stored names are compared with upper-cased keys.
  elDraw::AppendPack("p.pak", "SPOTS.BMP");
  elDraw::AppendPack("p.pak", "WHITE.BMP");
  elDraw::SetPackFile("p.pak");
  const int id = elDraw::LoadPack("White.bmp", 1);
  ASSERT_EQ(id, 4);
  const elDraw::DrawObject& e = elDraw::DrawObjectTable[id];
  EXPECT_STREQ(e.Name, "WHITE.BMP");
  EXPECT_EQ(e.FromPack, 1);
  EXPECT_EQ(e.Width, 2);
  EXPECT_EQ(e.Height, 1);
  EXPECT_EQ(ObjectPixel(id, 0, 0), GetParam().white);
  EXPECT_EQ(ObjectPixel(id, 1, 0), GetParam().red);
  EXPECT_EQ(elDraw::LoadPack("white.bmp", 1), 5);  // the same entry again
  EXPECT_EQ(elDraw::DrawObjectTable[6].Name[0], '\0');  // the helper objects were given back
  EXPECT_EQ(elDraw::SwapPack("spots.bmp", id, 1), id);
  EXPECT_EQ(elDraw::DrawObjectTable[6].Name[0], '\0');
  EXPECT_EQ(elDraw::DrawObjectTable[id].Width, 4);
  EXPECT_TRUE(fresh.backend().boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(Formats, PackRoundTrip,
                         ::testing::Values(FormatCase{platform::PixelFormat::Rgb565(), 0xFFDF, 0xF800},
                                           FormatCase{platform::PixelFormat::Rgb555(), 0x7FFF, 0x7C00}));

TEST_F(ImagePack, RestoreReloadsPackedPicturesFromThePack) {
  elDraw::AppendPack("p.pak", "SPOTS.BMP");
  elDraw::SetPackFile("p.pak");
  const int id = elDraw::LoadPack("spots.bmp", 1);
  ASSERT_EQ(id, 4);
  std::filesystem::remove(dir.path + "spots.bmp");  // only the pack has it now
  platform::LoseAllSurfaces();
  elDraw::Restore();
  EXPECT_EQ(ObjectPixel(id, 0, 0), 0xF800);
  EXPECT_EQ(elDraw::DrawObjectTable[id].FromPack, 1);
  EXPECT_TRUE(h.backend().boxes.empty());
}

// A FIFO named as the pack is no pack: the load fails at once instead of
// waiting for a writer that never comes.
TEST_F(ImagePack, AFifoAsThePackIsRefusedWithoutWaiting) {
  ASSERT_EQ(mkfifo((dir.path + "fifo.pak").c_str(), 0600), 0);
  elDraw::SetPackFile("fifo.pak");
  int id = -1;
  const auto load = [&] { id = elDraw::LoadPack("SPOTS.BMP", 1); };
  EXPECT_TRUE(testing_support::ReturnsDespiteFifo(dir.path + "fifo.pak", load)) << "opening the FIFO blocked";
  EXPECT_EQ(id, 0);
}

TEST_F(ImagePack, MissingBrokenAndCutOffPacksFailCleanly) {
  EXPECT_EQ(elDraw::LoadPack("SPOTS.BMP", 1), 0);
  EXPECT_EQ(LastBox(), "elDraw::LoadPack : パックファイル名が指定されていません");
  elDraw::SetPackFile("none.pak");
  EXPECT_EQ(elDraw::SwapPack("SPOTS.BMP", 4, 1), 0);
  EXPECT_EQ(LastBox(), "elDraw::SwapPack : パックファイル名が指定されていません");

  elDraw::AppendPack("full.pak", "SPOTS.BMP");
  elDraw::AppendPack("full.pak", "SPOTS.BMP");
  const auto full = ReadAll(dir.path + "full.pak");
  elDraw::SetPackFile("p.pak");
  const std::string long_name(31, 'N');
  EXPECT_EQ(elDraw::LoadPack(long_name.c_str(), 1), 0);
  EXPECT_EQ(LastBox(), "elDraw::LoadPack : ファイル名またはリソース名が長すぎます");

  // Every cut of the pack, an empty one included, and a name that never ends.
  std::vector<std::vector<uint8_t>> broken;
  for (size_t n = 0; n < full.size(); ++n) broken.emplace_back(full.begin(), full.begin() + static_cast<long>(n));
  std::vector<uint8_t> endless = {1, 0, 1, 0};
  endless.insert(endless.end(), 300, 'A');
  broken.push_back(endless);
  for (const auto& bytes : broken) {
    testing_support::WriteBytes(dir.path + "p.pak", bytes);
    const size_t boxes = h.backend().boxes.size();
    // The second entry is sought, so a cut anywhere before its end fails.
    const bool whole_first = bytes.size() >= full.size() / 2;
    const int id = elDraw::LoadPack(whole_first ? "missing.bmp" : "spots.bmp", 1);
    EXPECT_EQ(id, 0) << bytes.size();
    EXPECT_EQ(h.backend().boxes.size(), boxes + 1);
    EXPECT_EQ(LastBox(), "elDraw::LoadPack : BMPファイルを読み込めません");
    for (int i = 4; i < 8; ++i) ASSERT_EQ(elDraw::DrawObjectTable[i].Name[0], '\0') << bytes.size();
  }
  // An entry without pixels cannot become an object, and takes no id.
  testing_support::WriteBytes(dir.path + "p.pak", {0, 0, 1, 0, 'Z', 0});
  EXPECT_EQ(elDraw::LoadPack("z", 1), 0);
  EXPECT_EQ(LastBox(), "elDraw::CreateObject : スプライトを作成できません");
  testing_support::WriteBytes(dir.path + "p.pak", full);
  EXPECT_EQ(elDraw::LoadPack("spots.bmp", 1), 4);
}

}  // namespace
