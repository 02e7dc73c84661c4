#include "app/MenuModel.h"

void TMenuModel::Change(const QString &name, bool TItem::*field, bool on) {
  TItem &item = Items[name];
  if (item.*field == on)
    return;
  item.*field = on;
  if (OnChanged)
    OnChanged(name);
}

void TMenuModel::SetEnabled(const QString &name, bool on) { Change(name, &TItem::Enabled, on); }
void TMenuModel::SetVisible(const QString &name, bool on) { Change(name, &TItem::Visible, on); }
void TMenuModel::SetChecked(const QString &name, bool on) { Change(name, &TItem::Checked, on); }
