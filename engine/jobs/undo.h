// Undo of a run: before a run replaces a file it keeps the original in a
// per-user store (a hard link where the file system allows, a copy where it
// does not), and a journal per run says what was done to every path and
// what the run wrote there. Undo puts each file back only while it still
// holds exactly what the run wrote.
//
// Threads: UndoRecorder is shared by a run's workers; UndoStore and the free
// functions touch only the store's folder and the files named in a journal.
#ifndef KARVO_UNDO_H
#define KARVO_UNDO_H

#include "outcome.h"

#include <QAtomicInt>
#include <QDateTime>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <QTimer>
#include <QVector>

#include <memory>

namespace Karvo {

// What a run did to one path.
enum class UndoAction {
    ReplacedInPlace, // the source rewritten where it was
    CreatedCopy, // a new file in the save folder
    ReplacedInSaveFolder, // a file that was already in the save folder, replaced
};

struct UndoEntry
{
    QString path; // the file the run wrote
    QString name; // as the run listed it
    UndoAction action = UndoAction::CreatedCopy;
    QString kept; // the original's name in the run's folder; empty for a copy
    uint mode = 0; // the original's permission bits
    qint64 originalMtime = 0; // ns since the epoch
    // What the run wrote: undo leaves the file alone unless it still holds it.
    qint64 size = -1;
    qint64 mtime = 0; // ns since the epoch
    QByteArray hash; // a 64-bit digest of the contents
    QString left; // the failure code of why an undo left the file; empty until then
};

// The store's summary of one run that can still be undone.
struct UndoRunInfo
{
    QString id;
    QDateTime date;
    int files = 0; // files that undo would put back or remove
    QString target;
};

class UndoRecorder;

class UndoStore
{
public:
    static constexpr int maxRuns = 5;
    static constexpr qint64 defaultSizeLimit = qint64(2) << 30;

    // `folder` empty: $KARVO_UNDO_DIR, else "undo" in the per-user data folder.
    explicit UndoStore(const QString &folder = QString());

    QString folder() const { return root; }
    QString runFolder(const QString &id) const { return root + QLatin1Char('/') + id; }

    // How much the originals may take, from the setting "undo/maxBytes".
    static qint64 sizeLimit();
    qint64 totalSize() const;

    // Why the store cannot keep `bytes` of originals for a new run; empty
    // when it can.
    QString problem(qint64 bytes) const;

    // Starts the journal of a new run.
    std::unique_ptr<UndoRecorder> begin(const QString &target, const QString &saveFolder);

    // Drops the oldest runs beyond the limits, never `keep`: a run ends
    // with this, so that a run which changes nothing costs no older one.
    void prune(const QString &keep = QString());

    // Runs with something left to undo, newest first.
    QList<UndoRunInfo> runs() const;
    QStringList runIds() const; // every run in the store, oldest first

private:
    qint64 runSize(const QString &id) const;

    QString root;
};

// Collects one run's journal while its workers write files.
class UndoRecorder
{
public:
    UndoRecorder(const QString &folder, const QString &id, const QString &target, const QString &saveFolder);
    ~UndoRecorder(); // finish()

    const QString &id() const { return runId; }

    // Keeps the original of `path` before the run replaces it: a hard link
    // when the replacement will be a new file renamed over the path, a copy
    // when it will be written through the same file or the link fails.
    // False, with the system's reason, when neither works.
    bool keepOriginal(const QString &path, UndoEntry &entry, int *error);

    // After the write: records what it left at entry.path. A write that
    // failed drops the kept original instead. False when undo cannot put
    // this file back.
    bool written(UndoEntry entry, bool ok);

    // Folders the run is about to create in the save folder, removed by undo
    // when they are empty again.
    void createdFolders(const QStringList &folders);

    int count() const;
    bool save(); // writes the journal so far
    void finish(); // the last save; a run that changed nothing leaves no folder

private:
    QString folder;
    QString runId;
    QString target;
    QString saveFolder;
    QDateTime date;
    QAtomicInt nextName;
    mutable QMutex mutex;
    QVector<UndoEntry> entries;
    QStringList folders;
};

// What undo did with one file.
struct UndoResult
{
    QString name;
    QString path;
    bool undone = false;
    Outcome outcome; // why it was left
};

// Puts a run's files back on the pool, with progress like a run. The files
// of one run are distinct, so several workers can share them; each waits
// mostly for the disk.
class Undo : public QObject
{
    Q_OBJECT

public:
    Undo(const UndoStore &store, const QString &runId, QObject *parent = nullptr);
    ~Undo() override; // cancels and waits

    void start();
    // Stops between files; the rest stay in the journal for a later undo.
    void cancel() { cancelled.storeRelaxed(1); }
    bool isCancelled() const { return cancelled.loadRelaxed() != 0; }
    bool isRunning() const { return running; }
    int total() const { return entries.size(); }
    QList<UndoResult> results() const; // in the journal's order

signals:
    void progress(int done, int total, const QString &current);
    void finished();

private:
    void report();
    void workerDone();

    UndoStore store;
    QString runId;
    QThreadPool pool;
    QTimer reportTimer;
    QAtomicInt cancelled;
    QAtomicInt next;
    bool running = false;
    int workers = 0;
    QVector<UndoEntry> entries;
    mutable QMutex mutex;
    QVector<UndoResult> records;
    QVector<bool> done;
    int doneCount = 0;
    QString current;
};

// The fingerprint of a file as undo compares it: size, mtime and a digest.
bool fingerprint(const QString &path, UndoEntry &entry);

} // namespace Karvo

#endif
