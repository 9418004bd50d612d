// The one way Karvo writes a file: the new bytes go into a temporary file
// beside the destination, which is synced, given the owner, mode bits and
// extended attributes (ACLs among them) it should have, and only then takes
// the destination's name, atomically; the folder is synced so that the new
// name survives a crash. Until that moment the destination is untouched,
// and a failure at any step leaves nothing behind. Every system call goes
// through SystemCalls and is checked.
#ifndef KARVO_WRITER_H
#define KARVO_WRITER_H

#include "digest.h"
#include "folder.h"
#include "outcome.h"

#include <QByteArray>
#include <QIODevice>
#include <QPair>
#include <QVector>

#include <functional>
#include <memory>

#include <sys/stat.h>

namespace Karvo {

// What a file carries besides its bytes, read off one file to give another.
struct Metadata
{
    bool keepOwner = false; // give the owner and group below (a file replaced); else they are whoever writes
    uid_t owner = 0;
    gid_t group = 0;
    mode_t mode = 0600; // permission bits, set-user-ID, set-group-ID and sticky
    QVector<QPair<QByteArray, QByteArray>> attributes; // extended attributes, ACLs among them
    bool keepTimes = false; // give the times below (undo puts an original's back)
    timespec accessed {};
    timespec modified {};

    // Everything of an open file, to replace it with a new version of itself.
    static Metadata of(int fd);
    // What a new copy of an open file gets: its permission bits, without
    // the special ones (a copy belongs to whoever makes it), and its
    // extended attributes.
    static Metadata forCopyOf(int fd);
};

// Bytes written to a file descriptor through SystemCalls, counted and
// digested on the way, the kernel asked to start writing back every few
// megabytes so that the disk works while the codecs do.
class DescriptorSink : public QIODevice
{
public:
    // `digesting`: the digest is wanted (by the undo journal).
    DescriptorSink(int fd, bool digesting);
    ~DescriptorSink() override;

    qint64 written() const { return count; }
    QByteArray digest() const { return hash.result(); }
    int error() const { return lastError; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override;

private:
    int fd;
    qint64 count = 0;
    qint64 flushed = 0;
    ContentHash hash;
    bool digesting;
    int lastError = 0;
};

// Bytes that go nowhere: a dry run checks a whole conversion in memory.
class NullSink : public QIODevice
{
public:
    NullSink() { open(QIODevice::WriteOnly); }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 size) override { return size; }
};

class Writer
{
public:
    // Writing a new version of `name` in `folder`.
    Writer(const Folder &folder, const QByteArray &name);
    ~Writer(); // removes the temporary file unless it took the name
    Writer(const Writer &) = delete;
    Writer &operator=(const Writer &) = delete;

    // Looks at what `name` is now. A symbolic link, or anything but a
    // regular file, is refused.
    Outcome look();
    // An existing file must be writable to be replaced, as the kernel
    // judges for whoever writes.
    Outcome mayReplace();
    bool exists() const { return existingFd >= 0; }
    int existing() const { return existingFd; } // read-only, to compare or keep
    const struct stat &existingInfo() const { return old; }

    // The digest of the new bytes is worked out only when asked for.
    void digestWhatIsWritten() { digesting = true; }

    // Makes the temporary file. Where the folder takes no new file but the
    // existing file may be written (`mayOverwrite`: its original will have
    // been kept first), the new bytes are gathered elsewhere and commit()
    // writes them over the existing file instead: not atomic, so only with
    // a copy of the original kept. Without, that is FolderNotWritable.
    Outcome open(bool mayOverwrite);
    bool overwrites() const { return overwriting; }
    // Whether the existing file is another user's in a sticky folder (/tmp)
    // that is not ours either: the kernel lets no new file take its name,
    // so it can only be written over, as where the folder takes no new file.
    bool stickyRefuses() const;
    // What finish() will not keep of a file it replaces, for whoever writes:
    // a dry run says so without trying.
    static Notices ownershipLost(const struct stat &replaced);
    QIODevice &device();

    // Instead of open(): makes the temporary file a second name of
    // `fromName` in `fromFolder` (an original kept on the same file system),
    // to be put in place as it is, with everything it carries.
    Outcome link(int fromFolder, const QByteArray &fromName);

    // Syncs the new bytes and gives them `metadata`; what could not be kept
    // of it is added to `notices`.
    Outcome finish(const Metadata &metadata, Notices &notices);
    qint64 size() const { return newSize; } // once finished
    qint64 mtime() const { return newMtime; } // ns since the epoch
    QByteArray digest() const;

    // Puts the new version in place once `beforeRename` agrees (it keeps the
    // original, checks the source), and syncs the folder.
    Outcome commit(const std::function<Outcome()> &beforeRename);
    // Whether the destination changed, even where commit() then failed (a
    // write over the old file that broke off, say).
    bool changed() const { return destinationChanged; }
    // After a write over the old file broke off: its original bytes from
    // the copy `kept`, and its times, back in it.
    Outcome putBack(int kept, const struct stat &original);

private:
    Outcome overwrite(const std::function<Outcome()> &beforeRename);
    Outcome replaceByRename();

    const Folder &folder;
    const QByteArray name;
    QString path;
    QByteArray temporary; // the temporary file's name in the folder; empty once it is gone
    int fd = -1;
    int existingFd = -1;
    int writableFd = -1; // the existing file opened for writing, when it may be written over
    struct stat old = {};
    bool overwriting = false;
    bool destinationChanged = false;
    bool digesting = false;
    std::unique_ptr<DescriptorSink> sink;
    qint64 newSize = 0;
    qint64 newMtime = 0;
};

// Whether a sticky folder (/tmp) lets no new file take the place of `file`:
// it is another user's, in a folder that is not ours either.
bool stickyRefuses(const struct stat &file, const struct stat &folder);

// Copies all of an open file, from its start, into `to`; false, with errno,
// when reading or writing fails.
bool copyFrom(int fd, QIODevice &to);

// A file's time as the journal keeps it.
inline qint64 nanoseconds(const timespec &time)
{
    return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
}

} // namespace Karvo

#endif
