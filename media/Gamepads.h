#pragma once
// Game controllers through SDL's game controller support: every controller present is opened,
// those plugged in while the program runs are opened as they arrive and closed as they go.
// Read once a frame (no thread of its own): Poll handles the plug events and reports what is
// held on all controllers together. SDL is loaded by the first of these made.

#include <SDL.h>

#include <bitset>
#include <map>

struct TSdl;

enum TPadControl {
  PadLeft,  // d-pad or left stick left
  PadRight, // d-pad or left stick right
  PadDown,  // d-pad or left stick down
  PadDrop,  // A
  PadTurn,  // B or X
  PadStart, // Start
  PadControlCount
};

using TPadControls = std::bitset<PadControlCount>;

class TGamepads {
public:
  // Stick travel (of 32767) inside which a stick counts as centred, so that a worn stick
  // resting slightly off centre moves nothing.
  static constexpr int StickDeadZone = 12000;

  TGamepads();
  ~TGamepads();
  TGamepads(const TGamepads &) = delete;
  TGamepads &operator=(const TGamepads &) = delete;

  // False when SDL's controller support could not start; Poll then reports nothing.
  bool Available() const { return Started; }
  int Count() const { return int(Open.size()); }

  TPadControls Poll();

private:
  void Add(int deviceIndex);
  void Remove(SDL_JoystickID id);

  const TSdl *Sdl;
  bool Started = false;
  std::map<SDL_JoystickID, SDL_GameController *> Open;
};
