#pragma once
// A game controller playing the game as the keyboard does: each frame, before the keys are read,
// what is held on the controllers is pressed or released in the key table as keys of their own,
// which the key bindings name beside the keyboard's (see TKeyBindings::Defaults), so that a held
// direction repeats exactly as a held key does (the "Movement" preference) and a turn follows the
// Up key's preference.

#include "media/Gamepads.h"
#include "media/Timer.h"

class TGame;
class TInputDeviceWatch;

class TGamepadControl {
public:
  // While one is plugged in, the controllers are read each frame, and between frames while the
  // game sleeps (no frame runs while nothing moves) at the frame rate. With none plugged in
  // they are looked at only when the input devices change (every frame where no device
  // folder can be watched).
  TGamepadControl(TGame &game, TScheduler &scheduler, TGamepads &pads, TInputDeviceWatch &devices);
  ~TGamepadControl();
  TGamepadControl(const TGamepadControl &) = delete;
  TGamepadControl &operator=(const TGamepadControl &) = delete;

private:
  void SampleInFrame();
  void Sample();
  void DevicesChanged();
  void LookAgain();

  TGame &Game;
  TGamepads &Pads;
  TInputDeviceWatch &Devices;
  TTimer PollTimer;
  TTimer SettleTimer; // the looks after a change of the devices
  TPadControls Held;
};
