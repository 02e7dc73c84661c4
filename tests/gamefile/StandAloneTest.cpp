// Stand-alone games on a real ELF program (this test binary): appending, unpacking at start,
// and writing the game back at close.
#include "gamefile/StandAlone.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray Bytes(const QString &path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write(const QString &path, const QByteArray &bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

class StandAloneTest : public ::testing::Test {
protected:
  void SetUp() override {
    Program = QCoreApplication::applicationFilePath();
    Game = Dir.filePath("Castle.qbx");
    Write(Game, QByteArray("\x0a pretend game bytes ") + QByteArray(300, 'g'));
  }
  QTemporaryDir Dir;
  QString Program, Game;
};

} // namespace

TEST_F(StandAloneTest, APlainProgramEndsAtItsBaseSize) {
  const TResult<qint64> base = ExecutableBaseSize(Program);
  ASSERT_TRUE(base.Ok()) << base.Error().toStdString();
  EXPECT_EQ(base.Value(), QFile(Program).size());
}

TEST_F(StandAloneTest, MakeExeAppendsTheGameBehindTheBaseSize) {
  const QString target = Dir.filePath("Castle");
  ASSERT_TRUE(MakeStandAlone(Program, Game, target).Ok());
  const QByteArray made = Bytes(target);
  const qint64 base = ExecutableBaseSize(Program).Value();
  EXPECT_EQ(made.size(), base + Bytes(Game).size());
  EXPECT_EQ(made.mid(base), Bytes(Game));
  EXPECT_EQ(made.left(base), Bytes(Program));
  EXPECT_TRUE(QFile(target).permissions() & QFile::ExeOwner);
  // The base size of the made program is still that of the program: its game is found.
  EXPECT_EQ(ExecutableBaseSize(target).Value(), base);
}

TEST_F(StandAloneTest, AStartUnpacksTheGameAndACloseWritesItBack) {
  const QString target = Dir.filePath("Castle");
  ASSERT_TRUE(MakeStandAlone(Program, Game, target).Ok());
  const QString copy = Dir.filePath("copy/Castle");
  const QString played = Dir.filePath("copy/Castle.qbx");
  QDir().mkpath(Dir.filePath("copy"));
  ASSERT_TRUE(UnpackStandAlone(target, copy, played).Ok());
  EXPECT_EQ(Bytes(played), Bytes(Game));
  EXPECT_EQ(Bytes(copy), Bytes(target));

  // New scores: the game file changes; the copy takes it behind its base size.
  QByteArray changed = Bytes(played);
  changed.replace(changed.size() - 10, 10, "NEWSCORES!");
  Write(played, changed);
  ASSERT_TRUE(RepackStandAlone(copy, played).Ok());
  const qint64 base = ExecutableBaseSize(Program).Value();
  EXPECT_EQ(Bytes(copy).mid(base), changed);
  EXPECT_EQ(Bytes(copy).size(), base + changed.size());
}

TEST_F(StandAloneTest, AProgramWithoutAGameOrNotAProgramIsRefused) {
  const TStatus none = UnpackStandAlone(Program, Dir.filePath("c"), Dir.filePath("c.qbx"));
  EXPECT_FALSE(none.Ok());
  EXPECT_TRUE(none.Error().contains("carries no game")) << none.Error().toStdString();
  EXPECT_FALSE(ExecutableBaseSize(Game).Ok());
  EXPECT_FALSE(MakeStandAlone(Game, Game, Dir.filePath("x")).Ok());
  EXPECT_FALSE(QFile::exists(Dir.filePath("x")));
}

TEST_F(StandAloneTest, MakeExeThatCannotWriteLeavesNoFile) {
  const QString target = Dir.filePath("missing folder/Castle");
  EXPECT_FALSE(MakeStandAlone(Program, Game, target).Ok());
  EXPECT_FALSE(QFile::exists(target));
}

TEST(UpdateScriptTest, WaitsForTheProgramThenReplacesItAndCleansUp) {
  const QString script =
      UpdateScript(4242, "/games/Castle", "/tmp/Castle", "/tmp/Castle.qbx", "/tmp/UpdateQBX.sh");
  EXPECT_TRUE(script.contains("kill -0 4242"));
  EXPECT_TRUE(script.contains("cp '/tmp/Castle' '/games/Castle'.new"));
  EXPECT_TRUE(script.contains("mv -f '/games/Castle'.new '/games/Castle'"));
  EXPECT_TRUE(script.contains("rm -f '/tmp/Castle' '/tmp/Castle.qbx' '/tmp/UpdateQBX.sh'"));
  EXPECT_TRUE(script.contains("-lt 600")); // the wait is bounded
}
