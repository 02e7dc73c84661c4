// Start-up of the main window: mode, game choice, caption, window position and the settings
// written on the way.
#include "app/CommandLine.h"
#include "app/FileTypeRegistration.h"
#include "app/WindowPlacement.h"
#include "gamefile/StandAlone.h"
#include "tests/app/GameHarness.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QUrl>

#include <gtest/gtest.h>

#include <cstdio>

#include <unistd.h>

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
  EXPECT_EQ(h.Game->Model().GameState(), StateNone);
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
  EXPECT_EQ(h.Game->Model().GameState(), StateNone);
  h.Advance(25);
  EXPECT_EQ(h.Game->Model().GameState(), StateTitle);
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
  EXPECT_EQ(h.Game->Model().GameState(), StateNone);
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
  EXPECT_EQ(h.Game->Model().GameState(), StateTitle);

  h.StartPlaying();
  h.Game->FileCommands().OpenGameMessage(); // while playing: ignored
  EXPECT_EQ(h.Game->GameData().FilePath, other);
  EXPECT_EQ(h.Game->Model().GameState(), StatePlaying);
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

// The session ends (SIGTERM) while start-up shows a box: the window has never been shown and no
// game was played, so the settings keep the player's game and window place.
TEST(StartupTest, AnEndOfTheSessionWhileStartUpShowsABoxKeepsTheStoredGameAndPlace) {
  TGameHarness h;
  const QString last = h.MakeGame("Castle", {TTestLevel{}});
  h.Settings.WriteSetting("LastGame", last);
  h.Settings.WriteSetting("QuarryboxLeft", "117");
  h.Settings.WriteSetting("QuarryboxTop", "23");
  h.Dialogs.WhileMessageShows = [&h] { h.Game->Close(QPoint(0, 0), TGame::CloseAtOnce); };
  h.Start({h.Folder + "Gone.qbx"});
  ASSERT_EQ(h.Dialogs.Messages.size(), 1);
  EXPECT_EQ(h.Settings.ReadSetting("LastGame"), last);
  EXPECT_EQ(h.Settings.ReadSetting("QuarryboxLeft"), "117");
  EXPECT_EQ(h.Settings.ReadSetting("QuarryboxTop"), "23");
}

// A named game that cannot be read is reported, and the start goes on as for a missing one:
// the last game, else the bundled one.
TEST(StartupTest, ADamagedNamedGameIsReportedAndTheNextGameOpens) {
  for (const bool withLastGame : {true, false}) {
    TGameHarness h;
    const QString bundled = h.MakeGame("Default", {TTestLevel{}});
    const QString last = h.MakeGame("Castle", {TTestLevel{}});
    if (withLastGame)
      h.Settings.WriteSetting("LastGame", last);
    const QString damaged = h.MakeGame("Damaged", {TTestLevel{}, TTestLevel{}});
    QFile f(damaged);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.resize(60); // the offset table promises far more than is left
    f.close();
    h.Start({damaged});
    ASSERT_EQ(h.Dialogs.Messages.size(), 1) << withLastGame;
    EXPECT_TRUE(h.Dialogs.Messages[0].contains("Damaged.qbx"))
        << h.Dialogs.Messages[0].toStdString();
    EXPECT_EQ(h.Game->GameData().FilePath, withLastGame ? last : bundled);
    h.Advance(25);
    EXPECT_EQ(h.Game->Model().GameState(), StateTitle) << withLastGame;
    EXPECT_TRUE(h.Game->Menu().Enabled(TCommand::StartGame));
  }
}

// A picture or a made game given as a game is named for what it is, not with the reader's
// offsets.
TEST(StartupTest, AFileThatIsNoGameIsSaidToBeNone) {
  TGameHarness h;
  h.MakeGame("Default", {TTestLevel{}});
  const QString picture = h.Folder + "Holiday.jpg";
  {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(picture, "JPG"));
  }
  const QString made = h.Folder + "Castle";
  {
    QFile program(QStringLiteral(QB_PROGRAM_DIR) + "/quarrybox");
    ASSERT_TRUE(program.open(QIODevice::ReadOnly));
    QFile game(h.Folder + "Games/Default.qbx");
    ASSERT_TRUE(game.open(QIODevice::ReadOnly));
    WriteFile(made, program.readAll() + game.readAll());
  }
  const QString text = h.Folder + "notes.qbx";
  WriteFile(text, "my list of games\n");
  h.Start();
  for (const auto &[file, said] :
       {std::pair{picture, QStringLiteral("\"Holiday.jpg\" is not a game: it is a file of the kind "
                                          "\"JPEG image\".")},
        std::pair{made, QStringLiteral("\"Castle\" is a game made with Make EXE: it is a program "
                                       "of its own. Start it to play it.")},
        std::pair{text, QStringLiteral("\"notes.qbx\" is not a game: it is a file of the kind "
                                       "\"plain text document\".")}}) {
    h.Dialogs.Messages.clear();
    h.Game->FileCommands().OpenDroppedGame(file);
    EXPECT_EQ(h.Dialogs.Messages, QStringList{"|" + said + "|"});
    EXPECT_EQ(h.Game->Caption(), "Quarrybox - Default");
  }
}

// The caption drops a ".qbx" and nothing else; a game file may be named anything.
TEST(StartupTest, TheCaptionNamesTheGameLessOnlyItsQbxEnding) {
  for (const auto &[file, caption] :
       {std::pair{"n", "Quarrybox - n"}, std::pair{"Castle.QBX", "Quarrybox - Castle"},
        std::pair{"my.game", "Quarrybox - my.game"}, std::pair{"Tower.qbx", "Quarrybox - Tower"}}) {
    TGameHarness h;
    const QString path = h.Folder + file;
    ASSERT_TRUE(QFile::rename(h.MakeGame("Made", {TTestLevel{}}), path));
    h.Start({path});
    EXPECT_EQ(h.Game->Caption(), caption);
  }
}

// A desktop names the file by its address (recent files, %u).
TEST(StartupTest, ALocalFileAddressOnTheCommandLineOpensItsGame) {
  TGameHarness h;
  h.MakeGame("Default", {TTestLevel{}});
  const QString castle = h.MakeGame("My Castle #1", {TTestLevel{}, TTestLevel{}});
  const QByteArray address = QUrl::fromLocalFile(castle).toEncoded();
  ASSERT_TRUE(address.contains("%20") && address.contains("%23")) << address.toStdString();
  QByteArray argument = address;
  char *argv[] = {const_cast<char *>("quarrybox"), argument.data()};
  h.Start(CommandLineArguments(2, argv));
  EXPECT_TRUE(h.Dialogs.Messages.isEmpty()) << h.Dialogs.Messages.join('\n').toStdString();
  EXPECT_EQ(h.Game->GameData().FilePath, castle);
  EXPECT_EQ(h.Game->Caption(), "Quarrybox - My Castle #1");
}

TEST(StartupTest, AHandedOverFileAddressOpensItsGame) {
  TGameHarness h;
  h.MakeGame("Default", {TTestLevel{}});
  const QString other = h.MakeGame("Other 100%", {TTestLevel{}});
  h.Settings.WriteSetting("NewQBXFile",
                          QString::fromLatin1(QUrl::fromLocalFile(other).toEncoded()));
  h.Start();
  h.Advance(25);
  h.Game->FileCommands().OpenGameMessage();
  EXPECT_TRUE(h.Dialogs.Messages.isEmpty()) << h.Dialogs.Messages.join('\n').toStdString();
  EXPECT_EQ(h.Game->GameData().FilePath, other);
}

// Addresses of files on this computer only; the name's bytes as they are, also where they are
// not UTF-8.
TEST(StartupTest, OnlyLocalFileAddressesNameFiles) {
  TGameHarness h;
  const QString castle = h.MakeGame("My Castle", {TTestLevel{}});
  const QByteArray folder = QFile::encodeName(h.Folder).toPercentEncoding("/");
  EXPECT_EQ(LocalFileOfAddress("file://" + folder + "Games/My%20Castle.qbx"), castle);
  EXPECT_EQ(LocalFileOfAddress("file://localhost" + folder + "Games/My%20Castle.qbx"), castle);
  for (const QByteArray &other :
       {QByteArray("file://elsewhere" + folder + "Games/My%20Castle.qbx"),
        QByteArray("http://localhost" + folder + "Games/My%20Castle.qbx"),
        QByteArray("file:Games/My%20Castle.qbx"), QByteArray(folder + "Games/My%20Castle.qbx")})
    EXPECT_TRUE(LocalFileOfAddress(other).isEmpty()) << other.toStdString();

  const QByteArray latin1 = QFile::encodeName(h.Folder) + "caf\xe9.qbx";
  WriteFile(h.Folder + "plain", "x");
  ASSERT_EQ(::rename(QFile::encodeName(h.Folder + "plain").constData(), latin1.constData()), 0);
  const QString opened = LocalFileOfAddress("file://" + folder + "caf%E9.qbx");
  EXPECT_TRUE(ReachedByDescriptor(opened)) << opened.toStdString();
  EXPECT_EQ(ShownFileName(opened), QString::fromUtf8("caf\u00e9.qbx"));
  EXPECT_EQ(StoredFileName(opened), QString::fromLatin1("file://" + folder + "caf%E9.qbx"));
  ::unlink(latin1.constData()); // a name the temporary folder's clean-up cannot spell
}
