// The eight bosses as rows: bodies, hit points, damage flames, lock-on
// tables, death explosions, the next scene, and their movement scripts.
#include "bosses/boss.h"
#include "world/assets.h"

namespace bosses {

namespace {

using assets::PicZbak3b;
using assets::PicZbak4b;

// The bodies of the scene-4 and scene-9 bosses: no picture is loaded for
// them, so their id stays 0 and they draw nothing.
constexpr int UnloadedBody = 0;

// Intro pieces: set to the bottom edge, then rising until gone.
constexpr BossIntroRow Scene2BossIntro{&Scene2BossIntroPiece, &assets::PicBos111, {480, 480}, 160.0f, 400.0f,
                                       Closed(0, 20), OpenClosed(21, 59)};
constexpr BossIntroRow Scene3BossIntro{&Scene3BossIntroPiece, &assets::PicBoss71, {500, 400}, 150.0f, 500.0f,
                                       Closed(0, 13), OpenClosed(14, 59)};
constexpr BossIntroRow Scene6BossIntro{&Scene6BossIntroPiece, &assets::PicBos511, {480, 480}, 160.0f, 400.0f,
                                       Closed(0, 20), OpenClosed(21, 59)};

// The sway that the scene-5 to scene-8 bosses loop through once settled.
constexpr MoveWindow CommonSway[] = {
    {Closed(162, 171), By(80), Stay},      {Closed(172, 190), By(-80), Stay},
    {Closed(191, 200), By(80), Stay},      {Closed(201, 210), By(100), By(50)},
    {Closed(211, 220), By(-100), By(-50)}, {Closed(221, 230), By(-100), By(50)},
    {Closed(231, 240), By(100), By(-50)},
};

constexpr MoveWindow Scene2BossScript[] = {
    {OpenClosed(60, 90), SetTo(180), SetTo(-360)},
    {Closed(91, 135), Stay, By(80)},
    {Closed(135, 162), SetTo(180), SetTo(0)},
};

constexpr MoveWindow Scene3BossScript[] = {
    {OpenClosed(60, 90), SetTo(150), SetTo(-400)},
    {Closed(91, 135), Stay, By(93)},
    {Closed(135, 162), SetTo(150), SetTo(0)},
    {Closed(162, 171), By(80), Stay},
    {Closed(172, 190), By(-80), Stay},
    {Closed(191, 200), By(80), Stay},
    {Closed(201, 210), By(100), Stay},
    {Closed(211, 220), By(-100), Stay},
    {Closed(221, 230), By(-100), Stay},
    {Closed(231, 240), By(100), Stay},
    {Closed(241, 250), SetTo(150), SetTo(0)},
    {Closed(251, 270), By(100), Stay},
    {Closed(271, 290), By(-100), Stay},
    {Closed(291, 310), By(-100), Stay},
    {Closed(311, 330), By(100), Stay},
};

constexpr MoveWindow Scene4BossScript[] = {
    {OpenClosed(0, 30), SetTo(180), SetTo(-380)},
    {Closed(31, 75), Stay, By(78)},
    {Closed(75, 100), SetTo(180), SetTo(0)},
    {Closed(101, 110), By(100), By(50)},
    {Closed(111, 120), By(-100), By(-50)},
    {Closed(121, 130), By(-100), By(50)},
    {Closed(131, 140), By(100), By(-50)},
    {Closed(141, 160), SetTo(180), SetTo(0)},
    {Closed(161, 190), By(40), Stay},
    {Closed(191, 250), By(-40), Stay},
    {Closed(251, 280), By(40), Stay},
};

constexpr MoveWindow Scene5BossEntry[] = {
    {OpenClosed(0, 30), SetTo(180), SetTo(-480)},
    {Closed(31, 75), Stay, By(104)},
    {Closed(75, 90), SetTo(180), SetTo(0)},
    {Closed(91, 115), Stay, By(60)},
    {Closed(116, 140), Stay, By(-60)},
    {Closed(141, 162), SetTo(180), SetTo(0)},
};
constexpr MoveWindow Scene5BossStrafe[] = {
    {Closed(240, 250), SetTo(180), SetTo(0)},
    {Closed(250, 260), By(150), Stay},
    {Closed(261, 280), By(-150), Stay},
    {Closed(281, 290), By(150), Stay},
    {Closed(291, 300), By(200), By(100)},
    {Closed(301, 310), By(-200), By(-100)},
    {Closed(311, 320), By(-200), By(100)},
    {Closed(321, 330), By(200), By(-100)},
};

constexpr MoveWindow Scene6BossEntry[] = {
    {OpenClosed(60, 90), SetTo(210), SetTo(-460)},
    {Closed(91, 135), Stay, By(100)},
    {Closed(135, 162), SetTo(210), SetTo(0)},
};

constexpr MoveWindow Scene7BossEntry[] = {
    {Closed(0, 90), SetTo(170), SetTo(-400)},
    {Closed(91, 135), Stay, By(80)},
    {Closed(135, 162), SetTo(170), SetTo(0)},
};

constexpr MoveWindow Scene8BossEntry[] = {
    {OpenClosed(0, 31), SetTo(170), SetTo(-380)},
    {Closed(31, 75), Stay, By(77)},
    {OpenClosed(75, 161), SetTo(170), SetTo(0)},
};

constexpr MoveWindow Scene9BossScript[] = {
    {OpenClosed(0, 30), SetTo(160), SetTo(-400)},
    {Closed(31, 74), Stay, By(86)},
    {Closed(75, 100), SetTo(160), SetTo(0)},
    {Closed(101, 130), By(40), Stay},
    {Closed(131, 190), By(-40), Stay},
    {Closed(191, 220), By(40), Stay},
};

constexpr FlameSpot Scene2BossFlames[] = {
    {140, 50, 28, 90, &PicZbak3b}, {220, 50, 28, 90, &PicZbak3b},
    {60, 100, 28, 70, &PicZbak3b}, {300, 100, 28, 70, &PicZbak3b}};
constexpr FlameSpot Scene3BossFlames[] = {
    {150, 70, 28, 90, &PicZbak3b}, {270, 70, 28, 90, &PicZbak3b},
    {90, 0, 28, 70, &PicZbak3b}, {330, 0, 28, 70, &PicZbak3b}};
constexpr FlameSpot Scene4BossFlames[] = {
    {140, 70, 28, 90, &PicZbak4b}, {220, 70, 28, 90, &PicZbak4b},
    {60, 20, 28, 70, &PicZbak4b}, {300, 20, 28, 70, &PicZbak4b}};
constexpr FlameSpot Scene5BossFlames[] = {
    {140, 70, 28, 90, &PicZbak3b}, {220, 70, 28, 90, &PicZbak3b},
    {60, 150, 19, 70, &PicZbak3b}, {300, 150, 19, 70, &PicZbak3b}};
constexpr FlameSpot Scene6BossFlames[] = {
    {30, 20, 28, 60, &PicZbak3b}, {270, 20, 28, 60, &PicZbak3b}, {150, 100, 28, 60, &PicZbak3b}};
constexpr FlameSpot Scene7BossFlames[] = {
    {70, 20, 28, 70, &PicZbak3b}, {310, 20, 28, 70, &PicZbak3b}, {190, 100, 28, 70, &PicZbak3b}};
constexpr FlameSpot Scene8BossFlames[] = {
    {150, 60, 28, 90, &PicZbak3b}, {230, 60, 28, 90, &PicZbak3b},
    {70, 10, 28, 70, &PicZbak4b}, {310, 10, 28, 70, &PicZbak4b}};
constexpr FlameSpot Scene9BossFlames[] = {
    {180, 130, 28, 90, &PicZbak3b}, {220, 130, 28, 90, &PicZbak3b},
    {120, 70, 28, 70, &PicZbak3b}, {280, 70, 28, 70, &PicZbak3b}};

// The scene-3, scene-7 and scene-9 bosses mark only the second of their two
// lock shots' tables.
constexpr LockOnRecord* Scene2BossLockOn[] = {BossLockShot01LockOn, BossLockShot02LockOn};
constexpr LockOnRecord* Scene3BossLockOn[] = {BossLockShot14LockOn};
constexpr LockOnRecord* Scene4BossLockOn[] = {BossLockShot03LockOn, BossLockShot04LockOn};
constexpr LockOnRecord* Scene5BossLockOn[] = {BossLockShot07LockOn, BossLockShot08LockOn};
constexpr LockOnRecord* Scene6BossLockOn[] = {BossLockShot09LockOn, BossLockShot10LockOn};
constexpr LockOnRecord* Scene7BossLockOn[] = {BossLockShot12LockOn};
constexpr LockOnRecord* Scene8BossLockOn[] = {BossLockShot05LockOn, BossLockShot06LockOn};
constexpr LockOnRecord* Scene9BossLockOn[] = {BossLockShot16LockOn};

}  // namespace

const BossRow Scene2BossRow{.Record = &Scene2Boss,
                            .Body = &assets::PicBoss11,
                            .BodySize = {440, 360},
                            .StartHitPoints = 1020,
                            .ResetClearsHitFlag = true,
                            .Flames = Scene2BossFlames,
                            .LockOnTables = Scene2BossLockOn,
                            .LockOnCount = 3,
                            .Explosions = &Scene2BossExplosions,
                            .SpreadX = 440,
                            .SpreadLarge = 360,
                            .SpreadSmall = 360,
                            .NextScene = 3,
                            .TransitionDuration = 30,
                            .Intro = &Scene2BossIntro,
                            .Script = {Scene2BossScript},
                            .Loop = 160,
                            .Return = 138};
const BossRow Scene3BossRow{.Record = &Scene3Boss,
                            .Body = &assets::PicBoss71,
                            .BodySize = {500, 400},
                            .StartHitPoints = 1000,
                            .ResetClearsHitFlag = false,
                            .Flames = Scene3BossFlames,
                            .LockOnTables = Scene3BossLockOn,
                            .LockOnCount = 5,
                            .Explosions = &Scene3BossExplosions,
                            .SpreadX = 500,
                            .SpreadLarge = 350,
                            .SpreadSmall = 350,
                            .NextScene = 5,
                            .TransitionDuration = 60,
                            .Intro = &Scene3BossIntro,
                            .Script = {Scene3BossScript},
                            .Loop = 331,
                            .Return = 145};
const BossRow Scene4BossRow{.Record = &Scene4Boss,
                            .Body = &UnloadedBody,
                            .BodySize = {440, 380},
                            .StartHitPoints = 600,
                            .ResetClearsHitFlag = false,
                            .Flames = Scene4BossFlames,
                            .LockOnTables = Scene4BossLockOn,
                            .LockOnCount = 3,
                            .Explosions = &Scene4BossExplosions,
                            .SpreadX = 440,
                            .SpreadLarge = 280,
                            .SpreadSmall = 280,
                            .NextScene = 5,
                            .TransitionDuration = 30,
                            .Intro = nullptr,
                            .Script = {Scene4BossScript},
                            .Loop = 281,
                            .Return = 0};
const BossRow Scene5BossRow{.Record = &Scene5Boss,
                            .Body = &assets::PicBoss41,
                            .BodySize = {440, 380},
                            .StartHitPoints = 800,
                            .ResetClearsHitFlag = false,
                            .Flames = Scene5BossFlames,
                            .LockOnTables = Scene5BossLockOn,
                            .LockOnCount = 3,
                            .Explosions = &Scene5BossExplosions,
                            .SpreadX = 440,
                            .SpreadLarge = 320,
                            .SpreadSmall = 310,
                            .NextScene = 6,
                            .TransitionDuration = 30,
                            .Intro = nullptr,
                            .Script = {Scene5BossEntry, CommonSway, Scene5BossStrafe},
                            .Loop = 331,
                            .Return = 80};
const BossRow Scene6BossRow{.Record = &Scene6Boss,
                            .Body = &assets::PicBoss51,
                            .BodySize = {380, 460},
                            .StartHitPoints = 1000,
                            .ResetClearsHitFlag = false,
                            .Flames = Scene6BossFlames,
                            .LockOnTables = Scene6BossLockOn,
                            .LockOnCount = 5,
                            .Explosions = &Scene6BossExplosions,
                            .SpreadX = 380,
                            .SpreadLarge = 320,
                            .SpreadSmall = 320,
                            .NextScene = 8,
                            .TransitionDuration = 30,
                            .Intro = &Scene6BossIntro,
                            .Script = {Scene6BossEntry, CommonSway},
                            .Loop = 241,
                            .Return = 151};
const BossRow Scene7BossRow{.Record = &Scene7Boss,
                            .Body = &assets::PicBoss61,
                            .BodySize = {460, 400},
                            .StartHitPoints = 1400,
                            .ResetClearsHitFlag = false,
                            .Flames = Scene7BossFlames,
                            .LockOnTables = Scene7BossLockOn,
                            .LockOnCount = 9,
                            .Explosions = &Scene7BossExplosions,
                            .SpreadX = 460,
                            .SpreadLarge = 330,
                            .SpreadSmall = 330,
                            .NextScene = 8,
                            .TransitionDuration = 30,
                            .Intro = nullptr,
                            .Script = {Scene7BossEntry, CommonSway},
                            .Loop = 241,
                            .Return = 151};
const BossRow Scene8BossRow{.Record = &Scene8Boss,
                            .Body = &assets::PicBoss31,
                            .BodySize = {460, 380},
                            .StartHitPoints = 1500,
                            .ResetClearsHitFlag = false,
                            .Flames = Scene8BossFlames,
                            .LockOnTables = Scene8BossLockOn,
                            .LockOnCount = 5,
                            .Explosions = &Scene8BossExplosions,
                            .SpreadX = 460,
                            .SpreadLarge = 320,
                            .SpreadSmall = 320,
                            .NextScene = 10,
                            .TransitionDuration = 30,
                            .Intro = nullptr,
                            .Script = {Scene8BossEntry, CommonSway},
                            .Loop = 241,
                            .Return = 160};
const BossRow Scene9BossRow{.Record = &Scene9Boss,
                            .Body = &UnloadedBody,
                            .BodySize = {480, 400},
                            .StartHitPoints = 1220,
                            .ResetClearsHitFlag = false,
                            .Flames = Scene9BossFlames,
                            .LockOnTables = Scene9BossLockOn,
                            .LockOnCount = 5,
                            .Explosions = &Scene9BossExplosions,
                            .SpreadX = 480,
                            .SpreadLarge = 320,
                            .SpreadSmall = 320,
                            .NextScene = 10,
                            .TransitionDuration = 60,
                            .Intro = nullptr,
                            .Script = {Scene9BossScript},
                            .Loop = 221,
                            .Return = 80};

}  // namespace bosses
