// Every generated picture: its file name (case as the game opens it), its
// size and how it is drawn. The groups live in their own files.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "canvas.h"

namespace assets {

struct PictureDef {
  std::string name;  // base name, without "IMAGE/" and ".BMP"
  int width = 0, height = 0;
  std::function<void(Canvas&)> draw;
};
using PictureList = std::vector<PictureDef>;

void AddPlayerPictures(PictureList& out);
void AddEffectPictures(PictureList& out);
void AddEnemyPictures(PictureList& out);
void AddBossPictures(PictureList& out);
void AddBulletPictures(PictureList& out);
void AddBackgroundPictures(PictureList& out);
void AddScreenPictures(PictureList& out);
void AddPlaceholderPictures(PictureList& out);

// All of them, in review order (grouped by kind).
PictureList AllPictures();

}  // namespace assets
