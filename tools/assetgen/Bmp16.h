#pragma once
// A 16-bit BMP encoder (5-6-5 bits per pixel with BI_BITFIELDS masks). Qt reads such files but
// writes only 1, 8, 24 and 32-bit BMPs, and the block pictures are kept at 16 bits per pixel.

#include <QByteArray>
#include <QImage>

QByteArray EncodeBmp16(const QImage &image);
