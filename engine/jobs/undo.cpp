#include "undo.h"

#include "regularfile.h"
#include "report.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QMetaObject>
#include <QMutexLocker>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QtEndian>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Karvo {

namespace {

const QString journalName = QStringLiteral("journal.json");

struct Journal
{
    QDateTime date;
    QString target;
    QString saveFolder;
    QStringList folders;
    QVector<UndoEntry> entries;
};

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

qint64 nanoseconds(const timespec &time)
{
    return qint64(time.tv_sec) * 1000000000 + time.tv_nsec;
}

const char *actionName(UndoAction action)
{
    switch (action) {
    case UndoAction::ReplacedInPlace:
        return "replaced in place";
    case UndoAction::CreatedCopy:
        return "created copy";
    case UndoAction::ReplacedInSaveFolder:
        return "replaced file in save folder";
    }
    return "";
}

UndoAction actionFromName(const QString &name)
{
    for (UndoAction action : {UndoAction::ReplacedInPlace, UndoAction::ReplacedInSaveFolder})
        if (name == QLatin1String(actionName(action)))
            return action;
    return UndoAction::CreatedCopy;
}

bool writeJournal(const QString &runFolder, const Journal &journal)
{
    QJsonArray files;
    for (const UndoEntry &entry : journal.entries) {
        QJsonObject file {{"path", entry.path}, {"name", entry.name}, {"action", actionName(entry.action)},
            {"size", double(entry.size)}, {"mtime", QString::number(entry.mtime)},
            {"hash", QString::fromLatin1(entry.hash.toHex())}};
        if (!entry.kept.isEmpty()) {
            file.insert(QStringLiteral("kept"), entry.kept);
            file.insert(QStringLiteral("mode"), QString::number(entry.mode, 8));
            file.insert(QStringLiteral("originalMtime"), QString::number(entry.originalMtime));
        }
        if (!entry.left.isEmpty())
            file.insert(QStringLiteral("left"), entry.left);
        files.append(file);
    }
    const QJsonObject root {{"version", 1}, {"date", journal.date.toString(Qt::ISODateWithMs)},
        {"target", journal.target}, {"saveFolder", journal.saveFolder},
        {"folders", QJsonArray::fromStringList(journal.folders)}, {"files", files}};
    QSaveFile file(runFolder + QLatin1Char('/') + journalName);
    return file.open(QIODevice::WriteOnly) && file.write(QJsonDocument(root).toJson()) >= 0 && file.commit();
}

bool readJournal(const QString &runFolder, Journal &journal)
{
    QFile file(runFolder + QLatin1Char('/') + journalName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    if (root.value(QStringLiteral("version")).toInt() != 1)
        return false;
    journal.date = QDateTime::fromString(root.value(QStringLiteral("date")).toString(), Qt::ISODateWithMs);
    journal.target = root.value(QStringLiteral("target")).toString();
    journal.saveFolder = root.value(QStringLiteral("saveFolder")).toString();
    for (const QJsonValue &folder : root.value(QStringLiteral("folders")).toArray())
        journal.folders.append(folder.toString());
    for (const QJsonValue &value : root.value(QStringLiteral("files")).toArray()) {
        const QJsonObject file = value.toObject();
        UndoEntry entry;
        entry.path = file.value(QStringLiteral("path")).toString();
        entry.name = file.value(QStringLiteral("name")).toString();
        entry.action = actionFromName(file.value(QStringLiteral("action")).toString());
        entry.kept = file.value(QStringLiteral("kept")).toString();
        entry.mode = file.value(QStringLiteral("mode")).toString().toUInt(nullptr, 8);
        entry.originalMtime = file.value(QStringLiteral("originalMtime")).toString().toLongLong();
        entry.size = qint64(file.value(QStringLiteral("size")).toDouble(-1));
        entry.mtime = file.value(QStringLiteral("mtime")).toString().toLongLong();
        entry.hash = QByteArray::fromHex(file.value(QStringLiteral("hash")).toString().toLatin1());
        entry.left = file.value(QStringLiteral("left")).toString();
        // A journal is only ever written by Karvo, but a damaged one must not
        // make undo touch a path it never wrote or read outside the store.
        if (entry.path.isEmpty() || entry.kept.contains(QLatin1Char('/'))
            || (entry.action != UndoAction::CreatedCopy && entry.kept.isEmpty()))
            return false;
        journal.entries.append(entry);
    }
    return true;
}

// A fast 64-bit digest of a file's bytes, in four lanes of 64-bit
// multiply-rotate rounds. It only has to notice a file that changed but kept
// its size and mtime, not withstand someone forging one; a cryptographic
// hash would triple what undo costs for a large file.
class ContentHash
{
public:
    void add(const char *data, qint64 size)
    {
        length += quint64(size);
        while (size > 0) {
            const qint64 take = qMin<qint64>(size, qint64(sizeof block) - filled);
            std::memcpy(block + filled, data, size_t(take));
            filled += take;
            data += take;
            size -= take;
            if (filled == qint64(sizeof block)) {
                for (int lane = 0; lane < 4; ++lane)
                    lanes[lane] = round(lanes[lane], word(block + 8 * lane));
                filled = 0;
            }
        }
    }

    QByteArray result() const
    {
        quint64 h = rotate(lanes[0], 1) + rotate(lanes[1], 7) + rotate(lanes[2], 12) + rotate(lanes[3], 18);
        for (quint64 lane : lanes)
            h = (h ^ round(0, lane)) * prime1 + prime4;
        h += length;
        for (qint64 i = 0; i < filled; ++i)
            h = rotate(h ^ (quint64(uchar(block[i])) * prime5), 11) * prime1;
        h ^= h >> 33;
        h *= prime2;
        h ^= h >> 29;
        h *= prime3;
        h ^= h >> 32;
        QByteArray bytes(8, Qt::Uninitialized);
        for (int i = 0; i < 8; ++i)
            bytes[i] = char(h >> (56 - 8 * i));
        return bytes;
    }

private:
    static constexpr quint64 prime1 = 0x9E3779B185EBCA87ULL;
    static constexpr quint64 prime2 = 0xC2B2AE3D27D4EB4FULL;
    static constexpr quint64 prime3 = 0x165667B19E3779F9ULL;
    static constexpr quint64 prime4 = 0x85EBCA77C2B2AE63ULL;
    static constexpr quint64 prime5 = 0x27D4EB2F165667C5ULL;

    static quint64 rotate(quint64 x, int bits) { return (x << bits) | (x >> (64 - bits)); }
    static quint64 round(quint64 lane, quint64 input) { return rotate(lane + input * prime2, 31) * prime1; }
    static quint64 word(const char *p)
    {
        quint64 w;
        std::memcpy(&w, p, sizeof w);
        return qFromLittleEndian(w);
    }

    quint64 lanes[4] = {prime1 + prime2, prime2, 0, 0 - prime1};
    char block[32];
    qint64 filled = 0;
    quint64 length = 0;
};

// Copies `from` to `to`, keeping `from`'s permissions; Qt clones the file
// where the file system can.
bool copyBytes(const QString &from, const QString &to, int *error)
{
    QFile source(from);
    errno = 0;
    if (source.copy(to))
        return true;
    if (error)
        *error = errno ? errno : EIO;
    return false;
}

QString formattedSize(qint64 bytes)
{
    return QLocale::c().formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat);
}

// Puts one file back as it was before the run, or says why not.
UndoResult undoOne(const UndoEntry &entry, const QString &runFolder)
{
    UndoResult result;
    result.name = entry.name;
    result.path = entry.path;
    const QByteArray path = native(entry.path);
    const QString kept = runFolder + QLatin1Char('/') + entry.kept;
    const auto leave = [&](Outcome why) {
        if (why.path.isEmpty() && !entry.kept.isEmpty())
            why.path = kept;
        result.outcome = why;
        return result;
    };

    struct stat info;
    if (::lstat(path.constData(), &info) != 0) {
        result.undone = entry.action == UndoAction::CreatedCopy;
        return result.undone ? result : leave(Outcome::failed(Failure::GoneSinceRun));
    }
    UndoEntry now;
    if (!S_ISREG(info.st_mode) || !fingerprint(entry.path, now) || now.size != entry.size || now.mtime != entry.mtime
        || now.hash != entry.hash)
        return leave(Outcome::failed(Failure::ChangedSinceRun));

    if (entry.action == UndoAction::CreatedCopy) {
        if (::unlink(path.constData()) != 0)
            return leave(Outcome::writeError(errno, entry.path));
        result.undone = true;
        return result;
    }

    // The kept original goes back under the path in one rename, so the path
    // always holds one whole version or the other.
    const QString folder = QFileInfo(entry.path).absolutePath();
    const QByteArray temporary = native(folder
        + QStringLiteral("/.karvo-undo-%1").arg(QRandomGenerator::global()->generate64(), 16, 16, QLatin1Char('0')));
    if (::linkat(AT_FDCWD, native(kept).constData(), AT_FDCWD, temporary.constData(), 0) == 0) {
        if (::chmod(temporary.constData(), entry.mode) == 0 && ::rename(temporary.constData(), path.constData()) == 0) {
            QFile::remove(kept);
            result.undone = true;
            return result;
        }
        ::unlink(temporary.constData());
    }

    // Another file system, or a folder that takes no new files: copy back.
    QFile original;
    const Outcome opened = openRegularFile(original, kept);
    if (!opened.ok())
        return leave(Outcome::failed(Failure::OriginalMissing, opened.error, kept));
    QSaveFile output(entry.path);
    output.setDirectWriteFallback(true);
    bool ok = output.open(QIODevice::WriteOnly);
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    qint64 read = 0;
    while (ok && (read = original.read(buffer.data(), buffer.size())) > 0)
        ok = output.write(buffer.constData(), read) == read;
    ok = ok && read == 0 && output.flush() && ::fchmod(output.handle(), entry.mode) == 0;
    if (ok) {
        const timespec times[2]
            = {{0, UTIME_OMIT}, {time_t(entry.originalMtime / 1000000000), long(entry.originalMtime % 1000000000)}};
        ::futimens(output.handle(), times);
    }
    if (!ok || !output.commit()) {
        const int error = errno ? errno : EIO;
        output.cancelWriting();
        return leave(Outcome::writeError(error, entry.path));
    }
    QFile::remove(kept);
    result.undone = true;
    return result;
}

} // namespace

bool fingerprint(const QString &path, UndoEntry &entry)
{
    QFile file;
    if (!openRegularFile(file, path).ok())
        return false;
    struct stat info;
    if (::fstat(file.handle(), &info) != 0)
        return false;
    ContentHash hash;
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    qint64 read = 0;
    while ((read = file.read(buffer.data(), buffer.size())) > 0)
        hash.add(buffer.constData(), read);
    if (read < 0)
        return false;
    entry.size = info.st_size;
    entry.mtime = nanoseconds(info.st_mtim);
    entry.hash = hash.result();
    return true;
}

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
    bool ok = false;
    const qint64 limit = QSettings().value(QStringLiteral("undo/maxBytes")).toLongLong(&ok);
    return ok && limit >= 0 ? limit : defaultSizeLimit;
}

QStringList UndoStore::runIds() const
{
    return QDir(root).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
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
    if (!QDir().mkpath(root))
        return Undo::tr("Karvo cannot create its undo folder %1.").arg(QDir::toNativeSeparators(root));
    QTemporaryFile probe(root + QStringLiteral("/probe-XXXXXX"));
    if (!probe.open())
        return Undo::tr("Karvo cannot write in its undo folder %1 (%2).")
            .arg(QDir::toNativeSeparators(root), probe.errorString());
    if (bytes > sizeLimit())
        //: %1 and %2 are sizes such as "2.3 GB".
        return Undo::tr("The files add up to %1, more than the %2 that Undo may keep.")
            .arg(formattedSize(bytes), formattedSize(sizeLimit()));
    return QString();
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
        if (ids.at(i) == keep)
            continue;
        QDir(runFolder(ids.at(i))).removeRecursively();
        total -= sizes.at(i);
        --remaining;
    }
}

std::unique_ptr<UndoRecorder> UndoStore::begin(const QString &target, const QString &saveFolder)
{
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    QString id = stamp;
    for (int n = 2; QFileInfo::exists(runFolder(id)); ++n)
        id = stamp + QStringLiteral("-%1").arg(n);
    // Should the folder not be made, every original fails to be kept, and
    // the files say so rather than being replaced without a way back.
    QDir().mkpath(runFolder(id));
    return std::make_unique<UndoRecorder>(root, id, target, saveFolder);
}

QList<UndoRunInfo> UndoStore::runs() const
{
    QList<UndoRunInfo> list;
    const QStringList ids = runIds();
    for (auto id = ids.crbegin(); id != ids.crend(); ++id) {
        Journal journal;
        if (!readJournal(runFolder(*id), journal))
            continue;
        const int files = int(std::count_if(journal.entries.cbegin(), journal.entries.cend(),
            [](const UndoEntry &entry) { return entry.left.isEmpty(); }));
        if (files > 0)
            list.append({*id, journal.date, files, journal.target});
    }
    return list;
}

// --- UndoRecorder

UndoRecorder::UndoRecorder(const QString &folder, const QString &id, const QString &target, const QString &saveFolder)
    : folder(folder + QLatin1Char('/') + id)
    , runId(id)
    , target(target)
    , saveFolder(saveFolder)
    , date(QDateTime::currentDateTime())
{ }

UndoRecorder::~UndoRecorder()
{
    finish();
}

bool UndoRecorder::keepOriginal(const QString &path, UndoEntry &entry, int *error)
{
    struct stat info;
    if (::stat(native(path).constData(), &info) != 0) {
        *error = errno;
        return false;
    }
    entry.mode = info.st_mode & 07777;
    entry.originalMtime = nanoseconds(info.st_mtim);
    const QString name = QString::number(nextName.fetchAndAddRelaxed(1));
    const QString kept = folder + QLatin1Char('/') + name;

    // A link shares the file's bytes, so it keeps the original only if the
    // write makes a new file and renames it over the path. When the folder
    // takes no new files, the conversion writes through the old one.
    const QByteArray parent = native(QFileInfo(path).absolutePath());
    const bool renamedOver = ::faccessat(AT_FDCWD, parent.constData(), W_OK | X_OK, AT_EACCESS) == 0;
    if ((renamedOver && ::linkat(AT_FDCWD, native(path).constData(), AT_FDCWD, native(kept).constData(), 0) == 0)
        || copyBytes(path, kept, error)) {
        entry.kept = name;
        return true;
    }
    return false;
}

bool UndoRecorder::written(UndoEntry entry, bool ok)
{
    const QString kept = folder + QLatin1Char('/') + entry.kept;
    struct stat now, original;
    // Should the write still have gone through the kept link, the store
    // holds the new bytes, and undo could not put the old ones back.
    const bool throughLink = !entry.kept.isEmpty() && ::stat(native(entry.path).constData(), &now) == 0
        && ::stat(native(kept).constData(), &original) == 0 && now.st_ino == original.st_ino
        && now.st_dev == original.st_dev;
    if (!ok || throughLink || !fingerprint(entry.path, entry)) {
        if (!entry.kept.isEmpty())
            QFile::remove(kept);
        return !ok;
    }
    QMutexLocker lock(&mutex);
    entries.append(entry);
    return true;
}

void UndoRecorder::createdFolders(const QStringList &list)
{
    QMutexLocker lock(&mutex);
    folders += list;
}

int UndoRecorder::count() const
{
    QMutexLocker lock(&mutex);
    return entries.size();
}

bool UndoRecorder::save()
{
    QMutexLocker lock(&mutex);
    return entries.isEmpty() || writeJournal(folder, {date, target, saveFolder, folders, entries});
}

void UndoRecorder::finish()
{
    if (count() == 0)
        QDir(folder).removeRecursively();
    else
        save();
}

// --- Undo

Undo::Undo(const UndoStore &store, const QString &runId, QObject *parent)
    : QObject(parent)
    , store(store)
    , runId(runId)
{
    pool.setMaxThreadCount(8);
    reportTimer.setInterval(50);
    connect(&reportTimer, &QTimer::timeout, this, &Undo::report);
}

Undo::~Undo()
{
    cancel();
    pool.waitForDone();
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
    running = true;
    Journal journal;
    readJournal(store.runFolder(runId), journal);
    entries = journal.entries;
    records = QVector<UndoResult>(entries.size());
    done = QVector<bool>(entries.size(), false);
    emit progress(0, entries.size(), QString());
    workers = qMax(1, qMin(pool.maxThreadCount(), entries.size()));
    if (entries.isEmpty()) {
        QMetaObject::invokeMethod(this, &Undo::workerDone, Qt::QueuedConnection);
        return;
    }
    reportTimer.start();
    const QString folder = store.runFolder(runId);
    for (int w = 0; w < workers; ++w) {
        pool.start(QRunnable::create([this, folder] {
            while (!isCancelled()) {
                const int index = next.fetchAndAddRelaxed(1);
                if (index >= entries.size())
                    break;
                {
                    QMutexLocker lock(&mutex);
                    current = entries.at(index).name;
                }
                UndoResult result = undoOne(entries.at(index), folder);
                QMutexLocker lock(&mutex);
                records[index] = std::move(result);
                done[index] = true;
                ++doneCount;
            }
            QMetaObject::invokeMethod(this, &Undo::workerDone, Qt::QueuedConnection);
        }));
    }
}

void Undo::workerDone()
{
    if (--workers > 0)
        return;
    reportTimer.stop();
    report();

    // What was not put back stays in the journal, with the reason, and
    // folders the run made for its copies go once they are empty again.
    const QString folder = store.runFolder(runId);
    Journal journal;
    if (readJournal(folder, journal)) {
        journal.entries.clear();
        for (int i = 0; i < entries.size(); ++i) {
            if (!done.at(i) || !records.at(i).undone) {
                journal.entries.append(entries.at(i));
                if (done.at(i))
                    journal.entries.last().left = failureCode(records.at(i).outcome.failure);
            }
        }
        std::sort(journal.folders.begin(), journal.folders.end(),
            [](const QString &a, const QString &b) { return a.size() > b.size(); });
        for (const QString &made : qAsConst(journal.folders))
            ::rmdir(native(made).constData());
        if (journal.entries.isEmpty())
            QDir(folder).removeRecursively();
        else
            writeJournal(folder, journal);
    }
    running = false;
    emit finished();
}

void Undo::report()
{
    int count = 0;
    QString name;
    {
        QMutexLocker lock(&mutex);
        count = doneCount;
        name = current;
    }
    emit progress(count, entries.size(), name);
}

} // namespace Karvo
