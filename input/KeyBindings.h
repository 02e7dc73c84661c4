#pragma once
// The one table from keys to the player's actions, and the one place a key event becomes a key
// of that table: Qt's key code, with the keypad modifier for a key on the keypad (so keypad 8
// and the 8 above the letters are two keys), and no other modifier.

#include "rules/PlayerActions.h"

#include <QList>
#include <Qt>

#include <array>
#include <optional>

using TKeyCode = int;

constexpr TKeyCode KeyCode(Qt::Key key, bool keypad = false) {
  return int(key) | (keypad ? int(Qt::KeypadModifier) : 0);
}
// A game controller's button (a TPadControl) as a key of the table: below zero, where no key
// event's code lies.
constexpr TKeyCode PadButtonCode(int control) { return -1 - control; }
constexpr bool IsPadButton(TKeyCode key) { return key < 0; }
// The keys of a list that are controller buttons, or those that are not.
QList<TKeyCode> KeysOfKind(const QList<TKeyCode> &keys, bool padButtons);
// The key of a key event; 0 for a lone modifier or no key. With NumLock off the keypad sends
// navigation keys: each stands for its digit, so the keypad plays the same either way.
TKeyCode KeyOfEvent(int key, Qt::KeyboardModifiers modifiers);

class TKeyBindings {
public:
  // The arrows, H/J/K/L and the keypad move and turn (keypad 7 and 9 move too, 5 is Down);
  // Space and Z drop and start; P and Pause pause. On a controller: the d-pad or stick moves,
  // down and A drop and start, B and X turn, Start pauses and starts.
  static TKeyBindings Defaults();

  const QList<TKeyCode> &Keys(TPlayerAction action) const { return Table[Index(action)]; }
  void SetKeys(TPlayerAction action, QList<TKeyCode> keys) {
    Table[Index(action)] = std::move(keys);
  }
  // The actions this key asks for.
  TPlayerActions ActionsOf(TKeyCode key) const;
  // The action that already answers to this key and may not share it with `action`, if any:
  // the actions of play may not share keys; Start, which acts only while nothing is played,
  // may share them with any.
  std::optional<TPlayerAction> ClashOf(TPlayerAction action, TKeyCode key) const;
  bool operator==(const TKeyBindings &) const = default;

private:
  static std::size_t Index(TPlayerAction action) { return static_cast<std::size_t>(action); }
  std::array<QList<TKeyCode>, PlayerActionCount> Table;
};
