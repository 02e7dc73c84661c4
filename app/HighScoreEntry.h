#pragma once
// At the game over, a score good enough for the game's table is entered by name and kept: in
// the game file, or in the score store when the file is read-only (see GameDocument).

#include "play/GameEvents.h"

class TGameDocument;
class TGameMessages;
class TGameModel;
class TGameScreen;
class TGameSounds;

class THighScoreEntry : public TGameEvents {
public:
  THighScoreEntry(TGameDocument &document, const TGameModel &model, const TGameSounds &sounds,
                  const TGameMessages &messages, TGameScreen &screen)
      : Document(document), Model(model), Sounds(sounds), Messages(messages), Screen(screen) {}

private:
  void GameOverShown(bool allLevelsDone) override;
  TGameDocument &Document;
  const TGameModel &Model;
  const TGameSounds &Sounds;
  const TGameMessages &Messages;
  TGameScreen &Screen;
};
