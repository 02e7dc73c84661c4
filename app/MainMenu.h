#pragma once
// The main window's menu bar: captions, access keys and shortcuts, each action named after
// its menu item so that the game's menu model and tests can find it.

#include <QHash>
#include <QString>

class QAction;
class QMenuBar;
class QObject;

struct TMainMenu {
  QHash<QString, QAction *> Actions; // by item name ("GameStart", "OptionSound", ...)
  QHash<QString, QObject *> Menus;   // "File1", "Game1", "Options1", "Help1", submenu "Size1"
};

TMainMenu BuildMainMenu(QMenuBar *bar);
