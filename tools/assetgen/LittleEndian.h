#pragma once
// Appending little-endian integers, as the BMP and ICO headers store them.

#include <QByteArray>
#include <QtEndian>

inline void PutLE16(QByteArray &out, quint16 v) {
  char b[2];
  qToLittleEndian(v, b);
  out.append(b, 2);
}

inline void PutLE32(QByteArray &out, quint32 v) {
  char b[4];
  qToLittleEndian(v, b);
  out.append(b, 4);
}
