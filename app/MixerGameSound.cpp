#include "app/MixerGameSound.h"

#include "media/MediaError.h"
#include "resources/sounds/BuiltinSounds.h"

TMixerGameSound::TMixerGameSound(TScheduler &scheduler, QObject *owner)
    : Device(Backend, owner), Waves(scheduler, &Device), RestTimer(scheduler, RestDelay) {
  InitBuiltinSounds();
  AddBuiltinSounds(Waves);
  RestTimer.OnTimer = [this] { Rest(); };
}

TMixerGameSound::~TMixerGameSound() { Device.Finalize(); }

bool TMixerGameSound::Initialize() {
  On = Open();
  return On;
}

bool TMixerGameSound::Open() {
  try {
    Device.Initialize();
  } catch (const TMediaError &) {
    // No sound device: the game runs silently.
    return false;
  }
  RestLater();
  return true;
}

void TMixerGameSound::RestLater() {
  RestTimer.SetEnabled(false);
  RestTimer.SetEnabled(true);
}

void TMixerGameSound::Finalize() {
  On = false;
  RestTimer.SetEnabled(false);
  Device.Finalize();
}

void TMixerGameSound::Rest() {
  if (Waves.Sounding())
    return; // asked again after another RestDelay
  RestTimer.SetEnabled(false);
  Device.Finalize();
}

void TMixerGameSound::Play(const QString &name) {
  if (!On)
    return;
  if (Device.Initialized())
    RestLater();
  else if (!Open())
    return;
  try {
    Waves.FindByName(name).Play(false);
  } catch (const TMediaError &) {
    // Every name the game plays is built in; a failure to start a clip only loses that sound.
  }
}
