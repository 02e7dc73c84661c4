#include "settings/SettingsStore.h"
#include "settings/StoredPreferences.h"

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
  main.Write(Setting::LastGame, "/a.qbx");
  main.Write(Setting::SoundOn, false);

  TSettingsStore standAlone(File());
  standAlone.SetStandAlone(true);
  EXPECT_EQ(standAlone.Read(Setting::LastGame), "");
  EXPECT_FALSE(standAlone.Read(Setting::SoundOn));
  EXPECT_FALSE(standAlone.Write(Setting::WindowLeft, 10));
  EXPECT_TRUE(standAlone.Write(Setting::SoundOn, true));
  EXPECT_TRUE(standAlone.Write(Setting::WindowSize, 2));

  EXPECT_EQ(main.Read(Setting::WindowLeft), std::nullopt);
  EXPECT_TRUE(main.Read(Setting::SoundOn));
  EXPECT_EQ(main.Read(Setting::WindowSize), 2);
}

// The file's own spellings: what earlier versions wrote, what a hand-edited file may hold.
TEST_F(SettingsStoreTest, PlayPreferencesReadTheirStoredSpellings) {
  struct TRow {
    const char *Name, *Text;
    bool TPlayPreferences::*Field;
    bool Expected;
  };
  const TRow rows[] = {
      {"UpArrow", "", &TPlayPreferences::UpArrowClockwise, false},
      {"UpArrow", "ACW", &TPlayPreferences::UpArrowClockwise, false},
      {"UpArrow", "CW", &TPlayPreferences::UpArrowClockwise, true},
      {"UpArrow", "anything", &TPlayPreferences::UpArrowClockwise, true},
      {"Movement", "", &TPlayPreferences::SingleStepMovement, true},
      {"Movement", "Tetris", &TPlayPreferences::SingleStepMovement, true},
      {"Movement", "Slide", &TPlayPreferences::SingleStepMovement, false},
      {"RotateSND", "", &TPlayPreferences::MotionSound, true},
      {"RotateSND", "YES", &TPlayPreferences::MotionSound, true},
      {"RotateSND", "NO", &TPlayPreferences::MotionSound, false},
      {"RotateSND", "yes", &TPlayPreferences::MotionSound, false},
      {"GhostPiece", "", &TPlayPreferences::ShowLandingPlace, false},
      {"GhostPiece", "YES", &TPlayPreferences::ShowLandingPlace, true},
      {"GhostPiece", "NO", &TPlayPreferences::ShowLandingPlace, false},
  };
  for (const TRow &row : rows) {
    QFile::remove(File());
    TSettingsStore store(File());
    if (*row.Text)
      store.WriteSetting(row.Name, row.Text);
    EXPECT_EQ(ReadPlayPreferences(store).*row.Field, row.Expected) << row.Name << "=" << row.Text;
  }
}

TEST_F(SettingsStoreTest, TheDownKeyIsADropARotationOrAFall) {
  const struct {
    const char *Text;
    TDownKey Expected;
  } rows[] = {{"", TDownKey::Drop},     {"Drop", TDownKey::Drop},   {"Rotate", TDownKey::Rotate},
              {"Fall", TDownKey::Fall}, {"fall", TDownKey::Rotate}, {"drop", TDownKey::Rotate}};
  for (const auto &row : rows) {
    TSettingsStore store(File());
    store.WriteSetting("DownArrow", row.Text);
    EXPECT_EQ(ReadPlayPreferences(store).DownKey, row.Expected) << row.Text;
  }
  TSettingsStore store(File());
  TPlayPreferences falls;
  falls.DownKey = TDownKey::Fall;
  WritePlayPreferences(store, falls);
  EXPECT_EQ(store.ReadSetting("DownArrow"), "Fall");
}

TEST_F(SettingsStoreTest, SlideTimesOutsideWhatIsOfferedReadAsTheDefaults) {
  const struct {
    const char *Delay, *Rate;
    int ExpectedDelay, ExpectedRate;
  } rows[] = {{"", "", 80, 80},        {"150", "40", 150, 40},
              {"0", "16", 0, 16},      {"1000", "1000", 1000, 1000},
              {"-5", "15", 80, 80},    {"1001", "2000", 80, 80},
              {"fast", "40ms", 80, 80}};
  for (const auto &row : rows) {
    TSettingsStore store(File());
    store.WriteSetting("SlideDelay", row.Delay);
    store.WriteSetting("SlideRate", row.Rate);
    const TPlayPreferences read = ReadPlayPreferences(store);
    EXPECT_EQ(read.SlideDelay, row.ExpectedDelay) << row.Delay;
    EXPECT_EQ(read.SlideRate, row.ExpectedRate) << row.Rate;
  }
}

TEST_F(SettingsStoreTest, PlayPreferencesAreWrittenInTheSpellingsEarlierVersionsRead) {
  TSettingsStore store(File());
  TPlayPreferences changed;
  changed.DownKey = TDownKey::Rotate;
  changed.UpArrowClockwise = true;
  changed.SingleStepMovement = false;
  changed.MotionSound = false;
  WritePlayPreferences(store, changed);
  EXPECT_EQ(store.ReadSetting("DownArrow"), "Rotate");
  EXPECT_EQ(store.ReadSetting("UpArrow"), "CW");
  EXPECT_EQ(store.ReadSetting("Movement"), "Slide");
  EXPECT_EQ(store.ReadSetting("RotateSND"), "NO");
  WritePlayPreferences(store, TPlayPreferences());
  EXPECT_EQ(store.ReadSetting("DownArrow"), "Drop");
  EXPECT_EQ(store.ReadSetting("UpArrow"), "ACW");
  EXPECT_EQ(store.ReadSetting("Movement"), "Tetris");
  EXPECT_EQ(store.ReadSetting("RotateSND"), "YES");
}

TEST_F(SettingsStoreTest, NumbersAndFlagsReadMissingAndForeignTextAsTheirDefaults) {
  TSettingsStore store(File());
  EXPECT_EQ(store.Read(Setting::WindowLeft), std::nullopt);
  EXPECT_TRUE(store.Read(Setting::SoundOn));
  EXPECT_FALSE(store.Read(Setting::FullScreen));
  store.WriteSetting("QuarryboxLeft", "-40");
  store.WriteSetting("QuarryboxTop", "12px");
  store.WriteSetting("SoundState", "on");
  store.WriteSetting("FullScreen", "ON");
  EXPECT_EQ(store.Read(Setting::WindowLeft), -40);
  EXPECT_EQ(store.Read(Setting::WindowTop), std::nullopt);
  EXPECT_FALSE(store.Read(Setting::SoundOn));
  EXPECT_TRUE(store.Read(Setting::FullScreen));
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
