// Files are read and written in chunks of this size, so that memory stays
// flat however large a file is.
#ifndef KARVO_STREAMING_H
#define KARVO_STREAMING_H

namespace Karvo {

constexpr int chunkSize = 1 << 20;

} // namespace Karvo

#endif
