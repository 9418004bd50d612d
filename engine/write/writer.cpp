#include "writer.h"

#include "source.h"
#include "systemcalls.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <mutex>

#include <fcntl.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace Karvo {

namespace {

// Kernel write-back is asked for every this many bytes.
constexpr qint64 writeBehind = 8 << 20;

const char aclAccess[] = "system.posix_acl_access";

QVector<QPair<QByteArray, QByteArray>> attributesOf(int fd, bool userAndAclOnly)
{
    QVector<QPair<QByteArray, QByteArray>> attributes;
    const ssize_t listSize = ::flistxattr(fd, nullptr, 0);
    if (listSize <= 0)
        return attributes;
    QByteArray names(int(listSize), Qt::Uninitialized);
    const ssize_t got = ::flistxattr(fd, names.data(), size_t(names.size()));
    if (got <= 0)
        return attributes;
    names.truncate(int(got));
    for (const QByteArray &name : names.split('\0')) {
        if (name.isEmpty() || (userAndAclOnly && !name.startsWith("user.") && name != aclAccess))
            continue;
        const ssize_t size = ::fgetxattr(fd, name.constData(), nullptr, 0);
        if (size < 0)
            continue;
        QByteArray value(int(size), Qt::Uninitialized);
        const ssize_t read = ::fgetxattr(fd, name.constData(), value.data(), size_t(value.size()));
        if (read < 0)
            continue;
        value.truncate(int(read));
        attributes.append({name, value});
    }
    return attributes;
}

// The owning group's own rights in an access ACL, as the xattr holds it: a
// version word, then entries of tag, rights and id.
int groupRightsOf(const QByteArray &acl)
{
    constexpr quint16 groupObject = 0x04;
    for (int at = 4; at + 8 <= acl.size(); at += 8) {
        const auto *entry = reinterpret_cast<const uchar *>(acl.constData() + at);
        if (quint16(entry[0] | entry[1] << 8) == groupObject)
            return (entry[2] | entry[3] << 8) & 07;
    }
    return -1;
}

// Errors that say an attribute cannot be set here at all, as opposed to a
// failing disk: the file system has no such attributes, or only a
// privileged process may set them.
bool isUnsupported(int error)
{
    return error == ENOTSUP || error == EOPNOTSUPP || error == EPERM || error == EACCES || error == ERANGE
        || error == E2BIG;
}

// Makes `to` name the file `from` names, unless `to` exists already.
int renameNoReplace(int folder, const char *from, const char *to)
{
    if (sys().renameat2(folder, from, folder, to, RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // File systems without RENAME_NOREPLACE: a hard link never replaces either.
    if (sys().linkat(folder, from, folder, to, 0) != 0)
        return errno;
    sys().unlinkat(folder, from, 0);
    return 0;
}

// Syncs a folder after a name in it changed. Workers that change names in
// one folder at the same time share a sync: one that starts after a
// change covers it. False, with errno, when the sync that would have
// covered this change failed.
bool syncFolder(const Folder &folder)
{
    struct State
    {
        std::mutex mutex;
        std::condition_variable done;
        quint64 requested = 0;
        quint64 synced = 0; // every change up to this one is on the disk
        quint64 failedFrom = 0, failedTo = 0; // the changes a failed sync should have covered
        int error = 0;
        bool syncing = false;
    };
    static QMutex statesMutex;
    static QHash<QPair<quint64, quint64>, std::shared_ptr<State>> states;
    std::shared_ptr<State> state;
    {
        const QMutexLocker lock(&statesMutex);
        std::shared_ptr<State> &known = states[{folder.device(), folder.inode()}];
        if (!known)
            known = std::make_shared<State>();
        state = known;
    }
    std::unique_lock<std::mutex> lock(state->mutex);
    const quint64 ticket = ++state->requested;
    for (;;) {
        if (state->synced >= ticket)
            return true;
        if (ticket >= state->failedFrom && ticket <= state->failedTo) {
            errno = state->error;
            return false;
        }
        if (state->syncing) {
            state->done.wait(lock);
            continue;
        }
        state->syncing = true;
        const quint64 covering = state->requested;
        const quint64 from = state->synced + 1;
        lock.unlock();
        const bool ok = sys().fsync(folder.fd()) == 0;
        const int error = errno;
        lock.lock();
        state->syncing = false;
        if (ok) {
            state->synced = qMax(state->synced, covering);
        } else {
            state->failedFrom = from;
            state->failedTo = covering;
            state->error = error;
        }
        state->done.notify_all();
    }
}

// Writes all of the open file `from` over `to`, from its start, and cuts
// `to` to its length; false, with errno, when anything fails.
bool writeOver(int from, int to)
{
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    off_t at = 0;
    if (::lseek(to, 0, SEEK_SET) != 0)
        return false;
    for (ssize_t read; (read = ::pread(from, buffer.data(), size_t(buffer.size()), at)) != 0; at += read) {
        if (read < 0 || !writeAll(to, buffer.constData(), read))
            return false;
    }
    return sys().ftruncate(to, at) == 0 && sys().fdatasync(to) == 0;
}

} // namespace

Metadata Metadata::of(int fd)
{
    Metadata metadata;
    struct stat info;
    if (::fstat(fd, &info) == 0) {
        metadata.keepOwner = true;
        metadata.owner = info.st_uid;
        metadata.group = info.st_gid;
        metadata.mode = info.st_mode & 07777;
        metadata.accessed = info.st_atim;
        metadata.modified = info.st_mtim;
    }
    metadata.attributes = attributesOf(fd, false);
    return metadata;
}

Metadata Metadata::forCopyOf(int fd)
{
    Metadata metadata;
    struct stat info;
    if (::fstat(fd, &info) == 0)
        metadata.mode = info.st_mode & 0777;
    // A copy's security labels are its new folder's; its own attributes
    // and access list go with it.
    metadata.attributes = attributesOf(fd, true);
    return metadata;
}

DescriptorSink::DescriptorSink(int fd, bool digesting)
    : fd(fd)
    , digesting(digesting)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

DescriptorSink::~DescriptorSink() = default;

qint64 DescriptorSink::writeData(const char *data, qint64 size)
{
    if (!writeAll(fd, data, size)) {
        lastError = errno;
        return -1;
    }
    if (digesting)
        hash.add(data, size);
    count += size;
    if (count - flushed >= writeBehind) {
        ::sync_file_range(fd, flushed, count - flushed, SYNC_FILE_RANGE_WRITE);
        flushed = count;
    }
    return size;
}

Writer::Writer(const Folder &folder, const QByteArray &name)
    : folder(folder)
    , name(name)
    , path(folder.pathOf(name))
{ }

Writer::~Writer()
{
    sink.reset();
    if (fd >= 0)
        ::close(fd);
    if (!temporary.isEmpty())
        sys().unlinkat(folder.fd(), temporary.constData(), 0);
    if (existingFd >= 0)
        ::close(existingFd);
    if (writableFd >= 0)
        ::close(writableFd);
}

Outcome Writer::look()
{
    struct stat info;
    if (::fstatat(folder.fd(), name.constData(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? Outcome::success() : Outcome::writeError(errno, path);
    if (S_ISLNK(info.st_mode))
        return Outcome::failed(Failure::DestinationIsLink, 0, path);
    if (!S_ISREG(info.st_mode))
        return Outcome::failed(Failure::DestinationNotRegular, 0, path);
    existingFd = sys().openat(folder.fd(), name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0);
    if (existingFd < 0 && (errno == EACCES || errno == EPERM))
        existingFd = sys().openat(folder.fd(), name.constData(), O_PATH | O_NOFOLLOW, 0);
    if (existingFd < 0)
        return Outcome::writeError(errno, path);
    if (::fstat(existingFd, &old) != 0 || old.st_ino != info.st_ino || old.st_dev != info.st_dev)
        return Outcome::failed(Failure::ChangedWhileConverting, 0, path);
    if (isPseudoFileSystem(existingFd))
        return Outcome::failed(Failure::DestinationNotRegular, 0, path);
    return Outcome::success();
}

Outcome Writer::mayReplace()
{
    // Permission to write is the kernel's to judge, for whatever identity
    // the file system sees; opening does not change the file.
    writableFd = sys().openat(folder.fd(), name.constData(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY, 0);
    if (writableFd < 0)
        return errno == EACCES || errno == EPERM ? Outcome::failed(Failure::ReadOnly, errno, path)
                                                 : Outcome::writeError(errno, path);
    return Outcome::success();
}

bool stickyRefuses(const struct stat &file, const struct stat &folder)
{
    const uid_t me = ::geteuid();
    return me != 0 && file.st_uid != me && (folder.st_mode & S_ISVTX) && folder.st_uid != me;
}

bool Writer::stickyRefuses() const
{
    struct stat info;
    return exists() && ::fstat(folder.fd(), &info) == 0 && Karvo::stickyRefuses(old, info);
}

Outcome Writer::open(bool mayOverwrite)
{
    folder.removeLeftovers();
    // The rename would be refused at the end, after all the work.
    const bool refused = stickyRefuses();
    int error = refused ? EPERM : 0;
    for (int attempt = 0; !refused && fd < 0 && attempt < 100; ++attempt) {
        temporary = temporaryName();
        // O_EXCL and O_NOFOLLOW: a name that somebody slipped in is never used.
        fd = sys().openat(folder.fd(), temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0600);
        error = errno;
        if (fd < 0 && error != EEXIST)
            break;
    }
    if (fd >= 0) {
        sink = std::make_unique<DescriptorSink>(fd, digesting);
        return Outcome::success();
    }
    temporary.clear();
    const bool folderLocked = error == EACCES || error == EPERM || error == EROFS;
    if (!folderLocked || writableFd < 0)
        return Outcome::writeError(error, path);
    if (!mayOverwrite)
        return Outcome::failed(Failure::FolderNotWritable, error, folder.path());
    // The new bytes wait in a file of no name until the original is kept.
    fd = sys().openat(AT_FDCWD, QFile::encodeName(QDir::tempPath()).constData(), O_TMPFILE | O_RDWR, 0600);
    if (fd < 0)
        return Outcome::writeError(errno, QDir::tempPath());
    overwriting = true;
    sink = std::make_unique<DescriptorSink>(fd, digesting);
    return Outcome::success();
}

Outcome Writer::link(int fromFolder, const QByteArray &fromName)
{
    folder.removeLeftovers();
    int error = EEXIST;
    for (int attempt = 0; error == EEXIST && attempt < 100; ++attempt) {
        temporary = temporaryName();
        error = sys().linkat(fromFolder, fromName.constData(), folder.fd(), temporary.constData(), 0) == 0 ? 0 : errno;
    }
    if (error == 0)
        return Outcome::success();
    temporary.clear();
    return Outcome::writeError(error, path);
}

QIODevice &Writer::device()
{
    return *sink;
}

QByteArray Writer::digest() const
{
    return sink ? sink->digest() : QByteArray();
}

namespace {

// What a file of permission bits `mode` loses when its owner or group is
// not kept. Set-user-ID and set-group-ID go only with the owner and group
// they were set for: elsewhere they would hand rights to someone else.
Notices lost(bool ownerKept, bool groupKept, mode_t mode)
{
    Notices notices;
    if (!ownerKept)
        notices |= Notice::OwnerNotKept;
    if (!groupKept)
        notices |= Notice::GroupNotKept;
    if ((!ownerKept && (mode & S_ISUID)) || (!groupKept && (mode & S_ISGID)))
        notices |= Notice::SetIdDropped;
    return notices;
}

} // namespace

Notices Writer::ownershipLost(const struct stat &replaced)
{
    // Only root may give a file away; its owner only to a group of theirs.
    const uid_t me = ::geteuid();
    if (me == 0)
        return {};
    const bool ownerKept = replaced.st_uid == me;
    bool groupKept = replaced.st_gid == ::getegid();
    if (!groupKept) {
        QVector<gid_t> groups(qMax(0, ::getgroups(0, nullptr)));
        groups.resize(qMax(0, ::getgroups(groups.size(), groups.data())));
        groupKept = groups.contains(replaced.st_gid);
    }
    return lost(ownerKept, groupKept, replaced.st_mode);
}

Outcome Writer::finish(const Metadata &metadata, Notices &notices)
{
    newSize = sink->written();
    if (overwriting)
        return Outcome::success(); // the file written over keeps what it has
    if (sys().fdatasync(fd) != 0)
        return Outcome::writeError(errno, path);

    // The new file is the writer's, in the writer's group, or in its
    // folder's where that folder is set-group-ID.
    struct stat made;
    if (::fstat(fd, &made) != 0)
        return Outcome::writeError(errno, path);
    bool ownerKept = true;
    bool groupKept = true;
    if (metadata.keepOwner && (metadata.owner != made.st_uid || metadata.group != made.st_gid)) {
        if (sys().fchown(fd, metadata.owner, metadata.group) != 0) {
            if (errno != EPERM)
                return Outcome::writeError(errno, path);
            // Only root may give a file away; a member of the group may
            // still give it to the group.
            ownerKept = metadata.owner == made.st_uid;
            groupKept = sys().fchown(fd, uid_t(-1), metadata.group) == 0 || metadata.group == made.st_gid;
        }
    }
    notices |= lost(ownerKept, groupKept, metadata.mode);
    // A new file takes its folder's default access list, which may let
    // more people read it than could read the file it replaces.
    const auto hasOwnList = [&] {
        return std::any_of(metadata.attributes.begin(), metadata.attributes.end(),
            [](const auto &attribute) { return attribute.first == aclAccess; });
    };
    if (metadata.keepOwner && !hasOwnList() && sys().fremovexattr(fd, aclAccess) != 0 && errno != ENODATA
        && !isUnsupported(errno))
        return Outcome::writeError(errno, path);
    const mode_t bits = metadata.mode & 07777 & ~mode_t((ownerKept ? 0 : S_ISUID) | (groupKept ? 0 : S_ISGID));
    if (sys().fchmod(fd, bits) != 0)
        return Outcome::writeError(errno, path);
    // The access list comes after the mode bits, which it refines: the
    // group bits of a file with an ACL are the ACL's mask.
    for (const auto &[attribute, value] : metadata.attributes) {
        if (sys().fsetxattr(fd, attribute.constData(), value.constData(), size_t(value.size()), 0) == 0)
            continue;
        if (!isUnsupported(errno))
            return Outcome::writeError(errno, path);
        notices |= Notice::AttributesNotKept;
        // Without its ACL, the owning group gets its own rights, not the
        // mask's, which could be more.
        const int group = attribute == aclAccess ? groupRightsOf(value) : -1;
        if (group >= 0 && sys().fchmod(fd, (bits & ~mode_t(070)) | mode_t(group << 3)) != 0)
            return Outcome::writeError(errno, path);
    }
    if (metadata.keepTimes) {
        const timespec times[2] = {metadata.accessed, metadata.modified};
        if (sys().futimens(fd, times) != 0)
            return Outcome::writeError(errno, path);
    }
    struct stat info;
    if (::fstat(fd, &info) != 0)
        return Outcome::writeError(errno, path);
    newMtime = nanoseconds(info.st_mtim);
    return Outcome::success();
}

Outcome Writer::commit(const std::function<Outcome()> &beforeRename)
{
    if (overwriting)
        return overwrite(beforeRename);
    if (exists()) {
        // What was looked at, and maybe kept, is what gives way.
        struct stat now;
        if (::fstatat(folder.fd(), name.constData(), &now, AT_SYMLINK_NOFOLLOW) != 0 || now.st_ino != old.st_ino
            || now.st_dev != old.st_dev)
            return Outcome::failed(Failure::ChangedWhileConverting, 0, path);
    }
    if (beforeRename) {
        const Outcome agreed = beforeRename();
        if (!agreed.ok())
            return agreed;
    }
    if (!exists()) {
        const int error = renameNoReplace(folder.fd(), temporary.constData(), name.constData());
        if (error == EEXIST)
            return Outcome::failed(Failure::DestinationExists, error, path);
        if (error != 0)
            return Outcome::writeError(error, path);
        temporary.clear();
        if (!syncFolder(folder)) {
            // Not durable: the new name goes again, as if never made.
            const int syncError = errno;
            destinationChanged = sys().unlinkat(folder.fd(), name.constData(), 0) != 0;
            return Outcome::writeError(syncError, path);
        }
        destinationChanged = true;
        return Outcome::success();
    }
    return replaceByRename();
}

// The new file and the old swap names in one step, so that until the folder
// is synced the swap can be taken back: should the sync fail, the old file
// is at its name again and nothing was lost.
Outcome Writer::replaceByRename()
{
    const int folderFd = folder.fd();
    if (sys().renameat2(folderFd, temporary.constData(), folderFd, name.constData(), RENAME_EXCHANGE) == 0) {
        if (!syncFolder(folder)) {
            const int error = errno;
            destinationChanged
                = sys().renameat2(folderFd, temporary.constData(), folderFd, name.constData(), RENAME_EXCHANGE) != 0;
            return Outcome::writeError(error, path);
        }
        destinationChanged = true;
        // The temporary name holds the old file now; it is nobody's text
        // any more (a kept original has a name of its own in the store).
        sys().unlinkat(folderFd, temporary.constData(), 0);
        temporary.clear();
        return Outcome::success();
    }
    if (errno != EINVAL && errno != ENOSYS)
        return Outcome::writeError(errno, path);
    // A file system that cannot swap: a plain rename, which cannot be taken
    // back once done.
    if (sys().renameat2(folderFd, temporary.constData(), folderFd, name.constData(), 0) != 0)
        return Outcome::writeError(errno, path);
    temporary.clear();
    destinationChanged = true;
    if (!syncFolder(folder))
        return Outcome::writeError(errno, path);
    return Outcome::success();
}

Outcome Writer::overwrite(const std::function<Outcome()> &beforeRename)
{
    if (beforeRename) {
        const Outcome agreed = beforeRename();
        if (!agreed.ok())
            return agreed;
    }
    // Room for every new byte, set aside while the old text is still whole:
    // a disk too full for them fails here, not halfway. The old bytes are
    // written over, never cut off first, which would give their room away.
    // A file system that sets no room aside is written all the same.
    if (newSize > 0 && sys().fallocate(writableFd, FALLOC_FL_KEEP_SIZE, 0, newSize) != 0 && errno != EOPNOTSUPP)
        return Outcome::writeError(errno, path);
    destinationChanged = true;
    if (!writeOver(fd, writableFd))
        return Outcome::writeError(errno, path);
    struct stat info;
    if (::fstat(writableFd, &info) == 0)
        newMtime = nanoseconds(info.st_mtim);
    return Outcome::success();
}

Outcome Writer::putBack(int kept, const struct stat &original)
{
    const timespec times[2] = {original.st_atim, original.st_mtim};
    if (!writeOver(kept, writableFd) || sys().futimens(writableFd, times) != 0)
        return Outcome::writeError(errno, path);
    destinationChanged = false;
    return Outcome::success();
}

bool copyFrom(int fd, QIODevice &to)
{
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    ssize_t read = 0;
    for (off_t at = 0; (read = ::pread(fd, buffer.data(), size_t(buffer.size()), at)) > 0; at += read) {
        if (to.write(buffer.constData(), read) != read)
            return false;
    }
    return read == 0;
}

} // namespace Karvo
