#pragma once
// The play preferences (settings/StoredSettings.h says how they are stored).

// What the Down key does with the falling piece.
enum class TDownKey {
  Drop,   // drops it, as the drop key does
  Rotate, // turns it anticlockwise
  Fall,   // makes it fall fast while the key is held; it lands as it would have fallen
};

struct TPlayPreferences {
  TDownKey DownKey = TDownKey::Drop;
  bool UpArrowClockwise = false;  // Up turns clockwise
  bool SingleStepMovement = true; // else a held key repeats
  bool MotionSound = true;        // each shape lands with a sound of its own
  // A held sideways key without SingleStepMovement: the time from the first column's start to
  // the second's, then between columns, in ms. 80 and 80 slide as the program always has: the
  // first column's slide takes 80 ms, so a shorter delay counts as 80; a rate below 80 ms makes
  // the later columns' slides faster to keep up.
  int SlideDelay = 80;
  int SlideRate = 80;
  // An outline of the falling piece where a drop would put it.
  bool ShowLandingPlace = false;
};
