#pragma once
// How large a picture a game may hold. A picture is refused before it is copied
// out or decoded when it is beyond these: a hostile game must not make the
// program write or allocate gigabytes.

#include <QtGlobal>

namespace PictureLimits {

// Pixels of one decoded picture: 64 megapixels.
constexpr qint64 MaxPixels = qint64(64) << 20;
// Memory the decoder may allocate for one picture: 64 megapixels at 4 bytes
// each.
constexpr int AllocationLimitMb = 256;
// Bytes of one stored picture: a BMP of the largest decodable size, with room
// for its headers and colour table. No JPEG that decodes within the limits
// needs more.
constexpr qint64 MaxStoredBytes = (qint64(AllocationLimitMb) + 1) << 20;
// Scans of one progressive JPEG. Every scan is a pass over the whole picture, so a small file
// of thousands of scans takes many seconds; encoders write about 10 (libjpeg's progressive
// script has 10, mozjpeg's at most about 20).
constexpr int MaxScans = 100;
// Blocks of 8 x 8 samples decoded by all the scans of one JPEG together. Each scan is a pass over
// every block of its components however few bytes it has (end-of-band runs cover thousands of
// blocks in a few bits), at some 20-30 ns a block here, so the scan count alone lets 100 scans of
// 64 megapixels take seconds; this holds a decode to about a third of a second. libjpeg's own
// progressive script needs 8 million for a picture at the pixel limit (4:2:0), 12 million for
// 48 megapixels at 4:4:4.
constexpr qint64 MaxScanBlocks = 8'000'000;
// Bytes a JPEG decoder reads one by one (the scans' coded data, and stray bytes between
// segments), per pixel of the picture: noise coded at the highest quality takes 3 (measured at
// 4:4:4, baseline and progressive), so a small picture with megabytes of them is refused rather
// than read. The slack is for the smallest pictures.
constexpr qint64 MaxCodedBytesPerPixel = 8;
constexpr qint64 CodedBytesSlack = 64 << 10;
// And for any picture, as a 60-megapixel camera photo holds about 25 MB: restart markers are the
// slowest bytes to read (some 7 ns each here), and this many of them take a quarter of a second.
constexpr qint64 MaxCodedBytes = qint64(32) << 20;

} // namespace PictureLimits
