#pragma once
// The sound list: named WAVE clips bound to a sound device. While the device is initialised
// every item holds a clip made from its WAVE image, and playing an item starts a new copy of
// that clip at once, so the same sound can sound several times overlapping. The list keeps the
// copies it started; every CleanUpInterval ms it frees those that have stopped. Finalising the
// device frees every copy at once, which stops them.
//
// Items keep their address for the life of the list.

#include "media/Scheduler.h"
#include "media/SoundDevice.h"
#include "media/Timer.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

class TSoundClipList;

class TSoundClip {
public:
  const QString &Name() const { return ItemName; }
  bool Looped() const { return IsLooped; }
  // The complete RIFF WAVE image.
  const QByteArray &Wave() const { return Image; }

  // Nothing unless the list is bound to an initialised device. A looped item loops its own
  // voice, started only when it is not already sounding. Otherwise a new copy starts from the
  // beginning: with wait false Play returns at once, with wait true when the copy has stopped.
  void Play(bool wait = false);

private:
  friend class TSoundClipList;
  TSoundClip(TSoundClipList &list, const QString &name, const QByteArray &wave, bool looped)
      : List(list), ItemName(name), Image(wave), IsLooped(looped) {}

  TSoundClipList &List;
  QString ItemName;
  QByteArray Image;
  bool IsLooped;
  // While the device is initialised.
  int Clip = -1;
  TSoundBackend::TVoice LoopVoice;
};

class TSoundClipList final : private TSoundDeviceClient {
public:
  static constexpr int CleanUpInterval = 500; // ms
  static constexpr int WaitPollInterval = 10; // ms, Play with wait

  explicit TSoundClipList(TScheduler &scheduler, TSoundDevice *device = nullptr);
  ~TSoundClipList();
  TSoundClipList(const TSoundClipList &) = delete;
  TSoundClipList &operator=(const TSoundClipList &) = delete;

  TSoundDevice *Device() const { return Bound; }
  // Releases everything made with the old device. Binding to an initialised device makes the
  // clips at once and throws as Initialize would.
  void SetDevice(TSoundDevice *device);

  int Count() const { return static_cast<int>(List.size()); }
  // Throws TMediaError "Index of the list exceeds the range. (n)" past the end.
  TSoundClip &Items(int index) const;
  // While the device is initialised the item's clip is made at once; an image that cannot be
  // played throws TMediaError "Wave 'name' cannot be made: reason" and adds nothing.
  TSoundClip &Add(const QString &name, const QByteArray &wave, bool looped = false);
  // The first item of exactly that name; throws TMediaError "Wave 'name' not found".
  TSoundClip &FindByName(const QString &name) const;
  // The same, or null.
  TSoundClip *Find(const QString &name) const;

  // Whether playing reaches the output.
  bool Ready() const { return Live; }
  // Copies started without waiting that the clean-up has not freed yet.
  int CopyCount() const { return static_cast<int>(Copies.size()); }
  // Any copy or loop still sounds.
  bool Sounding() const;

private:
  friend class TSoundClip;
  void Play(TSoundClip &item, bool wait);
  void MakeClip(TSoundClip &item);
  void CleanUp();
  void Release();

  void DeviceReady(TSoundDevice &device) override;
  void DeviceGoing(TSoundDevice &device) override;

  TSoundDevice *Bound = nullptr;
  std::vector<std::unique_ptr<TSoundClip>> List;
  std::vector<TSoundBackend::TVoice> Copies;
  TTimer CleanUpTimer;
  bool Live = false;
};
