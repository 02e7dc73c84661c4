#include "input/KeyBindings.h"

#include "media/Gamepads.h"

namespace {

// The keypad's keys as NumLock off sends them, and the digit each stands for.
Qt::Key KeypadDigit(int key) {
  switch (key) {
  case Qt::Key_Insert:
    return Qt::Key_0;
  case Qt::Key_End:
    return Qt::Key_1;
  case Qt::Key_Down:
    return Qt::Key_2;
  case Qt::Key_PageDown:
    return Qt::Key_3;
  case Qt::Key_Left:
    return Qt::Key_4;
  case Qt::Key_Clear:
    return Qt::Key_5;
  case Qt::Key_Right:
    return Qt::Key_6;
  case Qt::Key_Home:
    return Qt::Key_7;
  case Qt::Key_Up:
    return Qt::Key_8;
  case Qt::Key_PageUp:
    return Qt::Key_9;
  default:
    return Qt::Key(key);
  }
}

bool IsModifier(int key) {
  return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt ||
         key == Qt::Key_Meta || key == Qt::Key_AltGr || key == Qt::Key_CapsLock ||
         key == Qt::Key_NumLock || key == Qt::Key_ScrollLock || key == Qt::Key_Super_L ||
         key == Qt::Key_Super_R || key == Qt::Key_Hyper_L || key == Qt::Key_Hyper_R;
}

} // namespace

TKeyCode KeyOfEvent(int key, Qt::KeyboardModifiers modifiers) {
  if (key == 0 || key == Qt::Key_unknown || IsModifier(key))
    return 0;
  if (modifiers.testFlag(Qt::KeypadModifier))
    return KeyCode(KeypadDigit(key), true);
  return KeyCode(Qt::Key(key));
}

QList<TKeyCode> KeysOfKind(const QList<TKeyCode> &keys, bool padButtons) {
  QList<TKeyCode> kept;
  for (const TKeyCode key : keys)
    if (IsPadButton(key) == padButtons)
      kept << key;
  return kept;
}

TKeyBindings TKeyBindings::Defaults() {
  TKeyBindings b;
  b.SetKeys(TPlayerAction::Left,
            {KeyCode(Qt::Key_Left), KeyCode(Qt::Key_H), KeyCode(Qt::Key_4, true),
             KeyCode(Qt::Key_7, true), PadButtonCode(PadLeft)});
  b.SetKeys(TPlayerAction::Right,
            {KeyCode(Qt::Key_Right), KeyCode(Qt::Key_L), KeyCode(Qt::Key_6, true),
             KeyCode(Qt::Key_9, true), PadButtonCode(PadRight)});
  b.SetKeys(TPlayerAction::Turn, {KeyCode(Qt::Key_Up), KeyCode(Qt::Key_K), KeyCode(Qt::Key_8, true),
                                  PadButtonCode(PadTurn)});
  b.SetKeys(TPlayerAction::Down, {KeyCode(Qt::Key_Down), KeyCode(Qt::Key_J),
                                  KeyCode(Qt::Key_2, true), KeyCode(Qt::Key_5, true)});
  b.SetKeys(TPlayerAction::Drop, {KeyCode(Qt::Key_Space), KeyCode(Qt::Key_Z),
                                  PadButtonCode(PadDown), PadButtonCode(PadDrop)});
  b.SetKeys(TPlayerAction::Start,
            {KeyCode(Qt::Key_Space), KeyCode(Qt::Key_Z), PadButtonCode(PadDown),
             PadButtonCode(PadDrop), PadButtonCode(PadStart)});
  b.SetKeys(TPlayerAction::Pause,
            {KeyCode(Qt::Key_P), KeyCode(Qt::Key_Pause), PadButtonCode(PadStart)});
  return b;
}

TPlayerActions TKeyBindings::ActionsOf(TKeyCode key) const {
  TPlayerActions actions;
  for (int a = 0; a < PlayerActionCount; ++a)
    if (Table[std::size_t(a)].contains(key))
      actions.Add(static_cast<TPlayerAction>(a));
  return actions;
}

std::optional<TPlayerAction> TKeyBindings::ClashOf(TPlayerAction action, TKeyCode key) const {
  if (action == TPlayerAction::Start)
    return std::nullopt;
  for (int a = 0; a < PlayerActionCount; ++a) {
    const auto other = static_cast<TPlayerAction>(a);
    if (other != action && other != TPlayerAction::Start && Keys(other).contains(key))
      return other;
  }
  return std::nullopt;
}
