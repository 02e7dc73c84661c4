#pragma once
// The play preferences and how their stored texts read: an exact, case-sensitive compare, and a
// missing value gives the default.

#include <QString>

#include <functional>

// What the Down key does with the falling piece.
enum class TDownKey {
  Drop,   // drops it, as the drop key does
  Rotate, // turns it anticlockwise
  Fall,   // makes it fall fast while the key is held; it lands as it would have fallen
};

struct TPlayPreferences {
  bool DownArrowDrops = true;     // "DownArrow": "Drop" or empty; else Down turns anticlockwise
  bool UpArrowClockwise = false;  // "UpArrow": any non-empty text but "ACW"
  bool SingleStepMovement = true; // "Movement": "Tetris" or empty; else a held key repeats
  bool MotionSound = true;        // "RotateSND": "YES" or empty
  // "DownArrow": "Fall". Set, it outweighs DownArrowDrops (then false), which the two-way
  // choice still reads and writes.
  bool DownArrowFalls = false;

  TDownKey DownKey() const {
    return DownArrowFalls ? TDownKey::Fall : DownArrowDrops ? TDownKey::Drop : TDownKey::Rotate;
  }

  static TPlayPreferences Read(const std::function<QString(const QString &)> &setting);
};
