#pragma once
// How big the main window shows the game: the 600 x 400 picture at a whole factor (Normal 1,
// Double 2, Triple 3), each picture pixel a square of factor x factor screen pixels, or full
// screen, where the largest whole factor that fits is centred on black. Whole factors only, so
// that the pixel art stays sharp.

#include <QSize>

class TSettingsStore;

struct TWindowSize {
  static constexpr int MaxFactor = 3; // of the window; full screen may go further

  int Factor = 1;
  bool FullScreen = false;

  bool operator==(const TWindowSize &) const = default;
};

// The largest whole factor at which `picture` fits into `area`; at least 1.
int LargestFactor(QSize area, QSize picture);

// The stored size ("WindowSize" 1 to 3, "FullScreen" "ON" or "OFF"), at most the largest window
// factor that fits the `available` area (in device-independent pixels). With no factor stored, a
// screen of device pixel ratio 2 or more gets that largest factor, any other screen factor 1.
TWindowSize ReadWindowSize(const TSettingsStore &settings, QSize available, double pixelRatio,
                           QSize window);
void WriteWindowSize(TSettingsStore &settings, const TWindowSize &size);
