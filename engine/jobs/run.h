// A conversion run: the dropped paths walked into a list of files, then each
// file detected and converted, copied or left alone on a pool of worker
// threads, with progress and a record per file. The window, the review and
// the command line all drive this one object; none of them reads a file.
//
// Threads: walkPaths() and processFile() are plain functions that run on
// the pool; Run itself lives on the thread that made it, where all of its
// signals arrive.
#ifndef KARVO_RUN_H
#define KARVO_RUN_H

#include "detection.h"
#include "encoding.h"
#include "outcome.h"
#include "undo.h"

#include <QAtomicInt>
#include <QElapsedTimer>
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

// What became of one file.
enum class FileStatus {
    Converted, // rewritten in the target encoding, in place or as a copy
    Copied, // already in the target encoding; copied into the save folder
    Unchanged, // already in the target encoding (or empty); nothing written
    Binary, // not text: left alone
    Doubtful, // too weak a guess: left alone for the user to decide
    Failed, // nothing written; `outcome` says why
};

// One file that a run will process, as the walk found it.
struct PlannedFile
{
    QString path; // the file itself
    QString relativePath; // its name, or its path below the dropped folder
    qint64 size = 0;
    bool regular = true; // false: recorded as failed without being opened
    QString clash; // an earlier file of the run with the same destination
    QString resolved; // the canonical path where the walk knew it; empty: look it up
};

// The file's canonical path, or its absolute path if it has none.
QString resolvedPath(const PlannedFile &file);

// The record of one processed file.
struct FileResult
{
    QString fileName; // as listed: the name, or the path below the dropped folder
    QString detectedName; // as detection reported it; may be empty
    bool success = false;

    QString path; // the source
    QString destination; // what was written or would be; empty when nothing
    FileStatus status = FileStatus::Failed;
    DetectResult detection;
    Outcome outcome; // why it failed, when it did, and what it could not keep when it did not
};

struct RunOptions
{
    Encoding target = Encoding::utf8();
    QString saveFolder; // empty: convert in place
    bool recursive = false;
    bool dryRun = false; // detect and decide, write nothing
    // When set, every text file is read in this encoding instead of
    // detection's guess, doubtful or not; binary stays binary, unless it
    // reads whole as text in this encoding (SCSU's tags, say).
    Encoding sourceEncoding;
    int threads = 0; // 0: enough to overlap the waits for the disk
    bool keepOriginals = false; // keep what the run replaces, for Undo
    QString undoFolder; // the undo store; empty: the user's own
};

// Expands dropped paths into files, in the order given: a file stands for
// itself; a folder for its readable, non-hidden regular files (and links to
// such files) at the top level, in the order the folder lists them. Other
// entries of a folder are passed over; a dropped path that is not a regular
// file is planned as not regular, so that its record says why.
QVector<PlannedFile> walkPaths(const QStringList &paths, bool recursive = false);

// Marks each file whose destination an earlier file of `files` already
// has, so that neither overwrites the other on the pool.
void markClashes(QVector<PlannedFile> &files, const RunOptions &options);

// How many bytes of originals a run of `files` may have to keep for Undo:
// the files themselves in place, what is already there in a save folder.
qint64 bytesToKeep(const QVector<PlannedFile> &files, const RunOptions &options);

// Detects one file and converts it, copies it or leaves it alone; with a
// recorder, first keeps for Undo whatever the write replaces.
// Thread-safe: touches nothing but the file, its destination and the store.
FileResult processFile(const PlannedFile &file, const RunOptions &options, UndoRecorder *recorder = nullptr);

// The same for a file whose encoding a person has settled: `encoding` is
// taken for the truth, and the conversion still refuses to lose a byte.
FileResult processFileAs(
    const PlannedFile &file, const Encoding &encoding, const RunOptions &options, UndoRecorder *recorder = nullptr);

class Run : public QObject
{
    Q_OBJECT

public:
    explicit Run(const RunOptions &options, QObject *parent = nullptr);
    ~Run() override; // cancels, and waits for the files being written

    const RunOptions &options() const { return runOptions; }

    // Walks `paths` on the pool; walked() follows.
    void walk(const QStringList &paths);
    const QVector<PlannedFile> &files() const { return planned; }

    // Processes `files` (what walked() found, less what the user left out)
    // on the pool; progress() and fileFinished() several times a second,
    // then finished().
    void process(const QVector<PlannedFile> &files);

    // Stops between files: a file being written is finished, files not yet
    // begun are left untouched and get no record.
    void cancel();
    bool isCancelled() const { return cancelled.loadRelaxed() != 0; }
    bool isRunning() const { return running; }

    // The records of the files done so far, in walk order.
    QList<FileResult> results() const;

    // Why the originals of `files` cannot be kept for Undo; empty when they
    // can, or when the run keeps none.
    QString undoProblem(const QVector<PlannedFile> &files) const;
    void setKeepOriginals(bool keep) { runOptions.keepOriginals = keep; }
    // Once finished: the run's entry in the undo store, and how many files
    // undo would put back; empty and 0 when it changed nothing.
    QString undoRunId() const { return undoCount > 0 ? undoId : QString(); }
    int undoableCount() const { return undoCount; }

signals:
    void walked();
    void progress(int done, int total, const QString &current);
    void fileFinished(const Karvo::FileResult &result);
    void finished();

private:
    void report();
    void workerDone();

    RunOptions runOptions;
    QThreadPool pool;
    QVector<PlannedFile> planned;
    QVector<PlannedFile> queued;
    int doneCount = 0; // reported so far
    int workers = 0;
    bool running = false;
    QTimer reportTimer;
    std::unique_ptr<UndoRecorder> recorder;
    QElapsedTimer sinceSave;
    QAtomicInteger<qint64> lastSave;
    QString undoId;
    int undoCount = 0;
    QAtomicInt next;
    QAtomicInt cancelled;

    // Shared with the workers.
    mutable QMutex mutex;
    QVector<FileResult> records;
    QVector<bool> done;
    QVector<int> finishedOrder; // done since the last report
    QString current;
};

} // namespace Karvo

Q_DECLARE_METATYPE(Karvo::FileResult)

#endif
