#include "app/MenuModel.h"

void TMenuModel::Change(TCommand command, bool TItem::*field, bool on) {
  TItem &item = Items[static_cast<size_t>(command)];
  if (item.*field == on)
    return;
  item.*field = on;
  if (OnChanged)
    OnChanged(command);
}

void TMenuModel::SetEnabled(TCommand command, bool on) { Change(command, &TItem::Enabled, on); }
void TMenuModel::SetVisible(TCommand command, bool on) { Change(command, &TItem::Visible, on); }
void TMenuModel::SetChecked(TCommand command, bool on) { Change(command, &TItem::Checked, on); }
