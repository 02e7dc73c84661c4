#pragma once
// The games opened or saved lately, newest first and at most ten, kept in the settings as
// "RecentGame1" to "RecentGame10". Each is kept as the last game is (StoredFileName), so a
// name that is not UTF-8 text leads back to exactly its bytes.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class TSettingsStore;

struct TRecentGame {
  QString Stored;   // as the settings keep it; names the entry
  QString Shown;    // the file name, for the menu
  QString FullName; // the whole path, for its tip
  bool Exists = false;
};

class TRecentGames {
public:
  static constexpr int Limit = 10;

  explicit TRecentGames(TSettingsStore &settings) : Settings(settings) {}

  QList<TRecentGame> Entries() const;
  // The game at path (a path as opened: one reached by descriptor stands for its file) goes
  // first; an older entry for it goes, and so does the eleventh.
  void Add(const QString &path);
  void Remove(const QString &stored);
  void Clear();

private:
  QStringList Read() const;
  void Write(const QStringList &stored);

  TSettingsStore &Settings;
};

// The bytes of the file name a stored name stands for.
QByteArray StoredFileBytes(const QString &stored);
// A recent game as it is shown and whether its file is still there.
TRecentGame DescribeRecentGame(const QString &stored);
