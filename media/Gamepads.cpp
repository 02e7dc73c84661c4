#include "media/Gamepads.h"

#include "media/SdlLibrary.h"

TGamepads::TGamepads() : Sdl(LoadSdl()) {
  if (!Sdl)
    return;
  // The program handles its own termination signals.
  Sdl->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // Controllers are read while the game's window has the focus; SDL has no window to judge by.
  Sdl->SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  Started = Sdl->InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
  // Controllers already present arrive as "added" events at the first Poll.
}

TGamepads::~TGamepads() {
  if (!Started)
    return;
  for (const auto &[id, controller] : Open)
    Sdl->GameControllerClose(controller);
  Sdl->QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void TGamepads::Add(int deviceIndex) {
  if (!Sdl->IsGameController(deviceIndex))
    return;
  const SDL_JoystickID id = Sdl->JoystickGetDeviceInstanceID(deviceIndex);
  if (Open.count(id))
    return;
  if (SDL_GameController *controller = Sdl->GameControllerOpen(deviceIndex))
    Open[id] = controller;
}

void TGamepads::Remove(SDL_JoystickID id) {
  const auto found = Open.find(id);
  if (found == Open.end())
    return;
  Sdl->GameControllerClose(found->second);
  Open.erase(found);
}

TPadControls TGamepads::Poll() {
  TPadControls held;
  if (!Started)
    return held;
  Sdl->GameControllerUpdate();
  SDL_Event event;
  // Only the plug events are taken from the queue; the rest are read as states below.
  while (Sdl->PeepEvents(&event, 1, SDL_GETEVENT, SDL_CONTROLLERDEVICEADDED,
                         SDL_CONTROLLERDEVICEREMOVED) > 0) {
    if (event.type == SDL_CONTROLLERDEVICEADDED)
      Add(event.cdevice.which);
    else if (event.type == SDL_CONTROLLERDEVICEREMOVED)
      Remove(event.cdevice.which);
  }
  for (const auto &[id, c] : Open) {
    const auto button = [this, c = c](SDL_GameControllerButton b) {
      return Sdl->GameControllerGetButton(c, b) != 0;
    };
    const int x = Sdl->GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTX);
    const int y = Sdl->GameControllerGetAxis(c, SDL_CONTROLLER_AXIS_LEFTY);
    if (button(SDL_CONTROLLER_BUTTON_DPAD_LEFT) || x < -StickDeadZone)
      held.set(PadLeft);
    if (button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT) || x > StickDeadZone)
      held.set(PadRight);
    if (button(SDL_CONTROLLER_BUTTON_DPAD_DOWN) || y > StickDeadZone)
      held.set(PadDown);
    if (button(SDL_CONTROLLER_BUTTON_A))
      held.set(PadDrop);
    if (button(SDL_CONTROLLER_BUTTON_B) || button(SDL_CONTROLLER_BUTTON_X))
      held.set(PadTurn);
    if (button(SDL_CONTROLLER_BUTTON_START))
      held.set(PadStart);
  }
  // Everything else SDL queued (joystick motion, audio device events) is of no use here.
  Sdl->FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  return held;
}
