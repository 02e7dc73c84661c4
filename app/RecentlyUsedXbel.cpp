#include "app/RecentlyUsedXbel.h"

#include "gamefile/FileReplacement.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

const QString FileScheme = QStringLiteral("file://");
const QString BookmarkNamespace =
    QStringLiteral("http://www.freedesktop.org/standards/desktop-bookmarks");
const QString MimeNamespace =
    QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info");
const QString MetadataOwner = QStringLiteral("http://freedesktop.org");
constexpr int LockWaitMs = 5000;

// GTK's stamps: UTC with microseconds.
QString Stamp(const QDateTime &time) {
  return time.toUTC().toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss.zzz'000Z'"));
}

// An exclusive lock on the side file, held while the object lives.
class TSideLock {
public:
  explicit TSideLock(const QString &path)
      : Fd(::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
    for (int waited = 0; Fd >= 0 && !Held && waited < LockWaitMs; waited += 5) {
      Held = ::flock(Fd, LOCK_EX | LOCK_NB) == 0;
      if (!Held)
        QThread::msleep(5);
    }
  }
  ~TSideLock() {
    if (Fd >= 0)
      ::close(Fd); // releases the lock
  }
  bool Held = false;

private:
  int Fd;
};

QDomElement ChildNamed(const QDomElement &parent, const QString &tag, const QString &attribute = {},
                       const QString &value = {}) {
  for (QDomElement e = parent.firstChildElement(tag); !e.isNull(); e = e.nextSiblingElement(tag))
    if (attribute.isEmpty() || e.attribute(attribute) == value)
      return e;
  return {};
}

QDomElement Ensure(QDomElement parent, const QString &tag, const QString &attribute = {},
                   const QString &value = {}) {
  QDomElement e = ChildNamed(parent, tag, attribute, value);
  if (e.isNull()) {
    e = parent.ownerDocument().createElement(tag);
    if (!attribute.isEmpty())
      e.setAttribute(attribute, value);
    parent.appendChild(e);
  }
  return e;
}

QDomElement FindBookmark(const QDomElement &root, const QByteArray &fileName) {
  for (QDomElement e = root.firstChildElement("bookmark"); !e.isNull();
       e = e.nextSiblingElement("bookmark")) {
    const QString href = e.attribute("href");
    if (href.startsWith(FileScheme) &&
        QByteArray::fromPercentEncoding(href.mid(FileScheme.size()).toLatin1()) == fileName)
      return e;
  }
  return {};
}

void NoteUse(QDomElement bookmark, const TRecentlyUsedProgram &program, const QString &now) {
  bookmark.setAttribute("modified", now);
  bookmark.setAttribute("visited", now);
  QDomElement metadata = Ensure(Ensure(bookmark, "info"), "metadata", "owner", MetadataOwner);
  if (ChildNamed(metadata, "mime:mime-type").isNull())
    Ensure(metadata, "mime:mime-type", "type", program.MimeType);
  QDomElement app = Ensure(Ensure(metadata, "bookmark:applications"), "bookmark:application",
                           "name", program.Name);
  app.setAttribute("exec", program.Exec);
  app.setAttribute("modified", now);
  app.setAttribute("count", app.attribute("count").toInt() + 1);
}

// The list as it is now; an empty one where there is none yet. Fails for anything else.
TResult<QDomDocument> ReadList(const QString &path) {
  QFile file(path);
  QDomDocument doc;
  if (!file.exists() || file.size() == 0) {
    doc.appendChild(doc.createElement("xbel")).toElement().setAttribute("version", "1.0");
  } else if (!file.open(QIODevice::ReadOnly)) {
    return TStatus::Failure(QStringLiteral("%1 cannot be read (%2); it is left as it is")
                                .arg(path, file.errorString()));
  } else {
    QString why;
    int line = 0;
    if (!doc.setContent(file.readAll(), false, &why, &line))
      return TStatus::Failure(QStringLiteral("%1 is damaged (line %2: %3); it is left as it is")
                                  .arg(path)
                                  .arg(line)
                                  .arg(why));
    if (doc.documentElement().tagName() != "xbel")
      return TStatus::Failure(
          QStringLiteral("%1 is not a bookmark list; it is left as it is").arg(path));
  }
  QDomElement root = doc.documentElement();
  if (!root.hasAttribute("xmlns:bookmark"))
    root.setAttribute("xmlns:bookmark", BookmarkNamespace);
  if (!root.hasAttribute("xmlns:mime"))
    root.setAttribute("xmlns:mime", MimeNamespace);
  return doc;
}

// The list in UTF-8 under a declaration of its own: Qt reads a declaration it writes with a
// regular expression, and loading that engine would cost the game half a megabyte for one line.
QByteArray ListBytes(QDomDocument &doc) {
  const QDomNode first = doc.firstChild();
  if (first.isProcessingInstruction() && first.nodeName() == "xml")
    doc.removeChild(first);
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + doc.toByteArray(2);
}

// The file to read and replace: a link's target, so that the link stays a link (a desktop kept
// in sync from elsewhere links the list there). A link to nothing or to no file is not followed.
TResult<QString> ListFile(const QString &path) {
  const QFileInfo link(path);
  if (!link.isSymLink())
    return path;
  const QString target = link.canonicalFilePath();
  if (target.isEmpty() || !QFileInfo(target).isFile())
    return TStatus::Failure(
        QStringLiteral("%1 is a link to no file; it is left as it is").arg(path));
  return target;
}

// A list of its own is the user's alone; an existing one keeps its permissions.
TStatus WriteList(const QString &path, const QByteArray &bytes) {
  const QFileInfo old(path);
  TFileReplacement replacement(path, old.exists() ? old.permissions()
                                                  : QFile::ReadOwner | QFile::WriteOwner);
  if (const TStatus opened = replacement.Open(); !opened.Ok())
    return opened;
  if (replacement.File().write(bytes) != bytes.size() || !replacement.File().flush())
    return TStatus::Failure(
        QStringLiteral("%1 cannot be written (%2)").arg(path, replacement.File().errorString()));
  return replacement.Commit();
}

} // namespace

QString RecentlyUsedXbelPath(const QString &dataHome) { return dataHome + "/recently-used.xbel"; }

QString RecentlyUsedAddress(const QByteArray &fileName) {
  return FileScheme + QString::fromLatin1(fileName.toPercentEncoding("/!$&'()*+,;=:@"));
}

TStatus AddRecentlyUsed(const QString &xbelPath, const QByteArray &fileName,
                        const TRecentlyUsedProgram &program, const QDateTime &now) {
  QDir().mkpath(QFileInfo(xbelPath).absolutePath());
  const TSideLock lock(xbelPath + ".lock");
  if (!lock.Held)
    return TStatus::Failure(QStringLiteral("%1 is kept busy by another program").arg(xbelPath));
  const TResult<QString> listFile = ListFile(xbelPath);
  if (!listFile.Ok())
    return listFile.Status();
  TResult<QDomDocument> list = ReadList(listFile.Value());
  if (!list.Ok())
    return list.Status();
  QDomElement root = list->documentElement();
  const QString stamp = Stamp(now);
  QDomElement bookmark = FindBookmark(root, fileName);
  if (bookmark.isNull()) {
    bookmark = list->createElement("bookmark");
    bookmark.setAttribute("href", RecentlyUsedAddress(fileName));
    bookmark.setAttribute("added", stamp);
    root.appendChild(bookmark);
  }
  NoteUse(bookmark, program, stamp);
  return WriteList(listFile.Value(), ListBytes(list.Value()));
}
