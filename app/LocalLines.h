#pragma once
// Lines of text between copies of this program over a Unix socket in Linux's abstract
// namespace, which leaves no file behind. Qt's local sockets do the same, but they come with
// its network module and the Kerberos and proxy libraries behind it, which every start would
// load for the one line a later start sends.

#include <QByteArray>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QSocketNotifier;

class TLocalLineServer : public QObject {
public:
  explicit TLocalLineServer(QObject *parent = nullptr);
  ~TLocalLineServer() override;
  TLocalLineServer(const TLocalLineServer &) = delete;
  TLocalLineServer &operator=(const TLocalLineServer &) = delete;

  // False when the name is taken or no socket can be had.
  bool Listen(const QString &name);
  // Stops listening and drops every connection, answered or not.
  void Close();

  // Each whole line a client sends, '\n' included; a line returned goes back to the client
  // (nothing is sent for an empty one). Called from the event loop, also for the lines of a
  // client that has gone.
  std::function<QByteArray(const QByteArray &line)> OnLine;

private:
  struct TClient;
  void Accept();
  void Read(TClient *client);

  int Socket = -1;
  QSocketNotifier *Incoming = nullptr; // a child, as the clients' notifiers
  std::vector<std::unique_ptr<TClient>> Clients;
};

// What became of a line sent to a server.
struct TLocalLineAnswer {
  bool Sent = false; // connected and written
  QByteArray Line;   // the server's answer line, when one came
  bool Open = false; // no answer, but the server still holds the connection
};

// Connects to `name` (waiting up to connectWaitMs while the server's queue is full), sends
// `line` and waits for an answer line, for up to answerWaitMs after anything last arrived.
TLocalLineAnswer SendLocalLine(const QString &name, const QByteArray &line, int connectWaitMs,
                               int answerWaitMs);
