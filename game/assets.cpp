#include "game/assets.h"

#include <iterator>

#include "engine/draw_object.h"
#include "engine/screen.h"
#include "engine/sound.h"
#include "engine/system.h"
#include "game/score.h"

using namespace score;

namespace assets {

namespace {

// A file and the variable that takes its object id.
struct Load {
  const char* path;
  int* variable;
};

#define QUORVANE_PICTURE_LOAD(variable, file) {"IMAGE/" file ".BMP", &variable},
const Load kPictureLoads[] = {QUORVANE_PICTURES(QUORVANE_PICTURE_LOAD)};
#undef QUORVANE_PICTURE_LOAD
static_assert(std::size(kPictureLoads) == PictureLoadCount);

#define QUORVANE_SOUND_LOAD(variable, file) {"SOUND/" file ".WAV", &variable},
const Load kSoundLoads[] = {QUORVANE_SOUNDS(QUORVANE_SOUND_LOAD)};
#undef QUORVANE_SOUND_LOAD

// The sounds are loaded between these two runs of pictures.
constexpr int PicturesBeforeSounds = 148;  // ids 4 to 151

void LoadPictures(int first, int end) {
  for (int i = first; i < end; ++i) *kPictureLoads[i].variable = elDraw::LoadObject(kPictureLoads[i].path, 1);
}

}  // namespace

void LoadAssets() {
  // Without a screen there is nothing to play on: the error box has been
  // shown, and the program ends.
  if (!elDraw::Screen(800, 600, 2)) {
    elSystem::Exit();
    return;
  }
  elDraw::SetClip(180, 0, 620, 600);
  LoadPictures(0, PicturesBeforeSounds);
  for (const Load& s : kSoundLoads) *s.variable = elSound::LoadObject(s.path, 1);
  LoadPictures(PicturesBeforeSounds, PictureLoadCount);
  HiScore = 500;
  elSystem::SceneNumber = 1;
  elSystem::PreviousScene = 0;
  AssetsLoaded = 1;
}

}  // namespace assets
