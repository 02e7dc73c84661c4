#include "app/GamepadControl.h"

#include "app/Game.h"

namespace {

constexpr int VkSpace = 32, VkLeft = 37, VkUp = 38, VkRight = 39, VkP = 80;

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
    {VkLeft, Of({PadLeft})},
    {VkRight, Of({PadRight})},
    {VkSpace, DropControls},
    {VkUp, Of({PadTurn})},
};

} // namespace

TGamepadControl::TGamepadControl(TGame &game, std::function<TPadControls()> read)
    : Game(game), Read(std::move(read)) {
  Game.Input().OnSample = [this] { Sample(); };
}

TGamepadControl::~TGamepadControl() { Game.Input().OnSample = nullptr; }

void TGamepadControl::Sample() {
  const TPadControls now = Read();
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
    if (Game.Menu().Enabled("GamePause")) {
      Game.FormKeyDown(VkP, false);
    } else {
      // A tap: the table remembers it until the keys are read.
      table.Press(VkSpace);
      if (!(now & DropControls).any())
        table.Release(VkSpace);
    }
  }
  Held = now;
}
