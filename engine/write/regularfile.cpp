#include "regularfile.h"

#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Karvo {

Outcome openRegularFile(QFile &file, const QString &path)
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
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return Outcome::failed(Failure::CannotRead, errno);
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return Outcome::failed(Failure::NotRegular);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);

    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Outcome::failed(Failure::CannotRead, EIO);
    }
    return Outcome::success();
}

QString resolvedPath(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

} // namespace Karvo
