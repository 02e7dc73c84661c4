#include "tools/qbxtool/Thumbnail.h"

#include "gamefile/GameFileReader.h"
#include "gamefile/StandAlone.h"
#include "gamefile/WriteAll.h"
#include "pictures/PictureDecoder.h"
#include "tools/qbxtool/QbxTool.h"

#include <QBuffer>
#include <QSaveFile>

using namespace GameFileLayout;

namespace {

constexpr int LargestSize = 1024;

TResult<QImage> ShownPicture(const QString &path, int size) {
  // A stand-alone game's game, like any other.
  TResult<TIndexedGame> opened = OpenIndexed(GameIn(path));
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
  // Thumbnailers run on files from anywhere: the same limits as in the game apply. A JPEG is
  // decoded at the smallest DCT scale that still covers the thumbnail.
  TPictureUse use;
  use.ShownSize = [size](QSize stored) { return stored.scaled(size, size, Qt::KeepAspectRatio); };
  const TDecodedPicture decoded = TPictureDecoder().Decode(bytes.data(), info.Type, use);
  if (!decoded.Ok())
    return reader.Fail(
        QStringLiteral("the %1 cannot be used: %2").arg(RecordName(record), decoded.Reason));
  return decoded.Image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// Written whole or not at all: a half-written thumbnail would be cached as the game's. Each
// write is checked, unbuffered, because a commit after a short write on a full disk has been
// seen to succeed; a failing write then names the system's reason.
// Returns that reason, or an empty text when the file was written.
QString WriteWhole(const QString &path, const QByteArray &bytes) {
  QSaveFile out(path);
  if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
    return out.errorString();
  if (!WriteAll(out, bytes)) {
    const QString failure = out.errorString();
    out.cancelWriting();
    out.commit(); // discards the temporary file
    return failure;
  }
  return out.commit() ? QString() : out.errorString();
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
  QByteArray png;
  QBuffer encoded(&png);
  encoded.open(QIODevice::WriteOnly);
  if (!picture->save(&encoded, "png")) {
    err << "qbxtool: " << args[1] << ": the thumbnail cannot be encoded as PNG" << Qt::endl;
    return TQbxTool::ExitFailed;
  }
  const QString failure = WriteWhole(args[1], png);
  if (!failure.isEmpty()) {
    err << "qbxtool: " << args[1] << ": cannot be written (" << failure << ")" << Qt::endl;
    return TQbxTool::ExitFailed;
  }
  return TQbxTool::ExitOk;
}
