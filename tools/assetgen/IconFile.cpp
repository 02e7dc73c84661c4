#include "tools/assetgen/IconFile.h"

#include "tools/assetgen/LittleEndian.h"

#include <QBuffer>

namespace {

QByteArray Png(const QImage &picture) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!picture.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG"))
    return {};
  return bytes;
}

} // namespace

QByteArray EncodeIcon(const QList<QImage> &pictures) {
  QList<QByteArray> entries;
  for (const QImage &picture : pictures) {
    if (picture.width() > 256 || picture.height() > 256)
      return {};
    entries << Png(picture);
    if (entries.last().isEmpty())
      return {};
  }

  QByteArray out;
  PutLE16(out, 0); // reserved
  PutLE16(out, 1); // type: icon
  PutLE16(out, quint16(pictures.size()));
  quint32 offset = 6 + 16 * quint32(pictures.size());
  for (int i = 0; i < pictures.size(); ++i) {
    // A size of 256 is stored as 0 in the one-byte fields.
    out.append(char(pictures[i].width() & 0xFF));
    out.append(char(pictures[i].height() & 0xFF));
    out.append('\0'); // no palette
    out.append('\0'); // reserved
    PutLE16(out, 1);  // colour planes
    PutLE16(out, 32); // bits per pixel
    PutLE32(out, quint32(entries[i].size()));
    PutLE32(out, offset);
    offset += quint32(entries[i].size());
  }
  for (const QByteArray &entry : entries)
    out.append(entry);
  return out;
}
