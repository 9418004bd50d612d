#include "regularfile.h"

#include "messages.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Karvo {

namespace {

bool refuse(QString *reason, const QString &why)
{
    if (reason)
        *reason = why;
    return false;
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

bool openRegularFile(QFile &file, const QString &path, QString *reason)
{
    const QByteArray native = QFile::encodeName(path);
    //: Why a file was not read: a folder, a device, a pipe or the like.
    const QString notRegular = Engine::tr("It is not a regular file.");

    // Looking first means a FIFO or a device is refused without being opened.
    struct stat info;
    if (::stat(native.constData(), &info) != 0)
        return refuse(reason, systemError(errno));
    if (!S_ISREG(info.st_mode))
        return refuse(reason, notRegular);

    // The path may have been replaced since; O_NONBLOCK keeps even a FIFO
    // from blocking the open, and fstat checks what was really opened.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return refuse(reason, systemError(errno));
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return refuse(reason, notRegular);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);

    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return refuse(reason, file.errorString());
    }
    return true;
}

QString resolvedPath(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

QString withReason(const QString &path, const QString &reason)
{
    //: %1 is a file's path, %2 why something went wrong with it.
    return reason.isEmpty() ? nativePath(path) : Engine::tr("%1: %2").arg(nativePath(path), reason);
}

} // namespace Karvo
