// Opening only what can be read to its end: a FIFO would block the open or
// the read forever, and a device such as /dev/zero never ends.
#ifndef KARVO_REGULARFILE_H
#define KARVO_REGULARFILE_H

#include <QFile>
#include <QString>

namespace Karvo {

// Opens `path` read-only into `file` when it is a regular file, following
// symbolic links. Otherwise returns false and, if asked, the reason.
bool openRegularFile(QFile &file, const QString &path, QString *reason = nullptr);

// Where a path leads after its symbolic links, or the path itself if it does
// not exist yet; two paths naming the same file compare equal.
QString resolvedPath(const QString &path);

// A path as messages show it, and followed by the system's reason if any.
QString nativePath(const QString &path);
QString withReason(const QString &path, const QString &reason);

} // namespace Karvo

#endif
