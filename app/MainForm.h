#pragma once
// The main window: a 600 x 400 client area showing the game's window picture with the play
// surface inside it, the menu bar, and the keyboard. All game logic lives in TGame.

#include "app/MainMenu.h"
#include "app/MenuCommandSet.h"
#include "app/WindowSize.h"

#include <QDialog>
#include <QMainWindow>
#include <QPointer>
#include <QRegion>

#include <optional>

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
  // File > Games...; one gallery at a time.
  void ShowGamesGallery();

  // Normal, Double, Triple or full screen; the menu shows it. Stored by the Size commands.
  void ApplySize(const TWindowSize &size);
  const TWindowSize &Size() const { return CurrentSize; }
  // What the window adds around the picture (the menu bar).
  QSize Chrome() const { return ChromeSize; }

protected:
  void keyPressEvent(QKeyEvent *event) override;
  void keyReleaseEvent(QKeyEvent *event) override;
  void changeEvent(QEvent *event) override;
  void closeEvent(QCloseEvent *event) override;
  void dragEnterEvent(QDragEnterEvent *event) override;
  void dropEvent(QDropEvent *event) override;

private:
  void SyncMenuItem(TCommand command);
  void ConnectMenuCommands();
  void PlacePlaySurface();
  void RepaintWholeWindow();
  // The parts of the window picture given, in its own pixels.
  void RepaintWindowPicture(const QRegion &changed);
  void WatchMenus();
  void ReturnKeysToGame();
  void ConnectSizeCommands();
  void ConnectRecentGames();
  // The window factors offered are those whose window, frame included, fits the available area
  // of the screen the window is on when the menu opens.
  void OfferFittingSizes();
  // After a size change: the whole window, frame included, back onto its screen.
  void KeepWindowOnScreen();
  QMargins Frame() const;
  // The client area's top-left corner of the window as it is (or was, before full screen);
  // nothing where the platform does not tell windows where they are (Wayland).
  std::optional<QPoint> WindowedTopLeft() const;

  TGame &GameRef;
  TSettingsStore &Settings;
  TMainMenu Menu;
  TWindowSize CurrentSize;
  QSize ChromeSize;
  int LargestFittingFactor = TWindowSize::MaxFactor;
  QPoint TopLeftBeforeFullScreen;
  TWindowPictureView *ShowImage;
  TPlaySurfaceView *SurfaceView;
  int OpenMenus = 0;
  bool CloseWithoutQuestions = false;
  QPointer<QDialog> Gallery;
};
