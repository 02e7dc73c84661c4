#pragma once
// The four play preferences (settings/StoredSettings.h says how they are stored).

struct TPlayPreferences {
  bool DownArrowDrops = true;     // else Down turns anticlockwise
  bool UpArrowClockwise = false;  // Up turns clockwise
  bool SingleStepMovement = true; // else a held key repeats
  bool MotionSound = true;        // each shape lands with a sound of its own
};
