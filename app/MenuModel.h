#pragma once
// The state of the main window's menu items (enabled, visible, checked) by item name, kept by
// the game so that it can be driven and inspected without a window. The window mirrors it.

#include <QHash>
#include <QString>

#include <functional>

class TMenuModel {
public:
  struct TItem {
    bool Enabled = true;
    bool Visible = true;
    bool Checked = false;
  };

  bool Enabled(const QString &name) const { return Item(name).Enabled; }
  bool Visible(const QString &name) const { return Item(name).Visible; }
  bool Checked(const QString &name) const { return Item(name).Checked; }
  void SetEnabled(const QString &name, bool on);
  void SetVisible(const QString &name, bool on);
  void SetChecked(const QString &name, bool on);

  std::function<void(const QString &name)> OnChanged;

private:
  TItem Item(const QString &name) const { return Items.value(name); }
  void Change(const QString &name, bool TItem::*field, bool on);

  QHash<QString, TItem> Items;
};
