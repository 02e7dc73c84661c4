// libFuzzer entry for the settings values: the input is the settings file as
// found on disk. Every value the program reads is read, the play preferences
// are read from them, the earlier version's values are moved over, and a value
// is written. Besides what the sanitizers catch, it holds the store to its
// promise: a value written reads back exactly, whatever the file held.
#include "rules/PlayPreferences.h"
#include "settings/SettingsStore.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Require(bool kept, const char *promise) {
  if (!kept) {
    std::fprintf(stderr, "settings store broke its promise: %s\n", promise);
    std::abort();
  }
}

const QStringList Names = {"SoundState", "DownArrow", "UpArrow",       "Movement",
                           "RotateSND",  "LastGame",  "NewQBXFile",    "OLDRegCopied",
                           "QRXHandle",  "QRXVer",    "QuarryboxLeft", "QuarryboxTop"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  // In memory where possible: every write is a whole new file, synced.
  static QTemporaryDir folder(QFileInfo::exists(QStringLiteral("/dev/shm"))
                                  ? QStringLiteral("/dev/shm/qb-settings-fuzz-XXXXXX")
                                  : QString());
  const QString path = folder.filePath(QStringLiteral("Quarrybox.conf"));
  {
    QFile file(path);
    Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the scratch file opens");
    file.write(reinterpret_cast<const char *>(data), qint64(size));
  }
  TSettingsStore store(path);
  for (const QString &name : Names)
    store.ReadSetting(name);
  TPlayPreferences::Read([&](const QString &name) { return store.ReadSetting(name); });
  store.CopyFromOldVersion(QStringLiteral("4242"));
  Require(store.ReadSetting(QStringLiteral("QRXHandle")) == u"4242", "the handle is stored");

  // A value made of the input's own text, which may hold any character the file
  // format escapes.
  const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
  Require(store.WriteSetting(QStringLiteral("LastGame"), text), "a value is written");
  Require(store.ReadSetting(QStringLiteral("LastGame")) == text, "a written value reads back");
  return 0;
}
