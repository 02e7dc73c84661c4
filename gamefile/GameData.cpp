#include "gamefile/GameData.h"

TScoreTable TGameData::DefaultScores() {
  TScoreTable table;
  for (TScoreEntry &entry : table)
    entry = {QByteArrayLiteral("Zanpek"), 0};
  return table;
}

QByteArray TGameData::StoredName(const QString &typed) {
  return typed.toLatin1().left(NameLength).leftJustified(NameLength, ' ');
}

TSkin &TGameData::Skin(TSkinKind kind) {
  return const_cast<TSkin &>(static_cast<const TGameData &>(*this).Skin(kind));
}

const TSkin &TGameData::Skin(TSkinKind kind) const {
  switch (kind) {
  case SkinStart:
    return StartSkin;
  case SkinPlaying:
    return PlayingSkin;
  case SkinGameOver:
    break;
  }
  return GameOverSkin;
}

void TGameData::MarkBuilt() {
  Unsaved = true;
  FormatMark = BuilderFormatMark;
  Scores = DefaultScores();
}
