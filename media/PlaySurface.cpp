#include "media/PlaySurface.h"

#include "media/MediaError.h"

#include <algorithm>

TPlaySurface::TPlaySurface(QObject *owner) : OwnerObject(owner) {}

TPlaySurface::~TPlaySurface() {
  // Bound components hold a reference to this one: they must go first.
  Q_ASSERT(Clients.empty());
}

void TPlaySurface::SetLeft(int left) { Move(QPoint(left, Position.y())); }

void TPlaySurface::SetTop(int top) { Move(QPoint(Position.x(), top)); }

void TPlaySurface::Move(QPoint position) {
  if (position == Position)
    return;
  Position = position;
  if (OnMoved)
    OnMoved();
}

void TPlaySurface::Initialize() {
  struct TInitializingMark {
    bool &Flag;
    explicit TInitializingMark(bool &flag) : Flag(flag) { Flag = true; }
    ~TInitializingMark() { Flag = false; }
  } mark(IsInitializing);

  Finalize();
  if (!OwnerObject)
    throw TMediaError(QStringLiteral("Form not found"));
  try {
    if (OnInitializing)
      OnInitializing();
    if (!BackBuffer.Make(Size.width(), Size.height(), Fill))
      throw TMediaError(QStringLiteral("%1 cannot be made").arg("Primary Surface"));
    IsInitialized = true;
    for (TPlaySurfaceClient *client : Clients)
      client->SurfaceReady(*this);
    if (OnInitialize)
      OnInitialize();
  } catch (...) {
    Finalize();
    throw;
  }
}

void TPlaySurface::Finalize() {
  if (!IsInitialized)
    return;
  for (TPlaySurfaceClient *client : Clients)
    client->SurfaceGoing(*this);
  if (OnFinalize)
    OnFinalize();
  BackBuffer.Release();
  IsInitialized = false;
}

void TPlaySurface::Flip() {
  if (!SurfaceReady() || !BackBuffer.Drawn() || !ControlVisible())
    return;
  const QRect changed = BackBuffer.DamagedArea();
  BackBuffer.ClearDrawn();
  ++Presents;
  if (OnPresent)
    OnPresent(changed);
}

void TPlaySurface::AddClient(TPlaySurfaceClient *client) {
  Clients.push_back(client);
  if (IsInitialized)
    client->SurfaceReady(*this);
}

void TPlaySurface::RemoveClient(TPlaySurfaceClient *client) { std::erase(Clients, client); }
