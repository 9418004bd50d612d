#include "kvmainwindow.h"

#include "conversion.h"
#include "detection.h"
#include "dropgraphic.h"
#include "kvresultdialog.h"
#include "ui_kvmainwindow.h"

#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPalette>
#include <QPixmap>
#include <QStringList>
#include <QTimer>
#include <QUrl>

#include <algorithm>

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

    connect(ui->dropPage, &KvAcceptFileWidget::fileAccept, this, &KvMainWindow::fileDragIn);

    setWidgetColor(ui->noteLabel, Qt::white);
    setWidgetColor(ui->resultLabel, Qt::white);
    ui->stackedWidget->setCurrentIndex(0);
    ui->checkButton->hide();
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
    ui->stackedWidget->setCurrentIndex(1);
    QTimer::singleShot(stepPause, this, [this, file] { processStep2(file); });
}

void KvMainWindow::processStep2(const QString &filepath)
{
    processPath(filepath);
    QTimer::singleShot(stepPause, this, &KvMainWindow::processStep3);
}

void KvMainWindow::processStep3()
{
    if (results.size() == 1) {
        const FileResult &result = results.first();
        ui->resultLabel->setText((result.success ? QStringLiteral("[Success] ") : QStringLiteral("[Failed] "))
            + result.fileName + QStringLiteral("\n(") + result.detectedName + QStringLiteral("->")
            + targetCodec.name.toUpper() + QStringLiteral(")"));
        ui->checkButton->hide();
    } else {
        const auto succeeded
            = std::count_if(results.cbegin(), results.cend(), [](const FileResult &result) { return result.success; });
        ui->resultLabel->setText(QStringLiteral("[%1/%2] Success!").arg(succeeded).arg(results.size()));
        ui->checkButton->show();
    }
    ui->stackedWidget->setCurrentIndex(2);
}

void KvMainWindow::processPath(const QString &path)
{
    const QFileInfo info(path);
    results.clear();
    if (info.isDir()) {
        processFolder(path);
    } else {
        ui->noteLabel->setText(tr("Processing") + QStringLiteral(" ") + info.fileName());
        processFile(path);
    }
}

void KvMainWindow::processFolder(const QString &path)
{
    ui->noteLabel->setText(tr("Processing") + QStringLiteral(", ") + tr("please waiting..."));
    QDirIterator it(path, QDir::Files | QDir::Readable | QDir::NoDotAndDotDot, QDirIterator::NoIteratorFlags);
    while (it.hasNext()) {
        it.next();
        processFile(it.filePath());
    }
}

void KvMainWindow::processFile(const QString &path)
{
    const QFileInfo info(path);
    if (info.isDir())
        return;
    if (info.size() > largeFileSize) {
        const QMessageBox::StandardButton answer = QMessageBox::question(this, info.fileName(),
            tr("File Size > 10 MBytes.\n Does this really a text file?"), QMessageBox::Yes | QMessageBox::No);
        if (answer == QMessageBox::No) {
            qDebug("No was clicked");
            return;
        }
    }

    const DetectResult detection = Karvo::detectFileCoding(path);
    FileResult result {info.fileName(), detection.name, true};
    const QString destination = saveFolder.isEmpty() ? path : saveFolder + QDir::separator() + info.fileName();
    if (detection.mib == -1) {
        result.success = false;
    } else if (detection.mib != targetCodec.mib) {
        if (!saveFolder.isEmpty())
            qDebug() << destination;
        result.success = Karvo::convertFileCoding(path, destination, detection, targetCodec, true);
    } else if (!saveFolder.isEmpty()) {
        const Karvo::Outcome copied = Karvo::copyFile(path, destination);
        if (!copied.ok)
            Karvo::showWarning(copied);
        result.success = copied.ok;
    }
    results.append(result);
}

void KvMainWindow::on_checkButton_clicked()
{
    const QString target = targetCodec.name.toUpper();
    QStringList lines;
    for (const FileResult &result : qAsConst(results)) {
        lines.append((result.success ? QStringLiteral("[Success] ") : QStringLiteral("[Failed]     ")) + result.fileName
            + QStringLiteral("  (") + (result.detectedName.isEmpty() ? QStringLiteral("Unknown") : result.detectedName)
            + QStringLiteral("->") + target + QStringLiteral(")"));
    }
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
