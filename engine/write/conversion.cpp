#include "conversion.h"

#include "streaming.h"
#include "transcoder.h"
#include "writer.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <functional>

#include <fcntl.h>
#include <unistd.h>

namespace Karvo {

namespace {

bool copyStream(QIODevice &from, QIODevice &to)
{
    QByteArray buffer(chunkSize, Qt::Uninitialized);
    qint64 read = 0;
    while ((read = from.read(buffer.data(), buffer.size())) > 0) {
        if (to.write(buffer.constData(), read) != read)
            return false;
    }
    return read == 0;
}

// Takes bytes only to compare them with an open file's, from its start.
class ComparingSink : public QIODevice
{
public:
    explicit ComparingSink(int fd)
        : fd(fd)
    {
        open(QIODevice::WriteOnly);
    }

    // Whether all that was written is all the file holds.
    bool same()
    {
        char byte;
        return alike && ::pread(fd, &byte, 1, at) == 0;
    }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        QByteArray theirs(int(size), Qt::Uninitialized);
        for (qint64 got = 0; alike && got < size;) {
            const ssize_t read = ::pread(fd, theirs.data() + got, size_t(size - got), at + got);
            alike = read > 0 && std::equal(data + got, data + got + read, theirs.constData() + got);
            got += std::max<ssize_t>(read, 0);
        }
        at += size;
        return size;
    }

private:
    const int fd;
    off_t at = 0;
    bool alike = true;
};

bool isSameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Puts a new version of `entry` through the writer, `fill` writing its
// bytes: looks at what is there, fills a temporary file, gives it what it
// should keep, and renames it into place once the source is known to be
// unchanged and the keeper has kept what gives way.
Outcome write(SourceFile &source, const Folder &folder, const QByteArray &entry, const WriteOptions &options,
    Keeper *keeper, bool converting, const std::function<Outcome(QIODevice &)> &fill)
{
    Writer writer(folder, entry);
    Outcome outcome = writer.look();
    const QString path = folder.pathOf(entry);
    // In place, the name must still be the file that was opened.
    if (options.inPlace && !(outcome.ok() && writer.exists() && isSameFile(writer.existingInfo(), source.info())))
        return Outcome::failed(Failure::ChangedWhileConverting, 0, path);
    if (!outcome.ok())
        return outcome;
    if (!options.inPlace && writer.exists()) {
        if (isSameFile(writer.existingInfo(), source.info()))
            return converting ? Outcome::failed(Failure::DestinationIsSource, 0, path) : Outcome::success();
        if (!converting && writer.existing() >= 0 && sameBytes(source.fd(), writer.existing()))
            return Outcome::success();
        // The copy an earlier run made is no other file: a run may be
        // run again.
        if (!options.replaceExisting && converting && writer.existing() >= 0) {
            ComparingSink compared(writer.existing());
            outcome = source.rewind() ? fill(compared) : Outcome::failed(Failure::CannotRead, errno);
            if (!outcome.ok() || compared.same())
                return outcome;
        }
        if (!options.replaceExisting)
            return Outcome::failed(Failure::DestinationExists, 0, path);
    }
    if (writer.exists()) {
        outcome = writer.mayReplace();
        if (!outcome.ok())
            return outcome;
    }

    const bool keepsCopies = keeper ? keeper->keepsCopies() : options.dryRun && options.copiesKept;
    // Replacing gives the name a new file: any other name keeps the old one.
    const Notices unlinked = options.inPlace && source.info().st_nlink > 1 ? Notice::OtherLinksKeepOldText : Notices();
    if (options.dryRun) {
        // All a real write would check, in memory, with the reason it would
        // meet: a sticky folder refuses the rename with EPERM.
        int refusal = 0;
        if (::faccessat(folder.fd(), ".", W_OK | X_OK, AT_EACCESS) != 0)
            refusal = EACCES;
        else if (writer.stickyRefuses())
            refusal = EPERM;
        const bool replaceable = refusal == 0;
        if (!replaceable && !(writer.exists() && keepsCopies))
            return writer.exists() ? Outcome::failed(Failure::FolderNotWritable, refusal, folder.path())
                                   : Outcome::writeError(refusal, path);
        NullSink sink;
        outcome = source.rewind() ? fill(sink) : Outcome::failed(Failure::CannotRead, errno);
        if (outcome.ok() && !replaceable)
            outcome.notices = Notice::KeptBeforeWritingInPlace;
        else if (outcome.ok())
            outcome.notices = unlinked | (writer.exists() ? Writer::ownershipLost(writer.existingInfo()) : Notices());
        return outcome;
    }

    if (keeper)
        writer.digestWhatIsWritten(); // for the journal, to tell later whether the file still holds it
    outcome = writer.open(keepsCopies);
    if (!outcome.ok())
        return outcome;
    if (!source.rewind())
        return Outcome::failed(Failure::CannotRead, errno);
    outcome = fill(writer.device());
    if (!outcome.ok())
        return outcome;

    const Metadata metadata = writer.exists() ? Metadata::of(writer.existing()) : Metadata::forCopyOf(source.fd());
    // Written over where it stands, the file keeps its inode: every name of it
    // has the new text.
    Notices notices = writer.overwrites() ? Notices() : unlinked;
    outcome = writer.finish(metadata, notices);
    if (!outcome.ok())
        return outcome;
    if (writer.exists() && !options.inPlace)
        notices |= Notice::ReplacedExisting;
    if (writer.overwrites())
        notices |= Notice::KeptBeforeWritingInPlace;

    Replacement replacement;
    replacement.path = path;
    replacement.name = options.name;
    replacement.folder = &folder;
    replacement.entry = entry;
    replacement.existing = writer.exists();
    replacement.existingFd = writer.existing();
    replacement.original = writer.existingInfo();
    replacement.inPlace = options.inPlace;
    replacement.overwrite = writer.overwrites();
    replacement.newSize = writer.size();
    replacement.newMtime = writer.mtime();
    replacement.newDigest = writer.digest();
    bool kept = false;
    outcome = writer.commit([&] {
        // What is written is what was read: a file changed meanwhile (by
        // another program, or a second name for it in this run) keeps its
        // new text.
        Outcome check = source.unchanged();
        if (!check.ok() || !keeper)
            return check;
        check = keeper->keep(replacement);
        kept = check.ok();
        return check.ok() ? source.unchanged(true) : check;
    });
    // A write over the file that broke off has cut it short: the copy kept
    // first goes back in, or, where even that fails, the user is told where
    // it is.
    if (!outcome.ok() && writer.overwrites() && writer.changed()) {
        const int copy = ::open(QFile::encodeName(replacement.kept).constData(), O_RDONLY | O_CLOEXEC);
        replacement.cutShort = copy < 0 || !writer.putBack(copy, replacement.original).ok();
        if (replacement.cutShort)
            outcome = Outcome::failed(Failure::CutShort, outcome.error, replacement.kept);
        if (copy >= 0)
            ::close(copy);
    }
    if (kept)
        keeper->done(replacement, writer.changed());
    if (outcome.ok())
        outcome.notices = notices;
    return outcome;
}

// The entry a path names, and its folder opened: in place, after the links
// in the path, since a dropped link converts what it points to.
Outcome folderOf(const QString &path, bool followLink, Folder &folder, QByteArray &entry)
{
    const QFileInfo info(followLink ? resolvedPath(path) : QFileInfo(path).absoluteFilePath());
    entry = QFile::encodeName(info.fileName());
    return Folder::open(info.absolutePath(), folder);
}

} // namespace

DeclarationSink::DeclarationSink(QIODevice &sink, const Encoding &to)
    : sink(sink)
    , to(to)
{
    open(QIODevice::WriteOnly);
}

bool DeclarationSink::finish()
{
    return passing || release();
}

qint64 DeclarationSink::writeData(const char *data, qint64 size)
{
    if (passing)
        return sink.write(data, size);
    held.append(data, int(size));
    return held.size() < heldBytes || release() ? size : -1;
}

bool DeclarationSink::release()
{
    passing = true;
    const Declaration declaration = findDeclaration(held.left(heldBytes));
    if (declaration.encoding.isValid()) {
        const QByteArray said = held.mid(declaration.at, declaration.length);
        const QByteArray name = to.name().toLatin1();
        held.replace(declaration.at, declaration.length, said == said.toLower() ? name.toLower() : name);
    }
    return sink.write(held) == held.size();
}

bool sameBytes(int a, int b)
{
    QByteArray mine(chunkSize, Qt::Uninitialized);
    QByteArray theirs(chunkSize, Qt::Uninitialized);
    for (off_t at = 0;;) {
        const ssize_t read = ::pread(a, mine.data(), size_t(mine.size()), at);
        if (read < 0)
            return false;
        ssize_t other = 0;
        while (other < read) {
            const ssize_t got = ::pread(b, theirs.data() + other, size_t(read - other), at + other);
            if (got <= 0)
                return false;
            other += got;
        }
        if (!std::equal(mine.constData(), mine.constData() + read, theirs.constData()))
            return false;
        if (read == 0)
            return ::pread(b, theirs.data(), 1, at) == 0;
        at += read;
    }
}

Keeper::~Keeper() = default;

Outcome convert(SourceFile &source, const Encoding &from, const Encoding &to, const Folder &folder,
    const QByteArray &entry, const WriteOptions &options, Keeper *keeper)
{
    return write(source, folder, entry, options, keeper, true, [&](QIODevice &sink) {
        DeclarationSink declared(sink, to);
        const Outcome outcome = transcode(source.file(), from, to, declared);
        return !outcome.ok() || declared.finish() ? outcome : Outcome::writeError(errno);
    });
}

Outcome check(SourceFile &source, const Encoding &from, const Encoding &to)
{
    NullSink sink;
    return source.rewind() ? transcode(source.file(), from, to, sink) : Outcome::failed(Failure::CannotRead, errno);
}

Outcome copy(
    SourceFile &source, const Folder &folder, const QByteArray &entry, const WriteOptions &options, Keeper *keeper)
{
    return write(source, folder, entry, options, keeper, false, [&](QIODevice &sink) {
        return copyStream(source.file(), sink) ? Outcome::success() : Outcome::writeError(errno);
    });
}

Outcome convertFile(const QString &sourcePath, const QString &targetPath, const DetectResult &detection,
    const Encoding &target, Keeper *keeper)
{
    if (!detection.encoding.isValid()) {
        Outcome unknown = Outcome::failed(Failure::UnknownEncoding);
        unknown.encoding = detection.detectorName;
        return unknown;
    }
    SourceFile source;
    Outcome outcome = source.open(sourcePath);
    if (!outcome.ok())
        return outcome;
    if (!target.isValid())
        return Outcome::failed(Failure::UnknownEncoding);
    WriteOptions options;
    options.inPlace = sameEntry(sourcePath, targetPath);
    options.replaceExisting = true;
    Folder folder;
    QByteArray entry;
    outcome = folderOf(targetPath, options.inPlace, folder, entry);
    if (!outcome.ok())
        return outcome;
    return convert(source, detection.encoding, target, folder, entry, options, keeper);
}

} // namespace Karvo
