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
#include "job.h"
#include "outcome.h"
#include "undo.h"

#include <QHash>
#include <QList>
#include <QMutex>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>
#include <QWaitCondition>

#include <memory>

namespace Karvo {

// What became of one file.
enum class FileStatus {
    Converted, // rewritten in the target encoding, in place or as a copy
    Copied, // already in the target encoding; copied into the save folder
    Unchanged, // already right in the target encoding (or empty); nothing written
    Binary, // not text: left alone
    Doubtful, // too weak a guess: left alone for the user to decide
    Skipped, // left alone on purpose: `outcome` says why (a link out of the folder, the same file twice, ...)
    Failed, // nothing written; `outcome` says why
};

// One file that a run will process, or one dropped item it cannot, as the
// walk found it.
struct PlannedFile
{
    QString path; // the file itself
    QString relativePath; // its name, or its path below the dropped folder
    qint64 size = 0;
    Outcome refusal; // set: recorded as it says, never opened
    bool named = false; // dropped or named itself, not found in a folder
    int sameAs = -1; // a hard link's other name, done first in the run: its place in the run's list
    QString resolved; // the canonical path where the walk knew it; empty: look it up
    QByteArray rawPath; // the path's bytes, where they are no UTF-8 (`path` cannot name the file)
    quint64 device = 0; // with `inode`, the file's identity; 0: not known
    quint64 inode = 0;
    qint64 keepSize = 0; // what Undo would keep of it
};

// The file's canonical path, or its absolute path if it has none.
QString resolvedPath(const PlannedFile &file);

// A name as people can read it: each byte that is no part of UTF-8 as \xNN.
QString escapedName(const QByteArray &bytes);

// The record of one processed file.
struct FileResult
{
    QString fileName; // as listed: the name, or the path below the dropped folder
    QString detectedName; // as detection reported it; may be empty
    bool success = false;

    QString path; // the source
    QByteArray rawPath; // the source's bytes, where they are no UTF-8
    QString destination; // what was written or would be; empty when nothing
    FileStatus status = FileStatus::Failed;
    DetectResult detection;
    Outcome outcome; // why it failed or was left alone, and what a write could not keep
};

// The file a record is about, to process it again (a review).
PlannedFile plannedFrom(const FileResult &result);

struct RunOptions
{
    Encoding target = Encoding::utf8();
    QString saveFolder; // empty: convert in place
    bool recursive = false;
    bool dryRun = false; // detect, decide and check every conversion in memory; write nothing
    // When set, every text file is read in this encoding instead of
    // detection's guess, doubtful or not; binary stays binary, unless it
    // reads whole as text in this encoding (SCSU's tags, say).
    Encoding sourceEncoding;
    int threads = 0; // 0: enough to overlap the waits for the disk
    bool keepOriginals = false; // keep what the run replaces, for Undo
    QString undoFolder; // the undo store; empty: the user's own
    QString joinRun; // keep what this run replaces in that earlier run's undo entry (a review)
    bool overwrite = false; // a different file already in the save folder may give way
    QString backupFolder; // keep a copy of every file replaced here first
};

// Expands dropped paths into files, in the order given: a file stands for
// itself; a folder for its regular files (with `recursive`, those of its
// subfolders too) in the order the folder lists them. Every entry of a
// folder is accounted for: hidden ones are counted in `hidden`; a name
// that is not UTF-8, an unreadable file or folder, a link to a file outside
// the dropped folders, a FIFO or a device each get a refusal. Links to
// folders are passed over, and so are the `excluded` folders (the save and
// backup folders). Links to nothing are left alone as not regular.
QVector<PlannedFile> walkPaths(
    const QStringList &paths, bool recursive = false, const QStringList &excluded = {}, int *hidden = nullptr);

// Marks each file that an earlier file of `files` already is (the same
// file twice, however reached) or whose destination it already has, so
// that neither overwrites the other on the pool.
void markClashes(QVector<PlannedFile> &files, const RunOptions &options);

// How many bytes of originals a run of `files` may have to keep for Undo:
// the files themselves in place, what is already there in a save folder.
qint64 bytesToKeep(const QVector<PlannedFile> &files, const RunOptions &options);

// What the files of one run share: the save folder held open from the
// start, the files already claimed (a file is processed once, however it
// was reached) and whoever keeps originals.
class RunContext
{
public:
    explicit RunContext(const RunOptions &options, Keeper *keeper = nullptr, UndoRecorder *recorder = nullptr);
    ~RunContext();

    // False, with the path it came by first, for a file already in the run.
    bool claim(quint64 device, quint64 inode, const QString &path, QString *first);
    void recordFolders(const QStringList &made);
    // The folder at `path`, opened once for the run's files in place.
    Outcome folderOf(const QString &path, std::shared_ptr<const Folder> &folder);

    Folder saveFolder;
    Outcome saveFolderState;
    bool saveFolderToMake = false; // a dry run's save folder, which a real run would make
    Keeper *keeper = nullptr;
    UndoRecorder *recorder = nullptr;
    std::unique_ptr<Keeper> backup;

private:
    QMutex mutex;
    QHash<QPair<quint64, quint64>, QString> claimed;
    QHash<QString, std::shared_ptr<const Folder>> folders;
};

// Detects one file and converts it, copies it or leaves it alone, reading
// it through one descriptor from detection to the final check. Within a
// run, `context` holds the save folder open, the files already claimed and
// who keeps originals; without, the file is on its own.
// Thread-safe: touches nothing but the file, its destination and the store.
FileResult processFile(const PlannedFile &file, const RunOptions &options, RunContext *context = nullptr);

class Run : public Job
{
    Q_OBJECT

public:
    explicit Run(const RunOptions &options, QObject *parent = nullptr);
    ~Run() override; // cancels, and waits for the files being written

    const RunOptions &options() const { return runOptions; }

    // Walks `paths` on the pool, and gets the undo store ready; walked()
    // follows.
    void walk(const QStringList &paths);
    const QVector<PlannedFile> &files() const { return planned; }
    int hiddenPassedOver() const { return hidden; }
    bool saveFolderMissing() const { return saveMissing; }

    // Processes `files` (what walked() found, less what the user left out,
    // or the files of a review) on the pool; progress() and fileFinished()
    // several times a second, then finished().
    void process(const QVector<PlannedFile> &files);

    // The records of the files done so far, in walk order.
    QList<FileResult> results() const;

    // Why the originals of `files` cannot be kept for Undo; empty when they
    // can, or when the run keeps none. Known once walked(), without I/O.
    QString undoProblem(const QVector<PlannedFile> &files) const;
    void setKeepOriginals(bool keep) { runOptions.keepOriginals = keep; }
    // Once finished: the run's entry in the undo store, and how many files
    // undo would put back; empty and 0 when it changed nothing.
    QString undoRunId() const { return undoCount > 0 || !runOptions.joinRun.isEmpty() ? undoId : QString(); }
    int undoableCount() const { return undoCount; }

signals:
    void walked();
    void fileFinished(const Karvo::FileResult &result);

protected:
    void itemsFinished(const QVector<int> &items) override;

private:
    RunOptions runOptions;
    QVector<PlannedFile> planned;
    QVector<PlannedFile> queued;
    int hidden = 0;
    bool saveMissing = false;
    QString storeProblem;
    std::unique_ptr<UndoRecorder> recorder;
    std::unique_ptr<RunContext> context;
    QString undoId;
    int undoCount = 0;

    mutable QMutex mutex; // guards the records, shared with the workers
    QWaitCondition recorded; // another record is in
    QVector<FileResult> records;
    QVector<bool> done;
};

} // namespace Karvo

Q_DECLARE_METATYPE(Karvo::FileResult)

#endif
