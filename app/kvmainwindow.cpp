#include "kvmainwindow.h"

#include "dropgraphic.h"
#include "kvresultdialog.h"
#include "kvreviewdialog.h"
#include "report.h"
#include "ui_kvmainwindow.h"
#include "warning.h"

#include <QAccessible>
#include <QAction>
#include <QCompleter>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <QSettings>
#include <QSignalBlocker>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <QWindow>

#include <algorithm>
#include <iterator>

namespace {

// The flat buttons draw no focus frame of their own; keyboard users need one.
const QString focusStyle = QStringLiteral("\n.QToolButton:focus { border: 1px solid white; }");
// clang-format off
const QString folderIdleStyle = QStringLiteral(
    ".QToolButton { width: 30px; height: 16px; color: gray;  background-color: darkgray; border: none; border-radius: 3px; }") + focusStyle;
const QString folderActiveStyle = QStringLiteral(
    ".QToolButton {width: 30px;height: 16px;color: white;background-color:rgb(15,120,255);border: none;border-radius: 3px;}") + focusStyle;
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

QString chooseWithDialog(QWidget *parent, const QString &caption)
{
    return QFileDialog::getExistingDirectory(parent, caption, QString(), QFileDialog::ShowDirsOnly);
}

QStringList chooseFilesWithDialog(QWidget *parent)
{
    return QFileDialog::getOpenFileNames(parent, KvMainWindow::tr("Choose files to convert"));
}

// Shows `text` in `label`, at `largest` points or, where it would not fit (a
// longer language, a run with much to tell), as large as it fits.
void setFittingText(QLabel *label, const QString &text, int largest)
{
    QFont font = label->font();
    for (int size = largest; size > 8; --size) {
        font.setPointSize(size);
        const QRect needed
            = QFontMetrics(font).boundingRect(QRect(0, 0, label->width(), 0), Qt::AlignCenter | Qt::TextWordWrap, text);
        if (needed.height() <= label->height() && needed.width() <= label->width())
            break;
    }
    label->setFont(font);
    label->setText(text);
}

} // namespace

KvMainWindow::KvMainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui_KvMainWindow)
    , chooseDirectory(chooseWithDialog)
    , chooseFileList(chooseFilesWithDialog)
{
    ui->setupUi(this);
    updateDropGraphic();

    fillTargetList();
    targetCodec = Karvo::defaultTargetCodec();
    selectTarget(Karvo::findEncoding(targetCodec.name()));

    setWidgetColor(ui->dropLabel, Qt::white);
    setWidgetColor(ui->targetLabel, Qt::white);
    setWidgetColor(ui->tishiLabel, Qt::lightGray);
    showSaveFolder();

    // Every dropped item goes into one run; fileAccept names only the first.
    connect(ui->dropPage, &KvAcceptFileWidget::filesAccept, this, &KvMainWindow::startRun);

    setWidgetColor(ui->noteLabel, Qt::white);
    setWidgetColor(ui->resultLabel, Qt::white);
    summaryPointSize = ui->resultLabel->font().pointSize();
    ui->stackedWidget->setCurrentIndex(0);
    ui->checkButton->hide();
    ui->reviewButton->hide();
    ui->folderButton->setStyleSheet(folderIdleStyle);
    setUpKeyboardAndAccessibility();
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

void KvMainWindow::setFileChooser(FileChooser chooser)
{
    chooseFileList = std::move(chooser);
}

void KvMainWindow::setUpKeyboardAndAccessibility()
{
    // The drop graphic doubles as the button that opens the file chooser.
    ui->dropIcon->setFocusPolicy(Qt::StrongFocus);
    ui->dropIcon->setCursor(Qt::PointingHandCursor);
    ui->dropLabel->setCursor(Qt::PointingHandCursor);
    ui->dropIcon->installEventFilter(this);
    ui->dropLabel->installEventFilter(this);
    connect(ui->dropPage, &KvAcceptFileWidget::highlightChanged, this, &KvMainWindow::updateDropGraphic);
    connect(ui->stackedWidget, &QStackedWidget::currentChanged, this, &KvMainWindow::pageShown);
    ui->targetLabel->setBuddy(ui->targetCoding);

    // Hidden pages and buttons drop out of the chain, so one chain serves
    // all three pages.
    const QList<QWidget *> chain
        = {ui->dropIcon, ui->targetCoding, ui->folderButton, ui->subfolderButton, ui->moreAppButton, ui->undoLastButton,
            ui->cancelButton, ui->checkButton, ui->reviewButton, ui->undoButton, ui->backButton};
    for (int i = 2; i < chain.size(); ++i) {
        auto *button = static_cast<QToolButton *>(chain.at(i));
        button->setFocusPolicy(Qt::TabFocus);
        // The two folder toggles' looks already carry it.
        if (button != ui->folderButton && button != ui->subfolderButton)
            button->setStyleSheet(button->styleSheet() + focusStyle);
    }
    for (int i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));

    // A button's shortcut only works while the button is visible, so Escape
    // cancels on the processing page and goes back on the result page.
    ui->cancelButton->setShortcut(QKeySequence(Qt::Key_Escape));
    ui->backButton->setShortcut(QKeySequence(Qt::Key_Escape));
    auto addShortcut = [this](const QKeySequence &keys, void (KvMainWindow::*slot)()) {
        auto *action = new QAction(this);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
    };
    addShortcut(QKeySequence::Open, &KvMainWindow::chooseFiles);
    addShortcut(QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_O), &KvMainWindow::chooseFolder);
    auto *quit = new QAction(this);
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);
    addAction(quit);

    ui->dropPage->setAccessibleName(tr("Convert files"));
    ui->dropPage->setAccessibleDescription(
        tr("Drop text files or folders here, or choose them, to rewrite them in the encoding under To."));
    //: The drop graphic, which opens the file chooser when clicked.
    ui->dropIcon->setAccessibleName(tr("Choose files"));
    ui->dropIcon->setAccessibleDescription(
        tr("Opens a file chooser. Ctrl+O chooses files, Ctrl+Shift+O a folder; dropping them here works too."));
    ui->targetCoding->setAccessibleName(tr("Target encoding"));
    ui->targetCoding->setAccessibleDescription(tr("The encoding the files are rewritten in."));
    ui->folderButton->setAccessibleName(tr("Save folder"));
    ui->folderButton->setAccessibleDescription(
        tr("Chooses a folder for converted copies; pressed again, files are replaced in place."));
    //: Karvo's web site.
    ui->moreAppButton->setAccessibleName(tr("Home page"));
    ui->moreAppButton->setAccessibleDescription(tr("Opens Karvo's home page in the web browser."));
    ui->notePage->setAccessibleName(tr("Processing"));
    ui->notePage->setAccessibleDescription(tr("Shows the progress of the files being converted."));
    ui->progressBar->setAccessibleName(tr("Progress"));
    ui->progressBar->setAccessibleDescription(tr("Files done out of the files found."));
    ui->cancelButton->setAccessibleName(tr("Cancel"));
    ui->cancelButton->setAccessibleDescription(tr("Stops after the file being written; Escape does the same."));
    //: The page that shows the outcome of a run.
    ui->resultPage->setAccessibleName(tr("Result"));
    ui->resultPage->setAccessibleDescription(tr("Tells how the last run went."));
    ui->subfolderButton->setAccessibleName(tr("Subfolders"));
    ui->subfolderButton->setAccessibleDescription(
        tr("When on, a dropped folder is converted with all its subfolders."));
    ui->undoLastButton->setAccessibleName(tr("Undo last run"));
    ui->undoLastButton->setAccessibleDescription(tr("Puts the files of the last run back as they were."));
    ui->reviewButton->setAccessibleName(tr("Review"));
    ui->reviewButton->setAccessibleDescription(
        tr("Shows the files whose encoding is uncertain, to convert each with the encoding you pick."));
    ui->undoButton->setAccessibleName(tr("Undo"));
    ui->undoButton->setAccessibleDescription(tr("Puts every file of this run back as it was."));
    ui->checkButton->setAccessibleName(tr("Detail"));
    ui->checkButton->setAccessibleDescription(tr("Lists every file of the run and what became of it."));
    ui->backButton->setAccessibleName(tr("Back"));
    ui->backButton->setAccessibleDescription(tr("Returns to the drop page; Escape does the same."));
    pageShown(ui->stackedWidget->currentIndex());
}

void KvMainWindow::updateDropGraphic()
{
    const bool lit = ui->dropPage->isHighlighted() || dropIconTabbedTo;
    ui->dropIcon->setPixmap(QPixmap::fromImage(
        createDropImage(96, ui->dropIcon->devicePixelRatioF(), lit ? dropGraphicHighlightAlpha : dropGraphicAlpha)));
}

bool KvMainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != ui->dropIcon && watched != ui->dropLabel)
        return QMainWindow::eventFilter(watched, event);
    auto *widget = static_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->pos())) {
            chooseFiles();
            return true;
        }
        break;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            chooseFiles();
            return true;
        }
        break;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        // Lit only when reached with the keyboard: focus given on start-up
        // or by a click needs no sign.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        dropIconTabbedTo
            = event->type() == QEvent::FocusIn && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason);
        updateDropGraphic();
        break;
    }
    case QEvent::Show:
        // The window exists by now; moving to a screen of another pixel
        // ratio repaints the graphic for it.
        if (QWindow *handle = window()->windowHandle())
            connect(handle, &QWindow::screenChanged, this, &KvMainWindow::updateDropGraphic, Qt::UniqueConnection);
        updateDropGraphic();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void KvMainWindow::chooseFiles()
{
    if (ui->stackedWidget->currentIndex() == 1)
        return;
    const QStringList files = chooseFileList(this);
    if (!files.isEmpty())
        startRun(files);
}

void KvMainWindow::chooseFolder()
{
    if (ui->stackedWidget->currentIndex() == 1)
        return;
    const QString folder = chooseDirectory(this, tr("Choose a folder to convert"));
    if (!folder.isEmpty())
        startRun({folder});
}

void KvMainWindow::pageShown(int index)
{
    // Focus follows the page, and a screen reader hears what it now shows.
    switch (index) {
    case 0:
        ui->dropIcon->setFocus();
        break;
    case 1:
        ui->cancelButton->setFocus();
        announce(ui->notePage, tr("Converting files, please wait."));
        break;
    case 2:
        ui->backButton->setFocus();
        announce(ui->resultPage, ui->resultLabel->text());
        break;
    default:
        break;
    }
}

void KvMainWindow::announce(QWidget *page, const QString &text)
{
    if (text.isEmpty())
        return;
    page->setAccessibleDescription(text);
    QAccessibleEvent changed(page, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&changed);
    QAccessibleEvent alert(page, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void KvMainWindow::fileDragIn(const QString &file)
{
    startRun({file});
}

void KvMainWindow::startRun(const QStringList &paths)
{
    // The drop page is hidden while a run is under way, but a chooser or a
    // shortcut must not start a second one either, not even in the pauses
    // before and after the work, when the run is not yet or no longer busy.
    if ((run && run->isRunning()) || ui->stackedWidget->currentIndex() == 1)
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
    ui->noteLabel->setText(tr("Processing, please waiting..."));
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
            //: Asked before converting a file larger than 10 MB; its name is the box's title.
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
        const bool noCodec = result.detection.kind == DetectResult::Kind::Text && !result.detection.encoding.isValid();
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
        QFont font = ui->resultLabel->font();
        font.setPointSize(summaryPointSize);
        const QFontMetrics metrics(font);
        const QString status = QCoreApplication::translate("Karvo::Report", "[Success] ");
        const int room = ui->resultLabel->width() - metrics.horizontalAdvance(status) - 8;
        shown.first().fileName = metrics.elidedText(shown.first().fileName, Qt::ElideMiddle, room);
    }
    setFittingText(ui->resultLabel,
        Karvo::summaryText(shown, run->options().target.name(), planned, run->isCancelled()), summaryPointSize);
    // One file that replaced another in the save folder says so in Detail.
    ui->checkButton->setVisible(!oneFile || results.first().outcome.notices);
    const bool doubtful = std::any_of(results.cbegin(), results.cend(),
        [](const FileResult &result) { return result.status == Karvo::FileStatus::Doubtful; });
    ui->reviewButton->setVisible(doubtful);
    // Detail stands under the middle of the summary unless Review is beside it.
    const int left = doubtful ? ui->reviewButton->x() - 8 - ui->checkButton->width()
                              : ui->backButton->geometry().center().x() - ui->checkButton->width() / 2;
    ui->checkButton->move(left, ui->checkButton->y());
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
    if (showingUndo) {
        QStringList lines;
        for (const Karvo::UndoResult &result : qAsConst(undoResults))
            lines.append(Karvo::undoLine(result));
        KvResultDialog dialog(this);
        dialog.setText(lines.join(QLatin1Char('\n')));
        dialog.exec();
        return;
    }
    const QString target = run ? run->options().target.name() : targetCodec.name();
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
        saveFolder = chooseDirectory(this, tr("Choose a folder to save converted files in"));
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
    //: Under the target encoding: converted files go into the folder %1.
    const QString text = tr("save to: %1");
    const QString path = QDir::toNativeSeparators(saveFolder);
    const QFontMetrics metrics(label->font());
    const int room = label->width() - metrics.horizontalAdvance(text.arg(QString())) - 4;
    label->setText(text.arg(metrics.elidedText(path, Qt::ElideMiddle, room)));
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
        const Karvo::Encoding &codec = codecs.at(i);
        if (i > 0 && codecs.at(i - 1).isCommon() && !codec.isCommon())
            box->insertSeparator(box->count());
        box->addItem(codec.name(), i);
        completions.append(codec.aliases().isEmpty()
                ? codec.name()
                : QStringLiteral("%1 (%2)").arg(codec.name(), codec.aliases().join(QStringLiteral(", "))));
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
        [this] { selectTarget(Karvo::findEncoding(ui->targetCoding->lineEdit()->text())); });
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

void KvMainWindow::setUpUndoAndSettings()
{
    ui->undoButton->hide();
    // The link's text is longer in some languages than in others: it grows
    // to the left from the top right corner, clear of the Home button.
    QToolButton *last = ui->undoLastButton;
    const QRect place = last->geometry();
    const int room = place.right() - ui->moreAppButton->geometry().right() - 8;
    const int width = qMin(last->fontMetrics().horizontalAdvance(last->text()) + 12, room);
    last->setGeometry(place.right() + 1 - width, place.y(), width, place.height());
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
        if (codecs.at(i).name() == target)
            ui->targetCoding->setCurrentIndex(i);
    }
    const QString folder = settings.value(QStringLiteral("saveFolder")).toString();
    if (QFileInfo(folder).isDir()) {
        saveFolder = folder;
        ui->folderButton->setChecked(true);
        ui->folderButton->setStyleSheet(folderActiveStyle);
        ui->tishiLabel->setText(tr("save to: %1").arg(QFileInfo(saveFolder).fileName()));
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
    settings.setValue(QStringLiteral("target"), targetCodec.name());
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
    // "1 file" stays as written in English, which has no catalogue for %n.
    const QString files = last.files == 1 ? tr("1 file") : tr("%n files", nullptr, last.files);
    //: %1 is when the run was, %2 how many files it changed ("3 files"), %3 the encoding they were converted to.
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
        //: %1 says why the originals cannot be kept for Undo.
        tr("%1\nConvert anyway, without Undo?").arg(problem), QMessageBox::Yes | QMessageBox::No);
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
    setFittingText(
        ui->resultLabel, Karvo::undoSummary(undoResults, undo->total(), undo->isCancelled()), summaryPointSize);
    ui->checkButton->show();
    ui->checkButton->move(ui->backButton->geometry().center().x() - ui->checkButton->width() / 2, ui->checkButton->y());
    ui->reviewButton->hide();
    ui->undoButton->hide();
    ui->stackedWidget->setCurrentIndex(2);
}
