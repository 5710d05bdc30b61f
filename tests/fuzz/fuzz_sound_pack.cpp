// Any bytes as a sound pack: the entry search, the entry read, and the
// loaders (static and streamed) with a play and a few refills.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "engine/sound.h"
#include "platform/backend.h"
#include "platform/headless.h"
#include "platform/mixer.h"
#include "platform/system.h"

namespace {

struct Setup {
  std::string folder;
  platform::HeadlessBackend backend;
  Setup() {
    const char* tmp = std::getenv("TMPDIR");
    std::string tmpl = std::string(tmp && *tmp ? tmp : "/tmp") + "/quorvane_fuzz_pack_XXXXXX";
    if (!mkdtemp(tmpl.data())) std::abort();
    folder = tmpl;
    platform::SetProgramFolder(folder + "/");
    platform::SetBackend(&backend);
  }
  // libFuzzer ends through exit(), which runs this.
  ~Setup() {
    platform::SetBackend(nullptr);
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Setup setup;
  const std::string path = setup.folder + "/F.PAK";
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return 0;
  if (size) std::fwrite(data, 1, size, f);
  std::fclose(f);

  // The search and read themselves, for the names of the seeds.
  for (const char* name : {"SHOT.WAV", "LONG.WAV", "A"}) {
    std::FILE* in = std::fopen(path.c_str(), "rb");
    elSound::PackEntry entry;
    if (elSound::FindPackEntry(in, name, entry)) {
      std::vector<uint8_t> format, bytes;
      elSound::ReadPackEntry(in, entry, format, bytes);
    }
    std::fclose(in);
  }

  // The loaders, as a game would use them.
  elSound::Reset();
  elSound::Init();
  elSound::EmptyObjects();
  elSound::SetPackFile("F.PAK");
  const int a = elSound::LoadPack("SHOT.WAV", 2);
  const int b = elSound::LoadStream("LONG.WAV", size > 0 ? data[0] * 2 : 0);
  elSound::Play(a, -1);
  elSound::PlayLoop(b, -1);
  int16_t out[2 * 512];
  for (int i = 0; i < 4; ++i) {
    platform::MixerRender(out, 512);
    elSound::Streaming();
  }
  elSound::Reset();
  setup.backend.boxes.clear();
  return 0;
}
