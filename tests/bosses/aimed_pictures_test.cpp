// Pictures of a boss firing each aimed kind at a ship placed left of, right
// of and below its guns: the bullets gather on the ship's side of the gun.
// With QUORVANE_SHOTS set they are written out to be looked at, with the
// gun and the ship's cell marked.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "aimed_fixture.h"
#include "bosses/aimed_fan.h"
#include "bosses/aimed_line.h"
#include "bosses/aimed_ring.h"
#include "engine/gdi.h"

namespace {

using namespace bosses;
using testing_support::AimedPatternTest;

class AimedPicturesTest : public AimedPatternTest {
 protected:
  // Where the lit pixels of the play field lie on average.
  bool LitCentre(double& x, double& y) {
    double sx = 0, sy = 0;
    long n = 0;
    const auto pixels = testing_support::BackBufferPixels(0, 0, 800, 600);
    for (int j = 0; j < 600; ++j)
      for (int i = 0; i < 800; ++i)
        if (pixels[static_cast<size_t>(j * 800 + i)] != 0) {
          sx += i;
          sy += j;
          ++n;
        }
    if (n == 0) return false;
    x = sx / static_cast<double>(n);
    y = sy / static_cast<double>(n);
    return true;
  }

  static void Mark(float gunX, float gunY, float shipX, float shipY) {
    const auto white = platform::Rgb(255, 255, 255);
    const int gx = static_cast<int>(gunX), gy = static_cast<int>(gunY);
    elDraw::Line(gx - 6, gy, gx + 7, gy, white, 1);
    elDraw::Line(gx, gy - 6, gx, gy + 7, white, 1);
    const int sx = static_cast<int>(shipX), sy = static_cast<int>(shipY);
    const auto green = platform::Rgb(0, 255, 0);
    elDraw::Line(sx, sy, sx + 60, sy, green, 1);
    elDraw::Line(sx + 60, sy, sx + 60, sy + 70, green, 1);
    elDraw::Line(sx + 60, sy + 70, sx, sy + 70, green, 1);
    elDraw::Line(sx, sy + 70, sx, sy, green, 1);
  }
};

TEST_F(AimedPicturesTest, EachKindFiresTowardTheShip) {
  struct Kind {
    const char* name;
    BossRecord* boss;
    float gunX, gunY, aim;
    int fires;
    bool aimed;  // a ring surrounds its gun; its first ball is aimed
    std::function<void()> fire, update, draw;
  };
  const Kind kinds[] = {
      {"fan", &Scene2Boss, 200, 130, 10, 40, true, [] { AimedFan01.Fire(); }, [] { AimedFan01.Update(); },
       [] { AimedFan01.Draw(); }},
      {"line", &Scene2Boss, 85, 100, 15, 1, true,
       [] {
         AimedLine03.Fire();
         AimedLine04.Fire();
         AimedLine05.Fire();
       },
       [] {
         AimedLine03.Update();
         AimedLine04.Update();
         AimedLine05.Update();
       },
       [] {
         AimedLine03.Draw();
         AimedLine04.Draw();
         AimedLine05.Draw();
       }},
      {"ring", &Scene3Boss, 140, 130, 20, 30, false, [] { AimedRing10.Fire(); }, [] { AimedRing10.Update(); },
       [] { AimedRing10.Draw(); }},
  };
  const struct {
    const char* side;
    float x, y;  // the ship's corner
  } ships[] = {{"left", 190.0f, 160.0f}, {"right", 540.0f, 200.0f}, {"below", 330.0f, 480.0f}};
  for (const Kind& kind : kinds) {
    for (const auto& ship : ships) {
      ResetWorld();
      PlaceBoss(*kind.boss, 180.0f, 0.0f);
      PlaceShip(ship.x, ship.y);
      player::PlayerAliveFlag = 0;  // let the bullets fly past the ship
      for (int i = 0; i < kind.fires; ++i) kind.fire();
      Frames(24, [&] {
        kind.update();
        kind.draw();
      });
      const float gunX = 180.0f + kind.gunX, gunY = kind.gunY;
      double cx = 0, cy = 0;
      ASSERT_TRUE(LitCentre(cx, cy)) << kind.name << " " << ship.side;
      if (kind.aimed) {
        // The bullets' centre lies along the aim line from the gun.
        const double ax = ship.x + kind.aim - gunX, ay = ship.y + kind.aim - gunY;
        const double bx = cx - gunX, by = cy - gunY;
        const double cosine = (ax * bx + ay * by) / (std::hypot(ax, ay) * std::hypot(bx, by));
        EXPECT_GT(cosine, 0.95) << kind.name << " " << ship.side;
      }
      Mark(gunX, gunY, ship.x, ship.y);
      Picture((std::string("aimed_") + kind.name + "_" + ship.side).c_str());
    }
  }
}

}  // namespace
