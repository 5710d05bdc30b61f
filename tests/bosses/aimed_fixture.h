// The fixture of the boss aimed patterns: the headless game with every table
// reset, and the helpers that place a boss, aim the ship and compare
// directions.
#pragma once
#include <cmath>

#include "bosses/boss_record.h"
#include "support/enemy_fixture.h"

namespace testing_support {

class AimedPatternTest : public EnemyTest {
 protected:
  static constexpr double Pi = 3.141592653589793;
  static constexpr double Degree = Pi / 180;

  static void PlaceBoss(bosses::BossRecord& boss, float x, float y) {
    boss.X = x;
    boss.Y = y;
  }

  // The ship placed so that the pattern's aim point (its corner plus `aim`
  // on both axes) lies at (x, y).
  void AimPointAt(float x, float y, float aim) { PlaceShip(x - aim, y - aim); }

  // How far apart two directions are, whole turns aside.
  static double Gap(double a, double b) { return std::fabs(std::remainder(a - b, 2 * Pi)); }
};

}  // namespace testing_support
