// Writers of the three file formats the game reads: 24-bit BMP pictures,
// 16-bit mono PCM WAVE sounds and standard MIDI files.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace assets {

// Uncompressed 24-bit BMP, bottom-up rows padded to 4 bytes. rgb holds the
// rows top first, 3 bytes a pixel.
std::vector<uint8_t> EncodeBmp24(int width, int height, const std::vector<uint8_t>& rgb);
// RIFF WAVE with a 16-byte PCM "fmt " chunk, mono, 16 bits.
std::vector<uint8_t> EncodeWav16(int rate, const std::vector<int16_t>& samples);

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes);
// Creates the folder (one level) if it does not exist.
bool MakeFolder(const std::string& path);

}  // namespace assets
