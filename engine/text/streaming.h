// Files are read and written in chunks of this size, so that memory stays
// flat however large a file is.
#ifndef KARVO_STREAMING_H
#define KARVO_STREAMING_H

#include <QtGlobal>

namespace Karvo {

constexpr int chunkSize = 1 << 20;

// A buffer for what is left of a file: a small file's size, not a chunk
// (or `most`) for each of thousands of them. Where the file does not know
// its size (0 for a pipe or /proc), the whole chunk.
inline qint64 bufferFor(qint64 left, qint64 most = chunkSize)
{
    return left > 0 && left < most ? left : most;
}

} // namespace Karvo

#endif
