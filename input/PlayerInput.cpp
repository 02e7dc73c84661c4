#include "input/PlayerInput.h"

TPlayerActions TKeyboard::Sample(const TKeyStateTable &keys) const {
  TPlayerActions pressed;
  for (int a = 0; a < PlayerActionCount; ++a) {
    const auto action = static_cast<TPlayerAction>(a);
    for (const TKeyCode key : Bindings.Keys(action)) {
      if (keys.Down(key)) {
        pressed.Add(action);
        break;
      }
    }
  }
  return pressed;
}

void TPlayerInput::Update() {
  if (OnSample)
    OnSample();
  TPlayerActions snapshot;
  if (Keyboard.Enabled() && (!OnlyWhenForeground || !IsForeground || IsForeground()))
    snapshot = Keyboard.Sample(Keys);
  Keys.ClearLatches();
  const TPlayerActions entered = snapshot.Without(Previous);
  const TPlayerActions left = Previous.Without(snapshot);
  Current.Add(entered);
  Current.Remove(left);
  Previous = snapshot;
}
