#include "bosses/boss.h"

#include "engine/draw_hw.h"
#include "engine/frame.h"
#include "engine/music.h"
#include "engine/present.h"
#include "engine/random.h"
#include "engine/sound.h"
#include "world/assets.h"

namespace bosses {

using enemies::Cell;
using enemies::DrawCell;

namespace {

constexpr Cell FlameCell{80, 80};
constexpr Cell LargeExplosionCell{160, 160};
constexpr Cell SmallExplosionCell{60, 60};
constexpr int LockMarkerSize = 60;
constexpr float IntroStartY = 600.0f;
constexpr float IntroGoneY = -480.0f;  // above this the piece has left the field
// The death timer runs 10 units a second: the music stops after 5 seconds,
// the stage ends after 7.
constexpr float MusicStopFrom = 50.0f, MusicStopTo = 60.0f, StageEndAfter = 70.0f;

void Apply(const AxisMove& m, float& v) {
  if (m.Action == AxisMove::Set)
    v = m.Value;
  else if (m.Action == AxisMove::Add)
    v += m.Value * elSystem::FrameStep;
}

void DrawIntroPiece(const BossIntroRow& intro) {
  DrawCell(intro.Piece->X, intro.Piece->Y, 0, 0, *intro.Picture, intro.Size);
}

void MoveIntro(const BossIntroRow& intro, float phase) {
  BossIntroPiece& p = *intro.Piece;
  if (intro.StartWindow.Contains(phase)) {
    DrawIntroPiece(intro);
    p.X = intro.StartX;
    p.Y = IntroStartY;
    p.Speed = intro.Speed;
  }
  if (intro.RiseWindow.Contains(phase)) {
    DrawIntroPiece(intro);
    p.X = intro.StartX;
    p.Y -= p.Speed * elSystem::FrameStep;
    if (p.Y < IntroGoneY) {
      p.Speed = 0.0f;
      p.X = enemies::ParkX;
      p.Y = enemies::ParkY;
    }
  }
}

// Draws every explosion where it stands, advances its frame and picks the
// place of its next draw over the boss's body.
void Explode(std::span<BossExplosion> parts, int picture, Cell cell, int frames, int left, int spreadX, int spreadY,
             const BossRecord& r) {
  for (BossExplosion& e : parts) {
    DrawCell(e.X, e.Y, 0, 0, picture, cell, e.Frame);
    enemies::StepFrame(e.Frame, frames);
    e.X = static_cast<float>(elRandom::Next() % spreadX - left) + r.X;
    e.Y = static_cast<float>(elRandom::Next() % spreadY) + r.Y;
  }
}

}  // namespace

void BossInstance::Hit() const { Row.Record->BossHitFlag = 1; }

bool BossInstance::Draw() const {
  BossRecord& r = *Row.Record;
  DrawCell(r.X, r.Y, 0, 0, *Row.Body, Row.BodySize);
  if (r.BossHitFlag != 0) r.BossHitFlag = 0;
  for (const FlameSpot& s : Row.Flames)
    if (r.BossHitPoints > 0.0f && r.BossHitPoints <= s.Threshold)
      DrawCell(r.X, r.Y, s.Dx, s.Dy + s.Drift * r.FlameFrame, *s.Picture, FlameCell, r.FlameFrame);
  enemies::StepFrame(r.FlameFrame, 10);
  if (assets::PicRock1 != 0)
    for (int i = 0; i < Row.LockOnCount; ++i)
      for (const LockOnRecord* table : Row.LockOnTables)
        if (table[i].Locked != 0)
          elDraw::Draw(table[i].X, table[i].Y, assets::PicRock1, 0, 0, LockMarkerSize, LockMarkerSize);
  return Death();
}

bool BossInstance::Death() const {
  BossRecord& r = *Row.Record;
  if (r.BossHitPoints > 0.0f) return false;
  BossExplosionTables& ex = *Row.Explosions;
  Explode(ex.Large, assets::PicBbak1b, LargeExplosionCell, 4, 100, Row.SpreadX, Row.SpreadLarge, r);
  Explode(ex.Small, assets::PicZbak1b, SmallExplosionCell, 10, 40, Row.SpreadX, Row.SpreadSmall, r);
  elSound::Play(assets::SndBom, -1);
  r.DeathTimer += 10.0f * elSystem::FrameStep;
  if (r.DeathTimer > MusicStopFrom && r.DeathTimer < MusicStopTo) elMusic::Stop();
  return r.DeathTimer > StageEndAfter;
}

void BossInstance::Move() const {
  BossRecord& r = *Row.Record;
  r.MovePhase += 10.0f * elSystem::FrameStep;
  const float phase = r.MovePhase;
  if (Row.Intro) MoveIntro(*Row.Intro, phase);
  for (std::span<const MoveWindow> run : Row.Script)
    for (const MoveWindow& w : run) {
      if (!w.When.Contains(phase)) continue;
      Apply(w.X, r.X);
      Apply(w.Y, r.Y);
    }
  if (r.MovePhase >= Row.Loop) r.MovePhase = Row.Return;
}

void BossInstance::ResetRecord() const {
  BossRecord& r = *Row.Record;
  const int hitFlag = r.BossHitFlag;
  r = BossRecord{};
  r.BossHitPoints = Row.StartHitPoints;
  if (!Row.ResetClearsHitFlag) r.BossHitFlag = hitFlag;
}

void BossInstance::ResetExplosions() const {
  for (BossExplosion& e : Row.Explosions->Small) e = BossExplosion{};
  for (BossExplosion& e : Row.Explosions->Large) e = BossExplosion{};
}

void BossInstance::ResetIntroPiece() const {
  if (Row.Intro) *Row.Intro->Piece = BossIntroPiece{};
}

}  // namespace bosses
