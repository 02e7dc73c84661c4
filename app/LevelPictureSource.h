#pragma once
// The levels of the open game as the game model asks for them: each level's picture copied out
// of the game file, decoded (ahead, off the window thread, while a prompt shows) and cut into
// cells. A picture that cannot be used is reported.

#include "pictures/LevelPictureLoader.h"
#include "play/LevelSource.h"

class TGameDocument;
class TGameMessages;

class TLevelPictureSource : public TLevelSource {
public:
  TLevelPictureSource(TGameDocument &document, const TGameMessages &messages, bool background)
      : Document(document), Messages(messages), Loader(background) {}

  int LevelCount() const override;
  bool Decoding() const override { return Loader.Busy(); }
  std::optional<TLevelLook> Prepare(int level, TPictureCells &cells) override;
  void Prefetch(int level) override;

  // Told when a picture decoded in the background is ready.
  std::function<void()> &OnReady = Loader.OnReady;
  // A picture is being decoded in the background (asked for, or dropped and not done).
  bool Working() const { return Loader.Working(); }
  // Another game opened: what was decoded for the last one is forgotten.
  void Drop() { Loader.Drop(); }

private:
  TGameDocument &Document;
  const TGameMessages &Messages;
  TLevelPictureLoader Loader;
};
