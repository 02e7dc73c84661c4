#pragma once
// What the player asks for, whatever key or button asked it: move left or right, turn (the Up
// key: clockwise or not, as the preferences say), the Down key (a drop or an anticlockwise turn,
// as the preferences say), drop, start (a game, the next level) and pause.

#include <initializer_list>

enum class TPlayerAction { Left, Right, Turn, Down, Drop, Start, Pause };
constexpr int PlayerActionCount = static_cast<int>(TPlayerAction::Pause) + 1;

class TPlayerActions {
public:
  TPlayerActions() = default;
  TPlayerActions(std::initializer_list<TPlayerAction> actions) {
    for (TPlayerAction a : actions)
      Add(a);
  }

  bool Has(TPlayerAction a) const { return Bits & Bit(a); }
  bool Empty() const { return Bits == 0; }
  void Add(TPlayerAction a) { Bits |= Bit(a); }
  void Add(TPlayerActions other) { Bits |= other.Bits; }
  void Remove(TPlayerActions other) { Bits &= ~other.Bits; }
  // The actions of this set that `other` lacks.
  TPlayerActions Without(TPlayerActions other) const { return FromBits(Bits & ~other.Bits); }
  bool operator==(const TPlayerActions &) const = default;

private:
  static unsigned Bit(TPlayerAction a) { return 1u << static_cast<unsigned>(a); }
  static TPlayerActions FromBits(unsigned bits) {
    TPlayerActions actions;
    actions.Bits = bits;
    return actions;
  }
  unsigned Bits = 0;
};
