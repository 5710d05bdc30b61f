// make_assets: writes our own stand-in pictures, sounds and music.
//   make_assets <folder>                 IMAGE/, SOUND/ and MIDI/ under folder
//   make_assets --contact-sheet <file>   one BMP showing every picture by name
// Both may be given together. The output is the same, byte for byte, on
// every run.
#include <cstdio>
#include <cstring>
#include <string>

#include "contact_sheet.h"
#include "files.h"
#include "platform/bmp.h"
#include "platform/system.h"
#include "music.h"
#include "pictures.h"
#include "sounds.h"
#include "text.h"

namespace {

int Usage() {
  std::fprintf(stderr, "usage: make_assets [<output folder>] [--contact-sheet <file.bmp>]\n");
  return 2;
}

bool WritePictures(const std::string& folder, const assets::PictureList& pictures) {
  std::string dir = folder + "/IMAGE";
  if (!assets::MakeFolder(dir)) return false;
  for (const assets::PictureDef& def : pictures) {
    assets::Canvas canvas(def.width, def.height);
    def.draw(canvas);
    if (!platform::WriteFileBytes(dir + "/" + def.name + ".BMP", platform::EncodeBmp24(canvas.ToBitmap()))) {
      std::fprintf(stderr, "make_assets: cannot write %s/%s.BMP\n", dir.c_str(), def.name.c_str());
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::string folder, sheet;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--contact-sheet") == 0) {
      if (++i >= argc) return Usage();
      sheet = argv[i];
    } else if (argv[i][0] == '-' || !folder.empty()) {
      return Usage();
    } else {
      folder = argv[i];
    }
  }
  if (folder.empty() && sheet.empty()) return Usage();

  assets::OpenFonts();
  assets::PictureList pictures = assets::AllPictures();
  bool ok = true;
  if (!folder.empty()) {
    ok = assets::MakeFolder(folder) && WritePictures(folder, pictures) && assets::WriteSounds(folder + "/SOUND") &&
         assets::WriteMusic(folder + "/MIDI");
  }
  if (ok && !sheet.empty()) ok = assets::WriteContactSheet(sheet, pictures);
  assets::CloseFonts();
  if (!ok) {
    std::fprintf(stderr, "make_assets: failed\n");
    return 1;
  }
  return 0;
}
