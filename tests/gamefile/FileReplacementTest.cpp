// Durable replacement of a file: the old file stays until the new one is complete, and what a
// killed process left is removed by the next one.
#include "gamefile/FileReplacement.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "tests/support/FileBytes.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

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

namespace {

struct stat StatOf(const QString &path) {
  struct stat st {};
  EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0) << path.toStdString();
  return st;
}

void HardLink(const QString &from, const QString &to) {
  ASSERT_EQ(::link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()), 0);
}

} // namespace

// A rename would leave the other name with the old bytes: the file is written through instead.
TEST(FileReplacementTest, AFileWithOtherLinksIsWrittenInPlaceAndKeepsThem) {
  QTemporaryDir dir;
  const QString target = dir.filePath("Castle"), other = dir.filePath("Castle on the desk");
  QByteArray old(300000, 'o');
  Write(target, old);
  HardLink(target, other);
  const ino_t inode = StatOf(target).st_ino;
  QByteArray now = old.left(200000);
  now.replace(150000, 5, "score");
  {
    TFileReplacement replacement(target, QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_TRUE(replacement.Open().Ok());
    replacement.File().write(now);
    const TStatus committed = replacement.Commit();
    ASSERT_TRUE(committed.Ok()) << committed.Error().toStdString();
  }
  EXPECT_EQ(Bytes(target), now);
  EXPECT_EQ(Bytes(other), now);
  EXPECT_EQ(StatOf(target).st_ino, inode);
  EXPECT_EQ(StatOf(target).st_nlink, 2u);
  QStringList expected{"Castle", "Castle on the desk"};
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
}

TEST(FileReplacementTest, AnInPlaceWriteCutShortIsFinishedByTheNextStart) {
  QTemporaryDir dir;
  const QString target = dir.filePath("Castle"), other = dir.filePath("Castle on the desk");
  Write(target, "the old scores and half the new");
  HardLink(target, other);
  const QString copy = dir.filePath(QStringLiteral(".Castle.%1.inplace").arg(EndedProcess));
  const QString running =
      dir.filePath(QStringLiteral(".Castle.%1.inplace").arg(QCoreApplication::applicationPid()));
  Write(copy, "the new scores");
  Write(running, "still being written by a live process");
  TFileReplacement::RemoveLeftovers(target);
  EXPECT_EQ(Bytes(target), "the new scores");
  EXPECT_EQ(Bytes(other), "the new scores");
  EXPECT_FALSE(QFile::exists(copy));
  EXPECT_TRUE(QFile::exists(running));
}

TEST(FileReplacementTest, TheOwnerAndGroupOfTheOldFileAreKept) {
  if (::geteuid() != 0)
    GTEST_SKIP() << "only root may give a file to another user";
  QTemporaryDir dir;
  const QString target = dir.filePath("Castle");
  Write(target, "old");
  ASSERT_EQ(::chown(QFile::encodeName(target).constData(), 4321, 4322), 0);
  TFileReplacement replacement(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                           QFile::ReadGroup | QFile::ExeGroup);
  ASSERT_TRUE(replacement.Open().Ok());
  replacement.File().write("new");
  ASSERT_TRUE(replacement.Commit().Ok());
  const struct stat st = StatOf(target);
  EXPECT_EQ(st.st_uid, 4321u);
  EXPECT_EQ(st.st_gid, 4322u);
  EXPECT_EQ(st.st_mode & 07777, 0750u);
  EXPECT_EQ(Bytes(target), "new");
}
