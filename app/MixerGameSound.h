#pragma once
// The game's sound on the real mixer: the device, the list of the built-in clips played so far
// on it, and the clean-up of finished copies on the game's scheduler.
//
// The output (with SDL and the built-in clips) is opened by the first sound, a moment later
// (at the scheduler's next turn), so that opening it does not hold up the window at start-up;
// the sounds asked for meanwhile start together then. An open output wakes the program some 22
// times a second even in silence, so it rests (is closed) once RestDelay ms have passed with
// nothing sounding, and the next sound opens it again. The sound stays on all the while.

#include "app/GameSound.h"
#include "media/SoundClipList.h"
#include "media/SoundDevice.h"
#include "media/SoundMixerBackend.h"
#include "media/Timer.h"

#include <QStringList>

class QObject;
class TScheduler;

class TMixerGameSound final : public TGameSound {
public:
  TMixerGameSound(TScheduler &scheduler, QObject *owner);
  ~TMixerGameSound() override;

  static constexpr int RestDelay = 2000;

  bool Initialize() override;
  void Finalize() override;
  bool Initialized() const override { return On; }
  void Play(const QString &name) override;
  void SetVolume(int percent) override { Backend.SetVolume(percent); }
  // While held, the first sound waits to open the output (the program's window is not yet on
  // the screen: loading SDL would hold it up); the sounds asked for meanwhile start when
  // the hold ends.
  void HoldOutput(bool hold);
  // The output is open now (not resting).
  bool OutputOpen() const { return Device.Initialized(); }

private:
  bool Open();
  void OpenForWaiting();
  void Start(const QString &name);
  void RestLater();
  void Rest();

  TSoundMixerBackend Backend;
  TSoundDevice Device;
  TSoundClipList Waves;
  TTimer RestTimer;
  TTimer OpenTimer;
  QStringList Waiting; // sounds asked for before the output opened
  bool On = false;
  bool Held = false;
};
