#include "media/SoundDevice.h"

#include "media/MediaError.h"

#include <algorithm>

TSoundDevice::TSoundDevice(TSoundBackend &backend, QObject *owner)
    : Output(backend), OwnerObject(owner) {}

TSoundDevice::~TSoundDevice() {
  Q_ASSERT(Clients.empty());
  Output.Close();
}

void TSoundDevice::Initialize() {
  Finalize();
  if (!OwnerObject)
    throw TMediaError(QStringLiteral("Form not found"));
  if (!Output.Open())
    throw TMediaError(QStringLiteral("%1 cannot be made").arg("Primary Buffer"));
  IsInitialized = true;
  try {
    for (TSoundDeviceClient *client : Clients)
      client->DeviceReady(*this);
  } catch (...) {
    Finalize();
    throw;
  }
}

void TSoundDevice::Finalize() {
  if (!IsInitialized)
    return;
  for (TSoundDeviceClient *client : Clients)
    client->DeviceGoing(*this);
  Output.Close();
  IsInitialized = false;
}

void TSoundDevice::AddClient(TSoundDeviceClient *client) {
  Clients.push_back(client);
  if (IsInitialized)
    client->DeviceReady(*this);
}

void TSoundDevice::RemoveClient(TSoundDeviceClient *client) { std::erase(Clients, client); }
