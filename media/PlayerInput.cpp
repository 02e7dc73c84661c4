#include "media/PlayerInput.h"

TKeyAssigns DefaultKeyAssigns() {
  TKeyAssigns assigns{};
  assigns[InputUp] = {75, 38, 104};    // K, Up, keypad 8
  assigns[InputDown] = {74, 40, 98};   // J, Down, keypad 2
  assigns[InputLeft] = {72, 37, 100};  // H, Left, keypad 4
  assigns[InputRight] = {76, 39, 102}; // L, Right, keypad 6
  assigns[InputButton1] = {90, 32, 0}; // Z, Space
  assigns[InputButton2] = {88, 13, 0}; // X, Enter
  assigns[InputButton3] = {103, 0, 0}; // keypad 7
  assigns[InputButton4] = {104, 0, 0}; // keypad 8
  assigns[InputButton5] = {105, 0, 0}; // keypad 9
  assigns[InputButton6] = {101, 0, 0}; // keypad 5
  assigns[InputButton9] = {113, 0, 0}; // F2
  return assigns;
}

TInputStates TKeyboard::Sample(const TKeyStateTable &keys) const {
  TInputStates pressed;
  for (int state = 0; state < InputStateCount; ++state) {
    for (const int vk : Assigns[static_cast<size_t>(state)]) {
      if (keys.Down(vk)) {
        pressed.set(static_cast<size_t>(state));
        break;
      }
    }
  }
  return pressed;
}

void TPlayerInput::Update() {
  if (OnSample)
    OnSample();
  TInputStates snapshot;
  if (Keyboard.Enabled() && (!OnlyWhenForeground || !IsForeground || IsForeground()))
    snapshot = Keyboard.Sample(Keys);
  Keys.ClearLatches();
  const TInputStates entered = snapshot & ~Previous;
  const TInputStates left = Previous & ~snapshot;
  Current = (Current | entered) & ~left;
  Previous = snapshot;
}
