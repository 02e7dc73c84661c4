#include "gamefile/WorkingFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

const QFile::Permissions OwnerOnly = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
const QFile::Permissions Others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                  QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;

void Touch(const QString &path) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("picture");
}

// The id of a process that has run and ended.
qint64 EndedProcessId() {
  QProcess child;
  child.start("true", {});
  EXPECT_TRUE(child.waitForStarted());
  const qint64 id = child.processId();
  EXPECT_TRUE(child.waitForFinished());
  return id;
}

} // namespace

TEST(WorkingFolder, IsPrivateToTheProcessAndGoesWithIt) {
  QTemporaryDir base;
  const qint64 self = QCoreApplication::applicationPid();
  QString path;
  {
    TWorkingFolder folder(base.path(), self);
    path = folder.Path();
    EXPECT_EQ(path, base.filePath("quarrybox/%1/").arg(self));
    EXPECT_TRUE(QFileInfo(path).isDir());
    EXPECT_EQ(QFileInfo(path).permissions() & Others, QFile::Permissions());
    Touch(path + "tpl.jpg");
  }
  EXPECT_FALSE(QFileInfo::exists(path));
}

TEST(WorkingFolder, StartRemovesWhatEndedProcessesLeftAndKeepsTheRest) {
  QTemporaryDir base;
  const QDir parent(base.filePath("quarrybox"));
  const QString ended = QString::number(EndedProcessId());
  const QString running = QString::number(QCoreApplication::applicationPid());
  for (const QString &name : {ended, running, QStringLiteral("notes")}) {
    ASSERT_TRUE(parent.mkpath(name));
    Touch(parent.filePath(name + "/tpl0.jpg"));
  }

  TWorkingFolder folder(base.path(), 999999999);

  EXPECT_FALSE(parent.exists(ended));
  EXPECT_TRUE(QFile::exists(parent.filePath(running + "/tpl0.jpg")));
  EXPECT_TRUE(parent.exists("notes"));
  EXPECT_TRUE(QFileInfo(folder.Path()).isDir());
}

// No runtime folder and a home that cannot be written (a file stands where a folder would):
// the folder is a private one of a unique name in the temporary folder, and goes as well.
TEST(WorkingFolder, WhereTheBaseWillNotHaveItATemporaryFolderOfItsOwnIsUsed) {
  for (const char *blocked : {"", "quarrybox", "quarrybox/4242"}) {
    QTemporaryDir scratch;
    const QString base = scratch.filePath("home/.cache");
    const QString file = QString(blocked).isEmpty() ? base : base + '/' + blocked;
    ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
    Touch(file);
    ASSERT_TRUE(QDir().mkpath(scratch.filePath("tmp")));
    const QString temporary = scratch.filePath("tmp");
    QString path;
    {
      TWorkingFolder folder(base, 4242, temporary);
      path = folder.Path();
      EXPECT_TRUE(QFileInfo(path).isDir()) << blocked << ": " << path.toStdString();
      const QFileInfo made(QDir::cleanPath(path));
      EXPECT_EQ(made.path().toStdString(), temporary.toStdString()) << blocked;
      EXPECT_TRUE(made.fileName().contains(QRegularExpression("^quarrybox-4242-\\w{6}$")))
          << path.toStdString();
      EXPECT_EQ(QFileInfo(path).permissions() & (OwnerOnly | Others), OwnerOnly);
      Touch(path + "tpl.jpg");
      EXPECT_TRUE(QFile::exists(path + "tpl.jpg"));
      TWorkingFolder second(base, 4242, temporary); // a second one never shares it
      EXPECT_NE(second.Path(), path);
    }
    EXPECT_FALSE(QFileInfo::exists(path)) << blocked;
    EXPECT_TRUE(QDir(temporary).isEmpty()) << blocked;
  }
}

TEST(WorkingFolder, TheTemporaryFoldersOfEndedProcessesGoAndTheRestStay) {
  QTemporaryDir scratch;
  Touch(scratch.filePath("home"));
  const QDir temporary(scratch.filePath("tmp"));
  ASSERT_TRUE(temporary.mkpath("."));
  const QString ended = QString("quarrybox-%1-AbC123").arg(EndedProcessId());
  const QString running = QString("quarrybox-%1-AbC123").arg(QCoreApplication::applicationPid());
  for (const QString &name :
       {ended, running, QString("quarrybox-notes"), QString("other-1-AbC123")}) {
    ASSERT_TRUE(temporary.mkpath(name));
    Touch(temporary.filePath(name + "/tpl0.jpg"));
  }
  // A link named as a folder of an ended process: what it points at is not this program's.
  ASSERT_TRUE(
      QFile::link(temporary.filePath("other-1-AbC123"),
                  temporary.filePath(QString("quarrybox-%1-XyZ789").arg(EndedProcessId()))));

  TWorkingFolder folder(scratch.filePath("home"), 4242, temporary.path());

  EXPECT_FALSE(temporary.exists(ended));
  for (const QString &name : {running, QString("quarrybox-notes"), QString("other-1-AbC123")})
    EXPECT_TRUE(QFile::exists(temporary.filePath(name + "/tpl0.jpg"))) << name.toStdString();
  EXPECT_TRUE(QFileInfo(folder.Path()).isDir());
}

namespace {

// How a forked child that made its working folder (with a picture and a sub-folder in it) and
// then raised a signal ended: the signal that ended it, or 1000 + its exit status.
int EndOfChildThatRaises(const QString &base, int signalNumber, void (*before)(int) = nullptr) {
  const pid_t child = fork();
  if (child == 0) {
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    if (before)
      before(signalNumber);
    TWorkingFolder folder(base, getpid());
    QDir(folder.Path()).mkpath("added/level");
    for (const char *name : {"tpl.jpg", "added/level/tpl0.jpg"}) {
      QFile file(folder.Path() + name);
      if (!file.open(QIODevice::WriteOnly))
        _exit(90);
    }
    raise(signalNumber);
    _exit(QFileInfo::exists(folder.Path() + "tpl.jpg") ? 0 : 91);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFSIGNALED(status) ? WTERMSIG(status) : 1000 + WEXITSTATUS(status);
}

bool NoWorkingFolderIn(const QString &base) {
  return QDir(base + "/quarrybox").entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty();
}

void Ignore(int signalNumber) { signal(signalNumber, SIG_IGN); }
void ExitOnIt(int signalNumber) {
  signal(signalNumber, [](int) { _exit(7); });
}

} // namespace

TEST(WorkingFolder, ASignalThatEndsTheProcessRemovesTheFolderFirst) {
  std::vector<int> endings{SIGTERM, SIGINT,  SIGHUP,  SIGQUIT, SIGUSR1,
                           SIGPIPE, SIGALRM, SIGABRT, SIGXCPU};
#ifndef __SANITIZE_ADDRESS__
  endings.push_back(SIGSEGV); // AddressSanitizer takes this one itself, and leaves by abort
#endif
  for (int signalNumber : endings) {
    QTemporaryDir base;
    EXPECT_EQ(EndOfChildThatRaises(base.path(), signalNumber), signalNumber) << signalNumber;
    EXPECT_TRUE(NoWorkingFolderIn(base.path())) << strsignal(signalNumber);
  }
}

// What is ignored stays ignored, and a program's own handler stays its own.
TEST(WorkingFolder, SignalsTheProgramHasTakenAreLeftToIt) {
  QTemporaryDir ignored, handled;
  EXPECT_EQ(EndOfChildThatRaises(ignored.path(), SIGHUP, Ignore), 1000);
  EXPECT_FALSE(NoWorkingFolderIn(ignored.path()));
  EXPECT_EQ(EndOfChildThatRaises(handled.path(), SIGUSR2, ExitOnIt), 1007);
  EXPECT_FALSE(NoWorkingFolderIn(handled.path()));
}

// A child forked by the program (to start a helper) that a signal ends leaves the folder alone.
TEST(WorkingFolder, AForkedChildEndedByASignalLeavesItsParentsFolder) {
  QTemporaryDir base;
  TWorkingFolder folder(base.path(), getpid());
  const pid_t child = fork();
  if (child == 0) {
    raise(SIGTERM);
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM);
  EXPECT_TRUE(QFileInfo(folder.Path()).isDir());
}

TEST(WorkingFolder, RuntimeFolderIsPreferredToTheCacheFolder) {
  QTemporaryDir runtime;
  qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
  EXPECT_EQ(TWorkingFolder::DefaultBase(), runtime.path());
  qputenv("XDG_RUNTIME_DIR", "");
  qputenv("XDG_CACHE_HOME", runtime.filePath("cache").toLocal8Bit());
  EXPECT_EQ(TWorkingFolder::DefaultBase(), runtime.filePath("cache"));
}
