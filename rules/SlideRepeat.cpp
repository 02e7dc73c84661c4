#include "rules/SlideRepeat.h"

#include "rules/FallingPiece.h"

#include <algorithm>

void TSlideRepeat::Reset() {
  Held = {};
  Columns = FramesSinceColumn = 0;
}

bool TSlideRepeat::Asks(TPlayerActions sideways) {
  if (sideways != Held) {
    Held = sideways;
    Columns = FramesSinceColumn = 0;
  } else {
    ++FramesSinceColumn;
  }
  // The first column's own slide comes before any second one.
  const int wait = Columns == 1 ? std::max(TFallingPiece::SlideFrames, FramesOf(Prefs.SlideDelay))
                                : FramesOf(Prefs.SlideRate);
  return Columns == 0 || FramesSinceColumn >= wait;
}

int TSlideRepeat::BeginColumn() {
  ++Columns;
  FramesSinceColumn = 0;
  return Columns > 1 ? std::min(TFallingPiece::SlideFrames, FramesOf(Prefs.SlideRate))
                     : TFallingPiece::SlideFrames;
}

int TSlideRepeat::FramesOf(int ms) const { return std::max(1, (ms + FrameMs / 2) / FrameMs); }
