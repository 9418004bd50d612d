// The review of files whose encoding Karvo could only guess, surest first.
// Several can be selected and converted together from the encoding picked;
// the preview shows the first lines of the current file as that encoding
// reads them. The dialog converts nothing itself: it asks for conversions
// with convertRequested() and shows the records that come back, so that a
// review goes through the same lossless run, with Undo, as a drop. Files the
// user does not convert stay exactly as they are.
#ifndef KVREVIEWDIALOG_H
#define KVREVIEWDIALOG_H

#include "run.h"

#include <QDialog>
#include <QList>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

class KvReviewDialog : public QDialog
{
    Q_OBJECT

public:
    KvReviewDialog(const QList<Karvo::FileResult> &doubtful, const QString &target, QWidget *parent);

    QComboBox *encodingBox() const { return encodings; }
    QTreeWidget *fileList() const { return list; }

    // The files selected that can still be converted.
    QStringList selectedPaths() const;

public slots:
    // The records of files converted (or refused) since.
    void showResults(const QList<Karvo::FileResult> &results);
    void setConverting(bool converting);

signals:
    void convertRequested(const QStringList &paths, const Karvo::Encoding &encoding);

private:
    void showFile();
    void showPreview();
    void updateButton();
    int currentIndex() const;

    QList<Karvo::FileResult> files;
    QString target;
    bool busy = false;
    int previewRequest = 0; // the latest preview asked for
    QTreeWidget *list = nullptr;
    QComboBox *encodings = nullptr;
    QPlainTextEdit *preview = nullptr;
    QLabel *status = nullptr;
    QPushButton *convertButton = nullptr;
};

#endif
