#include "kvreviewdialog.h"

#include "encoding.h"
#include "preview.h"
#include "report.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QThreadPool>
#include <QTreeWidget>

namespace {

// A file that may be converted from the review: still doubtful, or refused
// by an earlier try, which wrote nothing. A converted file must never be
// read once more as something it no longer is.
bool convertible(const Karvo::FileResult &file)
{
    return file.status == Karvo::FileStatus::Doubtful || file.status == Karvo::FileStatus::Failed;
}

} // namespace

KvReviewDialog::KvReviewDialog(const QList<Karvo::FileResult> &doubtful, const QString &target, QWidget *parent)
    : QDialog(parent)
    , files(doubtful)
    , target(target)
{
    setObjectName(QStringLiteral("KvReviewDialog"));
    setWindowTitle(tr("Review"));
    setSizeGripEnabled(true);
    resize(760, 460);

    list = new QTreeWidget(this);
    list->setObjectName(QStringLiteral("fileList"));
    list->setAccessibleName(tr("Files to review"));
    list->setRootIsDecorated(false);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setTextElideMode(Qt::ElideMiddle);
    //: Columns of the review's file list: the file, and the encoding Karvo thinks likeliest
    list->setHeaderLabels({tr("File"), tr("Likely")});
    for (const Karvo::FileResult &file : qAsConst(files)) {
        auto *item = new QTreeWidgetItem(list);
        item->setText(0, file.fileName);
        item->setToolTip(0, file.path);
    }
    showResults({});
    list->header()->setStretchLastSection(false);
    list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    list->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);

    encodings = new QComboBox(this);
    encodings->setObjectName(QStringLiteral("encodingBox"));
    encodings->setAccessibleName(tr("Encoding of the file"));
    preview = new QPlainTextEdit(this);
    preview->setObjectName(QStringLiteral("previewText"));
    preview->setReadOnly(true);
    preview->setLineWrapMode(QPlainTextEdit::NoWrap);
    preview->setAccessibleName(tr("The start of the file, read in that encoding"));
    status = new QLabel(this);
    status->setObjectName(QStringLiteral("statusLabel"));
    status->setTextFormat(Qt::PlainText);
    status->setWordWrap(true);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    convertButton = buttons->addButton(tr("Use this encoding for all selected"), QDialogButtonBox::ActionRole);
    convertButton->setObjectName(QStringLiteral("convertButton"));

    auto *layout = new QGridLayout(this);
    auto *label = new QLabel(tr("Karvo is not sure which encoding these files are in. Select files, pick the "
                                "encoding in which the text reads right, and convert them; files you do not "
                                "convert stay as they are."),
        this);
    label->setWordWrap(true);
    layout->addWidget(label, 0, 0, 1, 2);
    layout->addWidget(list, 1, 0, 3, 1);
    layout->addWidget(encodings, 1, 1);
    layout->addWidget(preview, 2, 1);
    layout->addWidget(status, 3, 1);
    layout->addWidget(buttons, 4, 0, 1, 2);
    layout->setColumnStretch(0, 2);
    layout->setColumnStretch(1, 3);
    layout->setRowStretch(2, 1);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(list, &QTreeWidget::currentItemChanged, this, &KvReviewDialog::showFile);
    connect(list, &QTreeWidget::itemSelectionChanged, this, &KvReviewDialog::updateButton);
    connect(encodings, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &KvReviewDialog::showPreview);
    connect(convertButton, &QPushButton::clicked, this, [this] {
        const QStringList paths = selectedPaths();
        const Karvo::Encoding encoding = encodings->currentData().value<Karvo::Encoding>();
        if (!paths.isEmpty() && encoding.isValid())
            emit convertRequested(paths, encoding);
    });
    if (list->topLevelItemCount() > 0)
        list->setCurrentItem(list->topLevelItem(0));
}

int KvReviewDialog::currentIndex() const
{
    return list->indexOfTopLevelItem(list->currentItem());
}

QStringList KvReviewDialog::selectedPaths() const
{
    QStringList paths;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->isSelected() && convertible(files.at(i)))
            paths.append(files.at(i).path);
    }
    return paths;
}

void KvReviewDialog::showFile()
{
    const int row = currentIndex();
    if (row < 0)
        return;
    const Karvo::FileResult &file = files.at(row);
    const QSignalBlocker blocker(encodings);
    const Karvo::Encoding picked = encodings->currentData().value<Karvo::Encoding>();
    encodings->clear();
    // The likely encodings first, with how well the text reads in each, then
    // every encoding there is, for the rare file none of them fits.
    for (const DetectResult::Candidate &candidate : file.detection.candidates) {
        //: An encoding and how well the file reads in it, as in "GB18030 (62 %)"
        encodings->addItem(tr("%1 (%2 %)").arg(candidate.encoding.name()).arg(qRound(candidate.score * 100)),
            QVariant::fromValue(candidate.encoding));
    }
    if (encodings->count() > 0)
        encodings->insertSeparator(encodings->count());
    for (const Karvo::Encoding &encoding : Karvo::catalogue())
        encodings->addItem(encoding.name(), QVariant::fromValue(encoding));
    // Moving through the list keeps the encoding the user picked, so that it
    // can be checked against file after file.
    const int kept = picked.isValid() ? encodings->findData(QVariant::fromValue(picked)) : -1;
    encodings->setCurrentIndex(kept >= 0 ? kept : 0);
    showPreview();
    const Karvo::ReportRow words = Karvo::reportRow(file, target);
    //: A reviewed file's status and why, as in "Failed: Could not convert file: ..."
    status->setText(
        file.status == Karvo::FileStatus::Doubtful ? QString() : tr("%1: %2").arg(words.status, words.reason));
}

// The file is read on the pool, never on the window's thread; a preview
// that comes back after another was asked for is dropped.
void KvReviewDialog::showPreview()
{
    const int row = currentIndex();
    if (row < 0)
        return;
    const QString path = files.at(row).path;
    const Karvo::Encoding encoding = encodings->currentData().value<Karvo::Encoding>();
    const int request = ++previewRequest;
    const QPointer<KvReviewDialog> self(this);
    QThreadPool::globalInstance()->start([self, path, encoding, request] {
        const QString text = Karvo::previewText(path, encoding);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, text, request] {
                if (self && self->previewRequest == request)
                    self->preview->setPlainText(text);
            },
            Qt::QueuedConnection);
    });
}

void KvReviewDialog::showResults(const QList<Karvo::FileResult> &results)
{
    for (const Karvo::FileResult &result : results) {
        for (Karvo::FileResult &file : files) {
            if (file.path == result.path)
                file = result;
        }
    }
    for (int i = 0; i < files.size(); ++i) {
        const Karvo::FileResult &file = files.at(i);
        QTreeWidgetItem *item = list->topLevelItem(i);
        if (file.status == Karvo::FileStatus::Doubtful && !file.detection.candidates.isEmpty()) {
            const DetectResult::Candidate &best = file.detection.candidates.first();
            item->setText(1, tr("%1 (%2 %)").arg(best.encoding.name()).arg(qRound(best.score * 100)));
            item->setToolTip(1, QString());
        } else {
            const Karvo::ReportRow row = Karvo::reportRow(file, target);
            item->setText(1, row.status);
            item->setToolTip(1, row.reason);
        }
    }
    if (!results.isEmpty())
        showFile();
    updateButton();
}

void KvReviewDialog::setConverting(bool converting)
{
    busy = converting;
    if (converting)
        status->setText(tr("Converting..."));
    updateButton();
}

void KvReviewDialog::updateButton()
{
    if (convertButton)
        convertButton->setEnabled(!busy && !selectedPaths().isEmpty());
}
