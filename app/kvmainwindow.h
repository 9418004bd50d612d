// Karvo's one window. The form (kvmainwindow.ui) holds the widgets; this
// controller fills the target list from the engine's codec catalogue, keeps
// the target and the save folder, and takes the path that the drop page
// (KvAcceptFileWidget) reports. Detection and conversion live in the engine;
// the window only decides what to do with each file and tells the user.
#ifndef KVMAINWINDOW_H
#define KVMAINWINDOW_H

#include "codecs.h"

#include <QList>
#include <QMainWindow>
#include <QString>

#include <functional>

class Ui_KvMainWindow;

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
    void setDirectoryChooser(DirectoryChooser chooser);

private slots:
    void fileDragIn(const QString &file);
    void on_backButton_clicked();
    void on_folderButton_clicked();
    void on_targetCoding_currentIndexChanged(int index);
    void on_moreAppButton_clicked();

private:
    Ui_KvMainWindow *ui = nullptr;
    int targetIndex = 0;
    QList<CodecDescriptor> codecs;
    QString saveFolder;
    CodecDescriptor targetCodec;
    DirectoryChooser chooseDirectory;
};

#endif
