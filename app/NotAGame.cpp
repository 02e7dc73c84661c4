#include "app/NotAGame.h"

#include "app/CommandLine.h"
#include "gamefile/StandAlone.h"

#include <QCoreApplication>
#include <QFile>
#include <QMimeDatabase>
#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace {

// Kinds told by a signature that no game starts with (a game's first byte is its format mark,
// 10). The desktop's own guess by contents is not used: its weak signatures (a TGA picture)
// take many a damaged game for something else.
struct TSignature {
  QByteArrayView Bytes;
  qsizetype At;
  const char *Kind;
};
constexpr std::array Signatures{
    TSignature{"\xFF\xD8\xFF", 0, "image/jpeg"},
    TSignature{"\x89PNG\r\n\x1A\n", 0, "image/png"},
    TSignature{"GIF8", 0, "image/gif"},
    TSignature{"WEBP", 8, "image/webp"},
    TSignature{"II*\0", 0, "image/tiff"},
    TSignature{"MM\0*", 0, "image/tiff"},
    TSignature{"\x7F"
               "ELF",
               0, "application/x-executable"},
    TSignature{"%PDF-", 0, "application/pdf"},
    TSignature{"PK\x03\x04", 0, "application/zip"},
};

bool IsBmp(const QByteArray &head) {
  // "BM" and then the size of one of the picture headers that BMP files carry.
  static const QList<quint8> infoSizes{12, 40, 52, 56, 64, 108, 124};
  return head.startsWith("BM") && head.size() >= 18 && infoSizes.contains(quint8(head[14])) &&
         head.mid(15, 3) == QByteArray(3, '\0');
}

// Text with no control characters but line ends and tabs.
bool IsText(const QByteArray &head) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString text = utf8(head.left(head.size() - 3)); // a character cut at the end
  if (utf8.hasError() || text.isEmpty())
    return false;
  return std::all_of(text.begin(), text.end(), [](QChar c) {
    return c.unicode() >= 0x20 || c == '\n' || c == '\r' || c == '\t';
  });
}

QString KindOf(const QString &path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return QString();
  const QByteArray head = file.read(512);
  for (const TSignature &signature : Signatures)
    if (head.mid(signature.At).startsWith(signature.Bytes))
      return QString::fromLatin1(signature.Kind);
  if (IsBmp(head))
    return QStringLiteral("image/bmp");
  return IsText(head) ? QStringLiteral("text/plain") : QString();
}

} // namespace

QString NotAGameMessage(const QString &path) {
  const QString name = ShownFileName(path);
  if (GameIn(path).IsRange())
    return QCoreApplication::translate(
               "TGame", "\"%1\" is a game made with Make EXE: it is a program of its own. Start "
                        "it to play it.")
        .arg(name);
  const QString kind = KindOf(path);
  if (kind.isEmpty())
    return QString(); // may be a damaged game
  // Described as the desktop describes it, in the player's language.
  //: %2: the kind of file, as the desktop describes it ("JPEG image", "executable")
  return QCoreApplication::translate("TGame", "\"%1\" is not a game: it is a file of the kind "
                                              "\"%2\".")
      .arg(name, QMimeDatabase().mimeTypeForName(kind).comment());
}
