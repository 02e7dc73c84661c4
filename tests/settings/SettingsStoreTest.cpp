#include "settings/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
  QTemporaryDir Dir;
  QString File() const { return Dir.filePath("Quarrybox.conf"); }
};

} // namespace

TEST_F(SettingsStoreTest, MissingValueReadsEmptyAndWrittenValueReadsBack) {
  TSettingsStore store(File());
  EXPECT_EQ(store.ReadSetting("DownArrow"), "");
  EXPECT_TRUE(store.WriteSetting("DownArrow", "Rotate"));
  EXPECT_EQ(TSettingsStore(File()).ReadSetting("DownArrow"), "Rotate");
}

TEST_F(SettingsStoreTest, ValuesLiveInGroupTwoPointZero) {
  TSettingsStore store(File());
  store.WriteSetting("LastGame", "/games/Castle.qbx");
  QSettings raw(File(), QSettings::IniFormat);
  EXPECT_EQ(raw.value("2.0/LastGame").toString(), "/games/Castle.qbx");
}

TEST_F(SettingsStoreTest, StandAloneModeTouchesOnlyThePreferences) {
  TSettingsStore main(File());
  main.WriteSetting("LastGame", "/a.qbx");
  main.WriteSetting("SoundState", "OFF");

  TSettingsStore standAlone(File());
  standAlone.SetStandAlone(true);
  EXPECT_EQ(standAlone.ReadSetting("LastGame"), "");
  EXPECT_EQ(standAlone.ReadSetting("SoundState"), "OFF");
  EXPECT_FALSE(standAlone.WriteSetting("QuarryboxLeft", "10"));
  EXPECT_TRUE(standAlone.WriteSetting("SoundState", "ON"));

  EXPECT_EQ(main.ReadSetting("QuarryboxLeft"), "");
  EXPECT_EQ(main.ReadSetting("SoundState"), "ON");
}

TEST_F(SettingsStoreTest, OldVersionValuesAreCopiedOnceAndTheOldKeyDeleted) {
  {
    QSettings raw(File(), QSettings::IniFormat);
    raw.setValue("1.0/QRXHandle", "777");
    raw.setValue("1.0/DownArrow", "Rotate");
    raw.setValue("1.0/LastGame", "/old/Game.qbx");
  }
  TSettingsStore store(File());
  store.CopyFromOldVersion("4242");
  EXPECT_EQ(store.ReadSetting("DownArrow"), "Rotate");
  EXPECT_EQ(store.ReadSetting("LastGame"), "/old/Game.qbx");
  EXPECT_EQ(store.ReadSetting("QRXHandle"), "4242");
  EXPECT_EQ(store.ReadSetting("OLDRegCopied"), "YES");
  EXPECT_EQ(store.ReadSetting("QRXVer"), "2.0");
  QSettings raw(File(), QSettings::IniFormat);
  EXPECT_FALSE(raw.contains("1.0/DownArrow"));
}

TEST_F(SettingsStoreTest, OldKeyWithEmptyHandleStaysButCopyIsMarkedDone) {
  {
    QSettings raw(File(), QSettings::IniFormat);
    raw.setValue("1.0/QRXHandle", "");
    raw.setValue("1.0/DownArrow", "Rotate");
  }
  TSettingsStore store(File());
  store.CopyFromOldVersion("1");
  EXPECT_EQ(store.ReadSetting("DownArrow"), "");
  EXPECT_EQ(store.ReadSetting("OLDRegCopied"), "YES");
  QSettings raw(File(), QSettings::IniFormat);
  EXPECT_EQ(raw.value("1.0/DownArrow").toString(), "Rotate");
}

TEST_F(SettingsStoreTest, WritingTheValueAlreadyStoredLeavesTheFileAsItIs) {
  const auto inode = [this] {
    struct stat status;
    return ::stat(QFile::encodeName(File()).constData(), &status) == 0 ? status.st_ino : 0;
  };
  TSettingsStore store(File());
  ASSERT_TRUE(store.WriteSetting("SoundState", "ON"));
  const auto written = inode();
  EXPECT_TRUE(store.WriteSetting("SoundState", "ON"));
  EXPECT_EQ(inode(), written); // a write replaces the file: the same one is still there
  EXPECT_TRUE(store.WriteSetting("SoundState", "OFF"));
  EXPECT_NE(inode(), written);
  EXPECT_EQ(TSettingsStore(File()).ReadSetting("SoundState"), "OFF");
}

TEST_F(SettingsStoreTest, UnwritableLocationReportsFailure) {
  // A directory where the file should be: the store cannot write it.
  QDir(Dir.path()).mkdir("Quarrybox.conf");
  TSettingsStore store(File());
  EXPECT_FALSE(store.WriteSetting("DownArrow", "Drop"));
  EXPECT_EQ(store.ReadSetting("DownArrow"), "");
}

namespace {

bool IsFifo(const QString &path) {
  struct stat status;
  return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
}

} // namespace

TEST_F(SettingsStoreTest, SymlinkToARegularFileIsWrittenThroughAndStaysALink) {
  const QString real = Dir.filePath("real.conf");
  ASSERT_TRUE(QFile::link(real, File()));
  EXPECT_TRUE(TSettingsStore(real).WriteSetting("Movement", "Fast"));
  TSettingsStore store(File());
  EXPECT_EQ(store.ReadSetting("Movement"), "Fast");
  EXPECT_TRUE(store.WriteSetting("Movement", "Slow"));
  EXPECT_EQ(QFileInfo(File()).symLinkTarget(), real);
  EXPECT_EQ(TSettingsStore(real).ReadSetting("Movement"), "Slow");
}

// A FIFO, directly or behind a link, would block the first read; a save would replace it.
TEST_F(SettingsStoreTest, FifoIsNeitherOpenedNorReplacedAndWarnsOnce) {
  const QString fifo = Dir.filePath("fifo.conf");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  ASSERT_TRUE(QFile::link(fifo, File()));
  for (const QString &path : {fifo, File()}) {
    TSettingsStore store(path);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(store.ReadSetting("SoundState"), "");
    EXPECT_FALSE(store.WriteSetting("SoundState", "ON"));
    store.CopyFromOldVersion("1");
    const std::string warnings = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(warnings.find("is not a regular file"), std::string::npos) << warnings;
    EXPECT_EQ(std::count(warnings.begin(), warnings.end(), '\n'), 1) << warnings;
  }
  EXPECT_TRUE(IsFifo(fifo));
  EXPECT_EQ(QFileInfo(File()).symLinkTarget(), fifo);
}

// Only read: whatever the store did wrong, a write must never reach a real device.
TEST_F(SettingsStoreTest, LinkToADeviceReadsAsDefaults) {
  ASSERT_TRUE(QFile::link("/dev/null", File()));
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(TSettingsStore(File()).ReadSetting("DownArrow"), "");
  EXPECT_NE(::testing::internal::GetCapturedStderr().find("is not a regular file"),
            std::string::npos);
}

TEST_F(SettingsStoreTest, DanglingLinkIsNotCreatedThrough) {
  ASSERT_TRUE(QFile::link(Dir.filePath("missing/target.conf"), File()));
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(TSettingsStore(File()).WriteSetting("DownArrow", "Drop"));
  ::testing::internal::GetCapturedStderr();
  EXPECT_TRUE(QFileInfo(File()).isSymLink());
  EXPECT_FALSE(QFileInfo::exists(Dir.filePath("missing")));
}
