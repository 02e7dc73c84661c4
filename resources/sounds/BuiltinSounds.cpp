#include "resources/sounds/BuiltinSounds.h"

#include "media/MediaError.h"
#include "media/SoundClipList.h"

#include <QResource>

void InitBuiltinSounds() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(sounds);
    return true;
  }();
  Q_UNUSED(registered);
}

TSoundClip &AddBuiltinSound(TSoundClipList &list, const QString &name) {
  const QResource clip(QStringLiteral(":/sounds/%1.wav").arg(name));
  if (!clip.isValid())
    throw TMediaError(QStringLiteral("Wave '%1' not found").arg(name));
  // Stored as they are (rcc --no-compress): the clips are the program's own bytes, not copies,
  // and pages of clips never played are never read.
  return list.Add(name, clip.compressionAlgorithm() == QResource::NoCompression
                            ? QByteArray::fromRawData(reinterpret_cast<const char *>(clip.data()),
                                                      static_cast<qsizetype>(clip.size()))
                            : clip.uncompressedData());
}
