#pragma once
// The main window: a 600 x 400 client area showing the game's window picture with the play
// surface inside it, the menu bar, and the keyboard. All game logic lives in TGame.

#include "app/MainMenu.h"
#include "app/WindowSize.h"

#include <QMainWindow>

class TGame;
class TPlaySurfaceView;
class TSettingsStore;
class TWindowPictureView;

class TMainForm : public QMainWindow {
  Q_OBJECT
public:
  TMainForm(TGame &game, TSettingsStore &settings, QWidget *parent = nullptr);

  TGame &Game() { return GameRef; }
  QAction *Action(const QString &name) const { return Menu.Actions.value(name); }

  // Places the client area (menu bar and picture) at the stored point; the close stores the
  // same point, so a window manager's frame never makes the window drift.
  void PlaceAt(QPoint clientTopLeft);
  // The session is ending: close without any question.
  void CloseAtOnce();

  // Normal, Double, Triple or full screen; the menu shows it. Stored by the Size commands.
  void ApplySize(const TWindowSize &size);
  const TWindowSize &Size() const { return CurrentSize; }

protected:
  void keyPressEvent(QKeyEvent *event) override;
  void keyReleaseEvent(QKeyEvent *event) override;
  void changeEvent(QEvent *event) override;
  void closeEvent(QCloseEvent *event) override;
  void dragEnterEvent(QDragEnterEvent *event) override;
  void dropEvent(QDropEvent *event) override;

private:
  void SyncMenuItem(const QString &name);
  void ConnectMenuCommands();
  void PlacePlaySurface();
  void WatchMenus();
  void ReturnKeysToGame();
  void ConnectSizeCommands();
  // The client area's top-left corner of the window as it is (or was, before full screen).
  QPoint WindowedTopLeft() const;

  TGame &GameRef;
  TSettingsStore &Settings;
  TMainMenu Menu;
  TWindowSize CurrentSize;
  QPoint TopLeftBeforeFullScreen;
  TWindowPictureView *ShowImage;
  TPlaySurfaceView *DXDraw;
  int OpenMenus = 0;
  bool CloseWithoutQuestions = false;
};
