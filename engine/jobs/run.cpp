#include "run.h"

#include "conversion.h"
#include "messages.h"
#include "regularfile.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <QMetaObject>
#include <QMutexLocker>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <functional>

#include <sys/stat.h>

namespace Karvo {

namespace {

bool isRegularFile(const QString &path)
{
    struct stat info;
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

// Why a path that is not a regular file cannot be read: the system's reason
// where the path cannot even be looked up (it does not exist, say).
Outcome notRegular(const QString &path)
{
    struct stat info;
    if (!path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &info) != 0)
        return Outcome::failed(Failure::CannotRead, errno);
    return Outcome::failed(Failure::NotRegular);
}

// The user's word on the source encoding replaces detection's guess.
void forceEncoding(DetectResult &detection, const Encoding &encoding)
{
    if (!encoding.isValid())
        return;
    detection.encoding = encoding;
    detection.confidence = 1;
    detection.doubtful = false;
}

// Readable, non-hidden files and links to them; FIFOs, sockets, devices and
// dangling links count as system entries and are left out.
void walkFolder(const QString &root, const QString &folder, bool recursive, QVector<PlannedFile> &files)
{
    QDirIterator it(folder, QDir::Files | QDir::Readable | QDir::NoDotAndDotDot, QDirIterator::NoIteratorFlags);
    // relativeFilePath() hands a relative path back unchanged, so both sides
    // are made absolute: `karvo -o out dir` writes out/x, not out/dir/x.
    const QDir rootDir(QFileInfo(root).absoluteFilePath());
    // Looking up each file's canonical path would cost a few system calls per
    // path component; a file that is no link sits where its folder does.
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        const QString resolved = info.isSymLink() || canonicalFolder.isEmpty()
            ? QString()
            : canonicalFolder + QLatin1Char('/') + it.fileName();
        files.append(
            {it.filePath(), rootDir.relativeFilePath(info.absoluteFilePath()), info.size(), true, QString(), resolved});
    }
    if (!recursive)
        return;
    // Hidden folders (.git and the like) are not the user's text, and links
    // to folders could lead in circles or out of the tree.
    QDirIterator dirs(folder, QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDirIterator::NoIteratorFlags);
    while (dirs.hasNext())
        walkFolder(root, dirs.next(), recursive, files);
}

QString destinationFor(const PlannedFile &file, const RunOptions &options)
{
    if (options.saveFolder.isEmpty())
        return file.path;
    return options.saveFolder + QLatin1Char('/') + file.relativePath;
}

// Copies keep the dropped tree below the save folder. The save folder itself
// is never created again: if it has gone, the write says so.
bool makeFolderFor(const PlannedFile &file, const RunOptions &options)
{
    const QString below = QFileInfo(file.relativePath).path();
    return options.saveFolder.isEmpty() || below == QLatin1String(".") || !QDir(options.saveFolder).exists()
        || QDir(options.saveFolder).mkpath(below);
}

// The folders below the save folder that the run's copies will create.
QStringList foldersToCreate(const QVector<PlannedFile> &files, const RunOptions &options)
{
    QStringList folders;
    if (options.saveFolder.isEmpty())
        return folders;
    const QDir save(options.saveFolder);
    for (const PlannedFile &file : files) {
        for (QString below = QFileInfo(file.relativePath).path(); below != QLatin1String(".");
             below = QFileInfo(below).path()) {
            const QString folder = save.absoluteFilePath(below);
            if (!folders.contains(folder) && !QFileInfo::exists(folder))
                folders.append(folder);
        }
    }
    return folders;
}

// Writes one destination through `write`, first keeping for Undo the file
// it is about to replace. `replaces`: the write replaces an existing
// destination rather than leaving it alone.
Outcome writeDestination(const PlannedFile &file, const QString &destination, bool replaces, UndoRecorder *recorder,
    const std::function<Outcome()> &write)
{
    UndoEntry entry;
    entry.path = resolvedPath(destination);
    entry.name = file.relativePath;
    const bool exists = QFileInfo::exists(entry.path);
    if (exists && !replaces)
        return write();
    entry.action = !exists                 ? UndoAction::CreatedCopy
        : resolvedPath(file) == entry.path ? UndoAction::ReplacedInPlace
                                           : UndoAction::ReplacedInSaveFolder;
    int error = 0;
    if (recorder && exists && !recorder->keepOriginal(entry.path, entry, &error))
        return Outcome::failed(Failure::CannotKeepOriginal, error);
    Outcome outcome = write();
    if (recorder)
        recorder->written(entry, outcome.ok());
    if (outcome.ok() && entry.action == UndoAction::ReplacedInSaveFolder)
        outcome.notices |= Notice::ReplacedExisting;
    return outcome;
}

} // namespace

void markClashes(QVector<PlannedFile> &files, const RunOptions &options)
{
    const QString folder = options.saveFolder.isEmpty() ? QString() : resolvedPath(options.saveFolder);
    QHash<QString, QString> taken; // destination, and the file that goes there
    for (PlannedFile &file : files) {
        if (!file.regular)
            continue;
        const QString destination
            = folder.isEmpty() ? resolvedPath(file) : folder + QLatin1Char('/') + file.relativePath;
        const auto first = taken.constFind(destination);
        if (first != taken.constEnd())
            file.clash = first.value();
        else
            taken.insert(destination, file.path);
    }
}

qint64 bytesToKeep(const QVector<PlannedFile> &files, const RunOptions &options)
{
    qint64 bytes = 0;
    for (const PlannedFile &file : files) {
        if (file.regular)
            bytes += options.saveFolder.isEmpty() ? file.size : QFileInfo(destinationFor(file, options)).size();
    }
    return bytes;
}

QString resolvedPath(const PlannedFile &file)
{
    return file.resolved.isEmpty() ? resolvedPath(file.path) : file.resolved;
}

QVector<PlannedFile> walkPaths(const QStringList &paths, bool recursive)
{
    QVector<PlannedFile> files;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (info.isDir())
            walkFolder(path, path, recursive, files);
        else
            files.append({path, info.fileName(), info.size(), isRegularFile(path), QString(), QString()});
    }
    return files;
}

namespace {

// A file that the plan rules out before it is read: not a regular file,
// or a second file for a destination another file of the run already has.
bool refused(const PlannedFile &file, const RunOptions &options, FileResult &result)
{
    result.fileName = file.relativePath;
    result.path = file.path;
    if (!file.regular) {
        result.outcome = notRegular(file.path);
        return true;
    }
    if (!file.clash.isEmpty()) {
        result.outcome = Outcome::failed(
            options.saveFolder.isEmpty() ? Failure::SameFileInRun : Failure::SameDestination, 0, file.clash);
        return true;
    }
    return false;
}

// Converts, copies or leaves alone a file whose encoding is settled.
FileResult decide(
    const PlannedFile &file, const DetectResult &detection, const RunOptions &options, UndoRecorder *recorder)
{
    FileResult result;
    result.fileName = file.relativePath;
    result.path = file.path;
    result.detection = detection;
    result.detectedName = detection.name();
    const QString destination = destinationFor(file, options);
    const bool intoFolder = !options.saveFolder.isEmpty();

    if (detection.kind == DetectResult::Kind::Binary) {
        result.status = FileStatus::Binary;
        return result;
    }
    if (detection.kind == DetectResult::Kind::Text) {
        if (detection.doubtful) {
            result.status = FileStatus::Doubtful;
            return result;
        }
        if (!detection.encoding.isValid()) {
            // Detection gives no answer for a file it could not read; the
            // open says why.
            QFile source;
            result.outcome = detection.detectorName.isEmpty() ? openRegularFile(source, file.path) : Outcome();
            if (result.outcome.ok()) {
                result.outcome = Outcome::failed(Failure::UnknownEncoding);
                result.outcome.encoding = detection.detectorName;
            }
            return result;
        }
    }

    // An empty file is valid in every encoding, so it is already in the target.
    const bool inTarget = detection.kind == DetectResult::Kind::Empty || detection.encoding == options.target;
    if (!inTarget) {
        result.status = FileStatus::Converted;
        result.destination = destination;
        if (!options.dryRun && makeFolderFor(file, options))
            result.outcome = writeDestination(file, destination, true, recorder,
                [&] { return convertFile(file.path, destination, detection, options.target); });
    } else if (intoFolder) {
        result.status = FileStatus::Copied;
        result.destination = destination;
        if (!options.dryRun && makeFolderFor(file, options))
            result.outcome = writeDestination(
                file, destination, false, recorder, [&] { return copyFile(file.path, destination); });
    } else {
        result.status = FileStatus::Unchanged;
    }
    if (!result.outcome.ok())
        result.status = FileStatus::Failed;
    result.success = result.outcome.ok();
    return result;
}

} // namespace

FileResult processFile(const PlannedFile &file, const RunOptions &options, UndoRecorder *recorder)
{
    FileResult result;
    if (refused(file, options, result))
        return result;
    DetectResult detection = detectFileCoding(file.path);
    // What looks binary may be text in the encoding the user names (SCSU's
    // tags, ISO-2022-KR's shifts).
    if (options.sourceEncoding.isValid() && detection.kind == DetectResult::Kind::Binary
        && readsAsText(file.path, options.sourceEncoding))
        detection.kind = DetectResult::Kind::Text;
    if (options.sourceEncoding.isValid() && detection.kind == DetectResult::Kind::Text) {
        // A file detection could not read keeps its empty answer, so that
        // the open in decide() says why.
        QFile source;
        if (detection.encoding.isValid() || !detection.detectorName.isEmpty()
            || openRegularFile(source, file.path).ok())
            forceEncoding(detection, options.sourceEncoding);
    }
    return decide(file, detection, options, recorder);
}

FileResult processFileAs(
    const PlannedFile &file, const Encoding &encoding, const RunOptions &options, UndoRecorder *recorder)
{
    FileResult result;
    if (refused(file, options, result))
        return result;
    DetectResult detection;
    forceEncoding(detection, encoding);
    return decide(file, detection, options, recorder);
}

Run::Run(const RunOptions &options, QObject *parent)
    : QObject(parent)
    , runOptions(options)
{
    qRegisterMetaType<Karvo::FileResult>();
    // A small file costs little processor time and then waits for the disk
    // to confirm its write (fdatasync); many threads overlap those waits.
    pool.setMaxThreadCount(options.threads > 0 ? options.threads : qMax(16, 4 * QThread::idealThreadCount()));
    reportTimer.setInterval(50);
    connect(&reportTimer, &QTimer::timeout, this, &Run::report);
}

Run::~Run()
{
    cancel();
    pool.waitForDone();
}

void Run::walk(const QStringList &paths)
{
    running = true;
    const bool recursive = runOptions.recursive;
    // Runs on the pool; the answer comes back to this object's thread.
    pool.start(QRunnable::create([this, paths, recursive] {
        const QVector<PlannedFile> files = walkPaths(paths, recursive);
        QMetaObject::invokeMethod(
            this,
            [this, files] {
                planned = files;
                emit walked();
            },
            Qt::QueuedConnection);
    }));
}

void Run::process(const QVector<PlannedFile> &files)
{
    queued = files;
    markClashes(queued, runOptions);
    undoCount = 0;
    if (runOptions.keepOriginals && !runOptions.dryRun) {
        recorder = UndoStore(runOptions.undoFolder).begin(runOptions.target.name(), runOptions.saveFolder);
        undoId = recorder->id();
        recorder->createdFolders(foldersToCreate(queued, runOptions));
        sinceSave.start();
        lastSave.storeRelaxed(0);
    }
    records = QVector<FileResult>(files.size());
    done = QVector<bool>(files.size(), false);
    doneCount = 0;
    next.storeRelaxed(0);
    running = true;
    emit progress(0, queued.size(), QString());

    // A few workers take the files in order and file each record under the
    // file's place in the walk. They post nothing per file: a timer here
    // reports what they did, so that thousands of small files cannot flood
    // this thread's event queue and freeze a window.
    workers = qMin(pool.maxThreadCount(), queued.size());
    if (workers == 0) {
        workers = 1;
        QMetaObject::invokeMethod(this, &Run::workerDone, Qt::QueuedConnection);
        return;
    }
    reportTimer.start();
    for (int w = 0; w < workers; ++w) {
        pool.start(QRunnable::create([this] {
            while (!isCancelled()) {
                const int index = next.fetchAndAddRelaxed(1);
                if (index >= queued.size())
                    break;
                const PlannedFile &file = queued.at(index);
                {
                    QMutexLocker lock(&mutex);
                    current = file.relativePath;
                }
                FileResult result = processFile(file, runOptions, recorder.get());
                {
                    QMutexLocker lock(&mutex);
                    records[index] = std::move(result);
                    done[index] = true;
                    finishedOrder.append(index);
                }
                // Should Karvo be killed during a long run, what it did so
                // far can still be undone. One worker writes the journal
                // about once a second, never this object's thread: a long
                // journal would hold up a window.
                const qint64 now = sinceSave.elapsed();
                const qint64 saved = lastSave.loadRelaxed();
                if (recorder && now - saved >= 1000 && lastSave.testAndSetRelaxed(saved, now))
                    recorder->save();
            }
            QMetaObject::invokeMethod(this, &Run::workerDone, Qt::QueuedConnection);
        }));
    }
}

void Run::cancel()
{
    cancelled.storeRelaxed(1);
}

QString Run::undoProblem(const QVector<PlannedFile> &files) const
{
    if (!runOptions.keepOriginals || runOptions.dryRun)
        return QString();
    return UndoStore(runOptions.undoFolder).problem(bytesToKeep(files, runOptions));
}

QList<FileResult> Run::results() const
{
    QMutexLocker lock(&mutex);
    QList<FileResult> list;
    for (int i = 0; i < records.size(); ++i) {
        if (done.at(i))
            list.append(records.at(i));
    }
    return list;
}

void Run::report()
{
    QVector<FileResult> finishedNow;
    QString name;
    {
        QMutexLocker lock(&mutex);
        for (int index : qAsConst(finishedOrder))
            finishedNow.append(records.at(index));
        finishedOrder.clear();
        name = current;
    }
    for (const FileResult &result : qAsConst(finishedNow)) {
        ++doneCount;
        emit fileFinished(result);
    }
    emit progress(doneCount, queued.size(), name);
}

void Run::workerDone()
{
    // Every worker files its records before it says it is done, so once the
    // last one has, the report is complete.
    if (--workers > 0)
        return;
    reportTimer.stop();
    report();
    const auto close = [this] {
        running = false;
        emit finished();
    };
    if (!recorder) {
        close();
        return;
    }
    // The journal's last write and the dropping of old runs (unlinking a
    // gigabyte takes a while) go to the pool too.
    pool.start(QRunnable::create([this, close] {
        recorder->finish();
        undoCount = recorder->count();
        recorder.reset();
        UndoStore(runOptions.undoFolder).prune(undoId);
        QMetaObject::invokeMethod(this, close, Qt::QueuedConnection);
    }));
}

} // namespace Karvo
