#include "destination.h"

#include "regularfile.h"
#include "streaming.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace Karvo {

namespace {

QString entryOf(const QString &path)
{
    const QFileInfo info(path);
    const QString folder = info.absoluteDir().canonicalPath();
    return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + info.fileName();
}

bool isReadOnlyError(int error)
{
    return error == EACCES || error == EPERM;
}

bool writeAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

// Makes `to` name the file `from` names, unless `to` exists already.
int renameNoReplace(const QByteArray &from, const QByteArray &to)
{
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // File systems without RENAME_NOREPLACE: a hard link never replaces either.
    if (::link(from.constData(), to.constData()) != 0)
        return errno;
    ::unlink(from.constData());
    return 0;
}

} // namespace

bool sameEntry(const QString &a, const QString &b)
{
    if (QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath())
        return true;
    const QString entry = entryOf(a);
    return !entry.isEmpty() && entry == entryOf(b);
}

Destination::Destination(const QString &sourcePath, const QString &targetPath, Existing existing)
    : sourcePath(sourcePath)
    , targetPath(targetPath)
    , path(sameEntry(sourcePath, targetPath) ? resolvedPath(targetPath) : QFileInfo(targetPath).absoluteFilePath())
    , mode(existing)
{ }

Destination::~Destination()
{
    if (existingFd >= 0)
        ::close(existingFd);
    if (!temporaryName.isEmpty()) {
        temporary.close();
        ::unlink(temporaryName.constData());
    }
}

Outcome Destination::check()
{
    struct stat source;
    if (::stat(QFile::encodeName(sourcePath).constData(), &source) == 0)
        sourceMode = source.st_mode;

    const QByteArray native = QFile::encodeName(path);
    if (::lstat(native.constData(), &old) != 0) {
        if (errno == ENOENT)
            return Outcome::success();
        return Outcome::writeError(errno, targetPath);
    }
    if (S_ISLNK(old.st_mode))
        return Outcome::failed(Failure::DestinationIsLink, 0, targetPath);
    if (!S_ISREG(old.st_mode))
        return Outcome::failed(Failure::DestinationNotRegular, 0, targetPath);
    existing = true;
    if (mode == Existing::Keep)
        return Outcome::success();

    // Permission to write is the kernel's to judge, for whatever identity
    // the file system sees; opening does not change the file.
    existingFd = ::open(native.constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (existingFd < 0) {
        if (isReadOnlyError(errno))
            return Outcome::failed(Failure::ReadOnly, errno, targetPath);
        return Outcome::writeError(errno, targetPath);
    }
    return Outcome::success();
}

Outcome Destination::open()
{
    // A short name of its own: the destination's name may be as long as a
    // name can be.
    const QString prefix = QFileInfo(path).absolutePath() + QLatin1String("/.karvo-");
    int fd = -1;
    int error = 0;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        const QByteArray name
            = QFile::encodeName(prefix + QString::number(QRandomGenerator::global()->generate64(), 36));
        // O_EXCL and O_NOFOLLOW: a name that somebody slipped in is never used.
        fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        error = errno;
        if (fd >= 0)
            temporaryName = name;
        else if (error != EEXIST)
            break;
    }
    if (fd >= 0) {
        if (!temporary.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
            ::close(fd);
            return Outcome::writeError(EIO, targetPath);
        }
        return Outcome::success();
    }
    if (existingFd < 0 || !(isReadOnlyError(error) || error == EROFS))
        return Outcome::writeError(error, targetPath);

    elsewhere = std::make_unique<QTemporaryFile>(QDir::tempPath() + QLatin1String("/karvo-XXXXXX"));
    if (!elsewhere->open())
        return Outcome::writeError(errno, elsewhere->fileTemplate());
    return Outcome::success();
}

QFile &Destination::file()
{
    return elsewhere ? *elsewhere : temporary;
}

// The mode bits are those of the file replaced, all of them. Set-user-ID and
// set-group-ID go only with the owner and group they were set for: where
// those could not be kept, the bits would hand rights to someone else. A new
// file takes the source's permission bits without those and the sticky bit,
// as a copy belongs to whoever made it.
void Destination::keepOwnerAndMode(int fd) const
{
    mode_t bits = sourceMode & 0777;
    if (existing) {
        bits = old.st_mode & 07777;
        if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
            // Only root may give a file away; the file stays ours.
        }
        struct stat now;
        const bool known = ::fstat(fd, &now) == 0;
        if (!known || now.st_uid != old.st_uid)
            bits &= ~mode_t(S_ISUID);
        if (!known || now.st_gid != old.st_gid)
            bits &= ~mode_t(S_ISGID);
    }
    ::fchmod(fd, bits);
}

Outcome Destination::commit(const BeforeReplace &beforeReplace)
{
    if (elsewhere)
        return writeOver(beforeReplace);

    if (!temporary.flush())
        return Outcome::writeError(errno, targetPath);
    const int fd = temporary.handle();
    keepOwnerAndMode(fd);
    if (::fdatasync(fd) != 0)
        return Outcome::writeError(errno, targetPath);
    temporary.close();

    const QByteArray native = QFile::encodeName(path);
    if (!existing) {
        const int error = renameNoReplace(temporaryName, native);
        if (error == EEXIST)
            return Outcome::failed(Failure::DestinationExists, error, targetPath);
        if (error != 0)
            return Outcome::writeError(error, targetPath);
    } else {
        // The one place an existing file gives way: rename() replaces a
        // symbolic link swapped in meanwhile instead of following it, and
        // the old file's inode is still there for the caller to keep.
        if (beforeReplace && !beforeReplace(path))
            return Outcome::failed(Failure::CannotKeepOriginal, 0, targetPath);
        if (::rename(temporaryName.constData(), native.constData()) != 0)
            return Outcome::writeError(errno, targetPath);
    }
    temporaryName.clear();
    return Outcome::success();
}

// After a conversion into a temporary file elsewhere, the text is written
// over the destination. If that fails after a conversion in place, the
// converted text is kept in the temporary file and the message says where.
Outcome Destination::writeOver(const BeforeReplace &beforeReplace)
{
    if (!elsewhere->flush())
        return Outcome::writeError(errno, elsewhere->fileName());
    if (beforeReplace && !beforeReplace(path))
        return Outcome::failed(Failure::CannotKeepOriginal, 0, targetPath);

    bool written = elsewhere->seek(0) && ::ftruncate(existingFd, 0) == 0 && ::lseek(existingFd, 0, SEEK_SET) == 0;
    int error = errno;
    QByteArray buffer(chunkSize, Qt::Uninitialized);
    qint64 read = 0;
    while (written && (read = elsewhere->read(buffer.data(), buffer.size())) > 0) {
        written = writeAll(existingFd, buffer.constData(), read);
        error = errno;
    }
    if (written && (read < 0 || ::fdatasync(existingFd) != 0)) {
        written = false;
        error = errno;
    }
    if (written)
        return Outcome::success();

    // The file is half written; the converted text stays where it was made.
    if (sameEntry(sourcePath, targetPath))
        elsewhere->setAutoRemove(false);
    return Outcome::writeError(error, elsewhere->fileName());
}

} // namespace Karvo
