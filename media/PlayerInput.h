#pragma once
// The input-state set: 36 named states fed by the keyboard. A state enters the set on the
// Update that first sees one of its keys down and leaves on the Update that first sees all of
// them up. The game removes a state to consume a press: while the key stays down the state
// does not come back; it takes a release and a new press.

#include "media/InputStates.h"
#include "media/KeyStateTable.h"

#include <array>
#include <functional>

// For each state, up to three virtual-key codes; 0 is no key.
using TKeyAssigns = std::array<std::array<int, 3>, InputStateCount>;

// The program's keys: letters, arrows and the numeric keypad for the directions, Z/Space,
// X/Enter, keypad 7, 8, 9, 5 for buttons 1 to 6, and F2 for button 9.
TKeyAssigns DefaultKeyAssigns();

class TKeyboard {
public:
  bool Enabled() const { return IsEnabled; }
  // Disabled, the keyboard reports nothing pressed, so held states leave at the next Update.
  void SetEnabled(bool on) { IsEnabled = on; }

  TKeyAssigns Assigns = DefaultKeyAssigns();

  // The states any of whose keys are down in keys.
  TInputStates Sample(const TKeyStateTable &keys) const;

private:
  bool IsEnabled = true;
};

class TPlayerInput {
public:
  explicit TPlayerInput(TKeyStateTable &keys) : Keys(keys) {}

  TKeyboard Keyboard;
  // Whether the main window is the foreground window; unset, it always is.
  std::function<bool()> IsForeground;
  // Called at the start of every Update, before the keyboard is read: other devices (game
  // controllers) press and release keys in the table here.
  std::function<void()> OnSample;

  // With ActiveOnly set (the default), no key counts while the main window is not in front.
  bool ActiveOnly() const { return OnlyWhenForeground; }
  void SetActiveOnly(bool on) { OnlyWhenForeground = on; }

  // Samples the keyboard and lets states enter and leave the set.
  void Update();

  const TInputStates &States() const { return Current; }
  bool Has(TInputState state) const { return Current.test(static_cast<size_t>(state)); }
  void Remove(TInputState state) { Current.reset(static_cast<size_t>(state)); }
  void Remove(const TInputStates &states) { Current &= ~states; }

private:
  TKeyStateTable &Keys;
  bool OnlyWhenForeground = true;
  TInputStates Current;
  TInputStates Previous;
};
