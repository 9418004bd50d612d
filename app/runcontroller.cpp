#include "runcontroller.h"

#include "report.h"
#include "settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QPointer>
#include <QThreadPool>

#include <algorithm>
#include <iterator>

using Karvo::FileResult;
using Karvo::FileStatus;
using Karvo::PlannedFile;

namespace {

bool isDoubtful(const FileResult &result)
{
    return result.status == FileStatus::Doubtful;
}

// How sure detection was of a doubtful file's likeliest encoding.
double sureness(const FileResult &result)
{
    const QList<DetectResult::Candidate> &candidates = result.detection.candidates;
    return candidates.isEmpty() ? result.detection.confidence : candidates.first().score;
}

} // namespace

RunController::RunController(QObject *parent)
    : QObject(parent)
{
    pauseTimer.setSingleShot(true);
    const Karvo::Settings settings;
    chosenTarget = settings.target();
    chosenFolder = settings.saveFolder();
    recursive = settings.subfolders();
    checkSaveFolder();
    refreshLastRun();
}

RunController::~RunController() = default;

void RunController::setState(State state)
{
    if (state != State::Asking)
        asked = Question::None;
    if (current == state)
        return;
    current = state;
    // The drop page offers the last run in the store, which another Karvo
    // may have changed meanwhile.
    if (state == State::Idle)
        refreshLastRun();
    emit stateChanged(state);
}

// The question is the last thing a step does: the answer may come back at
// once, from inside the signal.
void RunController::ask(Question question)
{
    asked = question;
    setState(State::Asking);
    emit questionAsked(question);
}

// Runs `step` after the pause, or at once when there is none.
void RunController::after(const std::function<void()> &step)
{
    pauseTimer.disconnect();
    connect(&pauseTimer, &QTimer::timeout, this, step);
    pauseTimer.start(pause);
}

void RunController::setTarget(const Karvo::Encoding &target)
{
    if (!target.isValid() || target == chosenTarget)
        return;
    chosenTarget = target;
    Karvo::Settings().setTarget(target);
    emit choicesChanged();
}

void RunController::setSaveFolder(const QString &folder)
{
    chosenFolder = folder;
    folderMissing = false;
    Karvo::Settings().setSaveFolder(folder);
    emit choicesChanged();
    checkSaveFolder();
}

// Looked up off this thread: a folder on a network share that hangs must
// not hold up a window.
void RunController::checkSaveFolder()
{
    const QString folder = chosenFolder;
    const QPointer<RunController> self(this);
    QThreadPool::globalInstance()->start([self, folder] {
        const bool missing = !folder.isEmpty() && !QFileInfo(folder).isDir();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, folder, missing] {
                if (!self || self->chosenFolder != folder || self->folderMissing == missing)
                    return;
                self->folderMissing = missing;
                emit self->choicesChanged();
            },
            Qt::QueuedConnection);
    });
}

void RunController::setSubfolders(bool on)
{
    if (recursive == on)
        return;
    recursive = on;
    Karvo::Settings().setSubfolders(on);
    emit choicesChanged();
}

void RunController::start(const QStringList &dropped)
{
    if (dropped.isEmpty())
        return;
    if (current != State::Idle && current != State::Summary) {
        waiting.append(dropped);
        emit waitingDropsChanged(waiting.size());
        return;
    }
    begin(dropped);
}

void RunController::begin(const QStringList &dropped)
{
    paths = dropped;
    dropRun();
    records.clear();
    large.clear();
    files.clear();
    planned = 0;
    cancelled = false;
    undoShown = false;
    keepOriginals = true;
    setState(State::Walking);
    after([this] { walk(); });
}

// The answer to a question may come from inside the run's own signal, so a
// run that is dropped is deleted once that signal has returned.
void RunController::dropRun()
{
    if (run)
        run.release()->deleteLater();
}

void RunController::walk()
{
    dropRun();
    if (cancelled) {
        after([this] { showSummary(); });
        return;
    }
    Karvo::RunOptions options;
    options.target = chosenTarget;
    options.saveFolder = chosenFolder;
    options.recursive = recursive;
    options.keepOriginals = keepOriginals;
    // A different file already in the save folder gives way, and is kept
    // for Undo like the others.
    options.overwrite = keepOriginals;
    run = std::make_unique<Karvo::Run>(options);
    connect(run.get(), &Karvo::Run::walked, this, &RunController::walked);
    connect(run.get(), &Karvo::Run::progress, this, &RunController::progress);
    connect(run.get(), &Karvo::Run::finished, this, &RunController::finished);
    setState(State::Walking);
    run->walk(paths);
}

void RunController::walked()
{
    files = run->files();
    large.clear();
    std::copy_if(files.cbegin(), files.cend(), std::back_inserter(large),
        [](const PlannedFile &file) { return file.refusal.ok() && file.size > largeFileSize; });
    if (!run->isCancelled() && run->saveFolderMissing()) {
        ask(Question::SaveFolderMissing);
        return;
    }
    askNext();
}

// The questions after the save folder's, each at most once a run.
void RunController::askNext()
{
    if (run->isCancelled()) {
        files.clear();
        process();
        return;
    }
    if (!large.isEmpty()) {
        ask(Question::LargeFiles);
        return;
    }
    problem = files.isEmpty() ? QString() : run->undoProblem(files);
    if (!problem.isEmpty()) {
        ask(Question::WithoutUndo);
        return;
    }
    process();
}

QStringList RunController::largeFiles() const
{
    QStringList list;
    for (const PlannedFile &file : large)
        list.append(file.path);
    return list;
}

void RunController::answerSaveFolder(FolderAnswer answer, const QString &folder)
{
    if (asked != Question::SaveFolderMissing)
        return;
    switch (answer) {
    case FolderAnswer::Create:
        if (!QDir().mkpath(chosenFolder)) {
            // Still missing: the question stands, for another answer.
            ask(Question::SaveFolderMissing);
            return;
        }
        folderMissing = false;
        emit choicesChanged();
        askNext();
        return;
    case FolderAnswer::Choose:
        if (folder.isEmpty()) {
            ask(Question::SaveFolderMissing);
            return;
        }
        setSaveFolder(folder);
        break;
    case FolderAnswer::InPlace:
        setSaveFolder(QString());
        break;
    case FolderAnswer::Cancel:
        dropRun();
        setState(State::Idle);
        startWaiting();
        return;
    }
    // What the walk passed over depends on where the copies go.
    setState(State::Walking);
    walk();
}

void RunController::answerLargeFiles(bool convert)
{
    if (asked != Question::LargeFiles)
        return;
    // Files left out still get their record, which says so.
    if (!convert) {
        for (PlannedFile &file : files) {
            if (file.refusal.ok() && file.size > largeFileSize)
                file.refusal = Karvo::Outcome::failed(Karvo::Failure::LeftOut);
        }
    }
    large.clear();
    askNext();
}

void RunController::answerWithoutUndo(bool convert)
{
    if (asked != Question::WithoutUndo)
        return;
    problem.clear();
    if (!convert) {
        dropRun();
        setState(State::Idle);
        startWaiting();
        return;
    }
    keepOriginals = false;
    run->setKeepOriginals(false);
    process();
}

void RunController::process()
{
    planned = files.size();
    setState(State::Running);
    run->process(files);
}

void RunController::cancel()
{
    if (current == State::Undoing) {
        undo->cancel();
    } else if (current == State::Walking || current == State::Running) {
        cancelled = true;
        if (run)
            run->cancel();
    }
}

void RunController::finished()
{
    records = run->results();
    undoId = run->undoRunId();
    reviewable.clear();
    for (const FileResult &result : qAsConst(records)) {
        if (isDoubtful(result))
            reviewable.insert(result.path);
    }
    after([this] { showSummary(); });
}

void RunController::showSummary()
{
    undoShown = false;
    setState(State::Summary);
    emit summaryChanged();
    refreshLastRun();
    // A file dropped alone whose encoding is uncertain is reviewed at once.
    if (isSingleFile() && isDoubtful(records.first()))
        review();
}

Karvo::Encoding RunController::runTarget() const
{
    return run ? run->options().target : chosenTarget;
}

QString RunController::summary() const
{
    if (undoShown)
        return Karvo::undoSummary(undoRecords, undoTotal, undoCancelled);
    return Karvo::summaryText(records, runTarget().name(), planned, cancelled, run ? run->hiddenPassedOver() : 0);
}

QString RunController::reason() const
{
    if (!isSingleFile())
        return QString();
    const FileResult &result = records.first();
    return Karvo::isProblem(result) && result.status != FileStatus::Doubtful && result.status != FileStatus::Binary
        ? Karvo::describe(result.outcome)
        : QString();
}

bool RunController::canReview() const
{
    return !undoShown && std::any_of(records.cbegin(), records.cend(), isDoubtful);
}

bool RunController::canUndo() const
{
    return !undoShown && run && !undoId.isEmpty();
}

QString RunController::copiesFolder() const
{
    if (undoShown || !run || run->options().saveFolder.isEmpty())
        return QString();
    const bool wrote = std::any_of(records.cbegin(), records.cend(), [](const FileResult &result) {
        return result.status == FileStatus::Converted || result.status == FileStatus::Copied;
    });
    return wrote ? run->options().saveFolder : QString();
}

void RunController::back()
{
    if (current != State::Summary)
        return;
    setState(State::Idle);
    startWaiting();
}

void RunController::startWaiting()
{
    if (waiting.isEmpty())
        return;
    const QStringList next = waiting.takeFirst();
    emit waitingDropsChanged(waiting.size());
    begin(next);
}

QList<FileResult> RunController::doubtfulFiles() const
{
    QList<FileResult> doubtful;
    std::copy_if(records.cbegin(), records.cend(), std::back_inserter(doubtful), isDoubtful);
    std::stable_sort(doubtful.begin(), doubtful.end(),
        [](const FileResult &a, const FileResult &b) { return sureness(a) > sureness(b); });
    return doubtful;
}

void RunController::review()
{
    if (current == State::Summary && canReview())
        setState(State::Reviewing);
}

void RunController::convertAs(const QStringList &chosen, const Karvo::Encoding &encoding)
{
    if (current != State::Reviewing || reviewRun || !encoding.isValid() || !run)
        return;
    const QSet<QString> picked(chosen.cbegin(), chosen.cend());
    QVector<PlannedFile> planned;
    for (const FileResult &result : qAsConst(records)) {
        // Only files that were doubtful and are still unwritten: a converted
        // file read once more as something it no longer is would be garbled.
        if (picked.contains(result.path) && reviewable.contains(result.path)
            && (result.status == FileStatus::Doubtful || result.status == FileStatus::Failed))
            planned.append(Karvo::plannedFrom(result));
    }
    if (planned.isEmpty())
        return;
    // The files join the run's undo entry, so that Undo takes back both.
    Karvo::RunOptions options = run->options();
    options.sourceEncoding = encoding;
    options.joinRun = undoId;
    reviewRun = std::make_unique<Karvo::Run>(options);
    connect(reviewRun.get(), &Karvo::Run::finished, this, &RunController::reviewFinished);
    emit convertingChanged(true);
    reviewRun->process(planned);
}

void RunController::reviewFinished()
{
    const QList<FileResult> updated = reviewRun->results();
    if (!reviewRun->undoRunId().isEmpty())
        undoId = reviewRun->undoRunId();
    // Deleted later: this is called from the run's own signal.
    reviewRun.release()->deleteLater();
    QHash<QString, int> byPath;
    for (int i = 0; i < updated.size(); ++i)
        byPath.insert(updated.at(i).path, i);
    for (FileResult &record : records) {
        const auto found = byPath.constFind(record.path);
        if (found != byPath.constEnd())
            record = updated.at(*found);
    }
    emit convertingChanged(false);
    emit reviewed(updated);
    emit summaryChanged();
    if (reviewEnding)
        endReview();
}

void RunController::endReview()
{
    if (current != State::Reviewing)
        return;
    // A review closed while its files are written ends once they are.
    reviewEnding = reviewRun != nullptr;
    if (reviewEnding)
        return;
    setState(State::Summary);
    emit summaryChanged();
}

void RunController::undoRun()
{
    if (current == State::Summary && canUndo())
        startUndo(undoId);
}

void RunController::undoLast()
{
    if (current != State::Idle || !lastRunKnown)
        return;
    // A run still going, here or in another Karvo, is not undone under it.
    if (lastRunInfo.busy) {
        emit lastRunBusy();
        return;
    }
    startUndo(lastRunInfo.id);
}

void RunController::startUndo(const QString &runId)
{
    undo = std::make_unique<Karvo::Undo>(Karvo::UndoStore(), runId);
    connect(undo.get(), &Karvo::Undo::progress, this, &RunController::progress);
    connect(undo.get(), &Karvo::Undo::finished, this, &RunController::undoFinished);
    setState(State::Undoing);
    undo->start();
}

void RunController::undoFinished()
{
    undoRecords = undo->results();
    undoTotal = undo->total();
    undoCancelled = undo->isCancelled();
    undoShown = true;
    // Undone, the run has nothing left to take back.
    dropRun();
    records.clear();
    setState(State::Summary);
    emit summaryChanged();
    refreshLastRun();
}

void RunController::refreshLastRun()
{
    // The store is read off this thread; a slow disk must not hold up a window.
    Karvo::UndoStore().listRuns(this, [this](const QList<Karvo::UndoRunInfo> &runs) {
        lastRunKnown = !runs.isEmpty();
        lastRunInfo = lastRunKnown ? runs.first() : Karvo::UndoRunInfo();
        emit lastRunChanged();
    });
}
