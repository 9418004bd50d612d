// The undo journal of one run: a line of JSON per step, appended through
// the checked system calls. The step that keeps an original, and says where
// the run is about to write, is synced before the write; so whatever moment
// a run is killed at, its journal names every file it changed.
//
// A run's folder in the undo store holds the journal, the originals kept
// (named by number) and a lock file that the run holds while it goes on.
#ifndef KARVO_JOURNAL_H
#define KARVO_JOURNAL_H

#include "outcome.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QVector>

#include <condition_variable>
#include <mutex>

namespace Karvo {

// What a run did to one path.
enum class UndoAction {
    ReplacedInPlace, // the source rewritten where it was
    CreatedCopy, // a new file in the save folder
    ReplacedInSaveFolder, // a file that was already in the save folder, replaced
};

struct UndoEntry
{
    enum class State {
        Announced, // kept and announced; the write may or may not have happened
        Done, // the run changed the path
        Dropped, // the write did not happen; nothing to undo
        Undone, // put back
        Left, // undo left it: `left` says why
    };

    int number = -1;
    QString path; // the file the run wrote
    QString name; // as the run listed it
    UndoAction action = UndoAction::CreatedCopy;
    QString kept; // the original's name in the run's folder; empty for a new copy
    // The original, as it was.
    uint mode = 0;
    uint owner = 0;
    uint group = 0;
    qint64 originalAccessed = 0; // ns since the epoch
    qint64 originalModified = 0;
    qint64 originalSize = 0;
    // What the run wrote: undo leaves the file alone unless it still holds it.
    qint64 size = -1;
    qint64 mtime = 0; // ns since the epoch; 0 when not known
    QByteArray hash; // a 64-bit digest of the contents
    State state = State::Announced;
    QString left; // the failure code of why undo left it
};

struct JournalContents
{
    QString id;
    QDateTime date;
    QString target;
    QString saveFolder;
    QStringList folders; // made by the run for its copies
    QVector<UndoEntry> entries;
    bool ended = false; // the run finished, or was recovered after a crash
    int nextNumber = 0;
};

// Reads a run's journal; false where there is none, or it is not Karvo's.
// A line cut off by a crash is passed over. The journal of Karvo 1.1 (one
// JSON document) is read too.
bool readJournal(const QString &runFolder, JournalContents &contents);

class JournalWriter
{
public:
    JournalWriter() = default;
    ~JournalWriter();
    JournalWriter(const JournalWriter &) = delete;
    JournalWriter &operator=(const JournalWriter &) = delete;

    // Creates the journal in the folder `folderFd`, with its first line, or
    // opens it to append (`header` empty).
    Outcome open(int folderFd, const QString &folderPath, const QJsonObject &header);

    // Appends a step. `durable`: returns only once the step, and the names
    // made in the run's folder before it, are on the disk. Several workers
    // that ask at once share one sync. After a failure every later append
    // fails as well: a journal with a hole in it is not trusted.
    Outcome append(const QJsonObject &record, bool durable);

private:
    Outcome sync(qint64 upTo);

    int fd = -1;
    int folder = -1;
    QString path;
    std::mutex mutex; // the writes
    qint64 written = 0;
    int broken = 0; // the errno of the first failure
    std::mutex syncMutex; // what follows
    std::condition_variable syncDone;
    qint64 synced = 0;
    bool syncing = false;
};

QJsonObject entryRecord(const UndoEntry &entry);

} // namespace Karvo

#endif
