// Saving never loses the old game: a failed save leaves the old file byte for byte and no
// temporary file behind, and says what went wrong.
#include "gamefile/GameFile.h"
#include "gamefile/GameFileWriter.h"
#include "gamefile/WorkingPictures.h"
#include "tests/gamefile/ChildProcess.h"
#include "tests/gamefile/FailingDevice.h"
#include "tests/gamefile/GameFixture.h"

#include <QDir>
#include <QFile>

#include <unistd.h>

#include <gtest/gtest.h>

namespace {

struct Save : ::testing::Test {
  TGameFixture Fixture;
  TGameData Game = Fixture.SmallGame();
  QString Target = Fixture.Path("game.qbx");
  QByteArray OldBytes = "an older game that must survive";

  void SetUp() override { WriteBytes(Target, OldBytes); }

  void ExpectOldGameKept(const QStringList &entriesBefore) {
    EXPECT_EQ(ReadBytes(Target), OldBytes);
    EXPECT_EQ(FolderEntries(QFileInfo(Target).path()), entriesBefore);
  }
};

TEST_F(Save, ReplacesTheOldFileWithTheWholeGame) {
  const QStringList before = FolderEntries(Fixture.Folder());
  ASSERT_TRUE(WriteGameFile(Target, Game).Ok());
  QBuffer expected;
  expected.open(QIODevice::ReadWrite);
  ASSERT_TRUE(TGameFileWriter(Game, "game.qbx").Write(expected).Ok());
  EXPECT_EQ(ReadBytes(Target), expected.data());
  EXPECT_EQ(FolderEntries(Fixture.Folder()), before);
}

TEST_F(Save, DeviceFillingUpAtAnyByteFailsWithAMessage) {
  QBuffer whole;
  whole.open(QIODevice::ReadWrite);
  ASSERT_TRUE(TGameFileWriter(Game, "game.qbx").Write(whole).Ok());
  const qint64 total = whole.size();
  for (qint64 limit = 0; limit < total; ++limit) {
    TFailingDevice device(limit);
    device.open(QIODevice::ReadWrite);
    const TStatus status = TGameFileWriter(Game, "game.qbx").Write(device);
    ASSERT_FALSE(status.Ok()) << "limit " << limit;
    EXPECT_TRUE(status.Error().startsWith("game.qbx: write failed at offset "))
        << status.Error().toStdString();
    EXPECT_TRUE(status.Error().contains("No space left on device")) << status.Error().toStdString();
  }
  TFailingDevice roomy(total);
  roomy.open(QIODevice::ReadWrite);
  ASSERT_TRUE(TGameFileWriter(Game, "game.qbx").Write(roomy).Ok());
  EXPECT_EQ(roomy.data(), whole.data());
}

// A real full disk: the save runs in a child whose file size limit makes writes fail (EFBIG)
// part way. The last row has room for the whole game and must succeed.
struct FullDisk : Save, ::testing::WithParamInterface<qint64> {};

TEST_P(FullDisk, FailedSaveKeepsTheOldFileAndLeavesNoTemporary) {
  const qint64 limit = GetParam();
  const QStringList before = FolderEntries(Fixture.Folder());
  const TChildOutcome outcome =
      RunInChild([&] { return LimitFileSize(limit); }, [&] { return WriteGameFile(Target, Game); });
  ASSERT_TRUE(outcome.Finished);
  if (limit >= 342) {
    EXPECT_TRUE(outcome.Ok) << outcome.Message.toStdString();
    EXPECT_EQ(ReadBytes(Target).size(), 342);
    EXPECT_EQ(FolderEntries(Fixture.Folder()), before);
    return;
  }
  ASSERT_FALSE(outcome.Ok);
  EXPECT_TRUE(outcome.Message.startsWith("game.qbx: write failed"))
      << outcome.Message.toStdString();
  EXPECT_TRUE(outcome.Message.contains("too large")) << outcome.Message.toStdString();
  ExpectOldGameKept(before);
}

INSTANTIATE_TEST_SUITE_P(Limits, FullDisk, ::testing::Values(0, 1, 21, 45, 200, 341, 342));

TEST_F(Save, PicturesCopiedOutOntoAFullDiskLeaveNoPartBehind) {
  const QString game = Fixture.WriteSmallGame("small.qbx");
  const QString out = Fixture.Path("working/");
  QDir().mkpath(out);
  const TChildOutcome outcome =
      RunInChild([] { return LimitFileSize(5); },
                 [&] {
                   TGameData data;
                   const TStatus read = ReadGameHeader(game, data);
                   return read.Ok() ? ExtractAllPictures(game, data, out) : read;
                 });
  ASSERT_TRUE(outcome.Finished);
  EXPECT_FALSE(outcome.Ok);
  EXPECT_TRUE(outcome.Message.contains("too large")) << outcome.Message.toStdString();
  EXPECT_TRUE(FolderEntries(out).isEmpty()) << FolderEntries(out).join(' ').toStdString();
}

TEST_F(Save, MissingPictureIsNamedAndTheOldFileKept) {
  const QStringList before = FolderEntries(Fixture.Folder());
  Game.Levels[1].Path = Fixture.Path("pictures/gone.bmp");
  const TStatus status = WriteGameFile(Target, Game);
  ASSERT_FALSE(status.Ok());
  EXPECT_EQ(status.Error(), "game.qbx: cannot read the level 2 picture " + Game.Levels[1].Path +
                                " (No such file or directory)");
  ExpectOldGameKept(before);
}

TEST_F(Save, PictureWithoutAStorableTypeIsRefusedBeforeWriting) {
  const QStringList before = FolderEntries(Fixture.Folder());
  Game.GameOverSkin.Type = PictureNone;
  const TStatus status = WriteGameFile(Target, Game);
  ASSERT_FALSE(status.Ok());
  EXPECT_EQ(
      status.Error(),
      "game.qbx: the game-over skin picture has type 0; only JPEG (1) and BMP (2) are stored");
  ExpectOldGameKept(before);
}

TEST_F(Save, MoreLevelsThanSixteenBitsHoldIsRefused) {
  const QStringList before = FolderEntries(Fixture.Folder());
  const TLevel first = Game.Levels[0]; // not a reference into the list that resize reallocates
  Game.Levels.resize(65536, first);
  const TStatus status = WriteGameFile(Target, Game);
  ASSERT_FALSE(status.Ok());
  EXPECT_EQ(status.Error(), "game.qbx: a game holds at most 65535 levels, this one has 65536");
  ExpectOldGameKept(before);
}

// A folder the user may not write into. Tests run as root, whom permissions do not stop, so the
// save runs in a child that has become an unprivileged user.
TEST_F(Save, ReadOnlyFolderKeepsTheOldFile) {
  const auto everyone = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                        QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
  const auto readOnly = everyone & ~QFileDevice::Permissions(QFile::WriteOwner);
  ASSERT_TRUE(QFile::setPermissions(Fixture.Folder(), everyone));
  for (const QString &name : FolderEntries(Fixture.Path("pictures")))
    QFile::setPermissions(Fixture.Path("pictures/" + name),
                          QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
  QFile::setPermissions(Fixture.Path("pictures"), everyone);
  QDir(Fixture.Folder()).mkdir("locked");
  QDir(Fixture.Folder()).mkdir("open");
  Target = Fixture.Path("locked/game.qbx");
  WriteBytes(Target, OldBytes);
  // The old file itself may be written: only the folder refuses.
  QFile::setPermissions(Target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                    QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther);
  ASSERT_TRUE(QFile::setPermissions(Fixture.Path("locked"), readOnly));
  ASSERT_TRUE(QFile::setPermissions(Fixture.Path("open"),
                                    everyone | QFile::WriteGroup | QFile::WriteOther));
  const QStringList before = FolderEntries(Fixture.Path("locked"));

  const TChildOutcome locked =
      RunInChild(BecomeUnprivileged, [&] { return WriteGameFile(Target, Game); });
  // The same child writing where it may proves that the refusal above was the folder's doing.
  const QString openTarget = Fixture.Path("open/game.qbx");
  const TChildOutcome open =
      RunInChild(BecomeUnprivileged, [&] { return WriteGameFile(openTarget, Game); });
  QFile::setPermissions(Fixture.Path("locked"), everyone);

  ASSERT_TRUE(locked.Finished);
  ASSERT_FALSE(locked.Ok);
  EXPECT_TRUE(locked.Message.startsWith("game.qbx: cannot save (")) << locked.Message.toStdString();
  EXPECT_TRUE(locked.Message.contains("Permission denied")) << locked.Message.toStdString();
  ExpectOldGameKept(before);
  ASSERT_TRUE(open.Finished);
  EXPECT_TRUE(open.Ok) << open.Message.toStdString();
  EXPECT_EQ(ReadBytes(openTarget).size(), 342);
}

} // namespace
