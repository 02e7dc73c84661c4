// assetgen as a command: the same bytes on every run, and clear failures.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct TRun {
  int ExitCode;
  QString Errors;
};

TRun RunAssetgen(const QStringList &arguments) {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  process.setProcessEnvironment(env);
  process.start(QB_ASSETGEN, arguments);
  if (!process.waitForFinished(240000))
    return {-1, "assetgen did not finish"};
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromLocal8Bit(process.readAllStandardError())};
}

QMap<QString, QByteArray> FolderContents(const QString &path) {
  QMap<QString, QByteArray> contents;
  QDirIterator it(path, QDir::Files);
  while (it.hasNext()) {
    QFile file(it.next());
    if (file.open(QIODevice::ReadOnly))
      contents.insert(it.fileName(), file.readAll());
  }
  return contents;
}

TEST(Assetgen, PaintsTheSameBytesOnEveryRun) {
  QTemporaryDir first, second;
  ASSERT_TRUE(first.isValid() && second.isValid());
  ASSERT_EQ(RunAssetgen({first.path()}).ExitCode, 0);
  ASSERT_EQ(RunAssetgen({second.path()}).ExitCode, 0);

  const auto a = FolderContents(first.path());
  const auto b = FolderContents(second.path());
  ASSERT_GE(a.size(), 19) << "too few files painted";
  EXPECT_EQ(a.keys(), b.keys());
  for (auto it = a.cbegin(); it != a.cend(); ++it) {
    EXPECT_FALSE(it.value().isEmpty()) << it.key().toStdString();
    EXPECT_TRUE(it.value() == b.value(it.key())) << it.key().toStdString() << " differs";
  }
  // The build's own copy came from the same tool, so it matches too.
  const auto built = FolderContents(QB_ASSET_DIR);
  for (auto it = a.cbegin(); it != a.cend(); ++it)
    EXPECT_TRUE(it.value() == built.value(it.key())) << it.key().toStdString() << " differs";
}

TEST(Assetgen, ReportsAFolderItCannotCreate) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  // A regular file stands where a parent folder would have to be.
  const QString blocker = dir.filePath("file");
  QFile file(blocker);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();

  const TRun run = RunAssetgen({blocker + "/assets"});
  EXPECT_EQ(run.ExitCode, 1);
  EXPECT_TRUE(run.Errors.contains("cannot create the folder")) << run.Errors.toStdString();
  EXPECT_TRUE(run.Errors.contains(blocker)) << run.Errors.toStdString();
}

TEST(Assetgen, ReportsAFileItCannotWriteAndKeepsTheOldOne) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  // A folder named like one output makes that single file unwritable.
  ASSERT_TRUE(QDir(dir.path()).mkdir("MidPic.jpg"));
  const TRun run = RunAssetgen({dir.path()});
  EXPECT_EQ(run.ExitCode, 1);
  EXPECT_TRUE(run.Errors.contains("MidPic.jpg")) << run.Errors.toStdString();
  EXPECT_TRUE(QFileInfo(dir.filePath("MidPic.jpg")).isDir());
  // The other files are still written.
  EXPECT_TRUE(QFileInfo::exists(dir.filePath("Parts.bmp")));
  EXPECT_TRUE(QFileInfo::exists(dir.filePath("Level8_Balloons.bmp")));
}

TEST(Assetgen, RejectsAMissingFolderArgument) {
  const TRun run = RunAssetgen({});
  EXPECT_EQ(run.ExitCode, 2);
  EXPECT_TRUE(run.Errors.contains("usage")) << run.Errors.toStdString();
}

} // namespace
