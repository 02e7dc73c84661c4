#include "media/PlayerInput.h"

#include "media/VirtualKeys.h"

TKeyAssigns DefaultKeyAssigns() {
  TKeyAssigns assigns{};
  assigns[InputUp] = {Vk::K, Vk::Up, Vk::Numpad8};
  assigns[InputDown] = {Vk::J, Vk::Down, Vk::Numpad2};
  assigns[InputLeft] = {Vk::H, Vk::Left, Vk::Numpad4};
  assigns[InputRight] = {Vk::L, Vk::Right, Vk::Numpad6};
  assigns[InputButton1] = {Vk::Z, Vk::Space, 0};
  assigns[InputButton2] = {Vk::X, Vk::Return, 0};
  assigns[InputButton3] = {Vk::Numpad7, 0, 0};
  assigns[InputButton4] = {Vk::Numpad8, 0, 0};
  assigns[InputButton5] = {Vk::Numpad9, 0, 0};
  assigns[InputButton6] = {Vk::Numpad5, 0, 0};
  assigns[InputButton9] = {Vk::F2, 0, 0};
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
