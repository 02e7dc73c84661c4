#pragma once
// The play preferences (settings/StoredSettings.h says how they are stored).

// What the Down key does with the falling piece.
enum class TDownKey {
  Drop,   // drops it, as the drop key does
  Rotate, // turns it anticlockwise
  Fall,   // makes it fall fast while the key is held; it lands as it would have fallen
};

struct TPlayPreferences {
  bool DownArrowDrops = true;     // else Down turns anticlockwise
  bool UpArrowClockwise = false;  // Up turns clockwise
  bool SingleStepMovement = true; // else a held key repeats
  bool MotionSound = true;        // each shape lands with a sound of its own
  // Down makes the piece fall fast while held; it outweighs DownArrowDrops (then false).
  bool DownArrowFalls = false;
  // A held sideways key without SingleStepMovement: the time from the first column's start to
  // the second's, then between columns, in ms. 80 and 80 slide as the program always has: the
  // first column's slide takes 80 ms, so a shorter delay counts as 80; a rate below 80 ms makes
  // the later columns' slides faster to keep up.
  int SlideDelay = 80;
  int SlideRate = 80;

  TDownKey DownKey() const {
    return DownArrowFalls ? TDownKey::Fall : DownArrowDrops ? TDownKey::Drop : TDownKey::Rotate;
  }
};
