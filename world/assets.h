// The game's pictures and sounds as draw-object and sound-object ids. The
// loader in game/ fills them once at start-up; everything that draws reads
// them, never a literal id. An id left 0 draws nothing.
#pragma once

namespace assets {

// Every picture in load order: its variable and its file under IMAGE/ (a
// .BMP). The order fixes each picture's draw-object id, 4 for the first: a
// failed load still takes its entry, so the pictures after it keep theirs.
// The loader in game/ walks this same list.
#define QUORVANE_PICTURES(X) \
  X(PicZbak1b, "ZBAK1B")     \
  X(PicZbak2b, "ZBAK2B")     \
  X(PicZbak3b, "ZBAK3B")     \
  X(PicZbak4b, "ZBAK4B")     \
  X(PicZbak5b, "ZBAK5B")     \
  X(PicZbak6b, "ZBAK6B")     \
  X(PicBbak1b, "BBAK1B")     \
  X(PicGfbak1, "GFBAK1")     \
  X(PicFbom1, "FBOM1")       \
  X(PicMymy, "MYMY")         \
  X(PicMygoodn, "MYGOODN")   \
  X(PicSuji09, "SUJI09")     \
  X(PicHahen, "HAHEN")       \
  X(PicSflh1, "SFLH1")       \
  X(PicSflh2, "SFLH2")       \
  X(PicSflh3, "SFLH3")       \
  X(PicSflh4, "SFLH4")       \
  X(PicSflh5, "SFLH5")       \
  X(PicSflh11, "SFLH11")     \
  X(PicSflh22, "SFLH22")     \
  X(PicSflh33, "SFLH33")     \
  X(PicFlhst, "FLHST")       \
  X(PicFlhst11, "FLHST11")   \
  X(PicFlhst2, "FLHST2")     \
  X(PicFlhst22, "FLHST22")   \
  X(PicFlhst3, "FLHST3")     \
  X(PicFlhst33, "FLHST33")   \
  X(PicFlw1_3, "FLW1_3")     \
  X(PicFlw2_1, "FLW2_1")     \
  X(PicFlw3_2, "FLW3_2")     \
  X(PicFlw11, "FLW11")       \
  X(PicFlw22, "FLW22")       \
  X(PicFlw33, "FLW33")       \
  X(PicQor1, "QOR1")         \
  X(PicQor2, "QOR2")         \
  X(PicQor11, "QOR11")       \
  X(PicQor22, "QOR22")       \
  X(PicQor3, "QOR3")         \
  X(PicQor4, "QOR4")         \
  X(PicQor5, "QOR5")         \
  X(PicQor6, "QOR6")         \
  X(PicQor7, "QOR7")         \
  X(PicQor8, "QOR8")         \
  X(PicQor10, "QOR10")       \
  X(PicSpower1, "SPOWER1")   \
  X(PicFbak1, "FBAK1")       \
  X(PicSzak1, "SZAK1")       \
  X(PicSzak3, "SZAK3")       \
  X(PicSzak4, "SZAK4")       \
  X(PicSzak2, "SZAK2")       \
  X(PicSzak5, "SZAK5")       \
  X(PicSzak6, "SZAK6")       \
  X(PicSzak7, "SZAK7")       \
  X(PicSzak8, "SZAK8")       \
  X(PicSzak9, "SZAK9")       \
  X(PicSzak10, "SZAK10")     \
  X(PicSzak12, "SZAK12")     \
  X(PicSzak13, "SZAK13")     \
  X(PicSzak14, "SZAK14")     \
  X(PicSzak15, "SZAK15")     \
  X(PicSzak16, "SZAK16")     \
  X(PicSzak21, "SZAK21")     \
  X(PicSzak22, "SZAK22")     \
  X(PicSzak23, "SZAK23")     \
  X(PicSzak24, "SZAK24")     \
  X(PicSzak30, "SZAK30")     \
  X(PicSzak31, "SZAK31")     \
  X(PicSzak32, "SZAK32")     \
  X(PicSzak33, "SZAK33")     \
  X(PicSzak40, "SZAK40")     \
  X(PicSzak41, "SZAK41")     \
  X(PicSzak50, "SZAK50")     \
  X(PicSzak51, "SZAK51")     \
  X(PicSzak52, "SZAK52")     \
  X(PicSzak53, "SZAK53")     \
  X(PicSzak54, "SZAK54")     \
  X(PicSzak55, "SZAK55")     \
  X(PicSzak60, "SZAK60")     \
  X(PicVal11, "VAL11")       \
  X(PicVal12, "VAL12")       \
  X(PicVal13, "VAL13")       \
  X(PicVal1, "VAL1")         \
  X(PicVal2, "VAL2")         \
  X(PicVal3, "VAL3")         \
  X(PicRpanel3r, "RPANEL3R") \
  X(PicRpanel2r, "RPANEL2R") \
  X(PicFlz01_l, "FLZ01_l")   \
  X(PicRock1, "ROCK1")       \
  X(PicBoss11, "BOSS11")     \
  X(PicBoss31, "BOSS31")     \
  X(PicBoss41, "BOSS41")     \
  X(PicBoss51, "BOSS51")     \
  X(PicBoss61, "BOSS61")     \
  X(PicBoss71, "BOSS71")     \
  X(PicBos111, "BOS111")     \
  X(PicBos511, "BOS511")     \
  X(PicVal16241, "VAL16241") \
  X(PicVal20241, "VAL20241") \
  X(PicVall20, "VALL20")     \
  X(PicVal201, "VAL201")     \
  X(PicVal401, "VAL401")     \
  X(PicVal402, "VAL402")     \
  X(PicVal402b, "VAL402")    \
  X(PicVal404, "VAL404")     \
  X(PicVal405, "VAL405")     \
  X(PicVal40l, "VAL40L")     \
  X(PicVal40l1, "VAL40L1")   \
  X(PicVal40l2, "VAL40L2")   \
  X(PicZal20, "ZAL20")       \
  X(PicVal15l, "VAL15L")     \
  X(PicVal151l, "VAL151L")   \
  X(PicVal30l, "VAL30L")     \
  X(PicVal20, "VAL20")       \
  X(PicValarm11, "VALARM11") \
  X(PicValarm12, "VALARM12") \
  X(PicValarm31, "VALARM31") \
  X(PicValarm32, "VALARM32") \
  X(PicValarm33, "VALARM33") \
  X(PicValarm34, "VALARM34") \
  X(PicValarm51, "VALARM51") \
  X(PicValarm70, "VALARM70") \
  X(PicValarm7, "VALARM7")   \
  X(PicValarm71, "VALARM71") \
  X(PicValarm72, "VALARM72") \
  X(PicValarm73, "VALARM73") \
  X(PicValarm74, "VALARM74") \
  X(PicValarm75, "VALARM75") \
  X(PicVal20w, "VAL20w")     \
  X(PicVal21w, "VAL21w")     \
  X(PicVal30w, "VAL30w")     \
  X(PicVall301, "VALL301")   \
  X(PicVall3011, "VALL3011") \
  X(PicVall3013, "VALL3013") \
  X(PicVall3014, "VALL3014") \
  X(PicVall3015, "VALL3015") \
  X(PicVall3016, "VALL3016") \
  X(PicVal3015a, "VAL3015A") \
  X(PicVal3016a, "VAL3016A") \
  X(PicVall3017, "VALL3017") \
  X(PicVall3018, "VALL3018") \
  X(PicVal3017a, "VAL3017A") \
  X(PicVal3018a, "VAL3018A") \
  X(PicVall302, "VALL302")   \
  X(PicVall3019, "VALL3019") \
  X(PicVall3020, "VALL3020") \
  X(PicMeso1, "MESO1")       \
  X(PicZfire1, "ZFIRE1")     \
  X(PicZfire2, "ZFIRE2")     \
  X(PicBback1s, "BBACK1S")   \
  X(PicBback2s, "BBACK2S")   \
  X(PicBback3s, "BBACK3S")   \
  X(PicBback6s, "BBACK6S")   \
  X(PicBback8s, "BBACK8S")   \
  X(PicTitlec, "TITLEC")     \
  X(PicQktscg1, "QKTSCG1")   \
  X(PicQktscg2, "QKTSCG2")   \
  X(PicQktscg3, "QKTSCG3")   \
  X(PicQktscg4, "QKTSCG4")   \
  X(PicQktscg5, "QKTSCG5")   \
  X(PicQktscg6, "QKTSCG6")   \
  X(PicLevel0, "LEVEL0")     \
  X(PicLevel1, "LEVEL1")     \
  X(PicContinu1, "CONTINU1")

#define QUORVANE_PICTURE_VARIABLE(variable, file) inline int variable = 0;
QUORVANE_PICTURES(QUORVANE_PICTURE_VARIABLE)
#undef QUORVANE_PICTURE_VARIABLE

// The two sound objects, every sound of the game one of them, with their
// files under SOUND/ (a .WAV), in load order.
#define QUORVANE_SOUNDS(X) \
  X(SndShot, "SHOT")       \
  X(SndBom, "BOM")

#define QUORVANE_SOUND_VARIABLE(variable, file) inline int variable = 0;
QUORVANE_SOUNDS(QUORVANE_SOUND_VARIABLE)
#undef QUORVANE_SOUND_VARIABLE

}  // namespace assets
