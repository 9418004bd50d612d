// Karvo's one window, a view over RunController. The form
// (kvmainwindow.ui) lays out three pages: the drop page, where files and
// folders are dropped or chosen and the target and save folder are picked;
// the processing page, with progress and Cancel; and the result page, with
// the summary and the ways on from it (Detail, Review, Undo, Back). The
// controller walks, asks, runs and summarises; this class shows its state,
// puts its questions in boxes and hands back the answers, and opens the
// Detail (KvResultDialog), Review (KvReviewDialog) and About dialogs. Every
// control is reachable with Tab and named for screen readers, and each page
// announces what it shows. Any page takes a drop: during a run it waits its
// turn.
#ifndef KVMAINWINDOW_H
#define KVMAINWINDOW_H

#include "encoding.h"
#include "run.h"
#include "runcontroller.h"

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>

class KvReviewDialog;
class TargetListModel;
class Ui_KvMainWindow;

class KvMainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Asks the user for a folder, titled `caption`; returns an empty path
    // when cancelled. Both the save folder and a folder to convert use it.
    using DirectoryChooser = std::function<QString(QWidget *parent, const QString &caption)>;
    // Asks the user for files to convert; returns an empty list when cancelled.
    using FileChooser = std::function<QStringList(QWidget *parent)>;

    explicit KvMainWindow(QWidget *parent = nullptr);
    ~KvMainWindow() override;

    RunController *controller() const { return run; }
    Karvo::Encoding currentTarget() const { return run->target(); }
    QString currentSaveFolder() const { return run->saveFolder(); }
    const QList<Karvo::FileResult> &lastRun() const { return run->results(); }
    void setDirectoryChooser(DirectoryChooser chooser);
    void setFileChooser(FileChooser chooser);

public slots:
    // Starts one run over every item, in order, as a drop of them would:
    // while another run is under way, it waits its turn.
    void startRun(const QStringList &paths);
    // Ask for files (Ctrl+O, a click on the drop graphic) or for a folder
    // (Ctrl+Shift+O), then start a run over the choice.
    void chooseFiles();
    void chooseFolder();
    void showAbout();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setUpTargetList();
    void setUpKeyboardAndAccessibility();
    void connectController();
    void stateChanged(RunController::State state);
    void askQuestion(RunController::Question question);
    void askAboutSaveFolder();
    void showProgress(int done, int total, const QString &current);
    void showWaiting();
    void showSummary();
    void showChoices();
    void showLastRun();
    void showDetail();
    void openReview();
    void toggleSaveFolder();
    void selectTarget(const Karvo::Encoding &encoding);
    void updateDropGraphic();
    void pageShown(int index);
    void announce(QWidget *page, const QString &text);

    Ui_KvMainWindow *ui = nullptr;
    RunController *run = nullptr;
    TargetListModel *targets = nullptr;
    DirectoryChooser chooseDirectory;
    FileChooser chooseFileList;
    QPointer<KvReviewDialog> review;
    bool dropIconTabbedTo = false; // focus came from the keyboard, so show it
    int summaryPointSize = 0; // the summary's size as designed; smaller where it would not fit
};

#endif
