// Where the builder's file dialogs open, and what becomes of the files chosen.
#include "builder/PictureIntake.h"
#include "settings/SettingsStore.h"
#include "tests/builder/RecordingQuestions.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class PictureIntakeTest : public ::testing::Test {
protected:
  QString Bmp(const QString &name) {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::blue);
    const QString path = Dir.filePath(name);
    EXPECT_TRUE(image.save(path, "BMP"));
    return path;
  }

  QTemporaryDir Dir;
  TSettingsStore Settings{Dir.filePath("settings.ini")};
  TRecordingQuestions Asked;
  TPictureIntake Intake{Settings, Asked, "/prog/", Dir.filePath("added")};
};

} // namespace

TEST_F(PictureIntakeTest, DialogsOpenWhereThePreviousChoiceWasFound) {
  ASSERT_TRUE(QDir(Dir.path()).mkpath("photos"));
  Intake.AskSeveral(); // cancelled: nothing to remember
  Asked.PictureAnswer = {Dir.filePath("photos/b.jpg"), Dir.filePath("a.jpg")};
  EXPECT_EQ(Intake.AskSeveral(), Asked.PictureAnswer);
  Asked.PictureAnswer = {Dir.filePath("c.jpg")};
  EXPECT_EQ(Intake.AskOne(), Dir.filePath("c.jpg"));
  Intake.AskOne();
  const QString base = QDir(Dir.path()).absolutePath();
  const QStringList folders{"pictures:/prog/Games", "pictures:/prog/Games",
                            "picture:" + base + "/photos/", "picture:" + base + "/"};
  EXPECT_EQ(Asked.Asked.join('\n').toStdString(), folders.join('\n').toStdString());
}

// The report names what was not taken, after what was taken is in use, and only then.
TEST_F(PictureIntakeTest, TakenFilesAreUsedBeforeTheRestAreReported) {
  QStringList used;
  Intake.Take({Bmp("a.bmp"), Dir.filePath("missing.bmp")}, [&](const QStringList &taken) {
    used = taken;
    Asked.ShowMessage("used");
  });
  EXPECT_EQ(used, QStringList{Dir.filePath("a.bmp")});
  ASSERT_EQ(Asked.Asked.size(), 2);
  EXPECT_EQ(Asked.Asked[0], "message:used");
  EXPECT_TRUE(Asked.Asked[1].startsWith("report:Pictures not added|"));
  EXPECT_TRUE(Asked.Asked[1].contains("missing.bmp"));

  Intake.Take({Bmp("b.bmp")}, [&](const QStringList &taken) { used = taken; });
  EXPECT_EQ(used, QStringList{Dir.filePath("b.bmp")});
  EXPECT_EQ(Asked.Asked.size(), 2); // nothing skipped, nothing reported
}
