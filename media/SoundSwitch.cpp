#include "media/SoundSwitch.h"

#include "media/MediaError.h"

bool TSoundSwitch::SetOn(bool on) {
  On = on;
  if (!on) {
    Device.Finalize();
    return false;
  }
  if (!Device.Initialized()) {
    // A machine without sound plays silently; the player sees the option end unchecked.
    try {
      Device.Initialize();
    } catch (const TMediaError &) {
      On = false;
    }
  }
  return On;
}

void TSoundSwitch::PlaySound(const QString &name, bool wait) {
  if (On)
    Sounds.FindByName(name).Play(wait);
}
