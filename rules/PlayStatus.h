#pragma once
// The main window's members that several parts of play share: the score and the flags that
// handlers use to talk to each other (one sets a request, another serves and clears it).

#include <QtGlobal>

struct TPlayStatus {
  qint32 Score = 0;
  bool Suspended = false;    // paused, inactive or a dialog is open: the piece stands still
  bool PauseAllowed = false; // a pause request may be served now
  bool PieceActive = false;  // the four block sprites of a falling piece exist
  bool NewPieceDue = false;  // the next frame creates the next piece
  bool LevelComplete = false;
  bool AllLevelsDone = false;
  bool PictureDirty = false; // the window picture must be refreshed at the next frame
};
