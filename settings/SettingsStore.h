#pragma once
// The program's settings: named text values kept per user ("ZanpekSystems/Quarrybox", group
// "2.0"). Every operation opens the store afresh, so a second process sees a value at once.
// Values are read and written by their keys in StoredSettings.h, which say what a missing or
// unknown value means. A stand-alone game reads and writes only the player's preferences.
//
// The file must be a regular file or a symlink to one (or not exist yet). Anything else (a FIFO,
// a device, a folder, a dangling link) is never opened, so start-up cannot block on it and a save
// cannot replace it: reads give the defaults, writes are dropped, and one warning goes to stderr.

#include "settings/StoredSettings.h"

#include <QLatin1StringView>
#include <QString>
#include <QStringList>

#include <optional>

class TSettingsStore {
public:
  // filePath: the INI file behind the store; empty means the user's standard location
  // (~/.config/ZanpekSystems/Quarrybox.conf).
  explicit TSettingsStore(QString filePath = QString());

  void SetStandAlone(bool standAlone) { StandAlone = standAlone; }
  const QString &FilePath() const { return Path; }

  QString Read(const Setting::TText &key) const { return ReadText(key.Name, key.Scope); }
  QString Read(const Setting::TKeys &key) const { return ReadText(key.Name, key.Scope); }
  std::optional<int> Read(const Setting::TNumber &key) const;
  template <typename T, std::size_t N> T Read(const Setting::TChoice<T, N> &key) const {
    const QString text = ReadText(key.Name, key.Scope);
    if (text.isEmpty())
      return key.Missing;
    for (const auto &[spelling, value] : key.Spellings)
      if (text == QLatin1StringView(spelling))
        return value;
    return key.Other;
  }
  // False only when the value could not be stored.
  bool Write(const Setting::TText &key, const QString &text) {
    return WriteText(key.Name, key.Scope, text);
  }
  bool Write(const Setting::TKeys &key, const QString &text) {
    return WriteText(key.Name, key.Scope, text);
  }
  bool Write(const Setting::TNumber &key, int value) {
    return WriteText(key.Name, key.Scope, QString::number(value));
  }
  template <typename T, std::size_t N> bool Write(const Setting::TChoice<T, N> &key, T value) {
    for (const auto &[spelling, spelt] : key.Spellings)
      if (spelt == value)
        return WriteText(key.Name, key.Scope, QLatin1StringView(spelling));
    return false;
  }

  // A value by the name the file holds it under, whatever it is: for looking at the file as it
  // stands (the stand-alone limit does not apply).
  QString ReadSetting(const QString &name) const { return ReadText(name, Setting::Preference); }
  bool WriteSetting(const QString &name, const QString &text) {
    return WriteText(name, Setting::Preference, text);
  }

  // One-time move of the earlier version's values (group "1.0"): copied and deleted when its
  // "QRXHandle" is not empty. Always ends with "OLDRegCopied", "QRXHandle" and "QRXVer" set.
  void CopyFromOldVersion(const QString &windowHandle);

  static QString StandardFilePath();

private:
  QString ReadText(const QString &name, Setting::TScope scope) const;
  bool WriteText(const QString &name, Setting::TScope scope, const QString &text);
  // False, with a warning the first time, when the file may not be opened.
  bool Usable() const;

  QString Path;
  bool StandAlone = false;
  mutable bool Warned = false;
};
