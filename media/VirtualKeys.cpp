#include "media/VirtualKeys.h"

namespace {

constexpr int VkReturn = 13;
constexpr int VkPause = 19;
constexpr int VkSpace = 32;
constexpr int VkLeft = 37;
constexpr int VkUp = 38;
constexpr int VkRight = 39;
constexpr int VkDown = 40;
constexpr int VkDigit0 = 48;
constexpr int VkLetterA = 65;
constexpr int VkNumpad0 = 96;
constexpr int VkF1 = 112;

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
      return VkNumpad0 + digit;
  }
  if (key >= Qt::Key_A && key <= Qt::Key_Z)
    return VkLetterA + (key - Qt::Key_A);
  if (key >= Qt::Key_0 && key <= Qt::Key_9) {
    const int base = modifiers.testFlag(Qt::KeypadModifier) ? VkNumpad0 : VkDigit0;
    return base + (key - Qt::Key_0);
  }
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
    return VkF1 + (key - Qt::Key_F1);
  switch (key) {
  case Qt::Key_Space:
    return VkSpace;
  case Qt::Key_Return:
  case Qt::Key_Enter:
    return VkReturn;
  case Qt::Key_Left:
    return VkLeft;
  case Qt::Key_Up:
    return VkUp;
  case Qt::Key_Right:
    return VkRight;
  case Qt::Key_Down:
    return VkDown;
  case Qt::Key_Pause:
    return VkPause;
  default:
    return 0;
  }
}
