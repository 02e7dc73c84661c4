#include "app/CommandLine.h"

#include <QFile>
#include <QFileInfo>

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

} // namespace

QStringList CommandLineArguments(int argc, char **argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) {
    const QByteArray bytes(argv[i]);
    const QString text = QFile::decodeName(bytes);
    const QString opened = QFile::encodeName(text) == bytes ? QString() : OpenByDescriptor(argv[i]);
    arguments << (opened.isEmpty() ? text : opened);
  }
  return arguments;
}

QString GameFileArgument(const QStringList &arguments) {
  if (arguments.size() == 1)
    return arguments.front();
  return arguments.join(' ').trimmed();
}

bool ReachedByDescriptor(const QString &path) { return path.startsWith(DescriptorFolder); }

QString ShownFileName(const QString &path) {
  const QFileInfo file(path);
  return ReachedByDescriptor(path) ? QFileInfo(file.symLinkTarget()).fileName() : file.fileName();
}

namespace {
const QString StoredBytesScheme = QStringLiteral("file://");
}

QString StoredFileName(const QString &path) {
  if (!ReachedByDescriptor(path))
    return path;
  char target[PATH_MAX];
  const ssize_t length = ::readlink(QFile::encodeName(path).constData(), target, sizeof target);
  if (length <= 0 || length >= ssize_t(sizeof target))
    return QString();
  return StoredBytesScheme +
         QString::fromLatin1(QByteArray(target, int(length)).toPercentEncoding("/"));
}

QString OpenStoredFileName(const QString &stored) {
  if (!stored.startsWith(StoredBytesScheme))
    return stored;
  const QByteArray name =
      QByteArray::fromPercentEncoding(stored.mid(StoredBytesScheme.size()).toLatin1());
  return name.startsWith('/') ? OpenByDescriptor(name.constData()) : QString();
}
