#include "app/RecentGames.h"

#include "app/CommandLine.h"
#include "settings/SettingsStore.h"

#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

const QString StoredBytesScheme = QStringLiteral("file://");

} // namespace

QByteArray StoredFileBytes(const QString &stored) {
  if (stored.startsWith(StoredBytesScheme))
    return QByteArray::fromPercentEncoding(stored.mid(StoredBytesScheme.size()).toLatin1());
  return QFile::encodeName(stored);
}

TRecentGame DescribeRecentGame(const QString &stored) {
  const QByteArray bytes = StoredFileBytes(stored);
  // Asked by its bytes, so that a name Qt cannot spell is found as well as any other.
  struct stat info;
  const bool exists = ::stat(bytes.constData(), &info) == 0 && S_ISREG(info.st_mode);
  return {stored, ShownName(bytes.mid(bytes.lastIndexOf('/') + 1)), ShownName(bytes), exists};
}

QStringList TRecentGames::Read() const {
  QStringList stored;
  for (const Setting::TText &key : Setting::RecentGames)
    if (const QString entry = Settings.Read(key); !entry.isEmpty())
      stored << entry;
  return stored;
}

void TRecentGames::Write(const QStringList &stored) {
  for (int i = 0; i < Limit; ++i)
    Settings.Write(Setting::RecentGames[i], stored.value(i));
}

QList<TRecentGame> TRecentGames::Entries() const {
  QList<TRecentGame> entries;
  for (const QString &stored : Read())
    entries << DescribeRecentGame(stored);
  return entries;
}

void TRecentGames::Add(const QString &path) {
  const QString stored =
      StoredFileName(ReachedByDescriptor(path) ? path : QFileInfo(path).absoluteFilePath());
  if (stored.isEmpty())
    return;
  QStringList list = Read();
  list.removeAll(stored);
  list.prepend(stored);
  Write(list.mid(0, Limit));
}

void TRecentGames::Remove(const QString &stored) {
  QStringList list = Read();
  if (list.removeAll(stored) > 0)
    Write(list);
}

void TRecentGames::Clear() { Write({}); }
