#pragma once
// A sideways key held down while a held key slides the piece: its first column comes at once,
// the second once the delay has passed since the first began, and the later ones at the rate.
// It counts frames of the frame timer; a key pressed anew, or held into a new piece, starts
// again as a fresh press.

#include "rules/PlayPreferences.h"
#include "rules/PlayerActions.h"

class TSlideRepeat {
public:
  explicit TSlideRepeat(const TPlayPreferences &prefs) : Prefs(prefs) {}

  void Reset();
  // A frame with these sideways actions held: whether they ask for a column now.
  bool Asks(TPlayerActions sideways);
  // A column begins: the frames its slide takes. After the first, a held key's columns come at
  // its rate, and a slide that took longer would hold the next one back.
  int BeginColumn();

  // Step runs once a frame of the frame timer: the delay and rate count in these.
  static constexpr int FrameMs = 16;

private:
  int FramesOf(int ms) const;

  const TPlayPreferences &Prefs;
  TPlayerActions Held; // since the last frame that held others
  int Columns = 0;     // begun in that time
  int FramesSinceColumn = 0;
};
