// Program entry: one running main program per user, and one of each made game; a second start
// hands its game file over (or brings the made game to the front) and ends without a window.
#include "app/CommandLine.h"
#include "app/Game.h"
#include "app/GameStyle.h"
#include "app/GamepadControl.h"
#include "app/MainForm.h"
#include "app/MixerGameSound.h"
#include "app/SingleInstance.h"
#include "app/TerminalAnswer.h"
#include "app/TerminationSignal.h"
#include "app/Trace.h"
#include "app/Translations.h"
#include "app/WidgetDialogs.h"
#include "app/WindowPictureView.h"
#include "app/WindowPlacement.h"
#include "app/X11KeyRepeat.h"
#include "bundle/RuntimeHeader.h"
#include "media/Gamepads.h"
#include "media/InputDeviceWatch.h"
#include "media/SchedulerPump.h"
#include "screen/LevelScreen.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <unistd.h>

namespace {

// A later start of the main program hands its game file over through the settings; a later
// start of a made game brings the running one to the front. What is asked decides nothing about
// who runs: TSingleInstance::Start does, and a start may still become the primary.
TSingleInstance::TMessage HandOverMessage(const QString &key, const QStringList &args) {
  if (key != TSingleInstance::MainKey)
    return TSingleInstance::TMessage::Raise;
  const QString path = GameFileArgument(args);
  if (path.isEmpty())
    return TSingleInstance::TMessage::None;
  TSettingsStore settings;
  // A file this process reaches by descriptor goes as its name's bytes, in a "file://" address.
  settings.Write(
      Setting::HandedOverGame,
      StoredFileName(ReachedByDescriptor(path) ? path : QFileInfo(path).absoluteFilePath()));
  return settings.Read(Setting::WindowHandle).isEmpty() ? TSingleInstance::TMessage::None
                                                        : TSingleInstance::TMessage::OpenGame;
}

// A stand-alone game's launcher runs this program from the folder it unpacked it to and names
// the file it started from: that file's name and game are the ones that count. The name is not
// handed on to the programs this one starts.
QString ProgramFile() {
  const QString bundle = qEnvironmentVariable(QB_BUNDLE_VARIABLE);
  qunsetenv(QB_BUNDLE_VARIABLE);
  return bundle.isEmpty() ? QFileInfo("/proc/self/exe").canonicalFilePath()
                          : QFileInfo(bundle).absoluteFilePath();
}

// Runs a task once, after the window has drawn its first picture: what the first picture does
// not need waits until it is on the screen.
class TAfterFirstPicture : public QObject {
public:
  TAfterFirstPicture(QWindow *window, std::function<void()> task) : Task(std::move(task)) {
    window->installEventFilter(this);
  }

protected:
  bool eventFilter(QObject *watched, QEvent *event) override {
    // The window draws on this expose right after the filters have seen it.
    if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
      watched->removeEventFilter(this);
      QTimer::singleShot(0, this, std::exchange(Task, {}));
    }
    return false;
  }

private:
  std::function<void()> Task;
};

// Game controllers, once the first picture shows: starting SDL's controller support (the
// library, a D-Bus session, the device scan) would hold it up.
struct TControllers {
  TControllers(TGame &game, TScheduler &scheduler) : Control(game, scheduler, Pads, Devices) {}
  TGamepads Pads;
  TInputDeviceWatch Devices;
  TGamepadControl Control;
};

// True when this start is the one that runs; otherwise the running copy was handed the start.
bool BecomePrimary(TSingleInstance &instance, const TSingleInstance::TMessage &handOver) {
  if (instance.TryBecomePrimary())
    return true;
  const TSingleInstance::TStart start = instance.Start(handOver);
  if (start == TSingleInstance::TStart::GaveUp)
    qWarning("quarrybox: a running copy holds %s but does not answer",
             qPrintable(instance.LockPath()));
  return start == TSingleInstance::TStart::Primary;
}

// The window sized for the screen it opens on, and what the game's start needs to know of it.
TStartup SizeWindowForStartup(TMainForm &form, TSettingsStore &settings, const QString &programFile,
                              const QStringList &args) {
  TStartup startup;
  startup.ProgramPath = programFile;
  startup.Arguments = args;
  const QSize chrome = form.Chrome();
  if (QScreen *screen = QGuiApplication::primaryScreen()) {
    startup.ScreenSize = screen->availableGeometry().size();
    // The room for the picture: the screen less a window frame and the menu bar.
    const QSize room = screen->availableGeometry().marginsRemoved(TypicalFrame).size() - chrome;
    form.ApplySize(ReadWindowSize(settings, room, screen->devicePixelRatio(),
                                  TWindowPictureView::PictureSize));
  }
  for (const QScreen *screen : QGuiApplication::screens())
    startup.ScreenAreas << screen->availableGeometry();
  startup.WindowSize = TWindowPictureView::PictureSize * form.Size().Factor + chrome;
  startup.WindowHandle = QString::number(getpid());
  startup.DataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return startup;
}

// Toolkit settings that must be made before the application object exists.
void SetUpToolkit() {
  // A fractional device pixel ratio would scale the game's pixels by uneven amounts.
  QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::Round);
  // With shared memory, Qt waits for the X server to finish reading a repainted area before it
  // paints there again: a round trip nearly every frame while a block moves. The game's frames
  // repaint a few squares, which go to the server as cheaply over the socket.
  if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
    qputenv("QT_XCB_NO_MITSHM", "1");
}

// A later start hands its game over, or brings this window to the front.
void ListenToLaterStarts(TSingleInstance &instance, TGame &game, TMainForm &form) {
  instance.Listen([&game] { game.FileCommands().OpenGameMessage(); },
                  [&form] {
                    form.setWindowState(form.windowState() & ~Qt::WindowMinimized);
                    form.raise();
                    form.activateWindow();
                    Trace::Event("raised");
                  });
  instance.ReleaseWhenClosing(&form);
}

// A picture still decoding (a hostile one can take many seconds) would keep a process with no
// window alive; everything to keep was kept by the close sequence.
int Ended(const TGame &game, int status) {
  if (game.DecodingPicture()) {
    std::fflush(nullptr);
    _exit(status);
  }
  return status;
}

} // namespace

int main(int argc, char **argv) {
  if (const std::optional<int> answered = AnswerOnTerminal(argc, argv))
    return *answered;
  SetUpToolkit();
  QApplication app(argc, argv);
  // The player's language, before the first window or box.
  Translations::Install(Translations::Choose(QLocale().uiLanguages(), Translations::Available()));
  const QStringList args = CommandLineArguments(argc, argv);

  const QString programFile = ProgramFile();
  const QString key = TSingleInstance::KeyOf(programFile);
  TSingleInstance instance(key);
  if (!BecomePrimary(instance, HandOverMessage(key, args)))
    return 0;

  QApplication::setApplicationName("Quarrybox");
  UsePressOnlyKeyRepeat();
  QApplication::setStyle(new TGameStyle);
  TSteadyClock clock;
  TScheduler scheduler(&clock);
  TSchedulerPump pump(scheduler);
  TSettingsStore settings;
  TGame game(scheduler, settings, quint64(QDateTime::currentMSecsSinceEpoch()));
  TMainForm form(game, settings);
  TMixerGameSound sound(scheduler, &form);
  sound.HoldOutput(true); // until the first picture shows
  game.SetSound(&sound);
  TWidgetDialogs dialogs(game, settings, &sound, &form);
  game.SetDialogs(&dialogs);

  // The session is ending (SIGTERM, SIGINT): the close sequence runs and the program ends, also
  // while start-up or play shows a box (quit leaves every event loop, the boxes' own included).
  bool terminated = false;
  TTerminationSignal termination([&form, &terminated] {
    terminated = true;
    form.CloseAtOnce();
    // Before the main loop runs, quit does nothing: the start-up box is closed instead, and
    // start-up ends at its next step. From the close on, problems are logged, not shown.
    if (QWidget *box = QApplication::activeModalWidget())
      box->close();
    QCoreApplication::quit();
  });

  game.Start(SizeWindowForStartup(form, settings, programFile, args));
  if (terminated)
    return Ended(game, 0);
  std::unique_ptr<TControllers> controllers;
  ListenToLaterStarts(instance, game, form);

  form.PlaceAt(game.WindowPosition());
  form.show();
  if (game.RecentGameCommands().OfferGallery())
    form.ShowGamesGallery(); // beside the title, which goes on
  TAfterFirstPicture afterFirstPicture(form.windowHandle(), [&] {
    sound.HoldOutput(false);
    game.TellDesktop();
    controllers = std::make_unique<TControllers>(game, scheduler);
    TLevelScreen::PrepareFonts();
  });
  return Ended(game, app.exec());
}
