#pragma once
// The stored form of a clip: a RIFF WAVE image with a 16-byte "fmt " chunk (PCM, mono,
// 11025 Hz, 16 bits) and a "data" chunk, then one spare byte. As in the program's original
// clips, the RIFF length field is 10 more than the bytes that follow it, so it equals the
// image size plus 2: readers walk the chunks and trust the "data" length instead.

#include <QByteArray>
#include <QtGlobal>

#include <vector>

QByteArray WaveImage(const std::vector<qint16> &samples);
