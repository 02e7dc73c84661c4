#include "gamefile/GameFileLayout.h"

namespace GameFileLayout {

QString RecordName(int record) {
  switch (record) {
  case SkinRecord(SkinStart):
    return QStringLiteral("start skin");
  case SkinRecord(SkinPlaying):
    return QStringLiteral("playing skin");
  case SkinRecord(SkinGameOver):
    return QStringLiteral("game-over skin");
  default:
    return QStringLiteral("level %1").arg(record - SkinRecordCount + 1);
  }
}

} // namespace GameFileLayout
