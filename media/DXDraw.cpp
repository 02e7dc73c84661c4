#include "media/DXDraw.h"

#include "media/MediaError.h"

#include <algorithm>

TDXDraw::TDXDraw(QObject *owner) : OwnerObject(owner) {}

TDXDraw::~TDXDraw() {
  // Bound components hold a reference to this one: they must go first.
  Q_ASSERT(Clients.empty());
}

void TDXDraw::SetLeft(int left) { Move(QPoint(left, Position.y())); }

void TDXDraw::SetTop(int top) { Move(QPoint(Position.x(), top)); }

void TDXDraw::Move(QPoint position) {
  if (position == Position)
    return;
  Position = position;
  if (OnMoved)
    OnMoved();
}

void TDXDraw::Initialize() {
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
    for (TDXDrawClient *client : Clients)
      client->DXDrawInitialized(*this);
    if (OnInitialize)
      OnInitialize();
  } catch (...) {
    Finalize();
    throw;
  }
}

void TDXDraw::Finalize() {
  if (!IsInitialized)
    return;
  for (TDXDrawClient *client : Clients)
    client->DXDrawFinalizing(*this);
  if (OnFinalize)
    OnFinalize();
  BackBuffer.Release();
  IsInitialized = false;
}

void TDXDraw::Flip() {
  if (!SurfaceReady() || !BackBuffer.Drawn() || !ControlVisible())
    return;
  const QRect changed = BackBuffer.DamagedArea();
  BackBuffer.ClearDrawn();
  ++Presents;
  if (OnPresent)
    OnPresent(changed);
}

void TDXDraw::AddClient(TDXDrawClient *client) {
  Clients.push_back(client);
  if (IsInitialized)
    client->DXDrawInitialized(*this);
}

void TDXDraw::RemoveClient(TDXDrawClient *client) { std::erase(Clients, client); }
