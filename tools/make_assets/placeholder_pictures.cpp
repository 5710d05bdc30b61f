// Pictures that are loaded (so that every later picture keeps its id) but
// never drawn: small marked tiles.
#include "art.h"
#include "pictures.h"

namespace assets {

void AddPlaceholderPictures(PictureList& out) {
  static const char* const kNames[] = {
      "ZBAK5B", "HAHEN",  "SFLH4",   "SFLH5",  "FLHST11",  "QOR8",     "FBAK1",    "SZAK2",    "SZAK5",    "SZAK7",
      "SZAK8",  "SZAK14", "SZAK15",  "SZAK16", "SZAK23",   "SZAK24",   "SZAK55",   "RPANEL3R", "RPANEL2R", "ZAL20",
      "VAL30L", "VAL20",  "VALARM7", "VAL30w", "VAL3015A", "VAL3016A", "VALL3019", "VALL3020", "MESO1",    "QKTSCG4"};
  for (const char* name : kNames)
    out.push_back({name, 16, 16, [](Canvas& c) {
                     c.FillPolygon({{8, 1}, {15, 8}, {8, 15}, {1, 8}}, Paint(Rgb(70, 76, 96)));
                     c.FillPolygon({{8, 4}, {12, 8}, {8, 12}, {4, 8}}, Paint(Rgb(150, 160, 190)));
                   }});
}

}  // namespace assets
