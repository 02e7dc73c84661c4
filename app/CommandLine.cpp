#include "app/CommandLine.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QUrl>

#include <climits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString DescriptorFolder = QStringLiteral("/proc/self/fd/");

// A regular file under a name Qt cannot spell, kept open; its descriptor path, or empty.
QString OpenByDescriptor(const char *name) {
  const int fd = ::open(name, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0)
    return QString();
  struct stat info;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return QString();
  }
  return DescriptorFolder + QString::number(fd);
}

// The file these name bytes name: its name as text, or a descriptor where the text would not
// lead back to it. A file that cannot be opened keeps the text, to be named in a message.
QString FileOfName(const QByteArray &bytes) {
  const QString text = QFile::decodeName(bytes);
  const QString opened =
      QFile::encodeName(text) == bytes ? QString() : OpenByDescriptor(bytes.constData());
  return opened.isEmpty() ? text : opened;
}

const QString FileScheme = QStringLiteral("file://");

} // namespace

QStringList CommandLineArguments(int argc, char **argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) {
    const QByteArray bytes(argv[i]);
    if (i == 1 && bytes == "--")
      continue;
    const QString file = LocalFileOfAddress(bytes);
    arguments << (file.isEmpty() ? FileOfName(bytes) : file);
  }
  return arguments;
}

QString LocalFileOfAddress(const QByteArray &address) {
  if (!address.startsWith(FileScheme.toLatin1()))
    return QString();
  const QUrl url = QUrl::fromEncoded(address);
  if (!url.isValid() || !(url.host().isEmpty() || url.host() == "localhost") ||
      !url.path().startsWith('/') || url.hasQuery() || url.hasFragment())
    return QString();
  // Percent escapes that are not UTF-8 stay escapes in QUrl's encoded path: the bytes are
  // those of the name.
  const QByteArray name = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
  return name.contains('\0') ? QString() : FileOfName(name);
}

QString GameFileArgument(const QStringList &arguments) {
  if (arguments.size() == 1)
    return arguments.front();
  return arguments.join(' ').trimmed();
}

bool ReachedByDescriptor(const QString &path) { return path.startsWith(DescriptorFolder); }

QString ShownFileName(const QString &path) {
  if (!ReachedByDescriptor(path))
    return QFileInfo(path).fileName();
  char target[PATH_MAX];
  const ssize_t length = ::readlink(QFile::encodeName(path).constData(), target, sizeof target);
  if (length <= 0 || length >= ssize_t(sizeof target))
    return QFileInfo(path).fileName();
  const QByteArray name(target, int(length));
  return ShownName(name.mid(name.lastIndexOf('/') + 1));
}

QString ShownName(const QByteArray &bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString text = utf8(bytes);
  return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

QString ShownGameName(const QString &path) {
  QString name = ShownFileName(path);
  if (name.endsWith(".qbx", Qt::CaseInsensitive))
    name.chop(4);
  return name;
}

QString StoredFileName(const QString &path) {
  if (!ReachedByDescriptor(path))
    return path;
  char target[PATH_MAX];
  const ssize_t length = ::readlink(QFile::encodeName(path).constData(), target, sizeof target);
  if (length <= 0 || length >= ssize_t(sizeof target))
    return QString();
  return FileScheme + QString::fromLatin1(QByteArray(target, int(length)).toPercentEncoding("/"));
}

QString OpenStoredFileName(const QString &stored) {
  return stored.startsWith(FileScheme) ? LocalFileOfAddress(stored.toLatin1()) : stored;
}
