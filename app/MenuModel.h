#pragma once
// The state of the main window's menu items (enabled, visible, checked) by command, kept by the
// game so that it can be driven and inspected without a window. The window mirrors it.

#include "app/MenuCommandSet.h"

#include <array>
#include <functional>

class TMenuModel {
public:
  bool Enabled(TCommand command) const { return Item(command).Enabled; }
  bool Visible(TCommand command) const { return Item(command).Visible; }
  bool Checked(TCommand command) const { return Item(command).Checked; }
  void SetEnabled(TCommand command, bool on);
  void SetVisible(TCommand command, bool on);
  void SetChecked(TCommand command, bool on);

  std::function<void(TCommand)> OnChanged;

private:
  struct TItem {
    bool Enabled = true;
    bool Visible = true;
    bool Checked = false;
  };
  const TItem &Item(TCommand command) const { return Items[static_cast<size_t>(command)]; }
  void Change(TCommand command, bool TItem::*field, bool on);

  std::array<TItem, std::size(AllCommands)> Items{};
};
