#include "app/GameSounds.h"

#include "app/GameSound.h"
#include "app/Trace.h"

void TGameSounds::Play(const QString &name) const {
  if (!IsOn || !Device)
    return;
  Device->Play(name);
  Trace::Event("sound", name);
}
