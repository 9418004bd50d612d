#include "kvresultdialog.h"

#include "detailmodel.h"
#include "filemanager.h"
#include "ui_kvresultdialog.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

// Long file names keep both ends, the folder and the extension; other
// columns end in an ellipsis where they are cut.
class FileColumnDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->textElideMode = Qt::ElideMiddle;
    }
};

QString chooseWithDialog(QWidget *parent, const QString &suggested)
{
    return QFileDialog::getSaveFileName(parent, KvResultDialog::tr("Save as CSV"), suggested,
        //: The file type filter of the save dialog; keep (*.csv) as it is.
        KvResultDialog::tr("CSV files (*.csv)"));
}

} // namespace

KvResultDialog::KvResultDialog(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui_KvResultDialog)
    , model(new DetailModel(this))
    , filter(new DetailFilter(this))
    , chooseSave(chooseWithDialog)
    , reveal(showInFileManager)
{
    ui->setupUi(this);
    filter->setSourceModel(model);
    QTableView *view = ui->resultTable;
    view->setModel(filter);
    // The order of the run until the user sorts by a column.
    view->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    view->setSortingEnabled(true);
    view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    view->horizontalHeader()->setStretchLastSection(true);
    view->setItemDelegateForColumn(DetailModel::File, new FileColumnDelegate(view));
    view->verticalHeader()->hide();
    view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);

    //: Copies the selected rows of the Detail table as text
    QPushButton *copy = ui->buttonBox->addButton(tr("Copy"), QDialogButtonBox::ActionRole);
    copy->setObjectName(QStringLiteral("copyButton"));
    QPushButton *save = ui->buttonBox->addButton(tr("Save as CSV..."), QDialogButtonBox::ActionRole);
    save->setObjectName(QStringLiteral("saveButton"));
    auto *copyAction = new QAction(view);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setShortcutContext(Qt::WidgetShortcut);
    view->addAction(copyAction);

    connect(copy, &QPushButton::clicked, this, &KvResultDialog::copySelected);
    connect(copyAction, &QAction::triggered, this, &KvResultDialog::copySelected);
    connect(save, &QPushButton::clicked, this, &KvResultDialog::saveCsv);
    connect(ui->problemsOnly, &QCheckBox::toggled, filter, &DetailFilter::setProblemsOnly);
    connect(view, &QTableView::doubleClicked, this, &KvResultDialog::revealRow);
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        [this, copy] { copy->setEnabled(ui->resultTable->selectionModel()->hasSelection()); });
    copy->setEnabled(false);
}

KvResultDialog::~KvResultDialog()
{
    delete ui;
}

QTableView *KvResultDialog::table() const
{
    return ui->resultTable;
}

void KvResultDialog::setRecords(const QList<Karvo::FileResult> &results, const QString &target)
{
    model->setRecords(results, target);
    showColumns();
}

void KvResultDialog::setUndoRecords(const QList<Karvo::UndoResult> &results)
{
    model->setUndoRecords(results);
    showColumns();
}

void KvResultDialog::showColumns()
{
    QTableView *view = ui->resultTable;
    view->setColumnHidden(DetailModel::From, !model->hasEncodings());
    view->setColumnHidden(DetailModel::To, !model->hasEncodings());
    // Wide enough for what most rows hold, measured on the first few hundred.
    view->horizontalHeader()->setResizeContentsPrecision(200);
    // The reason, the longest, takes what the others leave.
    for (int column = DetailModel::Status; column < DetailModel::Reason; ++column)
        view->resizeColumnToContents(column);
    view->setColumnWidth(DetailModel::File, qMin(view->columnWidth(DetailModel::File), 240));
    view->setColumnWidth(DetailModel::From, qMin(view->columnWidth(DetailModel::From), 160));
}

QString KvResultDialog::selectedText() const
{
    QModelIndexList rows = ui->resultTable->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    QStringList lines;
    for (const QModelIndex &row : qAsConst(rows))
        lines.append(model->rowText(filter->mapToSource(row).row()));
    return lines.join(QLatin1Char('\n'));
}

void KvResultDialog::copySelected()
{
    const QString text = selectedText();
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text + QLatin1Char('\n'));
}

void KvResultDialog::saveCsv()
{
    //: The name the CSV file is offered under
    const QString path = chooseSave(this, QDir::home().filePath(tr("karvo-detail.csv")));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    const QByteArray bytes = model->csv().toUtf8();
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return;
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Karvo"),
        //: %1 is a file's path, %2 the system's reason
        tr("Could not save %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()), QMessageBox::Ok, this);
    box.exec();
}

void KvResultDialog::revealRow(const QModelIndex &index)
{
    const QString path = index.data(DetailModel::PathRole).toString();
    if (!path.isEmpty())
        reveal(path);
}
