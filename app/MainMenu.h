#pragma once
// The main window's menu bar: captions, access keys and shortcuts, each action named after
// its menu item so that the game's menu model and tests can find it.

#include "input/KeyBindings.h"

#include <QHash>
#include <QMap>
#include <QString>

class QAction;
class QMenuBar;
class QObject;
class QWidget;

struct TMainMenu {
  QHash<QString, QAction *> Actions; // by item name ("GameStart", "OptionSound", ...)
  QHash<QString, QObject *> Menus;   // "File1", "Game1", "Options1", "Help1", submenu "Size1"
};

TMainMenu BuildMainMenu(QMenuBar *bar);

// The keys a window's menu items answer to (their shortcuts), each with the item's caption
// without its access-key mark: keys the player cannot take for playing.
QMap<TKeyCode, QString> MenuShortcutKeys(const QWidget *window);
