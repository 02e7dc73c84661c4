// The real program as a process (offscreen): start-up with and without a game, the single
// instance with its hand-over, and a start after the first program was killed.
#include "gamefile/StandAlone.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <tuple>

namespace {

const QString BuiltProgramDir = QStringLiteral(QB_PROGRAM_DIR);

class ProcessTest : public ::testing::Test {
protected:
  void SetUp() override {
    // A program folder of each test's own: tests running side by side must not share the
    // working pictures, nor write into each other's game.
    ProgramDir = Home.filePath("program");
    QDir().mkpath(ProgramDir + "/Games");
    ASSERT_TRUE(QFile::copy(BuiltProgramDir + "/quarrybox", ProgramDir + "/quarrybox"));
    QFile::setPermissions(ProgramDir + "/quarrybox", QFile::ReadOwner | QFile::ExeOwner);
    ASSERT_TRUE(
        QFile::copy(BuiltProgramDir + "/Games/Default.qbx", ProgramDir + "/Games/Default.qbx"));
    QDir(Home.path()).mkpath("runtime");
    QFile::setPermissions(Home.filePath("runtime"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    Env = QProcessEnvironment::systemEnvironment();
    Env.insert("QT_QPA_PLATFORM", "offscreen");
    Env.insert("SDL_AUDIODRIVER", "dummy");
    Env.insert("XDG_CONFIG_HOME", Home.filePath("config"));
    Env.insert("XDG_DATA_HOME", Home.filePath("data"));
    Env.insert("XDG_RUNTIME_DIR", Home.filePath("runtime"));
    Env.insert("QUARRYBOX_TRACE", Trace());
  }
  void TearDown() override {
    for (QProcess *p : Running) {
      p->terminate();
      if (!p->waitForFinished(5000))
        p->kill();
      delete p;
    }
  }
  QString Trace() const { return Home.filePath("trace.txt"); }
  QString TraceText() const {
    QFile f(Trace());
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
  }
  // The state is traced before it is entered: what its entry writes may come a moment later.
  static bool WaitForFile(const QString &path, int ms = 5000) {
    QElapsedTimer t;
    t.start();
    while (!QFile::exists(path) && t.elapsed() < ms)
      QThread::msleep(20);
    return QFile::exists(path);
  }
  bool WaitForTrace(const QString &text, int ms = 10000) const {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
      if (TraceText().contains(text))
        return true;
      QThread::msleep(50);
    }
    return false;
  }
  QProcess *Start(const QString &program, const QStringList &args = {}) {
    auto *p = new QProcess;
    p->setProcessEnvironment(Env);
    p->start(program, args);
    EXPECT_TRUE(p->waitForStarted(5000));
    Running.push_back(p);
    return p;
  }
  QString Setting(const QString &name) const {
    QSettings s(Home.filePath("config/ZanpekSystems/Quarrybox.conf"), QSettings::IniFormat);
    return s.value("2.0/" + name).toString();
  }

  QTemporaryDir Home;
  QString ProgramDir;
  QProcessEnvironment Env;
  std::vector<QProcess *> Running;
};

} // namespace

TEST_F(ProcessTest, WithoutAGameTheWindowIsEmptyAndTheSettingsAreWritten) {
  // A program folder without the bundled game.
  const QString folder = ProgramDir + '/';
  ASSERT_TRUE(QFile::remove(folder + "Games/Default.qbx"));
  Start(folder + "quarrybox");
  ASSERT_TRUE(WaitForTrace("caption Empty Game")) << TraceText().toStdString();
  QThread::msleep(300);
  EXPECT_FALSE(TraceText().contains("state ")) << TraceText().toStdString();
  for (const char *name : {"OLDRegCopied", "QRXHandle", "QRXVer", "QuarryboxPath", "QuarryboxVer"})
    EXPECT_FALSE(Setting(name).isEmpty()) << name;
  EXPECT_EQ(Setting("QuarryboxPath"), folder + "quarrybox");
}

TEST_F(ProcessTest, ASecondStartHandsItsGameOverAndEndsWithoutAWindow) {
  QProcess *first = Start(ProgramDir + "/quarrybox");
  ASSERT_TRUE(WaitForTrace("state 1")) << TraceText().toStdString();
  EXPECT_TRUE(TraceText().contains("caption Quarrybox - Default"));

  const QString other = Home.filePath("My Castle.qbx");
  ASSERT_TRUE(QFile::copy(ProgramDir + "/Games/Default.qbx", other));
  QElapsedTimer t;
  t.start();
  QProcess *second = Start(ProgramDir + "/quarrybox", other.split(' '));
  ASSERT_TRUE(second->waitForFinished(2000));
  EXPECT_LT(t.elapsed(), 2000);
  EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second->exitCode(), 0);
  EXPECT_EQ(Setting("NewQBXFile"), other);
  // The first program is on its title screen, so it opens the handed-over game.
  EXPECT_TRUE(WaitForTrace("caption Quarrybox - My Castle")) << TraceText().toStdString();
  EXPECT_EQ(first->state(), QProcess::Running);
}

TEST_F(ProcessTest, AGameWhoseNameIsNotUtf8OpensFromTheCommandLineAndAgainAtTheNextStart) {
  // A Latin-1 name: "Spiel" + a-umlaut as one byte, which is not UTF-8. Only a shell can pass
  // such bytes; QProcess arguments are text.
  const QByteArray name = QFile::encodeName(Home.path()) + "/Spiel\xe4.qbx";
  QFile::copy(ProgramDir + "/Games/Default.qbx", Home.filePath("plain.qbx"));
  ASSERT_EQ(::rename(QFile::encodeName(Home.filePath("plain.qbx")).constData(), name.constData()),
            0);
  QProcess *program =
      Start("/bin/sh", {"-c", "exec \"$0\" \"$(printf '%b' \"$1\")\"", ProgramDir + "/quarrybox",
                        QString::fromLatin1(name).replace(QChar(0xE4), "\\0344")});
  ASSERT_TRUE(WaitForTrace("state 1")) << TraceText().toStdString();
  // As a file manager shows it: the byte as Latin-1.
  EXPECT_TRUE(TraceText().contains(QString::fromUtf8("caption Quarrybox - Spiel\u00e4")))
      << TraceText().toStdString();
  program->terminate();
  ASSERT_TRUE(program->waitForFinished(5000));
  // Not the descriptor it was reached through, which means nothing to the next start, but
  // the name's bytes.
  EXPECT_EQ(Setting("LastGame"), QString::fromLatin1("file://" + name.toPercentEncoding("/")));
  QFile::remove(Trace());
  QProcess *again = Start(ProgramDir + "/quarrybox");
  EXPECT_TRUE(WaitForTrace(QString::fromUtf8("caption Quarrybox - Spiel\u00e4")))
      << TraceText().toStdString();
  again->terminate();
  ASSERT_TRUE(again->waitForFinished(5000));
}

TEST_F(ProcessTest, AStartAfterTheFirstProgramWasKilledWorks) {
  QProcess *first = Start(ProgramDir + "/quarrybox");
  ASSERT_TRUE(WaitForTrace("state 1"));
  ::kill(static_cast<pid_t>(first->processId()), SIGKILL);
  first->waitForFinished(3000);
  QFile::remove(Trace());
  QProcess *again = Start(ProgramDir + "/quarrybox");
  EXPECT_TRUE(WaitForTrace("state 1")) << TraceText().toStdString();
  EXPECT_EQ(again->state(), QProcess::Running);
}

TEST_F(ProcessTest, TheEndOfTheSessionClosesTheWindowAsTheCloseCommandDoes) {
  QProcess *program = Start(ProgramDir + "/quarrybox");
  ASSERT_TRUE(WaitForTrace("state 1"));
  // The title picture, copied out into the program's own working folder.
  const QString working = Home.filePath("runtime/quarrybox/%1/").arg(program->processId());
  EXPECT_TRUE(WaitForFile(working + "tp.jpg"));
  EXPECT_FALSE(QFile::exists(ProgramDir + "/tp.jpg"));
  program->terminate();
  ASSERT_TRUE(program->waitForFinished(5000));
  EXPECT_EQ(program->exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(Setting("LastGame"), ProgramDir + "/Games/Default.qbx");
  EXPECT_FALSE(Setting("QuarryboxLeft").isEmpty());
  EXPECT_FALSE(QFileInfo::exists(working));
}

// The game is played from the program's working folder; a close with no new score leaves the
// program file as it was and the working folder goes.
// The end of the session while the start-up box is open: the window was never shown, and the
// player's stored game and window place stay.
TEST_F(ProcessTest, TheEndOfTheSessionDuringTheStartUpBoxKeepsTheStoredSettings) {
  {
    QSettings s(Home.filePath("config/ZanpekSystems/Quarrybox.conf"), QSettings::IniFormat);
    s.setValue("2.0/LastGame", ProgramDir + "/Games/Default.qbx");
    s.setValue("2.0/QuarryboxLeft", "211");
    s.setValue("2.0/QuarryboxTop", "97");
  }
  QProcess *program = Start(ProgramDir + "/quarrybox", {Home.filePath("no/such.qbx")});
  ASSERT_TRUE(WaitForTrace("message Message||")) << TraceText().toStdString();
  ::kill(static_cast<pid_t>(program->processId()), SIGTERM);
  ASSERT_TRUE(program->waitForFinished(5000));
  EXPECT_EQ(program->exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(Setting("LastGame"), ProgramDir + "/Games/Default.qbx");
  EXPECT_EQ(Setting("QuarryboxLeft"), "211");
  EXPECT_EQ(Setting("QuarryboxTop"), "97");
}

// Asked for help or the version, the program answers on the terminal and ends: no display is
// needed, and the player's language is spoken.
TEST_F(ProcessTest, HelpAndVersionAreAnsweredOnTheTerminal) {
  Env.insert("QT_QPA_PLATFORM", "xcb");
  Env.insert("DISPLAY", ":99999"); // no such display: a window would fail
  Env.insert("LANGUAGE", "en");
  for (const auto &[argument, status, out] :
       {std::tuple{"--help", 0, "  -v, --version  show the version and end"},
        std::tuple{"-h", 0, "Usage: quarrybox [GAME FILE]"},
        std::tuple{"--version", 0, "Quarrybox 2.0\n"},
        std::tuple{"--fullscreen", 2, "quarrybox: unknown option \"--fullscreen\""}}) {
    QProcess *program = Start(ProgramDir + "/quarrybox", {argument});
    ASSERT_TRUE(program->waitForFinished(5000)) << argument;
    EXPECT_EQ(program->exitCode(), status) << argument;
    const QString said = QString::fromUtf8(status == 0 ? program->readAllStandardOutput()
                                                       : program->readAllStandardError());
    EXPECT_TRUE(said.contains(QString::fromUtf8(out))) << argument << ": " << said.toStdString();
  }
  Env.insert("LANGUAGE", "de");
  QProcess *german = Start(ProgramDir + "/quarrybox", {"--help"});
  ASSERT_TRUE(german->waitForFinished(5000));
  EXPECT_TRUE(QString::fromUtf8(german->readAllStandardOutput()).contains("--version"));
  EXPECT_FALSE(TraceText().contains("caption")) << TraceText().toStdString();
}

// With the runtime folder read-only (a read-only mount, which binds root as well), the lock
// goes to the user's cache: the program shows its window, and a later start still hands its
// game over.
TEST_F(ProcessTest, AReadOnlyRuntimeFolderStillGivesAWindowAndAHandOver) {
  if (QProcess::execute("unshare", {"-rm", "true"}) != 0)
    GTEST_SKIP() << "no user and mount namespaces here to make a read-only folder";
  Env.insert("XDG_CACHE_HOME", Home.filePath("cache"));
  const QString other = Home.filePath("Other.qbx");
  ASSERT_TRUE(QFile::copy(ProgramDir + "/Games/Default.qbx", other));
  const QString script = QStringLiteral("mount --bind \"$XDG_RUNTIME_DIR\" \"$XDG_RUNTIME_DIR\" && "
                                        "mount -o remount,bind,ro \"$XDG_RUNTIME_DIR\" || exit 1; "
                                        "\"$0\" & first=$!; trap 'kill $first' TERM; sleep 2; "
                                        "\"$0\" \"$1\"; echo \"second $?\"; wait $first");
  QProcess *both = Start("unshare", {"-rm", "sh", "-c", script, ProgramDir + "/quarrybox", other});
  EXPECT_TRUE(WaitForTrace("caption Quarrybox - Default")) << TraceText().toStdString();
  EXPECT_TRUE(WaitForTrace("caption Quarrybox - Other")) << TraceText().toStdString();
  EXPECT_TRUE(QFileInfo(Home.filePath("cache/quarrybox/QuarryboxMutex-main.lock")).isFile());
  EXPECT_EQ(both->state(), QProcess::Running);
  both->waitForReadyRead(3000);
  EXPECT_EQ(both->readAllStandardOutput(), "second 0\n");
}

TEST_F(ProcessTest, AStandAloneGamePlaysItsOwnGameAndKeepsItAfterClosing) {
  const QString castle = Home.filePath("Castle");
  const QString game = ProgramDir + "/Games/Default.qbx";
  ASSERT_TRUE(MakeStandAlone(ProgramDir + "/quarrybox", game, castle).Ok());
  const QByteArray made = [&] {
    QFile f(castle);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }();
  QProcess *program = Start(castle);
  ASSERT_TRUE(WaitForTrace("state 1")) << TraceText().toStdString();
  EXPECT_TRUE(TraceText().contains("caption Quarrybox - Castle"));
  const QString working =
      Home.filePath(QStringLiteral("runtime/quarrybox/%1/Castle.qbx").arg(program->processId()));
  EXPECT_TRUE(QFile::exists(working));
  program->terminate();
  ASSERT_TRUE(program->waitForFinished(5000));
  EXPECT_FALSE(QFile::exists(working));
  QFile after(castle);
  ASSERT_TRUE(after.open(QIODevice::ReadOnly));
  EXPECT_EQ(after.readAll(), made);
  EXPECT_EQ(QDir(Home.path()).entryList(QDir::Files | QDir::Hidden).filter("Castle"),
            QStringList{"Castle"});
  EXPECT_TRUE(Setting("LastGame").isEmpty()); // a stand-alone game stores only preferences
}

// Made from the real runtime: the launcher unpacks the program into the user's cache and runs
// it in stand-alone mode for the file it started from.
TEST_F(ProcessTest, AStandAloneGameFromTheRuntimeRunsThroughItsLauncher) {
  const QString castle = Home.filePath("Castle");
  ASSERT_TRUE(MakeStandAlone(BuiltProgramDir + "/quarrybox-runtime",
                             ProgramDir + "/Games/Default.qbx", castle)
                  .Ok());
  Env.insert("XDG_CACHE_HOME", Home.filePath("cache"));
  QProcess *program = Start(castle);
  ASSERT_TRUE(WaitForTrace("state 1")) << TraceText().toStdString();
  EXPECT_TRUE(TraceText().contains("caption Quarrybox - Castle"));
  const QStringList unpacked =
      QDir(Home.filePath("cache/quarrybox/runtime")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  ASSERT_EQ(unpacked.size(), 1);
  EXPECT_TRUE(
      QFile::exists(Home.filePath("cache/quarrybox/runtime/" + unpacked[0] + "/quarrybox")));
  program->terminate();
  ASSERT_TRUE(program->waitForFinished(5000));
  EXPECT_EQ(program->exitCode(), 0);
}

// With no runtime folder and a home that cannot be written (a file stands where its cache would
// be), both the launcher and the program make private folders in the temporary folder; the
// game plays, and both folders go when it ends.
TEST_F(ProcessTest, AStandAloneGameWithNowhereButTheTemporaryFolderPlays) {
  const QString castle = Home.filePath("Castle");
  ASSERT_TRUE(MakeStandAlone(BuiltProgramDir + "/quarrybox-runtime",
                             ProgramDir + "/Games/Default.qbx", castle)
                  .Ok());
  QFile home(Home.filePath("home"));
  ASSERT_TRUE(home.open(QIODevice::WriteOnly));
  home.close();
  ASSERT_TRUE(QDir(Home.path()).mkdir("tmp"));
  const QDir temporary(Home.filePath("tmp"));
  Env.remove("XDG_RUNTIME_DIR");
  Env.remove("XDG_CACHE_HOME");
  Env.insert("HOME", home.fileName());
  Env.insert("TMPDIR", temporary.path());
  QProcess *program = Start(castle);
  ASSERT_TRUE(WaitForTrace("state 1")) << TraceText().toStdString();
  EXPECT_TRUE(TraceText().contains("caption Quarrybox - Castle"));
  // The launcher's folder holds the program, the program's the game it plays.
  const QStringList made = temporary.entryList({"quarrybox-*"}, QDir::Dirs);
  EXPECT_EQ(made.size(), 2) << made.join(' ').toStdString();
  EXPECT_EQ(made.filter(QRegularExpression("^quarrybox-[0-9]+-\\w{6}$")), made);
  bool playedFromThere = false;
  for (const QString &folder : made)
    playedFromThere |= QFile::exists(temporary.filePath(folder + "/Castle.qbx"));
  EXPECT_TRUE(playedFromThere) << made.join(' ').toStdString();
  program->terminate();
  ASSERT_TRUE(program->waitForFinished(5000));
  EXPECT_EQ(program->exitCode(), 0);
  EXPECT_TRUE(temporary.entryList({"quarrybox-*"}, QDir::AllEntries).isEmpty())
      << temporary.entryList().join(' ').toStdString();
}

TEST_F(ProcessTest, AProgramUnderAnotherNameWithoutAGameClosesAtOnce) {
  const QString other = Home.filePath("Other");
  ASSERT_TRUE(QFile::copy(ProgramDir + "/quarrybox", other));
  QFile::setPermissions(other, QFile::ReadOwner | QFile::ExeOwner);
  QProcess *program = Start(other);
  ASSERT_TRUE(program->waitForFinished(3000));
  EXPECT_EQ(program->exitCode(), 0);
}

TEST_F(ProcessTest, TheTitleLoadsNoImagePlugin) {
  // Each image plugin maps its own libraries (TIFF, WebP, MNG ...): loading them all made every
  // start-up slower and bigger. JPEG goes through libjpeg directly, BMP through Qt's own reader.
  QProcess *game = Start(ProgramDir + "/quarrybox", {ProgramDir + "/Games/Default.qbx"});
  ASSERT_TRUE(WaitForTrace("state 1")) << TraceText().toStdString();
  const QString working = Home.filePath("runtime/quarrybox/%1/").arg(game->processId());
  ASSERT_TRUE(WaitForFile(working + "tp.jpg"));
  QThread::msleep(300); // the title picture is decoded after it is copied out
  QFile maps(QStringLiteral("/proc/%1/maps").arg(game->processId()));
  ASSERT_TRUE(maps.open(QIODevice::ReadOnly));
  QStringList plugins;
  for (const QByteArray &line : maps.readAll().split('\n'))
    if (line.contains("/imageformats/"))
      plugins << QFileInfo(QString::fromUtf8(line.mid(line.lastIndexOf(' ') + 1))).fileName();
  plugins.removeDuplicates();
  EXPECT_TRUE(plugins.isEmpty()) << plugins.join(' ').toStdString();
}

// Two made games and the main program run side by side; a second start of a made game brings
// the running one to the front and ends, and a game handed to the main program goes to it
// alone.
TEST_F(ProcessTest, MadeGamesAndTheMainProgramRunSideBySide) {
  const QString game = ProgramDir + "/Games/Default.qbx";
  ASSERT_TRUE(MakeStandAlone(ProgramDir + "/quarrybox", game, Home.filePath("Castle")).Ok());
  ASSERT_TRUE(MakeStandAlone(ProgramDir + "/quarrybox", game, Home.filePath("Tower")).Ok());
  QProcess *castle = Start(Home.filePath("Castle"));
  ASSERT_TRUE(WaitForTrace("caption Quarrybox - Castle")) << TraceText().toStdString();
  QProcess *tower = Start(Home.filePath("Tower"));
  ASSERT_TRUE(WaitForTrace("caption Quarrybox - Tower")) << TraceText().toStdString();
  QProcess *main = Start(ProgramDir + "/quarrybox");
  ASSERT_TRUE(WaitForTrace("caption Quarrybox - Default")) << TraceText().toStdString();
  EXPECT_FALSE(TraceText().contains("raised"));

  QProcess *again = Start(Home.filePath("Castle"));
  ASSERT_TRUE(again->waitForFinished(5000));
  EXPECT_EQ(again->exitCode(), 0);
  EXPECT_TRUE(WaitForTrace("raised")) << TraceText().toStdString();
  EXPECT_EQ(TraceText().count("raised"), 1);

  const QString other = Home.filePath("Other.qbx");
  ASSERT_TRUE(QFile::copy(game, other));
  QProcess *handing = Start(ProgramDir + "/quarrybox", {other});
  ASSERT_TRUE(handing->waitForFinished(5000));
  EXPECT_TRUE(WaitForTrace("caption Quarrybox - Other")) << TraceText().toStdString();
  for (QProcess *running : {castle, tower, main})
    EXPECT_EQ(running->state(), QProcess::Running);
}
