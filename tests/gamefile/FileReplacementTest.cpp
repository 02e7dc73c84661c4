// Durable replacement of a file: the old file stays until the new one is complete, and what a
// killed process left is removed by the next one.
#include "gamefile/FileReplacement.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tests/support/FileBytes.h"

#include <gtest/gtest.h>

namespace {

// Beyond the largest process id Linux hands out: no such process runs.
const qint64 EndedProcess = 99999999;

} // namespace

TEST(FileReplacementTest, ACommitReplacesTheFileWithTheGivenPermissions) {
  QTemporaryDir dir;
  const QString target = dir.filePath("Castle");
  Write(target, "old");
  {
    TFileReplacement replacement(target, QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_TRUE(replacement.Open().Ok());
    EXPECT_EQ(Bytes(target), "old"); // untouched until the commit
    replacement.File().write("new");
    ASSERT_TRUE(replacement.Commit().Ok());
  }
  EXPECT_EQ(Bytes(target), "new");
  EXPECT_EQ(QFile(target).permissions() & 0x7077, QFile::ReadOwner | QFile::WriteOwner);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Castle"});
}

TEST(FileReplacementTest, AnAbandonedReplacementLeavesTheOldFileAndNoTemporaryFile) {
  QTemporaryDir dir;
  const QString target = dir.filePath("Castle");
  Write(target, "old");
  {
    TFileReplacement replacement(target, QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_TRUE(replacement.Open().Ok());
    replacement.File().write("half");
  }
  EXPECT_EQ(Bytes(target), "old");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Castle"});
}

TEST(FileReplacementTest, OnlyLeftoversOfEndedProcessesForThatFileAreRemoved) {
  QTemporaryDir dir;
  const QString ended = QStringLiteral(".Castle.%1.new").arg(EndedProcess);
  const QString running = QStringLiteral(".Castle.%1.new").arg(QCoreApplication::applicationPid());
  const QString otherFile = QStringLiteral(".Castle2.%1.new").arg(EndedProcess);
  for (const QString &name :
       {QString("Castle"), ended, running, otherFile, QString(".Castle.x.new")})
    Write(dir.filePath(name), "x");
  TFileReplacement::RemoveLeftovers(dir.filePath("Castle"));
  QStringList expected{".Castle.x.new", otherFile, running, "Castle"};
  expected.sort();
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
}

TEST(FileReplacementTest, AFolderThatCannotBeSyncedIsReported) {
  const TStatus synced = SyncFolderOf("/no such folder/Castle");
  EXPECT_FALSE(synced.Ok());
  EXPECT_TRUE(synced.Error().contains("/no such folder")) << synced.Error().toStdString();
}
