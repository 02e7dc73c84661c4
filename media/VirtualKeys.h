#pragma once
// Turns a Qt key event into the virtual-key code that the key-state table and the key
// assignments use.

#include <Qt>

// 0 for a key the program has no code for. Digits with the keypad modifier are the keypad
// digits (96-105); the keypad's arrows (NumLock off) are the arrow keys.
int VirtualKeyFromQt(int key, Qt::KeyboardModifiers modifiers);
