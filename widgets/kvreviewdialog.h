// The review of files whose encoding Karvo could only guess. For the file
// picked on the left it shows the first lines as the chosen encoding reads
// them, the likely encodings first and then every other, and converts it
// with the encoding the user settles on, through the same lossless, atomic
// path as a run. Files the user does not convert stay exactly as they are.
#ifndef KVREVIEWDIALOG_H
#define KVREVIEWDIALOG_H

#include "run.h"

#include <QDialog>
#include <QList>

class QComboBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class KvReviewDialog : public QDialog
{
    Q_OBJECT

public:
    KvReviewDialog(const QList<Karvo::FileResult> &doubtful, const Karvo::RunOptions &options, QWidget *parent);

    QComboBox *encodingBox() const { return encodings; }

signals:
    // A file converted (or failed to) through the review.
    void fileReviewed(const Karvo::FileResult &result);

private:
    void showFile(int row);
    void showPreview();
    void convertFile();

    QList<Karvo::FileResult> files;
    Karvo::RunOptions options;
    QListWidget *fileList = nullptr;
    QComboBox *encodings = nullptr;
    QPlainTextEdit *preview = nullptr;
    QLabel *status = nullptr;
    QPushButton *convertButton = nullptr;
};

#endif
