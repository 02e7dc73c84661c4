#include "app/MixerGameSound.h"

#include "media/MediaError.h"
#include "resources/sounds/BuiltinSounds.h"

#include <utility>

TMixerGameSound::TMixerGameSound(TScheduler &scheduler, QObject *owner)
    : Device(Backend, owner), Waves(scheduler, &Device), RestTimer(scheduler, RestDelay),
      OpenTimer(scheduler, 0) {
  RestTimer.OnTimer = [this] { Rest(); };
  OpenTimer.OnTimer = [this] { OpenForWaiting(); };
}

TMixerGameSound::~TMixerGameSound() { Device.Finalize(); }

bool TMixerGameSound::Initialize() {
  On = true;
  return true;
}

bool TMixerGameSound::Open() {
  try {
    // The clips are registered when first needed: the window need not wait for them.
    InitBuiltinSounds();
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
  Waiting.clear();
  OpenTimer.SetEnabled(false);
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
  if (Device.Initialized()) {
    RestLater();
    Start(name);
    return;
  }
  Waiting << name;
  if (!Held && !OpenTimer.Enabled())
    OpenTimer.SetEnabled(true);
}

void TMixerGameSound::HoldOutput(bool hold) {
  Held = hold;
  if (!Held && !Waiting.isEmpty() && !OpenTimer.Enabled())
    OpenTimer.SetEnabled(true);
}

void TMixerGameSound::OpenForWaiting() {
  OpenTimer.SetEnabled(false);
  const QStringList names = std::exchange(Waiting, {});
  if (!Open()) {
    On = false; // no sound device: the game runs silently
    if (OnUnavailable)
      OnUnavailable();
    return;
  }
  for (const QString &name : names)
    Start(name);
}

void TMixerGameSound::Start(const QString &name) {
  try {
    // A clip joins the list the first time it is played: reading every clip's header would bring
    // in the pages around each one, and the pages of clips never played are never read.
    TSoundClip *clip = Waves.Find(name);
    (clip ? *clip : AddBuiltinSound(Waves, name)).Play(false);
  } catch (const TMediaError &) {
    // Every name the game plays is built in; a failure to start a clip only loses that sound.
  }
}
