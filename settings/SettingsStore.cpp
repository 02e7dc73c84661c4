#include "settings/SettingsStore.h"

#include <QSettings>
#include <QStandardPaths>

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

bool TSettingsStore::IsPreference(const QString &name) {
  static const QStringList preferences{"SoundState", "DownArrow", "UpArrow", "Movement",
                                       "RotateSND"};
  return preferences.contains(name);
}

QString TSettingsStore::ReadSetting(const QString &name) const {
  if (StandAlone && !IsPreference(name))
    return QString();
  QSettings store(Path, QSettings::IniFormat);
  store.sync(); // another program may have written since this one last looked
  const QVariant value = store.value(CurrentGroup + '/' + name);
  // Only text is ever written; anything else is treated as missing.
  return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

bool TSettingsStore::WriteSetting(const QString &name, const QString &text) {
  if (StandAlone && !IsPreference(name))
    return false;
  QSettings store(Path, QSettings::IniFormat);
  store.setValue(CurrentGroup + '/' + name, text);
  store.sync();
  return store.status() == QSettings::NoError;
}

void TSettingsStore::CopyFromOldVersion(const QString &windowHandle) {
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
      WriteSetting(names[i], values[i]);
    QSettings store(Path, QSettings::IniFormat);
    store.remove(OldGroup);
    store.sync();
  }
  WriteSetting("OLDRegCopied", "YES");
  WriteSetting("QRXHandle", windowHandle);
  WriteSetting("QRXVer", "2.0");
}
