#include "gamefile/GameIndex.h"

void TGameHeader::ApplyTo(TGameData &data) const {
  data.FormatMark = FormatMark;
  data.PlayBox = PlayBox;
  data.ScoreBox = ScoreBox;
  data.NextBox = NextBox;
  data.PlayingSkin.Stretch = PlayingStretch;
  data.StartSkin.Stretch = StartStretch;
  data.GameOverSkin.Stretch = GameOverStretch;
  data.Levels.resize(LevelCount);
  data.Scores = Scores;
}
