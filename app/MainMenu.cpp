#include "app/MainMenu.h"

#include "app/RecentGamesMenu.h"

#include <QAction>
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
     "&File",
     {{"Open1", "&Open Game", 0, false},
      {"OpenRecent1", "Open &Recent", 0, false},
      {"Games1", "G&ames...", 0, false},
      {"DownloadMoreGames1", "&Download More Games", 0, false},
      {"N5", nullptr, 0, false},
      {"New1", "&Create Game", 0, false},
      {"EditGame1", "&Edit Game", 0, false},
      {"N6", nullptr, 0, false},
      {"MakeExe1", "Make EXE", 0, false},
      {"N3", nullptr, 0, false},
      {"Save1", "&Save Game", 0, false},
      {"SaveAs1", "Save &Game As", 0, false},
      {"N1", nullptr, 0, false},
      {"Exit1", "E&xit", 0, false}}},
    {"Game1",
     "&Game",
     {{"GameStart", "&Start Game", Qt::Key_F2, false},
      {"GamePause", "&Pause Game", Qt::Key_F3, true},
      {"StopGame1", "Stop &Game", 0, false},
      {"N4", nullptr, 0, false},
      {"Score1", "S&core", 0, false}}},
    {"Options1",
     "&Options",
     {{"OptionSound", "&Sound On", 0, true},
      {"Size1", "Si&ze", 0, false},
      {"Settings1", "&Preferences", 0, false}}},
    {"Help1", "&Help", {{"HelpTopic1", "Help &Topic", 0, false}, {"Info1", "&About", 0, false}}},
};

// An entry named like one of these opens it as a submenu.
const TMenuDef Submenus[] = {
    {"Size1",
     "Si&ze",
     {{"SizeNormal1", "&Normal", 0, true},
      {"SizeDouble1", "&Double", 0, true},
      {"SizeTriple1", "&Triple", 0, true},
      {"N7", nullptr, 0, false},
      {"FullScreen1", "&Full Screen", Qt::Key_F11, true}}},
    {"OpenRecent1", "Open &Recent", {}}, // filled when it opens
};

void AddEntries(QMenu *m, const TMenuDef &def, TMainMenu &menu) {
  m->setObjectName(def.Name);
  menu.Menus.insert(def.Name, m);
  for (const TEntry &e : def.Entries) {
    const auto sub = std::find_if(std::begin(Submenus), std::end(Submenus),
                                  [&e](const TMenuDef &s) { return qstrcmp(s.Name, e.Name) == 0; });
    if (sub != std::end(Submenus)) {
      QMenu *submenu =
          qstrcmp(sub->Name, "OpenRecent1") == 0 ? new TRecentGamesMenu(m) : new QMenu(m);
      submenu->setTitle(QString::fromLatin1(sub->Caption));
      m->addMenu(submenu);
      AddEntries(submenu, *sub, menu);
      // The game's menu model shows, hides and enables a submenu through its menu item.
      menu.Actions.insert(sub->Name, submenu->menuAction());
      continue;
    }
    QAction *a = e.Caption ? m->addAction(QString::fromLatin1(e.Caption)) : m->addSeparator();
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
    AddEntries(bar->addMenu(QString::fromLatin1(def.Caption)), def, menu);
  return menu;
}
