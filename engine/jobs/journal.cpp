#include "journal.h"

#include "systemcalls.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace Karvo {

namespace {

const QString journalName = QStringLiteral("journal");
const QString oldJournalName = QStringLiteral("journal.json"); // Karvo 1.1

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

// 64-bit numbers go as strings: JSON numbers are doubles.
QString number(qint64 value)
{
    return QString::number(value);
}

qint64 number(const QJsonValue &value)
{
    return value.isString() ? value.toString().toLongLong() : qint64(value.toDouble());
}

// A damaged or forged journal must not make undo touch a path it never
// wrote, or read outside the run's folder.
bool isSound(const UndoEntry &entry)
{
    return !entry.path.isEmpty() && !entry.kept.contains(QLatin1Char('/')) && entry.kept != QLatin1String("..")
        && (entry.action == UndoAction::CreatedCopy) == entry.kept.isEmpty();
}

UndoEntry entryFrom(const QJsonObject &record)
{
    UndoEntry entry;
    entry.number = record.value(QStringLiteral("keep")).toInt(-1);
    entry.path = record.value(QStringLiteral("path")).toString();
    entry.name = record.value(QStringLiteral("name")).toString();
    entry.action = actionFromName(record.value(QStringLiteral("action")).toString());
    entry.kept = record.value(QStringLiteral("kept")).toString();
    entry.mode = record.value(QStringLiteral("mode")).toString().toUInt(nullptr, 8);
    entry.owner = uint(number(record.value(QStringLiteral("owner"))));
    entry.group = uint(number(record.value(QStringLiteral("group"))));
    entry.originalAccessed = number(record.value(QStringLiteral("atime")));
    entry.originalModified = number(record.value(QStringLiteral("originalMtime")));
    entry.originalSize = number(record.value(QStringLiteral("originalSize")));
    entry.size = number(record.value(QStringLiteral("size")));
    entry.mtime = number(record.value(QStringLiteral("mtime")));
    entry.hash = QByteArray::fromHex(record.value(QStringLiteral("hash")).toString().toLatin1());
    return entry;
}

// Karvo 1.1 wrote the journal whole, once a second, listing what it had done.
bool readOldJournal(const QString &runFolder, JournalContents &contents)
{
    QFile file(runFolder + QLatin1Char('/') + oldJournalName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    if (root.value(QStringLiteral("version")).toInt() != 1)
        return false;
    contents.date = QDateTime::fromString(root.value(QStringLiteral("date")).toString(), Qt::ISODateWithMs);
    contents.target = root.value(QStringLiteral("target")).toString();
    contents.saveFolder = root.value(QStringLiteral("saveFolder")).toString();
    for (const QJsonValue &folder : root.value(QStringLiteral("folders")).toArray())
        contents.folders.append(folder.toString());
    for (const QJsonValue &value : root.value(QStringLiteral("files")).toArray()) {
        QJsonObject record = value.toObject();
        record.insert(QStringLiteral("keep"), contents.nextNumber);
        UndoEntry entry = entryFrom(record);
        entry.state = record.contains(QStringLiteral("left")) ? UndoEntry::State::Left : UndoEntry::State::Done;
        entry.left = record.value(QStringLiteral("left")).isString() ? QStringLiteral("changed-since-run") : QString();
        if (!isSound(entry))
            return false;
        contents.entries.append(entry);
        ++contents.nextNumber;
    }
    contents.ended = true;
    return true;
}

} // namespace

QJsonObject entryRecord(const UndoEntry &entry)
{
    QJsonObject record {{"keep", entry.number}, {"path", entry.path}, {"name", entry.name},
        {"action", actionName(entry.action)}, {"size", number(entry.size)}, {"mtime", number(entry.mtime)},
        {"hash", QString::fromLatin1(entry.hash.toHex())}};
    if (!entry.kept.isEmpty()) {
        record.insert(QStringLiteral("kept"), entry.kept);
        record.insert(QStringLiteral("mode"), QString::number(entry.mode, 8));
        record.insert(QStringLiteral("owner"), number(entry.owner));
        record.insert(QStringLiteral("group"), number(entry.group));
        record.insert(QStringLiteral("atime"), number(entry.originalAccessed));
        record.insert(QStringLiteral("originalMtime"), number(entry.originalModified));
        record.insert(QStringLiteral("originalSize"), number(entry.originalSize));
    }
    return record;
}

bool readJournal(const QString &runFolder, JournalContents &contents)
{
    QFile file(runFolder + QLatin1Char('/') + journalName);
    if (!file.open(QIODevice::ReadOnly))
        return readOldJournal(runFolder, contents);
    const QList<QByteArray> lines = file.readAll().split('\n');
    const QJsonObject header = QJsonDocument::fromJson(lines.value(0)).object();
    if (header.value(QStringLiteral("journal")).toInt() != 2)
        return false;
    contents.id = header.value(QStringLiteral("run")).toString();
    contents.date = QDateTime::fromString(header.value(QStringLiteral("date")).toString(), Qt::ISODateWithMs);
    contents.target = header.value(QStringLiteral("target")).toString();
    contents.saveFolder = header.value(QStringLiteral("saveFolder")).toString();
    QHash<int, int> byNumber;
    const auto entry = [&](const QJsonObject &record, const char *key) -> UndoEntry * {
        const int at = byNumber.value(record.value(QLatin1String(key)).toInt(-1), -1);
        return at >= 0 ? &contents.entries[at] : nullptr;
    };
    for (int i = 1; i < lines.size(); ++i) {
        const QJsonObject record = QJsonDocument::fromJson(lines.at(i)).object();
        if (record.isEmpty())
            continue; // a line a crash cut off
        if (record.contains(QStringLiteral("keep"))) {
            const UndoEntry kept = entryFrom(record);
            if (!isSound(kept) || kept.number < 0 || byNumber.contains(kept.number))
                return false;
            byNumber.insert(kept.number, contents.entries.size());
            contents.entries.append(kept);
            contents.nextNumber = qMax(contents.nextNumber, kept.number + 1);
        } else if (UndoEntry *done = entry(record, "done")) {
            done->state = UndoEntry::State::Done;
            if (record.contains(QStringLiteral("hash"))) { // what a write that broke off left
                done->size = number(record.value(QStringLiteral("size")));
                done->mtime = number(record.value(QStringLiteral("mtime")));
                done->hash = QByteArray::fromHex(record.value(QStringLiteral("hash")).toString().toLatin1());
            }
        } else if (UndoEntry *dropped = entry(record, "dropped")) {
            dropped->state = UndoEntry::State::Dropped;
        } else if (UndoEntry *undone = entry(record, "undone")) {
            undone->state = UndoEntry::State::Undone;
        } else if (UndoEntry *left = entry(record, "left")) {
            left->state = UndoEntry::State::Left;
            left->left = record.value(QStringLiteral("code")).toString();
        } else if (record.contains(QStringLiteral("folder"))) {
            contents.folders.append(record.value(QStringLiteral("folder")).toString());
        } else if (record.contains(QStringLiteral("end"))) {
            contents.ended = true;
        } else if (record.contains(QStringLiteral("resumed"))) {
            contents.ended = false; // a review joined the run
        }
    }
    return true;
}

JournalWriter::~JournalWriter()
{
    if (fd >= 0)
        ::close(fd);
}

Outcome JournalWriter::open(int folderFd, const QString &folderPath, const QJsonObject &header)
{
    folder = folderFd;
    path = folderPath + QLatin1Char('/') + journalName;
    const QByteArray name = QFile::encodeName(journalName);
    const int flags = O_WRONLY | O_APPEND | O_NOFOLLOW | (header.isEmpty() ? 0 : O_CREAT | O_EXCL);
    fd = sys().openat(folderFd, name.constData(), flags, 0600);
    if (fd < 0)
        return Outcome::writeError(errno, path);
    if (!header.isEmpty())
        return append(header, true);
    struct stat info;
    if (::fstat(fd, &info) != 0)
        return Outcome::writeError(errno, path);
    written = synced = info.st_size;
    return Outcome::success();
}

Outcome JournalWriter::append(const QJsonObject &record, bool durable)
{
    const QByteArray line = QJsonDocument(record).toJson(QJsonDocument::Compact) + '\n';
    qint64 end = 0;
    {
        const std::lock_guard<std::mutex> lock(mutex);
        if (broken != 0 || fd < 0)
            return Outcome::writeError(broken ? broken : EBADF, path);
        if (!writeAll(fd, line.constData(), line.size())) {
            broken = errno;
            return Outcome::writeError(broken, path);
        }
        written += line.size();
        end = written;
    }
    return durable ? sync(end) : Outcome::success();
}

// One worker syncs for all that wait: the run's folder first, for the
// originals kept in it, then the journal.
Outcome JournalWriter::sync(qint64 upTo)
{
    std::unique_lock<std::mutex> lock(syncMutex);
    while (synced < upTo) {
        {
            const std::lock_guard<std::mutex> writes(mutex);
            if (broken != 0)
                return Outcome::writeError(broken, path);
        }
        if (syncing) {
            syncDone.wait(lock);
            continue;
        }
        syncing = true;
        qint64 target = 0;
        {
            const std::lock_guard<std::mutex> writes(mutex);
            target = written;
        }
        lock.unlock();
        const bool ok = sys().fsync(folder) == 0 && sys().fdatasync(fd) == 0;
        const int error = errno;
        lock.lock();
        syncing = false;
        if (ok) {
            synced = target;
        } else {
            const std::lock_guard<std::mutex> writes(mutex);
            broken = error;
        }
        syncDone.notify_all();
        if (!ok)
            return Outcome::writeError(error, path);
    }
    const std::lock_guard<std::mutex> writes(mutex);
    return broken == 0 ? Outcome::success() : Outcome::writeError(broken, path);
}

} // namespace Karvo
