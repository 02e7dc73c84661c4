#include "media/VirtualKeys.h"

namespace {

// With NumLock off the keypad sends navigation keys. The arrows already act as keypad 4, 6, 8
// and 2 do; the others stand for their digit, so the keypad plays the same either way.
int KeypadDigit(int key) {
  switch (key) {
  case Qt::Key_Insert:
    return 0;
  case Qt::Key_End:
    return 1;
  case Qt::Key_PageDown:
    return 3;
  case Qt::Key_Clear:
    return 5;
  case Qt::Key_Home:
    return 7;
  case Qt::Key_PageUp:
    return 9;
  default:
    return -1;
  }
}

} // namespace

int VirtualKeyFromQt(int key, Qt::KeyboardModifiers modifiers) {
  if (modifiers.testFlag(Qt::KeypadModifier)) {
    const int digit = KeypadDigit(key);
    if (digit >= 0)
      return Vk::Numpad0 + digit;
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z)
    return Vk::LetterA + (key - Qt::Key_A);
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    const int base = modifiers.testFlag(Qt::KeypadModifier) ? Vk::Numpad0 : Vk::Digit0;
    return base + (key - Qt::Key_0);
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
    return Vk::F1 + (key - Qt::Key_F1);
  switch (key) {
  case Qt::Key_Space:
    return Vk::Space;
  case Qt::Key_Return:
  case Qt::Key_Enter:
    return Vk::Return;
  case Qt::Key_Left:
    return Vk::Left;
  case Qt::Key_Up:
    return Vk::Up;
  case Qt::Key_Right:
    return Vk::Right;
  case Qt::Key_Down:
    return Vk::Down;
  case Qt::Key_Pause:
    return Vk::Pause;
  default:
    return 0;
  }
}
