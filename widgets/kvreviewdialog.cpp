#include "kvreviewdialog.h"

#include "encoding.h"
#include "preview.h"
#include "report.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

KvReviewDialog::KvReviewDialog(
    const QList<Karvo::FileResult> &doubtful, const Karvo::RunOptions &options, QWidget *parent)
    : QDialog(parent)
    , files(doubtful)
    , options(options)
{
    setObjectName(QStringLiteral("KvReviewDialog"));
    setWindowTitle(tr("Review"));
    resize(640, 420);

    fileList = new QListWidget(this);
    fileList->setObjectName(QStringLiteral("fileList"));
    fileList->setAccessibleName(tr("Files to review"));
    for (const Karvo::FileResult &file : qAsConst(files))
        fileList->addItem(file.fileName);

    encodings = new QComboBox(this);
    encodings->setObjectName(QStringLiteral("encodingBox"));
    encodings->setAccessibleName(tr("Encoding of the file"));
    preview = new QPlainTextEdit(this);
    preview->setObjectName(QStringLiteral("previewText"));
    preview->setReadOnly(true);
    preview->setLineWrapMode(QPlainTextEdit::NoWrap);
    preview->setAccessibleName(tr("The start of the file, read in that encoding"));
    status = new QLabel(this);
    status->setTextFormat(Qt::PlainText);
    status->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    //: converts the chosen file from the encoding picked above
    convertButton = buttons->addButton(tr("Convert"), QDialogButtonBox::ActionRole);
    convertButton->setObjectName(QStringLiteral("convertButton"));

    auto *layout = new QGridLayout(this);
    auto *label = new QLabel(tr("Karvo is not sure in which encoding these files are. Pick the one in which "
                                "the text reads right, then convert it; files you do not convert stay as they are."),
        this);
    label->setWordWrap(true);
    layout->addWidget(label, 0, 0, 1, 2);
    layout->addWidget(fileList, 1, 0, 3, 1);
    layout->addWidget(encodings, 1, 1);
    layout->addWidget(preview, 2, 1);
    layout->addWidget(status, 3, 1);
    layout->addWidget(buttons, 4, 0, 1, 2);
    layout->setColumnStretch(1, 2);
    layout->setRowStretch(2, 1);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(fileList, &QListWidget::currentRowChanged, this, &KvReviewDialog::showFile);
    connect(encodings, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &KvReviewDialog::showPreview);
    connect(convertButton, &QPushButton::clicked, this, &KvReviewDialog::convertFile);
    fileList->setCurrentRow(0);
}

void KvReviewDialog::showFile(int row)
{
    if (row < 0)
        return;
    const Karvo::FileResult &file = files.at(row);
    const QSignalBlocker blocker(encodings);
    encodings->clear();
    // The likely encodings first, with how well the text reads in each, then
    // every encoding there is, for the rare file none of them fits.
    for (const DetectResult::Candidate &candidate : file.detection.candidates) {
        encodings->addItem(tr("%1 (%2 %)").arg(candidate.encoding.name()).arg(qRound(candidate.score * 100)),
            QVariant::fromValue(candidate.encoding));
    }
    if (encodings->count() > 0)
        encodings->insertSeparator(encodings->count());
    for (const Karvo::Encoding &encoding : Karvo::catalogue())
        encodings->addItem(encoding.name(), QVariant::fromValue(encoding));
    encodings->setCurrentIndex(0);
    showPreview();
    status->setText(
        file.status == Karvo::FileStatus::Doubtful ? QString() : Karvo::detailLine(file, options.target.name()));
    convertButton->setEnabled(file.status == Karvo::FileStatus::Doubtful || file.status == Karvo::FileStatus::Failed);
}

void KvReviewDialog::showPreview()
{
    const int row = fileList->currentRow();
    if (row >= 0)
        preview->setPlainText(
            Karvo::previewText(files.at(row).path, encodings->currentData().value<Karvo::Encoding>()));
}

void KvReviewDialog::convertFile()
{
    const int row = fileList->currentRow();
    if (row < 0)
        return;
    Karvo::RunOptions reviewed = options;
    reviewed.sourceEncoding = encodings->currentData().value<Karvo::Encoding>();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const Karvo::FileResult result = Karvo::processFile(Karvo::plannedFrom(files.at(row)), reviewed);
    QGuiApplication::restoreOverrideCursor();

    files[row] = result;
    fileList->item(row)->setText(Karvo::detailLine(result, options.target.name()));
    status->setText(Karvo::detailLine(result, options.target.name()));
    // A refusal leaves the file as it was; another encoding may still fit.
    convertButton->setEnabled(result.status == Karvo::FileStatus::Failed);
    emit fileReviewed(result);
}
