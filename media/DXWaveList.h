#pragma once
// The sound list: named WAVE clips bound to a sound device. While the device is initialised
// every item holds a clip made from its WAVE image, and playing an item starts a new copy of
// that clip at once, so the same sound can sound several times overlapping. The list keeps the
// copies it started; every CleanUpInterval ms it frees those that have stopped. Finalising the
// device frees every copy at once, which stops them.
//
// Items keep their address for the life of the list.

#include "media/DXSound.h"
#include "media/Scheduler.h"
#include "media/Timer.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

class TDXWaveList;

class TWaveCollectionItem {
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
  friend class TDXWaveList;
  TWaveCollectionItem(TDXWaveList &list, const QString &name, const QByteArray &wave, bool looped)
      : List(list), ItemName(name), Image(wave), IsLooped(looped) {}

  TDXWaveList &List;
  QString ItemName;
  QByteArray Image;
  bool IsLooped;
  // While the device is initialised.
  int Clip = -1;
  TSoundBackend::TVoice LoopVoice;
};

class TDXWaveList final : private TDXSoundClient {
public:
  static constexpr int CleanUpInterval = 500; // ms
  static constexpr int WaitPollInterval = 10; // ms, Play with wait

  explicit TDXWaveList(TScheduler &scheduler, TDXSound *device = nullptr);
  ~TDXWaveList();
  TDXWaveList(const TDXWaveList &) = delete;
  TDXWaveList &operator=(const TDXWaveList &) = delete;

  TDXSound *Device() const { return Bound; }
  // Releases everything made with the old device. Binding to an initialised device makes the
  // clips at once and throws as Initialize would.
  void SetDevice(TDXSound *device);

  int Count() const { return static_cast<int>(List.size()); }
  // Throws TMediaError "Index of the list exceeds the range. (n)" past the end.
  TWaveCollectionItem &Items(int index) const;
  // While the device is initialised the item's clip is made at once; an image that cannot be
  // played throws TMediaError "Wave 'name' cannot be made: reason" and adds nothing.
  TWaveCollectionItem &Add(const QString &name, const QByteArray &wave, bool looped = false);
  // The first item of exactly that name; throws TMediaError "Wave 'name' not found".
  TWaveCollectionItem &FindByName(const QString &name) const;

  // Whether playing reaches the output.
  bool Ready() const { return Live; }
  // Copies started without waiting that the clean-up has not freed yet.
  int CopyCount() const { return static_cast<int>(Copies.size()); }
  // Any copy or loop still sounds.
  bool Sounding() const;

private:
  friend class TWaveCollectionItem;
  void Play(TWaveCollectionItem &item, bool wait);
  void MakeClip(TWaveCollectionItem &item);
  void CleanUp();
  void Release();

  void DXSoundInitialized(TDXSound &device) override;
  void DXSoundFinalizing(TDXSound &device) override;

  TDXSound *Bound = nullptr;
  std::vector<std::unique_ptr<TWaveCollectionItem>> List;
  std::vector<TSoundBackend::TVoice> Copies;
  TTimer CleanUpTimer;
  bool Live = false;
};
