#include "app/MainForm.h"

#include "app/Game.h"
#include "app/PlaySurfaceView.h"
#include "app/Trace.h"
#include "app/WindowPictureView.h"
#include "media/VirtualKeys.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QProxyStyle>
#include <QTimer>

TMainForm::TMainForm(TGame &game, QWidget *parent) : QMainWindow(parent), GameRef(game) {
  setObjectName("MainForm");
  setWindowTitle("Quarrybox");
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setFocusPolicy(Qt::StrongFocus);
  Menu = BuildMainMenu(menuBar());

  ShowImage = new TWindowPictureView(game, this);
  setCentralWidget(ShowImage);
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  DXDraw = new TPlaySurfaceView(game.PlaySurface(), ShowImage);
  PlacePlaySurface();

  game.Menu().OnChanged = [this](const QString &name) { SyncMenuItem(name); };
  for (auto it = Menu.Actions.cbegin(); it != Menu.Actions.cend(); ++it)
    SyncMenuItem(it.key());
  game.OnCaptionChanged = [this] { setWindowTitle(GameRef.Caption()); };
  game.OnWindowPictureChanged = [this] { ShowImage->update(); };
  game.OnOverlaysChanged = [this] { ShowImage->update(); };
  game.OnCloseRequested = [this] { close(); };
  game.PlaySurface().OnPresent = [this] { DXDraw->update(); };
  game.PlaySurface().OnMoved = [this] { PlacePlaySurface(); };
  ConnectMenuCommands();
  WatchMenus();
  // The application, not this window, being active: the program's own dialogs do not count.
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
    if (s == Qt::ApplicationActive)
      GameRef.AppActivate();
    else
      GameRef.AppDeactivate();
  });
  game.Input().IsForeground = [this] { return isActiveWindow(); };
}

void TMainForm::PlaceAt(QPoint clientTopLeft) { setGeometry(QRect(clientTopLeft, sizeHint())); }

void TMainForm::CloseAtOnce() {
  CloseWithoutQuestions = true;
  close();
}

namespace {
// Alt alone would put the menu bar in keyboard mode, where it takes the game's keys. The
// menus still open with their Alt+letter keys and the mouse.
class TNoAltMenuStyle : public QProxyStyle {
public:
  int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                QStyleHintReturn *returnData) const override {
    if (hint == SH_MenuBar_AltKeyNavigation)
      return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};
} // namespace

// While a menu is open the game stands still; when the last one closes the keys go back to
// the game, not to the menu bar.
void TMainForm::WatchMenus() {
  auto *style = new TNoAltMenuStyle;
  style->setParent(menuBar());
  menuBar()->setStyle(style);
  for (QMenu *menu : menuBar()->findChildren<QMenu *>()) {
    connect(menu, &QMenu::aboutToShow, this, [this] {
      if (OpenMenus++ == 0)
        GameRef.MenuOpened();
    });
    connect(menu, &QMenu::aboutToHide, this, [this] {
      if (OpenMenus > 0 && --OpenMenus == 0) {
        GameRef.MenuClosed();
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
  TDXDraw &surface = GameRef.PlaySurface();
  DXDraw->move(surface.Left(), surface.Top());
  DXDraw->setVisible(surface.Left() >= 0);
}

void TMainForm::SyncMenuItem(const QString &name) {
  if (QAction *a = Menu.Actions.value(name)) {
    const TMenuModel &m = GameRef.Menu();
    a->setEnabled(m.Enabled(name));
    a->setVisible(m.Visible(name));
    if (a->isCheckable())
      a->setChecked(m.Checked(name));
  } else if (QObject *menu = Menu.Menus.value(name)) {
    static_cast<QMenu *>(menu)->menuAction()->setVisible(GameRef.Menu().Visible(name));
  }
}

void TMainForm::ConnectMenuCommands() {
  const std::pair<TCommand, void (TGame::*)()> commands[] = {
      {TCommand::StartGame, &TGame::GameStartClick},
      {TCommand::PauseGame, &TGame::GamePauseClick},
      {TCommand::StopGame, &TGame::StopGame1Click},
      {TCommand::Score, &TGame::Score1Click},
      {TCommand::Sound, &TGame::OptionSoundClick},
      {TCommand::Preferences, &TGame::Settings1Click},
      {TCommand::DownloadMoreGames, &TGame::DownloadMoreGames1Click},
      {TCommand::HelpTopic, &TGame::HelpTopic1Click},
      {TCommand::About, &TGame::Info1Click},
      {TCommand::OpenGame, &TGame::Open1Click},
      {TCommand::SaveGame, &TGame::Save1Click},
      {TCommand::SaveGameAs, &TGame::SaveAs1Click},
      {TCommand::MakeExe, &TGame::MakeExe1Click},
      {TCommand::CreateGame, &TGame::New1Click},
      {TCommand::EditGame, &TGame::EditGame1Click},
  };
  for (const auto &[command, handler] : commands)
    connect(Action(MenuItemName(command)), &QAction::triggered, this, [this, handler = handler] {
      (GameRef.*handler)();
      // A checkable item toggles itself; the game decides.
      SyncMenuItem(MenuItemName(TCommand::Sound));
    });
  connect(Action(MenuItemName(TCommand::Exit)), &QAction::triggered, this, [this] { close(); });
}

void TMainForm::keyPressEvent(QKeyEvent *event) {
  const int vk = VirtualKeyFromQt(event->key(), event->modifiers());
  if (vk == 0) {
    QMainWindow::keyPressEvent(event);
    return;
  }
  if (!event->isAutoRepeat()) {
    Trace::Event("key", QString::number(vk)); // timings from the key on are read from the trace
    GameRef.Keys().Press(vk);
  }
  GameRef.FormKeyDown(vk, event->modifiers() & Qt::ControlModifier);
}

void TMainForm::keyReleaseEvent(QKeyEvent *event) {
  const int vk = VirtualKeyFromQt(event->key(), event->modifiers());
  if (vk != 0 && !event->isAutoRepeat())
    GameRef.Keys().Release(vk);
}

void TMainForm::changeEvent(QEvent *event) {
  // Keys released while another window has the focus would stay down for ever.
  if (event->type() == QEvent::ActivationChange && !isActiveWindow())
    GameRef.Keys().Clear();
  QMainWindow::changeEvent(event);
}

void TMainForm::closeEvent(QCloseEvent *event) {
  GameRef.FormClose(geometry().topLeft(),
                    CloseWithoutQuestions ? TGame::CloseAtOnce : TGame::CloseAsked);
  event->accept();
}
