#include "media/DXSound.h"

#include "media/MediaError.h"

#include <algorithm>

TDXSound::TDXSound(TSoundBackend &backend, QObject *owner) : Output(backend), OwnerObject(owner) {}

TDXSound::~TDXSound() {
  Q_ASSERT(Clients.empty());
  Output.Close();
}

void TDXSound::Initialize() {
  Finalize();
  if (!OwnerObject)
    throw TMediaError(QStringLiteral("Form not found"));
  if (!Output.Open())
    throw TMediaError(QStringLiteral("%1 cannot be made").arg("Primary Buffer"));
  IsInitialized = true;
  try {
    for (TDXSoundClient *client : Clients)
      client->DXSoundInitialized(*this);
  } catch (...) {
    Finalize();
    throw;
  }
}

void TDXSound::Finalize() {
  if (!IsInitialized)
    return;
  for (TDXSoundClient *client : Clients)
    client->DXSoundFinalizing(*this);
  Output.Close();
  IsInitialized = false;
}

void TDXSound::AddClient(TDXSoundClient *client) {
  Clients.push_back(client);
  if (IsInitialized)
    client->DXSoundInitialized(*this);
}

void TDXSound::RemoveClient(TDXSoundClient *client) { std::erase(Clients, client); }
