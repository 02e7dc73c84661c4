#include "gamefile/WorkingFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

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
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                      QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFileInfo(path).permissions() & others, QFile::Permissions());
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

TEST(WorkingFolder, RuntimeFolderIsPreferredToTheCacheFolder) {
  QTemporaryDir runtime;
  qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
  EXPECT_EQ(TWorkingFolder::DefaultBase(), runtime.path());
  qputenv("XDG_RUNTIME_DIR", "");
  qputenv("XDG_CACHE_HOME", runtime.filePath("cache").toLocal8Bit());
  EXPECT_EQ(TWorkingFolder::DefaultBase(), runtime.filePath("cache"));
}
