// One running copy per program: the main program and each made game run side by side, a later
// start of the same program reaches the running copy, waits for one that is starting, and runs
// on its own when the running copy has begun to close.
#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

namespace {

using TStart = TSingleInstance::TStart;
using TMessage = TSingleInstance::TMessage;

class SingleInstanceTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(Runtime.isValid());
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(Runtime.path()));
  }
  // A later start of the program `key`, in a thread of its own as in a process of its own,
  // while this thread's event loop runs the first copy.
  TStart LaterStart(const QString &key, TMessage message, int waitMs = 3000) {
    std::future<TStart> later = std::async(std::launch::async, [=] {
      TSingleInstance start(key);
      return start.Start(message, waitMs);
    });
    while (later.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    const TStart result = later.get();
    QCoreApplication::processEvents(); // the queued handlers
    return result;
  }
  QString MadeGame(const QString &name) {
    const QString path = Files.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    return path;
  }

  QTemporaryDir Runtime, Files;
  int OpenGames = 0, Raises = 0;
};

} // namespace

TEST_F(SingleInstanceTest, TheMainProgramAndEachMadeGameAreProgramsOfTheirOwn) {
  EXPECT_EQ(TSingleInstance::KeyOf("/usr/games/quarrybox"), TSingleInstance::MainKey);
  EXPECT_EQ(TSingleInstance::KeyOf("/opt/QuarryBox.exe"), TSingleInstance::MainKey);
  const QString castle = MadeGame("Castle"), tower = MadeGame("Tower");
  ASSERT_TRUE(QFile::link(castle, Files.filePath("Castle link")));
  EXPECT_EQ(TSingleInstance::KeyOf(Files.filePath("Castle link")), TSingleInstance::KeyOf(castle))
      << "a link to a made game starts that game";
  EXPECT_NE(TSingleInstance::KeyOf(castle), TSingleInstance::KeyOf(tower));
  EXPECT_NE(TSingleInstance::KeyOf(castle), TSingleInstance::MainKey);

  TSingleInstance main(TSingleInstance::MainKey), castleRuns(TSingleInstance::KeyOf(castle)),
      towerRuns(TSingleInstance::KeyOf(tower));
  EXPECT_TRUE(main.TryBecomePrimary());
  EXPECT_TRUE(castleRuns.TryBecomePrimary());
  EXPECT_TRUE(towerRuns.TryBecomePrimary());
  TSingleInstance secondCastle(TSingleInstance::KeyOf(castle)),
      secondMain(TSingleInstance::MainKey);
  EXPECT_FALSE(secondCastle.TryBecomePrimary());
  EXPECT_FALSE(secondMain.TryBecomePrimary());
  EXPECT_NE(castleRuns.ServerName(), main.ServerName());
  EXPECT_NE(castleRuns.LockPath(), main.LockPath());
}

TEST_F(SingleInstanceTest, ALaterStartGivesItsMessageToTheRunningCopyOnly) {
  const QString castle = TSingleInstance::KeyOf(MadeGame("Castle"));
  TSingleInstance main(TSingleInstance::MainKey), game(castle);
  ASSERT_TRUE(main.TryBecomePrimary());
  ASSERT_TRUE(game.TryBecomePrimary());
  int mainOpens = 0, mainRaises = 0;
  main.Listen([&] { ++mainOpens; }, [&] { ++mainRaises; });
  game.Listen([&] { ++OpenGames; }, [&] { ++Raises; });

  EXPECT_EQ(LaterStart(castle, TMessage::Raise), TStart::Delivered);
  EXPECT_EQ(Raises, 1);
  EXPECT_EQ(mainRaises, 0);
  EXPECT_EQ(LaterStart(TSingleInstance::MainKey, TMessage::OpenGame), TStart::Delivered);
  EXPECT_EQ(mainOpens, 1);
  EXPECT_EQ(OpenGames, 0);
  EXPECT_EQ(LaterStart(TSingleInstance::MainKey, TMessage::None), TStart::Delivered);
  EXPECT_EQ(mainOpens, 1);
  EXPECT_EQ(mainRaises, 0);
}

// Between taking the lock and listening the first copy builds its windows: a start then waits.
TEST_F(SingleInstanceTest, AStartWhileTheFirstCopyIsStartingWaitsForIt) {
  TSingleInstance first(TSingleInstance::MainKey);
  ASSERT_TRUE(first.TryBecomePrimary());
  QTimer::singleShot(400, [&] { first.Listen([&] { ++OpenGames; }); });
  EXPECT_EQ(LaterStart(TSingleInstance::MainKey, TMessage::OpenGame), TStart::Delivered);
  EXPECT_EQ(OpenGames, 1);
}

TEST_F(SingleInstanceTest, AStartDuringTheCloseRunsOnItsOwn) {
  QWidget window;
  TSingleInstance first(TSingleInstance::MainKey);
  ASSERT_TRUE(first.TryBecomePrimary());
  first.Listen([&] { ++OpenGames; });
  window.show();
  // The close has begun (the close event is being handled) when the later start comes.
  bool closing = false;
  TStart later = TStart::GaveUp;
  struct TCloseWatch : QObject {
    std::function<void()> Run;
    bool eventFilter(QObject *, QEvent *event) override {
      if (event->type() == QEvent::Close)
        Run();
      return false;
    }
  } watch;
  watch.Run = [&] {
    closing = true;
    later = LaterStart(TSingleInstance::MainKey, TMessage::OpenGame);
  };
  // The filter installed last runs first: the instance's own sees the close before the watch.
  window.installEventFilter(&watch);
  first.ReleaseWhenClosing(&window);
  window.close();
  ASSERT_TRUE(closing);
  EXPECT_EQ(later, TStart::Primary);
  EXPECT_EQ(OpenGames, 0);
}

TEST_F(SingleInstanceTest, AStartGivesUpOnACopyThatNeverListens) {
  TSingleInstance first(TSingleInstance::MainKey);
  ASSERT_TRUE(first.TryBecomePrimary());
  EXPECT_EQ(LaterStart(TSingleInstance::MainKey, TMessage::OpenGame, 300), TStart::GaveUp);
}

// The later start's message already waits in the socket when the close begins: it is not
// answered, so the start does not end on the word of a program that is going away.
TEST_F(SingleInstanceTest, AMessageWaitingWhenTheCloseBeginsIsNotTaken) {
  TSingleInstance first(TSingleInstance::MainKey);
  ASSERT_TRUE(first.TryBecomePrimary());
  first.Listen([&] { ++OpenGames; });
  std::future<TStart> later = std::async(std::launch::async, [] {
    TSingleInstance start(TSingleInstance::MainKey);
    return start.Start(TMessage::OpenGame, 3000);
  });
  // This thread's loop does not run meanwhile: the connection and its message are pending.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  first.Release();
  while (later.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  EXPECT_EQ(later.get(), TStart::Primary);
  QCoreApplication::processEvents();
  EXPECT_EQ(OpenGames, 0);
}

// Earlier versions had one lock for every program, which a stand-alone game they made holds.
TEST_F(SingleInstanceTest, TheLockOfAnEarlierVersionsGameDoesNotKeepTheMainProgramOut) {
  QLockFile earlier(Runtime.filePath("QuarryboxMutex.lock"));
  ASSERT_TRUE(earlier.tryLock(0));
  TSingleInstance main(TSingleInstance::MainKey);
  EXPECT_TRUE(main.TryBecomePrimary());
}
