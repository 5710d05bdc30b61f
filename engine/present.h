// Presentation of the back buffer: the screen transitions drawn over the new
// scene, the picture viewer, the vertical-blank wait and the present.
#pragma once

namespace elDraw {

// Overlay types of a transition.
enum TransitionKind {
  TransitionTiles = 0,
  TransitionRowBlinds = 1,
  TransitionBandBlinds = 2,
  TransitionRowScatter = 3,
  TransitionBandScatter = 4,
  TransitionSlideUp = 5,
  TransitionSlideDown = 6,
  TransitionSlideLeft = 7,
  TransitionSlideRight = 8,
  TransitionSplitVertical = 9,
  TransitionSplitHorizontal = 10,
  TransitionWipeLeft = 11,
  TransitionWipeRight = 12,
};

inline int TransitionType = 0;
inline int TransitionDuration = 0;
inline int TransitionCounter = 0;  // the current step; 0 = no transition
inline int TransitionState = 0;    // -1 counting down, 1 fade-out counting up, 0 idle
inline int TransitionTileObject = 0;

inline int VSyncFlag = 1;

inline int ViewerFlag = 0;
inline int ViewerPicture = 0;
inline int ViewerBackground = 0;
inline int ViewerPictureHeight = 0;
inline float ViewerScroll = 0.0f;
inline float ViewerTileOffset[2] = {0.0f, 0.0f};

void SetVSync(int on);
int Flip();
void StartTransition();
void StartTransitionIn();
void CaptureScreen(int obj, int left, int top, int right, int bottom);
void LoadTransitionTiles(const char* name);
void OpenViewer(const char* picture, const char* background, int height);
void ToggleViewer();

// Draws the overlay of the running transition for counter value c (before it
// is advanced).
void DrawTransitionOverlay(int type, int c);
// Puts the transition and viewer state back to program start.
void ResetPresentState();

}  // namespace elDraw
