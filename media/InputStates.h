#pragma once
// The named input states (directions and buttons) as values: what the player asks for in a
// frame, whatever device it came from.

#include <bitset>

enum TInputState : int {
  InputUp = 0,
  InputDown,
  InputLeft,
  InputRight,
  InputButton1,
  InputButton2,
  InputButton3,
  InputButton4,
  InputButton5,
  InputButton6,
  InputButton7,
  InputButton8,
  InputButton9,
  InputButton10,
  InputButton11,
  InputButton12,
  InputButton13,
  InputButton14,
  InputButton15,
  InputButton16,
  InputButton17,
  InputButton18,
  InputButton19,
  InputButton20,
  InputButton21,
  InputButton22,
  InputButton23,
  InputButton24,
  InputButton25,
  InputButton26,
  InputButton27,
  InputButton28,
  InputButton29,
  InputButton30,
  InputButton31,
  InputButton32,
};

constexpr int InputStateCount = InputButton32 + 1;

// Bit n stands for state n.
using TInputStates = std::bitset<InputStateCount>;
