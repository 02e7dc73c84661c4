#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <cstdio>

#include <unistd.h>

namespace {
// The message number that a second start posts to the running window, and the others.
constexpr char OpenGameLine[] = "1025\n";
constexpr char RaiseLine[] = "raise\n";
constexpr char NoneLine[] = "0\n";
// The running copy's answer: it has the message and is not closing.
constexpr char TakenLine[] = "ok\n";
constexpr int ConnectWaitMs = 1000;
// A running copy answers from its event loop; one busy for longer still reads the message.
constexpr int AnswerWaitMs = 3000;
constexpr int RetryMs = 50;

QString RuntimeFolder() {
  const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  return dir.isEmpty() ? QDir::tempPath() : dir;
}

// Where a lock may be made when the runtime folder takes none (read-only, full): a folder of
// the user's own, made private.
QString SpareLockFolder() {
  const QString dir =
      QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/quarrybox";
  if (QDir().mkpath(dir))
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  return dir;
}

const char *LineOf(TSingleInstance::TMessage message) {
  switch (message) {
  case TSingleInstance::TMessage::OpenGame:
    return OpenGameLine;
  case TSingleInstance::TMessage::Raise:
    return RaiseLine;
  case TSingleInstance::TMessage::None:
    break;
  }
  return NoneLine;
}

} // namespace

TSingleInstance::TSingleInstance(const QString &key, QObject *parent) : QObject(parent), Key(key) {}

TSingleInstance::~TSingleInstance() = default;

// The main program's mode goes by its file name; any other name is a made game, which is a
// program of its own wherever its file is, also beside a copy of itself.
QString TSingleInstance::KeyOf(const QString &programFile) {
  const QFileInfo file(programFile);
  const QString name = file.fileName().toUpper();
  if (name == "QUARRYBOX" || name == "QUARRYBOX.EXE")
    return MainKey;
  const QString real = file.canonicalFilePath();
  const QByteArray path = QFile::encodeName(real.isEmpty() ? file.absoluteFilePath() : real);
  return QString::fromLatin1(
      QCryptographicHash::hash(path, QCryptographicHash::Sha256).toHex().left(16));
}

// One name per user, runtime folder and program: the lock and the socket always belong
// together.
QString TSingleInstance::ServerName() const {
  const QByteArray folder = RuntimeFolder().toUtf8();
  return QStringLiteral("QuarryboxMutex-%1-%2-%3")
      .arg(getuid())
      .arg(qHash(folder), 8, 16, QChar('0'))
      .arg(Key);
}

// Not the name of the one lock of earlier versions: a stand-alone game they made holds that
// one, and must not keep this main program from starting.
QString TSingleInstance::LockPath() const {
  return (Lock ? QFileInfo(Lock->fileName()).absolutePath() : RuntimeFolder()) +
         QStringLiteral("/QuarryboxMutex-%1.lock").arg(Key);
}

// A lock that cannot be made at all (the folder is read-only or full) is not one that another
// copy holds: the spare folder is tried, and where none takes a lock this copy runs without.
bool TSingleInstance::TryBecomePrimary() {
  for (const QString &folder : {RuntimeFolder(), SpareLockFolder()}) {
    Lock = std::make_unique<QLockFile>(folder + QStringLiteral("/QuarryboxMutex-%1.lock").arg(Key));
    // A lock whose owner is gone counts as stale at once.
    Lock->setStaleLockTime(0);
    if (Lock->tryLock(0))
      return true;
    const bool held = Lock->error() == QLockFile::LockFailedError;
    Lock.reset();
    if (held)
      return false;
  }
  NoLock = true;
  return false;
}

TSingleInstance::TStart TSingleInstance::Start(TMessage message, int waitMs) {
  QElapsedTimer waited;
  waited.start();
  for (;;) {
    if (TryBecomePrimary())
      return TStart::Primary;
    if (Post(message))
      return TStart::Delivered;
    // No copy answers, and no lock tells of one that is starting.
    if (NoLock) {
      std::fprintf(stderr,
                   "quarrybox: no lock can be made in %s or %s: this copy runs without one, and "
                   "a copy started at the same moment may run beside it\n",
                   qPrintable(RuntimeFolder()), qPrintable(SpareLockFolder()));
      return TStart::Primary;
    }
    if (waited.elapsed() >= waitMs)
      return TStart::GaveUp;
    QThread::msleep(RetryMs);
  }
}

void TSingleInstance::Listen(std::function<void()> onOpenGame, std::function<void()> onRaise) {
  OnOpenGame = std::move(onOpenGame);
  OnRaise = std::move(onRaise);
  // The later start writes, waits for the answer and goes: whatever arrived is read, also on
  // the way out.
  Server.OnLine = [this](const QByteArray &line) { return Take(line); };
  Server.Listen(ServerName());
}

void TSingleInstance::Release() {
  if (Released)
    return;
  Released = true;
  // A start that connected just before is left unanswered, so it tries again and runs itself.
  Server.Close();
  Lock.reset();
}

void TSingleInstance::ReleaseWhenClosing(QObject *window) { window->installEventFilter(this); }

bool TSingleInstance::eventFilter(QObject *watched, QEvent *event) {
  if (event->type() == QEvent::Close)
    Release();
  return QObject::eventFilter(watched, event);
}

// The message may open a message box with an event loop of its own: it is acted on from the
// main loop, after the answer has gone.
QByteArray TSingleInstance::Take(const QByteArray &line) {
  if (Released)
    return QByteArray();
  const std::function<void()> *handler = line == OpenGameLine ? &OnOpenGame
                                         : line == RaiseLine  ? &OnRaise
                                                              : nullptr;
  if (handler && *handler)
    QMetaObject::invokeMethod(
        this,
        [this, handler] {
          if (!Released)
            (*handler)();
        },
        Qt::QueuedConnection);
  return TakenLine;
}

bool TSingleInstance::Post(TMessage message) const {
  const TLocalLineAnswer answer =
      SendLocalLine(ServerName(), LineOf(message), ConnectWaitMs, AnswerWaitMs);
  // A closing copy drops the connection unanswered; a busy one keeps it open and reads the
  // message when its loop runs again.
  if (!answer.Sent)
    return false;
  return answer.Line.isEmpty() ? answer.Open : answer.Line == TakenLine;
}
