#include "gamefile/GameFileLayout.h"

#include <QCoreApplication>

namespace GameFileLayout {

QString RecordName(int record) {
  switch (record) {
  case SkinRecord(SkinStart):
    //: A part of a game file, named in "the %1 picture", "%1 record" and "there is no %1"
    return QCoreApplication::translate("GameFile", "start skin");
  case SkinRecord(SkinPlaying):
    return QCoreApplication::translate("GameFile", "playing skin");
  case SkinRecord(SkinGameOver):
    return QCoreApplication::translate("GameFile", "game-over skin");
  default:
    return QCoreApplication::translate("GameFile", "level %1").arg(record - SkinRecordCount + 1);
  }
}

} // namespace GameFileLayout
