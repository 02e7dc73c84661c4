#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

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
  return RuntimeFolder() + QStringLiteral("/QuarryboxMutex-%1.lock").arg(Key);
}

bool TSingleInstance::TryBecomePrimary() {
  Lock = std::make_unique<QLockFile>(LockPath());
  // A lock whose owner is gone counts as stale at once.
  Lock->setStaleLockTime(0);
  if (Lock->tryLock(0))
    return true;
  Lock.reset();
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
