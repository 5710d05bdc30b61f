#include "game/assets.h"

#include "engine/draw_object.h"
#include "engine/screen.h"
#include "engine/sound.h"
#include "engine/system.h"
#include "game/score.h"

using namespace score;

namespace assets {

namespace {

struct PictureLoad {
  const char* path;
  int* variable;
};

// The load order fixes every picture's id: a failed load still takes its
// entry, so the pictures after it keep theirs.
const PictureLoad kPictureLoads[PictureLoadCount] = {
    {"IMAGE/ZBAK1B.BMP", &PicZbak1b},
    {"IMAGE/ZBAK2B.BMP", &PicZbak2b},
    {"IMAGE/ZBAK3B.BMP", &PicZbak3b},
    {"IMAGE/ZBAK4B.BMP", &PicZbak4b},
    {"IMAGE/ZBAK5B.BMP", &PicZbak5b},
    {"IMAGE/ZBAK6B.BMP", &PicZbak6b},
    {"IMAGE/BBAK1B.BMP", &PicBbak1b},
    {"IMAGE/GFBAK1.BMP", &PicGfbak1},
    {"IMAGE/FBOM1.BMP", &PicFbom1},
    {"IMAGE/MYMY.BMP", &PicMymy},
    {"IMAGE/MYGOODN.BMP", &PicMygoodn},
    {"IMAGE/SUJI09.BMP", &PicSuji09},
    {"IMAGE/HAHEN.BMP", &PicHahen},
    {"IMAGE/SFLH1.BMP", &PicSflh1},
    {"IMAGE/SFLH2.BMP", &PicSflh2},
    {"IMAGE/SFLH3.BMP", &PicSflh3},
    {"IMAGE/SFLH4.BMP", &PicSflh4},
    {"IMAGE/SFLH5.BMP", &PicSflh5},
    {"IMAGE/SFLH11.BMP", &PicSflh11},
    {"IMAGE/SFLH22.BMP", &PicSflh22},
    {"IMAGE/SFLH33.BMP", &PicSflh33},
    {"IMAGE/FLHST.BMP", &PicFlhst},
    {"IMAGE/FLHST11.BMP", &PicFlhst11},
    {"IMAGE/FLHST2.BMP", &PicFlhst2},
    {"IMAGE/FLHST22.BMP", &PicFlhst22},
    {"IMAGE/FLHST3.BMP", &PicFlhst3},
    {"IMAGE/FLHST33.BMP", &PicFlhst33},
    {"IMAGE/FLW1_3.BMP", &PicFlw1_3},
    {"IMAGE/FLW2_1.BMP", &PicFlw2_1},
    {"IMAGE/FLW3_2.BMP", &PicFlw3_2},
    {"IMAGE/FLW11.BMP", &PicFlw11},
    {"IMAGE/FLW22.BMP", &PicFlw22},
    {"IMAGE/FLW33.BMP", &PicFlw33},
    {"IMAGE/QOR1.BMP", &PicQor1},
    {"IMAGE/QOR2.BMP", &PicQor2},
    {"IMAGE/QOR11.BMP", &PicQor11},
    {"IMAGE/QOR22.BMP", &PicQor22},
    {"IMAGE/QOR3.BMP", &PicQor3},
    {"IMAGE/QOR4.BMP", &PicQor4},
    {"IMAGE/QOR5.BMP", &PicQor5},
    {"IMAGE/QOR6.BMP", &PicQor6},
    {"IMAGE/QOR7.BMP", &PicQor7},
    {"IMAGE/QOR8.BMP", &PicQor8},
    {"IMAGE/QOR10.BMP", &PicQor10},
    {"IMAGE/SPOWER1.BMP", &PicSpower1},
    {"IMAGE/FBAK1.BMP", &PicFbak1},
    {"IMAGE/SZAK1.BMP", &PicSzak1},
    {"IMAGE/SZAK3.BMP", &PicSzak3},
    {"IMAGE/SZAK4.BMP", &PicSzak4},
    {"IMAGE/SZAK2.BMP", &PicSzak2},
    {"IMAGE/SZAK5.BMP", &PicSzak5},
    {"IMAGE/SZAK6.BMP", &PicSzak6},
    {"IMAGE/SZAK7.BMP", &PicSzak7},
    {"IMAGE/SZAK8.BMP", &PicSzak8},
    {"IMAGE/SZAK9.BMP", &PicSzak9},
    {"IMAGE/SZAK10.BMP", &PicSzak10},
    {"IMAGE/SZAK12.BMP", &PicSzak12},
    {"IMAGE/SZAK13.BMP", &PicSzak13},
    {"IMAGE/SZAK14.BMP", &PicSzak14},
    {"IMAGE/SZAK15.BMP", &PicSzak15},
    {"IMAGE/SZAK16.BMP", &PicSzak16},
    {"IMAGE/SZAK21.BMP", &PicSzak21},
    {"IMAGE/SZAK22.BMP", &PicSzak22},
    {"IMAGE/SZAK23.BMP", &PicSzak23},
    {"IMAGE/SZAK24.BMP", &PicSzak24},
    {"IMAGE/SZAK30.BMP", &PicSzak30},
    {"IMAGE/SZAK31.BMP", &PicSzak31},
    {"IMAGE/SZAK32.BMP", &PicSzak32},
    {"IMAGE/SZAK33.BMP", &PicSzak33},
    {"IMAGE/SZAK40.BMP", &PicSzak40},
    {"IMAGE/SZAK41.BMP", &PicSzak41},
    {"IMAGE/SZAK50.BMP", &PicSzak50},
    {"IMAGE/SZAK51.BMP", &PicSzak51},
    {"IMAGE/SZAK52.BMP", &PicSzak52},
    {"IMAGE/SZAK53.BMP", &PicSzak53},
    {"IMAGE/SZAK54.BMP", &PicSzak54},
    {"IMAGE/SZAK55.BMP", &PicSzak55},
    {"IMAGE/SZAK60.BMP", &PicSzak60},
    {"IMAGE/VAL11.BMP", &PicVal11},
    {"IMAGE/VAL12.BMP", &PicVal12},
    {"IMAGE/VAL13.BMP", &PicVal13},
    {"IMAGE/VAL1.BMP", &PicVal1},
    {"IMAGE/VAL2.BMP", &PicVal2},
    {"IMAGE/VAL3.BMP", &PicVal3},
    {"IMAGE/RPANEL3R.BMP", &PicRpanel3r},
    {"IMAGE/RPANEL2R.BMP", &PicRpanel2r},
    {"IMAGE/FLZ01_l.BMP", &PicFlz01_l},
    {"IMAGE/ROCK1.BMP", &PicRock1},
    {"IMAGE/BOSS11.BMP", &PicBoss11},
    {"IMAGE/BOSS31.BMP", &PicBoss31},
    {"IMAGE/BOSS41.BMP", &PicBoss41},
    {"IMAGE/BOSS51.BMP", &PicBoss51},
    {"IMAGE/BOSS61.BMP", &PicBoss61},
    {"IMAGE/BOSS71.BMP", &PicBoss71},
    {"IMAGE/BOS111.BMP", &PicBos111},
    {"IMAGE/BOS511.BMP", &PicBos511},
    {"IMAGE/VAL16241.BMP", &PicVal16241},
    {"IMAGE/VAL20241.BMP", &PicVal20241},
    {"IMAGE/VALL20.BMP", &PicVall20},
    {"IMAGE/VAL201.BMP", &PicVal201},
    {"IMAGE/VAL401.BMP", &PicVal401},
    {"IMAGE/VAL402.BMP", &PicVal402},
    {"IMAGE/VAL402.BMP", &PicVal402b},
    {"IMAGE/VAL404.BMP", &PicVal404},
    {"IMAGE/VAL405.BMP", &PicVal405},
    {"IMAGE/VAL40L.BMP", &PicVal40l},
    {"IMAGE/VAL40L1.BMP", &PicVal40l1},
    {"IMAGE/VAL40L2.BMP", &PicVal40l2},
    {"IMAGE/ZAL20.BMP", &PicZal20},
    {"IMAGE/VAL15L.BMP", &PicVal15l},
    {"IMAGE/VAL151L.BMP", &PicVal151l},
    {"IMAGE/VAL30L.BMP", &PicVal30l},
    {"IMAGE/VAL20.BMP", &PicVal20},
    {"IMAGE/VALARM11.BMP", &PicValarm11},
    {"IMAGE/VALARM12.BMP", &PicValarm12},
    {"IMAGE/VALARM31.BMP", &PicValarm31},
    {"IMAGE/VALARM32.BMP", &PicValarm32},
    {"IMAGE/VALARM33.BMP", &PicValarm33},
    {"IMAGE/VALARM34.BMP", &PicValarm34},
    {"IMAGE/VALARM51.BMP", &PicValarm51},
    {"IMAGE/VALARM70.BMP", &PicValarm70},
    {"IMAGE/VALARM7.BMP", &PicValarm7},
    {"IMAGE/VALARM71.BMP", &PicValarm71},
    {"IMAGE/VALARM72.BMP", &PicValarm72},
    {"IMAGE/VALARM73.BMP", &PicValarm73},
    {"IMAGE/VALARM74.BMP", &PicValarm74},
    {"IMAGE/VALARM75.BMP", &PicValarm75},
    {"IMAGE/VAL20w.BMP", &PicVal20w},
    {"IMAGE/VAL21w.BMP", &PicVal21w},
    {"IMAGE/VAL30w.BMP", &PicVal30w},
    {"IMAGE/VALL301.BMP", &PicVall301},
    {"IMAGE/VALL3011.BMP", &PicVall3011},
    {"IMAGE/VALL3013.BMP", &PicVall3013},
    {"IMAGE/VALL3014.BMP", &PicVall3014},
    {"IMAGE/VALL3015.BMP", &PicVall3015},
    {"IMAGE/VALL3016.BMP", &PicVall3016},
    {"IMAGE/VAL3015A.BMP", &PicVal3015a},
    {"IMAGE/VAL3016A.BMP", &PicVal3016a},
    {"IMAGE/VALL3017.BMP", &PicVall3017},
    {"IMAGE/VALL3018.BMP", &PicVall3018},
    {"IMAGE/VAL3017A.BMP", &PicVal3017a},
    {"IMAGE/VAL3018A.BMP", &PicVal3018a},
    {"IMAGE/VALL302.BMP", &PicVall302},
    {"IMAGE/VALL3019.BMP", &PicVall3019},
    {"IMAGE/VALL3020.BMP", &PicVall3020},
    {"IMAGE/MESO1.BMP", &PicMeso1},
    {"IMAGE/ZFIRE1.BMP", &PicZfire1},
    {"IMAGE/ZFIRE2.BMP", &PicZfire2},
    {"IMAGE/BBACK1S.BMP", &PicBback1s},
    {"IMAGE/BBACK2S.BMP", &PicBback2s},
    {"IMAGE/BBACK3S.BMP", &PicBback3s},
    {"IMAGE/BBACK6S.BMP", &PicBback6s},
    {"IMAGE/BBACK8S.BMP", &PicBback8s},
    {"IMAGE/TITLEC.BMP", &PicTitlec},
    {"IMAGE/QKTSCG1.BMP", &PicQktscg1},
    {"IMAGE/QKTSCG2.BMP", &PicQktscg2},
    {"IMAGE/QKTSCG3.BMP", &PicQktscg3},
    {"IMAGE/QKTSCG4.BMP", &PicQktscg4},
    {"IMAGE/QKTSCG5.BMP", &PicQktscg5},
    {"IMAGE/QKTSCG6.BMP", &PicQktscg6},
    {"IMAGE/LEVEL0.BMP", &PicLevel0},
    {"IMAGE/LEVEL1.BMP", &PicLevel1},
    {"IMAGE/CONTINU1.BMP", &PicContinu1},};

// The sounds are loaded between these two runs of pictures.
constexpr int PicturesBeforeSounds = 148;  // ids 4 to 151

void LoadPictures(int first, int end) {
  for (int i = first; i < end; ++i) *kPictureLoads[i].variable = elDraw::LoadObject(kPictureLoads[i].path, 1);
}

}  // namespace

void LoadAssets() {
  // Without a screen there is nothing to play on: the error box has been
  // shown, and the program ends.
  if (!elDraw::Screen(800, 600, 2)) {
    elSystem::Exit();
    return;
  }
  elDraw::SetClip(180, 0, 620, 600);
  LoadPictures(0, PicturesBeforeSounds);
  SndShot = elSound::LoadObject("SOUND/SHOT.WAV", 1);
  SndBom = elSound::LoadObject("SOUND/BOM.WAV", 1);
  LoadPictures(PicturesBeforeSounds, PictureLoadCount);
  HiScore = 500;
  elSystem::SceneNumber = 1;
  elSystem::PreviousScene = 0;
  AssetsLoaded = 1;
}

}  // namespace assets
