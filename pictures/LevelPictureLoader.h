#pragma once
// The picture of the level to come, decoded and fitted to the level's cells on a worker thread
// while a prompt shows, together with the playing skin it is shown on, so that the level starts
// at once when the player asks for it and the window goes on drawing and answering meanwhile. A
// picture that was not asked for beforehand is decoded when it is taken, and so is every picture of
// a loader that works in the foreground (as under a test's clock, where a thread would make the
// course of a game depend on the machine).

#include "pictures/PictureDecoder.h"

#include <QObject>
#include <QSize>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <functional>
#include <future>
#include <memory>

struct TLevelPictureRequest {
  QString Path;
  quint8 Type = 0;
  int GridSize = 0;
  // The playing skin; none when empty.
  QString SkinPath{};
  quint8 SkinType = 0;
  bool operator==(const TLevelPictureRequest &) const = default;
};

// The picture stretched to the size the level shows it at (or the decoder's reason why it
// cannot be used), and its own size, from which the cells are measured.
struct TLevelPicture {
  TDecodedPicture Decoded;
  QSize OriginalSize;
  // The playing skin at its own size; null when none was asked for or it cannot be decoded.
  QImage Skin;
};

class TLevelPictureLoader {
public:
  explicit TLevelPictureLoader(bool background);
  // Abandons a decode that is under way and waits for the worker to stop, which it does within
  // a row of blocks of a JPEG (a BMP is read to its end).
  ~TLevelPictureLoader();
  TLevelPictureLoader(const TLevelPictureLoader &) = delete;
  TLevelPictureLoader &operator=(const TLevelPictureLoader &) = delete;

  bool Background() const { return InBackground; }
  // Starts decoding (in the background only); a picture asked for before is forgotten.
  void Request(const TLevelPictureRequest &request);
  bool Requested(const TLevelPictureRequest &request) const;
  // The picture asked for is still being decoded.
  bool Busy() const;
  // The picture asked for, waiting for it if need be; any other is decoded now. Nothing is
  // held afterwards.
  TLevelPicture Take(const TLevelPictureRequest &request);
  // Forgets the picture asked for, abandoning its decode; its OnReady does not come.
  void Drop();
  // The worker is decoding, whether or not its picture is still wanted.
  bool Working() const { return Worker.activeThreadCount() > 0; }

  // On the thread that made the loader, once a picture asked for is decoded.
  std::function<void()> OnReady;

  // Decoding and fitting, as the worker does it: a JPEG is decoded at the smallest DCT scale
  // that still covers the size the level shows it at. `abandon`, once set, stops the decode.
  static TLevelPicture Load(const TLevelPictureRequest &request,
                            const std::atomic<bool> *abandon = nullptr);

private:
  static void FitToCells(TLevelPicture &picture, int gridSize);

  const bool InBackground;
  QObject Receiver; // lives on the loader's thread: the worker's news is delivered through it
  QThreadPool Worker;
  TLevelPictureRequest Pending;
  std::future<TLevelPicture> Result;
  std::shared_ptr<std::atomic<bool>> Abandon; // of the picture asked for
  quint64 Serial = 0;
};
