#include "settings/SettingsStore.h"

#include <QSettings>
#include <QTemporaryDir>

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

TEST_F(SettingsStoreTest, UnwritableLocationReportsFailure) {
  // A directory where the file should be: the store cannot write it.
  QDir(Dir.path()).mkdir("Quarrybox.conf");
  TSettingsStore store(File());
  EXPECT_FALSE(store.WriteSetting("DownArrow", "Drop"));
  EXPECT_EQ(store.ReadSetting("DownArrow"), "");
}
