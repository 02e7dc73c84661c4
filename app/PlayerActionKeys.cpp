#include "app/PlayerActionKeys.h"

#include <array>
#include <utility>

namespace {

// Left and Right with buttons 3 and 5, Up with 4, Down with 6, and button 1 drops.
const std::array<std::pair<TPlayerAction, std::array<TInputState, 2>>, 5> ActionStates = {{
    {TPlayerAction::Left, {InputLeft, InputButton3}},
    {TPlayerAction::Right, {InputRight, InputButton5}},
    {TPlayerAction::Turn, {InputUp, InputButton4}},
    {TPlayerAction::Down, {InputDown, InputButton6}},
    {TPlayerAction::Drop, {InputButton1, InputButton1}},
}};

} // namespace

TPlayerActions PlayerActions(const TInputStates &states) {
  TPlayerActions actions;
  for (const auto &[action, inputs] : ActionStates)
    for (TInputState s : inputs)
      if (states.test(size_t(s)))
        actions.Add(action);
  return actions;
}

TInputStates InputStatesOf(TPlayerActions actions) {
  TInputStates states;
  for (const auto &[action, inputs] : ActionStates)
    if (actions.Has(action))
      for (TInputState s : inputs)
        states.set(size_t(s));
  return states;
}
