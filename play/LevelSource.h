#pragma once
// What the game model asks of the game's files for a level: how many there are, and each one's
// picture, cut into cells. Pictures may be decoded ahead, off the window thread.

#include "play/GameEvents.h"

#include <optional>

class TPictureCells;

class TLevelSource {
public:
  virtual ~TLevelSource() = default;

  virtual int LevelCount() const = 0;
  // A picture is being decoded: a level start waits for it.
  virtual bool Decoding() const = 0;
  // Level `level` (from 1) with its picture cut into `cells`; nothing when the picture cannot
  // be used (the player has been told why).
  virtual std::optional<TLevelLook> Prepare(int level, TPictureCells &cells) = 0;
  // The level that a start key may start next is decoded ahead where it can be.
  virtual void Prefetch(int level) = 0;
};
