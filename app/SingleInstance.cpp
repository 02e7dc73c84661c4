#include "app/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

#include <unistd.h>

namespace {
// The message number that a second start posts to the running window.
constexpr char OpenGameMessage[] = "1025\n";
constexpr int HandOverWaitMs = 1000;
} // namespace

TSingleInstance::TSingleInstance(QObject *parent) : QObject(parent) {}

TSingleInstance::~TSingleInstance() = default;

namespace {

QString RuntimeFolder() {
  const QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  return dir.isEmpty() ? QDir::tempPath() : dir;
}

} // namespace

// One name per user and runtime folder: the lock and the socket always belong together.
QString TSingleInstance::ServerName() {
  const QByteArray folder = RuntimeFolder().toUtf8();
  return QStringLiteral("QuarryboxMutex-%1-%2").arg(getuid()).arg(qHash(folder), 8, 16, QChar('0'));
}

bool TSingleInstance::TryBecomePrimary() {
  Lock = std::make_unique<QLockFile>(RuntimeFolder() + "/QuarryboxMutex.lock");
  // A lock whose owner is gone counts as stale at once.
  Lock->setStaleLockTime(0);
  return Lock->tryLock(0);
}

void TSingleInstance::Listen(std::function<void()> onHandOver) {
  OnHandOver = std::move(onHandOver);
  Server.setSocketOptions(QLocalServer::AbstractNamespaceOption);
  connect(&Server, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket *socket = Server.nextPendingConnection()) {
      // The second program writes and goes at once: read whatever arrived, also on the way out.
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(socket); });
      connect(socket, &QLocalSocket::disconnected, this, [this, socket] {
        Read(socket);
        socket->deleteLater();
      });
      Read(socket);
    }
  });
  Server.listen(ServerName());
}

// The hand-over may open a message box with an event loop of its own, where this socket can
// go away: it is acted on from the main loop, after this handler has let go of the socket.
void TSingleInstance::Read(QLocalSocket *socket) {
  bool handOver = false;
  while (socket->canReadLine())
    handOver = socket->readLine() == OpenGameMessage || handOver;
  if (handOver)
    QMetaObject::invokeMethod(
        this,
        [this] {
          if (OnHandOver)
            OnHandOver();
        },
        Qt::QueuedConnection);
}

bool TSingleInstance::PostOpenGameMessage() {
  QLocalSocket socket;
  socket.setSocketOptions(QLocalSocket::AbstractNamespaceOption);
  socket.connectToServer(ServerName());
  if (!socket.waitForConnected(HandOverWaitMs))
    return false;
  socket.write(OpenGameMessage);
  const bool sent = socket.waitForBytesWritten(HandOverWaitMs);
  socket.disconnectFromServer();
  return sent;
}
