// What the sound object, pack and mix-control code share: slot checks, the
// mix selector, and the creation of an object's buffers.
#pragma once
#include <cstdint>
#include <vector>

namespace elSound::slots {

// The id names a slot in use (the game keeps -1 for a sound that failed).
bool InUse(int obj);
// The id is in use and the mix exists and has a buffer.
bool HasMix(int obj, int mix);

// Mixes named by a selector: a mix number, -2 the next mix, any other
// negative value every mix (every_for_negative: -2 too). Mixes without a
// buffer are left out. Returns how many were written to out.
int SelectMixes(int obj, int mix, bool every_for_negative, int out[]);

// Creates `mixes` buffers of `bufferBytes` for the slot from a format block,
// copies `data` to their start, and sets or (while reloading) re-applies
// frequency, volume and pan. On failure reports "サウンドバッファが生成できません"
// under `location`, releases what it made and returns false.
bool CreateMixes(int obj, const std::vector<uint8_t>& format, uint32_t bufferBytes, const uint8_t* data,
                 uint32_t dataBytes, int mixes, const char* location);
// Stops and releases every buffer of the slot.
void ReleaseMixes(int obj);
// The slot a reload is filling, while SoundReloading is 1.
inline int ReloadSlot = -1;
// While reloading, the slot being reloaded; else the first free slot, or -1
// after the error "オブジェクト数が多過ぎます".
int TakeSlot(const char* location);
// The slot's stream record back to "not a stream".
void ClearStream(int obj);
// The object's name stored (names are checked before loading).
void StoreName(int obj, const char* name);
// Makes the slot a loaded object: its mixes (mixes < 0: as many, without an
// echo) hold the data, and (unless reloading) its turn and name start anew.
// Returns obj, or -1 after CreateMixes has reported its failure.
int FillObject(int obj, const std::vector<uint8_t>& format, const std::vector<uint8_t>& data, int mixes,
               bool from_pack, const char* name, const char* location);

}  // namespace elSound::slots
