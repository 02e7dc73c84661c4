#pragma once
// The program's settings: named text values kept per user ("ZanpekSystems/Quarrybox", group
// "2.0"). Every operation opens the store afresh, so a second process sees a value at once.
// A missing value reads as the empty string. A stand-alone game reads and writes only the
// preference values (the five of the preferences dialog and the window size).
//
// The file must be a regular file or a symlink to one (or not exist yet). Anything else (a FIFO,
// a device, a folder, a dangling link) is never opened, so start-up cannot block on it and a save
// cannot replace it: reads give the defaults, writes are dropped, and one warning goes to stderr.

#include <QString>
#include <QStringList>

class TSettingsStore {
public:
  // filePath: the INI file behind the store; empty means the user's standard location
  // (~/.config/ZanpekSystems/Quarrybox.conf).
  explicit TSettingsStore(QString filePath = QString());

  void SetStandAlone(bool standAlone) { StandAlone = standAlone; }
  const QString &FilePath() const { return Path; }

  QString ReadSetting(const QString &name) const;
  // False only when the value could not be stored.
  bool WriteSetting(const QString &name, const QString &text);

  // One-time move of the earlier version's values (group "1.0"): copied and deleted when its
  // "QRXHandle" is not empty. Always ends with "OLDRegCopied", "QRXHandle" and "QRXVer" set.
  void CopyFromOldVersion(const QString &windowHandle);

  static bool IsPreference(const QString &name);
  static QString StandardFilePath();

private:
  // False, with a warning the first time, when the file may not be opened.
  bool Usable() const;

  QString Path;
  bool StandAlone = false;
  mutable bool Warned = false;
};
