#include "systemcalls.h"

#include <atomic>
#include <cerrno>

#include <fcntl.h>
#include <stdio.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace Karvo {

namespace {

SystemCalls &real()
{
    static SystemCalls calls;
    return calls;
}

std::atomic<SystemCalls *> current {nullptr};

} // namespace

SystemCalls::~SystemCalls() = default;

int SystemCalls::openat(int folder, const char *name, int flags, mode_t mode)
{
    int fd;
    do
        fd = ::openat(folder, name, flags | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

ssize_t SystemCalls::write(int fd, const void *data, size_t size)
{
    return ::write(fd, data, size);
}

int SystemCalls::fdatasync(int fd)
{
    return ::fdatasync(fd);
}

int SystemCalls::fsync(int fd)
{
    return ::fsync(fd);
}

int SystemCalls::ftruncate(int fd, off_t size)
{
    return ::ftruncate(fd, size);
}

int SystemCalls::fallocate(int fd, int mode, off_t offset, off_t length)
{
    return ::fallocate(fd, mode, offset, length);
}

int SystemCalls::renameat2(int fromFolder, const char *from, int toFolder, const char *to, unsigned flags)
{
    return ::renameat2(fromFolder, from, toFolder, to, flags);
}

int SystemCalls::linkat(int fromFolder, const char *from, int toFolder, const char *to, int flags)
{
    return ::linkat(fromFolder, from, toFolder, to, flags);
}

int SystemCalls::unlinkat(int folder, const char *name, int flags)
{
    return ::unlinkat(folder, name, flags);
}

int SystemCalls::mkdirat(int folder, const char *name, mode_t mode)
{
    return ::mkdirat(folder, name, mode);
}

int SystemCalls::fchmod(int fd, mode_t mode)
{
    return ::fchmod(fd, mode);
}

int SystemCalls::fchown(int fd, uid_t owner, gid_t group)
{
    return ::fchown(fd, owner, group);
}

int SystemCalls::fsetxattr(int fd, const char *name, const void *value, size_t size, int flags)
{
    return ::fsetxattr(fd, name, value, size, flags);
}

int SystemCalls::fremovexattr(int fd, const char *name)
{
    return ::fremovexattr(fd, name);
}

int SystemCalls::futimens(int fd, const timespec times[2])
{
    return ::futimens(fd, times);
}

SystemCalls &sys()
{
    SystemCalls *calls = current.load(std::memory_order_acquire);
    return calls ? *calls : real();
}

void setSystemCalls(SystemCalls *calls)
{
    current.store(calls, std::memory_order_release);
}

bool writeAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = sys().write(fd, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

} // namespace Karvo
