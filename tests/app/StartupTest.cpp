// Start-up of the main window: mode, game choice, caption, window position and the settings
// written on the way.
#include "app/FileTypeRegistration.h"
#include "app/WindowPlacement.h"
#include "gamefile/StandAlone.h"
#include "tests/app/GameHarness.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

void WriteFile(const QString &path, const QByteArray &bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

} // namespace

TEST(StartupTest, WithNoGameTheWindowIsEmptyCentredAndTheSettingsExist) {
  TGameHarness h;
  h.Start();
  h.Advance(200);
  EXPECT_EQ(h.Game->Caption(), "Empty Game");
  EXPECT_EQ(h.Game->PlayFlow().GameState(), StateNone);
  EXPECT_TRUE(h.Game->Screen().Overlays().Prompt().Visible);
  EXPECT_FALSE(h.Game->Menu().Enabled(TCommand::StartGame));
  EXPECT_FALSE(h.Game->Menu().Enabled(TCommand::Score));
  EXPECT_EQ(h.Game->WindowPosition(), QPoint(340, 302));
  for (const char *name : {"OLDRegCopied", "QRXHandle", "QRXVer", "QuarryboxPath", "QuarryboxVer"})
    EXPECT_FALSE(h.Settings.ReadSetting(name).isEmpty()) << name;
  EXPECT_EQ(h.Settings.ReadSetting("QRXHandle"), "4242");
  EXPECT_EQ(h.Settings.ReadSetting("QuarryboxPath"), h.Folder + "quarrybox");
}

TEST(StartupTest, TheBundledGameIsLoadedAndItsTitleShown) {
  TGameHarness h;
  h.MakeGame("Default", {TTestLevel{}});
  h.Start();
  EXPECT_EQ(h.Game->Caption(), "Quarrybox - Default");
  EXPECT_EQ(h.Game->PlayFlow().GameState(), StateNone);
  h.Advance(25);
  EXPECT_EQ(h.Game->PlayFlow().GameState(), StateTitle);
  EXPECT_TRUE(h.Game->Menu().Enabled(TCommand::StartGame));
  EXPECT_LT(h.Game->Screen().Surface().Left(), 0);
}

TEST(StartupTest, CommandLinePathSplitAtBlanksIsRejoined) {
  TGameHarness h;
  h.MakeGame("Default", {TTestLevel{}});
  const QString castle = h.MakeGame("My Castle", {TTestLevel{}});
  h.Start(castle.split(' '));
  EXPECT_EQ(h.Game->Caption(), "Quarrybox - My Castle");
  EXPECT_EQ(h.Game->GameData().FilePath, castle);
}

TEST(StartupTest, LastGameComesBeforeTheBundledGame) {
  TGameHarness h;
  h.MakeGame("Default", {TTestLevel{}});
  const QString last = h.MakeGame("Castle", {TTestLevel{}});
  h.Settings.WriteSetting("LastGame", last);
  h.Start();
  EXPECT_EQ(h.Game->Caption(), "Quarrybox - Castle");
}

TEST(StartupTest, ACorruptBundledGameLeavesAnEmptyWindowAndAMessage) {
  TGameHarness h;
  const QString path = h.MakeGame("Default", {TTestLevel{}, TTestLevel{}});
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadWrite));
  f.resize(60); // the offset table promises far more than is left
  f.close();
  h.Start();
  h.Advance(200);
  EXPECT_EQ(h.Game->Caption(), "Empty Game");
  EXPECT_EQ(h.Game->PlayFlow().GameState(), StateNone);
  ASSERT_EQ(h.Dialogs.Messages.size(), 1);
  EXPECT_TRUE(h.Dialogs.Messages[0].contains("Default.qbx")) << h.Dialogs.Messages[0].toStdString();
}

TEST(StartupTest, StoredWindowPositionIsUsed) {
  TGameHarness h;
  h.Settings.WriteSetting("QuarryboxLeft", "17");
  h.Settings.WriteSetting("QuarryboxTop", "-5");
  h.Start();
  EXPECT_EQ(h.Game->WindowPosition(), QPoint(17, -5));
}

TEST(StartupTest, AStoredPositionOffEveryScreenIsMovedWhollyOntoTheNearestScreen) {
  const QRect left(0, 0, 1024, 768), right(1024, 0, 1280, 1024);
  for (const auto &[stored, screen] :
       {std::pair{QPoint(-99999, 300), left}, std::pair{QPoint(2147483647, 2147483647), right},
        std::pair{QPoint(1900, -40), right}}) {
    TGameHarness h;
    h.Screens = {left, right};
    h.Settings.WriteSetting("QuarryboxLeft", QString::number(stored.x()));
    h.Settings.WriteSetting("QuarryboxTop", QString::number(stored.y()));
    h.Start();
    const QRect window(h.Game->WindowPosition(), QSize(600, 420));
    EXPECT_TRUE(screen.contains(window.marginsAdded(TypicalFrame)))
        << stored.x() << "," << stored.y() << " went to " << window.x() << "," << window.y();
  }
  TGameHarness onScreen; // a position on the second screen stays as it is
  onScreen.Screens = {left, right};
  onScreen.Settings.WriteSetting("QuarryboxLeft", "1100");
  onScreen.Settings.WriteSetting("QuarryboxTop", "100");
  onScreen.Start();
  EXPECT_EQ(onScreen.Game->WindowPosition(), QPoint(1100, 100));
}

TEST(StartupTest, AOneWordNameIsTakenAsGivenEvenWithATrailingSpace) {
  TGameHarness h;
  h.MakeGame("Default", {TTestLevel{}});
  const QString castle = h.MakeGame("Castle", {TTestLevel{}});
  ASSERT_TRUE(QFile::rename(castle, castle + ' '));
  h.Start({castle + ' '});
  EXPECT_EQ(h.Game->GameData().FilePath, castle + ' ');
  EXPECT_TRUE(h.Dialogs.Messages.isEmpty());
}

TEST(StartupTest, ANamedGameThatCannotBeOpenedIsReportedNotSilentlyReplaced) {
  TGameHarness h;
  h.MakeGame("Default", {TTestLevel{}});
  const QString missing = h.Folder + "Gone.qbx";
  h.Start({missing});
  ASSERT_EQ(h.Dialogs.Messages.size(), 1);
  EXPECT_TRUE(h.Dialogs.Messages[0].contains(missing)) << h.Dialogs.Messages[0].toStdString();
  EXPECT_TRUE(h.Dialogs.Messages[0].contains("no such file"));
  EXPECT_EQ(h.Game->Caption(), "Quarrybox - Default");
}

TEST(StartupTest, AProgramUnderAnotherNameWithoutAGameClosesAndWritesNoPaths) {
  TGameHarness h;
  bool closed = false;
  h.Game->OnCloseRequested = [&] { closed = true; };
  TStartup startup;
  startup.ProgramPath = h.Folder + "MyGame";
  startup.WindowHandle = "1";
  h.Game->Start(startup);
  EXPECT_TRUE(h.Game->StandAlone());
  h.Advance(49);
  EXPECT_FALSE(closed);
  h.Advance(1);
  EXPECT_TRUE(closed);
  h.Settings.SetStandAlone(false);
  EXPECT_EQ(h.Settings.ReadSetting("QuarryboxPath"), "");
}

// Where the game it carries cannot be written out (here a folder stands in its place), a
// stand-alone game tells the player why before it closes: it never ends without a word.
TEST(StartupTest, AStandAloneGameThatCannotBeUnpackedSaysWhyAndCloses) {
  TGameHarness h;
  const QString program = h.Folder + "MyGame";
  ASSERT_TRUE(MakeStandAlone(QStringLiteral(QB_PROGRAM_DIR) + "/quarrybox",
                             h.MakeGame("Castle", {TTestLevel{}}), program)
                  .Ok());
  ASSERT_TRUE(QDir().mkpath(h.Game->WorkingFolder() + "MyGame.qbx"));
  bool closed = false;
  h.Game->OnCloseRequested = [&] { closed = true; };
  TStartup startup;
  startup.ProgramPath = program;
  startup.WindowHandle = "1";
  h.Game->Start(startup);
  ASSERT_EQ(h.Dialogs.Messages.size(), 1);
  EXPECT_TRUE(h.Dialogs.Messages[0].contains("MyGame.qbx: cannot be written"))
      << h.Dialogs.Messages[0].toStdString();
  h.Advance(50);
  EXPECT_TRUE(closed);
}

TEST(StartupTest, AHandedOverGameOpensOnlyWhileTheTitleIsShown) {
  TGameHarness h;
  h.MakeGame("Default", {TTestLevel{}});
  const QString other = h.MakeGame("Other", {TTestLevel{}});
  h.Settings.WriteSetting("NewQBXFile", other);

  h.Start();
  h.Game->FileCommands().OpenGameMessage(); // before the first title: ignored
  EXPECT_EQ(h.Game->Caption(), "Quarrybox - Default");

  h.Advance(25);
  h.Game->FileCommands().OpenGameMessage();
  EXPECT_EQ(h.Game->Caption(), "Quarrybox - Other");
  h.Advance(25);
  EXPECT_EQ(h.Game->PlayFlow().GameState(), StateTitle);

  h.StartPlaying();
  h.Game->FileCommands().OpenGameMessage(); // while playing: ignored
  EXPECT_EQ(h.Game->GameData().FilePath, other);
  EXPECT_EQ(h.Game->PlayFlow().GameState(), StatePlaying);
}

TEST(StartupTest, ClosingStoresLastGameKeysAndPosition) {
  TGameHarness h;
  const QString path = h.MakeGame("Default", {TTestLevel{}});
  h.Start();
  h.Game->Close(QPoint(12, 34));
  EXPECT_EQ(h.Settings.ReadSetting("LastGame"), path);
  EXPECT_EQ(h.Settings.ReadSetting("DownArrow"), "Drop");
  EXPECT_EQ(h.Settings.ReadSetting("QuarryboxLeft"), "12");
  EXPECT_EQ(h.Settings.ReadSetting("QuarryboxTop"), "34");
}

TEST(StartupTest, TheGameFileTypeIsRegisteredForTheDesktop) {
  TGameHarness h;
  const QString icon = "icons/hicolor/48x48/mimetypes/application-x-quarrybox-game.png";
  ASSERT_TRUE(QDir(h.Folder).mkpath(QFileInfo(icon).path()));
  WriteFile(h.Folder + icon, "png bytes");
  TStartup startup;
  startup.ProgramPath = h.Folder + "quarrybox";
  startup.DataHome = h.Dir.filePath("share");
  h.Game->Start(startup);
  // Not before the window shows its first picture.
  EXPECT_FALSE(QFile::exists(startup.DataHome + "/applications/quarrybox.desktop"));
  h.Game->TellDesktop();
  QFile desktop(startup.DataHome + "/applications/quarrybox.desktop");
  ASSERT_TRUE(desktop.open(QIODevice::ReadOnly));
  const QString entry = QString::fromUtf8(desktop.readAll());
  EXPECT_TRUE(entry.contains("\nExec=" + h.Folder + "quarrybox %f\n")) << entry.toStdString();
  EXPECT_TRUE(entry.contains("MimeType=application/x-quarrybox-game;"));
  EXPECT_TRUE(entry.contains("\nIcon=quarrybox\n"));
  QFile mime(startup.DataHome + "/mime/packages/quarrybox-qbx.xml");
  ASSERT_TRUE(mime.open(QIODevice::ReadOnly));
  const QString type = QString::fromUtf8(mime.readAll());
  EXPECT_TRUE(type.contains("<glob pattern=\"*.qbx\"/>"));
  EXPECT_TRUE(type.contains("Zanpek Quarrybox Game"));
  QFile copied(startup.DataHome + '/' + icon);
  ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
  EXPECT_EQ(copied.readAll(), "png bytes");
}

TEST(StartupTest, AnInstalledProgramFindsItsDataInShareAndRegistersNothing) {
  TGameHarness h;
  ASSERT_TRUE(QDir(h.Folder).mkpath("share/quarrybox/Games"));
  ASSERT_TRUE(QFile::rename(h.MakeGame("Default", {TTestLevel{}}),
                            h.Folder + "share/quarrybox/Games/Default.qbx"));
  TStartup startup;
  startup.ProgramPath = h.Folder + "games/quarrybox";
  startup.DataHome = h.Dir.filePath("home-share");
  h.Game->Start(startup);
  h.Game->TellDesktop();
  EXPECT_EQ(h.Game->GameData().FilePath, h.Folder + "share/quarrybox/Games/Default.qbx");
  EXPECT_FALSE(QFileInfo::exists(startup.DataHome));
}

// Reserved characters are quoted, and the quoting escapes are themselves escaped once more,
// because the value is a string before it is a command line.
TEST(StartupTest, ExecArgumentsAreQuotedOnlyWhenTheyMustBe) {
  EXPECT_EQ(DesktopExecArgument("/opt/quarrybox/quarrybox"), "/opt/quarrybox/quarrybox");
  EXPECT_EQ(DesktopExecArgument("/home/ann/My Games/quarrybox"),
            "\"/home/ann/My Games/quarrybox\"");
  EXPECT_EQ(DesktopExecArgument("/home/ann/$x\\y/quarrybox"),
            "\"/home/ann/\\\\$x\\\\\\\\y/quarrybox\"");
  EXPECT_EQ(DesktopExecArgument("/tmp/100%/quarrybox"), "/tmp/100%%/quarrybox");
}

TEST(StartupTest, AStandAloneGameRegistersNothing) {
  TGameHarness h;
  TStartup startup;
  startup.ProgramPath = h.Folder + "Castle";
  startup.DataHome = h.Dir.filePath("share");
  h.Game->Start(startup);
  h.Game->TellDesktop();
  EXPECT_FALSE(QFile::exists(startup.DataHome + "/applications/quarrybox.desktop"));
}
