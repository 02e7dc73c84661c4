#pragma once
// The main window: a 600 x 400 client area showing the game's window picture with the play
// surface inside it, the menu bar, and the keyboard. All game logic lives in TGame.

#include "app/MainMenu.h"

#include <QMainWindow>

class TGame;
class TPlaySurfaceView;
class TWindowPictureView;

class TMainForm : public QMainWindow {
  Q_OBJECT
public:
  explicit TMainForm(TGame &game, QWidget *parent = nullptr);

  TGame &Game() { return GameRef; }
  QAction *Action(const QString &name) const { return Menu.Actions.value(name); }

protected:
  void keyPressEvent(QKeyEvent *event) override;
  void keyReleaseEvent(QKeyEvent *event) override;
  void changeEvent(QEvent *event) override;
  void closeEvent(QCloseEvent *event) override;

private:
  void SyncMenuItem(const QString &name);
  void ConnectMenuCommands();
  void PlacePlaySurface();

  TGame &GameRef;
  TMainMenu Menu;
  TWindowPictureView *ShowImage;
  TPlaySurfaceView *DXDraw;
};
