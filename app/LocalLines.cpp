#include "app/LocalLines.h"

#include <QElapsedTimer>
#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>
#include <utility>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// The address of `name` in the abstract namespace: a leading NUL, then the name, unterminated.
socklen_t AbstractAddress(const QString &name, sockaddr_un &address) {
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  const QByteArray bytes = name.toUtf8().left(int(sizeof address.sun_path) - 1);
  std::memcpy(address.sun_path + 1, bytes.constData(), size_t(bytes.size()));
  return socklen_t(offsetof(sockaddr_un, sun_path) + 1 + size_t(bytes.size()));
}

int NewSocket() { return ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0); }

void SendAll(int socket, const QByteArray &bytes) {
  // A line is far smaller than a socket's buffer: it goes at once or not at all.
  [[maybe_unused]] const ssize_t sent =
      ::send(socket, bytes.constData(), size_t(bytes.size()), MSG_NOSIGNAL);
}

// Reads what has arrived onto `into`; false once the other end has gone.
bool ReadAvailable(int socket, QByteArray &into) {
  char buffer[512];
  for (;;) {
    const ssize_t got = ::recv(socket, buffer, sizeof buffer, 0);
    if (got > 0) {
      into.append(buffer, qsizetype(got));
      continue;
    }
    if (got < 0 && errno == EINTR)
      continue;
    return got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
  }
}

// Connects, retrying while the server's queue of connections is full.
bool ConnectWithin(int socket, const QString &name, int waitMs) {
  sockaddr_un address;
  const socklen_t length = AbstractAddress(name, address);
  QElapsedTimer waited;
  waited.start();
  for (;;) {
    if (::connect(socket, reinterpret_cast<const sockaddr *>(&address), length) == 0)
      return true;
    if (errno != EAGAIN || waited.elapsed() >= waitMs)
      return false;
    ::poll(nullptr, 0, 10);
  }
}

// A notifier may be let go of from its own signal: it goes once that has returned.
void Retire(QSocketNotifier *notifier) {
  if (!notifier)
    return;
  notifier->setEnabled(false);
  notifier->deleteLater();
}

} // namespace

struct TLocalLineServer::TClient {
  int Socket;
  QSocketNotifier *Readable;
  QByteArray Pending;
  ~TClient() {
    Retire(Readable);
    ::close(Socket);
  }
};

TLocalLineServer::TLocalLineServer(QObject *parent) : QObject(parent) {}

TLocalLineServer::~TLocalLineServer() { Close(); }

bool TLocalLineServer::Listen(const QString &name) {
  Close();
  sockaddr_un address;
  const socklen_t length = AbstractAddress(name, address);
  Socket = NewSocket();
  if (Socket < 0)
    return false;
  if (::bind(Socket, reinterpret_cast<const sockaddr *>(&address), length) != 0 ||
      ::listen(Socket, 16) != 0) {
    Close();
    return false;
  }
  Incoming = new QSocketNotifier(Socket, QSocketNotifier::Read, this);
  connect(Incoming, &QSocketNotifier::activated, this, [this] { Accept(); });
  return true;
}

void TLocalLineServer::Close() {
  Clients.clear();
  Retire(std::exchange(Incoming, nullptr));
  if (Socket >= 0)
    ::close(Socket);
  Socket = -1;
}

void TLocalLineServer::Accept() {
  for (;;) {
    const int socket = ::accept4(Socket, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (socket < 0)
      return;
    std::unique_ptr<TClient> client(
        new TClient{socket, new QSocketNotifier(socket, QSocketNotifier::Read, this), {}});
    TClient *added = client.get();
    connect(added->Readable, &QSocketNotifier::activated, this, [this, added] { Read(added); });
    Clients.push_back(std::move(client));
    Read(added);
  }
}

// The client may have written and gone already: its lines are taken all the same.
void TLocalLineServer::Read(TClient *client) {
  const bool open = ReadAvailable(client->Socket, client->Pending);
  qsizetype end;
  while (Socket >= 0 && (end = client->Pending.indexOf('\n')) >= 0) {
    const QByteArray line = client->Pending.left(end + 1);
    client->Pending.remove(0, end + 1);
    const QByteArray answer = OnLine ? OnLine(line) : QByteArray();
    if (open && !answer.isEmpty())
      SendAll(client->Socket, answer);
  }
  if (!open)
    std::erase_if(Clients, [client](const auto &c) { return c.get() == client; });
}

TLocalLineAnswer SendLocalLine(const QString &name, const QByteArray &line, int connectWaitMs,
                               int answerWaitMs) {
  TLocalLineAnswer answer;
  const int socket = NewSocket();
  if (socket < 0)
    return answer;
  if (ConnectWithin(socket, name, connectWaitMs) &&
      ::send(socket, line.constData(), size_t(line.size()), MSG_NOSIGNAL) == line.size()) {
    answer.Sent = true;
    QByteArray arrived;
    bool open = true;
    pollfd readable{socket, POLLIN, 0};
    while (open && !arrived.contains('\n') && ::poll(&readable, 1, answerWaitMs) > 0)
      open = ReadAvailable(socket, arrived);
    const qsizetype end = arrived.indexOf('\n');
    if (end >= 0)
      answer.Line = arrived.left(end + 1);
    answer.Open = open;
  }
  ::close(socket);
  return answer;
}
