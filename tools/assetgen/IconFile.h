#pragma once
// An ICO container holding one PNG-compressed entry per picture (valid since Windows Vista and
// read by Qt's ico plugin). Qt's own ico writer stores a single uncompressed picture only.

#include <QByteArray>
#include <QImage>
#include <QList>

// Empty when a picture is larger than 256 x 256 or cannot be encoded.
QByteArray EncodeIcon(const QList<QImage> &pictures);
