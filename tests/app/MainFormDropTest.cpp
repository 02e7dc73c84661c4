// A game file dropped on the main window opens as Open Game opens one; anything else is refused.
#include "app/MainForm.h"
#include "tests/app/GameHarness.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>

#include <gtest/gtest.h>

#include <cstdio>

#include <unistd.h>

namespace {

class MainFormDropTest : public ::testing::Test {
protected:
  void SetUp() override {
    H.MakeGame("Default", {TTestLevel{}});
    Other = H.MakeGame("Other", {TTestLevel{}, TTestLevel{}});
    H.Start();
    H.Advance(50);
    Form.show();
  }
  // Drags the files over the window and drops them; whether the window took the drag.
  bool Drop(const QStringList &files) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &file : files)
      urls << QUrl::fromLocalFile(file);
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(300, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&Form, &enter);
    if (!enter.isAccepted())
      return false;
    QDropEvent drop(QPointF(300, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&Form, &drop);
    QCoreApplication::processEvents(); // the game opens once the drop is over
    return true;
  }

  TGameHarness H;
  TMainForm Form{*H.Game, H.Settings};
  QString Other;
};

} // namespace

TEST_F(MainFormDropTest, ADroppedGameFileOpens) {
  ASSERT_TRUE(Drop({Other}));
  EXPECT_EQ(H.Game->GameData().FilePath, Other);
  EXPECT_EQ(H.Game->GameData().LevelCount(), 2);
  EXPECT_EQ(Form.windowTitle(), "Quarrybox - Other");
}

TEST_F(MainFormDropTest, OtherFilesAndSeveralGamesAreRefused) {
  const QString before = H.Game->GameData().FilePath;
  EXPECT_FALSE(Drop({H.Folder + "notes.txt"}));
  EXPECT_FALSE(Drop({Other, Other}));
  EXPECT_EQ(H.Game->GameData().FilePath, before);
}

// A file manager's address of a file whose name is not UTF-8 (Latin-1 "café"): the file it
// names opens, and the caption shows the name as the file manager does.
TEST_F(MainFormDropTest, AGameWhoseNameIsNotUtf8OpensWhenDropped) {
  const QByteArray latin1 = QFile::encodeName(H.Folder) + "caf\xe9.qbx";
  ASSERT_EQ(::rename(QFile::encodeName(Other).constData(), latin1.constData()), 0);
  QMimeData data;
  data.setData("text/uri-list",
               "file://" + QFile::encodeName(H.Folder).toPercentEncoding("/") + "caf%E9.qbx\r\n");
  QDragEnterEvent enter(QPoint(300, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&Form, &enter);
  ASSERT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(300, 200), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&Form, &drop);
  QCoreApplication::processEvents();
  EXPECT_EQ(H.Game->GameData().LevelCount(), 2);
  EXPECT_EQ(Form.windowTitle(), QString::fromUtf8("Quarrybox - caf\u00e9"));
  ::unlink(latin1.constData()); // a name the temporary folder's clean-up cannot spell
}
