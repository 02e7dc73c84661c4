// Stand-alone games on a real ELF program (this test binary), plain and with a runtime (a
// header and payload behind it): Make EXE, unpacking at start, and writing the game back at
// close.
#include "gamefile/StandAlone.h"

#include "bundle/RuntimeHeader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include "tests/support/FileBytes.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

ino_t Inode(const QString &path) {
  struct stat st {};
  return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

class StandAloneTest : public ::testing::Test {
protected:
  void SetUp() override {
    Program = QCoreApplication::applicationFilePath();
    Game = Dir.filePath("Castle.qbx");
    Write(Game, QByteArray("\x0a pretend game bytes ") + QByteArray(300, 'g'));
    // A runtime as the launcher's build makes it: program, header, payload.
    QByteArray header(QB_RUNTIME_MAGIC, QB_RUNTIME_MAGIC_SIZE);
    char size[8];
    qToLittleEndian(quint64(Payload.size()), size);
    header.append(size, 8).append(QByteArray(QB_RUNTIME_HASH_SIZE, 'a'));
    Runtime = Dir.filePath("quarrybox-runtime");
    Write(Runtime, Bytes(Program) + header + Payload);
  }
  QStringList Entries() const { return QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden); }

  QTemporaryDir Dir;
  QString Program, Game, Runtime;
  const QByteArray Payload = QByteArray(5000, 'p');
};

} // namespace

TEST_F(StandAloneTest, APlainProgramEndsAtItsBaseSize) {
  const TResult<qint64> base = ExecutableBaseSize(Program);
  ASSERT_TRUE(base.Ok()) << base.Error().toStdString();
  EXPECT_EQ(base.Value(), QFile(Program).size());
}

TEST_F(StandAloneTest, MakeExePutsTheGameBehindTheRuntimeWhereItIsFoundAgain) {
  const QString target = Dir.filePath("Castle");
  ASSERT_TRUE(MakeStandAlone(Runtime, Game, target).Ok());
  const QByteArray made = Bytes(target);
  const qint64 base = QFile(Runtime).size();
  EXPECT_EQ(made.left(base), Bytes(Runtime));
  EXPECT_EQ(made.mid(base), Bytes(Game));
  EXPECT_TRUE(QFile(target).permissions() & QFile::ExeOther);
  EXPECT_EQ(ExecutableBaseSize(target).Value(), base);
  const TGameSource source = GameIn(target);
  EXPECT_TRUE(source.IsRange());
  EXPECT_EQ(source.Base(), base);
  EXPECT_EQ(source.Size(), Bytes(Game).size());
  // A plain game file is read whole.
  EXPECT_FALSE(GameIn(Game).IsRange());
}

TEST_F(StandAloneTest, AStartUnpacksTheGameAndACloseWritesTheNewScoresBack) {
  const QString target = Dir.filePath("Castle");
  ASSERT_TRUE(MakeStandAlone(Runtime, Game, target).Ok());
  QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  QDir().mkpath(Dir.filePath("work"));
  const QString played = Dir.filePath("work/Castle.qbx");
  ASSERT_TRUE(UnpackStandAlone(target, played).Ok());
  EXPECT_EQ(Bytes(played), Bytes(Game));

  QByteArray changed = Bytes(played);
  changed.replace(changed.size() - 10, 10, "NEWSCORES!");
  Write(played, changed);
  ASSERT_TRUE(RepackStandAlone(target, played).Ok());
  EXPECT_EQ(Bytes(target), Bytes(Runtime) + changed);
  EXPECT_EQ(QFile(target).permissions() & 0x7077, // owner, group, others
            QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  // Replaced by a rename: no temporary file stays beside it.
  EXPECT_EQ(Entries(), QStringList({"Castle", "Castle.qbx", "quarrybox-runtime"}));
}

// A game the player keeps under two names (a hard link on the desktop and one in a games
// folder): both names have the new scores.
TEST_F(StandAloneTest, ACloseWritesTheScoresIntoAProgramWithOtherLinks) {
  const QString target = Dir.filePath("Castle"), desk = Dir.filePath("Castle on the desk");
  ASSERT_TRUE(MakeStandAlone(Runtime, Game, target).Ok());
  ASSERT_EQ(::link(QFile::encodeName(target).constData(), QFile::encodeName(desk).constData()), 0);
  const ino_t before = Inode(target);
  const QString played = Dir.filePath("played.qbx");
  ASSERT_TRUE(UnpackStandAlone(desk, played).Ok());
  QByteArray changed = Bytes(played);
  changed.replace(changed.size() - 10, 10, "NEWSCORES!");
  Write(played, changed);
  const TStatus written = RepackStandAlone(desk, played);
  ASSERT_TRUE(written.Ok()) << written.Error().toStdString();
  EXPECT_EQ(Bytes(target), Bytes(Runtime) + changed);
  EXPECT_EQ(Inode(desk), before);
  EXPECT_EQ(Entries(), QStringList({"Castle", "Castle on the desk", "Castle.qbx", "played.qbx",
                                    "quarrybox-runtime"}));
}

TEST_F(StandAloneTest, ACloseWithoutNewScoresLeavesTheProgramAlone) {
  const QString target = Dir.filePath("Castle");
  ASSERT_TRUE(MakeStandAlone(Runtime, Game, target).Ok());
  const ino_t before = Inode(target);
  ASSERT_TRUE(UnpackStandAlone(target, Dir.filePath("played.qbx")).Ok());
  ASSERT_TRUE(RepackStandAlone(target, Dir.filePath("played.qbx")).Ok());
  EXPECT_EQ(Inode(target), before);
}

TEST_F(StandAloneTest, AFailedMakeExeKeepsTheFileItWouldHaveReplaced) {
  const QString target = Dir.filePath("Castle");
  Write(target, "an older game");
  EXPECT_FALSE(MakeStandAlone(Runtime, Dir.filePath("missing.qbx"), target).Ok());
  EXPECT_FALSE(MakeStandAlone(Game, Game, target).Ok()); // not a program
  EXPECT_EQ(Bytes(target), "an older game");
  EXPECT_FALSE(MakeStandAlone(Runtime, Game, Dir.filePath("missing folder/Castle")).Ok());
  EXPECT_EQ(Entries(), QStringList({"Castle", "Castle.qbx", "quarrybox-runtime"}));
}

TEST_F(StandAloneTest, AProgramWithoutAGameOrWithACutRuntimeIsRefused) {
  const TStatus none = UnpackStandAlone(Runtime, Dir.filePath("c.qbx"));
  EXPECT_FALSE(none.Ok());
  EXPECT_TRUE(none.Error().contains("carries no game")) << none.Error().toStdString();
  const QString cut = Dir.filePath("Cut");
  Write(cut, Bytes(Runtime).chopped(100));
  const TResult<qint64> base = ExecutableBaseSize(cut);
  EXPECT_FALSE(base.Ok());
  EXPECT_FALSE(UnpackStandAlone(cut, Dir.filePath("c.qbx")).Ok());
  EXPECT_FALSE(ExecutableBaseSize(Game).Ok());
}
