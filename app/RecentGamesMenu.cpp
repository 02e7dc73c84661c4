#include "app/RecentGamesMenu.h"

#include <QCoreApplication>
#include <QStyleOptionMenuItem>

namespace {
const char *const MissingProperty = "missingGame";
}

TRecentGamesMenu::TRecentGamesMenu(QWidget *parent) : QMenu(parent) {
  setObjectName("OpenRecent1");
  setToolTipsVisible(true);
  connect(this, &QMenu::aboutToShow, this, [this] { Fill(); });
}

void TRecentGamesMenu::Fill() {
  clear();
  const QList<TRecentGame> entries = Entries ? Entries() : QList<TRecentGame>();
  for (const TRecentGame &entry : entries) {
    // "&" in a file name is shown, not taken for an access key.
    QAction *item = addAction(QString(entry.Shown).replace('&', "&&"));
    item->setToolTip(entry.FullName);
    item->setProperty(MissingProperty, !entry.Exists);
    connect(item, &QAction::triggered, this, [this, stored = entry.Stored] {
      if (OnChosen)
        OnChosen(stored);
    });
  }
  if (!entries.isEmpty())
    addSeparator();
  QAction *clearItem = addAction(QCoreApplication::translate("TRecentGamesMenu", "&Clear"));
  clearItem->setObjectName("ClearRecent1");
  clearItem->setEnabled(!entries.isEmpty());
  connect(clearItem, &QAction::triggered, this, [this] {
    if (OnClear)
      OnClear();
  });
}

void TRecentGamesMenu::initStyleOption(QStyleOptionMenuItem *option, const QAction *action) const {
  QMenu::initStyleOption(option, action);
  // Drawn as a disabled item is, by state and colours, but left enabled so it can be chosen.
  if (action && action->property(MissingProperty).toBool()) {
    option->state &= ~QStyle::State_Enabled;
    option->palette.setCurrentColorGroup(QPalette::Disabled);
  }
}
