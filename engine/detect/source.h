// A file to convert, opened once: detection, the conversion and the last
// check before the original gives way all read through this one
// descriptor, so that what is written is what was read.
#ifndef KARVO_SOURCE_H
#define KARVO_SOURCE_H

#include "outcome.h"

#include <QFile>
#include <QString>

#include <sys/stat.h>

namespace Karvo {

class SourceFile
{
public:
    SourceFile() = default;
    ~SourceFile();
    SourceFile(const SourceFile &) = delete;
    SourceFile &operator=(const SourceFile &) = delete;

    // Opens `path` when it is a regular file (following links): a FIFO
    // would block the open or the read forever, a device may never end, and
    // the files of /proc or /sys are the kernel's settings, not text.
    Outcome open(const QString &path);

    QFile &file() { return reader; } // reads from where the last read stopped
    int fd() const { return descriptor; }
    const struct stat &info() const { return read; } // as opened
    bool rewind() { return reader.seek(0); }

    // Whether the file is still the one that was read: the same size, time
    // and change time. `afterKeeping`: a hard link made to keep the original
    // changed its change time, and only size and time can tell.
    Outcome unchanged(bool afterKeeping = false) const;

private:
    int descriptor = -1;
    QFile reader;
    struct stat read = {};
};

// True for a file of a pseudo file system (proc, sysfs, debugfs, cgroup and
// the like), whose files are the kernel's settings, not text.
bool isPseudoFileSystem(int fd);

// Where a path leads after its symbolic links, or the path itself if it does
// not exist yet; two paths naming the same file compare equal.
QString resolvedPath(const QString &path);

} // namespace Karvo

#endif
