#pragma once
// The virtual-key codes the key-state table, the key assignments and the key commands use (the
// codes of the Windows original, so stored assignments keep their meaning), and the one place a
// Qt key event becomes such a code.

#include <Qt>

namespace Vk {
constexpr int Return = 13, Pause = 19, Space = 32;
constexpr int Left = 37, Up = 38, Right = 39, Down = 40;
constexpr int Digit0 = 48, LetterA = 65;
constexpr int H = 72, J = 74, K = 75, L = 76, P = 80, X = 88, Z = 90;
constexpr int Numpad0 = 96, Numpad2 = 98, Numpad4 = 100, Numpad5 = 101, Numpad6 = 102;
constexpr int Numpad7 = 103, Numpad8 = 104, Numpad9 = 105;
constexpr int F1 = 112, F2 = 113;
} // namespace Vk

// 0 for a key the program has no code for. Digits with the keypad modifier are the keypad
// digits (96-105); the keypad's arrows (NumLock off) are the arrow keys.
int VirtualKeyFromQt(int key, Qt::KeyboardModifiers modifiers);
