#include "kvmainwindow.h"

#include "dropgraphic.h"
#include "kvresultdialog.h"
#include "kvreviewdialog.h"
#include "report.h"
#include "ui_kvmainwindow.h"
#include "warning.h"

#include <QCompleter>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QPixmap>
#include <QSignalBlocker>
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

    fillTargetList();
    targetCodec = Karvo::defaultTargetCodec();
    selectTarget(Karvo::findCodec(codecs, targetCodec.name));

    setWidgetColor(ui->dropLabel, Qt::white);
    setWidgetColor(ui->targetLabel, Qt::white);
    setWidgetColor(ui->tishiLabel, Qt::lightGray);
    showSaveFolder();

    // Every dropped item goes into one run; fileAccept names only the first.
    connect(ui->dropPage, &KvAcceptFileWidget::filesAccept, this, &KvMainWindow::startRun);

    setWidgetColor(ui->noteLabel, Qt::white);
    setWidgetColor(ui->resultLabel, Qt::white);
    ui->stackedWidget->setCurrentIndex(0);
    ui->checkButton->hide();
    ui->reviewButton->hide();
    ui->folderButton->setStyleSheet(folderIdleStyle);
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
    const bool doubtful = showSummary();
    ui->stackedWidget->setCurrentIndex(2);
    // A file dropped alone whose encoding is uncertain is reviewed at once.
    if (doubtful && planned == 1 && results.size() == 1)
        QTimer::singleShot(0, this, &KvMainWindow::on_reviewButton_clicked);
}

// Writes the summary of the last run; true when files await review.
bool KvMainWindow::showSummary()
{
    const bool oneFile = planned == 1 && results.size() == 1;
    QList<FileResult> shown = results;
    if (oneFile) {
        // A long name would push the status and the encodings out of the
        // label; it is shortened in the middle, and Detail has it whole.
        const QFontMetrics metrics(ui->resultLabel->font());
        const int room = ui->resultLabel->width() - metrics.horizontalAdvance(QStringLiteral("[Success] ")) - 8;
        shown.first().fileName = metrics.elidedText(shown.first().fileName, Qt::ElideMiddle, room);
    }
    ui->resultLabel->setText(Karvo::summaryText(shown, run->options().target.name, planned, run->isCancelled()));
    ui->checkButton->setVisible(!oneFile);
    const bool doubtful = std::any_of(results.cbegin(), results.cend(),
        [](const FileResult &result) { return result.status == Karvo::FileStatus::Doubtful; });
    ui->reviewButton->setVisible(doubtful);
    return doubtful;
}

void KvMainWindow::on_reviewButton_clicked()
{
    QList<FileResult> doubtful;
    std::copy_if(results.cbegin(), results.cend(), std::back_inserter(doubtful),
        [](const FileResult &result) { return result.status == Karvo::FileStatus::Doubtful; });
    if (doubtful.isEmpty())
        return;
    KvReviewDialog dialog(doubtful, run->options(), this);
    connect(&dialog, &KvReviewDialog::fileReviewed, this, [this](const FileResult &reviewed) {
        for (FileResult &result : results) {
            if (result.path == reviewed.path)
                result = reviewed;
        }
    });
    dialog.exec();
    showSummary();
}

void KvMainWindow::on_checkButton_clicked()
{
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
    showSaveFolder();
}

// The whole path, shortened in the middle to fit: two folders named "out"
// must not look the same.
void KvMainWindow::showSaveFolder()
{
    QLabel *label = ui->tishiLabel;
    if (saveFolder.isEmpty()) {
        label->setText(tr("replace source file"));
        label->setToolTip(QString());
        ui->folderButton->setToolTip(tr("Choose a save folder"));
        return;
    }
    const QString prefix = tr("save to: ");
    const QString path = QDir::toNativeSeparators(saveFolder);
    const QFontMetrics metrics(label->font());
    label->setText(
        prefix + metrics.elidedText(path, Qt::ElideMiddle, label->width() - metrics.horizontalAdvance(prefix) - 4));
    label->setToolTip(path);
    ui->folderButton->setToolTip(tr("Stop saving to %1: replace the source files").arg(path));
}

void KvMainWindow::on_targetCoding_currentIndexChanged(int index)
{
    // The separator between the common targets and the rest has no codec.
    const QVariant entry = ui->targetCoding->itemData(index);
    if (!entry.isValid())
        return;
    targetIndex = entry.toInt();
    targetCodec = codecs.at(targetIndex);
}

void KvMainWindow::fillTargetList()
{
    codecs = Karvo::availableCodecs();
    QComboBox *box = ui->targetCoding;
    const QSignalBlocker blocker(box);
    QStringList completions;
    for (int i = 0; i < codecs.size(); ++i) {
        const CodecDescriptor &codec = codecs.at(i);
        if (i > 0 && codecs.at(i - 1).common && !codec.common)
            box->insertSeparator(box->count());
        box->addItem(codec.displayName, i);
        completions.append(codec.aliases.isEmpty()
                ? codec.name
                : QStringLiteral("%1 (%2)").arg(codec.name, codec.aliases.join(QStringLiteral(", "))));
    }

    // Typing filters the list by any part of a name or alias ("1252",
    // "latin1"). Qt's own inline completion would fill in the first name
    // that begins with the text, so that Enter after "iso-8859-1" chose
    // ISO-8859-10: it is replaced by a popup that only suggests.
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    auto *completer = new QCompleter(completions, box);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    box->lineEdit()->setCompleter(completer);
    connect(completer, QOverload<const QString &>::of(&QCompleter::activated), this,
        [this, completions](const QString &text) { selectTarget(completions.indexOf(text)); });
    connect(box->lineEdit(), &QLineEdit::editingFinished, this,
        [this] { selectTarget(Karvo::findCodec(codecs, ui->targetCoding->lineEdit()->text())); });
}

// Makes entry `index` of the catalogue the target; anything else (a name
// that matches no codec, or several) leaves the target as it was.
void KvMainWindow::selectTarget(int index)
{
    QComboBox *box = ui->targetCoding;
    if (index >= 0)
        box->setCurrentIndex(box->findData(index));
    box->lineEdit()->setText(box->itemText(box->currentIndex()));
}

void KvMainWindow::on_moreAppButton_clicked()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral(KARVO_HOMEPAGE), QUrl::TolerantMode));
}
