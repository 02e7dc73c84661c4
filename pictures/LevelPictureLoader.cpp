#include "pictures/LevelPictureLoader.h"

#include "rules/PictureGeometry.h"

#include <memory>

#include <malloc.h>

TLevelPictureLoader::TLevelPictureLoader(bool background) : InBackground(background) {
  Worker.setMaxThreadCount(1);
}

TLevelPictureLoader::~TLevelPictureLoader() {
  Drop();
  // The worker posts to Receiver: it must be done before Receiver goes.
  Worker.waitForDone();
}

TLevelPicture TLevelPictureLoader::Load(const TLevelPictureRequest &request,
                                        const std::atomic<bool> *abandon) {
  TPictureUse use = TPictureUse::Level(request.GridSize);
  use.Abandon = abandon;
  TLevelPicture picture;
  picture.Decoded = TPictureDecoder().DecodeFile(request.Path, request.Type, use);
  if (picture.Decoded.Ok())
    FitToCells(picture, request.GridSize);
  // After the level's picture, whose file and full decode are let go by now: the peak of memory
  // holds one of the two, not both.
  if (!request.SkinPath.isEmpty()) {
    TPictureUse skinUse;
    skinUse.Abandon = abandon;
    picture.Skin = TPictureDecoder().DecodeFile(request.SkinPath, request.SkinType, skinUse).Image;
  }
  return picture;
}

void TLevelPictureLoader::FitToCells(TLevelPicture &picture, int gridSize) {
  QImage &image = picture.Decoded.Image;
  picture.OriginalSize = picture.Decoded.StoredSize;
  // Stretched here, off the window thread, exactly as the cells would stretch it; the decoded
  // picture is let go at once.
  if (const auto geometry = PictureGeometry(picture.OriginalSize, gridSize)) {
    const QSize shown(geometry->Width, geometry->Height);
    if (image.size() != shown)
      image = image.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
}

void TLevelPictureLoader::Request(const TLevelPictureRequest &request) {
  Drop();
  if (!InBackground)
    return;
  Pending = request;
  auto promise = std::make_shared<std::promise<TLevelPicture>>();
  Result = promise->get_future();
  Abandon = std::make_shared<std::atomic<bool>>(false);
  const quint64 serial = Serial;
  Worker.start([this, request, promise, serial, abandon = Abandon] {
    promise->set_value(Load(request, abandon.get()));
    // The worker's heap keeps the pages the decode let go; the picture may now wait a long while
    // (the title shows until a key), so they are given back at once.
    malloc_trim(0);
    QMetaObject::invokeMethod(
        &Receiver,
        [this, serial] {
          if (serial == Serial && OnReady)
            OnReady();
        },
        Qt::QueuedConnection);
  });
}

bool TLevelPictureLoader::Requested(const TLevelPictureRequest &request) const {
  return Result.valid() && Pending == request;
}

bool TLevelPictureLoader::Busy() const {
  return Result.valid() && Result.wait_for(std::chrono::seconds(0)) != std::future_status::ready;
}

TLevelPicture TLevelPictureLoader::Take(const TLevelPictureRequest &request) {
  if (!Requested(request)) {
    Drop();
    return Load(request);
  }
  TLevelPicture picture = Result.get();
  Drop();
  return picture;
}

void TLevelPictureLoader::Drop() {
  if (Abandon)
    Abandon->store(true);
  Abandon.reset();
  ++Serial;
  Pending = {};
  Result = {};
}
