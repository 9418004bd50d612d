// Files are read and written in chunks of this size, so that memory stays
// flat however large a file is.
#ifndef KARVO_STREAMING_H
#define KARVO_STREAMING_H

#include <QtGlobal>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace Karvo {

constexpr int chunkSize = 1 << 20;

// A buffer for what is left of a file: a small file's size, not a chunk
// (or `most`) for each of thousands of them. Where the file does not know
// its size (0 for a pipe or /proc), the whole chunk.
inline qint64 bufferFor(qint64 left, qint64 most = chunkSize)
{
    return left > 0 && left < most ? left : most;
}

// A large file goes through pieces of a chunk or so, each allocated and
// freed in turn. glibc gives such blocks back to the system when they are
// freed, and the next piece faults its pages in again one by one: on a
// virtual machine, more than a third of converting a 128 MiB file. A
// program that runs the engine calls this first, to keep them.
inline void keepBuffers()
{
#ifdef __GLIBC__
    mallopt(M_MMAP_THRESHOLD, 4 * chunkSize);
    mallopt(M_TRIM_THRESHOLD, 32 * chunkSize);
#endif
}

} // namespace Karvo

#endif
