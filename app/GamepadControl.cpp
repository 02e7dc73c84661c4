#include "app/GamepadControl.h"

#include "app/Game.h"
#include "app/Timing.h"
#include "media/VirtualKeys.h"

namespace {

// While the game sleeps, a plugged controller is read as often as frames come, so that even a
// short tap is seen; a newly plugged one is found within a second.
constexpr int PollWhilePlugged = Timing::FrameInterval, PollForPlugging = 1000;

struct TKeyOfControls {
  int Key;
  TPadControls Controls;
};

TPadControls Of(std::initializer_list<TPadControl> controls) {
  TPadControls set;
  for (TPadControl c : controls)
    set.set(c);
  return set;
}

const TPadControls DropControls = Of({PadDown, PadDrop});

const TKeyOfControls Keys[] = {
    {Vk::Left, Of({PadLeft})},
    {Vk::Right, Of({PadRight})},
    {Vk::Space, DropControls},
    {Vk::Up, Of({PadTurn})},
};

} // namespace

TGamepadControl::TGamepadControl(TGame &game, TScheduler &scheduler, TGamepads &pads)
    : Game(game), Pads(pads), PollTimer(scheduler, PollForPlugging) {
  Game.Input().OnSample = [this] { Sample(); };
  PollTimer.OnTimer = [this] { Sample(); };
  PollTimer.SetEnabled(Pads.Available());
}

TGamepadControl::~TGamepadControl() { Game.Input().OnSample = nullptr; }

void TGamepadControl::Sample() {
  const TPadControls now = Pads.Poll();
  PollTimer.SetInterval(Pads.Count() > 0 ? PollWhilePlugged : PollForPlugging);
  TKeyStateTable &table = Game.Keys();
  for (const TKeyOfControls &k : Keys) {
    const bool down = (now & k.Controls).any();
    // Pressed again every frame while held: the window clears the table when it loses focus.
    if (down)
      table.Press(k.Key);
    else if ((Held & k.Controls).any())
      table.Release(k.Key);
  }
  if (now.test(PadStart) && !Held.test(PadStart)) {
    if (Game.Menu().Enabled(TCommand::PauseGame)) {
      Game.KeyDown(Vk::P, false);
    } else {
      // A tap: the table remembers it until the keys are read.
      table.Press(Vk::Space);
      if (!(now & DropControls).any())
        table.Release(Vk::Space);
    }
  }
  Held = now;
}
