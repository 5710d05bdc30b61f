#include "enemies/common/lock_on.h"

#include "engine/draw_hw.h"
#include "world/assets.h"

namespace enemies {

void ResetLockOn(std::span<LockOnRecord> records) {
  for (LockOnRecord& r : records) r = LockOnRecord{};
}

void Unlock(LockOnRecord& r, int restY) { r = LockOnRecord{LockRestX, restY, 0}; }

void ReleaseLeaving(LockOnRecord& r, const LockBounds& b, int restY) {
  const bool inside = b.LoX <= r.X && r.X <= b.HiX && b.LoY <= r.Y && r.Y <= b.HiY;
  if (!inside) r = LockOnRecord{LockLeftX, restY, 0};
}

void FollowCraft(LockOnRecord& r, const ObjectSlot& s, int ox, int oy) {
  if (r.Locked == 0 || s.Active == 0) return;
  r.X = Px(s.X) + ox;
  r.Y = Px(s.Y) + oy;
  if (assets::PicRock1 != 0) elDraw::Draw(r.X, r.Y, assets::PicRock1, 0, 0, 60, 60);
}

}  // namespace enemies
