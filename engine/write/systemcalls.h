// The system calls by which Karvo changes anything on disk, behind one small
// interface. Everything that writes (conversions, copies, undo's restores,
// the undo journal) goes through it, so that a test can make any one of
// them fail, as a full disk or a failing drive would, and check that
// nothing was lost.
#ifndef KARVO_SYSTEMCALLS_H
#define KARVO_SYSTEMCALLS_H

#include <QtGlobal>

#include <cstddef>

#include <sys/stat.h>
#include <sys/types.h>

struct timespec;

namespace Karvo {

class SystemCalls
{
public:
    virtual ~SystemCalls();

    virtual int openat(int folder, const char *name, int flags, mode_t mode);
    virtual ssize_t write(int fd, const void *data, size_t size);
    virtual int fdatasync(int fd);
    virtual int fsync(int fd); // a folder's, after a name in it changed
    virtual int ftruncate(int fd, off_t size);
    virtual int fallocate(int fd, int mode, off_t offset, off_t length);
    virtual int renameat2(int fromFolder, const char *from, int toFolder, const char *to, unsigned flags);
    virtual int linkat(int fromFolder, const char *from, int toFolder, const char *to, int flags);
    virtual int unlinkat(int folder, const char *name, int flags);
    virtual int mkdirat(int folder, const char *name, mode_t mode);
    virtual int fchmod(int fd, mode_t mode);
    virtual int fchown(int fd, uid_t owner, gid_t group);
    virtual int fsetxattr(int fd, const char *name, const void *value, size_t size, int flags);
    virtual int fremovexattr(int fd, const char *name);
    virtual int futimens(int fd, const timespec times[2]);
};

// The calls in use: the system's own, unless a test put others in place.
SystemCalls &sys();

// Puts `calls` in place of the system's own for every thread (null: the
// system's own again). For tests only; the object must outlive its use.
void setSystemCalls(SystemCalls *calls);

// write() until all of `size` is written; false, with errno, otherwise.
bool writeAll(int fd, const char *data, qint64 size);

} // namespace Karvo

#endif
