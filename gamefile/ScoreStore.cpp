#include "gamefile/ScoreStore.h"

#include "gamefile/FileReplacement.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

QString TScoreStore::DefaultFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
         QStringLiteral("/quarrybox/scores");
}

TResult<QString> TScoreStore::KeyOf(const QString &path) {
  QFile file(path);
  QCryptographicHash hash(QCryptographicHash::Sha256);
  if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
    return TStatus::Failure(QCoreApplication::translate("GameFile", "%1: cannot be read (%2)")
                                .arg(path, file.errorString()));
  return QString::fromLatin1(hash.result().toHex());
}

QString TScoreStore::FilePath(const QString &key) const {
  return QDir(Folder).filePath(key + QStringLiteral(".scores"));
}

bool TScoreStore::Contains(const QString &key) const { return QFile::exists(FilePath(key)); }

TResult<TScoreTable> TScoreStore::Load(const QString &key) const {
  const QString path = FilePath(key);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return TStatus::Failure(QCoreApplication::translate("GameFile", "%1: cannot be read (%2)")
                                .arg(path, file.errorString()));
  const QList<QByteArray> lines = file.readAll().split('\n');
  const auto broken = [&path] {
    return TStatus::Failure(QCoreApplication::translate(
                                "GameFile", "%1: is not a high-score table; it is left as it is")
                                .arg(path));
  };
  // Ten entries and the empty rest after the last line break.
  if (lines.size() != 11 || !lines.last().isEmpty())
    return broken();
  TScoreTable table;
  for (int i = 0; i < 10; ++i) {
    const qsizetype tab = lines[i].indexOf('\t');
    bool number = false;
    const qint32 score = tab > 0 ? lines[i].left(tab).toInt(&number) : 0;
    const QString name = QString::fromUtf8(lines[i].mid(tab + 1));
    if (!number || name.size() > TGameData::NameLength)
      return broken();
    table[i] = {TGameData::StoredName(name), score};
  }
  return table;
}

TStatus TScoreStore::Save(const QString &key, const TScoreTable &table) const {
  const QString path = FilePath(key);
  QByteArray text;
  for (const TScoreEntry &entry : table)
    text +=
        QByteArray::number(entry.Score) + '\t' + QString::fromLatin1(entry.Name).toUtf8() + '\n';
  QDir().mkpath(Folder);
  QSaveFile file(path);
  // QSaveFile's commit does not notice a short write: every write and the flush are checked.
  if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.flush()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    return TStatus::Failure(
        QCoreApplication::translate("GameFile", "%1: cannot be written (%2)").arg(path, reason));
  }
  if (!file.commit())
    return TStatus::Failure(QCoreApplication::translate("GameFile", "%1: cannot be written (%2)")
                                .arg(path, file.errorString()));
  return SyncFolderOf(path);
}
