// Undo of a run. Before a run replaces a file it keeps the original in a
// per-user store (a hard link where the file system allows, a copy where it
// does not) and says so in the run's journal, synced before the write (see
// journal.h). Undo puts each file back only while it still holds exactly
// what the run wrote, and never deletes an original it has not put back.
//
// Runs are numbered in the order they start, whatever the clock says; a
// run holds a lock on its folder while it goes on, so that it can be neither
// undone nor pruned meanwhile, by this process or another. A run that was
// killed is recovered the next time the store is listed: its journal tells
// which files it changed.
//
// Threads: UndoRecorder is shared by a run's workers; UndoStore touches
// only the store's folder; Undo is a Job.
#ifndef KARVO_UNDO_H
#define KARVO_UNDO_H

#include "conversion.h"
#include "folder.h"
#include "job.h"
#include "journal.h"
#include "outcome.h"

#include <QAtomicInt>
#include <QDateTime>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <memory>

namespace Karvo {

// The store's summary of one run that can still be undone.
struct UndoRunInfo
{
    QString id;
    QDateTime date;
    int files = 0; // files that undo would put back or remove
    QString target;
    bool busy = false; // still going (or being undone), in this process or another
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
    // The part of that which needs no look at the disk: the size limit.
    static QString sizeProblem(qint64 bytes);

    // Starts the journal of a new run, locked for as long as the recorder
    // lives; null, with the reason, when the journal cannot be written.
    std::unique_ptr<UndoRecorder> begin(const QString &target, const QString &saveFolder, Outcome *failure = nullptr);
    // Adds to the journal of run `id` (a review of its files); null when it
    // is busy or gone.
    std::unique_ptr<UndoRecorder> join(const QString &id, Outcome *failure = nullptr);

    // Drops the oldest runs beyond the limits, never `keep` nor a busy one:
    // a run ends with this, so that a run which changes nothing costs no
    // older one.
    void prune(const QString &keep = QString());

    // Runs with something left to undo, newest first. Recovers runs that
    // were killed on the way.
    QList<UndoRunInfo> runs() const;
    // The same, off the calling thread; `done` is called on `context`'s thread.
    void listRuns(QObject *context, std::function<void(QList<UndoRunInfo>)> done) const;
    QStringList runIds() const; // every run in the store, oldest first

private:
    qint64 runSize(const QString &id) const;

    QString root;
};

// Keeps what one run's writes replace, and journals it, for the run's
// workers. Holds the run's lock while it lives.
class UndoRecorder : public Keeper
{
public:
    ~UndoRecorder() override; // finish()

    const QString &id() const { return runId; }

    Outcome keep(Replacement &replacement) override;
    void done(const Replacement &replacement, bool changed) override;
    bool keepsCopies() const override { return true; }

    // A folder the run made in the save folder, which undo removes once it
    // is empty again.
    void createdFolder(const QString &folder);

    int count() const; // files undo would put back
    void finish(); // the journal's end; a run that changed nothing leaves no folder

private:
    friend class UndoStore;
    UndoRecorder(const QString &folder, const QString &id);
    Outcome open(const QJsonObject &header);

    QString folderPath;
    QString runId;
    Folder folder;
    int lockFd = -1;
    JournalWriter journal;
    QAtomicInt nextNumber;
    QAtomicInt changedCount;
    bool joined = false; // a review's files, added to an earlier run's journal
    bool finished = false;
};

// What undo did with one file.
struct UndoResult
{
    QString name;
    QString path;
    bool undone = false;
    Outcome outcome; // why it was left, or what it could not restore
};

// Puts a run's files back on the pool, with progress like a run. The files
// of one run are distinct, so several workers can share them; each waits
// mostly for the disk.
class Undo : public Job
{
    Q_OBJECT

public:
    Undo(const UndoStore &store, const QString &runId, QObject *parent = nullptr);
    ~Undo() override;

    void start();
    bool wasBusy() const { return busy; } // the run was still going: nothing was done
    QList<UndoResult> results() const; // of the files done, in the journal's order

private:
    UndoStore store;
    QString runId;
    bool busy = false;
    int lockFd = -1;
    Folder runFolder;
    JournalContents contents;
    QVector<int> toUndo; // places in contents.entries
    JournalWriter journal;
    mutable QMutex mutex;
    QVector<UndoResult> records;
    QVector<bool> done;
};

} // namespace Karvo

#endif
