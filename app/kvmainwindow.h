// Karvo's one window. The form (kvmainwindow.ui) holds the widgets; this
// controller fills the target list from the engine's codec catalogue, keeps
// the target and the save folder, and turns what the drop page
// (KvAcceptFileWidget) reports into a Karvo::Run. A run shows three pages,
// the work framed by two 500 ms pauses: the processing page with progress
// and Cancel while the engine works on its own threads, then the summary,
// with the Detail button opening KvResultDialog on the records. Files and
// folders come from a drop or from a chooser (a click on the drop graphic,
// Ctrl+O, Ctrl+Shift+O); every control is reachable with Tab, named for
// screen readers, and each page announces what it shows. The window
// never reads a file; it only asks the user what the engine cannot decide
// alone (large files, a run that cannot be undone) and shows what the
// engine reports. Undo of the last run reuses the processing and result
// pages; the target, the save folder and the subfolder toggle persist in
// QSettings.
#ifndef KVMAINWINDOW_H
#define KVMAINWINDOW_H

#include "encoding.h"
#include "run.h"
#include "undo.h"

#include <QList>
#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class Ui_KvMainWindow;

using Karvo::FileResult;

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

    const Karvo::Encoding &currentTarget() const { return targetCodec; }
    const QString &currentSaveFolder() const { return saveFolder; }
    const QList<FileResult> &lastRun() const { return results; }
    void setDirectoryChooser(DirectoryChooser chooser);
    void setFileChooser(FileChooser chooser);

public slots:
    // Starts one run over every item, in order, as a drop of them would.
    void startRun(const QStringList &paths);
    // Ask for files (Ctrl+O, a click on the drop graphic) or for a folder
    // (Ctrl+Shift+O), then start a run over the choice.
    void chooseFiles();
    void chooseFolder();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private slots:
    void fileDragIn(const QString &file);
    void on_backButton_clicked();
    void on_folderButton_clicked();
    void on_targetCoding_currentIndexChanged(int index);
    void on_checkButton_clicked();
    void on_cancelButton_clicked();
    void on_reviewButton_clicked();
    void processStep2(const QStringList &paths);
    void processStep3();
    void on_moreAppButton_clicked();
    void on_undoButton_clicked();
    void on_undoLastButton_clicked();
    void on_subfolderButton_toggled(bool checked);

private:
    void fillTargetList();
    void selectTarget(int index);
    void showSaveFolder();
    bool showSummary();
    // Undo, the subfolder toggle and the remembered settings.
    void setUpUndoAndSettings();
    void restoreSettings();
    void saveSettings();
    void refreshUndoEntry();
    bool confirmWithoutUndo(const QVector<Karvo::PlannedFile> &files);
    void startUndo(const QString &runId);
    void undoFinished();

    void walked();
    void showProgress(int done, int total, const QString &current);
    void runFinished();
    void setUpKeyboardAndAccessibility();
    void updateDropGraphic();
    void pageShown(int index);
    void announce(QWidget *page, const QString &text);

    Ui_KvMainWindow *ui = nullptr;
    int targetIndex = 0;
    QVector<Karvo::Encoding> codecs;
    QString saveFolder;
    Karvo::Encoding targetCodec;
    QList<FileResult> results;
    DirectoryChooser chooseDirectory;
    FileChooser chooseFileList;
    bool dropIconTabbedTo = false; // focus came from the keyboard, so show it
    std::unique_ptr<Karvo::Run> run;
    int planned = 0; // files the current run set out to process
    int summaryPointSize = 0; // the summary's size as designed; smaller where it would not fit
    std::unique_ptr<Karvo::Undo> undo;
    QList<Karvo::UndoResult> undoResults;
    bool showingUndo = false; // the result page tells of an undo, not a run
    bool declined = false; // the user would not convert without Undo
};

#endif
