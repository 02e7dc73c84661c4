#include "tools/qbxtool/Thumbnail.h"

#include "gamefile/GameFileReader.h"
#include "tools/qbxtool/QbxTool.h"

#include <QBuffer>
#include <QImageReader>
#include <QSaveFile>

using namespace GameFileLayout;

namespace {

// Thumbnailers are run on files from anywhere: a picture may not claim more memory than this.
constexpr int AllocationLimitMb = 256;
constexpr int LargestSize = 1024;

TResult<QImage> ShownPicture(const QString &path, int size) {
  TResult<TGameFileReader> reader = TGameFileReader::Open(path);
  if (!reader.Ok())
    return reader.Status();
  TResult<TGameIndex> index = reader->ReadIndex();
  if (!index.Ok())
    return index.Status();
  const int record = index->Header.LevelCount > 0 ? LevelRecord(1) : SkinRecord(SkinStart);
  const TRecordInfo &info = index->Records[record];
  if (TStatus s = reader->CheckPictureType(info); !s.Ok())
    return s;
  QBuffer bytes;
  bytes.open(QIODevice::ReadWrite);
  if (TStatus s = reader->CopyPicture(info, bytes, RecordName(record)); !s.Ok())
    return s;
  bytes.seek(0);
  QImageReader decoder(&bytes, info.Type == PictureJpeg ? "jpeg" : "bmp");
  decoder.setAllocationLimit(AllocationLimitMb);
  const QSize full = decoder.size();
  if (full.isValid())
    decoder.setScaledSize(full.scaled(size, size, Qt::KeepAspectRatio).expandedTo({1, 1}));
  QImage picture = decoder.read();
  if (picture.isNull())
    return reader->Fail(QStringLiteral("the %1 cannot be decoded (%2)")
                            .arg(RecordName(record), decoder.errorString()));
  return picture;
}

} // namespace

int Thumbnail(const QStringList &args, QTextStream &err) {
  bool number = false;
  const int size = args.value(2).toInt(&number);
  if (args.size() != 3 || !number || size < 1 || size > LargestSize) {
    err << "qbxtool: usage: qbxtool thumbnail GAME OUT.png SIZE (SIZE 1.." << LargestSize
        << ")\n";
    err.flush();
    return TQbxTool::ExitUsage;
  }
  const TResult<QImage> picture = ShownPicture(args[0], size);
  if (!picture.Ok()) {
    err << "qbxtool: " << picture.Error() << Qt::endl;
    return TQbxTool::ExitFailed;
  }
  // Written whole or not at all: a half-written thumbnail would be cached as the game's.
  QSaveFile out(args[1]);
  if (!out.open(QIODevice::WriteOnly) || !picture->save(&out, "png") || !out.commit()) {
    err << "qbxtool: " << args[1] << ": cannot be written (" << out.errorString() << ")"
        << Qt::endl;
    return TQbxTool::ExitFailed;
  }
  return TQbxTool::ExitOk;
}
