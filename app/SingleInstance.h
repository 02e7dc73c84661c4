#pragma once
// One running program per user: a lock file in the runtime folder decides who runs; the
// running program listens on a local socket for the hand-over message of a second start.
// A lock left by a killed program is stale and taken over.

#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QObject>

#include <functional>
#include <memory>

class TSingleInstance : public QObject {
  Q_OBJECT
public:
  explicit TSingleInstance(QObject *parent = nullptr);
  ~TSingleInstance() override;

  // True when this process is the first instance (and now holds the lock).
  bool TryBecomePrimary();
  // Primary: start listening; onHandOver runs for every hand-over message.
  void Listen(std::function<void()> onHandOver);
  // Second instance: tell the running program to look at "NewQBXFile". Bounded wait.
  static bool PostOpenGameMessage();

  static QString ServerName();

private:
  void Read(QLocalSocket *socket);

  std::unique_ptr<QLockFile> Lock;
  QLocalServer Server;
  std::function<void()> OnHandOver;
};
