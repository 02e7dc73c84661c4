#pragma once
// The keyboard as the input-state set reads it: one byte per virtual-key code, bit 7 set while
// the key is down. The window keeps it from its key press and release events.

#include <QtGlobal>

#include <array>

class TKeyStateTable {
public:
  static constexpr quint8 DownBit = 0x80;

  // Codes outside 1..255 are ignored.
  void Press(int vk) { Set(vk, DownBit); }
  void Release(int vk) { Set(vk, 0); }
  void Clear() { Entries.fill(0); }

  quint8 Entry(int vk) const { return InRange(vk) ? Entries[static_cast<size_t>(vk)] : 0; }
  bool Down(int vk) const { return (Entry(vk) & DownBit) != 0; }

private:
  static bool InRange(int vk) { return vk >= 1 && vk <= 255; }
  void Set(int vk, quint8 value) {
    if (InRange(vk))
      Entries[static_cast<size_t>(vk)] = value;
  }

  std::array<quint8, 256> Entries{};
};
