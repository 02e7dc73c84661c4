#pragma once
// The four play preferences and how their stored texts read: an exact, case-sensitive compare,
// and a missing value gives the default.

#include <QString>

#include <functional>

struct TPlayPreferences {
  bool DownArrowDrops = true;     // "DownArrow": "Drop" or empty; else Down turns anticlockwise
  bool UpArrowClockwise = false;  // "UpArrow": any non-empty text but "ACW"
  bool SingleStepMovement = true; // "Movement": "Tetris" or empty; else a held key repeats
  bool MotionSound = true;        // "RotateSND": "YES" or empty

  static TPlayPreferences Read(const std::function<QString(const QString &)> &setting);
};
