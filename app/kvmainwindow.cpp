#include "kvmainwindow.h"

#include "aboutbox.h"
#include "dropgraphic.h"
#include "kvresultdialog.h"
#include "kvreviewdialog.h"
#include "qtcompat.h"
#include "report.h"
#include "targetlistmodel.h"
#include "ui_kvmainwindow.h"

#include <QAccessible>
#include <QAction>
#include <QCompleter>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QUrl>

namespace {

using State = RunController::State;
using Question = RunController::Question;

// The flat buttons draw no focus frame of their own; keyboard users need one.
const QString focusStyle = QStringLiteral("\n.QToolButton:focus { border: 1px solid white; }");
// A toggle that is off is outlined, one that is on filled: both read as
// buttons that work, unlike the grey of a disabled one.
// clang-format off
const QString toggleOffStyle = QStringLiteral(
    ".QToolButton { width: 30px; height: 16px; color: rgb(225,225,225); background-color: rgb(45,45,45); "
    "border: 1px solid rgb(150,150,150); border-radius: 3px; }") + focusStyle;
const QString toggleOnStyle = QStringLiteral(
    ".QToolButton {width: 30px;height: 16px;color: white;background-color:rgb(15,120,255);border: none;border-radius: 3px;}") + focusStyle;
// clang-format on

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

// Shows `text` in `label` at `largest` points or, where a line would not fit
// (a longer language, a run with much to tell), as large as every line fits
// unbroken: an encoding pair must not break at its hyphens. Should even the
// smallest size not do, the first line (the status and a long name) is
// shortened in the middle, and the others wrap.
void setFittingText(QLabel *label, const QString &text, int largest)
{
    constexpr int smallest = 10;
    const QStringList lines = text.split(QLatin1Char('\n'));
    const QRect room = label->contentsRect();
    QFont font = label->font();
    int size = largest;
    for (; size > smallest; --size) {
        font.setPointSize(size);
        const QFontMetrics metrics(font);
        int widest = 0;
        for (const QString &line : lines)
            widest = qMax(widest, metrics.horizontalAdvance(line));
        const int height = metrics.lineSpacing() * lines.size();
        if (widest <= room.width() && height <= room.height())
            break;
    }
    font.setPointSize(size);
    QStringList shown = lines;
    shown.first() = QFontMetrics(font).elidedText(lines.first(), Qt::ElideMiddle, room.width());
    label->setFont(font);
    label->setText(shown.join(QLatin1Char('\n')));
}

} // namespace

KvMainWindow::KvMainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui_KvMainWindow)
    , run(new RunController(this))
    , targets(new TargetListModel(this))
    , chooseDirectory(chooseWithDialog)
    , chooseFileList(chooseFilesWithDialog)
{
    ui->setupUi(this);
    // The pages are laid out at once, so that texts are fitted to the
    // room they will have before the window is first shown.
    layout()->activate();
    ui->centralWidget->layout()->activate();
    updateDropGraphic();

    setWidgetColor(ui->dropLabel, Qt::white);
    setWidgetColor(ui->targetLabel, Qt::white);
    setWidgetColor(ui->tishiLabel, Qt::lightGray);
    setWidgetColor(ui->noteLabel, Qt::white);
    setWidgetColor(ui->waitingLabel, Qt::lightGray);
    setWidgetColor(ui->resultLabel, Qt::white);
    setWidgetColor(ui->reasonLabel, Qt::white);
    setWidgetColor(ui->copiesLabel, Qt::lightGray);
    setWidgetColor(ui->nextLabel, Qt::lightGray);
    summaryPointSize = ui->resultLabel->font().pointSize();
    // The buttons' style fixes no width that a longer language would overflow.
    for (QToolButton *button : {ui->cancelButton, ui->backButton, ui->checkButton, ui->reviewButton, ui->undoButton})
        button->setMinimumWidth(
            qMax(button->minimumWidth(), button->fontMetrics().horizontalAdvance(button->text()) + 12));
    // Back stays in the middle whether Undo is beside it or not.
    ui->backBalance->changeSize(ui->undoButton->minimumWidth() + ui->backRow->spacing(), 20, QSizePolicy::Fixed);
    ui->backRow->invalidate();
    QSizePolicy keepPlace = ui->undoButton->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    ui->undoButton->setSizePolicy(keepPlace);
    for (QWidget *widget : {static_cast<QWidget *>(ui->reasonLabel), static_cast<QWidget *>(ui->copiesLabel),
             static_cast<QWidget *>(ui->nextLabel), static_cast<QWidget *>(ui->waitingLabel),
             static_cast<QWidget *>(ui->checkButton), static_cast<QWidget *>(ui->reviewButton),
             static_cast<QWidget *>(ui->undoButton), static_cast<QWidget *>(ui->undoLastButton)})
        widget->hide();

    setUpTargetList();
    setUpKeyboardAndAccessibility();
    connectController();
    showChoices();
    showLastRun();
    ui->stackedWidget->setCurrentIndex(0);
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

void KvMainWindow::connectController()
{
    connect(run, &RunController::stateChanged, this, &KvMainWindow::stateChanged);
    connect(run, &RunController::questionAsked, this, &KvMainWindow::askQuestion);
    connect(run, &RunController::progress, this, &KvMainWindow::showProgress);
    connect(run, &RunController::summaryChanged, this, &KvMainWindow::showSummary);
    connect(run, &RunController::choicesChanged, this, &KvMainWindow::showChoices);
    connect(run, &RunController::lastRunChanged, this, &KvMainWindow::showLastRun);
    connect(run, &RunController::waitingDropsChanged, this, &KvMainWindow::showWaiting);
    connect(run, &RunController::lastRunBusy, this, [this] {
        auto *box = new QMessageBox(QMessageBox::Information, QStringLiteral("Karvo"),
            tr("That run is still going, in this window or in another Karvo. Undo it once it is done."),
            QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    });

    // Every page takes a drop; during a run it waits its turn.
    for (KvAcceptFileWidget *page : {ui->dropPage, ui->notePage, ui->resultPage})
        connect(page, &KvAcceptFileWidget::filesAccept, this, &KvMainWindow::startRun);
    connect(ui->dropPage, &KvAcceptFileWidget::highlightChanged, this, &KvMainWindow::updateDropGraphic);

    connect(ui->folderButton, &QToolButton::clicked, this, &KvMainWindow::toggleSaveFolder);
    connect(ui->subfolderButton, &QToolButton::toggled, run, &RunController::setSubfolders);
    connect(ui->undoLastButton, &QToolButton::clicked, run, &RunController::undoLast);
    connect(ui->cancelButton, &QToolButton::clicked, this, [this] {
        run->cancel();
        ui->cancelButton->setEnabled(false);
        ui->noteLabel->setText(tr("Cancelling..."));
    });
    connect(ui->backButton, &QToolButton::clicked, run, &RunController::back);
    connect(ui->checkButton, &QToolButton::clicked, this, &KvMainWindow::showDetail);
    connect(ui->reviewButton, &QToolButton::clicked, run, &RunController::review);
    connect(ui->undoButton, &QToolButton::clicked, run, &RunController::undoRun);
    connect(ui->copiesLabel, &QLabel::linkActivated, this,
        [](const QString &link) { QDesktopServices::openUrl(QUrl(link)); });
}

void KvMainWindow::setUpTargetList()
{
    QComboBox *box = ui->targetCoding;
    box->setModel(targets);
    // Typing filters the list by any part of a name or alias ("1252",
    // "latin1"). Qt's own inline completion would fill in the first name
    // that begins with the text, so that Enter after "iso-8859-1" chose
    // ISO-8859-10: it is replaced by a popup that only suggests.
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    auto *completer = new QCompleter(targets, box);
    completer->setCompletionRole(TargetListModel::SearchRole);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    box->lineEdit()->setCompleter(completer);
    connect(
        completer, QOverload<const QModelIndex &>::of(&QCompleter::activated), this, [this](const QModelIndex &index) {
            run->setTarget(index.data(TargetListModel::EncodingRole).value<Karvo::Encoding>());
            selectTarget(run->target());
        });
    // A name that matches no codec, or several, leaves the target as it was.
    connect(box->lineEdit(), &QLineEdit::editingFinished, this, [this] {
        const int entry = Karvo::findEncoding(ui->targetCoding->lineEdit()->text());
        if (entry >= 0)
            run->setTarget(Karvo::catalogue().at(entry));
        selectTarget(run->target());
    });
    connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
        [this](int row) { run->setTarget(targets->encodingAt(row)); });
}

void KvMainWindow::selectTarget(const Karvo::Encoding &encoding)
{
    QComboBox *box = ui->targetCoding;
    const QSignalBlocker blocker(box);
    box->setCurrentIndex(targets->rowOf(encoding));
    box->lineEdit()->setText(encoding.name());
}

// The target, the save folder and the subfolder toggle as the controller
// holds them.
void KvMainWindow::showChoices()
{
    selectTarget(run->target());
    const QString folder = run->saveFolder();
    ui->folderButton->setChecked(!folder.isEmpty());
    ui->folderButton->setStyleSheet(folder.isEmpty() ? toggleOffStyle : toggleOnStyle);
    {
        const QSignalBlocker blocker(ui->subfolderButton);
        ui->subfolderButton->setChecked(run->subfolders());
    }
    ui->subfolderButton->setStyleSheet(run->subfolders() ? toggleOnStyle : toggleOffStyle);

    // The whole path, shortened in the middle to fit: two folders named
    // "out" must not look the same.
    QLabel *label = ui->tishiLabel;
    if (folder.isEmpty()) {
        label->setText(tr("replace source file"));
        label->setToolTip(QString());
        ui->folderButton->setToolTip(tr("Choose a save folder"));
        return;
    }
    //: Under the target encoding: converted files go into the folder %1.
    const QString text = run->isSaveFolderMissing()
        //: The save folder %1 was chosen, but is not there now; Karvo asks before the next run.
        ? tr("save to: %1 (missing)")
        : tr("save to: %1");
    const QString path = QDir::toNativeSeparators(folder);
    const QFontMetrics metrics(label->font());
    const int room = label->contentsRect().width() - metrics.horizontalAdvance(text.arg(QString())) - 4;
    label->setText(text.arg(metrics.elidedText(path, Qt::ElideMiddle, room)));
    label->setToolTip(path);
    ui->folderButton->setToolTip(tr("Stop saving to %1: replace the source files").arg(path));
}

void KvMainWindow::toggleSaveFolder()
{
    if (!run->saveFolder().isEmpty()) {
        run->setSaveFolder(QString());
        return;
    }
    // The button turns blue while the chooser is open, so the user sees
    // which control asked.
    ui->folderButton->setStyleSheet(toggleOnStyle);
    const QString folder = chooseDirectory(this, tr("Choose a folder to save converted files in"));
    run->setSaveFolder(folder);
}

void KvMainWindow::setUpKeyboardAndAccessibility()
{
    // The drop graphic doubles as the button that opens the file chooser.
    ui->dropIcon->setFocusPolicy(Qt::StrongFocus);
    ui->dropIcon->setCursor(Qt::PointingHandCursor);
    ui->dropLabel->setCursor(Qt::PointingHandCursor);
    ui->dropIcon->installEventFilter(this);
    ui->dropLabel->installEventFilter(this);
    connect(ui->stackedWidget, &QStackedWidget::currentChanged, this, &KvMainWindow::pageShown);
    ui->targetLabel->setBuddy(ui->targetCoding);

    // Hidden pages and buttons drop out of the chain, so one chain serves
    // all three pages.
    const QList<QWidget *> chain
        = {ui->dropIcon, ui->targetCoding, ui->folderButton, ui->subfolderButton, ui->moreAppButton, ui->undoLastButton,
            ui->cancelButton, ui->backButton, ui->checkButton, ui->reviewButton, ui->undoButton, ui->copiesLabel};
    for (QWidget *widget : chain) {
        auto *button = qobject_cast<QToolButton *>(widget);
        if (!button)
            continue;
        button->setFocusPolicy(Qt::TabFocus);
        // The two folder toggles' looks already carry it.
        if (button != ui->folderButton && button != ui->subfolderButton)
            button->setStyleSheet(button->styleSheet() + focusStyle);
    }
    for (int i = 2; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
    QWidget::setTabOrder(ui->dropIcon, ui->targetCoding);

    // A button's shortcut only works while the button is visible, so Escape
    // cancels on the processing page and goes back on the result page.
    ui->cancelButton->setShortcut(QKeySequence(Qt::Key_Escape));
    ui->backButton->setShortcut(QKeySequence(Qt::Key_Escape));
    auto addShortcut = [this](const QKeySequence &keys, void (KvMainWindow::*slot)()) {
        auto *action = new QAction(this);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
        return action;
    };
    addShortcut(QKeySequence::Open, &KvMainWindow::chooseFiles);
    addShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), &KvMainWindow::chooseFolder);
    QAction *about = addShortcut(QKeySequence(Qt::Key_F1), &KvMainWindow::showAbout);
    auto *quit = new QAction(this);
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);
    addAction(quit);

    // Home leads to the web site and to the About box.
    auto *homeMenu = new QMenu(ui->moreAppButton);
    //: An entry of the Home button's menu
    connect(homeMenu->addAction(tr("Karvo's home page")), &QAction::triggered, this,
        [] { QDesktopServices::openUrl(QUrl(QStringLiteral(KARVO_HOMEPAGE), QUrl::TolerantMode)); });
    about->setText(tr("About Karvo"));
    homeMenu->addAction(about);
    ui->moreAppButton->setMenu(homeMenu);
    ui->moreAppButton->setPopupMode(QToolButton::InstantPopup);
    ui->moreAppButton->setCheckable(false);
    ui->moreAppButton->setToolTip(tr("Karvo's home page, and its version and licence (F1)"));

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
    ui->moreAppButton->setAccessibleDescription(tr("Opens Karvo's home page or the About box."));
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
        tr("Shows the files whose encoding is uncertain, to convert them with the encoding you pick."));
    ui->undoButton->setAccessibleName(tr("Undo"));
    ui->undoButton->setAccessibleDescription(tr("Puts every file of this run back as it was."));
    ui->checkButton->setAccessibleName(tr("Detail"));
    ui->checkButton->setAccessibleDescription(tr("Lists every file of the run and what became of it."));
    ui->backButton->setAccessibleName(tr("Back"));
    ui->backButton->setAccessibleDescription(tr("Returns to the drop page; Escape does the same."));
    ui->copiesLabel->setAccessibleName(tr("Save folder"));
    ui->copiesLabel->setAccessibleDescription(tr("Opens the folder the copies went into."));
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
        if (mouse->button() == Qt::LeftButton && widget->rect().contains(Karvo::eventPosition(*mouse))) {
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
        // or by a click is no news to the user.
        const auto *focus = static_cast<QFocusEvent *>(event);
        dropIconTabbedTo = event->type() == QEvent::FocusIn
            && (focus->reason() == Qt::TabFocusReason || focus->reason() == Qt::BacktabFocusReason);
        updateDropGraphic();
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void KvMainWindow::startRun(const QStringList &paths)
{
    run->start(paths);
}

void KvMainWindow::chooseFiles()
{
    const QStringList files = chooseFileList(this);
    if (!files.isEmpty())
        startRun(files);
}

void KvMainWindow::chooseFolder()
{
    const QString folder = chooseDirectory(this, tr("Choose a folder to convert"));
    if (!folder.isEmpty())
        startRun({folder});
}

void KvMainWindow::showAbout()
{
    showAboutBox(this);
}

void KvMainWindow::stateChanged(RunController::State state)
{
    switch (state) {
    case State::Idle:
        ui->stackedWidget->setCurrentIndex(0);
        break;
    case State::Walking:
    case State::Undoing:
        ui->progressBar->setRange(0, 0);
        ui->cancelButton->setEnabled(true);
        ui->noteLabel->setText(state == State::Undoing ? tr("Undoing...") : tr("Looking for files..."));
        ui->stackedWidget->setCurrentIndex(1);
        break;
    case State::Asking:
    case State::Running:
        ui->stackedWidget->setCurrentIndex(1);
        break;
    case State::Summary:
        ui->stackedWidget->setCurrentIndex(2);
        break;
    case State::Reviewing:
        ui->stackedWidget->setCurrentIndex(2);
        openReview();
        break;
    }
    showWaiting();
    showLastRun();
}

void KvMainWindow::showProgress(int done, int total, const QString &current)
{
    ui->progressBar->setRange(0, total);
    ui->progressBar->setValue(done);
    if (current.isEmpty() || !ui->cancelButton->isEnabled())
        return;
    const QString text = tr("Processing %1").arg(current);
    ui->noteLabel->setText(
        ui->noteLabel->fontMetrics().elidedText(text, Qt::ElideMiddle, ui->noteLabel->contentsRect().width()));
}

void KvMainWindow::showWaiting()
{
    const int waiting = run->waitingDrops();
    ui->waitingLabel->setVisible(waiting > 0);
    ui->waitingLabel->setText(
        waiting == 1 ? tr("One more drop waits its turn.") : tr("%n more drops wait their turn.", nullptr, waiting));
    ui->nextLabel->setVisible(waiting > 0);
    ui->nextLabel->setText(waiting == 1 ? tr("The next drop starts when you go back.")
                                        : tr("%n drops wait: the next starts when you go back.", nullptr, waiting));
}

void KvMainWindow::askQuestion(RunController::Question question)
{
    if (question == Question::SaveFolderMissing) {
        askAboutSaveFolder();
        return;
    }
    QString title = QStringLiteral("Karvo");
    QString text;
    if (question == Question::LargeFiles) {
        const QStringList files = run->largeFiles();
        if (files.size() == 1) {
            title = QFileInfo(files.first()).fileName();
            //: Asked before converting a file larger than 10 MiB; its name is the box's title.
            text = tr("This file is larger than 10 MiB.\nIs it really a text file?");
        } else {
            text = tr("%n files are larger than 10 MiB.\nAre they really text files?", nullptr, files.size());
        }
    } else {
        //: %1 says why the originals cannot be kept for Undo.
        text = tr("%1\nConvert anyway, without Undo?").arg(run->undoProblem());
    }
    // Open, not exec: the box waits without a loop of its own, and the answer
    // goes back to the controller when it is given.
    auto *box = new QMessageBox(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::finished, this, [this, question](int answer) {
        if (question == Question::LargeFiles)
            run->answerLargeFiles(answer == QMessageBox::Yes);
        else
            run->answerWithoutUndo(answer == QMessageBox::Yes);
    });
    box->open();
}

void KvMainWindow::askAboutSaveFolder()
{
    const QString folder = QDir::toNativeSeparators(run->saveFolder());
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Karvo"),
        //: %1 is the save folder's path
        tr("The save folder %1 is not there.\nCreate it again, choose another folder, or convert the files in place?")
            .arg(folder),
        QMessageBox::NoButton, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton *create = box->addButton(tr("Create it again"), QMessageBox::AcceptRole);
    QPushButton *choose = box->addButton(tr("Choose another..."), QMessageBox::ActionRole);
    QPushButton *inPlace = box->addButton(tr("Convert in place"), QMessageBox::DestructiveRole);
    box->addButton(QMessageBox::Cancel);
    box->setDefaultButton(create);
    connect(box, &QMessageBox::finished, this, [this, box, create, choose, inPlace] {
        QAbstractButton *clicked = box->clickedButton();
        if (clicked == create)
            run->answerSaveFolder(RunController::FolderAnswer::Create);
        else if (clicked == choose)
            run->answerSaveFolder(RunController::FolderAnswer::Choose,
                chooseDirectory(this, tr("Choose a folder to save converted files in")));
        else if (clicked == inPlace)
            run->answerSaveFolder(RunController::FolderAnswer::InPlace);
        else
            run->answerSaveFolder(RunController::FolderAnswer::Cancel);
    });
    box->open();
}

void KvMainWindow::showSummary()
{
    const QString reason = run->reason();
    ui->reasonLabel->setText(reason);
    ui->reasonLabel->setVisible(!reason.isEmpty());
    const QString copies = run->copiesFolder();
    ui->copiesLabel->setVisible(!copies.isEmpty());
    if (!copies.isEmpty()) {
        const QString name = QFileInfo(copies).fileName().isEmpty() ? copies : QFileInfo(copies).fileName();
        //: A link on the result page to the folder the converted copies went into
        ui->copiesLabel->setText(QStringLiteral("<a style=\"color: rgb(90,160,255);\" href=\"%1\">%2</a>")
                                     .arg(QUrl::fromLocalFile(copies).toString(QUrl::FullyEncoded).toHtmlEscaped(),
                                         tr("Copies in %1").arg(name).toHtmlEscaped()));
        ui->copiesLabel->setToolTip(QDir::toNativeSeparators(copies));
    }
    const bool anyRecord = run->showsUndo() ? !run->undoResults().isEmpty() : !run->results().isEmpty();
    ui->checkButton->setVisible(anyRecord);
    ui->reviewButton->setVisible(run->canReview());
    ui->undoButton->setVisible(run->canUndo());
    showWaiting();
    // The summary gets the room the other lines leave.
    ui->resultPage->layout()->activate();
    setFittingText(ui->resultLabel, run->summary(), summaryPointSize);
    if (ui->stackedWidget->currentIndex() == 2)
        announce(ui->resultPage, run->summary());
}

void KvMainWindow::showLastRun()
{
    const bool offered = run->hasLastRun() && run->state() == State::Idle;
    ui->undoLastButton->setVisible(offered);
    if (!offered)
        return;
    const Karvo::UndoRunInfo last = run->lastRun();
    // "1 file" stays as written in English, which has no catalogue for %n.
    const QString files = last.files == 1 ? tr("1 file") : tr("%n files", nullptr, last.files);
    //: %1 is when the run was, %2 how many files it changed ("3 files"), %3 the encoding they were converted to.
    ui->undoLastButton->setToolTip(tr("Undo the run of %1: %2 to %3")
                                       .arg(QLocale().toString(last.date, QLocale::ShortFormat), files, last.target));
}

void KvMainWindow::showDetail()
{
    auto *dialog = new KvResultDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    if (run->showsUndo())
        dialog->setUndoRecords(run->undoResults());
    else
        dialog->setRecords(run->results(), run->runTarget().name());
    dialog->open();
}

void KvMainWindow::openReview()
{
    if (review)
        return;
    review = new KvReviewDialog(run->doubtfulFiles(), run->runTarget().name(), this);
    review->setAttribute(Qt::WA_DeleteOnClose);
    connect(review, &KvReviewDialog::convertRequested, run, &RunController::convertAs);
    connect(run, &RunController::reviewed, review, &KvReviewDialog::showResults);
    connect(run, &RunController::convertingChanged, review, &KvReviewDialog::setConverting);
    connect(review, &QDialog::finished, run, &RunController::endReview);
    review->open();
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
        announce(ui->resultPage, run->summary());
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
