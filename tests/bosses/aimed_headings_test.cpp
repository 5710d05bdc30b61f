// Every aimed kind points its bullets at the ship, whichever side of the gun
// the ship is on, with its own aim offset and its own turn of each bullet.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "aimed_fixture.h"
#include "bosses/aimed_fan.h"
#include "bosses/aimed_line.h"
#include "bosses/aimed_ring.h"

namespace {

using namespace bosses;
using testing_support::AimedPatternTest;

class AimedHeadingsTest : public AimedPatternTest {};

// One bullet of one instance: how to launch it, where its gun is, how far
// its aim point lies from the ship's corner and how far it is turned from
// the aim line (degrees, clockwise on the screen).
struct Probe {
  std::string name;
  BossRecord* boss;
  float gunX, gunY, aim;
  double turnDegrees;
  std::function<void()> launch;
  std::function<float()> heading;
};

TEST_F(AimedHeadingsTest, EveryKindAimsAtTheShipOnEverySide) {
  const struct {
    const char* side;
    float dx, dy;  // aim point less gun
    double degrees;
  } sides[] = {
      {"right", 100, 0, 0},           {"left", -100, 0, 180},          {"below", 0, 100, 90},
      {"above", 0, -100, 270},        {"below left", -100, 100, 135},  {"above right", 100, -100, 315},
      {"above left", -100, -100, 225}, {"on the gun (straight up)", 0, 0, 270},
  };
  const Probe probes[] = {
      {"AimedRing10 ball 0", &Scene3Boss, 140, 130, 20, 0, [] { AimedRing10.Spawn(0); },
       [] { return AimedRing10.Slots[0].Heading; }},
      {"AimedRing10 ball 3", &Scene3Boss, 140, 130, 20, 90, [] { AimedRing10.Spawn(3); },
       [] { return AimedRing10.Slots[3].Heading; }},
      {"AimedRing10 ring 1 ball 0", &Scene3Boss, 140, 130, 20, 0, [] { AimedRing10.Spawn(12); },
       [] { return AimedRing10.Slots[12].Heading; }},
      {"AimedRing06 ball 29", &Scene8Boss, 220, 220, 20, 29 * 12, [] { AimedRing06.Spawn(29); },
       [] { return AimedRing06.Slots[29].Heading; }},
      {"AimedLine07", &Scene2Boss, 325, 100, 15, 0, [] { AimedLine07.Fire(); },
       [] { return AimedLine07.Slots[4].Heading; }},
      {"AimedLine03 (+18)", &Scene2Boss, 85, 100, 15, 18, [] { AimedLine03.Fire(); },
       [] { return AimedLine03.Slots[0].Heading; }},
      {"AimedLine04 (aim 9)", &Scene2Boss, 85, 100, 9, 0, [] { AimedLine04.Fire(); },
       [] { return AimedLine04.Slots[0].Heading; }},
      {"AimedLine22 (-180)", &Scene5Boss, 85, 100, 15, -180, [] { AimedLine22.Fire(); },
       [] { return AimedLine22.Slots[2].Heading; }},
      {"AimedLine41 (+54)", &Scene3Boss, 115, 100, 15, 54, [] { AimedLine41.Fire(); },
       [] { return AimedLine41.Slots[0].Heading; }},
      {"AimedFan01 member 0", &Scene2Boss, 200, 130, 10, -24, [] { AimedFan01.Spawn(0, 0); },
       [] { return AimedFan01.Slots[0].Heading; }},
      {"AimedFan01 member 2", &Scene2Boss, 200, 130, 10, 0, [] { AimedFan01.Spawn(2, 0); },
       [] { return AimedFan01.Slots[2].Heading; }},
      {"AimedFan01 volley 1 member 4", &Scene2Boss, 200, 130, 10, 24, [] { AimedFan01.Spawn(9, 5); },
       [] { return AimedFan01.Slots[9].Heading; }},
      {"AimedFan03 (plain ball) member 6", &Scene2Boss, 210, 130, 20, 36, [] { AimedFan03.Spawn(6, 0); },
       [] { return AimedFan03.Slots[6].Heading; }},
      {"AimedFan23 member 0 of 15", &Scene5Boss, 200, 130, 10, -84, [] { AimedFan23.Spawn(0, 0); },
       [] { return AimedFan23.Slots[0].Heading; }},
      {"AimedFan26 (ring record) member 2", &Scene5Boss, 60, 100, 20, 12, [] { AimedFan26.Spawn(2, 0); },
       [] { return AimedFan26.Slots[2].Heading; }},
  };
  for (const Probe& p : probes) {
    for (const auto& side : sides) {
      ResetWorld();
      PlaceBoss(*p.boss, 100.0f, 50.0f);
      const float gunX = 100.0f + p.gunX, gunY = 50.0f + p.gunY;
      AimPointAt(gunX + side.dx, gunY + side.dy, p.aim);
      p.launch();
      EXPECT_LT(Gap(p.heading(), (side.degrees + p.turnDegrees) * Degree), 1e-5) << p.name << ", ship " << side.side;
    }
  }
}

}  // namespace
