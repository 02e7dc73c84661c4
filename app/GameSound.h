#pragma once
// The sound device as the game uses it: switched on and off by the sound option, and asked to
// play named clips. The real one mixes on the sound card; tests record the names.

#include <QString>

#include <functional>

class TGameSound {
public:
  virtual ~TGameSound() = default;
  // False when no device could be opened. A device may also put off opening its output to the
  // first sound and find only then that there is none: it then says so through OnUnavailable.
  virtual bool Initialize() = 0;
  virtual void Finalize() = 0;
  virtual bool Initialized() const = 0;
  // Starts the named clip and returns at once; copies of one clip may overlap.
  virtual void Play(const QString &name) = 0;
  // Every sound's volume from now on, 0 (silence) to 100 (as recorded).
  virtual void SetVolume(int percent) = 0;

  std::function<void()> OnUnavailable;
};
