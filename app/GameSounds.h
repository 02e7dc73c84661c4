#pragma once
// The sounds the game plays while the sound option is on, through the sound device when there
// is one (none: silent).

#include "play/GameEvents.h"

class TGameSound;

class TGameSounds : public TGameEvents {
public:
  TGameSound *Device = nullptr;
  bool On() const { return IsOn; }
  void SetOn(bool on) { IsOn = on; }
  void Play(const QString &name) const;

private:
  void SoundWanted(const QString &name) override { Play(name); }

  bool IsOn = false;
};
