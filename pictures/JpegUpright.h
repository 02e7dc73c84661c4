#pragma once
// A JPEG stored turned or mirrored (a phone's portrait photo: EXIF orientation 6) made upright
// before it goes into a game file, so that the game file holds the picture as it is meant to
// be seen, for every program that reads it. The DCT blocks are moved losslessly (TurboJPEG's
// transforms) when the picture's size allows a perfect transform; a partial block row or
// column on an edge that would have to move to the top or left cannot be moved, and then the
// picture is decoded, turned and encoded again at quality 95 without chroma subsampling rather
// than trimmed, which would cut up to 15 pixels off the author's picture. The upright file has
// no EXIF block (nor any other extra segment): its orientation must not be applied twice, the
// game ignores colour profiles, and a game file is made to be shared, which a phone photo's
// place and time are not.

#include "gamefile/Result.h"

#include <QByteArray>
#include <QString>

enum class TUprightWay { Lossless, Reencoded };

struct TUprightJpeg {
  QByteArray Bytes;
  TUprightWay Way = TUprightWay::Lossless;
};

// `jpeg` with EXIF orientation `orientation` (2 to 8) made upright.
TResult<TUprightJpeg> UprightJpeg(const QByteArray &jpeg, int orientation);

// `file` itself when it is not a JPEG, is stored upright or cannot be opened; otherwise its upright
// form written whole (or not at all) to `copy`, and `copy`. A failure says what went wrong with
// `file`
// ("cannot be read (...)"), without naming it.
TResult<QString> UprightJpegFile(const QString &file, const QString &copy);
