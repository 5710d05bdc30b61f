#include "pictures.h"

namespace assets {

PictureList AllPictures() {
  PictureList out;
  AddScreenPictures(out);
  AddPlayerPictures(out);
  AddEnemyPictures(out);
  AddBossPictures(out);
  AddBulletPictures(out);
  AddEffectPictures(out);
  AddBackgroundPictures(out);
  AddPlaceholderPictures(out);
  return out;
}

}  // namespace assets
