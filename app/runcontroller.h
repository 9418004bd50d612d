// The sequence of a run, apart from any window: what was dropped is walked,
// the user is asked what the engine cannot decide alone, the files are
// converted, and after a pause the summary is ready; from there the doubtful
// files can be reviewed and the run undone. It also holds the user's
// choices (target, save folder, subfolders) and remembers them in
// Karvo::Settings.
//
// KvMainWindow shows the state and answers the questions; tests drive this
// class directly, without a window. Qt Core only. Every signal arrives on
// the thread that made the controller.
#ifndef KARVO_RUNCONTROLLER_H
#define KARVO_RUNCONTROLLER_H

#include "encoding.h"
#include "run.h"
#include "undo.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <memory>

class RunController : public QObject
{
    Q_OBJECT
    Q_PROPERTY(State state READ state NOTIFY stateChanged)
    Q_PROPERTY(Question question READ question NOTIFY questionAsked)
    Q_PROPERTY(int stepPause READ stepPause WRITE setStepPause)
    Q_PROPERTY(int waitingDrops READ waitingDrops NOTIFY waitingDropsChanged)

public:
    enum class State {
        Idle, // the drop page
        Walking, // finding the files of what was dropped
        Asking, // waiting for the answer to question()
        Running, // converting
        Summary, // the result of the last run or undo is ready
        Reviewing, // the user picks encodings for the doubtful files
        Undoing,
    };
    Q_ENUM(State)

    enum class Question {
        None,
        SaveFolderMissing, // answerSaveFolder(): the chosen save folder is not there
        LargeFiles, // answerLargeFiles(): are these files over 10 MiB really text?
        WithoutUndo, // answerWithoutUndo(): convert although Undo cannot keep the originals?
    };
    Q_ENUM(Question)

    enum class FolderAnswer {
        Create, // make the save folder again
        Choose, // use another folder, given with the answer
        InPlace, // convert in place, and forget the save folder
        Cancel, // convert nothing
    };

    // Files larger than this are converted only once the user says they are text.
    static constexpr qint64 largeFileSize = 10 * 1024 * 1024;

    explicit RunController(QObject *parent = nullptr);
    ~RunController() override;

    State state() const { return current; }
    // Milliseconds shown before the walk and before the summary, so that a
    // quick run does not flash by; tests set 0.
    int stepPause() const { return pause; }
    void setStepPause(int milliseconds) { pause = milliseconds; }

    // The user's choices, remembered between starts.
    Karvo::Encoding target() const { return chosenTarget; }
    void setTarget(const Karvo::Encoding &target);
    QString saveFolder() const { return chosenFolder; }
    void setSaveFolder(const QString &folder);
    // Set, but not there when last looked; looked up on start and when
    // set, off this thread (choicesChanged() follows).
    bool isSaveFolderMissing() const { return folderMissing; }
    bool subfolders() const { return recursive; }
    void setSubfolders(bool on);

    // A run over dropped files and folders, in order. While another run,
    // question, review or undo is under way, it waits its turn.
    void start(const QStringList &paths);
    int waitingDrops() const { return waiting.size(); }
    void cancel(); // stops between files; also stops an undo

    Question question() const { return asked; }
    QStringList largeFiles() const; // for LargeFiles: the paths asked about
    QString undoProblem() const { return problem; } // for WithoutUndo: why there is no Undo
    void answerSaveFolder(FolderAnswer answer, const QString &folder = QString());
    void answerLargeFiles(bool convert);
    void answerWithoutUndo(bool convert);

    // The summary, once state() is Summary (or Reviewing).
    bool showsUndo() const { return undoShown; } // of an undo, not of a run
    const QList<Karvo::FileResult> &results() const { return records; }
    const QList<Karvo::UndoResult> &undoResults() const { return undoRecords; }
    Karvo::Encoding runTarget() const;
    QString summary() const;
    // A file run alone that did not succeed: why, in words.
    QString reason() const;
    bool isSingleFile() const { return !undoShown && planned == 1 && records.size() == 1; }
    bool canReview() const;
    bool canUndo() const;
    // Where the run wrote its copies, when it wrote any into a save folder.
    QString copiesFolder() const;
    // Leaves the summary: the next waiting drop starts, or the drop page shows.
    void back();

    // Review of the doubtful files, surest first.
    void review();
    QList<Karvo::FileResult> doubtfulFiles() const;
    // Converts the files at `paths` from `encoding`; reviewed() follows.
    void convertAs(const QStringList &paths, const Karvo::Encoding &encoding);
    bool isConverting() const { return reviewRun != nullptr; }
    void endReview();

    // Undo of the run just shown (with its reviews), or of the last run in
    // the store.
    void undoRun();
    void undoLast();
    bool hasLastRun() const { return lastRunKnown; }
    Karvo::UndoRunInfo lastRun() const { return lastRunInfo; }
    void refreshLastRun();

signals:
    void stateChanged(RunController::State state);
    void questionAsked(RunController::Question question);
    void progress(int done, int total, const QString &current);
    void summaryChanged();
    // Files converted in review, with their new records.
    void reviewed(const QList<Karvo::FileResult> &results);
    void convertingChanged(bool converting);
    void choicesChanged();
    void lastRunChanged(); // hasLastRun() and lastRun() are known, off the GUI thread
    void lastRunBusy(); // undoLast() refused: that run is still going
    void waitingDropsChanged(int waiting);

private:
    void setState(State state);
    void ask(Question question);
    void begin(const QStringList &paths);
    void checkSaveFolder();
    void dropRun();
    void walk();
    void walked();
    void askNext();
    void process();
    void finished();
    void showSummary();
    void reviewFinished();
    void startUndo(const QString &runId);
    void undoFinished();
    void startWaiting();
    void after(const std::function<void()> &step);

    State current = State::Idle;
    Question asked = Question::None;
    int pause = 500;
    QTimer pauseTimer;

    Karvo::Encoding chosenTarget;
    QString chosenFolder;
    bool recursive = false;
    bool folderMissing = false;

    QList<QStringList> waiting;
    QStringList paths; // of the run under way
    std::unique_ptr<Karvo::Run> run;
    QVector<Karvo::PlannedFile> files; // what the run will process
    QVector<Karvo::PlannedFile> large;
    QString problem;
    bool keepOriginals = true;
    int planned = 0;
    QList<Karvo::FileResult> records;
    QString undoId; // the undo entry of the run and its reviews
    QSet<QString> reviewable; // the paths of the files that were doubtful
    bool cancelled = false;

    std::unique_ptr<Karvo::Run> reviewRun;
    bool reviewEnding = false;
    std::unique_ptr<Karvo::Undo> undo;
    QList<Karvo::UndoResult> undoRecords;
    bool undoShown = false;
    bool undoCancelled = false;
    int undoTotal = 0;

    bool lastRunKnown = false;
    Karvo::UndoRunInfo lastRunInfo;
};

#endif
