#include "source.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace Karvo {

void DescriptorReader::attach(int descriptor, qint64 bytes)
{
    fd = descriptor;
    length = bytes;
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

bool DescriptorReader::seek(qint64 pos)
{
    return QIODevice::seek(pos) && ::lseek(fd, pos, SEEK_SET) == pos;
}

qint64 DescriptorReader::readData(char *data, qint64 maxSize)
{
    const ssize_t got = ::read(fd, data, size_t(maxSize));
    if (got < 0)
        setErrorString(QString::fromLocal8Bit(std::strerror(errno)));
    return got;
}

SourceFile::~SourceFile()
{
    reader.close();
    if (descriptor >= 0)
        ::close(descriptor);
}

Outcome SourceFile::open(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    // Looking first means a FIFO or a device is refused without being opened.
    struct stat info;
    if (::stat(native.constData(), &info) != 0)
        return Outcome::failed(Failure::CannotRead, errno);
    if (!S_ISREG(info.st_mode))
        return Outcome::failed(Failure::NotRegular);
    // The path may have been replaced since; O_NONBLOCK keeps even a FIFO
    // from blocking the open, and fstat checks what was really opened.
    descriptor = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0)
        return Outcome::failed(Failure::CannotRead, errno);
    if (::fstat(descriptor, &read) != 0)
        return Outcome::failed(Failure::CannotRead, errno);
    if (!S_ISREG(read.st_mode) || isPseudoFileSystem(descriptor))
        return Outcome::failed(Failure::NotRegular);
    // Opened with no other status flag: clearing them all clears O_NONBLOCK.
    ::fcntl(descriptor, F_SETFL, 0);
    reader.attach(descriptor, read.st_size);
    return Outcome::success();
}

Outcome SourceFile::unchanged(bool afterKeeping) const
{
    struct stat now;
    if (::fstat(descriptor, &now) != 0)
        return Outcome::failed(Failure::CannotRead, errno);
    const bool same = now.st_size == read.st_size && now.st_mtim.tv_sec == read.st_mtim.tv_sec
        && now.st_mtim.tv_nsec == read.st_mtim.tv_nsec
        && (afterKeeping || (now.st_ctim.tv_sec == read.st_ctim.tv_sec && now.st_ctim.tv_nsec == read.st_ctim.tv_nsec));
    return same ? Outcome::success() : Outcome::failed(Failure::ChangedWhileConverting);
}

bool isPseudoFileSystem(int fd)
{
    struct statfs info;
    if (::fstatfs(fd, &info) != 0)
        return false;
    switch (quint64(info.f_type)) {
    case PROC_SUPER_MAGIC:
    case SYSFS_MAGIC:
    case DEBUGFS_MAGIC:
    case TRACEFS_MAGIC:
    case CGROUP_SUPER_MAGIC:
    case CGROUP2_SUPER_MAGIC:
    case SECURITYFS_MAGIC:
    case SELINUX_MAGIC:
    case SMACK_MAGIC:
    case BPF_FS_MAGIC:
    case PSTOREFS_MAGIC:
    case EFIVARFS_MAGIC:
    case DEVPTS_SUPER_MAGIC:
    case 0x65735543: // fusectl
    case BINFMTFS_MAGIC:
    case NSFS_MAGIC:
    case 0x62656570: // configfs
    case 0x19800202: // mqueue
        return true;
    default:
        return false;
    }
}

QString resolvedPath(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

} // namespace Karvo
