#pragma once
// Writes all bytes or reports failure. A short write is retried with the rest, so that a device
// that fills up part way answers the next write with its reason (disk full, file too large)
// instead of a bare short count.

#include <QIODevice>

inline bool WriteAll(QIODevice &out, const char *data, qint64 length) {
  while (length > 0) {
    const qint64 written = out.write(data, length);
    if (written <= 0)
      return false;
    data += written;
    length -= written;
  }
  return true;
}

inline bool WriteAll(QIODevice &out, const QByteArray &bytes) {
  return WriteAll(out, bytes.constData(), bytes.size());
}
