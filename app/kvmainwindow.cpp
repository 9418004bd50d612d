#include "kvmainwindow.h"

#include "dropgraphic.h"
#include "ui_kvmainwindow.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QPalette>
#include <QPixmap>
#include <QUrl>

namespace {

// clang-format off
const QString folderIdleStyle = QStringLiteral(
    ".QToolButton { width: 30px; height: 16px; color: gray;  background-color: darkgray; border: none; border-radius: 3px; }");
const QString folderActiveStyle = QStringLiteral(
    ".QToolButton {width: 30px;height: 16px;color: white;background-color:rgb(15,120,255);border: none;border-radius: 3px;}");
// clang-format on

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
    Q_UNUSED(file)
    ui->stackedWidget->setCurrentIndex(1);
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
