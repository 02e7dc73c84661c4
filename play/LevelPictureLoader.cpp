#include "play/LevelPictureLoader.h"

#include "play/PictureGeometry.h"

#include <memory>

TLevelPictureLoader::TLevelPictureLoader(bool background) : InBackground(background) {
  Worker.setMaxThreadCount(1);
}

TLevelPictureLoader::~TLevelPictureLoader() {
  // The worker posts to Receiver: it must be done before Receiver goes.
  Worker.waitForDone();
}

TLevelPicture TLevelPictureLoader::Load(const TLevelPictureRequest &request) {
  TLevelPicture picture;
  picture.Decoded = TPictureDecoder().DecodeFile(request.Path, request.Type, request.GridSize);
  if (!picture.Decoded.Ok())
    return picture;
  QImage &image = picture.Decoded.Image;
  picture.OriginalSize = image.size();
  // Stretched here, off the window thread, exactly as the cells would stretch it; the full
  // picture is let go at once.
  if (const auto geometry = PictureGeometry(image.size(), request.GridSize)) {
    const QSize shown(geometry->Width, geometry->Height);
    if (image.size() != shown)
      image = image.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  return picture;
}

void TLevelPictureLoader::Request(const TLevelPictureRequest &request) {
  Drop();
  if (!InBackground)
    return;
  Pending = request;
  auto promise = std::make_shared<std::promise<TLevelPicture>>();
  Result = promise->get_future();
  const quint64 serial = Serial;
  Worker.start([this, request, promise, serial] {
    promise->set_value(Load(request));
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
  ++Serial;
  Pending = {};
  Result = {};
}
