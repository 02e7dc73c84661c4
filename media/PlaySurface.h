#pragma once
// The play surface component: a back buffer of SurfaceWidth x SurfaceHeight that the game draws
// on, a control position in the window, and presentation through OnPresent. The window layer
// connects OnPresent and OnMoved to a widget that shows Surface().Image() at (Left, Top);
// OnPresent names the area that changed, so the widget repaints no more than that.
//
// Bound components (the image list, the sprite engine) are told when the surface is made and
// before it goes away.

#include "media/Surface.h"

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>
#include <vector>

class TPlaySurface;

class TPlaySurfaceClient {
public:
  virtual void SurfaceReady(TPlaySurface &surface) = 0;
  virtual void SurfaceGoing(TPlaySurface &surface) = 0;

protected:
  ~TPlaySurfaceClient() = default;
};

class TPlaySurface {
public:
  // owner: the window the surface belongs to; Initialize refuses to run without one.
  explicit TPlaySurface(QObject *owner = nullptr);
  // Calls no handlers: whatever OnFinalize touches may be gone by now. Finalize first to have
  // them called.
  ~TPlaySurface();
  TPlaySurface(const TPlaySurface &) = delete;
  TPlaySurface &operator=(const TPlaySurface &) = delete;

  QObject *Owner() const { return OwnerObject; }
  void SetOwner(QObject *owner) { OwnerObject = owner; }

  // Takes effect at the next Initialize.
  int SurfaceWidth() const { return Size.width(); }
  int SurfaceHeight() const { return Size.height(); }
  void SetSurfaceSize(int width, int height) { Size = QSize(width, height); }

  // Control position in the window; the game hides the surface by moving it to a negative left.
  int Left() const { return Position.x(); }
  int Top() const { return Position.y(); }
  void SetLeft(int left);
  void SetTop(int top);
  bool ControlVisible() const { return Left() >= 0; }

  // Makes the surface (finalising it first when it was made). Throws TMediaError with
  // "Form not found" or "Primary Surface cannot be made"; on any failure the component is left
  // finalised.
  void Initialize();
  // Tells the bound components, calls OnFinalize and gives the surface up. Nothing when not
  // initialised.
  void Finalize();
  bool Initialized() const { return IsInitialized; }
  // Whether a frame may be drawn and presented now.
  bool SurfaceReady() const { return IsInitialized && !IsInitializing; }

  TSurface &Surface() { return BackBuffer; }
  const TSurface &Surface() const { return BackBuffer; }

  // Presents the back buffer, but only when it was drawn on since the last present and the
  // control is visible; an unchanged frame looks the same on screen anyway.
  void Flip();
  int PresentCount() const { return Presents; }

  std::function<void()> OnInitializing;
  std::function<void()> OnInitialize;
  std::function<void()> OnFinalize;
  std::function<void(const QRect &changed)> OnPresent;
  std::function<void()> OnMoved;

  // Used by bound components; a client added while the surface is made is told at once.
  void AddClient(TPlaySurfaceClient *client);
  void RemoveClient(TPlaySurfaceClient *client);

private:
  void Move(QPoint position);

  QObject *OwnerObject;
  QSize Size{198, 360};
  QColor Fill = Qt::black;
  QPoint Position{320, 20};
  TSurface BackBuffer;
  std::vector<TPlaySurfaceClient *> Clients;
  bool IsInitialized = false;
  bool IsInitializing = false;
  int Presents = 0;
};
