#include "tools/qbxtool/Thumbnail.h"

#include "gamefile/GameFileReader.h"
#include "play/PictureDecoder.h"
#include "tools/qbxtool/QbxTool.h"

#include <QBuffer>
#include <QSaveFile>

using namespace GameFileLayout;

namespace {

constexpr int LargestSize = 1024;

TResult<QImage> ShownPicture(const QString &path, int size) {
  TResult<TIndexedGame> opened = OpenIndexed(path);
  if (!opened.Ok())
    return opened.Status();
  TGameFileReader &reader = opened->Reader;
  const TGameIndex &index = opened->Index;
  const int record = index.Header.LevelCount > 0 ? LevelRecord(1) : SkinRecord(SkinStart);
  const TRecordInfo &info = index.Records[record];
  if (TStatus s = reader.CheckPicture(info); !s.Ok())
    return s;
  QBuffer bytes;
  bytes.open(QIODevice::ReadWrite);
  if (TStatus s = reader.CopyPicture(info, bytes, RecordName(record)); !s.Ok())
    return s;
  // Thumbnailers run on files from anywhere: the same limits as in the game apply.
  const TDecodedPicture decoded = TPictureDecoder().Decode(bytes.data(), info.Type);
  if (!decoded.Ok())
    return reader.Fail(
        QStringLiteral("the %1 cannot be used: %2").arg(RecordName(record), decoded.Reason));
  return decoded.Image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

} // namespace

int Thumbnail(const QStringList &args, QTextStream &err) {
  bool number = false;
  const int size = args.value(2).toInt(&number);
  if (args.size() != 3 || !number || size < 1 || size > LargestSize) {
    err << "qbxtool: usage: qbxtool thumbnail GAME OUT.png SIZE (SIZE 1.." << LargestSize << ")\n";
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
