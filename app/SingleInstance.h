#pragma once
// One running copy per program and user: a lock file in the runtime folder decides who runs;
// the running copy listens on a local socket for the messages of a later start. The main
// program is one such program, and every made game another (keyed by its file), so they run
// side by side. A lock left by a killed program is stale and taken over. A copy that begins to
// close gives up its lock and socket at once: a start from then on runs on its own instead of
// handing its game to a program that is going away.

#include "app/LocalLines.h"

#include <QLockFile>
#include <QObject>

#include <functional>
#include <memory>

class TSingleInstance : public QObject {
  Q_OBJECT
public:
  // What a later start asks of the running copy.
  enum class TMessage {
    OpenGame, // look at "NewQBXFile"
    Raise,    // bring the window to the front
    None,     // nothing: only whether it is there
  };
  enum class TStart {
    Primary,   // this process runs (and holds the lock)
    Delivered, // the running copy took the message: this process ends
    GaveUp,    // a copy holds the lock but never answered in time
  };

  // key names the program: KeyOf() of its file.
  explicit TSingleInstance(const QString &key, QObject *parent = nullptr);
  ~TSingleInstance() override;

  // MainKey for the main program (named quarrybox), else a hash of the made game's real path.
  static QString KeyOf(const QString &programFile);
  static constexpr char MainKey[] = "main";

  // True when this process is the first (and now holds the lock). The lock is made in the
  // runtime folder, else, where that takes none, in a private folder in the user's cache.
  bool TryBecomePrimary();
  // Becomes the primary, or gives the message to the running copy. A copy that is starting
  // (locked, not yet listening) is waited for; one that is closing has given up its lock, and
  // this process becomes the primary. Bounded by waitMs.
  TStart Start(TMessage message, int waitMs = 5000);
  // Primary: start listening; the handlers run from the event loop for each message.
  void Listen(std::function<void()> onOpenGame, std::function<void()> onRaise = {});
  // The close has begun: a start from now on is primary.
  void Release();
  // Releases the moment `window` is sent its close event.
  void ReleaseWhenClosing(QObject *window);

  // Delivered when the running copy answered, or kept the connection while busy.
  bool Post(TMessage message) const;

  QString ServerName() const;
  QString LockPath() const;

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  QByteArray Take(const QByteArray &line);

  QString Key;
  std::unique_ptr<QLockFile> Lock;
  TLocalLineServer Server;
  std::function<void()> OnOpenGame, OnRaise;
  bool Released = false;
  bool NoLock = false; // no folder takes a lock: the running copy is found by its socket only
};
