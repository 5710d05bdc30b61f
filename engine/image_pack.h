// The image pack: many pictures in one file of 15-bit entries (width, height,
// NUL-terminated name, pixels), written from BMP files and read by name into
// draw objects in the display's own pixel format.
#pragma once
#include <string>

namespace elDraw {

inline std::string ImagePackPath;  // empty until SetPackFile
constexpr size_t PackNameLimit = 127;  // longest entry name a pack may hold

void SetPackFile(const char* name);
// Appends every "*.BMP" of folder to pack; returns 1, or 0 after the error box.
int Convert(const char* pack, const char* folder, int truncate);
void AppendPack(const char* pack, const char* file);
// Returns the new object's index, or 0.
int LoadPack(const char* name, int memtype);
// Returns index, or 0.
int SwapPack(const char* name, int index, int memtype);

}  // namespace elDraw
