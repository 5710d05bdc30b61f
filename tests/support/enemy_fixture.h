// One enemy, boss or pattern instance driven frame by frame outside the main
// loop: the real game started headless (pictures loaded, the play field as
// clip rectangle), every table reset, the ship placed where the test wants
// it, a fixed frame step that keeps float positions exact, and the back
// buffer read back.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bosses/boss_record.h"
#include "engine/draw_hw.h"
#include "engine/frame.h"
#include "engine/system.h"
#include "game/flow_fixture.h"
#include "game/reset.h"
#include "world/state.h"

namespace testing_support {

class EnemyTest : public GameFlowTest {
 protected:
  // 1/64 s: a power of two, so speeds times the step stay exact in floats.
  static constexpr float Step = 1.0f / 64.0f;

  void SetUp() override {
    GameFlowTest::SetUp();
    if (HasFatalFailure()) return;
    ResetWorld();
  }

  // Every table back to its start state, as a stage change leaves it, with
  // the ship far from every bullet until PlaceShip, alive, and the flow's
  // flags as a game at difficulty 1 has them.
  void ResetWorld() {
    flow::ResetObjects();
    flow::ResetBosses();
    flow::Difficulty = 1;
    flow::LevelMode = 1;
    flow::DoubleSpeedFlag = 0;
    flow::EffectsFlag = 1;
    bomb::BombFlag = 0;
    stage::StageProgress = 0.0f;
    player::PlayerAliveFlag = 1;
    PlaceShip(-2000.0f, -2000.0f);
    elSystem::FrameStep = Step;
    elDraw::Clear();
  }

  // The same, with every boss left where the test placed it: the reset
  // parks the boss records, and a pattern fires from its boss's position.
  void ResetWorldKeepingBosses() {
    bosses::BossRecord* const records[] = {&bosses::Scene2Boss, &bosses::Scene3Boss, &bosses::Scene4Boss,
                                           &bosses::Scene5Boss, &bosses::Scene6Boss, &bosses::Scene7Boss,
                                           &bosses::Scene8Boss, &bosses::Scene9Boss};
    float x[8], y[8];
    for (int i = 0; i < 8; ++i) x[i] = records[i]->X, y[i] = records[i]->Y;
    ResetWorld();
    for (int i = 0; i < 8; ++i) records[i]->X = x[i], records[i]->Y = y[i];
  }

  void PlaceShip(float x, float y) { player::PlayerPosition = player::ShipPoint{x, y}; }

  // Runs `frame` n times with the fixed frame step; the back buffer is
  // cleared before each frame so that it shows only that frame's draws.
  template <class Frame>
  void Frames(int n, Frame frame) {
    for (int i = 0; i < n; ++i) {
      elSystem::FrameStep = Step;
      elDraw::Clear();
      frame();
    }
  }

  // Pixels of the back buffer that are not black inside a rectangle.
  int Lit(int x, int y, int w, int h) {
    int lit = 0;
    for (uint16_t p : BackBufferPixels(x, y, w, h)) lit += p != 0;
    return lit;
  }

  // With QUORVANE_SHOTS set, the back buffer as it stands is written there
  // as a PPM picture for a person to look at.
  void Picture(const char* name) {
    const char* folder = std::getenv("QUORVANE_SHOTS");
    if (!folder) return;
    std::FILE* f = std::fopen((std::string(folder) + "/" + name + ".ppm").c_str(), "wb");
    if (!f) return;
    std::fprintf(f, "P6 800 600 255\n");
    for (uint16_t v : BackBufferPixels(0, 0, 800, 600)) {
      const unsigned char rgb[3] = {static_cast<unsigned char>(((v >> 11) & 31) * 255 / 31),
                                    static_cast<unsigned char>(((v >> 5) & 63) * 255 / 63),
                                    static_cast<unsigned char>((v & 31) * 255 / 31)};
      std::fwrite(rgb, 1, 3, f);
    }
    std::fclose(f);
  }
};

}  // namespace testing_support
