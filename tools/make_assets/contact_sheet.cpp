#include "contact_sheet.h"

#include <algorithm>

#include "platform/bmp.h"
#include "platform/system.h"
#include "text.h"

namespace assets {

namespace {

constexpr int kSheetWidth = 1800;
constexpr int kGap = 10;
constexpr int kLabel = 16;

struct Placed {
  int x, y;
};

}  // namespace

bool WriteContactSheet(const std::string& path, const PictureList& pictures) {
  // Shelf packing in list order; a dark blue ground so that the black key
  // shows where a picture is transparent.
  std::vector<Placed> at;
  int x = kGap, y = kGap, shelf = 0;
  for (const PictureDef& def : pictures) {
    if (x + def.width + kGap > kSheetWidth && x > kGap) {
      x = kGap;
      y += shelf + kLabel + kGap;
      shelf = 0;
    }
    at.push_back({x, y});
    x += std::max(def.width, 70) + kGap;
    shelf = std::max(shelf, def.height);
  }
  int height = y + shelf + kLabel + kGap;
  Canvas sheet(kSheetWidth, height);
  sheet.FillRect(0, 0, static_cast<float>(kSheetWidth), static_cast<float>(height), Paint(Rgb(24, 28, 44)));
  TextStyle label{Face::Latin, 11, 0, Align::Left};
  for (size_t i = 0; i < pictures.size(); ++i) {
    const PictureDef& def = pictures[i];
    Canvas pic(def.width, def.height);
    def.draw(pic);
    float px = static_cast<float>(at[i].x), py = static_cast<float>(at[i].y);
    sheet.FillRect(px, py, static_cast<float>(def.width), static_cast<float>(def.height), Paint(Color{0, 0, 0}));
    sheet.Draw(pic, at[i].x, at[i].y);
    sheet.FillMask(TextMask(def.name, label, px, py + static_cast<float>(def.height) + 12, kSheetWidth, height),
                   Paint(Rgb(200, 210, 230)));
  }
  return platform::WriteFileBytes(path, platform::EncodeBmp24(sheet.ToBitmap()));
}

}  // namespace assets
