#pragma once
// The game's sound on the real mixer: the device, the list of the 22 built-in clips on it, and
// the clean-up of finished copies on the game's scheduler.

#include "app/GameSound.h"
#include "media/DXSound.h"
#include "media/DXWaveList.h"
#include "media/SoundMixerBackend.h"

class QObject;
class TScheduler;

class TMixerGameSound final : public TGameSound {
public:
  TMixerGameSound(TScheduler &scheduler, QObject *owner);
  ~TMixerGameSound() override;

  bool Initialize() override;
  void Finalize() override;
  bool Initialized() const override { return Device.Initialized(); }
  void Play(const QString &name) override;

private:
  TSoundMixerBackend Backend;
  TDXSound Device;
  TDXWaveList Waves;
};
