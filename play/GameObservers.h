#pragma once
// Those who watch a game, told of each event in the order they subscribed.

#include "play/GameEvents.h"

#include <vector>

class TGameObservers {
public:
  void Add(TGameEvents &observer) { List.push_back(&observer); }
  // Calls tell(observer) for each observer.
  template <typename Event> void Tell(Event tell) const {
    for (TGameEvents *observer : List)
      tell(*observer);
  }

private:
  std::vector<TGameEvents *> List;
};
