// A file to convert, opened once: detection, the conversion and the last
// check before the original gives way all read through this one
// descriptor, so that what is written is what was read.
#ifndef KARVO_SOURCE_H
#define KARVO_SOURCE_H

#include "outcome.h"

#include <QIODevice>
#include <QString>

#include <sys/stat.h>

namespace Karvo {

// Reads a descriptor someone else owns, with nothing in between. QFile asks
// the kernel for the file's metadata again on opening and on every seek and
// size; over many small files those calls cost more than the reading. The
// size is the one the file had when it was opened: a file that changes
// later is caught by SourceFile::unchanged before anything replaces it.
class DescriptorReader : public QIODevice
{
public:
    void attach(int fd, qint64 size);
    bool isSequential() const override { return false; }
    qint64 size() const override { return length; }
    bool seek(qint64 pos) override;

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    int fd = -1;
    qint64 length = 0;
};

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

    QIODevice &file() { return reader; } // reads from where the last read stopped
    int fd() const { return descriptor; }
    const struct stat &info() const { return read; } // as opened
    bool rewind() { return reader.seek(0); }

    // Whether the file is still the one that was read: the same size, time
    // and change time. `afterKeeping`: a hard link made to keep the original
    // changed its change time, and only size and time can tell.
    Outcome unchanged(bool afterKeeping = false) const;

private:
    int descriptor = -1;
    DescriptorReader reader;
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
