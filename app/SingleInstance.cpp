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

QString TSingleInstance::ServerName() {
  return QStringLiteral("QuarryboxMutex-%1").arg(getuid());
}

bool TSingleInstance::TryBecomePrimary() {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty())
    dir = QDir::tempPath();
  Lock = std::make_unique<QLockFile>(dir + '/' + ServerName() + ".lock");
  // A lock whose owner is gone counts as stale at once.
  Lock->setStaleLockTime(0);
  return Lock->tryLock(0);
}

void TSingleInstance::Listen(std::function<void()> onHandOver) {
  OnHandOver = std::move(onHandOver);
  Server.setSocketOptions(QLocalServer::AbstractNamespaceOption);
  connect(&Server, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket *socket = Server.nextPendingConnection()) {
      connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        while (socket->canReadLine()) {
          if (socket->readLine() == OpenGameMessage && OnHandOver)
            OnHandOver();
        }
      });
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    }
  });
  Server.listen(ServerName());
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
