#include "resources/sounds/BuiltinSounds.h"

#include "media/MediaError.h"
#include "media/SoundClipList.h"

#include <QFile>

void InitBuiltinSounds() { Q_INIT_RESOURCE(sounds); }

void AddBuiltinSounds(TSoundClipList &list) {
  for (const char *name : BuiltinSoundNames) {
    QFile file(QStringLiteral(":/sounds/%1.wav").arg(name));
    if (!file.open(QIODevice::ReadOnly))
      throw TMediaError(QStringLiteral("Wave '%1' not found").arg(name));
    list.Add(name, file.readAll());
  }
}
