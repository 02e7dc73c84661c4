#pragma once
// The game's "Sound On" option over the sound device and its list: the one way the game plays a
// sound. While the option is off PlaySound touches neither the list nor the device, whatever
// state the device is in.

#include "media/DXSound.h"
#include "media/DXWaveList.h"

class TSoundSwitch {
public:
  TSoundSwitch(TDXSound &device, TDXWaveList &list) : Device(device), Sounds(list) {}

  bool IsOn() const { return On; }
  // On: initialises the device unless it is initialised; a device that cannot be made leaves
  // sound off without an error. Off: finalises the device. Returns whether sound is now on.
  bool SetOn(bool on);

  // Nothing while off; otherwise the named item is played. Throws TMediaError
  // "Wave 'name' not found" for a name that is not in the list.
  void PlaySound(const QString &name, bool wait = false);

private:
  TDXSound &Device;
  TDXWaveList &Sounds;
  bool On = false;
};
