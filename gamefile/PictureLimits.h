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

} // namespace PictureLimits
