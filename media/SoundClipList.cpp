#include "media/SoundClipList.h"

#include "media/MediaError.h"

#include <QThread>

void TSoundClip::Play(bool wait) { List.Play(*this, wait); }

TSoundClipList::TSoundClipList(TScheduler &scheduler, TSoundDevice *device)
    : CleanUpTimer(scheduler, CleanUpInterval) {
  CleanUpTimer.OnTimer = [this] { CleanUp(); };
  SetDevice(device);
}

TSoundClipList::~TSoundClipList() { SetDevice(nullptr); }

void TSoundClipList::SetDevice(TSoundDevice *device) {
  if (device == Bound)
    return;
  if (Bound) {
    Bound->RemoveClient(this);
    Release();
  }
  Bound = device;
  if (Bound)
    Bound->AddClient(this);
}

TSoundClip &TSoundClipList::Items(int index) const {
  if (index < 0 || index >= Count())
    throw TMediaError::ListIndex(index);
  return *List[index];
}

TSoundClip &TSoundClipList::Add(const QString &name, const QByteArray &wave, bool looped) {
  std::unique_ptr<TSoundClip> item(new TSoundClip(*this, name, wave, looped));
  if (Live)
    MakeClip(*item);
  List.push_back(std::move(item));
  return *List.back();
}

TSoundClip *TSoundClipList::Find(const QString &name) const {
  for (const auto &item : List)
    if (item->Name() == name)
      return item.get();
  return nullptr;
}

TSoundClip &TSoundClipList::FindByName(const QString &name) const {
  if (TSoundClip *item = Find(name))
    return *item;
  throw TMediaError(QStringLiteral("Wave '%1' not found").arg(name));
}

void TSoundClipList::MakeClip(TSoundClip &item) {
  TSoundBackend &output = Bound->Backend();
  item.Clip = output.LoadClip(item.Wave());
  if (item.Clip < 0)
    throw TMediaError(
        QStringLiteral("Wave '%1' cannot be made: %2").arg(item.Name(), output.ErrorText()));
}

void TSoundClipList::Play(TSoundClip &item, bool wait) {
  if (!Live)
    return;
  TSoundBackend &output = Bound->Backend();
  if (item.Looped()) {
    if (!output.IsPlaying(item.LoopVoice))
      item.LoopVoice = output.Start(item.Clip, true);
    return;
  }
  const TSoundBackend::TVoice copy = output.Start(item.Clip, false);
  // With every mixer channel busy the sound is dropped: the game never waits for a sound.
  if (!copy.Valid())
    return;
  if (!wait) {
    Copies.push_back(copy);
    return;
  }
  while (output.IsPlaying(copy))
    QThread::msleep(WaitPollInterval);
}

bool TSoundClipList::Sounding() const {
  if (!Live)
    return false;
  const TSoundBackend &output = Bound->Backend();
  for (const TSoundBackend::TVoice &copy : Copies)
    if (output.IsPlaying(copy))
      return true;
  for (const auto &item : List)
    if (output.IsPlaying(item->LoopVoice))
      return true;
  return false;
}

void TSoundClipList::CleanUp() {
  TSoundBackend &output = Bound->Backend();
  for (int i = CopyCount() - 1; i >= 0; --i)
    if (!output.IsPlaying(Copies[i]))
      Copies.erase(Copies.begin() + i);
}

void TSoundClipList::Release() {
  CleanUpTimer.SetEnabled(false);
  if (Live) {
    TSoundBackend &output = Bound->Backend();
    for (const TSoundBackend::TVoice &copy : Copies)
      output.Stop(copy);
    for (const auto &item : List) {
      output.Stop(item->LoopVoice);
      output.FreeClip(item->Clip);
    }
  }
  Copies.clear();
  for (const auto &item : List) {
    item->Clip = -1;
    item->LoopVoice = {};
  }
  Live = false;
}

void TSoundClipList::DeviceReady(TSoundDevice &) {
  Release();
  Live = true;
  try {
    for (const auto &item : List)
      MakeClip(*item);
  } catch (...) {
    Release();
    throw;
  }
  CleanUpTimer.SetEnabled(true);
}

void TSoundClipList::DeviceGoing(TSoundDevice &) { Release(); }
