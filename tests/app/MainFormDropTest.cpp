// A game file dropped on the main window opens as Open Game opens one; anything else is refused.
#include "app/MainForm.h"
#include "tests/app/GameHarness.h"

#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include <gtest/gtest.h>

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
