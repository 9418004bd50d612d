// Karvo's one window. The form (kvmainwindow.ui) holds the widgets; this
// controller fills the target list from the engine's codec catalogue, keeps
// the target and the save folder, and takes the path that the drop page
// (KvAcceptFileWidget) reports. A drop starts a run of three steps, 500 ms
// apart: the processing page, then every file detected and converted,
// copied or left alone (one FileResult each), then the summary, with the
// Detail button opening KvResultDialog on the records. Detection and
// conversion live in the engine; the window only decides what to do with
// each file and tells the user.
#ifndef KVMAINWINDOW_H
#define KVMAINWINDOW_H

#include "codecs.h"

#include <QList>
#include <QMainWindow>
#include <QString>

#include <functional>

class Ui_KvMainWindow;

// What became of one file of a run.
struct FileResult
{
    QString fileName; // without its folder
    QString detectedName; // as detection reported it; may be empty
    bool success = false;
};

class KvMainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Asks the user for a save folder; returns an empty path when cancelled.
    using DirectoryChooser = std::function<QString(QWidget *parent)>;

    explicit KvMainWindow(QWidget *parent = nullptr);
    ~KvMainWindow() override;

    const CodecDescriptor &currentTarget() const { return targetCodec; }
    const QString &currentSaveFolder() const { return saveFolder; }
    const QList<FileResult> &lastRun() const { return results; }
    void setDirectoryChooser(DirectoryChooser chooser);

private slots:
    void fileDragIn(const QString &file);
    void on_backButton_clicked();
    void on_folderButton_clicked();
    void on_targetCoding_currentIndexChanged(int index);
    void on_checkButton_clicked();
    void processStep2(const QString &filepath);
    void processStep3();
    void on_moreAppButton_clicked();

private:
    void processPath(const QString &path);
    void processFolder(const QString &path);
    void processFile(const QString &path);

    Ui_KvMainWindow *ui = nullptr;
    int targetIndex = 0;
    QList<CodecDescriptor> codecs;
    QString saveFolder;
    CodecDescriptor targetCodec;
    QList<FileResult> results;
    DirectoryChooser chooseDirectory;
};

#endif
