#include "folder.h"

#include "source.h"
#include "systemcalls.h"

#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <set>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Karvo {

namespace {

const QByteArray temporaryPrefix = QByteArrayLiteral(".karvo-");
// A 64-bit random number in base 36, padded with zeros.
constexpr int randomWidth = 13;

// When a process started, in clock ticks since boot: with its number, it
// tells a running process from a later one that reuses the number. 0 when
// there is no such process.
quint64 startTime(pid_t pid)
{
    char path[64];
    std::snprintf(path, sizeof path, "/proc/%d/stat", int(pid));
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray stat = file.readAll();
    // The command name in brackets may hold blanks; the fields after it
    // do not. The start time is the 22nd field, the 20th after the name.
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 19 ? fields.at(19).toULongLong() : 0;
}

const QByteArray &processTag()
{
    static const QByteArray tag
        = QByteArray::number(qint64(::getpid())) + '-' + QByteArray::number(startTime(::getpid()));
    return tag;
}

// A temporary name of a Karvo process that is no longer running.
bool isLeftover(const char *name)
{
    const QByteArray entry(name);
    if (!entry.startsWith(temporaryPrefix))
        return false;
    const QList<QByteArray> parts = entry.mid(temporaryPrefix.size()).split('-');
    bool pidOk = false, startOk = false;
    const pid_t pid = pid_t(parts.value(0).toInt(&pidOk));
    const quint64 start = parts.value(1).toULongLong(&startOk);
    // Not of this form, down to the random part's width: not ours to remove
    // (".karvo-2024-12-backup" is someone's own file).
    const bool random = parts.value(2).size() == randomWidth
        && std::all_of(parts.value(2).cbegin(), parts.value(2).cend(),
            [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'); });
    if (parts.size() != 3 || !pidOk || !startOk || pid <= 0 || !random)
        return false;
    return startTime(pid) != start;
}

} // namespace

Folder::Folder(int fd, const QString &path)
    : descriptor(fd)
    , where(path)
{
    struct stat info;
    if (::fstat(fd, &info) == 0) {
        dev = info.st_dev;
        ino = info.st_ino;
    }
}

Folder::~Folder()
{
    if (descriptor >= 0)
        ::close(descriptor);
}

Folder::Folder(Folder &&other) noexcept
    : descriptor(std::exchange(other.descriptor, -1))
    , where(std::move(other.where))
    , dev(other.dev)
    , ino(other.ino)
{ }

Folder &Folder::operator=(Folder &&other) noexcept
{
    if (this != &other) {
        if (descriptor >= 0)
            ::close(descriptor);
        descriptor = std::exchange(other.descriptor, -1);
        where = std::move(other.where);
        dev = other.dev;
        ino = other.ino;
    }
    return *this;
}

Outcome Folder::open(const QString &path, Folder &folder)
{
    const int fd = sys().openat(AT_FDCWD, QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY, 0);
    if (fd < 0)
        return Outcome::writeError(errno, path);
    folder = Folder(fd, path);
    return Outcome::success();
}

Outcome Folder::openBelow(const QString &relative, bool create, Folder &below, QStringList *created) const
{
    int current = ::fcntl(descriptor, F_DUPFD_CLOEXEC, 0);
    if (current < 0)
        return Outcome::writeError(errno, where);
    QString path = where;
    for (const QString &part : relative.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        if (part == QLatin1String("."))
            continue;
        const QByteArray name = QFile::encodeName(part);
        path += QLatin1Char('/') + part;
        const auto fail = [&](const Outcome &outcome) {
            ::close(current);
            return outcome;
        };
        if (part == QLatin1String(".."))
            return fail(Outcome::failed(Failure::DestinationNotRegular, 0, path));
        int next = sys().openat(current, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW, 0);
        if (next < 0 && errno == ENOENT && create) {
            if (sys().mkdirat(current, name.constData(), 0777) == 0) {
                if (created)
                    created->append(path);
            } else if (errno != EEXIST) {
                return fail(Outcome::writeError(errno, path));
            }
            next = sys().openat(current, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW, 0);
        }
        if (next < 0) {
            const int error = errno;
            struct stat info;
            if (::fstatat(current, name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0) {
                if (S_ISLNK(info.st_mode))
                    return fail(Outcome::failed(Failure::DestinationIsLink, 0, path));
                if (!S_ISDIR(info.st_mode))
                    return fail(Outcome::failed(Failure::DestinationNotRegular, 0, path));
            }
            return fail(Outcome::writeError(error, path));
        }
        ::close(current);
        current = next;
    }
    below = Folder(current, path);
    return Outcome::success();
}

QString Folder::pathOf(const QByteArray &name) const
{
    return where + QLatin1Char('/') + QFile::decodeName(name);
}

void Folder::removeLeftovers() const
{
    // A folder is known by its device and inode and, where the file system
    // keeps it, the time it was made: once a folder is gone its inode number
    // is soon given to a new one, which has not been swept.
    struct statx born {};
    if (::statx(descriptor, "", AT_EMPTY_PATH, STATX_BTIME, &born) != 0 || !(born.stx_mask & STATX_BTIME))
        born.stx_btime = {};
    static QMutex mutex;
    static std::set<std::array<quint64, 4>> done;
    {
        const QMutexLocker lock(&mutex);
        if (!done.insert({quint64(dev), quint64(ino), quint64(born.stx_btime.tv_sec), born.stx_btime.tv_nsec}).second)
            return;
    }
    const int fd = ::openat(descriptor, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *dir = fd >= 0 ? ::fdopendir(fd) : nullptr;
    if (!dir) {
        if (fd >= 0)
            ::close(fd);
        return;
    }
    const uid_t me = ::geteuid();
    while (const dirent *entry = ::readdir(dir)) {
        struct stat info;
        if (isLeftover(entry->d_name) && ::fstatat(descriptor, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0
            && S_ISREG(info.st_mode) && info.st_uid == me)
            sys().unlinkat(descriptor, entry->d_name, 0);
    }
    ::closedir(dir);
}

QByteArray temporaryName()
{
    return temporaryPrefix + processTag() + '-'
        + QByteArray::number(QRandomGenerator::global()->generate64(), 36).rightJustified(randomWidth, '0');
}

bool sameEntry(const QString &a, const QString &b)
{
    const QFileInfo x(a);
    const QFileInfo y(b);
    struct stat xFolder;
    struct stat yFolder;
    return x.fileName() == y.fileName() && ::stat(QFile::encodeName(x.absolutePath()).constData(), &xFolder) == 0
        && ::stat(QFile::encodeName(y.absolutePath()).constData(), &yFolder) == 0 && xFolder.st_dev == yFolder.st_dev
        && xFolder.st_ino == yFolder.st_ino;
}

} // namespace Karvo
