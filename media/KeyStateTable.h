#pragma once
// The keyboard as the player's input reads it: for each key (a code the window gives it), whether
// it is down. The window keeps it from its key press and release events.
//
// A press also sets a latch that only the next sample clears, so that a key pressed and released
// between two frames (a quick tap, or a synthetic key event) still counts as down once.

#include <QHash>
#include <QtGlobal>

#include <functional>

class TKeyStateTable {
public:
  static constexpr quint8 DownBit = 0x80;
  static constexpr quint8 LatchBit = 0x01;

  // Code 0 is no key and is ignored.
  void Press(int key) { Set(key, DownBit | LatchBit); }
  void Release(int key) { Set(key, Entry(key) & LatchBit); }
  // Focus lost: nothing is down any more, and no tap is pending.
  void Clear() {
    Entries.clear();
    Changed();
  }
  // After each sample: taps that have been seen are done.
  void ClearLatches() {
    for (auto e = Entries.begin(); e != Entries.end();)
      if ((*e &= DownBit) == 0)
        e = Entries.erase(e);
      else
        ++e;
  }
  // Called after every press, release and clear: whoever samples the table only when told
  // (a sleeping frame timer) is told here.
  std::function<void()> OnChange;

  quint8 Entry(int key) const { return Entries.value(key, 0); }
  // Down now, or pressed since the last sample.
  bool Down(int key) const { return Entry(key) != 0; }
  // Down now (not only pressed since the last sample).
  bool Held(int key) const { return Entry(key) & DownBit; }
  QList<int> HeldKeys() const {
    QList<int> held;
    for (auto e = Entries.cbegin(); e != Entries.cend(); ++e)
      if (e.value() & DownBit)
        held << e.key();
    return held;
  }

private:
  void Set(int key, quint8 value) {
    if (key == 0)
      return;
    if (value == 0)
      Entries.remove(key);
    else
      Entries[key] = value;
    Changed();
  }
  void Changed() {
    if (OnChange)
      OnChange();
  }
  QHash<int, quint8> Entries;
};
