// The About and web-site windows: they hold the game still while shown and close by their
// buttons and by Escape.
#include "app/AboutForm.h"
#include "app/VisitSiteForm.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct TRecordingHost : TDialogHost {
  void SetSuspended(bool on) override { Suspended = on; }
  void PlaySound(const QString &name) override { Sounds << name; }
  bool Suspended = false;
  QStringList Sounds;
};

} // namespace

TEST(SmallWindowsTest, AboutSuspendsTheGameUntilClosedByEscape) {
  TRecordingHost host;
  TAboutForm about(host);
  about.show();
  EXPECT_TRUE(host.Suspended);
  EXPECT_TRUE(about.windowTitle().contains("Quarrybox"));
  QTest::keyRelease(&about, Qt::Key_Escape);
  EXPECT_FALSE(about.isVisible());
  EXPECT_FALSE(host.Suspended);
}

TEST(SmallWindowsTest, VisitSiteOpensTheSiteOrCancels) {
  TRecordingHost host;
  TVisitSiteForm visit(host);
  EXPECT_EQ(visit.windowTitle(), "Quarrybox Games");
  QStringList opened;
  visit.OpenAddress = [&](const QString &address) { opened << address; };

  visit.show();
  EXPECT_TRUE(host.Suspended);
  auto *cancel = visit.findChild<QPushButton *>("cancelButton");
  ASSERT_NE(cancel, nullptr);
  EXPECT_EQ(cancel->text(), "Cancel");
  QTest::mouseClick(cancel, Qt::LeftButton);
  EXPECT_FALSE(visit.isVisible());
  EXPECT_FALSE(host.Suspended);
  EXPECT_TRUE(opened.isEmpty());

  visit.show();
  QTest::keyRelease(&visit, Qt::Key_Escape);
  EXPECT_FALSE(visit.isVisible());

  visit.show();
  auto *go = visit.findChild<QPushButton *>("visitButton");
  ASSERT_NE(go, nullptr);
  EXPECT_EQ(go->text(), "Visit Web Site");
  QTest::mouseClick(go, Qt::LeftButton);
  EXPECT_EQ(opened, QStringList{TAboutForm::WebSite});
  EXPECT_FALSE(host.Suspended);
}
