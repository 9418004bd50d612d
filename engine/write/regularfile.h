// Opening only what can be read to its end: a FIFO would block the open or
// the read forever, and a device such as /dev/zero never ends.
#ifndef KARVO_REGULARFILE_H
#define KARVO_REGULARFILE_H

#include "outcome.h"

#include <QFile>
#include <QString>

namespace Karvo {

// Opens `path` read-only into `file` when it is a regular file, following
// symbolic links; otherwise says why not (CannotRead with the system's
// reason, or NotRegular).
Outcome openRegularFile(QFile &file, const QString &path);

// Where a path leads after its symbolic links, or the path itself if it does
// not exist yet; two paths naming the same file compare equal.
QString resolvedPath(const QString &path);

} // namespace Karvo

#endif
