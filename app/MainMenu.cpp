#include "app/MainMenu.h"

#include "app/RecentGamesMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>

namespace {

struct TEntry {
  const char *Name; // item name; a separator is an "N" name with no caption
  const char *Caption;
  int Shortcut;
  bool Checkable;
};

struct TMenuDef {
  const char *Name;
  const char *Caption;
  std::initializer_list<TEntry> Entries;
};

const TMenuDef MenuBar[] = {
    {"File1",
     QT_TRANSLATE_NOOP("MainMenu", "&File"),
     {{"Open1", QT_TRANSLATE_NOOP("MainMenu", "&Open Game"), 0, false},
      {"OpenRecent1", QT_TRANSLATE_NOOP("MainMenu", "Open &Recent"), 0, false},
      {"Games1", QT_TRANSLATE_NOOP("MainMenu", "G&ames..."), 0, false},
      {"DownloadMoreGames1", QT_TRANSLATE_NOOP("MainMenu", "&Download More Games"), 0, false},
      {"N5", nullptr, 0, false},
      {"New1", QT_TRANSLATE_NOOP("MainMenu", "&Create Game"), 0, false},
      {"EditGame1", QT_TRANSLATE_NOOP("MainMenu", "&Edit Game"), 0, false},
      {"N6", nullptr, 0, false},
      {"MakeExe1", QT_TRANSLATE_NOOP("MainMenu", "Make EXE"), 0, false},
      {"N3", nullptr, 0, false},
      {"Save1", QT_TRANSLATE_NOOP("MainMenu", "&Save Game"), 0, false},
      {"SaveAs1", QT_TRANSLATE_NOOP("MainMenu", "Save &Game As"), 0, false},
      {"N1", nullptr, 0, false},
      {"Exit1", QT_TRANSLATE_NOOP("MainMenu", "E&xit"), 0, false}}},
    {"Game1",
     QT_TRANSLATE_NOOP("MainMenu", "&Game"),
     {{"GameStart", QT_TRANSLATE_NOOP("MainMenu", "&Start Game"), Qt::Key_F2, false},
      {"GamePause", QT_TRANSLATE_NOOP("MainMenu", "&Pause Game"), Qt::Key_F3, true},
      {"StopGame1", QT_TRANSLATE_NOOP("MainMenu", "Stop &Game"), 0, false},
      {"N4", nullptr, 0, false},
      {"Score1", QT_TRANSLATE_NOOP("MainMenu", "S&core"), 0, false}}},
    {"Options1",
     QT_TRANSLATE_NOOP("MainMenu", "&Options"),
     {{"OptionSound", QT_TRANSLATE_NOOP("MainMenu", "&Sound On"), 0, true},
      {"Size1", QT_TRANSLATE_NOOP("MainMenu", "Si&ze"), 0, false},
      {"Settings1", QT_TRANSLATE_NOOP("MainMenu", "&Preferences"), 0, false}}},
    {"Help1",
     QT_TRANSLATE_NOOP("MainMenu", "&Help"),
     {{"HelpTopic1", QT_TRANSLATE_NOOP("MainMenu", "Help &Topic"), 0, false},
      {"Info1", QT_TRANSLATE_NOOP("MainMenu", "&About"), 0, false}}},
};

// An entry named like one of these opens it as a submenu.
const TMenuDef Submenus[] = {
    {"Size1",
     QT_TRANSLATE_NOOP("MainMenu", "Si&ze"),
     {{"SizeNormal1", QT_TRANSLATE_NOOP("MainMenu", "&Normal"), 0, true},
      {"SizeDouble1", QT_TRANSLATE_NOOP("MainMenu", "&Double"), 0, true},
      {"SizeTriple1", QT_TRANSLATE_NOOP("MainMenu", "&Triple"), 0, true},
      {"N7", nullptr, 0, false},
      {"FullScreen1", QT_TRANSLATE_NOOP("MainMenu", "&Full Screen"), Qt::Key_F11, true}}},
    {"OpenRecent1", QT_TRANSLATE_NOOP("MainMenu", "Open &Recent"), {}}, // filled when it opens
};

QString Caption(const char *english) { return QCoreApplication::translate("MainMenu", english); }

void AddEntries(QMenu *m, const TMenuDef &def, TMainMenu &menu) {
  m->setObjectName(def.Name);
  menu.Menus.insert(def.Name, m);
  for (const TEntry &e : def.Entries) {
    const auto sub = std::find_if(std::begin(Submenus), std::end(Submenus),
                                  [&e](const TMenuDef &s) { return qstrcmp(s.Name, e.Name) == 0; });
    if (sub != std::end(Submenus)) {
      QMenu *submenu =
          qstrcmp(sub->Name, "OpenRecent1") == 0 ? new TRecentGamesMenu(m) : new QMenu(m);
      submenu->setTitle(Caption(sub->Caption));
      m->addMenu(submenu);
      AddEntries(submenu, *sub, menu);
      // The game's menu model shows, hides and enables a submenu through its menu item.
      menu.Actions.insert(sub->Name, submenu->menuAction());
      continue;
    }
    QAction *a = e.Caption ? m->addAction(Caption(e.Caption)) : m->addSeparator();
    a->setObjectName(e.Name);
    if (e.Shortcut)
      a->setShortcut(QKeySequence(e.Shortcut));
    a->setCheckable(e.Checkable);
    menu.Actions.insert(e.Name, a);
  }
}

} // namespace

TMainMenu BuildMainMenu(QMenuBar *bar) {
  TMainMenu menu;
  for (const TMenuDef &def : MenuBar)
    AddEntries(bar->addMenu(Caption(def.Caption)), def, menu);
  return menu;
}

QMap<TKeyCode, QString> MenuShortcutKeys(const QWidget *window) {
  QMap<TKeyCode, QString> keys;
  if (!window)
    return keys;
  for (const QAction *action : window->findChildren<QAction *>()) {
    const QKeySequence shortcut = action->shortcut();
    if (shortcut.isEmpty())
      continue;
    const QKeyCombination key = shortcut[0];
    keys.insert(KeyOfEvent(key.key(), key.keyboardModifiers()),
                QString(action->text()).remove('&'));
  }
  return keys;
}
