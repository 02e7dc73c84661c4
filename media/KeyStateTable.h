#pragma once
// The keyboard as the input-state set reads it: one byte per virtual-key code, bit 7 set while
// the key is down. The window keeps it from its key press and release events.
//
// A press also sets a latch bit that only the next sample clears, so that a key pressed and
// released between two frames (a quick tap, or a synthetic key event) still counts as down once.

#include <QtGlobal>

#include <array>
#include <functional>

class TKeyStateTable {
public:
  static constexpr quint8 DownBit = 0x80;
  static constexpr quint8 LatchBit = 0x01;

  // Codes outside 1..255 are ignored.
  void Press(int vk) { Set(vk, DownBit | LatchBit); }
  void Release(int vk) { Set(vk, Entry(vk) & LatchBit); }
  // Focus lost: nothing is down any more, and no tap is pending.
  void Clear() {
    Entries.fill(0);
    Changed();
  }
  // After each sample: taps that have been seen are done.
  void ClearLatches() {
    for (quint8 &e : Entries)
      e &= DownBit;
  }

  // Called after every press, release and clear: whoever samples the table only when told
  // (a sleeping frame timer) is told here.
  std::function<void()> OnChange;

  quint8 Entry(int vk) const { return InRange(vk) ? Entries[static_cast<size_t>(vk)] : 0; }
  // Down now, or pressed since the last sample.
  bool Down(int vk) const { return Entry(vk) != 0; }

private:
  static bool InRange(int vk) { return vk >= 1 && vk <= 255; }
  void Set(int vk, quint8 value) {
    if (!InRange(vk))
      return;
    Entries[static_cast<size_t>(vk)] = value;
    Changed();
  }
  void Changed() {
    if (OnChange)
      OnChange();
  }

  std::array<quint8, 256> Entries{};
};
