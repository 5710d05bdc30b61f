// The image pack reader on arbitrary files: a load either makes a whole
// object or fails with nothing left behind.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/draw_object.h"
#include "engine/image_pack.h"
#include "engine/screen.h"
#include "platform/headless.h"
#include "platform/system.h"

namespace {

platform::HeadlessBackend g_backend;
std::string g_folder;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  platform::SetBackend(&g_backend);
  const char* tmp = std::getenv("TMPDIR");
  std::string tmpl = std::string(tmp && *tmp ? tmp : "/tmp") + "/quorvane_fuzz_pack_XXXXXX";
  if (!mkdtemp(tmpl.data())) std::abort();
  g_folder = tmpl + "/";
  // libFuzzer ends through exit(): the folder goes with the run.
  std::atexit([] { std::filesystem::remove_all(g_folder); });
  platform::SetProgramFolder(g_folder);
  elDraw::Screen(64, 48, 2);
  elDraw::SetPackFile("fuzz.pak");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::FILE* f = std::fopen((g_folder + "fuzz.pak").c_str(), "wb");
  if (!f) return 0;
  std::fwrite(data, 1, size, f);
  std::fclose(f);
  g_backend.boxes.clear();
  // The first entry's name when there is one, else a name the pack lacks.
  std::string key = "A.BMP";
  if (size > 5) {
    std::string first;
    for (size_t i = 4; i < size && i < 40 && data[i]; ++i) first.push_back(static_cast<char>(data[i]));
    if (!first.empty() && (size & 1)) key = first;
  }
  const int id = elDraw::LoadPack(key.c_str(), 1);
  if (id != 0) {
    const elDraw::DrawObject& e = elDraw::DrawObjectTable[id];
    if (!e.Surface || e.Surface->width() != e.Width || e.Surface->height() != e.Height) __builtin_trap();
    elDraw::ReleaseObject(id);
  }
  for (int i = elDraw::FirstPictureObject; i < elDraw::DrawObjectCount; ++i)
    if (elDraw::DrawObjectTable[i].Surface || elDraw::DrawObjectTable[i].Name[0])
      __builtin_trap();  // nothing is left behind
  return 0;
}
