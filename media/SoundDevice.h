#pragma once
// The sound device component of the main window. It is made only when the game switches sound
// on: Initialize opens the audio output and tells the bound sound lists, which then make their
// clips; Finalize tells them to free everything and closes the output, so every sound stops.

#include "media/SoundBackend.h"

#include <QObject>

#include <vector>

class TSoundDevice;

class TSoundDeviceClient {
public:
  virtual void DeviceReady(TSoundDevice &device) = 0;
  virtual void DeviceGoing(TSoundDevice &device) = 0;

protected:
  ~TSoundDeviceClient() = default;
};

class TSoundDevice {
public:
  // owner: the window the device belongs to; Initialize refuses to run without one.
  explicit TSoundDevice(TSoundBackend &backend, QObject *owner = nullptr);
  // Closes the output without telling anyone: bound lists must be gone already.
  ~TSoundDevice();
  TSoundDevice(const TSoundDevice &) = delete;
  TSoundDevice &operator=(const TSoundDevice &) = delete;

  QObject *Owner() const { return OwnerObject; }
  void SetOwner(QObject *owner) { OwnerObject = owner; }

  // Opens the output (finalising first when initialised) and tells the bound lists. Throws
  // TMediaError with "Form not found", "Primary Buffer cannot be made" or the error of a list;
  // on any failure the device is left finalised and the output closed.
  void Initialize();
  // Nothing when not initialised.
  void Finalize();
  bool Initialized() const { return IsInitialized; }

  TSoundBackend &Backend() const { return Output; }

  // Used by bound lists; a list added while the device is initialised is told at once.
  void AddClient(TSoundDeviceClient *client);
  void RemoveClient(TSoundDeviceClient *client);

private:
  TSoundBackend &Output;
  QObject *OwnerObject;
  std::vector<TSoundDeviceClient *> Clients;
  bool IsInitialized = false;
};
