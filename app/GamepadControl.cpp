#include "app/GamepadControl.h"

#include "app/Game.h"
#include "input/KeyBindings.h"
#include "media/InputDeviceWatch.h"
#include "play/Timing.h"

namespace {

// While the game sleeps, a plugged controller is read as often as frames come, so that even a
// short tap is seen.
constexpr int PollWhilePlugged = Timing::FrameInterval;
// SDL learns of a device from its own source (udev, or a scan of the folder every 3 s) a little
// after the device's entry changes: the controllers are looked at again 0.25, 0.75, 1.75 and
// 3.75 s after the last change.
constexpr int FirstLookAgain = 250, LastLookAgain = 2000;

} // namespace

TGamepadControl::TGamepadControl(TGame &game, TScheduler &scheduler, TGamepads &pads,
                                 TInputDeviceWatch &devices)
    : Game(game), Pads(pads), Devices(devices), PollTimer(scheduler, PollWhilePlugged),
      SettleTimer(scheduler, FirstLookAgain) {
  Game.Model().Input().OnSample = [this] { SampleInFrame(); };
  PollTimer.OnTimer = [this] { Sample(); };
  SettleTimer.OnTimer = [this] { LookAgain(); };
  Devices.OnChanged = [this] { DevicesChanged(); };
  Sample(); // the controllers present already
}

TGamepadControl::~TGamepadControl() {
  Game.Model().Input().OnSample = nullptr;
  Devices.OnChanged = nullptr;
}

void TGamepadControl::DevicesChanged() {
  SettleTimer.SetInterval(FirstLookAgain);
  SettleTimer.SetEnabled(true);
  Sample();
}

void TGamepadControl::LookAgain() {
  if (SettleTimer.Interval() >= LastLookAgain)
    SettleTimer.SetEnabled(false);
  else
    SettleTimer.SetInterval(2 * SettleTimer.Interval());
  Sample();
}

// With none plugged in and the device folder watched, a frame leaves the controllers alone:
// asking SDL would make it look for new devices, two system calls on every frame of play.
void TGamepadControl::SampleInFrame() {
  if (Pads.Count() > 0 || !Devices.Watching())
    Sample();
}

void TGamepadControl::Sample() {
  const TPadControls now = Pads.Poll();
  PollTimer.SetEnabled(Pads.Count() > 0);
  TKeyStateTable &table = Game.Keys();
  for (int control = 0; control < PadControlCount; ++control) {
    // Pressed again every frame while held: the window clears the table when it loses focus.
    if (now.test(std::size_t(control)))
      table.Press(PadButtonCode(control));
    else if (Held.test(std::size_t(control)))
      table.Release(PadButtonCode(control));
  }
  // Start pauses and resumes as the pause key does.
  if (now.test(PadStart) && !Held.test(PadStart))
    Game.KeyDown(PadButtonCode(PadStart), false);
  Held = now;
}
