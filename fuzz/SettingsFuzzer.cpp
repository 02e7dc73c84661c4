// libFuzzer entry for the settings values: the input is the settings file as
// found on disk. Every value the program reads is read, the play preferences
// are read from them, the earlier version's values are moved over, and a value
// is written. Besides what the sanitizers catch, it holds the store to its
// promise: a value written reads back exactly, whatever the file held.
#include "settings/SettingsStore.h"
#include "settings/StoredPreferences.h"

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
  ReadPlayPreferences(store);
  store.Read(Setting::WindowLeft);
  store.Read(Setting::FullScreen);
  store.CopyFromOldVersion(QStringLiteral("4242"));
  Require(store.Read(Setting::WindowHandle) == u"4242", "the handle is stored");

  // A value made of the input's own text, which may hold any character the file
  // format escapes.
  const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
  Require(store.Write(Setting::LastGame, text), "a value is written");
  Require(store.Read(Setting::LastGame) == text, "a written value reads back");
  return 0;
}
