// The first lines of a file as one encoding would read them, so that a
// person can see which of several candidates is right.
#ifndef KARVO_PREVIEW_H
#define KARVO_PREVIEW_H

#include "encoding.h"

#include <QString>

namespace Karvo {

// Decodes the start of the file (at most `maxLines` lines, at most 64 KiB)
// in `encoding`. Bytes the codec cannot decode show as U+FFFD; an
// unreadable file or an unknown codec gives an empty text.
QString previewText(const QString &path, const Encoding &encoding, int maxLines = 20);

} // namespace Karvo

#endif
