#pragma once
// The player's actions as the keys ask for them: an action enters the set on the Update that
// first sees one of its keys down and leaves on the Update that first sees all of them up. The
// game removes an action to consume a press: while the key stays down the action does not come
// back; it takes a release and a new press.

#include "input/KeyBindings.h"
#include "media/KeyStateTable.h"
#include "rules/PlayerActions.h"

#include <functional>

class TKeyboard {
public:
  bool Enabled() const { return IsEnabled; }
  // Disabled, the keyboard reports nothing pressed, so held actions leave at the next Update.
  void SetEnabled(bool on) { IsEnabled = on; }
  TKeyBindings Bindings = TKeyBindings::Defaults();
  // The actions any of whose keys are down in keys.
  TPlayerActions Sample(const TKeyStateTable &keys) const;

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

  // Samples the keyboard and lets actions enter and leave the set.
  void Update();
  const TPlayerActions &Actions() const { return Current; }
  bool Has(TPlayerAction action) const { return Current.Has(action); }
  void Remove(TPlayerActions actions) { Current.Remove(actions); }

private:
  TKeyStateTable &Keys;
  bool OnlyWhenForeground = true;
  TPlayerActions Current;
  TPlayerActions Previous;
};
