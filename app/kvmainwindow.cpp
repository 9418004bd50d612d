#include "kvmainwindow.h"

#include "dropgraphic.h"
#include "kvresultdialog.h"
#include "report.h"
#include "ui_kvmainwindow.h"
#include "warning.h"

#include <QDebug>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPalette>
#include <QPixmap>
#include <QSettings>
#include <QStringList>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <iterator>

namespace {

// clang-format off
const QString folderIdleStyle = QStringLiteral(
    ".QToolButton { width: 30px; height: 16px; color: gray;  background-color: darkgray; border: none; border-radius: 3px; }");
const QString folderActiveStyle = QStringLiteral(
    ".QToolButton {width: 30px;height: 16px;color: white;background-color:rgb(15,120,255);border: none;border-radius: 3px;}");
// clang-format on

// Larger files are converted only if the user confirms that they are text.
constexpr qint64 largeFileSize = 10 * 1024 * 1024;
constexpr int stepPause = 500;

// The labels never fill their background, so this shows as the text colour.
void setWidgetColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setBrush(QPalette::All, widget->backgroundRole(), QBrush(color));
    palette.setBrush(QPalette::All, widget->foregroundRole(), QBrush(color));
    widget->setPalette(palette);
}

QString chooseWithDialog(QWidget *parent)
{
    return QFileDialog::getExistingDirectory(parent, QString(), QString(), QFileDialog::ShowDirsOnly);
}

} // namespace

KvMainWindow::KvMainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui_KvMainWindow)
    , chooseDirectory(chooseWithDialog)
{
    ui->setupUi(this);
    ui->dropIcon->setPixmap(QPixmap::fromImage(createDropImage(96)));
    ui->folderButton->setToolTip(tr("set save folder."));

    codecs = Karvo::availableCodecs();
    // Inserting the first item already runs on_targetCoding_currentIndexChanged;
    // the default target set below overrides what it picked.
    for (const CodecDescriptor &codec : qAsConst(codecs))
        ui->targetCoding->insertItem(ui->targetCoding->count(), codec.displayName);

    targetIndex = 0;
    targetCodec = Karvo::defaultTargetCodec();
    for (int i = 0; i < codecs.size(); ++i) {
        if (codecs.at(i).mib == targetCodec.mib) {
            targetIndex = i;
            break;
        }
    }
    ui->targetCoding->setCurrentIndex(targetIndex);

    setWidgetColor(ui->dropLabel, Qt::white);
    setWidgetColor(ui->targetLabel, Qt::white);
    setWidgetColor(ui->tishiLabel, Qt::lightGray);
    ui->tishiLabel->setText(tr("replace source file"));

    // Every dropped item goes into one run; fileAccept names only the first.
    connect(ui->dropPage, &KvAcceptFileWidget::filesAccept, this, &KvMainWindow::startRun);

    setWidgetColor(ui->noteLabel, Qt::white);
    setWidgetColor(ui->resultLabel, Qt::white);
    ui->stackedWidget->setCurrentIndex(0);
    ui->checkButton->hide();
    ui->folderButton->setStyleSheet(folderIdleStyle);
    setUpUndoAndSettings();
}

KvMainWindow::~KvMainWindow()
{
    delete ui;
}

void KvMainWindow::setDirectoryChooser(DirectoryChooser chooser)
{
    chooseDirectory = std::move(chooser);
}

void KvMainWindow::fileDragIn(const QString &file)
{
    startRun({file});
}

void KvMainWindow::startRun(const QStringList &paths)
{
    // The drop page is hidden while a run is under way, but a chooser or a
    // shortcut must not start a second one either.
    if (run && run->isRunning())
        return;
    Karvo::RunOptions options;
    options.target = targetCodec;
    options.saveFolder = saveFolder;
    options.recursive = ui->subfolderButton->isChecked();
    options.keepOriginals = true;
    if (undo && undo->isRunning())
        return;
    declined = false;
    run = std::make_unique<Karvo::Run>(options);
    connect(run.get(), &Karvo::Run::walked, this, &KvMainWindow::walked);
    connect(run.get(), &Karvo::Run::progress, this, &KvMainWindow::showProgress);
    connect(run.get(), &Karvo::Run::finished, this, &KvMainWindow::runFinished);

    ui->progressBar->setRange(0, 0);
    ui->cancelButton->setEnabled(true);
    ui->stackedWidget->setCurrentIndex(1);
    QTimer::singleShot(stepPause, this, [this, paths] { processStep2(paths); });
}

void KvMainWindow::processStep2(const QStringList &paths)
{
    results.clear();
    planned = 0;
    ui->noteLabel->setText(tr("Processing") + QStringLiteral(", ") + tr("please waiting..."));
    run->walk(paths);
}

void KvMainWindow::walked()
{
    QVector<Karvo::PlannedFile> files = run->files();
    QVector<Karvo::PlannedFile> large;
    std::copy_if(files.cbegin(), files.cend(), std::back_inserter(large),
        [](const Karvo::PlannedFile &file) { return file.size > largeFileSize; });
    if (!large.isEmpty() && !run->isCancelled()) {
        // One question before the work starts, however many files it covers.
        const QMessageBox::StandardButton answer = large.size() == 1
            ? QMessageBox::question(this, QFileInfo(large.first().path).fileName(),
                tr("File Size > 10 MBytes.\n Does this really a text file?"), QMessageBox::Yes | QMessageBox::No)
            : QMessageBox::question(this, QStringLiteral("Karvo"),
                tr("%n files are larger than 10 MBytes.\nAre they really text files?", nullptr, large.size()),
                QMessageBox::Yes | QMessageBox::No);
        if (answer == QMessageBox::No) {
            qDebug("No was clicked");
            files.erase(std::remove_if(files.begin(), files.end(),
                            [](const Karvo::PlannedFile &file) { return file.size > largeFileSize; }),
                files.end());
        }
    }
    if (!run->isCancelled() && !confirmWithoutUndo(files))
        files.clear();
    if (run->isCancelled())
        files.clear();
    planned = files.size();
    run->process(files);
}

void KvMainWindow::showProgress(int done, int total, const QString &current)
{
    ui->progressBar->setRange(0, total);
    ui->progressBar->setValue(done);
    if (current.isEmpty())
        return;
    const QString text = tr("Processing %1").arg(current);
    ui->noteLabel->setText(ui->noteLabel->fontMetrics().elidedText(text, Qt::ElideMiddle, ui->noteLabel->width()));
}

void KvMainWindow::on_cancelButton_clicked()
{
    if (undo && undo->isRunning()) {
        undo->cancel();
        ui->cancelButton->setEnabled(false);
        ui->noteLabel->setText(tr("Cancelling..."));
        return;
    }
    if (!run)
        return;
    run->cancel();
    ui->cancelButton->setEnabled(false);
    ui->noteLabel->setText(tr("Cancelling..."));
}

void KvMainWindow::runFinished()
{
    results = run->results();
    ui->cancelButton->setEnabled(false);
    // A run of one file tells its failure in a box; larger runs list every
    // reason in Detail instead of a box per file. A file without a codec was
    // never opened for conversion and has nothing more to tell.
    if (planned == 1 && results.size() == 1) {
        const FileResult &result = results.first();
        const bool noCodec = result.detection.kind == DetectResult::Kind::Text && result.detection.mib == -1;
        if (result.status == Karvo::FileStatus::Failed && !noCodec)
            showWarning(this, result.outcome);
    }
    QTimer::singleShot(stepPause, this, &KvMainWindow::processStep3);
}

void KvMainWindow::processStep3()
{
    if (declined) {
        ui->stackedWidget->setCurrentIndex(0);
        return;
    }
    showingUndo = false;
    ui->undoButton->setVisible(run->undoableCount() > 0);
    const bool oneFile = planned == 1 && results.size() == 1;
    ui->resultLabel->setText(Karvo::summaryText(results, run->options().target.name, planned, run->isCancelled()));
    // One file that replaced another in the save folder says so in Detail.
    ui->checkButton->setVisible(!oneFile || results.first().replacedExisting);
    ui->stackedWidget->setCurrentIndex(2);
}

void KvMainWindow::on_checkButton_clicked()
{
    if (showingUndo) {
        QStringList lines;
        for (const Karvo::UndoResult &result : qAsConst(undoResults))
            lines.append(Karvo::undoLine(result));
        KvResultDialog dialog(this);
        dialog.setText(lines.join(QLatin1Char('\n')));
        dialog.exec();
        return;
    }
    const QString target = run ? run->options().target.name : targetCodec.name;
    QStringList lines;
    for (const FileResult &result : qAsConst(results))
        lines.append(Karvo::detailLine(result, target));
    KvResultDialog dialog(this);
    dialog.setText(lines.join(QLatin1Char('\n')));
    dialog.exec();
}

void KvMainWindow::on_backButton_clicked()
{
    ui->stackedWidget->setCurrentIndex(0);
}

void KvMainWindow::on_folderButton_clicked()
{
    if (!saveFolder.isEmpty()) {
        saveFolder.clear();
        ui->folderButton->setStyleSheet(folderIdleStyle);
    } else {
        // The button turns blue while the chooser is open, so the user sees
        // which control asked.
        ui->folderButton->setStyleSheet(folderActiveStyle);
        saveFolder = chooseDirectory(this);
        if (saveFolder.isEmpty())
            ui->folderButton->setStyleSheet(folderIdleStyle);
    }

    if (saveFolder.isEmpty())
        ui->tishiLabel->setText(tr("replace source file"));
    else
        ui->tishiLabel->setText(tr("save to: ") + QFileInfo(saveFolder).fileName());
}

void KvMainWindow::on_targetCoding_currentIndexChanged(int index)
{
    targetIndex = index;
    targetCodec = codecs.at(index);
}

void KvMainWindow::on_moreAppButton_clicked()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral(KARVO_HOMEPAGE), QUrl::TolerantMode));
}

void KvMainWindow::setUpUndoAndSettings()
{
    ui->undoButton->hide();
    ui->subfolderButton->setStyleSheet(folderIdleStyle);
    restoreSettings();
    // Connected after the restore, so that restoring saves nothing, and
    // after the form's own slots, so that these see the new state.
    connect(ui->targetCoding, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &KvMainWindow::saveSettings);
    connect(ui->folderButton, &QToolButton::clicked, this, &KvMainWindow::saveSettings);
    connect(ui->subfolderButton, &QToolButton::toggled, this, &KvMainWindow::saveSettings);
    connect(ui->stackedWidget, &QStackedWidget::currentChanged, this, [this](int page) {
        if (page == 0)
            refreshUndoEntry();
    });
    refreshUndoEntry();
}

void KvMainWindow::restoreSettings()
{
    QSettings settings;
    const QString target = settings.value(QStringLiteral("target")).toString();
    for (int i = 0; i < codecs.size(); ++i) {
        if (codecs.at(i).name == target)
            ui->targetCoding->setCurrentIndex(i);
    }
    const QString folder = settings.value(QStringLiteral("saveFolder")).toString();
    if (QFileInfo(folder).isDir()) {
        saveFolder = folder;
        ui->folderButton->setChecked(true);
        ui->folderButton->setStyleSheet(folderActiveStyle);
        ui->tishiLabel->setText(tr("save to: ") + QFileInfo(saveFolder).fileName());
    } else if (!folder.isEmpty()) {
        // A folder on a drive that is gone now, say: never write anywhere
        // but where the user chose.
        settings.remove(QStringLiteral("saveFolder"));
        ui->tishiLabel->setText(tr("%1 is gone: replace source file").arg(QFileInfo(folder).fileName()));
    }
    ui->subfolderButton->setChecked(settings.value(QStringLiteral("subfolders"), false).toBool());
}

void KvMainWindow::saveSettings()
{
    QSettings settings;
    settings.setValue(QStringLiteral("target"), targetCodec.name);
    settings.setValue(QStringLiteral("saveFolder"), saveFolder);
    settings.setValue(QStringLiteral("subfolders"), ui->subfolderButton->isChecked());
}

void KvMainWindow::on_subfolderButton_toggled(bool checked)
{
    ui->subfolderButton->setStyleSheet(checked ? folderActiveStyle : folderIdleStyle);
}

void KvMainWindow::refreshUndoEntry()
{
    const QList<Karvo::UndoRunInfo> runs = Karvo::UndoStore().runs();
    ui->undoLastButton->setVisible(!runs.isEmpty());
    if (runs.isEmpty())
        return;
    const Karvo::UndoRunInfo &last = runs.first();
    const QString files = last.files == 1 ? tr("1 file") : tr("%1 files").arg(last.files);
    ui->undoLastButton->setToolTip(tr("Undo the run of %1: %2 to %3")
                                       .arg(QLocale().toString(last.date, QLocale::ShortFormat), files, last.target));
}

bool KvMainWindow::confirmWithoutUndo(const QVector<Karvo::PlannedFile> &files)
{
    const QString problem = files.isEmpty() ? QString() : run->undoProblem(files);
    if (problem.isEmpty())
        return true;
    // One question for the whole run, before anything is written.
    const QMessageBox::StandardButton answer = QMessageBox::question(this, QStringLiteral("Karvo"),
        problem + QLatin1Char('\n') + tr("Convert anyway, without Undo?"), QMessageBox::Yes | QMessageBox::No);
    declined = answer != QMessageBox::Yes;
    run->setKeepOriginals(false);
    return !declined;
}

void KvMainWindow::on_undoButton_clicked()
{
    if (run)
        startUndo(run->undoRunId());
}

void KvMainWindow::on_undoLastButton_clicked()
{
    const QList<Karvo::UndoRunInfo> runs = Karvo::UndoStore().runs();
    if (!runs.isEmpty())
        startUndo(runs.first().id);
}

void KvMainWindow::startUndo(const QString &runId)
{
    if (runId.isEmpty() || (run && run->isRunning()) || (undo && undo->isRunning()))
        return;
    undo = std::make_unique<Karvo::Undo>(Karvo::UndoStore(), runId);
    connect(undo.get(), &Karvo::Undo::progress, this, &KvMainWindow::showProgress);
    connect(undo.get(), &Karvo::Undo::finished, this, &KvMainWindow::undoFinished);
    ui->progressBar->setRange(0, 0);
    ui->cancelButton->setEnabled(true);
    ui->noteLabel->setText(tr("Undoing..."));
    ui->stackedWidget->setCurrentIndex(1);
    undo->start();
}

void KvMainWindow::undoFinished()
{
    undoResults = undo->results();
    showingUndo = true;
    ui->cancelButton->setEnabled(false);
    ui->resultLabel->setText(Karvo::undoSummary(undoResults, undo->total(), undo->isCancelled()));
    ui->checkButton->show();
    ui->undoButton->hide();
    ui->stackedWidget->setCurrentIndex(2);
}
