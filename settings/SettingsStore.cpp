#include "settings/SettingsStore.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>

#include <cerrno>
#include <cstdio>

#include <sys/stat.h>

namespace {
const QString CurrentGroup = QStringLiteral("2.0");
const QString OldGroup = QStringLiteral("1.0");
} // namespace

TSettingsStore::TSettingsStore(QString filePath)
    : Path(filePath.isEmpty() ? StandardFilePath() : std::move(filePath)) {}

QString TSettingsStore::StandardFilePath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/ZanpekSystems/Quarrybox.conf");
}

bool TSettingsStore::Usable() const {
  const QByteArray path = QFile::encodeName(Path);
  struct stat link;
  if (::lstat(path.constData(), &link) != 0 && errno == ENOENT)
    return true; // the first save creates it
  struct stat target;
  if (::stat(path.constData(), &target) == 0 && S_ISREG(target.st_mode))
    return true;
  if (!Warned) {
    Warned = true;
    std::fprintf(stderr,
                 "quarrybox: %s is not a regular file: settings are not read or saved, the "
                 "defaults apply\n",
                 path.constData());
  }
  return false;
}

std::optional<int> TSettingsStore::Read(const Setting::TNumber &key) const {
  bool ok = false;
  const int value = ReadText(key.Name, key.Scope).toInt(&ok);
  return ok ? std::optional<int>(value) : std::nullopt;
}

QString TSettingsStore::ReadText(const QString &name, Setting::TScope scope) const {
  if ((StandAlone && scope != Setting::Preference) || !Usable())
    return QString();
  QSettings store(Path, QSettings::IniFormat);
  store.sync(); // another program may have written since this one last looked
  const QVariant value = store.value(CurrentGroup + '/' + name);
  // Only text is ever written; anything else is treated as missing.
  return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

bool TSettingsStore::WriteText(const QString &name, Setting::TScope scope, const QString &text) {
  if ((StandAlone && scope != Setting::Preference) || !Usable())
    return false;
  QSettings store(Path, QSettings::IniFormat);
  const QString key = CurrentGroup + '/' + name;
  // Every write replaces the whole file and syncs it to disk: not for a value it holds already
  // (most of what a start writes).
  if (store.contains(key) && store.value(key).toString() == text)
    return true;
  store.setValue(key, text);
  store.sync();
  return store.status() == QSettings::NoError;
}

void TSettingsStore::CopyFromOldVersion(const QString &windowHandle) {
  if (!Usable())
    return;
  QStringList names;
  QStringList values;
  {
    QSettings store(Path, QSettings::IniFormat);
    store.beginGroup(OldGroup);
    if (!store.value("QRXHandle").toString().isEmpty()) {
      names = store.childKeys();
      for (const QString &n : names)
        values << store.value(n).toString();
    }
  }
  if (!names.isEmpty()) {
    for (int i = 0; i < names.size(); ++i)
      WriteText(names[i], Setting::Program, values[i]);
    QSettings store(Path, QSettings::IniFormat);
    store.remove(OldGroup);
    store.sync();
  }
  Write(Setting::OldVersionCopied, true);
  Write(Setting::WindowHandle, windowHandle);
  Write(Setting::StoreVersion, QStringLiteral("2.0"));
}
