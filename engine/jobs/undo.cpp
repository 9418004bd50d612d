#include "undo.h"

#include "report.h"
#include "settings.h"
#include "systemcalls.h"
#include "writer.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QMetaObject>
#include <QMutexLocker>
#include <QPointer>
#include <QSet>
#include <QStandardPaths>
#include <QThreadPool>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Karvo {

namespace {

const QByteArray lockName = QByteArrayLiteral("lock");
const QByteArray sequenceName = QByteArrayLiteral("sequence");

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

QString formattedSize(qint64 bytes)
{
    return QLocale::c().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

// The lock file of a folder in the store, locked `how` (flock); -1, with
// errno, when it is not (EWOULDBLOCK: someone holds it).
int lockIn(int folder, int how)
{
    const int fd = sys().openat(folder, lockName.constData(), O_RDWR | O_CREAT | O_NOFOLLOW, 0600);
    if (fd < 0)
        return -1;
    int result;
    do
        result = ::flock(fd, how);
    while (result != 0 && errno == EINTR);
    if (result != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

// A run's lock for undoing it or adding to it: a listing holds it shared
// for a moment, a run going holds it alone for as long as it lasts, so a
// short wait tells the two apart. -1, with EWOULDBLOCK, for a run going.
int lockForWriting(int folder)
{
    for (int attempt = 0;; ++attempt) {
        const int fd = lockIn(folder, LOCK_EX | LOCK_NB);
        if (fd >= 0 || errno != EWOULDBLOCK || attempt == 20)
            return fd;
        ::usleep(50000);
    }
}

void unlock(int &fd)
{
    if (fd >= 0)
        ::close(fd); // closing releases the lock
    fd = -1;
}

// Runs are ordered by their number; the folders of Karvo 1.1, named by
// date, come first.
bool isNumbered(const QString &id)
{
    bool ok = false;
    id.toULongLong(&ok);
    return ok;
}

bool runOrder(const QString &a, const QString &b)
{
    if (isNumbered(a) != isNumbered(b))
        return !isNumbered(a);
    if (isNumbered(a))
        return a.toULongLong() < b.toULongLong();
    return a < b;
}

// Size, time and digest of an open file, as undo compares them.
bool fingerprintOf(int fd, UndoEntry &entry)
{
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    ContentHash hash;
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    ssize_t read = 0;
    for (off_t at = 0; (read = ::pread(fd, buffer.data(), size_t(buffer.size()), at)) > 0; at += read)
        hash.add(buffer.constData(), read);
    if (read < 0)
        return false;
    entry.size = info.st_size;
    entry.mtime = nanoseconds(info.st_mtim);
    entry.hash = hash.result();
    return true;
}

// Whether the file at `entry.path` holds what the run wrote there.
bool holdsWhatRunWrote(int folder, const QByteArray &name, const UndoEntry &entry)
{
    const int fd = ::openat(folder, name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    UndoEntry now;
    const bool known = fingerprintOf(fd, now);
    ::close(fd);
    // The time is a quick first look; the digest decides.
    return known && now.size == entry.size && (entry.mtime == 0 || now.mtime == entry.mtime) && now.hash == entry.hash;
}

struct Place
{
    Folder folder;
    QByteArray name;
};

// Whether the file at `place` is the original kept as `kept`: the same
// file, or the same bytes.
bool holdsOriginal(const Place &place, const Folder &runFolder, const QByteArray &kept)
{
    struct stat now, original;
    if (::fstatat(place.folder.fd(), place.name.constData(), &now, AT_SYMLINK_NOFOLLOW) != 0
        || ::fstatat(runFolder.fd(), kept.constData(), &original, AT_SYMLINK_NOFOLLOW) != 0)
        return false;
    if (now.st_ino == original.st_ino && now.st_dev == original.st_dev)
        return true;
    if (now.st_size != original.st_size)
        return false;
    UndoEntry mine, theirs;
    const int a = ::openat(place.folder.fd(), place.name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    const int b = ::openat(runFolder.fd(), kept.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    const bool same
        = a >= 0 && b >= 0 && fingerprintOf(a, mine) && fingerprintOf(b, theirs) && mine.hash == theirs.hash;
    if (a >= 0)
        ::close(a);
    if (b >= 0)
        ::close(b);
    return same;
}

Outcome placeOf(const QString &path, Place &place)
{
    const QFileInfo info(path);
    place.name = native(info.fileName());
    return Folder::open(info.absolutePath(), place.folder);
}

// A run killed before its end: its journal tells what was announced, the
// disk whether it happened. What the run never wrote loses its kept
// original; an original whose file is neither the old nor the new text is
// kept, and undo will say the file changed.
void recover(const Folder &runFolder, JournalContents &contents, JournalWriter &journal)
{
    QSet<QString> named;
    for (UndoEntry &entry : contents.entries) {
        if (entry.state == UndoEntry::State::Announced) {
            Place place;
            const bool written
                = placeOf(entry.path, place).ok() && holdsWhatRunWrote(place.folder.fd(), place.name, entry);
            bool stillOriginal = entry.kept.isEmpty();
            if (!written && !entry.kept.isEmpty() && place.folder.isOpen()) {
                struct stat now, kept;
                stillOriginal = ::fstatat(place.folder.fd(), place.name.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0
                    && ::fstatat(runFolder.fd(), native(entry.kept).constData(), &kept, 0) == 0
                    && ((now.st_ino == kept.st_ino && now.st_dev == kept.st_dev)
                        || (now.st_size == entry.originalSize && nanoseconds(now.st_mtim) == entry.originalModified));
            }
            if (written) {
                entry.state = UndoEntry::State::Done;
                journal.append({{"done", entry.number}}, false);
            } else if (stillOriginal) {
                entry.state = UndoEntry::State::Dropped;
                journal.append({{"dropped", entry.number}}, false);
            } else {
                entry.state = UndoEntry::State::Left;
                entry.left = failureCode(Failure::ChangedSinceRun);
                journal.append({{"left", entry.number}, {"code", entry.left}}, false);
            }
        }
        if (!entry.kept.isEmpty() && entry.state != UndoEntry::State::Dropped)
            named.insert(entry.kept);
    }
    // Originals kept just before a crash, ahead of their journal line, or
    // of writes that never happened: nothing names them, nothing needs them.
    QDirIterator it(runFolder.path(), QDir::Files | QDir::Hidden);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (isNumbered(name) && !named.contains(name))
            sys().unlinkat(runFolder.fd(), native(name).constData(), 0);
    }
    contents.ended = true;
    journal.append({{"end", true}, {"recovered", true}}, true);
}

// Whether undo may still try: a file changed or gone since the run is for
// the user to see to, a failure to write may pass.
bool mayRetry(const UndoEntry &entry)
{
    return entry.state == UndoEntry::State::Done
        || (entry.state == UndoEntry::State::Left && entry.left != failureCode(Failure::ChangedSinceRun)
            && entry.left != failureCode(Failure::GoneSinceRun));
}

// Puts one file back as it was before the run, or says why not.
UndoResult undoOne(const UndoEntry &entry, const Folder &runFolder)
{
    UndoResult result;
    result.name = entry.name;
    result.path = entry.path;
    const auto leave = [&](Outcome why) {
        if (why.path.isEmpty() && !entry.kept.isEmpty())
            why.path = runFolder.path() + QLatin1Char('/') + entry.kept;
        result.outcome = why;
        return result;
    };

    Place place;
    Outcome outcome = placeOf(entry.path, place);
    struct stat now;
    const bool present
        = outcome.ok() && ::fstatat(place.folder.fd(), place.name.constData(), &now, AT_SYMLINK_NOFOLLOW) == 0;
    if (!present) {
        result.undone = entry.action == UndoAction::CreatedCopy;
        return result.undone ? result : leave(Outcome::failed(Failure::GoneSinceRun));
    }
    if (!S_ISREG(now.st_mode))
        return leave(Outcome::failed(Failure::ChangedSinceRun));
    if (!holdsWhatRunWrote(place.folder.fd(), place.name, entry)) {
        // An undo killed after putting the original back, before it said so.
        result.undone = !entry.kept.isEmpty() && holdsOriginal(place, runFolder, native(entry.kept));
        return result.undone ? result : leave(Outcome::failed(Failure::ChangedSinceRun));
    }

    if (entry.action == UndoAction::CreatedCopy) {
        if (sys().unlinkat(place.folder.fd(), place.name.constData(), 0) != 0 || sys().fsync(place.folder.fd()) != 0)
            return leave(Outcome::writeError(errno, entry.path));
        result.undone = true;
        return result;
    }

    const QByteArray kept = native(entry.kept);
    struct stat original;
    if (::fstatat(runFolder.fd(), kept.constData(), &original, AT_SYMLINK_NOFOLLOW) != 0)
        return leave(Outcome::failed(Failure::OriginalMissing, errno));
    // The kept original goes back under the path in one rename, so the path
    // always holds one whole version or the other: as a second name of
    // itself where it can, carrying everything it had; else as a copy,
    // given back its owner, mode, times and attributes as far as allowed.
    Writer writer(place.folder, place.name);
    outcome = writer.look();
    if (outcome.ok() && writer.link(runFolder.fd(), kept).ok()) {
        outcome = writer.commit({});
    } else if (outcome.ok()) {
        const int keptFd = ::openat(runFolder.fd(), kept.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (keptFd < 0)
            return leave(Outcome::failed(Failure::OriginalMissing, errno));
        Metadata metadata = Metadata::of(keptFd);
        metadata.keepOwner = true;
        metadata.owner = entry.owner;
        metadata.group = entry.group;
        metadata.mode = entry.mode;
        metadata.keepTimes = true;
        metadata.accessed = {time_t(entry.originalAccessed / 1000000000), long(entry.originalAccessed % 1000000000)};
        metadata.modified = {time_t(entry.originalModified / 1000000000), long(entry.originalModified % 1000000000)};
        Notices notices;
        // Written over, where the folder takes no new file: the original
        // stays in the store until it is back.
        outcome = writer.mayReplace();
        if (outcome.ok())
            outcome = writer.open(true);
        if (outcome.ok() && !copyFrom(keptFd, writer.device()))
            outcome = Outcome::writeError(errno, entry.path);
        ::close(keptFd);
        if (outcome.ok())
            outcome = writer.finish(metadata, notices);
        if (outcome.ok())
            outcome = writer.commit({});
        result.outcome.notices = notices;
    }
    if (!outcome.ok())
        return leave(outcome);
    result.undone = true;
    return result;
}

} // namespace

// --- UndoStore

UndoStore::UndoStore(const QString &folder)
    : root(folder)
{
    if (root.isEmpty())
        root = qEnvironmentVariable("KARVO_UNDO_DIR");
    if (root.isEmpty())
        root = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/undo");
}

qint64 UndoStore::sizeLimit()
{
    return Settings().undoMaxBytes(defaultSizeLimit);
}

QStringList UndoStore::runIds() const
{
    QStringList ids = QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    std::sort(ids.begin(), ids.end(), runOrder);
    return ids;
}

qint64 UndoStore::runSize(const QString &id) const
{
    qint64 size = 0;
    QDirIterator it(runFolder(id), QDir::Files | QDir::Hidden);
    while (it.hasNext()) {
        it.next();
        size += it.fileInfo().size();
    }
    return size;
}

qint64 UndoStore::totalSize() const
{
    qint64 size = 0;
    for (const QString &id : runIds())
        size += runSize(id);
    return size;
}

QString UndoStore::problem(qint64 bytes) const
{
    Folder store;
    if (!QDir().mkpath(root) || !Folder::open(root, store).ok())
        return Undo::tr("Karvo cannot create its undo folder %1.").arg(QDir::toNativeSeparators(root));
    if (::faccessat(store.fd(), ".", W_OK | X_OK, AT_EACCESS) != 0)
        return Undo::tr("Karvo cannot write in its undo folder %1 (%2).")
            .arg(QDir::toNativeSeparators(root), systemReason(errno));
    return sizeProblem(bytes);
}

QString UndoStore::sizeProblem(qint64 bytes)
{
    if (bytes <= sizeLimit())
        return QString();
    //: %1 and %2 are sizes such as "2.3 GB".
    return Undo::tr("The files add up to %1, more than the %2 that Undo may keep.")
        .arg(formattedSize(bytes), formattedSize(sizeLimit()));
}

std::unique_ptr<UndoRecorder> UndoStore::begin(const QString &target, const QString &saveFolder, Outcome *failure)
{
    Outcome outcome;
    const auto fail = [&](const Outcome &why) {
        if (failure)
            *failure = Outcome::failed(Failure::CannotKeepOriginal, why.error, root);
        return nullptr;
    };
    Folder store;
    if (!QDir().mkpath(root))
        return fail(Outcome::writeError(EACCES));
    if (!(outcome = Folder::open(root, store)).ok())
        return fail(outcome);
    // Originals may be anybody's private files: the store is its owner's alone.
    if (sys().fchmod(store.fd(), 0700) != 0)
        return fail(Outcome::writeError(errno));

    // The next number, under the store's lock: two runs that start at once,
    // in one process or two, never share one.
    int lock = lockIn(store.fd(), LOCK_EX);
    if (lock < 0)
        return fail(Outcome::writeError(errno));
    qint64 sequence = 0;
    {
        QFile file(root + QLatin1Char('/') + QString::fromLatin1(sequenceName));
        if (file.open(QIODevice::ReadOnly))
            sequence = file.readAll().trimmed().toLongLong();
        const QStringList ids = runIds();
        for (const QString &id : ids)
            sequence = qMax(sequence, isNumbered(id) ? id.toLongLong() : 0);
    }
    QString id;
    do {
        id = QString::number(++sequence).rightJustified(10, QLatin1Char('0'));
    } while (sys().mkdirat(store.fd(), native(id).constData(), 0700) != 0 && errno == EEXIST);
    if (!QFileInfo(runFolder(id)).isDir()) {
        unlock(lock);
        return fail(Outcome::writeError(errno));
    }
    Writer counter(store, sequenceName);
    Notices ignored;
    outcome = counter.look();
    if (outcome.ok())
        outcome = counter.open(false);
    if (outcome.ok() && counter.device().write(QByteArray::number(sequence) + '\n') < 0)
        outcome = Outcome::writeError(errno);
    if (outcome.ok())
        outcome = counter.finish(Metadata(), ignored);
    if (outcome.ok())
        outcome = counter.commit({});
    unlock(lock);

    std::unique_ptr<UndoRecorder> recorder(new UndoRecorder(runFolder(id), id));
    if (outcome.ok())
        outcome = recorder->open(
            {{"journal", 2}, {"run", id}, {"date", QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)},
                {"target", target}, {"saveFolder", saveFolder}});
    if (!outcome.ok()) {
        recorder.reset();
        QDir(runFolder(id)).removeRecursively();
        return fail(outcome);
    }
    return recorder;
}

std::unique_ptr<UndoRecorder> UndoStore::join(const QString &id, Outcome *failure)
{
    std::unique_ptr<UndoRecorder> recorder(new UndoRecorder(runFolder(id), id));
    JournalContents contents;
    Outcome outcome = readJournal(runFolder(id), contents) && contents.id == id
        ? recorder->open(QJsonObject())
        : Outcome::failed(Failure::CannotKeepOriginal, ENOENT, runFolder(id));
    if (!outcome.ok()) {
        if (failure)
            *failure = Outcome::failed(Failure::CannotKeepOriginal, outcome.error, runFolder(id));
        return nullptr;
    }
    recorder->nextNumber.storeRelaxed(contents.nextNumber);
    recorder->joined = true;
    recorder->journal.append({{"resumed", true}}, false);
    return recorder;
}

void UndoStore::prune(const QString &keep)
{
    const QStringList ids = runIds();
    QVector<qint64> sizes;
    qint64 total = 0;
    for (const QString &id : ids) {
        sizes.append(runSize(id));
        total += sizes.last();
    }
    int remaining = ids.size();
    for (int i = 0; i < ids.size() && (remaining > maxRuns || total > sizeLimit()); ++i) {
        Folder run;
        if (ids.at(i) == keep || !Folder::open(runFolder(ids.at(i)), run).ok())
            continue;
        int lock = lockIn(run.fd(), LOCK_EX | LOCK_NB);
        if (lock < 0)
            continue; // still going, or being undone
        QDir(runFolder(ids.at(i))).removeRecursively();
        unlock(lock);
        total -= sizes.at(i);
        --remaining;
    }
}

QList<UndoRunInfo> UndoStore::runs() const
{
    QList<UndoRunInfo> list;
    QStringList ids = runIds();
    std::reverse(ids.begin(), ids.end());
    for (const QString &id : qAsConst(ids)) {
        Folder run;
        if (!Folder::open(runFolder(id), run).ok())
            continue;
        // Shared: a run going holds its lock alone, and listings made side
        // by side (a window, its controller, another window) must not take
        // each other for one.
        int lock = lockIn(run.fd(), LOCK_SH | LOCK_NB);
        bool busy = lock < 0 && errno == EWOULDBLOCK;
        JournalContents contents;
        if (!readJournal(run.path(), contents)) {
            unlock(lock);
            continue;
        }
        // Recovery writes the journal, so only a listing alone with a killed
        // run does it; to the others the run is busy for that moment.
        if (lock >= 0 && !contents.ended) {
            if (::flock(lock, LOCK_EX | LOCK_NB) == 0) {
                JournalWriter journal;
                if (journal.open(run.fd(), run.path(), QJsonObject()).ok())
                    recover(run, contents, journal);
            } else {
                busy = true;
            }
        }
        unlock(lock);
        const int files = int(std::count_if(contents.entries.cbegin(), contents.entries.cend(), mayRetry));
        if (files > 0 || busy)
            list.append({id, contents.date, files, contents.target, busy});
    }
    return list;
}

void UndoStore::listRuns(QObject *context, std::function<void(QList<UndoRunInfo>)> done) const
{
    const QPointer<QObject> receiver(context);
    const UndoStore store(*this);
    QThreadPool::globalInstance()->start([store, receiver, done] {
        const QList<UndoRunInfo> runs = store.runs();
        // Handed over on the application's thread, where the receiver is
        // checked: it may have gone meanwhile.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [receiver, done, runs] {
                if (receiver)
                    done(runs);
            },
            Qt::QueuedConnection);
    });
}

// --- UndoRecorder

UndoRecorder::UndoRecorder(const QString &folder, const QString &id)
    : folderPath(folder)
    , runId(id)
{ }

UndoRecorder::~UndoRecorder()
{
    finish();
    unlock(lockFd);
}

Outcome UndoRecorder::open(const QJsonObject &header)
{
    Outcome outcome = Folder::open(folderPath, folder);
    if (!outcome.ok())
        return outcome;
    lockFd = lockForWriting(folder.fd());
    if (lockFd < 0)
        return Outcome::writeError(errno, folderPath);
    return journal.open(folder.fd(), folderPath, header);
}

Outcome UndoRecorder::keep(Replacement &replacement)
{
    UndoEntry entry;
    entry.number = nextNumber.fetchAndAddRelaxed(1);
    replacement.ticket = entry.number;
    entry.path = replacement.path;
    entry.name = replacement.name;
    entry.action = !replacement.existing ? UndoAction::CreatedCopy
        : replacement.inPlace            ? UndoAction::ReplacedInPlace
                                         : UndoAction::ReplacedInSaveFolder;
    entry.size = replacement.newSize;
    entry.mtime = replacement.newMtime;
    entry.hash = replacement.newDigest;
    const auto failed = [&](int error) { return Outcome::failed(Failure::CannotKeepOriginal, error, folderPath); };
    if (replacement.existing) {
        const struct stat &original = replacement.original;
        entry.kept = QString::number(entry.number);
        entry.mode = original.st_mode & 07777;
        entry.owner = original.st_uid;
        entry.group = original.st_gid;
        entry.originalAccessed = nanoseconds(original.st_atim);
        entry.originalModified = nanoseconds(original.st_mtim);
        entry.originalSize = original.st_size;
        const QByteArray kept = native(entry.kept);
        replacement.kept = folder.pathOf(kept);
        // A second name for the original costs nothing, unless the file is
        // to be written over, which the second name would see.
        bool linked = false;
        if (!replacement.overwrite) {
            char self[64];
            std::snprintf(self, sizeof self, "/proc/self/fd/%d", replacement.existingFd);
            struct stat made;
            linked = sys().linkat(AT_FDCWD, self, folder.fd(), kept.constData(), AT_SYMLINK_FOLLOW) == 0
                && ::fstatat(folder.fd(), kept.constData(), &made, AT_SYMLINK_NOFOLLOW) == 0
                && made.st_ino == original.st_ino && made.st_dev == original.st_dev;
        }
        if (!linked) {
            sys().unlinkat(folder.fd(), kept.constData(), 0);
            Writer copy(folder, kept);
            Metadata metadata = Metadata::of(replacement.existingFd);
            metadata.keepTimes = true;
            Notices ignored; // the journal keeps owner, mode and times for undo to give back
            Outcome outcome = copy.look();
            if (outcome.ok())
                outcome = copy.open(false);
            if (outcome.ok() && !copyFrom(replacement.existingFd, copy.device()))
                outcome = Outcome::writeError(errno);
            if (outcome.ok())
                outcome = copy.finish(metadata, ignored);
            if (outcome.ok())
                outcome = copy.commit({});
            if (!outcome.ok())
                return failed(outcome.error);
        }
    }
    // The journal says what is about to happen before it happens.
    const Outcome outcome = journal.append(entryRecord(entry), true);
    if (!outcome.ok()) {
        if (!entry.kept.isEmpty())
            sys().unlinkat(folder.fd(), native(entry.kept).constData(), 0);
        return failed(outcome.error);
    }
    return Outcome::success();
}

void UndoRecorder::done(const Replacement &replacement, bool changed)
{
    QJsonObject record {{changed ? "done" : "dropped", replacement.ticket}};
    // A file cut short holds neither text. What it holds is noted, so that
    // undo knows it for the run's and puts the original back.
    UndoEntry holding;
    if (changed && replacement.cutShort && fingerprintOf(replacement.existingFd, holding)) {
        record.insert(QStringLiteral("size"), QString::number(holding.size));
        record.insert(QStringLiteral("mtime"), QString::number(holding.mtime));
        record.insert(QStringLiteral("hash"), QString::fromLatin1(holding.hash.toHex()));
    }
    journal.append(record, false);
    if (changed)
        changedCount.fetchAndAddRelaxed(1);
    else if (replacement.existing)
        sys().unlinkat(folder.fd(), native(QString::number(replacement.ticket)).constData(), 0);
}

void UndoRecorder::createdFolder(const QString &made)
{
    journal.append({{"folder", made}}, false);
}

int UndoRecorder::count() const
{
    return changedCount.loadRelaxed();
}

void UndoRecorder::finish()
{
    if (finished || !folder.isOpen())
        return;
    finished = true;
    if (count() == 0 && !joined) {
        QDir(folderPath).removeRecursively();
        return;
    }
    journal.append({{"end", true}}, true);
}

// --- Undo

Undo::Undo(const UndoStore &store, const QString &runId, QObject *parent)
    : Job(8, parent)
    , store(store)
    , runId(runId)
{ }

Undo::~Undo()
{
    cancel();
    pool.waitForDone();
    unlock(lockFd);
}

QList<UndoResult> Undo::results() const
{
    QMutexLocker lock(&mutex);
    QList<UndoResult> list;
    for (int i = 0; i < records.size(); ++i) {
        if (done.at(i))
            list.append(records.at(i));
    }
    return list;
}

void Undo::start()
{
    Steps steps;
    steps.workers = 8;
    steps.prepare = [this] {
        if (!Folder::open(store.runFolder(runId), runFolder).ok())
            return 0;
        // A run still going, in this process or another, is not to be undone.
        lockFd = lockForWriting(runFolder.fd());
        busy = lockFd < 0 && errno == EWOULDBLOCK;
        if (lockFd < 0 || !readJournal(runFolder.path(), contents)
            || !journal.open(runFolder.fd(), runFolder.path(), QJsonObject()).ok())
            return 0;
        if (!contents.ended)
            recover(runFolder, contents, journal);
        for (int i = 0; i < contents.entries.size(); ++i) {
            if (mayRetry(contents.entries.at(i)))
                toUndo.append(i);
        }
        records = QVector<UndoResult>(toUndo.size());
        done = QVector<bool>(toUndo.size(), false);
        return int(toUndo.size());
    };
    steps.name = [this](int i) { return contents.entries.at(toUndo.at(i)).name; };
    steps.item = [this](int i) {
        const UndoEntry &entry = contents.entries.at(toUndo.at(i));
        UndoResult result = undoOne(entry, runFolder);
        // Said before the original goes, so that an undo killed halfway
        // never claims an original it has removed.
        const Outcome noted = result.undone
            ? journal.append({{"undone", entry.number}}, true)
            : journal.append({{"left", entry.number}, {"code", failureCode(result.outcome.failure)}}, true);
        if (result.undone && noted.ok() && !entry.kept.isEmpty())
            sys().unlinkat(runFolder.fd(), native(entry.kept).constData(), 0);
        QMutexLocker lock(&mutex);
        records[i] = result;
        done[i] = true;
    };
    steps.conclude = [this] {
        if (!runFolder.isOpen() || lockFd < 0)
            return;
        QVector<UndoEntry> &entries = contents.entries;
        for (int i = 0; i < toUndo.size(); ++i) {
            if (done.at(i)) {
                entries[toUndo.at(i)].state = records.at(i).undone ? UndoEntry::State::Undone : UndoEntry::State::Left;
                entries[toUndo.at(i)].left = failureCode(records.at(i).outcome.failure);
            }
        }
        // Folders the run made for its copies go once they are empty again,
        // the deepest first.
        QStringList folders = contents.folders;
        std::sort(
            folders.begin(), folders.end(), [](const QString &a, const QString &b) { return a.size() > b.size(); });
        for (const QString &made : qAsConst(folders))
            ::rmdir(native(made).constData());
        // The run goes once it holds no original that was not put back.
        const bool empty = std::all_of(entries.cbegin(), entries.cend(), [](const UndoEntry &entry) {
            return entry.kept.isEmpty() || entry.state == UndoEntry::State::Undone
                || entry.state == UndoEntry::State::Dropped;
        }) && std::none_of(entries.cbegin(), entries.cend(), mayRetry);
        if (empty)
            QDir(runFolder.path()).removeRecursively();
        unlock(lockFd);
    };
    Job::start(steps);
}

} // namespace Karvo
