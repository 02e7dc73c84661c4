// The desktop's list of recently used files as this program writes it.
#include "app/RecentlyUsedXbel.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <thread>

namespace {

const TRecentlyUsedProgram Quarrybox{"Quarrybox", "'quarrybox %u'", "application/x-quarrybox-game"};

// As GTK writes it: another program's file, with a group this program knows nothing of.
const QByteArray ForeignList = R"(<?xml version="1.0" encoding="UTF-8"?>
<xbel version="1.0"
      xmlns:bookmark="http://www.freedesktop.org/standards/desktop-bookmarks"
      xmlns:mime="http://www.freedesktop.org/standards/shared-mime-info"
>
  <bookmark href="file:///home/u/notes%20today.txt" added="2026-01-02T03:04:05.678901Z" modified="2026-01-02T03:04:05.678901Z" visited="2026-01-02T03:04:05.678901Z">
    <info>
      <metadata owner="http://freedesktop.org">
        <mime:mime-type type="text/plain"/>
        <bookmark:groups><bookmark:group>gedit</bookmark:group></bookmark:groups>
        <bookmark:applications>
          <bookmark:application name="gedit" exec="&apos;gedit %u&apos;" modified="2026-01-02T03:04:05.678901Z" count="3"/>
        </bookmark:applications>
      </metadata>
    </info>
  </bookmark>
</xbel>
)";

class RecentlyUsedXbelTest : public ::testing::Test {
protected:
  QDomDocument Read() const {
    QFile file(Path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QDomDocument doc;
    EXPECT_TRUE(doc.setContent(file.readAll()));
    return doc;
  }
  QList<QDomElement> Bookmarks() const {
    QList<QDomElement> list;
    const QDomElement root = Read().documentElement();
    for (QDomElement e = root.firstChildElement("bookmark"); !e.isNull();
         e = e.nextSiblingElement("bookmark"))
      list << e;
    return list;
  }
  static QDomElement Application(const QDomElement &bookmark, const QString &name) {
    const QDomNodeList apps = bookmark.elementsByTagName("bookmark:application");
    for (int i = 0; i < apps.size(); ++i)
      if (apps.at(i).toElement().attribute("name") == name)
        return apps.at(i).toElement();
    return {};
  }
  void WriteList(const QByteArray &bytes) const {
    QFile file(Path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QTemporaryDir Dir;
  QString Path = RecentlyUsedXbelPath(Dir.path());
};

} // namespace

TEST_F(RecentlyUsedXbelTest, AFileUsedAgainUpdatesItsOwnEntry) {
  const QDateTime first = QDateTime::fromString("2026-12-09T10:00:00Z", Qt::ISODate);
  ASSERT_TRUE(AddRecentlyUsed(Path, "/games/caf\xe9 & co.qbx", Quarrybox, first).Ok());
  ASSERT_TRUE(AddRecentlyUsed(Path, "/games/caf\xe9 & co.qbx", Quarrybox, first.addSecs(60)).Ok());
  const QList<QDomElement> list = Bookmarks();
  ASSERT_EQ(list.size(), 1);
  const QDomElement entry = list.front();
  EXPECT_EQ(entry.attribute("href"), "file:///games/caf%E9%20&%20co.qbx");
  EXPECT_EQ(entry.attribute("added"), "2026-12-09T10:00:00.000000Z");
  EXPECT_EQ(entry.attribute("modified"), "2026-12-09T10:01:00.000000Z");
  EXPECT_EQ(entry.attribute("visited"), "2026-12-09T10:01:00.000000Z");
  const QDomElement metadata = entry.firstChildElement("info").firstChildElement("metadata");
  EXPECT_EQ(metadata.attribute("owner"), "http://freedesktop.org");
  EXPECT_EQ(metadata.firstChildElement("mime:mime-type").attribute("type"),
            "application/x-quarrybox-game");
  const QDomElement app = Application(entry, "Quarrybox");
  EXPECT_EQ(app.attribute("exec"), "'quarrybox %u'");
  EXPECT_EQ(app.attribute("count"), "2");
  EXPECT_EQ(app.attribute("modified"), "2026-12-09T10:01:00.000000Z");
  EXPECT_FALSE(Read().documentElement().attribute("xmlns:bookmark").isEmpty());
}

TEST_F(RecentlyUsedXbelTest, OtherProgramsEntriesAreKeptAsTheyWere) {
  WriteList(ForeignList);
  QDomDocument before;
  ASSERT_TRUE(before.setContent(ForeignList));
  const QDomElement foreign = before.documentElement().firstChildElement("bookmark");
  ASSERT_TRUE(AddRecentlyUsed(Path, "/home/u/notes today.txt", Quarrybox).Ok()); // shared file
  ASSERT_TRUE(AddRecentlyUsed(Path, "/games/Castle.qbx", Quarrybox).Ok());
  const QList<QDomElement> list = Bookmarks();
  ASSERT_EQ(list.size(), 2);
  EXPECT_EQ(list[0].attribute("added"), foreign.attribute("added"));
  EXPECT_EQ(list[0].elementsByTagName("bookmark:group").at(0).toElement().text(), "gedit");
  EXPECT_EQ(list[0]
                .firstChildElement("info")
                .firstChildElement("metadata")
                .firstChildElement("mime:mime-type")
                .attribute("type"),
            "text/plain");
  EXPECT_EQ(Application(list[0], "gedit").attribute("count"), "3");
  EXPECT_EQ(Application(list[0], "gedit").attribute("exec"), "'gedit %u'");
  EXPECT_EQ(Application(list[0], "Quarrybox").attribute("count"), "1");
  EXPECT_EQ(list[1].attribute("href"), "file:///games/Castle.qbx");
}

TEST_F(RecentlyUsedXbelTest, ADamagedListIsLeftUntouched) {
  for (const QByteArray &damaged :
       {ForeignList.left(ForeignList.size() / 2), QByteArray("<html><body/></html>")}) {
    WriteList(damaged);
    const TStatus added = AddRecentlyUsed(Path, "/games/Castle.qbx", Quarrybox);
    EXPECT_FALSE(added.Ok());
    EXPECT_TRUE(added.Error().contains("left as it is")) << added.Error().toStdString();
    QFile file(Path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), damaged);
  }
}

TEST_F(RecentlyUsedXbelTest, TwoWritersAtOnceLoseNothing) {
  WriteList(ForeignList);
  const auto writer = [this](char name) {
    for (int i = 0; i < 20; ++i)
      EXPECT_TRUE(AddRecentlyUsed(Path,
                                  QByteArray("/games/") + name + QByteArray::number(i) + ".qbx",
                                  Quarrybox)
                      .Ok());
  };
  std::thread a(writer, 'a'), b(writer, 'b');
  a.join();
  b.join();
  EXPECT_EQ(Bookmarks().size(), 41);
  // Nothing left beside the list but its lock.
  EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList({"recently-used.xbel", "recently-used.xbel.lock"}));
}

// A list kept elsewhere and linked into the data folder (a synced desktop, dotfiles): the entry
// goes into the list the link names, and the link stays.
TEST_F(RecentlyUsedXbelTest, AListThatIsALinkIsWrittenThroughTheLink) {
  const QString kept = Dir.filePath("synced/recently-used.xbel");
  ASSERT_TRUE(QDir().mkpath(Dir.filePath("synced")));
  {
    QFile file(kept);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(ForeignList);
  }
  const QFile::Permissions shared =
      QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadUser | QFile::WriteUser;
  ASSERT_TRUE(QFile::setPermissions(kept, shared));
  ASSERT_TRUE(QFile::link("synced/recently-used.xbel", Path));

  ASSERT_TRUE(AddRecentlyUsed(Path, "/games/Castle.qbx", Quarrybox).Ok());
  EXPECT_TRUE(QFileInfo(Path).isSymLink());
  EXPECT_EQ(QFileInfo(Path).symLinkTarget(), kept);
  const QList<QDomElement> list = Bookmarks(); // read through the link
  ASSERT_EQ(list.size(), 2);
  EXPECT_EQ(list[0].attribute("href"), "file:///home/u/notes%20today.txt");
  EXPECT_EQ(list[1].attribute("href"), "file:///games/Castle.qbx");
  EXPECT_EQ(QFileInfo(kept).permissions(), shared);
  EXPECT_EQ(QDir(Dir.filePath("synced")).entryList(QDir::Files | QDir::Hidden),
            QStringList{"recently-used.xbel"});
}

TEST_F(RecentlyUsedXbelTest, ALinkToNoFileIsLeftAsItIs) {
  for (const QString &target : {QStringLiteral("gone.xbel"), QStringLiteral(".")}) {
    QFile::remove(Path);
    ASSERT_TRUE(QFile::link(target, Path));
    const TStatus added = AddRecentlyUsed(Path, "/games/Castle.qbx", Quarrybox);
    EXPECT_FALSE(added.Ok()) << target.toStdString();
    EXPECT_TRUE(added.Error().contains("left as it is")) << added.Error().toStdString();
    EXPECT_TRUE(QFileInfo(Path).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(Dir.filePath("gone.xbel")));
  }
}
