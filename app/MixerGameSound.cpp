#include "app/MixerGameSound.h"

#include "media/MediaError.h"
#include "resources/sounds/BuiltinSounds.h"

TMixerGameSound::TMixerGameSound(TScheduler &scheduler, QObject *owner)
    : Device(Backend, owner), Waves(scheduler, &Device) {
  InitBuiltinSounds();
  AddBuiltinSounds(Waves);
}

TMixerGameSound::~TMixerGameSound() { Device.Finalize(); }

bool TMixerGameSound::Initialize() {
  try {
    Device.Initialize();
    return true;
  } catch (const TMediaError &) {
    // No sound device: the game runs silently.
    return false;
  }
}

void TMixerGameSound::Finalize() { Device.Finalize(); }

void TMixerGameSound::Play(const QString &name) {
  try {
    Waves.FindByName(name).Play(false);
  } catch (const TMediaError &) {
    // Every name the game plays is built in; a failure to start a clip only loses that sound.
  }
}
