#include "app/MainForm.h"

#include "app/CommandLine.h"
#include "app/Game.h"
#include "app/GamesGalleryDialog.h"
#include "app/PlaySurfaceView.h"
#include "app/RecentGamesMenu.h"
#include "app/Trace.h"
#include "app/WindowPictureView.h"
#include "app/WindowPlacement.h"
#include "input/KeyBindings.h"
#include "settings/SettingsStore.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace {
// The window factor a Size command chooses; 0 for any other command.
int FactorOf(TCommand command) {
  switch (command) {
  case TCommand::SizeNormal:
    return 1;
  case TCommand::SizeDouble:
    return 2;
  case TCommand::SizeTriple:
    return 3;
  default:
    return 0;
  }
}
} // namespace

TMainForm::TMainForm(TGame &game, TSettingsStore &settings, QWidget *parent)
    : QMainWindow(parent), GameRef(game), Settings(settings) {
  setObjectName("MainForm");
  setWindowTitle("Quarrybox");
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setFocusPolicy(Qt::StrongFocus);
  setAcceptDrops(true);
  Menu = BuildMainMenu(menuBar());

  ShowImage = new TWindowPictureView(game, this);
  setCentralWidget(ShowImage);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  SurfaceView = new TPlaySurfaceView(game.Screen().Surface(), ShowImage);
  ShowImage->OnLayoutChanged = [this] { PlacePlaySurface(); };
  PlacePlaySurface();

  game.Menu().OnChanged = [this](TCommand command) { SyncMenuItem(command); };
  for (TCommand command : AllCommands)
    SyncMenuItem(command);
  game.OnCaptionChanged = [this] { setWindowTitle(GameRef.Caption()); };
  game.Screen().Shown().OnChanged = [this](const QRegion &changed) {
    RepaintWindowPicture(changed);
  };
  game.Screen().Overlays().OnChanged = [this] { RepaintWholeWindow(); };
  game.OnCloseRequested = [this] { close(); };
  game.Screen().Surface().OnPresent = [this](const QRect &changed) {
    SurfaceView->ShowChanged(changed);
  };
  game.Screen().Surface().OnMoved = [this] { PlacePlaySurface(); };
  ConnectMenuCommands();
  ConnectSizeCommands();
  ConnectRecentGames();
  ApplySize(CurrentSize);
  ChromeSize = sizeHint() - TWindowPictureView::PictureSize * CurrentSize.Factor;
  WatchMenus();
  connect(static_cast<QMenu *>(Menu.Menus.value("Options1")), &QMenu::aboutToShow, this,
          [this] { OfferFittingSizes(); });
  // The application, not this window, being active: the program's own dialogs do not count.
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
    if (s == Qt::ApplicationActive)
      GameRef.WindowActive(true);
    else
      GameRef.WindowActive(false);
  });
  game.Model().Input().IsForeground = [this] { return isActiveWindow(); };
}

// The menu bar is repainted with the picture, so that the two together are the whole window: Qt's
// X11 backing store sends the whole window to the server straight from its image, but copies any
// part of it into a buffer first, and that buffer keeps the size of the largest part ever sent
// (a megabyte for the picture alone).
void TMainForm::RepaintWholeWindow() {
  menuBar()->update();
  ShowImage->update();
}

void TMainForm::RepaintWindowPicture(const QRegion &changed) {
  // (QRegion::contains(QRect) only asks for an overlap.)
  if (QRegion(QRect(QPoint(0, 0), TWindowPictureView::PictureSize)).subtracted(changed).isEmpty()) {
    RepaintWholeWindow();
    return;
  }
  const int factor = ShowImage->Factor();
  QRegion shown;
  for (const QRect &part : changed)
    shown += QRect(ShowImage->Origin() + part.topLeft() * factor, part.size() * factor);
  ShowImage->update(shown);
}

void TMainForm::PlaceAt(QPoint clientTopLeft) {
  TopLeftBeforeFullScreen = clientTopLeft;
  if (!CurrentSize.FullScreen)
    setGeometry(QRect(clientTopLeft, sizeHint()));
}

std::optional<QPoint> TMainForm::WindowedTopLeft() const {
  if (QGuiApplication::platformName().startsWith("wayland"))
    return std::nullopt;
  return CurrentSize.FullScreen ? TopLeftBeforeFullScreen : geometry().topLeft();
}

void TMainForm::ConnectSizeCommands() {
  for (TCommand command : {TCommand::SizeNormal, TCommand::SizeDouble, TCommand::SizeTriple})
    connect(Action(MenuItemName(command)), &QAction::triggered, this,
            [this, factor = FactorOf(command)] {
              ApplySize({factor, false});
              WriteWindowSize(Settings, CurrentSize);
            });
  connect(Action(MenuItemName(TCommand::FullScreen)), &QAction::triggered, this, [this] {
    ApplySize({CurrentSize.Factor, !CurrentSize.FullScreen});
    WriteWindowSize(Settings, CurrentSize);
  });
}

void TMainForm::ApplySize(const TWindowSize &size) {
  const bool wasFull = CurrentSize.FullScreen;
  if (size.FullScreen && !wasFull)
    TopLeftBeforeFullScreen = geometry().topLeft();
  CurrentSize = size;
  if (size.FullScreen) {
    layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    ShowImage->SetFilling();
    setWindowState(windowState() | Qt::WindowFullScreen);
  } else {
    setWindowState(windowState() & ~Qt::WindowFullScreen);
    ShowImage->SetFactor(size.Factor);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    if (wasFull)
      setGeometry(QRect(TopLeftBeforeFullScreen, sizeHint()));
    KeepWindowOnScreen();
  }
  TMenuModel &menu = GameRef.Menu();
  for (TCommand command : {TCommand::SizeNormal, TCommand::SizeDouble, TCommand::SizeTriple})
    menu.SetChecked(command, !size.FullScreen && size.Factor == FactorOf(command));
  menu.SetChecked(TCommand::FullScreen, size.FullScreen);
  for (TCommand command :
       {TCommand::SizeNormal, TCommand::SizeDouble, TCommand::SizeTriple, TCommand::FullScreen})
    SyncMenuItem(command);
}

QMargins TMainForm::Frame() const {
  // A window manager's frame is known once the window is shown in it; before, or without one,
  // room for a typical frame is kept.
  const QRect outer = frameGeometry(), inner = geometry();
  if (!isVisible() || outer == inner)
    return TypicalFrame;
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

void TMainForm::OfferFittingSizes() {
  const QScreen *on = screen();
  if (!on)
    return;
  const QSize room = on->availableGeometry().marginsRemoved(Frame()).size() - ChromeSize;
  LargestFittingFactor =
      std::min(TWindowSize::MaxFactor, LargestFactor(room, TWindowPictureView::PictureSize));
  for (TCommand command : {TCommand::SizeNormal, TCommand::SizeDouble, TCommand::SizeTriple})
    SyncMenuItem(command);
}

void TMainForm::KeepWindowOnScreen() {
  const QScreen *on = screen();
  if (!on || !isVisible())
    return;
  const QSize size = sizeHint();
  const QPoint topLeft =
      KeepOnScreen(geometry().topLeft(), size, {on->availableGeometry()}, Frame());
  if (topLeft != geometry().topLeft())
    setGeometry(QRect(topLeft, size));
}

void TMainForm::CloseAtOnce() {
  CloseWithoutQuestions = true;
  close();
}

// While a menu is open the game stands still; when the last one closes the keys go back to
// the game, not to the menu bar.
void TMainForm::WatchMenus() {
  for (QMenu *menu : menuBar()->findChildren<QMenu *>()) {
    connect(menu, &QMenu::aboutToShow, this, [this] {
      if (OpenMenus++ == 0)
        GameRef.MenuOpen(true);
    });
    connect(menu, &QMenu::aboutToHide, this, [this] {
      if (OpenMenus > 0 && --OpenMenus == 0) {
        GameRef.MenuOpen(false);
        // Escape in a menu hands the keyboard to the menu bar after this signal.
        QTimer::singleShot(0, this, [this] { ReturnKeysToGame(); });
      }
    });
  }
}

void TMainForm::ReturnKeysToGame() {
  if (OpenMenus > 0)
    return;
  menuBar()->setActiveAction(nullptr);
  if (isActiveWindow())
    setFocus(Qt::OtherFocusReason);
}

void TMainForm::PlacePlaySurface() {
  TPlaySurface &surface = GameRef.Screen().Surface();
  const int factor = ShowImage->Factor();
  SurfaceView->SetFactor(factor);
  SurfaceView->move(ShowImage->Origin() + QPoint(surface.Left(), surface.Top()) * factor);
  SurfaceView->setVisible(surface.Left() >= 0);
}

void TMainForm::SyncMenuItem(TCommand command) {
  QAction *a = Action(MenuItemName(command));
  if (!a)
    return;
  const TMenuModel &m = GameRef.Menu();
  a->setEnabled(m.Enabled(command) && FactorOf(command) <= LargestFittingFactor);
  a->setVisible(m.Visible(command));
  if (a->isCheckable())
    a->setChecked(m.Checked(command));
  // A menu left with nothing to show leaves the menu bar (Help in a stand-alone game); Qt folds
  // the separators that are left with nothing between them.
  for (QObject *owner : a->associatedObjects())
    if (auto *menu = qobject_cast<QMenu *>(owner)) {
      const QList<QAction *> items = menu->actions();
      menu->menuAction()->setVisible(std::any_of(items.begin(), items.end(), [](QAction *item) {
        return !item->isSeparator() && item->isVisible();
      }));
    }
}

void TMainForm::ConnectMenuCommands() {
  for (TCommand command : AllCommands) {
    if (command == TCommand::Exit)
      continue;
    connect(Action(MenuItemName(command)), &QAction::triggered, this, [this, command] {
      GameRef.Run(command);
      // A checkable item toggles itself; the game decides (a pause comes a moment later).
      SyncMenuItem(command);
    });
  }
  connect(Action(MenuItemName(TCommand::Exit)), &QAction::triggered, this, [this] { close(); });
}

void TMainForm::ConnectRecentGames() {
  auto *recent = static_cast<TRecentGamesMenu *>(Menu.Menus.value("OpenRecent1"));
  recent->Entries = [this] { return GameRef.RecentGameCommands().Games().Entries(); };
  recent->OnChosen = [this](const QString &stored) {
    GameRef.FileCommands().OpenRecentGame(stored);
  };
  recent->OnClear = [this] { GameRef.RecentGameCommands().Games().Clear(); };
  connect(Action(MenuItemName(TCommand::GamesGallery)), &QAction::triggered, this,
          [this] { ShowGamesGallery(); });
}

void TMainForm::ShowGamesGallery() {
  if (!Gallery) {
    auto *gallery = new TGamesGalleryDialog(GameRef.RecentGameCommands().GalleryFolders(), this);
    gallery->OnChosen = [this](const QString &path) {
      GameRef.FileCommands().OpenDroppedGame(path);
    };
    gallery->PlaceBeside(frameGeometry().marginsAdded(isVisible() ? QMargins() : Frame()));
    Gallery = gallery;
  }
  Gallery->show();
  Gallery->raise();
  Gallery->activateWindow();
}

void TMainForm::keyPressEvent(QKeyEvent *event) {
  const TKeyCode key = KeyOfEvent(event->key(), event->modifiers());
  if (key == 0) {
    QMainWindow::keyPressEvent(event);
    return;
  }
  // A held key acts once: its repeats come as presses of a key already down (X11 with
  // press-only repeats) or are marked so (Qt's own detection, Wayland).
  if (event->isAutoRepeat() || GameRef.Keys().Held(key))
    return;
  // Timings from the key on are read from the trace.
  Trace::Event("key", QKeySequence(key).toString(QKeySequence::PortableText));
  GameRef.Keys().Press(key);
  GameRef.KeyDown(key, event->modifiers() & Qt::ControlModifier);
}

void TMainForm::keyReleaseEvent(QKeyEvent *event) {
  const TKeyCode key = KeyOfEvent(event->key(), event->modifiers());
  if (key != 0 && !event->isAutoRepeat())
    GameRef.Keys().Release(key);
}

void TMainForm::changeEvent(QEvent *event) {
  // Keys released while another window has the focus would stay down for ever.
  if (event->type() == QEvent::ActivationChange && !isActiveWindow())
    GameRef.Keys().Clear();
  QMainWindow::changeEvent(event);
}

namespace {
// The address of the one game file of a drag, or nothing. Its file is opened only when it is
// dropped: a name that is not UTF-8 is reached through a descriptor kept open.
QByteArray DraggedGame(const QMimeData *data) {
  const QList<QUrl> urls = data->urls();
  if (urls.size() != 1 || !urls.first().isLocalFile() ||
      !urls.first().path().endsWith(".qbx", Qt::CaseInsensitive))
    return QByteArray();
  return urls.first().toEncoded();
}
} // namespace

void TMainForm::dragEnterEvent(QDragEnterEvent *event) {
  if (!DraggedGame(event->mimeData()).isEmpty())
    event->acceptProposedAction();
}

void TMainForm::dropEvent(QDropEvent *event) {
  const QString path = LocalFileOfAddress(DraggedGame(event->mimeData()));
  if (path.isEmpty())
    return;
  event->acceptProposedAction();
  // After the drop has finished: the save question must not hold up the program it came from.
  QTimer::singleShot(0, this, [this, path] { GameRef.FileCommands().OpenDroppedGame(path); });
}

void TMainForm::closeEvent(QCloseEvent *event) {
  GameRef.Close(WindowedTopLeft(), CloseWithoutQuestions ? TGame::CloseAtOnce : TGame::CloseAsked);
  event->accept();
}
